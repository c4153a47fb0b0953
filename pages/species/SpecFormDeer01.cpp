#include "pages/species/SpecFormDeer01.h"

#include "res/DeerPageIds.h"
#include "store/FormDocument.h"

IMPLEMENT_DYNCREATE(CSpecForm_Deer_01, CFormPage)

CSpecForm_Deer_01::CSpecForm_Deer_01() : CDeerAgeClassPage(IDD_DEER_STAGS_PAGE) {}

CDeerAgeClasses& CSpecForm_Deer_01::Record() const { return Document()->SpecData_Deer_01; }
