// Rows, columns and cells of the grid, and the item data lookup.
#include <gtest/gtest.h>

#include "tests/controls/GridTestSupport.h"

namespace {

TEST(GridStructure, InsertingBuildsFixedHeadingCellsAndFollowsItsOwnPositionRules) {
    CGridCtrl grid;
    EXPECT_EQ(grid.InsertColumn("A", DT_CENTER, -1), 0);
    EXPECT_EQ(grid.InsertColumn("C", DT_CENTER, -1), 1);
    EXPECT_EQ(grid.GetRowCount(), 1);  // the first column makes the heading row
    ASSERT_TRUE(grid.SetFixedRowCount(1));
    EXPECT_EQ(grid.InsertRow("x", -1), 1);
    EXPECT_EQ(grid.InsertRow("z", -1), 2);
    EXPECT_TRUE(grid.GetItemState(0, 1) & GVIS_FIXEDROW);
    EXPECT_FALSE(grid.GetItemState(1, 1) & GVIS_FIXED);
    // The heading's format goes to the cells the column had; later rows take the default.
    EXPECT_EQ(grid.GetItemFormat(0, 1), static_cast<UINT>(DT_CENTER));
    EXPECT_EQ(grid.GetItemFormat(2, 1), static_cast<UINT>(0x8824));

    EXPECT_EQ(grid.InsertRow("y", grid.GetRowCount()), -1);  // a row is never appended by position
    EXPECT_EQ(grid.InsertRow("y", 0), -1);                    // nor put among the heading rows
    EXPECT_EQ(grid.InsertRow("y", 2), 2);
    EXPECT_EQ(grid.GetItemText(3, 0), CString("z"));
    EXPECT_EQ(grid.InsertColumn("D", DT_CENTER, grid.GetColumnCount()), 2);  // a column is
    EXPECT_EQ(grid.InsertColumn("B", DT_CENTER, 1), 1);
    EXPECT_EQ(grid.GetItemText(0, 1), CString("B"));
    EXPECT_EQ(grid.GetItemText(0, 2), CString("C"));
    EXPECT_EQ(grid.InsertColumn("Z", DT_CENTER, 9), -1);
}

TEST(GridStructure, CountsShrinkTheFixedCountsAndClearTheFocusCell) {
    CGridCtrl grid(5, 4, 2, 1);
    grid.SetFocusCell(3, 2);
    ASSERT_EQ(grid.GetFocusCell(), CCellID(3, 2));

    ASSERT_TRUE(grid.SetRowCount(3));
    EXPECT_EQ(grid.GetFocusCell(), CCellID(-1, -1));
    ASSERT_TRUE(grid.SetRowCount(0));
    EXPECT_EQ(grid.GetRowCount(), 0);
    EXPECT_EQ(grid.GetFixedRowCount(), 0);
    EXPECT_EQ(grid.GetCell(0, 0), nullptr);

    ASSERT_TRUE(grid.SetRowCount(2));
    EXPECT_TRUE(grid.SetColumnCount(0));
    EXPECT_EQ(grid.GetFixedColumnCount(), 0);
    EXPECT_FALSE(grid.SetRowCount(-1));
}

TEST(GridStructure, FixedCountsMarkAndUnmarkTheirCells) {
    CGridCtrl grid(4, 3, 0, 0);
    grid.SetItemBkColour(1, 2, RGB(1, 2, 3));
    ASSERT_TRUE(grid.SetFixedRowCount(2));
    EXPECT_EQ(grid.GetItemState(1, 2) & (GVIS_FIXED | GVIS_FIXEDROW), GVIS_FIXED | GVIS_FIXEDROW);
    EXPECT_EQ(grid.GetItemBkColour(1, 2), CLR_DEFAULT);  // headings take the heading colours

    ASSERT_TRUE(grid.SetFixedColumnCount(1));
    ASSERT_TRUE(grid.SetFixedRowCount(1));
    EXPECT_EQ(grid.GetItemState(1, 2) & GVIS_FIXED, 0u);
    // A cell of a fixed column keeps Fixed when its row stops being a heading row.
    EXPECT_EQ(grid.GetItemState(1, 0) & (GVIS_FIXED | GVIS_FIXEDROW | GVIS_FIXEDCOL), GVIS_FIXED | GVIS_FIXEDCOL);

    ASSERT_TRUE(grid.SetFixedRowCount(6));  // more heading rows than rows: rows are added
    EXPECT_EQ(grid.GetRowCount(), 6);
}

TEST(GridStructure, DeletingRowsMovesTheFocusCellWithItsRow) {
    CGridCtrl grid(6, 2, 1, 0);
    grid.EnableSelection(FALSE);  // selection changes would clear the focus cell themselves
    grid.SetFocusCell(4, 1);
    ASSERT_TRUE(grid.DeleteRow(2));
    EXPECT_EQ(grid.GetFocusCell(), CCellID(3, 1));
    ASSERT_TRUE(grid.DeleteRow(3));
    EXPECT_EQ(grid.GetFocusCell(), CCellID(-1, -1));
    EXPECT_FALSE(grid.DeleteRow(9));
    EXPECT_EQ(grid.GetRowCount(), 4);

    ASSERT_TRUE(grid.DeleteRow(0));  // a heading row
    EXPECT_EQ(grid.GetFixedRowCount(), 0);
}

TEST(GridStructure, ClearingKeepsOrDropsTheHeadings) {
    CGridCtrl grid;
    MakeListGrid(grid, 5);
    ASSERT_TRUE(grid.DeleteNonFixedRows());
    EXPECT_EQ(grid.GetRowCount(), 1);
    EXPECT_EQ(grid.GetItemText(0, 2), CString("Heading 2"));

    ASSERT_TRUE(grid.DeleteAllItems());
    EXPECT_EQ(grid.GetRowCount(), 0);
    EXPECT_EQ(grid.GetColumnCount(), 0);
    EXPECT_EQ(grid.GetFixedRowCount(), 0);
    EXPECT_EQ(grid.GetColumnWidth(0), -1);
}

TEST(GridStructure, CellsOutOfRangeAnswerEmpty) {
    CGridCtrl grid(3, 3, 1, 0);
    EXPECT_FALSE(grid.SetItemText(3, 0, "x"));
    EXPECT_FALSE(grid.SetItemText(0, -1, "x"));
    EXPECT_FALSE(grid.SetItemData(-1, 0, 5));
    EXPECT_FALSE(grid.SetItemState(0, 3, GVIS_READONLY));
    EXPECT_EQ(grid.GetItemText(7, 7), CString(""));
    EXPECT_EQ(grid.GetItemData(-1, 0), 0);
    EXPECT_EQ(grid.GetCell(3, 0), nullptr);
    EXPECT_FALSE(grid.IsValid(CCellID(3, 0)));
    EXPECT_FALSE(grid.IsValid(CCellRange(0, 0, 3, 2)));
    EXPECT_FALSE(grid.IsValid(CCellRange(2, 0, 1, 2)));
    EXPECT_TRUE(grid.IsValid(CCellRange(0, 0, 2, 2)));
}

TEST(GridStructure, ClearingTheModifiedFlagClearsEveryCells) {
    CGridCtrl grid(3, 3, 1, 0);
    ASSERT_TRUE(grid.SetItemText(1, 2, "Ursus arctos"));
    EXPECT_TRUE(grid.GetModified());
    EXPECT_TRUE(grid.GetModified(1, 2));
    grid.SetModified(FALSE);
    EXPECT_FALSE(grid.GetModified(1, 2));
}

TEST(GridStructure, FindItemDataLooksAtColumnOneOfEveryRow) {
    CGridCtrl grid;
    MakeListGrid(grid, 4);  // data rows hold 101..104
    int row = -1;
    EXPECT_TRUE(grid.FindItemData(103, &row));
    EXPECT_EQ(row, 3);
    EXPECT_FALSE(grid.FindItemData(99, &row));

    // The heading row's data is 0 and is looked at too; of equal keys the last row wins.
    EXPECT_TRUE(grid.FindItemData(0, &row));
    EXPECT_EQ(row, 0);
    grid.SetItemData(4, 1, 102);
    EXPECT_TRUE(grid.FindItemData(102, &row));
    EXPECT_EQ(row, 4);
    EXPECT_TRUE(grid.FindItemData(102));
    // Every call looks afresh.
    grid.DeleteRow(4);
    EXPECT_TRUE(grid.FindItemData(102, &row));
    EXPECT_EQ(row, 2);
}

TEST(GridStructure, CellsTakeUnsetAttributesFromTheirDefaultCell) {
    CGridCtrl grid(2, 2, 1, 0);
    CGridCellBase* data = grid.GetCell(1, 1);
    CGridCellBase* defaultCell = grid.GetDefaultCell(FALSE, FALSE);
    data->SetFormat(static_cast<DWORD>(-1));
    defaultCell->SetFormat(DT_RIGHT);
    EXPECT_EQ(data->GetFormat(), static_cast<DWORD>(DT_RIGHT));
    EXPECT_NE(grid.GetCell(0, 1)->GetFormat(), static_cast<DWORD>(DT_RIGHT));  // headings have their own
    EXPECT_TRUE(data->IsDefaultFont());

    LOGFONT own{};
    own.lfHeight = -20;
    data->SetFont(&own);
    EXPECT_FALSE(data->IsDefaultFont());
    EXPECT_EQ(data->GetFont()->lfHeight, -20);

    // A default cell takes no data or state and always reads as read-only.
    defaultCell->SetData(42);
    defaultCell->SetState(GVIS_SELECTED);
    EXPECT_EQ(defaultCell->GetData(), 0);
    EXPECT_EQ(defaultCell->GetState(), GVIS_READONLY);
}

TEST(GridStructure, TextExtentsFollowTheFormat) {
    CGridCtrl grid(1, 1, 0, 0);
    CGridCellBase* cell = grid.GetCell(0, 0);
    const auto* defaultCell = dynamic_cast<const CGridDefaultCell*>(grid.GetDefaultCell(FALSE, FALSE));
    ASSERT_TRUE(defaultCell);
    CClientDC screen(nullptr);

    // An empty text measures as a default cell.
    EXPECT_EQ(cell->GetTextExtent("", &screen), CSize(defaultCell->GetWidth(), defaultCell->GetHeight()));

    // With line breaks allowed, a text measures as wide as its widest line.
    cell->SetFormat(DT_CENTER | DT_WORDBREAK);
    const CSize twoLines = cell->GetTextExtent("Брой\nекземпляри", &screen);
    cell->SetFormat(DT_CENTER | DT_SINGLELINE);
    const CSize widest = cell->GetTextExtent("екземпляри", &screen);
    EXPECT_EQ(twoLines.cx, widest.cx);
    EXPECT_GT(twoLines.cy, widest.cy);

    // Turned text swaps width and height.
    LOGFONT turned = *cell->GetFont();
    turned.lfEscapement = 900;
    cell->SetFont(&turned);
    const CSize vertical = cell->GetTextExtent("екземпляри", &screen);
    EXPECT_LT(vertical.cx, vertical.cy);
}

TEST(GridStructure, VirtualModeStoresNothingAndAsksTheCallback) {
    CGridCtrl grid;
    grid.SetVirtualMode(TRUE);
    grid.SetRowCount(100000);
    grid.SetColumnCount(3);
    grid.SetFixedRowCount(1);
    grid.SetCallbackFunc(
        [](GV_DISPINFO* info, LPARAM) {
            info->item.strText.Format("%d/%d", info->item.row, info->item.col);
            return TRUE;
        },
        0);
    EXPECT_FALSE(grid.SetItemText(5, 1, "x"));
    EXPECT_EQ(grid.GetItemText(99999, 2), CString("99999/2"));
    EXPECT_TRUE(grid.GetItemState(0, 1) & GVIS_FIXEDROW);
}

}  // namespace
