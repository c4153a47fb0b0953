#include "controls/JudgedPaste.h"

LRESULT PasteJudged(CEdit& edit, const std::function<LRESULT()>& paste,
                    const std::function<std::optional<CString>(const CString&)>& judge,
                    const std::function<void()>& refuse) {
    CString before;
    edit.GetWindowText(before);
    int start = 0, end = 0;
    edit.GetSel(start, end);
    const LRESULT result = paste();
    CString after;
    edit.GetWindowText(after);
    if (after == before) return result;
    int caret = 0, caretEnd = 0;
    edit.GetSel(caret, caretEnd);
    if (const std::optional<CString> kept = judge(after)) {
        if (*kept != after) {
            edit.SetWindowText(*kept);
            edit.SetSel(caret, caretEnd);
        }
        return result;
    }
    edit.SetWindowText(before);
    edit.SetSel(start, end);
    refuse();
    return result;
}
