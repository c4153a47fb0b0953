// The chamois reports and the location rows of the section reports: their parameters in the
// order the report files take them.
#include "ReportFixture.h"
#include "reports/ReportParameters.h"

namespace {

using Texts = std::vector<std::string>;

class GoatReportsTest : public ReportSequenceTest {
protected:
    void SetUp() override {
        ReportSequenceTest::SetUp();
        doc = NewDocument(27);
        doc->SpeciesName = "Rupicapra rupicapra(Дива коза)";
        for (int i = 1; i <= 3; ++i) doc->CommonData_07_Threat.Threats.Add({i, CReportParameters::RowName("заплаха %d", i)});
    }
};

TEST_F(GoatReportsTest, LocationRowsHaveTheSiteCodeBetweenPlaceAndForestryUnitsAndThePointLast) {
    CCommonData_01& place = doc->CommonData_01;
    place.EKNM_CityCode = "68134";
    place.EKNM_CityIDName = "гр.София";
    place.SiteName = "Мальовица";
    place.PlaceID = 17;
    place.DDS_IDName = "ДДС";
    place.DL_IDName = "ДЛ";
    place.Department = "12";
    place.SubDepartment = "а";
    doc->CommonData_05.NP_PU_IDName = "ПУ Говедарци";
    doc->CommonData_04.Altitude = "2100";
    doc->CommonData_04.ExposureIDName = "северна";
    doc->CommonData_04.Points.Add({42, 11, 5, 3, 23, 22, 1, 0});
    doc->CommonData_04.Points.Add({43, 0, 0, 0, 24, 0, 0, 0});
    const auto rows = [this](int n) { return Sent([n](CReportParameters& r) { r.FillLocationRows(n); }); };
    EXPECT_EQ(rows(3), (Texts{"PARAM_EKATTE_3;68134;TRUE", "PARAM_CITY_3;гр.София;TRUE", "PARAM_PLACE_3;Мальовица;TRUE",
                              "PARAM_CODE_PLACE_3;17;TRUE", "PARAM_DDS_3;ДДС;TRUE", "PARAM_DL_3;ДЛ;TRUE",
                              "PARAM_PU_3;ПУ Говедарци;TRUE", "PARAM_DEPARTMENT_3;12;TRUE", "PARAM_SUBDEPARTMENT_3;а;TRUE",
                              "PARAM_ATTITUDE_3;2100;TRUE", "PARAM_EXPOSURE_3;северна;TRUE",
                              "PARAM_LONGITUDE_3;23°  22'  1.0'';TRUE", "PARAM_LATITUDE_3;42°  11'  5.3'';TRUE"}));

    place.PlaceID = -1;
    doc->CommonData_04.Points.RemoveAll();
    const Texts bare = rows(1);
    EXPECT_EQ(bare.size(), 10u);
    EXPECT_EQ(bare[3], "PARAM_DDS_1;ДДС;TRUE");
    EXPECT_EQ(bare.back(), "PARAM_EXPOSURE_1;северна;TRUE");
}

TEST_F(GoatReportsTest, AnimalsSeenWithTheSiteHeaderAndFiveThreats) {
    doc->SpecData_Goat_01 = {"1", "2", "3", "4", "5", "", "15", "стадо; вечер"};
    EXPECT_EQ(Filled(27), Join({Blocks({&CReportParameters::FillPlaceAndTeam}),
                                {"PARAM_M_1;1;TRUE", "PARAM_M_2;2;TRUE", "PARAM_F_1;3;TRUE", "PARAM_F_2;4;TRUE",
                                 "PARAM_Y_1;5;TRUE", "PARAM_Y_2;;TRUE", "PARAM_ALL;15;TRUE", "PARAM_NOTE;стадо   вечер;TRUE"},
                                ThreatsAndSigns(5)}));
}

TEST_F(GoatReportsTest, EachSectionPrintsItsLocationRowsHabitatTypeAndValuesWithOneThreat) {
    doc->SpecData_Moss_06.NoteText = "по билото";
    for (int i = 1; i <= 7; ++i) doc->SpecData_Goat_02.Trails.Add({CString(std::to_string(i)), CString("w")});
    doc->SpecData_Goat_02.AreaType = 0;
    doc->SpecData_Goat_03 = {-1, "4"};
    doc->SpecData_Goat_04 = {"9", 1};
    doc->SpecData_Goat_05 = {-1, 0, 1, 0, 0};

    Texts trails;
    for (int i = 1; i <= 5; ++i) {
        trails.push_back("PARAM_LENGTH_" + std::to_string(i) + ";" + std::to_string(i) + ";TRUE");
        trails.push_back("PARAM_WIDTH_" + std::to_string(i) + ";w;TRUE");
    }
    const std::pair<int, Texts> sections[] = {
        {28, Join({{"PARAM_HTYPE_11;+;TRUE", "PARAM_HTYPE_12;;TRUE"}, trails})},
        {45, {"PARAM_HTYPE_21;;TRUE", "PARAM_HTYPE_22;;TRUE", "PARAM_COUNT_2;4;TRUE"}},
        {46, {"PARAM_HTYPE_31;;TRUE", "PARAM_HTYPE_32;+;TRUE", "PARAM_COUNT_3;9;TRUE"}},
        {47, {"PARAM_HTYPE_41;;TRUE", "PARAM_HTYPE_42;;TRUE", "PARAM_TRAIL_1;;TRUE", "PARAM_TRAIL_2;;TRUE",
              "PARAM_TRAIL_3;;TRUE", "PARAM_TRAIL_4;+;TRUE"}},
    };
    for (int s = 1; s <= 4; ++s) {
        const auto& [formType, values] = sections[s - 1];
        doc->FormTypeID = formType;
        const Texts expected = Join({Sent([s](CReportParameters& r) {
                                         r.FillSpeciesAndTime();
                                         r.FillAreaHeader(true);
                                         r.FillLocationRows(s);
                                     }),
                                     values, {"PARAM_THREAT_1;заплаха 1;TRUE", "PARAM_NOTE;по билото;TRUE"},
                                     Blocks({&CReportParameters::FillPhotoMap})});
        EXPECT_EQ(Filled(formType), expected) << formType;
    }
}

}  // namespace
