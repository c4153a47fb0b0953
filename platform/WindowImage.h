#pragma once
// A picture of a window as it is shown, child windows included, saved to an image file
// (the format follows the extension, ".png" for instance): for looking at windows built
// without a screen.
#include "Wnd.h"

BOOL SaveWindowImage(const CWnd* window, LPCTSTR path);
