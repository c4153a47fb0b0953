// How the tortoise pages are written and read back.
#include "db/SQLite3DB.h"
#include "store/SqlText.h"
#include "store/TortoiseRecords.h"

namespace {

constexpr int kTortoise01 = 6961, kTortoise02 = 6962;

}  // namespace

void CTortoiseRecords::Reset() {
    SpecData_Tortoise_01.Reset();
    SpecData_Tortoise_02.Reset();
}

void CTortoiseRecords::Load(CSQLite3DB& db, int formId) {
    LoadTortoise01(db, formId);
    LoadTortoise02(db, formId);
}

bool CTortoiseRecords::SaveStep(CSQLite3DB& db, int stepCode, int formId) const {
    switch (stepCode) {
        case kTortoise01: SaveTortoise01(db, formId); return true;
        case kTortoise02: SaveTortoise02(db, formId); return true;
        default: return false;
    }
}

void CTortoiseRecords::SaveTortoise01(CSQLite3DB& db, int formId) const {
    db.execDML(FormatSql("insert into tTortoise_01  ( FormID ) values( %d )", formId));
    const int parentId = db.lastRowId();
    for (const CTortoise01Row& animal : SpecData_Tortoise_01.Animals)
        db.execDML(FormatSql("insert into tTortoise_01_animals  ( tTortoise_01_ID, TortoiseType, Distance, Habitat, "
                             "Len, FoundType, Sex )  values( %d, %d, '%s', '%s', '%s', %d, %d )",
                             parentId, animal.TortoiseType, QuoteSql(animal.Distance), QuoteSql(animal.Habitat),
                             QuoteSql(animal.Len), animal.FoundType, animal.Sex));
}

bool CTortoiseRecords::LoadTortoise01(CSQLite3DB& db, int formId) {
    CArray<CTortoise01Row>& animals = SpecData_Tortoise_01.Animals;
    animals.RemoveAll();
    CSQLite3Query page = db.execQuery(FormatSql("select ID, FormID from tTortoise_01 where FormID = %d ", formId));
    if (page.eof()) return false;
    const int parentId = page.getIntField("ID");
    page.finalize();
    // Left join: an animal without a species, or of one gone from the list, still loads.
    CSQLite3Query query = db.execQuery(FormatSql(
        "select t.ID as tID, tTortoise_01_ID, TortoiseType, n.Name as Tortoise, Distance, Habitat, Len, FoundType, "
        "case when FoundType = 0 then 'Видян' when FoundType = 1 then 'Чут' else '' end as strFound, Sex, case when "
        "Sex = 0 then 'М' when Sex = 1 then 'Ж' else '' end as strSex from tTortoise_01_animals t left join nTortoise "
        "n on n.ID = TortoiseType where tTortoise_01_ID = %d order by t.ID",
        parentId));
    for (; !query.eof(); query.nextRow()) {
        CTortoise01Row animal;
        animal.TortoiseType = query.getIntField("TortoiseType", -1);
        animal.TortoiseTypeName = query.getStringField("Tortoise");
        animal.Distance = query.getStringField("Distance");
        animal.Habitat = query.getStringField("Habitat");
        animal.Len = query.getStringField("Len");
        animal.FoundType = query.getIntField("FoundType", -1);
        animal.FoundTypeName = query.getStringField("strFound");
        animal.Sex = query.getIntField("Sex", -1);
        animal.SexName = query.getStringField("strSex");
        animals.Add(animal);
    }
    return true;
}

void CTortoiseRecords::SaveTortoise02(CSQLite3DB& db, int formId) const {
    const CSpecData_Tortoise_02& page = SpecData_Tortoise_02;
    db.execDML(FormatSql("insert into tTortoise_02  ( FormID, Time1Min, Time2Min, Time3Min, Time4Min, Time5Min, "
                         "bCheck1, bCheck2, bCheck3, bCheck4, bCheck5 ) values( %d, '%s', '%s', '%s', '%s', '%s', %d, "
                         "%d, %d, %d, %d  )",
                         formId, QuoteSql(page.Time1Min), QuoteSql(page.Time2Min), QuoteSql(page.Time3Min),
                         QuoteSql(page.Time4Min), QuoteSql(page.Time5Min), page.bCheck1, page.bCheck2, page.bCheck3,
                         page.bCheck4, page.bCheck5));
}

bool CTortoiseRecords::LoadTortoise02(CSQLite3DB& db, int formId) {
    CSQLite3Query query = db.execQuery(FormatSql("select ID, FormID, Time1Min, Time2Min, Time3Min, Time4Min, Time5Min, "
                                                 "bCheck1, bCheck2, bCheck3, bCheck4, bCheck5 from tTortoise_02 where "
                                                 "FormID = %d",
                                                 formId));
    if (query.eof()) return false;
    CSpecData_Tortoise_02& page = SpecData_Tortoise_02;
    for (int k = 0; k < CSpecData_Tortoise_02::kHabitats; ++k) {
        page.Time(k) = query.getStringField(FormatSql("Time%dMin", k + 1));
        // A missing tick reads as not ticked: the page shows only ticked or not.
        page.Check(k) = query.getIntField(FormatSql("bCheck%d", k + 1), 0);
    }
    return true;
}
