// The hamster form's three pages stored, loaded and updated through a real database file:
// every segment keeps its slot, and a transect is always ten segments.
#include "StoreFixture.h"

#include "store/SqlText.h"

namespace {

constexpr int kHamsterForm = 16;
constexpr int kHamster = 320;

// A segment with code 2 of every kind, under the names the demo list gives them.
CHamster02Transect Segment(const char* burrows, const char* latitude, const char* longitude) {
    return {2, "Поток или река", 2, "Черен път", 2, "Единични храсти", 2, "Ливада (сенокос)", 2, "5 - 10 см", 2,
            "25 - 50 %", 2, "Единични постройки", burrows, latitude, longitude};
}

class HamsterStorage : public StoreTest {
protected:
    std::unique_ptr<CTovan_splitDoc> FilledForm() {
        auto doc = NewDocument(kHamsterForm, kHamster);
        doc->SpecData_Hamster_01 = {1, 1, 0, 0, 0, 1, 0, 0, "12", "Шипка\nи къпина", "", "", "", "Магарета на д'Артанян",
                                    "100000", 0, 1};
        CSpecData_Hamster_02& transects = doc->SpecData_Hamster_02;
        for (int number = 1; number <= kHamsterTransects; ++number) {
            transects.HamstersCountOf(number).Format("%d", number);
            for (int slot = 0; slot < kHamsterSegments; slot += 2)  // the odd slots stay untouched
                transects.TransectOf(number)[slot] = Segment("7", "42° 59' 59.999\"", "25° 1' 2.3\"");
        }
        transects.HamstersLairsCount3 = "35";
        doc->SpecData_Hamster_03 = {"Бележка с 'апостроф'", "ред 1\r\nред 2"};
        return doc;
    }
};

void ExpectSameRecords(const CTovan_splitDoc& loaded, const CTovan_splitDoc& typed) {
    EXPECT_EQ(loaded.SpecData_Hamster_01, typed.SpecData_Hamster_01);
    EXPECT_EQ(loaded.SpecData_Hamster_02, typed.SpecData_Hamster_02);
    EXPECT_EQ(loaded.SpecData_Hamster_03, typed.SpecData_Hamster_03);
}

}  // namespace

TEST_F(HamsterStorage, EverySegmentKeepsItsSlotAndEveryFieldThroughSaveLoadAndUpdate) {
    auto typed = FilledForm();
    typed->SpecData_Hamster_01.GoatsCount = "  3  ";  // outer blanks are not stored
    CHamster02Transect& seventh = typed->SpecData_Hamster_02.Transect3[6];
    seventh = Segment(" 5 ", "41° 0' 0.1\"", "O'Neil");
    seventh.GrassType = -1;  // a list not chosen
    seventh.GrassTypeName = "";
    ASSERT_TRUE(typed->SaveNewForm());
    const int formId = LastFormId();
    typed->SpecData_Hamster_01.GoatsCount = "3";
    seventh.LairCount = "5";

    auto loaded = Loaded(formId, kHamsterForm);
    ExpectSameRecords(*loaded, *typed);
    ASSERT_TRUE(loaded->UpdateForm());
    ExpectSameRecords(*Loaded(formId, kHamsterForm), *typed);
    // Ten rows per transect, numbered 1 to 5, the untouched segments among them.
    EXPECT_EQ(Text("select group_concat(n) from (select count(*) || 'x' || TransectNum as n from tHamster_02_Transects "
                   "group by TransectNum order by TransectNum)"),
              "10x1,10x2,10x3,10x4,10x5");
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(HamsterStorage, OtherFormsAndEmptyValuesLoadAsDefaults) {
    // A form of another type has no hamster rows: ten default segments per transect.
    auto other = NewDocument();
    ASSERT_TRUE(other->SaveNewForm());
    auto loaded = Loaded(LastFormId());
    ExpectSameRecords(*loaded, *NewDocument());

    // Values that this program never writes: NULL boxes are not ticked, no pasture answer,
    // and segments beyond the tenth are left out.
    Exec("insert into Forms (ID, FormTypeID, SpeciesID, SpeciesType) values (77, 16, 320, 1);"
         "insert into tHamster_01 (FormID, bCheckCows, iRadionPasture) values (77, NULL, NULL);"
         "insert into tHamster_02 (ID, FormID) values (770, 77);");
    for (int slot = 1; slot <= 12; ++slot)
        Exec(FormatSql("insert into tHamster_02_Transects (tHamster_02_id, TransectNum, HabitatType, LairCount) "
                       "values (770, 4, NULL, '%d')",
                       slot));
    auto odd = Loaded(77, kHamsterForm);
    EXPECT_EQ(odd->SpecData_Hamster_01, CSpecData_Hamster_01());
    const CHamsterTransect& fourth = odd->SpecData_Hamster_02.Transect4;
    EXPECT_EQ(fourth[9].LairCount, "10");
    EXPECT_EQ(fourth[9].HabitatType, -1);
    EXPECT_EQ(odd->SpecData_Hamster_02.Transect1, CHamsterTransect());
    EXPECT_TRUE(boxes.boxes.empty());
}
