// The two fish reports at their parameter indexes: the water body among the site header,
// the catch block of each, net kinds that tick nothing, every fish row by row, three threats.
#include <string>
#include <vector>

#include "ReportFixture.h"
#include "reports/ReportParameters.h"

namespace {

class FishReportTest : public ReportSequenceTest {
protected:
    void SetUp() override {
        ReportSequenceTest::SetUp();
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

    // The place with the water body among it, the weather, where it lies and who was there.
    Texts Site() const {
        return Join({Blocks({&CReportParameters::FillSiteHeader}),
                     {"PARAM_BASIN;Дунав;TRUE", "PARAM_TEMPERATURE_WATER;14;TRUE", "PARAM_METERO2;слаб;TRUE", "PARAM_METERO3;;TRUE"},
                     Blocks({&CReportParameters::FillLocationAndTeam})});
    }
};

const std::vector<std::string> kThreats = {"PARAM_THREAT_1;заплаха;TRUE", "PARAM_THREAT_2;заплаха;TRUE",
                                           "PARAM_THREAT_3;заплаха;TRUE", "PARAM_PHOTO;;TRUE", "PARAM_MAP;;TRUE"};

TEST_F(FishReportTest, NetsWithoutAKindTickNothingAndWithoutFishTheThreatsFollow) {
    const Texts dimensions = {"PARAM_DIM_1;100;TRUE", "PARAM_DIM_2;15;TRUE", "PARAM_DIM_3;4;TRUE"};
    const std::pair<int, Texts> kinds[] = {{-1, {}}, {0, {"PARAM_FNET_1;x;TRUE"}}, {1, {"PARAM_FNET_2;x;TRUE"}}};
    for (const auto& [kind, tick] : kinds) {
        doc->SpecData_Fish_02.NetType = kind;
        EXPECT_EQ(Filled(12), Join({Site(), tick, dimensions, kThreats})) << kind;
    }
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
    EXPECT_EQ(Filled(11), Join({Site(), catchBlock, kThreats}));

    // Rows have no upper limit.
    doc->SpecData_Fish_03.Species.SetSize(30);
    const Texts rows = Filled(11);
    const size_t firstFish = Site().size() + 3;
    EXPECT_EQ(rows.size(), firstFish + 30 * 7 + kThreats.size());
    EXPECT_EQ(rows[firstFish + 29 * 7], "PARAM_NUM_30;30;TRUE");
}

}  // namespace
