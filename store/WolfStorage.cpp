// The wolf pages' rows: one per page and form, three per route, each route point with its
// position in Coordinates, and the rows of the lists under their page's row.
#include "db/SQLite3DB.h"
#include "store/CoordinateRows.h"
#include "store/SqlText.h"
#include "store/WolfRecords.h"

namespace {

// A route point's position belongs to no coordinates page.
constexpr int kNoCoordinatesPage = -1;

// The notes pages differ only in their table.
void SaveNotes(CSQLite3DB& db, const char* insert, const CString& notes, int formId) {
    db.execDML(FormatSql(insert, formId, QuoteSql(notes)));
}

bool LoadNotes(CSQLite3DB& db, const char* select, CString& notes, int formId) {
    CSQLite3Query query = db.execQuery(FormatSql(select, formId));
    if (query.eof()) return false;
    notes = query.getStringField("Notes");
    return true;
}

// Left joins: a point whose lists were never chosen (-1), or whose entry has gone from its
// list, loads with empty names instead of dropping out of the route.
constexpr char kRouteOfForm[] =
    "select t.ID as tID, t.FormID as FormID, t.TrackType as TrackType, t.GPS_point_id as GPS_point_id, "
    "t.DL_ID as DL_ID, nDL.Name as DL, t.DDS_ID as DDS_ID, nDDS.Name as DDS, t.CityID as CityID, e.EKNM_NAME as City, "
    "t.ExposureID as ExposureID, nMossExposure.Name as Exposure, t.PU_ID as PU_ID, nPU.Name as PU, "
    "t.Altitude as Altitude, t.Department as Department, t.EKNM as EKNM, t.Lattitude as Lattitude, "
    "t.Longitude as Longitude, t.Place as Place, t.Subdepartment as Subdepartment, "
    "c.Longtitude_Grad as Longtitude_Grad, c.Longtitude_Minutes as Longtitude_Minutes, "
    "c.Longtitude_Seconds as Longtitude_Seconds, c.Longtitude_SocondsAfterPoint as Longtitude_SocondsAfterPoint, "
    "c.Latitude_Grad as Latitude_Grad, c.Latitude_Minutes as Latitude_Minutes, c.Latitude_Seconds as Latitude_Seconds, "
    "c.Latitude_SecondsAfterPoint as Latitude_SecondsAfterPoint "
    "from tWolf_06_Tracks t "
    "left join nDL on nDL.ID = t.DL_ID "
    "left join nDDS on nDDS.ID = t.DDS_ID "
    "left join EKNM_CITIES e on e.ID = t.CityID "
    "left join nMossExposure on nMossExposure.ID = t.ExposureID "
    "left join nPU on nPU.ID = t.PU_ID "
    "left join Coordinates c on c.ID = t.GPS_point_id "
    "where t.FormID = %d order by t.ID";

// Left joins: a prey whose species has gone from the list keeps its row with an empty name.
constexpr char kPreyOfPage[] =
    "select t.ID as tID, tWolf_07_ID, SpeciesID, s.Name_lat as Lat_name, Count from tWolf_07_PreyAnketi t "
    "left join sAllSpecies s on s.ID = t.SpeciesID where tWolf_07_ID = %d order by t.ID";
constexpr char kKilledPreyOfPage[] =
    "select t.ID as tID, tWolf_07_ID, SpeciesID, s.Name_lat as Lat_name, MaleCount, FemaleCount, Description "
    "from tWolf_07_PreyObservations t left join sAllSpecies s on s.ID = t.SpeciesID where tWolf_07_ID = %d "
    "order by t.ID";
constexpr char kKilledWolvesOfPage[] =
    "select ID, tWolf_10_ID, Sex, case when Sex = -1 then '' when Sex = 0 then 'М' when Sex = 1 then 'Ж' end as "
    "SexName, Age, Color, Weight, ExistsFingerFrontLeg, case when ExistsFingerFrontLeg = -1 then '' when "
    "ExistsFingerFrontLeg = 0 then 'Да' when ExistsFingerFrontLeg = 1 then 'Не' end as ExistsFingerFrontLegName, "
    "ExistsFingerBackLeg, case when ExistsFingerBackLeg = -1 then '' when ExistsFingerBackLeg = 0 then 'Да' when "
    "ExistsFingerBackLeg = 1 then 'Не' end as ExistsFingerBackLegName from tWolf_10_Killed where tWolf_10_ID = %d "
    "order by ID";
constexpr char kScatsOfPage[] =
    "select ID, tWolf_12_ID, Color, Fur, Len, Wid, BonesPresence, case when BonesPresence = -1 then '' when "
    "BonesPresence = 0 then 'Да' when BonesPresence = 1 then 'Не' end as Bones from tWolf_12_Shits where "
    "tWolf_12_ID = %d order by ID";

// The checked notes pages: a flag and notes.
void SaveFlagNotes(CSQLite3DB& db, const char* insert, int flag, const CString& notes, int formId) {
    db.execDML(FormatSql(insert, formId, flag, QuoteSql(notes)));
}

bool LoadFlagNotes(CSQLite3DB& db, const char* select, const char* flagColumn, int& flag, CString& notes,
                   int formId) {
    CSQLite3Query query = db.execQuery(FormatSql(select, formId));
    if (query.eof()) return false;
    flag = query.getIntField(flagColumn, -1);
    notes = query.getStringField("Notes");
    return true;
}

// The id of the form's page row in `select` (-1 without one), with the habitat when asked.
int PageRowId(CSQLite3DB& db, const char* select, int formId, CString* habitat = nullptr) {
    CSQLite3Query query = db.execQuery(FormatSql(select, formId));
    if (query.eof()) return -1;
    if (habitat) *habitat = query.getStringField("Habitat");
    return query.getIntField("ID", -1);
}

}  // namespace

