#include "pages/species/SpecFormBear05.h"

#include "pages/common/PageControls.h"
#include "res/BearIds.h"
#include "store/FormDocument.h"

IMPLEMENT_DYNCREATE(CSpecForm_Bear_05, CFormPage)

CSpecForm_Bear_05::CSpecForm_Bear_05() : CFormPage(IDD_BEAR_TRACKS_PAGE) {}

void CSpecForm_Bear_05::DoDataExchange(CDataExchange* pDX) {
    CFormPage::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_BACK_LENGTH, m_record.BackPawLen);
    DDX_Text(pDX, IDC_BACK_WIDTH, m_record.BackPawWid);
    DDX_Text(pDX, IDC_FRONT_LENGTH, m_record.FrontPawLen);
    DDX_Radio(pDX, IDC_FIRST_SIZE, m_record.BearSizeType);
}

void CSpecForm_Bear_05::OnInitialUpdate() {
    CFormPage::OnInitialUpdate();
    // The picture is there before the page waits for input. Drawn only now that the header
    // has moved the frame to its place: drawn earlier, it would stay where the frame was,
    // as nothing repaints the place a hidden frame leaves.
    Invalidate(TRUE);
    UpdateWindow();
}

void CSpecForm_Bear_05::LoadRecord() { m_record = Document()->SpecData_Bear_05; }
void CSpecForm_Bear_05::SaveRecord() { Document()->SpecData_Bear_05 = m_record; }

void CSpecForm_Bear_05::OnDraw(CDC* dc) { DrawPictureInFrame(this, dc, IDC_PAWS_FRAME, IDB_BEAR_PAWS); }
