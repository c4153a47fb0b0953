// The moss pages stored and read back through a real database file: awkward texts, lists of
// many rows in their order and empty ones, ids that name nothing.
#include "StoreFixture.h"

#include "store/SqlText.h"

namespace {

constexpr int kAllMossPages = 911;  // 7001 to 7019 and the page without a record
constexpr int kTree = 1;            // ids of the demo lists
constexpr int kGrass = 1;
constexpr int kCompanion = 1001;

class MossStorage : public StoreTest {
protected:
    void SetUp() override {
        StoreTest::SetUp();
        AddFormType(kAllMossPages, {7001, 7002, 7003, 7004, 7005, 7006, 7007, 7008, 7009, 7010, 7011, 7012, 7013, 7014,
                                    7015, 7016, 7017, 7018, 7019, 7020});
    }

    CMossSpeciesRow Species(const char* table, int id) {
        const CString where = FormatSql(" from %s where ID = %d", table, id);
        return {Text("select Name_lat" + where), id, Text("select coalesce(Name_bg, '')" + where), id};
    }

    CString Name(const char* table, int id) { return Text(FormatSql("select Name from %s where ID = %d", table, id)); }

    static CArray<int> IdList(std::initializer_list<int> ids) {
        CArray<int> list;
        for (const int id : ids) list.Add(id);
        return list;
    }

    std::unique_ptr<CTovan_splitDoc> FilledForm() {
        auto doc = NewDocument(kAllMossPages);
        FillFirstPages(doc.get());
        FillHabitatPages(doc.get());
        FillBogPages(doc.get());
        return doc;
    }

    // Pages 01 to 07.
    void FillFirstPages(CTovan_splitDoc* doc) {
        doc->SpecData_Moss_01 = {1, 0, 1, 0, 1, 0, 1, 1, "25", "", "0012", "", "9999", "", "1", "д'Артанян"};
        CSpecData_Moss_02& trees = doc->SpecData_Moss_02;
        trees.HommiesType = 2;
        trees.HommiesTypeName = Text("select Name from nMossHommies where ID = 2");
        CSpecData_Moss_03& grass = doc->SpecData_Moss_03;
        for (int i = 0; i < 12; ++i) {
            trees.Trees.Add(Species("_AllTreesMoss", kTree + i));
            grass.GrassBush.Add(Species("_AllGrassBushMoss", kGrass + 11 - i));
        }
        grass.ExposureID = 3;
        grass.ExposureIDName = "И";
        grass.BushesPercent = "100";
        grass.GrassPercent = "5";
        grass.Tilt = "";
        grass.RocksExists = 1;
        grass.RocksExistsName = "Не";
        doc->SpecData_Moss_04 = {3, Text("select Name from nMossTurfSituation where ID = 3"), -1, "", {}};
        for (int i = 12; i > 0; --i) doc->SpecData_Moss_04.Turfs.Add({FormatSql("%d.5", i), -1, ""});
        doc->SpecData_Moss_05.PercentCoverage = "80";
        doc->SpecData_Moss_05.Area = "12 'кв.м'";
        for (int id = kCompanion + 11; id >= kCompanion; --id)
            doc->SpecData_Moss_05.Attendants.Add({Text(FormatSql("select Name from _AllMosses where ID = %d", id)), id, ""});
        doc->SpecData_Moss_06.NoteText = "Бележка с 'апостроф'\r\nи втори ред";
        CSpecData_Moss_07& tufts = doc->SpecData_Moss_07;
        tufts.TurfIDs = IdList({2, 1});
        tufts.TurfNames.Add("В основата на дървета");
        tufts.TurfNames.Add("Върху скали");
        for (int i = 1; i <= 12; ++i) tufts.TurfProperties.Add({FormatSql("%d", i), i % 2 ? 1 : 2, i % 2 ? "да" : "не"});
    }

