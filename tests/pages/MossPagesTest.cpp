// The moss pages and their row dialogs, each page shown, worked and left: the distance rules,
// the species tables with their duplicate rules, the percent fields, the filtered lists, the
// tuft locations and the tufts (pages 01 to 07); the stump dialog's rules and the degree
// column, the hidden shrub cover, the rock blocks' numbers, the tuft-position lists and the
// trees rule of the bog (08 to 13); the signed fields of the bog, the trees' part locked with
// its box, and the variant steps that edit the records of pages 02, 05 and 14 (14 to 23).
#include "controls/PercentEdit.h"
#include "pages/species/DlgMossAddTree.h"
#include "pages/species/DlgMossAddTuft.h"
#include "pages/species/DlgMossColony.h"
#include "pages/species/DlgMossRows.h"
#include "pages/species/SpecFormMoss01.h"
#include "pages/species/SpecFormMoss02.h"
#include "pages/species/SpecFormMoss03.h"
#include "pages/species/SpecFormMoss04.h"
#include "pages/species/SpecFormMoss05.h"
#include "pages/species/SpecFormMoss07.h"
#include "pages/species/SpecFormMoss08.h"
#include "pages/species/SpecFormMoss09.h"
#include "pages/species/SpecFormMoss10.h"
#include "pages/species/SpecFormMoss11.h"
#include "pages/species/SpecFormMoss13.h"
#include "pages/species/SpecFormMoss14.h"
#include "pages/species/SpecFormMoss15.h"
#include "pages/species/SpecFormMoss17.h"
#include "pages/species/SpecFormMoss18.h"
#include "pages/species/SpecFormMoss19.h"
#include "pages/species/SpecFormMoss20.h"
#include "pages/species/SpecFormMoss21.h"
#include "pages/species/SpecFormMoss22.h"
#include "pages/species/SpecFormMoss23.h"
#include "platform/SystemInfo.h"
#include "tests/pages/PageFixture.h"

// Page 02 as the step 7022 shows it.
class CTestMossPage22 : public CSpecForm_Moss_02 {
    DECLARE_DYNCREATE(CTestMossPage22)
public:
    CTestMossPage22() : CSpecForm_Moss_02(7022) {}
};
IMPLEMENT_DYNCREATE(CTestMossPage22, CSpecForm_Moss_02)

namespace {

using AddSpecies = CDlg_Moss_AddSpecies;
using Tuft = CDlg_Moss_Tuft;
constexpr int kFagus = 1, kAbies = 2;  // _AllTreesMoss

class MossPages : public PageTest {
protected:
    CGridCtrl& Grid(int id) { return *dynamic_cast<CGridCtrl*>(page->GetDlgItem(id)); }

    // The species dialog answered with the Bulgarian entry of `id` (when it is > 0), then OK.
    void PickSpecies(int buttonOrRow, int gridId, int id) {
        const ModalRun script([id](CDialog& shown) {
            if (id > 0) Choose(shown, AddSpecies::IDC_BULGARIAN, id);
            shown.PressButton(IDOK);
            if (!shown.IsEnded()) shown.PressButton(IDCANCEL);
        });
        if (buttonOrRow == 0) Click(*page, 2596);
        else Grid(gridId).SendMessageToParent(buttonOrRow, 1, NM_DBLCLK);
    }

