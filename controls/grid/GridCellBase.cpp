// Drawing, measuring, printing and copying of a grid cell, in terms of its attributes.
#include "controls/grid/GridCellBase.h"

#include <algorithm>
#include <cstdlib>

#include "controls/grid/GridCell.h"
#include "controls/grid/GridCtrl.h"
#include "platform/ImageListDraw.h"
#include "platform/SystemInfo.h"

IMPLEMENT_DYNAMIC(CGridCellBase, CObject)

namespace {

// The size of picture `index` of the list; false when there is no such picture.
bool ImageSize(const CImageList* images, int index, CSize* size) {
    int cx = 0;
    int cy = 0;
    if (images == nullptr || index < 0 || index >= images->GetImageCount() || !images->GetIconSize(cx, cy)) return false;
    *size = CSize(cx, cy);
    return true;
}

// Vertical text: a font turned by 90 degrees either way.
bool IsVerticalFont(const LOGFONT* font) { return font && std::abs(font->lfEscapement) == 900; }

// Both edges that the system's fills treat as inclusive: one pixel more right and bottom.
CRect Widened(CRect rect) {
    ++rect.right;
    ++rect.bottom;
    return rect;
}

// A pen selected for the lifetime of the object, the previous one restored afterwards.
class SelectedPen {
public:
    SelectedPen(CDC* dc, COLORREF colour) : m_dc(dc), m_pen(PS_SOLID, 1, colour), m_old(dc->SelectObject(&m_pen)) {}
    ~SelectedPen() {
        if (m_old) m_dc->SelectObject(m_old);
    }
    SelectedPen(const SelectedPen&) = delete;
    SelectedPen& operator=(const SelectedPen&) = delete;

private:
    CDC* m_dc;
    CPen m_pen;
    CPen* m_old;
};

}  // namespace

CGridCellBase* CGridCellBase::GetDefaultCell() const {
    CGridCtrl* grid = GetGrid();
    if (grid == nullptr) return nullptr;
    return grid->GetDefaultCell(IsFixedRow(), IsFixedCol());
}

CGridCellBase& CGridCellBase::operator=(const CGridCellBase& cell) {
    if (this == &cell) return *this;
    SetGrid(cell.GetGrid());
    SetText(cell.GetText());
    SetImage(cell.GetImage());
    SetData(cell.GetData());
    SetState(cell.GetState());
    SetFormat(cell.GetFormat());
    SetTextClr(cell.GetTextClr());
    SetBackClr(cell.GetBackClr());
    SetFont(cell.IsDefaultFont() ? nullptr : cell.GetFont());
    SetMargin(cell.GetMargin());
    return *this;
}

BOOL CGridCellBase::OnSetCursor() {
    SetCursor(LoadStandardCursor(IDC_ARROW));
    return TRUE;
}

bool CGridCellBase::GetImageSize(CSize* size) const {
    const CGridCtrl* grid = GetGrid();
    return grid && GetImage() >= 0 && ImageSize(grid->GetImageList(), GetImage(), size);
}

COLORREF CGridCellBase::EffectiveTextClr() const {
    const COLORREF own = GetTextClr();
    if (own != CLR_DEFAULT) return own;
    const CGridCellBase* defaultCell = GetDefaultCell();
    return defaultCell ? defaultCell->GetTextClr() : own;
}

COLORREF CGridCellBase::EffectiveBackClr() const {
    const COLORREF own = GetBackClr();
    if (own != CLR_DEFAULT) return own;
    const CGridCellBase* defaultCell = GetDefaultCell();
    return defaultCell ? defaultCell->GetBackClr() : own;
}

