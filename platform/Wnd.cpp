#include "Wnd.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPointer>
#include <QScreen>
#include <QThread>
#include <QTimerEvent>
#include <QWheelEvent>
#include <QWindow>
#include <algorithm>
#include <utility>
#include <vector>

#include "qt/ControlWidgets.h"
#include "qt/GdiAccess.h"
#include "qt/IconAccess.h"
#include "qt/TextInput.h"
#include "qt/WidgetAccess.h"
#include "qt/WidgetFactory.h"
#include "qt/WindowState.h"

IMPLEMENT_DYNCREATE(CWnd, CCmdTarget)

namespace {

const char* const kStateProperty = "quorin_window";

std::vector<CurrentMessage*> g_currentMessages;
QObject* g_inputReceiver = nullptr;
QWidget* g_bypassWidget = nullptr;  // a synthesized event goes to the widget untouched
QWidget* g_cursorWidget = nullptr;
QPointer<QWidget> g_captureWidget;
Qt::KeyboardModifiers g_modifiers;
CWnd* g_mainWnd = nullptr;
bool g_holdPostedMessages = false;  // while a window is let onto the screen outside the message loop

// A message posted to a window, delivered from the event queue.
class PostedMessageEvent : public QEvent {
public:
    static QEvent::Type EventType() {
        static const int type = QEvent::registerEventType();
        return static_cast<QEvent::Type>(type);
    }
    PostedMessageEvent(UINT m, WPARAM w, LPARAM l) : QEvent(EventType()), message(m), wParam(w), lParam(l) {}
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

}  // namespace

WindowState* StateOf(const CWnd* wnd) {
    QWidget* w = wnd ? WndAccess::Widget(wnd) : nullptr;
    return w ? WindowState::Of(w) : nullptr;
}

CWnd* PrimaryOf(QWidget* widget) {
    WindowState* state = widget ? WindowState::Of(widget) : nullptr;
    return state ? state->Primary() : nullptr;
}

namespace {

// A child window's widget: a layer-made, living, non-top-level widget directly in `client`.
bool IsChildWindow(QObject* object, const QWidget* client) {
    if (!object->isWidgetType()) return false;
    auto* w = static_cast<QWidget*>(object);
    if (w->isWindow() || w->parentWidget() != client) return false;
    const WindowState* state = WindowState::Of(w);
    return state && state->widget == w && !state->dying;
}

std::vector<QWidget*> ChildWindows(const QWidget* client) {
    std::vector<QWidget*> result;
    if (!client) return result;
    for (QObject* o : client->children())
        if (IsChildWindow(o, client)) result.push_back(static_cast<QWidget*>(o));
    return result;
}

CPoint ToCPoint(const QPoint& p) { return {p.x(), p.y()}; }
QRect ToQRect(const CRect& r) { return QRect(r.left, r.top, r.Width(), r.Height()); }
CRect ToCRect(const QRect& r) { return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()}; }

void SetCaptureWidget(QWidget* widget) {
    QWidget* old = g_captureWidget;
    if (old == widget) return;
    if (old) old->releaseMouse();
    g_captureWidget = widget;
    if (widget) widget->grabMouse();
    if (CWnd* oldWnd = PrimaryOf(old)) DeliverMessage(oldWnd, WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(PrimaryOf(widget)), false);
}

// A key or mouse event made from a message sent by code, delivered to the widget itself.
void SendSynthesized(QWidget* target, QEvent* event) {
    QWidget* saved = g_bypassWidget;
    g_bypassWidget = target;
    QCoreApplication::sendEvent(target, event);
    g_bypassWidget = saved;
}

}  // namespace

// ---------------------------------------------------------------------------------------
// The window record

WindowState::WindowState(QWidget* w, QWidget* c, WindowKind k, std::string cls, DWORD s, DWORD ex, int i)
    : QObject(w), widget(w), client(c ? c : w), kind(k), className(std::move(cls)), style(s), exStyle(ex), id(i) {
    Watch(widget);
    if (client != widget) Watch(client);
    // Keys and the focus go to the focus proxy of a composite control (the date field of a picker).
    // A part whose proxy is the control around it (the edit field of a combo box) leaves the
    // control's record alone.
    if (QWidget* proxy = w->focusProxy(); proxy && proxy != client && w->isAncestorOf(proxy)) Watch(proxy);
    if (auto* area = qobject_cast<QAbstractScrollArea*>(w); area && area->viewport() != client)
        Watch(area->viewport());
}

WindowState::~WindowState() {
    dying = true;
    if (wrapper) WndAccess::SetWidget(wrapper, nullptr);
    if (temporary) {
        WndAccess::SetWidget(temporary.get(), nullptr);
        temporary.reset();
    }
    if (g_captureWidget == widget || g_captureWidget == client) g_captureWidget = nullptr;
}

void WindowState::Watch(QWidget* w) {
    w->setProperty(kStateProperty, QVariant::fromValue(static_cast<void*>(this)));
    w->installEventFilter(this);
    w->setMouseTracking(true);
}

WindowState* WindowState::Of(const QWidget* w) {
    if (!w) return nullptr;
    const QVariant v = w->property(kStateProperty);
    return v.isValid() ? static_cast<WindowState*>(v.value<void*>()) : nullptr;
}

WindowState* WindowState::Find(const QWidget* w) {
    for (; w != nullptr; w = w->parentWidget())
        if (WindowState* state = Of(w)) return state;
    return nullptr;
}

CWnd* WindowState::Primary() {
    if (dying) return nullptr;
    if (wrapper) return wrapper;
    if (!temporary) {
        temporary = MakeTemporaryWrapper(*this);
        WndAccess::SetWidget(temporary.get(), widget);
    }
    return temporary.get();
}

CWnd* WindowState::KeyboardWindow() {
    if (kind == WindowKind::ComboBox) {
        auto* combo = qobject_cast<QComboBox*>(widget.data());
        QLineEdit* edit = combo ? combo->lineEdit() : nullptr;
        if (WindowState* part = Of(edit); part && part != this && !part->dying) return part->Primary();
    }
    return Primary();
}

std::vector<WindowState*> WindowState::Descendants() const {
    std::vector<WindowState*> found;
    for (QWidget* child : widget->findChildren<QWidget*>())
        if (WindowState* state = Of(child); state && state->widget == child) found.push_back(state);
    return found;
}

void WindowState::MarkDying() {
    dying = true;
    for (WindowState* child : Descendants()) child->dying = true;
}

QuietChanges::QuietChanges(const CWnd* wnd) : m_state(StateOf(wnd)) {
    if (m_state) ++m_state->quiet;
}

QuietChanges::~QuietChanges() {
    if (m_state) --m_state->quiet;
}

QWidget* SizeWidgetOf(const WindowState* state) {
    if (auto* area = qobject_cast<QAbstractScrollArea*>(state->widget.data())) return area->viewport();
    return state->client;
}

