// The amphibian, reptile and tortoise pages and their dialogs: the computed total, the
// accompanying species and the picker, the tortoise rows and the habitat ticks.
#include "controls/ComboHelpers.h"
#include "pages/species/DlgAddSpecies.h"
#include "pages/species/DlgTortoise.h"
#include "pages/species/HerpNotesPages.h"
#include "pages/species/SpecFormAmphibia01.h"
#include "pages/species/SpecFormReptile01.h"
#include "pages/species/SpecFormTortoise01.h"
#include "pages/species/SpecFormTortoise02.h"
#include "tests/pages/PageFixture.h"

namespace {

constexpr int kBombina = 335, kBufo = 340, kTestudoGraeca = 350;
constexpr const char* kDuplicate = "Този вид вече присъства в списъка!";
constexpr const char* kNoSpecies = "Моля изберете вид който искате да добавите.";

// Picks the species of the id in the shown picker (nothing for -1) and presses OK.
DialogScript PickSpecies(std::vector<int> ids) {
    return DialogScript([ids = std::move(ids), next = size_t(0)](CDialog& shown) mutable {
        auto& dialog = dynamic_cast<CDlg_AddSpecies&>(shown);
        EXPECT_EQ(dialog.m_species.GetCurSel(), CB_ERR);
        for (; next < ids.size() && !dialog.IsEnded(); ++next) {
            if (ids[next] >= 0) CComboHelpers::SelectByItemData(dialog.m_species, ids[next]);
            dialog.PressButton(IDOK);
        }
    });
}

void SelectRow(CGridCtrl& grid, int row, int lastColumn) { grid.SetSelectedRange(row, 0, row, lastColumn); }

std::vector<CString> Column(CGridCtrl& grid, int column) {
    std::vector<CString> texts;
    for (int row = 1; row < grid.GetRowCount(); ++row) texts.push_back(grid.GetItemText(row, column));
    return texts;
}

class AmphibiaPage : public PageTest {
protected:
    void SetUp() override {
        PageTest::SetUp();
        doc.FormTypeID = 13;
        doc.SpeciesID = kBombina;
    }
};
class ReptilePage : public PageTest {
protected:
    void SetUp() override {
        PageTest::SetUp();
        doc.FormTypeID = 14;
    }
};
class TortoisePage : public PageTest {
protected:
    void SetUp() override {
        PageTest::SetUp();
        doc.FormTypeID = 15;
    }
};

TEST_F(AmphibiaPage, TheTotalFollowsTheThreeCountsAndCannotBeTypedOver) {
    doc.SpecData_Amphibia_01.SingClassification = "4";
    ShowPage(RUNTIME_CLASS(CSpecForm_Amphibia_01));
    EXPECT_TRUE(IsShown(CSpecForm_Amphibia_01::IDC_SINGING));
    Picture("amphibia_01");
    Type(CHerpCountsPage::IDC_ADULTS, "3");
    Type(CHerpCountsPage::IDC_YOUNG, "2");
    EXPECT_EQ(TextOf(CHerpCountsPage::IDC_TOTAL), "5");
    Type(CHerpCountsPage::IDC_HABITAT, "влажна ливада");
    Keys(CHerpCountsPage::IDC_TOTAL, "9");
    EXPECT_EQ(TextOf(CHerpCountsPage::IDC_TOTAL), "5");
    EXPECT_EQ(TextOf(CHerpCountsPage::IDC_HABITAT), "влажна ливада");
    Type(CHerpCountsPage::IDC_YOUNG, "");
    Type(CHerpCountsPage::IDC_ADULTS, "0");
    EXPECT_EQ(TextOf(CHerpCountsPage::IDC_TOTAL), "");
    // Digits only, three at most; the typed text goes to the record as it stands.
    Type(CHerpCountsPage::IDC_ADULTS, "");
    Keys(CHerpCountsPage::IDC_ADULTS, "0a-0712");
    Keys(CHerpCountsPage::IDC_SUBADULTS, "1");
    EXPECT_EQ(TextOf(CHerpCountsPage::IDC_TOTAL), "8");
    Leave();
    const CSpecData_Amphibia_01& page = doc.SpecData_Amphibia_01;
    EXPECT_EQ(std::tuple(page.AdultCount, page.YoungCount, page.BabiesCount, page.TotalCount, page.AreaDescription,
                         page.SingClassification),
              std::tuple(CString("007"), CString("1"), CString(""), CString("8"), CString("влажна ливада"), CString("4")));
    EXPECT_TRUE(messages.empty());

    // Another species does not ask for the representativeness, and keeps it.
    doc.SpeciesID = kBufo;
    ShowPage(RUNTIME_CLASS(CSpecForm_Amphibia_01));
    EXPECT_FALSE(IsShown(CSpecForm_Amphibia_01::IDC_SINGING_LABEL));
    EXPECT_FALSE(IsShown(CSpecForm_Amphibia_01::IDC_SINGING));
    EXPECT_EQ(TextOf(CHerpCountsPage::IDC_TOTAL), "8");
    Leave();
    EXPECT_EQ(doc.SpecData_Amphibia_01.SingClassification, "4");
}

TEST_F(ReptilePage, CompanionsAreAddedOnceAndDeletedOnlyAsOneWholeRow) {
    auto* shown = dynamic_cast<CSpecForm_Reptile_01*>(ShowPage(RUNTIME_CLASS(CSpecForm_Reptile_01)));
    const Entries reptiles = Rows("select ID, Name_lat from _AllReptiles where Name_lat is not NULL");
    {
        const DialogScript script = PickSpecies({-1, reptiles[0].first});
        Click(CHerpCountsPage::IDC_ADD);
    }
    for (const int id : {reptiles[1].first, reptiles[2].first, reptiles[0].first}) {
        const DialogScript script = PickSpecies({id});
        Click(CHerpCountsPage::IDC_ADD);
    }
    EXPECT_EQ(messages, (std::vector<CString>{kNoSpecies, kDuplicate}));
    CGridCtrl& grid = shown->SpeciesGrid();
    EXPECT_EQ(Column(grid, 1), (std::vector<CString>{reptiles[0].second, reptiles[1].second, reptiles[2].second}));
    Picture("reptile_01");

    grid.SetSelectedRange(2, 1, 2, 1);  // part of a row
    Click(CHerpCountsPage::IDC_DELETE);
    EXPECT_EQ(shown->SpeciesRows().GetSize(), 3);
    SelectRow(grid, 2, 1);
    Click(CHerpCountsPage::IDC_DELETE);
    EXPECT_EQ(Column(grid, 0), (std::vector<CString>{"1", "2"}));
    EXPECT_EQ(Column(grid, 1), (std::vector<CString>{reptiles[0].second, reptiles[2].second}));

    Keys(CHerpCountsPage::IDC_ADULTS, "12345");
    Keys(CSpecForm_Reptile_01::IDC_CLUTCHES, "3");
    Leave();
    const CSpecData_Reptile_01& page = doc.SpecData_Reptile_01;
    EXPECT_EQ(std::tuple(page.AdultCount, page.TotalCount, page.NestsCount), std::tuple(CString("1234"), CString("1234"), CString("3")));
    EXPECT_EQ(page.HommieSpecies.GetSize(), 2);
    EXPECT_EQ(page.HommieSpecies[1].SpeciesID, reptiles[2].first);
}

TEST_F(ReptilePage, ThePickerOffersTheListOfThePageCode) {
    for (const auto& [code, sql] : {std::pair(CDlg_AddSpecies::kAmphibians, "select ID, Name_lat from _AllAmphibia where Name_lat is not NULL"),
                                    std::pair(CDlg_AddSpecies::kFungi, "select ID, Name from _AllFungi")}) {
        Entries offered;
        const DialogScript script([&offered](CDialog& shown) {
            auto& dialog = dynamic_cast<CDlg_AddSpecies&>(shown);
            for (int i = 0; i < dialog.m_species.GetCount(); ++i)
                offered.emplace_back(static_cast<int>(dialog.m_species.GetItemData(i)), dialog.m_species.GetLBText(i));
            if (dialog.m_species.GetCount() > 0) dialog.m_species.SetCurSel(1);
            dialog.PressButton(IDOK);
        });
        CDlg_AddSpecies dialog(code);
        ASSERT_EQ(dialog.DoModal(), IDOK);
        const Entries expected = Rows(sql);
        EXPECT_EQ(offered, expected);
        EXPECT_EQ(dialog.m_row, (CSpeciesNameRow{expected[1].second, expected[1].first}));
    }
    // A damaged list: its error is said and the picker still opens.
    Exec("drop table _AllReptiles");
    const DialogScript script([this](CDialog& shown) {
        Picture("add_species", &shown);
        shown.PressButton(IDCANCEL);
    });
    CDlg_AddSpecies dialog(CDlg_AddSpecies::kReptiles);
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].Find("_AllReptiles"), -1);
}

