#include "controls/NumericEdit.h"

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
