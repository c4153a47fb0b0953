#include "ThreatPaths.h"

#include "controls/TreeHelpers.h"
#include "store/DlgThreats.h"

CThreatPaths::CThreatPaths() : m_picker(std::make_unique<CDlg_Threats>(CThreatArray())) {
    m_picker->Create(CDlg_Threats::IDD);
}

CThreatPaths::~CThreatPaths() {
    if (m_picker->GetSafeHwnd()) m_picker->DestroyWindow();
}

CString CThreatPaths::PathOf(int threatId) const {
    HTREEITEM item = m_picker->SelectTreeItemByData(threatId);
    return item ? CTreeHelpers::GetItemPath(m_picker->m_tree, item) : CString();
}
