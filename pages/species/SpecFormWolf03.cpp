#include "pages/species/SpecFormWolf03.h"

#include "res/WolfIds.h"
#include "store/FormDocument.h"

IMPLEMENT_DYNCREATE(CSpecForm_Wolf_03, CFormPage)

CSpecForm_Wolf_03::CSpecForm_Wolf_03() : CWolfNotesPage(IDD_WOLF_LAIR_PAGE) {}

CString& CSpecForm_Wolf_03::Notes() const { return Document()->SpecData_Wolf_03.Notes; }

void CSpecForm_Wolf_03::DoDataExchange(CDataExchange* pDX) {
    CWolfNotesPage::DoDataExchange(pDX);
    DDX_Radio(pDX, IDC_INHABITED, m_inhabited);
}

void CSpecForm_Wolf_03::LoadRecord() {
    m_inhabited = Document()->SpecData_Wolf_03.IsHabited;
    CWolfNotesPage::LoadRecord();
}

void CSpecForm_Wolf_03::SaveRecord() {
    Document()->SpecData_Wolf_03.IsHabited = m_inhabited;
    CWolfNotesPage::SaveRecord();
}
