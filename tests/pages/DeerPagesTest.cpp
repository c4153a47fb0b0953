// The deer pages' totals, which follow their counts and cannot be typed over, and the limits
// and digits-only counts; and forms 25 and 26 as a user walks them: the deer pages and the
// notes page filled through their controls, stored, loaded, printed and deleted, form 25 also
// opened again for editing and for reading, as every stored form is.
#include "pages/species/SpecFormDeer01.h"
#include "pages/species/SpecFormDeer02.h"
#include "pages/species/SpecFormDeer03.h"
#include "pages/species/SpecFormDeer04.h"
#include "pages/species/SpecFormMoss06.h"
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

TEST_F(DeerPagesTest, ACountStoredLongerThanItsFieldLosesNothingTypedAfterIt) {
    doc.SpecData_Deer_04.DoeVeryYoung = "12345";  // by another program: counts take 3
    ShowPage(RUNTIME_CLASS(CSpecForm_Deer_04));
    TypeText(page->GetDlgItem(Deer04::IDC_DOE_YOUNG), "7");  // the total is counted again
    TypeText(page->GetDlgItem(Deer04::IDC_NOTES), "бележка");
    Leave();
    const CSpecData_Deer_04& around = doc.SpecData_Deer_04;
    EXPECT_EQ(std::tuple(around.DoeVeryYoung, around.DoeYoung, around.DoeTotal, around.Notes),
              std::tuple(CString("12345"), CString("7"), CString("12352"), CString("бележка")));
    EXPECT_TRUE(boxes.boxes.empty());  // a value nobody changed is kept without a word

    // A change that still does not fit is named once and stays in the field, to be mended; the
    // page keeps the last value that passed until the field's text passes.
    const std::vector<CString> tooLong{"Please enter no more than 3 characters."};
    ShowPage(RUNTIME_CLASS(CSpecForm_Deer_04));
    PressKey(page->GetDlgItem(Deer04::IDC_DOE_VERY_YOUNG), VK_BACK);
    EXPECT_EQ(TextOf(*page, Deer04::IDC_DOE_VERY_YOUNG), "1234");
    TypeText(page->GetDlgItem(Deer04::IDC_DOE_OLD), "1");  // the total is counted again
    EXPECT_EQ(TextOf(*page, Deer04::IDC_DOE_VERY_YOUNG) + "/" + TextOf(*page, Deer04::IDC_DOE_TOTAL), "1234/12353");
    PressKey(page->GetDlgItem(Deer04::IDC_DOE_TOTAL), VK_BACK);  // a total is not typed over
    EXPECT_EQ(TextOf(*page, Deer04::IDC_DOE_VERY_YOUNG) + "/" + TextOf(*page, Deer04::IDC_DOE_TOTAL), "1234/12353");
    EXPECT_EQ(boxes.Texts(), tooLong);
    Leave();
    EXPECT_EQ(std::pair(around.DoeVeryYoung, around.DoeTotal), std::pair(CString("12345"), CString("12353")));
    EXPECT_EQ(boxes.Texts(), tooLong);

    boxes.Reset();
    ShowPage(RUNTIME_CLASS(CSpecForm_Deer_04));
    for (int i = 0; i < 2; ++i) PressKey(page->GetDlgItem(Deer04::IDC_DOE_VERY_YOUNG), VK_BACK);
    EXPECT_EQ(TextOf(*page, Deer04::IDC_DOE_VERY_YOUNG) + "/" + TextOf(*page, Deer04::IDC_DOE_TOTAL), "123/131");
    Leave();
    EXPECT_EQ(std::pair(around.DoeVeryYoung, around.DoeTotal), std::pair(CString("123"), CString("131")));
    EXPECT_EQ(boxes.Texts(), tooLong);  // for "1234" only
}

class DeerWalkTest : public PrintingPageTest {
protected:
    void SetUp() override {
        PrintingPageTest::SetUp();
        doc.SpeciesID = 310;  // red deer
        doc.SpeciesName = "Cervus elaphus(Благороден елен)";
    }
};

TEST_F(DeerWalkTest, StagsAndHindsWithANote) {
    using Page = CDeerAgeClassPage;
    doc.FormTypeID = 25;
    Fill(RUNTIME_CLASS(CSpecForm_Deer_01), {{Page::IDC_VERY_YOUNG, "3"}, {Page::IDC_VERY_OLD, "14"}});
    Fill(RUNTIME_CLASS(CSpecForm_Deer_02), {{Page::IDC_YOUNG, "21"}, {Page::IDC_OLD, "4"}});
    Fill(RUNTIME_CLASS(CSpecForm_Moss_06), {{CSpecForm_Moss_06::IDC_NOTES, "Ревът започна в 5 ч.;\nгората 'Мечи дол'"}});
    const int formId = StoreNew();

    Open(formId, FALSE);
    ShowPage(RUNTIME_CLASS(CSpecForm_Deer_01));
    EXPECT_EQ(TextOf(*page, Page::IDC_TOTAL), "17");
    page->SetDlgItemText(Page::IDC_YOUNG, "2");
    Leave();
    ASSERT_TRUE(doc.UpdateForm());

    Open(formId, TRUE);
    ShowPage(RUNTIME_CLASS(CSpecForm_Deer_01));
    EXPECT_EQ(TextOf(*page, Page::IDC_TOTAL), "19");
    EXPECT_TRUE(Locked(Page::IDC_YOUNG));
    ShowPage(RUNTIME_CLASS(CSpecForm_Moss_06));
    EXPECT_TRUE(Locked(CSpecForm_Moss_06::IDC_NOTES));
    EXPECT_EQ(TextOf(*page, CSpecForm_Moss_06::IDC_NOTES), "Ревът започна в 5 ч.;\r\nгората 'Мечи дол'");
    Leave();
    PrintAndDelete(formId, {"Благороден елен", "14", "19", "21", "25", "гората 'Мечи дол'"});
}

TEST_F(DeerWalkTest, RuttingStagAndWhatIsAroundIt) {
    using Stag = CSpecForm_Deer_03;
    using Around = CSpecForm_Deer_04;
    doc.FormTypeID = 26;
    Fill(RUNTIME_CLASS(CSpecForm_Deer_03), {{Stag::IDC_HABITAT, "Букова гора над калището"}, {Stag::IDC_EYE_TINES, "2"},
                                            {Stag::IDC_CROWN_LEFT, "4"}, {Stag::IDC_CROWN_RIGHT, "5"}, {Stag::IDC_AGE, "12"}});
    Fill(RUNTIME_CLASS(CSpecForm_Deer_04), {{Around::IDC_DOE_YOUNG, "6"}, {Around::IDC_DOE_VERY_OLD, "7"},
                                            {Around::IDC_STAG_MATURE, "3"}, {Around::IDC_NOTES, "Рогачът рева до 7 ч."}});
    const int formId = StoreNew();

    Open(formId, FALSE);
    ShowPage(RUNTIME_CLASS(CSpecForm_Deer_04));
    EXPECT_EQ(TextOf(*page, Around::IDC_DOE_TOTAL) + "/" + TextOf(*page, Around::IDC_STAG_TOTAL), "13/3");
    Leave();
    PrintAndDelete(formId, {"Букова гора над калището", "12", "13", "Рогачът рева до 7 ч."});
}

}  // namespace
