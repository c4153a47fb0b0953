#pragma once
// The moss pages' records. The notes page (step 7006) is also walked by the deer, chamois and
// wolf forms, whose reports print its note. Pages 7021 and 7022 are variants of pages 05 and 02
// and edit their records; page 7020 has no record and stores nothing.
#include "platform/Arrays.h"
#include "platform/CString.h"

class CSQLite3DB;

// The rocks answer of page 03 as the page names it: 0 "Да", 1 "Не", anything else "".
CString RocksAnswerName(int index);

// A tree, shrub or grass species as chosen in its Latin and Bulgarian lists (_AllTreesMoss or
// _AllGrassBushMoss); both ids name the same species, and the Latin one is stored.
struct CMossSpeciesRow {
    CString Name_lat;
    int ID_lat = -1;
    CString Name_bg;
    int ID_bg = -1;

    friend bool operator==(const CMossSpeciesRow&, const CMossSpeciesRow&) = default;
};

// A tuft: its area in cm² and, on the pages that ask, whether it carries a spore capsule
// (nMossYesNo).
struct CMoss04Row {
    CString TurfArea;
    int SporeExists = -1;
    CString SporeExistsName;

    friend bool operator==(const CMoss04Row&, const CMoss04Row&) = default;
};

// A companion moss (_AllMosses); its own cover is kept while the form is open, never stored.
struct CMoss05Row {
    CString Name;
    int _AllMossesID = -1;
    CString PercentCoverage;

    friend bool operator==(const CMoss05Row&, const CMoss05Row&) = default;
};

// A tuft of page 15: its area in cm² and whether it carries archegonia (nMossYesNo).
struct CMoss15Row {
    CString TorfArea;
    int ArhegonExistance = -1;
    CString ArhegonExistanceName;

    friend bool operator==(const CMoss15Row&, const CMoss15Row&) = default;
};

// A host tree of page 17 (_AllTreesMoss), chosen by either name; both ids name one species.
struct CMoss17TreeRow {
    int _AllTreesID = -1;
    CString Name_lat;
    int ID_bg = -1;
    CString Name_bg;
    CString Diameter;  // cm
    CString Height;    // m

    friend bool operator==(const CMoss17TreeRow&, const CMoss17TreeRow&) = default;
};

// A moss colony of page 17 on the host tree at position TreeNum (0-based) of the page's trees.
struct CMoss17ColonyRow {
    int TreeNum = -1;
    int ExposureID = -1;  // nMossExposure
    CString ExposureIDName;
    CString AliveArea;         // cm²
    CString AppropriateCount;  // suitable trees not yet grown over
    CString DeadArea;          // cm²
    CString Coverage;          // cm²
    CString Height;            // m above the tree's base

    friend bool operator==(const CMoss17ColonyRow&, const CMoss17ColonyRow&) = default;
};

// Distances to human works and waters (tMoss_01): a flag per kind, and its distance in metres.
class CSpecData_Moss_01 {
public:
    void Reset() { *this = CSpecData_Moss_01(); }

    int bCheckArableLand = 0;
    int bCheckBuildings = 0;
    int bCheckCities = 0;
    int bCheckForestTrack = 0;
    int bCheckRivers = 0;
    int bCheckRoads = 0;
    int bCheckStreams = 0;
    int bCheckTouristsPath = 0;
    CString ArableLandDist;
    CString BuildingsDist;
    CString CitiesDist;
    CString ForestTrackDist;
    CString RiverDist;
    CString RoadsDist;
    CString StreamsDist;
    CString ToursitPathDist;

    friend bool operator==(const CSpecData_Moss_01&, const CSpecData_Moss_01&) = default;
};

// Plant community and dominant trees (tMoss_02, tMoss_02_Trees).
class CSpecData_Moss_02 {
public:
    void Reset() { *this = CSpecData_Moss_02(); }

    int HommiesType = -1;  // nMossHommies
    CString HommiesTypeName;
    CArray<CMossSpeciesRow> Trees;

    friend bool operator==(const CSpecData_Moss_02&, const CSpecData_Moss_02&) = default;
};

// Shrubs and grasses, covers, slope, exposure, rocks (tMoss_03, tMoss_03_GrassBush).
class CSpecData_Moss_03 {
public:
    void Reset() { *this = CSpecData_Moss_03(); }

    CArray<CMossSpeciesRow> GrassBush;
    CString ExposureIDName;
    int ExposureID = -1;  // nMossExposure
    CString BushesPercent;
    CString GrassPercent;
    CString Tilt;
    int RocksExists = -1;  // 0 "Да", 1 "Не"
    CString RocksExistsName;

