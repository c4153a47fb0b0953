// Forms 25 and 26 on the demo database, as a user walks them: the deer pages and the notes
// page filled through their controls, stored, opened again for editing and for reading,
// printed and deleted.
#include <filesystem>
#include <fstream>
#include <sstream>

#include "pages/species/SpecFormDeer01.h"
#include "pages/species/SpecFormDeer02.h"
#include "pages/species/SpecFormDeer03.h"
#include "pages/species/SpecFormDeer04.h"
#include "pages/species/SpecFormMoss06.h"
#include "platform/ReportEngine.h"
#include "reports/DlgReport.h"
#include "store/SqlText.h"
#include "tests/pages/PageFixture.h"

namespace {

namespace fs = std::filesystem;

constexpr int kRedDeer = 310;

class DeerWalkTest : public PageTest {
protected:
    void SetUp() override {
        PageTest::SetUp();
        fs::copy(fs::path(QUORIN_DATA_DIR) / "reports", fs::path(database.Folder().str()) / "Reports",
                 fs::copy_options::recursive);
        output = MakeTempFolder();
        SetReportOutputFolder(output);  // printed to files, not previewed
        doc.UserID = doc.SessionID = 1;
        doc.SpeciesID = kRedDeer;
        doc.SpeciesName = "Cervus elaphus(Благороден елен)";
    }

    void TearDown() override {
        SetReportOutputFolder("");
        fs::remove_all(output.str());
        PageTest::TearDown();
    }

    int Store() {
        EXPECT_TRUE(doc.SaveNewForm());
        return Number("select max(ID) from Forms");
    }

    // As the stored-forms list opens a form: the document cleared and loaded.
    void Open(int formId, BOOL readOnly) {
        doc.ClearAll();
        EXPECT_TRUE(doc.LoadForm(formId));
        doc.SetReadOnly(readOnly);
    }

    bool Locked(int id) const { return page->GetDlgItem(id)->GetStyle() & ES_READONLY; }

    // The printed report's text.
    std::string Print(int formTypeId, const char* textFile) {
        CDlgReport report(&doc);
        EXPECT_TRUE(report.Create(CDlgReport::IDD));
        report.ShowReport(formTypeId);
        report.DestroyWindow();
        std::ifstream in(fs::path(output.str()) / textFile);
        std::stringstream text;
        text << in.rdbuf();
        EXPECT_EQ(text.str().find("Други данни"), std::string::npos);
        return text.str();
    }

    void ExpectDeleted(int formId) {
        ASSERT_TRUE(doc.DeleteForm(formId));
        for (const char* table : {"tDeer_01", "tDeer_02", "tDeer_03", "tDeer_04", "tMoss_06"})
            EXPECT_EQ(Number(FormatSql("select count(*) from %s where FormID = %d", table, formId)), 0) << table;
        EXPECT_EQ(Number(FormatSql("select Del from Forms where ID = %d", formId)), 1);
        EXPECT_TRUE(messages.empty()) << messages.front();
    }

