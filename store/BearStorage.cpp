// The bear pages' rows: one per page and form, the bears seen as rows under page 1.1's row.
#include "db/SQLite3DB.h"
#include "store/BearRecords.h"
#include "store/SqlText.h"

namespace {

// A radio choice left empty by another program is no choice, not the first one; an empty
// flag is not ticked.
int Choice(const CSQLite3Query& query, const char* column) { return query.getIntField(column, -1); }
int Flag(const CSQLite3Query& query, const char* column) { return query.getIntField(column, 0); }

}  // namespace

void CBearRecords::Reset() {
    SpecData_Bear_01.Reset();
    SpecData_Bear_02.Reset();
    SpecData_Bear_03.Reset();
    SpecData_Bear_04.Reset();
    SpecData_Bear_05.Reset();
    SpecData_Bear_06.Reset();
    SpecData_Bear_07.Reset();
}

void CBearRecords::Load(CSQLite3DB& db, int formId) {
    LoadBear01(db, formId);
    LoadBear02(db, formId);
    LoadBear03(db, formId);
    LoadBear04(db, formId);
    LoadBear05(db, formId);
    LoadBear06(db, formId);
    LoadBear07(db, formId);
}

bool CBearRecords::SaveStep(CSQLite3DB& db, int stepCode, int formId) const {
    switch (stepCode) {
        case 6701: SaveBear01(db, formId); return true;
        case 6702: SaveBear02(db, formId); return true;
        case 6703: SaveBear03(db, formId); return true;
        case 6704: SaveBear04(db, formId); return true;
        case 6705: SaveBear05(db, formId); return true;
        case 6706: SaveBear06(db, formId); return true;
        case 6707: SaveBear07(db, formId); return true;
        default: return false;
    }
}

// --- section 1: the bears seen and how they met people ---------------------------------------

void CBearRecords::SaveBear01(CSQLite3DB& db, int formId) const {
    const CSpecData_Bear_01& seen = SpecData_Bear_01;
    db.execDML(FormatSql(" insert into tBear_01  (FormID,  Behaviour ) values(%d, '%s' ) ", formId,
                         QuoteSql(seen.Behaviour)));
    const int seenId = db.lastRowId();
    for (const CBear01Row& bear : seen.Bears)
        db.execDML(FormatSql("insert into tBear_01_Bears ( tBear_01_ID, BearSize, BearCount, BearColor, BearSex ) "
                             "values( %d, %d, '%s', %d, %d )",
                             seenId, bear.BearSize, QuoteSql(bear.BearCount), bear.BearColor, bear.BearSex));
}

bool CBearRecords::LoadBear01(CSQLite3DB& db, int formId) {
    CSpecData_Bear_01& seen = SpecData_Bear_01;
    seen.Bears.RemoveAll();
    CSQLite3Query query =
        db.execQuery(FormatSql("select ID, FormID, Behaviour from tBear_01 where FormID = %d ", formId));
    if (query.eof()) return false;
    seen.Behaviour = query.getStringField("Behaviour");
    const int seenId = query.getIntField("ID", -1);
    query.finalize();
    // The words come with the classes; a class outside them gives no word. In the order typed.
    CSQLite3Query bears = db.execQuery(FormatSql(
        "select ID, tBear_01_ID, BearSize, case when BearSize = -1 then '' when BearSize = 0 then 'мече' when "
        "BearSize = 1 then 'малка мечка' when BearSize = 2 then 'дребна мечка' when BearSize = 3 then 'средно "
        "голяма мечка' when BearSize = 4 then 'голяма мечка' when BearSize = 5 then 'много голяма мечка' end as "
        "BearSizeTxt, BearCount, BearColor, case when BearColor = -1 then '' when BearColor = 0 then 'светлокафяв' "
        "when BearColor = 1 then 'кафяв' when BearColor = 2 then 'тъмен' when BearColor = 3 then 'златист' end as "
        "BearColorTxt, BearSex, case when BearSex = -1 then '' when BearSex = 0 then 'мъжки' when BearSex = 1 then "
        "'женски' end as BearSexTxt from  tBear_01_Bears where tBear_01_ID = %d order by ID",
        seenId));
    for (; !bears.eof(); bears.nextRow()) {
        CBear01Row bear;
        bear.BearSize = Choice(bears, "BearSize");
        bear.BearSizeTxt = bears.getStringField("BearSizeTxt");
        bear.BearColor = Choice(bears, "BearColor");
        bear.BearColorTxt = bears.getStringField("BearColorTxt");
        bear.BearSex = Choice(bears, "BearSex");
        bear.BearSexTxt = bears.getStringField("BearSexTxt");
        bear.BearCount = bears.getStringField("BearCount");
        seen.Bears.Add(bear);
    }
    return true;
}

