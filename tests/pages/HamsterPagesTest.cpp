// The hamster pages and the transect dialog: the grazing rules of the site page, the
// segments of the transect page with their burrow totals, the dialog's rules and lists, and
// one form walked through its pages, stored, loaded and printed.
#include "controls/grid/GridCtrl.h"
#include "pages/common/DlgCoordinates.h"
#include "pages/species/DlgHamsterTransect.h"
#include "pages/species/SpecFormHamster01.h"
#include "pages/species/SpecFormHamster02.h"
#include "pages/species/SpecFormHamster03.h"
#include "tests/pages/PageFixture.h"

namespace {

using Site = CSpecForm_Hamster_01;
using Transects = CSpecForm_Hamster_02;
using Dlg = CDlg_Hamster_Transect;

constexpr int kHamsterForm = 16;

// What the user does in the transect dialog: a point through "Точка" (43° 1' 2.3", 26° 4' 5.6"),
// habitat 2, the burrows, then OK (and Cancel after a refused OK).
void TypeSegment(CDialog& shown, bool point, const char* burrows) {
    if (auto* coordinates = dynamic_cast<CDlg_Coordinates*>(&shown)) {
        using Point = CDlg_Coordinates;
        for (const auto& [id, value] : {std::pair(Point::IDC_LAT_DEG, 43), {Point::IDC_LAT_MIN, 1}, {Point::IDC_LAT_SEC, 2},
                                        {Point::IDC_LAT_FRACTION, 3}, {Point::IDC_LON_DEG, 26}, {Point::IDC_LON_MIN, 4},
                                        {Point::IDC_LON_SEC, 5}, {Point::IDC_LON_FRACTION, 6}})
            coordinates->SetDlgItemInt(id, static_cast<UINT>(value));
        coordinates->PressButton(IDOK);
        return;
    }
    if (point) shown.PressButton(Dlg::IDC_POINT);
    dynamic_cast<CComboBox*>(shown.GetDlgItem(Dlg::IDC_HABITAT))->SetCurSel(1);  // ID 2
    shown.SetDlgItemText(Dlg::IDC_BURROWS, burrows);
    shown.PressButton(IDOK);
    if (!shown.IsEnded()) shown.PressButton(IDCANCEL);
}

class HamsterPages : public PrintingPageTest {
protected:
    void SetUp() override {
        PrintingPageTest::SetUp();
        doc.FormTypeID = kHamsterForm;
    }

    CGridCtrl& Grid(int number) { return *dynamic_cast<CGridCtrl*>(page->GetDlgItem(Transects::kGridIds[number - 1])); }

    // Double click on segment `segment` (from 1) of transect `number`, the dialog worked as above.
    void EditSegment(int number, int segment, bool point, const char* burrows) {
        const ModalRun script([&](CDialog& shown) { TypeSegment(shown, point, burrows); });
        Grid(number).SendMessageToParent(segment, 1, NM_DBLCLK);
    }
};

}  // namespace

