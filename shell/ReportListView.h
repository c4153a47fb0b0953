#pragma once
// The last step of every form: a short list of actions. A new form offers "Запиши" (store
// it) and "Справка" (print it); a form opened for editing "Редактирай" (store the changes)
// and "Справка"; a form opened for reading only "Справка".
#include <memory>

#include "shell/IconListView.h"

class CDlgReport;
class CTovan_splitDoc;

class CReportListView : public CIconListView {
    DECLARE_DYNCREATE(CReportListView)
public:
    enum Action { kActionReport = 8888, kActionStore = 9999, kActionUpdate = 7777 };

    CReportListView();
    ~CReportListView() override;

    const MessageMap& GetMessageMap() const override;
    void OnInitialUpdate() override;

    // Selects and focuses the item with the data; every other item loses both.
    void SelectItem(int data);
    // Runs the action of the first selected item; nothing without one. After a successful
    // "Запиши" this view is gone.
    void RunSelectedAction();
    void ShowReport(int formTypeId);

protected:
    CReportListView(BOOL editing, BOOL readOnly);

private:
    void FillActions();
    void StoreNewForm();
    void StoreChanges();
    CTovan_splitDoc* FormDocument() const;
    void OnDblClk(NMHDR* header, LRESULT* result);
    void OnKeyDown(NMHDR* header, LRESULT* result);

    int m_nInitCount = 0;
    std::unique_ptr<CDlgReport> m_pReportDlg;
    BOOL m_bEditing;
    BOOL m_bReadOnly;
};

// The final step of a form opened for editing.
class CReportListView_Editing : public CReportListView {
    DECLARE_DYNCREATE(CReportListView_Editing)
public:
    CReportListView_Editing() : CReportListView(TRUE, FALSE) {}
};

// The final step of a form opened for reading.
class CReportListView_ReadOnly : public CReportListView {
    DECLARE_DYNCREATE(CReportListView_ReadOnly)
public:
    CReportListView_ReadOnly() : CReportListView(FALSE, TRUE) {}
};
