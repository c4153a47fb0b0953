// A small dialog as the program's dialogs are made, driven through the seam: its template,
// its initialisation, data exchange, message map and OK rule, from opening to the result.
#include <gtest/gtest.h>

#include <QImage>
#include <QWidget>

#include "platform/Dialog.h"
#include "platform/ListControls.h"
#include "platform/qt/WidgetAccess.h"
#include "tests/support/WindowFixture.h"

namespace {

constexpr UINT kObservationDialog = 9401;
constexpr int kName = 3001, kMorning = 3002, kNoon = 3003, kEvening = 3004, kDate = 3005, kSpecies = 3006, kChoice = 3007;

const DialogTemplate& kObservation = RegisterDialogTemplate({kObservationDialog, "Наблюдение", {240, 144}, {
    GroupBox(IDC_STATIC, "Наблюдател", {7, 4, 226, 30}),
    Label(IDC_STATIC, "Име:", {14, 17, 40, 8}),
    Edit(kName, {58, 15, 166, 12}),
    GroupBox(IDC_STATIC, "Част от деня", {7, 40, 110, 56}),
    RadioButton(kMorning, "Сутрин", {14, 52, 96, 10}).Group(),
    RadioButton(kNoon, "Обед", {14, 66, 96, 10}),
    RadioButton(kEvening, "Вечер\n(след залез)", {14, 78, 96, 16}, BS_MULTILINE),
    GroupBox(IDC_STATIC, "Дата и вид", {123, 40, 110, 56}).Group(),
    Label(IDC_STATIC, "Дата:", {130, 54, 28, 8}),
    DatePicker(kDate, {160, 52, 66, 13}, DTS_SHOWNONE),
    Label(IDC_STATIC, "Вид:", {130, 75, 28, 8}),
    ComboBox(kSpecies, {160, 73, 66, 80}),
    Label(kChoice, "", {7, 102, 226, 10}),
    DefPushButton(IDOK, "Потвърди", {120, 122, 54, 14}),
    Button(IDCANCEL, "Отказ", {179, 122, 54, 14}),
}});

class CObservationDialog : public CDialog {
public:
    CObservationDialog() : CDialog(kObservationDialog) {}

    CString observer;
    int dayPart = -1;
    COleDateTime date;
    DWORD speciesId = 2;  // chosen when the dialog opens
    CComboBox species;

    const MessageMap& GetMessageMap() const override {
        static const MessageMap map(CDialog::GetMessageMap(), {
            OnSelChange(kSpecies, &CObservationDialog::OnSpeciesChange),
        });
        return map;
    }

protected:
    void DoDataExchange(CDataExchange* pDX) override {
        DDX_Text(pDX, kName, observer);
        DDV_MaxChars(pDX, observer, 20);
        DDX_Radio(pDX, kMorning, dayPart);
        DDX_DateTimeCtrl(pDX, kDate, date);
        DDX_Control(pDX, kSpecies, species);
    }

    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        const std::pair<const char*, DWORD> entries[] = {{"Вълк", 1}, {"Мечка", 2}, {"Чакал", 3}};
        for (const auto& [name, id] : entries) species.SetItemData(species.AddString(name), id);
        for (int i = 0; i < species.GetCount(); ++i)
            if (species.GetItemData(i) == speciesId) species.SetCurSel(i);
        OnSpeciesChange();
        return TRUE;
    }

    void OnOK() override {
        if (!UpdateData(TRUE)) return;
        observer.Trim();
        if (observer.IsEmpty()) {
            AfxMessageBox("Моля, въведете името на наблюдателя!");
            return;
        }
        if (dayPart == -1) {
            AfxMessageBox("Моля, изберете част от деня!");
            return;
        }
        speciesId = species.GetItemData(species.GetCurSel());
        CDialog::OnOK();
    }

private:
    void OnSpeciesChange() {
        CString text;
        species.GetLBText(species.GetCurSel(), text);
        SetDlgItemText(kChoice, "Избран вид: " + text);
    }
};

TEST(ExampleDialog, FromTemplateToResult) {
    MessageBoxLog boxes;
    CObservationDialog dialog;
    dialog.observer = "Иван Петров";
    dialog.date = COleDateTime(2024, 6, 12, 0, 0, 0);
    CString choiceWhenOpened;
    const ModalRun script([&](CDialog& shown) {
        choiceWhenOpened.Empty();
        shown.GetDlgItemText(kChoice, choiceWhenOpened);

        // The species list announces the user's choice through the message map.
        PressKey(shown.GetDlgItem(kSpecies), VK_DOWN);

        shown.SetDlgItemText(kName, "   ");
        shown.PressButton(IDOK);  // refused: no name
        shown.SetDlgItemText(kName, "");
        TypeText(shown.GetDlgItem(kName), "Мария");
        shown.PressButton(IDOK);  // refused: no part of the day
        EXPECT_FALSE(shown.IsEnded());
        shown.PressButton(kNoon);
        shown.PressButton(IDOK);
    });
    ASSERT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(choiceWhenOpened, "Избран вид: Мечка");
    ASSERT_EQ(boxes.boxes.size(), 2u);
    EXPECT_EQ(boxes.boxes[0].text, "Моля, въведете името на наблюдателя!");
    EXPECT_EQ(boxes.boxes[1].text, "Моля, изберете част от деня!");
    EXPECT_EQ(dialog.observer, "Мария");
    EXPECT_EQ(dialog.dayPart, 1);
    EXPECT_EQ(dialog.speciesId, 3u);
    EXPECT_EQ(dialog.date, COleDateTime(2024, 6, 12, 0, 0, 0));
}

}  // namespace
