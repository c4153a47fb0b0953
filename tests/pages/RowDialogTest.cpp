// The pattern of the species pages' row dialogs, on a dialog of the test's own: adding and
// changing a row, the rules that keep the dialog open, and what reaches the row.
#include "controls/ComboHelpers.h"
#include "pages/common/PageLists.h"
#include "pages/common/PageValues.h"
#include "pages/common/RowDialog.h"
#include "tests/pages/PageFixture.h"

namespace {

constexpr UINT kRowTemplate = 9150;
constexpr int kExposure = 3101, kCount = 3102, kFirstMethod = 3103, kMethods = 3, kSeen = 3106, kHeard = 3107;

struct CSightingRow {
    int ExposureID = -1;
    CString ExposureName;
    int Count = -1;
    BYTE Methods[kMethods] = {static_cast<BYTE>(-1), static_cast<BYTE>(-1), static_cast<BYTE>(-1)};
    CString MethodsText;
    int Way = -1;
    CString WayText;
};

const DialogTemplate& kRowDialog = RegisterDialogTemplate({kRowTemplate, "Наблюдение", {200, 112}, {
    Label(IDC_STATIC, "Изложение:", {7, 9, 50, 8}),
    ComboBox(kExposure, {60, 7, 133, 100}, CBS_DROPDOWNLIST | WS_VSCROLL),
    Label(IDC_STATIC, "Брой:", {7, 27, 50, 8}),
    Edit(kCount, {60, 25, 40, 13}, ES_NUMBER),
    CheckBox(kFirstMethod, "Пряко наблюдение", {7, 44, 90, 10}),
    CheckBox(kFirstMethod + 1, "Следи", {7, 56, 90, 10}),
    CheckBox(kFirstMethod + 2, "Капани", {7, 68, 90, 10}),
    RadioButton(kSeen, "Видян", {110, 44, 80, 10}).Group(),
    RadioButton(kHeard, "Чут", {110, 56, 80, 10}),
    DefPushButton(IDOK, "OK", {85, 92, 50, 14}).Group(),
    Button(IDCANCEL, "Отказ", {143, 92, 50, 14}),
}});

class CDlg_Sighting : public CRowDialogOf<CSightingRow> {
public:
    CDlg_Sighting(const CSightingRow* row, const BYTE* enabled) : CRowDialogOf(kRowTemplate, row), m_enabled(enabled) {}

