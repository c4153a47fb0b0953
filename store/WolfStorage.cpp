// The wolf pages' rows: one per page and form, and three per route, each route point with
// its position in Coordinates.
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

}  // namespace

void CWolfRecords::Reset() {
    SpecData_Wolf_01.Reset();
    SpecData_Wolf_02.Reset();
    SpecData_Wolf_03.Reset();
    SpecData_Wolf_04.Reset();
    SpecData_Wolf_05.Reset();
    SpecData_Wolf_06.Reset();
}

void CWolfRecords::Load(CSQLite3DB& db, int formId) {
    LoadWolf01(db, formId);
    LoadWolf02(db, formId);
    LoadWolf03(db, formId);
    LoadWolf04(db, formId);
    LoadWolf05(db, formId);
    LoadWolf06(db, formId);
}

bool CWolfRecords::SaveStep(CSQLite3DB& db, int stepCode, int formId) const {
    switch (stepCode) {
        case 6801: SaveWolf01(db, formId); return true;
        case 6802: SaveWolf02(db, formId); return true;
        case 6803: SaveWolf03(db, formId); return true;
        case 6804: SaveWolf04(db, formId); return true;
        case 6805: SaveWolf05(db, formId); return true;
        case 6806: SaveWolf06(db, formId); return true;
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
