#pragma once
// The frame window: the program's top-level window with its menu, accelerators, toolbar,
// status bar and the client area that one view or a splitter of views fills.
//
// LoadFrame(id) takes the resources with the id: the menu, the accelerator table, the
// icon and the title (first part of the template string). OnCreate calls OnCreateClient,
// which by default makes a view of the context's view class; a frame class overrides it
// to build a splitter instead.
//
// Commands (menu, accelerator, toolbar) are routed: the active view (and from it its
// document and template), then the frame's own map, then the application. Menu items and
// toolbar buttons without a handler on that route are disabled. An accelerator whose
// command nobody handles does not take the key: the focused control gets it (so Ctrl+C
// still copies in an edit field).
#include <memory>
#include <vector>

#include "CommandIds.h"
#include "Menu.h"
#include "Resources.h"
#include "View.h"

class CControlBar;

// With this style the framework would add the document's name to the title; the program
// sets its titles itself, so it is accepted and has no effect.
constexpr DWORD FWS_ADDTOTITLE = 0x00008000;

// What a help request (F1) is about: the window with the keyboard focus.
constexpr int HELPINFO_WINDOW = 1;
struct HELPINFO {
    UINT cbSize = sizeof(HELPINFO);
    int iContextType = HELPINFO_WINDOW;
    int iCtrlId = 0;
    HWND hItemHandle = nullptr;
    DWORD_PTR dwContextId = 0;
    CPoint MousePos;  // screen pixels
};
using LPHELPINFO = HELPINFO*;

// Lock keys for the status bar's indicators.
constexpr UINT VK_CAPITAL = 0x14;
constexpr UINT VK_NUMLOCK = 0x90;
constexpr UINT VK_SCROLL = 0x91;

class CFrameWnd : public CWnd {
    DECLARE_DYNCREATE(CFrameWnd)
public:
    CFrameWnd();
    ~CFrameWnd() override;

    const MessageMap& GetMessageMap() const override;
    BOOL OnCmdMsg(UINT id, int code, void* extra) override;
    // Keys of the accelerator table become commands; F1 becomes a help request.
    BOOL PreTranslateMessage(MSG* msg) override;
    // F1 in the frame (WM_HELP); TRUE when handled. The default handles nothing.
    virtual BOOL OnHelpInfo(HELPINFO* info);

    // Creates the frame window with the resources of `resourceId`; FALSE when creation
    // failed (the object then has no window and is the caller's to delete).
    virtual BOOL LoadFrame(UINT resourceId, DWORD style = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                           CWnd* parent = nullptr, CCreateContext* context = nullptr);
    // Shows the frame (-1: normally when hidden) and brings it to the front.
    virtual void ActivateFrame(int cmdShow = -1);
    // The first view becomes active when none is, every view below the frame gets
    // OnInitialUpdate, and with `makeVisible` the frame is shown.
    void InitialUpdateFrame(CDocument* document, BOOL makeVisible);
    // Fits the client pane (the child with id AFX_IDW_PANE_FIRST) to the client area.
    virtual void RecalcLayout(BOOL notify = TRUE);

    CView* GetActiveView() const { return m_pViewActive; }
    // The view that gets the commands and the keyboard focus; with `notify` both views are
    // told (OnActivateView). A view of another frame is refused.
    virtual void SetActiveView(CView* view, BOOL notify = TRUE);
    virtual CDocument* GetActiveDocument();
    // Makes a view of the context's view class as a child of the frame with the id.
    CWnd* CreateView(CCreateContext* context, UINT id = AFX_IDW_PANE_FIRST);

    // ---- bars ----
    void EnableDocking(DWORD dockStyle);
    void DockControlBar(CControlBar* bar, UINT dockBarId = 0, LPCRECT rect = nullptr);
    void ShowControlBar(CControlBar* bar, BOOL show, BOOL delay);
    CControlBar* GetControlBar(UINT id) const;
    // Shows the text in the status bar's message pane.
    virtual void SetMessageText(LPCTSTR text);
    // Shows a command's prompt (or, for AFX_IDS_IDLEMESSAGE, the idle text).
    void SetMessageText(UINT id);
    CWnd* GetMessageBar() const;

    // ---- menu and accelerators ----
    CMenu* GetMenu() const { return m_menu.get(); }
    // The command of the key in the accelerator table is sent, when someone handles it
    // and it is enabled; TRUE when the key was taken.
    BOOL TranslateAcceleratorKey(UINT key, UINT modifiers);

    // Idle time: the bars' buttons and panes are brought up to date.
    void OnIdleUpdateCmdUI();

    // ---- framework commands of the frame's map ----
    void OnBarCheck(UINT id);                    // ID_VIEW_TOOLBAR, ID_VIEW_STATUS_BAR: show or hide
    void OnUpdateControlBarMenu(CCmdUI* ui);     // their check marks
    void OnUpdateKeyIndicator(CCmdUI* ui);       // CAP, NUM, SCRL

    BOOL m_bAutoMenuEnable = TRUE;

protected:
    virtual BOOL OnCreateClient(LPCREATESTRUCT createStruct, CCreateContext* context);
    int OnCreate(LPCREATESTRUCT createStruct) override;
    void OnDestroy() override;  // the views are destroyed first, each through DestroyWindow
    void OnClose() override;    // the main window closes its document, which destroys the frame
    void OnSize(UINT type, int cx, int cy) override;
    void PostNcDestroy() override;  // deletes the frame

private:
    friend class CControlBar;
    void AddControlBar(CControlBar* bar);
    void RemoveControlBar(CControlBar* bar);
    void BuildMenuBar();
    void UpdateMenu(CMenu& menu);

    CView* m_pViewActive = nullptr;
    std::unique_ptr<CMenu> m_menu;
    const AcceleratorTable* m_accelerators = nullptr;
    std::vector<CControlBar*> m_controlBars;
};

// The frame a window is in (its nearest frame ancestor); nullptr when none.
CFrameWnd* GetParentFrameOf(const CWnd* window);

// Whether a lock key (VK_CAPITAL, VK_NUMLOCK, VK_SCROLL) is on, as far as the desktop tells:
// known from the last key typed into the program, FALSE when the desktop does not say.
BOOL IsLockKeyOn(UINT virtualKey);
