#pragma once
// Widgets of the window classes: creation from a class name and style, and the parts of
// a window's behaviour that depend on its kind (text, geometry, style changes).
#include <QRect>
#include <functional>
#include <memory>
#include <string>

#include "platform/CString.h"
#include "platform/qt/WindowState.h"

class QFont;

struct WindowParams {
    std::string className;
    CString text;
    DWORD style = 0;
    DWORD exStyle = 0;
    QRect rect;  // pixels, in the parent's client coordinates (screen for top-level windows)
    int id = 0;
};

// A window class made by platform code of its own (list views, for instance): how its
// widget is made, for Create and for dialog templates, and the wrapper GetDlgItem hands
// out for it. `client` may be left alone (the widget itself is the client area).
struct WindowClassDefinition {
    std::function<QWidget*(const WindowParams& params, QWidget* parent, QWidget** client)> createWidget;
    std::function<std::unique_ptr<CWnd>()> makeWrapper;  // optional: a plain CWnd otherwise
};
// Window class names compare without regard to case, as the other system's do.
void RegisterWindowClass(const std::string& className, WindowClassDefinition definition);

// Creates the widget and its record; `parent` is the parent's client widget (nullptr for
// a top-level window). The widget is shown when the style has WS_VISIBLE.
WindowState* CreateWindowWidget(const WindowParams& params, QWidget* parent);

// Puts the style bits into effect on the widget (after creation or a style change).
void ApplyStyle(WindowState& state);

void SetWindowTextOf(WindowState& state, const CString& text);
CString GetWindowTextOf(const WindowState& state);

// Moves and sizes a window; a combo box keeps its closed height and takes the rest as
// the height of its drop-down list.
void SetGeometryOf(WindowState& state, const QRect& rect);
// The closed box of a combo box `height` pixels high from now on, whatever its font.
void SetSelectionFieldHeight(QWidget* combo, int height);

// A wrapper of the C++ class that belongs to the window class, for GetDlgItem.
std::unique_ptr<CWnd> MakeTemporaryWrapper(const WindowState& state);

// The dialog font: the template's face and size in points, with a stand-in that holds
// Cyrillic for the faces of the other system.
QFont DialogFont(const char* face, int points);

// Window text with the mnemonic marks of the other system turned into what a label shows:
// "&x" shows "x", "&&" shows "&".
QString LabelText(const CString& text);
