#include "ControlBars.h"

#include <QAction>
#include <QLabel>
#include <QMainWindow>
#include <QPainter>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

#include "CommandRouting.h"
#include "FrameWnd.h"
#include "Resources.h"
#include "qt/GdiAccess.h"
#include "qt/MenuData.h"
#include "qt/WidgetAccess.h"

IMPLEMENT_DYNAMIC(CControlBar, CWnd)
IMPLEMENT_DYNAMIC(CToolBar, CControlBar)
IMPLEMENT_DYNAMIC(CStatusBar, CControlBar)

namespace {

constexpr DWORD kBarStyleBits = 0x0040FFFF;  // CBRS_... bits kept apart from the window style
UINT CommandOf(const QAction* action) { return CommandOfAction(action); }

// The toolbar; when the mouse leaves it, the status bar goes back to its idle text.
class ToolBarWidget : public QToolBar {
public:
    using QToolBar::QToolBar;
    std::vector<QAction*> items;  // one per button or gap, in order

protected:
    void leaveEvent(QEvent* event) override {
        QToolBar::leaveEvent(event);
        auto* bar = dynamic_cast<CControlBar*>(WndOfWidget(this));
        if (CFrameWnd* frame = bar ? bar->GetDockingFrame() : nullptr; frame && (bar->GetBarStyle() & CBRS_FLYBY))
            frame->SetMessageText(AFX_IDS_IDLEMESSAGE);
    }
};

struct Pane {
    UINT id = ID_SEPARATOR;
    UINT style = SBPS_NORMAL;
    CString text;
    QLabel* label = nullptr;
};

class StatusBarWidget : public QStatusBar {
public:
    using QStatusBar::QStatusBar;
    std::vector<Pane> panes;
};

ToolBarWidget* ToolBarOf(const CWnd* wnd) { return dynamic_cast<ToolBarWidget*>(TopWidgetOf(wnd)); }
StatusBarWidget* StatusBarOf(const CWnd* wnd) { return dynamic_cast<StatusBarWidget*>(TopWidgetOf(wnd)); }

QAction* ItemAt(const CWnd* wnd, int index) {
    ToolBarWidget* bar = ToolBarOf(wnd);
    return bar && index >= 0 && index < static_cast<int>(bar->items.size()) ? bar->items[static_cast<size_t>(index)]
                                                                              : nullptr;
}

// An image for a button that has none: a tile of its own colour with its number.
QPixmap PlaceholderImage(QSize size, int number) {
    static const QColor kColours[] = {QColor(70, 130, 180), QColor(46, 139, 87), QColor(205, 133, 63),
                                      QColor(147, 112, 219), QColor(178, 34, 34), QColor(95, 158, 160)};
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kColours[number % std::size(kColours)]);
    painter.drawRoundedRect(QRectF(1, 1, size.width() - 2, size.height() - 2), 4, 4);
    painter.setPen(Qt::white);
    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(std::max(8, size.height() / 2));
    painter.setFont(font);
    painter.drawText(pixmap.rect(), Qt::AlignCenter, QString::number(number + 1));
    return pixmap;
}

Qt::ToolBarArea AreaOf(DWORD barStyle) {
    if (barStyle & CBRS_ALIGN_BOTTOM) return Qt::BottomToolBarArea;
    if (barStyle & CBRS_ALIGN_LEFT) return Qt::LeftToolBarArea;
    if (barStyle & CBRS_ALIGN_RIGHT) return Qt::RightToolBarArea;
    return Qt::TopToolBarArea;
}

Qt::ToolBarAreas AreasOf(DWORD dockStyle) {
    Qt::ToolBarAreas areas;
    if (dockStyle & CBRS_ALIGN_TOP) areas |= Qt::TopToolBarArea;
    if (dockStyle & CBRS_ALIGN_BOTTOM) areas |= Qt::BottomToolBarArea;
    if (dockStyle & CBRS_ALIGN_LEFT) areas |= Qt::LeftToolBarArea;
    if (dockStyle & CBRS_ALIGN_RIGHT) areas |= Qt::RightToolBarArea;
    return areas;
}

