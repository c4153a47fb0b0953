#include "pages/species/SpecFormWolf04.h"

#include "res/WolfIds.h"
#include "store/FormDocument.h"

IMPLEMENT_DYNCREATE(CSpecForm_Wolf_04, CFormPage)

CSpecForm_Wolf_04::CSpecForm_Wolf_04() : CWolfCountPage(IDD_WOLF_CUBS_PAGE) {}

CString& CSpecForm_Wolf_04::Notes() const { return Document()->SpecData_Wolf_04.Notes; }

CString& CSpecForm_Wolf_04::Count() const { return Document()->SpecData_Wolf_04.BabyWolfCount; }
