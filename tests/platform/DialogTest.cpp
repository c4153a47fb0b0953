// Dialogs built from templates, dialog data exchange, and modal dialogs driven through the
// test seam.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <functional>

#include "platform/Controls.h"
#include "platform/DateTimeCtrl.h"
#include "platform/Dialog.h"
#include "platform/FileDialog.h"
#include "platform/ListControls.h"
#include "platform/MessageBox.h"
#include "platform/qt/WidgetAccess.h"
#include "tests/support/WindowFixture.h"

namespace {

constexpr UINT kFieldsDialog = 9101;

std::vector<DialogControl> FieldControls() {
    return {
        Label(IDC_STATIC, "Име:", {7, 9, 30, 8}),
        Edit(1001, {40, 7, 100, 12}),
        Edit(1002, {40, 22, 40, 12}, ES_NUMBER | ES_RIGHT),
        CheckBox(1003, "Отметка", {7, 40, 60, 10}),
        RadioButton(1004, "Първи", {7, 55, 50, 10}).Group(),
        RadioButton(1005, "Втори", {60, 55, 50, 10}),
        RadioButton(1006, "Трети", {113, 55, 50, 10}),
        RadioButton(1007, "Друга група", {7, 70, 80, 10}).Group(),
        RadioButton(1012, "И още", {90, 70, 80, 10}),
        ComboBox(1008, {7, 100, 80, 60}).Items({"едно", "две", "три"}).Group(),
        ComboBox(1009, {100, 100, 80, 60}, CBS_DROPDOWN | CBS_SORT),
        DatePicker(1010, {7, 118, 80, 12}, DTS_SHOWNONE),
        Edit(1011, {100, 118, 80, 12}).Hidden(),
        DefPushButton(IDOK, "OK", {40, 132, 50, 14}),
        Button(IDCANCEL, "Отказ", {100, 132, 50, 14}),
        Button(1020, "Друго", {150, 132, 40, 14}),
    };
}

const DialogTemplate& kFields = RegisterDialogTemplate({kFieldsDialog, "Полета", {200, 150}, FieldControls()});

class CFieldsDialog : public CDialog {
public:
    explicit CFieldsDialog(UINT id = kFieldsDialog) : CDialog(id) {}

    CString name;
    int number = 0;
    int check = 0;
    int radio = -1;
    int other = -1;
    int comboIndex = -1;
    CString comboText;
    COleDateTime date{2024, 5, 17, 0, 0, 0};
    CString hidden;
    CComboBox sortedCombo;
    int nameChanges = 0;

    const MessageMap& GetMessageMap() const override {
        static const MessageMap map(CDialog::GetMessageMap(), {
            OnEnChange(1001, &CFieldsDialog::OnNameChange),
            OnClicked(1020, &CFieldsDialog::OnOther),
        });
        return map;
    }

protected:
    void DoDataExchange(CDataExchange* pDX) override {
        DDX_Text(pDX, 1001, name);
        DDV_MaxChars(pDX, name, 5);
        DDX_Text(pDX, 1002, number);
        DDV_MinMaxInt(pDX, number, 0, 90);
        DDX_Check(pDX, 1003, check);
        DDX_Radio(pDX, 1004, radio);
        DDX_Radio(pDX, 1007, other);
        DDX_CBIndex(pDX, 1008, comboIndex);
        DDX_Control(pDX, 1009, sortedCombo);
        DDX_CBString(pDX, 1009, comboText);
        DDX_DateTimeCtrl(pDX, 1010, date);
        DDX_Text(pDX, 1011, hidden);
    }
    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        for (const char* entry : {"Петър", "иванка", "Иван"}) sortedCombo.AddString(entry);
        return TRUE;
    }
    // The rule of the dialog's OK: a name must be given.
    void OnOK() override {
        UpdateData(TRUE);
        if (name.IsEmpty()) {
            AfxMessageBox("Въведете име!");
            return;
        }
        CDialog::OnOK();
    }

private:
    void OnNameChange() { ++nameChanges; }
    void OnOther() { EndDialog(1020); }
};

