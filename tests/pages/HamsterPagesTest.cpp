// The hamster pages and the transect dialog: the grazing rules of the site page, the
// segments of the transect page with their burrow totals, the dialog's rules and lists, and
// one form walked through its pages, stored, loaded and printed.
#include <filesystem>
#include <fstream>
#include <sstream>

#include "controls/grid/GridCtrl.h"
#include "pages/common/DlgCoordinates.h"
#include "pages/species/DlgHamsterTransect.h"
#include "pages/species/SpecFormHamster01.h"
#include "pages/species/SpecFormHamster02.h"
#include "pages/species/SpecFormHamster03.h"
#include "platform/ReportEngine.h"
#include "reports/DlgReport.h"
#include "tests/pages/PageFixture.h"

namespace {

namespace fs = std::filesystem;

using Site = CSpecForm_Hamster_01;
using Transects = CSpecForm_Hamster_02;
using Dlg = CDlg_Hamster_Transect;

constexpr int kHamsterForm = 16;

// What the user does in the transect dialog: a point through "Точка", codes, burrows, then OK.
struct SegmentInput {
    const char* latitude[4] = {"43", "1", "2", "3"};
    const char* longitude[4] = {"26", "4", "5", "6"};
    bool point = true;
    int habitat = 2;  // the demo code; 0 leaves the list unchosen
    const char* burrows = "5";
};

void TypeSegment(CDialog& shown, const SegmentInput& input) {
    if (auto* coordinates = dynamic_cast<CDlg_Coordinates*>(&shown)) {
        using Point = CDlg_Coordinates;
        const int latitude[] = {Point::IDC_LAT_DEG, Point::IDC_LAT_MIN, Point::IDC_LAT_SEC, Point::IDC_LAT_FRACTION};
        const int longitude[] = {Point::IDC_LON_DEG, Point::IDC_LON_MIN, Point::IDC_LON_SEC, Point::IDC_LON_FRACTION};
        for (int i = 0; i < 4; ++i) {
            coordinates->SetDlgItemText(latitude[i], input.latitude[i]);
            coordinates->SetDlgItemText(longitude[i], input.longitude[i]);
        }
        coordinates->PressButton(IDOK);
        return;
    }
    if (input.point) shown.PressButton(Dlg::IDC_POINT);
    if (input.habitat > 0) {
        auto* habitat = dynamic_cast<CComboBox*>(shown.GetDlgItem(Dlg::IDC_HABITAT));
        for (int i = 0; i < habitat->GetCount(); ++i)
            if (static_cast<int>(habitat->GetItemData(i)) == input.habitat) habitat->SetCurSel(i);
    }
    shown.SetDlgItemText(Dlg::IDC_BURROWS, input.burrows);
    shown.PressButton(IDOK);
    if (!shown.IsEnded()) shown.PressButton(IDCANCEL);
}

class HamsterPages : public PageTest {
protected:
    void SetUp() override {
        PageTest::SetUp();
        doc.FormTypeID = kHamsterForm;
    }

    void Tick(int id, bool ticked) {
        page->CheckDlgButton(id, ticked ? BST_CHECKED : BST_UNCHECKED);
        Click(id);
    }

    CGridCtrl& Grid(int number) { return *dynamic_cast<CGridCtrl*>(page->GetDlgItem(Transects::kGridIds[number - 1])); }

    // Double click on segment `segment` (from 1) of transect `number`, the dialog worked by `input`.
    void EditSegment(int number, int segment, const SegmentInput& input) {
        const DialogScript script([&](CDialog& shown) { TypeSegment(shown, input); });
        Grid(number).SendMessageToParent(segment, 1, NM_DBLCLK);
    }
};

}  // namespace