    friend bool operator==(const CSpecData_Moss_03&, const CSpecData_Moss_03&) = default;
};

// Where the tufts grow and their areas (tMoss_04, tMoss_04_Turf).
class CSpecData_Moss_04 {
public:
    void Reset() { *this = CSpecData_Moss_04(); }

    int GrassCoverID = -1;  // nMossTurfSituation
    CString GrassCoverIDName;
    int SunshineID = -1;  // nMossTurfSituation
    CString SunshineIDName;
    CArray<CMoss04Row> Turfs;  // only the areas

    friend bool operator==(const CSpecData_Moss_04&, const CSpecData_Moss_04&) = default;
};

// Companion mosses and their cover (tMoss_05, tMoss_05_Attendants).
class CSpecData_Moss_05 {
public:
    void Reset() { *this = CSpecData_Moss_05(); }

    CArray<CMoss05Row> Attendants;
    CString PercentCoverage;
    CString Area;  // no page shows it

    friend bool operator==(const CSpecData_Moss_05&, const CSpecData_Moss_05&) = default;
};

// Free notes (tMoss_06).
class CSpecData_Moss_06 {
public:
    void Reset() { *this = CSpecData_Moss_06(); }

    CString NoteText;

    friend bool operator==(const CSpecData_Moss_06&, const CSpecData_Moss_06&) = default;
};

// Tuft locations chosen from nMossTurf, and tufts with spore capsule (tMoss_07 and its two
// child tables).
class CSpecData_Moss_07 {
public:
    void Reset() { *this = CSpecData_Moss_07(); }

    CStringArray TurfNames;
    CArray<int> TurfIDs;  // same order as TurfNames
    CArray<CMoss04Row> TurfProperties;

    friend bool operator==(const CSpecData_Moss_07&, const CSpecData_Moss_07&) = default;
};

// A stump or fallen tree carrying the moss (tMoss_09_Stubs).
struct CMoss09Row {
    int RotScale = -1;  // decay degree, the index of "1", "2", "3"
    CString Diameter;   // cm
    CString Len;        // m
    CString SporofitsCount;

    friend bool operator==(const CMoss09Row&, const CMoss09Row&) = default;
};

// A tuft's position on a rock outcrop (tMoss_11_TurfSituation).
struct CMoss11Row {
    int SunshineID = -1;  // nMossRockSunshine
    CString SunshineIDName;
    int SituationID = -1;  // nMossRockSituation
    CString SituationIDName;
    int ExposureID = -1;  // nMossExposure
    CString ExposureIDName;

    friend bool operator==(const CMoss11Row&, const CMoss11Row&) = default;
};

// Dominant trees and the covers of the tree, shrub and grass layers (tMoss_08, tMoss_08_Trees).
class CSpecData_Moss_08 {
public:
    void Reset() { *this = CSpecData_Moss_08(); }

    CString BushesPercent;
    CString GrassPercent;
    CString TreesSklop;  // tree canopy
    CArray<CMossSpeciesRow> Trees;

    friend bool operator==(const CSpecData_Moss_08&, const CSpecData_Moss_08&) = default;
};

// Stumps and fallen trees with the moss, the area, and the unsettled stumps per decay category
// (tMoss_09, tMoss_09_Stubs).
class CSpecData_Moss_09 {
public:
    void Reset() { *this = CSpecData_Moss_09(); }

    CString Cat1Count;
    CString Cat2Count;
    CString Cat3Count;
    CString Area;  // ha
    CArray<CMoss09Row> Stubs;

    friend bool operator==(const CSpecData_Moss_09&, const CSpecData_Moss_09&) = default;
};

// Shrubs and grasses, covers and where the rock outcrops lie (tMoss_10, tMoss_10_GrassBush).
class CSpecData_Moss_10 {
public:
    void Reset() { *this = CSpecData_Moss_10(); }

    CString BushesPercent;
    CString GrassPercent;
    CString TreePercent;
    int RocksExistance = -1;  // 0 in a forest, 1 in the open
    CArray<CMossSpeciesRow> GrassBush;

    friend bool operator==(const CSpecData_Moss_10&, const CSpecData_Moss_10&) = default;
};

// The rock outcrops and the tufts' positions on them (tMoss_11, tMoss_11_TurfSituation).
class CSpecData_Moss_11 {
public:
    void Reset() { *this = CSpecData_Moss_11(); }

    CString HumusIDName;
    int HumusID = -1;  // nMossYesNo
    CString SurfaceIDName;
    int SurfaceID = -1;  // nMossRockSurface
    CString HeightIDName;
    int HeightID = -1;  // nMossRockHight
    CArray<CMoss11Row> TurfSituations;

