#include "ScrollBars.h"

#include <QAbstractScrollArea>
#include <QAbstractSlider>
#include <QCoreApplication>
#include <QEvent>
#include <QResizeEvent>
#include <QPointer>
#include <QScrollBar>
#include <QWheelEvent>
#include <algorithm>
#include <cstdint>

#include "qt/WidgetAccess.h"

namespace {

// What the window set for one bar, in the system's terms.
struct BarModel {
    int min = 0;
    int max = 0;
    UINT page = 0;
    int pos = 0;
    int trackPos = 0;
    bool shown = false;
    bool enabled = true;

    int LastPosition() const { return std::max(min, max - std::max(static_cast<int>(page) - 1, 0)); }
    bool CanScroll() const { return max > min && (page == 0 || static_cast<int>(page) <= max - min); }
};

UINT ScrollCode(int action) {
    switch (action) {
        case QAbstractSlider::SliderSingleStepAdd: return SB_LINEDOWN;
        case QAbstractSlider::SliderSingleStepSub: return SB_LINEUP;
        case QAbstractSlider::SliderPageStepAdd: return SB_PAGEDOWN;
        case QAbstractSlider::SliderPageStepSub: return SB_PAGEUP;
        case QAbstractSlider::SliderToMinimum: return SB_TOP;
        case QAbstractSlider::SliderToMaximum: return SB_BOTTOM;
        case QAbstractSlider::SliderMove: return SB_THUMBTRACK;
        default: return SB_ENDSCROLL;
    }
}

}  // namespace

// The bars are those of the scroll area every self-drawn window is built on; its viewport
// is the client area.
struct CWindowScrollBars::Impl : QObject {
    explicit Impl(CWnd* w) : window(w) {}

    CWnd* window;
    QPointer<QAbstractScrollArea> area;
    BarModel model[2];  // SB_HORZ, SB_VERT

    static bool ValidBar(int bar) { return bar == SB_HORZ || bar == SB_VERT; }

    QScrollBar* Bar(int bar) const {
        if (!area) return nullptr;
        return bar == SB_VERT ? area->verticalScrollBar() : area->horizontalScrollBar();
    }

    bool Ensure() {
        auto* current = qobject_cast<QAbstractScrollArea*>(TopWidgetOf(window));
        if (!current) return false;
        if (current == area) return true;
        area = current;
        for (int bar : {SB_HORZ, SB_VERT}) {
            QScrollBar* scrollBar = Bar(bar);
            scrollBar->setFocusPolicy(Qt::NoFocus);
            scrollBar->installEventFilter(this);
            QObject::connect(scrollBar, &QAbstractSlider::actionTriggered, this, [this, bar](int action) { OnAction(bar, action); });
            QObject::connect(scrollBar, &QAbstractSlider::sliderReleased, this, [this, bar] { OnReleased(bar); });
        }
        Apply(SB_HORZ);
        Apply(SB_VERT);
        return true;
    }

    void Apply(int bar) {
        QScrollBar* scrollBar = Bar(bar);
        if (!scrollBar) return;
        const BarModel& m = model[bar];
        {
            const QSignalBlocker block(scrollBar);
            scrollBar->setRange(m.min, m.LastPosition());
            scrollBar->setPageStep(std::max(1, static_cast<int>(m.page)));
            if (!scrollBar->isSliderDown()) scrollBar->setValue(m.pos);
            scrollBar->setEnabled(m.enabled);
        }
        const Qt::ScrollBarPolicy policy = m.shown ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff;
        if (bar == SB_VERT && area->verticalScrollBarPolicy() != policy) area->setVerticalScrollBarPolicy(policy);
        if (bar == SB_HORZ && area->horizontalScrollBarPolicy() != policy) area->setHorizontalScrollBarPolicy(policy);
    }

    void Send(int bar, UINT code, int pos) {
        window->SendMessage(bar == SB_VERT ? WM_VSCROLL : WM_HSCROLL,
                            MAKEWPARAM(code, static_cast<unsigned>(pos) & 0xFFFFu), 0);
    }

    // The bar asks; the window decides where it goes.
    void OnAction(int bar, int action) {
        const UINT code = ScrollCode(action);
        if (code == SB_THUMBTRACK) model[bar].trackPos = Bar(bar)->sliderPosition();
        Send(bar, code, model[bar].trackPos);
        if (QScrollBar* scrollBar = Bar(bar); scrollBar && code != SB_THUMBTRACK)
            scrollBar->setSliderPosition(model[bar].pos);
    }