// The state a button is asked to take.
class ToolCmdUI : public CCmdUI {
public:
    explicit ToolCmdUI(QAction* action) : m_action(action) { m_nID = CommandOf(action); }
    void Enable(BOOL on) override {
        CCmdUI::Enable(on);
        m_action->setEnabled(on);
    }
    void SetCheck(int check) override {
        CCmdUI::SetCheck(check);
        m_action->setCheckable(true);
        m_action->setChecked(check != 0);
    }

private:
    QAction* m_action;
};

// The state a status bar pane is asked to take: disabled panes show no text.
class StatusCmdUI : public CCmdUI {
public:
    StatusCmdUI(CStatusBar& bar, int index) : m_bar(bar), m_index(index) { m_nID = bar.GetItemID(index); }
    void Enable(BOOL on) override {
        CCmdUI::Enable(on);
        UINT id = 0;
        UINT style = 0;
        int width = 0;
        m_bar.GetPaneInfo(m_index, id, style, width);
        m_bar.SetPaneInfo(m_index, id, on ? (style & ~SBPS_DISABLED) : (style | SBPS_DISABLED), width);
    }
    void SetText(LPCTSTR text) override {
        CCmdUI::SetText(text);
        m_bar.SetPaneText(m_index, text);
    }

private:
    CStatusBar& m_bar;
    int m_index;
};

CString DefaultIndicatorText(UINT id) {
    switch (id) {
    case ID_INDICATOR_EXT: return "EXT";
    case ID_INDICATOR_CAPS: return "CAP";
    case ID_INDICATOR_NUM: return "NUM";
    case ID_INDICATOR_SCRL: return "SCRL";
    case ID_INDICATOR_OVR: return "OVR";
    case ID_INDICATOR_REC: return "REC";
    default: return {};
    }
}

void ShowPane(const Pane& pane) {
    const QString text = (pane.style & SBPS_DISABLED) ? QString() : ToQString(pane.text);
    if (pane.label->text() != text) pane.label->setText(text);
}

}  // namespace

// ---- CControlBar ----------------------------------------------------------------------

BOOL CControlBar::CreateBar(CWnd* parent, QWidget* widget, const char* className, DWORD style, UINT id) {
    m_dwStyle = style & kBarStyleBits;
    const DWORD windowStyle = (style & ~kBarStyleBits) | WS_CHILD;
    if (!CreateWindowOnWidget(this, widget, widget, className, windowStyle, 0, id)) return FALSE;
    widget->setVisible(style & WS_VISIBLE);
    if (auto* frame = dynamic_cast<CFrameWnd*>(parent)) frame->AddControlBar(this);
    return TRUE;
}

void CControlBar::SetBarStyle(DWORD style) { m_dwStyle = style & kBarStyleBits; }

void CControlBar::EnableDocking(DWORD dockStyle) {
    if (auto* bar = qobject_cast<QToolBar*>(TopWidgetOf(this))) {
        bar->setAllowedAreas(AreasOf(dockStyle));
        bar->setMovable(dockStyle != 0);
        bar->setFloatable(dockStyle != 0);
    }
}

CFrameWnd* CControlBar::GetDockingFrame() const { return GetParentFrameOf(this); }

void CControlBar::OnDestroy() {
    if (CFrameWnd* frame = GetDockingFrame()) frame->RemoveControlBar(this);
    CWnd::OnDestroy();
}

void CControlBar::PostNcDestroy() {
    if (m_bAutoDelete) delete this;
}

// ---- CToolBar -------------------------------------------------------------------------

BOOL CToolBar::Create(CWnd* parent, DWORD style, UINT id) { return CreateEx(parent, TBSTYLE_FLAT, style, {}, id); }

BOOL CToolBar::CreateEx(CWnd* parent, DWORD, DWORD style, CRect, UINT id) {
    auto* window = qobject_cast<QMainWindow*>(TopWidgetOf(parent));
    if (!window || GetSafeHwnd()) return FALSE;
    auto* bar = new ToolBarWidget(window);
    bar->setMovable(false);
    bar->setFloatable(false);
    window->addToolBar(AreaOf(style), bar);
    return CreateBar(parent, bar, "ToolbarWindow32", style, id);
}

BOOL CToolBar::LoadToolBar(UINT id) {
    const ToolBarTemplate* toolBar = FindToolBar(id);
    return toolBar ? MakeButtons(toolBar->buttons, toolBar->buttonSize, id) : FALSE;
}

