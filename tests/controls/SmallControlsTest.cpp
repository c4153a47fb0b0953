// The numeric edit, the link labels and the extended message box, worked through the
// input path as the user works them.
#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <utility>
#include <vector>

#include "controls/LinkStaticOpenDialog.h"
#include "controls/MsgBoxEx.h"
#include "controls/NumericEdit.h"
#include "platform/Desktop.h"
#include "platform/Dialog.h"
#include "tests/support/WindowFixture.h"

namespace {

constexpr int kNumber = 3001, kLink = 3002, kDialogLink = 3003, kUnknownLink = 3004, kTarget = 3005;

// A modeless window with one of each control.
class ControlsHost : public CDialog {
public:
    ControlsHost() : CDialog(0u) {
        CreateIndirect(DialogTemplate{0, "Проба", {240, 90}, {
            Edit(kNumber, {10, 10, 100, 13}),
            Label(kLink, "www.example.org", {10, 30, 150, 8}),
            Label(kDialogLink, "Смяна на парола", {10, 44, 150, 8}),
            Label(kUnknownLink, "Нищо", {10, 58, 150, 8}),
            Edit(kTarget, {120, 10, 100, 13}),
        }});
        number.SubclassDlgItem(kNumber, this);
        link.SubclassDlgItem(kLink, this);
        dialogLink.SubclassDlgItem(kDialogLink, this);
        unknownLink.SubclassDlgItem(kUnknownLink, this);
        ShowWindow(SW_SHOW);
    }
    ~ControlsHost() override { DestroyWindow(); }

    // The characters as typed into the numeric field; '<' stands for the backspace key.
    CString Typed(const char* keys) {
        number.SetWindowText("");
        number.SetFocus();
        for (const char32_t ch : ToCodePoints(keys)) {
            if (ch == U'<') number.SendMessage(WM_KEYDOWN, VK_BACK);
            else number.SendMessage(WM_CHAR, ch);
        }
        CString text;
        number.GetWindowText(text);
        return text;
    }

