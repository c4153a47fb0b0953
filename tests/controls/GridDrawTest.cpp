// What the grid paints: headings, lines, the selected row, the background beyond the cells.
#include <gtest/gtest.h>

#include <tuple>

#include "platform/SystemInfo.h"
#include "tests/controls/GridTestSupport.h"
#include "tests/support/WindowFixture.h"

namespace {

class GridDrawing : public ::testing::Test {
protected:
    void SetUp() override {
        MakeListGrid(grid, 4);
        grid.SetItemText(2, 2, "Bombina variegata — a text wider than its column");
        grid.ExpandLastColumn();
    }
    GridOwner owner;
    CGridCtrl& grid = owner.grid;
};

TEST_F(GridDrawing, PaintsHeadingsLinesSelectionAndBackground) {
    Click(grid, CellCentre(grid, 3, 1));
    const GridPicture picture(grid);

    CRect heading;
    grid.GetCellRect(0, 0, &heading);
    EXPECT_EQ(picture.At(heading.left + 4, heading.top + 3), GetSysColor(COLOR_3DFACE));
    EXPECT_EQ(picture.At(heading.left, heading.top + 3), GetSysColor(COLOR_3DHIGHLIGHT));  // raised

    CRect data;
    grid.GetCellRect(1, 0, &data);
    EXPECT_EQ(picture.At(data.left + 3, data.top + 3), GetSysColor(COLOR_WINDOW));
    EXPECT_EQ(picture.At(data.right, data.top + 3), RGB(192, 192, 192));   // vertical line
    EXPECT_EQ(picture.At(data.left + 3, data.bottom), RGB(192, 192, 192));  // horizontal line

    CRect selected;
    grid.GetCellRect(3, 0, &selected);
    EXPECT_EQ(picture.At(selected.left + 3, selected.top + 3), GetSysColor(COLOR_HIGHLIGHT));
    CRect focus;  // the focus cell of the selected row is framed in the highlight's text colour
    grid.GetCellRect(3, 1, &focus);
    EXPECT_EQ(picture.At(focus.left, focus.top + 3), GetSysColor(COLOR_HIGHLIGHTTEXT));
    EXPECT_EQ(picture.At(focus.left + 3, focus.top + 3), GetSysColor(COLOR_HIGHLIGHT));

    CRect last;
    grid.GetCellRect(4, 0, &last);
    EXPECT_EQ(picture.At(last.left + 3, last.bottom + 6), grid.GetGridBkColor());
}

TEST_F(GridDrawing, GridLinesFollowTheSetting) {
    CRect data;
    grid.GetCellRect(1, 0, &data);
    const COLORREF line = RGB(192, 192, 192), blank = GetSysColor(COLOR_WINDOW);
    for (const auto& [setting, vertical, horizontal] : {std::tuple(GVL_HORZ, blank, line), std::tuple(GVL_NONE, blank, blank)}) {
        grid.SetGridLines(setting);
        const GridPicture picture(grid);
        EXPECT_EQ(picture.At(data.right, data.top + 3), vertical) << setting;
        EXPECT_EQ(picture.At(data.left + 3, data.bottom), horizontal) << setting;
    }
}

TEST_F(GridDrawing, HeadingOfTheFocusColumnLooksPressed) {
    CRect heading;
    grid.GetCellRect(0, 1, &heading);
    Click(grid, CellCentre(grid, 2, 1));
    {
        const GridPicture picture(grid);
        EXPECT_NE(picture.At(heading.left, heading.top + 3), GetSysColor(COLOR_3DHIGHLIGHT));
    }
    grid.SetTrackFocusCell(FALSE);
    const GridPicture picture(grid);
    EXPECT_EQ(picture.At(heading.left, heading.top + 3), GetSysColor(COLOR_3DHIGHLIGHT));
}

// Real clicks from row to row of a list, then keys: the screen shows each time what the grid
// draws, with no cell left highlighted in a row no longer selected.
TEST_F(GridDrawing, TheScreenShowsTheSelectionAfterEachRealClickAndKeyUnderX11) {
    SKIP_UNLESS_X11();
    const auto shownAsDrawn = [this] { return PumpUntil([this] { return PixelsShownUnlikeDrawn(&grid) == 0; }); };
    for (const int row : {1, 3, 2, 4, 1}) {
        ASSERT_TRUE(RealPointerAt(&grid, CellCentre(grid, row, 1), true));
        ASSERT_TRUE(PumpUntil([&] { return grid.IsCellSelected(row, 0) != FALSE; })) << "row " << row;
        EXPECT_TRUE(shownAsDrawn()) << "after a click on row " << row;
    }
    for (const UINT key : {VK_DOWN, VK_DOWN, VK_UP, VK_END, VK_HOME}) {
        PressKey(&grid, key);
        EXPECT_TRUE(shownAsDrawn()) << "after the key " << key;
    }
}

}  // namespace
