#pragma once
// An edit field for numbers: only digits, one decimal point after the first character and,
// where allowed, a minus sign as the first character can be typed; a typed comma is taken
// as the point. Backspace still works; every other character, control characters
// included, never reaches the field. A paste is kept only when its text could have been
// typed so (a comma again as the point); else the field keeps its text and says why.
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

    // Whether a character typed into a field that holds `text` is let through.
    static BOOL Accepts(char32_t ch, const CString& text, BOOL allowNegative);
    // The text as the field would take it typed character by character (a comma as the
    // point), or nothing when a character of it would be refused.
    static std::optional<CString> AsTyped(const CString& text, BOOL allowNegative);

protected:
    void OnChar(UINT ch, UINT repeat, UINT flags) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    BOOL m_allowNegative = FALSE;
};
