// The fungus pages stored, loaded and stored again through a real database file:
// texts as typed (but for their outer blanks), lists in their order, and references that
// name no nomenclature row.
#include "StoreFixture.h"

#include "store/SqlText.h"

namespace {

constexpr int kSiteForm = 1, kPlotForm = 30;
constexpr int kTrialPlot = 100001;
constexpr int kGone = 987654;  // in no list

class FungusStorage : public StoreTest {
protected:
    CSpeciesNameRow Fungus(int offset) {
        const int id = Number(FormatSql("select ID from _AllFungi order by ID limit 1 offset %d", offset));
        return {Text(FormatSql("select Name from _AllFungi where ID = %d", id)), id};
    }
};

TEST_F(FungusStorage, SiteFormComesBackAsTypedWithEveryCompanionEvenUnlisted) {
    auto typed = NewDocument(kSiteForm, 7);
    CSpecData_Fungus_01& site = typed->SpecData_Fungus_01;
    site.FloristicRegionID = 13;
    site.FloristicRegionIDName = "Пирин";
    site.UTM_GirdID = Number("select min(ID) from nUTM_Fungus");
    site.UTM_GirdIDName = Text(FormatSql("select Name from nUTM_Fungus where ID = %d", site.UTM_GirdID));
    site.Substratum = "  пън на 'бук'  ";
    site.Habitat = "Букова гора\r\nнад 1200 м";
    CSpecData_Fungus_02& population = typed->SpecData_Fungus_02;
    population.PopulationArea = " 1.5 ";
    population.ColectionNum = "SOM'12";
    // 25 companions, the first and the tenth no longer listed.
    for (int i = 0; i < 25; ++i) population.OtherSpecies.Add(i == 0 || i == 9 ? CSpeciesNameRow{"", kGone + i} : Fungus(i));
    typed->SpecData_Fungus_03 = {"събрани в хартия", "Бележка; 100%"};
    ASSERT_TRUE(typed->SaveNewForm());
    const int formId = LastFormId();

    auto loaded = Loaded(formId, kSiteForm);
    site.Substratum = "пън на 'бук'";
    population.PopulationArea = "1.5";
    EXPECT_EQ(loaded->SpecData_Fungus_01, site);
    EXPECT_EQ(loaded->SpecData_Fungus_02, population);
    EXPECT_EQ(loaded->SpecData_Fungus_03, (CSpecData_Fungus_03{"", "Бележка; 100%"}));  // collecting notes not kept
    EXPECT_EQ(loaded->SpecData_Fungus_04, CSpecData_Fungus_04());  // form 30's pages stay at their defaults

    // Stored again, the unlisted companions keep their ids.
    ASSERT_TRUE(loaded->UpdateForm());
    auto again = Loaded(formId, kSiteForm);
    EXPECT_EQ(again->SpecData_Fungus_02.OtherSpecies, population.OtherSpecies);

    // A region and a square no longer listed load their ids with empty names; a page without
    // companions loads an empty list.
    Exec(FormatSql("update tFungus_01 set FloristicRegionID = %d, UTM_GirdID = %d where FormID = %d", kGone, kGone + 1,
                   formId));
    Exec("delete from tFungus_02_OtherSpecies");
    again = Loaded(formId, kSiteForm);
    const CSpecData_Fungus_01& gone = again->SpecData_Fungus_01;
    EXPECT_EQ(std::tuple(gone.FloristicRegionID, gone.FloristicRegionIDName, gone.UTM_GirdID, gone.UTM_GirdIDName, gone.Habitat),
              std::tuple(kGone, CString(), kGone + 1, CString(), site.Habitat));
    EXPECT_EQ(again->SpecData_Fungus_02.ColectionNum, "SOM'12");
    EXPECT_TRUE(again->SpecData_Fungus_02.OtherSpecies.IsEmpty());
}

TEST_F(FungusStorage, TrialPlotFormComesBackAndAnEmptyPlotKeepsItsChangesRow) {
    auto typed = NewDocument(kPlotForm, kTrialPlot);
    CSpecData_Fungus_04& changes = typed->SpecData_Fungus_04;
    changes = {kGone, "", "по-сухо", "  ", "изсечена 'гора'\nи път", 1, 0, 1};
    CArray<CFungus05Row>& species = typed->SpecData_Fungus_05.Species;
    for (int i = 0; i < 25; ++i) {
        const CSpeciesNameRow fungus = i == 3 ? CSpeciesNameRow{"", kGone} : Fungus(i);
        species.Add({fungus.SpeciesID, fungus.SpeciesIDName, FormatSql(" %d ", 25 - i)});
    }
    ASSERT_TRUE(typed->SaveNewForm());
    const int plotForm = LastFormId();
    // An empty trial plot: the changes row all the same, no species row.
    ASSERT_TRUE(NewDocument(kPlotForm, kTrialPlot)->SaveNewForm());
    const int emptyPlot = LastFormId();
    const CString emptyForm = FormatSql("FormID = %d", emptyPlot);
    EXPECT_EQ(std::pair(Count("tFungus_04", emptyForm), Count("tFungus_05", emptyForm)), std::pair(1, 0));
    EXPECT_EQ(Text(FormatSql("select FloristicRegionID || bEkoConditionsChanges || bHabitatChanges || "
                             "bLandUsageChanges from tFungus_04 where FormID = %d",
                             emptyPlot)),
              "-1000");

    auto loaded = Loaded(plotForm, kPlotForm);
    changes.HabitatChanges = "";
    for (CFungus05Row& row : species) row.Count.Trim();
    EXPECT_EQ(loaded->SpecData_Fungus_04, changes);
    EXPECT_EQ(loaded->SpecData_Fungus_05, typed->SpecData_Fungus_05);

    // Clearing the document for the next form puts every fungus record back to its defaults.
    loaded->ClearAll();
    EXPECT_EQ(std::tuple(loaded->SpecData_Fungus_04.FloristicRegionID, loaded->SpecData_Fungus_04.bEkoConditionsChanges,
                         loaded->SpecData_Fungus_04.bLandUsageChanges, loaded->SpecData_Fungus_05.Species.GetSize()),
              std::tuple(-1, 0, 0, 0));
}

}  // namespace
