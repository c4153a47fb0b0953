#include "GuiRuntime.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLibraryInfo>
#include <QMouseEvent>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOption>
#include <QTranslator>
#include <QWheelEvent>

#include <map>
#include <string_view>

#include "qt/GdiData.h"
#include "qt/WidgetAccess.h"
#include "qt/WidgetFactory.h"
#include "qt/WindowState.h"

namespace {

bool IsInput(QEvent::Type type) {
    switch (type) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::MouseMove:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel: return true;
    default: return false;
    }
}

// The messages an input event makes for the window `hwnd`: a key makes a key-down and,
// when it types something, a character.
int MakeMessages(CWnd* hwnd, QEvent* event, MSG (&messages)[2]) {
    MSG msg;
    msg.hwnd = hwnd;
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
        auto* key = static_cast<QKeyEvent*>(event);
        msg.time = static_cast<DWORD>(key->timestamp());
        msg.lParam = MAKELPARAM(1, key->isAutoRepeat() ? 0x4000 : 0);
        int count = 0;
        if (const UINT vk = VirtualKeyOf(key->key())) {
            msg.message = event->type() == QEvent::KeyRelease ? WM_KEYUP : KeyDownMessageOf(*key);
            msg.wParam = vk;
            messages[count++] = msg;
        }
        const char32_t typed = CharacterOfKey(*key);
        if (event->type() == QEvent::KeyPress && typed) {
            msg.message = WM_CHAR;
            msg.wParam = typed;
            messages[count++] = msg;
        }
        return count;
    }
    case QEvent::Wheel: {
        auto* wheel = static_cast<QWheelEvent*>(event);
        const QPoint global = wheel->globalPosition().toPoint();
        msg.message = WM_MOUSEWHEEL;
        msg.wParam = MAKEWPARAM(MouseFlags(wheel->buttons(), wheel->modifiers()),
                                static_cast<unsigned>(static_cast<std::uint16_t>(wheel->angleDelta().y())));
        msg.lParam = MAKELPARAM(global.x(), global.y());
        msg.pt = CPoint(global.x(), global.y());
        messages[0] = msg;
        return 1;
    }
    default: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        const QPoint global = mouse->globalPosition().toPoint();
        const bool right = mouse->button() == Qt::RightButton;
        switch (event->type()) {
        case QEvent::MouseMove: msg.message = WM_MOUSEMOVE; break;
        case QEvent::MouseButtonPress: msg.message = right ? WM_RBUTTONDOWN : WM_LBUTTONDOWN; break;
        case QEvent::MouseButtonRelease: msg.message = right ? WM_RBUTTONUP : WM_LBUTTONUP; break;
        default: msg.message = right ? WM_RBUTTONDOWN : WM_LBUTTONDBLCLK; break;
        }
        const WindowState* target = StateOf(hwnd);
        QWidget* client = target ? target->client.data() : nullptr;
        const QPoint local = client ? client->mapFromGlobal(global) : global;
        msg.wParam = MouseFlags(mouse->buttons(), mouse->modifiers());
        msg.lParam = MAKELPARAM(local.x(), local.y());
        msg.pt = CPoint(global.x(), global.y());
        msg.time = static_cast<DWORD>(mouse->timestamp());
        messages[0] = msg;
        return 1;
    }
    }
}

// The keys held once this event has happened. The window system may report a modifier key's
// own press or release with the state from before it; what the program asks later (a key
// state, a message sent by code) must see the key as let go after its release.
Qt::KeyboardModifiers ModifiersAfter(const QInputEvent* event) {
    Qt::KeyboardModifiers modifiers = event->modifiers();
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease) return modifiers;
    Qt::KeyboardModifier own = Qt::NoModifier;
    switch (static_cast<const QKeyEvent*>(event)->key()) {
    case Qt::Key_Shift: own = Qt::ShiftModifier; break;
    case Qt::Key_Control: own = Qt::ControlModifier; break;
    case Qt::Key_Alt: own = Qt::AltModifier; break;
    case Qt::Key_Meta: own = Qt::MetaModifier; break;
    default: return modifiers;
    }
    return event->type() == QEvent::KeyPress ? modifiers | own : modifiers & ~own;
}

// Whether `upper` holds `lower`, however deep and across pop-up windows (a combo box's list).
bool Holds(const QWidget* upper, const QWidget* lower) {
    for (const QWidget* w = lower ? lower->parentWidget() : nullptr; w != nullptr; w = w->parentWidget())
        if (w == upper) return true;
    return false;
}

// Offers the messages to the window and its parents, up to its top-level window. TRUE
// when one consumed them. Keys go first to the window that takes them (the edit field of a
// combo box).
bool PreTranslate(QWidget* receiver, QEvent* event) {
    WindowState* state = WindowState::Find(receiver);
    const bool key = event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease;
    CWnd* target = state ? (key ? state->KeyboardWindow() : state->Primary()) : nullptr;
    if (!target) return false;
    MSG messages[2];
    const int count = MakeMessages(target, event, messages);
    for (int i = 0; i < count; ++i) {
        for (CWnd* wnd = target; wnd != nullptr;) {
            QWidget* widget = TopWidgetOf(wnd);
            if (wnd->PreTranslateMessage(&messages[i])) return true;
            if (!widget || widget->isWindow()) break;
            CWnd* parent = wnd->GetParent();
            // Each step goes up the widget tree, so the walk ends whatever a window answers.
            if (parent && !Holds(TopWidgetOf(parent), widget)) break;
            wnd = parent;
        }
    }
    return false;
}

