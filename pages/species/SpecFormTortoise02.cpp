#include "pages/species/SpecFormTortoise02.h"

#include "res/HerpPageIds.h"
#include "store/FormDocument.h"

IMPLEMENT_DYNCREATE(CSpecForm_Tortoise_02, CFormPage)

namespace {

constexpr int kMinutesChars = 4;

}  // namespace

CSpecForm_Tortoise_02::CSpecForm_Tortoise_02() : CFormPage(IDD_TORTOISE_PAGE_2) {}

const MessageMap& CSpecForm_Tortoise_02::GetMessageMap() const {
    static const MessageMap map(CFormPage::GetMessageMap(), {
        OnClicked(IDC_CHECKS[0], &CSpecForm_Tortoise_02::OnCheckClicked<0>),
        OnClicked(IDC_CHECKS[1], &CSpecForm_Tortoise_02::OnCheckClicked<1>),
        OnClicked(IDC_CHECKS[2], &CSpecForm_Tortoise_02::OnCheckClicked<2>),
        OnClicked(IDC_CHECKS[3], &CSpecForm_Tortoise_02::OnCheckClicked<3>),
        OnClicked(IDC_CHECKS[4], &CSpecForm_Tortoise_02::OnCheckClicked<4>),
    });
    return map;
}

void CSpecForm_Tortoise_02::DoDataExchange(CDataExchange* pDX) {
    CFormPage::DoDataExchange(pDX);
    for (int k = 0; k < kHabitats; ++k) {
        DDX_Text(pDX, IDC_MINUTES[k], m_habitats.Time(k));
        DDV_MaxChars(pDX, m_habitats.Time(k), kMinutesChars);
    }
    for (int k = 0; k < kHabitats; ++k) DDX_Check(pDX, IDC_CHECKS[k], m_habitats.Check(k));
}

void CSpecForm_Tortoise_02::PreparePage() {
    LoadFromDocument();
    for (int k = 0; k < kHabitats; ++k) ApplyCheckRule(k);
}

void CSpecForm_Tortoise_02::ApplyCheckRule(int k) {
    UpdateData(TRUE);
    const bool ticked = m_habitats.Check(k) != 0;
    if (!ticked) {
        m_habitats.Time(k).Empty();
        UpdateData(FALSE);
    }
    if (CWnd* minutes = GetDlgItem(IDC_MINUTES[k])) minutes->EnableWindow(ticked);
}

void CSpecForm_Tortoise_02::LoadRecord() { m_habitats = Document()->SpecData_Tortoise_02; }

void CSpecForm_Tortoise_02::SaveRecord() { Document()->SpecData_Tortoise_02 = m_habitats; }
