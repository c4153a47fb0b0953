#pragma once
// An edit field for a percentage: digits only (the template's style), and a change by the user
// that would make the value exceed 100 (typing or pasting) is refused with a message that
// says why, the previous text kept. The field's length limit comes first: a digit it has no
// room for is dropped silently, and a paste is cut to it before the value is judged. A text
// the program sets stands as it is.
#include "platform/Controls.h"

class CPercentEdit : public CEdit {
    DECLARE_DYNAMIC(CPercentEdit)
public:
    static constexpr int kMaxPercent = 100;
    static constexpr const char* kTooLarge = "Процентът не може да бъде по-голям от 100!";

    // Whether a text may stand in the field: empty, or a whole number of at most 100.
    static BOOL Accepts(const CString& text);

protected:
    void OnChar(UINT ch, UINT repeat, UINT flags) override;
    // Pastes (WM_PASTE) are checked once the text is in, and undone when refused.
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void RefuseTooLarge();
};
