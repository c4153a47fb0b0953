#pragma once
// An edit field for numbers: only digits, one decimal point after the first character and,
// where allowed, a minus sign as the first character can be typed; a typed comma is taken
// as the point. Backspace still works; every other character, control characters
// included, never reaches the field.
#include "platform/Controls.h"

class CNumericEdit : public CEdit {
    DECLARE_DYNAMIC(CNumericEdit)
public:
    CNumericEdit() = default;

    // Negative numbers are refused until allowed.
    void SetAllowNegative(BOOL allow = TRUE) { m_allowNegative = allow; }
    BOOL GetAllowNegative() const { return m_allowNegative; }

    // Whether a character typed into a field that holds `text` is let through.
    static BOOL Accepts(char32_t ch, const CString& text, BOOL allowNegative);

protected:
    void OnChar(UINT ch, UINT repeat, UINT flags) override;

private:
    BOOL m_allowNegative = FALSE;
};
