#include "Document.h"

#include <algorithm>
#include <fstream>

#include "CommandRouting.h"
#include "DocTemplate.h"
#include "FrameWnd.h"
#include "MessageBox.h"
#include "View.h"
#include "WinApp.h"

IMPLEMENT_DYNAMIC(CDocument, CCmdTarget)

namespace {
POSITION ToPosition(size_t index) { return reinterpret_cast<POSITION>(index + 1); }
size_t FromPosition(POSITION position) { return reinterpret_cast<size_t>(position) - 1; }
}  // namespace

CDocument::CDocument() = default;

CDocument::~CDocument() {
    for (CView* view : m_viewList) view->m_pDocument = nullptr;
    if (m_pDocTemplate) m_pDocTemplate->RemoveDocument(this);
}

BOOL CDocument::OnCmdMsg(UINT id, int code, void* extra) {
    if (DispatchOwnMap(*this, id, code, extra)) return TRUE;
    return m_pDocTemplate && m_pDocTemplate->OnCmdMsg(id, code, extra);
}

void CDocument::SetTitle(LPCTSTR title) { m_strTitle = title ? title : ""; }

void CDocument::SetPathName(LPCTSTR path, BOOL addToRecentFiles) {
    m_strPathName = path ? path : "";
    const int slash = m_strPathName.ReverseFind('/');
    SetTitle(slash >= 0 ? m_strPathName.Mid(slash + 1) : m_strPathName);
    if (addToRecentFiles)
        if (CWinApp* app = AfxGetApp()) app->AddToRecentFileList(m_strPathName);
}

void CDocument::AddView(CView* view) {
    if (!view || std::find(m_viewList.begin(), m_viewList.end(), view) != m_viewList.end()) return;
    if (view->m_pDocument && view->m_pDocument != this) view->m_pDocument->RemoveView(view);
    m_viewList.push_back(view);
    view->m_pDocument = this;
    OnChangedViewList();
}

void CDocument::RemoveView(CView* view) {
    const auto found = std::find(m_viewList.begin(), m_viewList.end(), view);
    if (found == m_viewList.end()) return;
    m_viewList.erase(found);
    view->m_pDocument = nullptr;
    OnChangedViewList();  // may delete this document
}

POSITION CDocument::GetFirstViewPosition() const { return m_viewList.empty() ? nullptr : ToPosition(0); }

CView* CDocument::GetNextView(POSITION& position) const {
    const size_t index = FromPosition(position);
    if (!position || index >= m_viewList.size()) {
        position = nullptr;
        return nullptr;
    }
    position = index + 1 < m_viewList.size() ? ToPosition(index + 1) : nullptr;
    return m_viewList[index];
}

void CDocument::UpdateAllViews(CView* sender, LPARAM hint, CObject* hintObject) {
    const std::vector<CView*> views = m_viewList;
    for (CView* view : views)
        if (view != sender) view->OnUpdate(sender, hint, hintObject);
}

void CDocument::OnChangedViewList() {
    if (m_viewList.empty() && m_bAutoDelete) OnCloseDocument();
}

BOOL CDocument::OnNewDocument() {
    DeleteContents();
    m_strPathName.Empty();
    SetModifiedFlag(FALSE);
    return TRUE;
}

BOOL CDocument::OnOpenDocument(LPCTSTR path) {
    if (!path || !std::ifstream(path, std::ios::binary)) {
        AfxMessageBox("Failed to open document.");
        return FALSE;
    }
    DeleteContents();
    SetModifiedFlag(FALSE);
    return TRUE;
}

void CDocument::OnCloseDocument() {
    // The views must not delete the document while their frames go.
    const BOOL autoDelete = m_bAutoDelete;
    m_bAutoDelete = FALSE;
    while (!m_viewList.empty()) {
        CView* view = m_viewList.front();
        if (CFrameWnd* frame = view->GetParentFrame())
            frame->DestroyWindow();
        else
            view->DestroyWindow();
        if (!m_viewList.empty() && m_viewList.front() == view) RemoveView(view);  // a view without a window
    }
    m_bAutoDelete = autoDelete;
    DeleteContents();
    if (m_bAutoDelete) delete this;
}