namespace {
CWnd* NotificationTarget(WindowState& state) {
    QWidget* target = state.owner ? state.owner.data() : state.widget->parentWidget();
    WindowState* targetState = WindowState::Find(target);
    return targetState ? targetState->Primary() : nullptr;
}

// Before a dialog, or a static, picture or group box of one, paints: the dialog's colour
// handler may give a background brush and, for a control, the colours of its text.
void PaintControlColours(WindowState& state, CWnd* wnd, const QRect& rect) {
    const bool dialog = state.kind == WindowKind::Dialog;
    WindowState* askedState = dialog ? &state : WindowState::Find(state.widget->parentWidget());
    CWnd* asked = askedState ? askedState->Primary() : nullptr;
    if (!asked) return;
    CDC dc;
    const LRESULT answer = asked->SendMessage(dialog ? WM_CTLCOLORDLG : WM_CTLCOLORSTATIC,
                                              reinterpret_cast<WPARAM>(&dc), reinterpret_cast<LPARAM>(wnd));
    QWidget* w = state.client;
    QBrush brush;
    const bool coloured = QBrushOfHandle(reinterpret_cast<HBRUSH>(answer), &brush);
    // The text in the handler's colour, or back in its parent's once the handler stops
    // colouring it; the same colours set again change nothing and repaint nothing.
    constexpr const char* kColouredText = "quorinColouredText";
    if (!dialog && (coloured || w->property(kColouredText).toBool())) {
        QPalette palette = w->palette();
        const QWidget* parent = w->parentWidget();
        if (coloured)
            palette.setColor(QPalette::WindowText, ToQColor(dc.GetTextColor()));
        else if (parent)
            palette.setColor(QPalette::WindowText, parent->palette().color(QPalette::WindowText));
        w->setPalette(palette);
        w->setProperty(kColouredText, coloured);
    }
    if (!coloured) return;
    QPainter painter(w);
    painter.fillRect(rect, brush);
    if (dialog) return;
    auto* label = qobject_cast<QLabel*>(w);
    if (!label || label->text().isEmpty() || dc.GetBkMode() != OPAQUE) return;
    const int flags = static_cast<int>(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
    painter.fillRect(label->fontMetrics().boundingRect(label->contentsRect(), flags, label->text()),
                     ToQColor(dc.GetBkColor()));
}
}  // namespace

void WindowState::NotifyCommand(int code) {
    CWnd* self = Primary();
    if (!self) return;
    const WPARAM wParam = MAKEWPARAM(static_cast<unsigned>(id), static_cast<unsigned>(code));
    const LPARAM lParam = reinterpret_cast<LPARAM>(self);
    if (CWnd* target = NotificationTarget(*this)) {
        target->SendMessage(WM_COMMAND, wParam, lParam);
    } else {
        LRESULT result = 0;
        WndAccess::ChildNotify(self, WM_COMMAND, wParam, lParam, &result);
    }
}

LRESULT WindowState::NotifyParent(NMHDR& header, int code) {
    CWnd* self = Primary();
    if (!self) return 0;
    header.hwndFrom = self;
    header.idFrom = static_cast<UINT_PTR>(id);
    header.code = code;
    if (CWnd* target = NotificationTarget(*this))
        return target->SendMessage(WM_NOTIFY, header.idFrom, reinterpret_cast<LPARAM>(&header));
    LRESULT result = 0;
    WndAccess::ChildNotify(self, WM_NOTIFY, header.idFrom, reinterpret_cast<LPARAM>(&header), &result);
    return result;
}

void WindowState::timerEvent(QTimerEvent* event) {
    const auto found = timerIds.find(event->timerId());
    if (found == timerIds.end() || dying) return;
    const UINT_PTR timerId = found->second;
    if (const auto proc = timerProcs.find(timerId); proc != timerProcs.end() && proc->second) {
        proc->second(Primary(), WM_TIMER, timerId, 0);
        return;
    }
    if (CWnd* wnd = Primary()) DeliverMessage(wnd, WM_TIMER, timerId, 0, false);
}

bool WindowState::event(QEvent* event) {
    if (event->type() == PostedMessageEvent::EventType()) {
        auto* posted = static_cast<PostedMessageEvent*>(event);
        if (g_holdPostedMessages) {  // for the message loop, when it runs again
            QCoreApplication::postEvent(this, new PostedMessageEvent(posted->message, posted->wParam, posted->lParam));
            return true;
        }
        if (CWnd* wnd = Primary()) DeliverMessage(wnd, posted->message, posted->wParam, posted->lParam, false);
        return true;
    }
    return QObject::event(event);
}

bool WindowState::eventFilter(QObject* watched, QEvent* event) {
    if (dying || !watched->isWidgetType()) return false;
    auto* w = static_cast<QWidget*>(watched);
    switch (event->type()) {
    case QEvent::Paint: {
        if (w != client) return false;
        CWnd* wnd = Primary();
        if (!wnd) return false;
        painting = true;
        paintRect = static_cast<QPaintEvent*>(event)->rect();
        if (kind == WindowKind::Custom || kind == WindowKind::Other) {
            CClientDC dc(wnd);
            DeliverMessage(wnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(static_cast<CDC*>(&dc)), 0, true);
        }
        if (kind == WindowKind::Dialog || kind == WindowKind::Static || kind == WindowKind::GroupBox)
            PaintControlColours(*this, wnd, paintRect);
        bool pass = false;
        DeliverMessage(wnd, WM_PAINT, 0, 0, true, &pass);
        painting = false;
        return !pass;
    }
    case QEvent::Resize: {
        if (w != SizeWidgetOf(this)) return false;
        if (CWnd* wnd = Primary())
            DeliverMessage(wnd, WM_SIZE, SIZE_RESTORED, MAKELPARAM(w->width(), w->height()), true);
        return false;
    }
    case QEvent::Close: {
        if (w != widget) return false;
        event->ignore();
        if (CWnd* wnd = Primary()) DeliverMessage(wnd, WM_CLOSE, 0, 0, true);
        return true;
    }
    case QEvent::FocusIn:
    case QEvent::FocusOut: {
        CWnd* wnd = KeyboardWindow();
        if (!wnd) return false;
        // A menu or a dropped list takes the keys only while it stands; as on the desktop the
        // window keeps its focus meanwhile (an edit keeps its edit while its own menu is used).
        if (static_cast<QFocusEvent*>(event)->reason() == Qt::PopupFocusReason) return false;
        if (event->type() == QEvent::FocusIn) {
            DeliverMessage(wnd, WM_SETFOCUS, 0, 0, true);
        } else {
            DeliverMessage(wnd, WM_KILLFOCUS, reinterpret_cast<WPARAM>(WndOfWidget(QApplication::focusWidget())), 0, true);
            // A combo box tells its parent when the focus leaves it.
            if (kind == WindowKind::ComboBox) NotifyCommand(CBN_KILLFOCUS);
        }
        return false;
    }
    case QEvent::MouseMove:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
        return FilterInput(w, event);
    default:
        return false;
    }
}

bool WindowState::FilterInput(QWidget* watched, QEvent* event) {
    // Only the widget the input went to handles it, not the parents it propagates to.
    if (g_inputReceiver && g_inputReceiver != watched) return false;
    if (g_bypassWidget == watched) return false;
    // A disabled window takes no mouse or key input; Qt hands the mouse on to the parent.
    if (!watched->isEnabled()) return false;
    const bool keyEvent = event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease;
    CWnd* wnd = keyEvent ? KeyboardWindow() : Primary();
    if (!wnd) return false;

    if (keyEvent) {
        auto* key = static_cast<QKeyEvent*>(event);
        const UINT vk = VirtualKeyOf(key->key());
        if (vk == VK_TAB || vk == VK_RETURN || vk == VK_ESCAPE) {
            // Keys a dialog keeps for itself unless the control asks for them.
            const UINT code = WndAccess::DlgCode(wnd);
            const bool wanted = (code & DLGC_WANTALLKEYS) || (vk == VK_TAB && (code & DLGC_WANTTAB));
            if (!wanted) return false;
        }
        const LPARAM keyData = MAKELPARAM(1, key->isAutoRepeat() ? 0x4000 : 0);
        bool pass = true;
        if (event->type() == QEvent::KeyRelease) {
            if (vk) DeliverMessage(wnd, WM_KEYUP, vk, keyData, true, &pass);
            return !pass;
        }
        if (vk) DeliverMessage(wnd, KeyDownMessageOf(*key), vk, keyData, true, &pass);
        if (!pass) return true;
        if (const char32_t typed = CharacterOfKey(*key)) {
            DeliverMessage(wnd, WM_CHAR, typed, keyData, true, &pass);
            if (!pass) return true;
        }
        return false;
    }

    if (event->type() == QEvent::Wheel) {
        auto* wheel = static_cast<QWheelEvent*>(event);
        const QPoint global = wheel->globalPosition().toPoint();
        bool pass = true;
        DeliverMessage(wnd, WM_MOUSEWHEEL,
                       MAKEWPARAM(MouseFlags(wheel->buttons(), wheel->modifiers()),
                                  static_cast<unsigned>(static_cast<std::uint16_t>(wheel->angleDelta().y()))),
                       MAKELPARAM(global.x(), global.y()), true, &pass);
        return !pass;
    }

    auto* mouse = static_cast<QMouseEvent*>(event);
    const QPoint p = client->mapFromGlobal(ApplyCursorClip(mouse->globalPosition().toPoint()));
    const WPARAM flags = MouseFlags(mouse->buttons(), mouse->modifiers());
    const LPARAM where = MAKELPARAM(p.x(), p.y());
    UINT message = 0;
    switch (event->type()) {
    case QEvent::MouseMove: {
        g_cursorWidget = client;
        const LRESULT cursorSet =
            DeliverMessage(wnd, WM_SETCURSOR, reinterpret_cast<WPARAM>(wnd), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE), true);
        g_cursorWidget = nullptr;
        if (cursorSet) {
            cursorSetByHandler = true;
        } else if (cursorSetByHandler) {
            client->unsetCursor();
            cursorSetByHandler = false;
        }
        message = WM_MOUSEMOVE;
        break;
    }
    case QEvent::MouseButtonPress:
        message = mouse->button() == Qt::LeftButton ? WM_LBUTTONDOWN : mouse->button() == Qt::RightButton ? WM_RBUTTONDOWN : 0;
        break;
    case QEvent::MouseButtonRelease:
        message = mouse->button() == Qt::LeftButton ? WM_LBUTTONUP : mouse->button() == Qt::RightButton ? WM_RBUTTONUP : 0;
        break;
    case QEvent::MouseButtonDblClick:
        message = mouse->button() == Qt::LeftButton ? WM_LBUTTONDBLCLK : mouse->button() == Qt::RightButton ? WM_RBUTTONDOWN : 0;
        break;
    default:
        break;
    }
    if (message == 0) return false;
    bool pass = true;
    DeliverMessage(wnd, message, flags, where, true, &pass);
    return !pass;
}

