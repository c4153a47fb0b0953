#include "pages/species/SpecFormWolf08.h"

#include "res/WolfIds.h"
#include "store/FormDocument.h"

IMPLEMENT_DYNCREATE(CSpecForm_Wolf_08, CFormPage)

CSpecForm_Wolf_08::CSpecForm_Wolf_08() : CWolfPresencePage(IDD_WOLF_HYBRIDS_PAGE, IDC_PRESENCE) {}

CString& CSpecForm_Wolf_08::Notes() const { return Document()->SpecData_Wolf_08.Notes; }

int& CSpecForm_Wolf_08::Presence() const { return Document()->SpecData_Wolf_08.CheckWolfHybrids; }
