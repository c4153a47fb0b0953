#include "pages/species/SpecFormGoat03.h"

#include "res/GoatPageIds.h"
#include "store/FormDocument.h"

IMPLEMENT_DYNCREATE(CSpecForm_Goat_03, CFormPage)

CSpecForm_Goat_03::CSpecForm_Goat_03() : CGoatCountSectionPage(IDD_GOAT_BEDS_PAGE, IDC_COUNT) {}

int& CSpecForm_Goat_03::AreaType() const { return Document()->SpecData_Goat_03.AreaType; }

CString& CSpecForm_Goat_03::Count() const { return Document()->SpecData_Goat_03.CountCouches; }
