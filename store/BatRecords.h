#pragma once
// What the seven bat pages keep (forests 1 and 2, bat houses, caves 1 and 2, wetlands 1 and
// 2), the rows of their tables, and how the family stores and loads them.
//
// Survey methods: one flag byte per method of the page (1 used, 0 not, kUnsetMethod on a
// species row no dialog has filled yet) and, on species rows, the same choice as the text the
// dialogs write: the numbers of the used methods, "1; 3;" (or "1;3;" from the forest's other
// species dialog). The text is what is stored; the flags are rebuilt from it on loading.
#include <array>
#include <vector>

#include "platform/Arrays.h"
#include "platform/CString.h"
#include "platform/Types.h"

class CSQLite3DB;

constexpr BYTE kUnsetMethod = 0xFF;
constexpr int kForestMethods = 4;
constexpr int kCaveMethods = 5;
constexpr int kWetlandMethods = 4;

using CForestMethodFlags = std::array<BYTE, kForestMethods>;
using CCaveMethodFlags = std::array<BYTE, kCaveMethods>;
using CWetlandMethodFlags = std::array<BYTE, kWetlandMethods>;

// Flag i is 1 when the methods text holds the number i + 1 anywhere, else 0.
void ParseMethods(const CString& methods, BYTE* flags, int count);

// Another bat species found in the forest (_AllBats).
struct CBat02Row {
    int SpeciesID = -1;
    CString SpeciesName;
    CForestMethodFlags MethodFlags{kUnsetMethod, kUnsetMethod, kUnsetMethod, kUnsetMethod};
    CString Methods;
    int Count = -1;

    void ParseMethods() { ::ParseMethods(Methods, MethodFlags.data(), kForestMethods); }

    friend bool operator==(const CBat02Row&, const CBat02Row&) = default;
};

// A species found in a cave or a wetland; it has as many method flags as its page has methods.
struct CBat04Row {
    explicit CBat04Row(int methodCount = kCaveMethods) : MethodFlags(static_cast<size_t>(methodCount), kUnsetMethod) {}

    int SpeciesID = -1;
    CString SpeciesName;
    std::vector<BYTE> MethodFlags;
    CString Methods;
    int Count = -1;

    int MethodCount() const { return static_cast<int>(MethodFlags.size()); }
    void ParseMethods() { ::ParseMethods(Methods, MethodFlags.data(), MethodCount()); }

    friend bool operator==(const CBat04Row&, const CBat04Row&) = default;
};

// A species seen in a bat house (_BatsInHouses) and how many, as typed.
struct CBatHouseSpecies {
    int _BatsInHousesID = -1;
    CString BatsInHouseName;
    int Extra = -1;  // the count as a number, for the page only: neither stored nor loaded
    CString SpeciesCount;

    friend bool operator==(const CBatHouseSpecies&, const CBatHouseSpecies&) = default;
};

// The head of a bat house, as the house dialog edits it.
struct CBatHouseInfo {
    CString HouseNum;
    int HouseConditionID = -1;  // nBatHousesCondition
    CString HouseConditionIDName;

    friend bool operator==(const CBatHouseInfo&, const CBatHouseInfo&) = default;
};

struct CBatHouse : CBatHouseInfo {
    CArray<CBatHouseSpecies> Species;

    friend bool operator==(const CBatHouse&, const CBatHouse&) = default;
};

// "Прилепи - Гори  1": the methods used and the two monitored species.
class CSpecData_Bat_01_Forest {
public:
    void Reset() { *this = CSpecData_Bat_01_Forest(); }

    CForestMethodFlags PageMethods{};
    int Bat1Checked = 0;  // Myotis bechsteinii
    CString Bat1Method;
    CForestMethodFlags Bat1MethodFlags{};
    int Bat1Count = -1;
    int Bat2Checked = 0;  // Nyctalus noctula
    CString Bat2Method;
    CForestMethodFlags Bat2MethodFlags{};
    int Bat2Count = -1;

    friend bool operator==(const CSpecData_Bat_01_Forest&, const CSpecData_Bat_01_Forest&) = default;
};

// "Прилепи - Гори  2": the other species found, notes and the paper form's number.
class CSpecData_Bat_02_Forest {
public:
    void Reset() { *this = CSpecData_Bat_02_Forest(); }

