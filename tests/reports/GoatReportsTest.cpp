// The chamois reports and the location rows of the section reports: their parameters in the
// order the report files take them.
#include "ReportFixture.h"
#include "platform/CrystalCtrl.h"
#include "reports/DlgReport.h"
#include "reports/ReportParameters.h"

namespace {

using Texts = std::vector<std::string>;

class GoatReportsTest : public ReportTest {
protected:
    void SetUp() override {
        ReportTest::SetUp();
        doc = NewDocument(27);
        doc->SpeciesName = "Rupicapra rupicapra(Дива коза)";
        doc->SpeciesCode = "1354";
        for (int id = 1; id <= 3; ++id) {
            CThreatItem threat;
            threat.ID = id;
            threat.Name.Format("заплаха %d", id);
            doc->CommonData_07_Threat.Threats.Add(threat);
        }
    }

    // The parameters of one printing of the form type, from index 0.
    Texts Printed(int formTypeId) {
        calls.clear();
        doc->FormTypeID = formTypeId;
        CDlgReport dialog(doc.get());
        EXPECT_TRUE(dialog.Create(CDlgReport::IDD));
        dialog.ShowReport(formTypeId);
        dialog.DestroyWindow();
        return Parameters(CDlgReport::kFirstReportId);
    }

    // What a section report pushes after its area header: from the location rows on.
    Texts Section(int formTypeId) {
        const Texts texts = Printed(formTypeId);
        const auto first = std::find_if(texts.begin(), texts.end(),
                                        [](const std::string& text) { return text.starts_with("PARAM_EKATTE_"); });
        return {first, texts.end()};
    }

