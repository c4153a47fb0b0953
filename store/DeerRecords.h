#pragma once
// The red deer pages: stags and hinds counted by age class (form 25), the rutting stag with
// its place and the hinds and stags around it (form 26). Every field is the text typed on
// the page, totals included (the pages compute them); each record is one row of its table.
#include "platform/CString.h"

class CSQLite3DB;

// Counts of one sex by age class, youngest first, and their total.
struct CDeerAgeClasses {
    void Reset() { *this = CDeerAgeClasses(); }

    CString VeryYoung;
    CString Young;
    CString Old;
    CString VeryOld;
    CString Total;

    friend bool operator==(const CDeerAgeClasses&, const CDeerAgeClasses&) = default;
};

// Stags: yearlings, young, middle-aged, mature (tDeer_01).
class CSpecData_Deer_01 : public CDeerAgeClasses {};
// Hinds: not calved, young, adult, aged (tDeer_02).
class CSpecData_Deer_02 : public CDeerAgeClasses {};

// The rutting stag and its place (tDeer_03).
class CSpecData_Deer_03 {
public:
    void Reset() { *this = CSpecData_Deer_03(); }

    CString ArealCharacteristic;  // the habitat of the rutting place
    CString EyeProngs;
    CString IceProngs;
    CString MidProngs;
    CString WolfProngs;
    CString Age;
    CString CrownLeft;
    CString CrownRight;

    friend bool operator==(const CSpecData_Deer_03&, const CSpecData_Deer_03&) = default;
};

// Hinds and other stags around the rutting place, with notes (tDeer_04).
class CSpecData_Deer_04 {
public:
    void Reset() { *this = CSpecData_Deer_04(); }

    CString DoeVeryYoung;
    CString DoeYoung;
    CString DoeOld;
    CString DoeVeryOld;
    CString DoeTotal;
    CString DeerVeryYoung;
    CString DeerYoung;
    CString DeerOld;
    CString DeerMature;
    CString DeerVeryOld;
    CString DeerTotal;
    CString Notes;

    friend bool operator==(const CSpecData_Deer_04&, const CSpecData_Deer_04&) = default;
};

// The deer family of the document (see FamilyRecords.h).
class CDeerRecords {
public:
    CSpecData_Deer_01 SpecData_Deer_01;
    CSpecData_Deer_02 SpecData_Deer_02;
    CSpecData_Deer_03 SpecData_Deer_03;
    CSpecData_Deer_04 SpecData_Deer_04;

    void Reset();
    void Load(CSQLite3DB& db, int formId);
    bool SaveStep(CSQLite3DB& db, int stepCode, int formId) const;

    // Each save writes its page's row, also when every field is empty.
    void SaveDeer01(CSQLite3DB& db, int formId) const;
    void SaveDeer02(CSQLite3DB& db, int formId) const;
    void SaveDeer03(CSQLite3DB& db, int formId) const;
    void SaveDeer04(CSQLite3DB& db, int formId) const;
    // True when the form has the page's row; without one the record is left as it is.
    bool LoadDeer01(CSQLite3DB& db, int formId);
    bool LoadDeer02(CSQLite3DB& db, int formId);
    bool LoadDeer03(CSQLite3DB& db, int formId);
    bool LoadDeer04(CSQLite3DB& db, int formId);
};
