#pragma once
// Showing, hiding, enabling and disabling several controls of a page or dialog at once;
// ids the window does not have are passed over.
#include <initializer_list>

#include "platform/Wnd.h"

void ShowControls(CWnd* window, std::initializer_list<int> ids, BOOL show);
void EnableControls(CWnd* window, std::initializer_list<int> ids, BOOL enable);

class CDC;

// Draws the picture resource 1:1 from the top-left corner of the (hidden) frame control,
// clipped to the frame; nothing when the frame or the picture is missing.
void DrawPictureInFrame(CWnd* window, CDC* dc, int frameId, UINT bitmapId);
// The frame's rectangle in the window's client coordinates; empty without the frame.
CRect FrameRect(CWnd* window, int frameId);
