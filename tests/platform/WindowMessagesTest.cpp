// Run-time classes, message maps, notifications and the window messages that reach the
// handlers of a window: what every window of the program relies on.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QThread>

#include <memory>
#include <string>
#include <vector>

#include "platform/Controls.h"
#include "platform/GuiRuntime.h"
#include "platform/Wnd.h"
#include "platform/qt/WidgetAccess.h"
#include "tests/support/WindowFixture.h"

namespace {

// ---- run-time classes -----------------------------------------------------------------

// Which views replace which, by the registered base, is walked in the document/view tests.
class CAbstractCell : public CObject {
    DECLARE_DYNAMIC(CAbstractCell)
};
IMPLEMENT_DYNAMIC(CAbstractCell, CObject)

TEST(RuntimeClass, ClassesWithoutACreatorMakeNoObjects) {
    EXPECT_EQ(RUNTIME_CLASS(CAbstractCell)->CreateObject(), nullptr);
    const CAbstractCell cell;
    EXPECT_TRUE(cell.IsKindOf(RUNTIME_CLASS(CObject)));
    EXPECT_FALSE(cell.IsKindOf(RUNTIME_CLASS(CWnd)));
}

// ---- message maps ---------------------------------------------------------------------

// What a table control sends: the header, then its own fields.
struct NM_TABLE {
    NMHDR hdr;
    int iRow;
    int iColumn;
};

class CBaseWindow : public CWnd {
public:
    std::vector<std::string> calls;

    const MessageMap& GetMessageMap() const override {
        static const MessageMap map(CWnd::GetMessageMap(), {
            OnClicked(10, &CBaseWindow::OnTen),
            OnClicked(11, &CBaseWindow::OnEleven),
            OnEnChange(40, &CBaseWindow::OnEditChange),
        });
        return map;
    }

protected:
    void OnTen() { calls.push_back("base 10"); }
    void OnEleven() { calls.push_back("base 11"); }
    void OnEditChange() { calls.push_back("change 40"); }
};

class CDerivedWindow : public CBaseWindow {
public:
    const MessageMap& GetMessageMap() const override {
        static const MessageMap map(CBaseWindow::GetMessageMap(), {
            OnClicked(10, &CDerivedWindow::OnTenHere),
            OnNotify(30, NM_DBLCLK, &CDerivedWindow::OnTableDblClick),
        });
        return map;
    }

private:
    void OnTenHere() { calls.push_back("derived 10"); }
    void OnTableDblClick(NMHDR* header, LRESULT* result) {
        const auto* table = reinterpret_cast<NM_TABLE*>(header);
        calls.push_back("dblclick row " + std::to_string(table->iRow));
        *result = 7;
    }
};

// A top-level window that holds controls for a test.
template <class W>
std::unique_ptr<W> MakeWindow() {
    auto window = std::make_unique<W>();
    EXPECT_TRUE(window->Create(nullptr, "test", WS_OVERLAPPED, CRect(0, 0, 300, 200), nullptr, 0));
    return window;
}

LRESULT SendTableNotice(CWnd& to, UINT id, int code, int row) {
    NM_TABLE notice{};
    notice.hdr.idFrom = id;
    notice.hdr.code = code;
    notice.iRow = row;
    return to.SendMessage(WM_NOTIFY, id, reinterpret_cast<LPARAM>(&notice.hdr));
}

TEST(MessageMap, DispatchesThroughTwoLevelsAndIgnoresUnknownIds) {
    CDerivedWindow window;
    window.SendMessage(WM_COMMAND, MAKEWPARAM(10, BN_CLICKED));
    window.SendMessage(WM_COMMAND, MAKEWPARAM(11, BN_CLICKED));
    window.SendMessage(WM_COMMAND, MAKEWPARAM(99, BN_CLICKED));  // nobody's id
    window.SendMessage(WM_COMMAND, MAKEWPARAM(11, EN_CHANGE));   // a code nobody handles for 11
    EXPECT_EQ(SendTableNotice(window, 30, NM_DBLCLK, 4), 7);
    EXPECT_EQ(SendTableNotice(window, 30, NM_CLICK, 5), 0);
    EXPECT_EQ(SendTableNotice(window, 31, NM_DBLCLK, 6), 0);
    EXPECT_EQ(window.calls, (std::vector<std::string>{"derived 10", "base 11", "dblclick row 4"}));
    EXPECT_FALSE(window.OnCmdMsg(99, BN_CLICKED, nullptr));
}

TEST(MessageMap, ControlNotificationsReachTheParentsMap) {
    auto window = MakeWindow<CDerivedWindow>();
    CButton button;
    ASSERT_TRUE(button.Create("OK", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, CRect(10, 10, 80, 30), window.get(), 10));
    CEdit edit;
    ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(10, 40, 150, 60), window.get(), 40));

    qobject_cast<QAbstractButton*>(TopWidgetOf(&button))->click();
    edit.SetWindowText("текст");  // a change made by the program is a change too
    edit.SetWindowText("текст");  // the same text again changes nothing
    EXPECT_EQ(window->calls, (std::vector<std::string>{"derived 10", "change 40"}));
}

