#include "pages/species/SpecFormMoss06.h"

#include "res/MossPageIds.h"
#include "store/FormDocument.h"

IMPLEMENT_DYNCREATE(CSpecForm_Moss_06, CFormPage)

CSpecForm_Moss_06::CSpecForm_Moss_06() : CFormPage(IDD_MOSS_NOTES_PAGE) {}

void CSpecForm_Moss_06::DoDataExchange(CDataExchange* pDX) {
    CFormPage::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_NOTES, m_notes);
}

void CSpecForm_Moss_06::LoadRecord() { m_notes = Document()->SpecData_Moss_06.NoteText; }

void CSpecForm_Moss_06::SaveRecord() { Document()->SpecData_Moss_06.NoteText = m_notes; }