BOOL CToolBar::SetButtons(const UINT* ids, int count) {
    if (!ids || count < 0) return FALSE;
    return MakeButtons(std::vector<UINT>(ids, ids + count), CSize(16, 15), 0);
}

BOOL CToolBar::MakeButtons(const std::vector<UINT>& ids, CSize imageSize, UINT bitmapId) {
    ToolBarWidget* bar = ToolBarOf(this);
    if (!bar) return FALSE;
    bar->clear();
    bar->items.clear();
    const QSize size(imageSize.cx, imageSize.cy);
    bar->setIconSize(size);
    const QPixmap strip = bitmapId ? LoadResourcePixmap("bitmaps", bitmapId) : QPixmap();
    int image = 0;
    for (const UINT id : ids) {
        if (id == ID_SEPARATOR) {
            bar->items.push_back(bar->addSeparator());
            continue;
        }
        const bool inStrip = strip.width() >= (image + 1) * size.width() && strip.height() >= size.height();
        const QPixmap picture = inStrip ? strip.copy(image * size.width(), 0, size.width(), size.height())
                                        : PlaceholderImage(size, image);
        ++image;
        QAction* action = bar->addAction(QIcon(picture), QString());
        SetActionCommand(action, id);
        if (m_dwStyle & CBRS_TOOLTIPS) action->setToolTip(ToQString(CommandToolTip(id)));
        // The click goes to the frame as the command; the hover shows the prompt.
        QObject::connect(action, &QAction::triggered, bar, [bar, id] {
            auto* toolBar = dynamic_cast<CToolBar*>(WndOfWidget(bar));
            if (CWnd* owner = toolBar ? toolBar->GetOwner() : nullptr)
                owner->SendMessage(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(toolBar));
        });
        QObject::connect(action, &QAction::hovered, bar, [bar, id] {
            auto* toolBar = dynamic_cast<CToolBar*>(WndOfWidget(bar));
            if (CFrameWnd* frame = toolBar ? toolBar->GetDockingFrame() : nullptr;
                frame && (toolBar->GetBarStyle() & CBRS_FLYBY))
                frame->SetMessageText(id);
        });
        bar->items.push_back(action);
    }
    return TRUE;
}

int CToolBar::GetCount() const {
    const ToolBarWidget* bar = ToolBarOf(this);
    return bar ? static_cast<int>(bar->items.size()) : 0;
}

UINT CToolBar::GetItemID(int index) const { return CommandOf(ItemAt(this, index)); }

int CToolBar::CommandToIndex(UINT id) const {
    for (int i = 0; i < GetCount(); ++i)
        if (id != ID_SEPARATOR && GetItemID(i) == id) return i;
    return -1;
}

void CToolBar::GetItemRect(int index, LPRECT rect) const {
    if (!rect) return;
    QAction* action = ItemAt(this, index);
    QWidget* button = action ? ToolBarOf(this)->widgetForAction(action) : nullptr;
    const QRect area = button ? button->geometry() : QRect();
    *rect = CRect(area.left(), area.top(), area.left() + area.width(), area.top() + area.height());
}

CString CToolBar::GetButtonToolTip(int index) const {
    QAction* action = ItemAt(this, index);
    QWidget* button = action ? ToolBarOf(this)->widgetForAction(action) : nullptr;
    return button ? FromQString(button->toolTip()) : CString();
}

BOOL CToolBar::IsButtonEnabled(int index) const {
    const QAction* action = ItemAt(this, index);
    return action && !action->isSeparator() && action->isEnabled();
}

void CToolBar::OnUpdateCmdUI(CFrameWnd* target, BOOL disableIfNoHandler) {
    ToolBarWidget* bar = ToolBarOf(this);
    if (!bar || !target) return;
    for (QAction* action : bar->items) {
        if (action->isSeparator()) continue;
        ToolCmdUI ui(action);
        UpdateCommandUI(*target, ui, disableIfNoHandler);
    }
}

BOOL CToolBar::PressButton(int index) {
    QAction* action = ItemAt(this, index);
    if (!IsButtonEnabled(index)) return FALSE;
    action->trigger();
    return TRUE;
}

void CToolBar::HoverButton(int index) {
    if (QAction* action = ItemAt(this, index); action && !action->isSeparator()) action->hover();
}

// ---- CStatusBar -----------------------------------------------------------------------

