#include "pages/common/CommonForm02Variants.h"

// Each is recorded under the weather page itself, so the view switch sees them as that page.
IMPLEMENT_DYNCREATE(CCommonForm_02_AirTemperature, CCommonForm_02)
IMPLEMENT_DYNCREATE(CCommonForm_02_WaterTemperature, CCommonForm_02)
IMPLEMENT_DYNCREATE(CCommonForm_02_NoTemperature, CCommonForm_02)
IMPLEMENT_DYNCREATE(CCommonForm_02_AirTemperature_Ground, CCommonForm_02)
IMPLEMENT_DYNCREATE(CCommonForm_02_BothTemperature, CCommonForm_02)
IMPLEMENT_DYNCREATE(CCommonForm_02_OnlyAirTemperature, CCommonForm_02)
