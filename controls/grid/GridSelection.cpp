// The selection and the focus cell. The selected-cell map is the one source of the selection;
// SetItemState keeps the cells' Selected bits equal to it. Programmatic changes send nothing
// to the owner; the mouse, the keyboard and Select All announce theirs.
#include <algorithm>
#include <memory>

#include "controls/grid/GridCtrl.h"
#include "platform/WaitCursor.h"

void CGridCtrl::RedrawOrInvalidate(int row, int col, CDC* dc) {
    if (dc) RedrawCell(row, col, dc);
    else InvalidateCellRect(row, col);
}

void CGridCtrl::ChangeCellSelection(int row, int col, bool select, const CCellRange& visible, CDC* dc) {
    const UINT state = GetItemState(row, col);
    SetItemState(row, col, select ? (state | GVIS_SELECTED) : (state & ~GVIS_SELECTED));
    if (visible.InRange(row, col)) RedrawOrInvalidate(row, col, dc);
}

void CGridCtrl::SetSelectedRange(const CCellRange& range, BOOL forceRepaint, BOOL selectCells) {
    SetSelectedRange(range.GetMinRow(), range.GetMinCol(), range.GetMaxRow(), range.GetMaxCol(), forceRepaint,
                     selectCells);
}

void CGridCtrl::SetSelectedRange(int minRow, int minCol, int maxRow, int maxCol, BOOL forceRepaint,
                                 BOOL selectCells) {
    if (!m_bEnableSelection) return;
    const bool allSet = minRow >= 0 && minCol >= 0 && maxRow >= 0 && maxCol >= 0;
    if (m_SelectedCellMap.empty() && m_PrevSelectedCellMap.empty() && !allSet) return;  // nothing to change
    CWaitCursor wait;

    std::unique_ptr<CClientDC> dc;
    if (forceRepaint && CanDraw()) dc = std::make_unique<CClientDC>(this);
    const CCellRange visible = GetVisibleNonFixedCellRange();

    const auto clampUp = [](int value, int fixed) { return value >= 0 && value < fixed ? fixed : value; };
    const CCellRange range(clampUp(minRow, m_nFixedRows), clampUp(minCol, m_nFixedCols),
                           clampUp(maxRow, m_nFixedRows), clampUp(maxCol, m_nFixedCols));

    if (selectCells) {
        const auto selected = m_SelectedCellMap;  // SetItemState changes the map
        for (const auto& [key, cell] : selected) {
            if (!IsValid(cell)) {
                m_SelectedCellMap.erase(key);
                continue;
            }
            SetItemState(cell.row, cell.col, GetItemState(cell.row, cell.col) & ~GVIS_SELECTED);
            if (!range.InRange(cell) && visible.InRange(cell)) RedrawOrInvalidate(cell.row, cell.col, dc.get());
        }
        if (!(m_bListMode && m_bSingleRowSelection) && allSet) {
            for (const auto& [key, cell] : m_PrevSelectedCellMap)
                if (IsValid(cell)) ChangeCellSelection(cell.row, cell.col, true, visible, dc.get());
        }
    }

    if (IsValid(range)) {
        for (int row = range.GetMinRow(); row <= range.GetMaxRow(); ++row)
            for (int col = range.GetMinCol(); col <= range.GetMaxCol(); ++col)
                if ((IsCellSelected(row, col) != FALSE) != (selectCells != FALSE))
                    ChangeCellSelection(row, col, selectCells, visible, dc.get());
    }
}

CCellRange CGridCtrl::GetSelectedCellRange() const {
    if (m_SelectedCellMap.empty()) return {m_nRows, m_nCols, -1, -1};
    CCellRange range(m_nRows, m_nCols, -1, -1);
    for (const auto& [key, cell] : m_SelectedCellMap) {
        range.SetMinRow(std::min(range.GetMinRow(), cell.row));
        range.SetMinCol(std::min(range.GetMinCol(), cell.col));
        range.SetMaxRow(std::max(range.GetMaxRow(), cell.row));
        range.SetMaxCol(std::max(range.GetMaxCol(), cell.col));
    }
    return range;
}

BOOL CGridCtrl::IsCellSelected(int row, int col) const {
    if (!m_bEnableSelection) return FALSE;
    if (m_bVirtualMode) {
        return m_SelectedCellMap.count(CellKey(row, col)) != 0;
    }
    return (GetItemState(row, col) & GVIS_SELECTED) != 0;
}

void CGridCtrl::ResetSelectedRange() {
    if (!m_bEnableSelection) return;
    m_PrevSelectedCellMap.clear();
    SetSelectedRange(-1, -1, -1, -1);
    SetFocusCell(-1, -1);
}

void CGridCtrl::SelectAllCells() {
    if (!m_bEnableSelection) return;
    SetSelectedRange(m_nFixedRows, m_nFixedCols, m_nRows - 1, m_nCols - 1);
}

