#pragma once
// The chamois pages: the animals seen by sex and age class (form 27), and the four sections
// of the second part, each with its habitat type: tracks with their sizes (28), resting beds
// (45), droppings (46) and other signs (47). Counts are the texts typed on the pages; the
// habitat type is the index of its radio button (0 forest, 1 high mountain, -1 none).
#include "platform/Arrays.h"
#include "platform/CString.h"

class CSQLite3DB;

// Animals seen, with their total and notes (tGoat_01).
class CSpecData_Goat_01 {
public:
    void Reset() { *this = CSpecData_Goat_01(); }

    CString YoungMale;    // males 3-6 years
    CString OldMale;      // males over 6
    CString YoungFemale;  // females 2-3 years
    CString OldFemale;    // females over 3
    CString Baby;         // young of the year
    CString OldBaby;      // yearlings
    CString Total;        // computed by the page
    CString Notes;

    friend bool operator==(const CSpecData_Goat_01&, const CSpecData_Goat_01&) = default;
};

// One track, length and width in centimetres as typed (tGoat_02_Trails).
struct CTrackSize {
    CString Length;
    CString Width;

    friend bool operator==(const CTrackSize&, const CTrackSize&) = default;
};

// Tracks (tGoat_02 with its trails).
class CSpecData_Goat_02 {
public:
    void Reset() { *this = CSpecData_Goat_02(); }

    CArray<CTrackSize> Trails;
    int AreaType = -1;

    friend bool operator==(const CSpecData_Goat_02&, const CSpecData_Goat_02&) = default;
};

// Resting beds (tGoat_03_Couches).
class CSpecData_Goat_03 {
public:
    void Reset() { *this = CSpecData_Goat_03(); }

    int AreaType = -1;
    CString CountCouches;

    friend bool operator==(const CSpecData_Goat_03&, const CSpecData_Goat_03&) = default;
};

// Droppings (tGoat_04_Shits); the count comes before the habitat type here.
class CSpecData_Goat_04 {
public:
    void Reset() { *this = CSpecData_Goat_04(); }

    CString CountShits;
    int AreaType = -1;

    friend bool operator==(const CSpecData_Goat_04&, const CSpecData_Goat_04&) = default;
};

// Other signs, each ticked or not (tGoat_05_OtherSigns).
class CSpecData_Goat_05 {
public:
    void Reset() { *this = CSpecData_Goat_05(); }

    int AreaType = -1;
    int CheckFur = 0;      // tufts of fur
    int CheckGrass = 0;    // grass, shrubs and twigs gnawed while feeding
    int CheckRemains = 0;  // remains
    int CheckSigns = 0;    // marking signs

    friend bool operator==(const CSpecData_Goat_05&, const CSpecData_Goat_05&) = default;
};

// The chamois family of the document (see FamilyRecords.h).
class CGoatRecords {
public:
    CSpecData_Goat_01 SpecData_Goat_01;
    CSpecData_Goat_02 SpecData_Goat_02;
    CSpecData_Goat_03 SpecData_Goat_03;
    CSpecData_Goat_04 SpecData_Goat_04;
    CSpecData_Goat_05 SpecData_Goat_05;

    void Reset();
    void Load(CSQLite3DB& db, int formId);
    bool SaveStep(CSQLite3DB& db, int stepCode, int formId) const;

    // Each save writes its page's row, also when nothing was typed; the tracks follow their
    // page's row in the order of the list.
    void SaveGoat01(CSQLite3DB& db, int formId) const;
    void SaveGoat02(CSQLite3DB& db, int formId) const;
    void SaveGoat03(CSQLite3DB& db, int formId) const;
    void SaveGoat04(CSQLite3DB& db, int formId) const;
    void SaveGoat05(CSQLite3DB& db, int formId) const;
    // True when the form has the page's row; without one the record is left as it is.
    bool LoadGoat01(CSQLite3DB& db, int formId);
    bool LoadGoat02(CSQLite3DB& db, int formId);
    bool LoadGoat03(CSQLite3DB& db, int formId);
    bool LoadGoat04(CSQLite3DB& db, int formId);
    bool LoadGoat05(CSQLite3DB& db, int formId);
};
