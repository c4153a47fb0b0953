// The bat pages: how their records are written and read back. Child rows carry the id of
// their parent row, taken right after its insert, and come back in the order they were
// written. Species and conditions are joined with left joins, so that a row whose id names
// nothing (-1, or an entry gone from its list) still loads, with an empty name.
#include "store/BatRecords.h"

#include <utility>

#include "db/SQLite3DB.h"
#include "store/SqlText.h"

namespace {

constexpr int kPageMethodsType = 0, kBat1MethodsType = 1, kBat2MethodsType = 2;

// Flags are written as the signed byte values they hold: unset gives -1.
int FlagValue(BYTE flag) { return static_cast<signed char>(flag); }

void SaveSpeciesRows(CSQLite3DB& db, const char* insert, int parentId, const CArray<CBat04Row>& rows) {
    for (const CBat04Row& row : rows)
        db.execDML(FormatSql(insert, parentId, row.SpeciesID, QuoteSql(row.Methods), row.Count));
}

// The query gives SpeciesID, SpeciesName, Methods and Count.
void LoadSpeciesRows(CSQLite3DB& db, const CString& sql, int methodCount, CArray<CBat04Row>& rows) {
    for (CSQLite3Query query = db.execQuery(sql); !query.eof(); query.nextRow()) {
        CBat04Row row(methodCount);
        row.SpeciesID = query.getIntField("SpeciesID");
        row.SpeciesName = query.getStringField("SpeciesName");
        row.Methods = query.getStringField("Methods");
        row.Count = query.getIntField("Count");
        row.ParseMethods();
        rows.Add(row);
    }
}

// The species rows of a cave or wetland page: the child table, its link column, its
// species column and the list that names the species.
CString SpeciesQuery(const char* table, const char* link, const char* speciesColumn, const char* list, int parentId) {
    CString sql;
    sql.Format("select t.ID as tID, t.%s as SpeciesID, b.Name_lat as SpeciesName, Methods, Count from %s t left join %s b "
               "on b.ID = t.%s where %s = %d order by t.ID",
               speciesColumn, table, list, speciesColumn, link, parentId);
    return sql;
}

// The flags of the page's method columns Method1, Method2 ...
template <size_t Methods>
void ReadMethodColumns(const CSQLite3Query& query, std::array<BYTE, Methods>& flags) {
    for (size_t i = 0; i < Methods; ++i)
        flags[i] = static_cast<BYTE>(query.getIntField(FormatSql("Method%d", static_cast<int>(i + 1))));
}

// The ID of the page's main row, or -1 when the form has none.
int MainRowId(CSQLite3Query& query) { return query.eof() ? -1 : query.getIntField("ID"); }

}  // namespace

void ParseMethods(const CString& methods, BYTE* flags, int count) {
    for (int i = 0; i < count; ++i) {
        CString number;
        number.Format("%d", i + 1);
        flags[i] = methods.Find(number) >= 0 ? 1 : 0;
    }
}

void CBatRecords::Reset() {
    SpecData_Bat_01_Forest.Reset();
    SpecData_Bat_02_Forest.Reset();
    SpecData_Bat_03_Houses.Reset();
    SpecData_Bat_04_Caves.Reset();
    SpecData_Bat_05_Caves.Reset();
    SpecData_Bat_06_WetLand.Reset();
    SpecData_Bat_07_WetLand.Reset();
}

void CBatRecords::Load(CSQLite3DB& db, int formId) {
    LoadBat01(db, formId);
    LoadBat02(db, formId);
    LoadBat03(db, formId);
    LoadBat04(db, formId);
    LoadBat05(db, formId);
    LoadBat06(db, formId);
    LoadBat07(db, formId);
}

bool CBatRecords::SaveStep(CSQLite3DB& db, int stepCode, int formId) const {
    switch (stepCode) {
        case 6201: SaveBat01(db, formId); return true;
        case 6202: SaveBat02(db, formId); return true;
        case 6203: SaveBat03(db, formId); return true;
        case 6204: SaveBat04(db, formId); return true;
        case 6205: SaveBat05(db, formId); return true;
        case 6206: SaveBat06(db, formId); return true;
        case 6207: SaveBat07(db, formId); return true;
        default: return false;
    }
}

