#include "pages/species/SpecFormBear07.h"

#include "res/BearIds.h"
#include "store/FormDocument.h"

IMPLEMENT_DYNCREATE(CSpecForm_Bear_07, CFormPage)

namespace {

constexpr int kNotesLength = 10240;

}  // namespace

CSpecForm_Bear_07::CSpecForm_Bear_07() : CFormPage(IDD_BEAR_NOTES_PAGE) {}

void CSpecForm_Bear_07::DoDataExchange(CDataExchange* pDX) {
    CFormPage::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_NOTES, m_notes);
    DDV_MaxChars(pDX, m_notes, kNotesLength);
}

void CSpecForm_Bear_07::LoadRecord() { m_notes = Document()->SpecData_Bear_07.Notes; }
void CSpecForm_Bear_07::SaveRecord() { Document()->SpecData_Bear_07.Notes = m_notes; }
