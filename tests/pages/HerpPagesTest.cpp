// The amphibian, reptile and tortoise pages and their dialogs, typed through their controls:
// the computed total, the accompanying species and their picker, the tortoise rows and the
// habitat ticks; and each form stored, read back into a fresh document and printed.
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

constexpr int kBombina = 335, kBufo = 340, kHyla = 341, kTestudoGraeca = 350, kTestudoHermanni = 351;
constexpr const char* kDuplicate = "Този вид вече присъства в списъка!";
constexpr const char* kNoSpecies = "Моля изберете вид който искате да добавите.";
constexpr int kTotal = CHerpCountsPage::IDC_TOTAL;

// Fills the shown tortoise dialog and presses OK.
void FillTortoise(CDialog& shown, int species, const char* length, int sexButton, const char* habitat, int foundButton,
                  const char* distance) {
    CComboHelpers::SelectByItemData(dynamic_cast<CDlg_Tortoise&>(shown).m_species, species);
    shown.SetDlgItemText(CDlg_Tortoise::IDC_LENGTH, length);
    shown.CheckDlgButton(sexButton, BST_CHECKED);
    shown.SetDlgItemText(CDlg_Tortoise::IDC_HABITAT, habitat);
    shown.CheckDlgButton(foundButton, BST_CHECKED);
    shown.SetDlgItemText(CDlg_Tortoise::IDC_DISTANCE, distance);
    shown.PressButton(IDOK);
}

class HerpPageTest : public PrintingPageTest {
protected:
    void Begin(int formType, int species, const char* speciesName) {
        doc.FormTypeID = formType;
        doc.SpeciesID = species;
        doc.SpeciesName = speciesName;
        doc.CommonData_01.DynamicIntRadio = 1;
        doc.CommonData_01.DynamicStrArea2 = "150";
        doc.CommonData_02.TemperatureAir = "21";
    }
    // "Добави" with the picker answered: each id picked in turn (-1: none) until OK is taken.
    void AddCompanion(std::vector<int> ids) {
        const ModalRun script([&ids](CDialog& shown) {
            auto& dialog = dynamic_cast<CDlg_AddSpecies&>(shown);
            EXPECT_EQ(dialog.m_species.GetCurSel(), CB_ERR);
            for (size_t i = 0; i < ids.size() && !dialog.IsEnded(); ++i) {
                if (ids[i] >= 0) CComboHelpers::SelectByItemData(dialog.m_species, ids[i]);
                dialog.PressButton(IDOK);
            }
        });
        Click(*page, CHerpCountsPage::IDC_ADD);
    }
    void TypeNotes(const CRuntimeClass* pageClass) {
        ShowPage(pageClass);
        page->SetDlgItemText(CHerpNotesPage::IDC_HABITAT_CHANGES, "пресушаване 'на блатото'");
        page->SetDlgItemText(CHerpNotesPage::IDC_NOTES, "  дъжд  ");
        Leave();
    }
};
class AmphibiaPage : public HerpPageTest {};
class ReptilePage : public HerpPageTest {};
class TortoisePage : public HerpPageTest {};

TEST_F(AmphibiaPage, TypedPagesAreStoredLoadedAndPrinted) {
    Begin(13, kBombina, "Bombina bombina(Червенокоремна бумка)");
    ShowPage(RUNTIME_CLASS(CSpecForm_Amphibia_01));
    EXPECT_TRUE(IsShown(*page, CSpecForm_Amphibia_01::IDC_SINGING));
    Keys(*page, CHerpCountsPage::IDC_ADULTS, "14");
    Keys(*page, CHerpCountsPage::IDC_SUBADULTS, "3");
    Keys(*page, CHerpCountsPage::IDC_YOUNG, "2");
    EXPECT_EQ(TextOf(*page, kTotal), "19");
    page->SetDlgItemText(CHerpCountsPage::IDC_HABITAT, "Блато с тръстика");
    Keys(*page, kTotal, "9");  // the total cannot be typed over; the other fields keep what was typed
    EXPECT_EQ(std::pair(TextOf(*page, kTotal), TextOf(*page, CHerpCountsPage::IDC_HABITAT)), std::pair(CString("19"), CString("Блато с тръстика")));
    Keys(*page, CSpecForm_Amphibia_01::IDC_EGGS, "120");
    Keys(*page, CSpecForm_Amphibia_01::IDC_SINGING, "4");
    AddCompanion({kBufo});
    AddCompanion({kHyla});
    Leave();
    TypeNotes(RUNTIME_CLASS(CSpecForm_Amphibia_02));

    CTovan_splitDoc loaded;
    StoreLoadAndPrint(loaded, {"Bombina bombina", "19", "120", "Bufo viridis", "Hyla arborea", "Блато с тръстика",
                               "пресушаване 'на блатото'", "дъжд", "150", "21"});
    EXPECT_EQ(loaded.SpecData_Amphibia_01, doc.SpecData_Amphibia_01);
    EXPECT_TRUE(boxes.Texts().empty());
}

