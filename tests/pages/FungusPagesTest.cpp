// The fungus pages and their dialog, typed through their controls: the region and square
// lists, the area's digits, the companions and their picker, the hidden collecting notes, the
// change ticks and the species found; and both forms stored, read back and printed.
#include "controls/ComboHelpers.h"
#include "pages/species/DlgAddSpecies.h"
#include "pages/species/DlgFungusAddSpecies.h"
#include "pages/species/SpecFormFungus01.h"
#include "pages/species/SpecFormFungus02.h"
#include "pages/species/SpecFormFungus03.h"
#include "pages/species/SpecFormFungus04.h"
#include "pages/species/SpecFormFungus05.h"
#include "tests/pages/PageFixture.h"

namespace {

constexpr int kGone = 987654;  // in no list
constexpr const char* kDuplicate = "Този вид вече присъства в списъка!";
constexpr const char* kNoSpecies = "Моля изберете вид.";
constexpr const char* kNoCount = "Моля въведете брой плодни тела.";
using Page4 = CSpecForm_Fungus_04;  // the changes page, named often below

class FungusPageTest : public PrintingPageTest {
protected:
    void SetUp() override {
        PrintingPageTest::SetUp();
        fungi = Rows("select ID, Name from _AllFungi order by ID limit 4");
        doc.CommonData_01.DynamicStrContent = "П-7";
    }
    // Each answer in turn fills the shown dialog, species (-1: none) and count, and presses OK,
    // until the dialog takes one.
    template <class Dialog>
    void Answer(std::vector<std::pair<int, const char*>> answers) {
        const ModalRun script([&](CDialog& shown) {
            auto& dialog = dynamic_cast<Dialog&>(shown);
            for (size_t i = 0; i < answers.size() && !dialog.IsEnded(); ++i) {
                dialog.m_species.SetCurSel(-1);
                if (answers[i].first >= 0) CComboHelpers::SelectByItemData(dialog.m_species, answers[i].first);
                if (answers[i].second) shown.SetDlgItemText(CDlg_Fungus_AddSpecies::IDC_COUNT, answers[i].second);
                dialog.PressButton(IDOK);
            }
        });
        if constexpr (std::is_same_v<Dialog, CDlg_AddSpecies>) Click(*page, CSpecForm_Fungus_02::IDC_ADD);
        else Click(*page, CSpecForm_Fungus_05::IDC_ADD);
    }
    void ChangeRow(CGridCtrl& grid, int row, int species, const char* count) {
        const ModalRun script([&](CDialog& shown) {
            auto& dialog = dynamic_cast<CDlg_Fungus_AddSpecies&>(shown);
            EXPECT_EQ(static_cast<int>(dialog.m_species.GetItemData(dialog.m_species.GetCurSel())), fungi[row - 1].first);
            CComboHelpers::SelectByItemData(dialog.m_species, species);
            shown.SetDlgItemText(CDlg_Fungus_AddSpecies::IDC_COUNT, count);
            dialog.PressButton(IDOK);
        });
        grid.SendMessageToParent(row, 1, NM_DBLCLK);
    }
    int Id(int k) const { return fungi[k].first; }
    const char* Name(int k) const { return fungi[k].second.GetString(); }