TEST_F(ReptilePage, SecondPagesKeepTheirTwoTexts) {
    for (const CRuntimeClass* pageClass : {RUNTIME_CLASS(CSpecForm_Reptile_02), RUNTIME_CLASS(CSpecForm_Amphibia_02)}) {
        ShowPage(pageClass);
        Type(CHerpNotesPage::IDC_HABITAT_CHANGES, "ред 1\r\nред 'две'");
        Type(CHerpNotesPage::IDC_NOTES, "бележка");
        Leave();
    }
    EXPECT_EQ(doc.SpecData_Reptile_02.Notes, "бележка");
    EXPECT_EQ(doc.SpecData_Amphibia_02.HabitatChanges, doc.SpecData_Reptile_02.HabitatChanges);
    ShowPage(RUNTIME_CLASS(CSpecForm_Amphibia_02));
    EXPECT_EQ(TextOf(CHerpNotesPage::IDC_NOTES), "бележка");
    Picture("amphibia_02");
}

// Fills the shown tortoise dialog: species, length, sex, habitat, found, distance.
void FillTortoise(CDialog& shown, int species, const char* length, int sexButton, const char* habitat, int foundButton,
                  const char* distance) {
    auto& dialog = dynamic_cast<CDlg_Tortoise&>(shown);
    CComboHelpers::SelectByItemData(dialog.m_species, species);
    dialog.SetDlgItemText(CDlg_Tortoise::IDC_LENGTH, length);
    dialog.CheckDlgButton(sexButton, BST_CHECKED);
    dialog.SetDlgItemText(CDlg_Tortoise::IDC_HABITAT, habitat);
    dialog.CheckDlgButton(foundButton, BST_CHECKED);
    dialog.SetDlgItemText(CDlg_Tortoise::IDC_DISTANCE, distance);
    dialog.PressButton(IDOK);
}

