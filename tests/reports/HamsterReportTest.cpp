// The hamster reports: the packed segment texts of the transect report and the parameter
// sequences of both reports as the report controls receive them.
#include <string>
#include <vector>

#include "ReportFixture.h"
#include "reports/HamsterReports.h"
#include "reports/ReportParameters.h"

namespace {

constexpr int kHamsterForm = 16;

class HamsterReport : public ReportSequenceTest {
protected:
    void SetUp() override {
        ReportSequenceTest::SetUp();
        doc = NewDocument(kHamsterForm, 320);
    }
};

}  // namespace

TEST_F(HamsterReport, SegmentTextsHaveTheirFixedWidths) {
    CHamsterTransect segments;
    const CString untouched = FormatTransectSegments(segments, 0, 1);
    EXPECT_EQ(untouched, "---           _---           _-_-_-_-_-_-_-_--- &");
    EXPECT_EQ(untouched.GetLength(), 49);
    EXPECT_EQ(FormatTransectSegments(segments, 3, 3), "");

    CHamster02Transect& segment = segments[1];
    segment.Longitude = "125° 59' 59.9999\"";  // 17 characters, the degree sign one of them
    segment.Latitude = "42° 59' 59.99\"";
    segment.LairCount = " 12 ";
    segment.HabitatType = 12;
    segment.BuildingsType = 5;
    EXPECT_EQ(FormatTransectSegments(segments, 1, 2), "125° 59' 59.99_42° 59' 59.99\"_1_-_-_-_-_-_5_12  &");
    EXPECT_EQ(FormatTransectSegments(segments, 0, 5).GetLength(), 245);
    EXPECT_EQ(PadNumber(-1, 1), "-");
    EXPECT_EQ(PadText("\t\n", 4), "--- ");
}

TEST_F(HamsterReport, SiteReportSendsTheSpeciesSectionAfterTheSharedBlocks) {
    doc->SpeciesName = "Лалугер";
    doc->CommonData_01.DynamicStrContent = "П-7";
    doc->CommonData_02.TemperatureAir = "21.5";
    CSpecData_Hamster_01& site = doc->SpecData_Hamster_01;
    site.iRadionPasture = 1;
    site.CowsCount = "12";
    site.OthersCount = "3";
    site.bCheckBushes = site.bCheckElse = 1;
    site.ElseDescription = "шипка";
    doc->SpecData_Hamster_03.Notes = "бележка";

    using R = CReportParameters;
    const Texts opening = Join({Blocks({&R::FillSiteHeader}),
                                {"PARAM_FIELD_NUM;П-7;TRUE", "PARAM_COLONY;;TRUE", "PARAM_HABITAT;;TRUE"},
                                Blocks({&R::FillWeather, &R::FillAdminLocation, &R::FillCoordinates}),
                                {"PARAM_TEMPERATURE_AIR;21.5;TRUE", "PARAM_ATTITUDE;;TRUE"},
                                Blocks({&R::FillBioRegions, &R::FillProtectedAreas, &R::FillTeam})});
    const Texts counts = {"PARAM_COUNT_COW;12;TRUE", "PARAM_COUNT_SHEEP;;TRUE", "PARAM_COUNT_GOAT;;TRUE",
                          "PARAM_COUNT_HORSE;;TRUE", "PARAM_COUNT_OTHER;3;TRUE", "PARAM_VEGETATION_1;;TRUE",
                          "PARAM_VEGETATION_2;+;TRUE", "PARAM_VEGETATION_3;;TRUE", "PARAM_VEGETATION_4;+;TRUE"};
    const Texts closing = {"PARAM_NOTE;бележка;TRUE", "PARAM_CHANGE;;TRUE", "PARAM_PHOTO;;TRUE", "PARAM_MAP;;TRUE"};
    EXPECT_EQ(Filled(kHamsterForm),
              Join({opening, {"PARAM_PASTURE_N;+;TRUE"}, counts, {"PARAM_VEGETATION_4_DESCR;шипка;TRUE"}, closing}));

    // No pasture answer takes no index; "Друга" unticked hides its text.
    site.iRadionPasture = -1;
    site.bCheckElse = 0;
    Texts unticked = counts;
    unticked.back() = "PARAM_VEGETATION_4;;TRUE";
    EXPECT_EQ(Filled(kHamsterForm), Join({opening, unticked, closing}));
}

TEST_F(HamsterReport, TransectReportSendsTwentyParametersTransectByTransect) {
    CSpecData_Hamster_02& transects = doc->SpecData_Hamster_02;
    transects.Transect2[9].LairCount = "5";
    transects.HamstersLairsCount2 = "5";
    transects.HamstersCount5 = "4";

    const Texts sent = Sent([](CReportParameters& r) { FillHamster2(r, -1, -1); });
    ASSERT_EQ(sent.size(), 20u);
    const std::string untouched = FormatTransectSegments(CHamsterTransect(), 0, 5).str();
    for (size_t i = 0; i < sent.size(); i += 4) {
        const std::string number = std::to_string(i / 4 + 1);
        EXPECT_EQ(sent[i], "PARAM_TRANSECT_" + number + "1;" + untouched + ";TRUE");
        EXPECT_EQ(sent[i + 1].substr(0, sent[i + 1].find(';') + 1), "PARAM_TRANSECT_" + number + "2;");
        EXPECT_EQ(CString(sent[i + 1].substr(sent[i + 1].find(';') + 1)).GetLength(), 245 + 5);  // and ";TRUE"
    }
    EXPECT_NE(sent[5].find("_5   &;TRUE"), std::string::npos);
    EXPECT_EQ(sent[6], "PARAM_HOLES_2;5;TRUE");
    EXPECT_EQ(sent[19], "PARAM_HAMSTERS_5;4;TRUE");
}

