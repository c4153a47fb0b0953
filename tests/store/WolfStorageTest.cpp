// The wolf pages stored and read back: awkward notes and counts, the lair's three answers,
// the route's three points with their positions (also when nothing was chosen in a list),
// another program's stray point, and updates and a delete that keep the route's positions
// in step with its points.
#include "StoreFixture.h"

#include "store/SqlText.h"

namespace {

constexpr int kAllWolfPages = 920;  // steps 6801 to 6806 and the coordinates page

class WolfStoreTest : public StoreTest {
protected:
    void SetUp() override {
        StoreTest::SetUp();
        Exec("insert into FormNames (ID, Name) values (920, 'Вълк 1.1 - 1.6');"
             "insert into FormBuilder (FormTypeId, FormViewID, SequenceNum, Caption, ItemDataName, ItemDataValue) values"
             " (920, 9001, 1, '', '', 6801), (920, 9001, 2, '', '', 6802), (920, 9001, 3, '', '', 6803),"
             " (920, 9001, 4, '', '', 6804), (920, 9001, 5, '', '', 6805), (920, 9001, 6, '', '', 6806),"
             " (920, 9001, 7, '', '', 1017);");
    }

    int StoreNew(CTovan_splitDoc& doc) {
        EXPECT_TRUE(doc.SaveNewForm());
        return LastFormId();
    }
    // The route's positions in Coordinates: every row the form's tracks name, and how many of
    // them are route positions (DlgData_ID -1).
    std::pair<int, int> RoutePositions(int formId) {
        const CString tracks = FormatSql("ID in (select GPS_point_id from tWolf_06_Tracks where FormID = %d)", formId);
        return {Count("Coordinates", tracks), Count("Coordinates", CString("DlgData_ID = -1 and ") + tracks)};
    }
};
using WolfPagesStoreTest = WolfStoreTest;
using WolfRouteStoreTest = WolfStoreTest;

// A point with every list chosen and every text typed.
CWolf06Row FullPoint() {
    CWolf06Row point;
    point.DL_ID = kCity;  // the test rows of every list share one id
    point.DL_IDName = "ДЛ Витоша";
    point.DDS_ID = kCity;
    point.DDS_IDName = "ДДС Бистрица";
    point.CityID = kCity;
    point.CityIDName = "гр.София";
    point.ExposureID = kExposure;
    point.ExposureIDName = "северна";
    point.PU_ID = kArea;
    point.PU_IDName = "ПУ Говедарци";
    point.Altitude = "1840";
    point.Department = "12";
    point.EKNM = "68134";
    point.GpsPoint = CGeoPoint{42, 33, 51, 4, 23, 17, 8, 65};
    point.Lattitude = point.GpsPoint.FormatLatitude();
    point.Longitude = point.GpsPoint.FormatLongitude();
    point.Place = "под 'Черни връх'";
    point.Subdepartment = "б";
    return point;
}

TEST_F(WolfPagesStoreTest, NotesAndCountsComeBackAsTypedAndTheLairKeepsItsAnswer) {
    for (const int inhabited : {-1, 0, 1}) {
        auto doc = NewDocument(kAllWolfPages);
        doc->SpecData_Wolf_01 = {"  Глутница от 'Рила'\nвтори ред  ", "007"};
        doc->SpecData_Wolf_02 = {"двойка при 100% сняг"};
        doc->SpecData_Wolf_03 = {inhabited, "леговище О'Нийл"};
        doc->SpecData_Wolf_04 = {"3", ""};
        doc->SpecData_Wolf_05 = {"вой \"на зазоряване\""};
        auto loaded = Loaded(StoreNew(*doc), kAllWolfPages);
        EXPECT_EQ(loaded->SpecData_Wolf_01, (CSpecData_Wolf_01{"Глутница от 'Рила'\nвтори ред", "007"}));
        EXPECT_EQ(loaded->SpecData_Wolf_02, doc->SpecData_Wolf_02);
        EXPECT_EQ(loaded->SpecData_Wolf_03, doc->SpecData_Wolf_03);
        EXPECT_EQ(loaded->SpecData_Wolf_04, doc->SpecData_Wolf_04);
        EXPECT_EQ(loaded->SpecData_Wolf_05, doc->SpecData_Wolf_05);
    }
    EXPECT_EQ(Text("select group_concat(IsHabited) from tWolf_03_Lair"), "-1,0,1");
    EXPECT_TRUE(boxes.Texts().empty());
}

TEST_F(WolfRouteStoreTest, EveryPointComesBackToItsPlaceWhateverItsListsHold) {
    // Only "От" filled: three tracks and three positions, the other two all zero.
    auto doc = NewDocument(kAllWolfPages);
    doc->SpecData_Wolf_06.Tracks[kRouteFrom] = FullPoint();
    int formId = StoreNew(*doc);
    EXPECT_EQ(Text(FormatSql("select group_concat(TrackType) from tWolf_06_Tracks where FormID = %d", formId)), "0,1,2");
    EXPECT_EQ(RoutePositions(formId), std::pair(3, 3));
    EXPECT_EQ(Count("Coordinates", "Latitude_Grad = 0 and Longtitude_Grad = 0 and Latitude_Relativity = -2"), 2);
    EXPECT_EQ(Loaded(formId, kAllWolfPages)->SpecData_Wolf_06, doc->SpecData_Wolf_06);

    // A point without a settlement, units or exposure (the usual case outside parks), and one
    // whose park section and ДЛ alone are chosen: both load whole.
    CWolf06Row unlisted = FullPoint();
    unlisted.CityID = unlisted.DL_ID = unlisted.DDS_ID = unlisted.ExposureID = unlisted.PU_ID = -1;
    unlisted.CityIDName = unlisted.DL_IDName = unlisted.DDS_IDName = unlisted.ExposureIDName = unlisted.PU_IDName = "";
    CWolf06Row park = unlisted;
    park.PU_ID = kArea;
    park.PU_IDName = "ПУ Говедарци";
    park.DL_ID = kCity;
    park.DL_IDName = "ДЛ Витоша";
    park.GpsPoint.LatSec = 12;
    doc->SpecData_Wolf_06.Tracks[kRouteThrough] = unlisted;
    doc->SpecData_Wolf_06.Tracks[kRouteTo] = park;
    formId = StoreNew(*doc);
    EXPECT_EQ(Loaded(formId, kAllWolfPages)->SpecData_Wolf_06, doc->SpecData_Wolf_06);

    // Another program's point at position 5, and a second row for "През": the stray one is
    // passed over, the later row wins.
    Exec(FormatSql("insert into tWolf_06_Tracks (FormID, TrackType, Place) values (%d, 5, 'чужда'), (%d, 1, 'по-късна')",
                   formId, formId));
    auto loaded = Loaded(formId, kAllWolfPages);
    ASSERT_EQ(loaded->SpecData_Wolf_06.Tracks.GetSize(), kWolfRoutePoints);
    EXPECT_EQ(loaded->SpecData_Wolf_06.Tracks[kRouteThrough].Place, "по-късна");
    EXPECT_EQ(loaded->SpecData_Wolf_06.Tracks[kRouteThrough].GpsPoint, CGeoPoint());
    EXPECT_EQ(loaded->SpecData_Wolf_06.Tracks[kRouteTo], park);
    EXPECT_TRUE(boxes.Texts().empty());
}

TEST_F(WolfRouteStoreTest, UpdatesKeepThreePositionsAndADeleteRemovesThemOnly) {
    auto doc = NewDocument(kAllWolfPages);
    doc->CommonData_04.Points.Add(CGeoPoint{43, 1, 2, 3, 24, 5, 6, 7});  // another page's point
    doc->SpecData_Wolf_06.Tracks[kRouteTo] = FullPoint();
    const int formId = StoreNew(*doc);
    const int otherId = StoreNew(*doc);

    auto edited = Loaded(formId, kAllWolfPages);
    edited->SpecData_Wolf_06.Tracks[kRouteFrom].Place = "Бели Искър";
    for (int update = 0; update < 2; ++update) {
        ASSERT_TRUE(edited->UpdateForm());
        EXPECT_EQ(Count("tWolf_06_Tracks", FormatSql("FormID = %d", formId)), 3);
        EXPECT_EQ(RoutePositions(formId), std::pair(3, 3));
    }
    EXPECT_EQ(Count("Coordinates", "DlgData_ID = -1"), 6);  // this form's three and the other's
    EXPECT_EQ(Loaded(formId, kAllWolfPages)->SpecData_Wolf_06, edited->SpecData_Wolf_06);

    ASSERT_TRUE(edited->DeleteForm(formId));
    EXPECT_EQ(Count("tWolf_06_Tracks", FormatSql("FormID = %d", formId)), 0);
    EXPECT_EQ(Count("Coordinates", "DlgData_ID = -1"), 3);
    EXPECT_EQ(RoutePositions(otherId), std::pair(3, 3));
    EXPECT_EQ(Count("Coordinates", "DlgData_ID <> -1"), 1);  // the other form's page point
    EXPECT_TRUE(boxes.Texts().empty());
}

}  // namespace
