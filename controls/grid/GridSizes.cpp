// Row heights and column widths, fitting columns to the window, and sorting rows by a column.
#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "controls/grid/GridCtrl.h"

int CGridCtrl::GetRowHeight(int row) const {
    return row >= 0 && row < m_arRowHeights.GetSize() ? static_cast<int>(m_arRowHeights[row]) : -1;
}

int CGridCtrl::GetColumnWidth(int col) const {
    return col >= 0 && col < m_arColWidths.GetSize() ? static_cast<int>(m_arColWidths[col]) : -1;
}

BOOL CGridCtrl::SetRowHeight(int row, int height) {
    if (row < 0 || row >= m_arRowHeights.GetSize() || height < 0) return FALSE;
    m_arRowHeights.Set(row, static_cast<UINT>(height));
    ResetScrollBars();
    return TRUE;
}

BOOL CGridCtrl::SetColumnWidth(int col, int width) {
    if (col < 0 || col >= m_arColWidths.GetSize() || width < 0) return FALSE;
    m_arColWidths.Set(col, static_cast<UINT>(width));
    ResetScrollBars();
    return TRUE;
}

int CGridCtrl::GetFixedRowHeight() const { return static_cast<int>(m_arRowHeights.Sum(0, m_nFixedRows)); }

int CGridCtrl::GetFixedColumnWidth() const { return static_cast<int>(m_arColWidths.Sum(0, m_nFixedCols)); }

long CGridCtrl::GetVirtualHeight() const { return static_cast<long>(m_arRowHeights.Total()); }

long CGridCtrl::GetVirtualWidth() const { return static_cast<long>(m_arColWidths.Total()); }

BOOL CGridCtrl::AutoSizeColumn(int col, UINT autoSizeStyle, BOOL resetScroll) {
    if (col < 0 || col >= m_nCols || GetColumnWidth(col) < 1 || !GetSafeHwnd()) return FALSE;
    CClientDC dc(this);
    if (dc.GetSafeHdc() == nullptr) return FALSE;
    const UINT style = autoSizeStyle == GVS_DEFAULT ? static_cast<UINT>(m_nAutoSizeColumnStyle) : autoSizeStyle;
    const int first = (style & GVS_HEADER) ? 0 : m_nFixedRows;
    const int last = (style & GVS_DATA) ? m_nRows - 1 : m_nFixedRows - 1;

    if (m_bVirtualMode) SendCacheHintToParent(CCellRange(first, col, last, col));
    int width = 0;
    for (int row = first; row <= last; ++row)
        if (CGridCellBase* cell = GetCell(row, col)) width = std::max(width, static_cast<int>(cell->GetCellExtent(&dc).cx));
    if (m_bVirtualMode) SendCacheHintToParent(CCellRange(-1, -1, -1, -1));

    m_arColWidths.Set(col, static_cast<UINT>(width));
    if (resetScroll) ResetScrollBars();
    return TRUE;
}

BOOL CGridCtrl::AutoSizeRow(int row, BOOL resetScroll) {
    if (row < 0 || row >= m_nRows || GetRowHeight(row) < 1 || !GetSafeHwnd()) return FALSE;
    CClientDC dc(this);
    if (dc.GetSafeHdc() == nullptr) return FALSE;

    if (m_bVirtualMode) SendCacheHintToParent(CCellRange(row, 0, row, m_nCols - 1));
    int height = 0;
    for (int col = 0; col < m_nCols; ++col)
        if (CGridCellBase* cell = GetCell(row, col)) height = std::max(height, static_cast<int>(cell->GetCellExtent(&dc).cy));
    if (m_bVirtualMode) SendCacheHintToParent(CCellRange(-1, -1, -1, -1));

    m_arRowHeights.Set(row, static_cast<UINT>(height));
    if (resetScroll) ResetScrollBars();
    return TRUE;
}