void CWolfRecords::Reset() {
    SpecData_Wolf_01.Reset();
    SpecData_Wolf_02.Reset();
    SpecData_Wolf_03.Reset();
    SpecData_Wolf_04.Reset();
    SpecData_Wolf_05.Reset();
    SpecData_Wolf_06.Reset();
    SpecData_Wolf_07.Reset();
    SpecData_Wolf_08.Reset();
    SpecData_Wolf_09.Reset();
    SpecData_Wolf_10.Reset();
    SpecData_Wolf_11.Reset();
    SpecData_Wolf_12.Reset();
}

void CWolfRecords::Load(CSQLite3DB& db, int formId) {
    LoadWolf01(db, formId);
    LoadWolf02(db, formId);
    LoadWolf03(db, formId);
    LoadWolf04(db, formId);
    LoadWolf05(db, formId);
    LoadWolf06(db, formId);
    LoadWolf07(db, formId);
    LoadWolf08(db, formId);
    LoadWolf09(db, formId);
    LoadWolf10(db, formId);
    LoadWolf11(db, formId);
    LoadWolf12(db, formId);
}

bool CWolfRecords::SaveStep(CSQLite3DB& db, int stepCode, int formId) const {
    switch (stepCode) {
        case 6801: SaveWolf01(db, formId); return true;
        case 6802: SaveWolf02(db, formId); return true;
        case 6803: SaveWolf03(db, formId); return true;
        case 6804: SaveWolf04(db, formId); return true;
        case 6805: SaveWolf05(db, formId); return true;
        case 6806: SaveWolf06(db, formId); return true;
        case 6807: SaveWolf07(db, formId); return true;
        case 6808: SaveWolf08(db, formId); return true;
        case 6809: SaveWolf09(db, formId); return true;
        case 6810: SaveWolf10(db, formId); return true;
        case 6811: SaveWolf11(db, formId); return true;
        case 6812: SaveWolf12(db, formId); return true;
        default: return false;
    }
}

void CWolfRecords::SaveWolf01(CSQLite3DB& db, int formId) const {
    db.execDML(FormatSql("insert into tWolf_01_Pack  ( FormID, Notes, WolfCount )  values( %d, '%s', '%s' )", formId,
                         QuoteSql(SpecData_Wolf_01.Notes), QuoteSql(SpecData_Wolf_01.WolfCount)));
}

