// The moss pages' rows: a main row per page and form, its list rows after it under the main
// row's new id. Lists come back in the order they were stored.
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
}

void CMossRecords::Load(CSQLite3DB& db, int formId) {
    LoadMoss01(db, formId);
    LoadMoss02(db, formId);
    LoadMoss03(db, formId);
    LoadMoss04(db, formId);
    LoadMoss05(db, formId);
    LoadMoss06(db, formId);
    LoadMoss07(db, formId);
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
