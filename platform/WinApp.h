#pragma once
// The application object. The program defines one static object of a class derived from
// CWinApp and lets AfxWinMain run it:
//
//     CMyApp theApp;
//     int main(int argc, char** argv) { return AfxWinMain(argc, argv); }
//
// AfxWinMain makes the window system ready, calls InitInstance (FALSE ends the program at
// once, after destroying the main window if there is one), then Run: the event loop until
// the main window is gone, then ExitInstance. The application takes part in command routing
// after the frame, its views and their document.
#include <memory>
#include <vector>

#include "CommandIds.h"
#include "Profile.h"
#include "WaitCursor.h"
#include "Wnd.h"

class CDocTemplate;
class CDocument;

// What the command line asks for: a new document, or opening the file it names.
class CCommandLineInfo {
public:
    enum { FileNew, FileOpen, FileNothing = -1 };

    virtual ~CCommandLineInfo() = default;
    // Called for each argument after the program's name; `flag` when it starts with '-' or
    // '/' (the mark is removed). The first plain argument names a file to open.
    virtual void ParseParam(const char* param, BOOL flag, BOOL last);

    int m_nShellCommand = FileNew;
    CString m_strFileName;
};

class CWinApp : public CCmdTarget {
    DECLARE_DYNAMIC(CWinApp)
public:
    // The one application object; AfxGetApp returns it from now on.
    explicit CWinApp(LPCTSTR appName = nullptr);
    ~CWinApp() override;

    const MessageMap& GetMessageMap() const override;
    BOOL OnCmdMsg(UINT id, int code, void* extra) override;

    virtual BOOL InitInstance();
    virtual int Run();
    virtual int ExitInstance();  // writes the recent-file list back; the exit code
    // Called when the event loop has nothing to do: brings the main frame's toolbar and
    // status bar up to date. TRUE asks for more idle time.
    virtual BOOL OnIdle(LONG count);

    // ---- documents ----
    // The application owns the templates.
    void AddDocTemplate(CDocTemplate* docTemplate);
    CDocTemplate* GetFirstDocTemplate() const;
    virtual CDocument* OpenDocumentFile(LPCTSTR path);
    void ParseCommandLine(CCommandLineInfo& info);
    // FileNew creates the document and its frame (OnFileNew); FileOpen opens the file.
    // FALSE when that failed.
    BOOL ProcessShellCommand(CCommandLineInfo& info);

    // Framework commands, for the application's message map.
    void OnFileNew();
    void OnFilePrintSetup();
    void OnAppExit();

    // ---- profile ----
    // The profile of this system is one INI file per user (Profile.h); the key is kept as
    // the name under which a registry would have held it.
    void SetRegistryKey(LPCTSTR key);
    // Reads the recent-file list (`maxRecentFiles` entries); ExitInstance writes it back.
    void LoadStdProfileSettings(UINT maxRecentFiles = 4);
    virtual void AddToRecentFileList(LPCTSTR path);
    int GetProfileInt(LPCTSTR section, LPCTSTR entry, int defaultValue);
    BOOL WriteProfileInt(LPCTSTR section, LPCTSTR entry, int value);
    CString GetProfileString(LPCTSTR section, LPCTSTR entry, LPCTSTR defaultValue = nullptr);
    BOOL WriteProfileString(LPCTSTR section, LPCTSTR entry, LPCTSTR value);

    // ---- cursor and look ----
    // 1 turns the wait cursor on (calls nest), -1 off, 0 puts it back after something
    // else changed the cursor (as BeginWaitCursor, EndWaitCursor, RestoreWaitCursor).
    virtual void DoWaitCursor(int code);
    // Three-dimensional dialog controls are the only look there is here.
    BOOL Enable3dControls() { return TRUE; }

    CWnd* m_pMainWnd = nullptr;
    LPCTSTR m_pszAppName = nullptr;      // the application's title
    LPCTSTR m_pszRegistryKey = nullptr;
    LPCTSTR m_pszExeName = nullptr;      // the program's name from the command line
    std::unique_ptr<CRecentFileList> m_pRecentFileList;

private:
    friend int AfxWinMain(int argc, char** argv);
    friend void PostQuitMessage(int exitCode);
    // The title (string AFX_IDS_APP_TITLE unless given) and the program's name.
    void LoadNames();

    CString m_appName;
    CString m_registryKey;
    CString m_exeName;
    std::vector<std::unique_ptr<CDocTemplate>> m_templates;
    int m_exitCode = 0;
};

// The application object; nullptr before it is constructed.
CWinApp* AfxGetApp();

// Keeps the arguments for ParseCommandLine and lets the application take part in the window
// system made before (GuiRuntime): idle time, the state of the lock keys. FALSE when there
// is no window system yet.
BOOL AfxWinInit(int argc, char** argv);
// Makes the window system (GuiRuntime), then AfxWinInit, the application object's
// InitInstance and Run; the process exit code.
int AfxWinMain(int argc, char** argv);
// The items of the command line AfxWinInit received; item 0 is the program's path.
const std::vector<CString>& AfxGetCommandLineItems();
// The path of the running program's executable as the system knows it: absolute, with every
// symbolic link resolved, however the start spelled it (a link, a name found through PATH, a
// path relative to another working folder).
CString AfxGetModuleFileName();
// Tests start the application as if its executable lay at `path`; empty: the real one again.
void AfxSetModuleFileName(const CString& path);
// Ends the event loop with the process exit code, which ExitInstance then returns. Called
// before the loop runs (a start that InitInstance refuses), it only keeps the code.
void PostQuitMessage(int exitCode);
// For the frame: the window is going; when it is the main window, the event loop ends.
void AfxMainWindowDestroyed(CWnd* window);

// Report controls and other hosted controls need no preparation here.
inline void AfxEnableControlContainer() {}
