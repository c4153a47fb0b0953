#include "pages/species/SpecFormBear03.h"

#include "res/BearIds.h"
#include "store/FormDocument.h"

IMPLEMENT_DYNCREATE(CSpecForm_Bear_03, CFormPage)

CSpecForm_Bear_03::CSpecForm_Bear_03() : CFormPage(IDD_BEAR_SIGNS_PAGE) {}

void CSpecForm_Bear_03::DoDataExchange(CDataExchange* pDX) {
    CFormPage::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_REASONS, m_record.Reasons);
    DDX_Text(pDX, IDC_OBJECT_TYPE, m_record.ObjectType);
    DDX_Text(pDX, IDC_OBJECT_SITUATED, m_record.ObjectSituated);
    DDX_Text(pDX, IDC_HEIGHT, m_record.Height);
    DDX_Radio(pDX, IDC_CONIFEROUS, m_record.FloraType);
}

// The flag that no page sets travels with the copy.
void CSpecForm_Bear_03::LoadRecord() { m_record = Document()->SpecData_Bear_03; }
void CSpecForm_Bear_03::SaveRecord() { Document()->SpecData_Bear_03 = m_record; }
