// The moss blocks of pages 14 to 19 as the report control receives them, and their places in
// the reports of form types 3, 5 and 8.
#include <algorithm>

#include "ReportFixture.h"
#include "reports/MossReports.h"
#include "reports/ReportParameters.h"

namespace {

class MossReports14 : public ReportSequenceTest {
protected:
    void SetUp() override {
        ReportSequenceTest::SetUp();
        doc = NewDocument(5);
        doc->SpecData_Moss_14.Turfs.Add({"4", 1, "да"});
        doc->SpecData_Moss_15 = {"Глинеста", 3, "не", 2, "И", 3, "Слаба", 2, "10", "20", "5", "30", {}, {}};
        doc->SpecData_Moss_15.GrassBush.Add({"Carex", 1, "Острица", 1});
        doc->SpecData_Moss_15.Arhegons.Add({"7", 1, "да"});
        doc->SpecData_Moss_16 = {1, "да", 2, "не", {}};
        doc->SpecData_Moss_16.GrassBush.Add({"Carex", 1, "Острица", 1});
        doc->SpecData_Moss_17.Trees.Add({1, "Fagus sylvatica", 1, "Обикновен бук", "40", "20"});
        doc->SpecData_Moss_17.Area = "0.5";
        doc->SpecData_Moss_17.Colonies.Add({0, 1, "С", "1", "2", "3", "4", "5"});
        doc->SpecData_Moss_17.Colonies.Add({0, -1, "", "11", "", "", "", ""});
        CSpecData_Moss_18& bog = doc->SpecData_Moss_18;
        bog = {1, "да", 2, "СИ", "c", "канал", "cl", "e", "-1", "n2", "o", "4.5", "p", "-90", "хълм", "s", "2", "3", "15", "9"};
        doc->SpecData_Moss_19 = {1, "20", "хълмчета", "3", "80", "12.5", {}};
    }

