#include "tests/platform/FrameworkFixture.h"

#include <fstream>
#include <sstream>

#include "platform/DC.h"
#include "platform/GuiRuntime.h"
#include "platform/Resources.h"
#include "tests/support/TestDatabase.h"

IMPLEMENT_DYNCREATE(TestDoc, CDocument)
IMPLEMENT_DYNCREATE(DrawingView, CView)
IMPLEMENT_DYNCREATE(PageView, DrawingView)
IMPLEMENT_DYNCREATE(PageVariant, PageView)
IMPLEMENT_DYNCREATE(LooseVariant, CView)
IMPLEMENT_DYNCREATE(TestTree, CTreeView)
IMPLEMENT_DYNCREATE(TestFrame, CFrameWnd)

int TestDoc::instances = 0;
int DrawingView::destroyed = 0;

std::vector<std::string>& CallLog() {
    static std::vector<std::string> log;
    return log;
}

namespace {
void Log(const char* who, UINT id) { CallLog().push_back(std::string(who) + " " + std::to_string(id)); }
}  // namespace

// ---- document -------------------------------------------------------------------------

const MessageMap& TestDoc::GetMessageMap() const {
    static const MessageMap map(CDocument::GetMessageMap(), {
        OnCommand(ID_DOC_COMMAND, &TestDoc::OnDocCommand),
    });
    return map;
}

void TestDoc::OnDocCommand() { Log("doc", ID_DOC_COMMAND); }

// ---- views ----------------------------------------------------------------------------

const MessageMap& DrawingView::GetMessageMap() const {
    static const MessageMap map(CView::GetMessageMap(), {
        OnCommand(ID_VIEW_COMMAND, &DrawingView::OnViewCommand),
        OnCommand(ID_SHARED_COMMAND, &DrawingView::OnSharedCommand),
        OnCommand(ID_REFUSED_COMMAND, &DrawingView::OnRefusedCommand),
        OnUpdateCommandUI(ID_REFUSED_COMMAND, &DrawingView::OnUpdateRefused),
        OnCommand(ID_FILE_PRINT, &CView::OnFilePrint),
        OnCommand(ID_FILE_PRINT_DIRECT, &CView::OnFilePrint),
        OnCommand(ID_FILE_PRINT_PREVIEW, &CView::OnFilePrintPreview),
    });
    return map;
}

void DrawingView::OnInitialUpdate() {
    ++initialUpdates;
    CView::OnInitialUpdate();
}

void DrawingView::OnDraw(CDC* dc) {
    if (!dc->IsPrinting()) return;
    ++printedDraws;
    dc->GetClipBox(&lastPrintArea);
}

void DrawingView::OnViewCommand() { Log("view", ID_VIEW_COMMAND); }
void DrawingView::OnSharedCommand() { Log("view", ID_SHARED_COMMAND); }
void DrawingView::OnRefusedCommand() { Log("view", ID_REFUSED_COMMAND); }
void DrawingView::OnUpdateRefused(CCmdUI* ui) { ui->Enable(FALSE); }

const MessageMap& TestTree::GetMessageMap() const {
    static const MessageMap map(CTreeView::GetMessageMap(), {
        OnNotifyReflect(TVN_SELCHANGED, &TestTree::OnSelChanged),
    });
    return map;
}

void TestTree::OnInitialUpdate() {
    CTreeView::OnInitialUpdate();
    if (++initialUpdates > 1) return;
    CTreeCtrl& tree = GetTreeCtrl();
    const HTREEITEM root = tree.InsertItem("Начало");
    tree.SetItemData(root, 0);
    for (const char* mode : {"Въвеждане", "Редакция", "Справка"}) tree.InsertItem(mode, root);
    tree.Expand(root, TVE_EXPAND);
}

void TestTree::OnSelChanged(NMHDR*, LRESULT* result) {
    ++selectionChanges;
    *result = 0;
}

// ---- splitter and frame ---------------------------------------------------------------

BOOL TestSplitter::ReplaceView(int row, int col, const CRuntimeClass* viewClass, SIZE size) {
    auto* current = dynamic_cast<CView*>(GetPane(row, col));
    if (!current || current->IsKindOf(viewClass)) return FALSE;
    CDocument* document = current->GetDocument();
    CFrameWnd* frame = current->GetParentFrame();
    const bool wasActive = frame->GetActiveView() == current || frame->GetActiveView() == nullptr;
    const BOOL autoDelete = document->m_bAutoDelete;
    document->m_bAutoDelete = FALSE;
    DeleteView(row, col);
    document->m_bAutoDelete = autoDelete;
    CCreateContext context;
    context.m_pNewViewClass = viewClass;
    context.m_pCurrentDoc = document;
    if (!CreateView(row, col, viewClass, size, &context)) return FALSE;
    auto* view = dynamic_cast<CView*>(GetPane(row, col));
    if (wasActive) frame->SetActiveView(view);
    RecalcLayout();
    return TRUE;
}

CView* TestFrame::ShowView(const CRuntimeClass* viewClass) {
    if (!splitter.ReplaceView(0, 1, viewClass, CSize(100, 100))) return nullptr;
    CView* view = RightView();
    view->OnInitialUpdate();
    return view;
}

BOOL TestFrame::OnHelpInfo(HELPINFO* info) {
    Log("help", static_cast<UINT>(info->iCtrlId));
    return CFrameWnd::OnHelpInfo(info);
}

