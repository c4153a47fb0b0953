#include "pages/species/HerpCountsPage.h"

#include <utility>

#include "pages/common/PageValues.h"
#include "pages/species/SpeciesNameList.h"

IMPLEMENT_DYNAMIC(CHerpCountsPage, CFormPage)

const MessageMap& CHerpCountsPage::GetMessageMap() const {
    static const MessageMap map(CFormPage::GetMessageMap(), {
        OnClicked(IDC_ADD, &CHerpCountsPage::OnAdd),
        OnClicked(IDC_DELETE, &CHerpCountsPage::OnDelete),
        OnEnChange(IDC_ADULTS, &CHerpCountsPage::OnCountChange),
        OnEnChange(IDC_SUBADULTS, &CHerpCountsPage::OnCountChange),
        OnEnChange(IDC_YOUNG, &CHerpCountsPage::OnCountChange),
        OnEnChange(IDC_TOTAL, &CHerpCountsPage::OnTotalChange),
    });
    return map;
}

void CHerpCountsPage::DoDataExchange(CDataExchange* pDX) {
    CFormPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_SPECIES, m_grid);
    ExchangeFields(pDX);
}

void CHerpCountsPage::PreparePage() {
    LoadFromDocument();
    SetupSpeciesNameGrid(m_grid);
    RefillSpeciesNameGrid(m_grid, m_speciesRows);
}

void CHerpCountsPage::OnCountChange() {
    if (IsExchangingData()) return;
    UpdateData(TRUE);
    CStringArray counts;
    for (const CString* count : {&m_adults, &m_subAdults, &m_young}) counts.Add(*count);
    m_total = TotalText(counts);
    UpdateData(FALSE);
}

void CHerpCountsPage::OnTotalChange() {
    if (IsExchangingData()) return;
    // The other fields keep what was typed; the total goes back to the last computed one.
    const CString computed = m_total;
    UpdateData(TRUE);
    m_total = computed;
    UpdateData(FALSE);
}

void CHerpCountsPage::OnAdd() { AddSpeciesName(m_grid, m_speciesRows, m_formCode); }

void CHerpCountsPage::OnDelete() { DeleteSpeciesName(m_grid, m_speciesRows); }
