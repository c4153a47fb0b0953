// Printing the grid page by page for a host's print loop: the rows are broken into pages by
// their summed heights; each page has a header (the window's title and the program's), the
// heading row and column cells, the data cells with the grid lines, and a footer with the
// page number and the time of printing.
#include <algorithm>

#include "controls/grid/GridCtrl.h"
#include "platform/COleDateTime.h"
#include "platform/CommandIds.h"
#include "platform/DC.h"
#include "platform/Resources.h"

namespace {

// The sample whose width, divided by its 52 letters, gives the printer font's average width.
constexpr const char* kAlphabet = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSATUVWXYZ";

// Breaks the sizes [first, count) into pages of at most `pageSize` each; a size larger than a
// page gets a page of its own rather than leaving an empty one before it. Returns the index
// that starts each page.
template <class SizeOf>
std::vector<int> PageStarts(int first, int count, int pageSize, SizeOf sizeOf) {
    std::vector<int> starts{first};
    int total = 0;
    for (int i = first; i < count; ++i) {
        const int size = sizeOf(i);
        if (size == 0) continue;  // a hidden row or column starts no page
        total += size;
        if (total > pageSize && total > size) {
            starts.push_back(i);
            total = size;
        }
    }
    return starts;
}

}  // namespace

CGridCtrl::PrintSpan CGridCtrl::PageSpan(UINT page) const {
    const std::vector<int> rowStarts =
        PageStarts(m_nFixedRows, m_nRows, m_nPageHeight, [this](int row) { return GetRowHeight(row); });
    const std::vector<int> colStarts =
        m_bWysiwyg ? PageStarts(m_nFixedCols, m_nCols, m_nPageWidth, [this](int col) { return GetColumnWidth(col); })
                   : std::vector<int>{m_nFixedCols};
    // Pages go down the rows first; with WYSIWYG each band of rows has a page per band of columns.
    const int multiplier = std::max(1, static_cast<int>(colStarts.size()));
    const size_t rowPage = static_cast<size_t>((static_cast<int>(page) - 1) / multiplier);
    const size_t colPage = static_cast<size_t>((static_cast<int>(page) - 1) % multiplier);
    if (page < 1 || rowPage >= rowStarts.size()) return {};
    const auto endOf = [](const std::vector<int>& starts, size_t index, int count) {
        return index + 1 < starts.size() ? starts[index + 1] : count;
    };
    return {rowStarts[rowPage], endOf(rowStarts, rowPage, m_nRows), colStarts[colPage], endOf(colStarts, colPage, m_nCols)};
}

void CGridCtrl::SetPrintMarginInfo(int header, int footer, int left, int right, int top, int bottom, int gap) {
    for (auto [value, field] : {std::pair{header, &m_nHeaderHeight}, {footer, &m_nFooterHeight}, {left, &m_nLeftMargin},
                                {right, &m_nRightMargin}, {top, &m_nTopMargin}, {bottom, &m_nBottomMargin}, {gap, &m_nGap}})
        if (value > -1) *field = value;
}

