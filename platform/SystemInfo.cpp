#include "SystemInfo.h"

#include <QApplication>
#include <QCursor>
#include <QFontMetrics>
#include <QPalette>
#include <QScreen>
#include <QStyle>
#include <QStyleHints>
#include <QWidget>

#include <chrono>
#include <map>
#include <optional>

#include "qt/GdiAccess.h"
#include "qt/GdiData.h"
#include "qt/WidgetAccess.h"

namespace {

bool HaveWidgets() { return qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr; }

QPalette Palette() { return HaveWidgets() ? QApplication::palette() : QPalette(); }

// Which palette colour stands for a system colour.
QColor SystemColour(int index) {
    const QPalette palette = Palette();
    switch (index) {
        case COLOR_SCROLLBAR: return palette.color(QPalette::Mid);
        case COLOR_BACKGROUND:
        case COLOR_APPWORKSPACE: return palette.color(QPalette::Dark);
        case COLOR_ACTIVECAPTION:
        case COLOR_HOTLIGHT: return palette.color(QPalette::Highlight);
        case COLOR_INACTIVECAPTION: return palette.color(QPalette::Inactive, QPalette::Highlight);
        case COLOR_MENU: return palette.color(QPalette::Window);
        case COLOR_WINDOW: return palette.color(QPalette::Base);
        case COLOR_WINDOWFRAME: return palette.color(QPalette::Shadow);
        case COLOR_MENUTEXT: return palette.color(QPalette::WindowText);
        case COLOR_WINDOWTEXT: return palette.color(QPalette::Text);
        case COLOR_CAPTIONTEXT: return palette.color(QPalette::HighlightedText);
        case COLOR_ACTIVEBORDER:
        case COLOR_INACTIVEBORDER:
        case COLOR_BTNFACE: return palette.color(QPalette::Button);
        case COLOR_HIGHLIGHT: return palette.color(QPalette::Highlight);
        case COLOR_HIGHLIGHTTEXT: return palette.color(QPalette::HighlightedText);
        case COLOR_BTNSHADOW: return palette.color(QPalette::Dark);
        case COLOR_GRAYTEXT: return palette.color(QPalette::Disabled, QPalette::Text);
        case COLOR_BTNTEXT: return palette.color(QPalette::ButtonText);
        case COLOR_INACTIVECAPTIONTEXT: return palette.color(QPalette::Inactive, QPalette::HighlightedText);
        case COLOR_BTNHIGHLIGHT: return palette.color(QPalette::Light);
        case COLOR_3DDKSHADOW: return palette.color(QPalette::Shadow);
        case COLOR_3DLIGHT: return palette.color(QPalette::Midlight);
        case COLOR_INFOTEXT: return palette.color(QPalette::ToolTipText);
        case COLOR_INFOBK: return palette.color(QPalette::ToolTipBase);
        default: return QColor();
    }
}

int StyleMetric(QStyle::PixelMetric metric, int fallback) {
    return HaveWidgets() ? QApplication::style()->pixelMetric(metric) : fallback;
}

QRect ScreenArea(bool available) {
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) return QRect(0, 0, 1024, 768);
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return QRect(0, 0, 1024, 768);
    return available ? screen->availableGeometry() : screen->geometry();
}

}  // namespace

COLORREF GetSysColor(int index) {
    const QColor colour = SystemColour(index);
    return colour.isValid() ? FromQColor(colour) : 0;
}

HBRUSH GetSysColorBrush(int index) {
    // One brush per index, for the whole run; it takes on the palette's colour in place, so
    // that a handle kept somewhere stays valid and follows the palette.
    static std::map<int, CBrush> brushes;
    CBrush& brush = brushes[index];
    if (!brush.GetSafeHandle()) brush.CreateSolidBrush(GetSysColor(index));
    else DataOf(brush)->colour = ToQColor(GetSysColor(index));
    return brush;
}

