#include "pages/species/SpecFormMoss02.h"

#include "controls/ComboHelpers.h"
#include "pages/common/PageControls.h"
#include "pages/common/PageLists.h"
#include "pages/species/DlgMossRows.h"
#include "res/MossPageIds.h"
#include "store/FormDocument.h"

IMPLEMENT_DYNCREATE(CSpecForm_Moss_02, CFormPage)

CSpecForm_Moss_02::CSpecForm_Moss_02(int pageCode)
    : CFormPage(IDD_MOSS_TREES_PAGE), m_trees(CDlg_Moss_AddSpecies::kTreeList, TRUE), m_pageCode(pageCode) {}

const MessageMap& CSpecForm_Moss_02::GetMessageMap() const {
    static const MessageMap map(CFormPage::GetMessageMap(), {
        OnClicked(IDC_ADD, &CSpecForm_Moss_02::OnAdd),
        OnClicked(IDC_DELETE, &CSpecForm_Moss_02::OnDelete),
        OnNotify(IDC_TREES, NM_DBLCLK, &CSpecForm_Moss_02::OnTreeDblClk),
    });
    return map;
}

void CSpecForm_Moss_02::DoDataExchange(CDataExchange* pDX) {
    CFormPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_COMMUNITY, m_community);
    DDX_Control(pDX, IDC_TREES, m_trees.m_grid);
}

void CSpecForm_Moss_02::PreparePage() {
    m_trees.Setup();
    FillComboFromColumns(m_community, "ID", "Name", "nMossHommies");
    LoadFromDocument();
    m_trees.Refill();
    if (m_pageCode != kPageCode) ShowControls(this, {IDC_COMMUNITY_LABEL, IDC_COMMUNITY}, FALSE);
}

void CSpecForm_Moss_02::LoadRecord() {
    const CSpecData_Moss_02& habitat = Document()->SpecData_Moss_02;
    m_trees.m_rows = habitat.Trees;
    CComboHelpers::SelectByItemData(m_community, static_cast<DWORD>(habitat.HommiesType));
}

void CSpecForm_Moss_02::SaveRecord() {
    CSpecData_Moss_02& habitat = Document()->SpecData_Moss_02;
    habitat.Trees = m_trees.m_rows;
    CComboHelpers::GetSelection(m_community, habitat.HommiesType, habitat.HommiesTypeName);
}