TEST_F(TortoisePage, AnimalsAreAddedChangedAndDeletedAsRows) {
    auto* shown = dynamic_cast<CSpecForm_Tortoise_01*>(ShowPage(RUNTIME_CLASS(CSpecForm_Tortoise_01)));
    const Entries tortoises = Rows("select ID, Name from nTortoise order by Name");
    std::vector<CString> listed;
    for (int i = 0; i < 2; ++i) {
        const DialogScript script([&](CDialog& shown) {
            auto& dialog = dynamic_cast<CDlg_Tortoise&>(shown);
            listed.clear();
            for (int k = 0; k < dialog.m_species.GetCount(); ++k) listed.push_back(dialog.m_species.GetLBText(k));
            dialog.PressButton(IDOK);  // no species
            if (i == 0) Picture("tortoise_dialog", &shown);
            FillTortoise(shown, tortoises[1].first, "12", CDlg_Tortoise::IDC_FEMALE, "2", CDlg_Tortoise::IDC_SEEN, "5");
        });
        Click(CSpecForm_Tortoise_01::IDC_ADD);
    }
    EXPECT_EQ(listed, (std::vector<CString>{tortoises[0].second, tortoises[1].second}));
    EXPECT_EQ(messages, (std::vector<CString>{"Моля изберете вид!", "Моля изберете вид!"}));
    CGridCtrl& grid = shown->AnimalGrid();
    ASSERT_EQ(grid.GetRowCount(), 3);  // the same species twice: two animals
    std::vector<CString> row;
    for (int column = 1; column < 7; ++column) row.push_back(grid.GetItemText(2, column));
    EXPECT_EQ(row, (std::vector<CString>{tortoises[1].second, "12", "Ж", "2", "Видян", "5"}));

    {
        const DialogScript script([&](CDialog& shown) {
            EXPECT_EQ(shown.GetCheckedRadioButton(CDlg_Tortoise::IDC_SEEN, CDlg_Tortoise::IDC_HEARD), CDlg_Tortoise::IDC_SEEN);
            shown.CheckDlgButton(CDlg_Tortoise::IDC_SEEN, BST_UNCHECKED);
            shown.CheckDlgButton(CDlg_Tortoise::IDC_FEMALE, BST_UNCHECKED);
            FillTortoise(shown, tortoises[0].first, "9", CDlg_Tortoise::IDC_MALE, "7", CDlg_Tortoise::IDC_HEARD, "120");
        });
        grid.SendMessageToParent(1, 1, NM_DBLCLK);
    }
    EXPECT_EQ(shown->Animals()[0].SexName, "М");
    EXPECT_EQ(std::tuple(shown->Animals()[0].FoundType, shown->Animals()[0].FoundTypeName), std::tuple(1, CString("Чут")));
    Picture("tortoise_01");
    SelectRow(grid, 2, 6);
    Click(CSpecForm_Tortoise_01::IDC_DELETE);
    Leave();
    ASSERT_EQ(doc.SpecData_Tortoise_01.Animals.GetSize(), 1);
    const CTortoise01Row& kept = doc.SpecData_Tortoise_01.Animals[0];
    EXPECT_EQ(std::tuple(kept.TortoiseType, kept.Len, kept.Sex, kept.Habitat, kept.Distance),
              std::tuple(tortoises[0].first, CString("9"), 0, CString("7"), CString("120")));
}