int GetSystemMetrics(int index) {
    const int scrollBar = StyleMetric(QStyle::PM_ScrollBarExtent, 16);
    switch (index) {
        case SM_CXSCREEN: return ScreenArea(false).width();
        case SM_CYSCREEN: return ScreenArea(false).height();
        case SM_CXFULLSCREEN: return ScreenArea(true).width();
        case SM_CYFULLSCREEN: return ScreenArea(true).height();
        case SM_CXVSCROLL:
        case SM_CYHSCROLL:
        case SM_CYVSCROLL:
        case SM_CXHSCROLL:
        case SM_CXHTHUMB:
        case SM_CYVTHUMB: return scrollBar;
        case SM_CYCAPTION: return StyleMetric(QStyle::PM_TitleBarHeight, 23);
        case SM_CYMENU: return StyleMetric(QStyle::PM_MenuBarItemSpacing, 0) + QFontMetrics(DefaultGuiFont()).height() + 6;
        case SM_CXBORDER:
        case SM_CYBORDER: return 1;
        case SM_CXEDGE:
        case SM_CYEDGE: return 2;
        case SM_CXDLGFRAME:
        case SM_CYDLGFRAME: return 3;
        case SM_CXSIZEFRAME:
        case SM_CYSIZEFRAME: return 4;
        case SM_CXICON:
        case SM_CYICON:
        case SM_CXCURSOR:
        case SM_CYCURSOR: return 32;
        case SM_CXSMICON:
        case SM_CYSMICON: return StyleMetric(QStyle::PM_SmallIconSize, 16);
        case SM_CXMIN: return 112;
        case SM_CYMIN: return 27;
        case SM_CXDOUBLECLK:
        case SM_CYDOUBLECLK:
            return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) ? QGuiApplication::styleHints()->mouseDoubleClickDistance() : 4;
        case SM_CXDRAG:
        case SM_CYDRAG: return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) ? QGuiApplication::styleHints()->startDragDistance() : 4;
        case SM_CMOUSEBUTTONS: return 3;
        case SM_MOUSEWHEELPRESENT: return 1;
        case SM_SWAPBUTTON: return 0;
        default: return 0;
    }
}

BOOL SystemParametersInfo(UINT action, UINT, void* buffer, UINT) {
    if (!buffer) return FALSE;
    switch (action) {
        case SPI_GETNONCLIENTMETRICS: {
            auto* metrics = static_cast<NONCLIENTMETRICS*>(buffer);
            const LOGFONT font = LogFontFromQFont(DefaultGuiFont());
            metrics->iBorderWidth = 1;
            metrics->iScrollWidth = metrics->iScrollHeight = GetSystemMetrics(SM_CXVSCROLL);
            metrics->iCaptionWidth = metrics->iCaptionHeight = GetSystemMetrics(SM_CYCAPTION);
            metrics->iSmCaptionWidth = metrics->iSmCaptionHeight = GetSystemMetrics(SM_CYCAPTION);
            metrics->iMenuWidth = metrics->iMenuHeight = GetSystemMetrics(SM_CYMENU);
            metrics->lfCaptionFont = metrics->lfSmCaptionFont = metrics->lfMenuFont = font;
            metrics->lfStatusFont = metrics->lfMessageFont = font;
            return TRUE;
        }
        case SPI_GETICONTITLELOGFONT: *static_cast<LOGFONT*>(buffer) = LogFontFromQFont(DefaultGuiFont()); return TRUE;
        case SPI_GETWORKAREA: {
            const QRect area = ScreenArea(true);
            *static_cast<CRect*>(buffer) = CRect(area.left(), area.top(), area.left() + area.width(), area.top() + area.height());
            return TRUE;
        }
        case SPI_GETWHEELSCROLLLINES:
            *static_cast<UINT*>(buffer) = HaveWidgets() ? static_cast<UINT>(std::max(1, QApplication::wheelScrollLines())) : 3;
            return TRUE;
        default: return FALSE;
    }
}

UINT GetDoubleClickTime() {
    return qobject_cast<QGuiApplication*>(QCoreApplication::instance())
               ? static_cast<UINT>(QGuiApplication::styleHints()->mouseDoubleClickInterval())
               : 500;
}

