// The bear pages stored and read back: every field in its own column, the bears in the order
// typed with the words of their classes, and choices that another program left empty.
#include "StoreFixture.h"

#include "store/SqlText.h"

namespace {

constexpr int kAllBearPages = 24;  // steps 6701 to 6707

using BearStoreTest = StoreTest;

TEST_F(BearStoreTest, EveryPageComesBackWithEachValueInItsOwnColumn) {
    auto doc = NewDocument(kAllBearPages);
    CSpecData_Bear_01& seen = doc->SpecData_Bear_01;
    seen.Behaviour = "пасе в 'Бялата поляна'";
    seen.Bears.Add(CBear01Row{-1, "", -1, "", -1, "", ""});
    const char* const sizes[] = {"мече", "малка мечка", "дребна мечка", "средно голяма мечка", "голяма мечка",
                                 "много голяма мечка"};
    const char* const colors[] = {"светлокафяв", "кафяв", "тъмен", "златист"};
    const char* const sexes[] = {"мъжки", "женски"};
    for (int size = 5; size >= 0; --size)
        seen.Bears.Add(CBear01Row{size, sizes[size], size % 4, colors[size % 4], size % 2, sexes[size % 2], "1"});
    seen.Bears.Add(CBear01Row{0, sizes[0], 3, colors[3], -1, "", "12"});
    doc->SpecData_Bear_02 = {1, 0, 1, 1, 0, 1, 1, "11", "17", "12", "13", "14", "15", "16"};
    doc->SpecData_Bear_03 = {"мечката 'маркира'", "бор", "до пътеката", "1,8", 4, 0};
    doc->SpecData_Bear_04 = {0, "2", "1", 2, 0, "12", "34", "56", "листа", "зимата"};
    doc->SpecData_Bear_05 = {"27", "16", "14", 0, 5};
    doc->SpecData_Bear_06 = {0, "плодове и 'жълъди'"};
    doc->SpecData_Bear_07.Notes = "Бележки\nс нов ред";
    ASSERT_TRUE(doc->SaveNewForm());
    const int formId = LastFormId();

    auto loaded = Loaded(formId, kAllBearPages);
    EXPECT_EQ(loaded->SpecData_Bear_01, doc->SpecData_Bear_01);
    EXPECT_EQ(loaded->SpecData_Bear_02, doc->SpecData_Bear_02);
    EXPECT_EQ(loaded->SpecData_Bear_03, doc->SpecData_Bear_03);
    EXPECT_EQ(loaded->SpecData_Bear_04, doc->SpecData_Bear_04);
    EXPECT_EQ(loaded->SpecData_Bear_05, doc->SpecData_Bear_05);
    EXPECT_EQ(loaded->SpecData_Bear_06, doc->SpecData_Bear_06);
    EXPECT_EQ(loaded->SpecData_Bear_07, doc->SpecData_Bear_07);

    // Each value in the column of its name: a swap in both the insert and the select shows here.
    EXPECT_EQ(Text(FormatSql("select bAgressionAgainst || bProtectChild || bProtectPrey || bRunAway || bRunCalm || "
                             "bThreatens || bCriticDistance || '|' || AgressionAgainst || CriticDistance || "
                             "ProtectChild || ProtectPrey || RunAway || RunCalm || Threatens from tBear_02 where FormID = %d",
                             formId)),
              "1011011|11171213141516");
    EXPECT_EQ(Text(FormatSql("select BackPawLen || BackPawWid || FrontPawLen || '|' || BearSizeType || bCheckTrail "
                             "from tBear_05 where FormID = %d", formId)),
              "271614|50");
    EXPECT_EQ(Text(FormatSql("select CaveLen || CaveWid || DistanceToLair || '|' || FloraType || LairType from tBear_04 "
                             "where FormID = %d", formId)),
              "123456|20");
    EXPECT_EQ(Text(FormatSql("select Reasons from tBear_03 where FormID = %d", formId)), "мечката 'маркира'");
    EXPECT_TRUE(boxes.Texts().empty());
}

TEST_F(BearStoreTest, PagesNeverOpenedStoreTheirDefaultsAndEmptyChoicesLoadAsNone) {
    auto doc = NewDocument(kAllBearPages);
    ASSERT_TRUE(doc->SaveNewForm());
    const int formId = LastFormId();
    for (const char* table : {"tBear_01", "tBear_02", "tBear_03", "tBear_04", "tBear_05", "tBear_06", "tBear_07"})
        EXPECT_EQ(Count(table, FormatSql("FormID = %d", formId)), 1) << table;
    EXPECT_EQ(Count("tBear_01_Bears"), 0);
    EXPECT_EQ(Text(FormatSql("select FloraType || LairType || CheckLair from tBear_04 where FormID = %d", formId)),
              "-1-10");
    auto loaded = Loaded(formId, kAllBearPages);
    EXPECT_TRUE(loaded->SpecData_Bear_01.Bears.IsEmpty());
    EXPECT_EQ(loaded->SpecData_Bear_04, CSpecData_Bear_04());

    // Rows another program wrote without a value: no choice (not the first one), no tick; a
    // class outside the known ones has no word.
    Exec(FormatSql("update tBear_03 set FloraType = NULL, bTrail = NULL; update tBear_04 set LairType = NULL; "
                   "update tBear_05 set BearSizeType = NULL; insert into tBear_01_Bears (tBear_01_ID, BearSize, "
                   "BearColor, BearSex) select ID, NULL, 7, NULL from tBear_01 where FormID = %d",
                   formId));
    auto reloaded = Loaded(formId, kAllBearPages);
    EXPECT_EQ(reloaded->SpecData_Bear_03, CSpecData_Bear_03());
    EXPECT_EQ(reloaded->SpecData_Bear_04.LairType, -1);
    EXPECT_EQ(reloaded->SpecData_Bear_05.BearSizeType, -1);
    ASSERT_EQ(reloaded->SpecData_Bear_01.Bears.GetSize(), 1);
    EXPECT_EQ(reloaded->SpecData_Bear_01.Bears[0], (CBear01Row{-1, "", 7, "", -1, "", ""}));
    EXPECT_TRUE(boxes.Texts().empty());
}

}  // namespace
