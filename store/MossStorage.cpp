// The moss pages' rows: a main row per page and form, its list rows after it under the main
// row's new id. Lists come back in the order they were stored.
#include <algorithm>
#include <utility>
#include <vector>

#include "db/SQLite3DB.h"
#include "store/MossRecords.h"
#include "store/SqlText.h"

namespace {

// One list row per species, under the page's main row.
void SaveSpeciesRows(CSQLite3DB& db, const char* insert, int parentId, const CArray<CMossSpeciesRow>& rows) {
    for (const CMossSpeciesRow& row : rows) db.execDML(FormatSql(insert, parentId, row.ID_lat));
}

// The species row of a joined query's row, when it has one.
void AppendSpeciesRow(CSQLite3Query& query, const char* childId, const char* speciesId, const char* latin,
                      const char* bulgarian, CArray<CMossSpeciesRow>& rows) {
    if (query.fieldIsNull(query.fieldIndex(childId))) return;
    const int id = query.getIntField(speciesId, -1);
    rows.Add({query.getStringField(latin), id, query.getStringField(bulgarian), id});
}

// The shrubs and grasses stored under a page's main row, read by their stored id so that a
// species gone from _AllGrassBushMoss keeps its id (with no name) through an edit.
void LoadGrassBushRows(CSQLite3DB& db, const char* childTable, int parentId, CArray<CMossSpeciesRow>& rows) {
    rows.RemoveAll();
    CSQLite3Query query = db.execQuery(FormatSql(
        "select t.ID as tID, t.%s_ID as tParentID, t._AllGrassBushID as tAllGrassBushID, a.Name_bg as aName_bg, "
        "a.Name_lat as aName_lat from  %s_GrassBush  t left join _AllGrassBushMoss a on t._AllGrassBushID = a.ID "
        "where t.%s_ID = %d order by t.ID",
        childTable, childTable, childTable, parentId));
    for (; !query.eof(); query.nextRow())
        AppendSpeciesRow(query, "tID", "tAllGrassBushID", "aName_lat", "aName_bg", rows);
}

}  // namespace

CString RocksAnswerName(int index) { return index == 0 ? "Да" : index == 1 ? "Не" : ""; }

void CMossRecords::Reset() {
    SpecData_Moss_01.Reset();
    SpecData_Moss_02.Reset();
    SpecData_Moss_03.Reset();
    SpecData_Moss_04.Reset();
    SpecData_Moss_05.Reset();
    SpecData_Moss_06.Reset();
    SpecData_Moss_07.Reset();
    SpecData_Moss_08.Reset();
    SpecData_Moss_09.Reset();
    SpecData_Moss_10.Reset();
    SpecData_Moss_11.Reset();
    SpecData_Moss_12.Reset();
    SpecData_Moss_13.Reset();
    SpecData_Moss_14.Reset();
    SpecData_Moss_15.Reset();
    SpecData_Moss_16.Reset();
    SpecData_Moss_17.Reset();
    SpecData_Moss_18.Reset();
    SpecData_Moss_19.Reset();
}

void CMossRecords::Load(CSQLite3DB& db, int formId) {
    LoadMoss01(db, formId);
    LoadMoss02(db, formId);
    LoadMoss03(db, formId);
    LoadMoss04(db, formId);
    LoadMoss05(db, formId);
    LoadMoss06(db, formId);
    LoadMoss07(db, formId);
    LoadMoss08(db, formId);
    LoadMoss09(db, formId);
    LoadMoss10(db, formId);
    LoadMoss11(db, formId);
    LoadMoss12(db, formId);
    LoadMoss13(db, formId);
    LoadMoss14(db, formId);
    LoadMoss15(db, formId);
    LoadMoss16(db, formId);
    LoadMoss17(db, formId);
    LoadMoss18(db, formId);
    LoadMoss19(db, formId);
}

bool CMossRecords::SaveStep(CSQLite3DB& db, int stepCode, int formId) const {
    switch (stepCode) {
        case 7001: SaveMoss01(db, formId); return true;
        case 7002:
        case 7022: SaveMoss02(db, formId); return true;
        case 7003: SaveMoss03(db, formId); return true;
        case 7004: SaveMoss04(db, formId); return true;
        case 7005:
        case 7021: SaveMoss05(db, formId); return true;
        case 7006: SaveMoss06(db, formId); return true;
        case 7007: SaveMoss07(db, formId); return true;
        case 7008: SaveMoss08(db, formId); return true;
        case 7009: SaveMoss09(db, formId); return true;
        case 7010: SaveMoss10(db, formId); return true;
        case 7011: SaveMoss11(db, formId); return true;
        case 7012: SaveMoss12(db, formId); return true;
        case 7013: SaveMoss13(db, formId); return true;
        case 7014:
        case 7023: SaveMoss14(db, formId); return true;
        case 7015: SaveMoss15(db, formId); return true;
        case 7016: SaveMoss16(db, formId); return true;
        case 7017: SaveMoss17(db, formId); return true;
        case 7018: SaveMoss18(db, formId); return true;
        case 7019: SaveMoss19(db, formId); return true;
        default: return false;
    }
}

void CMossRecords::SaveMoss01(CSQLite3DB& db, int formId) const {
    const CSpecData_Moss_01& r = SpecData_Moss_01;
    db.execDML(FormatSql(
        "insert into tMoss_01 ( FormID, bCheckArableLand, bCheckBuildings, bCheckCities, bCheckForestTrack, "
        "bCheckRivers, bCheckRoads, bCheckStreams, bCheckTouristsPath, ArableLandDist, BuildingsDist, CitiesDist, "
        "ForestTrackDist, RiverDist, RoadsDist, StreamsDist, ToursitPathDist ) values ( %d, %d, %d, %d, %d, %d, %d, "
        "%d, %d, '%s', '%s', '%s', '%s', '%s', '%s', '%s', '%s' )",
        formId, r.bCheckArableLand, r.bCheckBuildings, r.bCheckCities, r.bCheckForestTrack, r.bCheckRivers,
        r.bCheckRoads, r.bCheckStreams, r.bCheckTouristsPath, QuoteSql(r.ArableLandDist), QuoteSql(r.BuildingsDist),
        QuoteSql(r.CitiesDist), QuoteSql(r.ForestTrackDist), QuoteSql(r.RiverDist), QuoteSql(r.RoadsDist),
        QuoteSql(r.StreamsDist), QuoteSql(r.ToursitPathDist)));
}

