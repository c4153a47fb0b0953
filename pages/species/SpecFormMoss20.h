#pragma once
// "Мъхове - 20": a step with only its title, header and navigation; it stores nothing.
#include "pages/common/FormPage.h"

class CSpecForm_Moss_20 : public CFormPage {
    DECLARE_DYNCREATE(CSpecForm_Moss_20)
public:
    CSpecForm_Moss_20();
};
