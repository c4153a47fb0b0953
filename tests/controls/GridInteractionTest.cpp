// The mouse and in-place editing, driven through the grid's window messages, with what the
// grid's owner hears of them.
#include <gtest/gtest.h>

#include "tests/controls/GridTestSupport.h"

namespace {

class GridInteraction : public ::testing::Test {
protected:
    void SetUp() override {
        MakeListGrid(grid, 8);
        owner.ForgetNotices();
    }
    std::vector<int> Codes() const {
        std::vector<int> codes;
        for (const GridNotice& notice : owner.notices) codes.push_back(notice.code);
        return codes;
    }
    GridOwner owner;
    CGridCtrl& grid = owner.grid;
};

TEST_F(GridInteraction, ClickOnADataRowSelectsItAndTellsTheOwner) {
    Click(grid, CellCentre(grid, 3, 1));
    const std::vector<GridNotice> expected = {
        {GVN_SELCHANGING, 3, 1}, {GVN_SELCHANGED, 3, 1}, {NM_CLICK, 3, 1}};
    EXPECT_EQ(owner.notices, expected);
    // Changing is announced while nothing is selected yet (the first row reads as the count).
    EXPECT_EQ(owner.selectedRows, (std::vector<int>{9, 3, 3}));
    EXPECT_EQ(grid.GetSelectedCellRange(), CCellRange(3, 0, 3, 2));
    EXPECT_EQ(grid.GetFocusCell(), CCellID(3, 1));

    EXPECT_EQ(owner.clickCommands, 0);  // the command comes after the click
    Pump();
    EXPECT_EQ(owner.clickCommands, 1);
}

TEST_F(GridInteraction, ClickOnTheHeadingSelectsTheColumnOrTogglesTheSortWhenAsked) {
    grid.SetItemText(2, 0, "zz");
    Click(grid, CellCentre(grid, 0, 2));
    const std::vector<GridNotice> expected = {
        {GVN_SELCHANGING, 0, 2}, {GVN_SELCHANGED, -1, -1}, {NM_CLICK, 0, 2}};
    EXPECT_EQ(owner.notices, expected);
    EXPECT_EQ(grid.GetSelectedCellRange(), CCellRange(1, 2, 8, 2));
    Click(grid, CellCentre(grid, 0, 0));
    EXPECT_EQ(grid.GetSortColumn(), -1);
    EXPECT_EQ(grid.GetItemText(2, 0), CString("zz"));

    grid.SetHeaderSort(TRUE);
    Click(grid, CellCentre(grid, 0, 0));
    EXPECT_EQ(grid.GetSortColumn(), 0);
    EXPECT_TRUE(grid.GetSortAscending());
    EXPECT_EQ(grid.GetItemText(8, 0), CString("zz"));
    Click(grid, CellCentre(grid, 0, 0));
    EXPECT_FALSE(grid.GetSortAscending());
    EXPECT_EQ(grid.GetItemText(1, 0), CString("zz"));
}

TEST_F(GridInteraction, DoubleClicksReportTheirCell) {
    // down, up, double click, up: the first click, the double click, then the second release.
    DoubleClick(grid, CellCentre(grid, 5, 2));
    const std::vector<int> codes = {GVN_SELCHANGING, GVN_SELCHANGED, NM_CLICK, NM_DBLCLK, GVN_SELCHANGED, NM_CLICK};
    EXPECT_EQ(Codes(), codes);
    EXPECT_EQ(owner.notices[3], (GridNotice{NM_DBLCLK, 5, 2}));
    EXPECT_EQ(grid.GetCell(5, 2)->GetEditWnd(), nullptr);  // read-only list: no editor

    owner.ForgetNotices();
    DoubleClick(grid, CellCentre(grid, 0, 1));
    EXPECT_EQ(owner.notices[3], (GridNotice{NM_DBLCLK, 0, 1}));
}

TEST_F(GridInteraction, RightClickReportsTheCellOrNone) {
    RightClick(grid, CellCentre(grid, 4, 0));
    EXPECT_EQ(owner.notices, (std::vector<GridNotice>{{NM_RCLICK, 4, 0}}));
    EXPECT_EQ(grid.GetFocusCell(), CCellID(4, 0));

    owner.ForgetNotices();
    CRect client;
    grid.GetClientRect(&client);
    RightClick(grid, CPoint(20, client.bottom - 3));  // below the last row
    EXPECT_EQ(owner.notices, (std::vector<GridNotice>{{NM_RCLICK, -1, -1}}));
}

TEST_F(GridInteraction, WheelScrollsByLines) {
    for (int row = 0; row < 40; ++row) grid.InsertRow("", -1);
    const int lines = grid.GetWheelScrollLines();
    ASSERT_GT(lines, 0);
    grid.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<unsigned>(static_cast<std::uint16_t>(-WHEEL_DELTA))), 0);
    EXPECT_EQ(grid.GetTopleftNonFixedCell().row, 1 + lines);
    grid.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), 0);
    EXPECT_EQ(grid.GetTopleftNonFixedCell().row, 1);
}

