#include "tests/shell/TestPage.h"

#include "pages/common/PageTable.h"
#include "res/PageTemplates.h"
#include "store/FormDocument.h"

IMPLEMENT_DYNCREATE(CTestPage, CFormPage)

int CTestPage::prepared = 0;

void RegisterTestPageTemplate() {
    RegisterDialogTemplate({kTestPageTemplate, "", {320, 200}, WithPageHeader({
        Label(2003, "Тестова страница", {7, 7, 200, 12}),
        Label(IDC_STATIC, "Валежи:", {7, 30, 50, 8}),
        Edit(kTestEdit, {60, 28, 120, 12}),
        ComboBox(kTestCombo, {60, 46, 120, 60}).Items({"едно", "две"}),
        ListBox(kTestList, {190, 28, 100, 40}),
        CheckBox(kTestCheck, "Отметка", {60, 64, 80, 10}),
        GroupBox(kTestGroup, "Група", {7, 80, 180, 40}),
        Button(kTestButton, "Бутон", {20, 95, 50, 14}),
        DatePicker(kTestDate, {190, 80, 80, 12}),
        CustomControl("MFCGridCtrl", kTestGrid, {190, 100, 120, 60}),
        Label(kTwinLabel, "А", {7, 130, 20, 8}),
        Label(kTwinLabel, "Б", {40, 140, 20, 8}),
        Button(2579, "<< Назад ", {150, 175, 60, 14}),
        Button(2581, "Продължи >>", {220, 175, 60, 14}),
    })});
}

void CTestPage::PreparePage() {
    ++prepared;
    LoadFromDocument();
    SetupPageGrid(m_grid, {{"Вид", 60}});
}

void CTestPage::LoadRecord() { m_text = Document()->CommonData_02.Rainfall; }
void CTestPage::SaveRecord() { Document()->CommonData_02.Rainfall = m_text; }

void CTestPage::DoDataExchange(CDataExchange* pDX) {
    CFormPage::DoDataExchange(pDX);
    DDX_Control(pDX, kTestGrid, m_grid);
    DDX_Text(pDX, kTestEdit, m_text);
}