CRect RectInParent(CWnd* child) {
    CRect r;
    child->GetWindowRect(&r);
    child->GetParent()->ScreenToClient(&r);
    return r;
}

// ---- templates ------------------------------------------------------------------------

TEST(DialogTemplate, BuildsTheControlsWithIdsCaptionsKindsAndItems) {
    CFieldsDialog dialog;
    ASSERT_TRUE(dialog.Create(kFieldsDialog));
    EXPECT_FALSE(dialog.IsWindowVisible());  // the template is not visible: a data holder stays hidden
    EXPECT_EQ(dialog.GetDlgItem(9999), nullptr);  // callers test for controls a page lacks

    auto* listCombo = static_cast<CComboBox*>(dialog.GetDlgItem(1008));
    ASSERT_EQ(listCombo->GetCount(), 3);
    EXPECT_EQ(listCombo->GetLBText(2), "три");
    EXPECT_EQ(listCombo->GetCurSel(), CB_ERR);  // items from the template, none chosen

    EXPECT_FALSE(dialog.GetDlgItem(1011)->GetStyle() & WS_VISIBLE);
    EXPECT_TRUE(dialog.GetDlgItem(1001)->GetStyle() & WS_VISIBLE);

    // Controls follow in template order (the tab order).
    CWnd* first = dialog.GetWindow(GW_CHILD);
    EXPECT_EQ(first->GetWindowClassName(), "Static");
    EXPECT_EQ(first->GetWindow(GW_HWNDNEXT)->GetDlgCtrlID(), 1001);
    dialog.DestroyWindow();
}

TEST(DialogTemplate, PositionsAreDialogUnitsOfTheFont) {
    CFieldsDialog dialog;
    ASSERT_TRUE(dialog.Create(kFieldsDialog));
    EXPECT_EQ(RectInParent(dialog.GetDlgItem(1001)), DialogUnitsToPixels(kFields.font, {40, 7, 100, 12}));
}

TEST(DialogTemplate, ADialogWithoutASizingFrameIsSizedByItsOwnCodeOnly) {
    CFieldsDialog dialog;
    ASSERT_TRUE(dialog.Create(kFieldsDialog));
    CRect before;
    dialog.GetWindowRect(&before);
    dialog.SetWindowPos(nullptr, 0, 0, before.Width(), before.Height() - 40, SWP_NOMOVE | SWP_NOZORDER);
    CRect after;
    dialog.GetWindowRect(&after);
    EXPECT_EQ(after, CRect(before.left, before.top, before.right, before.bottom - 40));
    dialog.MoveWindow(10, 20, 250, 120);
    dialog.GetWindowRect(&after);
    EXPECT_EQ(after, CRect(10, 20, 260, 140));
    const QWidget* window = TopWidgetOf(&dialog);
    EXPECT_EQ(window->minimumSize(), window->maximumSize());  // the user still cannot drag it
    dialog.DestroyWindow();
}

// ---- data exchange --------------------------------------------------------------------

class DataExchange : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dialog.Create(kFieldsDialog));
        dialog.ShowWindow(SW_SHOW);  // shown and active, so that a refused field can take the focus
        QApplication::setActiveWindow(TopWidgetOf(&dialog));
    }
    void TearDown() override { dialog.DestroyWindow(); }
    CWnd* Item(int id) { return dialog.GetDlgItem(id); }

    CFieldsDialog dialog;
};

