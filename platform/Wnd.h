#pragma once
// Windows. A CWnd owns one widget (created by the layer: from a dialog template, by
// Create, or attached with SubclassDlgItem/DDX_Control) and answers for it: control id,
// window class name, style bits, text, geometry in pixels, focus, timers, and the window
// messages the program's controls handle. Child windows are found by control id; the
// wrapper GetDlgItem returns belongs to the window (it lives as long as the child) unless
// a member wrapper has been bound to that child, which is then returned instead.
#include "CString.h"
#include "Geometry.h"
#include "Icon.h"
#include "MessageMap.h"
#include "WinDefs.h"

class QWidget;
struct GdiObjectData;
using HBRUSH = GdiObjectData*;
class CDataExchange;
class CDC;
class CFont;
struct CCreateContext;

struct CREATESTRUCT {
    void* lpCreateParams = nullptr;  // the creation context given to Create
    HWND hwndParent = nullptr;
    int cy = 0;
    int cx = 0;
    int y = 0;
    int x = 0;
    DWORD style = 0;
    LPCTSTR lpszName = nullptr;
    LPCTSTR lpszClass = nullptr;
    DWORD dwExStyle = 0;

    // The record of a window about to be created with these arguments of Create.
    static CREATESTRUCT For(LPCTSTR className, LPCTSTR windowName, DWORD style, DWORD exStyle, const RECT& rect,
                            CWnd* parent, void* createParams) {
        CREATESTRUCT cs;
        cs.lpCreateParams = createParams;
        cs.hwndParent = parent;
        cs.x = rect.left;
        cs.y = rect.top;
        cs.cx = rect.Width();
        cs.cy = rect.Height();
        cs.style = style;
        cs.lpszName = windowName;
        cs.lpszClass = className;
        cs.dwExStyle = exStyle;
        return cs;
    }
};
using LPCREATESTRUCT = CREATESTRUCT*;

using TIMERPROC = void (*)(HWND, UINT, UINT_PTR, DWORD);

class CWnd : public CCmdTarget {
    DECLARE_DYNCREATE(CWnd)
public:
    CWnd();
    ~CWnd() override;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    const MessageMap& GetMessageMap() const override;

    // Creation. The class name chooses the kind of widget ("Edit", "Button", "Static",
    // "ComboBox", "ListBox", "SysTreeView32", "SysDateTimePick32", "msctls_progress32");
    // any other name, or none, gives a window that draws itself (OnPaint). A window with
    // WS_CHILD needs a parent; without it the window is a top-level window.
    virtual BOOL Create(LPCTSTR className, LPCTSTR windowName, DWORD style, const RECT& rect, CWnd* parent,
                        UINT id, CCreateContext* context = nullptr);
    BOOL CreateEx(DWORD exStyle, LPCTSTR className, LPCTSTR windowName, DWORD style, const RECT& rect,
                  CWnd* parent, UINT id, CCreateContext* context = nullptr);
    // Destroys the widget (children first told with OnDestroy), then PostNcDestroy.
    virtual BOOL DestroyWindow();
    // Binds this wrapper to the child with that id (PreSubclassWindow runs); FALSE when
    // the parent has no such child or this wrapper is bound already.
    BOOL SubclassDlgItem(UINT id, CWnd* parent);
    BOOL SubclassWindow(HWND window);
    HWND UnsubclassWindow();
    // This window's handle: the wrapper bound to the widget, nullptr without a widget.
    HWND GetSafeHwnd() const;
    static CWnd* FromHandle(HWND window) { return window; }

    // Relations.
    int GetDlgCtrlID() const;
    int SetDlgCtrlID(int id);
    CWnd* GetParent() const;
    CWnd* GetOwner() const;  // the owner set, else the parent
    void SetOwner(CWnd* owner);
    CWnd* GetDlgItem(int id) const;  // first child with the id, in creation order
    CWnd* GetWindow(UINT relation) const;  // GW_CHILD, GW_HWNDNEXT/PREV/FIRST/LAST, GW_OWNER
    CWnd* GetNextWindow(UINT relation = GW_HWNDNEXT) const { return GetWindow(relation); }
    CWnd* GetTopLevelParent() const;
    BOOL IsChild(const CWnd* window) const;
    CString GetWindowClassName() const;
    // The caption icon of this window's top-level window (one picture serves as big and
    // small icon here); returns the icon set before, nullptr when none was.
    HICON SetIcon(HICON icon, BOOL bigIcon);

