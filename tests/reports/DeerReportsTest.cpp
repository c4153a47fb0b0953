// The deer reports: the stags and hinds by age class, and the rutting stag with the animals
// around it, each after the place-and-team block.
#include "ReportFixture.h"
#include "reports/ReportParameters.h"

namespace {

class DeerReportsTest : public ReportSequenceTest {
protected:
    void SetUp() override {
        ReportSequenceTest::SetUp();
        doc = NewDocument(25);
        doc->SpeciesName = "Cervus elaphus(Благороден елен)";
        doc->CommonData_01.PlaceID = 17;
        for (int i = 1; i <= 7; ++i) doc->CommonData_07_Threat.Threats.Add({i, CReportParameters::RowName("заплаха %d", i)});
    }
    Texts Opening() const { return Blocks({&CReportParameters::FillPlaceAndTeam}); }
};

TEST_F(DeerReportsTest, StagsAndHindsByAgeClassThenTheNote) {
    doc->SpecData_Deer_01 = {"12a", "2", "", "4", "18"};  // printed as typed, nothing parsed
    doc->SpecData_Deer_02 = {"5", "6", "7", "8", "26"};
    doc->SpecData_Moss_06.NoteText = "рев; вечер";
    EXPECT_EQ(Filled(25), Join({Opening(),
                                {"PARAM_COUNT_DEER_1;12a;TRUE", "PARAM_COUNT_DEER_2;2;TRUE", "PARAM_COUNT_DEER_3;;TRUE",
                                 "PARAM_COUNT_DEER_4;4;TRUE", "PARAM_COUNT_DEER_ALL;18;TRUE", "PARAM_COUNT_ROE_1;5;TRUE",
                                 "PARAM_COUNT_ROE_2;6;TRUE", "PARAM_COUNT_ROE_3;7;TRUE", "PARAM_COUNT_ROE_4;8;TRUE",
                                 "PARAM_COUNT_ROE_ALL;26;TRUE", "PARAM_NOTE;рев   вечер;TRUE"},
                                ThreatsAndSigns(5)}));
}

TEST_F(DeerReportsTest, RuttingStagAgeComesSecondAndTheMatureStagsFourth) {
    doc->FormTypeID = 26;
    doc->SpecData_Deer_03 = {"бук", "1", "2", "3", "4", "11", "5", "6"};
    doc->SpecData_Deer_04 = {"21", "22", "23", "24", "90", "31", "32", "33", "34", "35", "165", "бележка"};
    EXPECT_EQ(Filled(26), Join({Opening(),
                                {"PARAM_HABITAT;бук;TRUE", "PARAM_AGE;11;TRUE", "PARAM_COUNT_TINE_1;1;TRUE",
                                 "PARAM_COUNT_TINE_2;2;TRUE", "PARAM_COUNT_TINE_3;3;TRUE", "PARAM_COUNT_TINE_4;4;TRUE",
                                 "PARAM_COUNT_CROWN_L;5;TRUE", "PARAM_COUNT_CROWN_R;6;TRUE", "PARAM_COUNT_ROE_1;21;TRUE",
                                 "PARAM_COUNT_ROE_2;22;TRUE", "PARAM_COUNT_ROE_3;23;TRUE", "PARAM_COUNT_ROE_4;24;TRUE",
                                 "PARAM_COUNT_ROE_ALL;90;TRUE", "PARAM_COUNT_DEER_1;31;TRUE", "PARAM_COUNT_DEER_2;32;TRUE",
                                 "PARAM_COUNT_DEER_3;33;TRUE", "PARAM_COUNT_DEER_4;34;TRUE", "PARAM_COUNT_DEER_5;35;TRUE",
                                 "PARAM_COUNT_DEER_ALL;165;TRUE", "PARAM_NOTE;бележка;TRUE"},
                                ThreatsAndSigns(5)}));
}

}  // namespace
