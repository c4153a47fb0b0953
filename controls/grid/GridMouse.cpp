// The mouse: selecting by clicking and dragging, resizing by dragging a divider, auto-sizing
// by double-clicking one, the wheel, title tips, and the notifications of each gesture.
#include <algorithm>
#include <cstdlib>

#include "controls/grid/GridCtrl.h"
#include "platform/SystemInfo.h"
#include "platform/WaitCursor.h"

namespace {

// The auto-scroll timer while selecting with the mouse.
constexpr UINT_PTR kSelectionTimer = WM_LBUTTONDOWN;

}  // namespace

BOOL CGridCtrl::OnMouseWheel(UINT, short delta, CPoint) {
    if (m_nRowsPerWheelNotch == -1) {
        const int pages = delta / WHEEL_DELTA;
        for (int i = 0; i < std::abs(pages); ++i) SendMessage(WM_VSCROLL, pages > 0 ? SB_PAGEUP : SB_PAGEDOWN, 0);
    } else {
        const int lines = m_nRowsPerWheelNotch * delta / WHEEL_DELTA;
        for (int i = 0; i < std::abs(lines); ++i) SendMessage(WM_VSCROLL, lines > 0 ? SB_LINEUP : SB_LINEDOWN, 0);
    }
    return TRUE;
}

void CGridCtrl::OnMouseMove(UINT, CPoint point) {
    CRect client;
    GetClientRect(&client);
    if (m_MouseMode != MouseMode::Dragging && !client.PtInRect(point)) return;

    if (m_bLMouseButtonDown && m_MouseMode != MouseMode::Nothing) {
        if (!IsValid(m_LeftClickDownCell)) return;
        switch (m_MouseMode) {
            case MouseMode::SelectColumn:
            case MouseMode::SelectRow:
            case MouseMode::SelectCells: {
                const CCellID cell = GetCellFromPt(point);
                if (!IsValid(cell)) return;
                if (cell != m_idCurrentCell) {
                    OnSelecting(cell);
                    if ((cell.row >= m_nFixedRows && cell.col >= m_nFixedCols) || m_MouseMode == MouseMode::SelectColumn ||
                        m_MouseMode == MouseMode::SelectRow)
                        SetFocusCell(cell);
                }
                break;
            }
            case MouseMode::SizingColumn:
            case MouseMode::SizingRow:
                ResizeLine(m_LastMousePoint);
                ResizeLine(point);
                break;
            case MouseMode::PrepareEdit:
            case MouseMode::PrepareDrag:
                m_MouseMode = MouseMode::PrepareDrag;
                if (m_bAllowDragAndDrop) OnBeginDrag();
                break;
            default:
                break;
        }
        m_LastMousePoint = point;
        return;
    }

    if (m_bAllowColumnResize && MouseOverColumnResizeArea(point)) {
        if (m_MouseMode != MouseMode::OverColumnDivider) {
            SetCursor(LoadStandardCursor(IDC_SIZEWE));
            m_MouseMode = MouseMode::OverColumnDivider;
        }
    } else if (m_bAllowRowResize && MouseOverRowResizeArea(point)) {
        if (m_MouseMode != MouseMode::OverRowDivider) {
            SetCursor(LoadStandardCursor(IDC_SIZENS));
            m_MouseMode = MouseMode::OverRowDivider;
        }
    } else if (m_MouseMode != MouseMode::Nothing) {
        SetCursor(LoadStandardCursor(IDC_ARROW));
        m_MouseMode = MouseMode::Nothing;
    }

    if (m_MouseMode == MouseMode::Nothing && !(m_bVirtualMode && !m_bTitleTips)) {
        const CCellID cell = GetCellFromPt(point);
        if (CGridCellBase* gridCell = GetCell(cell.row, cell.col)) {
            gridCell->OnMouseOver();
            if (m_bTitleTips) ShowTitleTipFor(cell);
        }
    }
    m_LastMousePoint = point;
}

