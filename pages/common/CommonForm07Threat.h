#pragma once
// The step "Заплахи": the threats to the site or population, each shown as its path in the
// classification. Threats are chosen in the threats picker, which edits the whole list at
// once; the page itself only removes them. It edits the document's threats record.
#include "pages/common/FormPage.h"
#include "platform/ListControls.h"
#include "store/CommonRecords.h"

class CCommonForm_07_Threat : public CFormPage {
    DECLARE_DYNCREATE(CCommonForm_07_Threat)
public:
    static constexpr int IDC_THREATS = 2802, IDC_ADD_THREAT = 2800, IDC_DELETE_THREAT = 2598;

    CCommonForm_07_Threat();

    const MessageMap& GetMessageMap() const override;

    void OnAddThreat();
    void OnDeleteThreat();

    const CThreatArray& Threats() const { return m_threats; }
    CListBox& ThreatList() { return m_list; }

protected:
    void PreparePage() override;
    void LoadRecord() override;
    void SaveRecord() override;
    void DoDataExchange(CDataExchange* pDX) override;

private:
    void RebuildList();

    CListBox m_list;
    CThreatArray m_threats;
};