TEST_F(DataExchange, EveryKindGoesBothWays) {
    dialog.name = "Ана";
    dialog.number = 42;
    dialog.check = 1;
    dialog.radio = 2;
    dialog.comboIndex = 1;
    dialog.comboText = "Георги";  // no entry begins so: the editable combo takes the text
    dialog.hidden = "скрит";
    ASSERT_TRUE(dialog.UpdateData(FALSE));
    EXPECT_EQ(TextOf(dialog, 1001), "Ана");
    EXPECT_EQ(TextOf(dialog, 1002), "42");
    EXPECT_EQ(dialog.IsDlgButtonChecked(1003), BST_CHECKED);
    EXPECT_EQ(dialog.GetCheckedRadioButton(1004, 1006), 1006);
    EXPECT_EQ(static_cast<CComboBox*>(Item(1008))->GetCurSel(), 1);
    EXPECT_EQ(TextOf(dialog, 1009), "Георги");
    EXPECT_EQ(TextOf(dialog, 1011), "скрит");  // hidden controls take part all the same

    Item(1001)->SetWindowText("Боян");
    Item(1002)->SetWindowText(" 7 ");
    dialog.CheckDlgButton(1003, BST_UNCHECKED);
    dialog.CheckRadioButton(1004, 1006, 1004);
    dialog.CheckDlgButton(1012, BST_CHECKED);
    static_cast<CComboBox*>(Item(1008))->SetCurSel(-1);
    dialog.sortedCombo.SetCurSel(0);
    static_cast<CDateTimeCtrl*>(Item(1010))->SetTime(COleDateTime(2023, 12, 31, 0, 0, 0));
    ASSERT_TRUE(dialog.UpdateData(TRUE));
    EXPECT_EQ(dialog.name, "Боян");
    EXPECT_EQ(dialog.number, 7);
    EXPECT_EQ(dialog.check, 0);
    EXPECT_EQ(dialog.radio, 0);
    EXPECT_EQ(dialog.other, 1);
    EXPECT_EQ(dialog.comboIndex, -1);
    EXPECT_EQ(dialog.comboText, "Иван");  // sorted: Иван, иванка, Петър
    EXPECT_EQ(dialog.date, COleDateTime(2023, 12, 31, 0, 0, 0));

    dialog.radio = -1;
    ASSERT_TRUE(dialog.UpdateData(FALSE));
    EXPECT_EQ(dialog.GetCheckedRadioButton(1004, 1006), 0);
    EXPECT_EQ(dialog.GetCheckedRadioButton(1007, 1012), 1012);  // another group is left alone
}

TEST_F(DataExchange, ComboTextSelectsTheFirstEntryItBegins) {
    dialog.comboText = "ИВ";
    dialog.UpdateData(FALSE);
    EXPECT_EQ(dialog.sortedCombo.GetCurSel(), 0);
    EXPECT_EQ(TextOf(dialog, 1009), "Иван");
    dialog.comboText = "";
    dialog.UpdateData(FALSE);
    EXPECT_EQ(TextOf(dialog, 1009), "");
    EXPECT_EQ(dialog.GetDlgItem(1009), &dialog.sortedCombo);  // the bound member answers for the control
}

TEST_F(DataExchange, TextIsSetOnlyWhenItDiffers) {
    dialog.name = "Ана";
    dialog.UpdateData(FALSE);
    dialog.UpdateData(FALSE);
    EXPECT_EQ(dialog.nameChanges, 1);
    dialog.name = "Ани";
    dialog.UpdateData(FALSE);
    EXPECT_EQ(dialog.nameChanges, 2);
}

TEST_F(DataExchange, TooLongTextIsRefusedAtItsControlAndReadingStops) {
    MessageBoxLog boxes;
    dialog.number = -5;
    dialog.SetDlgItemText(1001, "Николай");  // set by the program: longer than the limit, kept whole
    dialog.SetDlgItemText(1002, "12");
    EXPECT_FALSE(dialog.UpdateData(TRUE));
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].text, "Please enter no more than 5 characters.");
    EXPECT_EQ(boxes.boxes[0].caption, "Quorin");
    EXPECT_EQ(dialog.number, -5);  // the fields after it were not read
    EXPECT_EQ(CWnd::GetFocus(), Item(1001));
}

TEST_F(DataExchange, FillingLimitsWhatCanBeTyped) {
    dialog.name = "";
    dialog.UpdateData(FALSE);
    TypeText(Item(1001), "Мариана");
    EXPECT_EQ(TextOf(dialog, 1001), "Мариа");
}

