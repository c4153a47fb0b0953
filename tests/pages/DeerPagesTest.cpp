// The deer pages' totals, which follow their counts and cannot be typed over, and the limits
// and digits-only counts.
#include "pages/species/SpecFormDeer01.h"
#include "pages/species/SpecFormDeer02.h"
#include "pages/species/SpecFormDeer04.h"
#include "tests/pages/PageFixture.h"

namespace {

using Deer01 = CSpecForm_Deer_01;
using Deer04 = CSpecForm_Deer_04;
using DeerPagesTest = PageTest;

TEST_F(DeerPagesTest, StagTotalFollowsTheCountsAndPutsBackWhatIsTypedIntoIt) {
    ShowPage(RUNTIME_CLASS(CSpecForm_Deer_01));
    page->SetDlgItemText(Deer01::IDC_VERY_YOUNG, "3");
    page->SetDlgItemText(Deer01::IDC_OLD, "2");
    page->SetDlgItemText(Deer01::IDC_VERY_OLD, "0");
    EXPECT_EQ(TextOf(*page, Deer01::IDC_TOTAL), "5");
    page->SetDlgItemText(Deer01::IDC_TOTAL, "77");
    EXPECT_EQ(TextOf(*page, Deer01::IDC_TOTAL), "5");
    Keys(*page, Deer01::IDC_YOUNG, "1x");  // digits only
    EXPECT_EQ(TextOf(*page, Deer01::IDC_TOTAL), "6");
    for (const int id : {Deer01::IDC_VERY_YOUNG, Deer01::IDC_YOUNG, Deer01::IDC_OLD}) page->SetDlgItemText(id, "");
    EXPECT_EQ(TextOf(*page, Deer01::IDC_TOTAL), "");
    // The counts have no length limit: the sum never overflows.
    page->SetDlgItemText(Deer01::IDC_VERY_YOUNG, "99999999999");
    page->SetDlgItemText(Deer01::IDC_YOUNG, "1");
    Leave();
    EXPECT_EQ(doc.SpecData_Deer_01, (CSpecData_Deer_01{{"99999999999", "1", "", "0", "2147483648"}}));
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(DeerPagesTest, StoredTotalsStandUntilACountChanges) {
    doc.SpecData_Deer_02 = {{"1", "2", "", "", "9"}};
    ShowPage(RUNTIME_CLASS(CSpecForm_Deer_02));
    page->SetDlgItemText(Deer01::IDC_TOTAL, "10");
    EXPECT_EQ(TextOf(*page, Deer01::IDC_TOTAL), "9");
    page->SetDlgItemText(Deer01::IDC_OLD, "4");
    EXPECT_EQ(TextOf(*page, Deer01::IDC_TOTAL), "7");

    doc.SpecData_Deer_04.DoeYoung = "2";
    doc.SpecData_Deer_04.DoeTotal = "8";
    doc.SpecData_Deer_04.DeerTotal = "1";
    ShowPage(RUNTIME_CLASS(CSpecForm_Deer_04));
    EXPECT_EQ(TextOf(*page, Deer04::IDC_DOE_TOTAL) + "/" + TextOf(*page, Deer04::IDC_STAG_TOTAL), "8/1");
    page->SetDlgItemText(Deer04::IDC_DOE_YOUNG, "3");
    EXPECT_EQ(TextOf(*page, Deer04::IDC_DOE_TOTAL) + "/" + TextOf(*page, Deer04::IDC_STAG_TOTAL), "3/1");
    EXPECT_EQ(doc.SpecData_Deer_02.Total, "7");
}

TEST_F(DeerPagesTest, AroundTheRuttingPlaceTotalsKeepTheNotesTypedSinceTheLastCount) {
    ShowPage(RUNTIME_CLASS(CSpecForm_Deer_04));
    Keys(*page, Deer04::IDC_DOE_VERY_YOUNG, "12345");  // counts take 3 characters
    page->SetDlgItemText(Deer04::IDC_DOE_OLD, "7");
    page->SetDlgItemText(Deer04::IDC_STAG_MATURE, "4");
    page->SetDlgItemText(Deer04::IDC_STAG_VERY_OLD, "1");
    page->SetDlgItemText(Deer04::IDC_NOTES, "ред 1\nред 2");
    page->SetDlgItemText(Deer04::IDC_DOE_TOTAL, "1");
    page->SetDlgItemText(Deer04::IDC_STAG_TOTAL, "");
    Leave();
    const CSpecData_Deer_04& around = doc.SpecData_Deer_04;
    EXPECT_EQ(std::tuple(around.DoeVeryYoung, around.DoeTotal, around.DeerTotal, around.Notes),
              std::tuple(CString("123"), CString("130"), CString("5"), CString("ред 1\r\nред 2")));
}

}  // namespace
