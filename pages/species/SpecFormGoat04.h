#pragma once
// The chamois section of the droppings: the habitat type and how many droppings were found.
#include "pages/species/GoatSectionPage.h"

class CSpecForm_Goat_04 : public CGoatCountSectionPage {
    DECLARE_DYNCREATE(CSpecForm_Goat_04)
public:
    static constexpr int IDC_COUNT = 1438;

    CSpecForm_Goat_04();

protected:
    int& AreaType() const override;
    CString& Count() const override;
};
