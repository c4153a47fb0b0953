#include "controls/grid/TitleTip.h"

#include <cstdint>

#include "platform/DC.h"
#include "platform/SystemInfo.h"

CGridTitleTip::CGridTitleTip() : m_dwDblClickMsecs(GetDoubleClickTime()) {}

CGridTitleTip::~CGridTitleTip() {
    if (GetSafeHwnd()) DestroyWindow();
}

BOOL CGridTitleTip::Create(CWnd* parent) {
    if (m_bCreated) return TRUE;
    m_pParentWnd = parent;
    // Owned by the grid: in a modal dialog the tip is the dialog's, and gets the input it holds.
    m_bCreated = CreateEx(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, "ZTitleTip", nullptr, WS_POPUP | WS_BORDER, CRect(0, 0, 0, 0),
                          parent, 0);
    return m_bCreated;
}

BOOL CGridTitleTip::DestroyWindow() {
    m_bCreated = FALSE;
    return CWnd::DestroyWindow();
}

void CGridTitleTip::Show(CRect title, LPCTSTR text, int xOffset, LPRECT hover, const LOGFONT* font,
                         COLORREF textClr, COLORREF backClr) {
    if (m_pParentWnd == nullptr || (!m_bCreated && !Create(m_pParentWnd))) return;
    if (title.IsRectEmpty() || IsWindowVisible()) return;
    // Only for the application in use.
    if (CWnd::GetFocus() == nullptr) return;

    m_font.DeleteObject();
    LOGFONT logFont;
    if (font) logFont = *font;
    else if (CFont* parentFont = CFont::FromHandle(reinterpret_cast<HFONT>(m_pParentWnd->SendMessage(WM_GETFONT))))
        parentFont->GetLogFont(&logFont);
    m_font.CreateFontIndirect(&logFont);

    const CString shown = CString(" ") + (text ? text : "") + " ";
    CSize size;
    {
        CClientDC dc(this);
        CFont* oldFont = dc.SelectObject(&m_font);
        size = dc.GetTextExtent(shown);
        TEXTMETRIC metrics;
        if (dc.GetTextMetrics(&metrics)) size.cx += metrics.tmOverhang;
        if (oldFont) dc.SelectObject(oldFont);
    }
    if (title.left + 2 * xOffset + size.cx <= title.right - xOffset) return;  // it fits

    CRect screen = title;
    m_pParentWnd->ClientToScreen(&screen);
    CRect hoverRect = hover ? *hover : title;
    ++hoverRect.right;
    ++hoverRect.bottom;
    m_pParentWnd->ClientToScreen(&hoverRect);
    const CPoint tipOrigin(screen.left + xOffset, screen.top);
    hoverRect.OffsetRect(-tipOrigin.x, -tipOrigin.y);
    m_rectHover = hoverRect;

    m_strText = shown;
    m_crText = textClr;
    m_crBack = backClr;
    SetWindowPos(HWND_TOP, tipOrigin.x, tipOrigin.y, size.cx, screen.Height(), SWP_SHOWWINDOW | SWP_NOACTIVATE);
    Invalidate();
    SetCapture();
}

void CGridTitleTip::Hide() {
    if (!GetSafeHwnd()) return;
    if (GetCapture() == this) ReleaseCapture();
    ShowWindow(SW_HIDE);
}

void CGridTitleTip::OnPaint() {
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    dc.FillSolidRect(&client, m_crBack != CLR_DEFAULT ? m_crBack : GetSysColor(COLOR_INFOBK));
    dc.SetTextColor(m_crText != CLR_DEFAULT ? m_crText : GetSysColor(COLOR_INFOTEXT));
    dc.SetBkMode(TRANSPARENT);
    CFont* oldFont = dc.SelectObject(&m_font);
    dc.DrawText(m_strText, &client, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    if (oldFont) dc.SelectObject(oldFont);
}

void CGridTitleTip::PassOn(UINT message, UINT flags, CPoint point) {
    Hide();
    if (m_pParentWnd == nullptr || !IsWindow(m_pParentWnd->GetSafeHwnd())) return;
    if (!m_pParentWnd->IsWindowEnabled()) return;  // a grid disabled meanwhile takes nothing
    ClientToScreen(&point);
    m_pParentWnd->ScreenToClient(&point);
    // A press goes to the grid at once: the grid then holds the mouse, and the release that
    // follows reaches it after the press even when both came in together (as they do while
    // the program is busy). Posted, the press came after the release and left the grid
    // selecting with the button up, so that it took no double click.
    if (message == WM_LBUTTONDOWN) m_pParentWnd->SendMessage(message, flags, MAKELPARAM(point.x, point.y));
    else m_pParentWnd->PostMessage(message, flags, MAKELPARAM(point.x, point.y));
}

void CGridTitleTip::OnMouseMove(UINT flags, CPoint point) {
    if (!m_rectHover.PtInRect(point)) PassOn(WM_MOUSEMOVE, flags, point);
}

void CGridTitleTip::OnLButtonDown(UINT flags, CPoint point) {
    // Two presses within the double-click time are a double click for the grid.
    const DWORD now = GetTickCount();
    const bool doubleClick = m_dwLastLButtonDown != static_cast<DWORD>(-1) && now - m_dwLastLButtonDown <= m_dwDblClickMsecs;
    m_dwLastLButtonDown = doubleClick ? static_cast<DWORD>(-1) : now;
    PassOn(doubleClick ? WM_LBUTTONDBLCLK : WM_LBUTTONDOWN, flags, point);
}

void CGridTitleTip::OnLButtonUp(UINT flags, CPoint point) { PassOn(WM_LBUTTONUP, flags, point); }

void CGridTitleTip::OnLButtonDblClk(UINT flags, CPoint point) { PassOn(WM_LBUTTONDBLCLK, flags, point); }

void CGridTitleTip::OnRButtonDown(UINT flags, CPoint point) { PassOn(WM_RBUTTONDOWN, flags, point); }

void CGridTitleTip::OnRButtonUp(UINT flags, CPoint point) { PassOn(WM_RBUTTONUP, flags, point); }

// The wheel belongs to the window with the focus, the grid, even while the tip holds the mouse.
BOOL CGridTitleTip::OnMouseWheel(UINT flags, short delta, CPoint screenPoint) {
    if (m_pParentWnd == nullptr || !IsWindow(m_pParentWnd->GetSafeHwnd())) return FALSE;
    return static_cast<BOOL>(m_pParentWnd->SendMessage(
        WM_MOUSEWHEEL, MAKEWPARAM(flags, static_cast<unsigned>(static_cast<std::uint16_t>(delta))),
        MAKELPARAM(screenPoint.x, screenPoint.y)));
}