TEST_F(DataExchange, IntegersRefuseTextThatIsNoNumberOrOutOfRange) {
    dialog.SetDlgItemText(1001, "Ана");
    for (const char* bad : {"12a", "", "--3", "99999999999"}) {
        MessageBoxLog boxes;
        dialog.number = 5;
        dialog.SetDlgItemText(1002, bad);
        EXPECT_FALSE(dialog.UpdateData(TRUE)) << bad;
        ASSERT_EQ(boxes.boxes.size(), 1u) << bad;
        EXPECT_EQ(boxes.boxes[0].text, "Please enter an integer.");
        EXPECT_EQ(dialog.number, 5);
        EXPECT_EQ(CWnd::GetFocus(), Item(1002));
    }
    MessageBoxLog boxes;
    dialog.SetDlgItemText(1002, "91");
    EXPECT_FALSE(dialog.UpdateData(TRUE));
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].text, "Please enter an integer between 0 and 90.");
    dialog.SetDlgItemText(1002, "-0");
    EXPECT_TRUE(dialog.UpdateData(TRUE));
    EXPECT_EQ(dialog.number, 0);
}

TEST_F(DataExchange, ClearedPickerBoxGivesANullDate) {
    dialog.date.SetStatus(COleDateTime::null);
    dialog.UpdateData(FALSE);
    COleDateTime shown;
    EXPECT_EQ(static_cast<CDateTimeCtrl*>(Item(1010))->GetTime(shown), GDT_NONE);
    dialog.date = COleDateTime(2020, 1, 1, 0, 0, 0);
    dialog.UpdateData(TRUE);
    EXPECT_EQ(dialog.date.GetStatus(), COleDateTime::null);
    dialog.date = COleDateTime(2021, 2, 28, 0, 0, 0);
    dialog.UpdateData(FALSE);
    dialog.date.SetStatus(COleDateTime::null);
    dialog.UpdateData(TRUE);
    EXPECT_EQ(dialog.date, COleDateTime(2021, 2, 28, 0, 0, 0));
}

TEST_F(DataExchange, ABoundControlCannotBeBoundTwice) {
    CComboBox another;
    EXPECT_FALSE(another.SubclassDlgItem(1009, &dialog));
    EXPECT_TRUE(another.SubclassDlgItem(1008, &dialog));
    EXPECT_EQ(another.GetCount(), 3);
}

// ---- modal dialogs --------------------------------------------------------------------

TEST(ModalDialog, TheOkRuleKeepsTheDialogOpenUntilItIsMet) {
    MessageBoxLog boxes;
    bool refusedStayedOpen = false;
    CFieldsDialog dialog;
    const ModalRun script([&](CDialog& shown) {
        EXPECT_TRUE(shown.IsWindowVisible());
        shown.SetDlgItemText(1001, "");
        EXPECT_TRUE(shown.PressButton(IDOK));
        refusedStayedOpen = !shown.IsEnded() && shown.IsWindowVisible();
        shown.SetDlgItemText(1001, "Иван");
        shown.SetDlgItemText(1002, "3");
        shown.PressButton(IDOK);
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_TRUE(refusedStayedOpen);
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].text, "Въведете име!");
    EXPECT_EQ(dialog.name, "Иван");
    EXPECT_EQ(dialog.number, 3);
    EXPECT_EQ(dialog.GetSafeHwnd(), nullptr);  // the window is gone, the members stay
}

