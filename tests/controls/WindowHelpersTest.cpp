// The small window helpers: selection by item data, reading a selection, and paths of tree
// items. The splitter bar and the moved controls are dragged through the form chooser.
#include <gtest/gtest.h>

#include <memory>

#include "controls/ComboHelpers.h"
#include "controls/DialogHelpers.h"
#include "controls/ListBoxHelpers.h"
#include "controls/TreeHelpers.h"
#include "platform/Dialog.h"

namespace {

// A modeless dialog with a combo 10, a list 11, a tree 12 and a label 13.
class HelperDialog : public CDialog {
public:
    HelperDialog() : CDialog(0u) {
        CreateIndirect(DialogTemplate{0, "Помощни", {300, 200}, {
            ComboBox(10, {10, 10, 120, 80}),
            ListBox(11, {10, 30, 120, 60}, LBS_NOTIFY | WS_HSCROLL),
            TreeControl(12, {140, 10, 150, 80}),
            Label(13, "Етикет", {140, 100, 60, 10}),
        }});
        ShowWindow(SW_SHOW);
    }
    ~HelperDialog() override { DestroyWindow(); }

    CComboBox& Combo() { return *dynamic_cast<CComboBox*>(GetDlgItem(10)); }
    CListBox& List() { return *dynamic_cast<CListBox*>(GetDlgItem(11)); }
    CTreeCtrl& Tree() { return *dynamic_cast<CTreeCtrl*>(GetDlgItem(12)); }
    CRect PlaceOf(CWnd* control) const { return WindowRectInParent(*control); }
};

class WindowHelpersTest : public ::testing::Test {
protected:
    std::unique_ptr<HelperDialog> dialog = std::make_unique<HelperDialog>();
};

TEST_F(WindowHelpersTest, AComboIsSelectedAndReadByItemData) {
    CComboBox& combo = dialog->Combo();
    for (const auto& [text, data] : {std::pair{"София", 7}, {"Пловдив", 12}, {"Варна", 7}, {"---", -1}}) {
        const int index = combo.AddString(text);
        combo.SetItemData(index, static_cast<DWORD>(data));
    }
    int data = 0;
    CString text;
    CComboHelpers::GetSelection(combo, data, text);
    EXPECT_EQ(data, -1);
    EXPECT_TRUE(text.IsEmpty());

    EXPECT_EQ(CComboHelpers::SelectByItemData(combo, 7), 0);  // the first of two
    CComboHelpers::GetSelection(combo, data, text);
    EXPECT_EQ(data, 7);
    EXPECT_EQ(text, "София");

    CComboHelpers::SelectByItemData(combo, static_cast<DWORD>(-1));  // "no value" still reads as shown
    CComboHelpers::GetSelection(combo, data, text);
    EXPECT_EQ(data, -1);
    EXPECT_EQ(text, "---");

    EXPECT_EQ(CComboHelpers::SelectByItemData(combo, 99), CB_ERR);  // none: no selection left
    EXPECT_EQ(combo.GetCurSel(), CB_ERR);

    CComboHelpers::SetDroppedWidthToFit(combo);
    EXPECT_GE(combo.GetDroppedWidth(), CRect(dialog->PlaceOf(&combo)).Width());
}

TEST_F(WindowHelpersTest, AListKnowsItsItemDataAndScrollsOverItsWidestEntry) {
    CListBox& list = dialog->List();
    EXPECT_FALSE(CListBoxHelpers::ContainsItemData(list, 0));
    list.SetItemData(list.AddString("кратко"), 5);
    list.SetItemData(list.AddString("доста по-дълъг текст, който не се побира в списъка изобщо"), 6);
    EXPECT_TRUE(CListBoxHelpers::ContainsItemData(list, 6));
    EXPECT_FALSE(CListBoxHelpers::ContainsItemData(list, 7));
    CListBoxHelpers::SetHorizontalExtentToFit(list);
    EXPECT_GT(list.GetHorizontalExtent(), dialog->PlaceOf(&list).Width());
}

TEST_F(WindowHelpersTest, ATreeItemsPathRunsFromTheTop) {
    CTreeCtrl& tree = dialog->Tree();
    const HTREEITEM root = tree.InsertItem("Заплахи");
    const HTREEITEM child = tree.InsertItem("Земеделие", root);
    const HTREEITEM leaf = tree.InsertItem("Паша", child);
    EXPECT_EQ(CTreeHelpers::GetItemPath(tree, root), "Заплахи");
    EXPECT_EQ(CTreeHelpers::GetItemPath(tree, leaf), "Заплахи->Земеделие->Паша");
}

}  // namespace
