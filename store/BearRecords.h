#pragma once
// The brown bear pages: the bears seen with their behaviour and their encounters with people
// (section 1), signs left on objects, dens and beds, tracks, droppings and notes (section 2).
// Radio choices are indexes, -1 for none; check flags 0 or 1; every measure is the text typed.
#include "platform/Arrays.h"
#include "platform/CString.h"
#include "platform/Types.h"

class CSQLite3DB;

// One bear or group of bears seen (tBear_01_Bears); the texts are the words of the classes
// ("мече", "кафяв", "мъжки"...), "" for none.
struct CBear01Row {
    int BearSize = -1;
    CString BearSizeTxt;
    int BearColor = -1;
    CString BearColorTxt;
    int BearSex = -1;
    CString BearSexTxt;
    CString BearCount;  // as typed

    friend bool operator==(const CBear01Row&, const CBear01Row&) = default;
};

// The bears seen and their behaviour (tBear_01).
class CSpecData_Bear_01 {
public:
    void Reset() { *this = CSpecData_Bear_01(); }

    CString Behaviour;
    CArray<CBear01Row> Bears;

    friend bool operator==(const CSpecData_Bear_01&, const CSpecData_Bear_01&) = default;
};

// How the bear met people: seven kinds, each ticked or not with the distance of the
// meeting in metres (tBear_02). The flags and the distances stand in different orders.
class CSpecData_Bear_02 {
public:
    void Reset() { *this = CSpecData_Bear_02(); }

    int bAgressionAgainst = 0;
    int bProtectChild = 0;
    int bProtectPrey = 0;
    int bRunAway = 0;
    int bRunCalm = 0;
    int bThreatens = 0;
    int bCriticDistance = 0;
    CString AgressionAgainst;
    CString CriticDistance;
    CString ProtectChild;
    CString ProtectPrey;
    CString RunAway;
    CString RunCalm;
    CString Threatens;

    friend bool operator==(const CSpecData_Bear_02&, const CSpecData_Bear_02&) = default;
};

// A sign left on an object (tBear_03).
class CSpecData_Bear_03 {
public:
    void Reset() { *this = CSpecData_Bear_03(); }

    CString Reasons;         // what provoked the marking
    CString ObjectType;      // the object bearing the sign
    CString ObjectSituated;  // where it stands
    CString Height;          // of the sign above ground, m
    int FloraType = -1;      // 0 coniferous .. 4 meadow or pasture
    int bTrail = 0;          // kept and stored; no page sets it

    friend bool operator==(const CSpecData_Bear_03&, const CSpecData_Bear_03&) = default;
};

// A den or bed (tBear_04).
class CSpecData_Bear_04 {
public:
    void Reset() { *this = CSpecData_Bear_04(); }

    int CheckLair = 0;  // kept and stored; no page sets it
    CString Len;        // bed, m
    CString Wid;
    int FloraType = -1;  // as on the sign page
    int LairType = -1;   // 0 den, 1 temporary bed, 2 lasting bed
    CString CaveLen;     // the cave entrance's height, m
    CString CaveWid;     // its width, m
    CString DistanceToLair;
    CString BedspreadMaterial;
    CString Period;

    friend bool operator==(const CSpecData_Bear_04&, const CSpecData_Bear_04&) = default;
};

// Tracks (tBear_05).
class CSpecData_Bear_05 {
public:
    void Reset() { *this = CSpecData_Bear_05(); }

    CString BackPawLen;  // cm
    CString BackPawWid;
    CString FrontPawLen;
    int bCheckTrail = 0;    // kept and stored; no page sets it
    int BearSizeType = -1;  // the size class by the hind paw, as CBear01Row::BearSize

    friend bool operator==(const CSpecData_Bear_05&, const CSpecData_Bear_05&) = default;
};

// Droppings (tBear_06).
class CSpecData_Bear_06 {
public:
    void Reset() { *this = CSpecData_Bear_06(); }

    int bCheckShit = 0;  // kept and stored; no page sets it
    CString Shits;       // what they are made of

    friend bool operator==(const CSpecData_Bear_06&, const CSpecData_Bear_06&) = default;
};

// Notes (tBear_07).
class CSpecData_Bear_07 {
public:
    void Reset() { *this = CSpecData_Bear_07(); }

    CString Notes;

    friend bool operator==(const CSpecData_Bear_07&, const CSpecData_Bear_07&) = default;
};

// The bear family of the document (see FamilyRecords.h): steps 6701 to 6707.
class CBearRecords {
public:
    CSpecData_Bear_01 SpecData_Bear_01;
    CSpecData_Bear_02 SpecData_Bear_02;
    CSpecData_Bear_03 SpecData_Bear_03;
    CSpecData_Bear_04 SpecData_Bear_04;
    CSpecData_Bear_05 SpecData_Bear_05;
    CSpecData_Bear_06 SpecData_Bear_06;
    CSpecData_Bear_07 SpecData_Bear_07;

    void Reset();
    void Load(CSQLite3DB& db, int formId);
    bool SaveStep(CSQLite3DB& db, int stepCode, int formId) const;

    // Each save writes its page's row, also when the page was never opened.
    void SaveBear01(CSQLite3DB& db, int formId) const;
    void SaveBear02(CSQLite3DB& db, int formId) const;
    void SaveBear03(CSQLite3DB& db, int formId) const;
    void SaveBear04(CSQLite3DB& db, int formId) const;
    void SaveBear05(CSQLite3DB& db, int formId) const;
    void SaveBear06(CSQLite3DB& db, int formId) const;
    void SaveBear07(CSQLite3DB& db, int formId) const;
    // True when the form has the page's row; without one the record is left as it is.
    bool LoadBear01(CSQLite3DB& db, int formId);
    bool LoadBear02(CSQLite3DB& db, int formId);
    bool LoadBear03(CSQLite3DB& db, int formId);
    bool LoadBear04(CSQLite3DB& db, int formId);
    bool LoadBear05(CSQLite3DB& db, int formId);
    bool LoadBear06(CSQLite3DB& db, int formId);
    bool LoadBear07(CSQLite3DB& db, int formId);
};
