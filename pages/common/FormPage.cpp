#include "pages/common/FormPage.h"

#include "shell/MainFrm.h"
#include "shell/PageHeader.h"
#include "store/FormDocument.h"

IMPLEMENT_DYNAMIC(CFormPage, CFormView)

CFormPage::CFormPage(UINT templateId) : CFormView(templateId) {}

const MessageMap& CFormPage::GetMessageMap() const {
    static const MessageMap map(CFormView::GetMessageMap(), {
        OnCommand(IDC_STEP_BACK, &CFormPage::OnBack),
        OnCommand(IDC_STEP_NEXT, &CFormPage::OnNext),
    });
    return map;
}

CTovan_splitDoc* CFormPage::Document() const { return dynamic_cast<CTovan_splitDoc*>(GetDocument()); }

void CFormPage::OnInitialUpdate() {
    CFormView::OnInitialUpdate();
    PreparePage();
    if (UsesTitleFont()) SetControlFont(this, "Times New Roman", IDC_PAGE_TITLE);
    CTovan_splitDoc* document = Document();
    if (!document) return;
    CMainFrame* frame = TheMainFrame();
    const CString step = frame ? frame->GetSelectedItemText() : CString("Няма избран елемент");
    SetupFormHeader(this, document->FormName, document->SpeciesName, step, document->HeaderBitmap,
                    static_cast<UINT>(document->FormTypeID), document->IsReadOnly());
}

BOOL CFormPage::DestroyWindow() {
    if (GetSafeHwnd()) SaveToDocument();
    return CFormView::DestroyWindow();
}

void CFormPage::LoadFromDocument() {
    LoadRecord();
    UpdateData(FALSE);
}

void CFormPage::SaveToDocument() {
    UpdateData(TRUE);
    SaveRecord();
}

void CFormPage::OnBack() { StepBack(); }
void CFormPage::OnNext() { StepForward(); }
