#include "pages/species/DlgWolfPreyBySex.h"

#include "controls/ComboHelpers.h"
#include "pages/species/DlgWolfPrey.h"
#include "res/WolfIds.h"

REGISTER_DIALOG_CLASS(CDlg_Wolf_PreyBySex)

namespace {

constexpr int kCountChars = 3;

}  // namespace

CDlg_Wolf_PreyBySex::CDlg_Wolf_PreyBySex(const CWolf07PreySexRow* row, CWnd* parent)
    : CRowDialogOf(IDD_WOLF_PREY_BY_SEX, row, parent) {}

void CDlg_Wolf_PreyBySex::DoDataExchange(CDataExchange* pDX) {
    CRowDialogOf::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_SPECIES, m_species);
    DDX_Text(pDX, IDC_MALES, m_males);
    DDV_MaxChars(pDX, m_males, kCountChars);
    DDX_Text(pDX, IDC_FEMALES, m_females);
    DDV_MaxChars(pDX, m_females, kCountChars);
    DDX_Text(pDX, IDC_DESCRIPTION, m_description);
}

void CDlg_Wolf_PreyBySex::FillLists() { CDlg_Wolf_Prey::FillPreySpecies(m_species); }

BOOL CDlg_Wolf_PreyBySex::ShowRow() {
    CComboHelpers::SelectByItemData(m_species, static_cast<DWORD>(m_row.SpeciesID));
    m_males = m_row.MaleCount;
    m_females = m_row.FemaleCount;
    m_description = m_row.Description;
    return TRUE;
}

BOOL CDlg_Wolf_PreyBySex::CheckInput() {
    return RequireChoice(m_species, "Моля изберете вид!") &&
           CDlg_Wolf_Prey::RequireCount(m_males, "Моля въведете 'Брой на убитите животни - мъжки '!") &&
           CDlg_Wolf_Prey::RequireCount(m_females, "Моля въведете 'Брой на убитите животни - женски '!");
}

void CDlg_Wolf_PreyBySex::TakeRow() {
    CComboHelpers::GetSelection(m_species, m_row.SpeciesID, m_row.SpeciesIDName);
    m_row.MaleCount = m_males;
    m_row.FemaleCount = m_females;
    m_description.Trim();
    m_row.Description = m_description;
}
