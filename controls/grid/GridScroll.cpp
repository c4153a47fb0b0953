// The grid's own scroll bars: their ranges follow the rows and columns that do not fit; a
// scroll moves by whole rows and columns and repaints only the part below the headings.
#include <algorithm>

#include "controls/grid/GridCtrl.h"
#include "platform/SystemInfo.h"

void CGridCtrl::ResetScrollBars() {
    if (!CanDraw()) return;
    if (!m_pScrollBars) m_pScrollBars = std::make_unique<CWindowScrollBars>(this);
    m_pScrollBars->UpdateClientArea();
    CRect client;
    GetClientRect(&client);
    if (client.IsRectEmpty()) return;
    m_idTopLeftCell.row = -1;

    // The room of the bars shown now is room for cells if the bars go.
    if (m_nBarState & 2) client.right += GetSystemMetrics(SM_CXVSCROLL);
    if (m_nBarState & 1) client.bottom += GetSystemMetrics(SM_CYHSCROLL);

    const int fixedColWidth = GetFixedColumnWidth();
    const int fixedRowHeight = GetFixedRowHeight();
    if (client.right <= fixedColWidth || client.bottom <= fixedRowHeight) {
        EnableScrollBars(SB_BOTH, FALSE);
        return;
    }
    const long contentHeight = GetVirtualHeight() - fixedRowHeight;
    const long contentWidth = GetVirtualWidth() - fixedColWidth;
    int availableWidth = client.right - fixedColWidth;
    if (client.bottom - fixedRowHeight < contentHeight) availableWidth -= GetSystemMetrics(SM_CXVSCROLL);
    int availableHeight = client.bottom - fixedRowHeight;
    if (availableWidth < contentWidth) availableHeight -= GetSystemMetrics(SM_CYHSCROLL);

    const bool vertical = availableHeight < contentHeight;
    const bool horizontal = availableWidth < contentWidth;
    EnableScrollBars(SB_VERT, vertical);
    m_nVScrollMax = vertical ? static_cast<int>(contentHeight - 1) : 0;
    EnableScrollBars(SB_HORZ, horizontal);
    m_nHScrollMax = horizontal ? static_cast<int>(contentWidth - 1) : 0;

    SCROLLINFO info;
    info.fMask = SIF_PAGE | SIF_RANGE;
    info.nMin = 0;
    info.nMax = m_nHScrollMax;
    info.nPage = m_nHScrollMax > 0 ? static_cast<UINT>(availableWidth) : 0;
    m_pScrollBars->SetScrollInfo(SB_HORZ, &info, TRUE);
    // The vertical bar stays, disabled, when everything fits.
    info.fMask |= SIF_DISABLENOSCROLL;
    info.nMax = m_nVScrollMax;
    info.nPage = m_nVScrollMax > 0 ? static_cast<UINT>(availableHeight) : 0;
    m_pScrollBars->SetScrollInfo(SB_VERT, &info, TRUE);
}

void CGridCtrl::EnableScrollBars(int bar, BOOL enable) {
    if (!m_pScrollBars) {
        if (!GetSafeHwnd()) return;
        m_pScrollBars = std::make_unique<CWindowScrollBars>(this);
    }
    const struct {
        int bar;
        int bit;
    } bars[] = {{SB_HORZ, 1}, {SB_VERT, 2}};
    for (const auto& b : bars) {
        if (bar != b.bar && bar != SB_BOTH) continue;
        const bool shown = (m_nBarState & b.bit) != 0;
        if (shown == (enable != FALSE)) continue;
        // The state first: showing a bar resizes the client area, which resets the bars again.
        m_nBarState = enable ? (m_nBarState | b.bit) : (m_nBarState & ~b.bit);
        m_pScrollBars->ShowScrollBar(b.bar, enable);
    }
    m_pScrollBars->UpdateClientArea();
}

int CGridCtrl::GetScrollPos32(int bar, BOOL getTrackPos) const {
    if (!m_pScrollBars) return 0;
    SCROLLINFO info;
    m_pScrollBars->GetScrollInfo(bar, &info, getTrackPos ? SIF_TRACKPOS : SIF_POS);
    return getTrackPos ? info.nTrackPos : info.nPos;
}

BOOL CGridCtrl::SetScrollPos32(int bar, int pos, BOOL redraw) {
    m_idTopLeftCell.row = -1;
    if (!m_pScrollBars) return FALSE;
    SCROLLINFO info;
    info.fMask = SIF_POS;
    info.nPos = pos;
    return m_pScrollBars->SetScrollInfo(bar, &info, redraw);
}

int CGridCtrl::ScrollMaximum(int bar) const { return bar == SB_VERT ? m_nVScrollMax : m_nHScrollMax; }

void CGridCtrl::OnVScroll(UINT code, UINT, CWnd*) { OnScroll(SB_VERT, code); }

