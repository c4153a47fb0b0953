#include "pages/species/DlgWolfPrey.h"

#include "controls/ComboHelpers.h"
#include "pages/common/PageLists.h"
#include "pages/common/PageValues.h"
#include "res/WolfIds.h"
#include "store/SqlText.h"

REGISTER_DIALOG_CLASS(CDlg_Wolf_Prey)

namespace {

constexpr int kCountChars = 3;

}  // namespace

CDlg_Wolf_Prey::CDlg_Wolf_Prey(const CWolf07PreyRow* row, CWnd* parent) : CRowDialogOf(IDD_WOLF_PREY, row, parent) {}

void CDlg_Wolf_Prey::FillPreySpecies(CComboBox& species) {
    FillComboFromQuery(species, FormatSql("select %s, %s from %s", "ID", "Name_lat", "sAllSpecies"), "ID", "Name_lat");
}

BOOL CDlg_Wolf_Prey::RequireCount(CString& count, const char* message) {
    if (!RequireText(count, message, TRUE)) return FALSE;
    count.Format("%d", LeadingInteger(count));
    return TRUE;
}

void CDlg_Wolf_Prey::DoDataExchange(CDataExchange* pDX) {
    CRowDialogOf::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_SPECIES, m_species);
    DDX_Text(pDX, IDC_COUNT, m_count);
    DDV_MaxChars(pDX, m_count, kCountChars);
}

void CDlg_Wolf_Prey::FillLists() { FillPreySpecies(m_species); }

BOOL CDlg_Wolf_Prey::ShowRow() {
    CComboHelpers::SelectByItemData(m_species, static_cast<DWORD>(m_row.SpeciesID));
    m_count = m_row.Count;
    return TRUE;
}

BOOL CDlg_Wolf_Prey::CheckInput() {
    return RequireChoice(m_species, "Моля изберете вид!") && RequireCount(m_count, "Моля въведете брой!");
}

void CDlg_Wolf_Prey::TakeRow() {
    CComboHelpers::GetSelection(m_species, m_row.SpeciesID, m_row.SpeciesIDName);
    m_row.Count = m_count;
}
