#include "shell/MainFrm.h"

#include <filesystem>

#include "db/ProgramFolder.h"
#include "platform/HtmlHelp.h"
#include "platform/MessageBox.h"
#include "res/ShellIds.h"
#include "shell/DlgAddUser.h"
#include "shell/DlgPersons.h"
#include "shell/ListProgramModes.h"
#include "shell/PageState.h"
#include "shell/StepViews.h"
#include "shell/TreeWorkFlow.h"
#include "shell/WorkflowCodes.h"
#include "store/FormDocument.h"

IMPLEMENT_DYNCREATE(CMainFrame, CFrameWnd)

namespace {

constexpr char kNoSelection[] = "Няма избран елемент";
constexpr char kHelpTopic[] = "quorin.chm::/Content.htm";
constexpr char kUnsavedInput[] = "Формулярът съдържа данни, които не са записани, и те ще бъдат загубени.\n";
const CSize kRightPaneSize(100, 100);

}  // namespace

CMainFrame* TheMainFrame() { return dynamic_cast<CMainFrame*>(AfxGetMainWnd()); }

CMainFrame::CMainFrame() = default;
CMainFrame::~CMainFrame() = default;

const MessageMap& CMainFrame::GetMessageMap() const {
    static const MessageMap map(CFrameWnd::GetMessageMap(), {
        OnCommand(ID_MENU_NEW_FORM, &CMainFrame::OnModeNewForm),
        OnCommand(ID_TOOL_NEW_FORM, &CMainFrame::OnModeNewForm),
        OnCommand(ID_MENU_EDIT_FORMS, &CMainFrame::OnModeEditForms),
        OnCommand(ID_TOOL_EDIT_FORMS, &CMainFrame::OnModeEditForms),
        OnCommand(ID_MENU_LOOKUP, &CMainFrame::OnModeLookup),
        OnCommand(ID_TOOL_LOOKUP, &CMainFrame::OnModeLookup),
        OnCommand(ID_TOOL_ANALYSIS, &CMainFrame::OnModeAnalysis),
        OnCommand(ID_TOOL_ADMINISTRATION, &CMainFrame::OnModeAdministration),
        OnCommand(ID_HELP_MANUAL, &CMainFrame::OnHelpManual),
        OnCommand(ID_ADD_OBSERVER, &CMainFrame::OnAddObserver),
        OnUpdateCommandUI(ID_ADD_OBSERVER, &CMainFrame::OnUpdateAddObserver),
        OnCommand(ID_ADD_USER, &CMainFrame::OnAddUser),
    });
    return map;
}

int CMainFrame::OnCreate(LPCREATESTRUCT createStruct) {
    if (CFrameWnd::OnCreate(createStruct) == -1) return -1;
    if (!m_wndToolBar.CreateEx(this, TBSTYLE_FLAT,
                               WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_GRIPPER | CBRS_TOOLTIPS | CBRS_FLYBY |
                                   CBRS_SIZE_DYNAMIC) ||
        !m_wndToolBar.LoadToolBar(IDR_MAINFRAME))
        return -1;
    static const UINT indicators[] = {ID_SEPARATOR, ID_INDICATOR_CAPS, ID_INDICATOR_NUM, ID_INDICATOR_SCRL};
    if (!m_wndStatusBar.Create(this) || !m_wndStatusBar.SetIndicators(indicators, 4)) return -1;
    m_wndToolBar.EnableDocking(CBRS_ALIGN_ANY);
    EnableDocking(CBRS_ALIGN_ANY);
    DockControlBar(&m_wndToolBar);
    m_dwHelpCookie = HtmlHelpInitialize();
    return 0;
}

BOOL CMainFrame::OnCreateClient(LPCREATESTRUCT, CCreateContext* context) {
    if (!m_wndSplitter.CreateStatic(this, 1, 2)) return FALSE;
    if (!m_wndSplitter.CreateView(0, 0, RUNTIME_CLASS(CTreeWorkFlow), CSize(kTreeWidth, kTreeWidth), context) ||
        !m_wndSplitter.CreateView(0, 1, RUNTIME_CLASS(CListProgramModes), CSize(0, 0), context)) {
        m_wndSplitter.DestroyWindow();
        return FALSE;
    }
    return TRUE;
}

CTreeWorkFlow* CMainFrame::GetWorkFlowTree() const { return dynamic_cast<CTreeWorkFlow*>(m_wndSplitter.GetPane(0, 0)); }

CView* CMainFrame::GetRightView() const { return dynamic_cast<CView*>(m_wndSplitter.GetPane(0, 1)); }

CTovan_splitDoc* CMainFrame::GetFormDocument() const {
    const CTreeWorkFlow* tree = GetWorkFlowTree();
    return tree ? dynamic_cast<CTovan_splitDoc*>(tree->GetDocument()) : nullptr;
}

void CMainFrame::UpdateTitle() {
    const CTovan_splitDoc* document = GetFormDocument();
    SetWindowText(CString("Ведрин - ") + (document ? document->RIOSWName : CString()));
}

