#pragma once
// The per-window record behind every widget the layer creates: control id, window class,
// style bits, owner, the wrappers bound to it, timers; and the event filter that turns
// the widget's Qt events into the window's messages.
#include <QObject>
#include <QPointer>
#include <QRect>
#include <QWidget>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/DC.h"
#include "platform/Gdi.h"
#include "platform/Wnd.h"

class QKeyEvent;

// What the widget is, which decides its native behaviour.
enum class WindowKind {
    Custom,      // draws itself (a plain client area)
    Dialog,      // a dialog or a form holding template controls
    Edit,        // single-line edit (QLineEdit)
    MultiEdit,   // multi-line edit (QPlainTextEdit)
    Static,      // label, frame or picture (QLabel)
    Button,      // push button, check box, radio button (QAbstractButton)
    GroupBox,    // group box (QGroupBox)
    ComboBox,
    ListBox,
    Tree,
    DateTime,
    Progress,
    ToolTip,     // tooltip window (QLabel)
    Other,       // created by platform code on a widget of its own
};

class WindowState : public QObject {
public:
    WindowState(QWidget* widget, QWidget* client, WindowKind kind, std::string className, DWORD style,
                DWORD exStyle, int id);
    ~WindowState() override;

    // The record of a widget, or of the window whose client area or viewport it is.
    static WindowState* Of(const QWidget* widget);
    // The record of the nearest widget at or above `widget` that has one.
    static WindowState* Find(const QWidget* widget);

    // The wrapper that answers for the window: the bound one, else a wrapper of the
    // window class's C++ class kept by this record. nullptr while the window is dying.
    CWnd* Primary();
    // The window that takes the keys and the focus: the edit part of an editable combo box
    // once it is a window of its own (GetComboBoxInfo), else Primary.
    CWnd* KeyboardWindow();

    // Sends WM_COMMAND (id, code, this window) to the owner, else the parent.
    void NotifyCommand(int code);
    // Sends WM_NOTIFY with the header filled in (hwndFrom, idFrom, code) to the owner, else the parent.
    LRESULT NotifyParent(NMHDR& header, int code);

    // Marks this window and all below it as going away: no more messages reach them.
    void MarkDying();
    // The records of the windows below this one (child windows and theirs), parents first.
    std::vector<WindowState*> Descendants() const;

    bool eventFilter(QObject* watched, QEvent* event) override;

    QPointer<QWidget> widget;  // outermost widget
    QPointer<QWidget> client;  // holds the children, is painted, gives client coordinates
    WindowKind kind;
    std::string className;
    DWORD style;
    DWORD exStyle;
    int id;
    QPointer<QWidget> owner;
    CWnd* wrapper = nullptr;              // bound wrapper (not owned)
    std::unique_ptr<CWnd> temporary;      // wrapper made for GetDlgItem and the like
    bool dying = false;
    std::map<UINT_PTR, int> timers;       // window timer id -> Qt timer id
    std::map<int, UINT_PTR> timerIds;     // Qt timer id -> window timer id
    std::map<UINT_PTR, TIMERPROC> timerProcs;
    // Painting in progress on the client widget, for IsInPaintEvent.
    bool painting = false;
    QRect paintRect;
    bool cursorSetByHandler = false;
    // Text of a window whose widget shows none (custom windows).
    CString text;
    // Drop-down height asked for a combo box.
    int droppedHeight = 0;
    // While positive, changes made by the program raise no user notification.
    int quiet = 0;
    // A text the user typed into this field that failed its check, in a window that reads on
    // past a failed check: the field goes on showing `typed` while its member keeps `kept`,
    // the last value that passed.
    struct RefusedText {
        CString typed;
        CString kept;
    };
    std::optional<RefusedText> refused;
    // The font object GetFont hands out, and the device contexts GetDC lent.
    std::unique_ptr<CFont> font;
    std::vector<std::unique_ptr<CDC>> dcs;

protected:
    void timerEvent(QTimerEvent* event) override;
    bool event(QEvent* event) override;

private:
    bool FilterInput(QWidget* watched, QEvent* event);
    void Watch(QWidget* w);
};

// While it lives, changes the program makes to the window raise no user notification
// (selection changes of lists), or are reported as made by the program (tree selection).
class QuietChanges {
public:
    explicit QuietChanges(const CWnd* wnd);
    ~QuietChanges();
    QuietChanges(const QuietChanges&) = delete;
    QuietChanges& operator=(const QuietChanges&) = delete;

private:
    QPointer<WindowState> m_state;
};

// Widgets that answer to a size (client size) differ from the client for scroll areas.
QWidget* SizeWidgetOf(const WindowState* state);

// Access to the private parts of CWnd for the layer.
struct WndAccess {
    static QWidget* Widget(const CWnd* wnd) { return wnd->m_widget; }
    static void SetWidget(CWnd* wnd, QWidget* widget) { wnd->m_widget = widget; }
    static void PreSubclass(CWnd* wnd) { wnd->PreSubclassWindow(); }
    static int Create(CWnd* wnd, LPCREATESTRUCT cs) { return wnd->OnCreate(cs); }
    static void Destroy(CWnd* wnd) { wnd->OnDestroy(); }
    static BOOL ChildNotify(CWnd* wnd, UINT m, WPARAM w, LPARAM l, LRESULT* r) { return wnd->OnChildNotify(m, w, l, r); }
    static UINT DlgCode(CWnd* wnd) { return wnd->OnGetDlgCode(); }
};

// The message being handled, for Default(): a message made from a Qt event goes on to
// the widget when the handler asks for the default handling.
struct CurrentMessage {
    CWnd* wnd;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    bool fromEvent;
    bool passToWidget = false;
};

// The record of a window; nullptr while it has none.
WindowState* StateOf(const CWnd* wnd);
// The wrapper that answers for the window of this very widget (not of an ancestor's).
CWnd* PrimaryOf(QWidget* widget);

// Runs wnd->WindowProc with the message recorded as current.
LRESULT DeliverMessage(CWnd* wnd, UINT message, WPARAM wParam, LPARAM lParam, bool fromEvent,
                       bool* passToWidget = nullptr);

// The widget the input event being delivered was first sent to (set by the application).
QObject* CurrentInputReceiver();
void SetCurrentInputReceiver(QObject* receiver);
// True for an input event the layer made itself for a message sent by code.
bool IsSynthesizedInput(const QObject* receiver);

// Translation of Qt input to window messages.
UINT VirtualKeyOf(int qtKey);
int QtKeyOf(UINT virtualKey);
// The one rule of what a key press types: the character that it gives its window as WM_CHAR
// and its field as text, or 0 when it types none. A key pressed with Alt (not AltGr, whose
// characters are typed) is for menus and mnemonics; Ctrl with a key gives only a control
// character (Ctrl+A's 0x01), never a printable one; Delete, to which X gives the text 0x7F,
// edits and types nothing.
char32_t CharacterOfKey(const QKeyEvent& key);
// WM_SYSKEYDOWN for a key pressed with Alt that types nothing (the menus'), else WM_KEYDOWN:
// a key that types a character never gives a system key-down.
UINT KeyDownMessageOf(const QKeyEvent& key);
UINT MouseFlags(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers);
void RememberModifiers(Qt::KeyboardModifiers modifiers);
