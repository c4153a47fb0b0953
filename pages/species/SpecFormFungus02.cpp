#include "pages/species/SpecFormFungus02.h"

#include "pages/species/DlgAddSpecies.h"
#include "pages/species/SpeciesNameList.h"
#include "res/FungusPageIds.h"
#include "store/FormDocument.h"

IMPLEMENT_DYNCREATE(CSpecForm_Fungus_02, CFormPage)

CSpecForm_Fungus_02::CSpecForm_Fungus_02() : CFormPage(IDD_FUNGUS_PAGE_2) {}

const MessageMap& CSpecForm_Fungus_02::GetMessageMap() const {
    static const MessageMap map(CFormPage::GetMessageMap(), {
        OnClicked(IDC_ADD, &CSpecForm_Fungus_02::OnAdd),
        OnClicked(IDC_DELETE, &CSpecForm_Fungus_02::OnDelete),
    });
    return map;
}

void CSpecForm_Fungus_02::DoDataExchange(CDataExchange* pDX) {
    CFormPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_AREA, m_areaEdit);
    DDX_Control(pDX, IDC_SPECIES, m_grid);
    DDX_Text(pDX, IDC_AREA, m_area);
    DDX_Text(pDX, IDC_COLLECTION, m_collection);
    DDX_Text(pDX, IDC_COUNT, m_count);
}

void CSpecForm_Fungus_02::PreparePage() {
    LoadFromDocument();
    SetupSpeciesNameGrid(m_grid);
    RefillSpeciesNameGrid(m_grid, m_companions);
}

void CSpecForm_Fungus_02::LoadRecord() {
    const CSpecData_Fungus_02& population = Document()->SpecData_Fungus_02;
    m_area = population.PopulationArea;
    m_collection = population.ColectionNum;
    m_count = population.GroupsCount;
    m_companions = population.OtherSpecies;
}

void CSpecForm_Fungus_02::SaveRecord() {
    CSpecData_Fungus_02& population = Document()->SpecData_Fungus_02;
    population.PopulationArea = m_area;
    population.ColectionNum = m_collection;
    population.GroupsCount = m_count;
    population.OtherSpecies = m_companions;
}

void CSpecForm_Fungus_02::OnAdd() { AddSpeciesName(m_grid, m_companions, CDlg_AddSpecies::kFungi); }

void CSpecForm_Fungus_02::OnDelete() { DeleteSpeciesName(m_grid, m_companions); }