int TestFrame::OnCreate(LPCREATESTRUCT createStruct) {
    if (CFrameWnd::OnCreate(createStruct) == -1) return -1;
    if (!toolBar.CreateEx(this, TBSTYLE_FLAT,
                          WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_GRIPPER | CBRS_TOOLTIPS | CBRS_FLYBY |
                              CBRS_SIZE_DYNAMIC) ||
        !toolBar.LoadToolBar(kFrameResource))
        return -1;
    static const UINT indicators[] = {ID_SEPARATOR, ID_INDICATOR_CAPS, ID_INDICATOR_NUM, ID_INDICATOR_SCRL};
    if (!statusBar.Create(this) || !statusBar.SetIndicators(indicators, 4)) return -1;
    return 0;
}

BOOL TestFrame::OnCreateClient(LPCREATESTRUCT, CCreateContext* context) {
    if (!splitter.CreateStatic(this, 1, 2)) return FALSE;
    if (!splitter.CreateView(0, 0, RUNTIME_CLASS(TestTree), CSize(200, 200), context) ||
        !splitter.CreateView(0, 1, RUNTIME_CLASS(DrawingView), CSize(0, 0), context)) {
        splitter.DestroyWindow();
        return FALSE;
    }
    return TRUE;
}

// ---- application ----------------------------------------------------------------------

const MessageMap& TestApp::GetMessageMap() const {
    static const MessageMap map(CWinApp::GetMessageMap(), {
        OnCommand(ID_APP_COMMAND, &TestApp::OnAppCommand),
        OnCommand(ID_SHARED_COMMAND, &TestApp::OnSharedCommand),
    });
    return map;
}

void TestApp::OnAppCommand() { Log("app", ID_APP_COMMAND); }
void TestApp::OnSharedCommand() { Log("app", ID_SHARED_COMMAND); }

// ---- resources and fixture ------------------------------------------------------------

void RegisterFrameResources() {
    RegisterStrings({
        {kFrameResource, "Тест\n\nТест\n\n\nTest.Document\nTest Document"},
        {AFX_IDS_IDLEMESSAGE, "Готов"},
        {ID_DOC_COMMAND, "Команда на документа.\nДокумент"},
    });
    RegisterMenu({kFrameResource, {
        MenuPopup("&Файл", {
            MenuItem("&Изглед", ID_VIEW_COMMAND),
            MenuItem("&Документ", ID_DOC_COMMAND),
            MenuSeparator(),
            MenuItem("Никой", ID_NOBODY_COMMAND),
        }),
        MenuPopup("&Изглед", {
            MenuItem("Лента с инструменти", ID_VIEW_TOOLBAR),
        }),
    }});
    RegisterAccelerators({kFrameResource, {
        {FCONTROL, 'A', ID_APP_COMMAND},
        {FCONTROL, 'C', ID_EDIT_COPY},
        {FCONTROL, 'R', ID_REFUSED_COMMAND},
        {FVIRTKEY, VK_F6, ID_NEXT_PANE},
        {FSHIFT, VK_F6, ID_PREV_PANE},
    }});
    RegisterToolBar({kFrameResource, {33, 33},
                     {ID_VIEW_COMMAND, ID_DOC_COMMAND, ID_SEPARATOR, ID_APP_COMMAND, ID_REFUSED_COMMAND, ID_NOBODY_COMMAND}});
}

void FrameworkTest::SetUp() {
    RegisterFrameResources();
    CallLog().clear();
    app = std::make_unique<TestApp>();
    app->AddDocTemplate(new CSingleDocTemplate(kFrameResource, RUNTIME_CLASS(TestDoc), RUNTIME_CLASS(TestFrame),
                                               RUNTIME_CLASS(DrawingView)));
    app->OnFileNew();
    frame = dynamic_cast<TestFrame*>(app->m_pMainWnd);
    ASSERT_NE(frame, nullptr);
    GuiRuntime::PumpMessages();
}

void FrameworkTest::TearDown() {
    if (app && app->m_pMainWnd) app->m_pMainWnd->SendMessage(WM_CLOSE);
    app.reset();
    GuiRuntime::PumpMessages();
}

// ---- printing -------------------------------------------------------------------------

PrintSeam::PrintSeam(BOOL answer) : answer(answer), folder(MakeTempFolder().GetString()) {
    SetPrintOutputFile(file.string().c_str());
    SetPrintDialogHandler([this](PrintDialogKind kind, CPrintInfo* info) {
        asked.push_back(kind);
        if (info) lastMaxPage = info->GetMaxPage();
        return this->answer;
    });
}

PrintSeam::~PrintSeam() {
    SetPrintDialogHandler({});
    SetPrintOutputFile("");
    std::filesystem::remove_all(folder);
}

int PrintSeam::PdfPages() const {
    std::stringstream bytes;
    bytes << std::ifstream(file, std::ios::binary).rdbuf();
    const std::string pdf = bytes.str();
    if (pdf.rfind("%PDF", 0) != 0) return -1;
    int pages = 0;
    for (const char* mark : {"/Type /Page\n", "/Type /Page ", "/Type /Page/", "/Type /Page>"})
        for (size_t at = pdf.find(mark); at != std::string::npos; at = pdf.find(mark, at + 1)) ++pages;
    return pages;
}