void CBearRecords::SaveBear02(CSQLite3DB& db, int formId) const {
    const CSpecData_Bear_02& met = SpecData_Bear_02;
    db.execDML(FormatSql(
        " insert into tBear_02 ( FormID, bAgressionAgainst, bProtectChild, bProtectPrey, bRunAway, bRunCalm, "
        "bThreatens, bCriticDistance, AgressionAgainst, CriticDistance\t, ProtectChild, ProtectPrey, RunAway, "
        "RunCalm, Threatens ) values(%d, %d, %d, %d, %d, %d, %d, %d, '%s', '%s', '%s', '%s', '%s', '%s', '%s' ) ",
        formId, met.bAgressionAgainst, met.bProtectChild, met.bProtectPrey, met.bRunAway, met.bRunCalm,
        met.bThreatens, met.bCriticDistance, QuoteSql(met.AgressionAgainst), QuoteSql(met.CriticDistance),
        QuoteSql(met.ProtectChild), QuoteSql(met.ProtectPrey), QuoteSql(met.RunAway), QuoteSql(met.RunCalm),
        QuoteSql(met.Threatens)));
}

bool CBearRecords::LoadBear02(CSQLite3DB& db, int formId) {
    CSQLite3Query query = db.execQuery(FormatSql(
        "select ID, FormID, bAgressionAgainst, bProtectChild, bProtectPrey, bRunAway, bRunCalm, bThreatens, "
        "bCriticDistance, AgressionAgainst, CriticDistance, ProtectChild, ProtectPrey, RunAway, RunCalm, Threatens "
        "from tBear_02 where FormID = %d ",
        formId));
    if (query.eof()) return false;
    CSpecData_Bear_02& met = SpecData_Bear_02;
    met.bAgressionAgainst = Flag(query, "bAgressionAgainst");
    met.bProtectChild = Flag(query, "bProtectChild");
    met.bProtectPrey = Flag(query, "bProtectPrey");
    met.bRunAway = Flag(query, "bRunAway");
    met.bRunCalm = Flag(query, "bRunCalm");
    met.bThreatens = Flag(query, "bThreatens");
    met.bCriticDistance = Flag(query, "bCriticDistance");
    met.AgressionAgainst = query.getStringField("AgressionAgainst");
    met.CriticDistance = query.getStringField("CriticDistance");
    met.ProtectChild = query.getStringField("ProtectChild");
    met.ProtectPrey = query.getStringField("ProtectPrey");
    met.RunAway = query.getStringField("RunAway");
    met.RunCalm = query.getStringField("RunCalm");
    met.Threatens = query.getStringField("Threatens");
    return true;
}

// --- section 2: signs, dens and beds, tracks, droppings, notes ----------------------------

void CBearRecords::SaveBear03(CSQLite3DB& db, int formId) const {
    const CSpecData_Bear_03& sign = SpecData_Bear_03;
    db.execDML(FormatSql(" insert into tBear_03 ( FormID, Reasons,  ObjectType, ObjectSituated, Height, FloraType, "
                         "bTrail ) values(%d, '%s', '%s', '%s', '%s', %d, %d ) ",
                         formId, QuoteSql(sign.Reasons), QuoteSql(sign.ObjectType), QuoteSql(sign.ObjectSituated),
                         QuoteSql(sign.Height), sign.FloraType, sign.bTrail));
}

bool CBearRecords::LoadBear03(CSQLite3DB& db, int formId) {
    CSQLite3Query query = db.execQuery(FormatSql(
        "select ID, FormID, Reasons, ObjectType, ObjectSituated, Height, FloraType, bTrail from  tBear_03 where "
        "FormID = %d ",
        formId));
    if (query.eof()) return false;
    CSpecData_Bear_03& sign = SpecData_Bear_03;
    sign.Reasons = query.getStringField("Reasons");
    sign.ObjectType = query.getStringField("ObjectType");
    sign.ObjectSituated = query.getStringField("ObjectSituated");
    sign.Height = query.getStringField("Height");
    sign.FloraType = Choice(query, "FloraType");
    sign.bTrail = Flag(query, "bTrail");
    return true;
}

