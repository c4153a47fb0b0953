// The routines every page shares: counts kept as integers, totals, sets of ticked boxes,
// the table's numbering and its one-row delete rule, and the species tree's node data.
#include <gtest/gtest.h>

#include <memory>

#include "controls/grid/GridCtrl.h"
#include "pages/common/ChooseForm00.h"
#include "pages/common/PageTable.h"
#include "pages/common/PageValues.h"
#include "platform/Dialog.h"
#include "tests/support/WindowFixture.h"

namespace {

TEST(PageValues, CountsKeptAsIntegersShowEmptyForMinusOne) {
    EXPECT_EQ(CountText(-1), "");
    EXPECT_EQ(CountText(0), "0");
    EXPECT_EQ(CountText(-2), "-2");
    EXPECT_EQ(CountValue(""), -1);
    EXPECT_EQ(CountValue("0"), 0);
    EXPECT_EQ(CountValue("12 броя"), 12);
    EXPECT_EQ(CountValue("около 5"), 0);
    EXPECT_EQ(CountValue(" 7"), 7);
    EXPECT_EQ(LeadingInteger("99999999999999"), INT32_MAX);
}

TEST(PageValues, ATotalIsEmptyWhenItIsZero) {
    CStringArray counts;
    EXPECT_EQ(TotalText(counts), "");
    for (const char* count : {"", "0", "x"}) counts.Add(count);
    EXPECT_EQ(TotalText(counts), "");
    for (const char* count : {"3", "12а", "-1"}) counts.Add(count);
    EXPECT_EQ(TotalText(counts), "14");
}

TEST(PageValues, TickedBoxesAreKeptAsNumbersInOneText) {
    CArray<int> ticked;
    for (const int box : {1, 0, 1, 1}) ticked.Add(box);
    EXPECT_EQ(MethodSetText(ticked), "1; 3; 4;");
    EXPECT_EQ(ParseMethodSet("1; 3; 4;", 4), ticked);
    EXPECT_EQ(MethodSetText(CArray<int>()), "");
    // The one-digit boxes are found by digit, whatever separates them.
    CArray<int> firstAndSecond;
    for (const int box : {1, 1, 0}) firstAndSecond.Add(box);
    EXPECT_EQ(ParseMethodSet("2;1", 3), firstAndSecond);
}

TEST(SpeciesNodes, ItemDataNamesTheLevelAndTheID) {
    EXPECT_EQ(SpeciesNodeOf(17).level, 1);
    EXPECT_EQ(SpeciesNodeOf(10003).id, 3);
    EXPECT_EQ(SpeciesNodeOf(10003).level, 2);
    EXPECT_EQ(SpeciesNodeOf(100001).id, 1);
    EXPECT_EQ(SpeciesNodeOf(100001).level, 3);
    EXPECT_EQ(SpeciesNodeOf(1000004).level, 4);
    EXPECT_EQ(SpeciesNodeOf(0).level, 0);
    EXPECT_EQ(SpeciesNodeOf(-5).level, 0);
    EXPECT_EQ(SpeciesNodeOf(10000000).level, 0);
}

// A grid on a dialog of its own, and the message boxes it makes.
class PageTableTest : public ::testing::Test {
protected:
    void SetUp() override {
        owner.CreateIndirect(DialogTemplate{0, "Таблица", {300, 160}, {CustomControl("MFCGridCtrl", 50, {5, 5, 280, 140})}});
        DDX_Bind();
        SetupPageGrid(grid, {{"Вид", 150}, {"Брой", 50}});
        for (const auto& [name, id] : {std::pair{"Canis lupus", 61}, {"Ursus arctos", 70}, {"Vulpes vulpes", 64}})
            rows.Add(std::make_pair(CString(name), id));
        Refill();
    }
    void TearDown() override {
        owner.DestroyWindow();
    }
    void DDX_Bind() {
        CDataExchange exchange(&owner, FALSE);
        DDX_Control(&exchange, 50, grid);
    }
    void Refill() {
        RefillPageGrid(grid, rows, [](const std::pair<CString, int>& row) {
            return PageGridRow{{row.first, CountText(row.second)}, row.second};
        });
    }

    CDialog owner{0u};
    CGridCtrl grid;
    CArray<std::pair<CString, int>> rows;
    MessageBoxLog boxes;
};

TEST_F(PageTableTest, RowsAreNumberedAndCarryTheirIndexAndSpecies) {
    ASSERT_EQ(grid.GetRowCount(), 4);
    EXPECT_EQ(grid.GetItemText(0, 0), "№");
    EXPECT_EQ(grid.GetItemText(2, 0), "2");
    EXPECT_EQ(grid.GetItemText(2, 1), "Ursus arctos");
    EXPECT_EQ(grid.GetItemData(2, 0), 1);
    EXPECT_EQ(grid.GetItemData(2, 1), 70);
    EXPECT_EQ(ElementIndexOfRow(grid, 0), -1);  // the heading
}

TEST_F(PageTableTest, OnlyOneWholeSelectedRowCanBeDeleted) {
    EXPECT_EQ(SelectedElementIndex(grid), -1);  // nothing selected
    grid.SetSelectedRange(1, 0, 2, 2);
    EXPECT_EQ(SelectedElementIndex(grid), -1);  // two rows
    grid.SetSelectedRange(2, 1, 2, 1);
    EXPECT_EQ(SelectedElementIndex(grid), -1);  // one cell
    grid.SetSelectedRange(2, 0, 2, 2);
    ASSERT_EQ(SelectedElementIndex(grid), 1);

    rows.RemoveAt(SelectedElementIndex(grid));
    Refill();
    ASSERT_EQ(grid.GetRowCount(), 3);
    EXPECT_EQ(grid.GetItemText(2, 0), "2");  // renumbered
    EXPECT_EQ(grid.GetItemText(2, 1), "Vulpes vulpes");
}

TEST_F(PageTableTest, ASpeciesAlreadyListedIsRefused) {
    EXPECT_FALSE(RefuseListedSpecies(grid, 99));
    EXPECT_TRUE(boxes.Texts().empty());
    EXPECT_TRUE(RefuseListedSpecies(grid, 64));
    EXPECT_EQ(boxes.Texts(), std::vector<CString>{"Този вид вече присъства в списъка!"});
}

}  // namespace
