#include "WinApp.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QKeyEvent>

#include "CommandRouting.h"
#include "DocTemplate.h"
#include "Document.h"
#include "FrameWnd.h"
#include "GuiRuntime.h"
#include "MessageBox.h"
#include "Printing.h"
#include "Resources.h"

IMPLEMENT_DYNAMIC(CWinApp, CCmdTarget)

namespace {

CWinApp* g_app = nullptr;
bool g_running = false;         // Run's event loop runs
quint32 g_nativeModifiers = 0;  // of the last key event, for the lock keys
std::vector<CString> g_commandLine;
CString g_moduleFileName;  // set by tests only

// Records the lock keys' state that key events carry (any application object will do).
class LockKeyWatcher : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease)
            g_nativeModifiers = static_cast<QKeyEvent*>(event)->nativeModifiers();
        return QObject::eventFilter(watched, event);
    }
};

// Idle time: when the event loop is about to wait, the application brings its bars up to date.
void ConnectIdle() {
    QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance();
    if (!dispatcher) return;
    QObject::connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, dispatcher, [] {
        static bool busy = false;
        CWinApp* app = AfxGetApp();
        if (busy || !app) return;
        busy = true;
        app->OnIdle(0);
        busy = false;
    });
}

}  // namespace

// ---- the process ------------------------------------------------------------------------

BOOL AfxWinInit(int argc, char** argv) {
    g_commandLine.clear();
    for (int i = 0; i < argc && argv; ++i) g_commandLine.emplace_back(argv[i] ? argv[i] : "");
    auto* app = qobject_cast<QApplication*>(QCoreApplication::instance());
    if (!app) return FALSE;
    static bool hooked = false;
    if (!hooked) {
        hooked = true;
        app->installEventFilter(new LockKeyWatcher(app));
        ConnectIdle();
    }
    return TRUE;
}

int AfxWinMain(int argc, char** argv) {
    GuiRuntime runtime(argc, argv);
    if (!AfxWinInit(argc, argv)) return -1;
    CWinApp* app = AfxGetApp();
    if (!app) return -1;
    app->LoadNames();
    if (!app->InitInstance()) {
        if (app->m_pMainWnd) app->m_pMainWnd->DestroyWindow();
        return app->ExitInstance();
    }
    return app->Run();
}

const std::vector<CString>& AfxGetCommandLineItems() { return g_commandLine; }

CString AfxGetModuleFileName() {
    if (!g_moduleFileName.IsEmpty()) return g_moduleFileName;
    if (!QCoreApplication::instance()) return {};
    return CString(QCoreApplication::applicationFilePath().toUtf8().toStdString());
}

void AfxSetModuleFileName(const CString& path) { g_moduleFileName = path; }

CWinApp* AfxGetApp() { return g_app; }

// ---- CCommandLineInfo -------------------------------------------------------------------

void CCommandLineInfo::ParseParam(const char* param, BOOL flag, BOOL) {
    if (flag || !param || m_nShellCommand == FileOpen) return;
    m_nShellCommand = FileOpen;
    m_strFileName = param;
}

// ---- CWinApp ----------------------------------------------------------------------------

CWinApp::CWinApp(LPCTSTR appName) : m_appName(appName ? appName : "") {
    m_pszAppName = m_appName.IsEmpty() ? nullptr : m_appName.GetString();
    g_app = this;
}

CWinApp::~CWinApp() {
    if (g_app == this) g_app = nullptr;
}

const MessageMap& CWinApp::GetMessageMap() const {
    static const MessageMap map(CCmdTarget::GetMessageMap(), {
        OnCommand(ID_APP_EXIT, &CWinApp::OnAppExit),
    });
    return map;
}

BOOL CWinApp::OnCmdMsg(UINT id, int code, void* extra) { return DispatchOwnMap(*this, id, code, extra); }

BOOL CWinApp::InitInstance() {
    LoadNames();
    return TRUE;
}

void CWinApp::LoadNames() {
    // The title comes from the string table unless the constructor named one.
    if (m_appName.IsEmpty()) LoadStringResource(AFX_IDS_APP_TITLE, m_appName);
    if (!m_appName.IsEmpty()) {
        m_pszAppName = m_appName.GetString();
        AfxSetAppName(m_pszAppName);
    }
    if (!g_commandLine.empty()) {
        m_exeName = g_commandLine.front();
        if (const int slash = m_exeName.ReverseFind('/'); slash >= 0) m_exeName = m_exeName.Mid(slash + 1);
        m_pszExeName = m_exeName.GetString();
    }
}

int CWinApp::Run() {
    if (!m_pMainWnd) return ExitInstance();
    g_running = true;
    QApplication::exec();
    g_running = false;
    return ExitInstance();
}

int CWinApp::ExitInstance() {
    if (m_pRecentFileList) m_pRecentFileList->WriteList();
    return m_exitCode;
}

