#pragma once
// A picture of a window as it is shown, child windows included, saved to an image file
// (the format follows the extension, ".png" for instance): for looking at windows built
// without a screen.
#include "Wnd.h"

// The window drawn afresh, as it would look if it were repainted now.
BOOL SaveWindowImage(const CWnd* window, LPCTSTR path);
// The window as the screen shows it once the waiting repaints are done: a window whose
// content changed without asking to be redrawn still shows its old look here.
BOOL SaveScreenImage(const CWnd* window, LPCTSTR path);

// The size of the picture a static control shows (a bitmap or an icon); empty when it
// shows none, or when its picture could not be loaded.
CSize ShownPictureSize(const CWnd* control);
