// The amphibian, reptile and tortoise reports: the parameter sequences their fillers send,
// with the shared blocks in their places.
#include <algorithm>

#include "ReportFixture.h"
#include "reports/ReportParameters.h"

namespace {

using Texts = std::vector<std::string>;

constexpr int kAmphibianForm = 13, kReptileForm = 14, kTortoiseForm = 15;

class HerpReportTest : public ReportSequenceTest {
protected:
    void SetUp() override {
        ReportSequenceTest::SetUp();
        doc = NewDocument(kAmphibianForm);
        doc->SpeciesName = "Bombina bombina(Червенокоремна бумка)";
        CCommonData_01& place = doc->CommonData_01;
        place.DynamicIntRadio = 1;
        place.DynamicStrArea1 = "25";
        place.DynamicStrArea2 = "400";
        doc->CommonData_02.TemperatureAir = "18";
        doc->CommonData_02.TemperatureWater = "12";
        for (int i = 1; i <= 7; ++i) doc->CommonData_07_Threat.Threats.Add({i, CReportParameters::RowName("заплаха %d", i)});
    }
};
class AmphibiaReport : public HerpReportTest {};
class ReptileReport : public HerpReportTest {};
class TortoiseReport : public HerpReportTest {};

Texts Companions(int count) {
    Texts texts;
    for (int i = 1; i <= count; ++i) texts.push_back("PARAM_ACCOMPANY_" + std::to_string(i) + ";Rana " + std::to_string(i) + ";TRUE");
    return texts;
}

const Texts kCounts = {"PARAM_HABITAT;тръстика;TRUE", "PARAM_COUNT_ADULT;3;TRUE", "PARAM_COUNT_SUBADULT;;TRUE",
                       "PARAM_COUNT_JUVENIL;2;TRUE", "PARAM_COUNT_ALL;5;TRUE"};

TEST_F(AmphibiaReport, TransectFormSendsTheShortUnitTheCallingFigureAndTenCompanions) {
    CSpecData_Amphibia_01& page = doc->SpecData_Amphibia_01;
    page.AreaDescription = "тръстика";
    page.AdultCount = "3";
    page.BabiesCount = "2";
    page.TotalCount = "5";
    page.EggsCount = "40";
    page.SingClassification = "2";
    page.RoadkilledCount = "1";
    for (int i = 1; i <= 12; ++i) page.HommieSpecies.Add({CReportParameters::RowName("Rana %d", i), i});
    doc->SpecData_Amphibia_02.HabitatChanges = "пресушено";
    doc->SpecData_Amphibia_02.Notes = "бележка";

    const Texts expected = Join({
        Sent([](CReportParameters& r) { r.FillSiteHeader(); }),
        {"PARAM_TRANSECT_NUM;да;TRUE", "PARAM_TRANSECT_AREA;400;TRUE"},
        Sent([](CReportParameters& r) { r.FillAdminLocation(); r.FillCoordinates(); }),
        {"PARAM_ATTITUDE;;TRUE"},
        Sent([](CReportParameters& r) { r.FillWeather(); }),
        {"PARAM_TEMPERATURE_AIR;18;TRUE", "PARAM_TEMPERATURE_WATER;12;TRUE"},
        Sent([](CReportParameters& r) { r.FillBioRegions(); r.FillProtectedAreas(); r.FillTeam(); }),
        kCounts,
        {"PARAM_COUNT_NEST;40;TRUE", "PARAM_SINGING;2;TRUE", "PARAM_COUNT_KILLED;1;TRUE"},
        Companions(10),
        {"PARAM_HABITAT_CHANGE;пресушено;TRUE", "PARAM_NOTE;бележка;TRUE"},
        ThreatsAndSigns(5),
    });
    EXPECT_EQ(Filled(kAmphibianForm), expected);

    // A plot names the plot only; no unit chosen marks none.
    doc->CommonData_01.DynamicIntRadio = 0;
    Texts sent = Filled(kAmphibianForm);
    EXPECT_EQ(Texts(sent.begin() + 6, sent.begin() + 8), (Texts{"PARAM_FIELD_NUM;да;TRUE", "PARAM_FIELD_AREA;25;TRUE"}));
    doc->CommonData_01.DynamicIntRadio = -1;
    sent = Filled(kAmphibianForm);
    EXPECT_EQ(Texts(sent.begin() + 6, sent.begin() + 8), (Texts{"PARAM_TRANSECT_NUM;;TRUE", "PARAM_TRANSECT_AREA;400;TRUE"}));
}

TEST_F(ReptileReport, SameDataSendsTheFullUnitAndWithoutCompanionsTheChangesFollowTheCounts) {
    CSpecData_Reptile_01& page = doc->SpecData_Reptile_01;
    page.AreaDescription = "тръстика";
    page.AdultCount = "3";
    page.BabiesCount = "2";
    page.TotalCount = "5";
    page.NestsCount = "4";
    doc->SpecData_Reptile_02.Notes = "бележка";

    const Texts expected = Join({
        Sent([](CReportParameters& r) { r.FillSiteHeader(); r.FillAdminLocation(); }),
        {"PARAM_TEMPERATURE_AIR;18;TRUE", "PARAM_TEMPERATURE_WATER;12;TRUE"},
        Sent([](CReportParameters& r) { r.FillCoordinates(); }),
        {"PARAM_FIELD_NUM;;TRUE", "PARAM_FIELD_AREA;;TRUE", "PARAM_TRANSECT_NUM;да;TRUE", "PARAM_TRANSECT_AREA;400;TRUE",
         "PARAM_ATTITUDE;;TRUE"},
        Sent([](CReportParameters& r) { r.FillWeather(); r.FillBioRegions(); r.FillProtectedAreas(); r.FillTeam(); }),
        kCounts,
        {"PARAM_COUNT_NEST;4;TRUE", "PARAM_COUNT_KILLED;;TRUE", "PARAM_HABITAT_CHANGE;;TRUE", "PARAM_NOTE;бележка;TRUE"},
        ThreatsAndSigns(5),
    });
    EXPECT_EQ(Filled(kReptileForm), expected);

    doc->CommonData_01.DynamicIntRadio = -1;
    Texts sent = Filled(kReptileForm);
    const auto at = std::find(sent.begin(), sent.end(), "PARAM_FIELD_NUM;;TRUE");
    ASSERT_NE(at, sent.end());
    EXPECT_EQ(Texts(at, at + 4),
              (Texts{"PARAM_FIELD_NUM;;TRUE", "PARAM_FIELD_AREA;;TRUE", "PARAM_TRANSECT_NUM;;TRUE", "PARAM_TRANSECT_AREA;400;TRUE"}));
}

TEST_F(TortoiseReport, TwentyOfTwentyFiveAnimalsTheFiveHabitatsAndFiveThreats) {
    doc->CommonData_02.SurfaceIDName = "каменист";
    for (int i = 1; i <= 25; ++i) {
        CTortoise01Row animal;
        animal.TortoiseTypeName = CReportParameters::RowName("Testudo %d", i);
        animal.Len = "12";
        animal.SexName = "Ж";
        animal.Habitat = "2";
        animal.FoundTypeName = "Видян";
        animal.Distance = "5";
        doc->SpecData_Tortoise_01.Animals.Add(animal);
    }
    doc->SpecData_Tortoise_02.bCheck3 = 1;
    doc->SpecData_Tortoise_02.Time3Min = "15";

    Texts animals;
    for (int i = 1; i <= 20; ++i)
        for (const std::string& field : {"KIND_" + std::to_string(i) + ";Testudo " + std::to_string(i),
                                         "LONG_" + std::to_string(i) + ";12", "SEX_" + std::to_string(i) + ";Ж",
                                         "HABITAT_" + std::to_string(i) + ";2", "DISCOVER_" + std::to_string(i) + ";Видян",
                                         "DISTANCE_" + std::to_string(i) + ";5"})
            animals.push_back("PARAM_" + field + ";TRUE");
    const Texts expected = Join({
        Sent([](CReportParameters& r) { r.FillSiteHeader(); r.FillAdminLocation(); r.FillWeather(); }),
        {"PARAM_TEMPERATURE_AIR;18;TRUE", "PARAM_EARTH;каменист;TRUE"},
        Sent([](CReportParameters& r) { r.FillCoordinates(); }),
        {"PARAM_ATTITUDE;;TRUE"},
        Sent([](CReportParameters& r) { r.FillBioRegions(); r.FillProtectedAreas(); r.FillTeam(); }),
        animals,
        {"PARAM_PLACE_11;;TRUE", "PARAM_PLACE_12;;TRUE", "PARAM_PLACE_21;;TRUE", "PARAM_PLACE_22;;TRUE",
         "PARAM_PLACE_31;+;TRUE", "PARAM_PLACE_32;15;TRUE", "PARAM_PLACE_41;;TRUE", "PARAM_PLACE_42;;TRUE",
         "PARAM_PLACE_51;;TRUE", "PARAM_PLACE_52;;TRUE"},
        ThreatsAndSigns(5),
    });
    EXPECT_EQ(Filled(kTortoiseForm), expected);
}

}  // namespace
