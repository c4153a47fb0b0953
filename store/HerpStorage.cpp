// How the amphibian and reptile pages are written and read back.
#include "db/SQLite3DB.h"
#include "store/HerpRecords.h"
#include "store/SqlText.h"

namespace {

constexpr int kReptiles01 = 6401, kReptiles02 = 6402, kAmphibia01 = 6501, kAmphibia02 = 6502;

// One row per accompanying species, in list order, under the page's row.
void SaveSpeciesRows(CSQLite3DB& db, const char* insert, int parentId, const CArray<CSpeciesNameRow>& rows) {
    for (const CSpeciesNameRow& row : rows) db.execDML(FormatSql(insert, parentId, row.SpeciesID));
}

// Every stored row comes back, in the order it was written: a species no longer in the
// list (or never chosen) loads with an empty name, so that storing the form again keeps it.
void LoadSpeciesRows(CSQLite3DB& db, const CString& sql, const char* nameColumn, int nullId,
                     CArray<CSpeciesNameRow>& rows) {
    for (CSQLite3Query query = db.execQuery(sql); !query.eof(); query.nextRow()) {
        CSpeciesNameRow row;
        row.SpeciesIDName = query.getStringField(nameColumn);
        row.SpeciesID = query.getIntField("SpeciesID", nullId);
        rows.Add(row);
    }
}

// The fields both first pages share; gives the page row's id.
template <class CountsPage>
int ReadCounts(const CSQLite3Query& query, CountsPage& page) {
    page.AreaDescription = query.getStringField("AreaDescription");
    page.AdultCount = query.getStringField("AdultCount");
    page.YoungCount = query.getStringField("YoungCount");
    page.BabiesCount = query.getStringField("BabiesCount");
    page.TotalCount = query.getStringField("TotalCount");
    page.RoadkilledCount = query.getStringField("RoadkilledCount");
    return query.getIntField("ID");
}

void SaveHabitatNotes(CSQLite3DB& db, const char* insert, int formId, const CSpecData_HabitatNotes& page) {
    db.execDML(FormatSql(insert, formId, QuoteSql(page.HabitatChanges), QuoteSql(page.Notes)));
}

bool LoadHabitatNotes(CSQLite3DB& db, const char* table, int formId, CSpecData_HabitatNotes& page) {
    CSQLite3Query query =
        db.execQuery(FormatSql("select ID, FormID, HabitatChanges, Notes from %s where FormID = %d", table, formId));
    if (query.eof()) return false;
    page.HabitatChanges = query.getStringField("HabitatChanges");
    page.Notes = query.getStringField("Notes");
    return true;
}

}  // namespace

void CHerpRecords::Reset() {
    SpecData_Amphibia_01.Reset();
    SpecData_Amphibia_02.Reset();
    SpecData_Reptile_01.Reset();
    SpecData_Reptile_02.Reset();
}

void CHerpRecords::Load(CSQLite3DB& db, int formId) {
    LoadReptiles01(db, formId);
    LoadReptiles02(db, formId);
    LoadAmphibia01(db, formId);
    LoadAmphibia02(db, formId);
}

bool CHerpRecords::SaveStep(CSQLite3DB& db, int stepCode, int formId) const {
    switch (stepCode) {
        case kReptiles01: SaveReptiles01(db, formId); return true;
        case kReptiles02: SaveReptiles02(db, formId); return true;
        case kAmphibia01: SaveAmphibia01(db, formId); return true;
        case kAmphibia02: SaveAmphibia02(db, formId); return true;
        default: return false;
    }
}

// --- amphibians ----------------------------------------------------------------------------

void CHerpRecords::SaveAmphibia01(CSQLite3DB& db, int formId) const {
    const CSpecData_Amphibia_01& page = SpecData_Amphibia_01;
    db.execDML(FormatSql("insert into tAmphibia_01  (FormID,  AreaDescription, AdultCount, YoungCount, BabiesCount, "
                         "TotalCount, EggsCount, RoadkilledCount, SingClassification ) values(%d, '%s', '%s', '%s', "
                         "'%s', '%s', '%s', '%s', '%s' )",
                         formId, QuoteSql(page.AreaDescription), QuoteSql(page.AdultCount), QuoteSql(page.YoungCount),
                         QuoteSql(page.BabiesCount), QuoteSql(page.TotalCount), QuoteSql(page.EggsCount),
                         QuoteSql(page.RoadkilledCount), QuoteSql(page.SingClassification)));
    SaveSpeciesRows(db, "insert into tAmphibia_01_HommieSpecies  ( tAmphibia_01_ID, SpeciesID )  values( %d, %d )",
                    db.lastRowId(), page.HommieSpecies);
}

