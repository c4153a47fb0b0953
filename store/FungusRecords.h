#pragma once
// The fungus pages' records. Form 1 (steps 6601 to 6603) describes one site of a fungus: the
// floristic region and UTM square, substrate, habitat and ecology, the population with its
// companion fungi, and notes. Form 30 (steps 6604, 6605) is a trial plot: the changes since
// former years and the species found with their fruit bodies. Counts and areas are the texts
// as typed.
#include "platform/Arrays.h"
#include "platform/CString.h"
#include "store/SpeciesNameRow.h"

class CSQLite3DB;

// One species found on the trial plot (tFungus_05).
struct CFungus05Row {
    int FungiID = -1;      // _AllFungi
    CString FungiIDName;   // display only
    CString Count;         // fruit bodies

    friend bool operator==(const CFungus05Row&, const CFungus05Row&) = default;
};

// "Гъби - 1" (tFungus_01).
class CSpecData_Fungus_01 {
public:
    void Reset() { *this = CSpecData_Fungus_01(); }

    CString FloristicRegionIDName;  // display only
    int FloristicRegionID = -1;     // Floristic_regions
    CString UTM_GirdIDName;         // display only
    int UTM_GirdID = -1;            // nUTM_Fungus
    CString EkoSpecifics;
    CString Habitat;
    CString Substratum;             // substrate or host

    friend bool operator==(const CSpecData_Fungus_01&, const CSpecData_Fungus_01&) = default;
};

// "Гъби - 2" (tFungus_02, its companions in tFungus_02_OtherSpecies).
class CSpecData_Fungus_02 {
public:
    void Reset() { *this = CSpecData_Fungus_02(); }

    CString PopulationArea;  // hectares
    CString ColectionNum;    // number in a mycological collection
    CString GroupsCount;     // fruit bodies or groups
    CArray<CSpeciesNameRow> OtherSpecies;  // companion fungi, _AllFungi

    friend bool operator==(const CSpecData_Fungus_02&, const CSpecData_Fungus_02&) = default;
};

// "Гъби - 3" (tFungus_03).
class CSpecData_Fungus_03 {
public:
    void Reset() { *this = CSpecData_Fungus_03(); }

    CString CollectionNotes;  // a hidden field of the page: kept while the form is open, never stored
    CString Notes;

    friend bool operator==(const CSpecData_Fungus_03&, const CSpecData_Fungus_03&) = default;
};

// "Гъби - 4" (tFungus_04): each kind of change is ticked or not, with its text.
class CSpecData_Fungus_04 {
public:
    void Reset() { *this = CSpecData_Fungus_04(); }

    int FloristicRegionID = -1;     // Floristic_regions
    CString FloristicRegionIDName;  // display only
    CString EkoConditionsChanges;
    CString HabitatChanges;         // vegetation or habitat
    CString LandUsageChanges;
    int bEkoConditionsChanges = 0;
    int bHabitatChanges = 0;
    int bLandUsageChanges = 0;

    friend bool operator==(const CSpecData_Fungus_04&, const CSpecData_Fungus_04&) = default;
};

// "Гъби - 5" (tFungus_05, one row per species).
class CSpecData_Fungus_05 {
public:
    void Reset() { *this = CSpecData_Fungus_05(); }

    CArray<CFungus05Row> Species;

    friend bool operator==(const CSpecData_Fungus_05&, const CSpecData_Fungus_05&) = default;
};

// The family in the document (see FamilyRecords.h).
struct CFungusRecords {
    CSpecData_Fungus_01 SpecData_Fungus_01;
    CSpecData_Fungus_02 SpecData_Fungus_02;
    CSpecData_Fungus_03 SpecData_Fungus_03;
    CSpecData_Fungus_04 SpecData_Fungus_04;
    CSpecData_Fungus_05 SpecData_Fungus_05;

    void Reset();
    void Load(CSQLite3DB& db, int formId);
    bool SaveStep(CSQLite3DB& db, int stepCode, int formId) const;

    // Each stores its page under the form; pages 1 to 4 write their row also when empty.
    void SaveFungus01(CSQLite3DB& db, int formId) const;
    void SaveFungus02(CSQLite3DB& db, int formId) const;
    void SaveFungus03(CSQLite3DB& db, int formId) const;
    void SaveFungus04(CSQLite3DB& db, int formId) const;
    void SaveFungus05(CSQLite3DB& db, int formId) const;
    // Each returns true when the page's row was found; without one the record keeps its
    // defaults (its list emptied).
    bool LoadFungus01(CSQLite3DB& db, int formId);
    bool LoadFungus02(CSQLite3DB& db, int formId);
    bool LoadFungus03(CSQLite3DB& db, int formId);
    bool LoadFungus04(CSQLite3DB& db, int formId);
    bool LoadFungus05(CSQLite3DB& db, int formId);
};
