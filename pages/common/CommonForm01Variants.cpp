#include "pages/common/CommonForm01Variants.h"

// Each is recorded under the place page itself, so the view switch sees them as that page.
IMPLEMENT_DYNCREATE(CCommonForm_01_Hamster, CCommonForm_01)
IMPLEMENT_DYNCREATE(CCommonForm_01_Moss, CCommonForm_01)
IMPLEMENT_DYNCREATE(CCommonForm_01_Fungi, CCommonForm_01)
IMPLEMENT_DYNCREATE(CCommonForm_01_Deer, CCommonForm_01)
IMPLEMENT_DYNCREATE(CCommonForm_01_Tortoise, CCommonForm_01)
IMPLEMENT_DYNCREATE(CCommonForm_01_BatCaves, CCommonForm_01)
IMPLEMENT_DYNCREATE(CCommonForm_01_BatHouses, CCommonForm_01)
IMPLEMENT_DYNCREATE(CCommonForm_01_BatForests, CCommonForm_01)
IMPLEMENT_DYNCREATE(CCommonForm_01_Fish, CCommonForm_01)
IMPLEMENT_DYNCREATE(CCommonForm_01_Amphibians, CCommonForm_01)
IMPLEMENT_DYNCREATE(CCommonForm_01_Reptiles, CCommonForm_01)