void CMossRecords::SaveMoss02(CSQLite3DB& db, int formId) const {
    db.execDML(FormatSql("insert into tMoss_02 ( FormID, HommiesType ) values( %d, %d )", formId,
                         SpecData_Moss_02.HommiesType));
    SaveSpeciesRows(db, "insert into tMoss_02_Trees ( tMoss_02_ID , _AllTreesMossID ) values( %d, %d ) ",
                    db.lastRowId(), SpecData_Moss_02.Trees);
}

void CMossRecords::SaveMoss03(CSQLite3DB& db, int formId) const {
    const CSpecData_Moss_03& r = SpecData_Moss_03;
    db.execDML(FormatSql("insert into tMoss_03 ( FormID, ExposureID, BushesPercent, GrassPercent, Tilt, RocksExists "
                         ")values( %d, %d, '%s', '%s', '%s', %d ) ",
                         formId, r.ExposureID, QuoteSql(r.BushesPercent), QuoteSql(r.GrassPercent), QuoteSql(r.Tilt),
                         r.RocksExists));
    SaveSpeciesRows(db, "insert into tMoss_03_GrassBush ( tMoss_03_ID  , _AllGrassBushID ) values( %d, %d ) ",
                    db.lastRowId(), r.GrassBush);
}

void CMossRecords::SaveMoss04(CSQLite3DB& db, int formId) const {
    const CSpecData_Moss_04& r = SpecData_Moss_04;
    db.execDML(FormatSql("insert into tMoss_04 ( FormID, GrassCoverID, SunshineID   ) values( %d, %d, %d ) ", formId,
                         r.GrassCoverID, r.SunshineID));
    const int parentId = db.lastRowId();
    for (const CMoss04Row& turf : r.Turfs)
        db.execDML(FormatSql("insert into tMoss_04_Turf( tMoss_04_ID, TurfArea  )values( %d, '%s' ) ", parentId,
                             QuoteSql(turf.TurfArea)));
}

void CMossRecords::SaveMoss05(CSQLite3DB& db, int formId) const {
    const CSpecData_Moss_05& r = SpecData_Moss_05;
    db.execDML(FormatSql("insert into  tMoss_05 ( FormID, PercentCoverage, Area )values( %d, '%s', '%s' ) ", formId,
                         QuoteSql(r.PercentCoverage), QuoteSql(r.Area)));
    const int parentId = db.lastRowId();
    for (const CMoss05Row& companion : r.Attendants)
        db.execDML(FormatSql("insert into tMoss_05_Attendants ( tMoss_05_ID, _AllMossesID ) values( %d, %d ) ",
                             parentId, companion._AllMossesID));
}

void CMossRecords::SaveMoss06(CSQLite3DB& db, int formId) const {
    db.execDML(FormatSql("insert into tMoss_06 ( FormID, NoteText )  values( %d, '%s') ", formId,
                         QuoteSql(SpecData_Moss_06.NoteText)));
}

void CMossRecords::SaveMoss07(CSQLite3DB& db, int formId) const {
    const CSpecData_Moss_07& r = SpecData_Moss_07;
    db.execDML(FormatSql("insert into tMoss_07  ( FormID ) values( %d ) ", formId));
    const int parentId = db.lastRowId();
    for (const int turfId : r.TurfIDs)
        db.execDML(FormatSql("insert into tMoss_07_TurfLocation ( tMoss_07_ID, _TurfID ) values( %d, %d ) ", parentId,
                             turfId));
    for (const CMoss04Row& turf : r.TurfProperties)
        db.execDML(FormatSql(
            "insert into tMoss_07_TurfProperties ( tMoss_07_ID, TurfArea, SporeExists ) values( %d, '%s', %d )",
            parentId, QuoteSql(turf.TurfArea), turf.SporeExists));
}

void CMossRecords::SaveMoss08(CSQLite3DB& db, int formId) const {
    const CSpecData_Moss_08& r = SpecData_Moss_08;
    db.execDML(FormatSql(
        "insert into tMoss_08 ( FormID, BushesPercent, GrassPercent, TreesSklop ) values( %d, '%s', '%s', '%s' ) ",
        formId, QuoteSql(r.BushesPercent), QuoteSql(r.GrassPercent), QuoteSql(r.TreesSklop)));
    SaveSpeciesRows(db, "insert into tMoss_08_Trees ( tMoss_08_ID , _AllTreesMossID ) values( %d, %d ) ",
                    db.lastRowId(), r.Trees);
}

void CMossRecords::SaveMoss09(CSQLite3DB& db, int formId) const {
    const CSpecData_Moss_09& r = SpecData_Moss_09;
    db.execDML(FormatSql(
        "insert into tMoss_09 ( FormID, Cat1Count, Cat2Count, Cat3Count, Area ) values( %d, '%s', '%s', '%s', '%s' )",
        formId, QuoteSql(r.Cat1Count), QuoteSql(r.Cat2Count), QuoteSql(r.Cat3Count), QuoteSql(r.Area)));
    const int parentId = db.lastRowId();
    for (const CMoss09Row& stub : r.Stubs)
        db.execDML(FormatSql("insert into tMoss_09_Stubs  ( tMoss_09_ID, RotScale, Diameter, Len, SporofitsCount ) "
                             "values( %d, %d, '%s', '%s', '%s' )",
                             parentId, stub.RotScale, QuoteSql(stub.Diameter), QuoteSql(stub.Len),
                             QuoteSql(stub.SporofitsCount)));
}

