// The hamster pages: how their records are written and read back.
#include "db/SQLite3DB.h"
#include "store/HamsterRecords.h"
#include "store/SqlText.h"

void CHamsterRecords::Reset() {
    SpecData_Hamster_01.Reset();
    SpecData_Hamster_02.Reset();
    SpecData_Hamster_03.Reset();
}

void CHamsterRecords::Load(CSQLite3DB& db, int formId) {
    LoadHamster01(db, formId);
    LoadHamster02(db, formId);
    LoadHamster03(db, formId);
}

bool CHamsterRecords::SaveStep(CSQLite3DB& db, int stepCode, int formId) const {
    switch (stepCode) {
        case 6951: SaveHamster01(db, formId); return true;
        case 6952: SaveHamster02(db, formId); return true;
        case 6953: SaveHamster03(db, formId); return true;
        default: return false;
    }
}

// --- page 1: the site ----------------------------------------------------------------------

void CHamsterRecords::SaveHamster01(CSQLite3DB& db, int formId) const {
    const CSpecData_Hamster_01& site = SpecData_Hamster_01;
    db.execDML(FormatSql(
        "insert into tHamster_01  ( FormID,  bCheckBushes, bCheckCows, bCheckElse, bCheckGoats, bCheckHorses, "
        "bCheckJuniper, bCheckPrickles, bCheckSheeps, iRadionPasture, bCheckOthers,  CowsCount, ElseDescription, "
        "GoatsCount, HorsesCount, OthersCount, OthersName, SheepsCount  )values( %d, %d, %d, %d, %d, %d, %d, %d, %d, "
        "%d,  %d,  '%s', '%s', '%s', '%s', '%s', '%s', '%s' )",
        formId, site.bCheckBushes, site.bCheckCows, site.bCheckElse, site.bCheckGoats, site.bCheckHorses,
        site.bCheckJuniper, site.bCheckPrickles, site.bCheckSheeps, site.iRadionPasture, site.bCheckOthers,
        QuoteSql(site.CowsCount), QuoteSql(site.ElseDescription), QuoteSql(site.GoatsCount),
        QuoteSql(site.HorsesCount), QuoteSql(site.OthersCount), QuoteSql(site.OthersName),
        QuoteSql(site.SheepsCount)));
}

bool CHamsterRecords::LoadHamster01(CSQLite3DB& db, int formId) {
    CSQLite3Query query = db.execQuery(FormatSql(
        "select ID, FormID, bCheckBushes, bCheckCows, bCheckElse, bCheckGoats, bCheckHorses, bCheckJuniper, "
        "bCheckPrickles, bCheckSheeps, CowsCount, ElseDescription, GoatsCount, HorsesCount, OthersCount, OthersName, "
        "SheepsCount, iRadionPasture, bCheckOthers from tHamster_01 where FormID = %d ",
        formId));
    if (query.eof()) return false;
    // A box without a value reads as not ticked: a missing value is no tick on the report.
    CSpecData_Hamster_01& site = SpecData_Hamster_01;
    site.bCheckBushes = query.getIntField("bCheckBushes", 0);
    site.bCheckCows = query.getIntField("bCheckCows", 0);
    site.bCheckElse = query.getIntField("bCheckElse", 0);
    site.bCheckGoats = query.getIntField("bCheckGoats", 0);
    site.bCheckHorses = query.getIntField("bCheckHorses", 0);
    site.bCheckJuniper = query.getIntField("bCheckJuniper", 0);
    site.bCheckPrickles = query.getIntField("bCheckPrickles", 0);
    site.bCheckSheeps = query.getIntField("bCheckSheeps", 0);
    site.CowsCount = query.getStringField("CowsCount");
    site.ElseDescription = query.getStringField("ElseDescription");
    site.GoatsCount = query.getStringField("GoatsCount");
    site.HorsesCount = query.getStringField("HorsesCount");
    site.OthersCount = query.getStringField("OthersCount");
    site.OthersName = query.getStringField("OthersName");
    site.SheepsCount = query.getStringField("SheepsCount");
    site.iRadionPasture = query.getIntField("iRadionPasture", -1);
    site.bCheckOthers = query.getIntField("bCheckOthers", 0);
    return true;
}

// --- page 2: the transects -----------------------------------------------------------------

void CHamsterRecords::SaveHamster02(CSQLite3DB& db, int formId) const {
    const CSpecData_Hamster_02& counts = SpecData_Hamster_02;
    db.execDML(FormatSql(
        "insert into tHamster_02  ( FormID, HamstersCount1, HamstersLairsCount1, HamstersCount2, HamstersLairsCount2, "
        "HamstersCount3, HamstersLairsCount3, HamstersCount4, HamstersLairsCount4, HamstersCount5, "
        "HamstersLairsCount5\t)  values( %d, '%s', '%s', '%s', '%s', '%s', '%s', '%s', '%s', '%s', '%s' )",
        formId, QuoteSql(counts.HamstersCount1), QuoteSql(counts.HamstersLairsCount1), QuoteSql(counts.HamstersCount2),
        QuoteSql(counts.HamstersLairsCount2), QuoteSql(counts.HamstersCount3), QuoteSql(counts.HamstersLairsCount3),
        QuoteSql(counts.HamstersCount4), QuoteSql(counts.HamstersLairsCount4), QuoteSql(counts.HamstersCount5),
        QuoteSql(counts.HamstersLairsCount5)));
    const int parentId = db.lastRowId();
    for (int number = 1; number <= kHamsterTransects; ++number)
        SaveHamster02Transect(db, parentId, number, counts.TransectOf(number));
}

