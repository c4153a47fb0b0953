// The coordinate dialog's rules, and the coordinates page that adds, edits and deletes its
// points with it.
#include "controls/grid/GridCtrl.h"
#include "pages/common/CommonForm04Variants.h"
#include "pages/common/DlgCoordinates.h"
#include "tests/pages/PageFixture.h"

namespace {

using Dlg = CDlg_Coordinates;

CGeoPoint Point(int latDeg, int latMin, int latSec, int latFraction, int lonDeg, int lonMin, int lonSec, int lonFraction) {
    return {latDeg, latMin, latSec, latFraction, lonDeg, lonMin, lonSec, lonFraction};
}

void TypePoint(CDialog& dialog, const CGeoPoint& p) {
    const std::pair<int, int> fields[] = {{Dlg::IDC_LAT_DEG, p.LatDeg}, {Dlg::IDC_LAT_MIN, p.LatMin},
                                          {Dlg::IDC_LAT_SEC, p.LatSec}, {Dlg::IDC_LAT_FRACTION, p.LatFraction},
                                          {Dlg::IDC_LON_DEG, p.LonDeg}, {Dlg::IDC_LON_MIN, p.LonMin},
                                          {Dlg::IDC_LON_SEC, p.LonSec}, {Dlg::IDC_LON_FRACTION, p.LonFraction}};
    for (const auto& [id, value] : fields) dialog.SetDlgItemInt(id, static_cast<UINT>(value));
}

// Runs the dialog through the script; its result.
INT_PTR RunDialog(Dlg& dialog, const std::function<void(CDialog&)>& script) {
    const ModalRun run(script);
    return dialog.DoModal();
}

const CGeoPoint kSofia = Point(42, 41, 51, 3, 23, 19, 18, 75);
const CGeoPoint kVarna = Point(43, 12, 51, 0, 27, 54, 38, 4);

class CoordinatesTest : public PageTest {};

TEST_F(CoordinatesTest, AFieldOutOfItsRangeIsRefusedWithItsMessageAndTheDialogStaysOpen) {
    const std::tuple<int, const char*, const char*> rules[] = {
        {Dlg::IDC_LAT_DEG, "91", "Please enter an integer between 0 and 90."},
        {Dlg::IDC_LON_DEG, "181", "Please enter an integer between 0 and 180."},
        {Dlg::IDC_LAT_MIN, "60", "Please enter an integer between 0 and 59."},
        {Dlg::IDC_LON_SEC, "60", "Please enter an integer between 0 and 59."},
        {Dlg::IDC_LON_FRACTION, "10000", "Please enter an integer between 0 and 9999."},
        {Dlg::IDC_LON_SEC, "", "Please enter an integer."},
        // Kept as a whole number, "05" would print as ".5".
        {Dlg::IDC_LAT_FRACTION, "05", Dlg::kLeadingZeroMessage},
        {Dlg::IDC_LON_FRACTION, "0050", Dlg::kLeadingZeroMessage},
    };
    for (const auto& [id, text, message] : rules) {
        boxes.Reset();
        Dlg dialog(&kSofia);
        EXPECT_EQ(RunDialog(dialog,
                            [&](CDialog& shown) {
                                shown.SetDlgItemText(id, text);
                                shown.PressButton(IDOK);
                                EXPECT_EQ(CWnd::GetFocus(), shown.GetDlgItem(id));
                                shown.PressButton(IDCANCEL);
                            }),
                  IDCANCEL);
        EXPECT_EQ(boxes.Texts(), std::vector<CString>{message}) << id;
    }
}

TEST_F(CoordinatesTest, OnlyAPointInsideTheCountrysBoxComesBackAndItComesBackExactly) {
    const std::pair<CGeoPoint, bool> points[] = {
        {Point(41, 0, 0, 0, 22, 0, 0, 0), true},         {Point(45, 59, 59, 9999, 29, 59, 59, 9999), true},
        {Point(40, 59, 59, 9999, 25, 0, 0, 0), false},   {Point(46, 0, 0, 0, 25, 0, 0, 0), false},
        {Point(42, 0, 0, 0, 21, 59, 59, 9999), false},   {Point(42, 0, 0, 0, 30, 0, 0, 0), false},
        {Point(42, 30, 0, 5, 25, 0, 0, 0), true},        {kSofia, true},  // fractions 0, 5, 3 and 75 pass
    };
    for (const auto& [point, inside] : points) {
        boxes.Reset();
        const CGeoPoint given = kVarna;
        Dlg dialog(&given);
        const INT_PTR result = RunDialog(dialog, [&](CDialog& shown) {
            TypePoint(shown, point);
            shown.PressButton(IDOK);
            shown.PressButton(IDCANCEL);  // after a refused OK
        });
        EXPECT_EQ(result, inside ? IDOK : IDCANCEL) << point.FormatLatitude() << " " << point.FormatLongitude();
        EXPECT_EQ(boxes.Texts(), inside ? std::vector<CString>() : std::vector<CString>{Dlg::kOutsideMessage});
        if (inside) {
            EXPECT_EQ(dialog.m_point, point);
        }
        EXPECT_EQ(given, kVarna);
    }
    // A new point starts at zeros, which lie outside.
    Dlg empty;
    RunDialog(empty, [&](CDialog& shown) {
        CString degrees;
        shown.GetDlgItemText(Dlg::IDC_LON_DEG, degrees);
        EXPECT_EQ(degrees, "0");
        shown.PressButton(IDOK);
        EXPECT_FALSE(shown.IsEnded());
        shown.PressButton(IDCANCEL);
    });
}

class CoordinatesPageTest : public PageTest {
protected:
    CGridCtrl& Grid() { return *dynamic_cast<CGridCtrl*>(page->GetDlgItem(CCommonForm_04::IDC_POINTS)); }