TEST(ModalDialog, EndsWithTheButtonEnterEscOrTheCloseBox) {
    const struct {
        const char* what;
        std::function<void(CDialog&)> script;
        int result;
    } runs[] = {
        {"a button of its own", [](CDialog& shown) { shown.PressButton(1020); }, 1020},
        {"disabled buttons do nothing; Cancel works without a look at the fields",
         [](CDialog& shown) {
             shown.GetDlgItem(IDOK)->EnableWindow(FALSE);
             EXPECT_FALSE(shown.PressButton(IDOK));
             EXPECT_FALSE(shown.IsEnded());
             shown.SetDlgItemText(1002, "не е число");
             shown.PressButton(IDCANCEL);
         },
         IDCANCEL},
        {"Enter presses the default button",
         [](CDialog& shown) {
             shown.SetDlgItemText(1001, "Ема");
             PressKey(shown.GetDlgItem(1001), VK_RETURN);
         },
         IDOK},
        {"Esc cancels", [](CDialog& shown) { PressKey(shown.GetDlgItem(1001), VK_ESCAPE); }, IDCANCEL},
        {"the close box is Cancel", [](CDialog& shown) { TopWidgetOf(&shown)->close(); }, IDCANCEL},
    };
    CFieldsDialog dialog;
    for (const auto& run : runs) {
        SCOPED_TRACE(run.what);
        const ModalRun script(run.script);
        EXPECT_EQ(dialog.DoModal(), run.result);
    }
}

TEST(FileDialog, TheSeamSeesTheFilterAndPicksTheFile) {
    const FileDialogAnswers answers({"/снимки/мечка 1.JPG"});
    CFileDialog dialog(TRUE, nullptr, nullptr, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,
                       "Image Files |*.bmp; *.jpg|Bitmaps (*.bmp)|*.bmp||");
    ASSERT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(answers.requests[0].qtFilter, "Image Files (*.bmp *.jpg);;Bitmaps (*.bmp) (*.bmp)");
    EXPECT_EQ(dialog.GetPathName(), "/снимки/мечка 1.JPG");
    EXPECT_EQ(dialog.GetFileName(), "мечка 1.JPG");
}

TEST(ModalDialog, WithoutTheSeamRunsItsOwnEventLoop) {
    const ModalRun ownLoop(nullptr);
    CFieldsDialog dialog;
    bool visibleWhileRunning = false;
    QTimer::singleShot(0, [&] {
        visibleWhileRunning = dialog.IsWindowVisible();
        dialog.SetDlgItemText(1001, "Вяра");
        dialog.PressButton(IDOK);
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_TRUE(visibleWhileRunning);
    EXPECT_EQ(dialog.name, "Вяра");
}

// In every box, Alt with the marked letter of a button presses that button: no two buttons
// of a box share their letter.
TEST(MessageBox, EachButtonAnswersAltWithItsOwnLetter) {
    for (const UINT type :
         {MB_OK, MB_OKCANCEL, MB_ABORTRETRYIGNORE, MB_YESNOCANCEL, MB_YESNO, MB_RETRYCANCEL, MB_CANCELTRYCONTINUE})
        for (const MessageBoxButton& button : MessageBoxButtons(type)) {
            const CString text(button.text);
            SCOPED_TRACE(text.GetString());
            const CString letter = text.Mid(text.Find(U'&') + 1, 1).MakeLower();
            const ShownMessageBoxes shown([letter] { PressLetterKey(nullptr, letter, MK_ALT); });
            EXPECT_EQ(AfxMessageBox("Изберете.", type), button.id);
        }
}

// A dialog ends and a box comes at once, before the program's event loop runs (as at
// start-up), while the closed dialog still counts as the active window: the box must not
// belong to it, as the dialog's window is deleted once the box handles events.
TEST(MessageBox, ABoxRightAfterADialogClosedStaysUntilAnswered) {
    {
        const ModalRun ownLoop(nullptr);
        CFieldsDialog dialog;
        QTimer::singleShot(0, [&] {
            dialog.SetDlgItemText(1001, "Вяра");
            dialog.PressButton(IDOK);
        });
        ASSERT_EQ(dialog.DoModal(), IDOK);
    }
    const ShownMessageBoxes shown([] { PressKey(nullptr, VK_RETURN); });
    EXPECT_EQ(AfxMessageBox("Записано.", MB_OKCANCEL), IDOK);
}

TEST(ModalDialog, AMissingTemplateGivesMinusOne) {
    CDialog dialog(424242);
    EXPECT_EQ(dialog.DoModal(), -1);
    EXPECT_FALSE(dialog.Create(424242));
}

}  // namespace
