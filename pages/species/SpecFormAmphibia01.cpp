#include "pages/species/SpecFormAmphibia01.h"

#include "pages/common/PageControls.h"
#include "res/HerpPageIds.h"
#include "store/FormDocument.h"

IMPLEMENT_DYNCREATE(CSpecForm_Amphibia_01, CHerpCountsPage)

namespace {

constexpr int kCountLength = 3;
constexpr int kTotalLength = 4;

}  // namespace

CSpecForm_Amphibia_01::CSpecForm_Amphibia_01() : CHerpCountsPage(IDD_AMPHIBIA_PAGE_1, 6501) {}

void CSpecForm_Amphibia_01::OnInitialUpdate() {
    CHerpCountsPage::OnInitialUpdate();
    if (const CTovan_splitDoc* document = Document())
        ShowControls(this, {IDC_SINGING_LABEL, IDC_SINGING}, document->SpeciesID == kCallingSpecies);
}

void CSpecForm_Amphibia_01::ExchangeFields(CDataExchange* pDX) {
    DDX_Text(pDX, IDC_ADULTS, m_adults);
    DDV_MaxChars(pDX, m_adults, kCountLength);
    DDX_Text(pDX, IDC_HABITAT, m_habitat);
    DDX_Text(pDX, IDC_YOUNG, m_young);
    DDV_MaxChars(pDX, m_young, kCountLength);
    DDX_Text(pDX, IDC_EGGS, m_nests);
    DDV_MaxChars(pDX, m_nests, kCountLength);
    DDX_Text(pDX, IDC_KILLED, m_killed);
    DDV_MaxChars(pDX, m_killed, kCountLength);
    DDX_Text(pDX, IDC_SINGING, m_singing);
    DDX_Text(pDX, IDC_TOTAL, m_total);
    DDV_MaxChars(pDX, m_total, kTotalLength);
    DDX_Text(pDX, IDC_SUBADULTS, m_subAdults);
    DDV_MaxChars(pDX, m_subAdults, kCountLength);
}

void CSpecForm_Amphibia_01::LoadRecord() {
    const CSpecData_Amphibia_01& page = Document()->SpecData_Amphibia_01;
    LoadCounts(page);
    m_nests = page.EggsCount;
    m_singing = page.SingClassification;
}

void CSpecForm_Amphibia_01::SaveRecord() {
    CSpecData_Amphibia_01& page = Document()->SpecData_Amphibia_01;
    SaveCounts(page);
    page.EggsCount = m_nests;
    page.SingClassification = m_singing;
}