// ---------------------------------------------------------------------------------------
// Messages

LRESULT DeliverMessage(CWnd* wnd, UINT message, WPARAM wParam, LPARAM lParam, bool fromEvent, bool* passToWidget) {
    CurrentMessage current{wnd, message, wParam, lParam, fromEvent};
    g_currentMessages.push_back(&current);
    struct Pop {
        ~Pop() { g_currentMessages.pop_back(); }
    } pop;
    const LRESULT result = wnd->WindowProc(message, wParam, lParam);
    if (passToWidget) *passToWidget = current.passToWidget;
    return result;
}

QObject* CurrentInputReceiver() { return g_inputReceiver; }
void SetCurrentInputReceiver(QObject* receiver) { g_inputReceiver = receiver; }
bool IsSynthesizedInput(const QObject* receiver) { return g_bypassWidget && receiver == g_bypassWidget; }
void RememberModifiers(Qt::KeyboardModifiers modifiers) { g_modifiers = modifiers; }

UINT MouseFlags(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers) {
    UINT flags = 0;
    if (buttons & Qt::LeftButton) flags |= MK_LBUTTON;
    if (buttons & Qt::RightButton) flags |= MK_RBUTTON;
    if (buttons & Qt::MiddleButton) flags |= MK_MBUTTON;
    if (modifiers & Qt::ShiftModifier) flags |= MK_SHIFT;
    if (modifiers & Qt::ControlModifier) flags |= MK_CONTROL;
    return flags;
}

namespace {
struct KeyPair {
    int qt;
    UINT vk;
};
constexpr KeyPair kKeys[] = {
    {Qt::Key_Backspace, VK_BACK}, {Qt::Key_Tab, VK_TAB},       {Qt::Key_Backtab, VK_TAB},
    {Qt::Key_Return, VK_RETURN},  {Qt::Key_Enter, VK_RETURN},  {Qt::Key_Shift, VK_SHIFT},
    {Qt::Key_Control, VK_CONTROL}, {Qt::Key_Alt, VK_MENU},     {Qt::Key_Escape, VK_ESCAPE},
    {Qt::Key_Space, VK_SPACE},    {Qt::Key_PageUp, VK_PRIOR},  {Qt::Key_PageDown, VK_NEXT},
    {Qt::Key_End, VK_END},        {Qt::Key_Home, VK_HOME},     {Qt::Key_Left, VK_LEFT},
    {Qt::Key_Up, VK_UP},          {Qt::Key_Right, VK_RIGHT},   {Qt::Key_Down, VK_DOWN},
    {Qt::Key_Insert, VK_INSERT},  {Qt::Key_Delete, VK_DELETE},
};
}  // namespace

UINT VirtualKeyOf(int qtKey) {
    if ((qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) || (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9))
        return static_cast<UINT>(qtKey);  // the same codes
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F12) return VK_F1 + static_cast<UINT>(qtKey - Qt::Key_F1);
    for (const KeyPair& k : kKeys)
        if (k.qt == qtKey) return k.vk;
    return 0;
}

char32_t CharacterOfKey(const QKeyEvent& key) {
    const QList<uint> text = key.text().toUcs4();
    const Qt::KeyboardModifiers held = key.modifiers();
    const bool alt = (held & Qt::AltModifier) && !(held & Qt::GroupSwitchModifier);
    if (text.isEmpty() || alt || key.key() == Qt::Key_Delete) return 0;
    if ((held & Qt::ControlModifier) && QChar::isPrint(text.front())) return 0;
    return text.front();
}

UINT KeyDownMessageOf(const QKeyEvent& key) {
    return (key.modifiers() & Qt::AltModifier) && !CharacterOfKey(key) ? WM_SYSKEYDOWN : WM_KEYDOWN;
}

int QtKeyOf(UINT vk) {
    if ((vk >= 'A' && vk <= 'Z') || (vk >= '0' && vk <= '9')) return static_cast<int>(vk);
    if (vk >= VK_F1 && vk <= VK_F12) return Qt::Key_F1 + static_cast<int>(vk - VK_F1);
    for (const KeyPair& k : kKeys)
        if (k.vk == vk) return k.qt;
    return 0;
}

// ---------------------------------------------------------------------------------------
// Access for the rest of the layer

QWidget* WidgetOf(const CWnd* wnd) {
    WindowState* state = StateOf(wnd);
    return state ? state->client.data() : nullptr;
}

QWidget* TopWidgetOf(const CWnd* wnd) { return wnd ? WndAccess::Widget(wnd) : nullptr; }

CWnd* WndOfWidget(const QWidget* widget) {
    WindowState* state = WindowState::Find(widget);
    return state ? state->Primary() : nullptr;
}

bool IsInPaintEvent(const CWnd* wnd, QRect* updateRect) {
    WindowState* state = StateOf(wnd);
    if (!state || !state->painting) return false;
    if (updateRect) *updateRect = state->paintRect;
    return true;
}

