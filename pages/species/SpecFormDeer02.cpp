#include "pages/species/SpecFormDeer02.h"

#include "res/DeerPageIds.h"
#include "store/FormDocument.h"

IMPLEMENT_DYNCREATE(CSpecForm_Deer_02, CFormPage)

CSpecForm_Deer_02::CSpecForm_Deer_02() : CDeerAgeClassPage(IDD_DEER_HINDS_PAGE) {}

CDeerAgeClasses& CSpecForm_Deer_02::Record() const { return Document()->SpecData_Deer_02; }
