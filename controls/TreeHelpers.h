#pragma once
// Small routines on tree controls.
#include "platform/TreeCtrl.h"

namespace CTreeHelpers {

// The item's text preceded by the texts of its ancestors from the top down, joined with
// "->" and no blanks: "Root->Child->Item". A top-level item gives its own text.
CString GetItemPath(const CTreeCtrl& tree, HTREEITEM item);

}  // namespace CTreeHelpers
