#include "pages/species/SpecFormGoat04.h"

#include "res/GoatPageIds.h"
#include "store/FormDocument.h"

IMPLEMENT_DYNCREATE(CSpecForm_Goat_04, CFormPage)

CSpecForm_Goat_04::CSpecForm_Goat_04() : CGoatCountSectionPage(IDD_GOAT_DROPPINGS_PAGE, IDC_COUNT) {}

int& CSpecForm_Goat_04::AreaType() const { return Document()->SpecData_Goat_04.AreaType; }

CString& CSpecForm_Goat_04::Count() const { return Document()->SpecData_Goat_04.CountShits; }