    // Style bits (WS_*, and the control's ES_/BS_/SS_/CBS_/LBS_/TVS_/DTS_ bits).
    DWORD GetStyle() const;
    DWORD GetExStyle() const;
    BOOL ModifyStyle(DWORD remove, DWORD add, UINT flags = 0);
    BOOL ModifyStyleEx(DWORD remove, DWORD add, UINT flags = 0);

    BOOL ShowWindow(int command);
    BOOL IsWindowVisible() const;
    BOOL EnableWindow(BOOL enable = TRUE);  // returns whether it was disabled before
    BOOL IsWindowEnabled() const;

    // Geometry in pixels: child windows in the parent's client coordinates, top-level
    // windows on the screen.
    void MoveWindow(int x, int y, int width, int height, BOOL repaint = TRUE);
    void MoveWindow(LPCRECT rect, BOOL repaint = TRUE);
    BOOL SetWindowPos(const CWnd* insertAfter, int x, int y, int cx, int cy, UINT flags);
    void GetWindowRect(LPRECT rect) const;  // screen coordinates
    void GetClientRect(LPRECT rect) const;
    void ClientToScreen(LPPOINT point) const;
    void ClientToScreen(LPRECT rect) const;
    void ScreenToClient(LPPOINT point) const;
    void ScreenToClient(LPRECT rect) const;
    void CenterWindow(CWnd* alternateOwner = nullptr);

    void SetWindowText(LPCTSTR text);
    void GetWindowText(CString& text) const;
    int GetWindowText(LPTSTR buffer, int maxCount) const;  // UTF-8 bytes, cut at a character
    int GetWindowTextLength() const;  // characters
    void SetDlgItemText(int id, LPCTSTR text);
    int GetDlgItemText(int id, CString& text) const;
    void SetDlgItemInt(int id, UINT value, BOOL isSigned = TRUE);
    UINT GetDlgItemInt(int id, BOOL* translated = nullptr, BOOL isSigned = TRUE) const;
    void CheckDlgButton(int id, UINT check);
    UINT IsDlgButtonChecked(int id) const;
    void CheckRadioButton(int firstId, int lastId, int checkId);
    int GetCheckedRadioButton(int firstId, int lastId) const;

    // The font the window shows its text in; GetFont's object belongs to the window.
    void SetFont(CFont* font, BOOL redraw = TRUE);
    CFont* GetFont() const;
    // A client device context for drawing outside OnPaint; give it back with ReleaseDC.
    CDC* GetDC();
    int ReleaseDC(CDC* dc);

    CWnd* SetFocus();  // returns the window that had the focus
    static CWnd* GetFocus();
    // The top-level window the user works in; nullptr when it is none of the program's windows
    // (a message box, another program).
    static CWnd* GetActiveWindow();
    CWnd* SetCapture();
    static CWnd* GetCapture();

    void Invalidate(BOOL erase = TRUE);
    void InvalidateRect(LPCRECT rect, BOOL erase = TRUE);
    // Paints what is invalid now, also outside an event loop. A top-level window shown just
    // now is first let onto the screen. Meanwhile the window system's own events run: the
    // painting and sizing of every window, and the activation of the new window, which takes
    // the keyboard focus from the field that had it (its WM_KILLFOCUS, as when such a window
    // is shown on the desktop); so do the calls that Qt has queued. The user's input, timers
    // and posted messages wait for the message loop.
    void UpdateWindow();
    BOOL RedrawWindow(LPCRECT rect = nullptr, void* region = nullptr,
                      UINT flags = RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);

    // Window timers: OnTimer(id) every `elapse` ms until killed; setting an id again restarts it.
    UINT_PTR SetTimer(UINT_PTR id, UINT elapse, TIMERPROC proc = nullptr);
    BOOL KillTimer(UINT_PTR id);

    // Messages are delivered to WindowProc; posted ones after the current event, in order
    // (dropped if the window is gone by then). WM_COMMAND and WM_NOTIFY go through the
    // message map: a control's notification is first offered to the control itself
    // (reflected entries), then to this window's map.
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // Input messages for this window or its children before they are dispatched; TRUE
    // consumes the message (a consumed key-down also drops the character it would make).
    virtual BOOL PreTranslateMessage(MSG* msg);