QWidget* CursorWidget() { return g_cursorWidget; }

BOOL CreateWindowOnWidget(CWnd* wnd, QWidget* widget, QWidget* client, const char* className, DWORD style,
                          DWORD exStyle, UINT id, CCreateContext* context) {
    if (!wnd || !widget || WndAccess::Widget(wnd)) return FALSE;
    auto* state = new WindowState(widget, client, WindowKind::Other, className ? className : "", style, exStyle,
                                  static_cast<int>(id));
    state->wrapper = wnd;
    WndAccess::SetWidget(wnd, widget);
    CREATESTRUCT cs = CREATESTRUCT::For(className, "", style, exStyle, ToCRect(widget->geometry()), wnd->GetParent(), context);
    if (WndAccess::Create(wnd, &cs) == -1) {
        state->MarkDying();
        WndAccess::SetWidget(wnd, nullptr);
        state->wrapper = nullptr;
        widget->deleteLater();
        return FALSE;
    }
    return TRUE;
}

// ---------------------------------------------------------------------------------------
// CWnd

CWnd::CWnd() = default;

CWnd::~CWnd() {
    // No handler may run for a half-destroyed object: the window goes quietly.
    WindowState* state = StateOf(this);
    if (!state) return;
    QWidget* widget = m_widget;
    m_widget = nullptr;
    if (state->wrapper != this) return;  // a wrapper that never owned the window
    state->wrapper = nullptr;
    state->MarkDying();
    if (g_captureWidget && (g_captureWidget == widget || widget->isAncestorOf(g_captureWidget))) SetCaptureWidget(nullptr);
    widget->hide();
    if (widget->parentWidget()) widget->setParent(nullptr);
    widget->deleteLater();
}

const MessageMap& CWnd::GetMessageMap() const {
    static const MessageMap map(CCmdTarget::GetMessageMap(), {});
    return map;
}

BOOL CWnd::Create(LPCTSTR className, LPCTSTR windowName, DWORD style, const RECT& rect, CWnd* parent, UINT id,
                  CCreateContext* context) {
    return CreateEx(0, className, windowName, style, rect, parent, id, context);
}

BOOL CWnd::CreateEx(DWORD exStyle, LPCTSTR className, LPCTSTR windowName, DWORD style, const RECT& rect,
                    CWnd* parent, UINT id, CCreateContext* context) {
    if (m_widget) return FALSE;
    QWidget* parentClient = parent ? WidgetOf(parent) : nullptr;
    if ((style & WS_CHILD) && !parentClient) return FALSE;
    WindowParams params;
    params.className = className ? className : "";
    params.text = windowName ? windowName : "";
    params.style = style & ~WS_VISIBLE;  // shown after OnCreate
    params.exStyle = exStyle;
    params.rect = ToQRect(rect);
    params.id = static_cast<int>(id);
    WindowState* state = CreateWindowWidget(params, (style & WS_CHILD) ? parentClient : nullptr);
    if (!state) return FALSE;
    if (!(style & WS_CHILD) && parent) {
        state->owner = TopWidgetOf(parent);
    }
    state->wrapper = this;
    m_widget = state->widget;
    CREATESTRUCT cs = CREATESTRUCT::For(className, windowName, style, exStyle, rect, parent, context);
    if (OnCreate(&cs) == -1) {
        state->MarkDying();
        state->wrapper = nullptr;
        QWidget* widget = m_widget;
        m_widget = nullptr;
        widget->deleteLater();
        return FALSE;
    }
    if (style & WS_VISIBLE) ModifyStyle(0, WS_VISIBLE);
    return TRUE;
}

BOOL CWnd::DestroyWindow() {
    WindowState* state = StateOf(this);
    if (!state || state->dying) return FALSE;
    QWidget* widget = state->widget;
    // This window first, then every window below it, as the other system does.
    DeliverMessage(this, WM_DESTROY, 0, 0, false);
    for (WindowState* child : state->Descendants())
        if (!child->dying && child->wrapper) DeliverMessage(child->wrapper, WM_DESTROY, 0, 0, false);
    if (g_captureWidget && (g_captureWidget == widget || widget->isAncestorOf(g_captureWidget))) SetCaptureWidget(nullptr);
    state->MarkDying();
    for (WindowState* child : state->Descendants()) {
        if (child->wrapper) WndAccess::SetWidget(child->wrapper, nullptr);
        child->wrapper = nullptr;
    }
    if (state->wrapper == this) state->wrapper = nullptr;
    m_widget = nullptr;
    widget->hide();
    if (widget->parentWidget()) widget->setParent(nullptr);
    widget->deleteLater();
    PostNcDestroy();
    return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT id, CWnd* parent) {
    CWnd* child = parent ? parent->GetDlgItem(static_cast<int>(id)) : nullptr;
    return child ? SubclassWindow(child) : FALSE;
}

BOOL CWnd::SubclassWindow(HWND window) {
    WindowState* state = StateOf(window);
    if (!state || state->dying || m_widget) return FALSE;
    if (state->wrapper && state->wrapper != this) return FALSE;
    state->wrapper = this;
    m_widget = state->widget;
    PreSubclassWindow();
    return TRUE;
}

HWND CWnd::UnsubclassWindow() {
    WindowState* state = StateOf(this);
    if (!state || state->wrapper != this) return nullptr;
    state->wrapper = nullptr;
    m_widget = nullptr;
    return state->Primary();
}

HWND CWnd::GetSafeHwnd() const {
    WindowState* state = StateOf(this);
    return state ? state->Primary() : nullptr;
}

int CWnd::GetDlgCtrlID() const {
    WindowState* state = StateOf(this);
    return state ? state->id : 0;
}

int CWnd::SetDlgCtrlID(int id) {
    WindowState* state = StateOf(this);
    if (!state) return 0;
    const int old = state->id;
    state->id = id;
    return old;
}

CWnd* CWnd::GetParent() const {
    WindowState* state = StateOf(this);
    if (!state) return nullptr;
    WindowState* parent = WindowState::Find(state->widget->parentWidget());
    return parent ? parent->Primary() : nullptr;
}

CWnd* CWnd::GetOwner() const {
    WindowState* state = StateOf(this);
    if (state && state->owner) return WndOfWidget(state->owner);
    return GetParent();
}

void CWnd::SetOwner(CWnd* owner) {
    if (WindowState* state = StateOf(this)) state->owner = TopWidgetOf(owner);
}

CWnd* CWnd::GetDlgItem(int id) const {
    for (QWidget* child : ChildWindows(WidgetOf(this)))
        if (WindowState::Of(child)->id == id) return PrimaryOf(child);
    return nullptr;
}

CWnd* CWnd::GetWindow(UINT relation) const {
    WindowState* state = StateOf(this);
    if (!state) return nullptr;
    if (relation == GW_CHILD) {
        const std::vector<QWidget*> children = ChildWindows(state->client);
        return children.empty() ? nullptr : PrimaryOf(children.front());
    }
    if (relation == GW_OWNER) return state->owner ? WndOfWidget(state->owner) : nullptr;
    QWidget* parent = state->widget->isWindow() ? nullptr : state->widget->parentWidget();
    const std::vector<QWidget*> siblings = ChildWindows(parent);
    const auto self = std::find(siblings.begin(), siblings.end(), state->widget.data());
    if (self == siblings.end()) return nullptr;
    switch (relation) {
    case GW_HWNDFIRST: return PrimaryOf(siblings.front());
    case GW_HWNDLAST: return PrimaryOf(siblings.back());
    case GW_HWNDNEXT: return self + 1 == siblings.end() ? nullptr : PrimaryOf(*(self + 1));
    case GW_HWNDPREV: return self == siblings.begin() ? nullptr : PrimaryOf(*(self - 1));
    default: return nullptr;
    }
}

