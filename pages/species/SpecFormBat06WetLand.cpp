#include "pages/species/SpecFormBat06WetLand.h"

#include "res/BatIds.h"
#include "store/FormDocument.h"

IMPLEMENT_DYNCREATE(CSpecForm_Bat_06_WetLand, CBatSpeciesListPage)

CSpecForm_Bat_06_WetLand::CSpecForm_Bat_06_WetLand()
    : CBatSpeciesListPage(IDD_BAT_WETLAND_1, kWetlandMethods, TRUE, TRUE) {}

void CSpecForm_Bat_06_WetLand::LoadRecord() {
    const CSpecData_Bat_06_WetLand& wetland = Document()->SpecData_Bat_06_WetLand;
    m_rows = wetland.Species;
    LoadPageMethods(wetland.Methods);
}

void CSpecForm_Bat_06_WetLand::SaveRecord() {
    CSpecData_Bat_06_WetLand& wetland = Document()->SpecData_Bat_06_WetLand;
    wetland.Species = m_rows;
    SavePageMethods(wetland.Methods);
}