void CMossRecords::SaveMoss10(CSQLite3DB& db, int formId) const {
    const CSpecData_Moss_10& r = SpecData_Moss_10;
    db.execDML(FormatSql("insert into tMoss_10  ( FormID, BushesPercent, GrassPercent, TreePercent, RocksExistance )  "
                         "values( %d, '%s', '%s', '%s', %d )",
                         formId, QuoteSql(r.BushesPercent), QuoteSql(r.GrassPercent), QuoteSql(r.TreePercent),
                         r.RocksExistance));
    SaveSpeciesRows(db, "insert into tMoss_10_GrassBush ( tMoss_10_ID  , _AllGrassBushID ) values( %d, %d ) ",
                    db.lastRowId(), r.GrassBush);
}

void CMossRecords::SaveMoss11(CSQLite3DB& db, int formId) const {
    const CSpecData_Moss_11& r = SpecData_Moss_11;
    db.execDML(FormatSql("insert into tMoss_11  ( FormID, HumusID, SurfaceID, HeightID ) values( %d, %d, %d, %d  ) ",
                         formId, r.HumusID, r.SurfaceID, r.HeightID));
    const int parentId = db.lastRowId();
    for (const CMoss11Row& tuft : r.TurfSituations)
        db.execDML(FormatSql("insert into tMoss_11_TurfSituation ( tMoss_11_ID, SituationID, ExposureID, SunshineID ) "
                             "values( %d, %d, %d, %d ) ",
                             parentId, tuft.SituationID, tuft.ExposureID, tuft.SunshineID));
}

void CMossRecords::SaveMoss12(CSQLite3DB& db, int formId) const {
    const CSpecData_Moss_12& r = SpecData_Moss_12;
    db.execDML(FormatSql("insert into tMoss_12  ( FormID, ExposureID, Chanel, Nitrates, Nitrites, PH, Phosphates, "
                         "Relief, Tilt, TorfArea, Depth )values( %d, %d, '%s', '%s', '%s', '%s', '%s', '%s', '%s', "
                         "'%s', '%s' )",
                         formId, r.ExposureID, QuoteSql(r.Chanel), QuoteSql(r.Nitrates), QuoteSql(r.Nitrites),
                         QuoteSql(r.PH), QuoteSql(r.Phosphates), QuoteSql(r.Relief), QuoteSql(r.Tilt),
                         QuoteSql(r.TorfArea), QuoteSql(r.Depth)));
}

void CMossRecords::SaveMoss13(CSQLite3DB& db, int formId) const {
    const CSpecData_Moss_13& r = SpecData_Moss_13;
    db.execDML(FormatSql(
        " insert into tMoss_13 ( FormID, TreesExist, TreesCount, ProcentArea ) values( %d, %d, '%s', '%s' ) ", formId,
        r.TreesExist, QuoteSql(r.TreesCount), QuoteSql(r.ProcentArea)));
    SaveSpeciesRows(db, "insert into tMoss_13_GrassBush ( tMoss_13_ID  , _AllGrassBushID ) values( %d, %d ) ",
                    db.lastRowId(), r.GrassBush);
}

void CMossRecords::SaveMoss14(CSQLite3DB& db, int formId) const {
    for (const CMoss04Row& turf : SpecData_Moss_14.Turfs)
        db.execDML(FormatSql("insert into tMoss_14 ( FormID , TurfArea, SporeExists  ) values( %d, '%s', %d ) ", formId,
                             QuoteSql(turf.TurfArea), turf.SporeExists));
}

void CMossRecords::SaveMoss15(CSQLite3DB& db, int formId) const {
    const CSpecData_Moss_15& r = SpecData_Moss_15;
    db.execDML(FormatSql("insert into tMoss_15 ( FormID, SoilID, RocksExistance,\tExposureID, ErosiveID, BushesPercent, "
                         "GrassPercent, Tilt, TreePercent ) values( %d, %d, %d, %d, %d, '%s', '%s', '%s', '%s' ) ",
                         formId, r.SoilID, r.RocksExistance, r.ExposureID, r.ErosiveID, QuoteSql(r.BushesPercent),
                         QuoteSql(r.GrassPercent), QuoteSql(r.Tilt), QuoteSql(r.TreePercent)));
    const int parentId = db.lastRowId();
    SaveSpeciesRows(db, "insert into tMoss_15_GrassBush ( tMoss_15_ID  , _AllGrassBushID ) values( %d, %d ) ",
                    parentId, r.GrassBush);
    for (const CMoss15Row& turf : r.Arhegons)
        db.execDML(FormatSql(
            "insert into tMoss_15_Arhegon ( tMoss_15_ID  , TorfArea, ArhegonExistance ) values( %d, '%s', %d ) ",
            parentId, QuoteSql(turf.TorfArea), turf.ArhegonExistance));
}

void CMossRecords::SaveMoss16(CSQLite3DB& db, int formId) const {
    const CSpecData_Moss_16& r = SpecData_Moss_16;
    db.execDML(FormatSql("insert into tMoss_16 ( FormID, RocksЕxistance , WaterBasinЕxistance ) values( %d, %d, %d ) ",
                         formId, r.RocksExistance, r.WaterBasinExistance));
    SaveSpeciesRows(db, "insert into tMoss_16_GrassBush ( tMoss_16_ID  , _AllGrassBushID ) values( %d, %d ) ",
                    db.lastRowId(), r.GrassBush);
}

void CMossRecords::SaveMoss17(CSQLite3DB& db, int formId) const {
    const CSpecData_Moss_17& r = SpecData_Moss_17;
    db.execDML(FormatSql("insert into tMoss_17 ( FormID, Area ) values( %d, '%s') ", formId, QuoteSql(r.Area)));
    const int parentId = db.lastRowId();
    for (int i = 0; i < r.Trees.GetSize(); ++i)
        db.execDML(FormatSql("insert into tMoss_17_TreeHosts ( tMoss_17_ID, TreeNum, _AllTreesID , Diameter, Height ) "
                             "values( %d, %d, %d, '%s', '%s' ) ",
                             parentId, i, r.Trees[i]._AllTreesID, QuoteSql(r.Trees[i].Diameter),
                             QuoteSql(r.Trees[i].Height)));
    for (const CMoss17ColonyRow& colony : r.Colonies)
        db.execDML(FormatSql(" insert into tMoss_17_MossColonies ( tMoss_17_ID , TreeNum, ExposureID, AliveArea, "
                             "AppropriateCount, DeadArea , Coverage, Height )values( %d, %d, %d, '%s', '%s', '%s', "
                             "'%s', '%s' )",
                             parentId, colony.TreeNum, colony.ExposureID, QuoteSql(colony.AliveArea),
                             QuoteSql(colony.AppropriateCount), QuoteSql(colony.DeadArea), QuoteSql(colony.Coverage),
                             QuoteSql(colony.Height)));
}

