#include "pages/species/SpecFormWolf01.h"

#include "res/WolfIds.h"
#include "store/FormDocument.h"

IMPLEMENT_DYNCREATE(CSpecForm_Wolf_01, CFormPage)

CSpecForm_Wolf_01::CSpecForm_Wolf_01() : CWolfCountPage(IDD_WOLF_PACK_PAGE) {}

CString& CSpecForm_Wolf_01::Notes() const { return Document()->SpecData_Wolf_01.Notes; }

CString& CSpecForm_Wolf_01::Count() const { return Document()->SpecData_Wolf_01.WolfCount; }