void CGridCtrl::SelectColumns(CCellID cell, BOOL forceRedraw, BOOL selectCells) {
    if (!m_bEnableSelection || !IsValid(cell) || cell.col < m_nFixedCols) return;
    if (m_bSingleColSelection) {
        SetSelectedRange(m_nFixedRows, cell.col, m_nRows - 1, cell.col, forceRedraw, selectCells);
    } else {
        SetSelectedRange(m_nFixedRows, std::min(m_SelectionStartCell.col, cell.col), m_nRows - 1,
                         std::max(m_SelectionStartCell.col, cell.col), forceRedraw, selectCells);
    }
}

void CGridCtrl::SelectRows(CCellID cell, BOOL forceRedraw, BOOL selectCells) {
    if (!m_bEnableSelection || !IsValid(cell) || cell.row < m_nFixedRows) return;
    if (m_bListMode && m_bSingleRowSelection) {
        SetSelectedRange(cell.row, m_nFixedCols, cell.row, m_nCols - 1, forceRedraw, selectCells);
    } else {
        SetSelectedRange(std::min(m_SelectionStartCell.row, cell.row), m_nFixedCols,
                         std::max(m_SelectionStartCell.row, cell.row), m_nCols - 1, forceRedraw, selectCells);
    }
}

void CGridCtrl::SelectCells(CCellID cell, BOOL forceRedraw, BOOL selectCells) {
    if (!m_bEnableSelection || !IsValid(cell) || cell.row < m_nFixedRows || cell.col < m_nFixedCols) return;
    SetSelectedRange(std::min(m_SelectionStartCell.row, cell.row), std::min(m_SelectionStartCell.col, cell.col),
                     std::max(m_SelectionStartCell.row, cell.row), std::max(m_SelectionStartCell.col, cell.col),
                     forceRedraw, selectCells);
}

void CGridCtrl::OnSelecting(const CCellID& cell) {
    if (!m_bEnableSelection) return;
    switch (m_MouseMode) {
        case MouseMode::SelectAll: SelectAllCells(); break;
        case MouseMode::SelectColumn: SelectColumns(cell, FALSE, TRUE); break;
        case MouseMode::SelectRow: SelectRows(cell, FALSE, TRUE); break;
        case MouseMode::SelectCells: SelectCells(cell, FALSE, TRUE); break;
        default: break;
    }
}

void CGridCtrl::RedrawFixedCellsOfColumn(int col) {
    for (int row = 0; row < m_nFixedRows; ++row) RedrawCell(row, col);
}

void CGridCtrl::RedrawFixedCellsOfRow(int row) {
    for (int col = 0; col < m_nFixedCols; ++col) RedrawCell(row, col);
}

CCellID CGridCtrl::SetFocusCell(int row, int col) {
    if (CCellID(row, col) == m_idCurrentCell) return m_idCurrentCell;
    const CCellID previous = m_idCurrentCell;
    if (row != -1 && row < m_nFixedRows) row = m_nFixedRows;
    if (col != -1 && col < m_nFixedCols) col = m_nFixedCols;
    m_idCurrentCell = CCellID(row, col);

    if (IsValid(previous)) {
        SetItemState(previous.row, previous.col, GetItemState(previous.row, previous.col) & ~GVIS_FOCUSED);
        RedrawCell(previous);
        if (m_bTrackFocusCell) {
            if (previous.col != col) RedrawFixedCellsOfColumn(previous.col);
            if (previous.row != row) RedrawFixedCellsOfRow(previous.row);
        }
    }
    if (IsValid(m_idCurrentCell)) {
        SetItemState(row, col, GetItemState(row, col) | GVIS_FOCUSED);
        RedrawCell(m_idCurrentCell);
        if (m_bTrackFocusCell) {
            if (previous.col != col) RedrawFixedCellsOfColumn(col);
            if (previous.row != row) RedrawFixedCellsOfRow(row);
        }
    }
    return previous;
}

void CGridCtrl::OnEditSelectAll() {
    SendMessageToParent(m_LeftClickDownCell.row, m_LeftClickDownCell.col, GVN_SELCHANGING);
    SelectAllCells();
    SendMessageToParent(m_idCurrentCell.row, m_idCurrentCell.col, GVN_SELCHANGED);
}

void CGridCtrl::OnUpdateEditCopy(CCmdUI* cmdUI) { cmdUI->Enable(GetSelectedCount() > 0); }

void CGridCtrl::OnUpdateEditCut(CCmdUI* cmdUI) { cmdUI->Enable(IsEditable() && GetSelectedCount() > 0); }

void CGridCtrl::OnUpdateEditPaste(CCmdUI* cmdUI) {
    cmdUI->Enable(IsValid(m_idCurrentCell) && IsCellEditable(m_idCurrentCell) && ClipboardHasText());
}

void CGridCtrl::OnUpdateEditSelectAll(CCmdUI* cmdUI) { cmdUI->Enable(m_bEnableSelection); }
