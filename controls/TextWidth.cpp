#include "controls/TextWidth.h"

#include <algorithm>

#include "platform/DC.h"

WidestText MeasureWidest(CWnd& control, const CStringArray& texts) {
    CClientDC dc(&control);
    CFont* const old = dc.SelectObject(control.GetFont());
    WidestText result;
    for (int i = 0; i < texts.GetSize(); ++i) result.width = std::max<int>(result.width, dc.GetTextExtent(texts[i]).cx);
    TEXTMETRIC metrics;
    if (dc.GetTextMetrics(&metrics)) result.averageCharWidth = metrics.tmAveCharWidth;
    if (old) dc.SelectObject(old);
    return result;
}
