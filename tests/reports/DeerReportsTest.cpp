// The deer reports: their parameters in the order the report files take them.
#include "ReportFixture.h"
#include "reports/DlgReport.h"

namespace {

class DeerReportsTest : public ReportTest {
protected:
    // The parameters of one printing of the form type, from index 0.
    std::vector<std::string> Printed(const CTovan_splitDoc& doc, int formTypeId) {
        calls.clear();
        CDlgReport dialog(const_cast<CTovan_splitDoc*>(&doc));
        EXPECT_TRUE(dialog.Create(CDlgReport::IDD));
        dialog.ShowReport(formTypeId);
        dialog.DestroyWindow();
        return Parameters(CDlgReport::kFirstReportId);
    }
};

std::vector<std::string> Tail(const std::vector<std::string>& texts, size_t count) {
    return {texts.end() - static_cast<std::ptrdiff_t>(std::min(count, texts.size())), texts.end()};
}

void ExpectSame(const std::vector<std::string>& texts, const std::vector<std::string>& expected) {
    for (size_t i = 0; i < std::max(texts.size(), expected.size()); ++i)
        EXPECT_EQ(i < texts.size() ? texts[i] : "(none)", i < expected.size() ? expected[i] : "(none)") << "index " << i;
}

CThreatItem Threat(int id) {
    CThreatItem threat;
    threat.ID = id;
    threat.Name.Format("заплаха %d", id);
    return threat;
}

TEST_F(DeerReportsTest, StagsAndHindsWithTheNoteAndTheSiteCodeWhenThereIsASite) {
    auto doc = NewDocument(25);
    doc->SpeciesName = "Cervus elaphus(Благороден елен)";
    doc->SpeciesCode = "1367";
    doc->CommonData_01.SiteName = "Мечи дол";
    doc->CommonData_01.PlaceID = 17;
    doc->CommonData_04.Altitude = "1200";
    doc->SpecData_Deer_01 = {"12a", "2", "", "4", "18"};  // printed as typed, nothing parsed
    doc->SpecData_Deer_02 = {"5", "6", "7", "8", "26"};
    doc->SpecData_Moss_06.NoteText = "рев; вечер";

    const std::vector<std::string> withSite = Printed(*doc, 25);
    const std::vector<std::string> expected{
        "PARAM_SPECIES;Cervus elaphus(Благороден елен);TRUE", "PARAM_CODE_SPECIES;1367;TRUE",
        "PARAM_DATE;2000-01-01;TRUE", "PARAM_HOUR1;01:01;TRUE", "PARAM_HOUR2;01:01;TRUE", "PARAM_PLACE;Мечи дол;TRUE",
        "PARAM_CODE_PLACE;17;TRUE", "PARAM_CITY;;TRUE", "PARAM_EKATTE;;TRUE", "PARAM_PROVINCE;;TRUE",
        "PARAM_MUNICIPALITY;;TRUE", "PARAM_NUTS;;TRUE", "PARAM_RIOSW;;TRUE", "PARAM_RUG;;TRUE", "PARAM_DL;;TRUE",
        "PARAM_DDS;;TRUE", "PARAM_DEPARTMENT;;TRUE", "PARAM_SUBDEPARTMENT;;TRUE", "PARAM_ATTITUDE;1200;TRUE",
        "PARAM_BIO_REGION1;;TRUE", "PARAM_BIO_REGION2;;TRUE", "PARAM_BIO_REGION3;;TRUE", "PARAM_PU;;TRUE",
        "PARAM_NP;;TRUE", "PARAM_PP;;TRUE", "PARAM_RESERVE;;TRUE", "PARAM_PR;;TRUE", "PARAM_PZ;;TRUE", "PARAM_ZM;;TRUE",
        "PARAM_CORINE;;TRUE", "PARAM_OVM;;TRUE", "PARAM_NATURE2000;;TRUE", "PARAM_RAMSAS;;TRUE",
        "PARAM_COUNT_DEER_1;12a;TRUE", "PARAM_COUNT_DEER_2;2;TRUE", "PARAM_COUNT_DEER_3;;TRUE",
        "PARAM_COUNT_DEER_4;4;TRUE", "PARAM_COUNT_DEER_ALL;18;TRUE", "PARAM_COUNT_ROE_1;5;TRUE",
        "PARAM_COUNT_ROE_2;6;TRUE", "PARAM_COUNT_ROE_3;7;TRUE", "PARAM_COUNT_ROE_4;8;TRUE",
        "PARAM_COUNT_ROE_ALL;26;TRUE", "PARAM_NOTE;рев   вечер;TRUE", "PARAM_PHOTO;;TRUE", "PARAM_MAP;;TRUE",
    };
    ExpectSame(withSite, expected);

    // Without a site the code takes no index: everything after it moves one down.
    doc->CommonData_01.PlaceID = -1;
    doc->SpecData_Moss_06.NoteText = "";
    std::vector<std::string> withoutSite = expected;
    withoutSite.erase(withoutSite.begin() + 6);
    withoutSite[withoutSite.size() - 3] = "PARAM_NOTE;;TRUE";
    ExpectSame(Printed(*doc, 25), withoutSite);
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(DeerReportsTest, RuttingStagAgeComesSecondAndTheMatureStagsFourth) {
    auto doc = NewDocument(26);
    doc->SpecData_Deer_03 = {"бук", "1", "2", "3", "4", "11", "5", "6"};
    doc->SpecData_Deer_04 = {"21", "22", "23", "24", "90", "31", "32", "33", "34", "35", "165", "бележка"};
    for (int id = 1; id <= 7; ++id) doc->CommonData_07_Threat.Threats.Add(Threat(id));

    const std::vector<std::string> texts = Printed(*doc, 26);
    EXPECT_EQ(Tail(texts, 27), (std::vector<std::string>{
        "PARAM_HABITAT;бук;TRUE", "PARAM_AGE;11;TRUE", "PARAM_COUNT_TINE_1;1;TRUE", "PARAM_COUNT_TINE_2;2;TRUE",
        "PARAM_COUNT_TINE_3;3;TRUE", "PARAM_COUNT_TINE_4;4;TRUE", "PARAM_COUNT_CROWN_L;5;TRUE",
        "PARAM_COUNT_CROWN_R;6;TRUE", "PARAM_COUNT_ROE_1;21;TRUE", "PARAM_COUNT_ROE_2;22;TRUE",
        "PARAM_COUNT_ROE_3;23;TRUE", "PARAM_COUNT_ROE_4;24;TRUE", "PARAM_COUNT_ROE_ALL;90;TRUE",
        "PARAM_COUNT_DEER_1;31;TRUE", "PARAM_COUNT_DEER_2;32;TRUE", "PARAM_COUNT_DEER_3;33;TRUE",
        "PARAM_COUNT_DEER_4;34;TRUE", "PARAM_COUNT_DEER_5;35;TRUE", "PARAM_COUNT_DEER_ALL;165;TRUE",
        "PARAM_NOTE;бележка;TRUE", "PARAM_THREAT_1;заплаха 1;TRUE", "PARAM_THREAT_2;заплаха 2;TRUE",
        "PARAM_THREAT_3;заплаха 3;TRUE", "PARAM_THREAT_4;заплаха 4;TRUE", "PARAM_THREAT_5;заплаха 5;TRUE",
        "PARAM_PHOTO;;TRUE", "PARAM_MAP;;TRUE"}));
    EXPECT_EQ(texts[texts.size() - 28], "PARAM_RAMSAS;;TRUE");  // the shared blocks end before the habitat

    EXPECT_TRUE(boxes.boxes.empty());
}

}  // namespace
