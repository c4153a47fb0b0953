// The fish pages stored and read back: awkward texts, many fish and none, the unknown sex and
// net kind, and the species choice that is never stored.
#include "StoreFixture.h"

#include "store/SqlText.h"

namespace {

constexpr int kAllFishPages = 910;  // the monitored species, the device, the net, the fish

class FishStoreTest : public StoreTest {
protected:
    void SetUp() override {
        StoreTest::SetUp();
        AddFormType(910, {6901, 6902, 6903, 6904});
    }
};

CFish03Row Fish(int number, int sex) {
    CFish03Row fish;
    fish.Sex = sex;
    fish.SexLetter = FishSexLetter(sex);
    fish.MaturityLevel.Format("%d", number % 6 + 1);
    fish.StandardLen.Format("%d", 100 + number);
    fish.Weight.Format("%d", 999000 + number);
    fish.Notes.Format("риба № %d, 'белязана'\nвтори ред", number);
    return fish;
}

TEST_F(FishStoreTest, EveryFishRecordComesBackAsTypedWithItsFishInOrder) {
    auto doc = NewDocument(kAllFishPages);
    doc->SpecData_Fish_00.MonitoredSpeciesID = kSpecies;
    doc->SpecData_Fish_01 = {"  Агрегат 'ELT 60'\nимпулсен  ", "", "1200"};
    doc->SpecData_Fish_02 = {"100", " О'Нийл ", "", 1};
    for (int number = 0; number < 40; ++number) doc->SpecData_Fish_03.Species.Add(Fish(number, number % 3 - 1));
    ASSERT_TRUE(doc->SaveNewForm());

    auto loaded = Loaded(LastFormId(), kAllFishPages);
    EXPECT_EQ(loaded->SpecData_Fish_00.MonitoredSpeciesID, -1);  // no table keeps it
    EXPECT_EQ(loaded->SpecData_Fish_01, (CSpecData_Fish_01{"Агрегат 'ELT 60'\nимпулсен", "", "1200"}));
    EXPECT_EQ(loaded->SpecData_Fish_02, (CSpecData_Fish_02{"100", "О'Нийл", "", 1}));
    EXPECT_EQ(loaded->SpecData_Fish_03, doc->SpecData_Fish_03);
    const CArray<CFish03Row>& fishes = loaded->SpecData_Fish_03.Species;
    EXPECT_EQ(fishes[0].SexLetter + "|" + fishes[1].SexLetter + "|" + fishes[2].SexLetter, "|М|Ж");

    // A sex or net kind that another program left empty is unknown; no fish, no fish rows.
    auto empty = NewDocument(kAllFishPages);
    ASSERT_TRUE(empty->SaveNewForm());
    const int formId = LastFormId();
    EXPECT_EQ(Count("tFishes_03", FormatSql("FormID = %d", formId)), 0);
    Exec(FormatSql("update tFishes_02 set NetType = NULL; insert into tFishes_03 (FormID, Sex) values (%d, NULL);", formId));
    auto reloaded = Loaded(formId, kAllFishPages);
    EXPECT_EQ(reloaded->SpecData_Fish_02.NetType, -1);
    ASSERT_EQ(reloaded->SpecData_Fish_03.Species.GetSize(), 1);
    EXPECT_EQ(reloaded->SpecData_Fish_03.Species[0], CFish03Row());
    EXPECT_TRUE(boxes.Texts().empty());
}

}  // namespace