CWnd* CWnd::GetTopLevelParent() const {
    WindowState* state = StateOf(this);
    return state ? WndOfWidget(state->widget->window()) : nullptr;
}

BOOL CWnd::IsChild(const CWnd* window) const {
    QWidget* mine = TopWidgetOf(this);
    QWidget* other = TopWidgetOf(window);
    if (!mine || !other || mine == other) return FALSE;
    for (QWidget* w = other->parentWidget(); w != nullptr; w = w->parentWidget()) {
        if (w == mine) return TRUE;
        if (w->isWindow()) break;
    }
    return FALSE;
}

CString CWnd::GetWindowClassName() const {
    WindowState* state = StateOf(this);
    return state ? CString(state->className) : CString();
}

DWORD CWnd::GetStyle() const {
    WindowState* state = StateOf(this);
    if (!state) return 0;
    DWORD style = state->style & ~(WS_VISIBLE | WS_DISABLED);
    if (!state->widget->isHidden()) style |= WS_VISIBLE;
    if (state->widget->testAttribute(Qt::WA_ForceDisabled)) style |= WS_DISABLED;
    return style;
}

DWORD CWnd::GetExStyle() const {
    WindowState* state = StateOf(this);
    return state ? state->exStyle : 0;
}

BOOL CWnd::ModifyStyle(DWORD remove, DWORD add, UINT) {
    WindowState* state = StateOf(this);
    if (!state) return FALSE;
    const DWORD old = GetStyle();
    const DWORD style = (old & ~remove) | add;
    if (style == old) return FALSE;
    state->style = style;
    ApplyStyle(*state);
    return TRUE;
}

BOOL CWnd::ModifyStyleEx(DWORD remove, DWORD add, UINT) {
    WindowState* state = StateOf(this);
    if (!state) return FALSE;
    const DWORD style = (state->exStyle & ~remove) | add;
    if (style == state->exStyle) return FALSE;
    state->exStyle = style;
    ApplyStyle(*state);
    return TRUE;
}

namespace {
// An owned window belongs to its owner's window, so that a modal dialog leaves the windows it
// owns their input, as it blocks every other window. Joined at each showing: the owner's
// window may have been made anew since.
void JoinOwnersWindow(const WindowState& state) {
    QWidget* w = state.widget;
    QWindow* ownerWindow = state.owner && w->isWindow() ? state.owner->window()->windowHandle() : nullptr;
    if (!ownerWindow) return;
    w->winId();
    QWindow* window = w->windowHandle();
    if (window && window != ownerWindow && window->transientParent() != ownerWindow) window->setTransientParent(ownerWindow);
}
}  // namespace

BOOL CWnd::ShowWindow(int command) {
    WindowState* state = StateOf(this);
    if (!state) return FALSE;
    QWidget* w = state->widget;
    const BOOL wasVisible = !w->isHidden();
    if (command != SW_HIDE) JoinOwnersWindow(*state);
    switch (command) {
    case SW_HIDE: w->hide(); break;
    case SW_SHOWMAXIMIZED: w->showMaximized(); break;
    case SW_MINIMIZE:
    case SW_SHOWMINIMIZED: w->showMinimized(); break;
    case SW_RESTORE: w->showNormal(); break;
    default:
        w->show();
        if (w->isWindow() && command != SW_SHOWNA && command != SW_SHOWNOACTIVATE) w->activateWindow();
        break;
    }
    return wasVisible;
}

BOOL CWnd::IsWindowVisible() const {
    WindowState* state = StateOf(this);
    return state && state->widget->isVisible();
}

BOOL CWnd::EnableWindow(BOOL enable) {
    WindowState* state = StateOf(this);
    if (!state) return FALSE;
    const BOOL wasDisabled = state->widget->testAttribute(Qt::WA_ForceDisabled);
    state->widget->setEnabled(enable != FALSE);
    return wasDisabled;
}

BOOL CWnd::IsWindowEnabled() const {
    WindowState* state = StateOf(this);
    return state && !state->widget->testAttribute(Qt::WA_ForceDisabled);
}

void CWnd::MoveWindow(int x, int y, int width, int height, BOOL repaint) {
    WindowState* state = StateOf(this);
    if (!state) return;
    SetGeometryOf(*state, QRect(x, y, width, height));
    if (repaint) state->widget->update();
}

void CWnd::MoveWindow(LPCRECT rect, BOOL repaint) {
    if (rect) MoveWindow(rect->left, rect->top, rect->Width(), rect->Height(), repaint);
}

BOOL CWnd::SetWindowPos(const CWnd* insertAfter, int x, int y, int cx, int cy, UINT flags) {
    WindowState* state = StateOf(this);
    if (!state) return FALSE;
    QWidget* w = state->widget;
    if (!(flags & SWP_NOMOVE) || !(flags & SWP_NOSIZE)) {
        CRect current;
        GetWindowRect(&current);
        if (!w->isWindow()) {
            if (CWnd* parent = GetParent()) parent->ScreenToClient(&current);
        }
        if (flags & SWP_NOMOVE) x = current.left, y = current.top;
        if (flags & SWP_NOSIZE) cx = current.Width(), cy = current.Height();
        SetGeometryOf(*state, QRect(x, y, cx, cy));
    }
    if (!(flags & SWP_NOZORDER)) {
        if (QWidget* after = TopWidgetOf(insertAfter); after && after->parentWidget() == w->parentWidget())
            w->stackUnder(after);
        else
            w->raise();
    }
    if (flags & SWP_SHOWWINDOW) ShowWindow((flags & SWP_NOACTIVATE) ? SW_SHOWNA : SW_SHOW);
    if (flags & SWP_HIDEWINDOW) w->hide();
    if (flags & SWP_FRAMECHANGED) ApplyStyle(*state);
    return TRUE;
}

void CWnd::GetWindowRect(LPRECT rect) const {
    WindowState* state = StateOf(this);
    if (!rect) return;
    if (!state) {
        rect->SetRectEmpty();
        return;
    }
    QWidget* w = state->widget;
    *rect = w->isWindow() ? ToCRect(w->frameGeometry()) : ToCRect(QRect(w->mapToGlobal(QPoint(0, 0)), w->size()));
}

void CWnd::GetClientRect(LPRECT rect) const {
    WindowState* state = StateOf(this);
    if (!rect) return;
    if (!state) {
        rect->SetRectEmpty();
        return;
    }
    const QSize size = SizeWidgetOf(state)->size();
    *rect = CRect(0, 0, size.width(), size.height());
}

void CWnd::ClientToScreen(LPPOINT point) const {
    if (QWidget* client = WidgetOf(this); client && point) *point = ToCPoint(client->mapToGlobal(QPoint(point->x, point->y)));
}

void CWnd::ClientToScreen(LPRECT rect) const {
    if (!rect) return;
    CPoint a = rect->TopLeft(), b = rect->BottomRight();
    ClientToScreen(&a);
    ClientToScreen(&b);
    *rect = CRect(a.x, a.y, b.x, b.y);
}

void CWnd::ScreenToClient(LPPOINT point) const {
    if (QWidget* client = WidgetOf(this); client && point) *point = ToCPoint(client->mapFromGlobal(QPoint(point->x, point->y)));
}

void CWnd::ScreenToClient(LPRECT rect) const {
    if (!rect) return;
    CPoint a = rect->TopLeft(), b = rect->BottomRight();
    ScreenToClient(&a);
    ScreenToClient(&b);
    *rect = CRect(a.x, a.y, b.x, b.y);
}