TEST_F(AmphibiaPage, NoAnimalsGiveNoTotalAndOtherSpeciesKeepTheHiddenFigure) {
    doc.SpeciesID = kBufo;
    doc.SpecData_Amphibia_01.SingClassification = "4";
    ShowPage(RUNTIME_CLASS(CSpecForm_Amphibia_01));
    EXPECT_FALSE(IsShown(*page, CSpecForm_Amphibia_01::IDC_SINGING_LABEL));
    EXPECT_FALSE(IsShown(*page, CSpecForm_Amphibia_01::IDC_SINGING));
    page->SetDlgItemText(CHerpCountsPage::IDC_ADULTS, "3");
    page->SetDlgItemText(CHerpCountsPage::IDC_ADULTS, "0");
    EXPECT_EQ(TextOf(*page, kTotal), "");
    page->SetDlgItemText(CHerpCountsPage::IDC_ADULTS, "");
    Keys(*page, CHerpCountsPage::IDC_ADULTS, "0a-0712");  // digits only, three at most, kept as typed
    EXPECT_EQ(TextOf(*page, kTotal), "7");
    Leave();
    const CSpecData_Amphibia_01& page = doc.SpecData_Amphibia_01;
    EXPECT_EQ(std::tuple(page.AdultCount, page.TotalCount, page.SingClassification),
              std::tuple(CString("007"), CString("7"), CString("4")));
}

TEST_F(ReptilePage, TypedPagesAreStoredLoadedAndPrintedWithEachCompanionOnce) {
    Begin(14, kTestudoGraeca, "Testudo graeca(Шипобедрена костенурка)");
    auto* shown = dynamic_cast<CSpecForm_Reptile_01*>(ShowPage(RUNTIME_CLASS(CSpecForm_Reptile_01)));
    Keys(*page, CHerpCountsPage::IDC_ADULTS, "12345");
    Keys(*page, CHerpCountsPage::IDC_YOUNG, "5");
    Keys(*page, CSpecForm_Reptile_01::IDC_CLUTCHES, "2");
    page->SetDlgItemText(CHerpCountsPage::IDC_HABITAT, "Сухи склонове");
    const int emys = Number("select ID from _AllReptiles where Name_lat = 'Emys orbicularis'");
    AddCompanion({-1, kTestudoHermanni});
    AddCompanion({emys});
    AddCompanion({kTestudoGraeca});
    AddCompanion({kTestudoHermanni});
    EXPECT_EQ(boxes.Texts(), (std::vector<CString>{kNoSpecies, kDuplicate}));
    CGridCtrl& grid = shown->SpeciesGrid();
    grid.SetSelectedRange(2, 0, 2, 1);
    Click(*page, CHerpCountsPage::IDC_DELETE);
    EXPECT_EQ(GridColumn(grid, 0), (std::vector<CString>{"1", "2"}));
    EXPECT_EQ(GridColumn(grid, 1), (std::vector<CString>{"Testudo hermanni", "Testudo graeca"}));
    Leave();
    TypeNotes(RUNTIME_CLASS(CSpecForm_Reptile_02));

    CTovan_splitDoc loaded;
    boxes.Reset();
    StoreLoadAndPrint(loaded, {"Testudo hermanni", "1239", "1234", "Сухи склонове", "пресушаване 'на блатото'", "дъжд"});
    EXPECT_EQ(loaded.SpecData_Reptile_01, doc.SpecData_Reptile_01);
    EXPECT_TRUE(boxes.Texts().empty());
}

TEST_F(ReptilePage, ADamagedPickerListIsSaidAndThePickerStillOpens) {
    Exec("drop table _AllReptiles");
    const ModalRun script([](CDialog& shown) { shown.PressButton(IDCANCEL); });
    CDlg_AddSpecies dialog(CDlg_AddSpecies::kReptiles);
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    ASSERT_EQ(boxes.Texts().size(), 1u);
    EXPECT_NE(boxes.Texts()[0].Find("_AllReptiles"), -1);
}

