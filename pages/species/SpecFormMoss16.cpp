#include "pages/species/SpecFormMoss16.h"

#include "controls/ComboHelpers.h"
#include "pages/common/PageLists.h"
#include "pages/species/DlgMossRows.h"
#include "res/MossPageIds.h"
#include "store/FormDocument.h"

IMPLEMENT_DYNCREATE(CSpecForm_Moss_16, CFormPage)

CSpecForm_Moss_16::CSpecForm_Moss_16()
    : CFormPage(IDD_MOSS_ROCKS_WATER_PAGE), m_species(CDlg_Moss_AddSpecies::kGrassBushList, FALSE) {}

const MessageMap& CSpecForm_Moss_16::GetMessageMap() const {
    static const MessageMap map(CFormPage::GetMessageMap(), {
        OnClicked(IDC_ADD, &CSpecForm_Moss_16::OnAdd),
        OnClicked(IDC_DELETE, &CSpecForm_Moss_16::OnDelete),
        OnNotify(IDC_SPECIES, NM_DBLCLK, &CSpecForm_Moss_16::OnSpeciesDblClk),
    });
    return map;
}

void CSpecForm_Moss_16::DoDataExchange(CDataExchange* pDX) {
    CFormPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_SPECIES, m_species.m_grid);
    DDX_Control(pDX, IDC_ROCKS, m_rocks);
    DDX_Control(pDX, IDC_WATER, m_water);
}

void CSpecForm_Moss_16::PreparePage() {
    m_species.Setup();
    FillComboFromColumns(m_rocks, "ID", "Name", "nMossYesNo");
    FillComboFromColumns(m_water, "ID", "Name", "nMossYesNo");
    LoadFromDocument();
    m_species.Refill();
}

void CSpecForm_Moss_16::LoadRecord() {
    const CSpecData_Moss_16& habitat = Document()->SpecData_Moss_16;
    CComboHelpers::SelectByItemData(m_rocks, static_cast<DWORD>(habitat.RocksExistance));
    CComboHelpers::SelectByItemData(m_water, static_cast<DWORD>(habitat.WaterBasinExistance));
    m_species.m_rows = habitat.GrassBush;
}

void CSpecForm_Moss_16::SaveRecord() {
    CSpecData_Moss_16& habitat = Document()->SpecData_Moss_16;
    CComboHelpers::GetSelection(m_rocks, habitat.RocksExistance, habitat.RocksExistanceName);
    CComboHelpers::GetSelection(m_water, habitat.WaterBasinExistance, habitat.WaterBasinExistanceName);
    habitat.GrassBush = m_species.m_rows;
}