// A button that handles its own click: its parent does not see it.
class CSelfClickingButton : public CButton {
public:
    int clicks = 0;
    const MessageMap& GetMessageMap() const override {
        static const MessageMap map(CButton::GetMessageMap(), {OnControlReflect(BN_CLICKED, &CSelfClickingButton::OnClicked)});
        return map;
    }

private:
    void OnClicked() { ++clicks; }
};

TEST(MessageMap, ReflectedNotificationStaysWithTheControl) {
    auto window = MakeWindow<CDerivedWindow>();
    CSelfClickingButton own;
    ASSERT_TRUE(own.Create("Own", WS_CHILD | BS_PUSHBUTTON, CRect(0, 0, 50, 20), window.get(), 11));
    qobject_cast<QAbstractButton*>(TopWidgetOf(&own))->click();
    EXPECT_EQ(own.clicks, 1);
    EXPECT_TRUE(window->calls.empty());
}

// ---- window messages ------------------------------------------------------------------

class CCountingWindow : public CWnd {
public:
    int timerTicks = 0;
    int commands = 0;
    int f5Keys = 0;
    bool controlHeldAtPageDown = false;

    const MessageMap& GetMessageMap() const override {
        static const MessageMap map(CWnd::GetMessageMap(), {OnCommand(77, &CCountingWindow::OnCommand77)});
        return map;
    }
    BOOL PreTranslateMessage(MSG* msg) override {
        if (msg->message == WM_KEYDOWN && msg->wParam == VK_F5) {
            ++f5Keys;
            return TRUE;
        }
        if (msg->message == WM_CHAR && msg->wParam == '#') return TRUE;  // never reaches the edit
        if (msg->message == WM_KEYDOWN && msg->wParam == VK_NEXT) controlHeldAtPageDown = GetKeyState(VK_CONTROL) < 0;
        return CWnd::PreTranslateMessage(msg);
    }

protected:
    void OnTimer(UINT_PTR id) override {
        if (id == 7) ++timerTicks;
    }

private:
    void OnCommand77() { ++commands; }
};

void PumpFor(int milliseconds, const std::function<bool()>& done) {
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < milliseconds) {
        GuiRuntime::PumpMessages();
        QThread::msleep(2);
    }
}

TEST(WindowMessages, TimersTickUntilKilledAndPostedMessagesWaitForTheLoop) {
    auto window = MakeWindow<CCountingWindow>();
    ASSERT_EQ(window->SetTimer(7, 5), 7u);
    PumpFor(2000, [&] { return window->timerTicks >= 2; });
    EXPECT_GE(window->timerTicks, 2);
    EXPECT_TRUE(window->KillTimer(7));
    const int ticks = window->timerTicks;
    PumpFor(50, [] { return false; });
    EXPECT_EQ(window->timerTicks, ticks);

    window->PostMessage(WM_COMMAND, MAKEWPARAM(77, 0));
    EXPECT_EQ(window->commands, 0);
    GuiRuntime::PumpMessages();
    EXPECT_EQ(window->commands, 1);

    window->PostMessage(WM_COMMAND, MAKEWPARAM(77, 0));
    window->DestroyWindow();  // the window is gone before the message is delivered
    GuiRuntime::PumpMessages();
    EXPECT_EQ(window->commands, 1);
    EXPECT_FALSE(window->PostMessage(WM_COMMAND, MAKEWPARAM(77, 0)));
}

// A field that counts the times it loses the keyboard focus.
class CFocusCountingEdit : public CEdit {
public:
    int focusLost = 0;

protected:
    void OnKillFocus(CWnd* newWindow) override {
        ++focusLost;
        CEdit::OnKillFocus(newWindow);
    }
};

