// The moss pages 01 to 07 stored and read back through a real database file: awkward texts,
// lists of many rows in their order and empty ones, ids that name nothing.
#include "StoreFixture.h"

#include "store/SqlText.h"

namespace {

constexpr int kAllMossPages = 911;  // 7001 to 7007 and the page without a record
constexpr int kTree = 1;            // ids of the demo lists
constexpr int kGrass = 1;
constexpr int kCompanion = 1001;

class MossStorage : public StoreTest {
protected:
    void SetUp() override {
        StoreTest::SetUp();
        AddFormType(911, {7001, 7002, 7003, 7004, 7005, 7006, 7007, 7020});
    }

    std::unique_ptr<CTovan_splitDoc> FilledForm() {
        auto doc = NewDocument(kAllMossPages);
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
        return doc;
    }

    CMossSpeciesRow Species(const char* table, int id) {
        const CString where = FormatSql(" from %s where ID = %d", table, id);
        return {Text("select Name_lat" + where), id, Text("select coalesce(Name_bg, '')" + where), id};
    }

    static CArray<int> IdList(std::initializer_list<int> ids) {
        CArray<int> list;
        for (const int id : ids) list.Add(id);
        return list;
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
}

}  // namespace

TEST_F(MossStorage, EveryRecordComesBackAsTypedWithItsListsInOrder) {
    auto typed = FilledForm();
    typed->SpecData_Moss_01.ArableLandDist = " 25 ";  // outer blanks are not stored
    ASSERT_TRUE(NewDocument(kAllMossPages)->SaveNewForm());  // a form before, with empty lists
    ASSERT_TRUE(typed->SaveNewForm());
    const int formId = LastFormId();
    typed->SpecData_Moss_01.ArableLandDist = "25";
    ASSERT_TRUE(FilledForm()->SaveNewForm());  // and one after

    auto loaded = Loaded(formId, kAllMossPages);
    ExpectSameRecords(*loaded, *typed);
    ASSERT_TRUE(loaded->UpdateForm());
    ExpectSameRecords(*Loaded(formId, kAllMossPages), *typed);

    // The empty form loads as new: every list empty, no tuft locations.
    auto empty = Loaded(formId - 1, kAllMossPages);
    ExpectSameRecords(*empty, *NewDocument(kAllMossPages));
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(MossStorage, StoredIdsLoadEvenWhenTheListLostTheirNames) {
    auto typed = NewDocument(kAllMossPages);
    typed->SpecData_Moss_02.Trees.Add({"", -1, "", -1});
    typed->SpecData_Moss_05.Attendants.Add({"Изтрит вид", 99001, ""});
    typed->SpecData_Moss_05.Attendants.Add({Text("select Name from _AllMosses where ID = 1001"), 1001, " 5 "});
    typed->SpecData_Moss_07.TurfIDs = IdList({77});
    typed->SpecData_Moss_07.TurfNames.Add("няма я");
    ASSERT_TRUE(typed->SaveNewForm());
    const int formId = LastFormId();

    auto loaded = Loaded(formId, kAllMossPages);
    const CSpecData_Moss_05& companions = loaded->SpecData_Moss_05;
    ASSERT_EQ(companions.Attendants.GetSize(), 2);
    EXPECT_EQ(companions.Attendants[0], (CMoss05Row{"", 99001, ""}));  // its id, without a name
    EXPECT_EQ(companions.Attendants[1].Name, "Anomodon viticulosus");
    EXPECT_EQ(loaded->SpecData_Moss_02.Trees[0], (CMossSpeciesRow{"", -1, "", -1}));
    EXPECT_EQ(loaded->SpecData_Moss_07.TurfIDs, IdList({77}));
    EXPECT_EQ(loaded->SpecData_Moss_07.TurfNames[0], "");
    // An unanswered rocks question stays unanswered.
    EXPECT_EQ(loaded->SpecData_Moss_03.RocksExists, -1);
    EXPECT_EQ(loaded->SpecData_Moss_03.RocksExistsName, "");
    EXPECT_EQ(loaded->SpecData_Moss_02.HommiesTypeName, "");
}
