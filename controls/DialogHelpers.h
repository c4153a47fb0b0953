#pragma once
// Moving one control of a dialog or page by an offset.
#include "platform/Wnd.h"

namespace CDialogHelpers {

// Moves the control with the id by (dx, dy) within the dialog, keeping its size, and
// repaints it; nothing when the dialog has no such control.
void FitControlToControl(CWnd* dialog, int id, int dx, int dy);

}  // namespace CDialogHelpers

// Adds dx to the left and right edges and dy to the top and bottom.
void OffsetRectBy(RECT& rect, int dx, int dy);

// The window's rectangle in its parent's client coordinates.
CRect WindowRectInParent(const CWnd& window);
