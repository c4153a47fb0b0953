#include "pages/species/SpecFormMoss19.h"

#include "pages/species/DlgMossRows.h"
#include "res/MossPageIds.h"
#include "store/FormDocument.h"

namespace {

constexpr int kPercentLength = 3;
constexpr int kMossesCoverLength = 2;
constexpr int kGrowthLength = 4;
constexpr int kSpeciesCoverLength = 5;

}  // namespace

IMPLEMENT_DYNCREATE(CSpecForm_Moss_19, CFormPage)

CSpecForm_Moss_19::CSpecForm_Moss_19()
    : CFormPage(IDD_MOSS_BOG_COVER_PAGE), m_species(CDlg_Moss_AddSpecies::kGrassBushList, FALSE) {}

const MessageMap& CSpecForm_Moss_19::GetMessageMap() const {
    static const MessageMap map(CFormPage::GetMessageMap(), {
        OnClicked(IDC_ADD, &CSpecForm_Moss_19::OnAdd),
        OnClicked(IDC_DELETE, &CSpecForm_Moss_19::OnDelete),
        OnClicked(IDC_TREES, &CSpecForm_Moss_19::OnTreesClicked),
        OnNotify(IDC_SPECIES, NM_DBLCLK, &CSpecForm_Moss_19::OnSpeciesDblClk),
    });
    return map;
}

void CSpecForm_Moss_19::DoDataExchange(CDataExchange* pDX) {
    CFormPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_SPECIES, m_species.m_grid);
    DDX_Control(pDX, IDC_TREES_PART, m_treesPartEdit);
    DDX_Control(pDX, IDC_MOSSES_COVER, m_mossesCoverEdit);
    DDX_Control(pDX, IDC_SPECIES_COVER, m_speciesCoverEdit);
    DDX_Check(pDX, IDC_TREES, m_trees);
    DDX_Text(pDX, IDC_TREES_PART, m_treesPart);
    DDV_MaxChars(pDX, m_treesPart, kPercentLength);
    DDX_Text(pDX, IDC_RELIEF, m_relief);
    DDX_Text(pDX, IDC_GROWTH, m_growth);
    DDV_MaxChars(pDX, m_growth, kGrowthLength);
    DDX_Text(pDX, IDC_MOSSES_COVER, m_mossesCover);
    DDV_MaxChars(pDX, m_mossesCover, kMossesCoverLength);
    DDX_Text(pDX, IDC_SPECIES_COVER, m_speciesCover);
    DDV_MaxChars(pDX, m_speciesCover, kSpeciesCoverLength);
}

void CSpecForm_Moss_19::PreparePage() {
    m_species.Setup();
    LoadFromDocument();
    OnTreesClicked();
    m_species.Refill();
}

void CSpecForm_Moss_19::OnTreesClicked() {
    UpdateData(TRUE);
    GetDlgItem(IDC_TREES_PART_LABEL)->EnableWindow(m_trees);
    GetDlgItem(IDC_TREES_PART)->EnableWindow(m_trees);
    if (!m_trees) GetDlgItem(IDC_TREES_PART)->SetWindowText("");
}

void CSpecForm_Moss_19::LoadRecord() {
    const CSpecData_Moss_19& bog = Document()->SpecData_Moss_19;
    m_trees = bog.CheckTrees;
    m_treesPart = bog.TreesCount;
    m_relief = bog.Releif;
    m_growth = bog.AnnualGrowth;
    m_mossesCover = bog.ProcentAllArea;
    m_speciesCover = bog.PercentSpeciesArea;
    m_species.m_rows = bog.GrassBush;
}

void CSpecForm_Moss_19::SaveRecord() {
    CSpecData_Moss_19& bog = Document()->SpecData_Moss_19;
    bog.CheckTrees = m_trees;
    bog.TreesCount = m_treesPart;
    bog.Releif = m_relief;
    bog.AnnualGrowth = m_growth;
    bog.ProcentAllArea = m_mossesCover;
    bog.PercentSpeciesArea = m_speciesCover;
    bog.GrassBush = m_species.m_rows;
}
