#include "shell/ListProgramModes.h"

#include "res/ShellIds.h"
#include "shell/MainFrm.h"
#include "shell/WorkflowCodes.h"

IMPLEMENT_DYNCREATE(CListProgramModes, CListView)

const MessageMap& CListProgramModes::GetMessageMap() const {
    static const MessageMap map(CListView::GetMessageMap(), {
        OnNotifyReflect(NM_DBLCLK, &CListProgramModes::OnDblClk),
    });
    return map;
}

void CListProgramModes::OnInitialUpdate() {
    CListView::OnInitialUpdate();
    if (++m_nInitCount > 1) return;
    SetIcons({IDI_MODE_NEW_FORM, IDI_MODE_EDIT_FORMS, IDI_MODE_LOOKUP, IDI_MODE_ANALYSIS, IDI_MODE_ADMINISTRATION});
    InsertIconItem(0, "Въвеждане", 0, kCodeNewForm);
    InsertIconItem(1, "Редакция", 1, kCodeEditForms);
    InsertIconItem(2, "Справка", 2, kCodeLookup);
    InsertIconItem(3, "Анализ", 3, kCodeAnalysis);
    InsertIconItem(4, "Администриране", 4, kCodeAdministration);
    CListCtrl& list = GetListCtrl();
    for (int i = 0; i < list.GetItemCount(); ++i) list.SetItemState(i, 0, LVIS_SELECTED);
}

void CListProgramModes::OnDblClk(NMHDR*, LRESULT* result) {
    *result = 0;
    const int code = SingleSelectedData();
    if (code < 0) return;
    if (CMainFrame* frame = TheMainFrame()) frame->SelectMode(code);
}