    CArray<CBat02Row> ExtraBats;
    CString Changes;
    CString Notes;
    CString BlankNum;

    friend bool operator==(const CSpecData_Bat_02_Forest&, const CSpecData_Bat_02_Forest&) = default;
};

// "Къщички за прилепи".
class CSpecData_Bat_03_Houses {
public:
    void Reset() { *this = CSpecData_Bat_03_Houses(); }

    CString BatHousesFormNum;
    CArray<CBatHouse> BatHouses;

    friend bool operator==(const CSpecData_Bat_03_Houses&, const CSpecData_Bat_03_Houses&) = default;
};

// "Прилепи - Пещери 1": the methods used and the target species (_BatsInCaves).
class CSpecData_Bat_04_Caves {
public:
    void Reset() { *this = CSpecData_Bat_04_Caves(); }

    CCaveMethodFlags Methods{};
    CArray<CBat04Row> Species;

    friend bool operator==(const CSpecData_Bat_04_Caves&, const CSpecData_Bat_04_Caves&) = default;
};

// "Прилепи - Пещери 2": the other species (_AllBats), the colony's place, notes.
class CSpecData_Bat_05_Caves {
public:
    void Reset() { *this = CSpecData_Bat_05_Caves(); }

    CArray<CBat04Row> Species;
    CString ColonyLocation;
    CString Notes;
    CString Changes;

    friend bool operator==(const CSpecData_Bat_05_Caves&, const CSpecData_Bat_05_Caves&) = default;
};

// "Прилепи - Влажни зони 1": the methods used and the target species (_BatsInWetlands).
class CSpecData_Bat_06_WetLand {
public:
    void Reset() { *this = CSpecData_Bat_06_WetLand(); }

    CWetlandMethodFlags Methods{};
    CArray<CBat04Row> Species;

    friend bool operator==(const CSpecData_Bat_06_WetLand&, const CSpecData_Bat_06_WetLand&) = default;
};

// "Прилепи - Влажни зони 2": notes and the other species (_AllBats).
class CSpecData_Bat_07_WetLand {
public:
    void Reset() { *this = CSpecData_Bat_07_WetLand(); }

    CString Notes;
    CString Changes;
    CArray<CBat04Row> Species;

    friend bool operator==(const CSpecData_Bat_07_WetLand&, const CSpecData_Bat_07_WetLand&) = default;
};

// The bat family of the document: steps 6201 to 6207.
struct CBatRecords {
    CSpecData_Bat_01_Forest SpecData_Bat_01_Forest;
    CSpecData_Bat_02_Forest SpecData_Bat_02_Forest;
    CSpecData_Bat_03_Houses SpecData_Bat_03_Houses;
    CSpecData_Bat_04_Caves SpecData_Bat_04_Caves;
    CSpecData_Bat_05_Caves SpecData_Bat_05_Caves;
    CSpecData_Bat_06_WetLand SpecData_Bat_06_WetLand;
    CSpecData_Bat_07_WetLand SpecData_Bat_07_WetLand;

    void Reset();
    void Load(CSQLite3DB& db, int formId);
    bool SaveStep(CSQLite3DB& db, int stepCode, int formId) const;

    void SaveBat01(CSQLite3DB& db, int formId) const;
    void SaveBat02(CSQLite3DB& db, int formId) const;
    void SaveBat03(CSQLite3DB& db, int formId) const;
    void SaveBat04(CSQLite3DB& db, int formId) const;
    void SaveBat05(CSQLite3DB& db, int formId) const;
    void SaveBat06(CSQLite3DB& db, int formId) const;
    void SaveBat07(CSQLite3DB& db, int formId) const;

    // Each TRUE when the page's main row exists; without it the record stays as it was.
    BOOL LoadBat01(CSQLite3DB& db, int formId);
    BOOL LoadBat02(CSQLite3DB& db, int formId);
    BOOL LoadBat03(CSQLite3DB& db, int formId);
    BOOL LoadBat04(CSQLite3DB& db, int formId);
    BOOL LoadBat05(CSQLite3DB& db, int formId);
    BOOL LoadBat06(CSQLite3DB& db, int formId);
    BOOL LoadBat07(CSQLite3DB& db, int formId);
};