void CHamsterRecords::SaveHamster02Transect(CSQLite3DB& db, int parentId, int number, const CHamsterTransect& segments) {
    // Every segment, also an untouched one: the slots of a transect are its positions.
    for (const CHamster02Transect& segment : segments)
        db.execDML(FormatSql(
            "insert into tHamster_02_Transects ( tHamster_02_id, TransectNum, WaterTankType, RoadsType, "
            "OvergrowingsType, HabitatType, GrassHeightType, GrassType, BuildingsType, LairCount, Latitude, Longitude ) "
            "values( %d, %d, %d, %d, %d, %d, %d, %d, %d, '%s', '%s', '%s' )",
            parentId, number, segment.WaterTankType, segment.RoadsType, segment.OvergrowingsType, segment.HabitatType,
            segment.GrassHeightType, segment.GrassType, segment.BuildingsType, QuoteSql(segment.LairCount),
            QuoteSql(segment.Latitude), QuoteSql(segment.Longitude)));
}

bool CHamsterRecords::LoadHamster02(CSQLite3DB& db, int formId) {
    CSQLite3Query query = db.execQuery(FormatSql(
        "select ID, FormID, HamstersCount1, HamstersLairsCount1, HamstersCount2, HamstersLairsCount2, HamstersCount3, "
        "HamstersLairsCount3, HamstersCount4, HamstersLairsCount4, HamstersCount5, HamstersLairsCount5 from tHamster_02 "
        "where FormID = %d ",
        formId));
    if (query.eof()) return false;
    CSpecData_Hamster_02& counts = SpecData_Hamster_02;
    for (int number = 1; number <= kHamsterTransects; ++number) {
        CString name;
        name.Format("HamstersCount%d", number);
        counts.HamstersCountOf(number) = query.getStringField(name);
        name.Format("HamstersLairsCount%d", number);
        counts.LairsCountOf(number) = query.getStringField(name);
    }
    const int parentId = query.getIntField("ID");
    query.finalize();
    for (int number = 1; number <= kHamsterTransects; ++number)
        LoadHamster02Transect(db, parentId, number, counts.TransectOf(number));
    return true;
}

void CHamsterRecords::LoadHamster02Transect(CSQLite3DB& db, int parentId, int number, CHamsterTransect& segments) {
    // Left joins and the row id as order: every stored segment comes back into its own slot,
    // also one with a code not chosen (-1) or gone from the list, which then has no text.
    CSQLite3Query query = db.execQuery(FormatSql(
        "select t.ID as tID, tHamster_02_id, TransectNum, WaterTankType, w.WaterTank as WaterTank, RoadsType, r.Road as "
        "Road, OvergrowingsType, o.Overgrowing as Overgrowings, HabitatType, h.Habitat as Habitat, GrassHeightType, "
        "gh.GrassHigh  as GrassHigh, t.GrassType as GrassType, gt.GrassType  as Grass, BuildingsType, b.Buildings  as "
        "Buildings, LairCount, Latitude, Longitude from tHamster_02_Transects t left join nHamsterHabitatCodes h on "
        "t.HabitatType = h.id left join nHamsterHabitatCodes w on t.WaterTankType = w.id left join nHamsterHabitatCodes "
        "r on t.RoadsType = r.id left join nHamsterHabitatCodes o on t.OvergrowingsType = o.id left join "
        "nHamsterHabitatCodes gh on t.GrassHeightType = gh.id left join nHamsterHabitatCodes gt on t.GrassType = gt.id "
        "left join nHamsterHabitatCodes b on t.BuildingsType = b.id where tHamster_02_id = %d and TransectNum = %d "
        "order by t.ID",
        parentId, number));
    segments = CHamsterTransect();
    for (CHamster02Transect& segment : segments) {
        if (query.eof()) break;
        segment.WaterTankType = query.getIntField("WaterTankType", -1);
        segment.WaterTankTypeName = query.getStringField("WaterTank");
        segment.RoadsType = query.getIntField("RoadsType", -1);
        segment.RoadsTypeName = query.getStringField("Road");
        segment.OvergrowingsType = query.getIntField("OvergrowingsType", -1);
        segment.OvergrowingsTypeName = query.getStringField("Overgrowings");
        segment.HabitatType = query.getIntField("HabitatType", -1);
        segment.HabitatTypeName = query.getStringField("Habitat");
        segment.GrassHeightType = query.getIntField("GrassHeightType", -1);
        segment.GrassHeightTypeName = query.getStringField("GrassHigh");
        segment.GrassType = query.getIntField("GrassType", -1);
        segment.GrassTypeName = query.getStringField("Grass");
        segment.BuildingsType = query.getIntField("BuildingsType", -1);
        segment.BuildingsTypeName = query.getStringField("Buildings");
        segment.LairCount = query.getStringField("LairCount");
        segment.Latitude = query.getStringField("Latitude");
        segment.Longitude = query.getStringField("Longitude");
        query.nextRow();
    }
}

// --- page 3: notes -------------------------------------------------------------------------

void CHamsterRecords::SaveHamster03(CSQLite3DB& db, int formId) const {
    const CSpecData_Hamster_03& notes = SpecData_Hamster_03;
    db.execDML(FormatSql("insert into tHamster_03  ( FormID, Changes, Notes )  values( %d, '%s', '%s' )", formId,
                         QuoteSql(notes.Changes), QuoteSql(notes.Notes)));
}

bool CHamsterRecords::LoadHamster03(CSQLite3DB& db, int formId) {
    CSQLite3Query query =
        db.execQuery(FormatSql("select ID, FormID, Changes, Notes from tHamster_03 where FormID = %d ", formId));
    if (query.eof()) return false;
    SpecData_Hamster_03.Changes = query.getStringField("Changes");
    SpecData_Hamster_03.Notes = query.getStringField("Notes");
    return true;
}
