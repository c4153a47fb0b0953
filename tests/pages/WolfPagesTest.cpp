// The wolf pages on the demo database: the route grid chosen a point at a time, the route
// dialog's lists and settlement, its GPS position, and each of forms 35 to 40 walked through
// its page, stored, loaded, printed and deleted.
#include "pages/common/DlgCoordinates.h"
#include "pages/species/DlgWolfRoute.h"
#include "pages/species/SpecFormWolf01.h"
#include "pages/species/SpecFormWolf02.h"
#include "pages/species/SpecFormWolf03.h"
#include "pages/species/SpecFormWolf04.h"
#include "pages/species/SpecFormWolf05.h"
#include "pages/species/SpecFormWolf06.h"
#include "store/SqlText.h"
#include "tests/pages/PageFixture.h"

namespace {

constexpr int kRilaPark = 17;  // a national park with sections, ДЛ and ДДС
constexpr int kAttributes = 12;

class WolfPagesTest : public PrintingPageTest {
protected:
    void SetUp() override {
        PrintingPageTest::SetUp();
        doc.FormTypeID = 40;
        doc.SpeciesName = "Canis lupus(Вълк)";
    }

    CGridCtrl& Grid() { return dynamic_cast<CSpecForm_Wolf_06*>(page)->RouteGrid(); }
    // The twelve cells of a point's column, joined by "|".
    CString PointColumn(int column) {
        CString cells;
        for (int row = 1; row <= kAttributes; ++row) cells += (row > 1 ? "|" : "") + Grid().GetItemText(row, column);
        return cells;
    }

