#pragma once
// Private bridge between the window wrappers and Qt, for code inside platform/ only
// (device contexts, image helpers, frames and views): it reaches the widgets behind a
// CWnd and back, and lets platform code create windows on widgets of its own making.
#include "platform/Types.h"

class QWidget;
class QRect;
class CWnd;
struct CCreateContext;

// The widget a window draws on and keeps its child windows in: its client area. Client
// coordinates of the window are this widget's coordinates. nullptr while not created.
QWidget* WidgetOf(const CWnd* wnd);

// The outermost widget of the window (a dialog, a frame, a scroll area around a form);
// the same as WidgetOf for most windows.
QWidget* TopWidgetOf(const CWnd* wnd);

// The window that owns a widget, or that of its nearest ancestor that has one; nullptr if none.
CWnd* WndOfWidget(const QWidget* widget);

// True while the window's OnPaint runs from a paint event of its client widget;
// `*updateRect` (when given) receives the rectangle being repainted, in client pixels.
// A QPainter may be opened on WidgetOf(wnd) only in that window of time.
bool IsInPaintEvent(const CWnd* wnd, QRect* updateRect = nullptr);

// The widget whose OnSetCursor is being called (a cursor set now belongs to it); else nullptr.
QWidget* CursorWidget();

// Creates a window on a widget that platform code built itself (a frame on a main
// window, a view on a scroll area): the wrapper is bound, the window gets its id, class
// name and style, and OnCreate runs (-1 destroys the widget and gives FALSE). `client`
// is the widget that holds the child windows and is painted; nullptr means `widget`.
BOOL CreateWindowOnWidget(CWnd* wnd, QWidget* widget, QWidget* client, const char* className, DWORD style,
                          DWORD exStyle, UINT id, CCreateContext* context = nullptr);