    friend bool operator==(const CSpecData_Moss_11&, const CSpecData_Moss_11&) = default;
};

// The peat bog (tMoss_12).
class CSpecData_Moss_12 {
public:
    void Reset() { *this = CSpecData_Moss_12(); }

    CString ExposureIDName;
    int ExposureID = -1;  // nMossExposure
    CString Chanel;
    CString Nitrates;
    CString Nitrites;
    CString PH;
    CString Phosphates;
    CString Relief;
    CString Tilt;
    CString TorfArea;  // ha
    CString Depth;     // of the pools, cm

    friend bool operator==(const CSpecData_Moss_12&, const CSpecData_Moss_12&) = default;
};

// Trees in the bog, the species' cover, shrubs and grasses (tMoss_13, tMoss_13_GrassBush).
class CSpecData_Moss_13 {
public:
    void Reset() { *this = CSpecData_Moss_13(); }

    int TreesExist = 0;
    CString TreesCount;
    CString ProcentArea;
    CArray<CMossSpeciesRow> GrassBush;

    friend bool operator==(const CSpecData_Moss_13&, const CSpecData_Moss_13&) = default;
};

// Tufts with spore capsule, one tMoss_14 row each and no parent row (pages 14 and 23).
class CSpecData_Moss_14 {
public:
    void Reset() { *this = CSpecData_Moss_14(); }

    CArray<CMoss04Row> Turfs;

    friend bool operator==(const CSpecData_Moss_14&, const CSpecData_Moss_14&) = default;
};

// Soil, rocks, exposure, erosion, covers, species and tufts with archegonia (tMoss_15 and its
// two child tables).
class CSpecData_Moss_15 {
public:
    void Reset() { *this = CSpecData_Moss_15(); }

    CString SoilIDName;
    int SoilID = -1;  // nMossSoil
    CString RocksExistanceName;
    int RocksExistance = -1;  // nMossYesNo
    CString ExposureIDName;
    int ExposureID = -1;  // nMossExposure
    CString ErosiveIDName;
    int ErosiveID = -1;  // nMossErosive
    CString BushesPercent;
    CString GrassPercent;
    CString Tilt;
    CString TreePercent;
    CArray<CMossSpeciesRow> GrassBush;
    CArray<CMoss15Row> Arhegons;

    friend bool operator==(const CSpecData_Moss_15&, const CSpecData_Moss_15&) = default;
};

// Rocks, open water and species (tMoss_16, tMoss_16_GrassBush). The stored columns spell the
// E of "Existance" with the Cyrillic letter.
class CSpecData_Moss_16 {
public:
    void Reset() { *this = CSpecData_Moss_16(); }

    int RocksExistance = -1;  // nMossYesNo
    CString RocksExistanceName;
    int WaterBasinExistance = -1;  // nMossYesNo
    CString WaterBasinExistanceName;
    CArray<CMossSpeciesRow> GrassBush;

    friend bool operator==(const CSpecData_Moss_16&, const CSpecData_Moss_16&) = default;
};

// Host trees and their moss colonies (tMoss_17 and its two child tables).
class CSpecData_Moss_17 {
public:
    void Reset() { *this = CSpecData_Moss_17(); }

    CArray<CMoss17TreeRow> Trees;
    CArray<CMoss17ColonyRow> Colonies;
    CString Area;  // ha of trees bearing the moss

    friend bool operator==(const CSpecData_Moss_17&, const CSpecData_Moss_17&) = default;
};

// The bog: open water, exposure, water chemistry and relief (tMoss_18).
class CSpecData_Moss_18 {
public:
    void Reset() { *this = CSpecData_Moss_18(); }

    int WaterBasinExisance = -1;  // nMossYesNo
    CString WaterBasinExisanceName;
    int ExposureID = -1;  // nMossExposure
    CString ExposureIDName;
    CString Carbonates;
    CString Chanels;
    CString Chloride;
    CString Electric;  // conductivity
    CString Nitrates;
    CString Nitrites;
    CString Oxigen;
    CString PH;
    CString Phosphates;
    CString Potential;  // redox potential
    CString Releif;
    CString Sulfates;
    CString Tilt;
    CString TorfArea;
    CString WaterHigh;  // water level, cm
    CString WaterTemperature;

    friend bool operator==(const CSpecData_Moss_18&, const CSpecData_Moss_18&) = default;
};

