#pragma once
// "Прилепи - Влажни зони 1": the survey methods used at the wetland and the target species
// found (_BatsInWetlands), each with its methods and count.
#include "pages/species/BatSpeciesListPage.h"

class CSpecForm_Bat_06_WetLand : public CBatSpeciesListPage {
    DECLARE_DYNCREATE(CSpecForm_Bat_06_WetLand)
public:
    CSpecForm_Bat_06_WetLand();

protected:
    void LoadRecord() override;
    void SaveRecord() override;
};
