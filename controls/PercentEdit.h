#pragma once
// Edit fields for a percentage. A change by the user that would make the value exceed 100
// (typing or pasting) is refused with a message that says why, the previous text kept. The
// field's length limit comes first: a digit it has no room for is dropped silently, and a
// paste is cut to it before the value is judged. A text the program sets stands as it is.
#include "controls/NumericEdit.h"
#include "platform/Controls.h"

// A whole percentage: digits only (the template's style).
class CPercentEdit : public CEdit {
    DECLARE_DYNAMIC(CPercentEdit)
public:
    static constexpr int kMaxPercent = 100;
    static constexpr const char* kTooLarge = "Процентът не може да бъде по-голям от 100!";

    // Whether a text may stand in the field: empty, or a whole number of at most 100.
    static BOOL Accepts(const CString& text);
    static void RefuseTooLarge();

protected:
    void OnChar(UINT ch, UINT repeat, UINT flags) override;
    // Pastes (WM_PASTE) are checked once the text is in, and undone when refused.
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};

// A percentage with decimals ("99.5"), typed by the rules of a number field. Deleting its
// point, which can raise the value ("99.5" to "995"), is refused as well, by a key, a cut or
// the context menu.
class CPercentNumberEdit : public CNumericEdit {
    DECLARE_DYNAMIC(CPercentNumberEdit)
public:
    // Whether a text is a number above 100.
    static BOOL ExceedsMax(const CString& text);

protected:
    void OnChar(UINT ch, UINT repeat, UINT flags) override;
    void OnKeyDown(UINT key, UINT repeat, UINT flags) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};
