// The document/view framework: making the document and frame, replacing the right pane of
// the splitter, the initial update protocol, command routing and the application's start.
#include <gtest/gtest.h>

#include "platform/GuiRuntime.h"
#include "tests/platform/FrameworkFixture.h"
#include "tests/support/WindowFixture.h"

namespace {

void SendCommand(CFrameWnd* frame, UINT id) { frame->SendMessage(WM_COMMAND, MAKEWPARAM(id, 0), 0); }

TEST_F(FrameworkTest, NewDocumentMakesFrameSplitterAndViewsEachUpdatedOnce) {
    ASSERT_NE(Document(), nullptr);
    EXPECT_EQ(TestDoc::instances, 1);
    ASSERT_NE(frame->Tree(), nullptr);
    auto* right = dynamic_cast<DrawingView*>(frame->RightView());
    ASSERT_NE(right, nullptr);
    EXPECT_EQ(frame->Tree()->initialUpdates, 1);
    EXPECT_EQ(right->initialUpdates, 1);
    EXPECT_EQ(right->GetDocument(), Document());
    // The splitter's first pane is the first active view.
    EXPECT_EQ(frame->GetActiveView(), frame->Tree());
    // The tree's selection changes come to the tree view's own map.
    CTreeCtrl& tree = frame->Tree()->GetTreeCtrl();
    const int changes = frame->Tree()->selectionChanges;
    tree.SelectItem(tree.GetChildItem(tree.GetRootItem()));
    EXPECT_EQ(frame->Tree()->selectionChanges, changes + 1);
    // Style bits of the tree set on the tree view go to its tree.
    frame->Tree()->ModifyStyle(0, TVS_SHOWSELALWAYS | TVS_HASLINES);
    EXPECT_TRUE(tree.GetStyle() & TVS_SHOWSELALWAYS);
    EXPECT_TRUE(frame->Tree()->GetStyle() & TVS_HASLINES);
    CString title;
    frame->GetWindowText(title);
    EXPECT_EQ(title, "Тест");
    EXPECT_EQ(AfxGetMainWnd(), frame);
}

TEST_F(FrameworkTest, ReplaceViewKeepsDocumentActivatesNewViewAndPreparesItOnce) {
    frame->SetActiveView(frame->RightView());
    TestDoc* document = Document();
    const int destroyed = DrawingView::destroyed;
    auto* page = dynamic_cast<PageView*>(frame->ShowView(RUNTIME_CLASS(PageView)));
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(DrawingView::destroyed, destroyed + 1);
    EXPECT_EQ(TestDoc::instances, 1);
    EXPECT_EQ(page->GetDocument(), document);
    EXPECT_EQ(frame->GetActiveView(), page);
    EXPECT_EQ(page->initialUpdates, 1);
    EXPECT_EQ(page->GetDlgCtrlID(), frame->splitter.IdFromRowCol(0, 1));
    // The document lists the tree and the new page, not the old view.
    int views = 0;
    for (POSITION position = document->GetFirstViewPosition(); position;) {
        CView* view = document->GetNextView(position);
        EXPECT_TRUE(view == page || view == frame->Tree());
        ++views;
    }
    EXPECT_EQ(views, 2);
}

TEST_F(FrameworkTest, ReplaceViewLeavesTheTreeActiveWhenItWas) {
    ASSERT_EQ(frame->GetActiveView(), frame->Tree());
    ASSERT_NE(frame->ShowView(RUNTIME_CLASS(PageView)), nullptr);
    EXPECT_EQ(frame->GetActiveView(), frame->Tree());
}

TEST_F(FrameworkTest, ReplaceViewFollowsTheRegisteredBase) {
    CView* variant = frame->ShowView(RUNTIME_CLASS(PageVariant));
    ASSERT_NE(variant, nullptr);
    // A variant registered under its page is "of" that page: the switch is refused and the
    // shown view is neither recreated nor prepared again.
    EXPECT_EQ(frame->ShowView(RUNTIME_CLASS(PageView)), nullptr);
    EXPECT_EQ(frame->ShowView(RUNTIME_CLASS(PageVariant)), nullptr);
    EXPECT_EQ(frame->RightView(), variant);
    EXPECT_EQ(dynamic_cast<DrawingView*>(variant)->initialUpdates, 1);

    // A class derived from the page in C++ but registered under the view base is not.
    CView* loose = frame->ShowView(RUNTIME_CLASS(LooseVariant));
    ASSERT_NE(loose, nullptr);
    EXPECT_FALSE(loose->IsKindOf(RUNTIME_CLASS(PageView)));
    EXPECT_NE(frame->ShowView(RUNTIME_CLASS(PageView)), nullptr);
}

TEST_F(FrameworkTest, TheTreeColumnKeepsItsWidthAcrossReplacements) {
    ASSERT_NE(frame->ShowView(RUNTIME_CLASS(PageView)), nullptr);
    GuiRuntime::PumpMessages();
    CRect tree;
    frame->Tree()->GetWindowRect(&tree);
    EXPECT_EQ(tree.Width(), 200);  // as the frame made it
    CRect right;
    frame->RightView()->GetWindowRect(&right);
    CRect client;
    frame->splitter.GetClientRect(&client);
    EXPECT_GT(right.Width(), client.Width() - 220);
}

TEST(DocumentLife, TheLastViewTakesTheDocumentWithItUnlessAutoDeleteIsOff) {
    const int instances = TestDoc::instances;
    auto* host = new CFrameWnd;  // deletes itself with its window
    ASSERT_TRUE(host->LoadFrame(0, WS_OVERLAPPEDWINDOW));
    auto makeView = [host](CDocument* document) {
        CCreateContext context;
        context.m_pCurrentDoc = document;
        context.m_pNewViewClass = RUNTIME_CLASS(DrawingView);
        return host->CreateView(&context);
    };

    auto* kept = new TestDoc;
    kept->m_bAutoDelete = FALSE;
    makeView(kept)->DestroyWindow();
    EXPECT_EQ(TestDoc::instances, instances + 1);
    delete kept;

    auto* taken = new TestDoc;
    CWnd* view = makeView(taken);
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(TestDoc::instances, instances + 1);
    view->DestroyWindow();
    EXPECT_EQ(TestDoc::instances, instances);
    host->DestroyWindow();
}

TEST_F(FrameworkTest, CommandsRouteThroughActiveViewDocumentAndApplication) {
    frame->SetActiveView(frame->RightView());
    for (const UINT id : {ID_VIEW_COMMAND, ID_DOC_COMMAND, ID_APP_COMMAND, ID_SHARED_COMMAND, ID_NOBODY_COMMAND})
        SendCommand(frame, id);
    EXPECT_EQ(CallLog(), (std::vector<std::string>{"view 40001", "doc 40002", "app 40003", "view 40004"}));

    // With the tree active the drawing view's commands no longer arrive; the document's do.
    CallLog().clear();
    frame->SetActiveView(frame->Tree());
    for (const UINT id : {ID_VIEW_COMMAND, ID_DOC_COMMAND, ID_SHARED_COMMAND}) SendCommand(frame, id);
    EXPECT_EQ(CallLog(), (std::vector<std::string>{"doc 40002", "app 40004"}));
}

TEST_F(FrameworkTest, ToolbarButtonsFollowUpdateHandlersAndSendTheirCommands) {
    frame->SetActiveView(frame->RightView());
    frame->OnIdleUpdateCmdUI();
    CToolBar& bar = frame->toolBar;
    EXPECT_TRUE(bar.IsButtonEnabled(bar.CommandToIndex(ID_VIEW_COMMAND)));
    EXPECT_TRUE(bar.IsButtonEnabled(bar.CommandToIndex(ID_APP_COMMAND)));
    EXPECT_FALSE(bar.IsButtonEnabled(bar.CommandToIndex(ID_REFUSED_COMMAND)));  // its update handler says no
    EXPECT_FALSE(bar.IsButtonEnabled(bar.CommandToIndex(ID_NOBODY_COMMAND)));   // no handler at all

    EXPECT_TRUE(bar.PressButton(bar.CommandToIndex(ID_VIEW_COMMAND)));
    EXPECT_TRUE(bar.PressButton(bar.CommandToIndex(ID_DOC_COMMAND)));
    EXPECT_FALSE(bar.PressButton(bar.CommandToIndex(ID_REFUSED_COMMAND)));
    EXPECT_EQ(CallLog(), (std::vector<std::string>{"view 40001", "doc 40002"}));

    // Once the drawing view is not active any more, its button goes grey.
    frame->SetActiveView(frame->Tree());
    frame->OnIdleUpdateCmdUI();
    EXPECT_FALSE(bar.IsButtonEnabled(bar.CommandToIndex(ID_VIEW_COMMAND)));
}

TEST_F(FrameworkTest, ToolbarShowsTooltipsAndStatusPrompts) {
    CToolBar& bar = frame->toolBar;
    EXPECT_EQ(bar.GetButtonToolTip(bar.CommandToIndex(ID_DOC_COMMAND)), "Документ");
    EXPECT_EQ(frame->statusBar.GetPaneText(0), "Готов");
    bar.HoverButton(bar.CommandToIndex(ID_DOC_COMMAND));
    EXPECT_EQ(frame->statusBar.GetPaneText(0), "Команда на документа.");
}

TEST_F(FrameworkTest, ViewMenuShowsAndHidesTheBarsWithCheckMarks) {
    frame->OnIdleUpdateCmdUI();
    ASSERT_EQ(frame->GetControlBar(ID_VIEW_TOOLBAR), &frame->toolBar);
    EXPECT_EQ(frame->statusBar.GetShownPaneText(frame->statusBar.CommandToIndex(ID_INDICATOR_SCRL)), "");
    SendCommand(frame, ID_VIEW_TOOLBAR);
    EXPECT_FALSE(frame->toolBar.GetStyle() & WS_VISIBLE);
    CCmdUI ui;
    ui.m_nID = ID_VIEW_TOOLBAR;
    ASSERT_TRUE(frame->OnCmdMsg(ID_VIEW_TOOLBAR, CN_UPDATE_COMMAND_UI, &ui));
    EXPECT_EQ(ui.m_nCheck, 0);
    SendCommand(frame, ID_VIEW_TOOLBAR);
    EXPECT_TRUE(frame->toolBar.GetStyle() & WS_VISIBLE);  // its check mark is read in the menu bar test
}

TEST_F(FrameworkTest, AcceleratorsTurnKeysIntoCommandsOnlyWhenSomeoneHandlesThem) {
    frame->SetActiveView(frame->RightView());
    PressKey(frame->RightView(), 'A', MK_CONTROL);
    EXPECT_EQ(CallLog(), std::vector<std::string>{"app 40003"});
    CallLog().clear();
    // F6 and Shift+F6 move the active view between the panes.
    PressKey(frame->RightView(), VK_F6);
    EXPECT_EQ(frame->GetActiveView(), frame->Tree());
    PressKey(frame->Tree(), VK_F6, MK_SHIFT);
    EXPECT_EQ(frame->GetActiveView(), frame->RightView());
    // A disabled command takes the key but is not sent; an unhandled one leaves the key alone.
    EXPECT_TRUE(frame->TranslateAcceleratorKey('R', FCONTROL));
    EXPECT_FALSE(frame->TranslateAcceleratorKey('C', FCONTROL));
    EXPECT_FALSE(frame->TranslateAcceleratorKey('N', FSHIFT));
    EXPECT_TRUE(CallLog().empty());
    // F1 is a help request to the frame, about the window with the focus.
    PressKey(frame->RightView(), VK_F1);
    EXPECT_EQ(CallLog(), (std::vector<std::string>{"help " + std::to_string(frame->splitter.IdFromRowCol(0, 1))}));
}

TEST_F(FrameworkTest, ClosingTheMainWindowDestroysViewsFrameAndDocument) {
    const int destroyed = DrawingView::destroyed;
    frame->SendMessage(WM_CLOSE);
    EXPECT_EQ(app->m_pMainWnd, nullptr);
    EXPECT_EQ(AfxGetMainWnd(), nullptr);
    EXPECT_EQ(TestDoc::instances, 0);
    EXPECT_EQ(DrawingView::destroyed, destroyed + 1);
}

// ---- the application's start ------------------------------------------------------------

class CommandLineTest : public ::testing::Test {
protected:
    void Parse(std::vector<const char*> items) {
        items.insert(items.begin(), "/opt/quorin/quorin");
        AfxWinInit(static_cast<int>(items.size()), const_cast<char**>(items.data()));
        app.ParseCommandLine(info);
    }
    TestApp app;
    CCommandLineInfo info;
};

TEST_F(CommandLineTest, NoArgumentMeansNewDocumentAndAPathOpensThatFile) {
    Parse({});
    EXPECT_EQ(info.m_nShellCommand, CCommandLineInfo::FileNew);
    // An absolute path is a file, not a flag; flags are skipped.
    info = CCommandLineInfo();
    Parse({"-x", "/tmp/form.dat"});
    EXPECT_EQ(info.m_nShellCommand, CCommandLineInfo::FileOpen);
    EXPECT_EQ(info.m_strFileName, "/tmp/form.dat");
}

TEST_F(CommandLineTest, AMissingFileIsReportedAndTheStartFails) {
    RegisterFrameResources();
    app.AddDocTemplate(new CSingleDocTemplate(kFrameResource, RUNTIME_CLASS(TestDoc), RUNTIME_CLASS(TestFrame),
                                              RUNTIME_CLASS(DrawingView)));
    const int instances = TestDoc::instances;
    info.m_nShellCommand = CCommandLineInfo::FileOpen;
    info.m_strFileName = "/nonexistent/form.dat";
    MessageBoxLog boxes;
    EXPECT_FALSE(app.ProcessShellCommand(info));
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].text, "Failed to open document.");
    EXPECT_EQ(app.m_pMainWnd, nullptr);
    GuiRuntime::PumpMessages();
    EXPECT_EQ(TestDoc::instances, instances);
}

}  // namespace
