// The chamois pages' rows: one per page and form, and the tracks of page 2 under its row.
#include "db/SQLite3DB.h"
#include "store/GoatRecords.h"
#include "store/SqlText.h"

namespace {

// The page's row of the form, standing on its first row (at its end when there is none).
CSQLite3Query PageRow(CSQLite3DB& db, const char* select, int formId) { return db.execQuery(FormatSql(select, formId)); }

// A habitat type never chosen is stored as -1, and so is read back a NULL.
int AreaTypeOf(const CSQLite3Query& row) { return row.getIntField("AreaType", -1); }

}  // namespace

void CGoatRecords::Reset() {
    SpecData_Goat_01.Reset();
    SpecData_Goat_02.Reset();
    SpecData_Goat_03.Reset();
    SpecData_Goat_04.Reset();
    SpecData_Goat_05.Reset();
}

void CGoatRecords::Load(CSQLite3DB& db, int formId) {
    LoadGoat01(db, formId);
    LoadGoat02(db, formId);
    LoadGoat03(db, formId);
    LoadGoat04(db, formId);
    LoadGoat05(db, formId);
}

bool CGoatRecords::SaveStep(CSQLite3DB& db, int stepCode, int formId) const {
    switch (stepCode) {
        case 6301: SaveGoat01(db, formId); return true;
        case 6302: SaveGoat02(db, formId); return true;
        case 6303: SaveGoat03(db, formId); return true;
        case 6304: SaveGoat04(db, formId); return true;
        case 6305: SaveGoat05(db, formId); return true;
        default: return false;
    }
}

void CGoatRecords::SaveGoat01(CSQLite3DB& db, int formId) const {
    const CSpecData_Goat_01& seen = SpecData_Goat_01;
    db.execDML(FormatSql("insert into tGoat_01  ( FormID, YoungMale, OldMale, YoungFemale, OldFemale, Baby, OldBaby, "
                         "Total, Notes ) values( %d, '%s', '%s', '%s', '%s', '%s', '%s', '%s', '%s' )",
                         formId, QuoteSql(seen.YoungMale), QuoteSql(seen.OldMale), QuoteSql(seen.YoungFemale),
                         QuoteSql(seen.OldFemale), QuoteSql(seen.Baby), QuoteSql(seen.OldBaby), QuoteSql(seen.Total),
                         QuoteSql(seen.Notes)));
}

void CGoatRecords::SaveGoat02(CSQLite3DB& db, int formId) const {
    const CSpecData_Goat_02& tracks = SpecData_Goat_02;
    db.execDML(FormatSql("insert into tGoat_02  ( FormID, AreaType )  values( %d, %d )", formId, tracks.AreaType));
    const int parentId = static_cast<int>(db.lastRowId());
    for (const CTrackSize& track : tracks.Trails)
        db.execDML(FormatSql("insert into tGoat_02_Trails  ( tGoat_02_id, Length, Width )  values( %d, '%s', '%s' )",
                             parentId, QuoteSql(track.Length), QuoteSql(track.Width)));
}

void CGoatRecords::SaveGoat03(CSQLite3DB& db, int formId) const {
    db.execDML(FormatSql("insert into tGoat_03_Couches  ( FormID, AreaType, CountCouches )  values( %d, %d, '%s' )",
                         formId, SpecData_Goat_03.AreaType, QuoteSql(SpecData_Goat_03.CountCouches)));
}

void CGoatRecords::SaveGoat04(CSQLite3DB& db, int formId) const {
    db.execDML(FormatSql("insert into tGoat_04_Shits  ( FormID, AreaType, CountShits )  values( %d, %d, '%s' )", formId,
                         SpecData_Goat_04.AreaType, QuoteSql(SpecData_Goat_04.CountShits)));
}

