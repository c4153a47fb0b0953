#include "controls/TreeHelpers.h"

namespace CTreeHelpers {

CString GetItemPath(const CTreeCtrl& tree, HTREEITEM item) {
    if (!item) return {};
    CString path = tree.GetItemText(item);
    for (HTREEITEM parent = tree.GetParentItem(item); parent; parent = tree.GetParentItem(parent))
        path = tree.GetItemText(parent) + "->" + path;
    return path;
}

}  // namespace CTreeHelpers
