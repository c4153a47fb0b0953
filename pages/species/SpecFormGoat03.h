#pragma once
// The chamois section of the resting beds: the habitat type and how many beds were found.
#include "pages/species/GoatSectionPage.h"

class CSpecForm_Goat_03 : public CGoatCountSectionPage {
    DECLARE_DYNCREATE(CSpecForm_Goat_03)
public:
    static constexpr int IDC_COUNT = 2004;

    CSpecForm_Goat_03();

protected:
    int& AreaType() const override;
    CString& Count() const override;
};
