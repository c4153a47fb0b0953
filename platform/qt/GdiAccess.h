#pragma once
// Private bridge between the drawing objects and Qt, for code inside platform/ only: the
// window wrappers reach the QFont, QPixmap, QBrush and cursor inside the GDI-style objects,
// and the device contexts reach the painter.
#include <memory>

#include <QBrush>
#include <QColor>
#include <QCursor>
#include <QFont>
#include <QImage>
#include <QPixmap>
#include <QString>

#include "platform/Gdi.h"
#include "platform/SystemInfo.h"

class QPainter;
class QPagedPaintDevice;
class QWidget;
class CDC;

// ---- text -------------------------------------------------------------------------------
inline QString ToQString(const CString& text) { return QString::fromUtf8(text.GetString(), text.ByteLength()); }
inline QString ToQString(const char* text) { return QString::fromUtf8(text ? text : ""); }
inline CString FromQString(const QString& text) { return CString(text.toUtf8().toStdString()); }

// ---- colours ----------------------------------------------------------------------------
inline QColor ToQColor(COLORREF colour) { return QColor(GetRValue(colour), GetGValue(colour), GetBValue(colour)); }
inline COLORREF FromQColor(const QColor& colour) { return RGB(colour.red(), colour.green(), colour.blue()); }

// ---- fonts ------------------------------------------------------------------------------
// The Qt font of a created CFont (the application font when the CFont holds none).
QFont QFontOf(const CFont& font);
// The Qt font behind a font handle (WM_SETFONT/WM_GETFONT); the application font for null.
QFont QFontOfHandle(HFONT font);
// Makes `font` hold `qfont` (a window's current font for CWnd::GetFont); its LOGFONT is
// derived from the Qt font, heights in pixels of the screen.
void AssignQFont(CFont& font, const QFont& qfont);
QFont QFontFromLogFont(const LOGFONT& logFont);
LOGFONT LogFontFromQFont(const QFont& qfont);

// ---- brushes and pens -------------------------------------------------------------------
// False for a null (hollow) or empty brush, so that WM_CTLCOLOR answers can say "draw no
// background"; otherwise `*brush` receives the brush.
bool QBrushOfHandle(HBRUSH handle, QBrush* brush);
inline bool QBrushOf(const CBrush& brush, QBrush* out) { return QBrushOfHandle(static_cast<HBRUSH>(brush.GetSafeHandle()), out); }

// ---- bitmaps ----------------------------------------------------------------------------
// The picture of a bitmap (null image/pixmap when the CBitmap holds none).
QImage QImageOf(const CBitmap& bitmap);
QPixmap QPixmapOf(const CBitmap& bitmap);
// Makes `bitmap` hold a copy of `image`.
void AssignQImage(CBitmap& bitmap, const QImage& image);
// A picture resource by kind ("bitmaps", "icons") and id: res/<kind>/<id>.png (or .bmp,
// .ico, .svg) compiled into the program. Null when there is none.
QPixmap LoadResourcePixmap(const char* kind, UINT id);

// ---- cursors ----------------------------------------------------------------------------
QCursor QCursorOf(HCURSOR cursor);  // the arrow for null
// While ClipCursor holds a rectangle: the mouse position (screen pixels) kept inside it, the
// pointer pulled back when it left. Mouse message dispatch passes positions through this.
QPoint ApplyCursorClip(const QPoint& global);

// ---- device contexts --------------------------------------------------------------------
// The painter a device context draws with, set up with the DC's mapping and clip; nullptr
// when the DC has nothing to draw on.
QPainter* PainterOf(CDC* dc);
// Draws `source` of the image (all of it when null) stretched into `dest` (logical units),
// smooth only in the HALFTONE stretch mode.
BOOL StretchQImage(CDC* dc, const CRect& dest, const QImage& image, const QRect& source = QRect());
// A device context drawing on a printer page (IsPrinting true), for the print loop.
std::unique_ptr<CDC> CreatePrinterDC(QPagedPaintDevice* printer, QPainter* painter);

// Forgets what client device contexts drew on `widget` and its children inside `rect`
// (widget coordinates): the window is invalidated, to paint that area afresh. A CPaintDC
// forgets for its update rectangle only what has been shown already (showing new drawing
// repaints the window below it); an invalidation forgets also what the window's own DCs drew
// there not shown yet, as its paint is to cover that drawing, not come out under it.
void DiscardClientDrawing(QWidget* widget, const QRect& rect);
