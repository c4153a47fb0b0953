#pragma once
// What the desktop says about itself: system colours and metrics, the message font, the
// wheel and double-click settings, the clock, and the mouse cursor. Colours follow the
// application palette, sizes the application style.
#include "Gdi.h"
#include "WinDefs.h"

// ---- colours --------------------------------------------------------------------------
constexpr int COLOR_SCROLLBAR = 0;
constexpr int COLOR_BACKGROUND = 1;
constexpr int COLOR_ACTIVECAPTION = 2;
constexpr int COLOR_INACTIVECAPTION = 3;
constexpr int COLOR_MENU = 4;
constexpr int COLOR_WINDOW = 5;
constexpr int COLOR_WINDOWFRAME = 6;
constexpr int COLOR_MENUTEXT = 7;
constexpr int COLOR_WINDOWTEXT = 8;
constexpr int COLOR_CAPTIONTEXT = 9;
constexpr int COLOR_ACTIVEBORDER = 10;
constexpr int COLOR_INACTIVEBORDER = 11;
constexpr int COLOR_APPWORKSPACE = 12;
constexpr int COLOR_HIGHLIGHT = 13;
constexpr int COLOR_HIGHLIGHTTEXT = 14;
constexpr int COLOR_BTNFACE = 15;
constexpr int COLOR_BTNSHADOW = 16;
constexpr int COLOR_GRAYTEXT = 17;
constexpr int COLOR_BTNTEXT = 18;
constexpr int COLOR_INACTIVECAPTIONTEXT = 19;
constexpr int COLOR_BTNHIGHLIGHT = 20;
constexpr int COLOR_3DDKSHADOW = 21;
constexpr int COLOR_3DLIGHT = 22;
constexpr int COLOR_INFOTEXT = 23;
constexpr int COLOR_INFOBK = 24;
constexpr int COLOR_HOTLIGHT = 26;
constexpr int COLOR_3DFACE = COLOR_BTNFACE;
constexpr int COLOR_3DSHADOW = COLOR_BTNSHADOW;
constexpr int COLOR_3DHIGHLIGHT = COLOR_BTNHIGHLIGHT;
constexpr int COLOR_3DHILIGHT = COLOR_BTNHIGHLIGHT;
constexpr int COLOR_BTNHILIGHT = COLOR_BTNHIGHLIGHT;

constexpr COLORREF CLR_INVALID = 0xFFFFFFFF;

COLORREF GetSysColor(int index);
// A solid brush of the system colour, owned by the layer (never delete it).
HBRUSH GetSysColorBrush(int index);

// ---- metrics --------------------------------------------------------------------------
constexpr int SM_CXSCREEN = 0;
constexpr int SM_CYSCREEN = 1;
constexpr int SM_CXVSCROLL = 2;
constexpr int SM_CYHSCROLL = 3;
constexpr int SM_CYCAPTION = 4;
constexpr int SM_CXBORDER = 5;
constexpr int SM_CYBORDER = 6;
constexpr int SM_CXDLGFRAME = 7;
constexpr int SM_CYDLGFRAME = 8;
constexpr int SM_CYVTHUMB = 9;
constexpr int SM_CXHTHUMB = 10;
constexpr int SM_CXICON = 11;
constexpr int SM_CYICON = 12;
constexpr int SM_CXCURSOR = 13;
constexpr int SM_CYCURSOR = 14;
constexpr int SM_CYMENU = 15;
constexpr int SM_CXFULLSCREEN = 16;
constexpr int SM_CYFULLSCREEN = 17;
constexpr int SM_CYVSCROLL = 20;
constexpr int SM_CXHSCROLL = 21;
constexpr int SM_SWAPBUTTON = 23;
constexpr int SM_CXMIN = 28;
constexpr int SM_CYMIN = 29;
constexpr int SM_CXSIZEFRAME = 32;
constexpr int SM_CYSIZEFRAME = 33;
constexpr int SM_CXFRAME = SM_CXSIZEFRAME;
constexpr int SM_CYFRAME = SM_CYSIZEFRAME;
constexpr int SM_CXDOUBLECLK = 36;
constexpr int SM_CYDOUBLECLK = 37;
constexpr int SM_CMOUSEBUTTONS = 43;
constexpr int SM_CXEDGE = 45;
constexpr int SM_CYEDGE = 46;
constexpr int SM_CXSMICON = 49;
constexpr int SM_CYSMICON = 50;
constexpr int SM_CXDRAG = 68;
constexpr int SM_CYDRAG = 69;
constexpr int SM_MOUSEWHEELPRESENT = 75;

