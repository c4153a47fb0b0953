#include "shell/MySplitter.h"

#include "platform/Document.h"
#include "platform/FrameWnd.h"

BOOL CMySplitter::ReplaceView(int row, int col, const CRuntimeClass* viewClass, SIZE size) {
    auto* current = dynamic_cast<CView*>(GetPane(row, col));
    if (!viewClass || !current || current->IsKindOf(viewClass)) return FALSE;
    CDocument* const document = current->GetDocument();
    CFrameWnd* const frame = current->GetParentFrame();
    const bool wasActive = !frame || frame->GetActiveView() == current || frame->GetActiveView() == nullptr;

    // The document must outlive its last view for the moment between the two.
    const BOOL autoDelete = document ? document->m_bAutoDelete : FALSE;
    if (document) document->m_bAutoDelete = FALSE;
    DeleteView(row, col);
    if (document) document->m_bAutoDelete = autoDelete;

    CCreateContext context;
    context.m_pNewViewClass = viewClass;
    context.m_pCurrentDoc = document;
    if (!CreateView(row, col, viewClass, size, &context)) return FALSE;
    auto* view = dynamic_cast<CView*>(GetPane(row, col));
    if (wasActive && frame && view) frame->SetActiveView(view);
    RecalcLayout();
    if (view) view->SendMessage(WM_PAINT);
    return TRUE;
}
