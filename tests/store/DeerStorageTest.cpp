// The deer pages and the notes page stored and read back: every field from its own column,
// empty pages as rows of empty texts, and one row per page however often a form is updated.
#include "StoreFixture.h"

#include "store/SqlText.h"

namespace {

const char* const kDeerTables[] = {"tDeer_01", "tDeer_02", "tDeer_03", "tDeer_04", "tMoss_06"};

class DeerStorageTest : public StoreTest {
protected:
    void SetUp() override {
        StoreTest::SetUp();
        // Form 25's and 26's species pages in one test form type.
        AddFormType(910, {6101, 6102, 6103, 6104, 7006});
    }

    void ExpectRowsPerTable(int formId, int rows) {
        for (const char* table : kDeerTables) EXPECT_EQ(Count(table, FormatSql("FormID = %d", formId)), rows) << table;
    }
};

TEST_F(DeerStorageTest, EveryFieldComesBackFromItsOwnColumnThroughUpdates) {
    auto typed = NewDocument(910);
    typed->SpecData_Deer_01 = {{"1", " 2 ", "3", "4", "10"}};  // blanks around a count are not stored
    typed->SpecData_Deer_02 = {{"11", "12", "13", "14", "50"}};
    typed->SpecData_Deer_03 = {"Дъбова гора до 'Мечи дол'\r\nс кал", "21", "22", "23", "24", "9", "25", "26"};
    typed->SpecData_Deer_04 = {"31", "32", "33", "34", "130", "41", "42", "43", "44", "45", "215", "Рев; после 'тишина'"};
    typed->SpecData_Moss_06.NoteText = "ред 1\r\nред 'две'\r\nред 3";
    ASSERT_TRUE(typed->SaveNewForm());
    const int formId = LastFormId();
    EXPECT_EQ(Text(FormatSql("select Young || CrownLeft || CrownRight || DeerMature from tDeer_01, tDeer_03, tDeer_04 "
                             "where tDeer_01.FormID = %d",
                             formId)),
              "2252644");

    auto loaded = Loaded(formId, 910);
    typed->SpecData_Deer_01.Young = "2";
    EXPECT_EQ(std::tuple(loaded->SpecData_Deer_01, loaded->SpecData_Deer_02, loaded->SpecData_Deer_03,
                         loaded->SpecData_Deer_04, loaded->SpecData_Moss_06),
              std::tuple(typed->SpecData_Deer_01, typed->SpecData_Deer_02, typed->SpecData_Deer_03,
                         typed->SpecData_Deer_04, typed->SpecData_Moss_06));

    loaded->SpecData_Moss_06.NoteText = "втори път";
    ASSERT_TRUE(loaded->UpdateForm());
    ASSERT_TRUE(loaded->UpdateForm());
    ExpectRowsPerTable(formId, 1);
    EXPECT_EQ(Loaded(formId, 910)->SpecData_Moss_06.NoteText, "втори път");
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(DeerStorageTest, EmptyPagesAreStoredAsRowsOfEmptyTexts) {
    ASSERT_TRUE(NewDocument(910)->SaveNewForm());
    const int formId = LastFormId();
    ExpectRowsPerTable(formId, 1);

    auto loaded = NewDocument(910);
    loaded->SpecData_Deer_03.Age = "stale";
    EXPECT_TRUE(loaded->LoadDeer03(db, formId));
    EXPECT_EQ(loaded->SpecData_Deer_03, CSpecData_Deer_03());
    Exec(FormatSql("update tDeer_01 set Total = NULL where FormID = %d; delete from tMoss_06", formId));
    loaded->SpecData_Deer_01.Total = "stale";
    EXPECT_TRUE(loaded->LoadDeer01(db, formId));
    EXPECT_EQ(loaded->SpecData_Deer_01.Total, "");  // NULL reads as empty
    // Without the page's row the record is left alone.
    loaded->SpecData_Moss_06.NoteText = "kept";
    EXPECT_EQ(loaded->LoadMoss06(db, formId), 0);
    EXPECT_EQ(loaded->SpecData_Moss_06.NoteText, "kept");
}

}  // namespace