TEST_F(HamsterPages, GrazingOpensTheAnimalsAndATickedAnimalItsCount) {
    const int counts[] = {Site::IDC_COWS_COUNT, Site::IDC_SHEEP_COUNT, Site::IDC_GOATS_COUNT, Site::IDC_HORSES_COUNT,
                          Site::IDC_OTHERS_COUNT, Site::IDC_OTHERS_KIND};
    const auto anyCountEnabled = [&] {
        for (const int id : counts)
            if (IsEnabled(id)) return true;
        return false;
    };
    ShowPage(RUNTIME_CLASS(CSpecForm_Hamster_01));
    EXPECT_FALSE(IsEnabled(Site::IDC_COWS) || IsEnabled(Site::IDC_ANIMALS_GROUP) || anyCountEnabled());
    EXPECT_FALSE(IsEnabled(Site::IDC_ELSE_TEXT));

    Click(Site::IDC_PASTURE_YES);
    EXPECT_TRUE(IsEnabled(Site::IDC_COWS) && IsEnabled(Site::IDC_OTHERS) && IsEnabled(Site::IDC_ANIMALS_GROUP));
    EXPECT_FALSE(anyCountEnabled());
    Tick(Site::IDC_COWS, true);
    Tick(Site::IDC_SHEEP, true);
    Tick(Site::IDC_OTHERS, true);
    EXPECT_TRUE(IsEnabled(Site::IDC_COWS_COUNT) && IsEnabled(Site::IDC_OTHERS_KIND) && IsEnabled(Site::IDC_OTHERS_COUNT));
    EXPECT_FALSE(IsEnabled(Site::IDC_GOATS_COUNT));
    Keys(Site::IDC_COWS_COUNT, "1x23456");  // digits only, at most four
    Keys(Site::IDC_SHEEP_COUNT, "123456");  // no limit
    Type(Site::IDC_OTHERS_KIND, "Магарета");
    Keys(Site::IDC_OTHERS_COUNT, "7");
    EXPECT_EQ(TextOf(Site::IDC_COWS_COUNT), "1234");
    EXPECT_EQ(TextOf(Site::IDC_SHEEP_COUNT), "123456");
    Tick(Site::IDC_ELSE, true);
    Type(Site::IDC_ELSE_TEXT, "Шипка\r\nи къпина");
    Picture("hamster_site");

    // "Да" again: the boxes stay ticked, but a count opens only by a click on its box.
    Click(Site::IDC_PASTURE_YES);
    EXPECT_EQ(page->IsDlgButtonChecked(Site::IDC_COWS), static_cast<UINT>(BST_CHECKED));
    EXPECT_FALSE(anyCountEnabled());
    Tick(Site::IDC_COWS, true);
    EXPECT_TRUE(IsEnabled(Site::IDC_COWS_COUNT));
    EXPECT_EQ(TextOf(Site::IDC_COWS_COUNT), "1234");

    // Unticking "Други" empties kind and count; unticking "Друга" keeps its text.
    Tick(Site::IDC_OTHERS, false);
    Tick(Site::IDC_ELSE, false);
    EXPECT_EQ(TextOf(Site::IDC_OTHERS_KIND) + TextOf(Site::IDC_OTHERS_COUNT), "");
    EXPECT_FALSE(IsEnabled(Site::IDC_ELSE_TEXT));
    Leave();
    CSpecData_Hamster_01 site = doc.SpecData_Hamster_01;
    EXPECT_EQ(std::tuple(site.iRadionPasture, site.bCheckCows, site.bCheckSheeps, site.bCheckOthers, site.CowsCount,
                         site.SheepsCount, site.OthersName, site.bCheckElse, site.ElseDescription),
              std::tuple(0, 1, 1, 0, CString("1234"), CString("123456"), CString(), 0, CString("Шипка\r\nи къпина")));

    // "Не" and "Няма информация" clear the animals with their counts.
    for (const int answer : {Site::IDC_PASTURE_NO, Site::IDC_PASTURE_UNKNOWN}) {
        ShowPage(RUNTIME_CLASS(CSpecForm_Hamster_01));
        EXPECT_TRUE(IsEnabled(Site::IDC_COWS_COUNT));  // shown as stored
        Click(answer);
        EXPECT_FALSE(IsEnabled(Site::IDC_COWS) || anyCountEnabled());
        Leave();
        site = doc.SpecData_Hamster_01;
        EXPECT_EQ(std::tuple(site.bCheckCows, site.bCheckSheeps, site.CowsCount, site.SheepsCount),
                  std::tuple(0, 0, CString(), CString()));
        doc.SpecData_Hamster_01.iRadionPasture = 0;
        doc.SpecData_Hamster_01.bCheckCows = 1;
        doc.SpecData_Hamster_01.CowsCount = "12";
    }
    EXPECT_TRUE(messages.empty());
}

