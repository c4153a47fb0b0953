#include "controls/NumericEdit.h"

#include "controls/JudgedPaste.h"
#include "platform/MessageBox.h"

IMPLEMENT_DYNAMIC(CNumericEdit, CEdit)

BOOL CNumericEdit::Accepts(char32_t ch, const CString& text, BOOL allowNegative) {
    if (ch == VK_BACK) return TRUE;
    if (ch == U'-') return allowNegative && text.IsEmpty();
    if (ch == U'.') return !text.IsEmpty() && text.Find(U'.') < 0;
    return ch >= U'0' && ch <= U'9';
}

void CNumericEdit::OnChar(UINT ch, UINT repeat, UINT flags) {
    if (ch == U',') {  // a decimal comma, as Bulgarian is written, goes in as the point the field keeps
        SendMessage(WM_CHAR, U'.', MAKELPARAM(repeat, flags));
        return;
    }
    CString text;
    GetWindowText(text);
    if (Accepts(static_cast<char32_t>(ch), text, m_allowNegative)) CEdit::OnChar(ch, repeat, flags);
}

std::optional<CString> CNumericEdit::AsTyped(const CString& text, BOOL allowNegative) {
    CString typed;
    for (const char* ch = text.GetString(); *ch; ++ch) {
        const char32_t c = *ch == ',' ? U'.' : static_cast<unsigned char>(*ch);
        if (c == VK_BACK || !Accepts(c, typed, allowNegative)) return std::nullopt;
        typed += static_cast<char>(c);
    }
    return typed;
}

LRESULT CNumericEdit::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_PASTE) return CEdit::WindowProc(message, wParam, lParam);
    return PasteJudged(
        *this, [&] { return CEdit::WindowProc(message, wParam, lParam); },
        [this](const CString& text) { return AsTyped(text, m_allowNegative); },
        [] { AfxMessageBox(kNotANumber, MB_OK | MB_ICONEXCLAMATION); });
}
