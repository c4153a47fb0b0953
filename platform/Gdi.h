#pragma once
// Drawing objects: fonts, brushes, pens and bitmaps, created and selected into device
// contexts (DC.h) the way window code expects. Sizes are in pixels.
#include <memory>

#include "CString.h"
#include "Geometry.h"
#include "WinDefs.h"

// Handles name an object without owning it; they stay valid while the object lives.
struct GdiObjectData;
using HGDIOBJ = GdiObjectData*;
using HFONT = GdiObjectData*;
using HBRUSH = GdiObjectData*;
using HPEN = GdiObjectData*;
using HBITMAP = GdiObjectData*;

// ---- fonts ----------------------------------------------------------------------------
constexpr int LF_FACESIZE = 32;

// lfHeight < 0: the character height in pixels; > 0: the cell height (character height plus
// internal leading); 0: the default size. lfEscapement in tenths of a degree, counterclockwise.
// lfFaceName holds UTF-8.
struct LOGFONT {
    LONG lfHeight = 0;
    LONG lfWidth = 0;
    LONG lfEscapement = 0;
    LONG lfOrientation = 0;
    LONG lfWeight = 0;
    BYTE lfItalic = 0;
    BYTE lfUnderline = 0;
    BYTE lfStrikeOut = 0;
    BYTE lfCharSet = 0;
    BYTE lfOutPrecision = 0;
    BYTE lfClipPrecision = 0;
    BYTE lfQuality = 0;
    BYTE lfPitchAndFamily = 0;
    char lfFaceName[LF_FACESIZE] = {};
};
using LPLOGFONT = LOGFONT*;

constexpr LONG FW_DONTCARE = 0;
constexpr LONG FW_THIN = 100;
constexpr LONG FW_LIGHT = 300;
constexpr LONG FW_NORMAL = 400;
constexpr LONG FW_MEDIUM = 500;
constexpr LONG FW_SEMIBOLD = 600;
constexpr LONG FW_BOLD = 700;
constexpr LONG FW_HEAVY = 900;

constexpr BYTE ANSI_CHARSET = 0;
constexpr BYTE DEFAULT_CHARSET = 1;
constexpr BYTE RUSSIAN_CHARSET = 204;
constexpr BYTE OUT_DEFAULT_PRECIS = 0;
constexpr BYTE OUT_CHARACTER_PRECIS = 2;
constexpr BYTE CLIP_DEFAULT_PRECIS = 0;
constexpr BYTE CLIP_CHARACTER_PRECIS = 1;
constexpr BYTE DEFAULT_QUALITY = 0;
constexpr BYTE ANTIALIASED_QUALITY = 4;
constexpr BYTE DEFAULT_PITCH = 0;
constexpr BYTE FIXED_PITCH = 1;
constexpr BYTE VARIABLE_PITCH = 2;
constexpr BYTE FF_DONTCARE = 0x00;
constexpr BYTE FF_ROMAN = 0x10;
constexpr BYTE FF_SWISS = 0x20;
constexpr BYTE FF_MODERN = 0x30;

struct TEXTMETRIC {
    LONG tmHeight = 0;
    LONG tmAscent = 0;
    LONG tmDescent = 0;
    LONG tmInternalLeading = 0;
    LONG tmExternalLeading = 0;
    LONG tmAveCharWidth = 0;
    LONG tmMaxCharWidth = 0;
    LONG tmWeight = 0;
    LONG tmOverhang = 0;
    LONG tmDigitizedAspectX = 0;
    LONG tmDigitizedAspectY = 0;
    char32_t tmFirstChar = 0;
    char32_t tmLastChar = 0;
    char32_t tmDefaultChar = 0;
    char32_t tmBreakChar = 0;
    BYTE tmItalic = 0;
    BYTE tmUnderlined = 0;
    BYTE tmStruckOut = 0;
    BYTE tmPitchAndFamily = 0;
    BYTE tmCharSet = 0;
};
using LPTEXTMETRIC = TEXTMETRIC*;

// tmPitchAndFamily bits; TMPF_FIXED_PITCH set means a variable-pitch font.
constexpr BYTE TMPF_FIXED_PITCH = 0x01;
constexpr BYTE TMPF_VECTOR = 0x02;
constexpr BYTE TMPF_TRUETYPE = 0x04;

// ---- pens and brushes -----------------------------------------------------------------
constexpr int PS_SOLID = 0;
constexpr int PS_DASH = 1;
constexpr int PS_DOT = 2;
constexpr int PS_DASHDOT = 3;
constexpr int PS_DASHDOTDOT = 4;
constexpr int PS_NULL = 5;
constexpr int PS_INSIDEFRAME = 6;

constexpr UINT BS_SOLID = 0;
constexpr UINT BS_NULL = 1;
constexpr UINT BS_HOLLOW = BS_NULL;

struct LOGPEN {
    UINT lopnStyle = PS_SOLID;
    CPoint lopnWidth;  // x is the width
    COLORREF lopnColor = 0;
};
struct LOGBRUSH {
    UINT lbStyle = BS_SOLID;
    COLORREF lbColor = 0;
    std::uintptr_t lbHatch = 0;
};

// ---- bitmaps --------------------------------------------------------------------------
struct BITMAP {
    LONG bmType = 0;
    LONG bmWidth = 0;
    LONG bmHeight = 0;
    LONG bmWidthBytes = 0;
    WORD bmPlanes = 1;
    WORD bmBitsPixel = 32;
    void* bmBits = nullptr;
};