    static long Count(const Texts& texts, const char* prefix) {
        return std::count_if(texts.begin(), texts.end(), [prefix](const std::string& t) { return t.rfind(prefix, 0) == 0; });
    }
};

TEST_F(MossReports14, BlocksSetTheirParametersInOrder) {
    EXPECT_EQ(Sent(FillMossHabitat15),
              (Texts{"PARAM_BUSH_1;Carex;TRUE", "PARAM_TREE;30;TRUE", "PARAM_BUSH;10;TRUE", "PARAM_GRASS;20;TRUE",
                     "PARAM_TERRAIN;5;TRUE", "PARAM_EXPOSURE;И;TRUE", "PARAM_ROCK;не;TRUE", "PARAM_SOIL;Глинеста;TRUE",
                     "PARAM_EROSION;Слаба;TRUE", "PARAM_AREA_1;7;TRUE", "PARAM_ARH_1;да;TRUE"}));
    EXPECT_EQ(Sent(FillMossHabitat16),
              (Texts{"PARAM_BUSH_1;Carex;TRUE", "PARAM_ROCK;да;TRUE", "PARAM_WATER;не;TRUE"}));
    const Texts hosts = Sent(FillMossHabitat17);
    EXPECT_EQ(Texts(hosts.begin(), hosts.begin() + 5),
              (Texts{"PARAM_NAME_11;Обикновен бук;TRUE", "PARAM_NAME_21;Fagus sylvatica;TRUE", "PARAM_HIGH_1;20;TRUE",
                     "PARAM_DIAMETER_1;40;TRUE", "PARAM_AREA;0.5;TRUE"}));
    EXPECT_EQ(Texts(hosts.end() - 6, hosts.end()),
              (Texts{"PARAM_AREA_12;11;TRUE", "PARAM_AREA_22;;TRUE", "PARAM_AREA_32;;TRUE", "PARAM_AREA_42;;TRUE",
                     "PARAM_AREA_52;;TRUE", "PARAM_AREA_62;;TRUE"}));
    EXPECT_EQ(Sent(FillMossHabitat18),
              (Texts{"PARAM_AREA;3;TRUE", "PARAM_TERRAIN;2;TRUE", "PARAM_EXPOSURE;СИ;TRUE", "PARAM_WATER;да;TRUE",
                     "PARAM_RELIEF;хълм;TRUE", "PARAM_CANAL;канал;TRUE", "PARAM_WI_1;4.5;TRUE", "PARAM_WI_2;cl;TRUE",
                     "PARAM_WI_3;-1;TRUE", "PARAM_WI_4;s;TRUE", "PARAM_WI_5;n2;TRUE", "PARAM_WI_6;c;TRUE",
                     "PARAM_WI_7;p;TRUE", "PARAM_WI_8;o;TRUE", "PARAM_WI_9;9;TRUE", "PARAM_WI_10;e;TRUE",
                     "PARAM_WI_11;-90;TRUE", "PARAM_WATER_LEVEL;15;TRUE"}));
    EXPECT_EQ(Sent(FillMossHabitat19),
              (Texts{"PARAM_PTREE_Y_N;да;TRUE", "PARAM_PTREE_PERCENTAGE;20;TRUE", "PARAM_PERCENTAGE_1;80;TRUE",
                     "PARAM_PERCENTAGE_2;12.5;TRUE", "PARAM_SHAPE;хълмчета;TRUE", "PARAM_INCREASE;3;TRUE"}));
}

TEST_F(MossReports14, TuftAreasAndBogSpeciesHaveNoLimitTheOthersStopAtTen) {
    for (int i = 2; i <= 12; ++i) {
        doc->SpecData_Moss_14.Turfs.Add({"1", 2, "не"});
        doc->SpecData_Moss_19.GrassBush.Add({"Carex", 1, "", 1});
        doc->SpecData_Moss_17.Colonies.Add({0, -1, "", "1", "", "", "", ""});
    }
    EXPECT_EQ(Count(Sent(FillMossHabitat14Areas), "PARAM_AREA_"), 12);
    EXPECT_EQ(Count(Sent(FillMossHabitat14), "PARAM_SPORE_"), 10);
    EXPECT_EQ(Count(Sent(FillMossHabitat19), "PARAM_BUSH_"), 11);
    EXPECT_EQ(Count(Sent(FillMossHabitat17), "PARAM_AREA_6"), 10);
}

TEST_F(MossReports14, TheBogOfPage12PrintsItsTenValuesInTheFormsOrder) {
    CSpecData_Moss_12& bog = doc->SpecData_Moss_12;
    bog.TorfArea = "2";
    bog.Tilt = "5";
    bog.ExposureIDName = "С";
    bog.Relief = "равно";
    bog.Chanel = "канал";
    bog.PH = "6.5";
    bog.Nitrates = "n3";
    bog.Nitrites = "n2";
    bog.Phosphates = "p";
    bog.Depth = "40";
    EXPECT_EQ(Sent(FillMossHabitat12),
              (Texts{"PARAM_AREA;2;TRUE", "PARAM_TERRAIN;5;TRUE", "PARAM_EXPOSURE;С;TRUE", "PARAM_RELIEF;равно;TRUE",
                     "PARAM_CANAL;канал;TRUE", "PARAM_WI_1;6.5;TRUE", "PARAM_WI_2;n3;TRUE", "PARAM_WI_3;n2;TRUE",
                     "PARAM_WI_4;p;TRUE", "PARAM_PUDDLE;40;TRUE"}));
}

TEST_F(MossReports14, CompanionsTuftsStumpsArchegoniaAndHostTreesStopAtTenRows) {
    for (int i = 1; i <= 12; ++i) {
        doc->SpecData_Moss_05.Attendants.Add({"Hypnum", i, ""});
        doc->SpecData_Moss_07.TurfProperties.Add({"3", 1, "да"});
        doc->SpecData_Moss_09.Stubs.Add({0, "30", "4", "12"});
        doc->SpecData_Moss_15.GrassBush.Add({"Carex", i, "", i});
        doc->SpecData_Moss_15.Arhegons.Add({"7", 1, "да"});
        doc->SpecData_Moss_17.Trees.Add({i, "Fagus sylvatica", i, "бук", "40", "20"});
    }
    EXPECT_EQ(Count(Sent(FillMossHabitat05), "PARAM_ACCOMPANY_NAME_"), 10);
    const Texts tufts = Sent(FillMossHabitat07);
    EXPECT_EQ(std::pair(Count(tufts, "PARAM_AREA_"), Count(tufts, "PARAM_SPORE_")), std::pair(10L, 10L));
    const Texts stumps = Sent(FillMossHabitat09);
    EXPECT_EQ(std::pair(Count(stumps, "PARAM_DIAMETER_"), Count(stumps, "PARAM_DECOMP_")), std::pair(10L, 10L));
    const Texts soil = Sent(FillMossHabitat15);
    EXPECT_EQ(std::tuple(Count(soil, "PARAM_BUSH_"), Count(soil, "PARAM_AREA_"), Count(soil, "PARAM_ARH_")),
              std::tuple(10L, 10L, 10L));
    const Texts hosts = Sent(FillMossHabitat17);
    EXPECT_EQ(std::pair(Count(hosts, "PARAM_HIGH_"), Count(hosts, "PARAM_NAME_2")), std::pair(10L, 10L));
}

TEST_F(MossReports14, FormTypesThreeFiveAndEightPrintTheirBlocksInTheirPlaces) {
    const auto contains = [](const Texts& all, const Texts& part) {
        return std::search(all.begin(), all.end(), part.begin(), part.end()) != all.end();
    };
    const std::tuple<int, Texts> reports[] = {
        {3, Join({Sent(FillMossHabitat02Trees), Sent(FillMossHabitat16), Sent(FillMossHabitat14),
                  Sent(FillMossHabitat05)})},
        {5, Join({Sent(FillMossHabitat18), Sent(FillMossHabitat02), Sent(FillMossHabitat19), Sent(FillMossHabitat05)})},
        {8, Join({Sent(FillMossHabitat02), Sent(FillMossHabitat15), Sent(FillMossHabitat05)})},
    };
    for (const auto& [formType, blocks] : reports) {
        doc->FormTypeID = formType;
        EXPECT_TRUE(contains(Filled(formType), blocks)) << formType;
    }
    EXPECT_TRUE(boxes.boxes.empty());
}

}  // namespace