void CMossRecords::SaveMoss18(CSQLite3DB& db, int formId) const {
    const CSpecData_Moss_18& r = SpecData_Moss_18;
    db.execDML(FormatSql(
        "insert into tMoss_18 ( FormID, WaterBasinExisance, ExposureID, Carbonates, Chanels, Chloride, Electric, "
        "Nitrates, Nitrites, Oxigen, PH, Phosphates, Potential, Releif, Sulfates, Tilt, TorfArea, WaterHigh, "
        "WaterTemperature ) values( %d, %d, %d, '%s', '%s', '%s', '%s', '%s', '%s', '%s', '%s', '%s', '%s', '%s', "
        "'%s', '%s', '%s', '%s', '%s' ) ",
        formId, r.WaterBasinExisance, r.ExposureID, QuoteSql(r.Carbonates), QuoteSql(r.Chanels), QuoteSql(r.Chloride),
        QuoteSql(r.Electric), QuoteSql(r.Nitrates), QuoteSql(r.Nitrites), QuoteSql(r.Oxigen), QuoteSql(r.PH),
        QuoteSql(r.Phosphates), QuoteSql(r.Potential), QuoteSql(r.Releif), QuoteSql(r.Sulfates), QuoteSql(r.Tilt),
        QuoteSql(r.TorfArea), QuoteSql(r.WaterHigh), QuoteSql(r.WaterTemperature)));
}

void CMossRecords::SaveMoss19(CSQLite3DB& db, int formId) const {
    const CSpecData_Moss_19& r = SpecData_Moss_19;
    db.execDML(FormatSql("insert into tMoss_19 ( FormID, CheckTrees, TreesCount, Releif, AnnualGrowth, ProcentAllArea, "
                         "PercentSpeciesArea ) values( %d, %d, '%s', '%s', '%s', '%s', '%s' ) ",
                         formId, r.CheckTrees, QuoteSql(r.TreesCount), QuoteSql(r.Releif), QuoteSql(r.AnnualGrowth),
                         QuoteSql(r.ProcentAllArea), QuoteSql(r.PercentSpeciesArea)));
    SaveSpeciesRows(db, "insert into tMoss_19_GrassBush ( tMoss_19_ID  , _AllGrassBushID ) values( %d, %d ) ",
                    db.lastRowId(), r.GrassBush);
}

int CMossRecords::LoadMoss01(CSQLite3DB& db, int formId) {
    CSQLite3Query query = db.execQuery(FormatSql(
        "select ID, FormID, bCheckArableLand    , bCheckBuildings     , bCheckCities        , bCheckForestTrack   , "
        "bCheckRivers        , bCheckRoads         , bCheckStreams       , bCheckTouristsPath  , ArableLandDist      , "
        "BuildingsDist       , CitiesDist          , ForestTrackDist     , RiverDist           , RoadsDist           , "
        "StreamsDist         , ToursitPathDist from tMoss_01\t\t where FormID = %d ",
        formId));
    if (query.eof()) return 0;
    CSpecData_Moss_01& r = SpecData_Moss_01;
    r.bCheckArableLand = query.getIntField("bCheckArableLand");
    r.bCheckBuildings = query.getIntField("bCheckBuildings");
    r.bCheckCities = query.getIntField("bCheckCities");
    r.bCheckForestTrack = query.getIntField("bCheckForestTrack");
    r.bCheckRivers = query.getIntField("bCheckRivers");
    r.bCheckRoads = query.getIntField("bCheckRoads");
    r.bCheckStreams = query.getIntField("bCheckStreams");
    r.bCheckTouristsPath = query.getIntField("bCheckTouristsPath");
    r.ArableLandDist = query.getStringField("ArableLandDist");
    r.BuildingsDist = query.getStringField("BuildingsDist");
    r.CitiesDist = query.getStringField("CitiesDist");
    r.ForestTrackDist = query.getStringField("ForestTrackDist");
    r.RiverDist = query.getStringField("RiverDist");
    r.RoadsDist = query.getStringField("RoadsDist");
    r.StreamsDist = query.getStringField("StreamsDist");
    r.ToursitPathDist = query.getStringField("ToursitPathDist");
    return 1;
}

int CMossRecords::LoadMoss02(CSQLite3DB& db, int formId) {
    CSQLite3Query query = db.execQuery(FormatSql(
        "select t.ID as tID, t.FormID as tFormID, t.HommiesType as tHommiesType, n.Name as nName, tt.ID as ttID, "
        "tt._AllTreesMossID as tt_AllTreesMossID, a.Name_lat as aName_lat, a.Name_bg as aName_bg from tMoss_02 t left "
        "join nMossHommies n on t.HommiesType = n.ID left join tMoss_02_Trees tt on tt.tMoss_02_ID = t.ID left join "
        "_AllTreesMoss a on tt._AllTreesMossID = a.ID where t.FormID = %d order by t.ID, tt.ID",
        formId));
    if (query.eof()) return 0;
    CSpecData_Moss_02& r = SpecData_Moss_02;
    r.HommiesType = query.getIntField("tHommiesType", -1);
    r.HommiesTypeName = query.getStringField("nName");
    r.Trees.RemoveAll();
    const int mainId = query.getIntField("tID");
    for (; !query.eof() && query.getIntField("tID") == mainId; query.nextRow())
        AppendSpeciesRow(query, "ttID", "tt_AllTreesMossID", "aName_lat", "aName_bg", r.Trees);
    return 1;
}

