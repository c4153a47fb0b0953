#pragma once
// A tooltip window. Tools are windows (with an id) that it shows a text for: a tracking tool
// is shown and placed by the program (TrackActivate, TrackPosition); any other tool shows
// its tip when the mouse rests over it, as the messages passed to RelayEvent tell.
#include "Wnd.h"

constexpr DWORD TTS_ALWAYSTIP = 0x01;
constexpr DWORD TTS_NOPREFIX = 0x02;

constexpr UINT TTF_IDISHWND = 0x0001;
constexpr UINT TTF_SUBCLASS = 0x0010;
constexpr UINT TTF_TRACK = 0x0020;
constexpr UINT TTF_ABSOLUTE = 0x0080;
constexpr UINT TTF_TRANSPARENT = 0x0100;

class CToolTipCtrl : public CWnd {
    DECLARE_DYNAMIC(CToolTipCtrl)
public:
    // A top-level tip window owned by `parent` (it gets WS_POPUP and WS_BORDER).
    BOOL Create(CWnd* parent, DWORD style = 0);

    // `rect` (client coordinates of `window`) limits where hovering shows the tip; all of
    // the window when null.
    BOOL AddTool(CWnd* window, LPCTSTR text, LPCRECT rect = nullptr, UINT_PTR toolId = 0, UINT flags = 0);
    void DelTool(CWnd* window, UINT_PTR toolId = 0);
    void UpdateTipText(LPCTSTR text, CWnd* window, UINT_PTR toolId = 0);
    int GetToolCount() const;

    void SetTipBkColor(COLORREF colour);
    void SetTipTextColor(COLORREF colour);
    COLORREF GetTipBkColor() const;
    COLORREF GetTipTextColor() const;
    int SetMaxTipWidth(int width);  // pixels; longer texts wrap
    void SetMargin(LPCRECT margins);  // added to the normal margins

    // Switches the hover tips on or off (tracking tips are not affected).
    void Activate(BOOL activate);
    // Places and shows or hides the tip of a tracking tool; the position is on the screen.
    void TrackPosition(int x, int y);
    void TrackActivate(BOOL activate, CWnd* window, UINT_PTR toolId = 0);
    // Passes a mouse message of a tool window: resting shows the tip, a click or leaving hides it.
    void RelayEvent(LPMSG msg);
    void Pop();  // hides the tip
    BOOL IsTipShown() const;
    CString GetShownText() const;
};
