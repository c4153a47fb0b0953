#pragma once
// Small routines on combo boxes that every list of nomenclature values needs: select the
// entry of a stored id, read the chosen (id, text), and let the drop-down list show its
// longest entry in full.
#include "platform/CString.h"
#include "platform/ListControls.h"

namespace CComboHelpers {

// Selects the first entry whose item data equals `value`; with none, clears the selection.
// Returns what the combo answered (the index, or CB_ERR when nothing is selected).
int SelectByItemData(CComboBox& combo, DWORD value);

// The item data of the selected entry and its text, whatever the data; -1 and "" only when
// nothing is selected.
void GetSelection(const CComboBox& combo, int& data, CString& text);

// Widens the drop-down list to its widest entry: text width plus the font's average
// character width, the vertical scroll bar and two edges.
void SetDroppedWidthToFit(CComboBox& combo);

}  // namespace CComboHelpers
