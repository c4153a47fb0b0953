#include "pages/common/PageControls.h"

void ShowControls(CWnd* window, std::initializer_list<int> ids, BOOL show) {
    for (const int id : ids)
        if (CWnd* control = window->GetDlgItem(id)) control->ShowWindow(show ? SW_SHOW : SW_HIDE);
}

void EnableControls(CWnd* window, std::initializer_list<int> ids, BOOL enable) {
    for (const int id : ids)
        if (CWnd* control = window->GetDlgItem(id)) control->EnableWindow(enable);
}
