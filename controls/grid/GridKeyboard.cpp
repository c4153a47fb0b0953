// The keyboard and in-place editing: moving the current cell, the selection that follows it,
// and the editor that a key, a click or F2 opens on an editable cell.
#include <algorithm>

#include "controls/grid/GridCtrl.h"
#include "controls/grid/InPlaceEdit.h"
#include "platform/Desktop.h"

UINT CGridCtrl::OnGetDlgCode() {
    UINT code = DLGC_WANTARROWS | DLGC_WANTCHARS;
    if (m_bHandleTabKey && GetKeyState(VK_CONTROL) >= 0) code |= DLGC_WANTTAB;
    return code;
}

void CGridCtrl::OnKeyDown(UINT key, UINT repeat, UINT flags) {
    m_TitleTip.Hide();
    if (!IsValid(m_idCurrentCell)) {
        CWnd::OnKeyDown(key, repeat, flags);
        return;
    }
    const bool ctrl = GetKeyState(VK_CONTROL) < 0;
    const bool shift = GetKeyState(VK_SHIFT) < 0;

    if (ctrl && key >= 45 && key <= 88) {
        switch (key) {
            case 'A': OnEditSelectAll(); break;
            case 'C':
            case VK_INSERT: OnEditCopy(); break;
            case 'X': OnEditCut(); break;
            case 'V': OnEditPaste(); break;
            default: break;
        }
    }
    if (shift && key == VK_INSERT) {
        OnEditPaste();
        CWnd::OnKeyDown(key, repeat, flags);
        return;
    }

    const auto rowShown = [this](int row) { return m_arRowHeights[row] > 0; };
    const auto colShown = [this](int col) { return m_arColWidths[col] > 0; };
    const auto firstDataCol = [&] {
        for (int col = m_nFixedCols; col < m_nCols; ++col)
            if (colShown(col)) return col;
        return m_nFixedCols;
    };
    const auto lastShownCol = [&] {
        for (int col = m_nCols - 1; col >= m_nFixedCols; --col)
            if (colShown(col)) return col;
        return m_nCols - 1;
    };

    CCellID next = m_idCurrentCell;
    bool wrapped = false;  // Tab went on to the next (previous) row
    bool scrolledHorizontally = false;
    bool scrolledVertically = false;
    const bool backTab = key == VK_TAB && shift;

    switch (key) {
        case VK_DELETE:
            if (IsEditable()) CutSelectedText();
            break;
        case VK_DOWN: {
            int row = next.row + 1;
            while (row < m_nRows && !rowShown(row)) ++row;
            if (row < m_nRows) next.row = row;
            break;
        }
        case VK_UP: {
            int row = next.row - 1;
            while (row >= m_nFixedRows && !rowShown(row)) --row;
            if (row >= m_nFixedRows) next.row = row;
            break;
        }
        case VK_RIGHT:
        case VK_TAB:
        case VK_LEFT: {
            if (key == VK_RIGHT || (key == VK_TAB && !backTab)) {
                int col = next.col + 1;
                while (col < m_nCols && !colShown(col)) ++col;
                if (col < m_nCols) {
                    next.col = col;
                } else if (key == VK_TAB) {
                    int row = next.row + 1;
                    while (row < m_nRows && !rowShown(row)) ++row;
                    if (row < m_nRows) {
                        next = CCellID(row, firstDataCol());
                        wrapped = true;
                    }
                }
            } else {
                int col = next.col - 1;
                while (col >= m_nFixedCols && !colShown(col)) --col;
                if (col >= m_nFixedCols) {
                    next.col = col;
                } else if (key == VK_TAB) {
                    int row = next.row - 1;
                    while (row >= m_nFixedRows && !rowShown(row)) --row;
                    if (row >= m_nFixedRows) {
                        next = CCellID(row, lastShownCol());
                        wrapped = true;
                    }
                }
            }
            break;
        }
        case VK_NEXT:
        case VK_PRIOR: {
            const int topBefore = GetTopleftNonFixedCell().row;
            SendMessage(WM_VSCROLL, key == VK_NEXT ? SB_PAGEDOWN : SB_PAGEUP, 0);
            scrolledVertically = true;
            const int moved = GetTopleftNonFixedCell().row - topBefore;
            if (moved == 0) next.row = key == VK_NEXT ? m_nRows - 1 : m_nFixedRows;
            else next.row = std::clamp(next.row + moved, m_nFixedRows, m_nRows - 1);
            break;
        }
        case VK_HOME:
            SendMessage(WM_HSCROLL, SB_LEFT, 0);
            scrolledHorizontally = true;
            if (ctrl) {
                SendMessage(WM_VSCROLL, SB_TOP, 0);
                scrolledVertically = true;
                next.row = m_nFixedRows;
            }
            next.col = firstDataCol();
            while (next.row < m_nRows - 1 && !rowShown(next.row)) ++next.row;
            break;
        case VK_END:
            SendMessage(WM_HSCROLL, SB_RIGHT, 0);
            scrolledHorizontally = true;
            if (ctrl) {
                SendMessage(WM_VSCROLL, SB_BOTTOM, 0);
                scrolledVertically = true;
                next.row = m_nRows - 1;
            }
            next.col = lastShownCol();
            while (next.row > m_nFixedRows && !rowShown(next.row)) --next.row;
            break;
        case VK_F2:
            OnEditCell(m_idCurrentCell.row, m_idCurrentCell.col, CPoint(-1, -1), VK_LBUTTON);
            break;
        default:
            CWnd::OnKeyDown(key, repeat, flags);
            return;
    }

    if (next == m_idCurrentCell) return;
    if (m_MouseMode == MouseMode::Nothing) {
        m_PrevSelectedCellMap.clear();
        m_MouseMode = m_bListMode ? MouseMode::SelectRow : MouseMode::SelectCells;
        if (!shift || key == VK_TAB) m_SelectionStartCell = next;
        SendMessageToParent(next.row, next.col, GVN_SELCHANGING);
        OnSelecting(next);
        SendMessageToParent(next.row, next.col, GVN_SELCHANGED);
        m_MouseMode = MouseMode::Nothing;
    }
    SetFocusCell(next);

    if (!IsCellVisible(next)) {
        switch (key) {
            case VK_RIGHT:
                SendMessage(WM_HSCROLL, SB_LINERIGHT, 0);
                scrolledHorizontally = true;
                break;
            case VK_LEFT:
                SendMessage(WM_HSCROLL, SB_LINELEFT, 0);
                scrolledHorizontally = true;
                break;
            case VK_DOWN:
                SendMessage(WM_VSCROLL, SB_LINEDOWN, 0);
                scrolledVertically = true;
                break;
            case VK_UP:
                SendMessage(WM_VSCROLL, SB_LINEUP, 0);
                scrolledVertically = true;
                break;
            case VK_TAB:
                if (wrapped) {
                    SendMessage(WM_VSCROLL, backTab ? SB_LINEUP : SB_LINEDOWN, 0);
                    SetScrollPos32(SB_HORZ, backTab ? m_nHScrollMax : 0);
                    scrolledVertically = true;
                } else {
                    SendMessage(WM_HSCROLL, backTab ? SB_LINELEFT : SB_LINERIGHT, 0);
                }
                scrolledHorizontally = true;
                break;
            default:
                break;
        }
        EnsureVisible(next);
        Invalidate();
    }
    EnsureVisible(next);
    if (scrolledHorizontally) SendMessage(WM_HSCROLL, SB_ENDSCROLL, 0);
    if (scrolledVertically) SendMessage(WM_VSCROLL, SB_ENDSCROLL, 0);
}

