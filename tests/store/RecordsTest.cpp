// The document and its records on their own: the header rules, the combined species id,
// the geographic point, and how species families plug in.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "db/SQLite3DB.h"
#include "store/FormDocument.h"

TEST(GeoPoint, FormatsAndTheCountrysBoxGoByTheParts) {
    const CGeoPoint point{42, 5, 7, 3, 23, 19, 59, 12};
    EXPECT_EQ(point.FormatLatitude(), "42°  5'  7.3''");
    EXPECT_EQ(point.FormatLongitude(), "23°  19'  59.12''");
    EXPECT_EQ(point.FormatLatitudeShort(), "42° 5' 7.3\"");
    EXPECT_EQ(point.FormatLongitudeShort(), "23° 19' 59.12\"");

    const auto inside = [](int latDeg, int lonDeg) { return CGeoPoint{latDeg, 59, 59, 9, lonDeg, 59, 59, 9}.IsInsideBulgaria(); };
    EXPECT_TRUE(inside(41, 22));
    EXPECT_TRUE(inside(45, 29));
    EXPECT_FALSE(inside(40, 25));
    EXPECT_FALSE(inside(46, 25));
    EXPECT_FALSE(inside(43, 21));
    EXPECT_FALSE(inside(43, 30));
}

TEST(CombinedSpeciesId, SplitsAtEachLevelsBoundaryAndJoinsBack) {
    const int cases[][3] = {{9999, 9999, 1}, {-1, -1, 1},        {10000, 0, 2},   {99999, 89999, 2},
                            {100000, 0, 3}, {999999, 899999, 3}, {1000000, 0, 4}, {1000007, 7, 4}};
    for (const auto& [combined, id, type] : cases) {
        const CSplitSpeciesID split = SplitSpeciesID(combined);
        EXPECT_EQ(split.id, id) << combined;
        EXPECT_EQ(split.type, type) << combined;
        EXPECT_EQ(JoinSpeciesID(split.type, split.id, -5), combined);
    }
    EXPECT_EQ(JoinSpeciesID(0, 7, 123), 123);
    EXPECT_EQ(JoinSpeciesID(5, 7, 123), 123);
}

TEST(FormDocument, ClearAllEmptiesThePagesAndKeepsTheHeader) {
    CTovan_splitDoc doc;
    doc.FormTypeID = 3;
    doc.FormName = "Вълк";
    doc.SpeciesID = 12;
    doc.RIOSW_ID = 5;
    doc.SetReadOnly(TRUE);
    doc.FormID = 40;
    doc.CommonData_01.PlaceID = 8;
    doc.CommonData_03.Department = "7";
    doc.CommonData_04.Points.Add(CGeoPoint{});
    doc.CommonData_06.Observers.Add(CPersonRow{});
    doc.CommonData_07_Threat.Threats.Add(CThreatItem{});
    doc.CommonData_InsertImages.PhotoNames.Add("a.bmp");
    EXPECT_EQ(doc.MakeFormCode(40), "5_3_12_40");

    doc.ClearAll();
    EXPECT_EQ(doc.FormID, -1);
    EXPECT_EQ(doc.CommonData_01, CCommonData_01{});
    EXPECT_EQ(doc.CommonData_03, CCommonData_03{});
    EXPECT_EQ(doc.CommonData_04, CCommonData_04{});
    EXPECT_EQ(doc.CommonData_06, CCommonData_06{});
    EXPECT_EQ(doc.CommonData_07_Threat, CCommonData_07_Threat{});
    EXPECT_TRUE(doc.CommonData_InsertImages.PhotoNames.IsEmpty());
    EXPECT_EQ(doc.MakeFormCode(40), "5_3_12_40");
    EXPECT_EQ(doc.FormName, "Вълк");
    EXPECT_TRUE(doc.IsReadOnly());
}

namespace {

// Two stand-in families that note what the document asks of them.
std::vector<std::string> calls;

template <int kFirstStep>
struct FakeFamily {
    void Reset() { calls.push_back("reset " + std::to_string(kFirstStep)); }
    void Load(CSQLite3DB&, int formId) { calls.push_back("load " + std::to_string(kFirstStep) + " " + std::to_string(formId)); }
    bool SaveStep(CSQLite3DB&, int step, int formId) const {
        if (step < kFirstStep || step > kFirstStep + 1) return false;
        calls.push_back("save " + std::to_string(step) + " " + std::to_string(formId));
        return true;
    }
};

}  // namespace

TEST(SpeciesFamilies, EachFamilyIsResetLoadedInListOrderAndSavesOnlyItsOwnSteps) {
    CSpeciesFamilies<FakeFamily<6601>, FakeFamily<6701>> families;
    CSQLite3DB db;  // the stand-ins never touch it
    calls.clear();
    families.ResetSpeciesPages();
    families.LoadSpeciesPages(db, 9);
    EXPECT_TRUE(families.SaveSpeciesStep(db, 6702, 9));
    EXPECT_TRUE(families.SaveSpeciesStep(db, 6601, 9));
    EXPECT_FALSE(families.SaveSpeciesStep(db, 6901, 9));
    EXPECT_EQ(calls, (std::vector<std::string>{"reset 6601", "reset 6701", "load 6601 9", "load 6701 9", "save 6702 9",
                                               "save 6601 9"}));
}