void CWolfRecords::SaveWolf02(CSQLite3DB& db, int formId) const {
    SaveNotes(db, "insert into tWolf_02_Couple  ( FormID, Notes )  values( %d, '%s' )", SpecData_Wolf_02.Notes, formId);
}

void CWolfRecords::SaveWolf03(CSQLite3DB& db, int formId) const {
    db.execDML(FormatSql("insert into tWolf_03_Lair  ( FormID, IsHabited, Notes )  values( %d, %d, '%s' )", formId,
                         SpecData_Wolf_03.IsHabited, QuoteSql(SpecData_Wolf_03.Notes)));
}

void CWolfRecords::SaveWolf04(CSQLite3DB& db, int formId) const {
    db.execDML(FormatSql("insert into tWolf_04_Babies  ( FormID, BabyWolfCount, Notes )  values( %d, '%s', '%s' )",
                         formId, QuoteSql(SpecData_Wolf_04.BabyWolfCount), QuoteSql(SpecData_Wolf_04.Notes)));
}

void CWolfRecords::SaveWolf05(CSQLite3DB& db, int formId) const {
    SaveNotes(db, "insert into tWolf_05_Howl  ( FormID, Notes )  values( %d, '%s' )", SpecData_Wolf_05.Notes, formId);
}

void CWolfRecords::SaveWolf06(CSQLite3DB& db, int formId) const {
    const CArray<CWolf06Row>& points = SpecData_Wolf_06.Tracks;
    for (int position = 0; position < points.GetSize(); ++position) {
        const CWolf06Row& point = points[position];
        const int gpsPointId = InsertCoordinatesRow(db, kNoCoordinatesPage, point.GpsPoint);
        db.execDML(FormatSql(
            "insert into tWolf_06_Tracks  ( FormID, TrackType, GPS_point_id, DL_ID, DDS_ID, CityID, ExposureID, PU_ID, "
            "Altitude, Department, EKNM, Lattitude, Longitude, Place, Subdepartment)  values( %d, %d, %d, %d, %d, %d, "
            "%d, %d, '%s', '%s', '%s', '%s', '%s', '%s', '%s')",
            formId, position, gpsPointId, point.DL_ID, point.DDS_ID, point.CityID, point.ExposureID, point.PU_ID,
            QuoteSql(point.Altitude), QuoteSql(point.Department), QuoteSql(point.EKNM), QuoteSql(point.Lattitude),
            QuoteSql(point.Longitude), QuoteSql(point.Place), QuoteSql(point.Subdepartment)));
    }
}

bool CWolfRecords::LoadWolf01(CSQLite3DB& db, int formId) {
    CSQLite3Query query =
        db.execQuery(FormatSql(" select ID, FormID, Notes, WolfCount  from tWolf_01_Pack  where FormID = %d ", formId));
    if (query.eof()) return false;
    SpecData_Wolf_01.Notes = query.getStringField("Notes");
    SpecData_Wolf_01.WolfCount = query.getStringField("WolfCount");
    return true;
}

bool CWolfRecords::LoadWolf02(CSQLite3DB& db, int formId) {
    return LoadNotes(db, " select ID, FormID, Notes  from tWolf_02_Couple  where FormID = %d ", SpecData_Wolf_02.Notes,
                     formId);
}

bool CWolfRecords::LoadWolf03(CSQLite3DB& db, int formId) {
    CSQLite3Query query =
        db.execQuery(FormatSql(" select ID,  IsHabited, Notes   from tWolf_03_Lair  where FormID = %d ", formId));
    if (query.eof()) return false;
    SpecData_Wolf_03.IsHabited = query.getIntField("IsHabited", -1);
    SpecData_Wolf_03.Notes = query.getStringField("Notes");
    return true;
}