// ---- stock objects --------------------------------------------------------------------
constexpr int WHITE_BRUSH = 0;
constexpr int LTGRAY_BRUSH = 1;
constexpr int GRAY_BRUSH = 2;
constexpr int DKGRAY_BRUSH = 3;
constexpr int BLACK_BRUSH = 4;
constexpr int NULL_BRUSH = 5;
constexpr int HOLLOW_BRUSH = NULL_BRUSH;
constexpr int WHITE_PEN = 6;
constexpr int BLACK_PEN = 7;
constexpr int NULL_PEN = 8;
constexpr int ANSI_FIXED_FONT = 11;
constexpr int ANSI_VAR_FONT = 12;
constexpr int SYSTEM_FONT = 13;
constexpr int DEVICE_DEFAULT_FONT = 14;
constexpr int SYSTEM_FIXED_FONT = 16;
constexpr int DEFAULT_GUI_FONT = 17;

// Object types of GetObjectType.
constexpr DWORD OBJ_PEN = 1;
constexpr DWORD OBJ_BRUSH = 2;
constexpr DWORD OBJ_FONT = 6;
constexpr DWORD OBJ_BITMAP = 7;

// The handle of a stock object; it lives for the whole run.
HGDIOBJ GetStockObject(int index);

class CDC;
class CGdiObject;

// ---- the object classes ---------------------------------------------------------------
// An object owns its picture, font or colour; copying is not allowed (as with the system's
// objects), moving is. Deleting an object that a device context still has selected is safe:
// the context keeps what it draws with until something else is selected.
class CGdiObject {
public:
    CGdiObject() = default;
    virtual ~CGdiObject();
    CGdiObject(const CGdiObject&) = delete;
    CGdiObject& operator=(const CGdiObject&) = delete;
    CGdiObject(CGdiObject&& other) noexcept;
    CGdiObject& operator=(CGdiObject&& other) noexcept;

    HGDIOBJ GetSafeHandle() const { return m_hObject; }
    operator HGDIOBJ() const { return m_hObject; }  // NOLINT: handle conversion as in window code
    BOOL DeleteObject();
    BOOL CreateStockObject(int index);
    // Fills a LOGFONT, LOGPEN, LOGBRUSH or BITMAP by the object's kind; returns the bytes
    // written, 0 when there is no object or the buffer is too small.
    int GetObject(int bufferSize, void* buffer) const;
    DWORD GetObjectType() const;

    // The object behind a handle (stock objects included); nullptr for null.
    static CGdiObject* FromHandle(HGDIOBJ handle);

    HGDIOBJ m_hObject = nullptr;  // read-only: equals GetSafeHandle()

protected:
    void Adopt(std::shared_ptr<GdiObjectData> data);
    std::shared_ptr<GdiObjectData> m_data;

    friend struct GdiObjectAccess;
};

class CFont : public CGdiObject {
public:
    BOOL CreateFontIndirect(const LOGFONT* logFont);
    BOOL CreateFont(int height, int width, int escapement, int orientation, int weight, BYTE italic, BYTE underline,
                    BYTE strikeOut, BYTE charSet, BYTE outPrecision, BYTE clipPrecision, BYTE quality,
                    BYTE pitchAndFamily, LPCTSTR faceName);
    // pointSize in tenths of a point, converted with the vertical resolution of dc (the
    // screen when null).
    BOOL CreatePointFont(int pointSize, LPCTSTR faceName, CDC* dc = nullptr);
    BOOL CreatePointFontIndirect(const LOGFONT* logFont, CDC* dc = nullptr);  // lfHeight in tenths of a point
    int GetLogFont(LOGFONT* logFont) const;
    operator HFONT() const { return m_hObject; }  // NOLINT
    static CFont* FromHandle(HFONT handle);
};

class CBrush : public CGdiObject {
public:
    CBrush() = default;
    explicit CBrush(COLORREF colour) { CreateSolidBrush(colour); }
    BOOL CreateSolidBrush(COLORREF colour);
    BOOL CreateSysColorBrush(int index);
    int GetLogBrush(LOGBRUSH* logBrush) const;
    operator HBRUSH() const { return m_hObject; }  // NOLINT
    static CBrush* FromHandle(HBRUSH handle);
};

class CPen : public CGdiObject {
public:
    CPen() = default;
    CPen(int style, int width, COLORREF colour) { CreatePen(style, width, colour); }
    // Width 0 draws one device pixel whatever the mapping; a larger width is in logical units.
    BOOL CreatePen(int style, int width, COLORREF colour);
    int GetLogPen(LOGPEN* logPen) const;
    operator HPEN() const { return m_hObject; }  // NOLINT
    static CPen* FromHandle(HPEN handle);
};

// Bitmap resources are the pictures res/bitmaps/<id>.png (or .bmp) of the repository,
// compiled into the program.
class CBitmap : public CGdiObject {
public:
    BOOL LoadBitmap(UINT resourceId);
    BOOL CreateCompatibleBitmap(CDC* dc, int width, int height);  // opaque black
    int GetBitmap(BITMAP* info) const;  // bmWidth, bmHeight in pixels
    operator HBITMAP() const { return m_hObject; }  // NOLINT
    static CBitmap* FromHandle(HBITMAP handle);
};
