#include "pages/common/RioswLists.h"

#include "controls/ComboHelpers.h"
#include "shell/ProgramDatabase.h"

void FillInspectorateList(CComboBox& combo, const CString& sql) {
    combo.ResetContent();
    const BOOL read = WithProgramDatabase([&](CSQLite3DB& db) {
        for (CSQLite3Query query = db.execQuery(sql); !query.eof(); query.nextRow())
            combo.SetItemData(combo.AddString(query.getStringField("Name", "")),
                              static_cast<DWORD>(query.getIntField("ID", 0)));
    });
    CComboHelpers::SetDroppedWidthToFit(combo);
    if (read && combo.GetCount() == 0) combo.EnableWindow(FALSE);
}