TEST_F(GridInteraction, DraggingADividerSetsTheWidth) {
    const auto drag = [&](CPoint from, CPoint to) {
        grid.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(from.x, from.y));
        grid.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(from.x, from.y));
        if (to != from) grid.SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(to.x, to.y));
        grid.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(to.x, to.y));
    };
    CRect heading;
    grid.GetCellRect(0, 0, &heading);
    drag(CPoint(heading.right, heading.CenterPoint().y), CPoint(heading.right + 40, heading.CenterPoint().y));
    EXPECT_EQ(grid.GetColumnWidth(0), heading.Width() + 40);
    EXPECT_TRUE(owner.notices.empty());  // sizing is no click

    // Released where it was pressed: nothing changes; left of the column's own edge: it is hidden.
    const int width = grid.GetColumnWidth(1);
    grid.GetCellRect(0, 1, &heading);
    const CPoint divider(heading.right, heading.CenterPoint().y);
    drag(divider, divider);
    EXPECT_EQ(grid.GetColumnWidth(1), width);
    drag(divider, CPoint(heading.left - 10, divider.y));
    EXPECT_EQ(grid.GetColumnWidth(1), 0);
}

TEST_F(GridInteraction, DoubleClickOnADividerFitsTheColumn) {
    grid.SetItemText(3, 0, "a rather longer text than the others");
    CRect heading;
    grid.GetCellRect(0, 0, &heading);
    const CPoint divider(heading.right, heading.CenterPoint().y);
    grid.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(divider.x, divider.y));
    DoubleClick(grid, divider);
    const CSize extent = grid.GetCell(3, 0)->GetCellExtent(nullptr);
    EXPECT_EQ(grid.GetColumnWidth(0), extent.cx);
    EXPECT_GT(grid.GetColumnWidth(0), 90);
}

class GridEditing : public GridInteraction {
protected:
    void SetUp() override {
        GridInteraction::SetUp();
        grid.SetEditable(TRUE);
        Click(grid, CellCentre(grid, 2, 1));
        owner.ForgetNotices();
    }
    CWnd* Editor() { return grid.GetCell(2, 1)->GetEditWnd(); }
};

TEST_F(GridEditing, ClickOnTheCurrentCellEditsAndEnterStores) {
    Click(grid, CellCentre(grid, 2, 1));
    CWnd* editor = Editor();
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(owner.notices, (std::vector<GridNotice>{{GVN_BEGINLABELEDIT, 2, 1}}));
    CString text;
    editor->GetWindowText(text);
    EXPECT_EQ(text, CString("r2c1"));

    editor->SetWindowText("Rana dalmatina");
    Char(*editor, VK_RETURN);  // the focus goes back to the grid, which ends the edit
    EXPECT_EQ(grid.GetItemText(2, 1), CString("Rana dalmatina"));
    EXPECT_EQ(owner.notices.back(), (GridNotice{GVN_ENDLABELEDIT, 2, 1}));
    EXPECT_EQ(Editor(), nullptr);
    EXPECT_TRUE(grid.GetModified(2, 1));
}

TEST_F(GridEditing, TypingReplacesTheTextAndEscapeRestoresIt) {
    Char(grid, 'Z');
    CWnd* editor = Editor();
    ASSERT_NE(editor, nullptr);
    Pump();  // the typed letter reaches the editor after the grid's message
    CString text;
    editor->GetWindowText(text);
    EXPECT_EQ(text, CString("Z"));

    Char(*editor, VK_ESCAPE);
    EXPECT_EQ(Editor(), nullptr);
    EXPECT_EQ(grid.GetItemText(2, 1), CString("r2c1"));
    // The text came back unchanged: the owner hears of no end of editing.
    EXPECT_EQ(Codes(), (std::vector<int>{GVN_BEGINLABELEDIT}));
}

