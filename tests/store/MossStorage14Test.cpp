// The moss pages 14 to 19 stored and read back through a real database file.
#include "StoreFixture.h"

#include "store/SqlText.h"

namespace {

constexpr int kBogPages = 912;  // 7014 to 7019

class MossStorage14 : public StoreTest {
protected:
    void SetUp() override {
        StoreTest::SetUp();
        AddFormType(912, {7014, 7015, 7016, 7017, 7018, 7019});
    }

    CMossSpeciesRow Grass(int id) {
        const CString where = FormatSql(" from _AllGrassBushMoss where ID = %d", id);
        return {Text("select Name_lat" + where), id, Text("select coalesce(Name_bg, '')" + where), id};
    }

    std::unique_ptr<CTovan_splitDoc> FilledForm() {
        auto doc = NewDocument(kBogPages);
        doc->SpecData_Moss_14.Turfs.Add({"1'5", 1, "да"});
        doc->SpecData_Moss_14.Turfs.Add({"", -1, ""});
        doc->SpecData_Moss_14.Turfs.Add({"12345", 2, "не"});
        CSpecData_Moss_15& soil = doc->SpecData_Moss_15;
        soil = {"Глинеста", 3, "не", 2, "", -1, "", -1, "100", "0", "45", "д'Ар", {}, {}};
        for (int i = 0; i < 12; ++i) {
            soil.GrassBush.Add(Grass(12 - i));
            soil.Arhegons.Add({FormatSql("%d.5", i), i % 2 ? 1 : 2, i % 2 ? "да" : "не"});
            doc->SpecData_Moss_16.GrassBush.Add(Grass(i + 1));
            doc->SpecData_Moss_19.GrassBush.Add(Grass(i % 3 + 1));  // duplicates are allowed here
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
        return doc;
    }
};

void ExpectSameRecords(const CTovan_splitDoc& loaded, const CTovan_splitDoc& typed) {
    EXPECT_EQ(loaded.SpecData_Moss_14, typed.SpecData_Moss_14);
    EXPECT_EQ(loaded.SpecData_Moss_15, typed.SpecData_Moss_15);
    EXPECT_EQ(loaded.SpecData_Moss_16, typed.SpecData_Moss_16);
    EXPECT_EQ(loaded.SpecData_Moss_17, typed.SpecData_Moss_17);
    EXPECT_EQ(loaded.SpecData_Moss_18, typed.SpecData_Moss_18);
    EXPECT_EQ(loaded.SpecData_Moss_19, typed.SpecData_Moss_19);
}

}  // namespace

TEST_F(MossStorage14, EveryRecordComesBackAsTypedAndFormsNeverMix) {
    ASSERT_TRUE(NewDocument(kBogPages)->SaveNewForm());  // empty lists, no tuft
    auto typed = FilledForm();
    ASSERT_TRUE(typed->SaveNewForm());
    const int formId = LastFormId();
    ASSERT_TRUE(FilledForm()->SaveNewForm());

    // Tufts have no parent row; trees keep their list position; the Cyrillic columns hold values.
    EXPECT_EQ(Count("tMoss_14", FormatSql("FormID = %d", formId)), 3);
    EXPECT_EQ(Count("tMoss_14", FormatSql("FormID = %d", formId - 1)), 0);
    EXPECT_EQ(Text(FormatSql("select group_concat(TreeNum || ':' || _AllTreesID) from tMoss_17_TreeHosts h join "
                             "tMoss_17 t on h.tMoss_17_ID = t.ID where FormID = %d",
                             formId)),
              "0:3,1:1,2:2");
    EXPECT_EQ(Text(FormatSql("select RocksЕxistance || WaterBasinЕxistance from tMoss_16 where FormID = %d", formId)),
              "12");

    auto loaded = Loaded(formId, kBogPages);
    ExpectSameRecords(*loaded, *typed);
    ASSERT_TRUE(loaded->UpdateForm());
    ExpectSameRecords(*Loaded(formId, kBogPages), *typed);
    ExpectSameRecords(*Loaded(formId - 1, kBogPages), *NewDocument(kBogPages));
    // A form of another family runs every moss loader and finds nothing.
    ASSERT_TRUE(NewDocument()->SaveNewForm());
    ExpectSameRecords(*Loaded(LastFormId()), *NewDocument());
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(MossStorage14, StoredSpeciesIdsSurviveALostNameAndTreesReturnInTheirStoredOrder) {
    auto typed = NewDocument(kBogPages);
    typed->SpecData_Moss_15.GrassBush.Add({"", 99001, "", 99001});
    typed->SpecData_Moss_16.GrassBush.Add({"", -1, "", -1});
    typed->SpecData_Moss_19.GrassBush.Add({"", 99002, "", 99002});
    for (int id : {1, 2, 3}) typed->SpecData_Moss_17.Trees.Add({id, "", id, "", "", ""});
    ASSERT_TRUE(typed->SaveNewForm());
    const int formId = LastFormId();
    // Rows stored out of position order still come back by position.
    Exec("update tMoss_17_TreeHosts set TreeNum = 2 - TreeNum");

    auto loaded = Loaded(formId, kBogPages);
    EXPECT_EQ(loaded->SpecData_Moss_15.GrassBush[0], (CMossSpeciesRow{"", 99001, "", 99001}));
    EXPECT_EQ(loaded->SpecData_Moss_16.GrassBush[0], (CMossSpeciesRow{"", -1, "", -1}));
    EXPECT_EQ(loaded->SpecData_Moss_19.GrassBush[0].ID_lat, 99002);
    const CArray<CMoss17TreeRow>& trees = loaded->SpecData_Moss_17.Trees;
    ASSERT_EQ(trees.GetSize(), 3);
    EXPECT_EQ(trees[0]._AllTreesID, 3);
    EXPECT_EQ(trees[2]._AllTreesID, 1);
    EXPECT_EQ(loaded->SpecData_Moss_15.SoilIDName, "");
    EXPECT_EQ(loaded->SpecData_Moss_15.SoilID, -1);
}
