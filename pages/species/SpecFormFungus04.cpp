#include "pages/species/SpecFormFungus04.h"

#include "controls/ComboHelpers.h"
#include "pages/common/PageControls.h"
#include "pages/common/PageLists.h"
#include "res/FungusPageIds.h"
#include "store/FormDocument.h"

IMPLEMENT_DYNCREATE(CSpecForm_Fungus_04, CFormPage)

CSpecForm_Fungus_04::CSpecForm_Fungus_04() : CFormPage(IDD_FUNGUS_PAGE_4) {}

const MessageMap& CSpecForm_Fungus_04::GetMessageMap() const {
    static const MessageMap map(CFormPage::GetMessageMap(), {
        OnClicked(IDC_ECOLOGY_CHANGED, &CSpecForm_Fungus_04::ApplyChangeRule<IDC_ECOLOGY_CHANGED, IDC_ECOLOGY>),
        OnClicked(IDC_HABITAT_CHANGED, &CSpecForm_Fungus_04::ApplyChangeRule<IDC_HABITAT_CHANGED, IDC_HABITAT>),
        OnClicked(IDC_LAND_USE_CHANGED, &CSpecForm_Fungus_04::ApplyChangeRule<IDC_LAND_USE_CHANGED, IDC_LAND_USE>),
    });
    return map;
}

void CSpecForm_Fungus_04::DoDataExchange(CDataExchange* pDX) {
    CFormPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_REGION, m_region);
    DDX_Text(pDX, IDC_ECOLOGY, m_ecology);
    DDX_Text(pDX, IDC_HABITAT, m_habitat);
    DDX_Text(pDX, IDC_LAND_USE, m_landUse);
    DDX_Check(pDX, IDC_ECOLOGY_CHANGED, m_ecologyChanged);
    DDX_Check(pDX, IDC_HABITAT_CHANGED, m_habitatChanged);
    DDX_Check(pDX, IDC_LAND_USE_CHANGED, m_landUseChanged);
}

void CSpecForm_Fungus_04::PreparePage() {
    FillComboFromTable(m_region, "Floristic_regions");
    LoadFromDocument();
    ApplyChangeRule<IDC_ECOLOGY_CHANGED, IDC_ECOLOGY>();
    ApplyChangeRule<IDC_LAND_USE_CHANGED, IDC_LAND_USE>();
    ApplyChangeRule<IDC_HABITAT_CHANGED, IDC_HABITAT>();
}

template <int check, int edit>
void CSpecForm_Fungus_04::ApplyChangeRule() {
    UpdateData(TRUE);
    EnableControls(this, {edit}, IsDlgButtonChecked(check) == BST_CHECKED);
}

void CSpecForm_Fungus_04::LoadRecord() {
    const CSpecData_Fungus_04& changes = Document()->SpecData_Fungus_04;
    m_ecology = changes.EkoConditionsChanges;
    m_habitat = changes.HabitatChanges;
    m_landUse = changes.LandUsageChanges;
    m_ecologyChanged = changes.bEkoConditionsChanges;
    m_habitatChanged = changes.bHabitatChanges;
    m_landUseChanged = changes.bLandUsageChanges;
    CComboHelpers::SelectByItemData(m_region, static_cast<DWORD>(changes.FloristicRegionID));
}

void CSpecForm_Fungus_04::SaveRecord() {
    CSpecData_Fungus_04& changes = Document()->SpecData_Fungus_04;
    CComboHelpers::GetSelection(m_region, changes.FloristicRegionID, changes.FloristicRegionIDName);
    changes.EkoConditionsChanges = m_ecology;
    changes.HabitatChanges = m_habitat;
    changes.LandUsageChanges = m_landUse;
    changes.bEkoConditionsChanges = m_ecologyChanged;
    changes.bHabitatChanges = m_habitatChanged;
    changes.bLandUsageChanges = m_landUseChanged;
}