    CNumericEdit number;
    CLinkStatic link;
    CLinkStatic_OpenDialog dialogLink;
    CLinkStatic_OpenDialog unknownLink;
};

class SmallControlsTest : public ::testing::Test {
protected:
    void TearDown() override { SetDesktopOpener({}); }
    std::unique_ptr<ControlsHost> host = std::make_unique<ControlsHost>();
};

TEST_F(SmallControlsTest, NumericEditLetsOnlyANumberBeTyped) {
    EXPECT_EQ(host->Typed("12a3б 4"), "1234");
    EXPECT_EQ(host->Typed(".5"), "5");           // no point in an empty field
    EXPECT_EQ(host->Typed("1.2.3"), "1.23");     // the second point is dropped
    EXPECT_EQ(host->Typed("-7"), "7");           // negatives are refused at first
    EXPECT_EQ(host->Typed("8<9"), "9");          // backspace still works

    host->number.SetAllowNegative(TRUE);
    EXPECT_EQ(host->Typed("-7"), "-7");
    EXPECT_EQ(host->Typed("7-"), "7");           // a minus only as the first character
    EXPECT_EQ(host->Typed("--1"), "-1");
}

// "2,8" as a Bulgarian writes it: the comma goes in as the point, under the point's rules.
TEST_F(SmallControlsTest, NumericEditTakesATypedCommaAsThePoint) {
    const auto typed = [this](const char* keys) {
        host->number.SetWindowText("");
        host->number.SetFocus();
        TypeText(&host->number, keys);
        return TextOf(*host, kNumber);
    };
    EXPECT_EQ(typed("2,8"), "2.8");
    EXPECT_EQ(typed(",5"), "5");        // no point in an empty field
    EXPECT_EQ(typed("1,2.3,4"), "1.234");  // one point, however typed
    host->number.LimitText(3);
    EXPECT_EQ(typed("12,5"), "12.");  // the field's limit holds for the point put in
}

// Keys as X gives them: a character is judged on the text it leaves, the selection replaced;
// Delete, Ctrl+A and the clipboard keys work as in any field, and Alt with a key types nothing.
TEST_F(SmallControlsTest, NumericEditJudgesAKeyOnTheTextItLeavesAndKeepsItsEditingKeys) {
    MessageBoxLog boxes;
    CNumericEdit* number = &host->number;
    number->SetAllowNegative(TRUE);
    number->SetWindowText("-4");
    const auto after = [&](UINT key, UINT modifiers, const char* typed = "") {
        PressKey(number, key, modifiers);
        TypeText(number, typed);
        return TextOf(*host, kNumber);
    };
    EXPECT_EQ(after('A', MK_CONTROL, "-2,5"), "-2.5");  // the minus stands first once the key replaced all
    EXPECT_EQ(after('A', MK_CONTROL, "."), "-2.5");    // never a point first
    EXPECT_EQ(after('A', MK_CONTROL, "5"), "5");
    EXPECT_EQ(after(VK_HOME, 0, "-3"), "-35");
    EXPECT_EQ(after(VK_HOME, 0, "7"), "-35");  // nothing before the minus
    EXPECT_EQ(after(VK_DELETE, 0), "35");
    after('A', MK_CONTROL);
    EXPECT_EQ(after('X', MK_CONTROL), "");
    after('V', MK_CONTROL);
    EXPECT_EQ(after('V', MK_CONTROL), "3535");
    EXPECT_EQ(after('Z', MK_CONTROL), "35");
    PressKey(number, VK_END);
    PasteText(number, "-1");  // a minus only first
    after('X', MK_ALT);
    after('1', MK_ALT);
    EXPECT_EQ(after('9', MK_CONTROL | MK_ALT), "35");
    EXPECT_EQ(boxes.Texts(), std::vector<CString>{CNumericEdit::kNotANumber});
}

// A paste is kept only as a number the field could have been typed to, blanks and line
// breaks around it dropped; else the text stays as it was and the user hears why. The
// context menu's entry and Shift+Ins alike.
TEST_F(SmallControlsTest, NumericEditKeepsOnlyAPastedNumber) {
    MessageBoxLog boxes;
    const auto pasted = [this](const char* before, const char* clipboard, bool byKey = false) {
        host->number.SetWindowText(before);
        host->number.SetFocus();
        host->number.SetSel(-1, -1);
        CopyToClipboard(clipboard);
        if (byKey) PressKey(&host->number, VK_INSERT, MK_SHIFT);
        else EXPECT_TRUE(ChooseFromContextMenu(&host->number, CPoint(4, 4), "Поставяне"));
        return TextOf(*host, kNumber);
    };
    EXPECT_EQ(pasted("1", "2,5"), "12.5");  // the comma goes in as the point, as typed
    EXPECT_TRUE(boxes.boxes.empty());
    EXPECT_EQ(pasted("7", "x"), "7");
    EXPECT_EQ(pasted("1.5", ".2"), "1.5");  // a second point
    EXPECT_EQ(pasted("", "-3"), "");        // no negatives here
    EXPECT_EQ(pasted("4", "5а", true), "4");
    EXPECT_EQ(pasted("", ".5"), "");         // a point first
    EXPECT_EQ(boxes.Texts(), std::vector<CString>(5, CNumericEdit::kNotANumber));
    EXPECT_EQ(pasted("", " 3,5\r\n", true), "3.5");

    host->number.SetAllowNegative(TRUE);
    EXPECT_EQ(pasted("", "-3", true), "-3");
    EXPECT_EQ(pasted("5", "-3"), "5");  // a minus only first
}

TEST_F(SmallControlsTest, ALinkOpensItsTargetAndTurnsVisitedOrSaysWhyNot) {
    SetDesktopOpener([](const CString&) { return false; });
    MessageBoxLog boxes;
    ClickAt(&host->link, CPoint(2, 2));
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].text.Left(27), "Unable to open hyperlink:\n\n");
    EXPECT_EQ(boxes.boxes[0].type & MB_ICONMASK, MB_ICONEXCLAMATION);
    EXPECT_FALSE(host->link.IsVisited());

    std::vector<CString> opened;
    SetDesktopOpener([&](const CString& url) {
        opened.push_back(url);
        return true;
    });
    ClickAt(&host->link, CPoint(2, 2));
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_NE(opened[0].Find("www.example.org"), -1);  // the text is the target
    EXPECT_TRUE(host->link.IsVisited());
    EXPECT_EQ(host->link.TextColour(), RGB(85, 26, 139));
}