void CGridCtrl::OnHScroll(UINT code, UINT, CWnd*) { OnScroll(SB_HORZ, code); }

// One handler for both directions: rows and heights down, columns and widths across.
void CGridCtrl::OnScroll(int bar, UINT code) {
    if (!GetSafeHwnd()) return;
    EndEditing();
    m_TitleTip.Hide();

    const bool vertical = bar == SB_VERT;
    const CGridSizeArray& sizes = vertical ? m_arRowHeights : m_arColWidths;
    const int count = vertical ? m_nRows : m_nCols;
    const int fixed = vertical ? m_nFixedRows : m_nFixedCols;
    const int position = GetScrollPos32(bar);
    const int maximum = ScrollMaximum(bar);
    const CCellID topLeft = GetTopleftNonFixedCell();
    const int first = vertical ? topLeft.row : topLeft.col;

    CRect client;
    GetClientRect(&client);
    CRect scrolled = client;  // what moves: everything but the headings across the scroll
    if (vertical) scrolled.top = GetFixedRowHeight();
    else scrolled.left = GetFixedColumnWidth();
    const int page = vertical ? client.Height() - GetFixedRowHeight() : client.Width() - GetFixedColumnWidth();

    switch (code) {
        case SB_LINEDOWN:
            if (position < maximum) {
                int index = first;
                while (index < count && sizes[index] == 0) ++index;
                SetScrollPos32(bar, position + (index < count ? static_cast<int>(sizes[index]) : 0));
                if (GetScrollPos32(bar) != position) InvalidateRect(&scrolled);
            }
            break;
        case SB_LINEUP:
            if (position > 0 && first > fixed) {
                int index = first - 1;
                while (index > fixed && sizes[index] == 0) --index;
                SetScrollPos32(bar, std::max(0, position - static_cast<int>(sizes[index])));
                InvalidateRect(&scrolled);
            }
            break;
        case SB_PAGEDOWN:
            SetScrollPos32(bar, std::min(maximum, position + page));
            InvalidateRect(&scrolled);
            break;
        case SB_PAGEUP:
            SetScrollPos32(bar, std::max(0, position - page));
            InvalidateRect(&scrolled);
            break;
        case SB_THUMBPOSITION:
        case SB_THUMBTRACK: {
            SetScrollPos32(bar, GetScrollPos32(bar, TRUE));
            const CCellID now = GetTopleftNonFixedCell();
            if (now != topLeft) InvalidateRect(&scrolled);
            break;
        }
        case SB_TOP:
            SetScrollPos32(bar, 0);
            Invalidate();
            break;
        case SB_BOTTOM:
            SetScrollPos32(bar, maximum);
            Invalidate();
            break;
        default:
            break;
    }
}

void CGridCtrl::EnsureVisible(int row, int col) {
    if (!CanDraw()) return;
    CWnd* focus = GetFocus();
    const CCellRange visible = GetVisibleNonFixedCellRange();

    // One line scroll per non-hidden row or column between the view and the cell.
    if (col >= m_nFixedCols && col < m_nCols) {
        for (int c = visible.GetMaxCol() + 1; c <= col; ++c)
            if (m_arColWidths[c] > 0) SendMessage(WM_HSCROLL, SB_LINERIGHT, 0);
        for (int c = visible.GetMinCol() - 1; c >= col; --c)
            if (m_arColWidths[c] > 0) SendMessage(WM_HSCROLL, SB_LINELEFT, 0);
    }
    if (row >= m_nFixedRows && row < m_nRows) {
        for (int r = visible.GetMaxRow() + 1; r <= row; ++r)
            if (m_arRowHeights[r] > 0) SendMessage(WM_VSCROLL, SB_LINEDOWN, 0);
        for (int r = visible.GetMinRow() - 1; r >= row; --r)
            if (m_arRowHeights[r] > 0) SendMessage(WM_VSCROLL, SB_LINEUP, 0);
    }

    // A cell only partly in view moves in while it can.
    CRect client;
    GetClientRect(&client);
    CRect rect;
    while (GetCellRect(row, col, &rect) && rect.right > client.right && rect.left > GetFixedColumnWidth() &&
           (m_nBarState & 1)) {
        const int before = GetScrollPos32(SB_HORZ);
        SendMessage(WM_HSCROLL, SB_LINERIGHT, 0);
        if (GetScrollPos32(SB_HORZ) == before) break;
    }
    while (GetCellRect(row, col, &rect) && rect.bottom > client.bottom && rect.top > GetFixedRowHeight() &&
           (m_nBarState & 2)) {
        const int before = GetScrollPos32(SB_VERT);
        SendMessage(WM_VSCROLL, SB_LINEDOWN, 0);
        if (GetScrollPos32(SB_VERT) == before) break;
    }
    if (focus && focus != GetFocus()) focus->SetFocus();
}
