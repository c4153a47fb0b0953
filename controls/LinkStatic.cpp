#include "controls/LinkStatic.h"

#include "controls/MsgBoxEx.h"
#include "platform/DC.h"
#include "platform/Desktop.h"

IMPLEMENT_DYNAMIC(CLinkStatic, CStatic)

namespace {

constexpr UINT_PTR kToolId = 1;

}  // namespace

CLinkStatic::CLinkStatic() : m_hoverColour(GetSysColor(COLOR_HIGHLIGHT)) {}

CLinkStatic::~CLinkStatic() {
    if (m_toolTip.GetSafeHwnd()) m_toolTip.DestroyWindow();
}

const MessageMap& CLinkStatic::GetMessageMap() const {
    static const MessageMap map(CStatic::GetMessageMap(), {
        OnControlReflect(STN_CLICKED, &CLinkStatic::OnClicked),
    });
    return map;
}

void CLinkStatic::PreSubclassWindow() {
    CStatic::PreSubclassWindow();
    ModifyStyle(0, SS_NOTIFY);
    CString text;
    GetWindowText(text);
    if (m_target.IsEmpty()) m_target = text;
    if (text.IsEmpty()) SetWindowText(m_target);
    BuildFont();
    m_hand = LoadStandardCursor(IDC_HAND);
    FitToText();
    CRect client;
    GetClientRect(&client);
    if (m_toolTip.Create(this)) m_toolTip.AddTool(this, m_target, &client, kToolId);
}

BOOL CLinkStatic::PreTranslateMessage(MSG* msg) {
    if (m_toolTip.GetSafeHwnd()) m_toolTip.RelayEvent(msg);
    return CStatic::PreTranslateMessage(msg);
}

void CLinkStatic::SetUnderline(BOOL underline) {
    m_underline = underline;
    if (!GetSafeHwnd()) return;
    BuildFont();
    Invalidate();
}

void CLinkStatic::SetAttribute(BOOL visited) {
    m_visited = visited;
    if (GetSafeHwnd()) Invalidate();
}

COLORREF CLinkStatic::TextColour() const {
    if (m_over) return m_hoverColour;
    return m_visited ? m_visitedColour : m_linkColour;
}

// The window's own font, underlined or not.
void CLinkStatic::BuildFont() {
    LOGFONT logFont{};
    if (CFont* font = GetFont(); font && font != &m_font) font->GetLogFont(&logFont);
    else if (m_font.GetSafeHandle()) m_font.GetLogFont(&logFont);
    logFont.lfUnderline = m_underline ? 1 : 0;
    CFont rebuilt;
    rebuilt.CreateFontIndirect(&logFont);
    m_font = std::move(rebuilt);
    SetFont(&m_font);
}

// Resized to its text, keeping the edge (or centre) that its alignment keeps.
void CLinkStatic::FitToText() {
    if (!m_adjustToFit) return;
    CString text;
    GetWindowText(text);
    CClientDC dc(this);
    CFont* previous = dc.SelectObject(&m_font);
    const CSize extent = dc.GetTextExtent(text);
    dc.SelectObject(previous);

    CRect rect;
    GetWindowRect(&rect);
    if (CWnd* parent = GetParent()) parent->ScreenToClient(&rect);
    const DWORD style = GetStyle();
    int top = rect.top;
    if (style & SS_CENTERIMAGE) top = rect.top + (rect.Height() - extent.cy) / 2;
    int left = rect.left;
    if ((style & SS_TYPEMASK) == SS_CENTER) left = rect.left + (rect.Width() - extent.cx) / 2;
    else if ((style & SS_TYPEMASK) == SS_RIGHT) left = rect.right - extent.cx;
    SetWindowPos(nullptr, left, top, extent.cx, extent.cy, SWP_NOZORDER | SWP_NOACTIVATE);
}

void CLinkStatic::OnPaint() {
    CPaintDC dc(this);
    CString text;
    GetWindowText(text);
    CRect client;
    GetClientRect(&client);
    dc.SelectObject(&m_font);
    dc.SetTextColor(TextColour());
    dc.SetBkMode(TRANSPARENT);
    const DWORD style = GetStyle();
    UINT format = DT_WORDBREAK;
    if ((style & SS_TYPEMASK) == SS_CENTER) format |= DT_CENTER;
    else if ((style & SS_TYPEMASK) == SS_RIGHT) format |= DT_RIGHT;
    if (style & SS_CENTERIMAGE) format = (format & ~DT_WORDBREAK) | DT_VCENTER | DT_SINGLELINE;
    if (style & SS_NOPREFIX) format |= DT_NOPREFIX;
    dc.DrawText(text, &client, format);
}

void CLinkStatic::OnMouseMove(UINT flags, CPoint point) {
    CStatic::OnMouseMove(flags, point);
    CRect client;
    GetClientRect(&client);
    if (!m_over) {
        m_over = TRUE;
        RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        SetCapture();
    } else if (!client.PtInRect(point)) {
        StopHover();
    }
}

void CLinkStatic::StopHover() {
    if (!m_over) return;
    m_over = FALSE;
    if (GetCapture() == this) ReleaseCapture();
    RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

BOOL CLinkStatic::OnSetCursor(CWnd* window, UINT hitTest, UINT message) {
    if (m_hand) {
        ::SetCursor(m_hand);
        return TRUE;
    }
    return CStatic::OnSetCursor(window, hitTest, message);
}

void CLinkStatic::OnClicked() {
    StopHover();
    const std::intptr_t result = OpenTarget(m_target);
    if (result > HINSTANCE_ERROR) {
        SetAttribute(TRUE);
        return;
    }
    CMsgBoxEx(OpenErrorText(static_cast<int>(result)), "", MB_ICONEXCLAMATION, 0);
}

std::intptr_t CLinkStatic::OpenTarget(const CString& target) {
    return ShellExecute(nullptr, "open", target, nullptr, nullptr, SW_SHOW);
}

CString CLinkStatic::OpenErrorText(int code) {
    CString reason;
    switch (code) {
    case 0: reason = "The operating system is out\nof memory or resources."; break;
    case 2: reason = "The specified file was not found."; break;
    case 3: reason = "The specified path was not found."; break;
    case 5: reason = "The operating system denied\naccess to the specified file."; break;
    case 8: reason = "There was not enough memory to complete the operation."; break;
    case 11: reason = "The .EXE file is invalid\n(non-Win32 .EXE or error in .EXE image)."; break;
    case 26: reason = "A sharing violation occurred. "; break;
    case 27: reason = "The filename association is\nincomplete or invalid."; break;
    case 28: reason = "The DDE transaction could not\nbe completed because the request timed out."; break;
    case 29: reason = "The DDE transaction failed."; break;
    case 30:
        reason = "The DDE transaction could not\nbe completed because other DDE transactions\nwere being processed.";
        break;
    case 31: reason = "There is no application associated\nwith the given filename extension."; break;
    case 32: reason = "The specified dynamic-link library was not found."; break;
    default: reason.Format("Unknown Error (%d) occurred.", code); break;
    }
    return "Unable to open hyperlink:\n\n" + reason;
}
