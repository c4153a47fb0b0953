#include "pages/species/SpecFormBear06.h"

#include "res/BearIds.h"
#include "store/FormDocument.h"

IMPLEMENT_DYNCREATE(CSpecForm_Bear_06, CFormPage)

CSpecForm_Bear_06::CSpecForm_Bear_06() : CFormPage(IDD_BEAR_DROPPINGS_PAGE) {}

void CSpecForm_Bear_06::DoDataExchange(CDataExchange* pDX) {
    CFormPage::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_DROPPINGS, m_record.Shits);
}

void CSpecForm_Bear_06::LoadRecord() { m_record = Document()->SpecData_Bear_06; }
void CSpecForm_Bear_06::SaveRecord() { Document()->SpecData_Bear_06 = m_record; }
