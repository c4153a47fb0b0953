// How the fungus pages are written and read back.
#include "db/SQLite3DB.h"
#include "store/FungusRecords.h"
#include "store/SqlText.h"

namespace {

constexpr int kFungus01 = 6601, kFungus02 = 6602, kFungus03 = 6603, kFungus04 = 6604, kFungus05 = 6605;

}  // namespace

void CFungusRecords::Reset() {
    SpecData_Fungus_01.Reset();
    SpecData_Fungus_02.Reset();
    SpecData_Fungus_03.Reset();
    SpecData_Fungus_04.Reset();
    SpecData_Fungus_05.Reset();
}

void CFungusRecords::Load(CSQLite3DB& db, int formId) {
    LoadFungus01(db, formId);
    LoadFungus02(db, formId);
    LoadFungus03(db, formId);
    LoadFungus04(db, formId);
    LoadFungus05(db, formId);
}

bool CFungusRecords::SaveStep(CSQLite3DB& db, int stepCode, int formId) const {
    switch (stepCode) {
        case kFungus01: SaveFungus01(db, formId); return true;
        case kFungus02: SaveFungus02(db, formId); return true;
        case kFungus03: SaveFungus03(db, formId); return true;
        case kFungus04: SaveFungus04(db, formId); return true;
        case kFungus05: SaveFungus05(db, formId); return true;
        default: return false;
    }
}

void CFungusRecords::SaveFungus01(CSQLite3DB& db, int formId) const {
    const CSpecData_Fungus_01& site = SpecData_Fungus_01;
    db.execDML(FormatSql("insert into tFungus_01 ( FormID, FloristicRegionID, UTM_GirdID, Substratum, Habitat, "
                         "EkoSpecifics ) values(%d, %d, %d, '%s', '%s', '%s' ) ",
                         formId, site.FloristicRegionID, site.UTM_GirdID, QuoteSql(site.Substratum),
                         QuoteSql(site.Habitat), QuoteSql(site.EkoSpecifics)));
}

bool CFungusRecords::LoadFungus01(CSQLite3DB& db, int formId) {
    // Left joins: a region or square no longer listed loads its id with an empty name.
    CSQLite3Query query = db.execQuery(FormatSql(
        "select t.ID as tID, t.FormID as tFormID, t.FloristicRegionID as tFloristicRegionID, \n\t   t.UTM_GirdID as "
        "tUTM_GirdID, t.Substratum as tSubstratum, t.Habitat as tHabitat, \n\t   t.EkoSpecifics as tEkoSpecifics, "
        "f.Name as fName , u.Name as uName \nfrom tFungus_01 t left join Floristic_regions f on t.FloristicRegionID = "
        "f.ID left join nUTM_Fungus u on t.UTM_GirdID = u.ID where t.FormID = %d ",
        formId));
    if (query.eof()) return false;
    CSpecData_Fungus_01& site = SpecData_Fungus_01;
    site.FloristicRegionIDName = query.getStringField("fName");
    site.FloristicRegionID = query.getIntField("tFloristicRegionID");
    site.UTM_GirdIDName = query.getStringField("uName");
    site.UTM_GirdID = query.getIntField("tUTM_GirdID");
    site.EkoSpecifics = query.getStringField("tEkoSpecifics");
    site.Habitat = query.getStringField("tHabitat");
    site.Substratum = query.getStringField("tSubstratum");
    return true;
}

void CFungusRecords::SaveFungus02(CSQLite3DB& db, int formId) const {
    const CSpecData_Fungus_02& population = SpecData_Fungus_02;
    db.execDML(FormatSql("insert into tFungus_02 ( FormID, ColectionNum , GroupsCount, PopulationArea ) values( %d, "
                         "'%s', '%s', '%s') ",
                         formId, QuoteSql(population.ColectionNum), QuoteSql(population.GroupsCount),
                         QuoteSql(population.PopulationArea)));
    const int populationId = db.lastRowId();
    for (const CSpeciesNameRow& companion : population.OtherSpecies)
        db.execDML(FormatSql("insert into tFungus_02_OtherSpecies  ( tFungus_02_ID, FungiID )  values( %d, %d ) ",
                             populationId, companion.SpeciesID));
}

