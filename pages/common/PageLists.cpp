#include "pages/common/PageLists.h"

#include "controls/ComboHelpers.h"
#include "shell/ProgramDatabase.h"
#include "store/SqlText.h"

BOOL FillComboFromQuery(CComboBox& combo, const CString& sql, const char* idColumn, const char* textColumn) {
    combo.ResetContent();
    const BOOL read = WithProgramDatabase([&](CSQLite3DB& db) {
        for (CSQLite3Query query = db.execQuery(sql); !query.eof(); query.nextRow()) {
            const int index = combo.AddString(query.getStringField(textColumn, ""));
            combo.SetItemData(index, static_cast<DWORD>(query.getIntField(idColumn, 0)));
        }
    });
    CComboHelpers::SetDroppedWidthToFit(combo);
    return read;
}

BOOL FillComboFromTable(CComboBox& combo, const char* table) {
    return FillComboFromQuery(combo, FormatSql("select ID, Name from %s", table), "ID", "Name");
}

BOOL FillComboFromColumns(CComboBox& combo, const char* idColumn, const char* textColumn, const char* table) {
    return FillComboFromQuery(combo, FormatSql("select %s, %s from %s where %s is not NULL ", idColumn, textColumn, table, textColumn),
                       idColumn, textColumn);
}
