// The routines every page shares: counts kept as integers, totals, sets of ticked boxes,
// and the species tree's node data. The page table's numbering, its one-row delete rule and
// its refusal of a listed species are driven through every family's pages.
#include <gtest/gtest.h>

#include "pages/common/ChooseForm00.h"
#include "pages/common/PageValues.h"

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
    // Each count is capped, the sum is not: it passes what an int holds.
    CStringArray large;
    for (const char* count : {"99999999999", "1"}) large.Add(count);
    EXPECT_EQ(TotalText(large), "2147483648");
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

// The chooser's tests decode the levels that the demo data relates forms to (1, 3 and 4).
TEST(SpeciesNodes, ItemDataNamesTheLevelAndTheID) {
    EXPECT_EQ(SpeciesNodeOf(10003).id, 3);
    EXPECT_EQ(SpeciesNodeOf(10003).level, 2);
    EXPECT_EQ(SpeciesNodeOf(0).level, 0);
    EXPECT_EQ(SpeciesNodeOf(-5).level, 0);
    EXPECT_EQ(SpeciesNodeOf(10000000).level, 0);
}

}  // namespace