BOOL CGridCellBase::Draw(CDC* dc, int row, int col, CRect rect, BOOL eraseBackground) {
    CGridCtrl* grid = GetGrid();
    if (grid == nullptr || dc == nullptr || rect.Width() <= 0 || rect.Height() <= 0) return FALSE;

    const int savedState = dc->SaveDC();
    dc->SetBkMode(TRANSPARENT);

    COLORREF textClr = EffectiveTextClr();
    COLORREF backClr = EffectiveBackClr();
    if (GetBackClr() != CLR_DEFAULT) eraseBackground = TRUE;
    const bool gridLines = grid->GetGridLines() != GVL_NONE;

    if (IsFocused() || IsDropHighlighted()) {
        if (IsSelected()) {
            backClr = GetSysColor(COLOR_HIGHLIGHT);
            textClr = GetSysColor(COLOR_HIGHLIGHTTEXT);
            eraseBackground = TRUE;
        }
        rect = Widened(rect);
        if (eraseBackground && backClr != CLR_DEFAULT) dc->FillSolidRect(&rect, backClr);
        if (gridLines) {
            --rect.right;
            --rect.bottom;
        }
        if (grid->GetFrameFocusCell() && textClr != CLR_DEFAULT) {
            CBrush frame(textClr);
            dc->FrameRect(&rect, &frame);
        }
        if (textClr != CLR_DEFAULT) dc->SetTextColor(textClr);
        if (!gridLines) {
            --rect.right;
            --rect.bottom;
        }
    } else if (IsSelected()) {
        const CRect fill = Widened(rect);
        dc->FillSolidRect(&fill, GetSysColor(COLOR_HIGHLIGHT));
        dc->SetTextColor(GetSysColor(COLOR_HIGHLIGHTTEXT));
    } else {
        if (eraseBackground && backClr != CLR_DEFAULT) {
            const CRect fill = Widened(rect);
            dc->FillSolidRect(&fill, backClr);
        }
        if (textClr != CLR_DEFAULT) dc->SetTextColor(textClr);
    }

    if (IsFixed() && gridLines) DrawFixedCellFrame(dc, row, col, rect, true);

    if (!dc->IsPrinting())
        if (CFont* font = GetFontObject()) dc->SelectObject(font);

    const int margin = static_cast<int>(GetMargin());
    rect.DeflateRect(margin, margin);
    rect = Widened(rect);

    CSize imageSize;
    if (GetImageSize(&imageSize)) {
        rect.top -= 2;
        rect.bottom += 3;
        if (imageSize.cx <= rect.Width() && imageSize.cy <= rect.Height())
            DrawImageListImage(grid->GetImageList(), GetImage(), dc, rect.TopLeft());
    }

    if (row == 0 && col == grid->GetSortColumn()) DrawSortArrow(dc, rect);

    GetTextRect(&rect);
    rect = Widened(rect);
    const CString text(GetText());
    const UINT format = GetFormat() | DT_NOPREFIX;
    if ((format & DT_VCENTER) && (format & DT_WORDBREAK) && !(format & DT_SINGLELINE)) {
        // Several lines stand in the middle of the cell as one line does (two-line headings).
        CRect needed(rect.left, 0, rect.right, 0);
        dc->DrawText(text, &needed, format | DT_CALCRECT);
        if (needed.Height() < rect.Height()) rect.top += (rect.Height() - needed.Height()) / 2;
    }
    dc->DrawText(text, &rect, format);

    dc->RestoreDC(savedState);
    return TRUE;
}

// The heading look: sunken while the focus cell lies in this cell's row or column (when
// the grid tracks it), raised otherwise. The rectangle shrinks by the frame.
void CGridCellBase::DrawFixedCellFrame(CDC* dc, int row, int col, CRect& rect, bool allowSunken) const {
    const CGridCtrl* grid = GetGrid();
    const CCellID focus = grid->GetFocusCell();
    const bool sunken = allowSunken && grid->GetTrackFocusCell() && grid->IsValid(focus) &&
                        (focus.row == row || focus.col == col);
    if (sunken) {
        CRect edge = Widened(rect);
        dc->DrawEdge(&edge, BDR_SUNKENINNER, BF_RECT);
    } else {
        {
            SelectedPen light(dc, GetSysColor(COLOR_3DHIGHLIGHT));
            dc->MoveTo(rect.right, rect.top);
            dc->LineTo(rect.left, rect.top);
            dc->LineTo(rect.left, rect.bottom);
        }
        SelectedPen dark(dc, GetSysColor(COLOR_3DDKSHADOW));
        dc->MoveTo(rect.right, rect.top);
        dc->LineTo(rect.right, rect.bottom);
        dc->LineTo(rect.left, rect.bottom);
    }
    rect.DeflateRect(1, 1);
}

// A triangle at the right end of a heading (centred for vertical text), pointing up for an
// ascending sort; the text then keeps clear of it.
void CGridCellBase::DrawSortArrow(CDC* dc, CRect& rect) const {
    const CGridCtrl* grid = GetGrid();
    const bool vertical = IsVerticalFont(GetFont());
    int size = dc->GetTextExtent(CString("M")).cy - 4;
    size = std::min(size, rect.Height() - 4);
    if (size <= 0 || rect.Width() <= size) return;

    const int left = vertical ? rect.left + (rect.Width() - size) / 2 : rect.right - size;
    const int top = rect.top + (rect.Height() - size) / 2;
    const int right = left + size;
    const int bottom = top + size;
    const int middle = left + size / 2;
    if (grid->GetSortAscending()) {
        {
            SelectedPen shadow(dc, GetSysColor(COLOR_3DSHADOW));
            dc->MoveTo(middle, top);
            dc->LineTo(left, bottom);
        }
        SelectedPen light(dc, GetSysColor(COLOR_3DHIGHLIGHT));
        dc->MoveTo(left, bottom);
        dc->LineTo(right, bottom);
        dc->LineTo(middle, top);
    } else {
        {
            SelectedPen shadow(dc, GetSysColor(COLOR_3DSHADOW));
            dc->MoveTo(right, top);
            dc->LineTo(left, top);
            dc->LineTo(middle, bottom);
        }
        SelectedPen light(dc, GetSysColor(COLOR_3DHIGHLIGHT));
        dc->MoveTo(middle, bottom);
        dc->LineTo(right, top);
    }
    if (!vertical) rect.right -= size;
}