    Entries fungi;
};
class FungusSitePage : public FungusPageTest {};
class FungusPlotPage : public FungusPageTest {};

TEST_F(FungusSitePage, TypedPagesAreStoredLoadedAndPrinted) {
    doc.FormTypeID = 1;
    doc.SpeciesID = Id(0);
    doc.SpeciesName = Name(0);
    const Entries regions = Rows("select ID, Name from Floristic_regions");
    const Entries squares = Rows("select ID, Name from nUTM_Fungus");
    ShowPage(RUNTIME_CLASS(CSpecForm_Fungus_01));
    EXPECT_EQ(ListOf(*page, CSpecForm_Fungus_01::IDC_REGION), regions);
    EXPECT_EQ(ListOf(*page, CSpecForm_Fungus_01::IDC_UTM), squares);
    Choose(*page, CSpecForm_Fungus_01::IDC_REGION, regions[4].first);
    Choose(*page, CSpecForm_Fungus_01::IDC_UTM, squares[9].first);
    page->SetDlgItemText(CSpecForm_Fungus_01::IDC_SUBSTRATE, "  пън на 'бук'  ");
    page->SetDlgItemText(CSpecForm_Fungus_01::IDC_HABITAT, "Букова гора\r\nнад 1200 м");
    page->SetDlgItemText(CSpecForm_Fungus_01::IDC_ECOLOGY, "сенчесто");
    Leave();

    ShowPage(RUNTIME_CLASS(CSpecForm_Fungus_02));
    Keys(*page, CSpecForm_Fungus_02::IDC_AREA, "-1a.5.2");  // digits and one point
    EXPECT_EQ(TextOf(*page, CSpecForm_Fungus_02::IDC_AREA), "1.52");
    page->SetDlgItemText(CSpecForm_Fungus_02::IDC_COLLECTION, "SOM 12");
    page->SetDlgItemText(CSpecForm_Fungus_02::IDC_COUNT, "около 30");
    Answer<CDlg_AddSpecies>({{Id(1), nullptr}});
    Answer<CDlg_AddSpecies>({{Id(3), nullptr}});
    Leave();

    ShowPage(RUNTIME_CLASS(CSpecForm_Fungus_03));
    EXPECT_FALSE(IsShown(*page, CSpecForm_Fungus_03::IDC_COLLECTION_LABEL));
    EXPECT_FALSE(IsShown(*page, CSpecForm_Fungus_03::IDC_COLLECTION_NOTES));
    page->SetDlgItemText(CSpecForm_Fungus_03::IDC_COLLECTION_NOTES, "в хартия");
    page->SetDlgItemText(CSpecForm_Fungus_03::IDC_NOTES, "Бележка 'първа'");
    ShowPage(RUNTIME_CLASS(CSpecForm_Fungus_03));  // a second visit keeps the hidden notes
    Leave();
    EXPECT_EQ(doc.SpecData_Fungus_03, (CSpecData_Fungus_03{"в хартия", "Бележка 'първа'"}));

    CTovan_splitDoc loaded;
    StoreLoadAndPrint(loaded, {Name(0), "П-7", regions[4].second.GetString(), squares[9].second.GetString(), "пън на 'бук'",
                               "над 1200 м", "сенчесто", "1.52", "SOM 12", "около 30", Name(1), Name(3), "Бележка 'първа'"});
    doc.SpecData_Fungus_01.Substratum = "пън на 'бук'";
    EXPECT_EQ(loaded.SpecData_Fungus_01, doc.SpecData_Fungus_01);
    EXPECT_EQ(loaded.SpecData_Fungus_02, doc.SpecData_Fungus_02);
    EXPECT_EQ(loaded.SpecData_Fungus_03, (CSpecData_Fungus_03{"", "Бележка 'първа'"}));
    EXPECT_TRUE(boxes.Texts().empty());
}

TEST_F(FungusSitePage, UnlistedChoicesAreLostAndADamagedListIsSaidAndPassedOver) {
    doc.SpecData_Fungus_01.FloristicRegionID = kGone;
    doc.SpecData_Fungus_01.FloristicRegionIDName = "стар район";
    doc.SpecData_Fungus_01.UTM_GirdID = Number("select min(ID) from nUTM_Fungus");
    Exec("drop table nUTM_Fungus");
    ShowPage(RUNTIME_CLASS(CSpecForm_Fungus_01));
    ASSERT_EQ(boxes.Texts().size(), 1u);
    EXPECT_NE(boxes.Texts()[0].Find("nUTM_Fungus"), -1);
    EXPECT_EQ(SelectedData(*page, CSpecForm_Fungus_01::IDC_REGION), -1);
    EXPECT_FALSE(ListOf(*page, CSpecForm_Fungus_01::IDC_REGION).empty());
    Leave();
    const CSpecData_Fungus_01& site = doc.SpecData_Fungus_01;
    EXPECT_EQ(std::tuple(site.FloristicRegionID, site.FloristicRegionIDName, site.UTM_GirdID, site.UTM_GirdIDName),
              std::tuple(-1, CString(), -1, CString()));

    // The species dialog says its list's error and still opens.
    Exec("drop table _AllFungi");
    boxes.Reset();
    const ModalRun script([](CDialog& shown) { shown.PressButton(IDCANCEL); });
    EXPECT_EQ(CDlg_Fungus_AddSpecies().DoModal(), IDCANCEL);
    ASSERT_EQ(boxes.Texts().size(), 1u);
    EXPECT_NE(boxes.Texts()[0].Find("_AllFungi"), -1);
}

TEST_F(FungusPlotPage, ChangesAndSpeciesFoundAreTypedStoredLoadedAndPrinted) {
    doc.FormTypeID = 30;
    doc.SpeciesID = 100001;
    doc.SpeciesName = "Пробна площадка";
    doc.SpecData_Fungus_04.LandUsageChanges = "стар път";  // stored without its tick
    doc.SpecData_Fungus_04.bHabitatChanges = 1;
    doc.SpecData_Fungus_04.FloristicRegionID = 4;
    ShowPage(RUNTIME_CLASS(CSpecForm_Fungus_04));
    EXPECT_EQ(SelectedData(*page, Page4::IDC_REGION), 4);
    EXPECT_EQ(std::tuple(IsEnabled(*page, Page4::IDC_ECOLOGY), IsEnabled(*page, Page4::IDC_HABITAT), IsEnabled(*page, Page4::IDC_LAND_USE)),
              std::tuple(FALSE, TRUE, FALSE));
    EXPECT_EQ(TextOf(*page, Page4::IDC_LAND_USE), "стар път");
    Tick(*page, Page4::IDC_LAND_USE_CHANGED);
    EXPECT_TRUE(IsEnabled(*page, Page4::IDC_LAND_USE));
    page->SetDlgItemText(Page4::IDC_LAND_USE, "нов път");
    page->SetDlgItemText(Page4::IDC_HABITAT, "изсечено");
    page->CheckDlgButton(Page4::IDC_HABITAT_CHANGED, BST_UNCHECKED);
    Click(*page, Page4::IDC_HABITAT_CHANGED);  // closed, the text is kept
    EXPECT_FALSE(IsEnabled(*page, Page4::IDC_HABITAT));
    Leave();
    EXPECT_EQ(doc.SpecData_Fungus_04,
              (CSpecData_Fungus_04{4, "Предбалкан", "", "изсечено", "нов път", 0, 0, 1}));

    auto* found = dynamic_cast<CSpecForm_Fungus_05*>(ShowPage(RUNTIME_CLASS(CSpecForm_Fungus_05)));
    Answer<CDlg_Fungus_AddSpecies>({{-1, "5"}, {Id(0), "  "}, {Id(0), " 12 "}});
    Answer<CDlg_Fungus_AddSpecies>({{Id(1), "3"}});
    Answer<CDlg_Fungus_AddSpecies>({{Id(2), "40"}});
    Answer<CDlg_Fungus_AddSpecies>({{Id(1), "8"}});
    EXPECT_EQ(boxes.Texts(), (std::vector<CString>{kNoSpecies, kNoCount, kDuplicate}));
    CGridCtrl& grid = found->SpeciesGrid();
    ChangeRow(grid, 1, Id(0), "15");  // the same species, a new count
    boxes.Reset();
    ChangeRow(grid, 2, Id(0), "9");   // another row's species
    EXPECT_EQ(boxes.Texts(), std::vector<CString>{kDuplicate});
    grid.SetSelectedRange(3, 0, 3, 2);
    Click(*page, CSpecForm_Fungus_05::IDC_DELETE);
    EXPECT_EQ(GridColumn(grid, 1), (std::vector<CString>{Name(0), Name(1)}));
    EXPECT_EQ(GridColumn(grid, 2), (std::vector<CString>{"15", "3"}));
    Leave();

    CTovan_splitDoc loaded;
    boxes.Reset();
    StoreLoadAndPrint(loaded, {"Пробна площадка", "П-7", "Предбалкан", "нов път", Name(0), "15", Name(1)});
    EXPECT_EQ(loaded.SpecData_Fungus_04, doc.SpecData_Fungus_04);
    EXPECT_EQ(loaded.SpecData_Fungus_05, doc.SpecData_Fungus_05);
    EXPECT_TRUE(boxes.Texts().empty());
}

}  // namespace
