#pragma once
// The coordinates page of the forms that ask for the exposure of the slope.
#include "pages/common/CommonForm04.h"

class CCommonForm_04_Exposure : public CCommonForm_04 {
    DECLARE_DYNCREATE(CCommonForm_04_Exposure)
public:
    CCommonForm_04_Exposure() : CCommonForm_04(1) {}
};
