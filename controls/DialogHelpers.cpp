#include "controls/DialogHelpers.h"

namespace CDialogHelpers {

void FitControlToControl(CWnd* dialog, int id, int dx, int dy) {
    CWnd* control = dialog ? dialog->GetDlgItem(id) : nullptr;
    if (!control) return;
    CRect rect = WindowRectInParent(*control);
    OffsetRectBy(rect, dx, dy);
    control->MoveWindow(&rect, TRUE);
}

}  // namespace CDialogHelpers

void OffsetRectBy(RECT& rect, int dx, int dy) {
    rect.left += dx;
    rect.right += dx;
    rect.top += dy;
    rect.bottom += dy;
}

CRect WindowRectInParent(const CWnd& window) {
    CRect rect;
    window.GetWindowRect(&rect);
    if (CWnd* parent = window.GetParent()) parent->ScreenToClient(&rect);
    return rect;
}
