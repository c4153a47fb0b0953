#pragma once
// Views: windows that show a document inside a frame (or a pane of a splitter).
//
// A view is created from its run-time class record (CreateObject) and Create with a
// creation context naming its document; it deletes itself when its window is destroyed,
// leaving the document's list of views. OnInitialUpdate comes once after the frame was
// made and again each time the document is made new (File New); views that must not
// fill twice count the calls. Commands reach a view when it is the frame's active view,
// and from it its document.
//
// - CView draws with OnDraw (the screen, print and print preview alike).
// - CScrollView scrolls a drawing or child windows larger than the view (SetScrollSizes).
// - CFormView (FormView.h) holds the controls of a dialog template.
// - CTreeView, CListView (CtrlView.h) are a tree or list control filling the view.
#include "CommandIds.h"
#include "DC.h"
#include "Printing.h"
#include "Wnd.h"

class CDocument;
class CDocTemplate;
class CFrameWnd;
class CSplitterWnd;
class CView;

// What a new frame or view is made with.
struct CCreateContext {
    const CRuntimeClass* m_pNewViewClass = nullptr;  // the view to create
    CDocument* m_pCurrentDoc = nullptr;              // the document it shows
    CDocTemplate* m_pNewDocTemplate = nullptr;
    CView* m_pLastView = nullptr;
    CFrameWnd* m_pCurrentFrame = nullptr;
};

// The style of a view filling a frame or a pane.
constexpr DWORD AFX_WS_DEFAULT_VIEW = WS_CHILD | WS_VISIBLE | WS_BORDER;

class CView : public CWnd {
    DECLARE_DYNAMIC(CView)
public:
    CView();
    ~CView() override;  // leaves the document's list of views

    const MessageMap& GetMessageMap() const override;
    // The view's own map, then its document's route.
    BOOL OnCmdMsg(UINT id, int code, void* extra) override;

    // Creates the view's window as a child of `parent`; the context's document gets the view.
    BOOL Create(LPCTSTR className, LPCTSTR windowName, DWORD style, const RECT& rect, CWnd* parent, UINT id,
                CCreateContext* context = nullptr) override;

    CDocument* GetDocument() const { return m_pDocument; }
    CFrameWnd* GetParentFrame() const;
    CSplitterWnd* GetParentSplitter() const;  // the splitter whose pane this is, else nullptr

    virtual void OnInitialUpdate();  // default: OnUpdate(nullptr, 0, nullptr)
    virtual void OnUpdate(CView* sender, LPARAM hint, CObject* hintObject);  // default: repaint
    // The frame made this view active (or another one): an activated view takes the
    // keyboard focus unless the focus is inside it already.
    virtual void OnActivateView(BOOL activate, CView* activateView, CView* deactivateView);

    virtual void OnDraw(CDC* dc) = 0;
    virtual void OnPrepareDC(CDC* dc, CPrintInfo* info = nullptr);

    // ---- printing: the framework's print, direct print and print preview commands ----
    // Map ID_FILE_PRINT and ID_FILE_PRINT_DIRECT to OnFilePrint (the direct one skips the
    // print dialog) and ID_FILE_PRINT_PREVIEW to OnFilePrintPreview in the view's map.
    void OnFilePrint();
    void OnFilePrintPreview();
    // Default: DoPreparePrinting(info). Print preview prepares with m_bPreview and
    // m_bDirect set, so no print dialog is shown for it.
    virtual BOOL OnPreparePrinting(CPrintInfo* info);
    BOOL DoPreparePrinting(CPrintInfo* info);  // the print dialog; FALSE when cancelled
    virtual void OnBeginPrinting(CDC* dc, CPrintInfo* info);
    virtual void OnPrint(CDC* dc, CPrintInfo* info);  // default: OnDraw
    virtual void OnEndPrinting(CDC* dc, CPrintInfo* info);

    // F6 / Shift+F6: the next or previous pane of the splitter becomes the active view.
    void OnNextPaneCmd(UINT id);

protected:
    // May change the style bits before the window is made.
    virtual BOOL PreCreateWindow(CREATESTRUCT& cs);
    int OnCreate(LPCREATESTRUCT createStruct) override;
    void OnDestroy() override;
    void OnPaint() override;
    void PostNcDestroy() override;  // deletes the view

    CDocument* m_pDocument = nullptr;

private:
    friend class CDocument;
    CPrintJob MakePrintJob();

    UINT m_currentCommand = 0;  // the command being routed, for OnFilePrint
};

class CScrollView : public CView {
    DECLARE_DYNAMIC(CScrollView)
public:
    // As a page or line size: a tenth of the total size, or of the page size.
    static const CSize sizeDefault;

    // The logical size of what the view shows (only MM_TEXT: pixels) and the scroll steps.
    // Where the view is smaller than that, it scrolls; where larger, the view is filled.
    void SetScrollSizes(int mapMode, SIZE total, const SIZE& page = sizeDefault, const SIZE& line = sizeDefault);
    CSize GetTotalSize() const { return m_totalLog; }
    void GetDeviceScrollSizes(int& mapMode, SIZE& total, SIZE& page, SIZE& line) const;
    CPoint GetScrollPosition() const;
    void ScrollToPosition(POINT position);

private:
    void ApplyScrollSizes();

    int m_nMapMode = 1;  // MM_TEXT
    CSize m_totalLog;
    CSize m_pageDev;
    CSize m_lineDev;
};
