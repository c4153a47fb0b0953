// The deer pages and the notes page stored and read back: every field from its own column,
// empty pages as rows of empty texts, and one row per page however often a form is updated.
#include "StoreFixture.h"

#include "store/SqlText.h"

namespace {

// Form 25's and 26's species pages in one test form type.
constexpr int kDeerPages = 910;

const char* const kDeerTables[] = {"tDeer_01", "tDeer_02", "tDeer_03", "tDeer_04", "tMoss_06"};

class DeerStorageTest : public StoreTest {
protected:
    void SetUp() override {
        StoreTest::SetUp();
        Exec("insert into FormNames (ID, Name) values (910, 'Елен');"
             "insert into FormBuilder (FormTypeId, FormViewID, SequenceNum, Caption, ItemDataName, ItemDataValue) values"
             " (910, 9001, 1, '', '', 6101), (910, 9001, 2, '', '', 6102), (910, 9001, 3, '', '', 6103),"
             " (910, 9001, 4, '', '', 6104), (910, 9001, 5, '', '', 7006);");
    }

    int RowsOfForm(const char* table, int formId) { return Count(table, FormatSql("FormID = %d", formId)); }
};

// A distinct text per field, so that a swapped column shows.
void FillDeerPages(CTovan_splitDoc& doc) {
    CDeerAgeClasses& stags = doc.SpecData_Deer_01;
    stags = {"1", "2", "3", "4", "10"};
    CDeerAgeClasses& hinds = doc.SpecData_Deer_02;
    hinds = {"11", "12", "13", "14", "50"};
    doc.SpecData_Deer_03 = {"Дъбова гора до поляна 'Мечи дол'\nс кал", "21", "22", "23", "24", "9", "25", "26"};
    doc.SpecData_Deer_04 = {"31", "32", "33", "34", "130", "41", "42", "43", "44", "45", "215",
                            "Ревът спря в 5; после 'тишина'"};
    doc.SpecData_Moss_06.NoteText = "ред 1\nред 'две'\r\nред 3";
}

TEST_F(DeerStorageTest, EveryFieldComesBackFromItsOwnColumn) {
    auto typed = NewDocument(kDeerPages);
    FillDeerPages(*typed);
    typed->SpecData_Deer_01.Young = " 2 ";  // blanks around a count are not stored
    ASSERT_TRUE(typed->SaveNewForm());
    const int formId = LastFormId();

    EXPECT_EQ(Text(FormatSql("select Young from tDeer_01 where FormID = %d", formId)), "2");
    EXPECT_EQ(Text(FormatSql("select CrownLeft || '/' || CrownRight from tDeer_03 where FormID = %d", formId)), "25/26");
    EXPECT_EQ(Text(FormatSql("select DeerMature from tDeer_04 where FormID = %d", formId)), "44");

    auto loaded = Loaded(formId, kDeerPages);
    typed->SpecData_Deer_01.Young = "2";
    EXPECT_EQ(loaded->SpecData_Deer_01, typed->SpecData_Deer_01);
    EXPECT_EQ(loaded->SpecData_Deer_02, typed->SpecData_Deer_02);
    EXPECT_EQ(loaded->SpecData_Deer_03, typed->SpecData_Deer_03);
    EXPECT_EQ(loaded->SpecData_Deer_04, typed->SpecData_Deer_04);
    EXPECT_EQ(loaded->SpecData_Moss_06, typed->SpecData_Moss_06);
    EXPECT_TRUE(messages.empty());
}

TEST_F(DeerStorageTest, EmptyPagesAreStoredAsRowsOfEmptyTexts) {
    auto typed = NewDocument(kDeerPages);
    ASSERT_TRUE(typed->SaveNewForm());
    const int formId = LastFormId();
    for (const char* table : kDeerTables) EXPECT_EQ(RowsOfForm(table, formId), 1) << table;
    EXPECT_EQ(Count("tDeer_04", "Notes = '' and DeerMature = ''"), 1);

    auto loaded = NewDocument(kDeerPages);
    loaded->SpecData_Deer_03.Age = "stale";
    EXPECT_TRUE(loaded->LoadDeer03(db, formId));
    EXPECT_EQ(loaded->SpecData_Deer_03, CSpecData_Deer_03());
    EXPECT_EQ(loaded->LoadMoss06(db, formId), 1);
    // A form without the page's row leaves the record alone.
    Exec(FormatSql("update tDeer_01 set Total = NULL where FormID = %d; delete from tMoss_06", formId));
    loaded->SpecData_Moss_06.NoteText = "kept";
    EXPECT_EQ(loaded->LoadMoss06(db, formId), 0);
    EXPECT_EQ(loaded->SpecData_Moss_06.NoteText, "kept");
    EXPECT_FALSE(loaded->LoadDeer02(db, formId + 1));
    loaded->SpecData_Deer_01.Total = "stale";
    EXPECT_TRUE(loaded->LoadDeer01(db, formId));
    EXPECT_EQ(loaded->SpecData_Deer_01.Total, "");  // NULL reads as empty
}

TEST_F(DeerStorageTest, UpdatesKeepOneRowPerPageAndADeleteLeavesNone) {
    auto typed = NewDocument(kDeerPages);
    FillDeerPages(*typed);
    ASSERT_TRUE(typed->SaveNewForm());
    const int formId = LastFormId();
    auto loaded = Loaded(formId, kDeerPages);
    loaded->SpecData_Deer_04.Notes = "втори път";
    ASSERT_TRUE(loaded->UpdateForm());
    loaded->SpecData_Moss_06.NoteText = "трети път";
    ASSERT_TRUE(loaded->UpdateForm());
    for (const char* table : kDeerTables) EXPECT_EQ(RowsOfForm(table, formId), 1) << table;
    auto again = Loaded(formId, kDeerPages);
    EXPECT_EQ(again->SpecData_Deer_04.Notes, "втори път");
    EXPECT_EQ(again->SpecData_Moss_06.NoteText, "трети път");
    EXPECT_EQ(again->SpecData_Deer_02, typed->SpecData_Deer_02);

    ASSERT_TRUE(again->DeleteForm(formId));
    for (const char* table : kDeerTables) EXPECT_EQ(RowsOfForm(table, formId), 0) << table;
}

}  // namespace
