#pragma once
// Small routines on list boxes.
#include "platform/ListControls.h"

namespace CListBoxHelpers {

// TRUE when some entry's item data equals `value`; FALSE for an empty list.
BOOL ContainsItemData(const CListBox& list, DWORD value);

// Lets the list scroll horizontally over its widest entry: text width plus the font's
// average character width.
void SetHorizontalExtentToFit(CListBox& list);

}  // namespace CListBoxHelpers
