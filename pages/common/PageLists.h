#pragma once
// Filling a page's lists from the nomenclature tables. Each filler empties the combo box,
// reads the rows on a connection of its own and adds them in the order they come: the text
// column as the entry (NULL as ""), the id column as its item data (NULL as 0). A database
// error is shown; the entries added before it stay and the page goes on. The drop-down list
// opens wide enough for the longest entry.
#include "platform/ListControls.h"

// The rows of any query.
BOOL FillComboFromQuery(CComboBox& combo, const CString& sql, const char* idColumn, const char* textColumn);
// "select ID, Name from <table>"
BOOL FillComboFromTable(CComboBox& combo, const char* table);
// "select <id>, <text> from <table> where <text> is not NULL "
BOOL FillComboFromColumns(CComboBox& combo, const char* idColumn, const char* textColumn, const char* table);
