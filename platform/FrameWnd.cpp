#include "FrameWnd.h"

#include <QAction>
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QPointer>
#include <QScreen>
#include <QToolBar>

#include <algorithm>

#include "CommandRouting.h"
#include "ControlBars.h"
#include "Document.h"
#include "Menu.h"
#include "SystemInfo.h"
#include "WinApp.h"
#include "qt/GdiAccess.h"
#include "qt/MenuData.h"
#include "qt/WidgetAccess.h"
#include "qt/WindowState.h"

IMPLEMENT_DYNCREATE(CFrameWnd, CWnd)

namespace {

CFrameWnd* FrameOfWidget(QWidget* widget) { return dynamic_cast<CFrameWnd*>(WndOfWidget(widget)); }

// A menu item asked for its state: grayed, checked.
class MenuCmdUI : public CCmdUI {
public:
    MenuCmdUI(CMenu& menu, UINT position, UINT id) : m_menu(menu), m_position(position) { m_nID = id; }
    void Enable(BOOL on) override {
        CCmdUI::Enable(on);
        m_menu.EnableMenuItem(m_position, MF_BYPOSITION | (on ? MF_ENABLED : MF_GRAYED));
    }
    void SetCheck(int check) override {
        CCmdUI::SetCheck(check);
        m_menu.CheckMenuItem(m_position, MF_BYPOSITION | (check ? MF_CHECKED : MF_UNCHECKED));
    }

private:
    CMenu& m_menu;
    UINT m_position;
};

// The windows below `top`, depth first in creation order, as widgets (windows may go
// while the caller works through them).
void CollectWindows(CWnd* top, std::vector<QPointer<QWidget>>& windows) {
    for (CWnd* child = top->GetWindow(GW_CHILD); child != nullptr; child = child->GetWindow(GW_HWNDNEXT)) {
        windows.emplace_back(TopWidgetOf(child));
        CollectWindows(child, windows);
    }
}

bool IsAlive(const QPointer<QWidget>& widget) {
    const WindowState* state = widget ? WindowState::Of(widget) : nullptr;
    return state && !state->dying;
}

// The view of a window of CollectWindows, while it is there.
CView* ViewOf(const QPointer<QWidget>& widget) {
    return IsAlive(widget) ? dynamic_cast<CView*>(WndOfWidget(widget)) : nullptr;
}

// The child of `top` with the id, or rather that child's own child with the same id (a
// splitter's first pane before the splitter). A view ends the search: it is the pane.
CWnd* PaneWithId(CWnd* top, int id) {
    CWnd* child = top->GetDlgItem(id);
    if (!child || dynamic_cast<CView*>(child)) return child;
    CWnd* inner = PaneWithId(child, id);
    return inner ? inner : child;
}

}  // namespace

CFrameWnd* GetParentFrameOf(const CWnd* window) {
    for (CWnd* wnd = window ? window->GetParent() : nullptr; wnd != nullptr; wnd = wnd->GetParent())
        if (auto* frame = dynamic_cast<CFrameWnd*>(wnd)) return frame;
    return nullptr;
}

CFrameWnd::CFrameWnd() = default;
CFrameWnd::~CFrameWnd() = default;

const MessageMap& CFrameWnd::GetMessageMap() const {
    static const MessageMap map(CWnd::GetMessageMap(), {
        OnCommandRange(ID_VIEW_TOOLBAR, ID_VIEW_STATUS_BAR, &CFrameWnd::OnBarCheck),
        OnUpdateCommandUI(ID_VIEW_TOOLBAR, &CFrameWnd::OnUpdateControlBarMenu),
        OnUpdateCommandUI(ID_VIEW_STATUS_BAR, &CFrameWnd::OnUpdateControlBarMenu),
        OnUpdateCommandUI(ID_INDICATOR_CAPS, &CFrameWnd::OnUpdateKeyIndicator),
        OnUpdateCommandUI(ID_INDICATOR_NUM, &CFrameWnd::OnUpdateKeyIndicator),
        OnUpdateCommandUI(ID_INDICATOR_SCRL, &CFrameWnd::OnUpdateKeyIndicator),
    });
    return map;
}

BOOL CFrameWnd::OnCmdMsg(UINT id, int code, void* extra) {
    // A handler may destroy this frame: nothing of it is touched once one has run.
    if (CView* view = m_pViewActive; view && view->OnCmdMsg(id, code, extra)) return TRUE;
    if (DispatchOwnMap(*this, id, code, extra)) return TRUE;
    CWinApp* app = AfxGetApp();
    return app && app->OnCmdMsg(id, code, extra);
}

