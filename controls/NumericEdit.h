#pragma once
// An edit field for numbers: only digits, one decimal point that never stands first and,
// where allowed, a minus sign that stands first can be typed; a typed comma is taken as the
// point. A character is judged on the text as it will stand once it has replaced the
// selection. Backspace, Delete, Ctrl+A and the clipboard, undo and redo keys work as in any
// field; every other control character never reaches the field. A paste, without the blanks
// and line breaks around it, is kept only when it could have been typed so (a comma again as
// the point); else the field keeps its text and says why.
#include <optional>

#include "platform/Controls.h"

class CNumericEdit : public CEdit {
    DECLARE_DYNAMIC(CNumericEdit)
public:
    CNumericEdit() = default;

    // Negative numbers are refused until allowed.
    void SetAllowNegative(BOOL allow = TRUE) { m_allowNegative = allow; }
    BOOL GetAllowNegative() const { return m_allowNegative; }

    static constexpr const char* kNotANumber = "Полето приема само число. Текстът не е поставен.";

    // Whether a character typed over the selection [start, end) of `text` is let through.
    static BOOL Accepts(char32_t ch, const CString& text, int start, int end, BOOL allowNegative);
    // What a paste of `pasted` over the selection [start, end) of `text` puts in: its
    // characters as they would be typed (a comma as the point) without the blanks and line
    // breaks around them, or nothing when one of them would be refused.
    static std::optional<CString> AsPasted(const CString& pasted, const CString& text, int start, int end,
                                           BOOL allowNegative);

protected:
    void OnChar(UINT ch, UINT repeat, UINT flags) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    BOOL m_allowNegative = FALSE;
};