bool CWolfRecords::LoadWolf04(CSQLite3DB& db, int formId) {
    CSQLite3Query query =
        db.execQuery(FormatSql(" select ID,  BabyWolfCount, Notes   from tWolf_04_Babies  where FormID = %d ", formId));
    if (query.eof()) return false;
    SpecData_Wolf_04.BabyWolfCount = query.getStringField("BabyWolfCount");
    SpecData_Wolf_04.Notes = query.getStringField("Notes");
    return true;
}

bool CWolfRecords::LoadWolf05(CSQLite3DB& db, int formId) {
    return LoadNotes(db, " select ID, Notes   from tWolf_05_Howl  where FormID = %d ", SpecData_Wolf_05.Notes, formId);
}

bool CWolfRecords::LoadWolf06(CSQLite3DB& db, int formId) {
    CArray<CWolf06Row>& points = SpecData_Wolf_06.Tracks;
    CSQLite3Query query = db.execQuery(FormatSql(kRouteOfForm, formId));
    if (query.eof()) return false;
    for (; !query.eof(); query.nextRow()) {
        const int position = query.getIntField("TrackType", -1);
        if (position < 0 || position >= points.GetSize()) continue;
        CWolf06Row& point = points[position];
        point.DL_ID = query.getIntField("DL_ID", -1);
        point.DL_IDName = query.getStringField("DL");
        point.DDS_ID = query.getIntField("DDS_ID", -1);
        point.DDS_IDName = query.getStringField("DDS");
        point.CityID = query.getIntField("CityID", -1);
        point.CityIDName = query.getStringField("City");
        point.ExposureID = query.getIntField("ExposureID", -1);
        point.ExposureIDName = query.getStringField("Exposure");
        point.PU_ID = query.getIntField("PU_ID", -1);
        point.PU_IDName = query.getStringField("PU");
        point.Altitude = query.getStringField("Altitude");
        point.Department = query.getStringField("Department");
        point.EKNM = query.getStringField("EKNM");
        point.Lattitude = query.getStringField("Lattitude");
        point.Longitude = query.getStringField("Longitude");
        point.Place = query.getStringField("Place");
        point.Subdepartment = query.getStringField("Subdepartment");
        point.GpsPoint = GeoPointOfRow(query);
    }
    return true;
}

void CWolfRecords::SaveWolf07(CSQLite3DB& db, int formId) const {
    const CSpecData_Wolf_07& prey = SpecData_Wolf_07;
    db.execDML(FormatSql(
        "insert into tWolf_07  ( FormID, CheckWolfPreyAnketi, CheckWolfPreyObservations )  values( %d, %d, %d )",
        formId, prey.CheckWolfPreyAnketi, prey.CheckWolfPreyObservations));
    const int pageId = db.lastRowId();
    for (int i = 0; i < prey.PreyAnketi.GetSize(); ++i) {
        const CWolf07PreyRow& row = prey.PreyAnketi[i];
        db.execDML(FormatSql("insert into tWolf_07_PreyAnketi  ( tWolf_07_ID, SpeciesID, Count )  values( %d, %d, '%s')",
                             pageId, row.SpeciesID, QuoteSql(row.Count)));
    }
    for (int i = 0; i < prey.PreyObservations.GetSize(); ++i) {
        const CWolf07PreySexRow& row = prey.PreyObservations[i];
        db.execDML(FormatSql("insert into tWolf_07_PreyObservations  ( tWolf_07_ID, SpeciesID, MaleCount, "
                             "FemaleCount, Description )  values( %d, %d, '%s', '%s', '%s')",
                             pageId, row.SpeciesID, QuoteSql(row.MaleCount), QuoteSql(row.FemaleCount),
                             QuoteSql(row.Description)));
    }
}

void CWolfRecords::SaveWolf08(CSQLite3DB& db, int formId) const {
    SaveFlagNotes(db, "insert into tWolf_08_Hybrids  ( FormID, CheckWolfHybrids, Notes )  values( %d, %d, '%s' )",
                  SpecData_Wolf_08.CheckWolfHybrids, SpecData_Wolf_08.Notes, formId);
}

