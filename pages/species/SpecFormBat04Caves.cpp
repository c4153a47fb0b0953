#include "pages/species/SpecFormBat04Caves.h"

#include "res/BatIds.h"
#include "store/FormDocument.h"

IMPLEMENT_DYNCREATE(CSpecForm_Bat_04_Caves, CBatSpeciesListPage)

CSpecForm_Bat_04_Caves::CSpecForm_Bat_04_Caves() : CBatSpeciesListPage(IDD_BAT_CAVES_1, kCaveMethods, FALSE, TRUE) {}

void CSpecForm_Bat_04_Caves::LoadRecord() {
    const CSpecData_Bat_04_Caves& caves = Document()->SpecData_Bat_04_Caves;
    m_rows = caves.Species;
    LoadPageMethods(caves.Methods);
}

void CSpecForm_Bat_04_Caves::SaveRecord() {
    CSpecData_Bat_04_Caves& caves = Document()->SpecData_Bat_04_Caves;
    caves.Species = m_rows;
    SavePageMethods(caves.Methods);
}
