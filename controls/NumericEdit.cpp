#include "controls/NumericEdit.h"

#include <algorithm>
#include <iterator>

#include "platform/MessageBox.h"

IMPLEMENT_DYNAMIC(CNumericEdit, CEdit)

namespace {
// The control characters of the keys that edit as in every other field: Backspace, and
// Ctrl+A, C, V, X, Y and Z (select all, the clipboard, undo, redo).
bool IsEditingKey(UINT ch) {
    constexpr UINT kKeys[] = {VK_BACK, 0x01, 0x03, 0x16, 0x18, 0x19, 0x1A};
    return std::find(std::begin(kKeys), std::end(kKeys), ch) != std::end(kKeys);
}
}  // namespace

BOOL CNumericEdit::Accepts(char32_t ch, const CString& text, int start, int end, BOOL allowNegative) {
    const CString after = text.Mid(end);
    if (ch == U'-') return allowNegative && start == 0 && after.Find(U'-') < 0;
    if (ch == U'.') return start > 0 && text.Left(start).Find(U'.') < 0 && after.Find(U'.') < 0;
    return ch >= U'0' && ch <= U'9' && !(start == 0 && after.Left(1) == "-");  // nothing before the minus
}

std::optional<CString> CNumericEdit::AsPasted(const CString& pasted, const CString& text, int start, int end,
                                              BOOL allowNegative) {
    CString trimmed = pasted;
    trimmed.Trim();
    CString typed;
    for (char32_t ch : ToCodePoints(trimmed.GetString())) {
        if (ch == U',') ch = U'.';
        const int caret = start + typed.GetLength();
        if (!Accepts(ch, text.Left(start) + typed + text.Mid(end), caret, caret, allowNegative)) return std::nullopt;
        typed += ch;
    }
    return typed;
}

void CNumericEdit::OnChar(UINT ch, UINT repeat, UINT flags) {
    if (ch == U',') {  // a decimal comma, as Bulgarian is written, goes in as the point the field keeps
        SendMessage(WM_CHAR, U'.', MAKELPARAM(repeat, flags));
        return;
    }
    CString text;
    GetWindowText(text);
    int start = 0, end = 0;
    GetSel(start, end);
    if (IsEditingKey(ch) || Accepts(static_cast<char32_t>(ch), text, start, end, m_allowNegative))
        CEdit::OnChar(ch, repeat, flags);
}

LRESULT CNumericEdit::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_PASTE) return CEdit::WindowProc(message, wParam, lParam);
    if (GetStyle() & ES_READONLY) return 0;
    CString text;
    GetWindowText(text);
    int start = 0, end = 0;
    GetSel(start, end);
    const std::optional<CString> typed = AsPasted(GetPastedText(), text, start, end, m_allowNegative);
    if (!typed) {
        AfxMessageBox(kNotANumber, MB_OK | MB_ICONEXCLAMATION);
        return 0;
    }
    // The field's limit cuts a paste as it cuts one in any field.
    const int room = static_cast<int>(GetLimitText()) - (text.GetLength() - (end - start));
    if (!typed->IsEmpty()) ReplaceSel(typed->Left(std::max(0, room)), TRUE);
    return 0;
}