TEST_F(HamsterPages, GrazingOpensTheAnimalsAndATickedAnimalItsCount) {
    const auto enabled = [this](std::initializer_list<int> ids) {
        CString states;
        for (const int id : ids) states += IsEnabled(*page, id) ? "1" : "0";
        return states;
    };
    const auto counts = {Site::IDC_COWS_COUNT, Site::IDC_SHEEP_COUNT, Site::IDC_GOATS_COUNT, Site::IDC_HORSES_COUNT,
                         Site::IDC_OTHERS_COUNT, Site::IDC_OTHERS_KIND};
    ShowPage(RUNTIME_CLASS(CSpecForm_Hamster_01));
    EXPECT_EQ(enabled({Site::IDC_COWS, Site::IDC_OTHERS, Site::IDC_ANIMALS_GROUP, Site::IDC_ELSE_TEXT}), "0000");

    Click(*page, Site::IDC_PASTURE_YES);
    EXPECT_EQ(enabled({Site::IDC_COWS, Site::IDC_OTHERS, Site::IDC_ANIMALS_GROUP}) + enabled(counts), "111000000");
    for (const int box : {Site::IDC_COWS, Site::IDC_SHEEP, Site::IDC_OTHERS, Site::IDC_ELSE}) Tick(*page, box);
    EXPECT_EQ(enabled(counts), "110011");
    Keys(*page, Site::IDC_COWS_COUNT, "1x23456");  // digits only, at most four
    Keys(*page, Site::IDC_SHEEP_COUNT, "123456");  // no limit
    page->SetDlgItemText(Site::IDC_OTHERS_KIND, "Магарета");
    page->SetDlgItemText(Site::IDC_ELSE_TEXT, "Шипка\r\nи къпина");

    // "Да" again: the boxes stay ticked, but a count opens only by a click on its box.
    Click(*page, Site::IDC_PASTURE_YES);
    EXPECT_EQ(page->IsDlgButtonChecked(Site::IDC_COWS), static_cast<UINT>(BST_CHECKED));
    EXPECT_EQ(enabled(counts), "000000");
    Tick(*page, Site::IDC_COWS);
    EXPECT_EQ(enabled(counts), "100000");

    // Unticking "Други" empties kind and count; unticking "Друга" keeps its text.
    Tick(*page, Site::IDC_OTHERS, false);
    Tick(*page, Site::IDC_ELSE, false);
    EXPECT_FALSE(IsEnabled(*page, Site::IDC_ELSE_TEXT));
    Leave();
    const CSpecData_Hamster_01& site = doc.SpecData_Hamster_01;
    EXPECT_EQ(std::tuple(site.iRadionPasture, site.bCheckCows, site.bCheckSheeps, site.bCheckOthers, site.CowsCount,
                         site.SheepsCount, site.OthersName, site.bCheckElse, site.ElseDescription),
              std::tuple(0, 1, 1, 0, CString("1234"), CString("123456"), CString(), 0, CString("Шипка\r\nи къпина")));

    // "Не" and "Няма информация" clear the animals with their counts.
    for (const int answer : {Site::IDC_PASTURE_NO, Site::IDC_PASTURE_UNKNOWN}) {
        doc.SpecData_Hamster_01 = {0, 1, 0, 0, 1, 0, 0, 0, "12", "", "", "7", "", "", "", 0, 0};
        ShowPage(RUNTIME_CLASS(CSpecForm_Hamster_01));
        EXPECT_EQ(enabled(counts), "100100");  // as stored
        Click(*page, answer);
        EXPECT_EQ(enabled({Site::IDC_COWS}) + enabled(counts), "0000000");
        Leave();
        EXPECT_EQ(std::tuple(site.bCheckCows, site.bCheckHorses, site.CowsCount, site.HorsesCount),
                  std::tuple(0, 0, CString(), CString()));
    }
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(HamsterPages, AnEditedSegmentSetsOnlyItsTransectsBurrowTotal) {
    doc.SpecData_Hamster_02.HamstersLairsCount1 = "9";  // stored totals stay until their transect changes
    doc.SpecData_Hamster_02.HamstersLairsCount2 = "40";
    ShowPage(RUNTIME_CLASS(CSpecForm_Hamster_02));
    CGridCtrl& grid = Grid(2);
    Keys(*page, Transects::kHamsterIds[1], "12345");

    // The dialog's rules: a point first, then burrows that are not only blanks.
    EditSegment(2, 3, false, "5");
    EditSegment(2, 3, true, "  ");
    EXPECT_EQ(boxes.Texts(), (std::vector<CString>{"Моля въведете GPS координатите на точка.",
                                              "Моля въведете 'Брой установени дупки'"}));
    EXPECT_EQ(TextOf(*page, Transects::kBurrowIds[1]), "40");

    CString caption;
    {
        const ModalRun script([&](CDialog& shown) {
            if (dynamic_cast<Dlg*>(&shown)) shown.GetWindowText(caption);
            TypeSegment(shown, true, "5");
        });
        grid.SendMessageToParent(0, 1, NM_DBLCLK);  // the heading row opens nothing
        grid.SendMessageToParent(3, 1, NM_DBLCLK);
    }
    EXPECT_EQ(caption, "Трансект 200-300");
    EXPECT_EQ(grid.GetItemText(3, 2) + "|" + grid.GetItemText(3, 3) + "|" + grid.GetItemText(3, 4) + "|" +
                  grid.GetItemText(3, 11),
              "26° 4' 5.6\"|43° 1' 2.3\"|Ливада (сенокос)|5");
    EXPECT_EQ(TextOf(*page, Transects::kBurrowIds[1]), "5");
    EXPECT_EQ(TextOf(*page, Transects::kBurrowIds[0]), "9");
    EXPECT_EQ(TextOf(*page, Transects::kHamsterIds[1]), "1234");
    Leave();

    const CHamster02Transect& third = doc.SpecData_Hamster_02.Transect2[2];
    EXPECT_EQ(std::tuple(third.HabitatType, third.GrassType, third.LairCount, third.Latitude),
              std::tuple(2, -1, CString("5"), CString("43° 1' 2.3\"")));
    EXPECT_EQ(doc.SpecData_Hamster_02.HamstersLairsCount2, "5");
    EXPECT_EQ(doc.SpecData_Hamster_02.HamstersCount2, "1234");
}

TEST_F(HamsterPages, ABurrowTotalPastFourDigitsKeepsTheHamsterCounts) {
    doc.SpecData_Hamster_02.Transect1[0].LairCount = "9999";
    ShowPage(RUNTIME_CLASS(CSpecForm_Hamster_02));
    EditSegment(1, 2, true, "1");
    for (const int i : {0, 4}) TypeText(page->GetDlgItem(Transects::kHamsterIds[i]), "12");
    Leave();
    const CSpecData_Hamster_02& transects = doc.SpecData_Hamster_02;
    EXPECT_EQ(std::tuple(transects.HamstersLairsCount1, transects.HamstersCount1, transects.HamstersCount5),
              std::tuple(CString("10000"), CString("12"), CString("12")));
    EXPECT_TRUE(boxes.boxes.empty());
}

TEST_F(HamsterPages, TheDialogListsEachCodeKindAndOpensAfterADatabaseError) {
    CHamster02Transect stored;
    stored.RoadsType = 3;
    std::vector<int> counts;  // entries of the habitat, water, road and buildings lists
    int road = -1;
    const ModalRun script([&](CDialog& shown) {
        counts.clear();
        for (const int id : {Dlg::IDC_HABITAT, Dlg::IDC_WATER_TANK, Dlg::IDC_ROAD, Dlg::IDC_BUILDINGS})
            counts.push_back(dynamic_cast<CComboBox*>(shown.GetDlgItem(id))->GetCount());
        auto* roads = dynamic_cast<CComboBox*>(shown.GetDlgItem(Dlg::IDC_ROAD));
        road = roads->GetCurSel() < 0 ? -1 : static_cast<int>(roads->GetItemData(roads->GetCurSel()));
        shown.PressButton(IDCANCEL);
    });
    EXPECT_EQ(Dlg("Трансект 0-100", &stored).DoModal(), IDCANCEL);
    EXPECT_EQ(counts, (std::vector<int>{9, 6, 5, 5}));  // the rows whose column has a name
    EXPECT_EQ(road, 3);

    // The road list is filled second: the water list before it keeps its entries.
    Exec("alter table nHamsterHabitatCodes rename column Road to RoadKind");
    EXPECT_EQ(Dlg("Трансект 0-100", &stored).DoModal(), IDCANCEL);
    EXPECT_EQ(counts, (std::vector<int>{0, 6, 0, 0}));
    EXPECT_EQ(boxes.boxes.size(), 1u);  // one message, not one per list
}

TEST_F(HamsterPages, AFormWalkedThroughItsPagesIsStoredLoadedAndPrinted) {
    doc.SpeciesID = 320;
    doc.SpeciesName = "Лалугер";
    ShowPage(RUNTIME_CLASS(CSpecForm_Hamster_01));
    Click(*page, Site::IDC_PASTURE_YES);
    Tick(*page, Site::IDC_HORSES);
    Keys(*page, Site::IDC_HORSES_COUNT, "417");
    Tick(*page, Site::IDC_JUNIPER);
    Leave();

    ShowPage(RUNTIME_CLASS(CSpecForm_Hamster_02));
    EditSegment(4, 10, true, "8");
    Keys(*page, Transects::kHamsterIds[3], "3");
    Leave();

    ShowPage(RUNTIME_CLASS(CSpecForm_Hamster_03));
    page->SetDlgItemText(CSpecForm_Hamster_03::IDC_NOTES, "Колония до 'Стария кладенец'");
    page->SetDlgItemText(CSpecForm_Hamster_03::IDC_CHANGES, "Разорана нива");
    Leave();
    Open(StoreNew(), FALSE);
    ExpectPrinted(Print(), {"417", "Колония до 'Стария кладенец'", "Разорана нива",  // the site, then the transects
                            "900-1000\n26° 4' 5.6\"\n43° 1' 2.3\"\n2\n"});
    EXPECT_TRUE(boxes.boxes.empty());
}
