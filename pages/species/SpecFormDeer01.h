#pragma once
// The red deer step of the stags by age class: yearlings, young, middle-aged, mature, and their total.
#include "pages/species/DeerAgeClassPage.h"

class CSpecForm_Deer_01 : public CDeerAgeClassPage {
    DECLARE_DYNCREATE(CSpecForm_Deer_01)
public:
    CSpecForm_Deer_01();

protected:
    CDeerAgeClasses& Record() const override;
};
