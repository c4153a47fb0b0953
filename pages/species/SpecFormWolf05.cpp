#include "pages/species/SpecFormWolf05.h"

#include "res/WolfIds.h"
#include "store/FormDocument.h"

IMPLEMENT_DYNCREATE(CSpecForm_Wolf_05, CFormPage)

CSpecForm_Wolf_05::CSpecForm_Wolf_05() : CWolfNotesPage(IDD_WOLF_HOWL_PAGE) {}

CString& CSpecForm_Wolf_05::Notes() const { return Document()->SpecData_Wolf_05.Notes; }