    // Double clicks the cell; the route dialog that opens (if any) runs `script` and is closed
    // with OK unless the script closed it. Returns how many dialogs opened.
    int EditPoint(int row, int column, const std::function<void(CDlg_Wolf_Route&)>& script) {
        int opened = 0;
        const ModalRun run([&](CDialog& shown) {
            auto& dialog = dynamic_cast<CDlg_Wolf_Route&>(shown);
            ++opened;
            script(dialog);
            if (!dialog.IsEnded()) dialog.PressButton(IDOK);
        });
        Grid().SendMessageToParent(row, column, NM_DBLCLK);
        return opened;
    }
};
using WolfRouteTest = WolfPagesTest;

TEST_F(WolfRouteTest, AClickChoosesAPointAndOnlyAPointsCellOpensIt) {
    ShowPage(RUNTIME_CLASS(CSpecForm_Wolf_06));
    EXPECT_EQ(PointColumn(2), CString(U'|', kAttributes - 1));

    // A click on a cell of "През", as the user gives it, selects the whole point.
    CRect cell;
    ASSERT_TRUE(Grid().GetCellRect(5, 2, &cell));
    ClickAt(&Grid(), cell.CenterPoint());
    const CCellRange selected = Grid().GetSelectedCellRange();
    EXPECT_EQ(std::tuple(selected.GetMinRow(), selected.GetMinCol(), selected.GetMaxRow(), selected.GetMaxCol()),
              std::tuple(1, 2, kAttributes, 2));

    // Headings open nothing; Cancel changes nothing.
    EXPECT_EQ(EditPoint(0, 2, [](CDlg_Wolf_Route&) {}) + EditPoint(4, 0, [](CDlg_Wolf_Route&) {}), 0);
    EXPECT_EQ(EditPoint(4, 3, [](CDlg_Wolf_Route& dialog) {
                  dialog.SetDlgItemText(CDlg_Wolf_Route::IDC_PLACE, "отказано");
                  dialog.PressButton(IDCANCEL);
              }), 1);
    Leave();
    EXPECT_EQ(doc.SpecData_Wolf_06, CSpecData_Wolf_06());
}

TEST_F(WolfRouteTest, TheDialogTakesTheSettlementByNameTheListsAsChosenAndANewPositionOnlyOnOk) {
    doc.RIOSW_ID = kRilaPark;
    const Entries sections = Rows(FormatSql("select ID, Name from nPU where NP_ID = %d", kRilaPark));
    const Entries units = Rows(FormatSql("select ID, Name from nDL where ID in (select dlID from rDL__RIOSW_NP_PP "
                                         "where RIOSW_NP_PP_id = %d) order by ID", kRilaPark));
    ShowPage(RUNTIME_CLASS(CSpecForm_Wolf_06));
    Entries cities;
    EditPoint(3, 1, [&](CDlg_Wolf_Route& dialog) {
        cities = ListOf(dialog, CDlg_Wolf_Route::IDC_CITY);
        ASSERT_GE(cities.size(), 2u);
        Choose(dialog, CDlg_Wolf_Route::IDC_CITY, cities[1].first);
        EXPECT_EQ(TextOf(dialog, CDlg_Wolf_Route::IDC_EKATTE), cities[1].second.Right(5));
        Choose(dialog, CDlg_Wolf_Route::IDC_PARK_SECTION, sections.at(0).first);
        Choose(dialog, CDlg_Wolf_Route::IDC_DL, units.at(1).first);
        dialog.SetDlgItemText(CDlg_Wolf_Route::IDC_PLACE, "до 'Мальовица'");
        Keys(dialog, CDlg_Wolf_Route::IDC_ALTITUDE, "2x7305");  // digits only, at most 4
    });
    CString name = cities[1].second.Left(cities[1].second.GetLength() - 5);
    name.TrimRight();
    EXPECT_EQ(PointColumn(1), cities[1].second.Right(5) + "|" + name + "|до 'Мальовица'||" + units[1].second + "|" +
                                  sections[0].second + "|||||2730|");

    // "Точка" always starts empty; Cancel keeps the old position, OK takes the new one.
    CWolf06Row& from = doc.SpecData_Wolf_06.Tracks[kRouteFrom];
    for (const int button : {IDOK, IDCANCEL}) {
        EditPoint(1, 1, [&](CDlg_Wolf_Route& dialog) {
            const ModalRun nested([&](CDialog& shown) {
                auto& coordinates = dynamic_cast<CDlg_Coordinates&>(shown);
                EXPECT_EQ(TextOf(coordinates, CDlg_Coordinates::IDC_LAT_DEG), "0");
                for (const auto& [id, text] : {std::pair(CDlg_Coordinates::IDC_LAT_DEG, "42"),
                                               std::pair(CDlg_Coordinates::IDC_LAT_MIN, button == IDOK ? "11" : "22"),
                                               std::pair(CDlg_Coordinates::IDC_LON_DEG, "23")})
                    coordinates.SetDlgItemText(id, text);
                coordinates.PressButton(button);
            });
            Click(dialog, CDlg_Wolf_Route::IDC_POINT);
        });
    }
    Leave();
    EXPECT_EQ(std::tuple(from.GpsPoint, from.Lattitude, from.Longitude),
              std::tuple(CGeoPoint{42, 11, 0, 0, 23, 0, 0, 0}, CString("42°  11'  0.0''"), CString("23°  0'  0.0''")));
    EXPECT_EQ(std::tuple(from.CityID, from.CityIDName, from.PU_ID, from.DL_ID, from.DDS_ID),
              std::tuple(cities[1].first, name, sections[0].first, units[1].first, -1));

    EXPECT_TRUE(boxes.Texts().empty());
}

// The settlement typed into the route dialog's list, however the user ends it, is the one
// the EKATTE code shows and the point keeps. Enter in the open list only closes the list;
// in the closed one it is the dialog's OK.
TEST_F(WolfRouteTest, ATypedSettlementIsTakenWithTheListOpenOrClosed) {
    ShowPage(RUNTIME_CLASS(CSpecForm_Wolf_06));
    int column = 0;
    for (const ListTyping how : {ListTyping::kOpenThenEnter, ListTyping::kOpenThenClickAside, ListTyping::kClosedThenEnter}) {
        ++column;
        EditPoint(1, column, [&](CDlg_Wolf_Route& dialog) {
            TypeIntoList(dialog, CDlg_Wolf_Route::IDC_CITY, "Белиц", how);
            EXPECT_EQ(dialog.IsEnded(), how == ListTyping::kClosedThenEnter);
            EXPECT_EQ(TextOf(dialog, CDlg_Wolf_Route::IDC_EKATTE), "03504");
        });
        EXPECT_TRUE(PointColumn(column).str().starts_with("03504|Белица|")) << PointColumn(column);
    }
}

// The closed settlement list shows its whole entry, the EKATTE code included, also for the
// widest settlement of all.
TEST_F(WolfRouteTest, TheClosedSettlementListShowsItsWholeEntry) {
    doc.RIOSW_ID = kWidestSettlementsInspectorate;
    ShowPage(RUNTIME_CLASS(CSpecForm_Wolf_06));
    EditPoint(1, 1, [](CDlg_Wolf_Route& dialog) { ExpectWidestEntryShownWhole(dialog, CDlg_Wolf_Route::IDC_CITY); });
}

// Each of forms 35 to 40 through its wolf page: typed, stored, loaded as typed, printed with
// the blocks every form shares and its own section, and deleted.
TEST_F(WolfPagesTest, EachWolfFormIsWalkedStoredPrintedAndDeleted) {
    doc.RIOSW_ID = kRilaPark;
    doc.SpeciesID = Number("select ID from sAllSpecies where Name_lat = 'Canis lupus'");
    const int notes = CWolfNotesPage::IDC_NOTES, count = CWolfCountPage::IDC_COUNT;
    const struct Form {
        int type;
        const CRuntimeClass* pageClass;
        std::function<void()> fill;
        std::function<bool()> stored;  // the loaded document's record
        const char* printed;           // a value of the form's section of the report
    } forms[] = {
        {35, RUNTIME_CLASS(CSpecForm_Wolf_01), [&] { Keys(*page, count, "0071"); page->SetDlgItemText(notes, "глутница\r\nот 'Рила'"); },
         [&] { return doc.SpecData_Wolf_01 == CSpecData_Wolf_01{"глутница\r\nот 'Рила'", "007"}; }, "глутница"},
        {36, RUNTIME_CLASS(CSpecForm_Wolf_02), [&] { page->SetDlgItemText(notes, "двойка и 100%"); },
         [&] { return doc.SpecData_Wolf_02.Notes == "двойка и 100%"; }, "двойка и 100%"},
        {37, RUNTIME_CLASS(CSpecForm_Wolf_03), [&] { Click(*page, CSpecForm_Wolf_03::IDC_NOT_INHABITED); page->SetDlgItemText(notes, "празно"); },
         [&] { return doc.SpecData_Wolf_03 == CSpecData_Wolf_03{1, "празно"}; }, "празно"},
        {38, RUNTIME_CLASS(CSpecForm_Wolf_04), [&] { Keys(*page, count, "12"); page->SetDlgItemText(notes, "малки"); },
         [&] { return doc.SpecData_Wolf_04 == CSpecData_Wolf_04{"12", "малки"}; }, "малки"},
        {39, RUNTIME_CLASS(CSpecForm_Wolf_05), [&] { page->SetDlgItemText(notes, "вой"); },
         [&] { return doc.SpecData_Wolf_05.Notes == "вой"; }, "2000-01-01"},
        {40, RUNTIME_CLASS(CSpecForm_Wolf_06), [&] {
             EditPoint(1, 3, [](CDlg_Wolf_Route& dialog) {
                 ChooseIndex(dialog, CDlg_Wolf_Route::IDC_EXPOSURE, 2);
                 dialog.SetDlgItemText(CDlg_Wolf_Route::IDC_DEPARTMENT, "214");
             });
         }, [&] { return doc.SpecData_Wolf_06.Tracks[kRouteTo].Department == "214"; }, "214"},
    };
    for (const Form& form : forms) {
        doc.FormTypeID = form.type;
        doc.ClearAll();
        ShowPage(form.pageClass);
        form.fill();
        Leave();
        const int formId = StoreNew();
        Open(formId, FALSE);
        EXPECT_TRUE(form.stored()) << form.type;
        PrintAndDelete(formId, {"Canis lupus", form.printed});
    }
}

}  // namespace