int CMossRecords::LoadMoss03(CSQLite3DB& db, int formId) {
    CSQLite3Query query = db.execQuery(FormatSql(
        "select t.ID as tID, t.FormID as tFormID, t.ExposureID as tExposureID, t.BushesPercent as tBushesPercent, "
        "t.GrassPercent as tGrassPercent, t.Tilt as tTilt, t.RocksExists as tRocksExists, n.Name as nName, g.ID as gID, "
        "g._AllGrassBushID as gAllGrassBushID, a.Name_bg as aName_bg, a.Name_lat as aName_lat from tMoss_03 t left join "
        "nMossExposure n on t.ExposureID = n.ID left join tMoss_03_GrassBush g on g.tMoss_03_ID = t.ID left join "
        "_AllGrassBushMoss a on g._AllGrassBushID = a.ID where t.FormID = %d order by t.ID, g.ID",
        formId));
    if (query.eof()) return 0;
    CSpecData_Moss_03& r = SpecData_Moss_03;
    r.ExposureIDName = query.getStringField("nName");
    r.ExposureID = query.getIntField("tExposureID", -1);
    r.BushesPercent = query.getStringField("tBushesPercent");
    r.GrassPercent = query.getStringField("tGrassPercent");
    r.Tilt = query.getStringField("tTilt");
    r.RocksExists = query.getIntField("tRocksExists", -1);
    r.RocksExistsName = RocksAnswerName(r.RocksExists);
    r.GrassBush.RemoveAll();
    const int mainId = query.getIntField("tID");
    for (; !query.eof() && query.getIntField("tID") == mainId; query.nextRow())
        AppendSpeciesRow(query, "gID", "gAllGrassBushID", "aName_lat", "aName_bg", r.GrassBush);
    return 1;
}

int CMossRecords::LoadMoss04(CSQLite3DB& db, int formId) {
    CSQLite3Query query = db.execQuery(FormatSql(
        "select t.ID as tID, t.FormID, t.GrassCoverID as tGrassCoverID, n1.Name as n1GrassCover, t.SunshineID as "
        "tSunshineID, n2.Name as n2Sunshine from tMoss_04 t left join nMossTurfSituation n1 on t.GrassCoverID = n1.ID "
        "left join nMossTurfSituation n2 on t.SunshineID = n2.ID where FormID = %d",
        formId));
    if (query.eof()) return 0;
    CSpecData_Moss_04& r = SpecData_Moss_04;
    r.GrassCoverID = query.getIntField("tGrassCoverID", -1);
    r.GrassCoverIDName = query.getStringField("n1GrassCover");
    r.SunshineID = query.getIntField("tSunshineID", -1);
    r.SunshineIDName = query.getStringField("n2Sunshine");
    r.Turfs.RemoveAll();
    CSQLite3Query turfs = db.execQuery(FormatSql(
        "select ID, tMoss_04_ID, TurfArea from tMoss_04_Turf \nwhere  tMoss_04_ID = %d order by ID", query.getIntField("tID")));
    for (; !turfs.eof(); turfs.nextRow()) {
        CMoss04Row turf;
        turf.TurfArea = turfs.getStringField("TurfArea");
        r.Turfs.Add(turf);
    }
    return 1;
}

int CMossRecords::LoadMoss05(CSQLite3DB& db, int formId) {
    // The companion's id is the stored one, and a companion is a stored child row: a species
    // missing from _AllMosses loads with its id and no name.
    CSQLite3Query query = db.execQuery(FormatSql(
        "select t.ID as tID, t.FormID as tFormID, t.PercentCoverage as tPercentCoverage, t.Area as tArea, a.ID as aID, "
        "a._AllMossesID as nID, n.Name as nName from tMoss_05 t left join tMoss_05_Attendants a on a.tMoss_05_ID = t.ID "
        "left join _AllMosses n on a._AllMossesID = n.ID where FormID = %d order by t.ID, a.ID",
        formId));
    if (query.eof()) return 0;
    CSpecData_Moss_05& r = SpecData_Moss_05;
    r.PercentCoverage = query.getStringField("tPercentCoverage");
    r.Area = query.getStringField("tArea");
    r.Attendants.RemoveAll();
    const int mainId = query.getIntField("tID");
    for (; !query.eof() && query.getIntField("tID") == mainId; query.nextRow()) {
        if (query.fieldIsNull(query.fieldIndex("aID"))) continue;
        r.Attendants.Add({query.getStringField("nName"), query.getIntField("nID", -1), CString()});
    }
    return 1;
}

int CMossRecords::LoadMoss06(CSQLite3DB& db, int formId) {
    CSQLite3Query query = db.execQuery(FormatSql("select  ID, FormID, NoteText from tMoss_06 where FormID = %d", formId));
    if (query.eof()) return 0;
    SpecData_Moss_06.NoteText = query.getStringField("NoteText");
    return 1;
}

int CMossRecords::LoadMoss07(CSQLite3DB& db, int formId) {
    CSpecData_Moss_07& r = SpecData_Moss_07;
    r.TurfNames.RemoveAll();
    r.TurfIDs.RemoveAll();
    r.TurfProperties.RemoveAll();
    CSQLite3Query query = db.execQuery(FormatSql("select ID, FormID from tMoss_07 where FormID = %d", formId));
    if (query.eof()) return 0;
    const int parentId = query.getIntField("ID");
    CSQLite3Query locations = db.execQuery(FormatSql(
        "select t.ID as tID, t.tMoss_07_ID as ttMoss_07_ID, t._TurfID as t_TurfID, n.Name as nName from  "
        "tMoss_07_TurfLocation t left join nMossTurf n on n.ID = t._TurfID where tMoss_07_ID = %d order by t.ID",
        parentId));
    for (; !locations.eof(); locations.nextRow()) {
        r.TurfIDs.Add(locations.getIntField("t_TurfID"));
        r.TurfNames.Add(locations.getStringField("nName"));
    }
    CSQLite3Query turfs = db.execQuery(FormatSql(
        "select t.ID, tMoss_07_ID, TurfArea,  SporeExists, n.Name as strSporeExists from tMoss_07_TurfProperties t "
        "left join nMossYesNo n on SporeExists = n.ID where tMoss_07_ID = %d order by t.ID",
        parentId));
    for (; !turfs.eof(); turfs.nextRow())
        r.TurfProperties.Add(
            {turfs.getStringField("TurfArea"), turfs.getIntField("SporeExists"), turfs.getStringField("strSporeExists")});
    return 1;
}

