#pragma once
// The red deer step of the hinds by age class: not calved, young, adult, aged, and their total.
#include "pages/species/DeerAgeClassPage.h"

class CSpecForm_Deer_02 : public CDeerAgeClassPage {
    DECLARE_DYNCREATE(CSpecForm_Deer_02)
public:
    CSpecForm_Deer_02();

protected:
    CDeerAgeClasses& Record() const override;
};