TEST_F(TortoisePage, MinutesAreAskedOnlyWhereTheHabitatIsTicked) {
    doc.SpecData_Tortoise_02.Time2Min = "30";  // stored without its tick
    doc.SpecData_Tortoise_02.bCheck4 = 1;
    doc.SpecData_Tortoise_02.Time4Min = "45";
    ShowPage(RUNTIME_CLASS(CSpecForm_Tortoise_02));
    EXPECT_EQ(TextOf(CSpecForm_Tortoise_02::IDC_MINUTES[1]), "");
    EXPECT_FALSE(IsEnabled(CSpecForm_Tortoise_02::IDC_MINUTES[1]));
    EXPECT_TRUE(IsEnabled(CSpecForm_Tortoise_02::IDC_MINUTES[3]));
    page->CheckDlgButton(CSpecForm_Tortoise_02::IDC_CHECKS[2], BST_CHECKED);
    Click(CSpecForm_Tortoise_02::IDC_CHECKS[2]);
    EXPECT_TRUE(IsEnabled(CSpecForm_Tortoise_02::IDC_MINUTES[2]));
    Keys(CSpecForm_Tortoise_02::IDC_MINUTES[2], "12345");
    EXPECT_EQ(TextOf(CSpecForm_Tortoise_02::IDC_MINUTES[2]), "1234");
    Picture("tortoise_02");
    page->CheckDlgButton(CSpecForm_Tortoise_02::IDC_CHECKS[3], BST_UNCHECKED);
    Click(CSpecForm_Tortoise_02::IDC_CHECKS[3]);
    EXPECT_EQ(TextOf(CSpecForm_Tortoise_02::IDC_MINUTES[3]), "");
    EXPECT_FALSE(IsEnabled(CSpecForm_Tortoise_02::IDC_MINUTES[3]));
    Leave();
    const CSpecData_Tortoise_02& habitats = doc.SpecData_Tortoise_02;
    EXPECT_EQ(std::tuple(habitats.bCheck3, habitats.Time3Min, habitats.bCheck4, habitats.Time4Min, habitats.Time2Min),
              std::tuple(1, CString("1234"), 0, CString(""), CString("")));
}

}  // namespace
