#pragma once
// Measuring entries in the font a control shows them with, for the helpers that widen a
// drop-down list or a list box's scroll extent to the longest entry.
#include "platform/Arrays.h"
#include "platform/Wnd.h"

struct WidestText {
    int width = 0;             // of the widest text, pixels
    int averageCharWidth = 0;  // of the control's font
};

WidestText MeasureWidest(CWnd& control, const CStringArray& texts);