    // The tuft dialog with an area and the spore answer `spore` (-1: none).
    void AddTuft(const char* area, int spore) {
        const ModalRun script([&](CDialog& shown) {
            shown.SetDlgItemText(Tuft::IDC_AREA, area);
            if (spore > 0) Choose(shown, Tuft::IDC_SPORE, spore);
            shown.PressButton(IDOK);
            if (!shown.IsEnded()) shown.PressButton(IDCANCEL);
        });
        Click(*page, 2596);
    }
};

TEST_F(MossPages, DistancesOpenWithTheirBoxAndUntickingThrowsTheDistanceAway) {
    doc.SpecData_Moss_01.bCheckRivers = 1;
    doc.SpecData_Moss_01.RiverDist = "0120";
    doc.SpecData_Moss_01.RoadsDist = "77";  // a distance without its box is thrown away at once
    ShowPage(RUNTIME_CLASS(CSpecForm_Moss_01));
    const auto& rows = CSpecForm_Moss_01::kRowIds;
    EXPECT_TRUE(IsEnabled(*page, rows[4].distance));
    EXPECT_FALSE(IsEnabled(*page, rows[5].distance));
    EXPECT_EQ(TextOf(*page, rows[5].distance), "");

    Tick(*page, rows[4].check, false);
    Tick(*page, rows[4].check);
    EXPECT_TRUE(IsEnabled(*page, rows[4].label));
    EXPECT_EQ(TextOf(*page, rows[4].distance), "");
    Tick(*page, rows[7].check);
    Keys(*page, rows[7].distance, "0a12345");
    Leave();
    const CSpecData_Moss_01& near = doc.SpecData_Moss_01;
    EXPECT_EQ(std::tuple(near.bCheckRivers, near.RiverDist, near.bCheckTouristsPath, near.ToursitPathDist, near.RoadsDist),
              std::tuple(1, CString(), 1, CString("0123"), CString()));
}

// A distance field waiting for its box is drawn disabled, on the dialog's face, not white as
// if it took typing; ticked, it is white; read-only, on the face again.
TEST_F(MossPages, ADistanceWaitingForItsBoxLooksDisabled) {
    ShowPage(RUNTIME_CLASS(CSpecForm_Moss_01));
    const auto& row = CSpecForm_Moss_01::kRowIds[2];
    auto* field = dynamic_cast<CEdit*>(page->GetDlgItem(row.distance));
    ASSERT_NE(field, nullptr);
    CRect area;
    field->GetClientRect(&area);
    const CPoint inside(area.right - 4, area.Height() / 2);
    EXPECT_EQ(PixelOf(field, inside), GetSysColor(COLOR_3DFACE));
    Tick(*page, row.check);
    EXPECT_EQ(PixelOf(field, inside), GetSysColor(COLOR_WINDOW));
    field->SetReadOnly(TRUE);
    EXPECT_EQ(PixelOf(field, inside), GetSysColor(COLOR_3DFACE));
}

TEST_F(MossPages, TreesAreListedOnceAndTheLinkedListsFollowEachOther) {
    std::vector<CString> latinShown;
    {
        const ModalRun script([&](CDialog& shown) {
            shown.PressButton(IDOK);  // nothing chosen
            Choose(shown, AddSpecies::IDC_BULGARIAN, kAbies);
            latinShown.push_back(dynamic_cast<CComboBox*>(shown.GetDlgItem(AddSpecies::IDC_LATIN))->GetCurSel() >= 0
                                     ? TextOf(shown, AddSpecies::IDC_LATIN) : CString());
            Choose(shown, AddSpecies::IDC_LATIN, kFagus);
            latinShown.push_back(TextOf(shown, AddSpecies::IDC_BULGARIAN));
            shown.PressButton(IDOK);
        });
        ShowPage(RUNTIME_CLASS(CSpecForm_Moss_02));
        Click(*page, 2596);
    }
    EXPECT_EQ(latinShown, (std::vector<CString>{"Abies alba", "Обикновен бук"}));
    EXPECT_EQ(boxes.Texts(), std::vector<CString>{"Моля изберете вид!"});
    boxes.Reset();

    PickSpecies(0, 2456, kAbies);
    PickSpecies(0, 2456, kFagus);  // listed already
    PickSpecies(2, 2456, kFagus);  // the second row may not become the first one's species
    PickSpecies(1, 2456, kFagus);  // an edit keeping its own species
    EXPECT_EQ(boxes.Texts(), (std::vector<CString>{"Този вид вече присъства в списъка!", "Този вид вече присъства в списъка!"}));
    Choose(*page, CSpecForm_Moss_02::IDC_COMMUNITY, 3);
    Leave();
    const CSpecData_Moss_02& habitat = doc.SpecData_Moss_02;
    ASSERT_EQ(habitat.Trees.GetSize(), 2);
    EXPECT_EQ(habitat.Trees[0], (CMossSpeciesRow{"Fagus sylvatica", kFagus, "Обикновен бук", kFagus}));
    EXPECT_EQ(habitat.Trees[1].ID_lat, kAbies);
    EXPECT_EQ(habitat.HommiesType, 3);

    // Step 7022 shows no community, and the record keeps it.
    ShowPage(RUNTIME_CLASS(CTestMossPage22));
    EXPECT_FALSE(IsShown(*page, CSpecForm_Moss_02::IDC_COMMUNITY));
    EXPECT_FALSE(IsShown(*page, CSpecForm_Moss_02::IDC_COMMUNITY_LABEL));
    Leave();
    EXPECT_EQ(doc.SpecData_Moss_02.HommiesType, 3);
}

TEST_F(MossPages, ShrubsMayRepeatOnEditAndPercentsStopAtAHundred) {
    ShowPage(RUNTIME_CLASS(CSpecForm_Moss_03));
    PickSpecies(0, CSpecForm_Moss_03::IDC_SPECIES, 1);
    PickSpecies(0, CSpecForm_Moss_03::IDC_SPECIES, 2);
    PickSpecies(2, CSpecForm_Moss_03::IDC_SPECIES, 1);  // no test on an edit
    Keys(*page, CSpecForm_Moss_03::IDC_BUSHES, "101");
    Keys(*page, CSpecForm_Moss_03::IDC_GRASS, "100");
    Keys(*page, CSpecForm_Moss_03::IDC_TILT, "456");
    EXPECT_EQ(boxes.Texts(), std::vector<CString>{CPercentEdit::kTooLarge});
    Click(*page, CSpecForm_Moss_03::IDC_ROCKS_NO);
    Choose(*page, CSpecForm_Moss_03::IDC_EXPOSURE, 3);
    Leave();
    const CSpecData_Moss_03& habitat = doc.SpecData_Moss_03;
    EXPECT_EQ(std::tuple(habitat.GrassBush.GetSize(), habitat.GrassBush[1].ID_lat, habitat.BushesPercent,
                         habitat.GrassPercent, habitat.Tilt, habitat.RocksExists, habitat.RocksExistsName, habitat.ExposureID),
              std::tuple(2, 1, CString("10"), CString("100"), CString("45"), 1, CString("Не"), 3));

    doc.SpecData_Moss_03.RocksExists = -1;  // unanswered stays unanswered
    ShowPage(RUNTIME_CLASS(CSpecForm_Moss_03));
    Leave();
    EXPECT_EQ(doc.SpecData_Moss_03.RocksExistsName, "");
}

TEST_F(MossPages, TuftSituationsAreFilteredAndTuftsAskOnlyForTheirArea) {
    ShowPage(RUNTIME_CLASS(CSpecForm_Moss_04));
    EXPECT_EQ(ListOf(*page, CSpecForm_Moss_04::IDC_GRASS_COVER),
              (Entries{{3, "Разредена тревна покривка"}, {4, "Гъста тревна покривка"}}));
    EXPECT_EQ(ListOf(*page, CSpecForm_Moss_04::IDC_SUNSHINE), (Entries{{5, "Огрявани места"}, {6, "Сенчести места"}}));
    BOOL sporeShown = TRUE;
    {
        const ModalRun script([&](CDialog& shown) {
            sporeShown = IsShown(shown, Tuft::IDC_SPORE) || IsShown(shown, Tuft::IDC_SPORE_LABEL);
            shown.PressButton(IDOK);  // no area
            shown.SetDlgItemText(Tuft::IDC_AREA, "12.5");
            shown.PressButton(IDOK);
        });
        Click(*page, 2596);
    }
    EXPECT_FALSE(sporeShown);
    AddTuft("12.5", -1);  // the same area again is another tuft
    EXPECT_EQ(boxes.Texts(), std::vector<CString>{"Моля попълнете полето 'Площ на чимчето(кв.см)' !"});
    Choose(*page, CSpecForm_Moss_04::IDC_SUNSHINE, 6);
    Leave();
    const CSpecData_Moss_04& tufts = doc.SpecData_Moss_04;
    EXPECT_EQ(std::tuple(tufts.GrassCoverID, tufts.SunshineID, tufts.SunshineIDName, tufts.Turfs.GetSize()),
              std::tuple(-1, 6, CString("Сенчести места"), 2));
    EXPECT_EQ(tufts.Turfs[1], (CMoss04Row{"12.5", -1, ""}));
}

// Without the spore answer the tuft dialog closes the gap the answer leaves: as much smaller
// as its buttons move up, the margin below them kept, and centred like the full one.
TEST_F(MossPages, ATuftDialogWithoutTheSporeAnswerShrinksAndStaysCentred) {
    ShowPage(RUNTIME_CLASS(CSpecForm_Moss_04));
    struct Shown {
        CRect window, client, ok;
    };
    const auto open = [this](int sporeFlag) {
        Shown seen;
        const ModalRun script([&seen](CDialog& shown) {
            shown.GetWindowRect(&seen.window);
            shown.GetClientRect(&seen.client);
            shown.GetDlgItem(IDOK)->GetWindowRect(&seen.ok);
            shown.ScreenToClient(&seen.ok);
            shown.PressButton(IDCANCEL);
        });
        Tuft(nullptr, sporeFlag, page).DoModal();
        return seen;
    };
    const Shown full = open(1), small = open(0);
    EXPECT_EQ(small.window.Size(), CSize(full.window.Width(), full.window.Height() - Tuft::kGap));
    EXPECT_EQ(small.ok.top, full.ok.top - Tuft::kGap);
    EXPECT_EQ(small.client.bottom - small.ok.bottom, full.client.bottom - full.ok.bottom);
    CRect owner;
    page->GetTopLevelParent()->GetWindowRect(&owner);
    for (const Shown& shown : {full, small}) {  // over the main window, up to its borders
        EXPECT_NEAR(shown.window.CenterPoint().x, owner.CenterPoint().x, 4);
        EXPECT_NEAR(shown.window.CenterPoint().y, owner.CenterPoint().y, 4);
    }
}

TEST_F(MossPages, CompanionsAreListedOnceAndTheHiddenValuesPassThrough) {
    doc.SpecData_Moss_05.Area = "кв.м";
    doc.SpecData_Moss_05.Attendants.Add({"Anomodon viticulosus", 1001, " 7"});
    doc.SpecData_Moss_05.Attendants.Add({"Atrichum undulatum", 1002, ""});
    ShowPage(RUNTIME_CLASS(CSpecForm_Moss_05));
    const auto pick = [this](int rowOrAdd, int id) {
        const ModalRun script([id](CDialog& shown) {
            if (id > 0) Choose(shown, CDlg_Moss_Companion::IDC_SPECIES, id);
            shown.PressButton(IDOK);
            if (!shown.IsEnded()) shown.PressButton(IDCANCEL);
        });
        if (rowOrAdd == 0) Click(*page, 2596);
        else Grid(CSpecForm_Moss_05::IDC_COMPANIONS).SendMessageToParent(rowOrAdd, 1, NM_DBLCLK);
    };
    pick(0, -1);
    pick(0, 1002);
    pick(2, 1001);
    pick(1, 1001);
    pick(2, 1003);
    EXPECT_EQ(boxes.Texts(), (std::vector<CString>{"Моля попълнете полето 'Научно име' !", "Този вид вече присъства в списъка!",
                                              "Този вид вече присъства в списъка!"}));
    Keys(*page, CSpecForm_Moss_05::IDC_COVER, "85");
    Leave();
    const CSpecData_Moss_05& companions = doc.SpecData_Moss_05;
    ASSERT_EQ(companions.Attendants.GetSize(), 2);
    EXPECT_EQ(companions.Attendants[0].PercentCoverage, "7");  // trimmed by the dialog
    EXPECT_EQ(companions.Attendants[1].Name, "Aulacomnium palustre");
    EXPECT_EQ(std::tuple(companions.PercentCoverage, companions.Area), std::tuple(CString("85"), CString("кв.м")));
}

TEST_F(MossPages, TuftLocationsKeepTheOrderChosenAndTuftsNeedTheSporeAnswer) {
    ShowPage(RUNTIME_CLASS(CSpecForm_Moss_07));
    CListBox& offered = *dynamic_cast<CListBox*>(page->GetDlgItem(CSpecForm_Moss_07::IDC_OFFERED));
    Click(*page, CSpecForm_Moss_07::IDC_CHOOSE);
    offered.SetCurSel(1);
    Click(*page, CSpecForm_Moss_07::IDC_CHOOSE);
    page->SendMessage(WM_COMMAND, MAKEWPARAM(CSpecForm_Moss_07::IDC_OFFERED, LBN_DBLCLK), 0);
    offered.SetCurSel(0);
    Click(*page, CSpecForm_Moss_07::IDC_CHOOSE);
    Click(*page, CSpecForm_Moss_07::IDC_REMOVE);  // nothing chosen on the right: nothing happens
    EXPECT_EQ(offered.GetCount(), 2);
    AddTuft("3", -1);
    AddTuft("3", 1);
    AddTuft("40", 2);
    EXPECT_EQ(boxes.Texts(), (std::vector<CString>{"Моля изберете елемент от списъка с местонахождения!",
                                              "Елемента който се опитвате да добавите вече е добавен!",
                                              "Моля изберете 'Присъствие/отсъствие на спороносна кутийка' !"}));
    Leave();
    const CSpecData_Moss_07& tufts = doc.SpecData_Moss_07;
    EXPECT_EQ(tufts.TurfIDs.GetSize(), 2);
    EXPECT_EQ(tufts.TurfIDs[0], 2);
    EXPECT_EQ(tufts.TurfNames[1], "Върху скали");
    ASSERT_EQ(tufts.TurfProperties.GetSize(), 2);
    EXPECT_EQ(tufts.TurfProperties[1], (CMoss04Row{"40", 2, "не"}));

    // Names and ids that do not pair up load as no location; leaving stores none.
    doc.SpecData_Moss_07.TurfNames.Add("лишно");
    ShowPage(RUNTIME_CLASS(CSpecForm_Moss_07));
    Leave();
    EXPECT_EQ(doc.SpecData_Moss_07.TurfIDs.GetSize() + doc.SpecData_Moss_07.TurfNames.GetSize(), 0);
}

TEST_F(MossPages, AListThatCannotBeReadIsReportedAndThePageGoesOn) {
    Exec("drop table nMossTurf");
    ShowPage(RUNTIME_CLASS(CSpecForm_Moss_07));
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_NE(boxes.boxes[0].text.Find("nMossTurf"), -1) << boxes.boxes[0].text;
    AddTuft("5", 1);
    Leave();
    EXPECT_EQ(doc.SpecData_Moss_07.TurfProperties.GetSize(), 1);
}

// ---- pages 08 to 13 ----------------------------------------------------------------------

using FallenTree = CDlg_Moss_FallenTree;
using TuftPosition = CDlg_Moss_TuftPosition;

using MossHabitatPages = MossPages;

// The shrub cover of page 08: a percent put in by any way the user has meets the rule of a
// percent typed.
class ShrubCover : public MossHabitatPages {
protected:
    void SetUp() override {
        MossHabitatPages::SetUp();
        doc.SpecData_Moss_08.BushesPercent = "30";
        ShowPage(RUNTIME_CLASS(CSpecForm_Moss_08));
        ActivateTopLevel(page);
        bushes = page->GetDlgItem(CSpecForm_Moss_08::IDC_BUSHES);
    }
    // The text stays, the refusal is said, and the page stores what stands.
    void ExpectRefused() {
        EXPECT_EQ(TextOf(*page, CSpecForm_Moss_08::IDC_BUSHES), "30");
        EXPECT_EQ(boxes.Texts(), std::vector<CString>{CPercentEdit::kTooLarge});
        Leave();
        EXPECT_EQ(doc.SpecData_Moss_08.BushesPercent, "30");
    }
    CWnd* bushes = nullptr;
};

TEST_F(ShrubCover, PastedFromTheContextMenu) {
    CopyToClipboard("150");
    ASSERT_TRUE(ChooseFromContextMenu(bushes, CPoint(20, 8), "Поставяне"));
    ExpectRefused();
}

TEST_F(ShrubCover, PastedWithAMiddleClickUnderX11) {
    SKIP_UNLESS_X11();
    PasteSelection(bushes, CPoint(4, 8), "9");
    ExpectRefused();
}

// Digits typed with Alt held (as when Alt+Shift switches the layout) or with Ctrl type nothing.
TEST_F(ShrubCover, TypedWithAltOrCtrlIsNothing) {
    auto* field = dynamic_cast<CEdit*>(bushes);
    field->SetSel(0, -1);
    for (const UINT digit : {'1', '5', '0'}) PressKey(bushes, digit, MK_ALT);
    PressKey(bushes, '1', MK_CONTROL | MK_ALT);
    EXPECT_EQ(TextOf(*page, CSpecForm_Moss_08::IDC_BUSHES), "30");
    field->SetWindowText("50");
    field->SetSel(2, 2);
    PressKey(bushes, '0', MK_CONTROL);  // no 500 to refuse
    EXPECT_EQ(TextOf(*page, CSpecForm_Moss_08::IDC_BUSHES), "50");
    EXPECT_EQ(boxes.Texts(), std::vector<CString>{});
}

TEST_F(MossHabitatPages, StumpsAreCheckedInOrderAndShowTheirDegree) {
    doc.SpecData_Moss_09.Stubs.Add({-1, "12", "3", "4"});
    ShowPage(RUNTIME_CLASS(CSpecForm_Moss_09));
    std::vector<int> focus;
    {
        const ModalRun script([&](CDialog& shown) {
            const auto ok = [&] {
                shown.PressButton(IDOK);
                focus.push_back(CWnd::GetFocus() ? CWnd::GetFocus()->GetDlgCtrlID() : 0);
            };
            ok();
            shown.SetDlgItemText(FallenTree::IDC_DIAMETER, "30.5");
            ok();
            shown.SetDlgItemText(FallenTree::IDC_LENGTH, "2");
            ok();
            shown.SetDlgItemText(FallenTree::IDC_SPOROPHYTES, "7");
            ok();
            dynamic_cast<CComboBox*>(shown.GetDlgItem(FallenTree::IDC_DECAY))->SetCurSel(1);
            shown.PressButton(IDOK);
        });
        Click(*page, 2596);
    }
    EXPECT_EQ(boxes.Texts(), (std::vector<CString>{
                                 "Моля попълнете полето 'Диаметър(см)'  !", "Моля попълнете полето 'Дължина(м)'  !",
                                 "Моля попълнете полето 'Присъствие на спорофити (брой)'  !",
                                 "Моля изберете стойност за полето 'Степен на разлагане на пъновете' !"}));
    EXPECT_EQ(focus, (std::vector<int>{FallenTree::IDC_DIAMETER, FallenTree::IDC_LENGTH, FallenTree::IDC_SPOROPHYTES,
                                       FallenTree::IDC_DECAY}));
    EXPECT_EQ(GridColumn(Grid(CSpecForm_Moss_09::IDC_STUMPS), 4), (std::vector<CString>{"0", "2"}));
    Keys(*page, CSpecForm_Moss_09::IDC_AREA, "-.1.2.3");
    Leave();
    EXPECT_EQ(doc.SpecData_Moss_09.Area, "1.23");
    EXPECT_EQ(doc.SpecData_Moss_09.Stubs[1], (CMoss09Row{1, "30.5", "2", "7"}));
}

TEST_F(MossHabitatPages, OutcropsKeepTheHiddenShrubCoverAndRockBlocksRenumber) {
    doc.SpecData_Moss_10.BushesPercent = "40";
    ShowPage(RUNTIME_CLASS(CSpecForm_Moss_10));
    Click(*page, CSpecForm_Moss_10::IDC_IN_FOREST);
    Keys(*page, CSpecForm_Moss_10::IDC_CANOPY, "100");
    Leave();
    EXPECT_EQ(std::tuple(doc.SpecData_Moss_10.BushesPercent, doc.SpecData_Moss_10.TreePercent,
                         doc.SpecData_Moss_10.RocksExistance),
              std::tuple(CString("40"), CString("100"), 0));

    for (const char* sunshine : {"1", "2", "1"}) doc.SpecData_Moss_11.TurfSituations.Add({1, sunshine, 1, "", 1, ""});
    ShowPage(RUNTIME_CLASS(CSpecForm_Moss_11));
    int endedWithOneUnchosen = -1;
    {
        const ModalRun script([&](CDialog& shown) {
            Choose(shown, TuftPosition::IDC_SITUATION, 2);
            Choose(shown, TuftPosition::IDC_EXPOSURE, 3);
            shown.PressButton(IDOK);
            endedWithOneUnchosen = shown.IsEnded();
            shown.PressButton(IDCANCEL);
        });
        Click(*page, 2596);
    }
    EXPECT_EQ(endedWithOneUnchosen, FALSE);
    EXPECT_TRUE(boxes.boxes.empty());
    CGridCtrl& grid = Grid(CSpecForm_Moss_11::IDC_TUFTS);
    grid.SetSelectedRange(1, 0, 1, grid.GetColumnCount() - 1);
    Click(*page, 2598);
    EXPECT_EQ(GridColumn(grid, 0), (std::vector<CString>{"1", "2"}));
    EXPECT_EQ(GridColumn(grid, 3), (std::vector<CString>{"2", "1"}));
}

TEST_F(MossHabitatPages, TheTreesPartIsAskedOnlyWhileTreesGrowInTheBog) {
    doc.SpecData_Moss_13.TreesCount = "30";
    ShowPage(RUNTIME_CLASS(CSpecForm_Moss_13));
    EXPECT_FALSE(IsEnabled(*page, CSpecForm_Moss_13::IDC_TREES_PART));
    EXPECT_FALSE(IsEnabled(*page, CSpecForm_Moss_13::IDC_TREES_LABEL));
    EXPECT_EQ(TextOf(*page, CSpecForm_Moss_13::IDC_TREES_PART), "");
    Tick(*page, CSpecForm_Moss_13::IDC_TREES_EXIST);
    EXPECT_TRUE(IsEnabled(*page, CSpecForm_Moss_13::IDC_TREES_PART));
    Keys(*page, CSpecForm_Moss_13::IDC_TREES_PART, "1000");
    Leave();
    EXPECT_EQ(std::tuple(doc.SpecData_Moss_13.TreesExist, doc.SpecData_Moss_13.TreesCount), std::tuple(1, CString("100")));
}

TEST_F(MossHabitatPages, AStoredTreesPartAboveAHundredStaysAndTheCoverTypedAfterItIsKept) {
    doc.SpecData_Moss_13.TreesExist = 1;
    doc.SpecData_Moss_13.TreesCount = "1000";  // as the database holds it
    ShowPage(RUNTIME_CLASS(CSpecForm_Moss_13));
    TypeText(page->GetDlgItem(CSpecForm_Moss_13::IDC_COVER), "50");
    Leave();
    EXPECT_EQ(std::tuple(doc.SpecData_Moss_13.TreesCount, doc.SpecData_Moss_13.ProcentArea),
              std::tuple(CString("1000"), CString("50")));
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(MossHabitatPages, APercentAboveAHundredIsRefusedHoweverTheUserPutsItIn) {
    ShowPage(RUNTIME_CLASS(CSpecForm_Moss_13));
    CWnd* cover = page->GetDlgItem(CSpecForm_Moss_13::IDC_COVER);
    TypeText(cover, "150");
    PasteText(cover, "0");                 // Ctrl+V after "15"
    PressKey(cover, VK_INSERT, MK_SHIFT);  // Shift+Ins
    dynamic_cast<CEdit*>(cover)->Paste();  // the context menu's way
    EXPECT_FALSE(DropText(cover, {2, 2}, "0"));
    PressKey(cover, VK_END);  // plain keys again for the next test
    EXPECT_EQ(TextOf(*page, CSpecForm_Moss_13::IDC_COVER), "15");
    EXPECT_EQ(boxes.Texts(), std::vector<CString>(4, CPercentEdit::kTooLarge));
}

// A digit a percent field has no room for is dropped by its length limit, silently (a message
// box would swallow the keys typed after it); the percent rule speaks only for a value that
// the field can hold.
TEST_F(MossHabitatPages, APercentFieldsLengthLimitComesBeforeItsRule) {
    const auto type = [&](const CRuntimeClass* pageClass, int id, const char* digits) {
        ShowPage(pageClass);
        TypeText(page->GetDlgItem(id), digits);
        return TextOf(*page, id);
    };
    EXPECT_EQ(type(RUNTIME_CLASS(CSpecForm_Moss_19), CSpecForm_Moss_19::IDC_MOSSES_COVER, "999"), "99");
    EXPECT_EQ(type(RUNTIME_CLASS(CSpecForm_Moss_05), CSpecForm_Moss_05::IDC_COVER, "1000"), "100");
    EXPECT_TRUE(boxes.Texts().empty());
    EXPECT_EQ(type(RUNTIME_CLASS(CSpecForm_Moss_13), CSpecForm_Moss_13::IDC_COVER, "150"), "15");
    EXPECT_EQ(boxes.Texts(), std::vector<CString>{CPercentEdit::kTooLarge});
}

// ---- pages 14 to 23 ----------------------------------------------------------------------

using MossPages14 = MossPages;

TEST_F(MossPages14, OnlyNitratesAndTheRedoxPotentialTakeAMinus) {
    ShowPage(RUNTIME_CLASS(CSpecForm_Moss_18));
    Keys(*page, CSpecForm_Moss_18::IDC_NITRATES, "-1.5");
    Keys(*page, CSpecForm_Moss_18::IDC_POTENTIAL, "-120");
    Keys(*page, 2061, "-.6.5.");  // pH: no minus, no leading or second point
    page->SetDlgItemText(2108, "канал 'А'");
    Choose(*page, CSpecForm_Moss_18::IDC_EXPOSURE, 3);
    Leave();
    const CSpecData_Moss_18& bog = doc.SpecData_Moss_18;
    EXPECT_EQ(std::tuple(bog.Nitrates, bog.Potential, bog.PH, bog.Chanels, bog.ExposureID, bog.WaterBasinExisance),
              std::tuple(CString("-1.5"), CString("-120"), CString("6.5"), CString("канал 'А'"), 3, -1));
}

TEST_F(MossPages14, TheTreesPartIsEmptiedAndLockedWithItsBox) {
    doc.SpecData_Moss_19.CheckTrees = 1;
    doc.SpecData_Moss_19.TreesCount = "40";
    ShowPage(RUNTIME_CLASS(CSpecForm_Moss_19));
    EXPECT_TRUE(IsEnabled(*page, CSpecForm_Moss_19::IDC_TREES_PART));
    Keys(*page, CSpecForm_Moss_19::IDC_MOSSES_COVER, "101");  // two digits: the third is dropped
    Keys(*page, CSpecForm_Moss_19::IDC_SPECIES_COVER, "12.5");
    EXPECT_TRUE(boxes.Texts().empty());
    Tick(*page, CSpecForm_Moss_19::IDC_TREES, false);
    EXPECT_FALSE(IsEnabled(*page, CSpecForm_Moss_19::IDC_TREES_PART));
    EXPECT_FALSE(IsEnabled(*page, CSpecForm_Moss_19::IDC_TREES_PART_LABEL));
    Leave();
    const CSpecData_Moss_19& bog = doc.SpecData_Moss_19;
    EXPECT_EQ(std::tuple(bog.CheckTrees, bog.TreesCount, bog.ProcentAllArea, bog.PercentSpeciesArea),
              std::tuple(0, CString(), CString("10"), CString("12.5")));
}

// The observed species' cover has decimals and stops at a hundred as the other covers do,
// however the user puts a larger value in.
TEST_F(MossPages14, TheSpeciesCoverStopsAtAHundred) {
    ShowPage(RUNTIME_CLASS(CSpecForm_Moss_19));
    ActivateTopLevel(page);
    auto* cover = dynamic_cast<CEdit*>(page->GetDlgItem(CSpecForm_Moss_19::IDC_SPECIES_COVER));
    TypeText(cover, "100.5");
    EXPECT_EQ(TextOf(*page, CSpecForm_Moss_19::IDC_SPECIES_COVER), "100.");
    cover->SetWindowText("");
    TypeText(cover, "99.5");
    for (const UINT key : {VK_LEFT, VK_BACK, VK_LEFT, VK_DELETE}) PressKey(cover, key);  // 995 without the point
    cover->SetSel(2, 3);  // the point, cut or cleared
    PressKey(cover, 'X', MK_CONTROL);
    for (const char* entry : {"Изрязване", "Изтриване"}) EXPECT_TRUE(ChooseFromContextMenu(cover, CPoint(4, 4), entry));
    cover->SetSel(0, -1);
    const auto paste = [cover](const char* text) {
        CopyToClipboard(text);
        PressKey(cover, VK_INSERT, MK_SHIFT);
    };
    paste("250,5");
    paste("100.5");
    EXPECT_EQ(TextOf(*page, CSpecForm_Moss_19::IDC_SPECIES_COVER), "99.5");
    paste("100");
    Leave();
    EXPECT_EQ(doc.SpecData_Moss_19.PercentSpeciesArea, "100");
    EXPECT_EQ(boxes.Texts(), std::vector<CString>(8, CPercentEdit::kTooLarge));
}

TEST_F(MossPages14, VariantStepsEditTheRecordsOfTheirPages) {
    doc.SpecData_Moss_02.HommiesType = 2;
    doc.SpecData_Moss_05.PercentCoverage = "30";
    doc.SpecData_Moss_14.Turfs.Add({"5", 1, "да"});
    const CMossRecords before = doc;

    for (const CRuntimeClass* step : {RUNTIME_CLASS(CSpecForm_Moss_20), RUNTIME_CLASS(CSpecForm_Moss_21),
                                RUNTIME_CLASS(CSpecForm_Moss_22), RUNTIME_CLASS(CSpecForm_Moss_23),
                                RUNTIME_CLASS(CSpecForm_Moss_14)}) {
        ShowPage(step);
        Leave();
    }
    const CMossRecords& after = doc;
    EXPECT_EQ(after.SpecData_Moss_02.HommiesType, 2);  // the hidden community is kept
    EXPECT_EQ(after.SpecData_Moss_05, before.SpecData_Moss_05);
    EXPECT_EQ(after.SpecData_Moss_14, before.SpecData_Moss_14);  // page 14 keeps page 23's answer
    EXPECT_TRUE(boxes.Texts().empty());
}

TEST_F(MossPages14, SoilTuftsNeedAreaAndArchegonia) {
    ShowPage(RUNTIME_CLASS(CSpecForm_Moss_15));
    const ModalRun tuft([](CDialog& shown) {
        shown.SetDlgItemText(CDlg_Moss_AddTuft::IDC_AREA, "   ");
        shown.PressButton(IDOK);
        shown.SetDlgItemText(CDlg_Moss_AddTuft::IDC_AREA, " 12.5 ");
        shown.PressButton(IDOK);
        Choose(shown, CDlg_Moss_AddTuft::IDC_ARCHEGONIA, 1);
        shown.PressButton(IDOK);
    });
    Click(*page, CSpecForm_Moss_15::IDC_ADD_TUFT);
    CGridCtrl& tufts = dynamic_cast<CSpecForm_Moss_15*>(page)->m_tuftGrid;
    EXPECT_EQ(GridRows(tufts), std::vector<CString>{"1|12.5|да"});
    EXPECT_EQ(std::tuple(tufts.GetItemText(0, 1), tufts.GetColumnWidth(1), tufts.GetItemText(0, 2)),
              std::tuple(CString("Площ(кв.см)"), 180, CString("Присъствие на архегониеносци")));
    EXPECT_GE(tufts.GetColumnWidth(2), 150);  // the last column fills the table
    Keys(*page, CSpecForm_Moss_15::IDC_TREES, "101");
    Leave();
    EXPECT_EQ(boxes.Texts(), (std::vector<CString>{CDlg_Moss_AddTuft::kAreaRequired, CDlg_Moss_AddTuft::kArchegoniaRequired,
                                                   CPercentEdit::kTooLarge}));
    const CSpecData_Moss_15& soil = doc.SpecData_Moss_15;
    ASSERT_EQ(soil.Arhegons.GetSize(), 1);
    EXPECT_EQ(soil.Arhegons[0], (CMoss15Row{"12.5", 1, "да"}));
    EXPECT_EQ(soil.TreePercent, "10");
}

// A tree known by its Latin name alone: the host-tree row has no Bulgarian choice, while the
// species row names it by its one ID in both places.
TEST_F(MossPages14, ATreeWithoutABulgarianNameLeavesTheHostTreesBulgarianChoiceEmpty) {
    Exec("update _AllTreesMoss set Name_bg = NULL where ID = 3");
    const ModalRun script([](CDialog& shown) {
        Choose(shown, CDlg_Moss_AddTree::IDC_LATIN, 3);
        shown.PressButton(IDOK);
    });
    CDlg_Moss_AddTree tree(nullptr);
    ASSERT_EQ(tree.DoModal(), IDOK);
    EXPECT_EQ(tree.m_row, (CMoss17TreeRow{3, "Picea abies", -1, "", "", ""}));
    CDlg_Moss_AddSpecies species(AddSpecies::kTreeList, nullptr);
    ASSERT_EQ(species.DoModal(), IDOK);
    EXPECT_EQ(species.m_row, (CMossSpeciesRow{"Picea abies", 3, "", 3}));
}

TEST_F(MossPages14, ColoniesFollowTheirTreeWhenATreeIsDeleted) {
    using Page = CSpecForm_Moss_17;
    ShowPage(RUNTIME_CLASS(CSpecForm_Moss_17));
    Click(*page, Page::IDC_ADD_COLONY);  // no tree yet: a message and no dialog
    EXPECT_EQ(boxes.Texts(), std::vector<CString>{Page::kNoTrees});
    Leave();
    CSpecData_Moss_17& stored = doc.SpecData_Moss_17;
    for (int id : {1, 2, 3}) stored.Trees.Add({id, "", id, "", "", ""});
    stored.Colonies.Add({1, -1, "", "на второ", "", "", "", ""});
    stored.Colonies.Add({2, -1, "", "на трето", "", "", "", ""});
    stored.Colonies.Add({0, -1, "", "на първо", "", "", "", ""});
    ShowPage(RUNTIME_CLASS(CSpecForm_Moss_17));
    auto& hosts = *dynamic_cast<Page*>(page);

    // Tree 1 carries one colony: "Не" keeps everything, "Да" deletes it with its colony.
    boxes.Reset({IDNO, IDYES});
    for (int twice = 0; twice < 2; ++twice) {
        hosts.m_treeGrid.SetSelectedRange(1, 0, 1, hosts.m_treeGrid.GetColumnCount() - 1);
        Click(*page, Page::IDC_DELETE_TREE);
    }
    ASSERT_EQ(hosts.m_trees.GetSize(), 2);
    EXPECT_EQ(hosts.m_trees[0]._AllTreesID, 2);
    ASSERT_EQ(hosts.m_colonies.GetSize(), 2);
    EXPECT_EQ(std::tuple(hosts.m_colonies[0].TreeNum, hosts.m_colonies[1].TreeNum), std::tuple(0, 1));
    EXPECT_EQ(hosts.m_colonyGrid.GetItemText(2, 1), "2");

    // The colony dialog offers "1" to the tree count; "2" stores the position 1.
    const ModalRun colony([](CDialog& shown) {
        shown.PressButton(IDOK);
        ChooseIndex(shown, CDlg_Moss_ColonyArea::IDC_TREE, 1);
        shown.PressButton(IDOK);
    });
    Click(*page, Page::IDC_ADD_COLONY);
    Leave();
    EXPECT_EQ(doc.SpecData_Moss_17.Colonies[2].TreeNum, 1);
    EXPECT_EQ(boxes.Texts().back(), CDlg_Moss_ColonyArea::kTreeRequired);
    EXPECT_EQ(boxes.boxes.size(), 3u);  // twice the question, then no tree number
}

// The question before a tree goes with its colonies counts them in words that agree with
// the number: one colony is "колония", more are "колонии".
TEST_F(MossPages14, TheQuestionBeforeDeletingATreeSpeaksOfOneColonyOrOfColonies) {
    using Page = CSpecForm_Moss_17;
    CSpecData_Moss_17& stored = doc.SpecData_Moss_17;
    for (int id : {1, 2}) stored.Trees.Add({id, "", id, "", "", ""});
    stored.Colonies.Add({0, -1, "", "на първо", "", "", "", ""});
    for (int i = 0; i < 2; ++i) stored.Colonies.Add({1, -1, "", "на второ", "", "", "", ""});
    ShowPage(RUNTIME_CLASS(CSpecForm_Moss_17));
    auto& hosts = *dynamic_cast<Page*>(page);
    CRect button;
    page->GetDlgItem(Page::IDC_DELETE_TREE)->GetClientRect(&button);
    boxes.Reset({IDNO, IDNO});
    for (int row : {1, 2}) {
        CRect cell;
        hosts.m_treeGrid.GetCellRect(row, 1, &cell);
        ClickAt(&hosts.m_treeGrid, cell.CenterPoint());
        ClickAt(page->GetDlgItem(Page::IDC_DELETE_TREE), button.CenterPoint());
    }
    EXPECT_EQ(boxes.Texts(),
              (std::vector<CString>{"Върху това дърво има 1 мъхова колония. Тя също ще бъде изтрита. Продължавате ли?",
                                    "Върху това дърво има 2 мъхови колонии. Те също ще бъдат изтрити. Продължавате ли?"}));
    EXPECT_EQ(hosts.m_trees.GetSize(), 2);
}

}  // namespace
