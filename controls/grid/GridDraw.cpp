// Painting and the mapping between cells and client pixels. Only the rows and columns in
// view are ever walked, so painting costs the same for 100,000 rows as for 10.
#include <algorithm>
#include <memory>

#include "controls/grid/GridCtrl.h"

namespace {

// Cells drawn in one of the four painting passes: rows and columns from `first` up to
// `last`, skipping zero sizes, stopping once a cell starts beyond the clip box.
struct Span {
    int first;
    int last;
    int start;  // pixel offset of `first`
};

}  // namespace

void CGridCtrl::OnPaint() {
    CPaintDC paintDC(this);
    if (!m_bDoubleBuffer || paintDC.IsPrinting()) {
        OnDraw(&paintDC);
        return;
    }
    CRect clip;
    if (paintDC.GetClipBox(&clip) == RGN_ERROR || clip.IsRectEmpty()) return;
    CDC memoryDC;
    CBitmap bitmap;
    if (!memoryDC.CreateCompatibleDC(&paintDC) || !bitmap.CreateCompatibleBitmap(&paintDC, clip.Width(), clip.Height())) {
        OnDraw(&paintDC);
        return;
    }
    CBitmap* oldBitmap = memoryDC.SelectObject(&bitmap);
    memoryDC.SetWindowOrg(clip.left, clip.top);
    memoryDC.FillSolidRect(&clip, paintDC.GetBkColor());
    OnDraw(&memoryDC);
    paintDC.BitBlt(clip.left, clip.top, clip.Width(), clip.Height(), &memoryDC, clip.left, clip.top, SRCCOPY);
    if (oldBitmap) memoryDC.SelectObject(oldBitmap);
}

void CGridCtrl::OnDraw(CDC* dc) {
    if (!m_bAllowDraw) return;
    CRect clip;
    if (dc->GetClipBox(&clip) == RGN_ERROR) return;

    EraseBkgnd(dc);
    const int fixedRowHeight = GetFixedRowHeight();
    const int fixedColWidth = GetFixedColumnWidth();
    CRect visibleRect;
    const CCellRange visible = GetVisibleNonFixedCellRange(&visibleRect);
    if (m_bVirtualMode) SendCacheHintToParent(visible);

    const Span fixedRows{0, m_nFixedRows - 1, 0};
    const Span fixedCols{0, m_nFixedCols - 1, 0};
    const Span rows{visible.GetMinRow(), visible.GetMaxRow(), fixedRowHeight};
    const Span cols{visible.GetMinCol(), visible.GetMaxCol(), fixedColWidth};

    const auto drawBlock = [&](const Span& rowSpan, const Span& colSpan) {
        int y = rowSpan.start;
        for (int row = rowSpan.first; row <= rowSpan.last && y <= clip.bottom; ++row) {
            const int height = static_cast<int>(m_arRowHeights[row]);
            if (height == 0) continue;
            if (y + height > clip.top) {
                int x = colSpan.start;
                for (int col = colSpan.first; col <= colSpan.last && x <= clip.right; ++col) {
                    const int width = static_cast<int>(m_arColWidths[col]);
                    if (width == 0) continue;
                    if (x + width > clip.left) {
                        if (CGridCellBase* cell = GetCell(row, col)) {
                            cell->SetCoords(row, col);
                            cell->Draw(dc, row, col, CRect(x, y, x + width - 1, y + height - 1), FALSE);
                        }
                    }
                    x += width;
                }
            }
            y += height;
        }
    };
    drawBlock(fixedRows, fixedCols);
    drawBlock(rows, fixedCols);
    drawBlock(fixedRows, cols);
    drawBlock(rows, cols);

    DrawGridLines(dc, visibleRect, visible, fixedColWidth, fixedRowHeight);
    if (m_bVirtualMode) SendCacheHintToParent(CCellRange(-1, -1, -1, -1));
}

