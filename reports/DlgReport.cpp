#include "DlgReport.h"

#include "db/ProgramFolder.h"
#include "platform/MessageBox.h"
#include "platform/WaitCursor.h"
#include "reports/ReportParameters.h"
#include "reports/ReportTable.h"
#include "store/FormDocument.h"

REGISTER_DIALOG_CLASS(CDlgReport, dynamic_cast<CTovan_splitDoc*>(document))

CDlgReport::CDlgReport(CTovan_splitDoc* document, CWnd* parent) : CDialog(IDD, parent), m_pDoc(document) {}

const MessageMap& CDlgReport::GetMessageMap() const {
    static const MessageMap map(CDialog::GetMessageMap(), {});
    return map;
}

void CDlgReport::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, kFirstReportId, m_report1);
    DDX_Control(pDX, kSecondReportId, m_report2);
}

void CDlgReport::OnOK() {}

namespace {

// What a PDF saved from the preview is offered as: the form type and the stored form's code
// (a new form has none yet); a second report of the form type is told apart.
CString PrintFileName(const CTovan_splitDoc& document, bool second) {
    CString name = document.FormName;
    name.TrimLeft();
    name.TrimRight();
    if (name.IsEmpty()) return name;  // the report file's own name then
    if (!document.FormCode.IsEmpty()) name += " " + document.FormCode;
    if (second) name += " - 2";
    return name;
}

}  // namespace

void CDlgReport::ShowReport(int formTypeId) {
    if (m_pDoc == nullptr) return;
    CWaitCursor wait;
    const FormTypeReport* report = FindFormTypeReport(formTypeId);
    if (report == nullptr) {
        AfxMessageBox("Справка за този формуляр за сега не може да бъде направена.");
        wait.Restore();
        return;
    }
    struct Print {
        const ReportPrint& what;
        CCrystalCtrl& control;
    };
    const Print prints[] = {{report->first, m_report1}, {report->second, m_report2}};

    // Both report files are set before either report is filled.
    const CString folder = GetAppDir() + "Reports/";
    for (const Print& print : prints) {
        if (print.what.fileName == nullptr) continue;
        CString path;
        path.Format("%s%s", folder, print.what.fileName);
        print.control.SetReportFileName(path);
        print.control.SetPrintFileName(PrintFileName(*m_pDoc, &print.control == &m_report2));
    }
    for (const Print& print : prints) {
        if (print.what.fileName == nullptr) continue;
        CReportParameters parameters(print.control, *m_pDoc);
        print.what.filler(parameters, report->section, report->secondSection);
    }
    for (const Print& print : prints) {
        if (print.what.fileName == nullptr) continue;
        print.control.SetBoolProperty34(FALSE);
        print.control.PrintReport();
    }
    wait.Restore();
}
