#include "shell/TovanSplitApp.h"

#include "db/ProgramFolder.h"
#include "platform/DocTemplate.h"
#include "res/ShellIds.h"
#include "shell/AboutDlg.h"
#include "shell/DlgLogin.h"
#include "shell/MainFrm.h"
#include "shell/TovanSplitView.h"
#include "shell/UserAccounts.h"
#include "store/FormDocument.h"

namespace {

// The process status of a start that failed (no usable database, no main window), so that a
// script or a launcher tells it from a normal quit; a cancelled login is a normal quit.
constexpr int kStartFailed = 1;

BOOL FailStart() {
    PostQuitMessage(kStartFailed);
    return FALSE;
}

}  // namespace

CTovan_splitApp::CTovan_splitApp() = default;

const MessageMap& CTovan_splitApp::GetMessageMap() const {
    static const MessageMap map(CWinApp::GetMessageMap(), {
        OnCommand(ID_FILE_PRINT_SETUP, &CWinApp::OnFilePrintSetup),
        OnCommand(ID_APP_ABOUT, &CTovan_splitApp::OnAppAbout),
    });
    return map;
}

// The executable's real folder rather than the command line's first item: a start through a
// link, through PATH or from another working folder still finds the files beside the program.
void CTovan_splitApp::InitAppDir() { TheProgramFolder().InitAppDir(AfxGetModuleFileName().GetString()); }

CString CTovan_splitApp::GetAppDir() const { return TheProgramFolder().GetAppDir(); }

BOOL CTovan_splitApp::InitInstance() {
    AfxEnableControlContainer();
    InitAppDir();
    Enable3dControls();
    SetRegistryKey("Local AppWizard-Generated Applications");
    LoadStdProfileSettings(4);
    AddDocTemplate(new CSingleDocTemplate(IDR_MAINFRAME, RUNTIME_CLASS(CTovan_splitDoc), RUNTIME_CLASS(CMainFrame),
                                          RUNTIME_CLASS(CTovan_splitView)));
    CCommandLineInfo commandLine;
    ParseCommandLine(commandLine);
    if (!ProcessShellCommand(commandLine)) return FailStart();

    auto* frame = dynamic_cast<CMainFrame*>(m_pMainWnd);
    if (!frame) return FailStart();
    frame->ShowWindow(SW_SHOWNORMAL);
    frame->UpdateWindow();
    frame->SetWindowText("Ведрин");

    RegisterAccountLinks();
    CDlgLogin login;
    const INT_PTR answer = login.DoModal();
    if (answer == IDCANCEL) return FALSE;
    if (answer != IDOK) return FailStart();
    if (CTovan_splitDoc* document = frame->GetFormDocument()) {
        document->UserID = login.m_nUserID;
        document->SessionID = login.m_nSessionID;
        document->RIOSW_ID = login.m_nRioswID;
        document->RIOSWName = login.m_strRioswName;
    }
    frame->UpdateTitle();
    return TRUE;
}

void CTovan_splitApp::OnAppAbout() {
    CAboutDlg about;
    about.DoModal();
}
