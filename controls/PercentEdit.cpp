#include "controls/PercentEdit.h"

#include "platform/MessageBox.h"

IMPLEMENT_DYNAMIC(CPercentEdit, CEdit)

BOOL CPercentEdit::Accepts(const CString& text) {
    int value = 0;
    for (const char* ch = text.GetString(); *ch; ++ch) {
        if (*ch < '0' || *ch > '9') return FALSE;
        value = value * 10 + (*ch - '0');
        if (value > kMaxPercent) return FALSE;
    }
    return TRUE;
}

void CPercentEdit::OnChar(UINT ch, UINT repeat, UINT flags) {
    CString before;
    GetWindowText(before);
    CEdit::OnChar(ch, repeat, flags);
    CString after;
    GetWindowText(after);
    if (Accepts(after)) return;
    SetWindowText(before);
    SetSel(before.GetLength(), before.GetLength());
    AfxMessageBox(kTooLarge, MB_OK | MB_ICONWARNING);
}
