// The moss pages 08 to 13 stored and read back through a real database file: awkward texts,
// long lists in their order, empty ones, ids that name nothing.
#include "StoreFixture.h"

#include "store/SqlText.h"

namespace {

constexpr int kHabitatPages = 912;  // 7008 to 7013

class MossHabitatStorage : public StoreTest {
protected:
    void SetUp() override {
        StoreTest::SetUp();
        AddFormType(912, {7008, 7009, 7010, 7011, 7012, 7013});
    }

    CMossSpeciesRow Species(const char* table, int id) {
        const CString where = FormatSql(" from %s where ID = %d", table, id);
        return {Text("select Name_lat" + where), id, Text("select coalesce(Name_bg, '')" + where), id};
    }

    CString Name(const char* table, int id) { return Text(FormatSql("select Name from %s where ID = %d", table, id)); }

    std::unique_ptr<CTovan_splitDoc> FilledForm() {
        auto doc = NewDocument(kHabitatPages);
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
        return doc;
    }
};

void ExpectSameRecords(const CTovan_splitDoc& loaded, const CTovan_splitDoc& typed) {
    EXPECT_EQ(loaded.SpecData_Moss_08, typed.SpecData_Moss_08);
    EXPECT_EQ(loaded.SpecData_Moss_09, typed.SpecData_Moss_09);
    EXPECT_EQ(loaded.SpecData_Moss_10, typed.SpecData_Moss_10);
    EXPECT_EQ(loaded.SpecData_Moss_11, typed.SpecData_Moss_11);
    EXPECT_EQ(loaded.SpecData_Moss_12, typed.SpecData_Moss_12);
    EXPECT_EQ(loaded.SpecData_Moss_13, typed.SpecData_Moss_13);
}

}  // namespace

TEST_F(MossHabitatStorage, EveryRecordComesBackAsTypedWithItsListsInOrder) {
    ASSERT_TRUE(NewDocument(kHabitatPages)->SaveNewForm());  // a form before, with empty lists
    auto typed = FilledForm();
    ASSERT_TRUE(typed->SaveNewForm());
    const int formId = LastFormId();
    ASSERT_TRUE(FilledForm()->SaveNewForm());  // and one after

    auto loaded = Loaded(formId, kHabitatPages);
    ExpectSameRecords(*loaded, *typed);
    ASSERT_TRUE(loaded->UpdateForm());
    ExpectSameRecords(*Loaded(formId, kHabitatPages), *typed);

    // The empty form loads as new, the unchecked trees box stored as 0.
    ExpectSameRecords(*Loaded(formId - 1, kHabitatPages), *NewDocument(kHabitatPages));
    EXPECT_EQ(Count("tMoss_13", FormatSql("FormID = %d and TreesExist = 0", formId - 1)), 1);
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(MossHabitatStorage, StoredIdsAndRockPositionsLoadFromTheirOwnLists) {
    // Rock positions that differ from the tuft positions of page 04.
    Exec("delete from nMossRockSituation; insert into nMossRockSituation (ID, Name) values (1, 'Връх'), (2, 'Склон')");
    auto typed = NewDocument(kHabitatPages);
    typed->SpecData_Moss_08.Trees.Add({"", 99001, "", 99001});  // gone from the nomenclature
    typed->SpecData_Moss_08.Trees.Add(Species("_AllTreesMoss", 1));
    typed->SpecData_Moss_10.GrassBush.Add({"", 99002, "", 99002});
    typed->SpecData_Moss_13.GrassBush.Add({"", -1, "", -1});
    typed->SpecData_Moss_11.TurfSituations.Add({-1, "", 2, "Склон", -1, ""});
    ASSERT_TRUE(typed->SaveNewForm());

    auto loaded = Loaded(LastFormId(), kHabitatPages);
    ExpectSameRecords(*loaded, *typed);
    EXPECT_EQ(loaded->SpecData_Moss_11.HeightID, -1);
    EXPECT_EQ(loaded->SpecData_Moss_11.HeightIDName, "");
}
