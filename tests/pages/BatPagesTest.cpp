// The bat pages and their dialogs: the rules of each dialog, the enabling and duplicate rules
// of the pages, the master-detail of the bat houses, what the pages leave in their records,
// and each bat form walked through its pages, stored, loaded, printed and deleted.
#include <string>
#include <tuple>

#include "controls/ComboHelpers.h"
#include "pages/species/DlgBatAddSpecies.h"
#include "pages/species/DlgBatHouseAdd.h"
#include "pages/species/DlgBatHouseSpecies.h"
#include "pages/species/DlgBatOtherSpecies.h"
#include "pages/species/DlgBatChoice.h"
#include "pages/species/SpecFormBat01Forest.h"
#include "pages/species/SpecFormBat02Forest.h"
#include "pages/species/SpecFormBat03Houses.h"
#include "pages/species/SpecFormBat04Caves.h"
#include "pages/species/SpecFormBat05Caves.h"
#include "pages/species/SpecFormBat06WetLand.h"
#include "pages/species/SpecFormBat07WetLand.h"
#include "tests/pages/PageFixture.h"

namespace {

using Messages = std::vector<CString>;
using Flags = std::vector<int>;

constexpr int kNilssonii = 430;  // Eptesicus nilssonii in _AllBats
constexpr int kNoctula = 1;         // _BatsInHouses

void Select(CGridCtrl& grid, int row) { grid.SetSelectedRange(row, 0, row, grid.GetColumnCount() - 1); }

// The enabled state of `count` consecutive controls.
Flags EnabledStates(const CWnd& window, int first, int count) {
    Flags states;
    for (int i = 0; i < count; ++i) states.push_back(window.GetDlgItem(first + i)->IsWindowEnabled() ? 1 : 0);
    return states;
}

// Fills a species dialog: the species by id (0: none), the count, the method boxes by number.
template <class Dialog>
void FillSpecies(Dialog& dialog, int species, const char* count, std::initializer_list<int> methods) {
    if (species) CComboHelpers::SelectByItemData(dialog.m_species, static_cast<DWORD>(species));
    dialog.SetDlgItemText(Dialog::IDC_COUNT, count);
    for (const int method : methods) dialog.CheckDlgButton(Dialog::IDC_FIRST_METHOD + method - 1, BST_CHECKED);
}

using BatPagesTest = PageTest;

// ---- the dialogs -------------------------------------------------------------------------

// A species of two words typed into the closed list is chosen: the space is typed like the
// letters and opens nothing, so the next click ticks the box it is given to. F4 and
// Alt+Down open the list, F4 and Escape close it again.
TEST_F(BatPagesTest, ASpaceIsTypedIntoTheSpeciesListWhichF4AndAltDownOpen) {
    const ModalRun script([](CDialog& shown) {
        auto& dialog = dynamic_cast<CDlg_Bat_OtherSpecies&>(shown);
        CComboBox& species = dialog.m_species;
        species.SetFocus();
        TypeText(&species, "plecotus aus");
        EXPECT_FALSE(species.GetDroppedState());
        CWnd* method = dialog.GetDlgItem(CDlg_Bat_OtherSpecies::IDC_FIRST_METHOD + 1);
        CRect box;
        method->GetClientRect(&box);
        ClickAt(method, CPoint(6, box.Height() / 2));
        EXPECT_EQ(dialog.IsDlgButtonChecked(CDlg_Bat_OtherSpecies::IDC_FIRST_METHOD + 1), BST_CHECKED);

        const std::pair<UINT, UINT> opening[] = {{VK_F4, 0}, {VK_DOWN, MK_ALT}};
        for (const auto& [key, modifiers] : opening) {
            PressKey(&species, key, modifiers);
            EXPECT_TRUE(species.GetDroppedState()) << key;
            PressKey(KeyTarget(species), key == VK_F4 ? VK_F4 : VK_ESCAPE);
            EXPECT_FALSE(species.GetDroppedState()) << key;
        }
        dialog.SetDlgItemText(CDlg_Bat_OtherSpecies::IDC_COUNT, "3");
        dialog.PressButton(IDOK);
    });
    CDlg_Bat_OtherSpecies dialog({1, 1, 1, 1});
    ASSERT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(std::pair(dialog.m_row.SpeciesName, dialog.m_row.Methods), std::pair(CString("Plecotus austriacus"), CString("2;")));
}

TEST_F(BatPagesTest, OtherSpeciesDialogRefusesInOrderAndWritesMethodsWithoutBlanks) {
    const ModalRun script([](CDialog& shown) {
        auto& dialog = dynamic_cast<CDlg_Bat_OtherSpecies&>(shown);
        dialog.PressButton(IDOK);
        FillSpecies(dialog, kNilssonii, "", {});
        dialog.PressButton(IDOK);
        dialog.SetDlgItemText(CDlg_Bat_OtherSpecies::IDC_COUNT, "0");
        dialog.PressButton(IDOK);
        FillSpecies(dialog, 0, "0", {2, 4});
        dialog.PressButton(IDOK);
    });
    CDlg_Bat_OtherSpecies dialog({1, 1, 1, 1});
    ASSERT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(boxes.Texts(), (Messages{"Няма избран вид.", "Няма въведен брой.", "Моля изберете метод."}));
    EXPECT_EQ(dialog.m_row.SpeciesID, kNilssonii);
    EXPECT_EQ(dialog.m_row.SpeciesName, "Eptesicus nilssonii");
    EXPECT_EQ(dialog.m_row.Methods, "2;4;");
    EXPECT_EQ(dialog.m_row.MethodFlags, (CForestMethodFlags{0, 1, 0, 1}));
    EXPECT_EQ(dialog.m_row.Count, 0);
}

TEST_F(BatPagesTest, AddSpeciesDialogTrimsTheCountAndOffersOnlyThePagesMethods) {
    const BYTE enabled[kCaveMethods] = {0, 1, 0, 1, 0};
    Flags shownEnabled;
    const ModalRun script([&](CDialog& shown) {
        auto& dialog = dynamic_cast<CDlg_Bat_AddSpecies&>(shown);
        shownEnabled = EnabledStates(dialog, CDlg_Bat_AddSpecies::IDC_FIRST_METHOD, kCaveMethods);
        dialog.PressButton(IDOK);
        FillSpecies(dialog, 3, "  ", {});
        dialog.PressButton(IDOK);
        dialog.SetDlgItemText(CDlg_Bat_AddSpecies::IDC_COUNT, " 25 ");
        dialog.PressButton(IDOK);
        FillSpecies(dialog, 0, " 25 ", {2, 4});
        dialog.PressButton(IDOK);
    });
    CDlg_Bat_AddSpecies dialog(kCaveMethods, enabled, FALSE, TRUE);
    ASSERT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(shownEnabled, (Flags{0, 1, 0, 1, 0}));
    EXPECT_EQ(boxes.Texts(), (Messages{"Моля изберете вид!", "Моля въведете брой!", "Моля изберете метод!"}));
    EXPECT_EQ(dialog.m_row.Methods, "2; 4;");
    EXPECT_EQ(dialog.m_row.MethodFlags, (std::vector<BYTE>{0, 1, 0, 1, 0}));
    EXPECT_EQ(dialog.m_row.Count, 25);
}

TEST_F(BatPagesTest, AddSpeciesDialogNamesTheWetlandMethodsAndHidesTheFifthBox) {
    std::vector<CString> captions;
    std::vector<bool> fifthShown;
    const ModalRun script([&](CDialog& shown) {
        for (int box = 0; box < kCaveMethods; ++box) captions.push_back(TextOf(shown, CDlg_Bat_AddSpecies::IDC_FIRST_METHOD + box));
        fifthShown.push_back(IsShown(shown, CDlg_Bat_AddSpecies::IDC_FIRST_METHOD + 4));
        shown.PressButton(IDCANCEL);
    });
    CDlg_Bat_AddSpecies(kWetlandMethods, nullptr, TRUE, FALSE).DoModal();
    CDlg_Bat_AddSpecies(kCaveMethods, nullptr, FALSE, FALSE).DoModal();
    EXPECT_EQ(captions, (std::vector<CString>{"1. Трансект с ултразвуков детектор", "2. Точка с ултразвуков детектор",
                                             "3. Улов с мрежи за прилепи", "4. Косвени данни", "5. Косвени данни",
                                             "1. Пряко наблюдение", "2. Преброяване по снимка", "3. Мрежи за прилепи",
                                             "4. Комбинирано", "5. Косвени данни"}));
    EXPECT_EQ(fifthShown, (std::vector<bool>{false, true}));
}

TEST_F(BatPagesTest, WithNoMethodTickedOnThePageTheChoiceOffersNoneAndGivesNoMethods) {
    ShowPage(RUNTIME_CLASS(CSpecForm_Bat_01_Forest));
    using Page = CSpecForm_Bat_01_Forest;
    Tick(*page, Page::IDC_BAT2);
    Flags offered;
    const ModalRun script([&offered](CDialog& shown) {
        offered = EnabledStates(shown, CDlg_Choice::IDC_FIRST_METHOD, kForestMethods);
        shown.PressButton(IDOK);
    });
    Click(*page, Page::IDC_BAT2_CHOOSE);
    EXPECT_EQ(offered, (Flags{0, 0, 0, 0}));
    EXPECT_EQ(TextOf(*page, Page::IDC_BAT2_METHODS), "");
}

TEST_F(BatPagesTest, HouseDialogsCheckTheirFieldsAndCountsTakeDigitsOnly) {
    const ModalRun addHouse([](CDialog& shown) {
        shown.SetDlgItemText(CDlg_BatHouse_Add::IDC_NUMBER, "   ");
        shown.PressButton(IDOK);
        shown.SetDlgItemText(CDlg_BatHouse_Add::IDC_NUMBER, " 12-а ");
        shown.PressButton(IDOK);  // the condition may stay unknown
    });
    CDlg_BatHouse_Add house;
    ASSERT_EQ(house.DoModal(), IDOK);
    EXPECT_EQ(house.m_row, (CBatHouseInfo{"12-а", -1, ""}));

    CString typed;
    const ModalRun addSpecies([&typed](CDialog& shown) {
        auto& dialog = dynamic_cast<CDlg_BatHouse_Species&>(shown);
        dialog.PressButton(IDOK);
        CComboHelpers::SelectByItemData(dialog.m_species, kNoctula);
        dialog.PressButton(IDOK);
        CWnd* count = dialog.GetDlgItem(CDlg_BatHouse_Species::IDC_COUNT);
        count->SetFocus();
        for (const char key : std::string("1x-2")) count->SendMessage(WM_CHAR, static_cast<WPARAM>(key));
        count->GetWindowText(typed);
        dialog.PressButton(IDOK);
    });
    CDlg_BatHouse_Species species;
    ASSERT_EQ(species.DoModal(), IDOK);
    EXPECT_EQ(typed, "12");
    EXPECT_EQ(boxes.Texts(), (Messages{"Моля въведете номер на къщичката!", "Моля изберете вид!", "Моля въведете брой!"}));
    EXPECT_EQ(species.m_row.BatsInHouseName, "Nyctalus noctula");
    EXPECT_EQ(species.m_row.SpeciesCount, "12");
}

TEST_F(BatPagesTest, ADatabaseErrorWhileTheListFillsIsShownAndTheDialogStillOpens) {
    Exec("drop table _AllBats");
    bool opened = false;
    const ModalRun script([&opened](CDialog& shown) {
        opened = true;
        shown.PressButton(IDOK);  // nothing to choose: refused
        shown.PressButton(IDCANCEL);
    });
    EXPECT_EQ(CDlg_Bat_OtherSpecies({1, 1, 1, 1}).DoModal(), IDCANCEL);
    EXPECT_TRUE(opened);
    ASSERT_EQ(boxes.Texts().size(), 2u);
    EXPECT_NE(boxes.Texts()[0].Find("_AllBats"), -1) << boxes.Texts()[0].GetString();
    EXPECT_EQ(boxes.Texts()[1], "Няма избран вид.");
}

// ---- forest pages ------------------------------------------------------------------------

TEST_F(BatPagesTest, ForestSpeciesEnableTheirFieldsLockTheMethodsAndForgetWhenUnticked) {
    ShowPage(RUNTIME_CLASS(CSpecForm_Bat_01_Forest));
    using Page = CSpecForm_Bat_01_Forest;
    EXPECT_FALSE(IsEnabled(*page, Page::IDC_BAT1_CHOOSE));
    page->CheckDlgButton(Page::IDC_FIRST_METHOD, BST_CHECKED);
    page->CheckDlgButton(Page::IDC_FIRST_METHOD + 2, BST_CHECKED);
    Tick(*page, Page::IDC_BAT1);
    EXPECT_EQ(EnabledStates(*page, Page::IDC_FIRST_METHOD, kForestMethods), (Flags{0, 0, 0, 0}));
    EXPECT_TRUE(IsEnabled(*page, Page::IDC_BAT1_CHOOSE) && IsEnabled(*page, Page::IDC_BAT1_COUNT) && IsEnabled(*page, 2570));
    EXPECT_FALSE(IsEnabled(*page, Page::IDC_BAT2_CHOOSE) || IsEnabled(*page, Page::IDC_BAT2_COUNT));

    Flags dialogEnabled;
    const ModalRun script([&dialogEnabled](CDialog& shown) {
        dialogEnabled = EnabledStates(shown, CDlg_Choice::IDC_FIRST_METHOD, kForestMethods);
        shown.CheckDlgButton(CDlg_Choice::IDC_FIRST_METHOD + 2, BST_CHECKED);
        shown.PressButton(IDOK);
    });
    Click(*page, Page::IDC_BAT1_CHOOSE);
    EXPECT_EQ(dialogEnabled, (Flags{1, 0, 1, 0}));
    EXPECT_EQ(TextOf(*page, Page::IDC_BAT1_METHODS), "3;");
    page->SetDlgItemText(Page::IDC_BAT1_COUNT, "17");
    page->SetDlgItemText(Page::IDC_BAT1_METHODS, "9; 9;");  // cannot be typed into
    EXPECT_EQ(TextOf(*page, Page::IDC_BAT1_METHODS), "3;");
    Leave();
    const CSpecData_Bat_01_Forest& forest = doc.SpecData_Bat_01_Forest;
    EXPECT_EQ(forest.PageMethods, (CForestMethodFlags{1, 0, 1, 0}));
    EXPECT_EQ(std::tuple(forest.Bat1Checked, forest.Bat1Method, forest.Bat1Count), std::tuple(1, CString("3;"), 17));
    EXPECT_EQ(forest.Bat1MethodFlags, (CForestMethodFlags{0, 0, 1, 0}));

    ShowPage(RUNTIME_CLASS(CSpecForm_Bat_01_Forest));
    EXPECT_EQ(EnabledStates(*page, Page::IDC_FIRST_METHOD, kForestMethods), (Flags{0, 0, 0, 0}));
    Tick(*page, Page::IDC_BAT1, false);
    EXPECT_EQ(EnabledStates(*page, Page::IDC_FIRST_METHOD, kForestMethods), (Flags{1, 1, 1, 1}));
    EXPECT_EQ(TextOf(*page, Page::IDC_BAT1_METHODS), "");
    EXPECT_EQ(TextOf(*page, Page::IDC_BAT1_COUNT), "");
    Leave();
    EXPECT_EQ(std::tuple(forest.Bat1Checked, forest.Bat1Method, forest.Bat1Count), std::tuple(0, CString(), -1));
    EXPECT_EQ(forest.Bat1MethodFlags, (CForestMethodFlags{0, 0, 0, 0}));
}

TEST_F(BatPagesTest, OtherForestSpeciesAreAddedChangedAndDeletedWithoutDuplicates) {
    ShowPage(RUNTIME_CLASS(CSpecForm_Bat_02_Forest));
    auto* forest = dynamic_cast<CSpecForm_Bat_02_Forest*>(page);
    const auto add = [this](int species, const char* count) {
        const ModalRun script([=](CDialog& shown) {
            FillSpecies(dynamic_cast<CDlg_Bat_OtherSpecies&>(shown), species, count, {1});
            shown.PressButton(IDOK);
        });
        Click(*page, CSpecForm_Bat_02_Forest::IDC_ADD);
    };
    add(kNilssonii, "3");
    add(kNilssonii + 1, "4");
    add(kNilssonii, "9");
    EXPECT_EQ(boxes.Texts(), Messages{"Този вид вече присъства в списъка!"});

    const auto change = [forest](int row, int species, const char* count) {
        const ModalRun script([=](CDialog& shown) {
            auto& dialog = dynamic_cast<CDlg_Bat_OtherSpecies&>(shown);
            EXPECT_EQ(dialog.m_count, row == 1 ? "3" : "4");
            if (species) CComboHelpers::SelectByItemData(dialog.m_species, static_cast<DWORD>(species));
            dialog.SetDlgItemText(CDlg_Bat_OtherSpecies::IDC_COUNT, count);
            dialog.PressButton(IDOK);
        });
        forest->SpeciesGrid().SendMessageToParent(row, 1, NM_DBLCLK);
    };
    change(2, kNilssonii, "5");  // the species of the other row: refused
    change(1, 0, "8");              // its own species: accepted
    EXPECT_EQ(boxes.Texts().size(), 2u);
    EXPECT_EQ(GridColumn(forest->SpeciesGrid(), 3), (std::vector<CString>{"8", "4"}));
    EXPECT_EQ(GridColumn(forest->SpeciesGrid(), 2), (std::vector<CString>{"1;", "1;"}));

    Select(forest->SpeciesGrid(), 1);
    Click(*page, CSpecForm_Bat_02_Forest::IDC_DELETE);
    EXPECT_EQ(GridColumn(forest->SpeciesGrid(), 0), std::vector<CString>{"1"});
    Keys(*page, CSpecForm_Bat_02_Forest::IDC_BLANK_NUM, "123456789");
    Leave();
    ASSERT_EQ(doc.SpecData_Bat_02_Forest.ExtraBats.GetSize(), 1);
    EXPECT_EQ(doc.SpecData_Bat_02_Forest.ExtraBats[0].SpeciesID, kNilssonii + 1);
    EXPECT_EQ(doc.SpecData_Bat_02_Forest.BlankNum, "12345678");
}

// ---- bat houses --------------------------------------------------------------------------

TEST_F(BatPagesTest, HouseSpeciesFollowTheClickedHouseAndNeedOneWholeHouseRow) {
    ShowPage(RUNTIME_CLASS(CSpecForm_Bat_03_Houses));
    auto* houses = dynamic_cast<CSpecForm_Bat_03_Houses*>(page);
    using Page = CSpecForm_Bat_03_Houses;
    Click(*page, Page::IDC_ADD_SPECIES);
    const auto addHouse = [this](const char* number) {
        const ModalRun script([=](CDialog& shown) {
            shown.SetDlgItemText(CDlg_BatHouse_Add::IDC_NUMBER, number);
            CComboHelpers::SelectByItemData(dynamic_cast<CDlg_BatHouse_Add&>(shown).m_condition, 2);
            shown.PressButton(IDOK);
        });
        Click(*page, Page::IDC_ADD_HOUSE);
    };
    const auto addSpecies = [this](int species, const char* count) {
        const ModalRun script([=](CDialog& shown) {
            auto& dialog = dynamic_cast<CDlg_BatHouse_Species&>(shown);
            CComboHelpers::SelectByItemData(dialog.m_species, static_cast<DWORD>(species));
            dialog.SetDlgItemText(CDlg_BatHouse_Species::IDC_COUNT, count);
            dialog.PressButton(IDOK);
        });
        Click(*page, Page::IDC_ADD_SPECIES);
    };
    const auto clickHouse = [houses](int row) {
        houses->HouseGrid().SendMessageToParent(row, 0, GVN_SELCHANGING);
        Select(houses->HouseGrid(), row);
    };
    addHouse("7");
    addSpecies(kNoctula, "3");
    addHouse("7");  // numbers may repeat
    clickHouse(1);
    addSpecies(kNoctula, "3");
    addSpecies(kNoctula, "5");  // no duplicate test inside a house
    clickHouse(2);
    EXPECT_EQ(GridColumn(houses->SpeciesGrid(), 0), std::vector<CString>());
    addSpecies(3, "1");
    clickHouse(1);
    EXPECT_EQ(GridColumn(houses->SpeciesGrid(), 2), (std::vector<CString>{"3", "5"}));
    EXPECT_EQ(GridColumn(houses->HouseGrid(), 1), (std::vector<CString>{"Повредена", "Повредена"}));

    Select(houses->SpeciesGrid(), 1);
    Click(*page, Page::IDC_DELETE_SPECIES);
    EXPECT_EQ(GridColumn(houses->SpeciesGrid(), 2), std::vector<CString>{"5"});
    Click(*page, Page::IDC_DELETE_HOUSE);
    EXPECT_EQ(GridColumn(houses->HouseGrid(), 0), std::vector<CString>{"7"});
    EXPECT_EQ(GridColumn(houses->SpeciesGrid(), 0), std::vector<CString>());  // the removed house's species are gone
    Click(*page, Page::IDC_ADD_SPECIES);  // no house selected now
    EXPECT_EQ(boxes.Texts(), (Messages{"Моля първо въведете къщичка за която искате да добавите вид!",
                                  "Моля първо изберете  къщичка за която искате да добавите вид!",
                                  "Моля първо изберете  къщичка за която искате да добавите вид!"}));
    Leave();
    ASSERT_EQ(doc.SpecData_Bat_03_Houses.BatHouses.GetSize(), 1);
    const CBatHouse& left = doc.SpecData_Bat_03_Houses.BatHouses[0];
    EXPECT_EQ(std::tuple(left.HouseNum, left.HouseConditionID, left.Species.GetSize()), std::tuple(CString("7"), 2, 1));
}

// ---- caves and wetlands ------------------------------------------------------------------

TEST_F(BatPagesTest, TargetSpeciesCanOnlyBeAddedWithMethodsTickedOnThePage) {
    ShowPage(RUNTIME_CLASS(CSpecForm_Bat_06_WetLand));
    auto* wetland = dynamic_cast<CSpecForm_Bat_06_WetLand*>(page);
    Flags offered;
    const auto add = [&](int species, std::initializer_list<int> methods) {
        const ModalRun script([&](CDialog& shown) {
            auto& dialog = dynamic_cast<CDlg_Bat_AddSpecies&>(shown);
            offered = EnabledStates(dialog, CDlg_Bat_AddSpecies::IDC_FIRST_METHOD, kWetlandMethods);
            FillSpecies(dialog, species, "4", methods);
            dialog.PressButton(IDOK);
            if (!dialog.IsEnded()) dialog.PressButton(IDCANCEL);
        });
        Click(*page, CBatSpeciesListPage::IDC_ADD);
    };
    add(2, {});
    EXPECT_EQ(offered, (Flags{0, 0, 0, 0}));
    EXPECT_EQ(boxes.Texts(), Messages{"Моля изберете метод!"});
    page->CheckDlgButton(CBatSpeciesListPage::IDC_FIRST_METHOD + 1, BST_CHECKED);
    add(2, {2});
    add(2, {2});
    EXPECT_EQ(offered, (Flags{0, 1, 0, 0}));
    EXPECT_EQ(boxes.Texts().back(), "Този вид вече присъства в списъка!");
    EXPECT_EQ(GridColumn(wetland->SpeciesGrid(), 1), std::vector<CString>{"Myotis dasycneme"});
    wetland->SpeciesGrid().SendMessageToParent(1, 1, NM_DBLCLK);  // no change by double click
    Leave();
    EXPECT_EQ(doc.SpecData_Bat_06_WetLand.Methods, (CWetlandMethodFlags{0, 1, 0, 0}));
    ASSERT_EQ(doc.SpecData_Bat_06_WetLand.Species.GetSize(), 1);
    EXPECT_EQ(doc.SpecData_Bat_06_WetLand.Species[0].Methods, "2;");
}

// ---- forms 17 to 20 as a user walks them: the bat pages filled through their controls,
// stored, read back, printed with what was typed, and deleted ------------------------------

constexpr int kCaveForm = 17, kWetlandForm = 18, kForestForm = 19, kHouseForm = 20;

class BatEndToEndTest : public PrintingPageTest {
protected:
    void Start(int formTypeId) {
        doc.SpeciesID = 430;
        doc.SpeciesName = "Chiroptera";
        doc.FormTypeID = formTypeId;
        doc.CommonData_01.SiteName = "Пещера 'Бацова'";
        doc.CommonData_01.PlaceID = CCommonData_01::kNewSite;
    }