DWORD GetTickCount() {
    using namespace std::chrono;
    return static_cast<DWORD>(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

LONG GetDialogBaseUnits() {
    const QFontMetrics metrics(DefaultGuiFont());
    const int width = (metrics.horizontalAdvance("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz") / 26 + 1) / 2;
    return static_cast<LONG>((metrics.height() << 16) | (width & 0xFFFF));
}

// ---- cursors -------------------------------------------------------------------------------

struct CursorShape {
    int id;
    Qt::CursorShape shape;
};

namespace {

const CursorShape kCursors[] = {
    {IDC_ARROW, Qt::ArrowCursor},      {IDC_IBEAM, Qt::IBeamCursor},          {IDC_WAIT, Qt::WaitCursor},
    {IDC_CROSS, Qt::CrossCursor},      {IDC_UPARROW, Qt::UpArrowCursor},      {IDC_SIZENWSE, Qt::SizeFDiagCursor},
    {IDC_SIZENESW, Qt::SizeBDiagCursor}, {IDC_SIZEWE, Qt::SizeHorCursor},     {IDC_SIZENS, Qt::SizeVerCursor},
    {IDC_SIZEALL, Qt::SizeAllCursor},  {IDC_NO, Qt::ForbiddenCursor},         {IDC_HAND, Qt::PointingHandCursor},
    {IDC_APPSTARTING, Qt::BusyCursor}, {IDC_HELP, Qt::WhatsThisCursor},
};

HCURSOR g_currentCursor = &kCursors[0];
std::optional<QRect> g_cursorClip;  // screen pixels

// The window a cursor set now is for: the one asked OnSetCursor, else the one holding the
// mouse, else the one under it.
QWidget* WidgetUnderMouse() {
    if (!HaveWidgets()) return nullptr;
    if (QWidget* asking = CursorWidget()) return asking;
    if (QWidget* grabber = QWidget::mouseGrabber()) return grabber;
    return QApplication::widgetAt(QCursor::pos());
}

}  // namespace

HCURSOR LoadCursor(const void*, int cursorId) { return LoadStandardCursor(cursorId); }

HCURSOR LoadStandardCursor(int cursorId) {
    for (const CursorShape& cursor : kCursors)
        if (cursor.id == cursorId) return &cursor;
    return nullptr;
}

QCursor QCursorOf(HCURSOR cursor) { return QCursor(cursor ? cursor->shape : Qt::ArrowCursor); }

HCURSOR SetCursor(HCURSOR cursor) {
    const HCURSOR previous = g_currentCursor;
    g_currentCursor = cursor;
    if (QWidget* widget = WidgetUnderMouse()) {
        if (cursor) widget->setCursor(QCursorOf(cursor));
        else widget->setCursor(Qt::BlankCursor);
    }
    return previous;
}

HCURSOR GetCursor() { return g_currentCursor; }

BOOL GetCursorPos(CPoint* point) {
    if (!point) return FALSE;
    QPoint position = QCursor::pos();
    if (g_cursorClip) {
        position.setX(std::clamp(position.x(), g_cursorClip->left(), g_cursorClip->right()));
        position.setY(std::clamp(position.y(), g_cursorClip->top(), g_cursorClip->bottom()));
    }
    *point = CPoint(position.x(), position.y());
    return TRUE;
}

BOOL SetCursorPos(int x, int y) {
    QCursor::setPos(x, y);
    return TRUE;
}

BOOL ClipCursor(const CRect* rect) {
    if (!rect || rect->IsRectEmpty()) {
        g_cursorClip.reset();
        return TRUE;
    }
    g_cursorClip = QRect(rect->left, rect->top, rect->Width(), rect->Height());
    const QPoint position = QCursor::pos();
    CPoint inside;
    GetCursorPos(&inside);
    if (position != QPoint(inside.x, inside.y)) QCursor::setPos(inside.x, inside.y);
    return TRUE;
}

BOOL GetClipCursor(CRect* rect) {
    if (!rect) return FALSE;
    const QRect area = g_cursorClip.value_or(ScreenArea(false));
    *rect = CRect(area.left(), area.top(), area.left() + area.width(), area.top() + area.height());
    return TRUE;
}

QPoint ApplyCursorClip(const QPoint& global) {
    if (!g_cursorClip) return global;
    const QPoint inside(std::clamp(global.x(), g_cursorClip->left(), g_cursorClip->right()),
                        std::clamp(global.y(), g_cursorClip->top(), g_cursorClip->bottom()));
    if (inside != global) QCursor::setPos(inside);
    return inside;
}
