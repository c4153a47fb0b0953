// The fish pages stored and read back: awkward texts, long and empty lists of fish in their
// order, the unknown sex and net kind, the species choice that is never stored, and updates
// and a delete that leave no stray rows.
#include "StoreFixture.h"

#include "store/SqlText.h"

namespace {

constexpr int kAllFishPages = 910;  // the monitored species, the device, the net, the fish

class FishStoreTest : public StoreTest {
protected:
    void SetUp() override {
        StoreTest::SetUp();
        Exec("insert into FormNames (ID, Name) values (910, 'Всички риби');"
             "insert into FormBuilder (FormTypeId, FormViewID, SequenceNum, Caption, ItemDataName, ItemDataValue) values"
             " (910, 9001, 1, 'Риби - 0', '', 6901), (910, 9001, 2, 'Риби - 1', '', 6902),"
             " (910, 9001, 3, 'Риби - 2', '', 6903), (910, 9001, 4, 'Риби - 3', '', 6904);");
    }

    int FishRows(const char* table, int formId) { return Count(table, FormatSql("FormID = %d", formId)); }
};

CFish03Row Fish(int number, int sex) {
    CFish03Row fish;
    fish.Sex = sex;
    fish.SexLetter = FishSexLetter(sex);
    fish.MaturityLevel.Format("%d", number % 6 + 1);
    fish.StandardLen.Format("%d", 100 + number);
    fish.AbsLen.Format("%d", 1000 + number);
    fish.Weight.Format("%d", 999000 + number);
    fish.Notes.Format("риба № %d, 'белязана'\nвтори ред", number);
    return fish;
}

TEST_F(FishStoreTest, EveryFishRecordComesBackAsTypedWithItsFishInOrder) {
    auto doc = NewDocument(kAllFishPages);
    doc->SpecData_Fish_00.MonitoredSpeciesID = kSpecies;
    doc->SpecData_Fish_01 = {"  Агрегат 'ELT 60' – 300 V\nимпулсен  ", "", "1200"};
    doc->SpecData_Fish_02 = {"100", " О'Нийл ", "", 1};
    const int sexes[] = {0, 1, -1};
    for (int number = 0; number < 40; ++number) doc->SpecData_Fish_03.Species.Add(Fish(number, sexes[number % 3]));
    ASSERT_TRUE(doc->SaveNewForm());
    const int formId = LastFormId();

    auto loaded = Loaded(formId, kAllFishPages);
    // No table keeps the monitored species: a stored form opens without one.
    EXPECT_EQ(loaded->SpecData_Fish_00.MonitoredSpeciesID, -1);
    // Blanks at both ends go, the rest stays as typed.
    EXPECT_EQ(loaded->SpecData_Fish_01, (CSpecData_Fish_01{"Агрегат 'ELT 60' – 300 V\nимпулсен", "", "1200"}));
    EXPECT_EQ(loaded->SpecData_Fish_02, (CSpecData_Fish_02{"100", "О'Нийл", "", 1}));
    EXPECT_EQ(loaded->SpecData_Fish_03, doc->SpecData_Fish_03);
    const CArray<CFish03Row>& fishes = loaded->SpecData_Fish_03.Species;
    ASSERT_EQ(fishes.GetSize(), 40);
    EXPECT_EQ(fishes[0].SexLetter + fishes[1].SexLetter + fishes[2].SexLetter + "|", CString("МЖ|"));
    EXPECT_EQ(fishes[2].Sex, -1);
    EXPECT_TRUE(messages.empty());

    // No fish, no net kind: no fish row, and the empty list and the -1 come back.
    auto empty = NewDocument(kAllFishPages);
    ASSERT_TRUE(empty->SaveNewForm());
    EXPECT_EQ(FishRows("tFishes_03", LastFormId()), 0);
    auto reloaded = Loaded(LastFormId(), kAllFishPages);
    EXPECT_TRUE(reloaded->SpecData_Fish_03.Species.IsEmpty());
    EXPECT_EQ(reloaded->SpecData_Fish_02.NetType, -1);
}

TEST_F(FishStoreTest, AMissingSexOrNetKindWrittenElsewhereLoadsAsUnknown) {
    auto doc = NewDocument(kAllFishPages);
    ASSERT_TRUE(doc->SaveNewForm());
    const int formId = LastFormId();
    Exec(FormatSql("update tFishes_02 set NetType = NULL where FormID = %d;"
                   "insert into tFishes_03 (FormID, MaturityLevel, Sex) values (%d, '2', NULL), (%d, NULL, 0);",
                   formId, formId, formId));
    auto loaded = Loaded(formId, kAllFishPages);
    EXPECT_EQ(loaded->SpecData_Fish_02.NetType, -1);
    const CArray<CFish03Row>& fishes = loaded->SpecData_Fish_03.Species;
    ASSERT_EQ(fishes.GetSize(), 2);
    EXPECT_EQ(std::tuple(fishes[0].Sex, fishes[0].SexLetter, fishes[0].MaturityLevel), std::tuple(-1, CString(), CString("2")));
    EXPECT_EQ(std::tuple(fishes[1].Sex, fishes[1].SexLetter, fishes[1].MaturityLevel), std::tuple(0, CString("М"), CString()));
}

TEST_F(FishStoreTest, UpdatesRewriteTheFishRowsAndADeleteRemovesThem) {
    auto doc = NewDocument(kAllFishPages);
    doc->SpecData_Fish_03.Species.Add(Fish(1, 0));
    doc->SpecData_Fish_03.Species.Add(Fish(2, 1));
    ASSERT_TRUE(doc->SaveNewForm());
    const int formId = LastFormId();
    auto other = NewDocument(kAllFishPages);
    other->SpecData_Fish_03.Species.Add(Fish(3, 1));
    ASSERT_TRUE(other->SaveNewForm());

    auto edited = Loaded(formId, kAllFishPages);
    edited->SpecData_Fish_01.FishingTime = "90";
    edited->SpecData_Fish_03.Species.RemoveAt(0);
    for (int update = 0; update < 2; ++update) {
        ASSERT_TRUE(edited->UpdateForm());
        EXPECT_EQ(std::tuple(FishRows("tFishes_01", formId), FishRows("tFishes_02", formId), FishRows("tFishes_03", formId)),
                  std::tuple(1, 1, 1));
    }
    EXPECT_EQ(Text(FormatSql("select FishingTime || '|' || Weight from tFishes_01 join tFishes_03 using (FormID) "
                             "where FormID = %d",
                             formId)),
              "90|999002");

    ASSERT_TRUE(edited->DeleteForm(formId));
    EXPECT_EQ(FishRows("tFishes_01", formId) + FishRows("tFishes_02", formId) + FishRows("tFishes_03", formId), 0);
    EXPECT_EQ(Count("tFishes_03"), 1);  // the other form's fish
    EXPECT_TRUE(messages.empty());
}

}  // namespace
