#pragma once
// Document templates: which document, frame and view classes make up a kind of document,
// and the resources (menu, accelerators, icon, title and template string) of the frame,
// all under one resource id. The application owns its templates (AddDocTemplate).
//
// The template string (the string resource with the template's id) has seven parts
// separated by '\n': window title, document name, new-file name, filter name, filter
// extension, file type id, file type name.
#include "Document.h"
#include "View.h"

class CFrameWnd;

class CDocTemplate : public CCmdTarget {
    DECLARE_DYNAMIC(CDocTemplate)
public:
    enum DocStringIndex { windowTitle, docName, fileNewName, filterName, filterExt, regFileTypeId, regFileTypeName };

    CDocTemplate(UINT resourceId, const CRuntimeClass* documentClass, const CRuntimeClass* frameClass,
                 const CRuntimeClass* viewClass);
    ~CDocTemplate() override;

    UINT GetResourceId() const { return m_nIDResource; }
    virtual BOOL GetDocString(CString& text, DocStringIndex index) const;

    // A new document (path nullptr) or the file opened into one; nullptr on failure.
    virtual CDocument* OpenDocumentFile(LPCTSTR path, BOOL makeVisible = TRUE) = 0;
    virtual void AddDocument(CDocument* document);
    virtual void RemoveDocument(CDocument* document);

    virtual CDocument* CreateNewDocument();
    // A frame made from the frame class with LoadFrame(resource id); its client gets a view of
    // the view class on `document`. nullptr when it could not be made.
    virtual CFrameWnd* CreateNewFrame(CDocument* document, CFrameWnd* other);
    virtual void InitialUpdateFrame(CFrameWnd* frame, CDocument* document, BOOL makeVisible = TRUE);
    virtual void SetDefaultTitle(CDocument* document);

protected:
    UINT m_nIDResource;
    const CRuntimeClass* m_pDocClass;
    const CRuntimeClass* m_pFrameClass;
    const CRuntimeClass* m_pViewClass;
};

// One document at a time, in one frame: File New makes the same document new again and
// sends its views the initial update again.
class CSingleDocTemplate : public CDocTemplate {
    DECLARE_DYNAMIC(CSingleDocTemplate)
public:
    using CDocTemplate::CDocTemplate;
    ~CSingleDocTemplate() override;

    CDocument* OpenDocumentFile(LPCTSTR path, BOOL makeVisible = TRUE) override;
    void AddDocument(CDocument* document) override;
    void RemoveDocument(CDocument* document) override;
    CDocument* GetOnlyDocument() const { return m_pOnlyDoc; }

private:
    CDocument* m_pOnlyDoc = nullptr;
};
