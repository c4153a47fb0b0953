#pragma once
// The date and time picker: a date (with an up-down control for DTS_UPDOWN, else a drop-down
// calendar) or a time (DTS_TIMEFORMAT); with DTS_SHOWNONE a check box in front: cleared, the
// picker holds no value.
#include "COleDateTime.h"
#include "Wnd.h"

constexpr DWORD GDT_ERROR = static_cast<DWORD>(-1);
constexpr DWORD GDT_VALID = 0;
constexpr DWORD GDT_NONE = 1;

class CDateTimeCtrl : public CWnd {
    DECLARE_DYNAMIC(CDateTimeCtrl)
public:
    BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);
    // The value shown, or a null value (GDT_NONE) when the check box is cleared.
    DWORD GetTime(COleDateTime& value) const;
    // A null or invalid value clears the check box (DTS_SHOWNONE only; otherwise FALSE and
    // nothing changes); a valid one is shown and ticks the box.
    BOOL SetTime(const COleDateTime& value);
};