void CWnd::CenterWindow(CWnd* alternateOwner) {
    WindowState* state = StateOf(this);
    if (!state) return;
    QWidget* w = state->widget;
    QWidget* over = TopWidgetOf(alternateOwner);
    if (!over) over = w->isWindow() ? w->parentWidget() : w->parentWidget();
    if (!over) over = TopWidgetOf(AfxGetMainWnd());
    QRect area;
    if (over && over != w) {
        area = over->isWindow() ? over->frameGeometry() : QRect(over->mapToGlobal(QPoint(0, 0)), over->size());
    } else if (QScreen* screen = w->screen()) {
        area = screen->availableGeometry();
    }
    if (area.isEmpty()) return;
    QRect frame = w->isWindow() ? w->frameGeometry() : QRect(w->mapToGlobal(QPoint(0, 0)), w->size());
    frame.moveCenter(area.center());
    if (w->isWindow())
        w->move(frame.topLeft());
    else
        w->move(w->parentWidget()->mapFromGlobal(frame.topLeft()));
}

void CWnd::SetWindowText(LPCTSTR text) {
    if (WindowState* state = StateOf(this)) SetWindowTextOf(*state, text ? text : "");
}

void CWnd::GetWindowText(CString& text) const {
    WindowState* state = StateOf(this);
    text = state ? GetWindowTextOf(*state) : CString();
}

int CWnd::GetWindowText(LPTSTR buffer, int maxCount) const {
    if (!buffer || maxCount <= 0) return 0;
    CString text;
    GetWindowText(text);
    const std::string& bytes = text.str();
    size_t n = std::min(bytes.size(), static_cast<size_t>(maxCount - 1));
    while (n > 0 && n < bytes.size() && (static_cast<unsigned char>(bytes[n]) & 0xC0) == 0x80) --n;  // whole characters
    bytes.copy(buffer, n);
    buffer[n] = '\0';
    return static_cast<int>(n);
}

int CWnd::GetWindowTextLength() const {
    CString text;
    GetWindowText(text);
    return text.GetLength();
}

void CWnd::SetDlgItemText(int id, LPCTSTR text) {
    if (CWnd* item = GetDlgItem(id)) item->SetWindowText(text);
}

int CWnd::GetDlgItemText(int id, CString& text) const {
    text.Empty();
    if (CWnd* item = GetDlgItem(id)) item->GetWindowText(text);
    return text.GetLength();
}

void CWnd::SetDlgItemInt(int id, UINT value, BOOL isSigned) {
    CString text;
    if (isSigned)
        text.Format("%d", static_cast<int>(value));
    else
        text.Format("%u", value);
    SetDlgItemText(id, text);
}

UINT CWnd::GetDlgItemInt(int id, BOOL* translated, BOOL isSigned) const {
    CString text;
    GetDlgItemText(id, text);
    text.Trim();
    bool ok = false;
    const QString q = QString::fromStdString(text.str());
    UINT value = 0;
    if (isSigned) value = static_cast<UINT>(q.toInt(&ok));
    else value = q.toUInt(&ok);
    if (translated) *translated = ok;
    return ok ? value : 0;
}

void CWnd::CheckDlgButton(int id, UINT check) {
    CWnd* item = GetDlgItem(id);
    WindowState* state = StateOf(item);
    if (!state) return;
    if (auto* button = qobject_cast<QAbstractButton*>(state->widget.data())) SetButtonChecked(button, check != BST_UNCHECKED);
}

UINT CWnd::IsDlgButtonChecked(int id) const {
    WindowState* state = StateOf(GetDlgItem(id));
    auto* button = state ? qobject_cast<QAbstractButton*>(state->widget.data()) : nullptr;
    return button && button->isChecked() ? BST_CHECKED : BST_UNCHECKED;
}

void CWnd::CheckRadioButton(int firstId, int lastId, int checkId) {
    for (int id = firstId; id <= lastId; ++id) CheckDlgButton(id, id == checkId ? BST_CHECKED : BST_UNCHECKED);
}

int CWnd::GetCheckedRadioButton(int firstId, int lastId) const {
    for (int id = firstId; id <= lastId; ++id)
        if (IsDlgButtonChecked(id)) return id;
    return 0;
}

void CWnd::SetFont(CFont* font, BOOL redraw) {
    WindowState* state = StateOf(this);
    if (!state) return;
    const QFont qfont = font ? QFontOf(*font) : QApplication::font();
    state->widget->setFont(qfont);
    if (state->client != state->widget) state->client->setFont(qfont);
    if (redraw) state->widget->update();
}

CFont* CWnd::GetFont() const {
    WindowState* state = StateOf(this);
    if (!state) return nullptr;
    if (!state->font) state->font = std::make_unique<CFont>();
    AssignQFont(*state->font, state->widget->font());
    return state->font.get();
}

CDC* CWnd::GetDC() {
    WindowState* state = StateOf(this);
    if (!state) return nullptr;
    state->dcs.push_back(std::make_unique<CClientDC>(this));
    return state->dcs.back().get();
}

int CWnd::ReleaseDC(CDC* dc) {
    WindowState* state = StateOf(this);
    if (!state) return 0;
    const auto found = std::find_if(state->dcs.begin(), state->dcs.end(), [dc](const auto& held) { return held.get() == dc; });
    if (found == state->dcs.end()) return 0;
    state->dcs.erase(found);
    return 1;
}

CWnd* CWnd::SetFocus() {
    CWnd* old = GetFocus();
    if (WindowState* state = StateOf(this)) {
        QWidget* w = state->widget;
        if (w->isWindow()) w->activateWindow();
        w->setFocus(Qt::OtherFocusReason);
    }
    return old;
}

CWnd* CWnd::GetFocus() { return WndOfWidget(QApplication::focusWidget()); }

CWnd* CWnd::GetActiveWindow() {
    // The window itself: a box or a menu that a window owns is not that window.
    WindowState* state = WindowState::Of(QApplication::activeWindow());
    return state ? state->Primary() : nullptr;
}

CWnd* CWnd::SetCapture() {
    CWnd* old = GetCapture();
    SetCaptureWidget(WidgetOf(this));
    return old;
}

CWnd* CWnd::GetCapture() { return WndOfWidget(g_captureWidget); }

void CWnd::Invalidate(BOOL) {
    if (QWidget* client = WidgetOf(this)) {
        DiscardClientDrawing(client, client->rect());
        client->update();
    }
}

void CWnd::InvalidateRect(LPCRECT rect, BOOL) {
    if (QWidget* client = WidgetOf(this)) {
        const QRect area = rect ? ToQRect(*rect) : client->rect();
        DiscardClientDrawing(client, area);
        client->update(area);
    }
}

namespace {
// A top-level window shown just now is on the screen only once the window system has put it
// there; until then nothing painted shows. Lets it do so (for a second at most), so that a
// window shown by a task that runs outside the message loop (a save, with its progress
// window) can be painted at once. Meanwhile the window system's events other than input run
// (painting and sizing of any window, the new window's activation with the WM_KILLFOCUS of
// the field that loses the focus to it, as the desktop sends it when such a window shows),
// and so do the calls Qt has queued. Input, timers and posted messages wait for the message
// loop: they are what would start another of the user's tasks in the middle of this one.
void LetOntoScreen(QWidget* top) {
    constexpr int kLongestWaitMs = 1000;
    const QPointer<QWindow> handle = top->windowHandle();
    if (!handle || handle->isExposed()) return;
    const QPointer<QWidget> window = top;
    const bool held = std::exchange(g_holdPostedMessages, true);
    QElapsedTimer clock;
    clock.start();
    while (handle && window && window->isVisible() && !handle->isExposed() && clock.elapsed() < kLongestWaitMs) {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents | QEventLoop::ExcludeSocketNotifiers |
                                        QEventLoop::X11ExcludeTimers);
        if (handle && !handle->isExposed()) QThread::msleep(5);
    }
    g_holdPostedMessages = held;
}
}  // namespace

