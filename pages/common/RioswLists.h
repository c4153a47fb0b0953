#pragma once
// Lists of the nomenclature entries that belong to the inspectorate or park of the login,
// read with a query that names the entries' ID and Name.
#include "platform/ListControls.h"

// Fills the combo box with the rows of the query (Name as the entry, ID as its item data).
// A list that gets no entry is disabled, since nothing in it can be chosen. After a database
// error (shown to the user) the list keeps the entries read before it and stays enabled.
void FillInspectorateList(CComboBox& combo, const CString& sql);

// The units of one kind that belong to the inspectorate: rows of `table` linked to it
// through `relationTable`, whose `keyColumn` names the unit (ДЛ, ДДС, NUTS, РУГ...).
void FillInspectorateUnits(CComboBox& combo, const char* table, const char* relationTable, const char* keyColumn,
                           int inspectorateId);
