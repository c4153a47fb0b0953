#include "controls/PercentEdit.h"

#include "controls/JudgedPaste.h"
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

void CPercentEdit::RefuseTooLarge() { AfxMessageBox(kTooLarge, MB_OK | MB_ICONWARNING); }

void CPercentEdit::OnChar(UINT ch, UINT repeat, UINT flags) {
    // A digit is judged by the text it would make: the key reaches the field only after this.
    if (ch >= '0' && ch <= '9' && !(GetStyle() & ES_READONLY)) {
        CString text;
        GetWindowText(text);
        int start = 0, end = 0;
        GetSel(start, end);
        const CString typed = text.Left(start) + static_cast<char>(ch) + text.Mid(end);
        // A digit the field has no room for is the length limit's to drop, without a word.
        if (typed.GetLength() <= static_cast<int>(GetLimitText()) && !Accepts(typed)) {
            RefuseTooLarge();
            return;
        }
    }
    CEdit::OnChar(ch, repeat, flags);
}

LRESULT CPercentEdit::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_PASTE) return CEdit::WindowProc(message, wParam, lParam);
    return PasteJudged(
        *this, [&] { return CEdit::WindowProc(message, wParam, lParam); },
        [](const CString& text) { return Accepts(text) ? std::optional<CString>(text) : std::nullopt; },
        [this] { RefuseTooLarge(); });
}
