// The two fish reports, parameter by parameter at their indexes: the catch block of each,
// the net kinds that tick nothing, the fish row by row without limit, and three threats.
#include <string>
#include <vector>

#include "ReportFixture.h"
#include "reports/DlgReport.h"

namespace {

using Texts = std::vector<std::string>;

constexpr int kElectrofishing = 11;
constexpr int kNets = 12;

class FishReportTest : public ReportTest {
protected:
    void SetUp() override {
        ReportTest::SetUp();
        doc = NewDocument(kNets);
        doc->SpeciesName = "Barbus petenyi";
        doc->SpeciesCode = "1138";
        doc->CommonData_01.SiteName = "Искър";
        doc->CommonData_01.PlaceID = 5;
        doc->CommonData_01.DynamicStrContent = "Дунав";
        doc->CommonData_02.TemperatureWater = "14";
        doc->CommonData_02.Wind = 0;
        doc->CommonData_04.Altitude = "320";
        doc->SpecData_Fish_01 = {"ELT 60; 300 V", "20", "120"};  // device, distance, time
        doc->SpecData_Fish_02 = {"100", "15", "4", -1};
        for (int threat = 1; threat <= 5; ++threat) doc->CommonData_07_Threat.Threats.Add(CThreatItem{threat, "заплаха"});
    }

    Texts Print(int formTypeId) {
        CDlgReport dialog(doc.get());
        EXPECT_TRUE(dialog.Create(CDlgReport::IDD));
        calls.clear();
        dialog.ShowReport(formTypeId);
        dialog.DestroyWindow();
        EXPECT_TRUE(messages.empty());
        return Parameters(CDlgReport::kFirstReportId);
    }

    std::unique_ptr<CTovan_splitDoc> doc;
};

// What both reports send before their catch block: the place with its water body and
// temperature, the weather, where it lies and the (empty) team.
Texts SiteParameters() {
    Texts texts = {"PARAM_SPECIES;Barbus petenyi;TRUE", "PARAM_CODE_SPECIES;1138;TRUE", "PARAM_DATE;2000-01-01;TRUE",
                   "PARAM_HOUR1;01:01;TRUE", "PARAM_HOUR2;01:01;TRUE", "PARAM_PLACE;Искър;TRUE", "PARAM_CODE_PLACE;5;TRUE",
                   "PARAM_BASIN;Дунав;TRUE", "PARAM_TEMPERATURE_WATER;14;TRUE", "PARAM_METERO2;слаб;TRUE",
                   "PARAM_METERO3;;TRUE"};
    for (const char* name : {"CITY", "EKATTE", "PROVINCE", "MUNICIPALITY", "NUTS", "RIOSW", "RUG", "DL", "DDS",
                             "DEPARTMENT", "SUBDEPARTMENT"})
        texts.push_back("PARAM_" + std::string(name) + ";;TRUE");
    texts.push_back("PARAM_ATTITUDE;320;TRUE");
    for (const char* name : {"BIO_REGION1", "BIO_REGION2", "BIO_REGION3", "PU", "NP", "PP", "RESERVE", "PR", "PZ", "ZM",
                             "CORINE", "OVM", "NATURE2000", "RAMSAS"})
        texts.push_back("PARAM_" + std::string(name) + ";;TRUE");
    return texts;
}

Texts ThreatsAndAttachments() {
    return {"PARAM_THREAT_1;заплаха;TRUE", "PARAM_THREAT_2;заплаха;TRUE", "PARAM_THREAT_3;заплаха;TRUE",
            "PARAM_PHOTO;;TRUE", "PARAM_MAP;;TRUE"};
}

Texts Joined(std::initializer_list<Texts> parts) {
    Texts all;
    for (const Texts& part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
}

TEST_F(FishReportTest, NetsWithoutAKindTickNothingAndTheSizesMoveUp) {
    EXPECT_EQ(Print(kNets), Joined({SiteParameters(),
                                    {"PARAM_DIM_1;100;TRUE", "PARAM_DIM_2;15;TRUE", "PARAM_DIM_3;4;TRUE"},
                                    ThreatsAndAttachments()}));

    const size_t catchBlock = SiteParameters().size();
    for (const auto& [kind, tick] : {std::pair(0, "PARAM_FNET_1;x;TRUE"), std::pair(1, "PARAM_FNET_2;x;TRUE")}) {
        doc->SpecData_Fish_02.NetType = kind;
        const Texts texts = Print(kNets);
        ASSERT_GT(texts.size(), catchBlock + 1);
        EXPECT_EQ(Texts(texts.begin() + catchBlock, texts.begin() + catchBlock + 2),
                  (Texts{tick, "PARAM_DIM_1;100;TRUE"}));
    }
}

TEST_F(FishReportTest, ElectrofishingSendsTheDeviceThenEveryFishRowByRow) {
    const int sexes[] = {0, 1, -1};
    for (int number = 1; number <= 3; ++number) {
        CFish03Row fish;
        fish.StandardLen.Format("%d", 100 + number);
        fish.AbsLen.Format("%d", 110 + number);
        fish.Weight.Format("%d", 20 + number);
        fish.Sex = sexes[number - 1];
        fish.SexLetter = FishSexLetter(fish.Sex);
        fish.MaturityLevel.Format("%d", number);
        fish.Notes = number == 2 ? "с паразити" : "";
        doc->SpecData_Fish_03.Species.Add(fish);
    }
    const Texts texts = Print(kElectrofishing);
    const size_t catchBlock = SiteParameters().size();
    ASSERT_GT(texts.size(), catchBlock);
    EXPECT_EQ(Texts(texts.begin(), texts.begin() + catchBlock), SiteParameters());
    EXPECT_EQ(Texts(texts.begin() + catchBlock, texts.end()),
              Joined({{"PARAM_INSTRUMENT;ELT 60   300 V;TRUE", "PARAM_TIME;120;TRUE", "PARAM_DISTANCE;20;TRUE",
                       "PARAM_NUM_1;1;TRUE", "PARAM_LENGTH_1;101;TRUE", "PARAM_ABS_LENGTH_1;111;TRUE", "PARAM_WEIGHT_1;21;TRUE",
                       "PARAM_SEX_1;М;TRUE", "PARAM_DENTITION_1;1;TRUE", "PARAM_NOTE_1;;TRUE",
                       "PARAM_NUM_2;2;TRUE", "PARAM_LENGTH_2;102;TRUE", "PARAM_ABS_LENGTH_2;112;TRUE", "PARAM_WEIGHT_2;22;TRUE",
                       "PARAM_SEX_2;Ж;TRUE", "PARAM_DENTITION_2;2;TRUE", "PARAM_NOTE_2;с паразити;TRUE",
                       "PARAM_NUM_3;3;TRUE", "PARAM_LENGTH_3;103;TRUE", "PARAM_ABS_LENGTH_3;113;TRUE", "PARAM_WEIGHT_3;23;TRUE",
                       "PARAM_SEX_3;;TRUE", "PARAM_DENTITION_3;3;TRUE", "PARAM_NOTE_3;;TRUE"},
                      ThreatsAndAttachments()}));

    // Rows have no upper limit.
    for (int number = 4; number <= 30; ++number) doc->SpecData_Fish_03.Species.Add(CFish03Row());
    const Texts many = Print(kElectrofishing);
    EXPECT_EQ(std::count_if(many.begin(), many.end(), [](const std::string& text) { return text.starts_with("PARAM_NUM_"); }), 30);
    EXPECT_NE(std::find(many.begin(), many.end(), "PARAM_NOTE_30;;TRUE"), many.end());
}

}  // namespace