TEST_F(SmallControlsTest, ADialogLinkRunsTheDialogOfItsIdAndOpensNoAddress) {
    SetDesktopOpener([](const CString&) {
        ADD_FAILURE() << "a dialog link opened an address";
        return true;
    });
    CWnd* openedFor = nullptr;
    CLinkStatic_OpenDialog::RegisterDialog(kDialogLink, [&](CWnd* parent) {
        openedFor = parent;
        parent->SetDlgItemText(kTarget, "потребител");
    });
    ClickAt(&host->dialogLink, CPoint(2, 2));
    EXPECT_EQ(openedFor, host.get());
    CString target;
    host->GetDlgItemText(kTarget, target);
    EXPECT_EQ(target, "потребител");

    ClickAt(&host->unknownLink, CPoint(2, 2));  // nothing registered: nothing happens
    CLinkStatic_OpenDialog::RegisterDialog(kDialogLink, {});
    EXPECT_FALSE(CLinkStatic_OpenDialog::HasDialog(kDialogLink));
}

TEST(MsgBoxExTest, PlainStylesGoToTheProgramsMessageBox) {
    MessageBoxLog boxes({IDNO});
    EXPECT_EQ(CMsgBoxEx("Изтриване?", "Внимание!!!", MB_YESNO), IDNO);
    EXPECT_EQ(CMsgBoxEx("Грешка", "", MB_ICONEXCLAMATION), IDOK);
    ASSERT_EQ(boxes.boxes.size(), 2u);
    EXPECT_EQ(boxes.boxes[0].caption, "Внимание!!!");
    EXPECT_EQ(boxes.boxes[0].type, MB_YESNO);
    EXPECT_FALSE(boxes.boxes[1].caption.IsEmpty());  // the application's title, or "Съобщение"
}

// The buttons of a box, left to right, with their ids.
std::vector<std::pair<int, CString>> ButtonsOf(CDialog& box) {
    std::vector<std::pair<int, CString>> buttons;
    for (const int id : {IDOK, IDCANCEL, IDABORT, IDRETRY, IDIGNORE, IDYES, IDNO, IDCONTINUE_EX, IDYESTOALL, IDNOTOALL,
                         IDC_MSGBOX_HELP, IDC_MSGBOX_CHECK})
        if (CWnd* button = box.GetDlgItem(id)) {
            CString text;
            button->GetWindowText(text);
            buttons.emplace_back(id, text);
        }
    return buttons;
}

TEST(MsgBoxExTest, ExtendedStylesAddButtonsAndTheCheckBox) {
    std::vector<std::pair<int, CString>> shown;
    BOOL endedByEscape = TRUE;
    const ModalRun script([&](CDialog& box) {
        shown = ButtonsOf(box);
        box.PressButton(IDCANCEL);  // no Cancel button: Esc does nothing
        endedByEscape = box.IsEnded();
        box.CheckDlgButton(IDC_MSGBOX_CHECK, BST_CHECKED);
        box.PressButton(IDYESTOALL);
    });
    const int result = CMsgBoxEx("Да се изтрият ли всички избрани формуляри?", "Внимание!!!",
                                 MB_YESNO | MB_YES_TO_ALL | MB_NO_TO_ALL | MB_DONT_ASK_AGAIN);
    EXPECT_EQ(result, IDYESTOALL | static_cast<int>(MB_DONT_ASK_AGAIN));
    EXPECT_FALSE(endedByEscape);
    const std::vector<std::pair<int, CString>> expected = {
        {IDYES, "&Да"}, {IDNO, "&Не"}, {IDYESTOALL, "'Да' за &всички"}, {IDNOTOALL, "'Не' за &всички"},
        {IDC_MSGBOX_CHECK, "Не ме питай повече"}};
    EXPECT_EQ(shown, expected);
}

TEST(MsgBoxExTest, AnExtendedOkBoxClosesWithEscapeAsOk) {
    const ModalRun script([](CDialog& box) { box.PressButton(IDCANCEL); });
    EXPECT_EQ(CMsgBoxEx("Готово.", "", MB_OK | MB_HELP_BUTTON), IDOK);
}

}  // namespace