void CGridCtrl::ShowTitleTipFor(const CCellID& cell) {
    CGridCellBase* gridCell = GetCell(cell.row, cell.col);
    if (gridCell == nullptr || *gridCell->GetTipText() == '\0' || gridCell->IsEditing()) return;
    CRect cellRect;
    if (!GetCellRect(cell, &cellRect)) return;
    CRect textRect = cellRect;
    if (!gridCell->GetTipTextRect(&textRect) || !GetCellRect(cell, &cellRect)) return;
    m_TitleTip.SetParentWnd(this);
    m_TitleTip.Show(textRect, gridCell->GetTipText(), 0, &cellRect, gridCell->GetFont(), m_crTTipTextClr, m_crTTipBackClr);
}

bool CGridCtrl::ClickInTextArea(const CCellID& cell, CPoint point) {
    CGridCellBase* gridCell = GetCell(cell.row, cell.col);
    CRect cellRect;
    if (gridCell == nullptr || !GetCellRect(cell, &cellRect)) return false;
    CRect textRect = cellRect;
    if (!gridCell->GetTextRect(&textRect)) return false;
    ++textRect.right;  // cell rectangles end on their last pixel
    ++textRect.bottom;
    return textRect.PtInRect(point);
}

// The track line of a divider being dragged: inverted, so drawing it twice takes it away.
void CGridCtrl::ResizeLine(CPoint point) const {
    CRect client;
    GetClientRect(&client);
    const CRect line = m_MouseMode == MouseMode::SizingColumn ? CRect(point.x, client.top, point.x + 2, client.bottom)
                                                              : CRect(client.left, point.y, client.right, point.y + 2);
    CClientDC dc(const_cast<CGridCtrl*>(this));
    dc.InvertRect(&line);
}

void CGridCtrl::OnLButtonDown(UINT flags, CPoint point) {
    m_TitleTip.Hide();
    SetFocus();
    m_LeftClickDownPoint = point;
    m_bLMouseButtonDown = TRUE;
    m_LeftClickDownCell = GetCellFromPt(point);
    if (!IsValid(m_LeftClickDownCell)) return;
    const CCellID down = m_LeftClickDownCell;

    if (!(flags & MK_SHIFT)) m_SelectionStartCell = down;
    else if (!IsValid(m_SelectionStartCell)) m_SelectionStartCell = m_idCurrentCell;

    EndEditing();
    if (CGridCellBase* cell = GetCell(down.row, down.col)) cell->OnClickDown(GetPointClicked(down.row, down.col, point));
    const bool inTextArea = ClickInTextArea(down, point);

    if (down == m_idCurrentCell && !(flags & MK_CONTROL) && inTextArea && IsCellEditable(down)) {
        m_MouseMode = MouseMode::PrepareEdit;
        return;
    }
    if (IsCellSelected(down)) {
        SetFocusCell(down);
        if (flags & MK_CONTROL) {
            if (m_bListMode) SelectRows(down, TRUE, FALSE);
            else SelectCells(down, TRUE, FALSE);
            return;
        }
        if (m_bAllowDragAndDrop) m_MouseMode = MouseMode::PrepareDrag;
    } else if (m_MouseMode != MouseMode::OverColumnDivider && m_MouseMode != MouseMode::OverRowDivider) {
        if (down.row >= m_nFixedRows && down.col >= m_nFixedCols) SetFocusCell(down);
        else SetFocusCell(-1, -1);
    }

    SetCapture();
    if (m_MouseMode == MouseMode::Nothing) {
        if (m_bAllowColumnResize && MouseOverColumnResizeArea(point)) {
            SetCursor(LoadStandardCursor(IDC_SIZEWE));
            m_MouseMode = MouseMode::OverColumnDivider;
        } else if (m_bAllowRowResize && MouseOverRowResizeArea(point)) {
            SetCursor(LoadStandardCursor(IDC_SIZENS));
            m_MouseMode = MouseMode::OverRowDivider;
        }
    }

    if (m_MouseMode == MouseMode::OverColumnDivider) {
        BeginDividerDrag(point, true);
    } else if (m_MouseMode == MouseMode::OverRowDivider) {
        BeginDividerDrag(point, false);
    } else if (m_MouseMode != MouseMode::PrepareDrag) {
        SendMessageToParent(down.row, down.col, GVN_SELCHANGING);
        m_PrevSelectedCellMap.clear();
        if (flags & MK_CONTROL) m_PrevSelectedCellMap = m_SelectedCellMap;
        CCellID cell = down;
        if (down.row < m_nFixedRows) {
            OnFixedRowClick(cell);
        } else if (down.col < m_nFixedCols) {
            OnFixedColumnClick(cell);
        } else {
            m_MouseMode = m_bListMode ? MouseMode::SelectRow : MouseMode::SelectCells;
            OnSelecting(down);
            StartSelectionTimer();
        }
    }
    m_LastMousePoint = point;
}

