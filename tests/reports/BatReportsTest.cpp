// The four bat reports: the parameter sequences they send, and their report files, which place
// every parameter a filled form sends and give each target species of the lists its line.
#include <string>
#include <vector>

#include "ReportFixture.h"
#include "db/SQLite3DB.h"
#include "reports/BatReports.h"
#include "reports/ReportParameters.h"
#include "store/SqlText.h"

namespace {

using R = CReportParameters;

CBat04Row BatRow(int methodCount, int id, const char* name, const char* methods, int count) {
    CBat04Row row(methodCount);
    row.SpeciesID = id;
    row.SpeciesName = name;
    row.Methods = methods;
    row.Count = count;
    return row;
}

CBat02Row ForestRow(int id, const char* methods, int count) {
    CBat02Row row;
    row.SpeciesID = id;
    row.SpeciesName = FormatSql("вид %d", id);
    row.Methods = methods;
    row.Count = count;
    return row;
}

CBatHouse House(const char* number, int condition, std::vector<const char*> species) {
    CBatHouse house;
    house.HouseNum = number;
    house.HouseConditionID = condition;
    for (const char* name : species) {
        CBatHouseSpecies seen;
        seen.BatsInHouseName = name;
        seen.SpeciesCount = "4";
        house.Species.Add(seen);
    }
    return house;
}

class BatReportsTest : public ReportSequenceTest {
protected:
    // A form with its site header, one point, one observer and six threats.
    std::unique_ptr<CTovan_splitDoc> Form(int formTypeId) {
        auto form = NewDocument(formTypeId);
        form->SpeciesName = "Chiroptera";
        form->CommonData_01.SiteName = "Пещера 'Бацова'";
        form->CommonData_01.PlaceID = 12;
        form->CommonData_02.TemperatureAir = "11.5";
        form->CommonData_02.Wind = 0;
        form->CommonData_04.Altitude = "420";
        CGeoPoint point;
        point.LatDeg = 43;
        point.LonDeg = 24;
        form->CommonData_04.Points.Add(point);
        CPersonRow observer;
        observer.FirstName = "Иван";
        form->CommonData_06.Observers.Add(observer);
        for (int id = 1; id <= 6; ++id) form->CommonData_07_Threat.Threats.Add({id, FormatSql("заплаха %d", id)});
        return form;
    }