void CGridCtrl::OnBeginPrinting(CDC* dc, CPrintInfo* info) {
    if (dc == nullptr || info == nullptr) return;
    CClientDC screen(nullptr);
    const int screenPpi = screen.GetSafeHdc() ? screen.GetDeviceCaps(LOGPIXELSX) : 96;
    const int printerPpi = std::max(1, dc->GetDeviceCaps(LOGPIXELSX));

    m_PrinterFont.DeleteObject();
    m_PrinterFont.CreateFont(-10, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, OUT_CHARACTER_PRECIS, CLIP_CHARACTER_PRECIS,
                             DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, "Arial");
    CFont* oldFont = dc->SelectObject(&m_PrinterFont);
    const CSize sample = dc->GetTextExtent(CString(kAlphabet));
    m_CharSize = CSize(std::max(1, static_cast<int>(sample.cx / 52)), std::max(1, static_cast<int>(sample.cy)));

    m_PaperSize = CSize(std::max(1, dc->GetDeviceCaps(HORZRES)), std::max(1, dc->GetDeviceCaps(VERTRES)));
    if (m_bWysiwyg) {
        m_LogicalPageSize = CSize(m_PaperSize.cx * screenPpi / printerPpi * 3 / 4,
                                  m_PaperSize.cy * screenPpi / printerPpi * 3 / 4);
    } else {
        const int width = static_cast<int>(GetVirtualWidth()) + (m_nLeftMargin + m_nRightMargin) * m_CharSize.cx;
        m_LogicalPageSize = CSize(width, static_cast<int>(static_cast<long long>(width) * m_PaperSize.cy / m_PaperSize.cx));
    }
    m_nPageHeight = m_LogicalPageSize.cy - GetFixedRowHeight() -
                    (m_nHeaderHeight + m_nFooterHeight + 2 * m_nGap) * m_CharSize.cy;
    m_nPageWidth = m_LogicalPageSize.cx - GetFixedColumnWidth() - (m_nLeftMargin + m_nRightMargin) * m_CharSize.cx;

    m_nNumPages = static_cast<int>(
        PageStarts(m_nFixedRows, m_nRows, m_nPageHeight, [this](int row) { return GetRowHeight(row); }).size());
    m_nPageMultiplier = 1;
    if (m_bWysiwyg) {
        m_nPageMultiplier = static_cast<int>(
            PageStarts(m_nFixedCols, m_nCols, m_nPageWidth, [this](int col) { return GetColumnWidth(col); }).size());
        m_nNumPages *= m_nPageMultiplier;
    }
    info->SetMaxPage(static_cast<UINT>(m_nNumPages));
    info->m_nCurPage = 1;
    if (oldFont) dc->SelectObject(oldFont);
}

void CGridCtrl::OnPrint(CDC* dc, CPrintInfo* info) {
    if (dc == nullptr || info == nullptr || m_PrinterFont.GetSafeHandle() == nullptr) return;
    CFont* oldFont = dc->SelectObject(&m_PrinterFont);
    dc->SetMapMode(MM_ANISOTROPIC);
    dc->SetWindowExt(m_LogicalPageSize);
    dc->SetViewportExt(m_PaperSize);
    dc->SetWindowOrg(-m_nLeftMargin * m_CharSize.cx, 0);

    const PrintSpan span = PageSpan(info->m_nCurPage);
    m_nCurrPrintRow = span.firstRow;
    m_nCurrPrintCol = span.firstCol;

    PrintHeader(dc, info);

    // Below the header and the gap: the heading cells, then the page's data cells.
    dc->OffsetWindowOrg(0, -(m_nHeaderHeight + m_nGap) * m_CharSize.cy);
    PrintColumnHeadings(dc, info);
    PrintRowButtons(dc, info);

    CRect rect(0, GetFixedRowHeight(), 0, 0);
    for (int row = span.firstRow; row < span.endRow; ++row) {
        const int height = GetRowHeight(row);
        if (height == 0) continue;
        rect.bottom = rect.top + height - 1;
        rect.left = GetFixedColumnWidth();
        for (int col = span.firstCol; col < span.endCol; ++col) {
            const int width = GetColumnWidth(col);
            if (width == 0) continue;
            rect.right = rect.left + width - 1;
            if (CGridCellBase* cell = GetCell(row, col)) cell->PrintCell(dc, row, col, rect);
            DrawCellGridLines(dc, rect);
            rect.left = rect.right + 1;
        }
        rect.top = rect.bottom + 1;
    }

    // The footer stands at the bottom of the page.
    dc->SetWindowOrg(-m_nLeftMargin * m_CharSize.cx, -(m_LogicalPageSize.cy - m_nFooterHeight * m_CharSize.cy));
    PrintFooter(dc, info);
    dc->SetWindowOrg(0, 0);
    if (oldFont) dc->SelectObject(oldFont);
}

void CGridCtrl::OnEndPrinting(CDC*, CPrintInfo*) { m_PrinterFont.DeleteObject(); }