// Pressed on a divider: the column (row) being sized is the one whose right (bottom) edge it
// is; the mouse is held to the side where the size stays positive.
void CGridCtrl::BeginDividerDrag(CPoint point, bool column) {
    m_MouseMode = column ? MouseMode::SizingColumn : MouseMode::SizingRow;
    CGridSizeArray& sizes = column ? m_arColWidths : m_arRowHeights;
    const int count = column ? m_nCols : m_nRows;
    int& index = column ? m_LeftClickDownCell.col : m_LeftClickDownCell.row;
    const auto along = [column](const CPoint& p) { return column ? p.x : p.y; };

    CRect visibleRect;
    GetVisibleNonFixedCellRange(&visibleRect);
    const int visibleEnd = column ? visibleRect.right : visibleRect.bottom;
    const bool lastIsNarrow = static_cast<int>(sizes[count - 1]) < m_nResizeCaptureRange &&
                              std::abs(along(point) - visibleEnd) < m_nResizeCaptureRange;
    if (lastIsNarrow) index = count - 1;

    CPoint start;
    if (!GetCellOrigin(m_LeftClickDownCell, &start)) return;
    if (!(column ? m_bHiddenColUnhide : m_bHiddenRowUnhide)) {
        while (index > 0 && sizes[index] == 0) --index;
        if (sizes[index] == 0 || !GetCellOrigin(m_LeftClickDownCell, &start)) return;
    }
    ResizeLine(point);
    if (along(point) < along(start) + m_nResizeCaptureRange && !lastIsNarrow) {
        if (index <= 0) return;
        --index;
        if (!GetCellOrigin(m_LeftClickDownCell, &start)) return;
    }

    CRect client;
    GetClientRect(&client);
    CRect clip = client;
    if (column) {
        clip.left = start.x + 1;
        clip.right = clip.left + client.Width() - GetFixedColumnWidth();
    } else {
        clip.top = start.y + 1;
        clip.bottom = clip.top + client.Height() - GetFixedRowHeight();
    }
    ClientToScreen(&clip);
    ClipCursor(&clip);
}

void CGridCtrl::EndDividerDrag(CPoint point, bool column) {
    ResizeLine(m_LastMousePoint);
    if (point == m_LeftClickDownPoint || (point.x == 0 && point.y == 0)) return;
    CPoint start;
    if (!GetCellOrigin(m_LeftClickDownCell, &start)) return;
    const int minimum = (column ? m_bAllowColHide : m_bAllowRowHide) ? 0 : 1;
    if (column) SetColumnWidth(m_LeftClickDownCell.col, std::max(minimum, point.x - start.x));
    else SetRowHeight(m_LeftClickDownCell.row, std::max(minimum, point.y - start.y));
    ResetScrollBars();
    Invalidate();
}

void CGridCtrl::StartSelectionTimer() { m_nTimerID = SetTimer(kSelectionTimer, static_cast<UINT>(m_nTimerInterval)); }

void CGridCtrl::StopSelectionTimer() {
    if (m_nTimerID) KillTimer(m_nTimerID);
    m_nTimerID = 0;
}