void CWnd::UpdateWindow() {
    QWidget* w = TopWidgetOf(this);
    if (!w || !w->isVisible()) return;
    if (w->isWindow()) LetOntoScreen(w);
    if (w->isVisible()) w->repaint();
}

BOOL CWnd::RedrawWindow(LPCRECT rect, void*, UINT flags) {
    QWidget* client = WidgetOf(this);
    if (!client) return FALSE;
    const QRect area = rect ? ToQRect(*rect) : client->rect();
    if (flags & RDW_INVALIDATE) {
        DiscardClientDrawing(client, area);
        client->update(area);
    }
    if ((flags & RDW_UPDATENOW) && client->isVisible()) client->repaint(area);
    return TRUE;
}

UINT_PTR CWnd::SetTimer(UINT_PTR id, UINT elapse, TIMERPROC proc) {
    WindowState* state = StateOf(this);
    if (!state) return 0;
    KillTimer(id);
    const int qtId = state->startTimer(static_cast<int>(std::max<UINT>(elapse, 1)));
    if (qtId == 0) return 0;
    state->timers[id] = qtId;
    state->timerIds[qtId] = id;
    state->timerProcs[id] = proc;
    return id;
}

BOOL CWnd::KillTimer(UINT_PTR id) {
    WindowState* state = StateOf(this);
    if (!state) return FALSE;
    const auto found = state->timers.find(id);
    if (found == state->timers.end()) return FALSE;
    state->killTimer(found->second);
    state->timerIds.erase(found->second);
    state->timers.erase(found);
    state->timerProcs.erase(id);
    return TRUE;
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return DeliverMessage(this, message, wParam, lParam, false);
}

BOOL CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    WindowState* state = StateOf(this);
    if (!state || state->dying) return FALSE;
    QCoreApplication::postEvent(state, new PostedMessageEvent(message, wParam, lParam));
    return TRUE;
}

BOOL CWnd::PreTranslateMessage(MSG*) { return FALSE; }

BOOL CWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
    MessageCall call;
    if (message == WM_COMMAND) {
        call.id = LOWORD(wParam);
        return DispatchFromMap(MessageKind::ReflectedCommand, static_cast<SHORT>(HIWORD(wParam)), 0, call);
    }
    if (message == WM_NOTIFY) {
        auto* header = reinterpret_cast<NMHDR*>(lParam);
        call.id = static_cast<UINT>(header->idFrom);
        call.notify = header;
        call.result = result;
        return DispatchFromMap(MessageKind::ReflectedNotify, header->code, 0, call);
    }
    return FALSE;
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    const CPoint point(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
    const auto flags = static_cast<UINT>(wParam);
    switch (message) {
    case WM_COMMAND: {
        auto* control = reinterpret_cast<CWnd*>(lParam);
        if (control) {
            LRESULT result = 0;
            if (CWnd* handler = control->GetSafeHwnd(); handler && WndAccess::ChildNotify(handler, message, wParam, lParam, &result))
                return result;
        }
        return OnCmdMsg(LOWORD(wParam), static_cast<SHORT>(HIWORD(wParam)), nullptr);
    }
    case WM_NOTIFY: {
        auto* header = reinterpret_cast<NMHDR*>(lParam);
        if (!header) return 0;
        LRESULT result = 0;
        if (CWnd* from = header->hwndFrom ? header->hwndFrom->GetSafeHwnd() : nullptr;
            from && WndAccess::ChildNotify(from, message, wParam, lParam, &result))
            return result;
        MessageCall call;
        call.id = static_cast<UINT>(header->idFrom);
        call.notify = header;
        call.result = &result;
        DispatchFromMap(MessageKind::Notify, header->code, call.id, call);
        return result;
    }
    case WM_TIMER: OnTimer(wParam); return 0;
    case WM_PAINT: OnPaint(); return 0;
    case WM_ERASEBKGND: return OnEraseBkgnd(reinterpret_cast<CDC*>(wParam));
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSTATIC:
        return reinterpret_cast<LRESULT>(OnCtlColor(reinterpret_cast<CDC*>(wParam), reinterpret_cast<CWnd*>(lParam),
                                                    message == WM_CTLCOLORDLG ? CTLCOLOR_DLG : CTLCOLOR_STATIC));
    case WM_SETFONT: {
        CFont* font = CFont::FromHandle(reinterpret_cast<HFONT>(wParam));
        SetFont(font, static_cast<BOOL>(lParam));
        return 0;
    }
    case WM_GETFONT: {
        CFont* font = GetFont();
        return font ? reinterpret_cast<LRESULT>(font->GetSafeHandle()) : 0;
    }
    case WM_SIZE: OnSize(flags, LOWORD(static_cast<DWORD_PTR>(lParam)), HIWORD(static_cast<DWORD_PTR>(lParam))); return 0;
    case WM_CLOSE: OnClose(); return 0;
    case WM_DESTROY: OnDestroy(); return 0;
    case WM_MOUSEMOVE: OnMouseMove(flags, point); return 0;
    case WM_LBUTTONDOWN: OnLButtonDown(flags, point); return 0;
    case WM_LBUTTONUP: OnLButtonUp(flags, point); return 0;
    case WM_LBUTTONDBLCLK: OnLButtonDblClk(flags, point); return 0;
    case WM_RBUTTONDOWN: OnRButtonDown(flags, point); return 0;
    case WM_RBUTTONUP: OnRButtonUp(flags, point); return 0;
    case WM_MOUSEWHEEL: return OnMouseWheel(LOWORD(wParam), static_cast<short>(HIWORD(wParam)), point);
    case WM_KEYDOWN: OnKeyDown(flags, LOWORD(static_cast<DWORD_PTR>(lParam)), HIWORD(static_cast<DWORD_PTR>(lParam))); return 0;
    case WM_KEYUP: OnKeyUp(flags, LOWORD(static_cast<DWORD_PTR>(lParam)), HIWORD(static_cast<DWORD_PTR>(lParam))); return 0;
    case WM_CHAR: OnChar(flags, LOWORD(static_cast<DWORD_PTR>(lParam)), HIWORD(static_cast<DWORD_PTR>(lParam))); return 0;
    case WM_SYSKEYDOWN: OnSysKeyDown(flags, LOWORD(static_cast<DWORD_PTR>(lParam)), HIWORD(static_cast<DWORD_PTR>(lParam))); return 0;
    case WM_GETDLGCODE: return OnGetDlgCode();
    case WM_SETCURSOR:
        return OnSetCursor(reinterpret_cast<CWnd*>(wParam), LOWORD(static_cast<DWORD_PTR>(lParam)), HIWORD(static_cast<DWORD_PTR>(lParam)));
    case WM_SETFOCUS: OnSetFocus(reinterpret_cast<CWnd*>(wParam)); return 0;
    case WM_KILLFOCUS: OnKillFocus(reinterpret_cast<CWnd*>(wParam)); return 0;
    case WM_CAPTURECHANGED: OnCaptureChanged(reinterpret_cast<CWnd*>(lParam)); return 0;
    case WM_VSCROLL: OnVScroll(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<CWnd*>(lParam)); return 0;
    case WM_HSCROLL: OnHScroll(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<CWnd*>(lParam)); return 0;
    default: return DefWindowProc(message, wParam, lParam);
    }
}

