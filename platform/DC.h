#pragma once
// Device contexts: where window code draws. Coordinates are logical units, pixels unless a
// mapping mode says otherwise; rectangles include left/top and exclude right/bottom.
//
// - CPaintDC: inside OnPaint, draws on the window. Whatever client DCs drew earlier inside
//   the area being painted is forgotten first, because OnPaint paints it afresh.
// - CClientDC / CWindowDC (and CWnd::GetDC): outside OnPaint. The drawing is kept on a
//   transparent layer over the window (below its child windows) and shown at once; it stays
//   until OnPaint repaints that area. During the paint of the window or one of its parents
//   it is clipped to the area being painted.
// - A screen DC (CClientDC(nullptr), CreateDC("DISPLAY")): measures text; what is drawn on
//   it lands on the active window's layers, in screen coordinates.
// - Memory DC (CreateCompatibleDC + SelectObject(CBitmap*)): draws into the bitmap.
// - Printer DC: made by the print loop (Printing.h); IsPrinting() is TRUE.
//
// The raster operations R2_NOT, R2_XORPEN and R2_NOTXORPEN, InvertRect and PatBlt DSTINVERT
// really combine with the pixels below on bitmaps and in OnPaint. On a client or screen DC
// the window's pixels are not readable, so the layer keeps such drawing as a separate mark
// that is combined by exclusive-or when shown, on top of the window and its children: drawn
// twice, it is gone again, as the track lines of dragged dividers expect.
#include <memory>

#include "CString.h"
#include "Gdi.h"
#include "Geometry.h"
#include "WinDefs.h"

class CWnd;

// ---- DrawText formats -----------------------------------------------------------------
constexpr UINT DT_TOP = 0x00000000;
constexpr UINT DT_LEFT = 0x00000000;
constexpr UINT DT_CENTER = 0x00000001;
constexpr UINT DT_RIGHT = 0x00000002;
constexpr UINT DT_VCENTER = 0x00000004;  // with DT_SINGLELINE only
constexpr UINT DT_BOTTOM = 0x00000008;   // with DT_SINGLELINE only
constexpr UINT DT_WORDBREAK = 0x00000010;
constexpr UINT DT_SINGLELINE = 0x00000020;
constexpr UINT DT_EXPANDTABS = 0x00000040;
constexpr UINT DT_NOCLIP = 0x00000100;
constexpr UINT DT_EXTERNALLEADING = 0x00000200;
constexpr UINT DT_CALCRECT = 0x00000400;
constexpr UINT DT_NOPREFIX = 0x00000800;
constexpr UINT DT_PATH_ELLIPSIS = 0x00004000;
constexpr UINT DT_END_ELLIPSIS = 0x00008000;
constexpr UINT DT_WORD_ELLIPSIS = 0x00040000;
constexpr UINT DT_HIDEPREFIX = 0x00100000;

// ---- TextOut alignment ----------------------------------------------------------------
constexpr UINT TA_LEFT = 0;
constexpr UINT TA_RIGHT = 2;
constexpr UINT TA_CENTER = 6;
constexpr UINT TA_TOP = 0;
constexpr UINT TA_BOTTOM = 8;
constexpr UINT TA_BASELINE = 24;

// ---- modes ----------------------------------------------------------------------------
constexpr int TRANSPARENT = 1;
constexpr int OPAQUE = 2;

constexpr int R2_BLACK = 1;
constexpr int R2_NOT = 6;
constexpr int R2_XORPEN = 7;
constexpr int R2_NOTXORPEN = 10;
constexpr int R2_NOP = 11;
constexpr int R2_COPYPEN = 13;
constexpr int R2_WHITE = 16;

constexpr int BLACKONWHITE = 1;
constexpr int WHITEONBLACK = 2;
constexpr int COLORONCOLOR = 3;
constexpr int HALFTONE = 4;

constexpr int MM_TEXT = 1;
constexpr int MM_ISOTROPIC = 7;
constexpr int MM_ANISOTROPIC = 8;