// --- forests -------------------------------------------------------------------------------

void CBatRecords::SaveBat01(CSQLite3DB& db, int formId) const {
    const CSpecData_Bat_01_Forest& forest = SpecData_Bat_01_Forest;
    db.execDML(FormatSql("insert into tBats_01_Forests ( FormID, Bat1Checked , Bat1Method, Bat1Count, Bat2Checked , "
                         "Bat2Method, Bat2Count) values( %d, %d, '%s', %d, %d, '%s', %d )",
                         formId, forest.Bat1Checked, QuoteSql(forest.Bat1Method), forest.Bat1Count, forest.Bat2Checked,
                         QuoteSql(forest.Bat2Method), forest.Bat2Count));
    const int forestId = db.lastRowId();
    // Always four rows of each kind, twelve in all.
    const std::pair<int, const CForestMethodFlags*> kinds[] = {{kPageMethodsType, &forest.PageMethods},
                                                               {kBat1MethodsType, &forest.Bat1MethodFlags},
                                                               {kBat2MethodsType, &forest.Bat2MethodFlags}};
    for (const auto& [type, flags] : kinds)
        for (const BYTE flag : *flags)
            db.execDML(FormatSql("insert into tBats_01_Forests_Methods  ( tBats_01_Forests_ID, MethodType, MethodVal ) "
                                 "values( %d, %d, %d )",
                                 forestId, type, FlagValue(flag)));
}

BOOL CBatRecords::LoadBat01(CSQLite3DB& db, int formId) {
    CSQLite3Query query = db.execQuery(FormatSql("select ID, FormID, Bat1Checked, Bat1Method, Bat1Count, Bat2Checked, "
                                                 "Bat2Method, Bat2Count from tBats_01_Forests where FormID = %d",
                                                 formId));
    const int forestId = MainRowId(query);
    if (forestId == -1) return FALSE;
    CSpecData_Bat_01_Forest& forest = SpecData_Bat_01_Forest;
    forest.Bat1Checked = query.getIntField("Bat1Checked");
    forest.Bat1Method = query.getStringField("Bat1Method");
    forest.Bat1Count = query.getIntField("Bat1Count");
    forest.Bat2Checked = query.getIntField("Bat2Checked");
    forest.Bat2Method = query.getStringField("Bat2Method");
    forest.Bat2Count = query.getIntField("Bat2Count");
    query.finalize();

    const std::pair<int, CForestMethodFlags*> kinds[] = {{kPageMethodsType, &forest.PageMethods},
                                                         {kBat1MethodsType, &forest.Bat1MethodFlags},
                                                         {kBat2MethodsType, &forest.Bat2MethodFlags}};
    for (const auto& [type, flags] : kinds) {
        CSQLite3Query methods = db.execQuery(FormatSql("select   ID, tBats_01_Forests_ID, MethodType, MethodVal from "
                                                       "tBats_01_Forests_Methods where tBats_01_Forests_ID = %d and "
                                                       "MethodType = %d order by ID",
                                                       forestId, type));
        for (size_t k = 0; !methods.eof() && k < flags->size(); methods.nextRow(), ++k)
            (*flags)[k] = static_cast<BYTE>(methods.getIntField("MethodVal"));
    }
    return TRUE;
}

void CBatRecords::SaveBat02(CSQLite3DB& db, int formId) const {
    const CSpecData_Bat_02_Forest& forest = SpecData_Bat_02_Forest;
    db.execDML(FormatSql("insert into tBats_02_Forests ( FormID, Changes, Notes, BlankNum   ) values( %d, '%s', '%s', "
                         "'%s' ) ",
                         formId, QuoteSql(forest.Changes), QuoteSql(forest.Notes), QuoteSql(forest.BlankNum)));
    const int forestId = db.lastRowId();
    for (const CBat02Row& row : forest.ExtraBats)
        db.execDML(FormatSql("insert into tBats_02_Forests_ExtraBats  ( tBats_02_Forests_ID, _AllBats_ID, Methods, Count ) "
                             "values( %d, %d, '%s', %d ) ",
                             forestId, row.SpeciesID, QuoteSql(row.Methods), row.Count));
}

