#include "pages/species/HerpNotesPages.h"

#include "res/HerpPageIds.h"
#include "store/FormDocument.h"

IMPLEMENT_DYNAMIC(CHerpNotesPage, CFormPage)
IMPLEMENT_DYNCREATE(CSpecForm_Reptile_02, CHerpNotesPage)
IMPLEMENT_DYNCREATE(CSpecForm_Amphibia_02, CHerpNotesPage)

void CHerpNotesPage::DoDataExchange(CDataExchange* pDX) {
    CFormPage::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_HABITAT_CHANGES, m_habitatChanges);
    DDX_Text(pDX, IDC_NOTES, m_notes);
}

void CHerpNotesPage::LoadRecord() {
    m_habitatChanges = Record().HabitatChanges;
    m_notes = Record().Notes;
}

void CHerpNotesPage::SaveRecord() {
    Record().HabitatChanges = m_habitatChanges;
    Record().Notes = m_notes;
}

CSpecForm_Reptile_02::CSpecForm_Reptile_02() : CHerpNotesPage(IDD_REPTILE_PAGE_2) {}
CSpecData_HabitatNotes& CSpecForm_Reptile_02::Record() const { return Document()->SpecData_Reptile_02; }

CSpecForm_Amphibia_02::CSpecForm_Amphibia_02() : CHerpNotesPage(IDD_AMPHIBIA_PAGE_2) {}
CSpecData_HabitatNotes& CSpecForm_Amphibia_02::Record() const { return Document()->SpecData_Amphibia_02; }
