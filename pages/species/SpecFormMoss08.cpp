#include "pages/species/SpecFormMoss08.h"

#include "pages/species/DlgMossRows.h"
#include "res/MossPageIds.h"
#include "store/FormDocument.h"

namespace {

constexpr int kPercentLength = 3;

}  // namespace

IMPLEMENT_DYNCREATE(CSpecForm_Moss_08, CFormPage)

CSpecForm_Moss_08::CSpecForm_Moss_08()
    : CFormPage(IDD_MOSS_FOREST_PAGE), m_trees(CDlg_Moss_AddSpecies::kTreeList, TRUE) {}

const MessageMap& CSpecForm_Moss_08::GetMessageMap() const {
    static const MessageMap map(CFormPage::GetMessageMap(), {
        OnClicked(IDC_ADD, &CSpecForm_Moss_08::OnAdd),
        OnClicked(IDC_DELETE, &CSpecForm_Moss_08::OnDelete),
        OnNotify(IDC_TREES, NM_DBLCLK, &CSpecForm_Moss_08::OnTreesDblClk),
    });
    return map;
}

void CSpecForm_Moss_08::DoDataExchange(CDataExchange* pDX) {
    CFormPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_TREES, m_trees.m_grid);
    DDX_Control(pDX, IDC_CANOPY, m_canopyEdit);
    DDX_Control(pDX, IDC_BUSHES, m_bushesEdit);
    DDX_Control(pDX, IDC_GRASS, m_grassEdit);
    DDX_Text(pDX, IDC_CANOPY, m_canopy);
    DDV_MaxChars(pDX, m_canopy, kPercentLength);
    DDX_Text(pDX, IDC_BUSHES, m_bushes);
    DDV_MaxChars(pDX, m_bushes, kPercentLength);
    DDX_Text(pDX, IDC_GRASS, m_grass);
    DDV_MaxChars(pDX, m_grass, kPercentLength);
}

void CSpecForm_Moss_08::PreparePage() {
    m_trees.Setup();
    LoadFromDocument();
    m_trees.Refill();
}

void CSpecForm_Moss_08::LoadRecord() {
    const CSpecData_Moss_08& forest = Document()->SpecData_Moss_08;
    m_trees.m_rows = forest.Trees;
    m_bushes = forest.BushesPercent;
    m_grass = forest.GrassPercent;
    m_canopy = forest.TreesSklop;
}

void CSpecForm_Moss_08::SaveRecord() {
    CSpecData_Moss_08& forest = Document()->SpecData_Moss_08;
    forest.BushesPercent = m_bushes;
    forest.GrassPercent = m_grass;
    forest.TreesSklop = m_canopy;
    forest.Trees = m_trees.m_rows;
}