// Trees in the bog, relief, growth, covers and species (tMoss_19, tMoss_19_GrassBush).
class CSpecData_Moss_19 {
public:
    void Reset() { *this = CSpecData_Moss_19(); }

    int CheckTrees = 0;
    CString TreesCount;
    CString Releif;
    CString AnnualGrowth;  // cm
    CString ProcentAllArea;
    CString PercentSpeciesArea;
    CArray<CMossSpeciesRow> GrassBush;

    friend bool operator==(const CSpecData_Moss_19&, const CSpecData_Moss_19&) = default;
};

// The moss family of the document (see FamilyRecords.h).
class CMossRecords {
public:
    CSpecData_Moss_01 SpecData_Moss_01;
    CSpecData_Moss_02 SpecData_Moss_02;
    CSpecData_Moss_03 SpecData_Moss_03;
    CSpecData_Moss_04 SpecData_Moss_04;
    CSpecData_Moss_05 SpecData_Moss_05;
    CSpecData_Moss_06 SpecData_Moss_06;
    CSpecData_Moss_07 SpecData_Moss_07;
    CSpecData_Moss_08 SpecData_Moss_08;
    CSpecData_Moss_09 SpecData_Moss_09;
    CSpecData_Moss_10 SpecData_Moss_10;
    CSpecData_Moss_11 SpecData_Moss_11;
    CSpecData_Moss_12 SpecData_Moss_12;
    CSpecData_Moss_13 SpecData_Moss_13;
    CSpecData_Moss_14 SpecData_Moss_14;
    CSpecData_Moss_15 SpecData_Moss_15;
    CSpecData_Moss_16 SpecData_Moss_16;
    CSpecData_Moss_17 SpecData_Moss_17;
    CSpecData_Moss_18 SpecData_Moss_18;
    CSpecData_Moss_19 SpecData_Moss_19;

    void Reset();
    void Load(CSQLite3DB& db, int formId);
    bool SaveStep(CSQLite3DB& db, int stepCode, int formId) const;

    void SaveMoss01(CSQLite3DB& db, int formId) const;
    void SaveMoss02(CSQLite3DB& db, int formId) const;
    void SaveMoss03(CSQLite3DB& db, int formId) const;
    void SaveMoss04(CSQLite3DB& db, int formId) const;
    void SaveMoss05(CSQLite3DB& db, int formId) const;
    void SaveMoss06(CSQLite3DB& db, int formId) const;
    void SaveMoss07(CSQLite3DB& db, int formId) const;
    void SaveMoss08(CSQLite3DB& db, int formId) const;
    void SaveMoss09(CSQLite3DB& db, int formId) const;
    void SaveMoss10(CSQLite3DB& db, int formId) const;
    void SaveMoss11(CSQLite3DB& db, int formId) const;
    void SaveMoss12(CSQLite3DB& db, int formId) const;
    void SaveMoss13(CSQLite3DB& db, int formId) const;
    void SaveMoss14(CSQLite3DB& db, int formId) const;
    void SaveMoss15(CSQLite3DB& db, int formId) const;
    void SaveMoss16(CSQLite3DB& db, int formId) const;
    void SaveMoss17(CSQLite3DB& db, int formId) const;
    void SaveMoss18(CSQLite3DB& db, int formId) const;
    void SaveMoss19(CSQLite3DB& db, int formId) const;
    // Each: 1 when the form has the page's row, else 0 (the record is left as it is).
    int LoadMoss01(CSQLite3DB& db, int formId);
    int LoadMoss02(CSQLite3DB& db, int formId);
    int LoadMoss03(CSQLite3DB& db, int formId);
    int LoadMoss04(CSQLite3DB& db, int formId);
    int LoadMoss05(CSQLite3DB& db, int formId);
    int LoadMoss06(CSQLite3DB& db, int formId);
    int LoadMoss07(CSQLite3DB& db, int formId);
    int LoadMoss08(CSQLite3DB& db, int formId);
    int LoadMoss09(CSQLite3DB& db, int formId);
    int LoadMoss10(CSQLite3DB& db, int formId);
    int LoadMoss11(CSQLite3DB& db, int formId);
    int LoadMoss12(CSQLite3DB& db, int formId);
    int LoadMoss13(CSQLite3DB& db, int formId);
    int LoadMoss14(CSQLite3DB& db, int formId);
    int LoadMoss15(CSQLite3DB& db, int formId);
    int LoadMoss16(CSQLite3DB& db, int formId);
    int LoadMoss17(CSQLite3DB& db, int formId);
    int LoadMoss18(CSQLite3DB& db, int formId);
    int LoadMoss19(CSQLite3DB& db, int formId);
};
