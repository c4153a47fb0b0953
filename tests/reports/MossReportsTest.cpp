// The moss reports: the distances, the habitat blocks of each form type in their order, the
// companions, the threats and the note in its place, as the report control receives them.
#include <algorithm>

#include "ReportFixture.h"
#include "reports/MossReports.h"
#include "reports/ReportParameters.h"

namespace {

class MossReportsTest : public ReportSequenceTest {
protected:
    // The parameters of one printing from the first distance on, after the common header.
    Texts Printed(int formTypeId) {
        doc->FormTypeID = formTypeId;
        const Texts all = Filled(formTypeId);
        const Texts header = Sent([](CReportParameters& r) { r.FillCommonHeader(); });
        EXPECT_TRUE(std::equal(header.begin(), header.end(), all.begin()));
        return {all.begin() + static_cast<std::ptrdiff_t>(std::min(header.size(), all.size())), all.end()};
    }

    void FillForm(int formTypeId) {
        doc = NewDocument(formTypeId);
        doc->SpecData_Moss_01 = {0, 0, 0, 0, 1, 0, 0, 1, "", "", "", "", "120", "", "", "5"};
        doc->SpecData_Moss_02.HommiesTypeName = "Букови гори";
        doc->SpecData_Moss_02.Trees.Add({"Fagus sylvatica", 1, "Обикновен бук", 1});
        doc->SpecData_Moss_03 = {{}, "СИ", 2, "30", "60", "15", 0, "Да"};
        doc->SpecData_Moss_03.GrassBush.Add({"Corylus avellana", 1, "Обикновена леска", 1});
        doc->SpecData_Moss_04 = {3, "Разредена тревна покривка", 6, "Сенчести места", {}};
        doc->SpecData_Moss_04.Turfs.Add({"12.5", -1, ""});
        doc->SpecData_Moss_05.Attendants.Add({"Hypnum cupressiforme", 1014, ""});
        doc->SpecData_Moss_05.PercentCoverage = "40";
        doc->SpecData_Moss_07.TurfIDs.Add(2);
        doc->SpecData_Moss_07.TurfNames.Add("В основата на дървета");
        doc->SpecData_Moss_07.TurfProperties.Add({"3", 1, "да"});
        doc->SpecData_Moss_06.NoteText = "бележка; два реда";
        CThreatItem threat;
        threat.Name = "Сеч";
        doc->CommonData_07_Threat.Threats.Add(threat);
    }
};

const std::vector<std::string> kDistances{
    "PARAM_PATH_YN;да;TRUE", "PARAM_WROAD_YN;не;TRUE", "PARAM_STREAM_YN;не;TRUE", "PARAM_RIVER_YN;да;TRUE",
    "PARAM_WORKABLE_YN;не;TRUE", "PARAM_POPULATED_YN;не;TRUE", "PARAM_BUILDING_YN;не;TRUE", "PARAM_ROAD_YN;не;TRUE",
    "PARAM_PATH_DISTANCE;5;TRUE", "PARAM_WROAD_DISTANCE;;TRUE", "PARAM_STREAM_DISTANCE;;TRUE",
    "PARAM_RIVER_DISTANCE;120;TRUE", "PARAM_WORKABLE_DISTANCE;;TRUE", "PARAM_POPULATED_DISTANCE;;TRUE",
    "PARAM_BUILDING_DISTANCE;;TRUE", "PARAM_ROAD_DISTANCE;;TRUE"};

const std::vector<std::string> kHabitat02{"PARAM_TREE_1;Fagus sylvatica;TRUE", "PARAM_VEGETATION;Букови гори;TRUE"};
const std::vector<std::string> kHabitat03{
    "PARAM_BUSH_1;Corylus avellana;TRUE", "PARAM_BUSH;30;TRUE",     "PARAM_GRASS;60;TRUE", "PARAM_TERRAIN;15;TRUE",
    "PARAM_EXPOSURE;СИ;TRUE",             "PARAM_ROCK;Да;TRUE"};
const std::vector<std::string> kCompanionsToEnd{
    "PARAM_ACCOMPANY_NAME_1;Hypnum cupressiforme;TRUE", "PARAM_ACCOMPANY_1;40;TRUE", "PARAM_THREAT_1;Сеч;TRUE",
    "PARAM_NOTE;бележка   два реда;TRUE", "PARAM_PHOTO;;TRUE", "PARAM_MAP;;TRUE"};

TEST_F(MossReportsTest, TypesNineAndTenPrintTheirBlocksInOrder) {
    FillForm(9);
    EXPECT_EQ(Printed(9),
              Join({kDistances, kHabitat02, kHabitat03,
                      {"PARAM_LOCATION_1;не;TRUE", "PARAM_LOCATION_2;да;TRUE", "PARAM_AREA_1;3;TRUE",
                       "PARAM_SPORE_1;да;TRUE"},
                      kCompanionsToEnd}));
    EXPECT_EQ(Printed(10),
              Join({kDistances, kHabitat02, kHabitat03,
                      {"PARAM_LOCATION_1;Разредена тревна покривка;TRUE", "PARAM_LOCATION_2;Сенчести места;TRUE",
                       "PARAM_AREA_1;12.5;TRUE"},
                      kCompanionsToEnd}));
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(MossReportsTest, TreesStopAtTenTuftsDoNotAndTheNoteHasItsPlace) {
    FillForm(10);
    for (int i = 2; i <= 12; ++i) {
        CString number;
        number.Format("%d", i);
        doc->SpecData_Moss_02.Trees.Add({"дърво " + number, i, "", i});
        doc->SpecData_Moss_04.Turfs.Add({number, -1, ""});
    }
    const std::vector<std::string> texts = Printed(10);
    const auto count = [&texts](const char* prefix) {
        return std::count_if(texts.begin(), texts.end(), [prefix](const std::string& text) { return text.rfind(prefix, 0) == 0; });
    };
    EXPECT_EQ(count("PARAM_TREE_"), 10);
    EXPECT_EQ(count("PARAM_AREA_"), 12);

    // Types 2 and 3 end with the note, the others put it before the signs; an empty note is set too.
    doc->SpecData_Moss_06.NoteText = "";
    const std::vector<std::string> second = Printed(2);
    EXPECT_EQ(std::vector<std::string>(second.end() - 3, second.end()),
              (std::vector<std::string>{"PARAM_PHOTO;;TRUE", "PARAM_MAP;;TRUE", "PARAM_NOTE;;TRUE"}));
    const std::vector<std::string> fourth = Printed(4);
    EXPECT_EQ(std::vector<std::string>(fourth.end() - 3, fourth.end()),
              (std::vector<std::string>{"PARAM_NOTE;;TRUE", "PARAM_PHOTO;;TRUE", "PARAM_MAP;;TRUE"}));
    EXPECT_EQ(std::count(second.begin(), second.end(), "PARAM_TREE_1;Fagus sylvatica;TRUE"), 0);  // no page 02 on type 2
    const std::vector<std::string> third = Printed(3);
    EXPECT_EQ(std::count_if(third.begin(), third.end(),
                            [](const std::string& text) { return text.rfind("PARAM_VEGETATION", 0) == 0; }),
              0);
}

TEST_F(MossReportsTest, TypeTwoPrintsItsForestAndStumpsAndLeavesNothingAside) {
    FillForm(2);
    doc->SpecData_Moss_08 = {"20", "70", "85", {}};
    doc->SpecData_Moss_08.Trees.Add({"Picea abies", 3, "Обикновен смърч", 3});
    doc->SpecData_Moss_09 = {"1", "2", "3", "0.5", {}};
    doc->SpecData_Moss_09.Stubs.Add({0, "30", "4", "12"});
    doc->SpecData_Moss_09.Stubs.Add({2, "45", "6.5", "3"});
    const Texts companions(kCompanionsToEnd.begin(), kCompanionsToEnd.end() - 3);
    EXPECT_EQ(Printed(2), Join({kDistances,
                                {"PARAM_TREE_1;Picea abies  (Обикновен смърч);TRUE", "PARAM_TREE;85;TRUE", "PARAM_BUSH;20;TRUE",
                                 "PARAM_GRASS;70;TRUE", "PARAM_DIAMETER_1;30;TRUE", "PARAM_LONG_1;4;TRUE",
                                 "PARAM_SPORE_1;12;TRUE", "PARAM_DECOMP_1;1;TRUE", "PARAM_DIAMETER_2;45;TRUE",
                                 "PARAM_LONG_2;6.5;TRUE", "PARAM_SPORE_2;3;TRUE", "PARAM_DECOMP_2;3;TRUE",
                                 "PARAM_AREA;0.5;TRUE", "PARAM_COUNT_1;1;TRUE", "PARAM_COUNT_2;2;TRUE", "PARAM_COUNT_3;3;TRUE"},
                                companions,
                                {"PARAM_PHOTO;;TRUE", "PARAM_MAP;;TRUE", "PARAM_NOTE;бележка   два реда;TRUE"}}));

    const std::string html = FilledFile(*doc);
    EXPECT_EQ(html.find("Други данни"), std::string::npos);
    EXPECT_NE(html.find("Обикновен смърч"), std::string::npos);
}

TEST_F(MossReportsTest, RocksMarkTheirHeightSurfaceAndEveryTuftsPlace) {
    FillForm(6);
    CSpecData_Moss_11& rocks = doc->SpecData_Moss_11;
    rocks = {"да", 1, "Напукана", 2, "", -1, {}};
    rocks.TurfSituations.Add({1, "Огрявано", 2, "", 3, "И"});
    rocks.TurfSituations.Add({3, "Засенчено", 1, "", -1, ""});
    rocks.TurfSituations.Add({2, "Полусянка", -1, "", 1, "С"});
    EXPECT_EQ(Sent(FillMossHabitat11),
              (Texts{"PARAM_ROCK_1;;TRUE", "PARAM_ROCK_2;;TRUE", "PARAM_ROCK_3;;TRUE", "PARAM_ROCK_4;;TRUE",
                     "PARAM_ROCK_5;;TRUE", "PARAM_ROCK_6;+;TRUE", "PARAM_ROCK_7;да;TRUE",
                     "PARAM_LOCATION_11;;TRUE", "PARAM_LOCATION_12;+;TRUE", "PARAM_LOCATION_13;И;TRUE",
                     "PARAM_LOCATION_14;Огрявано;TRUE", "PARAM_LOCATION_21;+;TRUE", "PARAM_LOCATION_22;;TRUE",
                     "PARAM_LOCATION_23;;TRUE", "PARAM_LOCATION_24;Засенчено;TRUE", "PARAM_LOCATION_31;;TRUE",
                     "PARAM_LOCATION_32;;TRUE", "PARAM_LOCATION_33;С;TRUE", "PARAM_LOCATION_34;Полусянка;TRUE"}));

    // Where the outcrops lie: an unanswered question prints nothing.
    std::vector<std::string> places;
    for (const int place : {-1, 0, 1}) {
        doc->SpecData_Moss_10 = {"40", "10", "80", place, {}};
        places.push_back(Sent(FillMossHabitat10).back());
    }
    EXPECT_EQ(places, (Texts{"PARAM_TREE;;TRUE", "PARAM_TREE;в гора;TRUE", "PARAM_TREE;на открито;TRUE"}));
    EXPECT_EQ(Sent(FillMossHabitat10).front(), "PARAM_BUSH;80;TRUE");  // the canopy on the shrub line
}

TEST_F(MossReportsTest, TheBogsTreesAnswerKeepsItsPlaceBesideTenTrees) {
    FillForm(7);
    for (int i = 2; i <= 12; ++i) doc->SpecData_Moss_02.Trees.Add({"дърво", i, "", i});
    doc->SpecData_Moss_13 = {1, "25", "60", {}};
    const Texts printed = Printed(7);
    const auto valuesOf = [&printed](const std::string& name) {
        Texts values;
        for (const std::string& text : printed)
            if (text.rfind(name + ";", 0) == 0) values.push_back(text);
        return values;
    };
    EXPECT_EQ(valuesOf("PARAM_TREE_12"), Texts{"PARAM_TREE_12;да;TRUE"});
    EXPECT_EQ(valuesOf("PARAM_TREE_13"), Texts{"PARAM_TREE_13;25;TRUE"});
    EXPECT_EQ(valuesOf("PARAM_TREE_11"), Texts{});
}

}  // namespace