TEST_F(HamsterPages, AnEditedSegmentSetsOnlyItsTransectsBurrowTotal) {
    doc.SpecData_Hamster_02.HamstersLairsCount1 = "9";  // stored totals stay until their transect changes
    doc.SpecData_Hamster_02.HamstersLairsCount2 = "40";
    ShowPage(RUNTIME_CLASS(CSpecForm_Hamster_02));
    CGridCtrl& grid = Grid(2);
    ASSERT_EQ(grid.GetRowCount(), 11);
    EXPECT_EQ(grid.GetColumnCount(), 12);
    EXPECT_EQ(grid.GetRowHeight(0), Transects::kHeadingHeight);
    EXPECT_EQ(grid.GetItemText(0, 7), "Степен на\nтревно покритие");
    EXPECT_EQ(grid.GetItemText(1, 0) + " " + grid.GetItemText(1, 1), "1 0-100");
    EXPECT_EQ(grid.GetItemText(10, 0) + " " + grid.GetItemText(10, 1), "10 900-1000");
    Keys(Transects::kHamsterIds[1], "12345");

    // The dialog's rules: a point first, then burrows that are not only blanks.
    SegmentInput noPoint;
    noPoint.point = false;
    EditSegment(2, 3, noPoint);
    SegmentInput blanks;
    blanks.burrows = "  ";
    EditSegment(2, 3, blanks);
    EXPECT_EQ(messages, (std::vector<CString>{"Моля въведете GPS координатите на точка.",
                                              "Моля въведете 'Брой установени дупки'"}));
    EXPECT_EQ(TextOf(Transects::kBurrowIds[1]), "40");

    CString caption;
    {
        const DialogScript script([&](CDialog& shown) {
            if (dynamic_cast<Dlg*>(&shown)) {
                shown.GetWindowText(caption);
                Picture("hamster_transect_dialog", &shown);
            }
            TypeSegment(shown, SegmentInput());
        });
        grid.SendMessageToParent(0, 1, NM_DBLCLK);  // the heading row opens nothing
        grid.SendMessageToParent(3, 1, NM_DBLCLK);
    }
    EXPECT_EQ(caption, "Трансект 200-300");
    EXPECT_EQ(grid.GetItemText(3, 2) + "|" + grid.GetItemText(3, 3) + "|" + grid.GetItemText(3, 4) + "|" +
                  grid.GetItemText(3, 11),
              "26° 4' 5.6\"|43° 1' 2.3\"|Ливада (сенокос)|5");
    EXPECT_EQ(TextOf(Transects::kBurrowIds[1]), "5");
    EXPECT_EQ(TextOf(Transects::kBurrowIds[0]), "9");
    EXPECT_EQ(TextOf(Transects::kHamsterIds[1]), "1234");
    Picture("hamster_transects");
    page->ScrollToPosition(CPoint(0, 1400));
    Picture("hamster_transects_scrolled");
    Leave();

    const CHamster02Transect& third = doc.SpecData_Hamster_02.Transect2[2];
    EXPECT_EQ(std::tuple(third.HabitatType, third.GrassType, third.LairCount, third.Latitude),
              std::tuple(2, -1, CString("5"), CString("43° 1' 2.3\"")));
    EXPECT_EQ(doc.SpecData_Hamster_02.HamstersLairsCount2, "5");
    EXPECT_EQ(doc.SpecData_Hamster_02.HamstersCount2, "1234");
}

