#include "DocTemplate.h"

#include "FrameWnd.h"
#include "Resources.h"
#include "WinApp.h"

IMPLEMENT_DYNAMIC(CDocTemplate, CCmdTarget)
IMPLEMENT_DYNAMIC(CSingleDocTemplate, CDocTemplate)

CDocTemplate::CDocTemplate(UINT resourceId, const CRuntimeClass* documentClass, const CRuntimeClass* frameClass,
                           const CRuntimeClass* viewClass)
    : m_nIDResource(resourceId), m_pDocClass(documentClass), m_pFrameClass(frameClass), m_pViewClass(viewClass) {}

CDocTemplate::~CDocTemplate() = default;

BOOL CDocTemplate::GetDocString(CString& text, DocStringIndex index) const {
    const CString all = LoadStringResource(m_nIDResource);
    int start = 0;
    for (int part = 0; part < index; ++part) {
        const int brk = all.Find('\n', start);
        if (brk < 0) {
            text.Empty();
            return FALSE;
        }
        start = brk + 1;
    }
    const int end = all.Find('\n', start);
    text = end < 0 ? all.Mid(start) : all.Mid(start, end - start);
    return !text.IsEmpty();
}

void CDocTemplate::AddDocument(CDocument* document) { document->m_pDocTemplate = this; }

void CDocTemplate::RemoveDocument(CDocument* document) {
    if (document->m_pDocTemplate == this) document->m_pDocTemplate = nullptr;
}

CDocument* CDocTemplate::CreateNewDocument() {
    CObject* object = m_pDocClass ? m_pDocClass->CreateObject() : nullptr;
    auto* document = dynamic_cast<CDocument*>(object);
    if (!document) {
        delete object;
        return nullptr;
    }
    AddDocument(document);
    return document;
}

CFrameWnd* CDocTemplate::CreateNewFrame(CDocument* document, CFrameWnd* other) {
    CCreateContext context;
    context.m_pCurrentFrame = other;
    context.m_pCurrentDoc = document;
    context.m_pNewViewClass = m_pViewClass;
    context.m_pNewDocTemplate = this;
    CObject* object = m_pFrameClass ? m_pFrameClass->CreateObject() : nullptr;
    auto* frame = dynamic_cast<CFrameWnd*>(object);
    if (!frame) {
        delete object;
        return nullptr;
    }
    if (!frame->LoadFrame(m_nIDResource, WS_OVERLAPPEDWINDOW, nullptr, &context)) {
        delete frame;  // its window was never made
        return nullptr;
    }
    return frame;
}

void CDocTemplate::InitialUpdateFrame(CFrameWnd* frame, CDocument* document, BOOL makeVisible) {
    frame->InitialUpdateFrame(document, makeVisible);
}

void CDocTemplate::SetDefaultTitle(CDocument* document) {
    // A document without a name of its own (nothing is saved here) takes the window's title.
    CString title;
    if (!GetDocString(title, docName) && !GetDocString(title, windowTitle)) title = "Untitled";
    document->SetTitle(title);
}

// ---- CSingleDocTemplate ----------------------------------------------------------------

CSingleDocTemplate::~CSingleDocTemplate() {
    if (m_pOnlyDoc) RemoveDocument(m_pOnlyDoc);
}

void CSingleDocTemplate::AddDocument(CDocument* document) {
    if (m_pOnlyDoc) return;  // one document only
    CDocTemplate::AddDocument(document);
    m_pOnlyDoc = document;
}

void CSingleDocTemplate::RemoveDocument(CDocument* document) {
    if (document != m_pOnlyDoc) return;
    CDocTemplate::RemoveDocument(document);
    m_pOnlyDoc = nullptr;
}

CDocument* CSingleDocTemplate::OpenDocumentFile(LPCTSTR path, BOOL makeVisible) {
    CDocument* document = m_pOnlyDoc;
    CFrameWnd* frame = nullptr;
    bool documentCreated = false;
    if (document) {
        POSITION position = document->GetFirstViewPosition();
        if (CView* view = document->GetNextView(position)) frame = view->GetParentFrame();
    } else {
        document = CreateNewDocument();
        if (!document) return nullptr;
        documentCreated = true;
    }

    bool frameCreated = false;
    if (!frame) {
        // A failure on the way must not take the document with it.
        const BOOL autoDelete = document->m_bAutoDelete;
        document->m_bAutoDelete = FALSE;
        frame = CreateNewFrame(document, nullptr);
        document->m_bAutoDelete = autoDelete;
        if (!frame) {
            if (documentCreated) delete document;
            return nullptr;
        }
        frameCreated = true;
    }

    const BOOL opened = path ? document->OnOpenDocument(path) : (SetDefaultTitle(document), document->OnNewDocument());
    if (!opened) {
        if (frameCreated) frame->DestroyWindow();  // the document goes with its views
        return nullptr;
    }
    if (path) document->SetPathName(path);

    if (CWinApp* app = AfxGetApp(); frameCreated && app && !app->m_pMainWnd) {
        app->m_pMainWnd = frame;
        AfxSetMainWnd(frame);
    }
    InitialUpdateFrame(frame, document, makeVisible);
    return document;
}
