#include "controls/ComboHelpers.h"

#include "controls/TextWidth.h"
#include "platform/SystemInfo.h"

namespace CComboHelpers {

int SelectByItemData(CComboBox& combo, DWORD value) {
    const int count = combo.GetCount();
    for (int i = 0; i < count; ++i)
        if (combo.GetItemData(i) == value) return combo.SetCurSel(i);
    return combo.SetCurSel(-1);
}

void GetSelection(const CComboBox& combo, int& data, CString& text) {
    const int index = combo.GetCurSel();
    data = index == CB_ERR ? CB_ERR : static_cast<int>(combo.GetItemData(index));
    // An entry may carry -1 as its data (the "---" of a list); it still has its text.
    text = index == CB_ERR ? CString() : combo.GetLBText(index);
}

void SetDroppedWidthToFit(CComboBox& combo) {
    CStringArray texts;
    for (int i = 0; i < combo.GetCount(); ++i) texts.Add(combo.GetLBText(i));
    const WidestText widest = MeasureWidest(combo, texts);
    combo.SetDroppedWidth(static_cast<UINT>(widest.width + widest.averageCharWidth + GetSystemMetrics(SM_CXVSCROLL) +
                                            2 * GetSystemMetrics(SM_CXEDGE)));
}

}  // namespace CComboHelpers