TEST_F(HamsterPages, TheDialogListsEachCodeKindAndOpensAfterADatabaseError) {
    CHamster02Transect stored;
    stored.RoadsType = 3;
    stored.Latitude = "42° 1' 1.0\"";
    std::vector<Entries> lists;
    int road = -1;
    const auto open = [&] {
        lists.clear();
        const DialogScript script([&](CDialog& shown) {
            for (const int id : {Dlg::IDC_HABITAT, Dlg::IDC_WATER_TANK, Dlg::IDC_BUILDINGS}) {
                Entries entries;
                auto* combo = dynamic_cast<CComboBox*>(shown.GetDlgItem(id));
                for (int i = 0; i < combo->GetCount(); ++i)
                    entries.emplace_back(static_cast<int>(combo->GetItemData(i)), combo->GetLBText(i));
                lists.push_back(entries);
            }
            auto* roads = dynamic_cast<CComboBox*>(shown.GetDlgItem(Dlg::IDC_ROAD));
            road = roads->GetCurSel() < 0 ? -1 : static_cast<int>(roads->GetItemData(roads->GetCurSel()));
            shown.PressButton(IDCANCEL);
        });
        Dlg dialog("Трансект 0-100", &stored);
        return dialog.DoModal();
    };
    EXPECT_EQ(open(), IDCANCEL);
    ASSERT_EQ(lists.size(), 3u);
    EXPECT_EQ(lists[0].size(), 9u);
    EXPECT_EQ(lists[1].size(), 6u);
    EXPECT_EQ(lists[2].back(), std::pair(5, CString("Промишлени сгради")));
    EXPECT_EQ(road, 3);

    Exec("alter table nHamsterHabitatCodes rename column Road to RoadKind");
    EXPECT_EQ(open(), IDCANCEL);
    EXPECT_EQ(messages.size(), 1u);  // one message, not one per list
    EXPECT_EQ(lists[2].size(), 0u);  // filled after the road list
    EXPECT_EQ(lists[1].size(), 6u);  // filled before it
}

TEST_F(HamsterPages, AFormWalkedThroughItsPagesIsStoredLoadedAndPrinted) {
    doc.UserID = doc.SessionID = 1;
    doc.SpeciesID = 320;
    doc.SpeciesName = "Лалугер";
    ShowPage(RUNTIME_CLASS(CSpecForm_Hamster_01));
    Click(Site::IDC_PASTURE_YES);
    Tick(Site::IDC_HORSES, true);
    Keys(Site::IDC_HORSES_COUNT, "417");
    Tick(Site::IDC_JUNIPER, true);
    Leave();

    ShowPage(RUNTIME_CLASS(CSpecForm_Hamster_02));
    SegmentInput input;
    input.burrows = "8";
    EditSegment(4, 10, input);
    Keys(Transects::kHamsterIds[3], "3");
    Leave();

    ShowPage(RUNTIME_CLASS(CSpecForm_Hamster_03));
    Type(CSpecForm_Hamster_03::IDC_NOTES, "Колония до 'Стария кладенец'");
    Type(CSpecForm_Hamster_03::IDC_CHANGES, "Разорана нива");
    Picture("hamster_notes");
    Leave();
    ASSERT_TRUE(doc.SaveNewForm());

    CTovan_splitDoc loaded;
    loaded.m_bAutoDelete = FALSE;
    loaded.FormTypeID = kHamsterForm;
    ASSERT_TRUE(loaded.LoadForm(Number("select max(ID) from Forms")));
    EXPECT_EQ(loaded.SpecData_Hamster_01, doc.SpecData_Hamster_01);
    EXPECT_EQ(loaded.SpecData_Hamster_02, doc.SpecData_Hamster_02);
    EXPECT_EQ(loaded.SpecData_Hamster_03, doc.SpecData_Hamster_03);

    fs::copy(fs::path(QUORIN_DATA_DIR) / "reports", fs::path(database.Folder().str()) / "Reports",
             fs::copy_options::recursive);
    const CString output = MakeTempFolder();
    SetReportOutputFolder(output);
    CDlgReport report(&loaded);
    ASSERT_TRUE(report.Create(CDlgReport::IDD));
    report.ShowReport(kHamsterForm);
    report.DestroyWindow();
    SetReportOutputFolder("");
    const auto text = [&](const char* name) {
        std::stringstream content;
        content << std::ifstream(fs::path(output.str()) / name).rdbuf();
        return content.str();
    };
    const std::string site = text("Hamster1.txt");
    const std::string transects = text("Hamster2.txt");
    fs::remove_all(output.str());
    for (const char* typed : {"417", "Колония до 'Стария кладенец'", "Разорана нива", "Лалугер"})
        EXPECT_NE(site.find(typed), std::string::npos) << typed;
    for (const char* typed : {"26° 4' 5.6\"", "43° 1' 2.3\"", "900-1000"})
        EXPECT_NE(transects.find(typed), std::string::npos) << typed;
    EXPECT_EQ(site.find("Други данни"), std::string::npos);
    EXPECT_EQ(transects.find("Други данни"), std::string::npos);
    EXPECT_TRUE(messages.empty());
}