void CWolfRecords::SaveWolf09(CSQLite3DB& db, int formId) const {
    SaveFlagNotes(db, "insert into tWolf_09_RambleDogs  ( FormID, CheckRambleDogs, Notes )  values( %d, %d, '%s' )",
                  SpecData_Wolf_09.CheckRambleDogs, SpecData_Wolf_09.Notes, formId);
}

void CWolfRecords::SaveWolf10(CSQLite3DB& db, int formId) const {
    db.execDML(FormatSql("insert into tWolf_10  ( FormID )  values( %d )", formId));
    const int pageId = db.lastRowId();
    const CArray<CWolf10Row>& killed = SpecData_Wolf_10.Killed;
    for (int i = 0; i < killed.GetSize(); ++i) {
        const CWolf10Row& wolf = killed[i];
        db.execDML(FormatSql("insert into tWolf_10_Killed  ( tWolf_10_ID, Sex, Age, Color, Weight, "
                             "ExistsFingerFrontLeg, ExistsFingerBackLeg )  values( %d, %d, '%s', '%s', '%s', %d, %d )",
                             pageId, wolf.Sex, QuoteSql(wolf.Age), QuoteSql(wolf.Color), QuoteSql(wolf.Weight),
                             wolf.ExistsFingerFrontLeg, wolf.ExistsFingerBackLeg));
    }
}

void CWolfRecords::SaveWolf11(CSQLite3DB& db, int formId) const {
    db.execDML(FormatSql("insert into tWolf_11  ( FormID, Habitat )  values( %d, '%s' )", formId,
                         QuoteSql(SpecData_Wolf_11.Habitat)));
    const int pageId = db.lastRowId();
    const CArray<CWolf11Row>& trails = SpecData_Wolf_11.Trails;
    for (int i = 0; i < trails.GetSize(); ++i) {
        const CWolf11Row& trail = trails[i];
        db.execDML(FormatSql("insert into tWolf_11_Trails  ( tWolf_11_ID, FrontLen, FrontWid, BackLen, BackWid, "
                             "StepLen )  values( %d, '%s', '%s', '%s', '%s', '%s' )",
                             pageId, QuoteSql(trail.FrontLen), QuoteSql(trail.FrontWid), QuoteSql(trail.BackLen),
                             QuoteSql(trail.BackWid), QuoteSql(trail.StepLen)));
    }
}

void CWolfRecords::SaveWolf12(CSQLite3DB& db, int formId) const {
    db.execDML(FormatSql("insert into tWolf_12  ( FormID, Habitat )  values( %d, '%s' )", formId,
                         QuoteSql(SpecData_Wolf_12.Habitat)));
    const int pageId = db.lastRowId();
    const CArray<CWolf12Row>& scats = SpecData_Wolf_12.Shits;
    for (int i = 0; i < scats.GetSize(); ++i) {
        const CWolf12Row& scat = scats[i];
        db.execDML(FormatSql("insert into tWolf_12_Shits  ( tWolf_12_ID, Color, Fur, Len, Wid, BonesPresence )  "
                             "values( %d, '%s', '%s', '%s', '%s', %d )",
                             pageId, QuoteSql(scat.Color), QuoteSql(scat.Fur), QuoteSql(scat.Len), QuoteSql(scat.Wid),
                             scat.BonesPresence));
    }
}