    // Adds a species through the cave and wetland dialog.
    void AddSpecies(int species, const char* count, int method) {
        WithDialog<CDlg_Bat_AddSpecies>([=](auto& dialog) { FillSpecies(dialog, species, count, {method}); },
                                        [this] { Click(*page, CBatSpeciesListPage::IDC_ADD); });
    }

    // Stores the form, loads it as it was typed, prints it with each of `typed` and deletes
    // it. Gives the printed text.
    std::string StorePrintAndDelete(const std::vector<const char*>& typed) {
        const auto records = [](const CTovan_splitDoc& form) {
            CSpecData_Bat_03_Houses houses = form.SpecData_Bat_03_Houses;
            for (CBatHouse& house : houses.BatHouses)
                for (CBatHouseSpecies& species : house.Species) species.Extra = -1;  // the page's own, never stored
            return std::tuple(form.SpecData_Bat_01_Forest, form.SpecData_Bat_02_Forest, houses, form.SpecData_Bat_04_Caves,
                              form.SpecData_Bat_05_Caves, form.SpecData_Bat_06_WetLand, form.SpecData_Bat_07_WetLand);
        };
        const auto typedRecords = records(doc);
        const int formId = StoreNew();
        Open(formId, FALSE);
        EXPECT_EQ(records(doc), typedRecords);
        return PrintAndDelete(formId, typed);
    }
};

TEST_F(BatEndToEndTest, CaveForm) {
    Start(kCaveForm);
    ShowPage(RUNTIME_CLASS(CSpecForm_Bat_04_Caves));
    page->CheckDlgButton(CBatSpeciesListPage::IDC_FIRST_METHOD + 3, BST_CHECKED);
    AddSpecies(7, "312", 4);
    ShowPage(RUNTIME_CLASS(CSpecForm_Bat_05_Caves));
    AddSpecies(434, "9", 5);
    page->SetDlgItemText(CSpecForm_Bat_05_Caves::IDC_COLONY, "Под купола 'Голямата зала'");
    Leave();
    StorePrintAndDelete({"Пещера 'Бацова'", "312", "Plecotus austriacus", "Под купола 'Голямата зала'"});
}

TEST_F(BatEndToEndTest, WetlandForm) {
    Start(kWetlandForm);
    ShowPage(RUNTIME_CLASS(CSpecForm_Bat_06_WetLand));
    page->CheckDlgButton(CBatSpeciesListPage::IDC_FIRST_METHOD, BST_CHECKED);
    AddSpecies(3, "41", 1);
    ShowPage(RUNTIME_CLASS(CSpecForm_Bat_07_WetLand));
    AddSpecies(436, "2", 3);
    page->SetDlgItemText(CBatSpeciesListPage::IDC_CHANGES, "Пресушено блато");
    Leave();
    StorePrintAndDelete({"41", "Tadarida teniotis", "Пресушено блато"});
}

TEST_F(BatEndToEndTest, ForestForm) {
    Start(kForestForm);
    ShowPage(RUNTIME_CLASS(CSpecForm_Bat_01_Forest));
    page->CheckDlgButton(CSpecForm_Bat_01_Forest::IDC_FIRST_METHOD + 2, BST_CHECKED);
    Tick(*page, CSpecForm_Bat_01_Forest::IDC_BAT2);
    page->SetDlgItemText(CSpecForm_Bat_01_Forest::IDC_BAT2_COUNT, "26");
    ShowPage(RUNTIME_CLASS(CSpecForm_Bat_02_Forest));
    WithDialog<CDlg_Bat_OtherSpecies>([](auto& dialog) { FillSpecies(dialog, 435, "5", {4}); },
                                      [this] { Click(*page, CSpecForm_Bat_02_Forest::IDC_ADD); });
    page->SetDlgItemText(CSpecForm_Bat_02_Forest::IDC_BLANK_NUM, "Ф-17");
    Leave();
    const std::string text = StorePrintAndDelete({"26", "Miniopterus schreibersii", "Ф-17"});
    EXPECT_EQ(text.find("\n-1\n"), std::string::npos);  // the first species, unticked, has no count
}

TEST_F(BatEndToEndTest, HouseForm) {
    Start(kHouseForm);
    ShowPage(RUNTIME_CLASS(CSpecForm_Bat_03_Houses));
    auto* houses = dynamic_cast<CSpecForm_Bat_03_Houses*>(page);
    WithDialog<CDlg_BatHouse_Add>([](auto& dialog) {
        dialog.SetDlgItemText(CDlg_BatHouse_Add::IDC_NUMBER, "К-12");
        CComboHelpers::SelectByItemData(dialog.m_condition, 3);
    }, [this] { Click(*page, CSpecForm_Bat_03_Houses::IDC_ADD_HOUSE); });
    houses->HouseGrid().SetSelectedRange(1, 0, 1, 1);
    WithDialog<CDlg_BatHouse_Species>([](auto& dialog) {
        CComboHelpers::SelectByItemData(dialog.m_species, 9);
        dialog.SetDlgItemText(CDlg_BatHouse_Species::IDC_COUNT, "33");
    }, [this] { Click(*page, CSpecForm_Bat_03_Houses::IDC_ADD_SPECIES); });
    page->SetDlgItemText(CSpecForm_Bat_03_Houses::IDC_FORM_NUM, "Б-2024/7");
    Leave();
    StorePrintAndDelete({"К-12", "Plecotus auritus", "33", "+", "Б-2024/7"});
}

}  // namespace
