#include "pages/common/CommonForm07Threat.h"

#include "res/ListPageIds.h"
#include "store/DlgThreats.h"
#include "store/FormDocument.h"

IMPLEMENT_DYNCREATE(CCommonForm_07_Threat, CFormPage)

CCommonForm_07_Threat::CCommonForm_07_Threat() : CFormPage(IDD_THREATS_PAGE) {}

const MessageMap& CCommonForm_07_Threat::GetMessageMap() const {
    static const MessageMap map(CFormPage::GetMessageMap(), {
        OnClicked(IDC_ADD_THREAT, &CCommonForm_07_Threat::OnAddThreat),
        OnLbnDblclk(IDC_THREATS, &CCommonForm_07_Threat::OnAddThreat),
        OnClicked(IDC_DELETE_THREAT, &CCommonForm_07_Threat::OnDeleteThreat),
    });
    return map;
}

void CCommonForm_07_Threat::DoDataExchange(CDataExchange* pDX) {
    CFormPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_THREATS, m_list);
}

void CCommonForm_07_Threat::PreparePage() {
    LoadFromDocument();
    RebuildList();
}

void CCommonForm_07_Threat::LoadRecord() { m_threats = Document()->CommonData_07_Threat.Threats; }

void CCommonForm_07_Threat::SaveRecord() { Document()->CommonData_07_Threat.Threats = m_threats; }

// Entry i of the list always shows threat i of the page.
void CCommonForm_07_Threat::RebuildList() { FillThreatList(m_list, m_threats); }

// The picker edits the whole list: what it removes goes from the page too.
void CCommonForm_07_Threat::OnAddThreat() {
    CDlg_Threats dialog(m_threats);
    if (dialog.DoModal() != IDOK) return;
    m_threats = dialog.m_chosen;
    RebuildList();
}

void CCommonForm_07_Threat::OnDeleteThreat() {
    const int selected = m_list.GetCurSel();
    if (selected < 0 || selected >= m_threats.GetSize()) return;
    m_threats.RemoveAt(selected);
    RebuildList();
}