BOOL CStatusBar::Create(CWnd* parent, DWORD style, UINT id) {
    auto* window = qobject_cast<QMainWindow*>(TopWidgetOf(parent));
    if (!window || GetSafeHwnd()) return FALSE;
    auto* bar = new StatusBarWidget(window);
    bar->setSizeGripEnabled(true);
    window->setStatusBar(bar);
    return CreateBar(parent, bar, "msctls_statusbar32", style, id);
}

BOOL CStatusBar::SetIndicators(const UINT* ids, int count) {
    StatusBarWidget* bar = StatusBarOf(this);
    if (!bar || !ids || count < 0) return FALSE;
    for (Pane& pane : bar->panes) delete pane.label;
    bar->panes.clear();
    for (int i = 0; i < count; ++i) {
        Pane pane;
        pane.id = ids[i];
        pane.label = new QLabel(bar);
        if (pane.id == ID_SEPARATOR) {
            pane.style = SBPS_NOBORDERS | SBPS_STRETCH;
            pane.text = LoadStringResource(AFX_IDS_IDLEMESSAGE);
            bar->addWidget(pane.label, 1);
        } else {
            if (!LoadStringResource(pane.id, pane.text)) pane.text = DefaultIndicatorText(pane.id);
            pane.label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
            pane.label->setAlignment(Qt::AlignCenter);
            pane.label->setFixedWidth(pane.label->fontMetrics().horizontalAdvance(ToQString(pane.text)) + 12);
            bar->addPermanentWidget(pane.label);
        }
        ShowPane(pane);
        bar->panes.push_back(pane);
    }
    return TRUE;
}

int CStatusBar::GetCount() const {
    const StatusBarWidget* bar = StatusBarOf(this);
    return bar ? static_cast<int>(bar->panes.size()) : 0;
}

UINT CStatusBar::GetItemID(int index) const {
    const StatusBarWidget* bar = StatusBarOf(this);
    return bar && index >= 0 && index < GetCount() ? bar->panes[static_cast<size_t>(index)].id : 0;
}

int CStatusBar::CommandToIndex(UINT id) const {
    for (int i = 0; i < GetCount(); ++i)
        if (GetItemID(i) == id) return i;
    return -1;
}

BOOL CStatusBar::SetPaneText(int index, LPCTSTR text, BOOL) {
    StatusBarWidget* bar = StatusBarOf(this);
    if (!bar || index < 0 || index >= GetCount()) return FALSE;
    Pane& pane = bar->panes[static_cast<size_t>(index)];
    pane.text = text ? text : "";
    ShowPane(pane);
    return TRUE;
}

CString CStatusBar::GetPaneText(int index) const {
    const StatusBarWidget* bar = StatusBarOf(this);
    return bar && index >= 0 && index < GetCount() ? bar->panes[static_cast<size_t>(index)].text : CString();
}

CString CStatusBar::GetShownPaneText(int index) const {
    const StatusBarWidget* bar = StatusBarOf(this);
    return bar && index >= 0 && index < GetCount() ? FromQString(bar->panes[static_cast<size_t>(index)].label->text())
                                                   : CString();
}

void CStatusBar::GetPaneInfo(int index, UINT& id, UINT& style, int& width) const {
    id = style = 0;
    width = 0;
    const StatusBarWidget* bar = StatusBarOf(this);
    if (!bar || index < 0 || index >= GetCount()) return;
    const Pane& pane = bar->panes[static_cast<size_t>(index)];
    id = pane.id;
    style = pane.style;
    width = pane.label->minimumWidth();
}

void CStatusBar::SetPaneInfo(int index, UINT id, UINT style, int width) {
    StatusBarWidget* bar = StatusBarOf(this);
    if (!bar || index < 0 || index >= GetCount()) return;
    Pane& pane = bar->panes[static_cast<size_t>(index)];
    pane.id = id;
    pane.style = style;
    if (!(style & SBPS_STRETCH) && width > 0) pane.label->setFixedWidth(width);
    ShowPane(pane);
}

void CStatusBar::OnUpdateCmdUI(CFrameWnd* target, BOOL) {
    if (!target) return;
    // Panes are asked only; one without a handler keeps its state.
    for (int i = 0; i < GetCount(); ++i) {
        if (GetItemID(i) == ID_SEPARATOR) continue;
        StatusCmdUI ui(*this, i);
        UpdateCommandUI(*target, ui, FALSE);
    }
}
