#pragma once
// "Прилепи - Пещери 1": the survey methods used in the underground habitat and the target
// species found (_BatsInCaves), each with its methods and count.
#include "pages/species/BatSpeciesListPage.h"

class CSpecForm_Bat_04_Caves : public CBatSpeciesListPage {
    DECLARE_DYNCREATE(CSpecForm_Bat_04_Caves)
public:
    CSpecForm_Bat_04_Caves();

protected:
    void LoadRecord() override;
    void SaveRecord() override;
};