    // Pages 08 to 13.
    void FillHabitatPages(CTovan_splitDoc* doc) {
        CSpecData_Moss_08& trees = doc->SpecData_Moss_08;
        trees = {"100", "", "5'", {}};
        CSpecData_Moss_10& grass10 = doc->SpecData_Moss_10;
        grass10 = {"7", "д'Артанян", "", 1, {}};
        CSpecData_Moss_13& bog = doc->SpecData_Moss_13;
        bog = {1, "12345", "100", {}};
        CSpecData_Moss_09& stumps = doc->SpecData_Moss_09;
        stumps = {"1", "", "33", "12345678", {}};
        for (int i = 0; i < 12; ++i) {
            trees.Trees.Add(Species("_AllTreesMoss", 12 - i));
            grass10.GrassBush.Add(Species("_AllGrassBushMoss", 1 + i));
            bog.GrassBush.Add(Species("_AllGrassBushMoss", 12 - i));
            stumps.Stubs.Add({i % 4 - 1, FormatSql("%d", 10 + i), "1.5", i ? "" : "'"});
        }
        CSpecData_Moss_11& rocks = doc->SpecData_Moss_11;
        rocks = {Name("nMossYesNo", 1), 1, "", -1, Name("nMossRockHight", 2), 2, {}};
        for (int i = 12; i > 0; --i)
            rocks.TurfSituations.Add({i % 2 + 1, Name("nMossRockSunshine", i % 2 + 1), i % 2 + 1,
                                      Name("nMossRockSituation", i % 2 + 1), -1, ""});
        doc->SpecData_Moss_12 = {Name("nMossExposure", 3), 3, "Канал 'А'", "0.5", "", "7", "1", "Долина", "12",
                                 "3.25", "40"};
    }

    // Pages 14 to 19.
    void FillBogPages(CTovan_splitDoc* doc) {
        doc->SpecData_Moss_14.Turfs.Add({"1'5", 1, "да"});
        doc->SpecData_Moss_14.Turfs.Add({"", -1, ""});
        doc->SpecData_Moss_14.Turfs.Add({"12345", 2, "не"});
        CSpecData_Moss_15& soil = doc->SpecData_Moss_15;
        soil = {"Глинеста", 3, "не", 2, "", -1, "", -1, "100", "0", "45", "д'Ар", {}, {}};
        for (int i = 0; i < 12; ++i) {
            soil.GrassBush.Add(Species("_AllGrassBushMoss", 12 - i));
            soil.Arhegons.Add({FormatSql("%d.5", i), i % 2 ? 1 : 2, i % 2 ? "да" : "не"});
            doc->SpecData_Moss_16.GrassBush.Add(Species("_AllGrassBushMoss", i + 1));
            doc->SpecData_Moss_19.GrassBush.Add(Species("_AllGrassBushMoss", i % 3 + 1));  // duplicates are allowed here
        }
        CSpecData_Moss_16& rocks = doc->SpecData_Moss_16;
        rocks.RocksExistance = 1;
        rocks.RocksExistanceName = "да";
        rocks.WaterBasinExistance = 2;
        rocks.WaterBasinExistanceName = "не";
        CSpecData_Moss_17& hosts = doc->SpecData_Moss_17;
        hosts.Area = "0.25";
        for (int id : {3, 1, 2}) {
            const CString where = FormatSql(" from _AllTreesMoss where ID = %d", id);
            hosts.Trees.Add({id, Text("select Name_lat" + where), id, Text("select coalesce(Name_bg, '')" + where),
                             FormatSql("%d", id * 10), "'12'"});
        }
        hosts.Colonies.Add({2, 3, Text("select Name from nMossExposure where ID = 3"), "5", "1", "0", "7", "1.5"});
        hosts.Colonies.Add({0, -1, "", "", "", "", "", ""});
        CSpecData_Moss_18& bog = doc->SpecData_Moss_18;
        bog.WaterBasinExisance = 1;
        bog.WaterBasinExisanceName = "да";
        CString* texts[] = {&bog.Carbonates, &bog.Chanels, &bog.Chloride,   &bog.Electric, &bog.Nitrates, &bog.Nitrites,
                            &bog.Oxigen,     &bog.PH,      &bog.Phosphates, &bog.Potential, &bog.Releif,  &bog.Sulfates,
                            &bog.Tilt,       &bog.TorfArea, &bog.WaterHigh, &bog.WaterTemperature};
        int n = 0;
        for (CString* text : texts) *text = FormatSql("%d", ++n);
        bog.Nitrates = "-0.5";
        bog.Releif = "хълмист 'склон'";
        doc->SpecData_Moss_19 = {1, "7", "равен", "2.5", "100", "3", doc->SpecData_Moss_19.GrassBush};
    }
};

void ExpectSameRecords(const CTovan_splitDoc& loaded, const CTovan_splitDoc& typed) {
    EXPECT_EQ(loaded.SpecData_Moss_01, typed.SpecData_Moss_01);
    EXPECT_EQ(loaded.SpecData_Moss_02, typed.SpecData_Moss_02);
    EXPECT_EQ(loaded.SpecData_Moss_03, typed.SpecData_Moss_03);
    EXPECT_EQ(loaded.SpecData_Moss_04, typed.SpecData_Moss_04);
    EXPECT_EQ(loaded.SpecData_Moss_05, typed.SpecData_Moss_05);
    EXPECT_EQ(loaded.SpecData_Moss_06, typed.SpecData_Moss_06);
    EXPECT_EQ(loaded.SpecData_Moss_07, typed.SpecData_Moss_07);
    EXPECT_EQ(loaded.SpecData_Moss_08, typed.SpecData_Moss_08);
    EXPECT_EQ(loaded.SpecData_Moss_09, typed.SpecData_Moss_09);
    EXPECT_EQ(loaded.SpecData_Moss_10, typed.SpecData_Moss_10);
    EXPECT_EQ(loaded.SpecData_Moss_11, typed.SpecData_Moss_11);
    EXPECT_EQ(loaded.SpecData_Moss_12, typed.SpecData_Moss_12);
    EXPECT_EQ(loaded.SpecData_Moss_13, typed.SpecData_Moss_13);
    EXPECT_EQ(loaded.SpecData_Moss_14, typed.SpecData_Moss_14);
    EXPECT_EQ(loaded.SpecData_Moss_15, typed.SpecData_Moss_15);
    EXPECT_EQ(loaded.SpecData_Moss_16, typed.SpecData_Moss_16);
    EXPECT_EQ(loaded.SpecData_Moss_17, typed.SpecData_Moss_17);
    EXPECT_EQ(loaded.SpecData_Moss_18, typed.SpecData_Moss_18);
    EXPECT_EQ(loaded.SpecData_Moss_19, typed.SpecData_Moss_19);
}

}  // namespace

