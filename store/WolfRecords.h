#pragma once
// The wolf pages' records: the pack, the pair, the lair, the cubs, the howling, the route,
// the prey, hybrids, stray dogs, killed wolves, track sizes and scats. Counts and sizes are
// the texts typed on the pages. In every yes/no column 0 is "Да" and 1 "Не", in every sex
// column 0 male and 1 female; -1 is not answered.
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

// A prey species from questionnaires and own data (tWolf_07_PreyAnketi).
struct CWolf07PreyRow {
    CString SpeciesIDName;  // Name_lat of the species, shown only
    int SpeciesID = -1;     // sAllSpecies
    CString Count;

    friend bool operator==(const CWolf07PreyRow&, const CWolf07PreyRow&) = default;
};

// Killed animals of one species observed (tWolf_07_PreyObservations).
struct CWolf07PreySexRow {
    CString SpeciesIDName;
    int SpeciesID = -1;
    CString MaleCount;
    CString FemaleCount;
    CString Description;

    friend bool operator==(const CWolf07PreySexRow&, const CWolf07PreySexRow&) = default;
};

// The prey: both lists are kept and stored whatever their check boxes say.
class CSpecData_Wolf_07 {
public:
    void Reset() { *this = CSpecData_Wolf_07(); }

    CArray<CWolf07PreyRow> PreyAnketi;
    CArray<CWolf07PreySexRow> PreyObservations;
    int CheckWolfPreyAnketi = 0;
    int CheckWolfPreyObservations = 0;

    friend bool operator==(const CSpecData_Wolf_07&, const CSpecData_Wolf_07&) = default;
};

// Hybrids (tWolf_08_Hybrids).
class CSpecData_Wolf_08 {
public:
    void Reset() { *this = CSpecData_Wolf_08(); }

    int CheckWolfHybrids = 0;
    CString Notes;

    friend bool operator==(const CSpecData_Wolf_08&, const CSpecData_Wolf_08&) = default;
};

// Stray dogs (tWolf_09_RambleDogs).
class CSpecData_Wolf_09 {
public:
    void Reset() { *this = CSpecData_Wolf_09(); }

    int CheckRambleDogs = 0;
    CString Notes;

    friend bool operator==(const CSpecData_Wolf_09&, const CSpecData_Wolf_09&) = default;
};

// One killed wolf (tWolf_10_Killed); the names beside the answers are shown, never stored.
struct CWolf10Row {
    int Sex = -1;
    CString SexName;  // "М", "Ж" or ""
    CString Age;
    CString Color;
    CString Weight;
    int ExistsFingerFrontLeg = -1;  // the first toe's claw on the front leg
    CString ExistsFingerFrontLegName;
    int ExistsFingerBackLeg = -1;
    CString ExistsFingerBackLegName;

    friend bool operator==(const CWolf10Row&, const CWolf10Row&) = default;
};

// The killed wolves (tWolf_10, rows in tWolf_10_Killed).
class CSpecData_Wolf_10 {
public:
    void Reset() { *this = CSpecData_Wolf_10(); }

    CArray<CWolf10Row> Killed;

    friend bool operator==(const CSpecData_Wolf_10&, const CSpecData_Wolf_10&) = default;
};

// One trail: paw sizes and the stride in cm (tWolf_11_Trails).
struct CWolf11Row {
    CString FrontLen;
    CString FrontWid;
    CString BackLen;
    CString BackWid;
    CString StepLen;

    friend bool operator==(const CWolf11Row&, const CWolf11Row&) = default;
};

class CSpecData_Wolf_11 {
public:
    void Reset() { *this = CSpecData_Wolf_11(); }

    CString Habitat;
    CArray<CWolf11Row> Trails;

    friend bool operator==(const CSpecData_Wolf_11&, const CSpecData_Wolf_11&) = default;
};

// One scat (tWolf_12_Shits).
struct CWolf12Row {
    CString Color;
    CString Fur;
    CString Len;
    CString Wid;
    int BonesPresence = -1;
    CString BonesPresenceName;

    friend bool operator==(const CWolf12Row&, const CWolf12Row&) = default;
};

class CSpecData_Wolf_12 {
public:
    void Reset() { *this = CSpecData_Wolf_12(); }

    CString Habitat;
    CArray<CWolf12Row> Shits;

    friend bool operator==(const CSpecData_Wolf_12&, const CSpecData_Wolf_12&) = default;
};

// The wolf family of the document (see FamilyRecords.h): steps 6801 to 6812.
class CWolfRecords {
public:
    CSpecData_Wolf_01 SpecData_Wolf_01;
    CSpecData_Wolf_02 SpecData_Wolf_02;
    CSpecData_Wolf_03 SpecData_Wolf_03;
    CSpecData_Wolf_04 SpecData_Wolf_04;
    CSpecData_Wolf_05 SpecData_Wolf_05;
    CSpecData_Wolf_06 SpecData_Wolf_06;
    CSpecData_Wolf_07 SpecData_Wolf_07;
    CSpecData_Wolf_08 SpecData_Wolf_08;
    CSpecData_Wolf_09 SpecData_Wolf_09;
    CSpecData_Wolf_10 SpecData_Wolf_10;
    CSpecData_Wolf_11 SpecData_Wolf_11;
    CSpecData_Wolf_12 SpecData_Wolf_12;

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
    // The pages with lists write their page row, then its rows under the page row's id.
    void SaveWolf07(CSQLite3DB& db, int formId) const;
    void SaveWolf08(CSQLite3DB& db, int formId) const;
    void SaveWolf09(CSQLite3DB& db, int formId) const;
    void SaveWolf10(CSQLite3DB& db, int formId) const;
    void SaveWolf11(CSQLite3DB& db, int formId) const;
    void SaveWolf12(CSQLite3DB& db, int formId) const;
    // True when the form has the page's row; without one the record is left as it is.
    bool LoadWolf01(CSQLite3DB& db, int formId);
    bool LoadWolf02(CSQLite3DB& db, int formId);
    bool LoadWolf03(CSQLite3DB& db, int formId);
    bool LoadWolf04(CSQLite3DB& db, int formId);
    bool LoadWolf05(CSQLite3DB& db, int formId);
    // Each stored point replaces the point of its position; a position outside the route
    // (another program's row) is passed over, and of two rows for one position the later wins.
    bool LoadWolf06(CSQLite3DB& db, int formId);
    // A prey whose species has gone from the list loads with an empty name, so that the
    // next update keeps it.
    bool LoadWolf07(CSQLite3DB& db, int formId);
    bool LoadWolf08(CSQLite3DB& db, int formId);
    bool LoadWolf09(CSQLite3DB& db, int formId);
    bool LoadWolf10(CSQLite3DB& db, int formId);
    bool LoadWolf11(CSQLite3DB& db, int formId);
    bool LoadWolf12(CSQLite3DB& db, int formId);
};
