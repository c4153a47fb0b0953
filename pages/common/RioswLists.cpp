#include "pages/common/RioswLists.h"

#include "controls/ComboHelpers.h"
#include "shell/ProgramDatabase.h"
#include "store/SqlText.h"

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

void FillInspectorateUnits(CComboBox& combo, const char* table, const char* relationTable, const char* keyColumn,
                           int inspectorateId) {
    FillInspectorateList(combo, FormatSql("select  distinct n.ID, n.Name from %s n \ninner join  %s r \non n.ID = "
                                          "r.%s \nwhere r.RIOSW_NP_PP_id = %d \n",
                                          table, relationTable, keyColumn, inspectorateId));
}