// ---- block transfers ------------------------------------------------------------------
constexpr DWORD SRCCOPY = 0x00CC0020;
constexpr DWORD SRCPAINT = 0x00EE0086;
constexpr DWORD SRCAND = 0x008800C6;
constexpr DWORD SRCINVERT = 0x00660046;
constexpr DWORD PATCOPY = 0x00F00021;
constexpr DWORD DSTINVERT = 0x00550009;
constexpr DWORD BLACKNESS = 0x00000042;
constexpr DWORD WHITENESS = 0x00FF0062;

// ---- edges and frame controls ---------------------------------------------------------
constexpr UINT BDR_RAISEDOUTER = 0x0001;
constexpr UINT BDR_SUNKENOUTER = 0x0002;
constexpr UINT BDR_RAISEDINNER = 0x0004;
constexpr UINT BDR_SUNKENINNER = 0x0008;
constexpr UINT BDR_OUTER = 0x0003;
constexpr UINT BDR_INNER = 0x000C;
constexpr UINT EDGE_RAISED = BDR_RAISEDOUTER | BDR_RAISEDINNER;
constexpr UINT EDGE_SUNKEN = BDR_SUNKENOUTER | BDR_SUNKENINNER;
constexpr UINT EDGE_ETCHED = BDR_SUNKENOUTER | BDR_RAISEDINNER;
constexpr UINT EDGE_BUMP = BDR_RAISEDOUTER | BDR_SUNKENINNER;

constexpr UINT BF_LEFT = 0x0001;
constexpr UINT BF_TOP = 0x0002;
constexpr UINT BF_RIGHT = 0x0004;
constexpr UINT BF_BOTTOM = 0x0008;
constexpr UINT BF_TOPLEFT = BF_TOP | BF_LEFT;
constexpr UINT BF_BOTTOMRIGHT = BF_BOTTOM | BF_RIGHT;
constexpr UINT BF_RECT = BF_LEFT | BF_TOP | BF_RIGHT | BF_BOTTOM;
constexpr UINT BF_MIDDLE = 0x0800;  // fill the inside with COLOR_3DFACE
constexpr UINT BF_SOFT = 0x1000;
constexpr UINT BF_ADJUST = 0x2000;  // shrink the rectangle by the edge drawn
constexpr UINT BF_FLAT = 0x4000;
constexpr UINT BF_MONO = 0x8000;

constexpr UINT DFC_SCROLL = 3;
constexpr UINT DFC_BUTTON = 4;
constexpr UINT DFCS_BUTTONCHECK = 0x0000;
constexpr UINT DFCS_BUTTONRADIO = 0x0004;
constexpr UINT DFCS_BUTTONPUSH = 0x0010;
constexpr UINT DFCS_SCROLLUP = 0x0000;
constexpr UINT DFCS_SCROLLDOWN = 0x0001;
constexpr UINT DFCS_SCROLLLEFT = 0x0002;
constexpr UINT DFCS_SCROLLRIGHT = 0x0003;
constexpr UINT DFCS_SCROLLCOMBOBOX = 0x0005;
constexpr UINT DFCS_INACTIVE = 0x0100;
constexpr UINT DFCS_PUSHED = 0x0200;
constexpr UINT DFCS_CHECKED = 0x0400;
constexpr UINT DFCS_FLAT = 0x4000;

// ---- device capabilities --------------------------------------------------------------
constexpr int HORZSIZE = 4;   // millimetres
constexpr int VERTSIZE = 6;
constexpr int HORZRES = 8;    // pixels
constexpr int VERTRES = 10;
constexpr int BITSPIXEL = 12;
constexpr int PLANES = 14;
constexpr int NUMCOLORS = 24;  // -1 for more than 256 colours, 2 when printing in grey
constexpr int RASTERCAPS = 38;
constexpr int LOGPIXELSX = 88;
constexpr int LOGPIXELSY = 90;
constexpr int PHYSICALWIDTH = 110;
constexpr int PHYSICALHEIGHT = 111;
constexpr int PHYSICALOFFSETX = 112;
constexpr int PHYSICALOFFSETY = 113;
constexpr int RC_BITBLT = 0x0001;
constexpr int RC_STRETCHBLT = 0x0800;