TEST_F(TortoisePage, AnimalsAndHabitatsAreTypedStoredLoadedAndPrinted) {
    Begin(15, kTestudoHermanni, "Testudo hermanni(Шипоопашата костенурка)");
    doc.CommonData_02.SurfaceID = 2;
    doc.CommonData_02.SurfaceIDName = "Влажна";
    auto* shown = dynamic_cast<CSpecForm_Tortoise_01*>(ShowPage(RUNTIME_CLASS(CSpecForm_Tortoise_01)));
    const Entries tortoises = Rows("select ID, Name from nTortoise order by Name");
    std::vector<CString> listed;
    for (int i = 0; i < 3; ++i) {
        const ModalRun script([&](CDialog& shown) {
            auto& dialog = dynamic_cast<CDlg_Tortoise&>(shown);
            listed.clear();
            for (int k = 0; k < dialog.m_species.GetCount(); ++k) listed.push_back(dialog.m_species.GetLBText(k));
            dialog.PressButton(IDOK);  // no species
            FillTortoise(shown, tortoises[1].first, "12", CDlg_Tortoise::IDC_FEMALE, "2", CDlg_Tortoise::IDC_SEEN, "5");
        });
        Click(*page, CSpecForm_Tortoise_01::IDC_ADD);
    }
    EXPECT_EQ(listed, (std::vector<CString>{tortoises[0].second, tortoises[1].second}));
    EXPECT_EQ(boxes.Texts(), std::vector<CString>(3, "Моля изберете вид!"));
    CGridCtrl& grid = shown->AnimalGrid();
    ASSERT_EQ(grid.GetRowCount(), 4);  // the same species three times: three animals
    std::vector<CString> row;
    for (int column = 1; column < 7; ++column) row.push_back(grid.GetItemText(2, column));
    EXPECT_EQ(row, (std::vector<CString>{tortoises[1].second, "12", "Ж", "2", "Видян", "5"}));
    {
        const ModalRun script([&](CDialog& shown) {
            EXPECT_EQ(shown.GetCheckedRadioButton(CDlg_Tortoise::IDC_SEEN, CDlg_Tortoise::IDC_HEARD), CDlg_Tortoise::IDC_SEEN);
            shown.CheckDlgButton(CDlg_Tortoise::IDC_SEEN, BST_UNCHECKED);
            shown.CheckDlgButton(CDlg_Tortoise::IDC_FEMALE, BST_UNCHECKED);
            FillTortoise(shown, tortoises[0].first, "9", CDlg_Tortoise::IDC_MALE, "7", CDlg_Tortoise::IDC_HEARD, "120");
        });
        grid.SendMessageToParent(1, 1, NM_DBLCLK);
    }
    grid.SetSelectedRange(3, 0, 3, 6);
    Click(*page, CSpecForm_Tortoise_01::IDC_DELETE);
    Leave();
    ShowPage(RUNTIME_CLASS(CSpecForm_Tortoise_02));
    Tick(*page, CSpecForm_Tortoise_02::IDC_CHECKS[2]);
    Keys(*page, CSpecForm_Tortoise_02::IDC_MINUTES[2], "45");
    Leave();

    CTovan_splitDoc loaded;
    boxes.Reset();
    StoreLoadAndPrint(loaded, {"Шипобедрена костенурка (Testudo graeca)", "120", "Чут", "М", "45", "+", "21", "Влажна"});
    ASSERT_EQ(loaded.SpecData_Tortoise_01.Animals.GetSize(), 2);
    const CTortoise01Row& changed = loaded.SpecData_Tortoise_01.Animals[0];
    EXPECT_EQ(std::tuple(changed.TortoiseType, changed.Len, changed.Sex, changed.SexName, changed.Habitat, changed.FoundType,
                         changed.FoundTypeName, changed.Distance),
              std::tuple(tortoises[0].first, CString("9"), 0, CString("М"), CString("7"), 1, CString("Чут"), CString("120")));
    EXPECT_EQ(loaded.SpecData_Tortoise_02, doc.SpecData_Tortoise_02);
    EXPECT_TRUE(boxes.Texts().empty());
}

TEST_F(TortoisePage, MinutesAreAskedOnlyWhereTheHabitatIsTicked) {
    doc.FormTypeID = 15;
    doc.SpecData_Tortoise_02.Time2Min = "30";  // stored without its tick
    doc.SpecData_Tortoise_02.bCheck4 = 1;
    doc.SpecData_Tortoise_02.Time4Min = "45";
    ShowPage(RUNTIME_CLASS(CSpecForm_Tortoise_02));
    EXPECT_EQ(TextOf(*page, CSpecForm_Tortoise_02::IDC_MINUTES[1]), "");
    EXPECT_FALSE(IsEnabled(*page, CSpecForm_Tortoise_02::IDC_MINUTES[1]));
    EXPECT_TRUE(IsEnabled(*page, CSpecForm_Tortoise_02::IDC_MINUTES[3]));
    Tick(*page, CSpecForm_Tortoise_02::IDC_CHECKS[2]);
    EXPECT_TRUE(IsEnabled(*page, CSpecForm_Tortoise_02::IDC_MINUTES[2]));
    Keys(*page, CSpecForm_Tortoise_02::IDC_MINUTES[2], "12345");
    Tick(*page, CSpecForm_Tortoise_02::IDC_CHECKS[3], false);
    EXPECT_FALSE(IsEnabled(*page, CSpecForm_Tortoise_02::IDC_MINUTES[3]));
    Leave();
    const CSpecData_Tortoise_02& habitats = doc.SpecData_Tortoise_02;
    EXPECT_EQ(std::tuple(habitats.bCheck3, habitats.Time3Min, habitats.bCheck4, habitats.Time4Min, habitats.Time2Min),
              std::tuple(1, CString("1234"), 0, CString(""), CString("")));
}

}  // namespace
