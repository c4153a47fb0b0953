// The selected cells' text leaving and entering the grid: the clipboard keys and commands,
// Del, and drops from other programs or from another grid.
#include <gtest/gtest.h>

#include "platform/CommandIds.h"
#include "platform/DataTransfer.h"
#include "platform/Desktop.h"
#include "tests/controls/GridTestSupport.h"
#include "tests/support/WindowFixture.h"

namespace {

class GridTransfer : public ::testing::Test {
protected:
    void SetUp() override {
        MakeListGrid(grid, 4);
        SetClipboardText("предишно");
    }
    // An editable grid with cell selection, the current cell at (row, col).
    void MakeEditable(int row = 1, int col = 0) {
        grid.SetListMode(FALSE);
        grid.SetSingleRowSelection(FALSE);
        grid.SetEditable(TRUE);
        grid.SetFocusCell(row, col);
        grid.SetSelectedRange(row, col, row, col);
    }
    std::vector<CString> Row(int row) const {
        return {grid.GetItemText(row, 0), grid.GetItemText(row, 1), grid.GetItemText(row, 2)};
    }
    GridOwner owner;
    CGridCtrl& grid = owner.grid;
};

using Texts = std::vector<CString>;

TEST_F(GridTransfer, CopyGivesTheShownCellsOfTheSelectedRowsByTabsAndLineBreaks) {
    grid.SetItemText(2, 2, "Кирилица ѝ");
    Click(grid, CellCentre(grid, 2, 1));
    PressKey(&grid, 'C', MK_CONTROL);
    EXPECT_EQ(GetClipboardText(), CString("r2c0\tr2c1\tКирилица ѝ"));

    grid.SetSelectedRange(1, 0, 2, 2);
    grid.SetColumnWidth(1, 0);  // a hidden column is never copied
    PressKey(&grid, VK_INSERT, MK_CONTROL);
    EXPECT_EQ(GetClipboardText(), CString("r1c0\tr1c2\r\nr2c0\tКирилица ѝ"));

    grid.SetColumnWidth(1, 90);
    grid.SetSelectedRange(3, 0, 3, 2);
    grid.SendMessage(WM_COMMAND, ID_EDIT_COPY);
    EXPECT_EQ(GetClipboardText(), CString("r3c0\tr3c1\tr3c2"));
}

TEST_F(GridTransfer, AGridThatIsNotEditableKeepsItsTextUnderDelCutAndPaste) {
    Click(grid, CellCentre(grid, 1, 1));
    PressKey(&grid, VK_DELETE);
    PressKey(&grid, 'X', MK_CONTROL);
    EXPECT_EQ(GetClipboardText(), CString("предишно"));  // cutting copies nothing either
    PasteText(&grid, "a\tb\tc");
    EXPECT_EQ(Row(1), (Texts{"r1c0", "r1c1", "r1c2"}));
}

TEST_F(GridTransfer, PasteFillsCellsFromTheTargetAndDropsWhatPassesTheEdges) {
    MakeEditable(1, 0);
    PasteText(&grid, "a, b\tc");
    EXPECT_EQ(Row(1), (Texts{"a", "b", "c"}));
    EXPECT_EQ(grid.GetSelectedCellRange(), CCellRange(1, 0, 1, 2));

    // Lines past the last row and fields past the last column go; a final line break adds no row.
    grid.SetSelectedRange(3, 1, 3, 1);
    PasteText(&grid, "x1\tx2\tx3\r\ny1\r\nz1\r\n");
    EXPECT_EQ(Row(3), (Texts{"r3c0", "x1", "x2"}));
    EXPECT_EQ(Row(4), (Texts{"r4c0", "y1", "r4c2"}));
    EXPECT_EQ(grid.GetRowCount(), 5);

    // The owner may refuse a cell; a text the program cannot store changes nothing.
    owner.beginEditAnswer = -1;
    grid.SetSelectedRange(2, 0, 2, 0);
    PasteText(&grid, "refused");
    EXPECT_EQ(grid.GetItemText(2, 0), CString("r2c0"));
    owner.beginEditAnswer = 0;
    MessageBoxLog boxes;
    PasteText(&grid, "ok\t€ 😀");
    EXPECT_EQ(Row(2), (Texts{"r2c0", "r2c1", "r2c2"}));
    ASSERT_EQ(boxes.Texts().size(), 1u);
    EXPECT_NE(boxes.Texts()[0].Find("😀"), -1);
}

TEST_F(GridTransfer, CutCopiesTheSelectionAndEmptiesOnlyItsEditableCells) {
    MakeEditable(2, 0);
    grid.SetSelectedRange(2, 0, 2, 2);
    grid.SetItemState(2, 0, grid.GetItemState(2, 0) | GVIS_READONLY);
    PressKey(&grid, 'X', MK_CONTROL);
    EXPECT_EQ(GetClipboardText(), CString("r2c0\tr2c1\tr2c2"));
    EXPECT_EQ(Row(2), (Texts{"r2c0", "", ""}));
}

TEST_F(GridTransfer, DropsAreRefusedUnlessAllowedThenPasteWhereTheyFall) {
    EXPECT_FALSE(DropText(&grid, CellCentre(grid, 2, 1), "чужд текст"));
    MakeEditable();
    EXPECT_FALSE(DropText(&grid, CellCentre(grid, 2, 1), "чужд текст"));  // drag and drop off

    grid.EnableDragAndDrop(TRUE);
    EXPECT_FALSE(DropText(&grid, CellCentre(grid, 0, 1), "над заглавието"));
    EXPECT_TRUE(DropText(&grid, CellCentre(grid, 2, 1), "чужд,текст", MK_CONTROL));
    EXPECT_EQ(Row(2), (Texts{"r2c0", "чужд", "текст"}));
    EXPECT_EQ(grid.GetItemState(2, 1) & GVIS_DROPHILITED, 0u);
    EXPECT_EQ(grid.GetSelectedCount(), 0);
}

TEST_F(GridTransfer, AMoveDragEmptiesTheSourceCellsACopyKeepsThem) {
    MakeEditable(1, 1);
    grid.EnableDragAndDrop(TRUE);
    CString dragged;
    DROPEFFECT answer = DROPEFFECT_COPY;
    COleDataSource::SetDragHook([&](const CString& text, DROPEFFECT) {
        dragged = text;
        return answer;
    });
    const auto drag = [&] {
        grid.SetSelectedRange(1, 1, 1, 2);
        grid.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(CellCentre(grid, 1, 1).x, CellCentre(grid, 1, 1).y));
        grid.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(CellCentre(grid, 1, 2).x, CellCentre(grid, 1, 2).y));
        grid.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(CellCentre(grid, 1, 2).x, CellCentre(grid, 1, 2).y));
    };
    drag();
    EXPECT_EQ(dragged, CString("r1c1\tr1c2"));
    EXPECT_EQ(Row(1), (Texts{"r1c0", "r1c1", "r1c2"}));
    answer = DROPEFFECT_MOVE;
    drag();
    EXPECT_EQ(Row(1), (Texts{"r1c0", "", ""}));
    EXPECT_NE(std::find(owner.notices.begin(), owner.notices.end(), GridNotice{GVN_BEGINDRAG, 1, 1}), owner.notices.end());
    COleDataSource::SetDragHook(nullptr);

    // The picture dragged is the current cell, held at its bottom-right corner.
    CPoint hotSpot;
    CRect cell;
    grid.GetCellRect(grid.GetFocusCell(), &cell);
    const auto image = grid.CreateDragImage(&hotSpot);
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->GetImageCount(), 1);
    EXPECT_EQ(hotSpot, cell.BottomRight());
}

}  // namespace
