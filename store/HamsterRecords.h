#pragma once
// The hamster form's three pages: the site (grazing livestock, overgrowth), five transects of
// ten 100-metre segments each, and free notes. A transect always has exactly ten segments,
// on a new form as after a load, so its segments are a fixed-size array.
#include <array>

#include "platform/CString.h"

class CSQLite3DB;

// One 100-metre segment of a transect: its point (as the texts the transect dialog formats),
// seven codes of nHamsterHabitatCodes (-1 none) with their display texts, and the burrows.
struct CHamster02Transect {
    int WaterTankType = -1;
    CString WaterTankTypeName;
    int RoadsType = -1;
    CString RoadsTypeName;
    int OvergrowingsType = -1;
    CString OvergrowingsTypeName;
    int HabitatType = -1;
    CString HabitatTypeName;
    int GrassHeightType = -1;
    CString GrassHeightTypeName;
    int GrassType = -1;
    CString GrassTypeName;
    int BuildingsType = -1;
    CString BuildingsTypeName;
    CString LairCount;
    CString Latitude;
    CString Longitude;

    friend bool operator==(const CHamster02Transect&, const CHamster02Transect&) = default;
};

constexpr int kHamsterSegments = 10;
constexpr int kHamsterTransects = 5;
using CHamsterTransect = std::array<CHamster02Transect, kHamsterSegments>;

// Page 1 (tHamster_01): the site.
class CSpecData_Hamster_01 {
public:
    void Reset() { *this = CSpecData_Hamster_01(); }

    int bCheckBushes = 0;
    int bCheckCows = 0;
    int bCheckElse = 0;  // the other overgrowth, described in ElseDescription
    int bCheckGoats = 0;
    int bCheckHorses = 0;
    int bCheckJuniper = 0;
    int bCheckPrickles = 0;
    int bCheckSheeps = 0;
    CString CowsCount;
    CString ElseDescription;
    CString GoatsCount;
    CString HorsesCount;
    CString OthersCount;
    CString OthersName;
    CString SheepsCount;
    int iRadionPasture = -1;  // 0 yes, 1 no, 2 no information
    int bCheckOthers = 0;

    friend bool operator==(const CSpecData_Hamster_01&, const CSpecData_Hamster_01&) = default;
};

// Page 2 (tHamster_02, segments in tHamster_02_Transects): per transect the hamsters counted
// (typed) and the burrows (the sum of the segments' burrows, computed by the page).
class CSpecData_Hamster_02 {
public:
    void Reset() { *this = CSpecData_Hamster_02(); }

    CString HamstersCount1;
    CString HamstersLairsCount1;
    CString HamstersCount2;
    CString HamstersLairsCount2;
    CString HamstersCount3;
    CString HamstersLairsCount3;
    CString HamstersCount4;
    CString HamstersLairsCount4;
    CString HamstersCount5;
    CString HamstersLairsCount5;
    CHamsterTransect Transect1;
    CHamsterTransect Transect2;
    CHamsterTransect Transect3;
    CHamsterTransect Transect4;
    CHamsterTransect Transect5;

    // Transect `number` (1 to 5) and its two counts.
    CHamsterTransect& TransectOf(int number) { return this->*kFields[number - 1].segments; }
    const CHamsterTransect& TransectOf(int number) const { return this->*kFields[number - 1].segments; }
    CString& HamstersCountOf(int number) { return this->*kFields[number - 1].hamsters; }
    const CString& HamstersCountOf(int number) const { return this->*kFields[number - 1].hamsters; }
    CString& LairsCountOf(int number) { return this->*kFields[number - 1].lairs; }
    const CString& LairsCountOf(int number) const { return this->*kFields[number - 1].lairs; }

    friend bool operator==(const CSpecData_Hamster_02&, const CSpecData_Hamster_02&) = default;

private:
    struct TransectFields {
        CString CSpecData_Hamster_02::*hamsters;
        CString CSpecData_Hamster_02::*lairs;
        CHamsterTransect CSpecData_Hamster_02::*segments;
    };
    static constexpr TransectFields kFields[kHamsterTransects] = {
        {&CSpecData_Hamster_02::HamstersCount1, &CSpecData_Hamster_02::HamstersLairsCount1, &CSpecData_Hamster_02::Transect1},
        {&CSpecData_Hamster_02::HamstersCount2, &CSpecData_Hamster_02::HamstersLairsCount2, &CSpecData_Hamster_02::Transect2},
        {&CSpecData_Hamster_02::HamstersCount3, &CSpecData_Hamster_02::HamstersLairsCount3, &CSpecData_Hamster_02::Transect3},
        {&CSpecData_Hamster_02::HamstersCount4, &CSpecData_Hamster_02::HamstersLairsCount4, &CSpecData_Hamster_02::Transect4},
        {&CSpecData_Hamster_02::HamstersCount5, &CSpecData_Hamster_02::HamstersLairsCount5, &CSpecData_Hamster_02::Transect5},
    };
};

// Page 3 (tHamster_03).
class CSpecData_Hamster_03 {
public:
    void Reset() { *this = CSpecData_Hamster_03(); }

    CString Notes;
    CString Changes;

    friend bool operator==(const CSpecData_Hamster_03&, const CSpecData_Hamster_03&) = default;
};

// The family in the document: steps 6951 to 6953.
struct CHamsterRecords {
    CSpecData_Hamster_01 SpecData_Hamster_01;
    CSpecData_Hamster_02 SpecData_Hamster_02;
    CSpecData_Hamster_03 SpecData_Hamster_03;

    void Reset();
    void Load(CSQLite3DB& db, int formId);
    bool SaveStep(CSQLite3DB& db, int stepCode, int formId) const;

    // Each returns true when the page's row was found.
    bool LoadHamster01(CSQLite3DB& db, int formId);
    bool LoadHamster02(CSQLite3DB& db, int formId);
    bool LoadHamster03(CSQLite3DB& db, int formId);
    static void LoadHamster02Transect(CSQLite3DB& db, int parentId, int number, CHamsterTransect& segments);

    void SaveHamster01(CSQLite3DB& db, int formId) const;
    void SaveHamster02(CSQLite3DB& db, int formId) const;
    void SaveHamster03(CSQLite3DB& db, int formId) const;
    static void SaveHamster02Transect(CSQLite3DB& db, int parentId, int number, const CHamsterTransect& segments);
};