    std::unique_ptr<CTovan_splitDoc> doc;
};

const Texts kGoat2Header{
    "PARAM_SPECIES;Rupicapra rupicapra(Дива коза);TRUE", "PARAM_CODE_SPECIES;1354;TRUE", "PARAM_DATE;2000-01-01;TRUE",
    "PARAM_HOUR1;01:01;TRUE", "PARAM_HOUR2;01:01;TRUE", "PARAM_PROVINCE;;TRUE", "PARAM_MUNICIPALITY;;TRUE",
    "PARAM_NUTS;;TRUE", "PARAM_RIOSW;;TRUE", "PARAM_RUG;;TRUE", "PARAM_BIO_REGION1;;TRUE", "PARAM_BIO_REGION2;;TRUE",
    "PARAM_BIO_REGION3;;TRUE", "PARAM_METERO3;;TRUE", "PARAM_PU;;TRUE", "PARAM_NP;;TRUE", "PARAM_PP;;TRUE",
    "PARAM_RESERVE;;TRUE", "PARAM_PR;;TRUE", "PARAM_PZ;;TRUE", "PARAM_ZM;;TRUE", "PARAM_CORINE;;TRUE",
    "PARAM_OVM;;TRUE", "PARAM_NATURE2000;;TRUE", "PARAM_RAMSAS;;TRUE",
};

Texts Location(int n) {
    Texts texts;
    for (const char* name : {"EKATTE", "CITY", "PLACE", "DDS", "DL", "PU", "DEPARTMENT", "SUBDEPARTMENT", "ATTITUDE",
                             "EXPOSURE"})
        texts.push_back("PARAM_" + std::string(name) + "_" + std::to_string(n) + ";;TRUE");
    return texts;
}

Texts Concat(std::initializer_list<Texts> parts) {
    Texts all;
    for (const Texts& part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
}

const Texts kGoat2Tail{"PARAM_THREAT_1;заплаха 1;TRUE", "PARAM_NOTE;по билото;TRUE", "PARAM_PHOTO;;TRUE",
                       "PARAM_MAP;;TRUE"};

TEST(LocationRowsTest, TheSiteCodeStandsBetweenPlaceAndForestryUnitsAndThePointEndsTheBlock) {
    Texts texts;
    const ReportCallRun recorder{[&texts](const CCrystalCtrl&, const CrystalCall& call) {
        if (call.kind == CrystalCall::ParameterField) texts.push_back(call.text.str());
    }};
    CTovan_splitDoc doc;
    doc.m_bAutoDelete = FALSE;
    CCommonData_01& place = doc.CommonData_01;
    place.EKNM_CityCode = "68134";
    place.EKNM_CityIDName = "гр.София";
    place.SiteName = "Мальовица";
    place.PlaceID = 17;
    place.DDS_IDName = "ДДС";
    place.DL_IDName = "ДЛ";
    place.Department = "12";
    place.SubDepartment = "а";
    doc.CommonData_05.NP_PU_IDName = "ПУ Говедарци";
    doc.CommonData_04.Altitude = "2100";
    doc.CommonData_04.ExposureIDName = "северна";
    doc.CommonData_04.Points.Add({42, 11, 5, 3, 23, 22, 1, 0});
    doc.CommonData_04.Points.Add({43, 0, 0, 0, 24, 0, 0, 0});
    CCrystalCtrl control;
    CReportParameters report(control, doc);
    report.SetParam("PARAM_BEFORE", "");
    report.FillLocationRows(3);
    EXPECT_EQ(texts, (Texts{"PARAM_BEFORE;;TRUE", "PARAM_EKATTE_3;68134;TRUE", "PARAM_CITY_3;гр.София;TRUE",
                            "PARAM_PLACE_3;Мальовица;TRUE", "PARAM_CODE_PLACE_3;17;TRUE", "PARAM_DDS_3;ДДС;TRUE",
                            "PARAM_DL_3;ДЛ;TRUE", "PARAM_PU_3;ПУ Говедарци;TRUE", "PARAM_DEPARTMENT_3;12;TRUE",
                            "PARAM_SUBDEPARTMENT_3;а;TRUE", "PARAM_ATTITUDE_3;2100;TRUE",
                            "PARAM_EXPOSURE_3;северна;TRUE", "PARAM_LONGITUDE_3;23°  22'  1.0'';TRUE",
                            "PARAM_LATITUDE_3;42°  11'  5.3'';TRUE"}));
    EXPECT_EQ(report.Index(), 14);

    texts.clear();
    place.PlaceID = -1;
    doc.CommonData_04.Points.RemoveAll();
    report.FillLocationRows(1);
    EXPECT_EQ(texts.size(), 10u);
    EXPECT_EQ(texts[3], "PARAM_DDS_1;ДДС;TRUE");
    EXPECT_EQ(texts.back(), "PARAM_EXPOSURE_1;северна;TRUE");
}

TEST_F(GoatReportsTest, AnimalsSeenWithTheSiteHeaderAndFiveThreats) {
    doc->CommonData_01.PlaceID = 17;
    doc->CommonData_04.Altitude = "2100";
    doc->SpecData_Goat_01 = {"1", "2", "3", "4", "5", "", "15", "стадо; вечер"};
    const Texts texts = Printed(27);
    // The header of the forms without a field number, with the site's code, then the counts.
    ASSERT_EQ(texts.size(), 46u);
    EXPECT_EQ(texts[6], "PARAM_CODE_PLACE;17;TRUE");
    EXPECT_EQ(texts[18], "PARAM_ATTITUDE;2100;TRUE");
    EXPECT_EQ(Texts(texts.begin() + 32, texts.end()), (Texts{
        "PARAM_RAMSAS;;TRUE", "PARAM_M_1;1;TRUE", "PARAM_M_2;2;TRUE", "PARAM_F_1;3;TRUE", "PARAM_F_2;4;TRUE",
        "PARAM_Y_1;5;TRUE", "PARAM_Y_2;;TRUE", "PARAM_ALL;15;TRUE", "PARAM_NOTE;стадо   вечер;TRUE",
        "PARAM_THREAT_1;заплаха 1;TRUE", "PARAM_THREAT_2;заплаха 2;TRUE", "PARAM_THREAT_3;заплаха 3;TRUE",
        "PARAM_PHOTO;;TRUE", "PARAM_MAP;;TRUE"}));
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(GoatReportsTest, EachSectionPrintsItsLocationRowsHabitatTypeAndValuesWithOneThreat) {
    doc->SpecData_Moss_06.NoteText = "по билото";
    for (int i = 1; i <= 7; ++i) doc->SpecData_Goat_02.Trails.Add({CString(std::to_string(i)), CString("w")});
    doc->SpecData_Goat_02.AreaType = 0;
    doc->SpecData_Goat_03 = {-1, "4"};
    doc->SpecData_Goat_04 = {"9", 1};
    doc->SpecData_Goat_05 = {-1, 0, 1, 0, 0};

    const Texts tracks = Printed(28);
    Texts trails;
    for (int i = 1; i <= 5; ++i) {
        trails.push_back("PARAM_LENGTH_" + std::to_string(i) + ";" + std::to_string(i) + ";TRUE");
        trails.push_back("PARAM_WIDTH_" + std::to_string(i) + ";w;TRUE");
    }
    EXPECT_EQ(tracks,
              Concat({kGoat2Header, Location(1), {"PARAM_HTYPE_11;+;TRUE", "PARAM_HTYPE_12;;TRUE"}, trails, kGoat2Tail}));
    EXPECT_EQ(Section(45), Concat({Location(2), {"PARAM_HTYPE_21;;TRUE", "PARAM_HTYPE_22;;TRUE", "PARAM_COUNT_2;4;TRUE"},
                                   kGoat2Tail}));
    EXPECT_EQ(Section(46), Concat({Location(3), {"PARAM_HTYPE_31;;TRUE", "PARAM_HTYPE_32;+;TRUE", "PARAM_COUNT_3;9;TRUE"},
                                   kGoat2Tail}));
    EXPECT_EQ(Section(47), Concat({Location(4),
                                   {"PARAM_HTYPE_41;;TRUE", "PARAM_HTYPE_42;;TRUE", "PARAM_TRAIL_1;;TRUE",
                                    "PARAM_TRAIL_2;;TRUE", "PARAM_TRAIL_3;;TRUE", "PARAM_TRAIL_4;+;TRUE"},
                                   kGoat2Tail}));
    EXPECT_EQ(FileNames().back().substr(FileNames().back().size() - 10), "Goat_2.rpt");
    EXPECT_TRUE(boxes.boxes.empty());
}

}  // namespace
