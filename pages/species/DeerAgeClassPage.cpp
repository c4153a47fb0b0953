#include "pages/species/DeerAgeClassPage.h"

#include "pages/common/PageValues.h"
#include "store/FormDocument.h"

const MessageMap& CDeerAgeClassPage::GetMessageMap() const {
    static const MessageMap map(CFormPage::GetMessageMap(), {
        OnEnChange(IDC_VERY_YOUNG, &CDeerAgeClassPage::OnChangeCount),
        OnEnChange(IDC_YOUNG, &CDeerAgeClassPage::OnChangeCount),
        OnEnChange(IDC_OLD, &CDeerAgeClassPage::OnChangeCount),
        OnEnChange(IDC_VERY_OLD, &CDeerAgeClassPage::OnChangeCount),
        OnEnChange(IDC_TOTAL, &CDeerAgeClassPage::OnChangeTotal),
    });
    return map;
}

void CDeerAgeClassPage::DoDataExchange(CDataExchange* pDX) {
    CFormPage::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_VERY_YOUNG, m_veryYoung);
    DDX_Text(pDX, IDC_YOUNG, m_young);
    DDX_Text(pDX, IDC_OLD, m_old);
    DDX_Text(pDX, IDC_VERY_OLD, m_veryOld);
    DDX_Text(pDX, IDC_TOTAL, m_total);
}

void CDeerAgeClassPage::LoadRecord() {
    const CDeerAgeClasses& counts = Record();
    m_veryYoung = counts.VeryYoung;
    m_young = counts.Young;
    m_old = counts.Old;
    m_veryOld = counts.VeryOld;
    m_total = counts.Total;
}

void CDeerAgeClassPage::SaveRecord() {
    CDeerAgeClasses& counts = Record();
    counts.VeryYoung = m_veryYoung;
    counts.Young = m_young;
    counts.Old = m_old;
    counts.VeryOld = m_veryOld;
    counts.Total = m_total;
}

void CDeerAgeClassPage::OnChangeCount() {
    if (IsExchangingData()) return;
    UpdateData(TRUE);
    m_total = TotalText({m_veryYoung, m_young, m_old, m_veryOld});
    UpdateData(FALSE);
}

void CDeerAgeClassPage::OnChangeTotal() {
    if (IsExchangingData()) return;
    // The counts as they stand, the total as it was shown.
    GetDlgItemText(IDC_VERY_YOUNG, m_veryYoung);
    GetDlgItemText(IDC_YOUNG, m_young);
    GetDlgItemText(IDC_OLD, m_old);
    GetDlgItemText(IDC_VERY_OLD, m_veryOld);
    UpdateData(FALSE);
}
