#include "pages/species/SpecFormMoss20.h"

#include "res/MossPageIds.h"

IMPLEMENT_DYNCREATE(CSpecForm_Moss_20, CFormPage)

CSpecForm_Moss_20::CSpecForm_Moss_20() : CFormPage(IDD_MOSS_EMPTY_PAGE) {}