void CMainFrame::ReplaceRightView(const CRuntimeClass* viewClass) {
    NoteShownPageChanges();
    if (!m_wndSplitter.ReplaceView(0, 1, viewClass, kRightPaneSize)) return;
    m_shownPage = nullptr;
    if (CView* view = GetRightView()) view->OnInitialUpdate();
}

void CMainFrame::SwitchView(int code) {
    ReplaceRightView(StepViewClass(code));
    UpdateTitle();
}

void CMainFrame::ShowView(const CRuntimeClass* viewClass) {
    if (viewClass) ReplaceRightView(viewClass);
}

void CMainFrame::SelectMode(int code) {
    CTreeWorkFlow* tree = GetWorkFlowTree();
    if (!tree) return;
    SetActiveView(tree);
    tree->SelectByItemData(code);
}

void CMainFrame::OpenForm(int formTypeId, BOOL editing, BOOL readOnly) {
    CTovan_splitDoc* document = GetFormDocument();
    CTreeWorkFlow* tree = GetWorkFlowTree();
    if (!document || !tree) return;
    // A form that the pages in hand cannot hold whole is only read; its "Редактирай" says why.
    if (editing && !PagesHoldEveryStep(formTypeId)) readOnly = TRUE;
    document->SetReadOnly(readOnly);
    // Whatever the document held before is replaced by this form.
    document->SetModifiedFlag(FALSE);
    tree->FillFormSteps(formTypeId, editing, readOnly);
}

CString CMainFrame::GetSelectedItemText() {
    CTreeWorkFlow* tree = GetWorkFlowTree();
    if (!tree) return kNoSelection;
    const HTREEITEM item = tree->GetTreeCtrl().GetSelectedItem();
    return item ? tree->GetTreeCtrl().GetItemText(item) : CString(kNoSelection);
}

void CMainFrame::ClearFormSteps() {
    if (CTreeWorkFlow* tree = GetWorkFlowTree()) tree->ClearFormSteps();
}

BOOL CMainFrame::SelectNextStep() {
    CTreeWorkFlow* tree = GetWorkFlowTree();
    return tree ? tree->SelectNextStep() : FALSE;
}

BOOL CMainFrame::SelectPrevStep() {
    CTreeWorkFlow* tree = GetWorkFlowTree();
    return tree ? tree->SelectPrevStep() : FALSE;
}

// ---- unsaved input ----------------------------------------------------------------------

void CMainFrame::RememberShownPage(const CWnd& page) {
    m_shownPage = &page;
    m_shownPageState = PageControlState(page);
}

void CMainFrame::NoteShownPageChanges() {
    CView* view = GetRightView();
    if (!view || view != m_shownPage) return;
    if (PageControlState(*view) == m_shownPageState) return;
    if (CTovan_splitDoc* document = GetFormDocument()) document->SetModifiedFlag(TRUE);
}

BOOL CMainFrame::HasUnsavedInput() {
    NoteShownPageChanges();
    CTovan_splitDoc* document = GetFormDocument();
    CTreeWorkFlow* tree = GetWorkFlowTree();
    return document && tree && document->IsModified() && !document->IsReadOnly() && tree->HasFormSteps();
}

BOOL CMainFrame::ConfirmDiscardUnsavedInput(LPCTSTR question) {
    if (!HasUnsavedInput()) return TRUE;
    return AfxMessageBox(CString(kUnsavedInput) + question, MB_YESNO | MB_ICONQUESTION) == IDYES;
}

void CMainFrame::OnClose() {
    if (!ConfirmDiscardUnsavedInput("Да бъде ли затворена програмата?")) return;
    HtmlHelpUninitialize(m_dwHelpCookie);
    m_dwHelpCookie = 0;
    CFrameWnd::OnClose();
}

// ---- commands ---------------------------------------------------------------------------

void CMainFrame::OnModeNewForm() { SelectMode(kCodeNewForm); }
void CMainFrame::OnModeEditForms() { SelectMode(kCodeEditForms); }
void CMainFrame::OnModeLookup() { SelectMode(kCodeLookup); }
void CMainFrame::OnModeAnalysis() { SelectMode(kCodeAnalysis); }
void CMainFrame::OnModeAdministration() { SelectMode(kCodeAdministration); }

void CMainFrame::OnHelpManual() {
    const CString topic = GetAppDir() + kHelpTopic;
    // Without the manual beside the program, the command quietly does nothing.
    std::error_code error;
    if (!std::filesystem::exists(HelpTopicFile(topic).GetString(), error)) return;
    HtmlHelpDisplayTopic(this, topic);
}

BOOL CMainFrame::OnHelpInfo(HELPINFO* info) {
    OnHelpManual();
    return CFrameWnd::OnHelpInfo(info);
}

void CMainFrame::OnAddObserver() {
    CDlg_Persons persons(CDlg_Persons::kAdd);
    persons.DoModal();
}

void CMainFrame::OnUpdateAddObserver(CCmdUI* cmdUI) { cmdUI->Enable(TRUE); }

void CMainFrame::OnAddUser() {
    CDlg_AddUser addUser;
    if (addUser.DoModal() == IDOK) AfxMessageBox("Потребителят е добавен успешно.", MB_OK);
}
