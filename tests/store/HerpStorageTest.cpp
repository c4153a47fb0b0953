// The amphibian, reptile and tortoise pages stored, loaded and stored again through a real
// database file: texts as typed (but for their outer blanks), lists in their order,
// and rows whose species is not, or no longer, in its list.
#include "StoreFixture.h"

#include "store/SqlText.h"

namespace {

constexpr int kAmphibianForm = 13, kReptileForm = 14, kTortoiseForm = 15;
constexpr int kBombina = 335, kTestudoGraeca = 350;
constexpr int kGone = 987654;  // in no species list

CSpeciesNameRow Companion(CSQLite3DB& db, const char* table, int id) {
    CSQLite3Query query = db.execQuery(FormatSql("select Name_lat from %s where ID = %d", table, id));
    return {query.eof() ? CString() : query.getStringField(0), id};
}

class AmphibiaStorage : public StoreTest {};
class TortoiseStorage : public StoreTest {};

TEST_F(AmphibiaStorage, AmphibiaAndReptilePagesComeBackAsTypedWithEveryCompanion) {
    auto typed = NewDocument(kAmphibianForm, kBombina);
    CSpecData_Amphibia_01& amphibia = typed->SpecData_Amphibia_01;
    amphibia = {"007", "  Блато 'Сребърна'\nс тръстика  ", "2", "120", "", "4", "9", "0", {}};
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

}  // namespace