TEST_F(GridEditing, TabStoresAndCarriesTheEditorToTheNextCell) {
    Key(grid, VK_F2);
    ASSERT_NE(Editor(), nullptr);
    Editor()->SetWindowText("Lacerta viridis");
    Char(*Editor(), VK_TAB);
    EXPECT_EQ(grid.GetItemText(2, 1), CString("Lacerta viridis"));
    EXPECT_EQ(Editor(), nullptr);
    EXPECT_EQ(grid.GetFocusCell(), CCellID(2, 2));
    EXPECT_NE(grid.GetCell(2, 2)->GetEditWnd(), nullptr);
}

TEST_F(GridEditing, TheOwnerCanRefuseAnEditOrItsResult) {
    owner.beginEditAnswer = -1;
    Key(grid, VK_F2);
    EXPECT_EQ(Editor(), nullptr);

    owner.beginEditAnswer = 0;
    owner.endEditAnswer = -1;
    Key(grid, VK_F2);
    ASSERT_NE(Editor(), nullptr);
    Editor()->SetWindowText("refused");
    grid.EndEditing();
    EXPECT_EQ(grid.GetItemText(2, 1), CString("r2c1"));
}

TEST_F(GridEditing, AGridClosedWhileEditingTellsNobody) {
    Key(grid, VK_F2);
    ASSERT_NE(Editor(), nullptr);
    Editor()->SetWindowText("typed, never stored");
    grid.DestroyWindow();
    Pump();
    EXPECT_EQ(Codes(), (std::vector<int>{GVN_BEGINLABELEDIT}));
    EXPECT_EQ(grid.GetItemText(2, 1), CString("r2c1"));
}

TEST_F(GridEditing, ReadOnlyCellsOpenNoEditor) {
    grid.SetItemState(2, 1, grid.GetItemState(2, 1) | GVIS_READONLY);
    Key(grid, VK_F2);
    Char(grid, 'x');
    EXPECT_EQ(Editor(), nullptr);
    EXPECT_TRUE(owner.notices.empty());
}

TEST_F(GridEditing, DeleteEmptiesTheSelectedCellsThroughTheOwner) {
    Key(grid, VK_DELETE);
    EXPECT_EQ(grid.GetItemText(2, 0), CString(""));
    EXPECT_EQ(grid.GetItemText(2, 2), CString(""));
    EXPECT_EQ(grid.GetItemText(3, 0), CString("r3c0"));
    EXPECT_EQ(owner.notices.size(), 6u);  // asked and told for each of the three cells
}

TEST_F(GridInteraction, TitleTipShowsWhatTheCellCannotAndGoesWhenTheMouseLeaves) {
    grid.SetItemText(4, 1, "Sciurus vulgaris, a much longer name than the column can show");
    grid.SetFocus();
    Pump();
    const CPoint inCell = CellCentre(grid, 4, 1);
    grid.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(inCell.x, inCell.y));
    CWnd* tip = CWnd::GetCapture();
    ASSERT_NE(tip, nullptr);
    EXPECT_NE(tip, &grid);
    EXPECT_TRUE(tip->IsWindowVisible());

    // A move off the cell hides it.
    CPoint outside = CellCentre(grid, 6, 1);
    grid.ClientToScreen(&outside);
    tip->ScreenToClient(&outside);
    tip->SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(outside.x, outside.y));
    EXPECT_FALSE(tip->IsWindowVisible());
    EXPECT_EQ(CWnd::GetCapture(), nullptr);

    // A text that fits shows no tip.
    const CPoint shortCell = CellCentre(grid, 3, 1);
    grid.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(shortCell.x, shortCell.y));
    EXPECT_EQ(CWnd::GetCapture(), nullptr);
}

}  // namespace

// The editor is what the grid hands out as the cell's editor: destroying it ends the edit as
// the grid's own end does. Run apart, so that a crash fails the test rather than the program.
TEST_F(GridEditing, DestroyingTheEditorEndsTheEdit) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            Key(grid, VK_F2);
            if (Editor() == nullptr) std::exit(2);
            Editor()->SetWindowText("Bufo bufo");
            Editor()->DestroyWindow();
            Pump();
            Key(grid, VK_F2);  // a second edit of the cell after the first one's editor went
            const bool editing = grid.GetCell(2, 1)->IsEditing() && Editor() != nullptr;
            if (Editor() != nullptr) Editor()->DestroyWindow();
            Pump();
            std::exit(editing && !grid.GetCell(2, 1)->IsEditing() && Editor() == nullptr &&
                              grid.GetItemText(2, 1) == CString("Bufo bufo")
                          ? 0
                          : 1);
        },
        ::testing::ExitedWithCode(0), "");
}