void CGridCtrl::OnLButtonUp(UINT, CPoint point) {
    m_bLMouseButtonDown = FALSE;
    ClipCursor(nullptr);
    if (GetCapture() == this) {
        ReleaseCapture();
        StopSelectionTimer();
    }
    const CPoint relative = GetPointClicked(m_idCurrentCell.row, m_idCurrentCell.col, point);
    CGridCellBase* current = GetCell(m_idCurrentCell.row, m_idCurrentCell.col);

    switch (m_MouseMode) {
        case MouseMode::PrepareEdit:
            OnEditCell(m_idCurrentCell.row, m_idCurrentCell.col, relative, VK_LBUTTON);
            break;
        case MouseMode::PrepareDrag:
            if (current) current->OnClick(relative);
            SendMessageToParent(m_LeftClickDownCell.row, m_LeftClickDownCell.col, NM_CLICK);
            SendMessageToParent(m_LeftClickDownCell.row, m_LeftClickDownCell.col, GVN_SELCHANGING);
            ResetSelectedRange();
            SendMessageToParent(m_idCurrentCell.row, m_idCurrentCell.col, GVN_SELCHANGED);
            break;
        case MouseMode::SizingColumn:
            EndDividerDrag(point, true);
            break;
        case MouseMode::SizingRow:
            EndDividerDrag(point, false);
            break;
        default:
            SendMessageToParent(m_idCurrentCell.row, m_idCurrentCell.col, GVN_SELCHANGED);
            if (current) current->OnClick(relative);
            SendMessageToParent(m_LeftClickDownCell.row, m_LeftClickDownCell.col, NM_CLICK);
            break;
    }

    m_MouseMode = MouseMode::Nothing;
    SetCursor(LoadStandardCursor(IDC_ARROW));
    if (IsValid(m_LeftClickDownCell)) PostMessage(kMsgPostedClick);
}

void CGridCtrl::PostClickCommand() {
    CWnd* owner = GetOwner();
    if (owner == nullptr || !IsWindow(owner->GetSafeHwnd()) || !GetSafeHwnd()) return;
    owner->SendMessage(WM_COMMAND, MAKEWPARAM(static_cast<unsigned>(GetDlgCtrlID()), BN_CLICKED),
                       reinterpret_cast<LPARAM>(GetSafeHwnd()));
}

void CGridCtrl::OnLButtonDblClk(UINT, CPoint point) {
    CCellID cell = GetCellFromPt(point);
    if (!IsValid(cell)) return;
    // No move need come between the clicks: look for a divider under the pointer afresh.
    if (m_MouseMode == MouseMode::Nothing) {
        if (m_bAllowColumnResize && MouseOverColumnResizeArea(point)) m_MouseMode = MouseMode::OverColumnDivider;
        else if (m_bAllowRowResize && MouseOverRowResizeArea(point)) m_MouseMode = MouseMode::OverRowDivider;
    }

    if (m_MouseMode == MouseMode::OverColumnDivider || m_MouseMode == MouseMode::OverRowDivider) {
        const bool column = m_MouseMode == MouseMode::OverColumnDivider;
        int& index = column ? cell.col : cell.row;
        CPoint start;
        if (!GetCellOrigin(cell, &start)) return;
        if ((column ? point.x - start.x : point.y - start.y) < m_nResizeCaptureRange) --index;
        const CGridSizeArray& sizes = column ? m_arColWidths : m_arRowHeights;
        while (index > 0 && sizes[index] == 0) --index;
        if (index < 0 || sizes[index] == 0) return;
        if (column) AutoSizeColumn(cell.col, static_cast<UINT>(m_nAutoSizeColumnStyle));
        else AutoSizeRow(cell.row);
        Invalidate();
        return;
    }

    if (m_MouseMode != MouseMode::Nothing) return;
    const CPoint relative = GetPointClicked(cell.row, cell.col, point);
    if (cell.row >= m_nFixedRows && cell.col >= m_nFixedCols && IsValid(m_LeftClickDownCell) &&
        ClickInTextArea(cell, point))
        OnEditCell(cell.row, cell.col, relative, VK_LBUTTON);
    if (CGridCellBase* gridCell = GetCell(cell.row, cell.col)) gridCell->OnDblClick(relative);
    SendMessageToParent(cell.row, cell.col, NM_DBLCLK);
}

