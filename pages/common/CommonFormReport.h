#pragma once
// A page that prints the form's report with the report control on its template; its two
// step buttons go back to the workflow node 1017. No workflow code shows it.
#include "platform/CrystalCtrl.h"
#include "platform/FormView.h"

class CCommonForm_Report : public CFormView {
    DECLARE_DYNCREATE(CCommonForm_Report)
public:
    static constexpr int IDC_REPORT_BUTTON = 2630, IDC_REPORT = 2822, IDC_BACK = 2579, IDC_FORWARD = 2581;
    static constexpr int kReturnNode = 1017;
    static constexpr const char* kReportFile = "./Reports/Rpt_2005.rpt";

    CCommonForm_Report();

    const MessageMap& GetMessageMap() const override;

    void OnReport();
    void OnReturn();

protected:
    void DoDataExchange(CDataExchange* pDX) override;

private:
    CCrystalCtrl m_report;
};
