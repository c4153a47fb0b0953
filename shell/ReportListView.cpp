#include "shell/ReportListView.h"

#include "platform/MessageBox.h"
#include "reports/DlgReport.h"
#include "res/ShellIds.h"
#include "shell/MainFrm.h"
#include "shell/StepViews.h"
#include "shell/WorkflowCodes.h"
#include "store/FormDocument.h"

namespace {

constexpr char kCannotStoreAgain[] =
    "Формулярът не може да бъде записан отново: някои от стъпките му все още не са разработени "
    "в тази версия на програмата и записът би изтрил въведените в тях данни.\n"
    "Формулярът е отворен само за четене и остава непроменен в базата данни.";

}  // namespace

// All three are registered under the list view, so that a switch among the three final
// steps always replaces the view.
IMPLEMENT_DYNCREATE(CReportListView, CListView)
IMPLEMENT_DYNCREATE(CReportListView_Editing, CListView)
IMPLEMENT_DYNCREATE(CReportListView_ReadOnly, CListView)

CReportListView::CReportListView() : CReportListView(FALSE, FALSE) {}

CReportListView::CReportListView(BOOL editing, BOOL readOnly) : m_bEditing(editing), m_bReadOnly(readOnly) {}

CReportListView::~CReportListView() = default;

const MessageMap& CReportListView::GetMessageMap() const {
    static const MessageMap map(CListView::GetMessageMap(), {
        OnNotifyReflect(NM_DBLCLK, &CReportListView::OnDblClk),
        OnNotifyReflect(LVN_KEYDOWN, &CReportListView::OnKeyDown),
    });
    return map;
}

CTovan_splitDoc* CReportListView::FormDocument() const { return dynamic_cast<CTovan_splitDoc*>(GetDocument()); }

void CReportListView::OnInitialUpdate() {
    CListView::OnInitialUpdate();
    if (CMainFrame* frame = TheMainFrame()) frame->UpdateTitle();
    if (++m_nInitCount > 1) return;
    FillActions();
    SelectItem(0);
}

void CReportListView::FillActions() {
    if (m_bReadOnly)
        SetIcons({IDI_ACTION_REPORT});
    else
        SetIcons({IDI_ACTION_REPORT, IDI_ACTION_STORE});
    InsertIconItem(0, "Справка", 0, kActionReport);
    if (m_bEditing)
        InsertIconItem(0, "Редактирай", 1, kActionUpdate);
    else if (!m_bReadOnly)
        InsertIconItem(0, "Запиши", 1, kActionStore);
}

void CReportListView::SelectItem(int data) {
    CListCtrl& list = GetListCtrl();
    for (int i = 0; i < list.GetItemCount(); ++i) {
        const UINT state = static_cast<int>(list.GetItemData(i)) == data ? LVIS_SELECTED | LVIS_FOCUSED : 0;
        list.SetItemState(i, state, LVIS_SELECTED | LVIS_FOCUSED);
    }
}

void CReportListView::RunSelectedAction() {
    CListCtrl& list = GetListCtrl();
    const int item = list.GetNextItem(-1, LVNI_SELECTED);
    if (item < 0) return;
    CTovan_splitDoc* const document = FormDocument();
    if (!document) return;
    switch (static_cast<int>(list.GetItemData(item))) {
    case kActionReport: ShowReport(document->FormTypeID); break;
    case kActionStore: StoreNewForm(); break;  // this view may be gone now
    case kActionUpdate: StoreChanges(); break;
    default: break;
    }
}

void CReportListView::StoreNewForm() {
    CTovan_splitDoc* const document = FormDocument();
    // A failed save has shown its error; the form stays as typed, to be stored again.
    if (!document->SaveNewForm()) return;
    document->ClearAll();
    document->SetModifiedFlag(FALSE);
    // Clearing the steps and selecting the chooser destroy this view: nothing of it is
    // touched from here on.
    if (CMainFrame* frame = TheMainFrame()) {
        frame->ClearFormSteps();
        frame->SelectMode(kCodeNewForm);
    }
}

void CReportListView::StoreChanges() {
    CTovan_splitDoc* const document = FormDocument();
    // The update rewrites the whole form from the pages: a step still without its page
    // holds nothing and would delete what the stored form has there.
    if (!PagesHoldEveryStep(document->FormTypeID)) {
        AfxMessageBox(kCannotStoreAgain, MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    if (document->UpdateForm()) document->SetModifiedFlag(FALSE);
}

void CReportListView::ShowReport(int formTypeId) {
    if (!m_pReportDlg) {
        auto dialog = std::make_unique<CDlgReport>(FormDocument());
        if (!dialog->Create(CDlgReport::IDD, nullptr)) {
            AfxMessageBox("Грешка - създаване на репорт.", MB_OK);
            return;
        }
        m_pReportDlg = std::move(dialog);
    }
    m_pReportDlg->ShowReport(formTypeId);
}

void CReportListView::OnDblClk(NMHDR*, LRESULT* result) {
    *result = 0;
    RunSelectedAction();
}

void CReportListView::OnKeyDown(NMHDR* header, LRESULT* result) {
    *result = 0;
    if (reinterpret_cast<NMLVKEYDOWN*>(header)->wVKey == VK_RETURN) RunSelectedAction();
}