int CMossRecords::LoadMoss08(CSQLite3DB& db, int formId) {
    CSQLite3Query query = db.execQuery(FormatSql(
        "select t.ID as tID, t.FormID as tFormID, t.BushesPercent as tBushesPercent, t.GrassPercent as tGrassPercent, "
        "t.TreesSklop as tTreesSklop, e.ID as eID, e._AllTreesMossID as e_AllTreesMossID, n.ID as nID, n.Name_bg as "
        "nName_bg, n.Name_lat as nName_lat from tMoss_08 t left join tMoss_08_Trees e on e.tMoss_08_ID = t.ID left "
        "join _AllTreesMoss n on e._AllTreesMossID = n.ID where t.FormID = %d order by t.ID, e.ID",
        formId));
    if (query.eof()) return 0;
    CSpecData_Moss_08& r = SpecData_Moss_08;
    r.BushesPercent = query.getStringField("tBushesPercent");
    r.GrassPercent = query.getStringField("tGrassPercent");
    r.TreesSklop = query.getStringField("tTreesSklop");
    r.Trees.RemoveAll();
    const int mainId = query.getIntField("tID");
    for (; !query.eof() && query.getIntField("tID") == mainId; query.nextRow())
        AppendSpeciesRow(query, "eID", "e_AllTreesMossID", "nName_lat", "nName_bg", r.Trees);
    return 1;
}

int CMossRecords::LoadMoss09(CSQLite3DB& db, int formId) {
    CSQLite3Query query = db.execQuery(FormatSql(
        "select t.ID as tID, t.FormID as tFormID, t.Cat1Count as tCat1Count, t.Cat2Count as tCat2Count, t.Cat3Count "
        "as tCat3Count, t.Area as tArea, s.tMoss_09_ID as stMoss_09_ID, s.RotScale as sRotScale, s.Diameter as "
        "sDiameter, s.Len as sLen, s.SporofitsCount as sSporofitsCount from  tMoss_09 t left join  tMoss_09_Stubs s "
        "on s.tMoss_09_ID = t.ID where FormID = %d order by t.ID, s.ID",
        formId));
    if (query.eof()) return 0;
    CSpecData_Moss_09& r = SpecData_Moss_09;
    r.Cat1Count = query.getStringField("tCat1Count");
    r.Cat2Count = query.getStringField("tCat2Count");
    r.Cat3Count = query.getStringField("tCat3Count");
    r.Area = query.getStringField("tArea");
    r.Stubs.RemoveAll();
    const int mainId = query.getIntField("tID");
    for (; !query.eof() && query.getIntField("tID") == mainId; query.nextRow()) {
        if (query.fieldIsNull(query.fieldIndex("stMoss_09_ID"))) continue;
        r.Stubs.Add({query.getIntField("sRotScale"), query.getStringField("sDiameter"), query.getStringField("sLen"),
                     query.getStringField("sSporofitsCount")});
    }
    return 1;
}

int CMossRecords::LoadMoss10(CSQLite3DB& db, int formId) {
    CSQLite3Query query = db.execQuery(FormatSql(
        "select ID , FormID , BushesPercent , GrassPercent , TreePercent  , RocksExistance from tMoss_10 where FormID = "
        "%d ",
        formId));
    if (query.eof()) return 0;
    CSpecData_Moss_10& r = SpecData_Moss_10;
    r.BushesPercent = query.getStringField("BushesPercent");
    r.GrassPercent = query.getStringField("GrassPercent");
    r.TreePercent = query.getStringField("TreePercent");
    r.RocksExistance = query.getIntField("RocksExistance");
    LoadGrassBushRows(db, "tMoss_10", query.getIntField("ID"), r.GrassBush);
    return 1;
}

int CMossRecords::LoadMoss11(CSQLite3DB& db, int formId) {
    CSQLite3Query query = db.execQuery(FormatSql(
        "select t.ID as tID, t.FormID as tFormID, t.HumusID as tHumusID, n1.Name as tHumus, t.SurfaceID as tSurfaceID, "
        "n2.Name as tSurface, t.HeightID as tHeightID, n3.Name as tHeight from tMoss_11 t left join nMossYesNo n1 on "
        "n1.ID = t.HumusID left join nMossRockSurface n2 on n2.ID = t.SurfaceID left join nMossRockHight n3 on n3.ID = "
        "t.HeightID where FormID = %d",
        formId));
    if (query.eof()) return 0;
    CSpecData_Moss_11& r = SpecData_Moss_11;
    r.HumusID = query.getIntField("tHumusID");
    r.HumusIDName = query.getStringField("tHumus");
    r.SurfaceID = query.getIntField("tSurfaceID");
    r.SurfaceIDName = query.getStringField("tSurface");
    r.HeightID = query.getIntField("tHeightID");
    r.HeightIDName = query.getStringField("tHeight");
    r.TurfSituations.RemoveAll();
    // The position is one of the rock positions the page's dialog offers, so its name comes
    // from nMossRockSituation.
    CSQLite3Query tufts = db.execQuery(FormatSql(
        "select t.SituationID as tSituationID, n1.Name as tSituation, t.ExposureID as tExposureID, n2.Name as "
        "tExposure, t.SunshineID as tSunshineID, n3.Name as tSunshine from tMoss_11_TurfSituation t left join "
        "nMossRockSituation n1 on n1.ID = t.SituationID left join nMossExposure n2 on n2.ID = t.ExposureID left join "
        "nMossRockSunshine n3 on n3.ID = t.SunshineID where  tMoss_11_ID = %d order by t.ID",
        query.getIntField("tID")));
    for (; !tufts.eof(); tufts.nextRow())
        r.TurfSituations.Add({tufts.getIntField("tSunshineID"), tufts.getStringField("tSunshine"),
                              tufts.getIntField("tSituationID"), tufts.getStringField("tSituation"),
                              tufts.getIntField("tExposureID"), tufts.getStringField("tExposure")});
    return 1;
}