void CGoatRecords::SaveGoat05(CSQLite3DB& db, int formId) const {
    const CSpecData_Goat_05& signs = SpecData_Goat_05;
    db.execDML(FormatSql("insert into tGoat_05_OtherSigns  ( FormID, AreaType, CheckFur, CheckGrass, CheckRemains, "
                         "CheckSigns )  values( %d, %d, %d, %d, %d, %d )",
                         formId, signs.AreaType, signs.CheckFur, signs.CheckGrass, signs.CheckRemains,
                         signs.CheckSigns));
}

bool CGoatRecords::LoadGoat01(CSQLite3DB& db, int formId) {
    const CSQLite3Query row = PageRow(db,
                                      "select ID, FormID, YoungMale, OldMale, YoungFemale, OldFemale, Baby, OldBaby, "
                                      "Total, Notes from tGoat_01 where FormID = %d",
                                      formId);
    if (row.eof()) return false;
    CSpecData_Goat_01& seen = SpecData_Goat_01;
    seen.YoungMale = row.getStringField("YoungMale");
    seen.OldMale = row.getStringField("OldMale");
    seen.YoungFemale = row.getStringField("YoungFemale");
    seen.OldFemale = row.getStringField("OldFemale");
    seen.Baby = row.getStringField("Baby");
    seen.OldBaby = row.getStringField("OldBaby");
    seen.Total = row.getStringField("Total");
    seen.Notes = row.getStringField("Notes");
    return true;
}

bool CGoatRecords::LoadGoat02(CSQLite3DB& db, int formId) {
    const CSQLite3Query row = PageRow(db, "select ID, FormID, AreaType  from tGoat_02  where FormID = %d ", formId);
    if (row.eof()) return false;
    CSpecData_Goat_02& tracks = SpecData_Goat_02;
    tracks.AreaType = AreaTypeOf(row);
    tracks.Trails.RemoveAll();
    // In the order they were typed.
    for (CSQLite3Query trail = db.execQuery(FormatSql("select ID, tGoat_02_id, Length, Width from tGoat_02_Trails where "
                                                      "tGoat_02_id = %d order by ID",
                                                      row.getIntField("ID")));
         !trail.eof(); trail.nextRow())
        tracks.Trails.Add({trail.getStringField("Length"), trail.getStringField("Width")});
    return true;
}

bool CGoatRecords::LoadGoat03(CSQLite3DB& db, int formId) {
    const CSQLite3Query row = PageRow(
        db, "select ID, FormID, AreaType, CountCouches  from tGoat_03_Couches  where FormID = %d ", formId);
    if (row.eof()) return false;
    SpecData_Goat_03.AreaType = AreaTypeOf(row);
    SpecData_Goat_03.CountCouches = row.getStringField("CountCouches");
    return true;
}

bool CGoatRecords::LoadGoat04(CSQLite3DB& db, int formId) {
    const CSQLite3Query row =
        PageRow(db, "select ID, FormID, AreaType, CountShits  from tGoat_04_Shits  where FormID = %d ", formId);
    if (row.eof()) return false;
    SpecData_Goat_04.CountShits = row.getStringField("CountShits");
    SpecData_Goat_04.AreaType = AreaTypeOf(row);
    return true;
}

bool CGoatRecords::LoadGoat05(CSQLite3DB& db, int formId) {
    const CSQLite3Query row = PageRow(db,
                                      "select ID, FormID, AreaType, CheckFur, CheckGrass, CheckRemains, CheckSigns  "
                                      "from tGoat_05_OtherSigns  where FormID = %d ",
                                      formId);
    if (row.eof()) return false;
    CSpecData_Goat_05& signs = SpecData_Goat_05;
    signs.AreaType = AreaTypeOf(row);
    // A flag this program never left NULL reads as not ticked, so that it neither prints
    // "+" nor shows an undefined check.
    signs.CheckFur = row.getIntField("CheckFur", 0);
    signs.CheckGrass = row.getIntField("CheckGrass", 0);
    signs.CheckRemains = row.getIntField("CheckRemains", 0);
    signs.CheckSigns = row.getIntField("CheckSigns", 0);
    return true;
}