LRESULT CWnd::Default() {
    for (auto it = g_currentMessages.rbegin(); it != g_currentMessages.rend(); ++it)
        if ((*it)->wnd == this) return DefWindowProc((*it)->message, (*it)->wParam, (*it)->lParam);
    return 0;
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    // A message made from a Qt event: the event goes on to the widget.
    for (auto it = g_currentMessages.rbegin(); it != g_currentMessages.rend(); ++it) {
        if ((*it)->wnd != this) continue;
        if ((*it)->fromEvent && (*it)->message == message) {
            (*it)->passToWidget = true;
            return 0;
        }
        break;
    }
    // A message sent by code: the widget does what it would do with the input.
    WindowState* state = StateOf(this);
    if (!state) return 0;
    switch (message) {
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_CHAR:
    case WM_SYSKEYDOWN: {
        QWidget* target = state->widget->focusProxy() ? state->widget->focusProxy() : state->widget.data();
        const bool up = message == WM_KEYUP;
        const QString text = message == WM_CHAR ? QString::fromUcs4(reinterpret_cast<const char32_t*>(&wParam), 1) : QString();
        const int key = message == WM_CHAR ? 0 : QtKeyOf(static_cast<UINT>(wParam));
        // A character is typed whatever keys are held (an input method's text while Alt is).
        const Qt::KeyboardModifiers held =
            message == WM_CHAR ? g_modifiers & ~(Qt::ControlModifier | Qt::AltModifier) : g_modifiers;
        QKeyEvent event(up ? QEvent::KeyRelease : QEvent::KeyPress, key, held, text);
        SendSynthesized(target, &event);
        return 0;
    }
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP: {
        QWidget* target = state->client;
        const QPointF local(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
        const QPointF global = target->mapToGlobal(local);
        const bool right = message == WM_RBUTTONDOWN || message == WM_RBUTTONUP;
        const Qt::MouseButton button = message == WM_MOUSEMOVE ? Qt::NoButton : right ? Qt::RightButton : Qt::LeftButton;
        const QEvent::Type type = message == WM_MOUSEMOVE ? QEvent::MouseMove
                                  : (message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN) ? QEvent::MouseButtonPress
                                  : message == WM_LBUTTONDBLCLK ? QEvent::MouseButtonDblClick
                                                                : QEvent::MouseButtonRelease;
        Qt::MouseButtons buttons;
        if (wParam & MK_LBUTTON) buttons |= Qt::LeftButton;
        if (wParam & MK_RBUTTON) buttons |= Qt::RightButton;
        QMouseEvent event(type, local, global, button, buttons, g_modifiers);
        SendSynthesized(target, &event);
        return 0;
    }
    case WM_CLOSE: DestroyWindow(); return 0;
    case WM_PASTE:
        if (auto* field = dynamic_cast<PastedText*>(state->widget.data())) field->InsertPasted();
        return 0;
    case WM_CUT:
    case WM_CLEAR:
        TakeOutSelection(state->widget.data(), message == WM_CUT);
        return 0;
    default: return 0;
    }
}

int CWnd::OnCreate(LPCREATESTRUCT) { return 0; }
void CWnd::OnDestroy() { Default(); }
void CWnd::OnClose() { Default(); }
BOOL CWnd::OnEraseBkgnd(CDC*) { return static_cast<BOOL>(Default()); }
void CWnd::OnPaint() { Default(); }
HBRUSH CWnd::OnCtlColor(CDC*, CWnd*, UINT) { return nullptr; }
void CWnd::OnSize(UINT, int, int) { Default(); }
void CWnd::OnTimer(UINT_PTR) { Default(); }
void CWnd::OnMouseMove(UINT, CPoint) { Default(); }
void CWnd::OnLButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnLButtonUp(UINT, CPoint) { Default(); }
void CWnd::OnLButtonDblClk(UINT, CPoint) { Default(); }
void CWnd::OnRButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnRButtonUp(UINT, CPoint) { Default(); }
BOOL CWnd::OnMouseWheel(UINT, short, CPoint) { return static_cast<BOOL>(Default()); }
void CWnd::OnKeyDown(UINT, UINT, UINT) { Default(); }
void CWnd::OnKeyUp(UINT, UINT, UINT) { Default(); }
void CWnd::OnChar(UINT, UINT, UINT) { Default(); }
void CWnd::OnSysKeyDown(UINT, UINT, UINT) { Default(); }
BOOL CWnd::OnSetCursor(CWnd*, UINT, UINT) { return static_cast<BOOL>(Default()); }
void CWnd::OnSetFocus(CWnd*) { Default(); }
void CWnd::OnKillFocus(CWnd*) { Default(); }
void CWnd::OnCaptureChanged(CWnd*) { Default(); }
void CWnd::OnVScroll(UINT, UINT, CWnd*) { Default(); }
void CWnd::OnHScroll(UINT, UINT, CWnd*) { Default(); }

UINT CWnd::OnGetDlgCode() {
    // What the widgets themselves want: text fields and lists take arrows and characters,
    // multi-line edits every key; buttons and windows that draw themselves none.
    WindowState* state = StateOf(this);
    if (!state) return 0;
    switch (state->kind) {
    case WindowKind::MultiEdit: return DLGC_WANTALLKEYS | DLGC_WANTARROWS | DLGC_WANTCHARS;
    case WindowKind::Edit:
    case WindowKind::ComboBox:
    case WindowKind::ListBox:
    case WindowKind::Tree:
    case WindowKind::DateTime: return DLGC_WANTARROWS | DLGC_WANTCHARS;
    default: return 0;
    }
}

// ---------------------------------------------------------------------------------------
// Free functions

SHORT GetKeyState(int virtualKey) {
    bool down = false;
    switch (virtualKey) {
    case VK_CONTROL: down = g_modifiers & Qt::ControlModifier; break;
    case VK_SHIFT: down = g_modifiers & Qt::ShiftModifier; break;
    case VK_MENU: down = g_modifiers & Qt::AltModifier; break;
    case VK_LBUTTON: down = QGuiApplication::mouseButtons() & Qt::LeftButton; break;
    case VK_RBUTTON: down = QGuiApplication::mouseButtons() & Qt::RightButton; break;
    default: break;
    }
    return down ? static_cast<SHORT>(-128) : 0;
}

BOOL ReleaseCapture() {
    SetCaptureWidget(nullptr);
    return TRUE;
}

BOOL IsWindow(HWND window) { return window && StateOf(window) && !StateOf(window)->dying; }

int GetClassName(HWND window, LPTSTR buffer, int maxCount) {
    if (!buffer || maxCount <= 0) return 0;
    const std::string name = window ? window->GetWindowClassName().str() : std::string();
    const size_t n = std::min(name.size(), static_cast<size_t>(maxCount - 1));
    name.copy(buffer, n);
    buffer[n] = '\0';
    return static_cast<int>(n);
}

CWnd* AfxGetMainWnd() { return g_mainWnd; }
void AfxSetMainWnd(CWnd* window) { g_mainWnd = window; }

HICON CWnd::SetIcon(HICON icon, BOOL bigIcon) {
    static_cast<void>(bigIcon);
    QWidget* top = TopWidgetOf(this);
    if (!top) return nullptr;
    const QVariant previous = top->property("quorinIcon");
    top->setProperty("quorinIcon", QVariant::fromValue(static_cast<const void*>(icon)));
    top->setWindowIcon(icon ? icon->icon : QIcon());
    return previous.isValid() ? static_cast<HICON>(previous.value<const void*>()) : nullptr;
}
