// The amphibian, reptile and tortoise pages stored, loaded, stored again and deleted through
// a real database file: texts as typed (but for their outer blanks), lists in their order,
// and rows whose species is not, or no longer, in its list.
#include "StoreFixture.h"

#include "store/SqlText.h"

namespace {

constexpr int kAmphibianForm = 13, kReptileForm = 14, kTortoiseForm = 15;
constexpr int kBombina = 335, kTestudoGraeca = 350;
constexpr int kGone = 987654;  // in no species list

const char* const kFiveTables[] = {"tAmphibia_01", "tAmphibia_02", "tReptiles_01", "tReptiles_02", "tTortoise_01",
                                   "tTortoise_02"};

CSpeciesNameRow Companion(CSQLite3DB& db, const char* table, int id) {
    CSQLite3Query query = db.execQuery(FormatSql("select Name_lat from %s where ID = %d", table, id));
    return {query.eof() ? CString() : query.getStringField(0), id};
}

class HerpStorageTest : public StoreTest {
protected:
    int FamilyRows(int formId) {
        int rows = 0;
        for (const char* table : kFiveTables) rows += Count(table, FormatSql("FormID = %d", formId));
        rows += Count("tAmphibia_01_HommieSpecies",
                      FormatSql("tAmphibia_01_ID in (select ID from tAmphibia_01 where FormID = %d)", formId));
        rows += Count("tReptiles_01_HommieSpecies",
                      FormatSql("tReptiles_01_ID in (select ID from tReptiles_01 where FormID = %d)", formId));
        rows += Count("tTortoise_01_animals",
                      FormatSql("tTortoise_01_ID in (select ID from tTortoise_01 where FormID = %d)", formId));
        return rows;
    }
    int Orphans() {
        return Count("tAmphibia_01_HommieSpecies", "tAmphibia_01_ID not in (select ID from tAmphibia_01)") +
               Count("tReptiles_01_HommieSpecies", "tReptiles_01_ID not in (select ID from tReptiles_01)") +
               Count("tTortoise_01_animals", "tTortoise_01_ID not in (select ID from tTortoise_01)");
    }
};
class AmphibiaStorage : public HerpStorageTest {};
class TortoiseStorage : public HerpStorageTest {};
class ReptileStorage : public HerpStorageTest {};

TEST_F(AmphibiaStorage, AmphibiaAndReptilePagesComeBackAsTypedWithEveryCompanion) {
    auto typed = NewDocument(kAmphibianForm, kBombina);
    CSpecData_Amphibia_01& amphibia = typed->SpecData_Amphibia_01;
    amphibia.AdultCount = "007";
    amphibia.AreaDescription = "  Блато 'Сребърна'\nс тръстика  ";
    amphibia.BabiesCount = "2";
    amphibia.EggsCount = "120";
    amphibia.TotalCount = "9";
    amphibia.YoungCount = "0";
    amphibia.SingClassification = "4";
    const CSpeciesNameRow gone{"", kGone};
    amphibia.HommieSpecies.Add(Companion(db, "_AllAmphibia", 340));
    amphibia.HommieSpecies.Add(gone);
    amphibia.HommieSpecies.Add(Companion(db, "_AllAmphibia", kBombina));
    typed->SpecData_Amphibia_02.HabitatChanges = "О'Нийл; 100%";
    ASSERT_FALSE(amphibia.HommieSpecies[0].SpeciesIDName.IsEmpty());
    ASSERT_TRUE(typed->SaveNewForm());
    const int amphibianForm = LastFormId();

    auto reptile = NewDocument(kReptileForm, kTestudoGraeca);
    reptile->SpecData_Reptile_01.NestsCount = "3";
    reptile->SpecData_Reptile_01.HommieSpecies.Add(gone);
    reptile->SpecData_Reptile_01.HommieSpecies.Add(Companion(db, "_AllReptiles", kTestudoGraeca));
    reptile->SpecData_Reptile_02.Notes = "  бележка  ";
    ASSERT_TRUE(reptile->SaveNewForm());
    const int reptileForm = LastFormId();
    // An empty page is stored all the same, as one row of empty texts.
    EXPECT_EQ(Text(FormatSql("select AdultCount || '|' || HabitatChanges from tReptiles_01, tReptiles_02 where "
                             "tReptiles_01.FormID = %d and tReptiles_02.FormID = %d",
                             reptileForm, reptileForm)),
              "|");

    auto loaded = Loaded(amphibianForm, kAmphibianForm);
    amphibia.AreaDescription = "Блато 'Сребърна'\nс тръстика";
    EXPECT_EQ(loaded->SpecData_Amphibia_01, amphibia);
    EXPECT_EQ(loaded->SpecData_Amphibia_02, typed->SpecData_Amphibia_02);
    EXPECT_EQ(loaded->SpecData_Reptile_01, CSpecData_Reptile_01());  // another form's pages stay at their defaults

    auto loadedReptile = Loaded(reptileForm, kReptileForm);
    reptile->SpecData_Reptile_02.Notes = "бележка";
    EXPECT_EQ(loadedReptile->SpecData_Reptile_01, reptile->SpecData_Reptile_01);
    EXPECT_EQ(loadedReptile->SpecData_Reptile_02, reptile->SpecData_Reptile_02);

    // A companion without its species row survives storing the form again.
    ASSERT_TRUE(loaded->UpdateForm());
    EXPECT_EQ(Loaded(amphibianForm, kAmphibianForm)->SpecData_Amphibia_01.HommieSpecies, amphibia.HommieSpecies);
}

TEST_F(TortoiseStorage, AnimalsComeBackInOrderWithTheirChoicesOrNone) {
    auto typed = NewDocument(kTortoiseForm, kTestudoGraeca);
    CArray<CTortoise01Row>& animals = typed->SpecData_Tortoise_01.Animals;
    for (int i = 0; i < 25; ++i) {
        CTortoise01Row animal;
        animal.TortoiseType = 1 + i % 2;
        animal.TortoiseTypeName = Text(FormatSql("select Name from nTortoise where ID = %d", animal.TortoiseType));
        animal.Distance = FormatSql("%d", i);
        animal.Habitat = FormatSql("%d", i % 10);
        animal.Len = FormatSql(" %d ", 10 + i);
        animal.FoundType = i % 2;
        animal.FoundTypeName = i % 2 ? "Чут" : "Видян";
        animal.Sex = 1 - i % 2;
        animal.SexName = i % 2 ? "М" : "Ж";
        animals.Add(animal);
    }
    CTortoise01Row& nothingChosen = animals[3];
    nothingChosen = CTortoise01Row();
    nothingChosen.Distance = "5'";
    animals[7].TortoiseType = kGone;
    animals[7].TortoiseTypeName = "";
    CSpecData_Tortoise_02& habitats = typed->SpecData_Tortoise_02;
    habitats.bCheck3 = 1;
    habitats.Time3Min = "15";
    ASSERT_TRUE(typed->SaveNewForm());
    const int formId = LastFormId();
    EXPECT_EQ(Text(FormatSql("select TortoiseType || FoundType || Sex from tTortoise_01_animals where Distance = '5''' "
                             "and tTortoise_01_ID in (select ID from tTortoise_01 where FormID = %d)",
                             formId)),
              "-1-1-1");

    auto loaded = Loaded(formId, kTortoiseForm);
    for (CTortoise01Row& animal : animals) animal.Len.Trim();
    EXPECT_EQ(loaded->SpecData_Tortoise_01, typed->SpecData_Tortoise_01);
    EXPECT_EQ(loaded->SpecData_Tortoise_02, habitats);
    ASSERT_TRUE(loaded->UpdateForm());
    EXPECT_EQ(Loaded(formId, kTortoiseForm)->SpecData_Tortoise_01.Animals.GetSize(), 25);

    // A tick that an older program left NULL reads as not ticked.
    Exec(FormatSql("update tTortoise_02 set bCheck3 = NULL where FormID = %d", formId));
    EXPECT_EQ(Loaded(formId, kTortoiseForm)->SpecData_Tortoise_02.bCheck3, 0);
}

TEST_F(ReptileStorage, UpdatesOfTheThreeFormsLeaveNoDuplicateAndDeleteLeavesNoOrphan) {
    int forms[3] = {};
    for (const int formType : {kAmphibianForm, kReptileForm, kTortoiseForm}) {
        auto typed = NewDocument(formType, kTestudoGraeca);
        typed->SpecData_Amphibia_01.HommieSpecies.Add({"", 340});
        typed->SpecData_Reptile_01.HommieSpecies.Add({"", kTestudoGraeca});
        typed->SpecData_Tortoise_01.Animals.Add(CTortoise01Row());
        typed->SpecData_Tortoise_01.Animals.Add(CTortoise01Row());
        ASSERT_TRUE(typed->SaveNewForm());
        forms[formType - kAmphibianForm] = LastFormId();
    }
    // Page and child rows of each form: amphibians 2 + 1, reptiles 2 + 1, tortoises 2 + 2.
    const int expected[3] = {3, 3, 4};
    for (int i = 0; i < 3; ++i) {
        auto loaded = Loaded(forms[i], kAmphibianForm + i);
        ASSERT_TRUE(loaded->UpdateForm());
        ASSERT_TRUE(loaded->UpdateForm());
        EXPECT_EQ(FamilyRows(forms[i]), expected[i]) << "form type " << kAmphibianForm + i;
    }
    EXPECT_EQ(Orphans(), 0);
    for (const int formId : forms) ASSERT_TRUE(NewDocument()->DeleteForm(formId));
    for (const int formId : forms) EXPECT_EQ(FamilyRows(formId), 0);
    EXPECT_EQ(Orphans(), 0);
}

}  // namespace
