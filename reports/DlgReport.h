#pragma once
// The report dialog: a hidden dialog that hosts two report controls and prints the report of
// the form in the document. A view creates it on its first print request, keeps it for the
// prints that follow and deletes it with itself.
#include "platform/CrystalCtrl.h"
#include "platform/Dialog.h"

class CTovan_splitDoc;

class CDlgReport : public CDialog {
public:
    enum { IDD = 189 };
    static constexpr int kFirstReportId = 2822;
    static constexpr int kSecondReportId = 2823;  // the hamster form's second report

    // The document is not owned.
    explicit CDlgReport(CTovan_splitDoc* document, CWnd* parent = nullptr);

    // Prints the report(s) of the form type from the document's current contents; a form
    // type without a report gets a message.
    void ShowReport(int formTypeId);

    const MessageMap& GetMessageMap() const override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;  // Enter never closes the hidden dialog

private:
    CTovan_splitDoc* m_pDoc;
    CCrystalCtrl m_report1;
    CCrystalCtrl m_report2;
};
