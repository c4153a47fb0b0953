// The hamster reports: the packed segment texts of the transect report and the parameter
// sequences of both reports as the report controls receive them.
#include <string>
#include <vector>

#include "ReportFixture.h"
#include "reports/HamsterReports.h"
#include "reports/ReportParameters.h"
#include "reports/ReportTable.h"

namespace {

constexpr int kHamsterForm = 16;

// What a filler sends, each text with its index.
std::vector<std::string> Sent(ReportFiller filler, const CTovan_splitDoc& doc) {
    std::vector<std::string> texts;
    const ReportCallRun run([&texts](const CCrystalCtrl&, const CrystalCall& call) {
        texts.push_back(std::to_string(call.index) + ":" + call.text.str());
    });
    CCrystalCtrl control;
    CReportParameters report(control, doc);
    filler(report, -1, -1);
    return texts;
}

// The texts from the one that begins with `name` on.
std::vector<std::string> From(const std::vector<std::string>& texts, const std::string& name) {
    for (size_t i = 0; i < texts.size(); ++i)
        if (texts[i].find(":" + name + ";") != std::string::npos) return {texts.begin() + static_cast<long>(i), texts.end()};
    ADD_FAILURE() << name << " not sent";
    return {};
}

class HamsterReport : public ReportTest {};

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
    auto doc = NewDocument(kHamsterForm, 320);
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

    std::vector<std::string> sent = Sent(FillHamster1, *doc);
    ASSERT_FALSE(sent.empty());
    EXPECT_EQ(sent.front(), "0:PARAM_SPECIES;Лалугер;TRUE");
    EXPECT_EQ(From(sent, "PARAM_FIELD_NUM").front(), "6:PARAM_FIELD_NUM;П-7;TRUE");  // no site code: six before
    EXPECT_EQ(From(sent, "PARAM_TEMPERATURE_AIR").front(), "21:PARAM_TEMPERATURE_AIR;21.5;TRUE");
    EXPECT_EQ(From(sent, "PARAM_PASTURE_N"), (std::vector<std::string>{
                                                 "37:PARAM_PASTURE_N;+;TRUE",
                                                 "38:PARAM_COUNT_COW;12;TRUE",
                                                 "39:PARAM_COUNT_SHEEP;;TRUE",
                                                 "40:PARAM_COUNT_GOAT;;TRUE",
                                                 "41:PARAM_COUNT_HORSE;;TRUE",
                                                 "42:PARAM_COUNT_OTHER;3;TRUE",
                                                 "43:PARAM_VEGETATION_1;;TRUE",
                                                 "44:PARAM_VEGETATION_2;+;TRUE",
                                                 "45:PARAM_VEGETATION_3;;TRUE",
                                                 "46:PARAM_VEGETATION_4;+;TRUE",
                                                 "47:PARAM_VEGETATION_4_DESCR;шипка;TRUE",
                                                 "48:PARAM_NOTE;бележка;TRUE",
                                                 "49:PARAM_CHANGE;;TRUE",
                                                 "50:PARAM_PHOTO;;TRUE",
                                                 "51:PARAM_MAP;;TRUE",
                                             }));

    // No pasture answer takes no index; "Друга" unticked hides its text.
    site.iRadionPasture = -1;
    site.bCheckElse = 0;
    sent = Sent(FillHamster1, *doc);
    EXPECT_EQ(From(sent, "PARAM_COUNT_COW").front(), "37:PARAM_COUNT_COW;12;TRUE");
    EXPECT_EQ(From(sent, "PARAM_VEGETATION_4"),
              (std::vector<std::string>{"45:PARAM_VEGETATION_4;;TRUE", "46:PARAM_NOTE;бележка;TRUE",
                                        "47:PARAM_CHANGE;;TRUE", "48:PARAM_PHOTO;;TRUE", "49:PARAM_MAP;;TRUE"}));
}

TEST_F(HamsterReport, TransectReportSendsTwentyParametersTransectByTransect) {
    auto doc = NewDocument(kHamsterForm, 320);
    CSpecData_Hamster_02& transects = doc->SpecData_Hamster_02;
    transects.Transect2[9].LairCount = "5";
    transects.HamstersLairsCount2 = "5";
    transects.HamstersCount5 = "4";

    const std::vector<std::string> sent = Sent(FillHamster2, *doc);
    ASSERT_EQ(sent.size(), 20u);
    const std::string untouched = FormatTransectSegments(CHamsterTransect(), 0, 5).str();
    for (size_t i = 0; i < sent.size(); i += 4) {
        const std::string number = std::to_string(i / 4 + 1);
        EXPECT_EQ(sent[i], std::to_string(i) + ":PARAM_TRANSECT_" + number + "1;" + untouched + ";TRUE");
        EXPECT_EQ(sent[i + 1].substr(0, sent[i + 1].find(';') + 1), std::to_string(i + 1) + ":PARAM_TRANSECT_" + number + "2;");
        EXPECT_EQ(CString(sent[i + 1].substr(sent[i + 1].find(';') + 1)).GetLength(), 245 + 5);  // and ";TRUE"
    }
    EXPECT_NE(sent[5].find("_5   &;TRUE"), std::string::npos);
    EXPECT_EQ(sent[6], "6:PARAM_HOLES_2;5;TRUE");
    EXPECT_EQ(sent[19], "19:PARAM_HAMSTERS_5;4;TRUE");
}