// Lines along the right and bottom edges of the visible non-fixed cells; the headings get
// their edges from their own 3D look.
void CGridCtrl::DrawGridLines(CDC* dc, const CRect& visibleRect, const CCellRange& visible, int fixedColWidth,
                              int fixedRowHeight) {
    if (m_nGridLines == GVL_NONE) return;
    CPen pen(PS_SOLID, 0, m_crGridLineColour);
    CPen* oldPen = dc->SelectObject(&pen);
    if (m_nGridLines == GVL_VERT || m_nGridLines == GVL_BOTH) {
        int x = fixedColWidth;
        for (int col = visible.GetMinCol(); col <= visible.GetMaxCol(); ++col) {
            const int width = static_cast<int>(m_arColWidths[col]);
            if (width == 0) continue;
            x += width;
            dc->MoveTo(x - 1, fixedRowHeight);
            dc->LineTo(x - 1, visibleRect.bottom);
        }
    }
    if (m_nGridLines == GVL_HORZ || m_nGridLines == GVL_BOTH) {
        int y = fixedRowHeight;
        for (int row = visible.GetMinRow(); row <= visible.GetMaxRow(); ++row) {
            const int height = static_cast<int>(m_arRowHeights[row]);
            if (height == 0) continue;
            y += height;
            dc->MoveTo(fixedColWidth, y - 1);
            dc->LineTo(visibleRect.right, y - 1);
        }
    }
    if (oldPen) dc->SelectObject(oldPen);
}

void CGridCtrl::EraseBkgnd(CDC* dc) {
    CRect clip;
    if (dc->GetClipBox(&clip) == RGN_ERROR) return;
    CRect visibleRect;
    GetVisibleNonFixedCellRange(&visibleRect);
    const int fixedColWidth = GetFixedColumnWidth();
    const int fixedRowHeight = GetFixedRowHeight();

    const auto fill = [dc](const CRect& rect, COLORREF colour) {
        if (!rect.IsRectEmpty() && colour != CLR_DEFAULT) dc->FillSolidRect(&rect, colour);
    };
    if (clip.left < fixedColWidth && clip.top < fixedRowHeight)
        fill(CRect(clip.left, clip.top, fixedColWidth, fixedRowHeight), m_cellFixedRowColDef.GetBackClr());
    if (clip.left < fixedColWidth && clip.top < visibleRect.bottom)
        fill(CRect(clip.left, clip.top, fixedColWidth, visibleRect.bottom), m_cellFixedColDef.GetBackClr());
    if (clip.top < fixedRowHeight && clip.right > fixedColWidth && clip.left < visibleRect.right)
        fill(CRect(fixedColWidth - 1, clip.top, visibleRect.right, fixedRowHeight), m_cellFixedRowDef.GetBackClr());
    CRect cells;
    if (cells.IntersectRect(visibleRect, clip)) {
        cells.left = std::max(cells.left, fixedColWidth);
        cells.top = std::max(cells.top, fixedRowHeight);
        fill(cells, m_cellDefault.GetBackClr());
    }
    if (visibleRect.right < clip.right)
        fill(CRect(visibleRect.right, clip.top, clip.right, clip.bottom), m_crGridBkColour);
    if (visibleRect.bottom < clip.bottom && clip.left < visibleRect.right)
        fill(CRect(clip.left, visibleRect.bottom, visibleRect.right, clip.bottom), m_crGridBkColour);
}

BOOL CGridCtrl::RedrawCell(int row, int col, CDC* dc) {
    if (!CanDraw() || !IsCellVisible(row, col)) return FALSE;
    CRect rect;
    if (!GetCellRect(row, col, &rect)) return FALSE;

    std::unique_ptr<CClientDC> windowDC;
    if (dc == nullptr) {
        windowDC = std::make_unique<CClientDC>(this);
        dc = windowDC.get();
        if (dc->GetSafeHdc() == nullptr) {
            InvalidateCellRect(row, col);
            return TRUE;
        }
    }
    CGridCellBase* cell = GetCell(row, col);
    if (cell == nullptr) return FALSE;
    cell->SetCoords(row, col);
    const BOOL drawn = cell->Draw(dc, row, col, rect, TRUE);
    if (!cell->IsFixed()) DrawCellGridLines(dc, rect);
    return drawn;
}