BOOL CFrameWnd::PreTranslateMessage(MSG* msg) {
    if (msg && (msg->message == WM_KEYDOWN || msg->message == WM_SYSKEYDOWN)) {
        const UINT modifiers = (GetKeyState(VK_CONTROL) < 0 ? FCONTROL : 0) | (GetKeyState(VK_SHIFT) < 0 ? FSHIFT : 0) |
                               (GetKeyState(VK_MENU) < 0 ? FALT : 0);
        if (TranslateAcceleratorKey(static_cast<UINT>(msg->wParam), modifiers)) return TRUE;
        if (msg->wParam == VK_F1 && modifiers == 0) {
            HELPINFO info;
            info.hItemHandle = msg->hwnd;
            info.iCtrlId = msg->hwnd ? msg->hwnd->GetDlgCtrlID() : 0;
            GetCursorPos(&info.MousePos);
            if (OnHelpInfo(&info)) return TRUE;
        }
    }
    return CWnd::PreTranslateMessage(msg);
}

BOOL CFrameWnd::OnHelpInfo(HELPINFO*) { return FALSE; }

BOOL CFrameWnd::TranslateAcceleratorKey(UINT key, UINT modifiers) {
    const UINT command = m_accelerators ? m_accelerators->Find(key, modifiers) : 0;
    if (command == 0 || !HasCommandHandler(*this, command)) return FALSE;
    CCmdUI ui;
    ui.m_nID = command;
    UpdateCommandUI(*this, ui, FALSE);
    if (ui.m_bEnabled) SendMessage(WM_COMMAND, MAKEWPARAM(command, 0), 0);
    return TRUE;
}

BOOL CFrameWnd::LoadFrame(UINT resourceId, DWORD style, CWnd* parent, CCreateContext* context) {
    if (GetSafeHwnd()) return FALSE;
    auto menu = std::make_unique<CMenu>();
    if (menu->LoadMenu(resourceId)) m_menu = std::move(menu);
    m_accelerators = FindAccelerators(resourceId);

    auto* window = new QMainWindow;
    auto* client = new QWidget;
    window->setCentralWidget(client);
    const CString strings = LoadStringResource(resourceId);
    const int brk = strings.Find('\n');
    window->setWindowTitle(ToQString(brk < 0 ? strings : strings.Left(brk)));
    if (const QPixmap icon = LoadResourcePixmap("icons", resourceId); !icon.isNull()) window->setWindowIcon(QIcon(icon));
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        QRect frame(0, 0, area.width() * 3 / 4, area.height() * 3 / 4);
        frame.moveCenter(area.center());
        window->setGeometry(frame);
    }
    // The view that gets the focus becomes the active view.
    QObject::connect(qApp, &QApplication::focusChanged, window, [window](QWidget*, QWidget* now) {
        CFrameWnd* frame = now && window->isAncestorOf(now) ? FrameOfWidget(window) : nullptr;
        if (!frame) return;
        for (CWnd* wnd = WndOfWidget(now); wnd != nullptr && wnd != frame; wnd = wnd->GetParent())
            if (auto* view = dynamic_cast<CView*>(wnd); view && view->GetParentFrame() == frame) {
                frame->SetActiveView(view);
                return;
            }
    });

    if (!CreateWindowOnWidget(this, window, client, "AfxFrameOrView", style & ~WS_VISIBLE, 0, 0, context)) return FALSE;
    if (parent) SetOwner(parent);
    BuildMenuBar();
    if (style & WS_VISIBLE) ShowWindow(SW_SHOW);
    return TRUE;
}