// Spreads the difference between the client width and the columns' total over the visible
// columns: an equal share each, the remainder a pixel each to the first ones.
void CGridCtrl::ExpandColumnsToFit(BOOL expandFixed) {
    if (m_nCols <= 0 || (!expandFixed && m_nCols <= m_nFixedCols) || !GetSafeHwnd()) return;
    EnableScrollBars(SB_HORZ, FALSE);
    CRect client;
    GetClientRect(&client);
    const int first = expandFixed ? 0 : m_nFixedCols;
    int shown = 0;
    for (int col = first; col < m_nCols; ++col)
        if (m_arColWidths[col] != 0) ++shown;
    if (shown == 0) return;

    const long difference = client.Width() - GetVirtualWidth();
    const long share = difference / shown;
    const auto widen = [this](int col, long by) {
        const long width = static_cast<long>(m_arColWidths[col]) + by;
        m_arColWidths.Set(col, static_cast<UINT>(std::max(0L, width)));  // never below nothing
    };
    for (int col = first; col < m_nCols; ++col)
        if (m_arColWidths[col] != 0) widen(col, share);
    const long remainder = std::labs(difference) % shown;
    for (int col = first; col < first + remainder && col < m_nCols; ++col)
        if (m_arColWidths[col] != 0) widen(col, difference > 0 ? 1 : -1);
    Refresh();
    ResetScrollBars();
}

void CGridCtrl::ExpandLastColumn() {
    if (m_nCols <= 0) return;
    int last = m_nCols - 1;
    while (last > 0 && m_arColWidths[last] == 0) --last;
    if (last <= 0 || !GetSafeHwnd()) return;
    EnableScrollBars(SB_HORZ, FALSE);
    CRect client;
    GetClientRect(&client);
    const long difference = client.Width() - GetVirtualWidth();
    if (difference > 0) {
        m_arColWidths.Set(last, m_arColWidths[last] + static_cast<UINT>(difference));
        Refresh();
    }
    ResetScrollBars();
}

// ---- sorting ------------------------------------------------------------------------------------

void CGridCtrl::SetSortColumn(int col) {
    if (m_nSortColumn >= 0) InvalidateCellRect(0, m_nSortColumn);
    m_nSortColumn = col;
    if (col >= 0) InvalidateCellRect(0, col);
}

int CGridCtrl::CellTextCompare(const CGridCellBase* cell1, const CGridCellBase* cell2, LPARAM) {
    if (cell1 == nullptr || cell2 == nullptr) return 0;
    return std::strcmp(cell1->GetText(), cell2->GetText());
}

BOOL CGridCtrl::SortTextItems(int col, BOOL ascending, LPARAM data) {
    return SortItems(m_pfnCompare ? m_pfnCompare : &CGridCtrl::CellTextCompare, col, ascending, data);
}

BOOL CGridCtrl::SortItems(GRIDCOMPARE compare, int col, BOOL ascending, LPARAM data) {
    if (compare == nullptr || col < 0 || col >= m_nCols || m_bVirtualMode) return FALSE;
    const int low = m_nFixedRows;
    const int high = m_nRows - 1;
    if (high - low < 1) return FALSE;
    SetSortColumn(col);
    m_bAscending = ascending;
    ResetSelectedRange();
    SetFocusCell(-1, -1);

    // Quicksort on the middle row's cell, swapping whole rows with their heights.
    const auto before = [&](const CGridCellBase* cell, const CGridCellBase* pivot) {
        const int order = compare(cell, pivot, data);
        return ascending ? order < 0 : order > 0;
    };
    const auto after = [&](const CGridCellBase* cell, const CGridCellBase* pivot) {
        const int order = compare(cell, pivot, data);
        return ascending ? order > 0 : order < 0;
    };
    const auto cellAt = [&](int row) { return m_RowData[static_cast<size_t>(row)][static_cast<size_t>(col)].get(); };
    const auto sort = [&](auto& self, int first, int last) -> void {
        while (first < last) {
            const CGridCellBase* pivot = cellAt((first + last) / 2);
            int i = first;
            int j = last;
            while (i <= j) {
                while (i < last && before(cellAt(i), pivot)) ++i;
                while (j > first && after(cellAt(j), pivot)) --j;
                if (i <= j) {
                    if (i != j) {
                        std::swap(m_RowData[static_cast<size_t>(i)], m_RowData[static_cast<size_t>(j)]);
                        m_arRowHeights.Swap(i, j);
                    }
                    ++i;
                    --j;
                }
            }
            // The smaller part by recursion, the larger by the loop: the depth stays small.
            if (j - first < last - i) {
                if (first < j) self(self, first, j);
                first = i;
            } else {
                if (i < last) self(self, i, last);
                last = j;
            }
        }
    };
    sort(sort, low, high);
    m_idTopLeftCell.row = -1;
    return TRUE;
}
