#include "pages/species/DlgBatOtherSpecies.h"

#include "controls/ComboHelpers.h"
#include "pages/common/PageLists.h"
#include "pages/common/PageValues.h"
#include "res/BatIds.h"

REGISTER_DIALOG_CLASS(CDlg_Bat_OtherSpecies, CForestMethodFlags{1, 1, 1, 1})

CDlg_Bat_OtherSpecies::CDlg_Bat_OtherSpecies(const CForestMethodFlags& enabled, CWnd* parent)
    : CRowDialogOf(IDD_BAT_OTHER_SPECIES, nullptr, parent), m_enabled(enabled) {}

void CDlg_Bat_OtherSpecies::DoDataExchange(CDataExchange* pDX) {
    CRowDialogOf::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_SPECIES, m_species);
    DDX_Text(pDX, IDC_COUNT, m_count);
}

void CDlg_Bat_OtherSpecies::FillLists() { FillComboFromColumns(m_species, "ID", "Name_lat", "_AllBats"); }

BOOL CDlg_Bat_OtherSpecies::ShowRow() {
    CComboHelpers::SelectByItemData(m_species, static_cast<DWORD>(m_row.SpeciesID));
    ApplyMethodStates(IDC_FIRST_METHOD, m_enabled.data(), kForestMethods);
    m_count = CountText(m_row.Count);
    for (int i = 0; i < kForestMethods; ++i)
        CheckDlgButton(IDC_FIRST_METHOD + i, CheckValue(static_cast<signed char>(m_row.MethodFlags[i])));
    return TRUE;
}

BOOL CDlg_Bat_OtherSpecies::CheckInput() {
    return RequireChoice(m_species, "Няма избран вид.") && RequireText(m_count, "Няма въведен брой.") &&
           RequireAnyChecked(IDC_FIRST_METHOD, kForestMethods, "Моля изберете метод.");
}

void CDlg_Bat_OtherSpecies::TakeRow() {
    CComboHelpers::GetSelection(m_species, m_row.SpeciesID, m_row.SpeciesName);
    m_row.Methods = ReadMethods(IDC_FIRST_METHOD, kForestMethods, m_row.MethodFlags.data(), "%d;", FALSE);
    m_row.Count = LeadingInteger(m_count);
}