BOOL CBatRecords::LoadBat02(CSQLite3DB& db, int formId) {
    CSQLite3Query query = db.execQuery(
        FormatSql("select ID, FormID , Changes , Notes , BlankNum  from tBats_02_Forests where FormID = %d ", formId));
    const int forestId = MainRowId(query);
    if (forestId == -1) return FALSE;
    CSpecData_Bat_02_Forest& forest = SpecData_Bat_02_Forest;
    forest.Changes = query.getStringField("Changes");
    forest.Notes = query.getStringField("Notes");
    forest.BlankNum = query.getStringField("BlankNum");
    query.finalize();

    CSQLite3Query rows = db.execQuery(FormatSql(
        "select t.ID, tBats_02_Forests_ID, _AllBats_ID, a.Name_lat as BatName, Methods, Count from "
        "tBats_02_Forests_ExtraBats t left join _AllBats a on _AllBats_ID = a.ID where tBats_02_Forests_ID = %d order by "
        "t.ID",
        forestId));
    for (; !rows.eof(); rows.nextRow()) {
        CBat02Row row;
        row.SpeciesID = rows.getIntField("_AllBats_ID");
        row.SpeciesName = rows.getStringField("BatName");
        row.Methods = rows.getStringField("Methods");
        row.Count = rows.getIntField("Count");
        row.ParseMethods();
        forest.ExtraBats.Add(row);
    }
    return TRUE;
}

// --- bat houses ----------------------------------------------------------------------------

void CBatRecords::SaveBat03(CSQLite3DB& db, int formId) const {
    const CSpecData_Bat_03_Houses& houses = SpecData_Bat_03_Houses;
    db.execDML(FormatSql("insert into tBats_03_Houses  ( FormID , BatHousesFormNum  ) values( %d, '%s' ) ", formId,
                         QuoteSql(houses.BatHousesFormNum)));
    const int housesId = db.lastRowId();
    for (const CBatHouse& house : houses.BatHouses) {
        db.execDML(FormatSql("insert into tBats_03_Houses_BatHouses (tBats_03_Houses_ID, HouseNum, HouseConditionID ) "
                             "values( %d, '%s', %d )",
                             housesId, QuoteSql(house.HouseNum), house.HouseConditionID));
        const int houseId = db.lastRowId();
        for (const CBatHouseSpecies& species : house.Species)
            db.execDML(FormatSql("insert into tBats_03_Houses_BatHouses_Species ( tBats_03_Houses_BatHouses_ID, "
                                 "_BatsInHousesID, SpeciesCount ) values( %d, %d, '%s' ) ",
                                 houseId, species._BatsInHousesID, QuoteSql(species.SpeciesCount)));
    }
}

