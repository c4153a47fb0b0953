#include "pages/species/SpecFormBat07WetLand.h"

#include "res/BatIds.h"
#include "store/FormDocument.h"

IMPLEMENT_DYNCREATE(CSpecForm_Bat_07_WetLand, CBatSpeciesListPage)

CSpecForm_Bat_07_WetLand::CSpecForm_Bat_07_WetLand()
    : CBatSpeciesListPage(IDD_BAT_WETLAND_2, kWetlandMethods, TRUE, FALSE) {}

void CSpecForm_Bat_07_WetLand::DoDataExchange(CDataExchange* pDX) {
    CBatSpeciesListPage::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_NOTES, m_notes);
    DDX_Text(pDX, IDC_CHANGES, m_changes);
}

void CSpecForm_Bat_07_WetLand::LoadRecord() {
    const CSpecData_Bat_07_WetLand& wetland = Document()->SpecData_Bat_07_WetLand;
    m_rows = wetland.Species;
    m_notes = wetland.Notes;
    m_changes = wetland.Changes;
}

void CSpecForm_Bat_07_WetLand::SaveRecord() {
    CSpecData_Bat_07_WetLand& wetland = Document()->SpecData_Bat_07_WetLand;
    wetland.Species = m_rows;
    wetland.Notes = m_notes;
    wetland.Changes = m_changes;
}
