// The small window helpers and the splitter bar: selection by item data, reading a
// selection, paths of tree items, moving controls, and what a dragged bar reports.
#include <gtest/gtest.h>

#include <memory>

#include "controls/ComboHelpers.h"
#include "controls/DialogHelpers.h"
#include "controls/ListBoxHelpers.h"
#include "controls/SplitterBar.h"
#include "controls/TreeHelpers.h"
#include "platform/Dialog.h"

namespace {

// A modeless dialog with a combo 10, a list 11, a tree 12 and a label 13; it writes down
// what splitter bars report.
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

    const MessageMap& GetMessageMap() const override {
        static const MessageMap map(CDialog::GetMessageMap(), {
            OnNotify(20, NM_SPLITTERBAR_MOVED, &HelperDialog::OnBarMoved),
        });
        return map;
    }

    CComboBox& Combo() { return *dynamic_cast<CComboBox*>(GetDlgItem(10)); }
    CListBox& List() { return *dynamic_cast<CListBox*>(GetDlgItem(11)); }
    CTreeCtrl& Tree() { return *dynamic_cast<CTreeCtrl*>(GetDlgItem(12)); }
    CRect PlaceOf(CWnd* control) const { return WindowRectInParent(*control); }

    std::vector<int> moves;

private:
    void OnBarMoved(NMHDR* header, LRESULT* result) {
        moves.push_back(reinterpret_cast<NM_SPLITTERBAR*>(header)->delta);
        *result = 0;
    }
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

TEST_F(WindowHelpersTest, ControlsMoveByAnOffsetKeepingTheirSize) {
    CWnd* label = dialog->GetDlgItem(13);
    const CRect before = dialog->PlaceOf(label);
    CDialogHelpers::FitControlToControl(dialog.get(), 13, 15, -4);
    CRect expected = before;
    OffsetRectBy(expected, 15, -4);
    EXPECT_EQ(dialog->PlaceOf(label), expected);
    CDialogHelpers::FitControlToControl(dialog.get(), 999, 15, -4);  // no such control: nothing

    CSplitterBar::ChangePos(label, 5, 2);  // left by 5, down by 2
    EXPECT_EQ(dialog->PlaceOf(label).TopLeft(), CPoint(expected.left - 5, expected.top + 2));
    const CRect moved = dialog->PlaceOf(label);
    CSplitterBar::ChangeWidth(label, 10, 1);
    EXPECT_EQ(dialog->PlaceOf(label), CRect(moved.left, moved.top, moved.right + 10, moved.bottom));
    CSplitterBar::ChangeWidth(label, 10, 2);
    EXPECT_EQ(dialog->PlaceOf(label), CRect(moved.left - 10, moved.top, moved.right + 10, moved.bottom));
}

TEST_F(WindowHelpersTest, ABarTakesItsDirectionFromItsPlaceAndReportsTheDrag) {
    CSplitterBar across;
    ASSERT_TRUE(across.Create(WS_CHILD | WS_VISIBLE, CRect(10, 150, 200, 160), dialog.get(), 21));
    EXPECT_EQ(across.GetOrientation(), CSplitterBar::kHorizontal);
    EXPECT_EQ(dialog->PlaceOf(&across).Height(), CSplitterBar::kThickness);

    CSplitterBar bar;
    ASSERT_TRUE(bar.Create(WS_CHILD | WS_VISIBLE, CRect(200, 10, 203, 140), dialog.get(), 20));
    EXPECT_EQ(bar.GetOrientation(), CSplitterBar::kVertical);
    EXPECT_EQ(dialog->PlaceOf(&bar).Width(), CSplitterBar::kThickness);
    EXPECT_TRUE(bar.GetStyle() & SS_NOTIFY);

    // Pressed and released in place: a move of 0.
    bar.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 20));
    EXPECT_TRUE(bar.IsDragging());
    bar.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(2, 20));
    EXPECT_FALSE(bar.IsDragging());
    ASSERT_EQ(dialog->moves, std::vector<int>{0});

    // Dragged 30 pixels right, within a range of 50 each way; the bar follows.
    const CRect start = dialog->PlaceOf(&bar);
    bar.SetRange(50, 50, -1);
    bar.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 20));
    bar.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(32, 20));
    bar.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(32, 20));
    ASSERT_EQ(dialog->moves.size(), 2u);
    EXPECT_EQ(dialog->moves.back(), 30);
    EXPECT_EQ(dialog->PlaceOf(&bar).left, start.left + 30);

    // Dragged too far: the range holds it.
    bar.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 20));
    bar.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(300, 20));
    bar.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(300, 20));
    EXPECT_EQ(dialog->moves.back(), 50);  // 50 from where the bar stood
}

}  // namespace
