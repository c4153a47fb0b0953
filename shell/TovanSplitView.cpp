#include "shell/TovanSplitView.h"

IMPLEMENT_DYNCREATE(CTovan_splitView, CView)

const MessageMap& CTovan_splitView::GetMessageMap() const {
    static const MessageMap map(CView::GetMessageMap(), {
        OnCommand(ID_FILE_PRINT, &CView::OnFilePrint),
        OnCommand(ID_FILE_PRINT_DIRECT, &CView::OnFilePrint),
        OnCommand(ID_FILE_PRINT_PREVIEW, &CView::OnFilePrintPreview),
    });
    return map;
}

void CTovan_splitView::OnDraw(CDC* dc) {
    CRect area;
    // On paper the text stands in the middle of the printable area.
    if (dc->IsPrinting())
        dc->GetClipBox(&area);
    else
        GetClientRect(&area);
    dc->DrawText(kText, &area, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

BOOL CTovan_splitView::OnPreparePrinting(CPrintInfo* info) { return DoPreparePrinting(info); }
