#include "pages/common/CommonFormReport.h"

#include "res/ListPageIds.h"
#include "shell/MainFrm.h"

IMPLEMENT_DYNCREATE(CCommonForm_Report, CFormView)

CCommonForm_Report::CCommonForm_Report() : CFormView(IDD_REPORT_PAGE) {}

const MessageMap& CCommonForm_Report::GetMessageMap() const {
    static const MessageMap map(CFormView::GetMessageMap(), {
        OnClicked(IDC_REPORT_BUTTON, &CCommonForm_Report::OnReport),
        OnClicked(IDC_BACK, &CCommonForm_Report::OnReturn),
        OnClicked(IDC_FORWARD, &CCommonForm_Report::OnReturn),
    });
    return map;
}

void CCommonForm_Report::DoDataExchange(CDataExchange* pDX) {
    CFormView::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_REPORT, m_report);
}

void CCommonForm_Report::OnReport() {
    m_report.SetReportFileName(kReportFile);
    m_report.PrintReport();
}

void CCommonForm_Report::OnReturn() {
    if (CMainFrame* frame = TheMainFrame()) frame->SelectMode(kReturnNode);
}