// Kinds of clip area of GetClipBox.
constexpr int RGN_ERROR = 0;
constexpr int NULLREGION = 1;
constexpr int SIMPLEREGION = 2;
constexpr int COMPLEXREGION = 3;

struct PAINTSTRUCT {
    BOOL fErase = FALSE;
    CRect rcPaint;  // the area being painted, client pixels
};

class CDC {
public:
    CDC();
    virtual ~CDC();
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;

    // A memory DC that draws into the bitmap selected into it (nothing before that).
    BOOL CreateCompatibleDC(CDC* dc);
    // "DISPLAY" gives a screen DC; other devices are not available (FALSE).
    BOOL CreateDC(LPCTSTR driver, LPCTSTR device, LPCTSTR output, const void* initData);
    BOOL DeleteDC();
    // Non-null while the DC has a device to draw on or to measure with.
    const void* GetSafeHdc() const;
    BOOL IsPrinting() const;

    // Colours, modes, selected objects, mapping, clip and position; RestoreDC(-1) goes back
    // to the last SaveDC, RestoreDC(n) to the state SaveDC returned n for.
    int SaveDC();
    BOOL RestoreDC(int savedDC);

    // Each returns the object selected before, nullptr when `object` holds nothing.
    CFont* SelectObject(CFont* font);
    CBrush* SelectObject(CBrush* brush);
    CPen* SelectObject(CPen* pen);
    CBitmap* SelectObject(CBitmap* bitmap);
    CGdiObject* SelectObject(CGdiObject* object);
    CGdiObject* SelectStockObject(int index);
    CFont* GetCurrentFont() const;
    CBrush* GetCurrentBrush() const;
    CPen* GetCurrentPen() const;
    CBitmap* GetCurrentBitmap() const;

    COLORREF SetTextColor(COLORREF colour);
    COLORREF GetTextColor() const;
    COLORREF SetBkColor(COLORREF colour);
    COLORREF GetBkColor() const;
    int SetBkMode(int mode);
    int GetBkMode() const;
    int SetROP2(int mode);
    int GetROP2() const;
    int SetStretchBltMode(int mode);
    int GetStretchBltMode() const;
    UINT SetTextAlign(UINT flags);
    UINT GetTextAlign() const;

    // device = (logical - window origin) * viewport extent / window extent + viewport origin;
    // the extents count only in MM_ANISOTROPIC and MM_ISOTROPIC.
    int SetMapMode(int mode);
    int GetMapMode() const;
    CPoint SetWindowOrg(int x, int y);
    CPoint SetWindowOrg(CPoint point) { return SetWindowOrg(point.x, point.y); }
    CPoint OffsetWindowOrg(int dx, int dy);
    CPoint GetWindowOrg() const;
    CPoint SetViewportOrg(int x, int y);
    CPoint SetViewportOrg(CPoint point) { return SetViewportOrg(point.x, point.y); }
    CPoint OffsetViewportOrg(int dx, int dy);
    CPoint GetViewportOrg() const;
    CSize SetWindowExt(int cx, int cy);
    CSize SetWindowExt(CSize size) { return SetWindowExt(size.cx, size.cy); }
    CSize GetWindowExt() const;
    CSize SetViewportExt(int cx, int cy);
    CSize SetViewportExt(CSize size) { return SetViewportExt(size.cx, size.cy); }
    CSize GetViewportExt() const;
    void LPtoDP(CPoint* points, int count = 1) const;
    void LPtoDP(CRect* rect) const;
    void DPtoLP(CPoint* points, int count = 1) const;
    void DPtoLP(CRect* rect) const;