int CMossRecords::LoadMoss12(CSQLite3DB& db, int formId) {
    CSQLite3Query query = db.execQuery(FormatSql(
        "select FormID , ExposureID   , n.Name as Exposure, Chanel       , Nitrates     , Nitrites     , PH           "
        ", Phosphates   , Relief       , Tilt         , TorfArea\t  , Depth\t\t\tfrom  tMoss_12 left join nMossExposure n "
        "on ExposureID = n.ID where FormID = %d",
        formId));
    if (query.eof()) return 0;
    CSpecData_Moss_12& r = SpecData_Moss_12;
    r.ExposureIDName = query.getStringField("Exposure");
    r.ExposureID = query.getIntField("ExposureID");
    r.Chanel = query.getStringField("Chanel");
    r.Nitrates = query.getStringField("Nitrates");
    r.Nitrites = query.getStringField("Nitrites");
    r.PH = query.getStringField("PH");
    r.Phosphates = query.getStringField("Phosphates");
    r.Relief = query.getStringField("Relief");
    r.Tilt = query.getStringField("Tilt");
    r.TorfArea = query.getStringField("TorfArea");
    r.Depth = query.getStringField("Depth");
    return 1;
}

int CMossRecords::LoadMoss13(CSQLite3DB& db, int formId) {
    // The form id comes back under the name "integer"; nothing reads it.
    CSQLite3Query query = db.execQuery(FormatSql(
        "select ID , FormID integer, TreesExist, TreesCount, ProcentArea from tMoss_13 where FormID = %d ", formId));
    if (query.eof()) return 0;
    CSpecData_Moss_13& r = SpecData_Moss_13;
    r.TreesExist = query.getIntField("TreesExist");
    r.TreesCount = query.getStringField("TreesCount");
    r.ProcentArea = query.getStringField("ProcentArea");
    LoadGrassBushRows(db, "tMoss_13", query.getIntField("ID"), r.GrassBush);
    return 1;
}

int CMossRecords::LoadMoss14(CSQLite3DB& db, int formId) {
    CSQLite3Query query = db.execQuery(FormatSql(
        "select t.ID as tID, t.FormID as tFormID, t.TurfArea as tTurfArea, t.SporeExists as tSporeExists, n.Name as "
        "nName from tMoss_14 t left join nMossYesNo n on t.SporeExists = n.ID where FormID = %d order by t.ID",
        formId));
    if (query.eof()) return 0;
    CArray<CMoss04Row>& turfs = SpecData_Moss_14.Turfs;
    turfs.RemoveAll();
    for (; !query.eof(); query.nextRow())
        turfs.Add({query.getStringField("tTurfArea"), query.getIntField("tSporeExists", -1),
                   query.getStringField("nName")});
    return 1;
}

int CMossRecords::LoadMoss15(CSQLite3DB& db, int formId) {
    CSQLite3Query query = db.execQuery(FormatSql(
        "select t.ID as tID, FormID, SoilID, n3.Name as Soil, RocksExistance, n2.Name as strRocksExistance, ExposureID, "
        "n1.Name as Exposure, ErosiveID, n4.Name as Erosive, BushesPercent, GrassPercent, Tilt, TreePercent from "
        "tMoss_15 t left join nMossExposure n1 on ExposureID = n1.ID left join nMossYesNo n2 on RocksExistance = n2.ID "
        "left join nMossSoil n3 on SoilID = n3.ID left join nMossErosive n4 on ErosiveID = n4.ID where FormID = %d",
        formId));
    if (query.eof()) return 0;
    CSpecData_Moss_15& r = SpecData_Moss_15;
    r.SoilID = query.getIntField("SoilID", -1);
    r.SoilIDName = query.getStringField("Soil");
    r.RocksExistance = query.getIntField("RocksExistance", -1);
    r.RocksExistanceName = query.getStringField("strRocksExistance");
    r.ExposureID = query.getIntField("ExposureID", -1);
    r.ExposureIDName = query.getStringField("Exposure");
    r.ErosiveID = query.getIntField("ErosiveID", -1);
    r.ErosiveIDName = query.getStringField("Erosive");
    r.BushesPercent = query.getStringField("BushesPercent");
    r.GrassPercent = query.getStringField("GrassPercent");
    r.Tilt = query.getStringField("Tilt");
    r.TreePercent = query.getStringField("TreePercent");
    const int parentId = query.getIntField("tID");
    LoadGrassBushRows(db, "tMoss_15", parentId, r.GrassBush);
    r.Arhegons.RemoveAll();
    CSQLite3Query turfs = db.execQuery(FormatSql(
        "select t.ID as tID, t.tMoss_15_ID as ttMoss_15_ID, t.TorfArea as tTorfArea, t.ArhegonExistance as "
        "tArhegonExistance, n.Name as nName from tMoss_15_Arhegon t left join nMossYesNo n on t.ArhegonExistance = n.ID "
        "where tMoss_15_ID = %d order by t.ID",
        parentId));
    for (; !turfs.eof(); turfs.nextRow())
        r.Arhegons.Add({turfs.getStringField("tTorfArea"), turfs.getIntField("tArhegonExistance", -1),
                        turfs.getStringField("nName")});
    return 1;
}

int CMossRecords::LoadMoss16(CSQLite3DB& db, int formId) {
    CSQLite3Query query = db.execQuery(FormatSql(
        "select t.ID as tID, FormID, RocksЕxistance, WaterBasinЕxistance, n1.Name as strRocksЕxistance, n2.Name as "
        "strWaterBasinЕxistance from tMoss_16 t left join nMossYesNo n1 on RocksЕxistance = n1.ID left join nMossYesNo "
        "n2 on WaterBasinЕxistance = n2.ID where FormID = %d",
        formId));
    if (query.eof()) return 0;
    CSpecData_Moss_16& r = SpecData_Moss_16;
    r.RocksExistance = query.getIntField("RocksЕxistance", -1);
    r.RocksExistanceName = query.getStringField("strRocksЕxistance");
    r.WaterBasinExistance = query.getIntField("WaterBasinЕxistance", -1);
    r.WaterBasinExistanceName = query.getStringField("strWaterBasinЕxistance");
    LoadGrassBushRows(db, "tMoss_16", query.getIntField("tID"), r.GrassBush);
    return 1;
}

