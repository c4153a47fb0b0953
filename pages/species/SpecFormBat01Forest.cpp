#include "pages/species/SpecFormBat01Forest.h"

#include "pages/common/PageControls.h"
#include "pages/common/PageValues.h"
#include "pages/species/DlgBatChoice.h"
#include "res/BatIds.h"
#include "store/FormDocument.h"

IMPLEMENT_DYNCREATE(CSpecForm_Bat_01_Forest, CFormPage)

namespace {

constexpr int kBat1Labels[] = {2570, 2571};
constexpr int kBat2Labels[] = {2572, 2633};

void RestoreText(CWnd& page, int id, const CString& text) {
    CString shown;
    page.GetDlgItemText(id, shown);
    if (shown != text) page.SetDlgItemText(id, text);
}

}  // namespace

CSpecForm_Bat_01_Forest::CSpecForm_Bat_01_Forest() : CFormPage(IDD_BAT_FOREST_1) {}

const MessageMap& CSpecForm_Bat_01_Forest::GetMessageMap() const {
    static const MessageMap map(CFormPage::GetMessageMap(), {
        OnClicked(IDC_BAT1, &CSpecForm_Bat_01_Forest::OnBat1Clicked),
        OnClicked(IDC_BAT2, &CSpecForm_Bat_01_Forest::OnBat2Clicked),
        OnClicked(IDC_BAT1_CHOOSE, &CSpecForm_Bat_01_Forest::OnChooseBat1Methods),
        OnClicked(IDC_BAT2_CHOOSE, &CSpecForm_Bat_01_Forest::OnChooseBat2Methods),
        OnEnChange(IDC_BAT1_METHODS, &CSpecForm_Bat_01_Forest::OnChangeComputedField),
        OnEnChange(IDC_BAT2_METHODS, &CSpecForm_Bat_01_Forest::OnChangeComputedField),
    });
    return map;
}

void CSpecForm_Bat_01_Forest::DoDataExchange(CDataExchange* pDX) {
    CFormPage::DoDataExchange(pDX);
    DDX_Check(pDX, IDC_BAT1, m_bat1.checked);
    DDX_Text(pDX, IDC_BAT1_METHODS, m_bat1.methods);
    DDX_Text(pDX, IDC_BAT1_COUNT, m_bat1.count);
    DDX_Check(pDX, IDC_BAT2, m_bat2.checked);
    DDX_Text(pDX, IDC_BAT2_METHODS, m_bat2.methods);
    DDX_Text(pDX, IDC_BAT2_COUNT, m_bat2.count);
}

void CSpecForm_Bat_01_Forest::PreparePage() {
    LoadFromDocument();
    ApplyEnableRules();
}

void CSpecForm_Bat_01_Forest::LoadRecord() {
    const CSpecData_Bat_01_Forest& forest = Document()->SpecData_Bat_01_Forest;
    for (int i = 0; i < kForestMethods; ++i) CheckDlgButton(IDC_FIRST_METHOD + i, forest.PageMethods[i] == 1 ? BST_CHECKED : BST_UNCHECKED);
    m_bat1 = {forest.Bat1Checked, forest.Bat1Method, forest.Bat1MethodFlags, CountText(forest.Bat1Count)};
    m_bat2 = {forest.Bat2Checked, forest.Bat2Method, forest.Bat2MethodFlags, CountText(forest.Bat2Count)};
}

void CSpecForm_Bat_01_Forest::SaveRecord() {
    CSpecData_Bat_01_Forest& forest = Document()->SpecData_Bat_01_Forest;
    for (int i = 0; i < kForestMethods; ++i) forest.PageMethods[i] = IsDlgButtonChecked(IDC_FIRST_METHOD + i) == BST_CHECKED ? 1 : 0;
    forest.Bat1Checked = m_bat1.checked;
    forest.Bat1Method = m_bat1.methods;
    forest.Bat1MethodFlags = m_bat1.flags;
    forest.Bat1Count = CountValue(m_bat1.count);
    forest.Bat2Checked = m_bat2.checked;
    forest.Bat2Method = m_bat2.methods;
    forest.Bat2MethodFlags = m_bat2.flags;
    forest.Bat2Count = CountValue(m_bat2.count);
}

void CSpecForm_Bat_01_Forest::ApplyEnableRules() {
    const BOOL bat1 = m_bat1.checked != 0;
    const BOOL bat2 = m_bat2.checked != 0;
    EnableControls(this, {kBat1Labels[0], kBat1Labels[1], IDC_BAT1_COUNT, IDC_BAT1_METHODS, IDC_BAT1_CHOOSE}, bat1);
    EnableControls(this, {kBat2Labels[0], kBat2Labels[1], IDC_BAT2_COUNT, IDC_BAT2_METHODS, IDC_BAT2_CHOOSE}, bat2);
    EnableControls(this, {IDC_FIRST_METHOD, IDC_FIRST_METHOD + 1, IDC_FIRST_METHOD + 2, IDC_FIRST_METHOD + 3}, !bat1 && !bat2);
}

void CSpecForm_Bat_01_Forest::OnBat1Clicked() { OnSpeciesClicked(m_bat1); }
void CSpecForm_Bat_01_Forest::OnBat2Clicked() { OnSpeciesClicked(m_bat2); }

void CSpecForm_Bat_01_Forest::OnSpeciesClicked(Species& species) {
    UpdateData(TRUE);
    ApplyEnableRules();
    if (species.checked) return;
    // A species no longer found keeps nothing of what was typed for it.
    species.count.Empty();
    species.methods.Empty();
    species.flags.fill(0);
    UpdateData(FALSE);
}

void CSpecForm_Bat_01_Forest::OnChooseBat1Methods() { ChooseMethods(m_bat1); }
void CSpecForm_Bat_01_Forest::OnChooseBat2Methods() { ChooseMethods(m_bat2); }

void CSpecForm_Bat_01_Forest::ChooseMethods(Species& species) {
    UpdateData(TRUE);
    CForestMethodFlags used{};
    for (int i = 0; i < kForestMethods; ++i) used[i] = IsDlgButtonChecked(IDC_FIRST_METHOD + i) == BST_CHECKED ? 1 : 0;
    CDlg_Choice dialog(species.flags, used);
    if (dialog.DoModal() != IDOK) return;
    species.flags = dialog.m_checked;
    species.methods = dialog.m_methods;
    UpdateData(FALSE);
}

// The methods texts change only through the methods dialog: whatever is typed into them is
// put back at once. Only those two fields are rewritten, so counts being typed stay.
void CSpecForm_Bat_01_Forest::OnChangeComputedField() {
    RestoreText(*this, IDC_BAT1_METHODS, m_bat1.methods);
    RestoreText(*this, IDC_BAT2_METHODS, m_bat2.methods);
}
