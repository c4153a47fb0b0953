#include "pages/common/CommonForm04Variants.h"

// Recorded under the coordinates page itself, so the view switch sees it as that page.
IMPLEMENT_DYNCREATE(CCommonForm_04_Exposure, CCommonForm_04)