    // The smallest rectangle around the area drawing can reach, in logical units.
    int GetClipBox(CRect* rect) const;
    int IntersectClipRect(int left, int top, int right, int bottom);
    int IntersectClipRect(const CRect& rect) { return IntersectClipRect(rect.left, rect.top, rect.right, rect.bottom); }
    BOOL RectVisible(const CRect& rect) const;

    CPoint MoveTo(int x, int y);
    CPoint MoveTo(CPoint point) { return MoveTo(point.x, point.y); }
    // Draws up to, not including, the end point, which becomes the current position.
    BOOL LineTo(int x, int y);
    BOOL LineTo(CPoint point) { return LineTo(point.x, point.y); }
    CPoint GetCurrentPosition() const;
    // Outline with the pen, inside with the brush.
    BOOL Rectangle(int left, int top, int right, int bottom);
    BOOL Rectangle(const CRect& rect) { return Rectangle(rect.left, rect.top, rect.right, rect.bottom); }
    void FillRect(const CRect* rect, CBrush* brush);
    // Also makes the colour the background colour, as the system's own call does.
    void FillSolidRect(const CRect* rect, COLORREF colour);
    void FillSolidRect(int x, int y, int cx, int cy, COLORREF colour);
    void FrameRect(const CRect* rect, CBrush* brush);
    void InvertRect(const CRect* rect);
    // Top and left lines in one colour, bottom and right in the other, one pixel wide.
    void Draw3dRect(const CRect* rect, COLORREF topLeft, COLORREF bottomRight);
    void Draw3dRect(int x, int y, int cx, int cy, COLORREF topLeft, COLORREF bottomRight);
    BOOL DrawEdge(CRect* rect, UINT edge, UINT flags);
    BOOL DrawFrameControl(CRect* rect, UINT type, UINT state);
    COLORREF SetPixel(int x, int y, COLORREF colour);
    // The colour of a pixel of a memory or paint DC; CLR_INVALID elsewhere.
    COLORREF GetPixel(int x, int y) const;

    BOOL BitBlt(int x, int y, int width, int height, CDC* source, int xSource, int ySource, DWORD rop);
    BOOL StretchBlt(int x, int y, int width, int height, CDC* source, int xSource, int ySource, int sourceWidth,
                    int sourceHeight, DWORD rop);
    BOOL PatBlt(int x, int y, int width, int height, DWORD rop);

    // Text at (x, y) per the text alignment; no prefix or line processing.
    BOOL TextOut(int x, int y, const CString& text);
    BOOL TextOut(int x, int y, LPCTSTR text, int count);
    // Returns the height of the text (with DT_VCENTER/DT_BOTTOM the offset from the top to
    // its bottom); with DT_CALCRECT draws nothing and sets rect's right and bottom to fit.
    int DrawText(const CString& text, CRect* rect, UINT format);
    int DrawText(LPCTSTR text, int count, CRect* rect, UINT format);
    CSize GetTextExtent(const CString& text) const;
    CSize GetTextExtent(LPCTSTR text, int count) const;
    CSize GetOutputTextExtent(const CString& text) const { return GetTextExtent(text); }
    BOOL GetTextMetrics(TEXTMETRIC* metrics) const;
    BOOL GetOutputTextMetrics(TEXTMETRIC* metrics) const { return GetTextMetrics(metrics); }

    int GetDeviceCaps(int index) const;

    struct Impl;

protected:
    std::unique_ptr<Impl> m_impl;

    friend Impl* ImplOf(CDC* dc);
};

class CPaintDC : public CDC {
public:
    explicit CPaintDC(CWnd* wnd);
    ~CPaintDC() override;

    PAINTSTRUCT m_ps;
    HWND m_hWnd = nullptr;
};

// nullptr gives a screen DC.
class CClientDC : public CDC {
public:
    explicit CClientDC(CWnd* wnd);
    ~CClientDC() override;

    HWND m_hWnd = nullptr;
};

// The window's frame belongs to the desktop here, so this is the client DC.
class CWindowDC : public CClientDC {
public:
    explicit CWindowDC(CWnd* wnd) : CClientDC(wnd) {}
};