BOOL CBatRecords::LoadBat03(CSQLite3DB& db, int formId) {
    CSQLite3Query query = db.execQuery(
        FormatSql("select ID, FormID, BatHousesFormNum from   tBats_03_Houses where FormID = %d ", formId));
    const int housesId = MainRowId(query);
    if (housesId == -1) return FALSE;
    CSpecData_Bat_03_Houses& houses = SpecData_Bat_03_Houses;
    houses.BatHousesFormNum = query.getStringField("BatHousesFormNum");
    query.finalize();

    CSQLite3Query rows = db.execQuery(FormatSql(
        "select t.ID as tID, tBats_03_Houses_ID, HouseNum, HouseConditionID, n.Name as HouseCondition from "
        "tBats_03_Houses_BatHouses t left join nBatHousesCondition n on HouseConditionID = n.ID where tBats_03_Houses_ID "
        "= %d order by t.ID",
        housesId));
    for (; !rows.eof(); rows.nextRow()) {
        CBatHouse house;
        house.HouseNum = rows.getStringField("HouseNum");
        house.HouseConditionID = rows.getIntField("HouseConditionID");
        house.HouseConditionIDName = rows.getStringField("HouseCondition");
        CSQLite3Query species = db.execQuery(FormatSql(
            "select t.ID as tID, tBats_03_Houses_BatHouses_ID, _BatsInHousesID, a.Name as BatsInHouseName, SpeciesCount "
            "from tBats_03_Houses_BatHouses_Species t left join _BatsInHouses a on _BatsInHousesID = a.ID where "
            "tBats_03_Houses_BatHouses_ID = %d order by t.ID",
            rows.getIntField("tID")));
        for (; !species.eof(); species.nextRow()) {
            CBatHouseSpecies seen;
            seen._BatsInHousesID = species.getIntField("_BatsInHousesID");
            seen.BatsInHouseName = species.getStringField("BatsInHouseName");
            seen.SpeciesCount = species.getStringField("SpeciesCount");
            house.Species.Add(seen);
        }
        houses.BatHouses.Add(house);
    }
    return TRUE;
}

// --- caves ---------------------------------------------------------------------------------

void CBatRecords::SaveBat04(CSQLite3DB& db, int formId) const {
    const CSpecData_Bat_04_Caves& caves = SpecData_Bat_04_Caves;
    const CCaveMethodFlags& m = caves.Methods;
    db.execDML(FormatSql(" insert into tBats_04_Caves  (FormID, Method1, Method2, Method3, Method4, Method5 ) values(%d, "
                         "%d, %d, %d, %d, %d ) ",
                         formId, FlagValue(m[0]), FlagValue(m[1]), FlagValue(m[2]), FlagValue(m[3]), FlagValue(m[4])));
    SaveSpeciesRows(db,
                    "insert into tBats_04_Caves_Species (tBats_04_Caves_ID, BatsInCavesSpeciesID, Methods, Count ) "
                    "values( %d, %d, '%s', %d ) ",
                    db.lastRowId(), caves.Species);
}

BOOL CBatRecords::LoadBat04(CSQLite3DB& db, int formId) {
    CSQLite3Query query = db.execQuery(FormatSql(
        "select ID, FormID, Method1, Method2, Method3, Method4, Method5 from tBats_04_Caves  where FormID = %d ", formId));
    const int cavesId = MainRowId(query);
    if (cavesId == -1) return FALSE;
    CSpecData_Bat_04_Caves& caves = SpecData_Bat_04_Caves;
    ReadMethodColumns(query, caves.Methods);
    query.finalize();
    LoadSpeciesRows(db, SpeciesQuery("tBats_04_Caves_Species", "tBats_04_Caves_ID", "BatsInCavesSpeciesID", "_BatsInCaves", cavesId),
                    kCaveMethods, caves.Species);
    return TRUE;
}

void CBatRecords::SaveBat05(CSQLite3DB& db, int formId) const {
    const CSpecData_Bat_05_Caves& caves = SpecData_Bat_05_Caves;
    db.execDML(FormatSql(" insert into tBats_05_Caves  (FormID, ColonyLocation, Notes, Changes ) values(%d, '%s', '%s', "
                         "'%s' ) ",
                         formId, QuoteSql(caves.ColonyLocation), QuoteSql(caves.Notes), QuoteSql(caves.Changes)));
    // BatsInCavesSpeciesID holds an _AllBats id here.
    SaveSpeciesRows(db,
                    "insert into tBats_05_Caves_Species (tBats_05_Caves_ID, BatsInCavesSpeciesID, Methods, Count ) "
                    "values( %d, %d, '%s', %d ) ",
                    db.lastRowId(), caves.Species);
}

