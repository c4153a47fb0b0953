#pragma once
// The document: the data that views show. It knows its views, takes part in command
// routing after the active view, and is made new (File New) or opened by its template.
//
// With the auto-delete switch on (the default), a document deletes itself when its last
// view goes; code that replaces a view turns it off around the replacement.
#include <vector>

#include "MessageMap.h"
#include "Position.h"

class CDocTemplate;
class CView;

class CDocument : public CCmdTarget {
    DECLARE_DYNAMIC(CDocument)
public:
    CDocument();
    ~CDocument() override;  // the views lose their document; the template forgets it
    CDocument(const CDocument&) = delete;
    CDocument& operator=(const CDocument&) = delete;

    // The document's own map, then its template's.
    BOOL OnCmdMsg(UINT id, int code, void* extra) override;

    const CString& GetTitle() const { return m_strTitle; }
    virtual void SetTitle(LPCTSTR title);
    const CString& GetPathName() const { return m_strPathName; }
    // Also puts the file first in the application's recent-file list when asked.
    virtual void SetPathName(LPCTSTR path, BOOL addToRecentFiles = TRUE);
    CDocTemplate* GetDocTemplate() const { return m_pDocTemplate; }

    virtual BOOL IsModified() { return m_bModified; }
    virtual void SetModifiedFlag(BOOL modified = TRUE) { m_bModified = modified; }

    // ---- views ----
    void AddView(CView* view);
    void RemoveView(CView* view);
    POSITION GetFirstViewPosition() const;
    CView* GetNextView(POSITION& position) const;
    // OnUpdate of every view but the sender.
    void UpdateAllViews(CView* sender, LPARAM hint = 0, CObject* hintObject = nullptr);
    // After a view came or went: without views and with auto-delete on, the document closes.
    virtual void OnChangedViewList();

    // ---- life ----
    // Makes the document new: DeleteContents, not modified. The views then get their
    // initial update again from the template.
    virtual BOOL OnNewDocument();
    // The file must be readable ("Failed to open document." otherwise); nothing is read
    // from it. Then as OnNewDocument.
    virtual BOOL OnOpenDocument(LPCTSTR path);
    // Destroys the frames of its views, then deletes itself if auto-delete is on.
    virtual void OnCloseDocument();
    virtual void DeleteContents() {}

    BOOL m_bAutoDelete = TRUE;

protected:
    CString m_strTitle;
    CString m_strPathName;
    BOOL m_bModified = FALSE;

private:
    friend class CDocTemplate;
    CDocTemplate* m_pDocTemplate = nullptr;
    std::vector<CView*> m_viewList;
};