// The bottom and right lines of one cell (its last pixels), as the grid-line option says.
void CGridCtrl::DrawCellGridLines(CDC* dc, const CRect& rect) const {
    if (m_nGridLines == GVL_NONE) return;
    CPen pen(PS_SOLID, 0, m_crGridLineColour);
    CPen* oldPen = dc->SelectObject(&pen);
    if (m_nGridLines == GVL_HORZ || m_nGridLines == GVL_BOTH) {
        dc->MoveTo(rect.left, rect.bottom);
        dc->LineTo(rect.right + 1, rect.bottom);
    }
    if (m_nGridLines == GVL_VERT || m_nGridLines == GVL_BOTH) {
        dc->MoveTo(rect.right, rect.top);
        dc->LineTo(rect.right, rect.bottom + 1);
    }
    if (oldPen) dc->SelectObject(oldPen);
}

BOOL CGridCtrl::InvalidateCellRect(int row, int col) {
    if (!CanDraw() || !IsValid(row, col) || !IsCellVisible(row, col)) return FALSE;
    CRect rect;
    if (!GetCellRect(row, col, &rect)) return FALSE;
    ++rect.right;
    ++rect.bottom;
    InvalidateRect(&rect, TRUE);
    return TRUE;
}

// ---- cells and pixels -------------------------------------------------------------------------

CCellID CGridCtrl::GetTopleftNonFixedCell(BOOL forceRecalculation) const {
    if (m_idTopLeftCell.row >= 0 && m_idTopLeftCell.col >= 0 && !forceRecalculation) return m_idTopLeftCell;
    const int horizontal = GetScrollPos32(SB_HORZ);
    const int vertical = GetScrollPos32(SB_VERT);
    m_idTopLeftCell.col = m_arColWidths.FirstReaching(m_nFixedCols, m_nCols - 1, horizontal);
    m_idTopLeftCell.row = m_arRowHeights.FirstReaching(m_nFixedRows, m_nRows - 1, vertical);
    return m_idTopLeftCell;
}

CCellRange CGridCtrl::GetVisibleNonFixedCellRange(LPRECT rect, BOOL forceRecalculation) const {
    CRect client;
    GetClientRect(&client);
    const CCellID topLeft = GetTopleftNonFixedCell(forceRecalculation);

    int bottom = GetFixedRowHeight();
    int maxRow = topLeft.row;
    for (; maxRow < m_nRows; ++maxRow) {
        bottom += static_cast<int>(m_arRowHeights[maxRow]);
        if (bottom >= client.bottom) {
            bottom = client.bottom;
            break;
        }
    }
    int right = GetFixedColumnWidth();
    int maxCol = topLeft.col;
    for (; maxCol < m_nCols; ++maxCol) {
        right += static_cast<int>(m_arColWidths[maxCol]);
        if (right >= client.right) {
            right = client.right;
            break;
        }
    }
    if (rect) *rect = CRect(0, 0, right, bottom);
    return {topLeft.row, topLeft.col, std::min(maxRow, m_nRows - 1), std::min(maxCol, m_nCols - 1)};
}

BOOL CGridCtrl::GetCellOrigin(int row, int col, LPPOINT point) const {
    if (!IsValid(row, col) || point == nullptr) return FALSE;
    const CCellID topLeft = GetTopleftNonFixedCell();
    if ((row >= m_nFixedRows && row < topLeft.row) || (col >= m_nFixedCols && col < topLeft.col)) return FALSE;
    point->x = static_cast<int>(col < m_nFixedCols ? m_arColWidths.Sum(0, col)
                                                   : GetFixedColumnWidth() + m_arColWidths.Sum(topLeft.col, col));
    point->y = static_cast<int>(row < m_nFixedRows ? m_arRowHeights.Sum(0, row)
                                                   : GetFixedRowHeight() + m_arRowHeights.Sum(topLeft.row, row));
    return TRUE;
}

