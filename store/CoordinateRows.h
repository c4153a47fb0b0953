#pragma once
// The rows of the shared Coordinates table: one point each, longitude first, under the row
// of the page that owns it (DlgData_ID), or -1 for a point that a species page links itself.
#include "store/GeoPoint.h"

class CSQLite3DB;
class CSQLite3Query;

// Writes the point under `ownerId` and returns the new row's ID.
int InsertCoordinatesRow(CSQLite3DB& db, int ownerId, const CGeoPoint& point);

// The point of the query's current row, read from the columns InsertCoordinatesRow writes
// (NULL as 0).
CGeoPoint GeoPointOfRow(const CSQLite3Query& row);
