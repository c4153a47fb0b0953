#include "pages/species/SpecFormMoss15.h"

#include "controls/ComboHelpers.h"
#include "pages/common/PageLists.h"
#include "pages/species/DlgMossAddTuft.h"
#include "pages/species/DlgMossRows.h"
#include "res/MossPageIds.h"
#include "store/FormDocument.h"

namespace {

constexpr int kPercentLength = 3;
constexpr int kTiltLength = 3;

}  // namespace

IMPLEMENT_DYNCREATE(CSpecForm_Moss_15, CFormPage)

CSpecForm_Moss_15::CSpecForm_Moss_15()
    : CFormPage(IDD_MOSS_SOIL_PAGE), m_species(CDlg_Moss_AddSpecies::kGrassBushList, TRUE) {}

const MessageMap& CSpecForm_Moss_15::GetMessageMap() const {
    static const MessageMap map(CFormPage::GetMessageMap(), {
        OnClicked(IDC_ADD_SPECIES, &CSpecForm_Moss_15::OnAddSpecies),
        OnClicked(IDC_DELETE_SPECIES, &CSpecForm_Moss_15::OnDeleteSpecies),
        OnClicked(IDC_ADD_TUFT, &CSpecForm_Moss_15::OnAddTuft),
        OnClicked(IDC_DELETE_TUFT, &CSpecForm_Moss_15::OnDeleteTuft),
        OnNotify(IDC_SPECIES, NM_DBLCLK, &CSpecForm_Moss_15::OnSpeciesDblClk),
        OnNotify(IDC_TUFTS, NM_DBLCLK, &CSpecForm_Moss_15::OnTuftDblClk),
    });
    return map;
}

void CSpecForm_Moss_15::DoDataExchange(CDataExchange* pDX) {
    CFormPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_SPECIES, m_species.m_grid);
    DDX_Control(pDX, IDC_TUFTS, m_tuftGrid);
    DDX_Control(pDX, IDC_SOIL, m_soil);
    DDX_Control(pDX, IDC_ROCKS, m_rocks);
    DDX_Control(pDX, IDC_EXPOSURE, m_exposure);
    DDX_Control(pDX, IDC_EROSION, m_erosion);
    DDX_Control(pDX, IDC_BUSHES, m_bushesEdit);
    DDX_Control(pDX, IDC_GRASS, m_grassEdit);
    DDX_Control(pDX, IDC_TREES, m_treesEdit);
    DDX_Text(pDX, IDC_BUSHES, m_bushes);
    DDV_MaxChars(pDX, m_bushes, kPercentLength);
    DDX_Text(pDX, IDC_GRASS, m_grass);
    DDV_MaxChars(pDX, m_grass, kPercentLength);
    DDX_Text(pDX, IDC_TILT, m_tilt);
    DDV_MaxChars(pDX, m_tilt, kTiltLength);
    DDX_Text(pDX, IDC_TREES, m_trees);
    DDV_MaxChars(pDX, m_trees, kPercentLength);
}

void CSpecForm_Moss_15::PreparePage() {
    m_species.Setup();
    SetupPageGrid(m_tuftGrid, {{"Площ(кв.см)", 180}, {"Присъствие на архегониеносци", 150}});
    FillComboFromColumns(m_exposure, "ID", "Name", "nMossExposure");
    FillComboFromColumns(m_rocks, "ID", "Name", "nMossYesNo");
    FillComboFromColumns(m_soil, "ID", "Name", "nMossSoil");
    FillComboFromColumns(m_erosion, "ID", "Name", "nMossErosive");
    LoadFromDocument();
    m_species.Refill();
    RefillTufts();
}

void CSpecForm_Moss_15::RefillTufts() {
    RefillPageGrid(m_tuftGrid, m_tufts, [](const CMoss15Row& tuft) {
        return PageGridRow{{tuft.TorfArea, tuft.ArhegonExistanceName}, std::nullopt};
    });
}

void CSpecForm_Moss_15::OnAddTuft() {
    CDlg_Moss_AddTuft dialog(nullptr, this);
    if (dialog.DoModal() != IDOK) return;
    m_tufts.Add(dialog.m_row);
    RefillTufts();
}

void CSpecForm_Moss_15::OnTuftDblClk(NMHDR* header, LRESULT*) {
    const int index = ElementIndexOfRow(m_tuftGrid, GridRowOf(header));
    if (index < 0 || index >= m_tufts.GetSize()) return;
    CDlg_Moss_AddTuft dialog(&m_tufts[index], this);
    if (dialog.DoModal() != IDOK) return;
    m_tufts[index] = dialog.m_row;
    RefillTufts();
}

void CSpecForm_Moss_15::OnDeleteTuft() {
    if (DeleteTableRow(m_tuftGrid, m_tufts)) RefillTufts();
}

void CSpecForm_Moss_15::LoadRecord() {
    const CSpecData_Moss_15& habitat = Document()->SpecData_Moss_15;
    CComboHelpers::SelectByItemData(m_soil, static_cast<DWORD>(habitat.SoilID));
    CComboHelpers::SelectByItemData(m_rocks, static_cast<DWORD>(habitat.RocksExistance));
    CComboHelpers::SelectByItemData(m_exposure, static_cast<DWORD>(habitat.ExposureID));
    CComboHelpers::SelectByItemData(m_erosion, static_cast<DWORD>(habitat.ErosiveID));
    m_bushes = habitat.BushesPercent;
    m_grass = habitat.GrassPercent;
    m_tilt = habitat.Tilt;
    m_trees = habitat.TreePercent;
    m_species.m_rows = habitat.GrassBush;
    m_tufts = habitat.Arhegons;
}

void CSpecForm_Moss_15::SaveRecord() {
    CSpecData_Moss_15& habitat = Document()->SpecData_Moss_15;
    CComboHelpers::GetSelection(m_soil, habitat.SoilID, habitat.SoilIDName);
    CComboHelpers::GetSelection(m_rocks, habitat.RocksExistance, habitat.RocksExistanceName);
    CComboHelpers::GetSelection(m_exposure, habitat.ExposureID, habitat.ExposureIDName);
    CComboHelpers::GetSelection(m_erosion, habitat.ErosiveID, habitat.ErosiveIDName);
    habitat.BushesPercent = m_bushes;
    habitat.GrassPercent = m_grass;
    habitat.Tilt = m_tilt;
    habitat.TreePercent = m_trees;
    habitat.GrassBush = m_species.m_rows;
    habitat.Arhegons = m_tufts;
}
