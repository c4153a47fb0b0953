#include "controls/SplitterBar.h"

#include <algorithm>

#include "controls/DialogHelpers.h"
#include "platform/DC.h"
#include "platform/SystemInfo.h"

IMPLEMENT_DYNAMIC(CSplitterBar, CStatic)

namespace {

constexpr COLORREF kLineColour = RGB(200, 200, 200);
constexpr COLORREF kFillColour = RGB(200, 220, 220);

}  // namespace

BOOL CSplitterBar::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    m_orientation = rect.Width() < rect.Height() ? kVertical : kHorizontal;
    CRect bar = rect;
    if (m_orientation == kVertical)
        bar.right = bar.left + kThickness;
    else
        bar.bottom = bar.top + kThickness;
    // A window of no standard class draws itself (OnPaint).
    if (!CWnd::Create(nullptr, "", style | SS_NOTIFY, bar, parent, id)) return FALSE;
    SetRange(0, 0, -1);
    return TRUE;
}

void CSplitterBar::SetRange(int below, int above, int centre) {
    m_rangeBelow = below;
    m_rangeAbove = above;
    m_rangeCentre = centre;
}

int CSplitterBar::AxisOf(CPoint clientPoint) const {
    ClientToScreen(&clientPoint);
    return m_orientation == kVertical ? clientPoint.x : clientPoint.y;
}

int CSplitterBar::Clamped(int position) const {
    if (m_rangeHigh < m_rangeLow) return position;
    return std::clamp(position, m_rangeLow, m_rangeHigh);
}

void CSplitterBar::ChangePos(CWnd* window, int dx, int dy) {
    if (!window) return;
    CRect rect = WindowRectInParent(*window);
    rect.OffsetRect(-dx, dy);
    window->MoveWindow(&rect);
}

void CSplitterBar::ChangeWidth(CWnd* window, int dx, int side) {
    if (!window) return;
    CRect rect = WindowRectInParent(*window);
    if (side == 1)
        rect.right += dx;
    else if (side == 2)
        rect.left -= dx;
    window->MoveWindow(&rect);
}

void CSplitterBar::DrawTrackLine(int position) {
    CRect bar;
    GetWindowRect(&bar);
    CClientDC screen(nullptr);
    CPen pen(PS_SOLID, 1, kLineColour);
    CPen* const oldPen = screen.SelectObject(&pen);
    const int oldMode = screen.SetROP2(R2_NOTXORPEN);
    for (const int line : {position - 1, position + 1}) {
        if (m_orientation == kVertical) {
            screen.MoveTo(line, bar.top);
            screen.LineTo(line, bar.bottom);
        } else {
            screen.MoveTo(bar.left, line);
            screen.LineTo(bar.right, line);
        }
    }
    screen.SetROP2(oldMode);
    if (oldPen) screen.SelectObject(oldPen);
}

void CSplitterBar::OnPaint() {
    CPaintDC dc(this);
    CRect rect;
    GetClientRect(&rect);
    dc.Draw3dRect(&rect, GetSysColor(COLOR_3DHIGHLIGHT), GetSysColor(COLOR_3DSHADOW));
    rect.DeflateRect(1, 1);
    CPen pen(PS_SOLID, 1, kLineColour);
    CBrush brush(kFillColour);
    CPen* const oldPen = dc.SelectObject(&pen);
    CBrush* const oldBrush = dc.SelectObject(&brush);
    dc.Rectangle(rect);
    if (oldPen) dc.SelectObject(oldPen);
    if (oldBrush) dc.SelectObject(oldBrush);
}

BOOL CSplitterBar::OnSetCursor(CWnd* window, UINT hitTest, UINT message) {
    if (hitTest != HTCLIENT) return CStatic::OnSetCursor(window, hitTest, message);
    static const HCURSOR across = LoadCursor(nullptr, IDC_SIZEWE);
    static const HCURSOR upDown = LoadCursor(nullptr, IDC_SIZENS);
    SetCursor(m_orientation == kVertical ? across : upDown);
    return TRUE;
}

void CSplitterBar::OnLButtonDown(UINT flags, CPoint point) {
    CStatic::OnLButtonDown(flags, point);
    m_dragging = TRUE;
    SetCapture();
    CRect rect;
    GetWindowRect(&rect);
    m_trackX = (rect.left + rect.right) / 2;
    m_trackY = (rect.top + rect.bottom) / 2;
    m_dragStart = m_orientation == kVertical ? m_trackX : m_trackY;
    // Taken now, from where the bar stands: the parent may have laid it out, moved or
    // resized since the range was set.
    const int centre = m_rangeCentre < 0 ? m_dragStart : m_rangeCentre;
    m_rangeLow = centre - m_rangeBelow;
    m_rangeHigh = centre + m_rangeAbove;
    DrawTrackLine(m_dragStart);
}

void CSplitterBar::OnMouseMove(UINT flags, CPoint point) {
    CStatic::OnMouseMove(flags, point);
    if (!m_dragging) return;
    int& track = m_orientation == kVertical ? m_trackX : m_trackY;
    DrawTrackLine(track);
    track = Clamped(AxisOf(point));
    DrawTrackLine(track);
}

void CSplitterBar::OnLButtonUp(UINT flags, CPoint point) {
    CStatic::OnLButtonUp(flags, point);
    if (!m_dragging) return;
    int& track = m_orientation == kVertical ? m_trackX : m_trackY;
    DrawTrackLine(track);
    m_dragging = FALSE;
    const int delta = track - m_dragStart;
    // The bar moves so that its centre line lies where it was dropped.
    CRect rect = WindowRectInParent(*this);
    if (m_orientation == kVertical)
        rect.OffsetRect(delta, 0);
    else
        rect.OffsetRect(0, delta);
    MoveWindow(&rect);
    NM_SPLITTERBAR notify;
    notify.hdr.hwndFrom = this;
    notify.hdr.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID());
    notify.hdr.code = NM_SPLITTERBAR_MOVED;
    notify.delta = delta;
    if (CWnd* owner = GetOwner())
        owner->SendMessage(WM_NOTIFY, notify.hdr.idFrom, reinterpret_cast<LPARAM>(&notify));
    ReleaseCapture();
}
