// The two fish reports at their parameter indexes: the water body among the site header,
// the catch block of each, net kinds that tick nothing, every fish row by row, three threats.
#include <algorithm>
#include <string>
#include <vector>

#include "ReportFixture.h"
#include "reports/DlgReport.h"

namespace {

using Texts = std::vector<std::string>;

class FishReportTest : public ReportTest {
protected:
    void SetUp() override {
        ReportTest::SetUp();
        doc = NewDocument(12);
        doc->CommonData_01.SiteName = "Искър";
        doc->CommonData_01.PlaceID = 5;
        doc->CommonData_01.DynamicStrContent = "Дунав";
        doc->CommonData_02.TemperatureWater = "14";
        doc->CommonData_02.Wind = 0;
        doc->SpecData_Fish_01 = {"ELT 60; 300 V", "20", "120"};  // device, distance, time
        doc->SpecData_Fish_02 = {"100", "15", "4", -1};
        for (int threat = 1; threat <= 5; ++threat) doc->CommonData_07_Threat.Threats.Add(CThreatItem{threat, "заплаха"});
    }

    // The parameters of the report of the form type: those from the place to the weather, and
    // all after the shared blocks of where the place lies (the last is the Ramsar site).
    std::pair<Texts, Texts> Print(int formTypeId) {
        CDlgReport dialog(doc.get());
        EXPECT_TRUE(dialog.Create(CDlgReport::IDD));
        calls.clear();
        dialog.ShowReport(formTypeId);
        dialog.DestroyWindow();
        EXPECT_TRUE(boxes.Texts().empty());
        const Texts texts = Parameters(CDlgReport::kFirstReportId);
        const auto place = std::find(texts.begin(), texts.end(), "PARAM_PLACE;Искър;TRUE");
        const auto sites = std::find(texts.begin(), texts.end(), "PARAM_RAMSAS;;TRUE");
        if (place + 6 > sites || sites == texts.end()) return {};
        return {Texts(place, place + 6), Texts(sites + 1, texts.end())};
    }

    std::unique_ptr<CTovan_splitDoc> doc;
};

const Texts kSite = {"PARAM_PLACE;Искър;TRUE", "PARAM_CODE_PLACE;5;TRUE", "PARAM_BASIN;Дунав;TRUE",
                     "PARAM_TEMPERATURE_WATER;14;TRUE", "PARAM_METERO2;слаб;TRUE", "PARAM_METERO3;;TRUE"};
const Texts kThreats = {"PARAM_THREAT_1;заплаха;TRUE", "PARAM_THREAT_2;заплаха;TRUE", "PARAM_THREAT_3;заплаха;TRUE",
                        "PARAM_PHOTO;;TRUE", "PARAM_MAP;;TRUE"};

Texts Joined(Texts first, const Texts& second) {
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

TEST_F(FishReportTest, NetsWithoutAKindTickNothingAndWithoutFishTheThreatsFollow) {
    const Texts dimensions = {"PARAM_DIM_1;100;TRUE", "PARAM_DIM_2;15;TRUE", "PARAM_DIM_3;4;TRUE"};
    EXPECT_EQ(Print(12), std::pair(kSite, Joined(dimensions, kThreats)));
    doc->SpecData_Fish_02.NetType = 0;
    EXPECT_EQ(Print(12).second, Joined({"PARAM_FNET_1;x;TRUE"}, Joined(dimensions, kThreats)));
    doc->SpecData_Fish_02.NetType = 1;
    EXPECT_EQ(Print(12).second, Joined({"PARAM_FNET_2;x;TRUE"}, Joined(dimensions, kThreats)));
}

TEST_F(FishReportTest, ElectrofishingSendsTheDeviceThenEveryFishRowByRow) {
    for (int number = 1; number <= 3; ++number) {
        CFish03Row fish;
        fish.Sex = number - 2;
        fish.SexLetter = FishSexLetter(fish.Sex);
        fish.Notes = number == 2 ? "с паразити" : "";
        fish.MaturityLevel.Format("%d", number);
        fish.StandardLen.Format("%d", 100 + number);
        fish.AbsLen.Format("%d", 110 + number);
        fish.Weight.Format("%d", 20 + number);
        doc->SpecData_Fish_03.Species.Add(fish);
    }
    const Texts catchBlock = {
        "PARAM_INSTRUMENT;ELT 60   300 V;TRUE", "PARAM_TIME;120;TRUE", "PARAM_DISTANCE;20;TRUE",
        "PARAM_NUM_1;1;TRUE", "PARAM_LENGTH_1;101;TRUE", "PARAM_ABS_LENGTH_1;111;TRUE", "PARAM_WEIGHT_1;21;TRUE",
        "PARAM_SEX_1;;TRUE", "PARAM_DENTITION_1;1;TRUE", "PARAM_NOTE_1;;TRUE",
        "PARAM_NUM_2;2;TRUE", "PARAM_LENGTH_2;102;TRUE", "PARAM_ABS_LENGTH_2;112;TRUE", "PARAM_WEIGHT_2;22;TRUE",
        "PARAM_SEX_2;М;TRUE", "PARAM_DENTITION_2;2;TRUE", "PARAM_NOTE_2;с паразити;TRUE",
        "PARAM_NUM_3;3;TRUE", "PARAM_LENGTH_3;103;TRUE", "PARAM_ABS_LENGTH_3;113;TRUE", "PARAM_WEIGHT_3;23;TRUE",
        "PARAM_SEX_3;Ж;TRUE", "PARAM_DENTITION_3;3;TRUE", "PARAM_NOTE_3;;TRUE"};
    EXPECT_EQ(Print(11), std::pair(kSite, Joined(catchBlock, kThreats)));

    // Rows have no upper limit.
    doc->SpecData_Fish_03.Species.SetSize(30);
    const Texts rows = Print(11).second;
    EXPECT_EQ(rows.size(), 3 + 30 * 7 + kThreats.size());
    EXPECT_EQ(rows[3 + 29 * 7], "PARAM_NUM_30;30;TRUE");
}

}  // namespace
