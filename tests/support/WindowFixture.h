#pragma once
// What every window test shares: the seams through which it answers what would wait for a
// user (message boxes, modal dialogs, file dialogs, pop-up menus), the user's clicks, choices
// and keys on the controls of a page or dialog, and a picture of a window to look at.
// A seam puts the previous handler back when it goes.
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/CrystalCtrl.h"
#include "platform/Dialog.h"
#include "platform/FileDialog.h"
#include "platform/FrameWnd.h"
#include "platform/Menu.h"
#include "platform/MessageBox.h"

namespace detail {
template <class Hook, class Argument>
Hook HookOf(Hook (*)(Argument));
}  // namespace detail

// Holds `hook` in the seam that `SetHook` sets, while it lives.
template <auto SetHook>
class Seam {
public:
    using Hook = decltype(detail::HookOf(SetHook));
    explicit Seam(Hook hook) : m_previous(SetHook(std::move(hook))) {}
    ~Seam() { SetHook(std::move(m_previous)); }
    Seam(const Seam&) = delete;
    Seam& operator=(const Seam&) = delete;

private:
    Hook m_previous;
};

// Every warning Qt gives while it lives (a font made with no size, a painter begun outside a
// paint event...), in order; Qt still prints each. Left out: the offscreen window system's
// notices of what it cannot do (raise a window, grab the mouse), as the same calls are
// sound on a screen.
class QtWarnings {
public:
    QtWarnings();
    ~QtWarnings();
    QtWarnings(const QtWarnings&) = delete;
    QtWarnings& operator=(const QtWarnings&) = delete;

    std::vector<std::string> texts;

private:
    QtWarnings* m_outer;
};

// Every modal dialog that DoModal opens is handed, prepared, to the script, which works its
// controls and presses a button; nullptr runs the dialog's own event loop.
using ModalRun = Seam<&CDialog::SetModalHook>;
// Every pop-up menu is answered with the command the function gives (0: dismissed).
using MenuRun = Seam<&CMenu::SetPopupHook>;
// Every call that a report control receives is handed to the function.
using ReportCallRun = Seam<&CCrystalCtrl::SetCallRecorder>;

// Records every message box and answers them in turn with `answers`; then OK (Yes to a
// yes/no question).
class MessageBoxLog {
public:
    struct Box {
        CString text;
        CString caption;
        UINT type;
    };
    explicit MessageBoxLog(std::deque<int> answers = {});
    // Forgets the boxes so far; the next are answered with `answers`.
    void Reset(std::deque<int> answers = {});
    std::vector<CString> Texts() const;

    std::vector<Box> boxes;
    // While set, each box also stands for a moment as a real window, which takes the focus
    // from the field that caused it as the user's box does, and gives it back when closed.
    bool shown = false;

private:
    std::deque<int> m_answers;
    Seam<&SetMessageBoxHandler> m_seam;
};

// While it lives, message boxes are the program's own, shown and waiting for the user:
// `script` works each one as the user would once it is up (give its keys to nullptr, where
// the keyboard focus is). A box the script leaves open fails the test and is closed.
class ShownMessageBoxes {
public:
    explicit ShownMessageBoxes(std::function<void()> script);
    ~ShownMessageBoxes();
    ShownMessageBoxes(const ShownMessageBoxes&) = delete;
    ShownMessageBoxes& operator=(const ShownMessageBoxes&) = delete;

private:
    struct Watch;
    std::unique_ptr<Watch> m_watch;
    Seam<&SetMessageBoxHandler> m_seam;
};

// Answers the file dialogs with the paths in turn, then Cancel; records what each asked.
class FileDialogAnswers {
public:
    explicit FileDialogAnswers(std::vector<CString> paths);
    std::vector<CFileDialog::Request> requests;

private:
    std::vector<CString> m_paths;
    Seam<&CFileDialog::SetHook> m_seam;
};

// The user's work on the controls of a page or dialog, by control id; the window is told
// as the control would tell it.
using Entries = std::vector<std::pair<int, CString>>;  // (item data, text)
void Click(CWnd& window, int id);                       // a button, or a radio button with its group
void Choose(CWnd& window, int comboId, int data);       // the entry with this item data
void ChooseIndex(CWnd& window, int comboId, int index);
void Keys(CWnd& window, int id, const char* keys);      // ASCII characters typed one by one
CString TextOf(const CWnd& window, int id);
BOOL IsShown(const CWnd& window, int id);
BOOL IsEnabled(const CWnd& window, int id);
Entries ListOf(const CWnd& window, int comboId);
int SelectedData(const CWnd& window, int comboId);  // -1 without a selection

