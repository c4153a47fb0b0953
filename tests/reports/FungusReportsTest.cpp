// The fungus reports: the parameter sequences of the site form (Mushroom_1.rpt) and of the
// trial plot (Mushroom_2.rpt), with the plot number right after the site.
#include <algorithm>
#include <tuple>

#include "ReportFixture.h"
#include "reports/ReportParameters.h"

namespace {

constexpr int kSiteForm = 1, kPlotForm = 30;

class FungusReportTest : public ReportSequenceTest {
protected:
    void SetUp() override {
        ReportSequenceTest::SetUp();
        doc = NewDocument(kSiteForm);
        doc->SpeciesName = "Amanita caesarea";
        doc->CommonData_01.SiteName = "Беглика";
        doc->CommonData_01.PlaceID = 12;
        doc->CommonData_01.DynamicStrContent = "П-7";
        for (int i = 1; i <= 7; ++i) doc->CommonData_07_Threat.Threats.Add({i, CReportParameters::RowName("заплаха %d", i)});
    }

    // The opening of both: the site, the plot number, where it lies and who was there.
    Texts Opening() const {
        return Join({Blocks({&CReportParameters::FillSiteHeader}), {"PARAM_FIELD_NUM;П-7;TRUE"},
                     Blocks({&CReportParameters::FillLocationAndTeam})});
    }
};
class FungusSiteReport : public FungusReportTest {};
class FungusPlotReport : public FungusReportTest {};

TEST_F(FungusSiteReport, TenCompanionPlacesFiveThreatsAndTheNoteBeforeThePhotos) {
    doc->SpecData_Fungus_01 = {"Родопи", 3, "LG12", 7, "тревиста", "дъбова гора", "под дъб"};
    doc->SpecData_Fungus_02 = {"0.5", "SOM 12", "30", {}};
    for (int i = 1; i <= 3; ++i) doc->SpecData_Fungus_02.OtherSpecies.Add({CReportParameters::RowName("Boletus %d", i), i});
    doc->SpecData_Fungus_03 = {"не се печата", "бележка"};

    Texts companions;
    for (int i = 1; i <= 10; ++i)
        companions.push_back("PARAM_ACCOMPANY_NAME_" + std::to_string(i) + (i <= 3 ? ";Boletus " + std::to_string(i) : ";") + ";TRUE");
    const Texts expected = Join({
        Opening(),
        {"PARAM_FLORA;Родопи;TRUE", "PARAM_GRID;LG12;TRUE", "PARAM_SUBSTRATUM;под дъб;TRUE", "PARAM_HABITAT;дъбова гора;TRUE",
         "PARAM_ECO;тревиста;TRUE", "PARAM_NUM;SOM 12;TRUE", "PARAM_COUNT;30;TRUE", "PARAM_AREA;0.5;TRUE"},
        companions,
        Sent([](CReportParameters& r) { r.FillThreats(5); }),
        {"PARAM_NOTE;бележка;TRUE"},
        Blocks({&CReportParameters::FillPhotoMap}),
    });
    const Texts sent = Filled(kSiteForm);
    EXPECT_EQ(sent, expected);

    // Twelve companions: the first ten are printed. A site without an id has no code, and the
    // plot number takes its place.
    for (int i = 4; i <= 12; ++i) doc->SpecData_Fungus_02.OtherSpecies.Add({CReportParameters::RowName("Boletus %d", i), i});
    doc->CommonData_01.PlaceID = 0;
    const Texts again = Filled(kSiteForm);
    ASSERT_EQ(again.size(), sent.size() - 1);
    EXPECT_EQ(again[6], "PARAM_FIELD_NUM;П-7;TRUE");
    const auto named = [&again](int n) {
        return std::count(again.begin(), again.end(), "PARAM_ACCOMPANY_NAME_" + std::to_string(n) + ";Boletus " + std::to_string(n) + ";TRUE");
    };
    EXPECT_EQ(std::tuple(named(10), named(11)), std::tuple(1, 0));
}

TEST_F(FungusPlotReport, ChangesAsTicksWithTheirTextsEverySpeciesAndSixThreats) {
    doc->FormTypeID = kPlotForm;
    doc->SpecData_Fungus_04 = {4, "Предбалкан", "по-сухо", "изсечено", "нов път", 1, 0, 0};
    for (int i = 1; i <= 25; ++i)
        doc->SpecData_Fungus_05.Species.Add({i, CReportParameters::RowName("Russula %d", i), CReportParameters::RowName("%d", 2 * i)});

    Texts species;
    for (int i = 1; i <= 25; ++i)
        for (const std::string& field : {"NUM_" + std::to_string(i) + ";" + std::to_string(i),
                                         "SPECIES_" + std::to_string(i) + ";Russula " + std::to_string(i),
                                         "COUNT_" + std::to_string(i) + ";" + std::to_string(2 * i)})
            species.push_back("PARAM_" + field + ";TRUE");
    // Land use not ticked: its text is not printed, only the "no".
    const Texts changes = {"PARAM_FLORA;Предбалкан;TRUE", "PARAM_EARTH_N;x;TRUE", "PARAM_ECO_Y;x;TRUE",
                           "PARAM_ECO_NOTES;по-сухо;TRUE", "PARAM_VEGETATION_N;x;TRUE"};
    EXPECT_EQ(Filled(kPlotForm), Join({Opening(), changes, species, ThreatsAndSigns(6)}));

    // No species: the threats follow the changes directly.
    doc->SpecData_Fungus_05.Species.RemoveAll();
    doc->SpecData_Fungus_04.bLandUsageChanges = 1;
    doc->SpecData_Fungus_04.bEkoConditionsChanges = 0;
    EXPECT_EQ(Filled(kPlotForm),
              Join({Opening(),
                    {"PARAM_FLORA;Предбалкан;TRUE", "PARAM_EARTH_Y;x;TRUE", "PARAM_EARTH_NOTES;нов път;TRUE",
                     "PARAM_ECO_N;x;TRUE", "PARAM_VEGETATION_N;x;TRUE"},
                    ThreatsAndSigns(6)}));
}

}  // namespace
