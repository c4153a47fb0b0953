#include "pages/species/DlgBatHouseSpecies.h"

#include "controls/ComboHelpers.h"
#include "pages/common/PageLists.h"
#include "pages/common/PageValues.h"
#include "res/BatIds.h"

REGISTER_DIALOG_CLASS(CDlg_BatHouse_Species)

CDlg_BatHouse_Species::CDlg_BatHouse_Species(CWnd* parent) : CRowDialogOf(IDD_BAT_HOUSE_SPECIES, nullptr, parent) {}

void CDlg_BatHouse_Species::DoDataExchange(CDataExchange* pDX) {
    CRowDialogOf::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_SPECIES, m_species);
    DDX_Text(pDX, IDC_COUNT, m_count);
}

void CDlg_BatHouse_Species::FillLists() { FillComboFromColumns(m_species, "ID", "Name", "_BatsInHouses"); }

BOOL CDlg_BatHouse_Species::CheckInput() {
    return RequireChoice(m_species, "Моля изберете вид!") && RequireText(m_count, "Моля въведете брой!");
}

void CDlg_BatHouse_Species::TakeRow() {
    CComboHelpers::GetSelection(m_species, m_row._BatsInHousesID, m_row.BatsInHouseName);
    m_row.Extra = LeadingInteger(m_count);
    m_row.SpeciesCount = m_count;
}
