#include "pages/species/SpecFormFish00.h"

#include "controls/ComboHelpers.h"
#include "pages/common/PageLists.h"
#include "res/FishIds.h"
#include "store/FormDocument.h"
#include "store/SqlText.h"

IMPLEMENT_DYNCREATE(CSpecForm_Fish_00, CFormPage)

CSpecForm_Fish_00::CSpecForm_Fish_00() : CFormPage(IDD_FISH_SPECIES_PAGE) {}

void CSpecForm_Fish_00::DoDataExchange(CDataExchange* pDX) {
    CFormPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_SPECIES, m_species);
}

void CSpecForm_Fish_00::PreparePage() {
    // The Latin names of taxonomic group 6, the fishes and lampreys.
    FillComboFromQuery(m_species, FormatSql("select %s, %s from %s where GroupID = 6 ", "ID", "Name_lat", "sAllSpecies"),
                       "ID", "Name_lat");
    LoadFromDocument();
}

void CSpecForm_Fish_00::LoadRecord() {
    CComboHelpers::SelectByItemData(m_species, static_cast<DWORD>(Document()->SpecData_Fish_00.MonitoredSpeciesID));
}

void CSpecForm_Fish_00::SaveRecord() {
    CString name;
    CComboHelpers::GetSelection(m_species, Document()->SpecData_Fish_00.MonitoredSpeciesID, name);
}
