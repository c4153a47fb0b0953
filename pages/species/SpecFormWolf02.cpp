#include "pages/species/SpecFormWolf02.h"

#include "res/WolfIds.h"
#include "store/FormDocument.h"

IMPLEMENT_DYNCREATE(CSpecForm_Wolf_02, CFormPage)

CSpecForm_Wolf_02::CSpecForm_Wolf_02() : CWolfNotesPage(IDD_WOLF_PAIR_PAGE) {}

CString& CSpecForm_Wolf_02::Notes() const { return Document()->SpecData_Wolf_02.Notes; }