void CGridCtrl::OnChar(UINT ch, UINT repeat, UINT flags) {
    const bool tabForGrid = ch == VK_TAB && m_bHandleTabKey;
    if (GetKeyState(VK_CONTROL) >= 0 && m_MouseMode == MouseMode::Nothing && ch != VK_ESCAPE && !tabForGrid)
        OnEditCell(m_idCurrentCell.row, m_idCurrentCell.col, CPoint(-1, -1), ch);
    CWnd::OnChar(ch, repeat, flags);
}

// ---- editing ---------------------------------------------------------------------------------------

void CGridCtrl::OnEditCell(int row, int col, CPoint point, UINT ch) {
    m_TitleTip.Hide();
    if (!IsValid(row, col) || !IsCellEditable(row, col)) return;
    EnsureVisible(row, col);
    CRect rect;
    if (!IsCellVisible(row, col) || !GetCellRect(row, col, &rect)) return;
    if (SendMessageToParent(row, col, GVN_BEGINLABELEDIT) < 0) return;
    if (CGridCellBase* cell = GetCell(row, col)) cell->Edit(row, col, rect, point, IDC_INPLACE_CONTROL, ch);
}

void CGridCtrl::EndEditing() {
    if (CGridCellBase* cell = GetCell(m_idCurrentCell.row, m_idCurrentCell.col)) cell->EndEdit();
}

void CGridCtrl::OnEndInPlaceEdit(NMHDR* header, LRESULT* result) {
    if (result) *result = 0;
    if (header == nullptr || !GetSafeHwnd()) return;
    const GV_ITEM& item = reinterpret_cast<GV_DISPINFO*>(header)->item;
    // The end of an edit the grid has already dropped (it is closing) changes nothing.
    if (const CGridCellBase* cell = GetCell(item.row, item.col); cell == nullptr || !cell->IsEditing()) return;
    OnEndEditCell(item.row, item.col, item.strText);
    // A key that moves through the cells keeps editing in the next one.
    const auto key = static_cast<UINT>(item.lParam);
    if (IsArrowOrPageKey(key) || key == VK_TAB || key == VK_HOME || key == VK_END) {
        OnKeyDown(key, 0, 0);
        OnEditCell(m_idCurrentCell.row, m_idCurrentCell.col, CPoint(-1, -1), key);
    }
}

void CGridCtrl::OnEndEditCell(int row, int col, CString text) {
    const CString oldText = GetItemText(row, col);
    if (oldText != text) {
        SetItemText(row, col, text);
        if (ValidateEdit(row, col, text) && SendMessageToParent(row, col, GVN_ENDLABELEDIT) >= 0) {
            SetModified(TRUE, row, col);
            RedrawCell(row, col);
        } else {
            SetItemText(row, col, oldText);
        }
    }
    if (CGridCellBase* cell = GetCell(row, col)) cell->OnEndEdit();
}

BOOL CGridCtrl::ValidateEdit(int row, int col, LPCTSTR text) {
    CGridCellBase* cell = GetCell(row, col);
    return cell == nullptr || cell->ValidateEdit(text);
}

CPoint CGridCtrl::GetPointClicked(int row, int col, const CPoint& point) const {
    CPoint origin;
    if (!GetCellOrigin(row, col, &origin)) return CPoint(0, 0);
    return CPoint(point.x - origin.x, point.y - origin.y);
}

CSize CGridCtrl::GetTextExtent(int row, int col, LPCTSTR text) {
    CGridCellBase* cell = GetCell(row, col);
    return cell ? cell->GetTextExtent(text) : CSize(0, 0);
}

bool CGridCtrl::ClipboardHasText() { return IsClipboardFormatAvailable(CF_TEXT) != FALSE; }