BOOL CWinApp::OnIdle(LONG) {
    if (auto* frame = dynamic_cast<CFrameWnd*>(m_pMainWnd)) frame->OnIdleUpdateCmdUI();
    return FALSE;
}

void CWinApp::AddDocTemplate(CDocTemplate* docTemplate) {
    if (docTemplate) m_templates.emplace_back(docTemplate);
}

CDocTemplate* CWinApp::GetFirstDocTemplate() const { return m_templates.empty() ? nullptr : m_templates.front().get(); }

CDocument* CWinApp::OpenDocumentFile(LPCTSTR path) {
    CDocTemplate* docTemplate = GetFirstDocTemplate();
    return docTemplate ? docTemplate->OpenDocumentFile(path) : nullptr;
}

void CWinApp::ParseCommandLine(CCommandLineInfo& info) {
    // Only '-' marks a flag: '/' begins every absolute path here.
    const int count = static_cast<int>(g_commandLine.size());
    for (int i = 1; i < count; ++i) {
        const CString& item = g_commandLine[static_cast<size_t>(i)];
        const bool flag = item.GetLength() > 1 && item[0] == U'-';
        info.ParseParam(flag ? item.Mid(1).GetString() : item.GetString(), flag, i == count - 1);
    }
}

BOOL CWinApp::ProcessShellCommand(CCommandLineInfo& info) {
    switch (info.m_nShellCommand) {
    case CCommandLineInfo::FileNew:
        if (!OnCmdMsg(ID_FILE_NEW, CN_COMMAND, nullptr)) OnFileNew();
        return m_pMainWnd != nullptr;
    case CCommandLineInfo::FileOpen: return OpenDocumentFile(info.m_strFileName) != nullptr;
    default: return TRUE;
    }
}

void CWinApp::OnFileNew() {
    if (CDocTemplate* docTemplate = GetFirstDocTemplate()) docTemplate->OpenDocumentFile(nullptr);
}

void CWinApp::OnFilePrintSetup() { DoPrintSetup(m_pMainWnd); }

void CWinApp::OnAppExit() {
    if (m_pMainWnd) m_pMainWnd->SendMessage(WM_CLOSE);
}

void CWinApp::SetRegistryKey(LPCTSTR key) {
    m_registryKey = key ? key : "";
    m_pszRegistryKey = m_registryKey.GetString();
}

void CWinApp::LoadStdProfileSettings(UINT maxRecentFiles) {
    if (maxRecentFiles == 0) return;
    m_pRecentFileList = std::make_unique<CRecentFileList>(static_cast<int>(maxRecentFiles));
    m_pRecentFileList->ReadList();
}

void CWinApp::AddToRecentFileList(LPCTSTR path) {
    if (m_pRecentFileList && path && *path) m_pRecentFileList->Add(path);
}

int CWinApp::GetProfileInt(LPCTSTR section, LPCTSTR entry, int defaultValue) {
    return ::GetProfileInt(section, entry, defaultValue);
}

BOOL CWinApp::WriteProfileInt(LPCTSTR section, LPCTSTR entry, int value) { return ::WriteProfileInt(section, entry, value); }

CString CWinApp::GetProfileString(LPCTSTR section, LPCTSTR entry, LPCTSTR defaultValue) {
    return ::GetProfileString(section, entry, defaultValue ? defaultValue : "");
}

BOOL CWinApp::WriteProfileString(LPCTSTR section, LPCTSTR entry, LPCTSTR value) {
    return ::WriteProfileString(section, entry, value);
}

void CWinApp::DoWaitCursor(int code) {
    if (code > 0)
        BeginWaitCursor();
    else if (code < 0)
        EndWaitCursor();
    else
        RestoreWaitCursor();
}

BOOL IsLockKeyOn(UINT virtualKey) {
    // X11 and Wayland keyboards report the lock state with every key: Lock and Mod2 (Num Lock).
    // Scroll Lock has no such bit; other platforms say nothing.
    const QString platform = QGuiApplication::platformName();
    if (platform != "xcb" && platform != "wayland") return FALSE;
    constexpr quint32 kCapsLock = 0x02;
    constexpr quint32 kNumLock = 0x10;
    if (virtualKey == VK_CAPITAL) return (g_nativeModifiers & kCapsLock) != 0;
    if (virtualKey == VK_NUMLOCK) return (g_nativeModifiers & kNumLock) != 0;
    return FALSE;
}

void PostQuitMessage(int exitCode) {
    if (g_app) g_app->m_exitCode = exitCode;
    if (g_running) QCoreApplication::exit(exitCode);
}

void AfxMainWindowDestroyed(CWnd* window) {
    CWinApp* app = AfxGetApp();
    if (app && app->m_pMainWnd == window) {
        app->m_pMainWnd = nullptr;
        if (g_running) QCoreApplication::quit();
    }
    if (AfxGetMainWnd() == window) AfxSetMainWnd(nullptr);
}