void CGridCtrl::OnRButtonUp(UINT, CPoint point) {
    EndEditing();
    const CCellID cell = GetCellFromPt(point);
    if (!IsValid(cell)) {
        SendMessageToParent(-1, -1, NM_RCLICK);
        return;
    }
    SetFocusCell(-1, -1);
    SetFocusCell(std::max(cell.row, m_nFixedRows), std::max(cell.col, m_nFixedCols));
    if (CGridCellBase* gridCell = GetCell(cell.row, cell.col)) gridCell->OnRClick(GetPointClicked(cell.row, cell.col, point));
    SendMessageToParent(cell.row, cell.col, NM_RCLICK);
}

// While the mouse selects outside the cells, the view follows it one row or column a tick.
void CGridCtrl::OnTimer(UINT_PTR id) {
    if (id != kSelectionTimer) {
        CWnd::OnTimer(id);
        return;
    }
    CPoint point;
    if (!GetCursorPos(&point)) return;
    ScreenToClient(&point);
    CRect client;
    GetClientRect(&client);
    const int fixedRowHeight = GetFixedRowHeight();
    const int fixedColWidth = GetFixedColumnWidth();

    if (point.y > client.bottom) {
        SendMessage(WM_KEYDOWN, VK_DOWN, 0);
        OnSelecting(GetCellFromPt(CPoint(std::clamp(point.x, client.left, client.right), client.bottom)));
    } else if (point.y < fixedRowHeight) {
        SendMessage(WM_KEYDOWN, VK_UP, 0);
        OnSelecting(GetCellFromPt(CPoint(std::clamp(point.x, client.left, client.right), fixedRowHeight + 1)));
    }
    if (point.x > client.right) {
        SendMessage(WM_KEYDOWN, VK_RIGHT, 0);
        OnSelecting(GetCellFromPt(CPoint(client.right, std::clamp(point.y, client.top, client.bottom))));
    } else if (point.x < fixedColWidth) {
        SendMessage(WM_KEYDOWN, VK_LEFT, 0);
        OnSelecting(GetCellFromPt(CPoint(fixedColWidth + 1, std::clamp(point.y, client.top, client.bottom))));
    }
}

void CGridCtrl::OnCaptureChanged(CWnd* newCapture) {
    if (newCapture != this) {
        StopSelectionTimer();
        if (m_MouseMode == MouseMode::Dragging) m_MouseMode = MouseMode::Nothing;
    }
}

BOOL CGridCtrl::OnSetCursor(CWnd* window, UINT hitTest, UINT message) {
    if (hitTest != HTCLIENT) return CWnd::OnSetCursor(window, hitTest, message);
    switch (m_MouseMode) {
        case MouseMode::OverColumnDivider: SetCursor(LoadStandardCursor(IDC_SIZEWE)); break;
        case MouseMode::OverRowDivider: SetCursor(LoadStandardCursor(IDC_SIZENS)); break;
        case MouseMode::SizingColumn:
        case MouseMode::SizingRow:
        case MouseMode::Dragging: break;  // the cursor of the drag stays
        default: {
            CPoint point;
            GetCursorPos(&point);
            ScreenToClient(&point);
            const CCellID cell = GetCellFromPt(point);
            CGridCellBase* gridCell = m_bVirtualMode ? nullptr : GetCell(cell.row, cell.col);
            if (gridCell == nullptr || !gridCell->OnSetCursor()) SetCursor(LoadStandardCursor(IDC_ARROW));
            break;
        }
    }
    return TRUE;
}

void CGridCtrl::OnFixedRowClick(CCellID& cell) {
    if (!IsValid(cell)) return;
    if (m_bSortOnClick) {
        const CWaitCursor wait;
        const bool ascending = !(cell.col == m_nSortColumn && m_bAscending);
        SortTextItems(cell.col, ascending);
        Invalidate();
    }
    if (m_bFixedRowSelection) {
        m_MouseMode = cell.col < m_nFixedCols ? MouseMode::SelectAll : MouseMode::SelectColumn;
        OnSelecting(cell);
    }
}

void CGridCtrl::OnFixedColumnClick(CCellID& cell) {
    if (!IsValid(cell) || !m_bFixedColumnSelection) return;
    m_MouseMode = cell.row < m_nFixedRows ? MouseMode::SelectAll : MouseMode::SelectRow;
    OnSelecting(cell);
}
