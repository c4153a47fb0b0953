#include "pages/species/SpecFormMoss13.h"

#include "pages/species/DlgMossRows.h"
#include "res/MossPageIds.h"
#include "store/FormDocument.h"

namespace {

constexpr int kTreesPartLength = 6;  // what the stored values may hold; above 100 cannot be typed
constexpr int kCoverLength = 3;

}  // namespace

IMPLEMENT_DYNCREATE(CSpecForm_Moss_13, CFormPage)

CSpecForm_Moss_13::CSpecForm_Moss_13()
    : CFormPage(IDD_MOSS_BOG_PLANTS_PAGE), m_species(CDlg_Moss_AddSpecies::kGrassBushList, TRUE) {}

const MessageMap& CSpecForm_Moss_13::GetMessageMap() const {
    static const MessageMap map(CFormPage::GetMessageMap(), {
        OnClicked(IDC_TREES_EXIST, &CSpecForm_Moss_13::OnTreesExist),
        OnClicked(IDC_ADD, &CSpecForm_Moss_13::OnAdd),
        OnClicked(IDC_DELETE, &CSpecForm_Moss_13::OnDelete),
        OnNotify(IDC_SPECIES, NM_DBLCLK, &CSpecForm_Moss_13::OnSpeciesDblClk),
    });
    return map;
}

void CSpecForm_Moss_13::DoDataExchange(CDataExchange* pDX) {
    CFormPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_SPECIES, m_species.m_grid);
    DDX_Control(pDX, IDC_TREES_PART, m_treesPartEdit);
    DDX_Control(pDX, IDC_COVER, m_coverEdit);
    DDX_Check(pDX, IDC_TREES_EXIST, m_treesExist);
    DDX_Text(pDX, IDC_TREES_PART, m_treesPart);
    DDV_MaxChars(pDX, m_treesPart, kTreesPartLength);
    DDX_Text(pDX, IDC_COVER, m_cover);
    DDV_MaxChars(pDX, m_cover, kCoverLength);
}

void CSpecForm_Moss_13::PreparePage() {
    m_species.Setup();
    LoadFromDocument();
    OnTreesExist();
    m_species.Refill();
}

void CSpecForm_Moss_13::OnTreesExist() {
    UpdateData(TRUE);
    for (const int id : {IDC_TREES_LABEL, IDC_TREES_PART})
        if (CWnd* control = GetDlgItem(id)) control->EnableWindow(m_treesExist);
    if (m_treesExist) return;
    m_treesPart.Empty();
    UpdateData(FALSE);
}

void CSpecForm_Moss_13::LoadRecord() {
    const CSpecData_Moss_13& bog = Document()->SpecData_Moss_13;
    m_treesExist = bog.TreesExist;
    m_treesPart = bog.TreesCount;
    m_cover = bog.ProcentArea;
    m_species.m_rows = bog.GrassBush;
}

void CSpecForm_Moss_13::SaveRecord() {
    CSpecData_Moss_13& bog = Document()->SpecData_Moss_13;
    bog.TreesExist = m_treesExist ? 1 : 0;
    bog.TreesCount = m_treesPart;
    bog.ProcentArea = m_cover;
    bog.GrassBush = m_species.m_rows;
}
