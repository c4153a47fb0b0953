#pragma once
// An edit field for a percentage: digits only (the template's style), and a value above 100
// is refused where it is typed, with a message that says why.
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
};
