#include "pages/species/SpecFormFungus03.h"

#include "res/FungusPageIds.h"
#include "store/FormDocument.h"

IMPLEMENT_DYNCREATE(CSpecForm_Fungus_03, CFormPage)

CSpecForm_Fungus_03::CSpecForm_Fungus_03() : CFormPage(IDD_FUNGUS_PAGE_3) {}

void CSpecForm_Fungus_03::DoDataExchange(CDataExchange* pDX) {
    CFormPage::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_COLLECTION_NOTES, m_collectionNotes);
    DDX_Text(pDX, IDC_NOTES, m_notes);
}

void CSpecForm_Fungus_03::LoadRecord() {
    const CSpecData_Fungus_03& notes = Document()->SpecData_Fungus_03;
    m_collectionNotes = notes.CollectionNotes;
    m_notes = notes.Notes;
}

void CSpecForm_Fungus_03::SaveRecord() {
    CSpecData_Fungus_03& notes = Document()->SpecData_Fungus_03;
    notes.CollectionNotes = m_collectionNotes;
    notes.Notes = m_notes;
}