bool CHerpRecords::LoadAmphibia01(CSQLite3DB& db, int formId) {
    CSpecData_Amphibia_01& page = SpecData_Amphibia_01;
    page.HommieSpecies.RemoveAll();
    CSQLite3Query query = db.execQuery(FormatSql(
        "select ID, FormID, AreaDescription, AdultCount, YoungCount, BabiesCount, TotalCount, EggsCount, "
        "RoadkilledCount, SingClassification from tAmphibia_01 where FormID = %d",
        formId));
    if (query.eof()) return false;
    const int rowId = ReadCounts(query, page);
    page.EggsCount = query.getStringField("EggsCount");
    page.SingClassification = query.getStringField("SingClassification");
    query.finalize();
    LoadSpeciesRows(db,
                    FormatSql("select t.ID as tID, tAmphibia_01_ID, SpeciesID, a.Name_lat as aName_lat from "
                              "tAmphibia_01_HommieSpecies t left join _AllAmphibia a on t.SpeciesID = a.ID where "
                              "tAmphibia_01_ID = %d order by t.ID",
                              rowId),
                    "aName_lat", 0, page.HommieSpecies);
    return true;
}

void CHerpRecords::SaveAmphibia02(CSQLite3DB& db, int formId) const {
    SaveHabitatNotes(db, " insert into tAmphibia_02  (FormID,  HabitatChanges, Notes ) values(%d, '%s', '%s' ) ", formId,
                     SpecData_Amphibia_02);
}

bool CHerpRecords::LoadAmphibia02(CSQLite3DB& db, int formId) {
    return LoadHabitatNotes(db, "tAmphibia_02", formId, SpecData_Amphibia_02);
}

// --- reptiles ------------------------------------------------------------------------------

void CHerpRecords::SaveReptiles01(CSQLite3DB& db, int formId) const {
    const CSpecData_Reptile_01& page = SpecData_Reptile_01;
    db.execDML(FormatSql("insert into tReptiles_01  (FormID,  AreaDescription , AdultCount, YoungCount, BabiesCount, "
                         "TotalCount, NestsCount, RoadkilledCount )  values(%d, '%s', '%s', '%s', '%s', '%s', '%s', "
                         "'%s' )",
                         formId, QuoteSql(page.AreaDescription), QuoteSql(page.AdultCount), QuoteSql(page.YoungCount),
                         QuoteSql(page.BabiesCount), QuoteSql(page.TotalCount), QuoteSql(page.NestsCount),
                         QuoteSql(page.RoadkilledCount)));
    SaveSpeciesRows(db, "insert into tReptiles_01_HommieSpecies  ( tReptiles_01_ID, SpeciesID )  values( %d, %d )",
                    db.lastRowId(), page.HommieSpecies);
}

bool CHerpRecords::LoadReptiles01(CSQLite3DB& db, int formId) {
    CSpecData_Reptile_01& page = SpecData_Reptile_01;
    page.HommieSpecies.RemoveAll();
    CSQLite3Query query = db.execQuery(FormatSql("select ID, FormID, AreaDescription, AdultCount, YoungCount, "
                                                 "BabiesCount, TotalCount, NestsCount, RoadkilledCount from "
                                                 "tReptiles_01 where FormID = %d",
                                                 formId));
    if (query.eof()) return false;
    const int rowId = ReadCounts(query, page);
    page.NestsCount = query.getStringField("NestsCount");
    query.finalize();
    LoadSpeciesRows(db,
                    FormatSql("select t.ID as tID, tReptiles_01_ID, SpeciesID, r.Name_lat as Name_lat, r.Name_bg as "
                              "Name_bg from tReptiles_01_HommieSpecies t left join _AllReptiles r on t.SpeciesID = "
                              "r.ID where tReptiles_01_ID = %d order by t.ID",
                              rowId),
                    "Name_lat", -1, page.HommieSpecies);
    return true;
}

void CHerpRecords::SaveReptiles02(CSQLite3DB& db, int formId) const {
    SaveHabitatNotes(db, " insert into tReptiles_02  ( FormID , HabitatChanges, Notes )  values( %d, '%s', '%s' ) ",
                     formId, SpecData_Reptile_02);
}

bool CHerpRecords::LoadReptiles02(CSQLite3DB& db, int formId) {
    return LoadHabitatNotes(db, "tReptiles_02", formId, SpecData_Reptile_02);
}