    std::vector<CString> GridRows() { return ::GridRows(Grid()); }

    // The dialog answers the point with OK, or Cancel for none.
    void WithDialog(const CGeoPoint* point, const std::function<void()>& action) {
        const ModalRun script([&](CDialog& shown) {
            if (point) TypePoint(shown, *point);
            shown.PressButton(point ? IDOK : IDCANCEL);
        });
        action();
    }
};

TEST_F(CoordinatesPageTest, PointsAreAddedEditedAndDeletedThroughTheDialogAndKeptInOrder) {
    ShowPage(RUNTIME_CLASS(CCommonForm_04));
    for (const CGeoPoint* point : {&kSofia, static_cast<const CGeoPoint*>(nullptr), &kVarna, &kSofia})
        WithDialog(point, [&] { Click(*page, CCommonForm_04::IDC_ADD_POINT); });
    EXPECT_EQ(GridRows(), (std::vector<CString>{"1|23°  19'  18.75''|42°  41'  51.3''",
                                                "2|27°  54'  38.4''|43°  12'  51.0''",
                                                "3|23°  19'  18.75''|42°  41'  51.3''"}));

    // A double click edits the point in its place; the heading row opens nothing.
    Grid().SendMessageToParent(0, 1, NM_DBLCLK);
    WithDialog(nullptr, [&] { Grid().SendMessageToParent(2, 1, NM_DBLCLK); });
    CGeoPoint moved = kVarna;
    moved.LonDeg = 24;
    WithDialog(&moved, [&] { Grid().SendMessageToParent(2, 2, NM_DBLCLK); });
    EXPECT_EQ(GridRows()[1], "2|24°  54'  38.4''|43°  12'  51.0''");

    // Only one whole selected row is deleted; those below it move up and are renumbered.
    Click(*page, CCommonForm_04::IDC_DELETE_POINT);
    Grid().SetSelectedRange(1, 1, 1, 1);
    Click(*page, CCommonForm_04::IDC_DELETE_POINT);
    Grid().SetSelectedRange(1, 0, 2, 2);
    Click(*page, CCommonForm_04::IDC_DELETE_POINT);
    EXPECT_EQ(GridRows().size(), 3u);
    Grid().SetSelectedRange(1, 0, 1, 2);
    Click(*page, CCommonForm_04::IDC_DELETE_POINT);
    EXPECT_EQ(GridRows()[0], "1|24°  54'  38.4''|43°  12'  51.0''");
    Leave();
    CArray<CGeoPoint> kept;
    kept.Add(moved);
    kept.Add(kSofia);
    EXPECT_EQ(doc.CommonData_04.Points, kept);
}

TEST_F(CoordinatesPageTest, RegionAltitudeAndExposureGoToTheRecordAndAHiddenExposureIsKept) {
    const Entries exposures = Rows("select ID, Name from nMossExposure where Name is not NULL");
    ShowPage(RUNTIME_CLASS(CCommonForm_04_Exposure));
    EXPECT_TRUE(IsShown(*page, CCommonForm_04::IDC_EXPOSURE) && IsShown(*page, CCommonForm_04::IDC_EXPOSURE_LABEL));
    EXPECT_EQ(ListOf(*page, CCommonForm_04::IDC_EXPOSURE), exposures);
    Click(*page, 2092);
    page->SetDlgItemText(CCommonForm_04::IDC_ALTITUDE, "2925");
    Choose(*page, CCommonForm_04::IDC_EXPOSURE, exposures[1].first);
    Leave();
    const CCommonData_04& record = doc.CommonData_04;
    EXPECT_EQ(std::tuple(record.BioRegionID, record.Altitude, record.ExposureID, record.ExposureIDName),
              std::tuple(2, CString("2925"), exposures[1].first, exposures[1].second));

    ShowPage(RUNTIME_CLASS(CCommonForm_04));
    EXPECT_FALSE(IsShown(*page, CCommonForm_04::IDC_EXPOSURE) || IsShown(*page, CCommonForm_04::IDC_EXPOSURE_LABEL));
    Click(*page, 2064);
    Leave();
    EXPECT_EQ(std::tuple(record.BioRegionID, record.ExposureID, record.ExposureIDName),
              std::tuple(0, exposures[1].first, exposures[1].second));
}

}  // namespace