    // Runs DoDataExchange; FALSE when a field was refused (its message shown, focus moved to it).
    // A window that reads past failed checks (below) always gets TRUE.
    BOOL UpdateData(BOOL saveAndValidate = TRUE);
    virtual void DoDataExchange(CDataExchange*) {}
    // True while UpdateData runs: the change notifications that filling the controls sends
    // are not the user's typing, and handlers that recompute a field ignore them.
    bool IsExchangingData() const { return m_exchangeDepth > 0; }

protected:
    // Whether reading the controls stops at the first field that fails its check (a dialog,
    // which stays open until the field is mended) or reads every other field, the failed one
    // keeping its member's value (a window saved whatever its fields hold). Going on, the
    // check's message is shown only when the user changed the field, once for each text that
    // fails; the field goes on showing that text until the user mends it.
    virtual BOOL StopsAtFailedCheck() const { return TRUE; }
    // Called when this wrapper is bound to an existing widget.
    virtual void PreSubclassWindow() {}
    // Called last in DestroyWindow; self-deleting windows delete themselves here.
    virtual void PostNcDestroy() {}
    // A child's WM_COMMAND or WM_NOTIFY offered to the child's own map first.
    virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
    // The widget's own handling of the message being handled (a key reaches the edit, a
    // click the button); handlers call it through the base class versions below.
    LRESULT Default();
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);

    // Window message handlers. The base versions do the widget's own handling.
    virtual int OnCreate(LPCREATESTRUCT createStruct);  // -1 refuses the creation
    virtual void OnDestroy();
    virtual void OnClose();  // default: DestroyWindow
    // A window that draws itself is asked to erase its background first; the widget has
    // already been filled with its background colour. TRUE: the handler did the erasing.
    virtual BOOL OnEraseBkgnd(CDC* dc);
    virtual void OnPaint();  // CPaintDC may be opened on the window only in here
    // Asked just before a dialog paints (CTLCOLOR_DLG, `window` the dialog itself) and before
    // one of its static texts, pictures or group boxes paints (CTLCOLOR_STATIC, asked of the
    // control's parent): a brush paints the window's background, and the text colour,
    // background mode and colour set on `dc` apply to the control's text. nullptr (the
    // default) leaves the usual look.
    virtual HBRUSH OnCtlColor(CDC* dc, CWnd* window, UINT ctlColor);
    virtual void OnSize(UINT type, int cx, int cy);
    virtual void OnTimer(UINT_PTR id);
    virtual void OnMouseMove(UINT flags, CPoint point);
    virtual void OnLButtonDown(UINT flags, CPoint point);
    virtual void OnLButtonUp(UINT flags, CPoint point);
    virtual void OnLButtonDblClk(UINT flags, CPoint point);
    virtual void OnRButtonDown(UINT flags, CPoint point);
    virtual void OnRButtonUp(UINT flags, CPoint point);
    virtual BOOL OnMouseWheel(UINT flags, short delta, CPoint screenPoint);
    virtual void OnKeyDown(UINT key, UINT repeat, UINT flags);
    virtual void OnKeyUp(UINT key, UINT repeat, UINT flags);
    virtual void OnChar(UINT ch, UINT repeat, UINT flags);  // ch: the Unicode code point
    virtual void OnSysKeyDown(UINT key, UINT repeat, UINT flags);
    virtual UINT OnGetDlgCode();
    // Called as the mouse moves over the window; TRUE when the handler set the cursor.
    virtual BOOL OnSetCursor(CWnd* window, UINT hitTest, UINT message);
    virtual void OnSetFocus(CWnd* oldWindow);
    virtual void OnKillFocus(CWnd* newWindow);
    virtual void OnCaptureChanged(CWnd* newCapture);
    virtual void OnVScroll(UINT code, UINT position, CWnd* scrollBar);
    virtual void OnHScroll(UINT code, UINT position, CWnd* scrollBar);

private:
    friend struct WndAccess;
    QWidget* m_widget = nullptr;  // the widget while this wrapper is bound to it
    int m_exchangeDepth = 0;
};

// Key state at the time of the message being handled: negative when the key is down.
SHORT GetKeyState(int virtualKey);
BOOL ReleaseCapture();
BOOL IsWindow(HWND window);
// The window class name, as for CWnd::GetWindowClassName; returns its length.
int GetClassName(HWND window, LPTSTR buffer, int maxCount);

// The application's main window: modal dialogs without a parent are centred on it and
// block it. The application object sets it.
CWnd* AfxGetMainWnd();
void AfxSetMainWnd(CWnd* window);