// Keys, text and clicks as the user gives them to a window, through the whole input path
// (PreTranslateMessage, the window's handlers, the widget). While a combo box's list is
// dropped down the keyboard types into the list: give keys to its window (GetComboBoxInfo);
// a click elsewhere then only closes the list. `modifiers` are MK_SHIFT, MK_CONTROL and MK_ALT,
// and MK_KEYPAD for the key of the numeric keypad (its Enter). A key pressed with Alt is first
// offered to the window's mnemonics, as the window system does. A null window: the keys go
// where the keyboard focus is (an open menu's, while one is open). The lock keys (VK_CAPITAL, VK_NUMLOCK, VK_SCROLL) and the
// Windows key are pressed too, and VK_MENU alone is a tap of Alt.
constexpr UINT VK_LWIN = 0x5B;
constexpr UINT MK_ALTGR = 0x4000;  // AltGr held: a key of the layout's third level
constexpr UINT MK_KEYPAD = 0x8000;
void PressKey(CWnd* window, UINT virtualKey, UINT modifiers = 0);
// The key that types the letter on the user's keyboard layout (a Cyrillic one on a Bulgarian
// layout), pressed with `modifiers`: as X gives it, its code is the capital, its text the letter.
void PressLetterKey(CWnd* window, const CString& letter, UINT modifiers = 0);
void TypeText(CWnd* window, const CString& text);
void PasteText(CWnd* window, const CString& text);  // through the clipboard and Ctrl+V
void CopyToClipboard(const CString& text);           // as another program copies it
// Tests that need a real X server (a real click, the X11 selection, a window manager) have
// "X11" in their suite or test name; tests/support/under-x11 runs them under one. They begin
// with SKIP_UNLESS_X11(): offscreen they skip, but inside that run a missing X connection or
// xdotool fails them.
std::string MissingForX11();  // "" when the test can run
#define SKIP_UNLESS_X11()                                                    \
    if (const std::string missingForX11 = MissingForX11(); !missingForX11.empty()) { \
        if (std::getenv("QUORIN_X11_RUN")) FAIL() << missingForX11;          \
        GTEST_SKIP() << missingForX11;                                       \
    }
// The real pointer (xdotool) moved to the client point, and clicked there with the left button
// when `click`; FALSE when xdotool failed or the pointer did not get there. The program sees
// the move and the click only once its events are pumped.
BOOL RealPointerAt(const CWnd* window, CPoint clientPoint, bool click);
// Pumps the program's events until the condition holds or `milliseconds` have passed; whether
// it holds.
bool PumpUntil(const std::function<bool()>& condition, int milliseconds = 2000);
// `text` selected in another program, then pasted with a middle click at the point.
void PasteSelection(CWnd* window, CPoint clientPoint, const CString& text);
void ClickAt(CWnd* window, CPoint clientPoint, bool twice = false);
// A text dragged from another program over the client point and let go there (MK_CONTROL:
// copying); TRUE when the window took the drop, FALSE when it refused it.
BOOL DropText(CWnd* window, CPoint clientPoint, const CString& text, UINT modifiers = 0);

// The user's pointer as the window system gives it: each event is addressed to the window
// the user sees at the point (a tip standing there, as tips stand above every window, unless
// it lets the pointer through; else the top-level window of `window`), `after` milliseconds
// after the one before; Qt routes it (to the window holding the mouse, if one does) and pairs
// two presses into a double click by its own rules. The event loop does not run in between:
// events made while the program is busy come together, and PumpMessages lets it catch up.
enum class PointerEvent { Move, Press, Release };
enum class PointerButton { Left, Right, Middle };
void UserPointer(CWnd* window, CPoint clientPoint, PointerEvent event, int after = 80,
                 PointerButton button = PointerButton::Left);
// The user's right click at the point opens the window's context menu, and there a click on
// the entry shown as `entry` (without its mnemonic mark and shortcut); FALSE when no menu
// opened or it had no such enabled entry (the menu is then closed).
BOOL ChooseFromContextMenu(CWnd* window, CPoint clientPoint, const CString& entry);
// A text that an input method composed, committed into the field `window` as into the
// field with the focus, while the modifier keys `heldKeys` (MK_CONTROL, MK_ALT, MK_SHIFT) are
// held; it replaces the `replaceLength` characters from `replaceFrom` characters off the caret.
void CommitInput(CWnd* window, const CString& text, UINT heldKeys = 0, int replaceFrom = 0, int replaceLength = 0);
// The notice standing at a field now ("" when none does).
CString FieldNoticeText();
// The user's click on the text a control shows (an edit field, or the field of a date and
// time picker), just after its first `characters` characters.
void ClickOnText(CWnd* window, int characters);
// Makes the top-level window of `window` the active one, as the user's click on it would,
// so that its controls can take the keyboard focus.
void ActivateTopLevel(CWnd* window);

// The shown top-level window with this caption; nullptr when there is none.
CWnd* ShownTopLevel(const CString& caption);

// The colour of a pixel of the window as it is drawn now (client point of the window).
COLORREF PixelOf(const CWnd* window, CPoint point);
// How many pixels of the window the screen shows otherwise than the window drawn afresh:
// what a repaint left behind, or all of them while the window was never painted on the
// screen. Nothing waiting is delivered first: pump the messages before where that is due.
int PixelsShownUnlikeDrawn(const CWnd* window);
// Saves the window as it is drawn to /tmp/<name>.png, to be looked at.
void Grab(const CWnd* window, const CString& name);