// 0 for a metric the desktop does not have.
int GetSystemMetrics(int index);

// ---- system parameters ----------------------------------------------------------------
struct NONCLIENTMETRICS {
    UINT cbSize = sizeof(NONCLIENTMETRICS);
    int iBorderWidth = 0;
    int iScrollWidth = 0;
    int iScrollHeight = 0;
    int iCaptionWidth = 0;
    int iCaptionHeight = 0;
    LOGFONT lfCaptionFont;
    int iSmCaptionWidth = 0;
    int iSmCaptionHeight = 0;
    LOGFONT lfSmCaptionFont;
    int iMenuWidth = 0;
    int iMenuHeight = 0;
    LOGFONT lfMenuFont;
    LOGFONT lfStatusFont;
    LOGFONT lfMessageFont;
};

constexpr UINT SPI_GETICONTITLELOGFONT = 0x001F;
constexpr UINT SPI_GETNONCLIENTMETRICS = 0x0029;
constexpr UINT SPI_GETWORKAREA = 0x0030;
constexpr UINT SPI_GETWHEELSCROLLLINES = 0x0068;

// SPI_GETNONCLIENTMETRICS fills a NONCLIENTMETRICS (every font is the application's font),
// SPI_GETICONTITLELOGFONT a LOGFONT, SPI_GETWORKAREA a CRect (the available screen area),
// SPI_GETWHEELSCROLLLINES an UINT (lines per wheel notch, 3 unless the desktop says
// otherwise). FALSE for other actions or a null buffer.
BOOL SystemParametersInfo(UINT action, UINT param, void* buffer, UINT winIni);

UINT GetDoubleClickTime();
// Milliseconds since an arbitrary start, wrapping after 49.7 days.
DWORD GetTickCount();
// Average character width (low word) and height (high word) of the dialog font.
LONG GetDialogBaseUnits();

// ---- cursors --------------------------------------------------------------------------
struct CursorShape;
using HCURSOR = const CursorShape*;

constexpr int IDC_ARROW = 32512;
constexpr int IDC_IBEAM = 32513;
constexpr int IDC_WAIT = 32514;
constexpr int IDC_CROSS = 32515;
constexpr int IDC_UPARROW = 32516;
constexpr int IDC_SIZENWSE = 32642;
constexpr int IDC_SIZENESW = 32643;
constexpr int IDC_SIZEWE = 32644;
constexpr int IDC_SIZENS = 32645;
constexpr int IDC_SIZEALL = 32646;
constexpr int IDC_NO = 32648;
constexpr int IDC_HAND = 32649;  // the desktop's pointing hand
constexpr int IDC_APPSTARTING = 32650;
constexpr int IDC_HELP = 32651;

// A standard cursor by IDC_ value; the program has no cursor resources of its own, so the
// instance argument is ignored. nullptr for an unknown id.
HCURSOR LoadCursor(const void* instance, int cursorId);
HCURSOR LoadStandardCursor(int cursorId);
// Shows the cursor over the window under the mouse (the window holding the mouse capture
// first) and returns the previous one.
HCURSOR SetCursor(HCURSOR cursor);
HCURSOR GetCursor();

BOOL GetCursorPos(CPoint* point);  // screen pixels
BOOL SetCursorPos(int x, int y);
// Keeps the mouse inside a screen rectangle until called with nullptr. The desktop offers
// no such confinement; the layer pulls the pointer back and clamps the positions it
// reports while the rectangle is set.
BOOL ClipCursor(const CRect* rect);
BOOL GetClipCursor(CRect* rect);
