// The seven bat records through a real database file: what is typed comes back in its order,
// names come from the species lists, untouched pages store their defaults.
#include "StoreFixture.h"

#include <tuple>

#include "store/SqlText.h"

namespace {

constexpr int kAllBatPages = 903;

class BatStorageTest : public StoreTest {
protected:
    void SetUp() override {
        StoreTest::SetUp();
        AddFormType(903, {6201, 6202, 6203, 6204, 6205, 6206, 6207, 1022});
    }

    CString NameIn(const char* list, int id) { return Text(FormatSql("select Name_lat from %s where ID = %d", list, id)); }

    // A row as the species dialog leaves it; the flags follow the text, as on loading.
    CBat04Row Row(int methodCount, const char* list, int id, const char* methods, int count) {
        CBat04Row row(methodCount);
        row.SpeciesID = id;
        row.SpeciesName = id > 0 ? NameIn(list, id) : CString();
        row.Methods = methods;
        row.Count = count;
        row.ParseMethods();
        return row;
    }

    // Awkward texts, ids that name nothing, a house without species and one with three,
    // thirty cave rows and none on the second cave page.
    std::unique_ptr<CTovan_splitDoc> FilledDocument() {
        auto filled = NewDocument(kAllBatPages);
        CTovan_splitDoc& doc = *filled;
        CSpecData_Bat_01_Forest& forest1 = doc.SpecData_Bat_01_Forest;
        forest1.PageMethods = {1, 0, 1, 1};
        forest1.Bat1Checked = 1;
        forest1.Bat1Method = "1; 3;";
        forest1.Bat1MethodFlags = {1, 0, 1, 0};
        forest1.Bat1Count = 0;
        forest1.Bat2Method = "";  // unticked: count stays -1

        CSpecData_Bat_02_Forest& forest2 = doc.SpecData_Bat_02_Forest;
        forest2.Changes = "Сечи 'до' реката\nи пътя";
        forest2.Notes = "";
        forest2.BlankNum = "№ 12'";
        for (const auto& [id, methods, count] : {std::tuple(435, "2;4;", 3), std::tuple(-1, "", -1), std::tuple(99999, "1;", 7)}) {
            CBat02Row row;
            row.SpeciesID = id;
            row.SpeciesName = id == 435 ? NameIn("_AllBats", id) : CString();  // 99999 is in no list
            row.Methods = methods;
            row.Count = count;
            row.ParseMethods();
            forest2.ExtraBats.Add(row);
        }

        CSpecData_Bat_03_Houses& houses = doc.SpecData_Bat_03_Houses;
        houses.BatHousesFormNum = "Бланка 'А'";
        CBatHouse empty;
        empty.HouseNum = "7";
        houses.BatHouses.Add(empty);
        CBatHouse full;
        full.HouseNum = "7";  // numbers may repeat
        full.HouseConditionID = 2;
        full.HouseConditionIDName = "Повредена";
        for (const auto& [id, count] : {std::pair(3, "12"), std::pair(3, ""), std::pair(10, "1")}) {
            CBatHouseSpecies species;
            species._BatsInHousesID = id;
            species.BatsInHouseName = Text(FormatSql("select Name from _BatsInHouses where ID = %d", id));
            species.SpeciesCount = count;
            full.Species.Add(species);
        }
        houses.BatHouses.Add(full);

        CSpecData_Bat_04_Caves& caves1 = doc.SpecData_Bat_04_Caves;
        caves1.Methods = {0, 1, 0, 0, 1};
        for (int i = 0; i < 30; ++i) caves1.Species.Add(Row(kCaveMethods, "_BatsInCaves", 12 - i % 12, i % 2 ? "2; 5;" : "1;", i));

        CSpecData_Bat_05_Caves& caves2 = doc.SpecData_Bat_05_Caves;
        caves2.ColonyLocation = "В залата „Голямата“";
        caves2.Notes = "O'Brien";
        caves2.Changes = "";

        CSpecData_Bat_06_WetLand& wetland1 = doc.SpecData_Bat_06_WetLand;
        wetland1.Methods = {1, 1, 0, 0};
        wetland1.Species.Add(Row(kWetlandMethods, "_BatsInWetlands", 6, "2; 4;", 40));

        CSpecData_Bat_07_WetLand& wetland2 = doc.SpecData_Bat_07_WetLand;
        wetland2.Notes = "ред 1\r\nред 2";
        wetland2.Species.Add(Row(kWetlandMethods, "_AllBats", 436, "3;", 2));
        wetland2.Species.Add(Row(kWetlandMethods, "_AllBats", -1, "", 0));

        return filled;
    }
};

TEST_F(BatStorageTest, EverySevenRecordsComeBackAsTypedInTheirOrder) {
    const auto doc = FilledDocument();
    ASSERT_TRUE(doc->SaveNewForm());
    ASSERT_TRUE(boxes.boxes.empty());
    EXPECT_EQ(Count("tBats_01_Forests_Methods"), 12);

    auto loaded = Loaded(LastFormId(), kAllBatPages);
    EXPECT_EQ(loaded->SpecData_Bat_01_Forest, doc->SpecData_Bat_01_Forest);
    EXPECT_EQ(loaded->SpecData_Bat_02_Forest, doc->SpecData_Bat_02_Forest);
    EXPECT_EQ(loaded->SpecData_Bat_03_Houses, doc->SpecData_Bat_03_Houses);
    EXPECT_EQ(loaded->SpecData_Bat_04_Caves, doc->SpecData_Bat_04_Caves);
    EXPECT_EQ(loaded->SpecData_Bat_05_Caves, doc->SpecData_Bat_05_Caves);
    EXPECT_EQ(loaded->SpecData_Bat_06_WetLand, doc->SpecData_Bat_06_WetLand);
    EXPECT_EQ(loaded->SpecData_Bat_07_WetLand, doc->SpecData_Bat_07_WetLand);
    // Both ways of writing methods give the same flags; no methods, none.
    EXPECT_EQ(loaded->SpecData_Bat_02_Forest.ExtraBats[0].MethodFlags, (CForestMethodFlags{0, 1, 0, 1}));
    EXPECT_EQ(loaded->SpecData_Bat_06_WetLand.Species[0].MethodFlags, (std::vector<BYTE>{0, 1, 0, 1}));
    EXPECT_EQ(loaded->SpecData_Bat_02_Forest.ExtraBats[1].MethodFlags, (CForestMethodFlags{0, 0, 0, 0}));
    EXPECT_EQ(loaded->SpecData_Bat_07_WetLand.Species[0].MethodCount(), kWetlandMethods);
}

TEST_F(BatStorageTest, AnUntouchedFormStoresTwelveZeroMethodRowsAndUnsetCounts) {
    ASSERT_TRUE(NewDocument(kAllBatPages)->SaveNewForm());
    EXPECT_EQ(Count("tBats_01_Forests_Methods", "MethodVal = 0"), 12);
    EXPECT_EQ(Count("tBats_01_Forests", "Bat1Count = -1 and Bat2Count = -1"), 1);
    auto loaded = Loaded(LastFormId(), kAllBatPages);
    EXPECT_EQ(loaded->SpecData_Bat_01_Forest, CSpecData_Bat_01_Forest());
    EXPECT_EQ(loaded->SpecData_Bat_04_Caves, CSpecData_Bat_04_Caves());
}

}  // namespace