void CGridCtrl::PrintBoldText(CDC* dc, const CString& text, const CRect& rect, UINT align) {
    LOGFONT logFont;
    m_PrinterFont.GetLogFont(&logFont);
    logFont.lfWeight = FW_BOLD;
    CFont bold;
    bold.CreateFontIndirect(&logFont);
    CFont* oldFont = dc->SelectObject(&bold);
    dc->SetTextColor(RGB(0, 0, 0));
    dc->SetBkMode(TRANSPARENT);
    CRect textRect = rect;
    dc->DrawText(text, &textRect, align | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    if (oldFont) dc->SelectObject(oldFont);
}

void CGridCtrl::PrintHeader(CDC* dc, CPrintInfo*) {
    const CRect rect(0, 0, m_LogicalPageSize.cx - (m_nLeftMargin + m_nRightMargin) * m_CharSize.cx,
                     m_nHeaderHeight * m_CharSize.cy);
    CString title;
    for (CWnd* window = GetParent(); window != nullptr && title.IsEmpty(); window = window->GetParent())
        window->GetWindowText(title);
    PrintBoldText(dc, title, rect, DT_CENTER);
    PrintBoldText(dc, LoadStringResource(AFX_IDS_APP_TITLE), rect, DT_RIGHT);

    CPen pen(PS_SOLID, 0, RGB(0, 0, 0));
    CPen* oldPen = dc->SelectObject(&pen);
    dc->MoveTo(rect.left, rect.bottom);
    dc->LineTo(rect.right, rect.bottom);
    if (oldPen) dc->SelectObject(oldPen);
}

void CGridCtrl::PrintFooter(CDC* dc, CPrintInfo* info) {
    const CRect rect(0, 0, m_LogicalPageSize.cx - (m_nLeftMargin + m_nRightMargin) * m_CharSize.cx,
                     m_nFooterHeight * m_CharSize.cy);
    CPen pen(PS_SOLID, 0, RGB(0, 0, 0));
    CPen* oldPen = dc->SelectObject(&pen);
    dc->MoveTo(rect.left, rect.top);
    dc->LineTo(rect.right, rect.top);
    if (oldPen) dc->SelectObject(oldPen);

    CString pageText;
    pageText.Format("Page %d of %d", static_cast<int>(info ? info->m_nCurPage : 1), m_nNumPages);
    PrintBoldText(dc, pageText, rect, DT_LEFT);
    PrintBoldText(dc, COleDateTime::GetCurrentTime().Format("%c"), rect, DT_RIGHT);
}

// A run of heading cells [startCol, stopCol] of one row from rect.left on; `firstPrinted`
// tells whether a cell was printed yet on this row.
void CGridCtrl::PrintFixedRowCells(int startCol, int stopCol, int& row, CRect& rect, CDC* dc, BOOL& firstPrinted) {
    for (int col = startCol; col <= stopCol; ++col) {
        const int width = GetColumnWidth(col);
        if (width == 0) continue;
        rect.right = rect.left + width - 1;
        if (CGridCellBase* cell = GetCell(row, col)) cell->PrintCell(dc, row, col, rect);
        rect.left = rect.right + 1;
        firstPrinted = TRUE;
    }
}

void CGridCtrl::PrintColumnHeadings(CDC* dc, CPrintInfo* info) {
    const PrintSpan span = PageSpan(info ? info->m_nCurPage : 1);
    CRect rect(0, 0, 0, -1);
    for (int row = 0; row < m_nFixedRows; ++row) {
        const int height = GetRowHeight(row);
        if (height == 0) continue;
        rect.top = rect.bottom + 1;
        rect.bottom = rect.top + height - 1;
        rect.left = 0;
        BOOL firstPrinted = FALSE;
        PrintFixedRowCells(0, m_nFixedCols - 1, row, rect, dc, firstPrinted);
        PrintFixedRowCells(span.firstCol, span.endCol - 1, row, rect, dc, firstPrinted);
    }
}

void CGridCtrl::PrintRowButtons(CDC* dc, CPrintInfo* info) {
    if (m_nFixedCols == 0) return;
    const PrintSpan span = PageSpan(info ? info->m_nCurPage : 1);
    CRect rect(0, GetFixedRowHeight(), 0, 0);
    for (int row = span.firstRow; row < span.endRow; ++row) {
        const int height = GetRowHeight(row);
        if (height == 0) continue;
        rect.bottom = rect.top + height - 1;
        rect.left = 0;
        for (int col = 0; col < m_nFixedCols; ++col) {
            const int width = GetColumnWidth(col);
            if (width == 0) continue;
            rect.right = rect.left + width - 1;
            if (CGridCellBase* cell = GetCell(row, col)) cell->PrintCell(dc, row, col, rect);
            rect.left = rect.right + 1;
        }
        rect.top = rect.bottom + 1;
    }
}
