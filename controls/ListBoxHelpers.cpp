#include "controls/ListBoxHelpers.h"

#include "controls/TextWidth.h"

namespace CListBoxHelpers {

BOOL ContainsItemData(const CListBox& list, DWORD value) {
    const int count = list.GetCount();
    for (int i = 0; i < count; ++i)
        if (list.GetItemData(i) == value) return TRUE;
    return FALSE;
}

void SetHorizontalExtentToFit(CListBox& list) {
    CStringArray texts;
    for (int i = 0; i < list.GetCount(); ++i) texts.Add(list.GetText(i));
    const WidestText widest = MeasureWidest(list, texts);
    list.SetHorizontalExtent(widest.width + widest.averageCharWidth);
}

}  // namespace CListBoxHelpers
