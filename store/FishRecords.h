#pragma once
// The fish form's species pages: the monitored species (kept while the form is open, never
// stored), the electrofishing device, the net, and the fish measured, one row each.
#include "platform/Arrays.h"
#include "platform/CString.h"
#include "platform/Types.h"

class CSQLite3DB;

// The letter of a fish's sex as the table, the row dialog and the reports show it: "М" for
// male (0), "Ж" for female (1), nothing for an unknown sex (-1 or anything else).
CString FishSexLetter(int sex);

// One fish measured (tFishes_03).
struct CFish03Row {
    CString MaturityLevel;  // "1" to "6", "" when not given
    int Sex = -1;           // 0 male, 1 female, -1 unknown
    CString SexLetter;      // FishSexLetter(Sex); never stored
    CString Weight;         // grams
    CString Notes;
    CString StandardLen;    // millimetres
    CString AbsLen;         // millimetres

    friend bool operator==(const CFish03Row&, const CFish03Row&) = default;
};

// The species chosen as the one monitored. No table holds it: it is lost when the form is
// stored, and a stored form opens without it.
class CSpecData_Fish_00 {
public:
    void Reset() { *this = CSpecData_Fish_00(); }

    int MonitoredSpeciesID = -1;  // sAllSpecies

    friend bool operator==(const CSpecData_Fish_00&, const CSpecData_Fish_00&) = default;
};

// Electrofishing (tFishes_01).
class CSpecData_Fish_01 {
public:
    void Reset() { *this = CSpecData_Fish_01(); }

    CString FishingDevice;    // the device and its technical parameters
    CString FishingDistance;  // metres
    CString FishingTime;      // seconds

    friend bool operator==(const CSpecData_Fish_01&, const CSpecData_Fish_01&) = default;
};

// Net fishing (tFishes_02).
class CSpecData_Fish_02 {
public:
    void Reset() { *this = CSpecData_Fish_02(); }

    CString NetLength;       // metres
    CString NetHeight;       // metres
    CString NetEyeDimnsion;  // mesh size, centimetres
    int NetType = -1;        // 0 vertical ("Вертикална"), 1 bottom ("Гриб"), -1 none

    friend bool operator==(const CSpecData_Fish_02&, const CSpecData_Fish_02&) = default;
};

// The fish measured, in the order they were typed (tFishes_03).
class CSpecData_Fish_03 {
public:
    void Reset() { *this = CSpecData_Fish_03(); }

    CArray<CFish03Row> Species;

    friend bool operator==(const CSpecData_Fish_03&, const CSpecData_Fish_03&) = default;
};

// The fish family in the document: steps 6901 to 6904.
struct CFishRecords {
    CSpecData_Fish_00 SpecData_Fish_00;
    CSpecData_Fish_01 SpecData_Fish_01;
    CSpecData_Fish_02 SpecData_Fish_02;
    CSpecData_Fish_03 SpecData_Fish_03;

    void Reset();
    void Load(CSQLite3DB& db, int formId);
    // Step 6901 is the family's, but writes nothing.
    bool SaveStep(CSQLite3DB& db, int stepCode, int formId) const;

private:
    // Each returns TRUE when the form has a row of its table; without one the record stays
    // as it was (the fish list emptied).
    BOOL LoadFish01(CSQLite3DB& db, int formId);
    BOOL LoadFish02(CSQLite3DB& db, int formId);
    BOOL LoadFish03(CSQLite3DB& db, int formId);
    void SaveFish01(CSQLite3DB& db, int formId) const;
    void SaveFish02(CSQLite3DB& db, int formId) const;
    void SaveFish03(CSQLite3DB& db, int formId) const;
};