BOOL CGridCtrl::GetCellRect(int row, int col, LPRECT rect) const {
    CPoint origin;
    if (rect == nullptr || !GetCellOrigin(row, col, &origin)) return FALSE;
    rect->left = origin.x;
    rect->top = origin.y;
    rect->right = origin.x + GetColumnWidth(col) - 1;
    rect->bottom = origin.y + GetRowHeight(row) - 1;
    return TRUE;
}

namespace {

// The index under `offset` pixels: within the fixed entries [0, fixed) when the offset lies
// there, else among the entries from `topLeft` on (which start at `fixedSize`).
int IndexAt(const CGridSizeArray& sizes, int count, int fixed, int fixedSize, int topLeft, int offset,
            bool allowFixed) {
    if (offset < 0 || (!allowFixed && offset < fixedSize)) return -1;
    if (offset < fixedSize) {
        int edge = 0;
        for (int i = 0; i < fixed; ++i) {
            edge += static_cast<int>(sizes[i]);
            if (edge > offset) return i;
        }
        return fixed;
    }
    int edge = fixedSize;
    for (int i = topLeft; i < count; ++i) {
        edge += static_cast<int>(sizes[i]);
        if (edge > offset) return i;
    }
    return -1;
}

}  // namespace

CCellID CGridCtrl::GetCellFromPt(CPoint point, BOOL allowFixed) const {
    const CCellID topLeft = GetTopleftNonFixedCell();
    if (!allowFixed && !IsValid(topLeft)) return CCellID();
    return {IndexAt(m_arRowHeights, m_nRows, m_nFixedRows, GetFixedRowHeight(), topLeft.row, point.y, allowFixed != FALSE),
            IndexAt(m_arColWidths, m_nCols, m_nFixedCols, GetFixedColumnWidth(), topLeft.col, point.x, allowFixed != FALSE)};
}

BOOL CGridCtrl::IsCellVisible(int row, int col) const {
    if (GetSafeHwnd() == nullptr || !IsValid(row, col)) return FALSE;
    const CCellID topLeft = GetTopleftNonFixedCell();
    if ((row >= m_nFixedRows && row < topLeft.row) || (col >= m_nFixedCols && col < topLeft.col)) return FALSE;
    CRect client;
    GetClientRect(&client);
    const auto x = col < m_nFixedCols ? m_arColWidths.Sum(0, col) : GetFixedColumnWidth() + m_arColWidths.Sum(topLeft.col, col);
    const auto y = row < m_nFixedRows ? m_arRowHeights.Sum(0, row) : GetFixedRowHeight() + m_arRowHeights.Sum(topLeft.row, row);
    return x < client.right && y < client.bottom;
}

BOOL CGridCtrl::MouseOverRowResizeArea(CPoint point) const {
    if (point.x >= GetFixedColumnWidth()) return FALSE;
    const CCellID cell = GetCellFromPt(point, TRUE);
    CPoint start;
    if (!GetCellOrigin(cell, &start)) return FALSE;
    const int end = start.y + GetRowHeight(cell.row);
    return (point.y - start.y < m_nResizeCaptureRange && cell.row != 0) || end - point.y < m_nResizeCaptureRange;
}

BOOL CGridCtrl::MouseOverColumnResizeArea(CPoint point) const {
    if (point.y >= GetFixedRowHeight()) return FALSE;
    const CCellID cell = GetCellFromPt(point, TRUE);
    CPoint start;
    if (!GetCellOrigin(cell, &start)) return FALSE;
    const int end = start.x + GetColumnWidth(cell.col);
    return (point.x - start.x < m_nResizeCaptureRange && cell.col != 0) || end - point.x < m_nResizeCaptureRange;
}