void CFrameWnd::BuildMenuBar() {
    auto* window = qobject_cast<QMainWindow*>(TopWidgetOf(this));
    if (!window || !m_menu) return;
    QMenuBar* bar = window->menuBar();
    bar->clear();
    // The lambdas find the frame through its widget: nothing runs for a frame that is gone.
    QPointer<QMainWindow> frameWidget(window);
    const auto update = [frameWidget](CMenu& menu) {
        if (CFrameWnd* frame = FrameOfWidget(frameWidget)) frame->UpdateMenu(menu);
    };
    for (const CMenu::Item& item : m_menu->Items()) {
        if (item.popup) {
            QMenu* popup = bar->addMenu(ToQString(item.text));
            CMenu* source = item.popup.get();
            QObject::connect(popup, &QMenu::aboutToShow, popup, [popup, source, update] { FillQMenu(popup, *source, update); });
            QObject::connect(popup, &QMenu::aboutToHide, popup, [frameWidget] {
                if (CFrameWnd* frame = FrameOfWidget(frameWidget)) frame->SetMessageText(AFX_IDS_IDLEMESSAGE);
            });
        } else if (!item.separator) {
            SetActionCommand(bar->addAction(ToQString(item.text)), item.id);
        }
    }
    QObject::connect(bar, &QMenuBar::triggered, bar, [frameWidget](QAction* action) {
        const UINT command = CommandOfAction(action);
        if (CFrameWnd* frame = FrameOfWidget(frameWidget); frame && command)
            frame->SendMessage(WM_COMMAND, MAKEWPARAM(command, 0), 0);
    });
    QObject::connect(bar, &QMenuBar::hovered, bar, [frameWidget](QAction* action) {
        if (CFrameWnd* frame = FrameOfWidget(frameWidget); frame && CommandOfAction(action))
            frame->SetMessageText(CommandOfAction(action));
    });
}

void CFrameWnd::UpdateMenu(CMenu& menu) {
    const std::vector<CMenu::Item>& items = menu.Items();
    for (size_t position = 0; position < items.size(); ++position) {
        const CMenu::Item& item = items[position];
        if (item.popup || item.separator || item.id == 0) continue;
        MenuCmdUI ui(menu, static_cast<UINT>(position), item.id);
        UpdateCommandUI(*this, ui, m_bAutoMenuEnable);
    }
}

int CFrameWnd::OnCreate(LPCREATESTRUCT createStruct) {
    if (CWnd::OnCreate(createStruct) == -1) return -1;
    if (!OnCreateClient(createStruct, static_cast<CCreateContext*>(createStruct->lpCreateParams))) return -1;
    RecalcLayout();
    return 0;
}

BOOL CFrameWnd::OnCreateClient(LPCREATESTRUCT, CCreateContext* context) {
    if (context && context->m_pNewViewClass) return CreateView(context, AFX_IDW_PANE_FIRST) != nullptr;
    return TRUE;
}

CWnd* CFrameWnd::CreateView(CCreateContext* context, UINT id) {
    if (!context || !context->m_pNewViewClass) return nullptr;
    CObject* object = context->m_pNewViewClass->CreateObject();
    auto* view = dynamic_cast<CWnd*>(object);
    if (!view) {
        delete object;
        return nullptr;
    }
    if (!view->Create(nullptr, nullptr, AFX_WS_DEFAULT_VIEW, CRect(0, 0, 0, 0), this, id, context)) {
        delete view;  // it never got a window, so it cannot delete itself
        return nullptr;
    }
    return view;
}

void CFrameWnd::RecalcLayout(BOOL) {
    CWnd* pane = GetDlgItem(static_cast<int>(AFX_IDW_PANE_FIRST));
    if (!pane) return;
    CRect client;
    GetClientRect(&client);
    pane->MoveWindow(&client);
}

void CFrameWnd::OnSize(UINT type, int cx, int cy) {
    CWnd::OnSize(type, cx, cy);
    RecalcLayout();
}

void CFrameWnd::ActivateFrame(int cmdShow) {
    if (cmdShow == -1) cmdShow = IsWindowVisible() ? SW_SHOW : SW_SHOWNORMAL;
    ShowWindow(cmdShow);
    if (QWidget* window = TopWidgetOf(this)) window->raise();
}

void CFrameWnd::InitialUpdateFrame(CDocument*, BOOL makeVisible) {
    if (!m_pViewActive)
        if (auto* view = dynamic_cast<CView*>(PaneWithId(this, static_cast<int>(AFX_IDW_PANE_FIRST))))
            SetActiveView(view, FALSE);
    // Every view below the frame, in creation order; a view may replace others meanwhile.
    std::vector<QPointer<QWidget>> windows;
    CollectWindows(this, windows);
    for (const QPointer<QWidget>& widget : windows)
        if (CView* view = ViewOf(widget)) view->OnInitialUpdate();
    if (makeVisible) {
        ActivateFrame();
        if (m_pViewActive) m_pViewActive->OnActivateView(TRUE, m_pViewActive, m_pViewActive);
    }
}

void CFrameWnd::SetActiveView(CView* view, BOOL notify) {
    CView* old = m_pViewActive;
    if (view == old) return;
    if (view && view->GetParentFrame() != this) return;
    m_pViewActive = nullptr;
    if (notify && old) old->OnActivateView(FALSE, view, old);
    if (m_pViewActive) return;  // the old view made another one active meanwhile
    m_pViewActive = view;
    if (notify && view) view->OnActivateView(TRUE, view, old);
}