bool CFungusRecords::LoadFungus02(CSQLite3DB& db, int formId) {
    CSpecData_Fungus_02& population = SpecData_Fungus_02;
    population.OtherSpecies.RemoveAll();
    // A companion is a row of the link table, whether or not its fungus is still listed: its
    // id comes from the link row, the name (or "") from the list, so storing the form again
    // keeps it.
    CSQLite3Query query = db.execQuery(FormatSql(
        "select t.ID as tID, t.FormID as tFormID, t.ColectionNum as tColectionNum, t.GroupsCount as tGroupsCount, "
        "t.PopulationArea as tPopulationArea, o.ID as oID, o.FungiID as oFungiID, a.Name as aName from tFungus_02 t "
        "left join tFungus_02_OtherSpecies o on t.ID = o.tFungus_02_ID left join _AllFungi a on o.FungiID = a.ID "
        "where t.FormID = %d order by t.ID, o.ID",
        formId));
    if (query.eof()) return false;
    population.ColectionNum = query.getStringField("tColectionNum");
    population.GroupsCount = query.getStringField("tGroupsCount");
    population.PopulationArea = query.getStringField("tPopulationArea");
    const int linkId = query.fieldIndex("oID");
    for (; !query.eof(); query.nextRow()) {
        if (query.fieldIsNull(linkId)) continue;
        population.OtherSpecies.Add({query.getStringField("aName"), query.getIntField("oFungiID")});
    }
    return true;
}

void CFungusRecords::SaveFungus03(CSQLite3DB& db, int formId) const {
    db.execDML(FormatSql("insert into tFungus_03 ( FormID, Notes ) values(%d, '%s' ) ", formId,
                         QuoteSql(SpecData_Fungus_03.Notes)));
}

bool CFungusRecords::LoadFungus03(CSQLite3DB& db, int formId) {
    CSQLite3Query query = db.execQuery(FormatSql("select ID, FormID , Notes from tFungus_03 where FormID = %d", formId));
    if (query.eof()) return false;
    SpecData_Fungus_03.Notes = query.getStringField("Notes");
    return true;
}

void CFungusRecords::SaveFungus04(CSQLite3DB& db, int formId) const {
    const CSpecData_Fungus_04& changes = SpecData_Fungus_04;
    db.execDML(FormatSql("insert into tFungus_04 ( FormID, FloristicRegionID, bEkoConditionsChanges, "
                         "EkoConditionsChanges, bHabitatChanges, HabitatChanges , bLandUsageChanges, LandUsageChanges  "
                         ") values(%d, %d, %d,'%s', %d,'%s', %d, '%s' ) ",
                         formId, changes.FloristicRegionID, changes.bEkoConditionsChanges,
                         QuoteSql(changes.EkoConditionsChanges), changes.bHabitatChanges, QuoteSql(changes.HabitatChanges),
                         changes.bLandUsageChanges, QuoteSql(changes.LandUsageChanges)));
}

bool CFungusRecords::LoadFungus04(CSQLite3DB& db, int formId) {
    CSQLite3Query query = db.execQuery(FormatSql(
        "select t.ID as tID, t.FormID as tFormID, t.FloristicRegionID  as tFloristicRegionID, t.bEkoConditionsChanges  "
        "as tbEkoConditionsChanges, t.EkoConditionsChanges  as tEkoConditionsChanges, t.bHabitatChanges  as "
        "tbHabitatChanges, t.HabitatChanges  as tHabitatChanges, t.bLandUsageChanges as  tbLandUsageChanges, "
        "t.LandUsageChanges  as tLandUsageChanges, f.Name  as fName from   tFungus_04  t left join Floristic_regions f "
        "on t.FloristicRegionID = f.ID where t.FormID = %d ",
        formId));
    if (query.eof()) return false;
    CSpecData_Fungus_04& changes = SpecData_Fungus_04;
    changes.FloristicRegionID = query.getIntField("tFloristicRegionID");
    changes.FloristicRegionIDName = query.getStringField("fName");
    changes.EkoConditionsChanges = query.getStringField("tEkoConditionsChanges");
    changes.HabitatChanges = query.getStringField("tHabitatChanges");
    changes.LandUsageChanges = query.getStringField("tLandUsageChanges");
    changes.bEkoConditionsChanges = query.getIntField("tbEkoConditionsChanges");
    changes.bHabitatChanges = query.getIntField("tbHabitatChanges");
    changes.bLandUsageChanges = query.getIntField("tbLandUsageChanges");
    return true;
}

void CFungusRecords::SaveFungus05(CSQLite3DB& db, int formId) const {
    for (const CFungus05Row& found : SpecData_Fungus_05.Species)
        db.execDML(FormatSql("insert into tFungus_05 ( FormID, FungiID, Count  ) values(%d, %d, '%s' ) ", formId,
                             found.FungiID, QuoteSql(found.Count)));
}

bool CFungusRecords::LoadFungus05(CSQLite3DB& db, int formId) {
    CArray<CFungus05Row>& species = SpecData_Fungus_05.Species;
    species.RemoveAll();
    CSQLite3Query query = db.execQuery(FormatSql(
        "select t.ID as tID, t.FormID as tFormID, t.FungiID as tFungiID, t.Count as tCount, a.Name as aName from "
        "tFungus_05 t left join _AllFungi a on  t.FungiID = a.ID where t.FormID = %d order by t.ID",
        formId));
    if (query.eof()) return false;
    for (; !query.eof(); query.nextRow())
        species.Add({query.getIntField("tFungiID"), query.getStringField("aName"), query.getStringField("tCount")});
    return true;
}