    CString output;
};

TEST_F(DeerWalkTest, StagsAndHindsWithANote) {
    doc.FormTypeID = 25;
    using Page = CDeerAgeClassPage;
    ShowPage(RUNTIME_CLASS(CSpecForm_Deer_01));
    Type(Page::IDC_VERY_YOUNG, "3");
    Type(Page::IDC_VERY_OLD, "14");
    ShowPage(RUNTIME_CLASS(CSpecForm_Deer_02));
    Type(Page::IDC_YOUNG, "21");
    Type(Page::IDC_OLD, "4");
    ShowPage(RUNTIME_CLASS(CSpecForm_Moss_06));
    Type(CSpecForm_Moss_06::IDC_NOTES, "Ревът започна в 5 ч.;\nгората 'Мечи дол'");
    Leave();
    const int formId = Store();

    CTovan_splitDoc fresh;
    fresh.m_bAutoDelete = FALSE;
    fresh.FormTypeID = 25;
    ASSERT_TRUE(fresh.LoadForm(formId));
    EXPECT_EQ(fresh.SpecData_Deer_01, (CSpecData_Deer_01{{"3", "", "", "14", "17"}}));
    EXPECT_EQ(fresh.SpecData_Deer_02, (CSpecData_Deer_02{{"", "21", "4", "", "25"}}));
    EXPECT_EQ(fresh.SpecData_Moss_06.NoteText, "Ревът започна в 5 ч.;\r\nгората 'Мечи дол'");

    Open(formId, FALSE);
    ShowPage(RUNTIME_CLASS(CSpecForm_Deer_01));
    EXPECT_EQ(TextOf(Page::IDC_TOTAL), "17");
    Type(Page::IDC_YOUNG, "2");
    Leave();
    ASSERT_TRUE(doc.UpdateForm());

    Open(formId, TRUE);
    ShowPage(RUNTIME_CLASS(CSpecForm_Deer_01));
    EXPECT_EQ(TextOf(Page::IDC_TOTAL), "19");
    EXPECT_TRUE(Locked(Page::IDC_YOUNG));
    ShowPage(RUNTIME_CLASS(CSpecForm_Moss_06));
    EXPECT_TRUE(Locked(CSpecForm_Moss_06::IDC_NOTES));
    EXPECT_EQ(TextOf(CSpecForm_Moss_06::IDC_NOTES), "Ревът започна в 5 ч.;\r\nгората 'Мечи дол'");
    Leave();

    const std::string printed = Print(25, "Deer_1.txt");
    for (const char* value : {"Благороден елен", "14", "19", "21", "25", "гората 'Мечи дол'"})
        EXPECT_NE(printed.find(value), std::string::npos) << value;
    ExpectDeleted(formId);
}

TEST_F(DeerWalkTest, RuttingStagAndWhatIsAroundIt) {
    doc.FormTypeID = 26;
    ShowPage(RUNTIME_CLASS(CSpecForm_Deer_03));
    Type(CSpecForm_Deer_03::IDC_HABITAT, "Букова гора над калището");
    Type(CSpecForm_Deer_03::IDC_EYE_TINES, "2");
    Type(CSpecForm_Deer_03::IDC_CROWN_LEFT, "4");
    Type(CSpecForm_Deer_03::IDC_CROWN_RIGHT, "5");
    Type(CSpecForm_Deer_03::IDC_AGE, "12");
    using Page = CSpecForm_Deer_04;
    ShowPage(RUNTIME_CLASS(CSpecForm_Deer_04));
    Type(Page::IDC_DOE_YOUNG, "6");
    Type(Page::IDC_DOE_VERY_OLD, "7");
    Type(Page::IDC_STAG_MATURE, "3");
    Type(Page::IDC_NOTES, "Рогачът рева до 7 ч.");
    Leave();
    const int formId = Store();

    Open(formId, FALSE);
    ShowPage(RUNTIME_CLASS(CSpecForm_Deer_03));
    EXPECT_EQ(TextOf(CSpecForm_Deer_03::IDC_CROWN_LEFT) + "/" + TextOf(CSpecForm_Deer_03::IDC_CROWN_RIGHT), "4/5");
    ShowPage(RUNTIME_CLASS(CSpecForm_Deer_04));
    EXPECT_EQ(TextOf(Page::IDC_DOE_TOTAL) + "/" + TextOf(Page::IDC_STAG_TOTAL), "13/3");
    Type(Page::IDC_STAG_VERY_YOUNG, "8");
    Leave();
    ASSERT_TRUE(doc.UpdateForm());

    Open(formId, TRUE);
    ShowPage(RUNTIME_CLASS(CSpecForm_Deer_04));
    EXPECT_EQ(TextOf(Page::IDC_STAG_TOTAL), "11");
    EXPECT_TRUE(Locked(Page::IDC_NOTES));
    ShowPage(RUNTIME_CLASS(CSpecForm_Deer_03));
    EXPECT_TRUE(Locked(CSpecForm_Deer_03::IDC_HABITAT));
    Leave();

    const std::string printed = Print(26, "Deer_2.txt");
    for (const char* value : {"Букова гора над калището", "12", "13", "11", "Рогачът рева до 7 ч."})
        EXPECT_NE(printed.find(value), std::string::npos) << value;
    ExpectDeleted(formId);
}

}  // namespace
