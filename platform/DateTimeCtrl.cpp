#include "DateTimeCtrl.h"

#include "qt/ControlWidgets.h"
#include "qt/WidgetAccess.h"

IMPLEMENT_DYNAMIC(CDateTimeCtrl, CWnd)

namespace {
DateTimePickerWidget* PickerOf(const CWnd* wnd) { return dynamic_cast<DateTimePickerWidget*>(TopWidgetOf(wnd)); }
}  // namespace

BOOL CDateTimeCtrl::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    return CWnd::Create("SysDateTimePick32", "", style, rect, parent, id);
}

DWORD CDateTimeCtrl::GetTime(COleDateTime& value) const {
    const DateTimePickerWidget* picker = PickerOf(this);
    if (!picker) return GDT_ERROR;
    if (!picker->HasValue()) {
        value.SetStatus(COleDateTime::null);
        return GDT_NONE;
    }
    const QDateTime shown = picker->edit->dateTime();
    value.SetDateTime(shown.date().year(), shown.date().month(), shown.date().day(), shown.time().hour(),
                      shown.time().minute(), shown.time().second());
    return GDT_VALID;
}

BOOL CDateTimeCtrl::SetTime(const COleDateTime& value) {
    DateTimePickerWidget* picker = PickerOf(this);
    if (!picker) return FALSE;
    if (value.GetStatus() != COleDateTime::valid) {
        if (!picker->box) return FALSE;  // only a picker with the check box can hold no value
        picker->SetHasValue(false);
        return TRUE;
    }
    const QDateTime shown(QDate(value.GetYear(), value.GetMonth(), value.GetDay()),
                          QTime(value.GetHour(), value.GetMinute(), value.GetSecond()));
    if (!shown.isValid()) return FALSE;
    picker->edit->setDateTime(shown);
    picker->SetHasValue(true);
    return TRUE;
}
