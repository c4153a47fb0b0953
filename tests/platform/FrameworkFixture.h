#pragma once
// A small application of the document/view framework for the tests: a document, a frame
// with toolbar, status bar and a one-row splitter (a tree on the left, a replaceable view
// on the right), and view classes whose run-time records name bases as the program's do.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "platform/ControlBars.h"
#include "platform/CtrlView.h"
#include "platform/DocTemplate.h"
#include "platform/FrameWnd.h"
#include "platform/Printing.h"
#include "platform/Splitter.h"
#include "platform/WinApp.h"

constexpr UINT kFrameResource = 900;
constexpr UINT ID_VIEW_COMMAND = 40001;      // handled by the drawing view
constexpr UINT ID_DOC_COMMAND = 40002;       // handled by the document
constexpr UINT ID_APP_COMMAND = 40003;       // handled by the application
constexpr UINT ID_SHARED_COMMAND = 40004;    // handled by the view and by the application
constexpr UINT ID_REFUSED_COMMAND = 40005;   // handled by the view, disabled by its update handler
constexpr UINT ID_NOBODY_COMMAND = 40006;    // handled by nobody

// What the handlers did, in order ("view 40001", "doc 40002"...).
std::vector<std::string>& CallLog();

class TestDoc : public CDocument {
    DECLARE_DYNCREATE(TestDoc)
public:
    TestDoc() { ++instances; }
    ~TestDoc() override { --instances; }
    const MessageMap& GetMessageMap() const override;

    static int instances;

private:
    void OnDocCommand();
};

class DrawingView : public CView {
    DECLARE_DYNCREATE(DrawingView)
public:
    ~DrawingView() override { ++destroyed; }
    const MessageMap& GetMessageMap() const override;
    void OnInitialUpdate() override;
    void OnDraw(CDC* dc) override;

    int initialUpdates = 0;
    int printedDraws = 0;
    CRect lastPrintArea;
    static int destroyed;

private:
    void OnViewCommand();
    void OnSharedCommand();
    void OnRefusedCommand();
    void OnUpdateRefused(CCmdUI* ui);
};

class PageView : public DrawingView {
    DECLARE_DYNCREATE(PageView)
};
// Registered under its page, as a page's variants are.
class PageVariant : public PageView {
    DECLARE_DYNCREATE(PageVariant)
};
// Derived from the page in C++ but registered under the view base.
class LooseVariant : public PageView {
    DECLARE_DYNCREATE(LooseVariant)
};

class TestTree : public CTreeView {
    DECLARE_DYNCREATE(TestTree)
public:
    const MessageMap& GetMessageMap() const override;
    void OnInitialUpdate() override;
    int initialUpdates = 0;
    int selectionChanges = 0;

private:
    void OnSelChanged(NMHDR* header, LRESULT* result);
};

// The pane switch as the program's splitter does it.
class TestSplitter : public CSplitterWnd {
public:
    BOOL ReplaceView(int row, int col, const CRuntimeClass* viewClass, SIZE size);
};

class TestFrame : public CFrameWnd {
    DECLARE_DYNCREATE(TestFrame)
public:
    // The right pane shows a view of the class (prepared once); nullptr when refused.
    CView* ShowView(const CRuntimeClass* viewClass);
    CView* RightView() { return dynamic_cast<CView*>(splitter.GetPane(0, 1)); }
    TestTree* Tree() { return dynamic_cast<TestTree*>(splitter.GetPane(0, 0)); }

    TestSplitter splitter;
    CToolBar toolBar;
    CStatusBar statusBar;

protected:
    BOOL OnHelpInfo(HELPINFO* info) override;
    int OnCreate(LPCREATESTRUCT createStruct) override;
    BOOL OnCreateClient(LPCREATESTRUCT createStruct, CCreateContext* context) override;
};

class TestApp : public CWinApp {
public:
    const MessageMap& GetMessageMap() const override;

private:
    void OnAppCommand();
    void OnSharedCommand();
};

// Registers the test frame's resources (strings, menu, accelerators, toolbar).
void RegisterFrameResources();

// An application with its one document and main frame, made as the program makes it.
class FrameworkTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    TestDoc* Document() { return dynamic_cast<TestDoc*>(frame->GetActiveDocument()); }

    std::unique_ptr<TestApp> app;
    TestFrame* frame = nullptr;
};

// Print dialogs answered as the test says, and what is printed written to a PDF file in a
// folder of the test's own (test programs of several checkouts may run at once).
class PrintSeam {
public:
    explicit PrintSeam(BOOL answer = TRUE);
    ~PrintSeam();
    int PdfPages() const;  // -1 when no PDF was written

    BOOL answer;
    std::vector<PrintDialogKind> asked;
    UINT lastMaxPage = 0;  // the page count the last dialog was told
    const std::filesystem::path folder;
    const std::filesystem::path file = folder / "print.pdf";
};
