#include "pages/species/SpecFormReptile01.h"

#include "res/HerpPageIds.h"
#include "store/FormDocument.h"

IMPLEMENT_DYNCREATE(CSpecForm_Reptile_01, CHerpCountsPage)

namespace {

constexpr int kCountLength = 4;

}  // namespace

CSpecForm_Reptile_01::CSpecForm_Reptile_01() : CHerpCountsPage(IDD_REPTILE_PAGE_1, 6401) {}

void CSpecForm_Reptile_01::ExchangeFields(CDataExchange* pDX) {
    DDX_Text(pDX, IDC_SUBADULTS, m_subAdults);
    DDV_MaxChars(pDX, m_subAdults, kCountLength);
    DDX_Text(pDX, IDC_TOTAL, m_total);
    DDX_Text(pDX, IDC_KILLED, m_killed);
    DDV_MaxChars(pDX, m_killed, kCountLength);
    DDX_Text(pDX, IDC_CLUTCHES, m_nests);
    DDV_MaxChars(pDX, m_nests, kCountLength);
    DDX_Text(pDX, IDC_YOUNG, m_young);
    DDV_MaxChars(pDX, m_young, kCountLength);
    DDX_Text(pDX, IDC_ADULTS, m_adults);
    DDV_MaxChars(pDX, m_adults, kCountLength);
    DDX_Text(pDX, IDC_HABITAT, m_habitat);
}

void CSpecForm_Reptile_01::LoadRecord() {
    const CSpecData_Reptile_01& page = Document()->SpecData_Reptile_01;
    LoadCounts(page);
    m_nests = page.NestsCount;
}

void CSpecForm_Reptile_01::SaveRecord() {
    CSpecData_Reptile_01& page = Document()->SpecData_Reptile_01;
    SaveCounts(page);
    page.NestsCount = m_nests;
}
