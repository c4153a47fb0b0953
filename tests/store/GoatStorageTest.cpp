// The chamois pages stored and read back: the tracks in the order typed, each section's own
// habitat type, and NULLs another program left.
#include "StoreFixture.h"

#include "store/SqlText.h"

namespace {

class GoatStorageTest : public StoreTest {
protected:
    void SetUp() override {
        StoreTest::SetUp();
        // Form 29's steps in one test form type.
        AddFormType(911, {6301, 6302, 6303, 6304, 6305});
    }
};

TEST_F(GoatStorageTest, EveryPageComesBackWithItsTracksInOrderThroughAnUpdate) {
    auto typed = NewDocument(911);
    typed->SpecData_Goat_01 = {"1", "2", "3", "4", "5", " 6 ", "21", "стадо над 'Мальовица'\r\nвечер"};
    for (int i = 7; i >= 1; --i) typed->SpecData_Goat_02.Trails.Add({i == 4 ? " 6'5 " : "6", i == 2 ? "" : "4"});
    typed->SpecData_Goat_02.AreaType = 1;
    typed->SpecData_Goat_03 = {0, "12'"};
    typed->SpecData_Goat_04 = {"7", -1};
    typed->SpecData_Goat_05 = {1, 0, 1, 0, 1};
    ASSERT_TRUE(typed->SaveNewForm());
    const int formId = LastFormId();
    // The droppings' count before their habitat type is only the record's order.
    EXPECT_EQ(Text(FormatSql("select CountShits || '/' || AreaType from tGoat_04_Shits where FormID = %d", formId)),
              "7/-1");

    auto loaded = Loaded(formId, 911);
    typed->SpecData_Goat_01.OldBaby = "6";  // blanks around a value are not stored
    typed->SpecData_Goat_02.Trails[3].Length = "6'5";
    EXPECT_EQ(std::tuple(loaded->SpecData_Goat_01, loaded->SpecData_Goat_02, loaded->SpecData_Goat_03,
                         loaded->SpecData_Goat_04, loaded->SpecData_Goat_05),
              std::tuple(typed->SpecData_Goat_01, typed->SpecData_Goat_02, typed->SpecData_Goat_03,
                         typed->SpecData_Goat_04, typed->SpecData_Goat_05));

    loaded->SpecData_Goat_02.Trails.RemoveAt(0);
    ASSERT_TRUE(loaded->UpdateForm());
    EXPECT_EQ(Loaded(formId, 911)->SpecData_Goat_02, loaded->SpecData_Goat_02);
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(GoatStorageTest, APageWithoutTracksKeepsItsRowAndNullsReadAsNothingChosen) {
    auto typed = NewDocument(911);
    typed->SpecData_Goat_02.AreaType = 0;
    ASSERT_TRUE(typed->SaveNewForm());
    EXPECT_EQ(Loaded(LastFormId(), 911)->SpecData_Goat_02, typed->SpecData_Goat_02);
    EXPECT_EQ(Count("tGoat_02"), 1);
    EXPECT_EQ(Count("tGoat_02_Trails"), 0);

    // Rows another program left with NULLs: no habitat type, nothing ticked.
    const int formId = LastFormId();
    Exec(FormatSql("update tGoat_05_OtherSigns set AreaType = NULL, CheckFur = NULL, CheckGrass = 1, CheckRemains = 1, "
                   "CheckSigns = NULL where FormID = %d",
                   formId));
    auto loaded = NewDocument(911);
    loaded->SpecData_Goat_05 = {1, 1, 1, 1, 1};
    EXPECT_TRUE(loaded->LoadGoat05(db, formId));
    EXPECT_EQ(loaded->SpecData_Goat_05, (CSpecData_Goat_05{-1, 0, 1, 1, 0}));
    // Without the page's row the record is left alone.
    Exec(FormatSql("delete from tGoat_02 where FormID = %d", formId));
    loaded->SpecData_Goat_02.AreaType = 0;
    EXPECT_FALSE(loaded->LoadGoat02(db, formId));
    EXPECT_EQ(loaded->SpecData_Goat_02.AreaType, 0);
}

}  // namespace
