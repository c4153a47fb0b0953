#include "shell/FormReport.h"

#include "platform/MessageBox.h"
#include "reports/DlgReport.h"

void PrintFormReport(std::unique_ptr<CDlgReport>& dialog, CTovan_splitDoc* document, int formTypeId) {
    if (!dialog) {
        auto made = std::make_unique<CDlgReport>(document);
        if (!made->Create(CDlgReport::IDD, nullptr)) {
            AfxMessageBox("Грешка - създаване на репорт.", MB_OK);
            return;
        }
        dialog = std::move(made);
    }
    dialog->ShowReport(formTypeId);
}