    CComboBox m_exposure;
    CString m_count;
    int m_way = -1;

protected:
    void DoDataExchange(CDataExchange* pDX) override {
        CRowDialogOf::DoDataExchange(pDX);
        DDX_Control(pDX, kExposure, m_exposure);
        DDX_Text(pDX, kCount, m_count);
        DDX_Radio(pDX, kSeen, m_way);
    }
    void FillLists() override { FillComboFromColumns(m_exposure, "ID", "Name", "nMossExposure"); }
    BOOL ShowRow() override {
        CComboHelpers::SelectByItemData(m_exposure, static_cast<DWORD>(m_row.ExposureID));
        ApplyMethodStates(kFirstMethod, m_enabled, kMethods);
        m_count = CountText(m_row.Count);
        for (int i = 0; i < kMethods; ++i) CheckDlgButton(kFirstMethod + i, CheckValue(static_cast<signed char>(m_row.Methods[i])));
        m_way = m_row.Way;
        return TRUE;
    }
    BOOL CheckInput() override {
        return RequireChoice(m_exposure, "Моля изберете изложение!") && RequireText(m_count, "Моля въведете брой!", TRUE) &&
               RequireAnyChecked(kFirstMethod, kMethods, "Моля изберете метод!") &&
               RequireRadio(m_way, "Моля изберете как е установен!");
    }
    void TakeRow() override {
        CComboHelpers::GetSelection(m_exposure, m_row.ExposureID, m_row.ExposureName);
        m_row.Count = LeadingInteger(m_count);
        m_row.MethodsText = ReadMethods(kFirstMethod, kMethods, m_row.Methods);
        m_row.Way = m_way;
        m_row.WayText = RadioCaption(kSeen, m_way);
    }

private:
    const BYTE* m_enabled;
};

// The page fixture gives the database and the answered message boxes.
class RowDialogTest : public PageTest {};

TEST_F(RowDialogTest, AddingRefusesOkUntilEveryRuleHolds) {
    std::vector<CString> countShown;
    ModalRun script([&](CDialog& shown) {
        auto& dialog = dynamic_cast<CDlg_Sighting&>(shown);
        EXPECT_EQ(dialog.m_exposure.GetCurSel(), CB_ERR);
        countShown.push_back(dialog.m_count);
        dialog.PressButton(IDOK);
        CComboHelpers::SelectByItemData(dialog.m_exposure, 6);
        dialog.SetDlgItemText(kCount, "   ");
        dialog.PressButton(IDOK);
        dialog.SetDlgItemText(kCount, "12");
        dialog.PressButton(IDOK);
        dialog.CheckDlgButton(kFirstMethod, BST_CHECKED);
        dialog.CheckDlgButton(kFirstMethod + 2, BST_CHECKED);
        dialog.PressButton(IDOK);
        EXPECT_FALSE(dialog.IsEnded());
        dialog.CheckRadioButton(kSeen, kHeard, kHeard);
        dialog.PressButton(IDOK);
    });
    CDlg_Sighting dialog(nullptr, nullptr);
    ASSERT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(boxes.Texts(), (std::vector<CString>{"Моля изберете изложение!", "Моля въведете брой!", "Моля изберете метод!",
                                              "Моля изберете как е установен!"}));
    EXPECT_EQ(countShown, std::vector<CString>{""});
    const CSightingRow& row = dialog.m_row;
    EXPECT_EQ(row.ExposureID, 6);
    EXPECT_EQ(row.ExposureName, "ЮЗ");
    EXPECT_EQ(row.Count, 12);
    EXPECT_EQ(row.MethodsText, "1; 3;");
    EXPECT_EQ((std::vector<int>{row.Methods[0], row.Methods[1], row.Methods[2]}), (std::vector<int>{1, 0, 1}));
    EXPECT_EQ(row.Way, 1);
    EXPECT_EQ(row.WayText, "Чут");
}

TEST_F(RowDialogTest, ChangingShowsTheRowAndCancelHandsNothingBack) {
    CSightingRow stored;
    stored.ExposureID = 99;  // no longer in the list
    stored.Count = 0;
    stored.Methods[1] = 1;
    stored.Way = 0;
    const BYTE enabled[kMethods] = {1, 0, 1};
    BOOL secondEnabled = TRUE;
    UINT secondChecked = BST_UNCHECKED;
    CString countShown;
    ModalRun script([&](CDialog& shown) {
        auto& dialog = dynamic_cast<CDlg_Sighting&>(shown);
        EXPECT_EQ(dialog.m_exposure.GetCurSel(), CB_ERR);
        dialog.GetDlgItemText(kCount, countShown);
        secondEnabled = dialog.GetDlgItem(kFirstMethod + 1)->IsWindowEnabled();
        secondChecked = dialog.IsDlgButtonChecked(kFirstMethod + 1);
        EXPECT_EQ(dialog.GetCheckedRadioButton(kSeen, kHeard), kSeen);
        dialog.PressButton(IDOK);  // the stored exposure is gone: refused
        dialog.SetDlgItemText(kCount, "5");
        dialog.PressButton(IDCANCEL);
    });
    CDlg_Sighting dialog(&stored, enabled);
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(countShown, "0");
    EXPECT_FALSE(secondEnabled);  // greyed, though the row has it ticked
    EXPECT_EQ(secondChecked, static_cast<UINT>(BST_CHECKED));
    EXPECT_EQ(boxes.Texts(), std::vector<CString>{"Моля изберете изложение!"});
    EXPECT_EQ(dialog.m_row.Count, 0);  // the copy is untouched after Cancel
    EXPECT_EQ(dialog.m_row.ExposureID, 99);
}

}  // namespace
