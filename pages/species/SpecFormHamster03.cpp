#include "pages/species/SpecFormHamster03.h"

#include "res/HamsterPageIds.h"
#include "store/FormDocument.h"

IMPLEMENT_DYNCREATE(CSpecForm_Hamster_03, CFormPage)

CSpecForm_Hamster_03::CSpecForm_Hamster_03() : CFormPage(IDD_HAMSTER_NOTES_PAGE) {}

void CSpecForm_Hamster_03::DoDataExchange(CDataExchange* pDX) {
    CFormPage::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_NOTES, m_notes);
    DDX_Text(pDX, IDC_CHANGES, m_changes);
}

void CSpecForm_Hamster_03::LoadRecord() {
    m_notes = Document()->SpecData_Hamster_03.Notes;
    m_changes = Document()->SpecData_Hamster_03.Changes;
}

void CSpecForm_Hamster_03::SaveRecord() {
    Document()->SpecData_Hamster_03.Notes = m_notes;
    Document()->SpecData_Hamster_03.Changes = m_changes;
}
