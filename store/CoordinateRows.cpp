#include "store/CoordinateRows.h"

#include "db/SQLite3DB.h"
#include "store/SqlText.h"

namespace {

// Each half of a point is closed by its Relativity column, which always holds -2.
constexpr int kRelativity = -2;

}  // namespace

int InsertCoordinatesRow(CSQLite3DB& db, int ownerId, const CGeoPoint& point) {
    db.execQuery(FormatSql(
        " insert into Coordinates (  DlgData_ID,  Longtitude_Grad,  Longtitude_Minutes,  Longtitude_Seconds,  "
        "Longtitude_SocondsAfterPoint,  Longtitude_Relativity,  Latitude_Grad,  Latitude_Minutes,  Latitude_Seconds,  "
        "Latitude_SecondsAfterPoint,  Latitude_Relativity ) values( %d, %d, %d, %d, %d, %d, %d, %d, %d, %d, %d )",
        ownerId, point.LonDeg, point.LonMin, point.LonSec, point.LonFraction, kRelativity, point.LatDeg, point.LatMin,
        point.LatSec, point.LatFraction, kRelativity));
    return db.lastRowId();
}

CGeoPoint GeoPointOfRow(const CSQLite3Query& row) {
    CGeoPoint point;
    point.LonDeg = row.getIntField("Longtitude_Grad");
    point.LonMin = row.getIntField("Longtitude_Minutes");
    point.LonSec = row.getIntField("Longtitude_Seconds");
    point.LonFraction = row.getIntField("Longtitude_SocondsAfterPoint");
    point.LatDeg = row.getIntField("Latitude_Grad");
    point.LatMin = row.getIntField("Latitude_Minutes");
    point.LatSec = row.getIntField("Latitude_Seconds");
    point.LatFraction = row.getIntField("Latitude_SecondsAfterPoint");
    return point;
}