TEST_F(MossStorage, EveryRecordComesBackAsTypedWithItsListsInOrder) {
    auto typed = FilledForm();
    typed->SpecData_Moss_01.ArableLandDist = " 25 ";  // outer blanks are not stored
    ASSERT_TRUE(NewDocument(kAllMossPages)->SaveNewForm());  // a form before, with empty lists and no tuft
    ASSERT_TRUE(typed->SaveNewForm());
    const int formId = LastFormId();
    typed->SpecData_Moss_01.ArableLandDist = "25";
    ASSERT_TRUE(FilledForm()->SaveNewForm());  // and one after

    // Tufts have no parent row; trees keep their list position; the Cyrillic columns hold values;
    // the unchecked trees box is stored as 0.
    EXPECT_EQ(Count("tMoss_14", FormatSql("FormID = %d", formId)), 3);
    EXPECT_EQ(Count("tMoss_14", FormatSql("FormID = %d", formId - 1)), 0);
    EXPECT_EQ(Text(FormatSql("select group_concat(TreeNum || ':' || _AllTreesID) from tMoss_17_TreeHosts h join "
                             "tMoss_17 t on h.tMoss_17_ID = t.ID where FormID = %d",
                             formId)),
              "0:3,1:1,2:2");
    EXPECT_EQ(Text(FormatSql("select RocksЕxistance || WaterBasinЕxistance from tMoss_16 where FormID = %d", formId)),
              "12");
    EXPECT_EQ(Count("tMoss_13", FormatSql("FormID = %d and TreesExist = 0", formId - 1)), 1);

    auto loaded = Loaded(formId, kAllMossPages);
    ExpectSameRecords(*loaded, *typed);
    ASSERT_TRUE(loaded->UpdateForm());
    ExpectSameRecords(*Loaded(formId, kAllMossPages), *typed);

    // The empty form loads as new; a form of another family runs every moss loader and finds nothing.
    ExpectSameRecords(*Loaded(formId - 1, kAllMossPages), *NewDocument(kAllMossPages));
    ASSERT_TRUE(NewDocument()->SaveNewForm());
    ExpectSameRecords(*Loaded(LastFormId()), *NewDocument());
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(MossStorage, StoredIdsLoadEvenWhenTheListLostTheirNamesAndTreesByTheirPosition) {
    auto typed = NewDocument(kAllMossPages);
    typed->SpecData_Moss_02.Trees.Add({"", -1, "", -1});
    typed->SpecData_Moss_05.Attendants.Add({"Изтрит вид", 99001, ""});
    typed->SpecData_Moss_05.Attendants.Add({Text("select Name from _AllMosses where ID = 1001"), 1001, " 5 "});
    typed->SpecData_Moss_07.TurfIDs = IdList({77});
    typed->SpecData_Moss_07.TurfNames.Add("няма я");
    typed->SpecData_Moss_15.GrassBush.Add({"", 99001, "", 99001});
    typed->SpecData_Moss_16.GrassBush.Add({"", -1, "", -1});
    typed->SpecData_Moss_19.GrassBush.Add({"", 99002, "", 99002});
    for (int id : {1, 2, 3}) typed->SpecData_Moss_17.Trees.Add({id, "", id, "", "", ""});
    ASSERT_TRUE(typed->SaveNewForm());
    // Rows stored out of position order still come back by position.
    Exec("update tMoss_17_TreeHosts set TreeNum = 2 - TreeNum");

    auto loaded = Loaded(LastFormId(), kAllMossPages);
    const CSpecData_Moss_05& companions = loaded->SpecData_Moss_05;
    ASSERT_EQ(companions.Attendants.GetSize(), 2);
    EXPECT_EQ(companions.Attendants[0], (CMoss05Row{"", 99001, ""}));  // its id, without a name
    EXPECT_EQ(companions.Attendants[1].Name, "Anomodon viticulosus");
    EXPECT_EQ(loaded->SpecData_Moss_02.Trees[0], (CMossSpeciesRow{"", -1, "", -1}));
    EXPECT_EQ(loaded->SpecData_Moss_07.TurfIDs, IdList({77}));
    EXPECT_EQ(loaded->SpecData_Moss_07.TurfNames[0], "");
    EXPECT_EQ(loaded->SpecData_Moss_15.GrassBush[0], (CMossSpeciesRow{"", 99001, "", 99001}));
    EXPECT_EQ(loaded->SpecData_Moss_16.GrassBush[0], (CMossSpeciesRow{"", -1, "", -1}));
    EXPECT_EQ(loaded->SpecData_Moss_19.GrassBush[0].ID_lat, 99002);
    const CArray<CMoss17TreeRow>& trees = loaded->SpecData_Moss_17.Trees;
    ASSERT_EQ(trees.GetSize(), 3);
    EXPECT_EQ(trees[0]._AllTreesID, 3);
    EXPECT_EQ(trees[2]._AllTreesID, 1);
    // Unanswered questions stay unanswered.
    EXPECT_EQ(loaded->SpecData_Moss_03.RocksExists, -1);
    EXPECT_EQ(loaded->SpecData_Moss_03.RocksExistsName, "");
    EXPECT_EQ(loaded->SpecData_Moss_02.HommiesTypeName, "");
    EXPECT_EQ(loaded->SpecData_Moss_15.SoilIDName, "");
    EXPECT_EQ(loaded->SpecData_Moss_15.SoilID, -1);
}

TEST_F(MossStorage, ColoniesKeepTheirTreeWhenTheStoredTreeNumbersHaveAGap) {
    auto typed = NewDocument(kAllMossPages);
    for (int i = 0; i < 4; ++i) {
        typed->SpecData_Moss_17.Trees.Add({-1, "", -1, "", FormatSql("%d", i), ""});
        typed->SpecData_Moss_17.Colonies.Add({i, -1, "", "", "", "", "", ""});
    }
    ASSERT_TRUE(typed->SaveNewForm());
    Exec("delete from tMoss_17_TreeHosts where TreeNum = 1");  // another program removed a tree
    ASSERT_TRUE(Loaded(LastFormId(), kAllMossPages)->UpdateForm());
    const auto loaded = Loaded(LastFormId(), kAllMossPages);
    const CSpecData_Moss_17& hosts = loaded->SpecData_Moss_17;
    CString trees;  // each colony's tree by its diameter
    for (const CMoss17ColonyRow& colony : hosts.Colonies)
        trees += colony.TreeNum >= 0 && colony.TreeNum < hosts.Trees.GetSize() ? hosts.Trees[colony.TreeNum].Diameter
                                                                              : CString("-");
    EXPECT_EQ(trees, "0-23");
}

TEST_F(MossStorage, StoredIdsAndRockPositionsLoadFromTheirOwnLists) {
    // Rock positions that differ from the tuft positions of page 04.
    Exec("delete from nMossRockSituation; insert into nMossRockSituation (ID, Name) values (1, 'Връх'), (2, 'Склон')");
    auto typed = NewDocument(kAllMossPages);
    typed->SpecData_Moss_08.Trees.Add({"", 99001, "", 99001});  // gone from the nomenclature
    typed->SpecData_Moss_08.Trees.Add(Species("_AllTreesMoss", 1));
    typed->SpecData_Moss_10.GrassBush.Add({"", 99002, "", 99002});
    typed->SpecData_Moss_13.GrassBush.Add({"", -1, "", -1});
    typed->SpecData_Moss_11.TurfSituations.Add({-1, "", 2, "Склон", -1, ""});
    ASSERT_TRUE(typed->SaveNewForm());

    auto loaded = Loaded(LastFormId(), kAllMossPages);
    ExpectSameRecords(*loaded, *typed);
    EXPECT_EQ(loaded->SpecData_Moss_11.HeightID, -1);
    EXPECT_EQ(loaded->SpecData_Moss_11.HeightIDName, "");
}
