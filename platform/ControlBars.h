#pragma once
// The bars of a frame: the toolbar (command buttons with tooltips and status bar prompts)
// and the status bar (a message pane and key indicators). Both are children of the frame,
// send their commands to it and are brought up to date when the program is idle: a
// button is enabled when the route of its command answers so (or, without an update
// handler, when someone handles the command); an indicator shows its text when enabled.
#include <vector>

#include "CommandIds.h"
#include "Wnd.h"

class CFrameWnd;

// Control bar styles.
constexpr DWORD CBRS_ALIGN_LEFT = 0x1000;
constexpr DWORD CBRS_ALIGN_TOP = 0x2000;
constexpr DWORD CBRS_ALIGN_RIGHT = 0x4000;
constexpr DWORD CBRS_ALIGN_BOTTOM = 0x8000;
constexpr DWORD CBRS_ALIGN_ANY = 0xF000;
constexpr DWORD CBRS_BORDER_TOP = 0x0200;
constexpr DWORD CBRS_BORDER_BOTTOM = 0x0800;
constexpr DWORD CBRS_TOOLTIPS = 0x0010;  // buttons show their tooltips
constexpr DWORD CBRS_FLYBY = 0x0020;     // the status bar shows the prompt of the button under the mouse
constexpr DWORD CBRS_SIZE_DYNAMIC = 0x0004;
constexpr DWORD CBRS_GRIPPER = 0x00400000;
constexpr DWORD CBRS_TOP = CBRS_ALIGN_TOP | CBRS_BORDER_BOTTOM;
constexpr DWORD CBRS_BOTTOM = CBRS_ALIGN_BOTTOM | CBRS_BORDER_TOP;

// Toolbar control style: flat buttons (the only look here).
constexpr DWORD TBSTYLE_FLAT = 0x0800;

// Status bar pane styles.
constexpr UINT SBPS_NORMAL = 0x0000;
constexpr UINT SBPS_NOBORDERS = 0x0100;
constexpr UINT SBPS_POPOUT = 0x0200;
constexpr UINT SBPS_DISABLED = 0x04000000;  // the text is not shown
constexpr UINT SBPS_STRETCH = 0x08000000;

class CControlBar : public CWnd {
    DECLARE_DYNAMIC(CControlBar)
public:
    DWORD GetBarStyle() const { return m_dwStyle; }
    void SetBarStyle(DWORD style);
    // The sides (CBRS_ALIGN_...) the user may dock the bar on; 0 keeps it where it is.
    void EnableDocking(DWORD dockStyle);
    CFrameWnd* GetDockingFrame() const;
    // Brings the bar's items up to date through the frame's command route.
    virtual void OnUpdateCmdUI(CFrameWnd* target, BOOL disableIfNoHandler) = 0;

    BOOL m_bAutoDelete = FALSE;  // delete the object when its window is destroyed

protected:
    // Makes the bar's window on `widget` in the frame `parent`.
    BOOL CreateBar(CWnd* parent, QWidget* widget, const char* className, DWORD style, UINT id);
    void OnDestroy() override;
    void PostNcDestroy() override;

    DWORD m_dwStyle = 0;
};

class CToolBar : public CControlBar {
    DECLARE_DYNAMIC(CToolBar)
public:
    BOOL Create(CWnd* parent, DWORD style = WS_CHILD | WS_VISIBLE | CBRS_TOP, UINT id = AFX_IDW_TOOLBAR);
    BOOL CreateEx(CWnd* parent, DWORD controlStyle = TBSTYLE_FLAT,
                  DWORD style = WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP, CRect borders = CRect(0, 0, 0, 0),
                  UINT id = AFX_IDW_TOOLBAR);
    // The buttons of the toolbar resource, with their images; FALSE when there is no such toolbar.
    BOOL LoadToolBar(UINT id);
    // Buttons for the commands (ID_SEPARATOR: a gap), with placeholder images.
    BOOL SetButtons(const UINT* ids, int count);

    int GetCount() const;
    UINT GetItemID(int index) const;  // ID_SEPARATOR for a gap
    int CommandToIndex(UINT id) const;  // -1 when no button has the command
    void GetItemRect(int index, LPRECT rect) const;
    CString GetButtonToolTip(int index) const;  // what the button shows as its tooltip
    BOOL IsButtonEnabled(int index) const;

    void OnUpdateCmdUI(CFrameWnd* target, BOOL disableIfNoHandler) override;

    // ---- test seams ----
    // What a click on the button does; FALSE for a disabled button or a gap.
    BOOL PressButton(int index);
    // The mouse comes to rest on the button (its prompt goes to the status bar).
    void HoverButton(int index);

private:
    BOOL MakeButtons(const std::vector<UINT>& ids, CSize imageSize, UINT bitmapId);
};

class CStatusBar : public CControlBar {
    DECLARE_DYNAMIC(CStatusBar)
public:
    BOOL Create(CWnd* parent, DWORD style = WS_CHILD | WS_VISIBLE | CBRS_BOTTOM, UINT id = AFX_IDW_STATUS_BAR);
    // One pane per id: ID_SEPARATOR is the message pane (stretching); an indicator shows the
    // string with its id ("CAP", "NUM", "SCRL" for the key indicators when the table has none).
    BOOL SetIndicators(const UINT* ids, int count);

    int GetCount() const;
    UINT GetItemID(int index) const;
    int CommandToIndex(UINT id) const;
    BOOL SetPaneText(int index, LPCTSTR text, BOOL update = TRUE);
    CString GetPaneText(int index) const;
    void GetPaneInfo(int index, UINT& id, UINT& style, int& width) const;
    void SetPaneInfo(int index, UINT id, UINT style, int width);
    // The text the pane shows: empty while disabled.
    CString GetShownPaneText(int index) const;

    void OnUpdateCmdUI(CFrameWnd* target, BOOL disableIfNoHandler) override;
};