void CBearRecords::SaveBear04(CSQLite3DB& db, int formId) const {
    const CSpecData_Bear_04& den = SpecData_Bear_04;
    db.execDML(FormatSql(" insert into tBear_04  (FormID,  CheckLair, Len, Wid, FloraType, LairType, CaveLen, "
                         "CaveWid, DistanceToLair, BedspreadMaterial, Period ) values(%d, %d, '%s', '%s', %d, %d, "
                         "'%s', '%s', '%s', '%s', '%s'  ) ",
                         formId, den.CheckLair, QuoteSql(den.Len), QuoteSql(den.Wid), den.FloraType, den.LairType,
                         QuoteSql(den.CaveLen), QuoteSql(den.CaveWid), QuoteSql(den.DistanceToLair),
                         QuoteSql(den.BedspreadMaterial), QuoteSql(den.Period)));
}

bool CBearRecords::LoadBear04(CSQLite3DB& db, int formId) {
    CSQLite3Query query = db.execQuery(FormatSql(
        "select ID, FormID, CheckLair, Len, Wid, FloraType, LairType, CaveLen, CaveWid, DistanceToLair, "
        "BedspreadMaterial, Period from tBear_04\t where FormID = %d ",
        formId));
    if (query.eof()) return false;
    CSpecData_Bear_04& den = SpecData_Bear_04;
    den.CheckLair = Flag(query, "CheckLair");
    den.Len = query.getStringField("Len");
    den.Wid = query.getStringField("Wid");
    den.FloraType = Choice(query, "FloraType");
    den.LairType = Choice(query, "LairType");
    den.CaveLen = query.getStringField("CaveLen");
    den.CaveWid = query.getStringField("CaveWid");
    den.DistanceToLair = query.getStringField("DistanceToLair");
    den.BedspreadMaterial = query.getStringField("BedspreadMaterial");
    den.Period = query.getStringField("Period");
    return true;
}

void CBearRecords::SaveBear05(CSQLite3DB& db, int formId) const {
    const CSpecData_Bear_05& tracks = SpecData_Bear_05;
    db.execDML(FormatSql(" insert into tBear_05  (FormID,  BackPawLen, BackPawWid, FrontPawLen, BearSizeType, "
                         "bCheckTrail ) values(%d, '%s', '%s', '%s', %d, %d) ",
                         formId, QuoteSql(tracks.BackPawLen), QuoteSql(tracks.BackPawWid),
                         QuoteSql(tracks.FrontPawLen), tracks.BearSizeType, tracks.bCheckTrail));
}

bool CBearRecords::LoadBear05(CSQLite3DB& db, int formId) {
    CSQLite3Query query = db.execQuery(FormatSql(
        "select ID, FormID, BackPawLen, BackPawWid, FrontPawLen, BearSizeType, bCheckTrail from tBear_05 where "
        "FormID = %d ",
        formId));
    if (query.eof()) return false;
    CSpecData_Bear_05& tracks = SpecData_Bear_05;
    tracks.BackPawLen = query.getStringField("BackPawLen");
    tracks.BackPawWid = query.getStringField("BackPawWid");
    tracks.FrontPawLen = query.getStringField("FrontPawLen");
    tracks.BearSizeType = Choice(query, "BearSizeType");
    tracks.bCheckTrail = Flag(query, "bCheckTrail");
    return true;
}

void CBearRecords::SaveBear06(CSQLite3DB& db, int formId) const {
    const CSpecData_Bear_06& droppings = SpecData_Bear_06;
    db.execDML(FormatSql(" insert into tBear_06  (FormID,  bCheckShit, Shits ) values(%d, %d, '%s' ) ", formId,
                         droppings.bCheckShit, QuoteSql(droppings.Shits)));
}

bool CBearRecords::LoadBear06(CSQLite3DB& db, int formId) {
    CSQLite3Query query =
        db.execQuery(FormatSql("select ID, FormID, bCheckShit, Shits from tBear_06 where FormID = %d ", formId));
    if (query.eof()) return false;
    SpecData_Bear_06.bCheckShit = Flag(query, "bCheckShit");
    SpecData_Bear_06.Shits = query.getStringField("Shits");
    return true;
}

void CBearRecords::SaveBear07(CSQLite3DB& db, int formId) const {
    db.execDML(FormatSql(" insert into tBear_07  (FormID,  Notes ) values(%d, '%s' ) ", formId,
                         QuoteSql(SpecData_Bear_07.Notes)));
}

bool CBearRecords::LoadBear07(CSQLite3DB& db, int formId) {
    CSQLite3Query query = db.execQuery(FormatSql("select ID, FormID, Notes from tBear_07 where FormID = %d ", formId));
    if (query.eof()) return false;
    SpecData_Bear_07.Notes = query.getStringField("Notes");
    return true;
}
