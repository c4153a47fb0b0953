#pragma once
// The list of stored forms, the right pane of the modes "Редакция" (editing) and "Справка"
// (look-up). The user narrows it by form type, by the user who created the form and by a
// number of rows, and from a row opens the form for editing or for reading, prints it, or
// (in editing) deletes it. Opening a form replaces the one in the document.
#include <memory>

#include "controls/grid/GridCtrl.h"
#include "platform/FormView.h"
#include "platform/ListControls.h"

class CDlgReport;
class CSQLite3Query;
class CTovan_splitDoc;

class CMyFormView : public CFormView {
    DECLARE_DYNAMIC(CMyFormView)
public:
    enum Mode { kLookup = 0, kEditing = 1 };
    // Grid columns.
    enum Column {
        kNumberColumn, kFormTypeColumn, kCodeColumn, kObjectColumn, kDateColumn, kTimeColumn, kUserColumn,
        kInspectorateColumn, kLastChangeColumn, kColumnCount
    };
    // Below this width (pixels) the list keeps its place and size.
    static constexpr int kMinLayoutWidth = 515;
    static constexpr int kMargin = 5;

    explicit CMyFormView(int mode);
    ~CMyFormView() override;

    const MessageMap& GetMessageMap() const override;
    void OnInitialUpdate() override;

    // Shows the live forms of the form type (-1: any) created by the user (-1: any), newest
    // first, at most `limit` of them (0 or less: all).
    void FillList(int formTypeId, int userId, int limit);
    // Appends one numbered row per stored form the query of the list reads.
    static void AppendRows(CGridCtrl& grid, CSQLite3Query& query);
    // Appends (text, id) of every row of the table to the combo box, in the order read.
    void FillCombo(int comboId, const CString& databasePath, const CString& table, const CString& idColumn,
                   const CString& textColumn);
    // The number in the row-limit field; 0 when it holds none.
    int GetLimit() const;
    void ShowReport(int formTypeId);

    int GetMode() const { return m_nMode; }
    CGridCtrl& Grid() { return m_grid; }
    CComboBox& FormTypeCombo() { return m_cbFormType; }
    CComboBox& UserCombo() { return m_cbUser; }

    // Commands and notifications.
    void OnShow();
    void OnShowAll();
    void OnClear();
    void OnDeleteForm();
    void OnLoad();
    void OnShowReportCmd();
    void OnLoadForReading();

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnSize(UINT type, int cx, int cy) override;

private:
    enum class Opening { kPrint, kEdit, kRead };

    void SetUpGrid();
    void LayOutGrid(int cx, int cy);
    void OnGridDblClk(NMHDR* header, LRESULT* result);
    void OnGridRClick(NMHDR* header, LRESULT* result);
    // The top row of a valid selection, or -1.
    int SelectedDataRow() const;
    BOOL IsDataRow(int row) const;
    // Opens the form of the row as asked. This view may be gone afterwards.
    void OpenRow(int row, Opening how);
    // TRUE while the form is stored and not deleted; else the user is told (and, when it was
    // deleted meanwhile, the list is filled again).
    BOOL ConfirmFormIsLive(int formId);
    CTovan_splitDoc* FormDocument() const;

    CComboBox m_cbFormType;
    CComboBox m_cbUser;
    int m_nMode;
    CGridCtrl m_grid;
    int m_nInitCount = 0;
    std::unique_ptr<CDlgReport> m_pReportDlg;  // last: deleted first
};

// "Редакция": open for editing, delete.
class CMyEdit_FormView : public CMyFormView {
    DECLARE_DYNCREATE(CMyEdit_FormView)
public:
    CMyEdit_FormView() : CMyFormView(kEditing) {}
};

// "Справка": print, open for reading.
class CMyReport_FormView : public CMyFormView {
    DECLARE_DYNCREATE(CMyReport_FormView)
public:
    CMyReport_FormView() : CMyFormView(kLookup) {}
};