    Texts SiteHeader() const { return Blocks({&R::FillSiteHeader}); }
    // Where the place lies and who was there: the coordinates come twice, around the altitude.
    Texts Surroundings(bool withWeather) const {
        return Join({{"PARAM_TEMPERATURE_AIR;11.5;TRUE"},
                     withWeather ? Blocks({&R::FillAdminLocation, &R::FillWeather, &R::FillCoordinates})
                                 : Blocks({&R::FillAdminLocation, &R::FillCoordinates}),
                     {"PARAM_ATTITUDE;420;TRUE"},
                     Blocks({&R::FillCoordinates, &R::FillBioRegions, &R::FillProtectedAreas, &R::FillTeam})});
    }
};

TEST_F(BatReportsTest, CaveReportNumbersTargetsBySpeciesIdAndPushesEverythingInOrder) {
    doc = Form(17);
    doc->CommonData_01.DynamicIntComboContentName = "Пещера";
    doc->CommonData_01.DynamicStrContent2 = "карстова";
    doc->SpecData_Bat_04_Caves.Methods = {1, 0, 0, 1, 0};
    doc->SpecData_Bat_04_Caves.Species.Add(BatRow(kCaveMethods, 7, "Myotis blythii", "1; 4;", 120));
    doc->SpecData_Bat_04_Caves.Species.Add(BatRow(kCaveMethods, 3, "Rhinolophus euryale", "1;", 0));
    doc->SpecData_Bat_05_Caves.Species.Add(BatRow(kCaveMethods, 430, "Myotis myotis", "4;", 2));
    doc->SpecData_Bat_05_Caves.ColonyLocation = "таван";
    doc->SpecData_Bat_05_Caves.Notes = "бележка";
    doc->SpecData_Bat_05_Caves.Changes = "промяна";
    EXPECT_EQ(Filled(17),
              Join({SiteHeader(), {"PARAM_UNDERGROUND HABITAT;Пещера - карстова;TRUE"}, Surroundings(false),
                    {"PARAM_METHOD_1;+;TRUE", "PARAM_METHOD_2;;TRUE", "PARAM_METHOD_3;;TRUE", "PARAM_METHOD_4;+;TRUE",
                     "PARAM_METHOD_5;;TRUE", "PARAM_METHOD_SPACIES_7;1   4  ;TRUE", "PARAM_COUNT_SPACIES_7;120;TRUE",
                     "PARAM_METHOD_SPACIES_3;1  ;TRUE", "PARAM_COUNT_SPACIES_3;0;TRUE", "PARAM_ACCOMPANY_1;Myotis myotis;TRUE",
                     "PARAM_METHOD_ACCOMPANY_1;4  ;TRUE", "PARAM_COUNT_ACCOMPANY_1;2;TRUE", "PARAM_STOCK;таван;TRUE",
                     "PARAM_NOTE;бележка;TRUE", "PARAM_HABITAT_CHANGE;промяна;TRUE"},
                    ThreatsAndSigns(5)}));

    doc->CommonData_01.DynamicStrContent2 = "";
    EXPECT_EQ(Filled(17)[7], "PARAM_UNDERGROUND HABITAT;Пещера;TRUE");
}

TEST_F(BatReportsTest, WetlandReportAddsTheWeatherAfterThePlace) {
    doc = Form(18);
    doc->SpecData_Bat_06_WetLand.Methods = {0, 1, 0, 0};
    doc->SpecData_Bat_06_WetLand.Species.Add(BatRow(kWetlandMethods, 6, "Nyctalus noctula", "2;", 5));
    doc->SpecData_Bat_07_WetLand.Notes = "бележка";
    EXPECT_EQ(Filled(18), Join({SiteHeader(), Surroundings(true),
                                {"PARAM_METHOD_1;;TRUE", "PARAM_METHOD_2;+;TRUE", "PARAM_METHOD_3;;TRUE", "PARAM_METHOD_4;;TRUE",
                                 "PARAM_METHOD_SPACIES_6;2  ;TRUE", "PARAM_COUNT_SPACIES_6;5;TRUE", "PARAM_NOTE;бележка;TRUE",
                                 "PARAM_HABITAT_CHANGE;;TRUE"},
                                ThreatsAndSigns(5)}));
}

TEST_F(BatReportsTest, ForestReportStopsAtTenCompanionsOneThreatAndPrintsNoUnsetCount) {
    doc = Form(19);
    CSpecData_Bat_01_Forest& targets = doc->SpecData_Bat_01_Forest;
    targets.Bat1Checked = 1;
    targets.Bat1Method = "3;";
    targets.Bat1Count = 14;
    for (int id = 1; id <= 12; ++id) doc->SpecData_Bat_02_Forest.ExtraBats.Add(ForestRow(id, "1;", id));
    doc->SpecData_Bat_02_Forest.BlankNum = "17";
    Texts companions;
    for (const std::string n : {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"})
        for (const std::string& field : {"ACCOMPANY_" + n + ";вид " + n, "METHOD_ACCOMPANY_" + n + ";1  ", "COUNT_ACCOMPANY_" + n + ";" + n})
            companions.push_back("PARAM_" + field + ";TRUE");
    EXPECT_EQ(Filled(19), Join({SiteHeader(), Surroundings(false),
                                {"PARAM_METHOD_1;;TRUE", "PARAM_METHOD_2;;TRUE", "PARAM_METHOD_3;;TRUE", "PARAM_METHOD_4;;TRUE",
                                 "PARAM_METHOD_SPACIES_1;3  ;TRUE", "PARAM_COUNT_SPACIES_1;14;TRUE",
                                 "PARAM_METHOD_SPACIES_2;;TRUE", "PARAM_COUNT_SPACIES_2;;TRUE"},
                                companions, {"PARAM_FORM_NUM;17;TRUE", "PARAM_NOTE;;TRUE", "PARAM_HABITAT_CHANGE;;TRUE"},
                                ThreatsAndSigns(1)}));
}

TEST_F(BatReportsTest, LodgeReportSkipsARowAfterEachHouseAndTicksOnlyItsCondition) {
    doc = Form(20);
    doc->SpecData_Bat_03_Houses.BatHousesFormNum = "Б-3";
    doc->SpecData_Bat_03_Houses.BatHouses.Add(House("12", 2, {"Nyctalus noctula", "Plecotus auritus"}));
    doc->SpecData_Bat_03_Houses.BatHouses.Add(House("13", -1, {}));
    doc->SpecData_Bat_03_Houses.BatHouses.Add(House("14", 3, {"Myotis nattereri"}));
    // No threats, no photo and map signs.
    EXPECT_EQ(Filled(20), Join({SiteHeader(), Surroundings(false),
                                {"PARAM_APPLICATION_NUM;Б-3;TRUE", "PARAM_NUM_LODGE_1;12;TRUE",
                                 "PARAM_SPACIES_1;Nyctalus noctula;TRUE", "PARAM_COUNT_SPACIES_1;4;TRUE",
                                 "PARAM_STATUS_1_2;+;TRUE", "PARAM_NUM_LODGE_2;12;TRUE", "PARAM_SPACIES_2;Plecotus auritus;TRUE",
                                 "PARAM_COUNT_SPACIES_2;4;TRUE", "PARAM_STATUS_2_2;+;TRUE", "PARAM_NUM_LODGE_5;14;TRUE",
                                 "PARAM_SPACIES_5;Myotis nattereri;TRUE", "PARAM_COUNT_SPACIES_5;4;TRUE",
                                 "PARAM_STATUS_5_3;+;TRUE"}}));
}

// Every parameter a filled form sends has its place in the report file, and each species of the
// cave and wetland lists its own line.
TEST_F(BatReportsTest, FilledFormsPrintNothingUnderOtherData) {
    CSQLite3DB db;
    db.open(database.Path());
    const auto listed = [&db](int formTypeId, const char* list, int methods) {
        CArray<CBat04Row> rows;
        for (CSQLite3Query query = db.execQuery(FormatSql("select ID, Name_lat from %s", list)); !query.eof(); query.nextRow())
            rows.Add(BatRow(methods, query.getIntField(0), query.getStringField(1), "1;", formTypeId));
        EXPECT_GT(rows.GetSize(), 0) << list;
        return rows;
    };
    auto caves = Form(17);
    caves->CommonData_01.DynamicIntComboContentName = "Пропаст";
    caves->SpecData_Bat_04_Caves.Species = listed(17, "_BatsInCaves", kCaveMethods);
    caves->SpecData_Bat_05_Caves.Species.Add(BatRow(kCaveMethods, 430, "Myotis myotis", "1;", 3));
    caves->SpecData_Bat_05_Caves.ColonyLocation = caves->SpecData_Bat_05_Caves.Notes = caves->SpecData_Bat_05_Caves.Changes = "текст";
    auto wetland = Form(18);
    wetland->SpecData_Bat_06_WetLand.Species = listed(18, "_BatsInWetlands", kWetlandMethods);
    wetland->SpecData_Bat_07_WetLand.Species.Add(BatRow(kWetlandMethods, 430, "Myotis myotis", "1;", 3));
    wetland->SpecData_Bat_07_WetLand.Notes = wetland->SpecData_Bat_07_WetLand.Changes = "текст";
    auto forest = Form(19);
    forest->SpecData_Bat_01_Forest = {{1, 1, 1, 1}, 1, "1;", {1, 0, 0, 0}, 3, 1, "2;", {0, 1, 0, 0}, 4};
    forest->SpecData_Bat_02_Forest.ExtraBats.Add(ForestRow(430, "1;", 1));
    forest->SpecData_Bat_02_Forest.Notes = forest->SpecData_Bat_02_Forest.Changes = forest->SpecData_Bat_02_Forest.BlankNum = "текст";
    auto houses = Form(20);
    houses->SpecData_Bat_03_Houses.BatHousesFormNum = "текст";
    for (int condition = 1; condition <= 3; ++condition)
        houses->SpecData_Bat_03_Houses.BatHouses.Add(House("1", condition, {"Nyctalus noctula"}));

    for (const CTovan_splitDoc* doc : {caves.get(), wetland.get(), forest.get(), houses.get()}) {
        const std::string html = FilledFile(*doc);
        EXPECT_EQ(html.find("Други данни"), std::string::npos) << doc->FormTypeID << html.substr(html.find("Други данни"));
        EXPECT_NE(html.find("текст"), std::string::npos) << doc->FormTypeID;
    }
    EXPECT_NE(FilledFile(*caves).find("Пропаст"), std::string::npos);  // the placeholder whose name holds a blank
}

}  // namespace