BOOL CGridCellBase::GetTextRect(LPRECT rect) {
    CSize imageSize;
    if (rect && GetImageSize(&imageSize)) rect->left += static_cast<int>(GetMargin()) + imageSize.cx + 1;
    return TRUE;
}

CSize CGridCellBase::GetTextExtent(LPCTSTR text, CDC* dc) {
    CGridCtrl* grid = GetGrid();
    const auto* defaultCell = dynamic_cast<const CGridDefaultCell*>(GetDefaultCell());
    const bool hasText = text != nullptr && *text != '\0';

    std::unique_ptr<CClientDC> windowDC;
    if (dc == nullptr && hasText && grid && grid->GetSafeHwnd()) {
        windowDC = std::make_unique<CClientDC>(grid);
        dc = windowDC.get();
    }
    if (dc == nullptr || !hasText) {
        return defaultCell ? CSize(defaultCell->GetWidth(), defaultCell->GetHeight()) : CSize();
    }

    CFont* oldFont = nullptr;
    if (CFont* font = GetFontObject()) oldFont = dc->SelectObject(font);
    CSize size;
    const UINT format = GetFormat();
    const CString content(text);
    if (!(format & DT_WORDBREAK) || (format & DT_SINGLELINE)) {
        size = dc->GetTextExtent(content);
    } else {
        // Line by line in one pass over the bytes: a line break is one byte in UTF-8.
        int widest = 0;
        const std::string_view all(content.str());
        for (size_t start = 0;;) {
            const size_t end = std::min(all.find('\n', start), all.size());
            widest = std::max(widest, dc->GetTextExtent(CString(all.substr(start, end - start))).cx);
            if (end == all.size()) break;
            start = end + 1;
        }
        CRect bounds(0, 0, widest + 1, 0);
        dc->DrawText(content, &bounds, format | DT_CALCRECT);
        size = bounds.Size();
    }
    if (oldFont) dc->SelectObject(oldFont);

    const int margin = static_cast<int>(GetMargin());
    size.cx += 2 * margin;
    size.cy += 2 * margin;
    if (IsVerticalFont(GetFont())) {
        std::swap(size.cx, size.cy);
        size.cy += 4 * margin;
    }
    return size;
}

CSize CGridCellBase::GetCellExtent(CDC* dc) {
    CSize size = GetTextExtent(GetText(), dc);
    const int margin = static_cast<int>(GetMargin());
    CSize image;
    if (GetImageSize(&image)) {
        if (size.cx > 2 * margin) image.cx += margin;
        image.cy += 2 * margin;
    }
    size.cx += image.cx + 1;
    size.cy = std::max(size.cy, image.cy) + 1;
    if (IsFixed()) {
        ++size.cx;
        ++size.cy;
    }
    return size;
}

BOOL CGridCellBase::PrintCell(CDC* dc, int row, int col, CRect rect) {
    CGridCtrl* grid = GetGrid();
    if (grid == nullptr || dc == nullptr || rect.Width() <= 0 || rect.Height() <= 0) return FALSE;

    const int savedState = dc->SaveDC();
    dc->SetBkMode(TRANSPARENT);

    const CGridCellBase* defaultCell = GetDefaultCell();
    COLORREF textClr = RGB(0, 0, 0);
    COLORREF backClr = CLR_DEFAULT;
    if (grid->GetShadedPrintOut()) {
        if (IsFixed()) {
            backClr = GetBackClr() != CLR_DEFAULT || !defaultCell ? GetBackClr() : defaultCell->GetBackClr();
        } else if (GetBackClr() != CLR_DEFAULT && (!defaultCell || GetBackClr() != defaultCell->GetBackClr())) {
            backClr = GetBackClr();
        }
        textClr = EffectiveTextClr();
        if (dc->GetDeviceCaps(NUMCOLORS) == 2 && backClr == CLR_DEFAULT) {
            // Black and white paper: colours become their grey value.
            const auto scale = [](int value, double factor) { return static_cast<int>(value * factor); };
            textClr = RGB(scale(GetRValue(textClr), 0.3), scale(GetGValue(textClr), 0.59),
                          scale(GetBValue(textClr), 0.11));
        } else if (backClr != CLR_DEFAULT) {
            const CRect fill = Widened(rect);
            dc->FillSolidRect(&fill, backClr);
        }
    }
    if (textClr != CLR_DEFAULT) dc->SetTextColor(textClr);
    if (CFont* font = GetFontObject()) dc->SelectObject(font);

    if (IsFixed() && grid->GetGridLines() != GVL_NONE) DrawFixedCellFrame(dc, row, col, rect, false);

    const int margin = static_cast<int>(GetMargin());
    rect.DeflateRect(margin, 0);

    CSize imageSize;
    if (GetImageSize(&imageSize)) {
        DrawImageListImage(grid->GetImageList(), GetImage(), dc, rect.TopLeft());
        rect.left += margin + imageSize.cx;
    }

    dc->DrawText(CString(GetText()), &rect, GetFormat() | DT_NOPREFIX);
    dc->RestoreDC(savedState);
    return TRUE;
}
