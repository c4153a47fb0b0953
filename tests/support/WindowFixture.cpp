#include "tests/support/WindowFixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <string_view>

#include <QApplication>
#include <QClipboard>
#include <QCursor>
#include <QDropEvent>
#include <QElapsedTimer>
#include <QImage>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QMouseEvent>
#include <QPixmap>
#include <QPointer>
#include <QRegularExpression>
#include <QScreen>
#include <QTimer>
#include <QtMessageHandler>
#include <QWidget>
#include <QWindow>

#include "platform/Controls.h"
#include "platform/ListControls.h"
#include "platform/SystemInfo.h"
#include "platform/WindowImage.h"
#include "platform/qt/FieldNotice.h"
#include "platform/qt/WidgetAccess.h"
#include "platform/qt/WindowState.h"

// Qt's own entry that offers a key to the shortcuts first, as the window system's keys are
// (exported by Qt GUI for its test library).
Q_GUI_EXPORT bool qt_sendShortcutOverrideEvent(QObject* o, ulong timestamp, int k, Qt::KeyboardModifiers mods,
                                               const QString& text = QString(), bool autorep = false, ushort count = 1);

namespace {
QtWarnings* g_warnings = nullptr;
QtMessageHandler g_qtOutput = nullptr;  // Qt's own, which prints

void CollectQtWarning(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (g_warnings && type != QtDebugMsg && type != QtInfoMsg && !text.startsWith("This plugin does not support"))
        g_warnings->texts.push_back(text.toStdString());
    if (g_qtOutput) g_qtOutput(type, context, text);
}
}  // namespace

QtWarnings::QtWarnings() : m_outer(g_warnings) {
    if (!g_warnings) g_qtOutput = qInstallMessageHandler(&CollectQtWarning);
    g_warnings = this;
}

QtWarnings::~QtWarnings() {
    g_warnings = m_outer;
    if (!g_warnings) qInstallMessageHandler(g_qtOutput);
}

MessageBoxLog::MessageBoxLog(std::deque<int> answers)
    : m_answers(std::move(answers)), m_seam([this](const CString& text, const CString& caption, UINT type) {
          boxes.push_back({text, caption, type});
          if (shown) {
              QMessageBox box(QMessageBox::Warning, QString::fromUtf8(caption.GetString()), QString::fromUtf8(text.GetString()),
                              QMessageBox::NoButton, QApplication::activeWindow());  // owned, as the program's
              box.show();
              QApplication::setActiveWindow(&box);
              QCoreApplication::processEvents();
              box.accept();
          }
          if (m_answers.empty()) return (type & MB_TYPEMASK) == MB_YESNO ? IDYES : IDOK;
          const int answer = m_answers.front();
          m_answers.pop_front();
          return answer;
      }) {}

void MessageBoxLog::Reset(std::deque<int> answers) {
    boxes.clear();
    m_answers = std::move(answers);
}

std::vector<CString> MessageBoxLog::Texts() const {
    std::vector<CString> texts;
    for (const Box& box : boxes) texts.push_back(box.text);
    return texts;
}

// Polls the event loop of each box for the box, runs the script once on it when the box has
// the keyboard (a box is the modal widget a moment before the window system activates it), and
// closes a box the script has left open, or that never got the keyboard, for too long.
struct ShownMessageBoxes::Watch {
    static constexpr int kLongestOpenMs = 10000;
    QTimer poll;
    QPointer<QWidget> box;
    QElapsedTimer open;
    bool worked = false;
};

ShownMessageBoxes::ShownMessageBoxes(std::function<void()> script)
    : m_watch(std::make_unique<Watch>()), m_seam(MessageBoxHandler()) {
    Watch& watch = *m_watch;
    QObject::connect(&watch.poll, &QTimer::timeout, [&watch, script = std::move(script)] {
        auto* shown = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!shown) return;
        if (shown != watch.box) {
            watch.box = shown;
            watch.open.start();
            watch.worked = false;
        }
        if (!watch.worked && QApplication::activeWindow() == shown) {
            watch.worked = true;
            script();
        } else if (watch.open.elapsed() > Watch::kLongestOpenMs) {
            ADD_FAILURE() << (watch.worked ? "the message box was left open: " : "the message box never got the keyboard: ")
                          << shown->text().toStdString();
            shown->done(0);
        }
    });
    watch.poll.start(10);
}

