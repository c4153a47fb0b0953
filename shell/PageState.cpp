#include "shell/PageState.h"

#include "controls/grid/GridCtrl.h"
#include "platform/Controls.h"
#include "platform/DateTimeCtrl.h"
#include "platform/ListControls.h"

namespace {

void AppendListEntries(CString& state, const CListBox& list) {
    state.AppendFormat("%d:%d", list.GetCount(), list.GetCurSel());
    for (int i = 0; i < list.GetCount(); ++i) state += "|" + list.GetText(i);
}

void AppendGridCells(CString& state, const CGridCtrl& grid) {
    state.AppendFormat("%d:%d", grid.GetRowCount(), grid.GetColumnCount());
    for (int row = grid.GetFixedRowCount(); row < grid.GetRowCount(); ++row)
        for (int col = 0; col < grid.GetColumnCount(); ++col) state += "|" + grid.GetItemText(row, col);
}

void AppendControl(CString& state, CWnd& control) {
    state.AppendFormat("\n%d:", control.GetDlgCtrlID());
    if (const auto* grid = dynamic_cast<const CGridCtrl*>(&control)) return AppendGridCells(state, *grid);
    if (const auto* list = dynamic_cast<const CListBox*>(&control)) return AppendListEntries(state, *list);
    if (const auto* combo = dynamic_cast<const CComboBox*>(&control)) state.AppendFormat("%d:", combo->GetCurSel());
    if (const auto* button = dynamic_cast<const CButton*>(&control)) {
        state.AppendFormat("%d", button->GetCheck());
        return;
    }
    if (const auto* picker = dynamic_cast<const CDateTimeCtrl*>(&control)) {
        COleDateTime value;
        if (picker->GetTime(value) == GDT_VALID) state += value.Format("%Y-%m-%d %H:%M:%S");
        return;
    }
    if (dynamic_cast<const CStatic*>(&control)) return;  // labels change with the program, not the user
    CString text;
    control.GetWindowText(text);
    state += text;
}

}  // namespace

CString PageControlState(const CWnd& page) {
    CString state;
    for (CWnd* child = page.GetWindow(GW_CHILD); child; child = child->GetWindow(GW_HWNDNEXT)) AppendControl(state, *child);
    return state;
}