// A window shown by a task that runs outside the message loop is painted on the screen at its
// UpdateWindow. Meanwhile the window system's own events run: the showing takes the focus
// from the field that had it (WM_KILLFOCUS), and calls that Qt has queued run too; input,
// timers and posted messages wait.
TEST(WindowMessages, UpdateWindowPutsAWindowShownJustNowOnTheScreenAndHoldsTimersAndPostedMessages) {
    auto busy = MakeWindow<CCountingWindow>();
    CFocusCountingEdit field;
    ASSERT_TRUE(field.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(5, 5, 200, 25), busy.get(), 1));
    busy->ShowWindow(SW_SHOW);
    ActivateTopLevel(&field);
    field.SetFocus();
    auto progress = MakeWindow<CCountingWindow>();
    GuiRuntime::PumpMessages();
    busy->PostMessage(WM_COMMAND, MAKEWPARAM(77, 0));
    ASSERT_EQ(busy->SetTimer(7, 1), 7u);
    int queuedCalls = 0;
    QMetaObject::invokeMethod(qApp, [&] { ++queuedCalls; }, Qt::QueuedConnection);
    QThread::msleep(5);  // the timer is due
    progress->ShowWindow(SW_SHOW);
    ASSERT_EQ(field.focusLost + queuedCalls, 0);
    progress->UpdateWindow();
    EXPECT_EQ(PixelsShownUnlikeDrawn(progress.get()), 0);
    EXPECT_EQ(busy->commands, 0);
    EXPECT_EQ(busy->timerTicks, 0);
    EXPECT_EQ(field.focusLost, 1);
    EXPECT_EQ(queuedCalls, 1);
    GuiRuntime::PumpMessages();  // the message loop again: what waited comes
    EXPECT_EQ(busy->commands, 1);
    EXPECT_GE(busy->timerTicks, 1);
}

// An edit that takes digits only: what its character handler does not pass on is lost.
class CDigitsEdit : public CEdit {
protected:
    void OnChar(UINT ch, UINT repeat, UINT flags) override {
        if (ch == VK_BACK || (ch >= '0' && ch <= '9')) CEdit::OnChar(ch, repeat, flags);
    }
};

TEST(WindowMessages, PreTranslationAndCharacterHandlersDecideWhatTheEditGets) {
    auto window = MakeWindow<CCountingWindow>();
    CDigitsEdit edit;
    ASSERT_TRUE(edit.Create(WS_CHILD | WS_VISIBLE | WS_BORDER, CRect(5, 5, 200, 25), window.get(), 1));
    TypeText(&edit, "a1#b2");
    PressKey(&edit, VK_F5);
    PressKey(&edit, VK_NEXT, MK_CONTROL);
    EXPECT_TRUE(window->controlHeldAtPageDown);
    PressKey(&edit, VK_NEXT);
    EXPECT_FALSE(window->controlHeldAtPageDown);
    CString text;
    edit.GetWindowText(text);
    EXPECT_EQ(text, "12");
    EXPECT_EQ(window->f5Keys, 1);

    // A character sent by code takes the same way into the edit.
    edit.SendMessage(WM_CHAR, '3');
    edit.SendMessage(WM_CHAR, 'x');
    edit.GetWindowText(text);
    EXPECT_EQ(text, "123");

    // Ctrl let go with its key is up again, also where its release carried it as held: a
    // character sent by code then is a plain one.
    PressKey(&edit, VK_HOME, MK_CONTROL);
    EXPECT_GE(GetKeyState(VK_CONTROL), 0);
    edit.SendMessage(WM_CHAR, '4');
    edit.GetWindowText(text);
    EXPECT_EQ(text, "1234");
}

TEST(WindowMessages, ChildWindowsAreWalkedInCreationOrder) {
    auto window = MakeWindow<CCountingWindow>();
    CStatic first, second, third;
    first.Create("1", WS_CHILD, CRect(0, 0, 10, 10), window.get(), 5);
    second.Create("2", WS_CHILD, CRect(0, 0, 10, 10), window.get(), 5);  // two windows may share an id
    third.Create("3", WS_CHILD, CRect(0, 0, 10, 10), window.get(), 6);
    std::vector<CString> texts;
    for (CWnd* child = window->GetWindow(GW_CHILD); child; child = child->GetWindow(GW_HWNDNEXT)) {
        CString text;
        child->GetWindowText(text);
        texts.push_back(text);
    }
    EXPECT_EQ(texts, (std::vector<CString>{"1", "2", "3"}));
    EXPECT_EQ(window->GetDlgItem(5), &first);
    second.DestroyWindow();
    EXPECT_EQ(first.GetWindow(GW_HWNDNEXT), &third);
    EXPECT_FALSE(IsWindow(second.GetSafeHwnd()));
}

}  // namespace
