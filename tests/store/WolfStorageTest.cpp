// The wolf pages stored and read back: awkward notes and counts, the lair's three answers,
// the route's three points with their positions (also when nothing was chosen in a list),
// another program's stray point; the prey, hybrids, stray dogs, killed wolves, trails and
// scats with their lists in order.
#include "StoreFixture.h"

#include "store/SqlText.h"

namespace {

constexpr int kAllWolfPages = 920;  // steps 6801 to 6812 and the coordinates page

class WolfStoreTest : public StoreTest {
protected:
    void SetUp() override {
        StoreTest::SetUp();
        AddFormType(kAllWolfPages, {6801, 6802, 6803, 6804, 6805, 6806, 1017, 6807, 6808, 6809, 6810, 6811, 6812});
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
using WolfPreyStoreTest = WolfStoreTest;

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

TEST_F(WolfRouteStoreTest, APositionThatAnotherFormAlsoNamesOutlivesTheUpdateAndDeleteOfOne) {
    auto first = NewDocument(kAllWolfPages);
    first->SpecData_Wolf_06.Tracks[kRouteFrom] = FullPoint();
    const int firstId = StoreNew(*first);
    const int secondId = StoreNew(*NewDocument(kAllWolfPages));
    // Another program let the second form's "from" point name the first form's position.
    Exec(FormatSql("update tWolf_06_Tracks set GPS_point_id = (select GPS_point_id from tWolf_06_Tracks where FormID = "
                   "%d and TrackType = 0) where FormID = %d and TrackType = 0", firstId, secondId));
    ASSERT_TRUE(Loaded(firstId, kAllWolfPages)->UpdateForm());
    ASSERT_TRUE(NewDocument()->DeleteForm(firstId));
    EXPECT_EQ(Loaded(secondId, kAllWolfPages)->SpecData_Wolf_06.Tracks[kRouteFrom].GpsPoint, FullPoint().GpsPoint);
}

// Every later wolf page with awkward texts and lists of two rows, both prey lists switched off.
void FillLaterPages(CTovan_splitDoc& doc) {
    CSpecData_Wolf_07& prey = doc.SpecData_Wolf_07;
    prey.PreyAnketi.Add({"Canis lupus", kSpecies, "7"});
    prey.PreyAnketi.Add({"Canis lupus", kSpecies, "12"});
    prey.PreyObservations.Add({"Canis lupus", kSpecies, "2", "3", "разкъсан 'в гората'"});
    doc.SpecData_Wolf_08 = {1, "хибрид О'Нийл"};
    doc.SpecData_Wolf_09 = {0, "кучета край село"};
    doc.SpecData_Wolf_10.Killed.Add({-1, "", "3", "сива", "41", 0, "Да", 1, "Не"});
    doc.SpecData_Wolf_10.Killed.Add({1, "Ж", "2", "кафява 'тъмна'", "35", -1, "", -1, ""});
    doc.SpecData_Wolf_11.Habitat = "бук и 'смърч'";
    doc.SpecData_Wolf_11.Trails.Add({"10", "8", "9", "7", "120"});
    doc.SpecData_Wolf_11.Trails.Add({"11", "9", "", "", "95"});
    doc.SpecData_Wolf_12.Habitat = "пасище";
    doc.SpecData_Wolf_12.Shits.Add({"сив", "козина 'сърна'", "12", "3", 0, "Да"});
    doc.SpecData_Wolf_12.Shits.Add({"черен", "", "9", "2", -1, ""});
}

TEST_F(WolfPreyStoreTest, EveryPageComesBackWithItsListsInOrder) {
    auto doc = NewDocument(kAllWolfPages);
    FillLaterPages(*doc);
    const int formId = StoreNew(*doc);
    auto loaded = Loaded(formId, kAllWolfPages);
    EXPECT_EQ(loaded->SpecData_Wolf_07, doc->SpecData_Wolf_07);  // lists kept with both boxes off
    EXPECT_EQ(loaded->SpecData_Wolf_08, doc->SpecData_Wolf_08);
    EXPECT_EQ(loaded->SpecData_Wolf_09, doc->SpecData_Wolf_09);
    EXPECT_EQ(loaded->SpecData_Wolf_10, doc->SpecData_Wolf_10);
    EXPECT_EQ(loaded->SpecData_Wolf_11, doc->SpecData_Wolf_11);
    EXPECT_EQ(loaded->SpecData_Wolf_12, doc->SpecData_Wolf_12);
    EXPECT_EQ(Text("select MaleCount || '|' || FemaleCount || '|' || Description from tWolf_07_PreyObservations"),
              "2|3|разкъсан 'в гората'");
    EXPECT_TRUE(boxes.Texts().empty());
}

TEST_F(WolfPreyStoreTest, GoneSpeciesAndUnknownAnswersLoadWithEmptyNames) {
    auto doc = NewDocument(kAllWolfPages);
    FillLaterPages(*doc);
    const int formId = StoreNew(*doc);
    Exec("update tWolf_07_PreyAnketi set SpeciesID = 4242; update tWolf_10_Killed set Sex = 5, "
         "ExistsFingerFrontLeg = 7; update tWolf_12_Shits set BonesPresence = 3");
    auto loaded = Loaded(formId, kAllWolfPages);
    ASSERT_EQ(loaded->SpecData_Wolf_07.PreyAnketi.GetSize(), 2);
    EXPECT_EQ(loaded->SpecData_Wolf_07.PreyAnketi[0], (CWolf07PreyRow{"", 4242, "7"}));
    EXPECT_EQ(loaded->SpecData_Wolf_10.Killed[0].SexName, "");
    EXPECT_EQ(loaded->SpecData_Wolf_10.Killed[0].ExistsFingerFrontLegName, "");
    EXPECT_EQ(loaded->SpecData_Wolf_12.Shits[0].BonesPresenceName, "");
    ASSERT_TRUE(loaded->UpdateForm());  // the prey of the gone species survives an update
    EXPECT_EQ(Count("tWolf_07_PreyAnketi", "SpeciesID = 4242"), 2);
}

}  // namespace
