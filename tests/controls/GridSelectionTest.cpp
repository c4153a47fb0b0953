// The selection, the focus cell and the keyboard moves with their notifications.
#include <gtest/gtest.h>

#include "tests/controls/GridTestSupport.h"

namespace {

class GridSelection : public ::testing::Test {
protected:
    void SetUp() override {
        MakeListGrid(owner.grid, 40);
        owner.ForgetNotices();
    }
    GridOwner owner;
    CGridCtrl& grid = owner.grid;
};

TEST_F(GridSelection, RangesAreKeptOutOfTheHeadingsAndNothingReadsAsCountsAndMinusOne) {
    EXPECT_EQ(grid.GetSelectedCellRange(), CCellRange(41, 3, -1, -1));
    grid.SetSelectedRange(0, 0, 3, 1);  // the heading row is not selectable
    EXPECT_EQ(grid.GetSelectedCellRange(), CCellRange(1, 0, 3, 1));
    EXPECT_FALSE(grid.IsCellSelected(0, 0));
    EXPECT_TRUE(grid.IsCellSelected(3, 1));
    EXPECT_TRUE(grid.GetItemState(3, 1) & GVIS_SELECTED);

    grid.SetSelectedRange(5, 2, 6, 2);  // a range replaces the one before
    EXPECT_FALSE(grid.IsCellSelected(3, 1));
    EXPECT_EQ(grid.GetSelectedCount(), 2);
    grid.SetSelectedRange(5, 2, 5, 2, FALSE, FALSE);  // unselect one cell
    EXPECT_EQ(grid.GetSelectedCellRange(), CCellRange(6, 2, 6, 2));

    grid.SetSelectedRange(-1, -1, -1, -1);
    EXPECT_EQ(grid.GetSelectedCellRange(), CCellRange(41, 3, -1, -1));
    EXPECT_EQ(grid.GetSelectedCount(), 0);
}

TEST_F(GridSelection, SingleRowListModeSelectsOnlyTheRowReached) {
    Click(grid, CellCentre(grid, 2, 1));  // the anchor of extended selections
    grid.SelectRows(CCellID(5, 1));
    EXPECT_EQ(grid.GetSelectedCellRange(), CCellRange(5, 0, 5, 2));

    grid.SetSingleRowSelection(FALSE);
    grid.SelectRows(CCellID(5, 1));
    EXPECT_EQ(grid.GetSelectedCellRange(), CCellRange(2, 0, 5, 2));
}

TEST_F(GridSelection, FocusCellIsNeverAHeadingCell) {
    CGridCtrl headed(5, 5, 1, 1);
    EXPECT_EQ(headed.SetFocusCell(0, 0), CCellID(-1, -1));
    EXPECT_EQ(headed.GetFocusCell(), CCellID(1, 1));
    EXPECT_TRUE(headed.GetItemState(1, 1) & GVIS_FOCUSED);
    EXPECT_EQ(headed.SetFocusCell(3, 2), CCellID(1, 1));
    EXPECT_FALSE(headed.GetItemState(1, 1) & GVIS_FOCUSED);
}

TEST_F(GridSelection, StructureChangesClearTheSelection) {
    grid.SetSelectedRange(3, 0, 3, 2);
    grid.SetFocusCell(3, 1);
    grid.InsertRow("", -1);
    EXPECT_EQ(grid.GetSelectedCount(), 0);
    EXPECT_EQ(grid.GetFocusCell(), CCellID(-1, -1));

    grid.SetSelectedRange(3, 0, 3, 2);
    grid.SetListMode(TRUE);
    EXPECT_EQ(grid.GetSelectedCount(), 0);
}

TEST_F(GridSelection, ProgrammaticChangesSendNothing) {
    grid.SetSelectedRange(3, 0, 3, 2, TRUE);
    grid.SetFocusCell(3, 0);
    grid.ResetSelectedRange();
    EXPECT_TRUE(owner.notices.empty());
}

TEST_F(GridSelection, ArrowKeysMoveTheSelectedRowAndAnnounceItFirst) {
    Click(grid, CellCentre(grid, 3, 1));
    owner.ForgetNotices();

    Key(grid, VK_DOWN);
    EXPECT_EQ(grid.GetFocusCell(), CCellID(4, 1));
    EXPECT_EQ(grid.GetSelectedCellRange(), CCellRange(4, 0, 4, 2));
    const std::vector<GridNotice> expected = {{GVN_SELCHANGING, 4, 1}, {GVN_SELCHANGED, 4, 1}};
    EXPECT_EQ(owner.notices, expected);
    // Changing is announced while the old row is still the one selected.
    EXPECT_EQ(owner.selectedRows, (std::vector<int>{3, 4}));
    Key(grid, VK_UP);
    Key(grid, VK_UP);
    EXPECT_EQ(grid.GetSelectedCellRange(), CCellRange(2, 0, 2, 2));
}

TEST_F(GridSelection, KeysAtTheEdgesChangeNothing) {
    Click(grid, CellCentre(grid, 1, 0));
    owner.ForgetNotices();
    Key(grid, VK_UP);  // the heading row is not entered
    Key(grid, VK_LEFT);
    EXPECT_EQ(grid.GetFocusCell(), CCellID(1, 0));
    EXPECT_TRUE(owner.notices.empty());

    Key(grid, VK_END);  // along the row to its last column
    EXPECT_EQ(grid.GetFocusCell(), CCellID(1, 2));
    grid.SendMessage(WM_VSCROLL, SB_BOTTOM);
    grid.SetFocusCell(40, 2);
    owner.ForgetNotices();
    Key(grid, VK_DOWN);
    Key(grid, VK_RIGHT);
    EXPECT_EQ(grid.GetFocusCell(), CCellID(40, 2));
    EXPECT_TRUE(owner.notices.empty());
}

TEST_F(GridSelection, TabWrapsToTheNextRowAndPagesMoveWithTheView) {
    Click(grid, CellCentre(grid, 1, 2));
    Key(grid, VK_TAB);
    EXPECT_EQ(grid.GetFocusCell(), CCellID(2, 0));

    const int topBefore = grid.GetTopleftNonFixedCell().row;
    Key(grid, VK_NEXT);
    const int moved = grid.GetTopleftNonFixedCell().row - topBefore;
    ASSERT_GT(moved, 0);
    EXPECT_EQ(grid.GetFocusCell().row, 2 + moved);
    EXPECT_TRUE(grid.IsCellVisible(grid.GetFocusCell()));

    grid.SetFocusCell(3, 0);
    Key(grid, VK_NEXT);
    Key(grid, VK_NEXT);
    Key(grid, VK_NEXT);
    Key(grid, VK_NEXT);  // the view is at its end: the last row
    EXPECT_EQ(grid.GetFocusCell().row, 40);
    EXPECT_TRUE(grid.IsCellVisible(40, 0));
}

TEST_F(GridSelection, MovingBelowTheViewScrollsTheRowIn) {
    Click(grid, CellCentre(grid, 1, 0));
    const CCellRange visible = grid.GetVisibleNonFixedCellRange();
    for (int row = 1; row < visible.GetMaxRow() + 2; ++row) Key(grid, VK_DOWN);
    const CCellID focus = grid.GetFocusCell();
    EXPECT_EQ(focus.row, visible.GetMaxRow() + 2);
    CRect cell;
    CRect client;
    ASSERT_TRUE(grid.GetCellRect(focus, &cell));
    grid.GetClientRect(&client);
    EXPECT_LE(cell.bottom, client.bottom);  // wholly in view
    EXPECT_GT(grid.GetTopleftNonFixedCell().row, 1);
}

TEST_F(GridSelection, EnsureVisibleScrollsBackOneLinePerShownRow) {
    for (int i = 0; i < 20; ++i) grid.SendMessage(WM_VSCROLL, SB_LINEDOWN);
    ASSERT_EQ(grid.GetTopleftNonFixedCell().row, 21);
    grid.SetRowHeight(18, 0);  // hidden rows take no line
    grid.EnsureVisible(15, 0);
    EXPECT_EQ(grid.GetTopleftNonFixedCell().row, 15);
    EXPECT_TRUE(grid.IsCellVisible(15, 0));
}

TEST_F(GridSelection, SelectAllIsAnnouncedAndCoversTheDataCells) {
    Click(grid, CellCentre(grid, 2, 1));
    owner.ForgetNotices();
    grid.OnEditSelectAll();
    EXPECT_EQ(grid.GetSelectedCellRange(), CCellRange(1, 0, 40, 2));
    ASSERT_EQ(owner.notices.size(), 2u);
    EXPECT_EQ(owner.notices[0].code, GVN_SELCHANGING);
    EXPECT_EQ(owner.notices[1].code, GVN_SELCHANGED);
}

}  // namespace
