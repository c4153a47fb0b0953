#pragma once
// The weather page of each form type: the page itself, given the fields the form asks for
// (air, water, ground, only air).
#include "pages/common/CommonForm02.h"

class CCommonForm_02_AirTemperature : public CCommonForm_02 {
    DECLARE_DYNCREATE(CCommonForm_02_AirTemperature)
public:
    CCommonForm_02_AirTemperature() : CCommonForm_02(TRUE, FALSE, FALSE, FALSE) {}
};

class CCommonForm_02_WaterTemperature : public CCommonForm_02 {
    DECLARE_DYNCREATE(CCommonForm_02_WaterTemperature)
public:
    CCommonForm_02_WaterTemperature() : CCommonForm_02(FALSE, TRUE, FALSE, FALSE) {}
};

class CCommonForm_02_NoTemperature : public CCommonForm_02 {
    DECLARE_DYNCREATE(CCommonForm_02_NoTemperature)
public:
    CCommonForm_02_NoTemperature() : CCommonForm_02(FALSE, FALSE, FALSE, FALSE) {}
};

class CCommonForm_02_AirTemperature_Ground : public CCommonForm_02 {
    DECLARE_DYNCREATE(CCommonForm_02_AirTemperature_Ground)
public:
    CCommonForm_02_AirTemperature_Ground() : CCommonForm_02(TRUE, FALSE, TRUE, FALSE) {}
};

class CCommonForm_02_BothTemperature : public CCommonForm_02 {
    DECLARE_DYNCREATE(CCommonForm_02_BothTemperature)
public:
    CCommonForm_02_BothTemperature() : CCommonForm_02(TRUE, TRUE, FALSE, FALSE) {}
};

class CCommonForm_02_OnlyAirTemperature : public CCommonForm_02 {
    DECLARE_DYNCREATE(CCommonForm_02_OnlyAirTemperature)
public:
    CCommonForm_02_OnlyAirTemperature() : CCommonForm_02(TRUE, TRUE, TRUE, TRUE) {}
};
