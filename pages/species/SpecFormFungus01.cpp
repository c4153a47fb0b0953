#include "pages/species/SpecFormFungus01.h"

#include "controls/ComboHelpers.h"
#include "pages/common/PageLists.h"
#include "res/FungusPageIds.h"
#include "store/FormDocument.h"

IMPLEMENT_DYNCREATE(CSpecForm_Fungus_01, CFormPage)

CSpecForm_Fungus_01::CSpecForm_Fungus_01() : CFormPage(IDD_FUNGUS_PAGE_1) {}

void CSpecForm_Fungus_01::DoDataExchange(CDataExchange* pDX) {
    CFormPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_REGION, m_region);
    DDX_Control(pDX, IDC_UTM, m_utm);
    DDX_Text(pDX, IDC_ECOLOGY, m_ecology);
    DDX_Text(pDX, IDC_HABITAT, m_habitat);
    DDX_Text(pDX, IDC_SUBSTRATE, m_substrate);
}

void CSpecForm_Fungus_01::PreparePage() {
    FillComboFromTable(m_region, "Floristic_regions");
    FillComboFromTable(m_utm, "nUTM_Fungus");
    LoadFromDocument();
}

void CSpecForm_Fungus_01::LoadRecord() {
    const CSpecData_Fungus_01& site = Document()->SpecData_Fungus_01;
    m_ecology = site.EkoSpecifics;
    m_habitat = site.Habitat;
    m_substrate = site.Substratum;
    CComboHelpers::SelectByItemData(m_region, static_cast<DWORD>(site.FloristicRegionID));
    CComboHelpers::SelectByItemData(m_utm, static_cast<DWORD>(site.UTM_GirdID));
}

void CSpecForm_Fungus_01::SaveRecord() {
    CSpecData_Fungus_01& site = Document()->SpecData_Fungus_01;
    CComboHelpers::GetSelection(m_region, site.FloristicRegionID, site.FloristicRegionIDName);
    CComboHelpers::GetSelection(m_utm, site.UTM_GirdID, site.UTM_GirdIDName);
    site.EkoSpecifics = m_ecology;
    site.Habitat = m_habitat;
    site.Substratum = m_substrate;
}