bool CWolfRecords::LoadWolf07(CSQLite3DB& db, int formId) {
    CSpecData_Wolf_07& prey = SpecData_Wolf_07;
    int pageId = -1;
    {
        CSQLite3Query query = db.execQuery(FormatSql(
            " select ID, FormID, CheckWolfPreyAnketi, CheckWolfPreyObservations   from tWolf_07  where FormID = %d ",
            formId));
        if (query.eof()) return false;
        pageId = query.getIntField("ID", -1);
        prey.CheckWolfPreyAnketi = query.getIntField("CheckWolfPreyAnketi", -1);
        prey.CheckWolfPreyObservations = query.getIntField("CheckWolfPreyObservations", -1);
    }
    for (CSQLite3Query query = db.execQuery(FormatSql(kPreyOfPage, pageId)); !query.eof(); query.nextRow())
        prey.PreyAnketi.Add({query.getStringField("Lat_name"), query.getIntField("SpeciesID", -1),
                             query.getStringField("Count")});
    for (CSQLite3Query query = db.execQuery(FormatSql(kKilledPreyOfPage, pageId)); !query.eof(); query.nextRow())
        prey.PreyObservations.Add({query.getStringField("Lat_name"), query.getIntField("SpeciesID", -1),
                                   query.getStringField("MaleCount"), query.getStringField("FemaleCount"),
                                   query.getStringField("Description")});
    return true;
}

bool CWolfRecords::LoadWolf08(CSQLite3DB& db, int formId) {
    return LoadFlagNotes(db, " select ID, FormID, CheckWolfHybrids, Notes   from tWolf_08_Hybrids  where FormID = %d ",
                         "CheckWolfHybrids", SpecData_Wolf_08.CheckWolfHybrids, SpecData_Wolf_08.Notes, formId);
}

bool CWolfRecords::LoadWolf09(CSQLite3DB& db, int formId) {
    return LoadFlagNotes(db,
                         " select ID, FormID, CheckRambleDogs, Notes   from tWolf_09_RambleDogs  where FormID = %d ",
                         "CheckRambleDogs", SpecData_Wolf_09.CheckRambleDogs, SpecData_Wolf_09.Notes, formId);
}

bool CWolfRecords::LoadWolf10(CSQLite3DB& db, int formId) {
    const int pageId = PageRowId(db, " select ID, FormID   from tWolf_10  where FormID = %d ", formId);
    if (pageId < 0) return false;
    for (CSQLite3Query query = db.execQuery(FormatSql(kKilledWolvesOfPage, pageId)); !query.eof(); query.nextRow())
        SpecData_Wolf_10.Killed.Add({query.getIntField("Sex", -1), query.getStringField("SexName"),
                                     query.getStringField("Age"), query.getStringField("Color"),
                                     query.getStringField("Weight"), query.getIntField("ExistsFingerFrontLeg", -1),
                                     query.getStringField("ExistsFingerFrontLegName"),
                                     query.getIntField("ExistsFingerBackLeg", -1),
                                     query.getStringField("ExistsFingerBackLegName")});
    return true;
}

bool CWolfRecords::LoadWolf11(CSQLite3DB& db, int formId) {
    const int pageId = PageRowId(db, " select ID, FormID, Habitat   from tWolf_11  where FormID = %d ", formId,
                                 &SpecData_Wolf_11.Habitat);
    if (pageId < 0) return false;
    for (CSQLite3Query query = db.execQuery(FormatSql(" select ID, tWolf_11_ID, FrontLen, FrontWid, BackLen, BackWid, "
                                                      "StepLen   from tWolf_11_Trails  where tWolf_11_ID = %d order by ID",
                                                      pageId));
         !query.eof(); query.nextRow())
        SpecData_Wolf_11.Trails.Add({query.getStringField("FrontLen"), query.getStringField("FrontWid"),
                                     query.getStringField("BackLen"), query.getStringField("BackWid"),
                                     query.getStringField("StepLen")});
    return true;
}

bool CWolfRecords::LoadWolf12(CSQLite3DB& db, int formId) {
    const int pageId = PageRowId(db, " select ID, FormID, Habitat   from tWolf_12  where FormID = %d ", formId,
                                 &SpecData_Wolf_12.Habitat);
    if (pageId < 0) return false;
    for (CSQLite3Query query = db.execQuery(FormatSql(kScatsOfPage, pageId)); !query.eof(); query.nextRow())
        SpecData_Wolf_12.Shits.Add({query.getStringField("Color"), query.getStringField("Fur"),
                                    query.getStringField("Len"), query.getStringField("Wid"),
                                    query.getIntField("BonesPresence", -1), query.getStringField("Bones")});
    return true;
}