int CMossRecords::LoadMoss17(CSQLite3DB& db, int formId) {
    CSpecData_Moss_17& r = SpecData_Moss_17;
    r.Trees.RemoveAll();
    r.Colonies.RemoveAll();
    CSQLite3Query query = db.execQuery(FormatSql("select ID, FormID, Area from  tMoss_17 where FormID = %d", formId));
    if (query.eof()) return 0;
    r.Area = query.getStringField("Area");
    const int parentId = query.getIntField("ID");
    // The trees come back in the order of their stored numbers, by which the colonies name them.
    CSQLite3Query trees = db.execQuery(FormatSql(
        "select t.ID as tID, tMoss_17_ID,  TreeNum, _AllTreesID, Name_bg, Name_lat, Diameter, Height from  "
        "tMoss_17_TreeHosts t left join _AllTreesMoss a on _AllTreesID = a.ID where tMoss_17_ID = %d order by TreeNum, "
        "t.ID",
        parentId));
    // Stored numbers may have gaps (a tree row removed by another program); a colony is
    // attached to the position of the tree that carries its number, or to none.
    std::vector<int> storedNumbers;
    for (; !trees.eof(); trees.nextRow()) {
        const int id = trees.getIntField("_AllTreesID", -1);
        r.Trees.Add({id, trees.getStringField("Name_lat"), id, trees.getStringField("Name_bg"),
                     trees.getStringField("Diameter"), trees.getStringField("Height")});
        storedNumbers.push_back(trees.getIntField("TreeNum", -1));
    }
    const auto positionOfTree = [&storedNumbers](int storedNumber) {
        if (storedNumber < 0) return -1;
        const auto found = std::find(storedNumbers.begin(), storedNumbers.end(), storedNumber);
        return found == storedNumbers.end() ? -1 : static_cast<int>(found - storedNumbers.begin());
    };
    CSQLite3Query colonies = db.execQuery(FormatSql(
        "select t.ID as tID, tMoss_17_ID, TreeNum, ExposureID, n.Name as Exposure, AliveArea, AppropriateCount, "
        "DeadArea, Coverage, Height from   tMoss_17_MossColonies t left join nMossExposure n on ExposureID = n.ID where "
        "tMoss_17_ID = %d order by t.ID",
        parentId));
    for (; !colonies.eof(); colonies.nextRow())
        r.Colonies.Add({positionOfTree(colonies.getIntField("TreeNum", -1)), colonies.getIntField("ExposureID", -1),
                        colonies.getStringField("Exposure"), colonies.getStringField("AliveArea"),
                        colonies.getStringField("AppropriateCount"), colonies.getStringField("DeadArea"),
                        colonies.getStringField("Coverage"), colonies.getStringField("Height")});
    return 1;
}

int CMossRecords::LoadMoss18(CSQLite3DB& db, int formId) {
    CSQLite3Query query = db.execQuery(FormatSql(
        "select t.ID as tID, FormID, WaterBasinExisance, n1.Name as strWaterBasinExisance, ExposureID, n2.Name as "
        "strExposure, Carbonates, Chanels, Chloride, Electric, Nitrates, Nitrites, Oxigen, PH, Phosphates, Potential, "
        "Releif, Sulfates, Tilt, TorfArea, WaterHigh, WaterTemperature from tMoss_18 t left join nMossYesNo n1 on "
        "WaterBasinExisance = n1.ID left join nMossExposure n2 on ExposureID = n2.ID where FormID = %d",
        formId));
    if (query.eof()) return 0;
    CSpecData_Moss_18& r = SpecData_Moss_18;
    r.WaterBasinExisance = query.getIntField("WaterBasinExisance", -1);
    r.WaterBasinExisanceName = query.getStringField("strWaterBasinExisance");
    r.ExposureID = query.getIntField("ExposureID", -1);
    r.ExposureIDName = query.getStringField("strExposure");
    const std::pair<CString*, const char*> texts[] = {
        {&r.Carbonates, "Carbonates"}, {&r.Chanels, "Chanels"},       {&r.Chloride, "Chloride"},
        {&r.Electric, "Electric"},     {&r.Nitrates, "Nitrates"},     {&r.Nitrites, "Nitrites"},
        {&r.Oxigen, "Oxigen"},         {&r.PH, "PH"},                 {&r.Phosphates, "Phosphates"},
        {&r.Potential, "Potential"},   {&r.Releif, "Releif"},         {&r.Sulfates, "Sulfates"},
        {&r.Tilt, "Tilt"},             {&r.TorfArea, "TorfArea"},     {&r.WaterHigh, "WaterHigh"},
        {&r.WaterTemperature, "WaterTemperature"}};
    for (const auto& [field, column] : texts) *field = query.getStringField(column);
    return 1;
}

int CMossRecords::LoadMoss19(CSQLite3DB& db, int formId) {
    CSQLite3Query query = db.execQuery(FormatSql(
        "select ID, FormID, CheckTrees, TreesCount, Releif, AnnualGrowth, ProcentAllArea, PercentSpeciesArea from   "
        "tMoss_19 where FormID = %d ",
        formId));
    if (query.eof()) return 0;
    CSpecData_Moss_19& r = SpecData_Moss_19;
    r.CheckTrees = query.getIntField("CheckTrees");
    r.TreesCount = query.getStringField("TreesCount");
    r.Releif = query.getStringField("Releif");
    r.AnnualGrowth = query.getStringField("AnnualGrowth");
    r.ProcentAllArea = query.getStringField("ProcentAllArea");
    r.PercentSpeciesArea = query.getStringField("PercentSpeciesArea");
    LoadGrassBushRows(db, "tMoss_19", query.getIntField("ID"), r.GrassBush);
    return 1;
}
