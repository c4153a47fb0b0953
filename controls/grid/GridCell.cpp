// The standard text cell and the default cells.
#include "controls/grid/GridCell.h"

#include <algorithm>

#include "controls/grid/GridCtrl.h"
#include "controls/grid/InPlaceEdit.h"
#include "platform/SystemInfo.h"

IMPLEMENT_DYNCREATE(CGridCell, CGridCellBase)
IMPLEMENT_DYNCREATE(CGridDefaultCell, CGridCell)

namespace {

// The one font object of every cell that has a font of its own: rebuilt on each request, so
// a cell's font object is good until the next cell asks for one. It is never deleted: at
// exit the window system is gone before a static object would be.
CFont& SharedCellFont() {
    static CFont* font = new CFont;
    return *font;
}

}  // namespace

CGridCell::CGridCell() { CGridCell::Reset(); }

CGridCell::~CGridCell() = default;

void CGridCell::Reset() {
    CGridCellBase::Reset();
    m_strText.Empty();
    m_lParam = 0;
    m_nImage = -1;
    m_nFormat = static_cast<DWORD>(-1);
    m_crFgClr = CLR_DEFAULT;
    m_crBkClr = CLR_DEFAULT;
    m_plfFont.reset();
    m_nMargin = static_cast<UINT>(-1);
}

void CGridCell::SetFont(const LOGFONT* logFont) {
    if (logFont == nullptr) m_plfFont.reset();
    else m_plfFont = std::make_unique<LOGFONT>(*logFont);
}

DWORD CGridCell::GetFormat() const {
    if (m_nFormat != static_cast<DWORD>(-1)) return m_nFormat;
    const CGridCellBase* defaultCell = GetDefaultCell();
    return defaultCell && defaultCell != this ? defaultCell->GetFormat() : m_nFormat;
}

UINT CGridCell::GetMargin() const {
    if (m_nMargin != static_cast<UINT>(-1)) return m_nMargin;
    const CGridCellBase* defaultCell = GetDefaultCell();
    return defaultCell && defaultCell != this ? defaultCell->GetMargin() : m_nMargin;
}

const LOGFONT* CGridCell::GetFont() const {
    if (m_plfFont) return m_plfFont.get();
    const CGridCellBase* defaultCell = GetDefaultCell();
    return defaultCell && defaultCell != this ? defaultCell->GetFont() : nullptr;
}

CFont* CGridCell::GetFontObject() const {
    if (m_plfFont) {
        CFont& font = SharedCellFont();
        font.DeleteObject();
        font.CreateFontIndirect(m_plfFont.get());
        return &font;
    }
    const CGridCellBase* defaultCell = GetDefaultCell();
    return defaultCell && defaultCell != this ? defaultCell->GetFontObject() : nullptr;
}

BOOL CGridCell::Edit(int row, int col, CRect rect, CPoint, UINT id, UINT ch) {
    return OpenTextEditor(row, col, rect, id, ch, 0);
}

BOOL CGridCell::OpenTextEditor(int row, int col, CRect rect, UINT id, UINT ch, DWORD extraStyle) {
    if (!m_bEditing) {
        DWORD style = ES_LEFT;
        const DWORD format = GetFormat();
        if (format & DT_RIGHT) style = ES_RIGHT;
        else if (format & DT_CENTER) style = ES_CENTER;
        m_pEditWnd = CGridInPlaceEdit::Open(GetGrid(), rect, style | extraStyle, id, row, col, GetText(), ch);
        m_bEditing = m_pEditWnd != nullptr;
    } else if (m_pEditWnd) {
        m_pEditWnd->SendMessage(WM_CHAR, ch);
    }
    return TRUE;
}

void CGridCell::EndEdit() {
    if (auto* editor = dynamic_cast<CGridInPlaceEdit*>(m_pEditWnd)) editor->EndEdit();
}

void CGridCell::OnEndEdit() {
    m_bEditing = FALSE;
    m_pEditWnd = nullptr;
}

// ---- default cells -----------------------------------------------------------------------------

CGridDefaultCell::CGridDefaultCell() {
    m_crFgClr = CLR_DEFAULT;
    m_crBkClr = CLR_DEFAULT;
    m_nFormat = DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS;
    NONCLIENTMETRICS metrics;
    if (SystemParametersInfo(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0))
        CGridDefaultCell::SetFont(&metrics.lfMessageFont);
}

// The default width is that of a dozen capital letters between two spaces, the height one and a
// half lines, the margin one space.
void CGridDefaultCell::SetFont(const LOGFONT* logFont) {
    if (logFont == nullptr) return;
    m_Font.DeleteObject();
    m_Font.CreateFontIndirect(logFont);
    CGridCell::SetFont(logFont);

    CClientDC screen(nullptr);
    if (screen.GetSafeHdc() == nullptr) {
        SetMargin(3);
        m_nWidth = 40;
        m_nHeight = 16;
        return;
    }
    CFont* oldFont = screen.SelectObject(&m_Font);
    SetMargin(static_cast<UINT>(screen.GetTextExtent(CString(" ")).cx));
    const CSize sample = screen.GetTextExtent(CString(" XXXXXXXXXXXX "));
    m_nWidth = sample.cx;
    // A heading loses a pixel to its 3D edge on each side and a margin above and below its
    // text; the desktop's fonts use their last pixel row, so the row keeps room for it.
    m_nHeight = std::max(sample.cy * 3 / 2, sample.cy + 2 * static_cast<int>(m_nMargin) + 1);
    if (oldFont) screen.SelectObject(oldFont);
}
