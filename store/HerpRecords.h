#pragma once
// The amphibian (steps 6501, 6502) and reptile (6401, 6402) pages' records. The first page of
// each counts the animals by age class, describes the habitat and lists the accompanying
// species; the second holds two free texts. Counts are the texts as typed on the page and
// are stored as texts.
#include "platform/Arrays.h"
#include "platform/CString.h"
#include "store/SpeciesNameRow.h"

class CSQLite3DB;

// The age classes keep their column names: YoungCount is the sub-adults ("Неполовозрели:"),
// BabiesCount the young ("Млади:").
class CSpecData_Amphibia_01 {
public:
    void Reset() { *this = CSpecData_Amphibia_01(); }

    CString AdultCount;
    CString AreaDescription;
    CString BabiesCount;          // young
    CString EggsCount;            // clumps or eggs
    CString RoadkilledCount;
    CString SingClassification;   // representativeness by the scheme for calling species
    CString TotalCount;           // adults + sub-adults + young, computed by the page
    CString YoungCount;           // sub-adults
    CArray<CSpeciesNameRow> HommieSpecies;

    friend bool operator==(const CSpecData_Amphibia_01&, const CSpecData_Amphibia_01&) = default;
};

class CSpecData_Reptile_01 {
public:
    void Reset() { *this = CSpecData_Reptile_01(); }

    CString YoungCount;   // sub-adults
    CString TotalCount;   // adults + sub-adults + young, computed by the page
    CString RoadkilledCount;
    CString NestsCount;   // clutches
    CString BabiesCount;  // young
    CString AdultCount;
    CString AreaDescription;
    CArray<CSpeciesNameRow> HommieSpecies;

    friend bool operator==(const CSpecData_Reptile_01&, const CSpecData_Reptile_01&) = default;
};

// The second page of both forms.
class CSpecData_HabitatNotes {
public:
    void Reset() { *this = CSpecData_HabitatNotes(); }

    CString HabitatChanges;
    CString Notes;

    friend bool operator==(const CSpecData_HabitatNotes&, const CSpecData_HabitatNotes&) = default;
};
class CSpecData_Amphibia_02 : public CSpecData_HabitatNotes {};
class CSpecData_Reptile_02 : public CSpecData_HabitatNotes {};

// The family in the document (see FamilyRecords.h).
struct CHerpRecords {
    CSpecData_Amphibia_01 SpecData_Amphibia_01;
    CSpecData_Amphibia_02 SpecData_Amphibia_02;
    CSpecData_Reptile_01 SpecData_Reptile_01;
    CSpecData_Reptile_02 SpecData_Reptile_02;

    void Reset();
    void Load(CSQLite3DB& db, int formId);
    bool SaveStep(CSQLite3DB& db, int stepCode, int formId) const;

    // Each stores its page under the form; a page row is written also when it is empty.
    void SaveAmphibia01(CSQLite3DB& db, int formId) const;
    void SaveAmphibia02(CSQLite3DB& db, int formId) const;
    void SaveReptiles01(CSQLite3DB& db, int formId) const;
    void SaveReptiles02(CSQLite3DB& db, int formId) const;
    // Each returns true when the page's row was found; without one the record keeps its
    // defaults.
    bool LoadAmphibia01(CSQLite3DB& db, int formId);
    bool LoadAmphibia02(CSQLite3DB& db, int formId);
    bool LoadReptiles01(CSQLite3DB& db, int formId);
    bool LoadReptiles02(CSQLite3DB& db, int formId);
};
