// Moving the selected cells' text out of and into the grid. Del empties the selected cells of
// an editable grid; the clipboard commands and dragging the text are not offered yet.
#include "controls/grid/GridCtrl.h"

void CGridCtrl::CutSelectedText() {
    if (!IsEditable()) return;
    const auto selected = m_SelectedCellMap;  // emptying a cell may change the selection
    for (const auto& [key, cell] : selected) SetItemTextWithNotify(cell.row, cell.col, "");
}

void CGridCtrl::OnBeginDrag() {}

void CGridCtrl::OnEditCopy() {}

void CGridCtrl::OnEditCut() {}

void CGridCtrl::OnEditPaste() {}
