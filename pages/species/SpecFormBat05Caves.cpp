#include "pages/species/SpecFormBat05Caves.h"

#include "res/BatIds.h"
#include "store/FormDocument.h"

IMPLEMENT_DYNCREATE(CSpecForm_Bat_05_Caves, CBatSpeciesListPage)

CSpecForm_Bat_05_Caves::CSpecForm_Bat_05_Caves() : CBatSpeciesListPage(IDD_BAT_CAVES_2, kCaveMethods, FALSE, FALSE) {}

void CSpecForm_Bat_05_Caves::DoDataExchange(CDataExchange* pDX) {
    CBatSpeciesListPage::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_COLONY, m_colonyLocation);
    DDX_Text(pDX, IDC_NOTES, m_notes);
    DDX_Text(pDX, IDC_CHANGES, m_changes);
}

void CSpecForm_Bat_05_Caves::LoadRecord() {
    const CSpecData_Bat_05_Caves& caves = Document()->SpecData_Bat_05_Caves;
    m_rows = caves.Species;
    m_colonyLocation = caves.ColonyLocation;
    m_notes = caves.Notes;
    m_changes = caves.Changes;
}

void CSpecForm_Bat_05_Caves::SaveRecord() {
    CSpecData_Bat_05_Caves& caves = Document()->SpecData_Bat_05_Caves;
    caves.Species = m_rows;
    caves.ColonyLocation = m_colonyLocation;
    caves.Notes = m_notes;
    caves.Changes = m_changes;
}
