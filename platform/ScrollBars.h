#pragma once
// The scroll bars of a self-drawn window, set by code as the system's window scroll bars are
// set: a range, a page and a 32-bit position per bar. They sit outside the client area, which
// shrinks when a bar is shown (the window gets WM_SIZE). The user's actions on a bar reach
// the window as WM_VSCROLL / WM_HSCROLL with the SB_ codes, and a bar only moves when the
// window sets its position.
#include <memory>

#include "Wnd.h"

// Bars.
constexpr int SB_HORZ = 0;
constexpr int SB_VERT = 1;
constexpr int SB_BOTH = 3;

// Scroll request codes of WM_HSCROLL / WM_VSCROLL (low word of wParam).
constexpr UINT SB_LINEUP = 0;
constexpr UINT SB_LINELEFT = 0;
constexpr UINT SB_LINEDOWN = 1;
constexpr UINT SB_LINERIGHT = 1;
constexpr UINT SB_PAGEUP = 2;
constexpr UINT SB_PAGELEFT = 2;
constexpr UINT SB_PAGEDOWN = 3;
constexpr UINT SB_PAGERIGHT = 3;
constexpr UINT SB_THUMBPOSITION = 4;
constexpr UINT SB_THUMBTRACK = 5;
constexpr UINT SB_TOP = 6;
constexpr UINT SB_LEFT = 6;
constexpr UINT SB_BOTTOM = 7;
constexpr UINT SB_RIGHT = 7;
constexpr UINT SB_ENDSCROLL = 8;

constexpr UINT SIF_RANGE = 0x0001;
constexpr UINT SIF_PAGE = 0x0002;
constexpr UINT SIF_POS = 0x0004;
constexpr UINT SIF_DISABLENOSCROLL = 0x0008;  // an unneeded bar stays, disabled
constexpr UINT SIF_TRACKPOS = 0x0010;
constexpr UINT SIF_ALL = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_TRACKPOS;

struct SCROLLINFO {
    UINT cbSize = sizeof(SCROLLINFO);
    UINT fMask = 0;
    int nMin = 0;
    int nMax = 0;
    UINT nPage = 0;
    int nPos = 0;
    int nTrackPos = 0;
};

class CWindowScrollBars {
public:
    // The window's own bars, taken over once the window exists.
    explicit CWindowScrollBars(CWnd* window);
    ~CWindowScrollBars();
    CWindowScrollBars(const CWindowScrollBars&) = delete;
    CWindowScrollBars& operator=(const CWindowScrollBars&) = delete;

    // A bar whose range leaves nothing to scroll (nMax <= nMin, or a page wider than the
    // range) is hidden, or shown disabled with SIF_DISABLENOSCROLL; otherwise it is shown.
    // The position is kept inside [nMin, nMax - nPage + 1].
    BOOL SetScrollInfo(int bar, const SCROLLINFO* info, BOOL redraw = TRUE);
    BOOL GetScrollInfo(int bar, SCROLLINFO* info, UINT mask = SIF_ALL) const;
    int GetScrollPos(int bar) const;
    int SetScrollPos(int bar, int pos, BOOL redraw = TRUE);  // returns the previous position
    void ShowScrollBar(int bar, BOOL show = TRUE);
    BOOL IsScrollBarVisible(int bar) const;
    BOOL IsScrollBarEnabled(int bar) const;
    // Brings the client area up to date with the window's size and bars while the window is
    // not shown yet (a shown window does so by itself).
    void UpdateClientArea();

private:
    struct Impl;
    std::unique_ptr<Impl> m_impl;
};