class GuiApplication : public QApplication {
public:
    using QApplication::QApplication;

    bool notify(QObject* receiver, QEvent* event) override {
        if (!receiver->isWidgetType() || !IsInput(event->type())) return QApplication::notify(receiver, event);
        RememberModifiers(ModifiersAfter(static_cast<QInputEvent*>(event)));
        QObject* saved = CurrentInputReceiver();
        SetCurrentInputReceiver(receiver);
        struct Restore {
            QObject* saved;
            ~Restore() { SetCurrentInputReceiver(saved); }
        } restore{saved};
        // Input from the user (also inside a modal loop) or sent by a test; not the copies
        // widgets forward to their parts, nor what the layer makes for a message sent by code.
        // A disabled window takes no input: nothing of it is offered to its windows either.
        const bool enabled = static_cast<QWidget*>(receiver)->isEnabled();
        if (enabled && (event->spontaneous() || saved == nullptr) && !IsSynthesizedInput(receiver))
            if (PreTranslate(static_cast<QWidget*>(receiver), event)) return true;
        return QApplication::notify(receiver, event);
    }
};

// The look the templates are laid out for: push buttons keep little room round their
// caption, as the other system's buttons do, so that captions sized for it fit. A combo
// box's list drops down below the box, as tall as its template's drop-down rectangle allows
// (the visible-entry count the layer sets), not as a pop-up over the box that takes as
// much of the screen as its entries want.
class LayerStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override {
        if (metric == PM_ButtonMargin) return 2;
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override {
        if (hint == SH_ComboBox_Popup) return 0;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
    // A menu bar that holds the keyboard (after a tap of Alt, or Escape out of its menu) shows
    // its current menu as an open one is shown: else nothing tells where the typing goes.
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override {
        const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
        if (element != CE_MenuBarItem || !item || !(item->state & State_Selected) || !widget || !widget->hasFocus())
            return QProxyStyle::drawControl(element, option, painter, widget);
        QStyleOptionMenuItem current = *item;
        current.state |= State_Sunken;
        QProxyStyle::drawControl(element, &current, painter, widget);
    }
};

// A few texts of the print and file dialogs that Qt's Bulgarian catalogue leaves in English.
class MissingDialogTexts : public QTranslator {
public:
    QString translate(const char* context, const char* source, const char*, int) const override {
        static const std::map<std::pair<std::string_view, std::string_view>, const char*> texts = {
            {{"QPrint", "Double Sided Printing"}, "Двустранен печат"},
            {{"QPrint", "Off"}, "Изключен"},
            {{"QPrint", "Long side binding"}, "Подвързване по дългата страна"},
            {{"QPrint", "Short side binding"}, "Подвързване по късата страна"},
            {{"QPrint", "Pages"}, "Страници"},
            {{"QAbstractFileIconProvider", "Folder"}, "Папка"},
            {{"QAbstractFileIconProvider", "File"}, "Файл"},
            {{"QAbstractFileIconProvider", "Drive"}, "Устройство"},
        };
        if (!context || !source) return QString();
        const std::string_view family = std::string_view(context).substr(0, 6) == "QPrint" ? "QPrint" : context;
        const auto found = texts.find({family, source});
        return found == texts.end() ? QString() : QString::fromUtf8(found->second);
    }
    bool isEmpty() const override { return false; }
};

// Qt's own dialogs date files by the system locale, which Qt reads from the environment
// once, as the application starts: its dates are asked for in Bulgarian there. A locale
// given for everything (LC_ALL) keeps ruling the rest.
void AskForBulgarianDates() {
    if (const QByteArray all = qgetenv("LC_ALL"); !all.isEmpty()) {
        qputenv("LANG", all);
        qunsetenv("LC_ALL");
    }
    qputenv("LC_TIME", "bg_BG.UTF-8");
}

}  // namespace

struct GuiRuntime::Impl {
    std::unique_ptr<QApplication> application;
    QTranslator translator;
    MissingDialogTexts missingTexts;
};

GuiRuntime::GuiRuntime(int& argc, char** argv) : m_impl(std::make_unique<Impl>()) {
    if (!QCoreApplication::instance()) {
        AskForBulgarianDates();
        m_impl->application = std::make_unique<GuiApplication>(argc, argv);
    }
    // Pickers, calendars and the print preview follow the default locale.
    QLocale::setDefault(QLocale(QLocale::Bulgarian, QLocale::Bulgaria));
    QApplication::setStyle(new LayerStyle(QStyleFactory::create("Fusion")));
    // The dialog font in points, of its size in pixels on this screen: Qt's own dialogs scale
    // their default font by point size (the page setup draws its sample page in a quarter of
    // it), which a font sized in pixels has not.
    QFont dialogFont = DialogFont("MS Sans Serif", 8);
    dialogFont.setPointSizeF(dialogFont.pixelSize() * 72.0 / ScreenDpiY());
    QApplication::setFont(dialogFont);
    if (m_impl->translator.load(QLocale(QLocale::Bulgarian), "qtbase", "_", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&m_impl->translator);
    QCoreApplication::installTranslator(&m_impl->missingTexts);
}

GuiRuntime::~GuiRuntime() {
    if (QCoreApplication::instance()) {
        QCoreApplication::removeTranslator(&m_impl->missingTexts);
        QCoreApplication::removeTranslator(&m_impl->translator);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

int GuiRuntime::Run() { return QApplication::exec(); }

void GuiRuntime::PumpMessages() {
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