    void OnReleased(int bar) {
        Send(bar, SB_THUMBPOSITION, model[bar].trackPos);
        Send(bar, SB_ENDSCROLL, 0);
    }

    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::Wheel) return false;
        // The wheel over a bar scrolls the window as the wheel over its content does.
        auto* wheel = static_cast<QWheelEvent*>(event);
        const QPoint global = wheel->globalPosition().toPoint();
        window->SendMessage(WM_MOUSEWHEEL,
                            MAKEWPARAM(0, static_cast<unsigned>(static_cast<std::uint16_t>(wheel->angleDelta().y()))),
                            MAKELPARAM(global.x(), global.y()));
        return true;
    }
};

CWindowScrollBars::CWindowScrollBars(CWnd* window) : m_impl(std::make_unique<Impl>(window)) {}

CWindowScrollBars::~CWindowScrollBars() = default;

BOOL CWindowScrollBars::SetScrollInfo(int bar, const SCROLLINFO* info, BOOL) {
    if (!Impl::ValidBar(bar) || !info) return FALSE;
    BarModel& m = m_impl->model[bar];
    if (info->fMask & SIF_RANGE) {
        m.min = info->nMin;
        m.max = info->nMax;
    }
    if (info->fMask & SIF_PAGE) m.page = info->nPage;
    if (info->fMask & SIF_POS) m.pos = info->nPos;
    m.pos = std::clamp(m.pos, m.min, m.LastPosition());
    if (info->fMask & (SIF_RANGE | SIF_PAGE)) {
        const bool canScroll = m.CanScroll();
        m.enabled = canScroll;
        m.shown = canScroll || (info->fMask & SIF_DISABLENOSCROLL);
    }
    if (m_impl->Ensure()) m_impl->Apply(bar);
    return TRUE;
}

BOOL CWindowScrollBars::GetScrollInfo(int bar, SCROLLINFO* info, UINT mask) const {
    if (!Impl::ValidBar(bar) || !info) return FALSE;
    const BarModel& m = m_impl->model[bar];
    info->fMask = mask;
    if (mask & SIF_RANGE) {
        info->nMin = m.min;
        info->nMax = m.max;
    }
    if (mask & SIF_PAGE) info->nPage = m.page;
    if (mask & SIF_POS) info->nPos = m.pos;
    if (mask & SIF_TRACKPOS) {
        const QScrollBar* scrollBar = m_impl->Bar(bar);
        info->nTrackPos = scrollBar && scrollBar->isSliderDown() ? m.trackPos : m.pos;
    }
    return TRUE;
}

int CWindowScrollBars::GetScrollPos(int bar) const { return Impl::ValidBar(bar) ? m_impl->model[bar].pos : 0; }

int CWindowScrollBars::SetScrollPos(int bar, int pos, BOOL redraw) {
    const int previous = GetScrollPos(bar);
    SCROLLINFO info;
    info.fMask = SIF_POS;
    info.nPos = pos;
    SetScrollInfo(bar, &info, redraw);
    return previous;
}

void CWindowScrollBars::ShowScrollBar(int bar, BOOL show) {
    for (int b : {SB_HORZ, SB_VERT}) {
        if (bar != b && bar != SB_BOTH) continue;
        m_impl->model[b].shown = show != FALSE;
        if (m_impl->Ensure()) m_impl->Apply(b);
    }
}

void CWindowScrollBars::UpdateClientArea() {
    if (!m_impl->Ensure() || m_impl->area->isVisible()) return;
    // A hidden scroll area lays out its viewport and bars only when shown; until then the
    // client area would keep its first size.
    QResizeEvent resize(m_impl->area->size(), m_impl->area->size());
    QCoreApplication::sendEvent(m_impl->area, &resize);
}

BOOL CWindowScrollBars::IsScrollBarVisible(int bar) const { return Impl::ValidBar(bar) && m_impl->model[bar].shown; }

BOOL CWindowScrollBars::IsScrollBarEnabled(int bar) const {
    return Impl::ValidBar(bar) && m_impl->model[bar].shown && m_impl->model[bar].enabled;
}
