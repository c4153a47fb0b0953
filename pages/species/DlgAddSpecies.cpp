#include "pages/species/DlgAddSpecies.h"

#include "controls/ComboHelpers.h"
#include "pages/common/PageLists.h"
#include "res/HerpPageIds.h"
#include "store/SqlText.h"

REGISTER_DIALOG_CLASS(CDlg_AddSpecies, CDlg_AddSpecies::kReptiles)

CDlg_AddSpecies::CDlg_AddSpecies(int formCode, CWnd* parent)
    : CRowDialogOf(IDD_ADD_SPECIES, nullptr, parent), m_formCode(formCode) {}

void CDlg_AddSpecies::DoDataExchange(CDataExchange* pDX) {
    CRowDialogOf::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_SPECIES, m_species);
}

void CDlg_AddSpecies::FillLists() {
    switch (m_formCode) {
        case kReptiles: FillComboFromColumns(m_species, "ID", "Name_lat", "_AllReptiles"); break;
        case kAmphibians: FillComboFromColumns(m_species, "ID", "Name_lat", "_AllAmphibia"); break;
        case kFungi: FillComboFromQuery(m_species, FormatSql("select ID, Name from %s ", "_AllFungi"), "ID", "Name"); break;
        default: break;
    }
}

BOOL CDlg_AddSpecies::CheckInput() { return RequireChoice(m_species, "Моля изберете вид който искате да добавите."); }

void CDlg_AddSpecies::TakeRow() { CComboHelpers::GetSelection(m_species, m_row.SpeciesID, m_row.SpeciesIDName); }
