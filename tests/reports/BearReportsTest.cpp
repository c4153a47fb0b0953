// The bear reports: the bears seen by size class and the seven kinds of meeting on
// Bear_1.rpt, and each section of Bear_2.rpt with its ticks pushed only for a choice made.
#include <algorithm>

#include "ReportFixture.h"
#include "reports/ReportParameters.h"

namespace {

constexpr int kSeenForm = 23;
constexpr int kSectionForms[] = {31, 32, 33, 34};

class BearReportTest : public ReportSequenceTest {
protected:
    void SetUp() override {
        ReportSequenceTest::SetUp();
        doc = NewDocument(kSeenForm);
        doc->SpeciesName = "Ursus arctos(Кафява мечка)";
        doc->CommonData_01.SiteName = "Беглика";
        doc->CommonData_01.PlaceID = 12;
        doc->SpecData_Bear_07.Notes = "бележка";
        for (int i = 1; i <= 7; ++i) doc->CommonData_07_Threat.Threats.Add({i, CReportParameters::RowName("заплаха %d", i)});
    }

    Texts Closing() const {
        return Join({{"PARAM_NOTE;бележка;TRUE"}, ThreatsAndSigns(5)});
    }
};

TEST_F(BearReportTest, SeenBearsByTheirSizeLineAndEveryKindOfMeetingWithItsDistance) {
    doc->SpecData_Bear_01.Behaviour = "пасе";
    doc->SpecData_Bear_01.Bears.Add({0, "мече", 1, "кафяв", -1, "", "2"});
    doc->SpecData_Bear_01.Bears.Add({4, "голяма мечка", 2, "тъмен", 1, "женски", "1"});
    doc->SpecData_Bear_01.Bears.Add({0, "мече", 0, "светлокафяв", 0, "мъжки", "3"});
    // The flag of "избягва веднага" is clear but its distance filled (a record another program wrote).
    doc->SpecData_Bear_02 = {1, 0, 0, 0, 1, 0, 1, "60", "5", "", "", "200", "100", ""};

    const Texts expected = Join({
        Blocks({&CReportParameters::FillPlaceAndTeam}),
        {"PARAM_COUNT_SIZE_1;2;TRUE", "PARAM_COLOR_SIZE_1;кафяв;TRUE", "PARAM_SEX_SIZE_1;;TRUE",
         "PARAM_COUNT_SIZE_5;1;TRUE", "PARAM_COLOR_SIZE_5;тъмен;TRUE", "PARAM_SEX_SIZE_5;женски;TRUE",
         "PARAM_COUNT_SIZE_1;3;TRUE", "PARAM_COLOR_SIZE_1;светлокафяв;TRUE", "PARAM_SEX_SIZE_1;мъжки;TRUE",
         "PARAM_BEHAVE_SIZE_1;пасе;TRUE",
         "PARAM_BTYPE_1_Y;;TRUE", "PARAM_BTYPE_1_N;200;TRUE", "PARAM_BTYPE_2_Y;+;TRUE", "PARAM_BTYPE_2_N;100;TRUE",
         "PARAM_BTYPE_3_Y;;TRUE", "PARAM_BTYPE_3_N;;TRUE", "PARAM_BTYPE_4_Y;;TRUE", "PARAM_BTYPE_4_N;;TRUE",
         "PARAM_BTYPE_5_Y;;TRUE", "PARAM_BTYPE_5_N;;TRUE", "PARAM_BTYPE_6_Y;+;TRUE", "PARAM_BTYPE_6_N;60;TRUE",
         "PARAM_BTYPE_7_Y;+;TRUE", "PARAM_BTYPE_7_N;5;TRUE"},
        Closing(),
    });
    const Texts sent = Filled(kSeenForm);
    EXPECT_EQ(sent, expected);
    EXPECT_EQ(std::count(sent.begin(), sent.end(), "PARAM_CODE_PLACE;12;TRUE"), 1);
    EXPECT_TRUE(std::none_of(sent.begin(), sent.end(), [](const std::string& text) { return text.starts_with("PARAM_METERO"); }));
}

TEST_F(BearReportTest, EachSectionPushesItsOwnValuesAndATickOnlyForAChoiceMade) {
    doc->SpecData_Bear_03 = {"причина", "бор", "до пътя", "1,8", 2, 0};
    doc->SpecData_Bear_04 = {0, "2", "1", -1, 0, "12", "34", "56", "листа", "зимата"};
    doc->SpecData_Bear_05 = {"27", "16", "14", 0, 1};
    doc->SpecData_Bear_06 = {0, "плодове"};
    const Texts sections[] = {
        {"PARAM_OBJECT;бор;TRUE", "PARAM_HIGH;1,8;TRUE", "PARAM_SIGN;до пътя;TRUE", "PARAM_CAUSE;причина;TRUE",
         "PARAM_VEGETATION_13;+;TRUE"},
        {"PARAM_DEN_1;+;TRUE", "PARAM_SIZE_LENGTH;2;TRUE", "PARAM_SIZE_WIDTH;1;TRUE", "PARAM_CAVE_HIGH;12;TRUE",
         "PARAM_CAVE_WIDTH;34;TRUE", "PARAM_CAVE_DISTANCE;56;TRUE", "PARAM_MATERIAL;листа;TRUE", "PARAM_PERIOD;зимата;TRUE"},
        {"PARAM_BP_LENGTH;27;TRUE", "PARAM_BP_WIDTH;16;TRUE", "PARAM_FP_WIDTH;14;TRUE", "PARAM_BP_LENGTH_2;+;TRUE"},
        {"PARAM_EXCREMENTS;плодове;TRUE"},
    };
    for (int s = 1; s <= 4; ++s) {
        doc->FormTypeID = kSectionForms[s - 1];
        const Texts expected = Join({
            {"PARAM_SPECIES;Ursus arctos(Кафява мечка);TRUE", "PARAM_CODE_SPECIES;;TRUE", "PARAM_DATE;2000-01-01;TRUE"},
            Sent([s](CReportParameters& r) {
                r.FillAreaHeader(false);
                r.FillLocationRows(s);
            }),
            sections[s - 1],
            Closing(),
        });
        EXPECT_EQ(Filled(kSectionForms[s - 1]), expected) << s;
    }

    // No choice made: no tick at all.
    doc->SpecData_Bear_03.FloraType = -1;
    doc->SpecData_Bear_05.BearSizeType = -1;
    for (const int form : {31, 33}) {
        const Texts sent = Filled(form);
        EXPECT_TRUE(std::none_of(sent.begin(), sent.end(), [](const std::string& text) { return text.find(";+;") != std::string::npos; }))
            << form;
    }
}

}  // namespace
