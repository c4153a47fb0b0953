#pragma once
// The wolf pages' records: the pack, the pair, the lair, the cubs, the howling and the route.
// Counts are the texts typed on the pages. The later wolf pages (prey, hybrids, stray dogs,
// killed wolves, track sizes, scats) join this family with their records and loaders.
#include "platform/Arrays.h"
#include "platform/CString.h"
#include "store/GeoPoint.h"

class CSQLite3DB;

// The pack: number of wolves and notes (tWolf_01_Pack).
class CSpecData_Wolf_01 {
public:
    void Reset() { *this = CSpecData_Wolf_01(); }

    CString Notes;
    CString WolfCount;

    friend bool operator==(const CSpecData_Wolf_01&, const CSpecData_Wolf_01&) = default;
};

// The pair (tWolf_02_Couple).
class CSpecData_Wolf_02 {
public:
    void Reset() { *this = CSpecData_Wolf_02(); }

    CString Notes;

    friend bool operator==(const CSpecData_Wolf_02&, const CSpecData_Wolf_02&) = default;
};

// The lair (tWolf_03_Lair).
class CSpecData_Wolf_03 {
public:
    void Reset() { *this = CSpecData_Wolf_03(); }

    int IsHabited = -1;  // 0 inhabited ("да"), 1 not ("не"), -1 not answered
    CString Notes;

    friend bool operator==(const CSpecData_Wolf_03&, const CSpecData_Wolf_03&) = default;
};

// The cubs (tWolf_04_Babies).
class CSpecData_Wolf_04 {
public:
    void Reset() { *this = CSpecData_Wolf_04(); }

    CString BabyWolfCount;
    CString Notes;

    friend bool operator==(const CSpecData_Wolf_04&, const CSpecData_Wolf_04&) = default;
};

// The howling (tWolf_05_Howl).
class CSpecData_Wolf_05 {
public:
    void Reset() { *this = CSpecData_Wolf_05(); }

    CString Notes;

    friend bool operator==(const CSpecData_Wolf_05&, const CSpecData_Wolf_05&) = default;
};

// The points of a wolf route, by their position in the route (stored as TrackType).
enum WolfRoutePoint { kRouteFrom = 0, kRouteThrough = 1, kRouteTo = 2 };
constexpr int kWolfRoutePoints = 3;

// One point of the route (tWolf_06_Tracks, its position in Coordinates). The names beside
// the ids are shown, never stored.
struct CWolf06Row {
    int DL_ID = -1;  // nDL
    CString DL_IDName;
    int DDS_ID = -1;  // nDDS
    CString DDS_IDName;
    int CityID = -1;  // EKNM_CITIES
    CString CityIDName;
    int ExposureID = -1;  // nMossExposure
    CString ExposureIDName;
    int PU_ID = -1;  // nPU, the section of a national park
    CString PU_IDName;
    CString Altitude;
    CString Department;
    CString EKNM;       // the settlement's EKATTE code
    CString Lattitude;  // the position's texts as the route dialog shows them
    CString Longitude;
    CString Place;
    CString Subdepartment;
    CGeoPoint GpsPoint;

    friend bool operator==(const CWolf06Row&, const CWolf06Row&) = default;
};

// The route: always exactly three points, "От", "През" and "До", at their WolfRoutePoint.
class CSpecData_Wolf_06 {
public:
    CSpecData_Wolf_06() { Tracks.SetSize(kWolfRoutePoints); }
    void Reset() { *this = CSpecData_Wolf_06(); }

    CArray<CWolf06Row> Tracks;

    friend bool operator==(const CSpecData_Wolf_06&, const CSpecData_Wolf_06&) = default;
};

// The wolf family of the document (see FamilyRecords.h): steps 6801 to 6806.
class CWolfRecords {
public:
    CSpecData_Wolf_01 SpecData_Wolf_01;
    CSpecData_Wolf_02 SpecData_Wolf_02;
    CSpecData_Wolf_03 SpecData_Wolf_03;
    CSpecData_Wolf_04 SpecData_Wolf_04;
    CSpecData_Wolf_05 SpecData_Wolf_05;
    CSpecData_Wolf_06 SpecData_Wolf_06;

    void Reset();
    void Load(CSQLite3DB& db, int formId);
    bool SaveStep(CSQLite3DB& db, int stepCode, int formId) const;

    // Each save writes its page's row, also when every field is empty; the route writes all
    // three points, each with its Coordinates row.
    void SaveWolf01(CSQLite3DB& db, int formId) const;
    void SaveWolf02(CSQLite3DB& db, int formId) const;
    void SaveWolf03(CSQLite3DB& db, int formId) const;
    void SaveWolf04(CSQLite3DB& db, int formId) const;
    void SaveWolf05(CSQLite3DB& db, int formId) const;
    void SaveWolf06(CSQLite3DB& db, int formId) const;
    // True when the form has the page's row; without one the record is left as it is.
    bool LoadWolf01(CSQLite3DB& db, int formId);
    bool LoadWolf02(CSQLite3DB& db, int formId);
    bool LoadWolf03(CSQLite3DB& db, int formId);
    bool LoadWolf04(CSQLite3DB& db, int formId);
    bool LoadWolf05(CSQLite3DB& db, int formId);
    // Each stored point replaces the point of its position; a position outside the route
    // (another program's row) is passed over, and of two rows for one position the later wins.
    bool LoadWolf06(CSQLite3DB& db, int formId);
};