BOOL CBatRecords::LoadBat05(CSQLite3DB& db, int formId) {
    CSQLite3Query query = db.execQuery(FormatSql(
        "select ID, FormID, ColonyLocation , Notes          , Changes         from tBats_05_Caves  where FormID = %d ",
        formId));
    const int cavesId = MainRowId(query);
    if (cavesId == -1) return FALSE;
    CSpecData_Bat_05_Caves& caves = SpecData_Bat_05_Caves;
    caves.ColonyLocation = query.getStringField("ColonyLocation");
    caves.Notes = query.getStringField("Notes");
    caves.Changes = query.getStringField("Changes");
    query.finalize();
    LoadSpeciesRows(db, SpeciesQuery("tBats_05_Caves_Species", "tBats_05_Caves_ID", "BatsInCavesSpeciesID", "_AllBats", cavesId),
                    kCaveMethods, caves.Species);
    return TRUE;
}

// --- wetlands ------------------------------------------------------------------------------

void CBatRecords::SaveBat06(CSQLite3DB& db, int formId) const {
    const CSpecData_Bat_06_WetLand& wetland = SpecData_Bat_06_WetLand;
    const CWetlandMethodFlags& m = wetland.Methods;
    db.execDML(FormatSql(" insert into tBats_06_WetLands  (FormID, Method1, Method2, Method3, Method4 ) values(%d, %d, "
                         "%d, %d, %d ) ",
                         formId, FlagValue(m[0]), FlagValue(m[1]), FlagValue(m[2]), FlagValue(m[3])));
    SaveSpeciesRows(db,
                    "insert into tBats_06_WetLands_Species (tBats_06_WetLands_ID, BatsInWetlandsSpeciesID, Methods, "
                    "Count ) values( %d, %d, '%s', %d ) ",
                    db.lastRowId(), wetland.Species);
}

BOOL CBatRecords::LoadBat06(CSQLite3DB& db, int formId) {
    CSQLite3Query query = db.execQuery(FormatSql(
        "select ID, FormID, Method1, Method2, Method3, Method4 from tBats_06_WetLands  where FormID = %d ", formId));
    const int wetlandId = MainRowId(query);
    if (wetlandId == -1) return FALSE;
    CSpecData_Bat_06_WetLand& wetland = SpecData_Bat_06_WetLand;
    ReadMethodColumns(query, wetland.Methods);
    query.finalize();
    LoadSpeciesRows(db,
                    SpeciesQuery("tBats_06_WetLands_Species", "tBats_06_WetLands_ID", "BatsInWetlandsSpeciesID",
                                 "_BatsInWetlands", wetlandId),
                    kWetlandMethods, wetland.Species);
    return TRUE;
}

void CBatRecords::SaveBat07(CSQLite3DB& db, int formId) const {
    const CSpecData_Bat_07_WetLand& wetland = SpecData_Bat_07_WetLand;
    db.execDML(FormatSql(" insert into tBats_07_WetLands  (FormID,  Notes, Changes ) values(%d, '%s', '%s' ) ", formId,
                         QuoteSql(wetland.Notes), QuoteSql(wetland.Changes)));
    // The link column bears the caves' name in this table.
    SaveSpeciesRows(db,
                    "insert into tBats_07_WetLands_Species (tBats_07_Caves_ID, AllBatsSpeciesID, Methods, Count ) "
                    "values( %d, %d, '%s', %d ) ",
                    db.lastRowId(), wetland.Species);
}

BOOL CBatRecords::LoadBat07(CSQLite3DB& db, int formId) {
    CSQLite3Query query = db.execQuery(FormatSql(
        "select ID, FormID, Notes          , Changes         from tBats_07_WetLands  where FormID = %d ", formId));
    const int wetlandId = MainRowId(query);
    if (wetlandId == -1) return FALSE;
    CSpecData_Bat_07_WetLand& wetland = SpecData_Bat_07_WetLand;
    wetland.Notes = query.getStringField("Notes");
    wetland.Changes = query.getStringField("Changes");
    query.finalize();
    LoadSpeciesRows(db, SpeciesQuery("tBats_07_WetLands_Species", "tBats_07_Caves_ID", "AllBatsSpeciesID", "_AllBats", wetlandId),
                    kWetlandMethods, wetland.Species);
    return TRUE;
}