ShownMessageBoxes::~ShownMessageBoxes() = default;

FileDialogAnswers::FileDialogAnswers(std::vector<CString> paths)
    : m_paths(std::move(paths)), m_seam([this](const CFileDialog::Request& request) -> std::optional<CString> {
          requests.push_back(request);
          if (requests.size() > m_paths.size()) return std::nullopt;
          return m_paths[requests.size() - 1];
      }) {}

void Click(CWnd& window, int id) {
    CWnd* control = window.GetDlgItem(id);
    auto* button = dynamic_cast<CButton*>(control);
    if (button && (button->GetButtonStyle() & 0x0F) == BS_AUTORADIOBUTTON) {
        // The click turns the others of the group off.
        CWnd* first = control;
        while (!(first->GetStyle() & WS_GROUP) && first->GetWindow(GW_HWNDPREV)) first = first->GetWindow(GW_HWNDPREV);
        for (CWnd* other = first; other && (other == first || !(other->GetStyle() & WS_GROUP));
             other = other->GetWindow(GW_HWNDNEXT))
            if (auto* radio = dynamic_cast<CButton*>(other)) radio->SetCheck(other == control ? BST_CHECKED : BST_UNCHECKED);
    }
    window.SendMessage(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(control));
}

void ChooseIndex(CWnd& window, int comboId, int index) {
    auto* combo = dynamic_cast<CComboBox*>(window.GetDlgItem(comboId));
    combo->SetCurSel(index);
    window.SendMessage(WM_COMMAND, MAKEWPARAM(comboId, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
}

void Choose(CWnd& window, int comboId, int data) {
    const Entries entries = ListOf(window, comboId);
    for (size_t i = 0; i < entries.size(); ++i)
        if (entries[i].first == data) return ChooseIndex(window, comboId, static_cast<int>(i));
    ADD_FAILURE() << "list " << comboId << " has no entry " << data;
}

void Keys(CWnd& window, int id, const char* keys) {
    CWnd* edit = window.GetDlgItem(id);
    edit->SetFocus();
    for (const char* key = keys; *key; ++key) edit->SendMessage(WM_CHAR, static_cast<WPARAM>(*key));
}

CString TextOf(const CWnd& window, int id) {
    CString text;
    window.GetDlgItemText(id, text);
    return text;
}

BOOL IsShown(const CWnd& window, int id) { return window.GetDlgItem(id)->IsWindowVisible(); }
BOOL IsEnabled(const CWnd& window, int id) { return window.GetDlgItem(id)->IsWindowEnabled(); }

Entries ListOf(const CWnd& window, int comboId) {
    Entries entries;
    auto* combo = dynamic_cast<CComboBox*>(window.GetDlgItem(comboId));
    for (int i = 0; combo && i < combo->GetCount(); ++i)
        entries.emplace_back(static_cast<int>(combo->GetItemData(i)), combo->GetLBText(i));
    return entries;
}

int SelectedData(const CWnd& window, int comboId) {
    auto* combo = dynamic_cast<CComboBox*>(window.GetDlgItem(comboId));
    return combo->GetCurSel() < 0 ? -1 : static_cast<int>(combo->GetItemData(combo->GetCurSel()));
}

namespace {
// Keys go where the window's keyboard focus is: the focused part of the window when the focus
// is inside it (the check box of a picker), else its focus proxy, else the window. Without a
// window they go where the user's keys go: to an open menu, else the focused field.
// No window to give them to fails the test: the keys are then not given at all.
QPointer<QWidget> KeyTargetOf(CWnd* window) {
    QWidget* target = nullptr;
    if (!window) {
        target = QApplication::activePopupWidget();
        if (!target) target = QApplication::focusWidget() ? QApplication::focusWidget() : QApplication::activeWindow();
    } else if (QWidget* widget = TopWidgetOf(window)) {
        QWidget* focus = QApplication::focusWidget();
        target = focus && widget->isAncestorOf(focus) ? focus : widget->focusProxy() ? widget->focusProxy() : widget;
    }
    if (!target) ADD_FAILURE() << (window ? "the window to give keys to has no widget" : "no window has the keyboard to give keys to");
    return target;
}

void SendKeyEvent(QWidget* target, QEvent::Type type, int qtKey, const QString& text, Qt::KeyboardModifiers modifiers) {
    QKeyEvent event(type, qtKey, modifiers, text);
    QCoreApplication::sendEvent(target, &event);
}

// The press may close the window; its release still goes where the press went. With Alt held
// the press is first a mnemonic's (a shortcut's), as the window system offers it: a shortcut
// that takes it leaves the window nothing of the key.
void SendKey(QWidget* target, int qtKey, const QString& text, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    if (!target) return;  // closed by a modifier's key
    const bool alt = modifiers & Qt::AltModifier;
    const QPointer<QWidget> receiver = target;
    if (!alt || !qt_sendShortcutOverrideEvent(target, 0, qtKey, modifiers, text)) {
        SendKeyEvent(target, QEvent::KeyPress, qtKey, text, modifiers);
        SendKeyEvent(target, QEvent::KeyRelease, qtKey, text, modifiers);
    }
    // Offering the key made Qt take the modifiers as held: they are let go with the key.
    if (alt) qt_sendShortcutOverrideEvent(receiver ? static_cast<QObject*>(receiver.data()) : qApp, 0, Qt::Key_Alt, Qt::NoModifier);
}

// Shift, Ctrl and Alt are keys of their own that type nothing, pressed before the key they
// change and let go after it. As the X window system gives them, their events carry the state
// from before them. The press or release may close the window: then nothing more goes to it.
constexpr std::pair<Qt::KeyboardModifier, int> kModifierKeys[] = {
    {Qt::ControlModifier, Qt::Key_Control}, {Qt::AltModifier, Qt::Key_Alt}, {Qt::GroupSwitchModifier, Qt::Key_AltGr},
    {Qt::ShiftModifier, Qt::Key_Shift}};

void PressModifiers(const QPointer<QWidget>& target, Qt::KeyboardModifiers modifiers) {
    Qt::KeyboardModifiers held;
    for (const auto& [modifier, key] : kModifierKeys) {
        if (!(modifiers & modifier) || !target) continue;
        SendKeyEvent(target, QEvent::KeyPress, key, QString(), held);
        held |= modifier;
    }
}

void ReleaseModifiers(const QPointer<QWidget>& target, Qt::KeyboardModifiers modifiers) {
    for (const auto& [modifier, key] : kModifierKeys) {
        if (!(modifiers & modifier) || !target) continue;
        SendKeyEvent(target, QEvent::KeyRelease, key, QString(), modifiers);
        modifiers &= ~modifier;
    }
}

// Keys the program never hears of as key presses, which only the widgets see: the lock keys
// and the Windows key. They type nothing.
int KeyTypingNothingOf(UINT virtualKey) {
    switch (virtualKey) {
    case VK_CAPITAL: return Qt::Key_CapsLock;
    case VK_NUMLOCK: return Qt::Key_NumLock;
    case VK_SCROLL: return Qt::Key_ScrollLock;
    case VK_LWIN: return Qt::Key_Super_L;
    default: return 0;
    }
}

Qt::KeyboardModifiers QtModifiersOf(UINT modifiers) {
    Qt::KeyboardModifiers qtModifiers;
    if (modifiers & MK_CONTROL) qtModifiers |= Qt::ControlModifier;
    if (modifiers & MK_SHIFT) qtModifiers |= Qt::ShiftModifier;
    if (modifiers & MK_ALT) qtModifiers |= Qt::AltModifier;
    if (modifiers & MK_ALTGR) qtModifiers |= Qt::GroupSwitchModifier;  // as X reports AltGr
    if (modifiers & MK_KEYPAD) qtModifiers |= Qt::KeypadModifier;
    return qtModifiers;
}

// Capitals and the punctuation on the upper half of the keys are typed with Shift held.
bool TypedWithShift(uint codePoint) {
    static constexpr std::string_view kShifted = "~!@#$%^&*()_+{}|:\"<>?";
    return QChar::isUpper(codePoint) ||
           (codePoint < 0x80 && kShifted.find(static_cast<char>(codePoint)) != std::string_view::npos);
}

}  // namespace

void PressKey(CWnd* window, UINT virtualKey, UINT modifiers) {
    const bool control = modifiers & MK_CONTROL;
    const bool keypad = modifiers & MK_KEYPAD;
    const Qt::KeyboardModifiers qtModifiers = QtModifiersOf(modifiers);
    // What the key types, as the keyboard would give it.
    QString text;
    if (virtualKey == VK_RETURN || virtualKey == VK_ESCAPE || virtualKey == VK_TAB || virtualKey == VK_BACK ||
        virtualKey == VK_SPACE)
        text = QChar(static_cast<char16_t>(virtualKey == VK_SPACE ? ' ' : virtualKey));
    else if (virtualKey == VK_DELETE)
        text = QChar(u'\x7f');
    else if (virtualKey >= 'A' && virtualKey <= 'Z')
        text = control ? QChar(static_cast<char16_t>(virtualKey - 'A' + 1)) : QChar(static_cast<char16_t>(virtualKey)).toLower();
    else if (virtualKey >= '0' && virtualKey <= '9')  // with Ctrl too (not so Ctrl+2 to Ctrl+8: none is pressed)
        text = QChar(static_cast<char16_t>(virtualKey));
    const int key = keypad && virtualKey == VK_RETURN ? Qt::Key_Enter
                    : QtKeyOf(virtualKey)                ? QtKeyOf(virtualKey)
                                                         : KeyTypingNothingOf(virtualKey);
    QPointer<QWidget> target = KeyTargetOf(window);
    if (!target) return;
    PressModifiers(target, qtModifiers);
    // Alt tapped alone is reported held while it is down, and offered to the shortcuts first
    // (the menu bar takes the keyboard at its release).
    SendKey(target, key, text, virtualKey == VK_MENU ? qtModifiers | Qt::AltModifier : qtModifiers);
    ReleaseModifiers(target, qtModifiers);
}

void PressLetterKey(CWnd* window, const CString& letter, UINT modifiers) {
    const QString typed = QString::fromUtf8(letter.GetString());
    const Qt::KeyboardModifiers qtModifiers = QtModifiersOf(typed.isUpper() ? modifiers | MK_SHIFT : modifiers);
    QPointer<QWidget> target = KeyTargetOf(window);
    if (!target) return;
    PressModifiers(target, qtModifiers);
    SendKey(target, typed.toUpper().front().unicode(), typed, qtModifiers);
    ReleaseModifiers(target, qtModifiers);
}

void TypeText(CWnd* window, const CString& text) {
    for (const uint codePoint : QString::fromUtf8(text.GetString()).toUcs4()) {
        const QString typed = QString::fromUcs4(reinterpret_cast<const char32_t*>(&codePoint), 1);
        // A key of the Latin keyboard has the code of what it types (a letter: its capital).
        const uint upper = QChar::toUpper(codePoint);
        const int key = upper >= ' ' && upper < 0x7F ? static_cast<int>(upper) : Qt::Key_unknown;
        const bool shift = TypedWithShift(codePoint);
        const Qt::KeyboardModifiers modifiers = shift ? Qt::ShiftModifier : Qt::NoModifier;
        QPointer<QWidget> target = KeyTargetOf(window);
        if (!target) return;
        PressModifiers(target, modifiers);
        SendKey(target, key, typed, modifiers);
        ReleaseModifiers(target, modifiers);
    }
}

void PasteText(CWnd* window, const CString& text) {
    CopyToClipboard(text);
    PressKey(window, 'V', MK_CONTROL);
}

void CopyToClipboard(const CString& text) { QGuiApplication::clipboard()->setText(QString::fromUtf8(text.GetString())); }

std::string MissingForX11() {
    if (QGuiApplication::platformName() != "xcb") return "no X server (the window system is " + QGuiApplication::platformName().toStdString() + ")";
    if (std::system("command -v xdotool >/dev/null") != 0) return "no xdotool to move and click the real pointer";
    return "";
}

BOOL RealPointerAt(const CWnd* window, CPoint clientPoint, bool click) {
    QWidget* widget = window ? WidgetOf(window) : nullptr;
    if (!widget) {
        ADD_FAILURE() << "no window for the real pointer";
        return FALSE;
    }
    // A window manager maps, frames and places a window in its own time, and a busy machine
    // tells the program late where it went: the pointer is moved until X has it on the point
    // where the window has it now, and only then clicked.
    QWindow* topLevel = widget->window()->windowHandle();
    PumpUntil([&] { return topLevel && topLevel->isExposed(); });
    const QPoint local(clientPoint.x, clientPoint.y);
    const auto onThePoint = [&] { return QCursor::pos() == widget->mapToGlobal(local); };
    for (int moves = 0; moves < 10 && !onThePoint(); ++moves) {
        const QPoint at = widget->mapToGlobal(local);
        const std::string move = "xdotool mousemove " + std::to_string(at.x()) + " " + std::to_string(at.y());
        if (std::system(move.c_str()) != 0) return FALSE;
        PumpUntil(onThePoint, 1000);
    }
    if (!onThePoint()) {
        ADD_FAILURE() << "the real pointer did not reach the point";
        return FALSE;
    }
    return !click || std::system("xdotool click 1") == 0 ? TRUE : FALSE;
}

bool PumpUntil(const std::function<bool()>& condition, int milliseconds) {
    QElapsedTimer waited;
    waited.start();
    while (!condition() && waited.elapsed() < milliseconds) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return condition();
}

void ClickAt(CWnd* window, CPoint clientPoint, bool twice) {
    QWidget* target = window ? WidgetOf(window) : nullptr;
    ASSERT_NE(target, nullptr) << "no window to click";
    QPointF local(clientPoint.x, clientPoint.y);
    const QPointF global = target->mapToGlobal(local);
    // While a list is dropped down the mouse is its: a click elsewhere only closes it.
    if (QWidget* popup = QApplication::activePopupWidget(); popup && popup != target && !popup->isAncestorOf(target)) {
        target = popup;
        local = popup->mapFromGlobal(global);
    }
    std::vector<QEvent::Type> events{QEvent::MouseButtonPress, QEvent::MouseButtonRelease};
    if (twice) events.insert(events.end(), {QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease});
    for (const QEvent::Type type : events) {
        const Qt::MouseButtons buttons = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent event(type, local, global, Qt::LeftButton, buttons, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &event);
    }
}

// The window system's entry for mouse input (what Qt's own test library drives): delivered
// at once, with the timestamp from which Qt tells a double click.
Q_GUI_EXPORT void qt_handleMouseEvent(QWindow* window, const QPointF& local, const QPointF& global,
                                      Qt::MouseButtons state, Qt::MouseButton button, QEvent::Type type,
                                      Qt::KeyboardModifiers mods, int timestamp);

namespace {
int g_pointerClock = 1000000;  // milliseconds

Qt::MouseButton QtButtonOf(PointerButton button) {
    return button == PointerButton::Right ? Qt::RightButton : button == PointerButton::Middle ? Qt::MiddleButton : Qt::LeftButton;
}

// The window the window system gives the pointer to at a screen point.
QWindow* WindowAt(const QWidget* target, QPoint global) {
    for (QWindow* window : QGuiApplication::topLevelWindows())
        if (window->isVisible() && window->type() == Qt::ToolTip && !(window->flags() & Qt::WindowTransparentForInput) &&
            window->geometry().contains(global))
            return window;
    return target->window()->windowHandle();
}

void SendPointer(QWindow* window, QPointF global, PointerEvent event, int after, Qt::MouseButton button) {
    g_pointerClock += after;
    const QEvent::Type type = event == PointerEvent::Move    ? QEvent::MouseMove
                              : event == PointerEvent::Press ? QEvent::MouseButtonPress
                                                             : QEvent::MouseButtonRelease;
    qt_handleMouseEvent(window, window->mapFromGlobal(global), global,
                        event == PointerEvent::Press ? Qt::MouseButtons(button) : Qt::NoButton,
                        event == PointerEvent::Move ? Qt::NoButton : button, type, Qt::NoModifier, g_pointerClock);
}

// An entry's text as the menu shows it, without its mnemonic mark and shortcut.
QString ShownText(const QAction* action) {
    QString text = action->text().section('\t', 0, 0);
    return text.remove(QRegularExpression("&(?!&)"));
}
}  // namespace

void UserPointer(CWnd* window, CPoint clientPoint, PointerEvent event, int after, PointerButton button) {
    QWidget* target = window ? WidgetOf(window) : nullptr;
    ASSERT_NE(target, nullptr) << "no window for the pointer";
    const QPointF global = target->mapToGlobal(QPointF(clientPoint.x, clientPoint.y));
    QWindow* under = WindowAt(target, global.toPoint());
    ASSERT_NE(under, nullptr);
    SendPointer(under, global, event, after, QtButtonOf(button));
}

namespace {
void ClickWith(CWnd* window, CPoint clientPoint, PointerButton button) {
    UserPointer(window, clientPoint, PointerEvent::Press, 80, button);
    UserPointer(window, clientPoint, PointerEvent::Release, 80, button);
}
}  // namespace

BOOL ChooseFromContextMenu(CWnd* window, CPoint clientPoint, const CString& entry) {
    const QString wanted = QString::fromUtf8(entry.GetString());
    bool answered = false, chosen = false;
    const auto user = [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (answered || !menu) return;
        answered = true;
        const QList<QAction*> actions = menu->actions();
        const auto found = std::find_if(actions.begin(), actions.end(), [&](const QAction* action) {
            return action->isEnabled() && !action->isSeparator() && ShownText(action) == wanted;
        });
        if (found == actions.end()) {
            menu->close();
            return;
        }
        const QPointF global = menu->mapToGlobal(QPointF(menu->actionGeometry(*found).center()));
        for (const PointerEvent event : {PointerEvent::Move, PointerEvent::Press, PointerEvent::Release})
            SendPointer(menu->windowHandle(), global, event, 80, Qt::LeftButton);
        chosen = true;
    };
    // A menu that runs its own event loop is answered from there, once it is shown.
    QTimer inMenuLoop;
    inMenuLoop.setSingleShot(true);
    QObject::connect(&inMenuLoop, &QTimer::timeout, user);
    inMenuLoop.start(0);
    ClickWith(window, clientPoint, PointerButton::Right);
    user();  // a menu that was only shown
    return chosen ? TRUE : FALSE;
}

void PasteSelection(CWnd* window, CPoint clientPoint, const CString& text) {
    QGuiApplication::clipboard()->setText(QString::fromUtf8(text.GetString()), QClipboard::Selection);
    ClickWith(window, clientPoint, PointerButton::Middle);
}

void CommitInput(CWnd* window, const CString& text, UINT heldKeys, int replaceFrom, int replaceLength) {
    const QPointer<QWidget> target = KeyTargetOf(window);
    const Qt::KeyboardModifiers held = QtModifiersOf(heldKeys);
    PressModifiers(target, held);
    QInputMethodEvent commit;
    commit.setCommitString(QString::fromUtf8(text.GetString()), replaceFrom, replaceLength);
    if (target) QCoreApplication::sendEvent(target, &commit);
    ReleaseModifiers(target, held);
}

void ClickOnText(CWnd* window, int characters) {
    QWidget* widget = window ? WidgetOf(window) : nullptr;
    ASSERT_NE(widget, nullptr) << "no field to click";
    auto* line = qobject_cast<QLineEdit*>(widget);
    if (!line) line = widget->findChild<QLineEdit*>();
    ASSERT_NE(line, nullptr);
    const QPoint onLine(line->fontMetrics().horizontalAdvance(line->text().left(characters)) + 4, line->height() / 2);
    const QPoint at = line->mapTo(widget, onLine);
    // Long enough after any click before that the two do not pair into a double click.
    UserPointer(window, CPoint(at.x(), at.y()), PointerEvent::Press, 1000);
    UserPointer(window, CPoint(at.x(), at.y()), PointerEvent::Release);
}

void ActivateTopLevel(CWnd* window) {
    QWidget* widget = window ? TopWidgetOf(window) : nullptr;
    ASSERT_NE(widget, nullptr) << "no window to activate";
    QWidget* topLevel = widget->window();
    topLevel->activateWindow();
    QApplication::setActiveWindow(topLevel);
    g_pointerClock += 10000;  // nothing of an earlier test pairs with what comes
}

BOOL DropText(CWnd* window, CPoint clientPoint, const CString& text, UINT modifiers) {
    QWidget* target = window ? WidgetOf(window) : nullptr;
    if (!target) {
        ADD_FAILURE() << "no window to drop on";
        return FALSE;
    }
    QMimeData data;
    data.setText(QString::fromUtf8(text.GetString()));
    const QPoint at(clientPoint.x, clientPoint.y);
    const Qt::DropActions actions = Qt::CopyAction | Qt::MoveAction;
    const Qt::KeyboardModifiers keys = (modifiers & MK_CONTROL) ? Qt::ControlModifier : Qt::NoModifier;
    QDragEnterEvent enter(at, actions, &data, Qt::LeftButton, keys);
    QCoreApplication::sendEvent(target, &enter);
    QDragMoveEvent move(at, actions, &data, Qt::LeftButton, keys);
    if (enter.isAccepted()) QCoreApplication::sendEvent(target, &move);
    if (!enter.isAccepted() || !move.isAccepted()) {
        QDragLeaveEvent leave;
        QCoreApplication::sendEvent(target, &leave);
        return FALSE;
    }
    QDropEvent drop(QPointF(at), actions, &data, Qt::LeftButton, keys);
    QCoreApplication::sendEvent(target, &drop);
    return drop.isAccepted() ? TRUE : FALSE;
}

CString FieldNoticeText() {
    const QLabel* notice = ShownFieldNotice();
    return notice ? CString(notice->text().toUtf8().constData()) : CString();
}

CWnd* ShownTopLevel(const CString& caption) {
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->isVisible() && widget->windowTitle() == QString::fromUtf8(caption.GetString()))
            return WndOfWidget(widget);
    return nullptr;
}

COLORREF PixelOf(const CWnd* window, CPoint point) {
    QWidget* widget = TopWidgetOf(window);
    if (!widget) return CLR_INVALID;
    const QColor colour = widget->grab().toImage().pixelColor(point.x, point.y);
    return RGB(colour.red(), colour.green(), colour.blue());
}

int PixelsShownUnlikeDrawn(const CWnd* window) {
    QWidget* widget = TopWidgetOf(window);
    if (!widget) return -1;
    const QImage drawn = widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QWidget* top = widget->window();
    const QPoint origin = widget->mapTo(top, QPoint(0, 0));
    const QImage shown = top->screen()
                             ->grabWindow(top->winId(), origin.x(), origin.y(), widget->width(), widget->height())
                             .toImage()
                             .convertToFormat(QImage::Format_RGB32);
    if (shown.size() != drawn.size()) return drawn.width() * drawn.height();
    int unlike = 0;
    for (int y = 0; y < drawn.height(); ++y)
        for (int x = 0; x < drawn.width(); ++x) unlike += drawn.pixel(x, y) != shown.pixel(x, y);
    return unlike;
}

void Grab(const CWnd* window, const CString& name) { EXPECT_TRUE(SaveWindowImage(window, "/tmp/" + name + ".png")); }