CDocument* CFrameWnd::GetActiveDocument() { return m_pViewActive ? m_pViewActive->GetDocument() : nullptr; }

void CFrameWnd::OnDestroy() {
    // Each view leaves through its own DestroyWindow (a page saves there) before the rest goes.
    std::vector<QPointer<QWidget>> windows;
    CollectWindows(this, windows);
    for (const QPointer<QWidget>& widget : windows)
        if (CView* view = ViewOf(widget)) view->DestroyWindow();
    m_pViewActive = nullptr;
    AfxMainWindowDestroyed(this);
    CWnd::OnDestroy();
}

void CFrameWnd::OnClose() {
    CDocument* document = GetActiveDocument();
    std::vector<QPointer<QWidget>> windows;
    CollectWindows(this, windows);
    for (const QPointer<QWidget>& widget : windows) {
        if (document) break;
        if (CView* view = ViewOf(widget)) document = view->GetDocument();
    }
    CWinApp* app = AfxGetApp();
    if (document && app && app->m_pMainWnd == this) {
        // Closing the main window closes its document: that destroys this frame.
        const QPointer<QWidget> window(TopWidgetOf(this));
        document->OnCloseDocument();
        if (!IsAlive(window)) return;
    }
    DestroyWindow();
}

void CFrameWnd::PostNcDestroy() { delete this; }

// ---- bars -----------------------------------------------------------------------------

void CFrameWnd::AddControlBar(CControlBar* bar) {
    if (std::find(m_controlBars.begin(), m_controlBars.end(), bar) == m_controlBars.end()) m_controlBars.push_back(bar);
}

void CFrameWnd::RemoveControlBar(CControlBar* bar) { std::erase(m_controlBars, bar); }

void CFrameWnd::EnableDocking(DWORD) {
    // Every side of a frame takes toolbars; each bar says where it may go (CControlBar::EnableDocking).
}

void CFrameWnd::DockControlBar(CControlBar* bar, UINT, LPCRECT) {
    auto* window = qobject_cast<QMainWindow*>(TopWidgetOf(this));
    auto* toolBar = bar ? qobject_cast<QToolBar*>(TopWidgetOf(bar)) : nullptr;
    if (window && toolBar && window->toolBarArea(toolBar) == Qt::NoToolBarArea) window->addToolBar(toolBar);
}

void CFrameWnd::ShowControlBar(CControlBar* bar, BOOL show, BOOL) {
    if (!bar) return;
    bar->ShowWindow(show ? SW_SHOWNA : SW_HIDE);
    RecalcLayout();
}

CControlBar* CFrameWnd::GetControlBar(UINT id) const {
    for (CControlBar* bar : m_controlBars)
        if (static_cast<UINT>(bar->GetDlgCtrlID()) == id) return bar;
    return nullptr;
}

CWnd* CFrameWnd::GetMessageBar() const { return GetControlBar(AFX_IDW_STATUS_BAR); }

void CFrameWnd::SetMessageText(LPCTSTR text) {
    if (auto* bar = dynamic_cast<CStatusBar*>(GetMessageBar())) bar->SetPaneText(0, text);
}

void CFrameWnd::SetMessageText(UINT id) { SetMessageText(CommandPrompt(id)); }

void CFrameWnd::OnIdleUpdateCmdUI() {
    const std::vector<CControlBar*> bars = m_controlBars;
    for (CControlBar* bar : bars)
        if (bar->GetStyle() & WS_VISIBLE) bar->OnUpdateCmdUI(this, m_bAutoMenuEnable);
}

void CFrameWnd::OnBarCheck(UINT id) {
    if (CControlBar* bar = GetControlBar(id)) ShowControlBar(bar, !(bar->GetStyle() & WS_VISIBLE), FALSE);
}

void CFrameWnd::OnUpdateControlBarMenu(CCmdUI* ui) {
    if (CControlBar* bar = GetControlBar(ui->m_nID)) ui->SetCheck((bar->GetStyle() & WS_VISIBLE) != 0);
}

void CFrameWnd::OnUpdateKeyIndicator(CCmdUI* ui) {
    const UINT key = ui->m_nID == ID_INDICATOR_CAPS ? VK_CAPITAL : ui->m_nID == ID_INDICATOR_NUM ? VK_NUMLOCK : VK_SCROLL;
    ui->Enable(IsLockKeyOn(key));
}
