// Row and column sizes, fitting the columns to the window, and sorting.
#include <gtest/gtest.h>

#include "tests/controls/GridTestSupport.h"

namespace {

class GridSizes : public ::testing::Test {
protected:
    int ClientWidth() {
        CRect client;
        grid.GetClientRect(&client);
        return client.Width();
    }
    GridOwner owner;
    CGridCtrl& grid = owner.grid;
};

TEST_F(GridSizes, SizesRefuseWhatDoesNotExist) {
    MakeListGrid(grid, 2);
    EXPECT_EQ(grid.GetColumnWidth(-1), -1);
    EXPECT_EQ(grid.GetRowHeight(3), -1);
    EXPECT_FALSE(grid.SetColumnWidth(0, -5));
    EXPECT_FALSE(grid.SetRowHeight(9, 20));
    ASSERT_TRUE(grid.SetRowHeight(0, 35));
    EXPECT_EQ(grid.GetFixedRowHeight(), 35);
    EXPECT_EQ(grid.GetVirtualHeight(), 35 + grid.GetRowHeight(1) + grid.GetRowHeight(2));
    EXPECT_EQ(grid.GetVirtualWidth(), 270);
}

TEST_F(GridSizes, ExpandLastColumnFillsTheClientWidth) {
    MakeListGrid(grid, 2);
    grid.ExpandLastColumn();
    EXPECT_EQ(grid.GetVirtualWidth(), ClientWidth());
    EXPECT_EQ(grid.GetColumnWidth(0), 90);
    EXPECT_GT(grid.GetColumnWidth(2), 90);

    // Hidden last columns are passed over; nothing happens when only column 0 shows.
    grid.SetColumnWidth(2, 0);
    grid.SetColumnWidth(1, 0);
    grid.ExpandLastColumn();
    EXPECT_EQ(grid.GetColumnWidth(0), 90);
    EXPECT_EQ(grid.GetColumnWidth(2), 0);
}

TEST_F(GridSizes, ExpandColumnsToFitSpreadsTheRemainderFromTheLeft) {
    MakeListGrid(grid, 2);
    const int free = ClientWidth() - 3 * 90;
    grid.SetColumnWidth(2, 90 + free - 7);  // leaves 7 pixels to spread over 3 columns
    grid.ExpandColumnsToFit(TRUE);
    EXPECT_EQ(grid.GetColumnWidth(0), 90 + 3);
    EXPECT_EQ(grid.GetColumnWidth(1), 90 + 2);
    EXPECT_EQ(grid.GetColumnWidth(2), 90 + free - 7 + 2);
    EXPECT_EQ(grid.GetVirtualWidth(), ClientWidth());

    // Too wide: the columns give up the difference, hidden ones stay hidden.
    grid.SetColumnWidth(1, 0);
    grid.SetColumnWidth(0, ClientWidth());
    grid.ExpandColumnsToFit(TRUE);
    EXPECT_EQ(grid.GetColumnWidth(1), 0);
    EXPECT_EQ(grid.GetVirtualWidth(), ClientWidth());
}

TEST_F(GridSizes, AutoSizeFitsTheWidestCellAndLeavesHiddenColumnsHidden) {
    MakeListGrid(grid, 3);
    grid.SetItemText(2, 1, "Triturus karelinii arntzeni");
    ASSERT_TRUE(grid.AutoSizeColumn(1));
    EXPECT_EQ(grid.GetColumnWidth(1), grid.GetCell(2, 1)->GetCellExtent(nullptr).cx);

    ASSERT_TRUE(grid.AutoSizeColumn(1, GVS_HEADER));  // the heading alone
    EXPECT_EQ(grid.GetColumnWidth(1), grid.GetCell(0, 1)->GetCellExtent(nullptr).cx);

    grid.SetColumnWidth(2, 0);
    EXPECT_FALSE(grid.AutoSizeColumn(2));
    EXPECT_EQ(grid.GetColumnWidth(2), 0);

    grid.SetItemText(1, 0, "two\nlines");
    grid.SetItemFormat(1, 0, DT_CENTER | DT_WORDBREAK);
    const int oneLine = grid.GetRowHeight(1);
    ASSERT_TRUE(grid.AutoSizeRow(1));
    EXPECT_GT(grid.GetRowHeight(1), oneLine);
}

TEST_F(GridSizes, SortingComparesTextsBytewiseAndKeepsRowsWhole) {
    MakeListGrid(grid, 0);
    const char* names[] = {"b", "Z", "a", "b", "ä", "A"};
    for (const char* name : names) {
        const int row = grid.InsertRow(name, -1);
        grid.SetItemData(row, 1, row);
    }
    ASSERT_TRUE(grid.SortTextItems(0, TRUE));
    const char* ascending[] = {"A", "Z", "a", "b", "b", "ä"};
    for (int i = 0; i < 6; ++i) EXPECT_EQ(grid.GetItemText(i + 1, 0), CString(ascending[i])) << i;
    // The item data travelled with its row.
    EXPECT_EQ(grid.GetItemData(6, 1), 5);
    EXPECT_EQ(grid.GetSortColumn(), 0);

    ASSERT_TRUE(grid.SortTextItems(0, FALSE));
    EXPECT_EQ(grid.GetItemText(1, 0), CString("ä"));
    EXPECT_EQ(grid.GetItemText(6, 0), CString("A"));

    grid.SetItemText(1, 0, "changed");  // a change in the sort column ends the sort
    EXPECT_EQ(grid.GetSortColumn(), -1);
}

TEST_F(GridSizes, SortingNeedsTwoRowsAndTakesACompareFunction) {
    MakeListGrid(grid, 1);
    EXPECT_FALSE(grid.SortTextItems(0, TRUE));
    EXPECT_FALSE(grid.SortTextItems(5, TRUE));
    for (int value : {30, 4, 200}) {
        const int row = grid.InsertRow("", -1);
        grid.SetItemData(row, 1, value);
    }
    const auto byData = [](const CGridCellBase* a, const CGridCellBase* b, LPARAM) {
        return static_cast<int>(a->GetData() - b->GetData());
    };
    ASSERT_TRUE(grid.SortItems(byData, 1, TRUE));
    EXPECT_EQ(grid.GetItemData(1, 1), 4);  // the first row's data was 101
    EXPECT_EQ(grid.GetItemData(4, 1), 200);
}

TEST_F(GridSizes, ManyRowsSortAndScrollToTheEnd) {
    grid.SetRowCount(20001);
    grid.SetColumnCount(2);
    grid.SetFixedRowCount(1);
    for (int row = 1; row <= 20000; ++row) {
        CString text;
        text.Format("%05d", (row * 7919) % 20000);
        grid.SetItemText(row, 0, text);
    }
    ASSERT_TRUE(grid.SortTextItems(0, TRUE));
    EXPECT_EQ(grid.GetItemText(1, 0), CString("00000"));
    EXPECT_EQ(grid.GetItemText(20000, 0), CString("19999"));

    grid.SendMessage(WM_VSCROLL, SB_BOTTOM);
    EXPECT_EQ(grid.GetVisibleNonFixedCellRange().GetMaxRow(), 20000);
    EXPECT_TRUE(grid.IsCellVisible(20000, 0));
    grid.SendMessage(WM_VSCROLL, SB_LINEDOWN);  // already at the end
    EXPECT_EQ(grid.GetVisibleNonFixedCellRange().GetMaxRow(), 20000);
}

}  // namespace
