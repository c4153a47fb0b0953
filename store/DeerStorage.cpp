// The deer pages' rows: one per page and form, every column a text as typed.
#include "db/SQLite3DB.h"
#include "store/DeerRecords.h"
#include "store/SqlText.h"

namespace {

// Stags and hinds are stored alike, each in its own table.
void SaveAgeClasses(CSQLite3DB& db, const char* insert, const CDeerAgeClasses& counts, int formId) {
    db.execDML(FormatSql(insert, formId, QuoteSql(counts.VeryYoung), QuoteSql(counts.Young), QuoteSql(counts.Old),
                         QuoteSql(counts.VeryOld), QuoteSql(counts.Total)));
}

bool LoadAgeClasses(CSQLite3DB& db, const char* select, CDeerAgeClasses& counts, int formId) {
    CSQLite3Query query = db.execQuery(FormatSql(select, formId));
    if (query.eof()) return false;
    counts.VeryYoung = query.getStringField("VeryYoung");
    counts.Young = query.getStringField("Young");
    counts.Old = query.getStringField("Old");
    counts.VeryOld = query.getStringField("VeryOld");
    counts.Total = query.getStringField("Total");
    return true;
}

}  // namespace

void CDeerRecords::Reset() {
    SpecData_Deer_01.Reset();
    SpecData_Deer_02.Reset();
    SpecData_Deer_03.Reset();
    SpecData_Deer_04.Reset();
}

void CDeerRecords::Load(CSQLite3DB& db, int formId) {
    LoadDeer01(db, formId);
    LoadDeer02(db, formId);
    LoadDeer03(db, formId);
    LoadDeer04(db, formId);
}

bool CDeerRecords::SaveStep(CSQLite3DB& db, int stepCode, int formId) const {
    switch (stepCode) {
        case 6101: SaveDeer01(db, formId); return true;
        case 6102: SaveDeer02(db, formId); return true;
        case 6103: SaveDeer03(db, formId); return true;
        case 6104: SaveDeer04(db, formId); return true;
        default: return false;
    }
}

void CDeerRecords::SaveDeer01(CSQLite3DB& db, int formId) const {
    SaveAgeClasses(db,
                   "insert into tDeer_01  ( FormID, VeryYoung, Young, Old, VeryOld, Total )  values( %d, '%s', '%s', "
                   "'%s', '%s', '%s' )",
                   SpecData_Deer_01, formId);
}

void CDeerRecords::SaveDeer02(CSQLite3DB& db, int formId) const {
    SaveAgeClasses(db,
                   "insert into tDeer_02  ( FormID, VeryYoung, Young, Old, VeryOld, Total )  values( %d, '%s', '%s', "
                   "'%s', '%s', '%s' )",
                   SpecData_Deer_02, formId);
}

void CDeerRecords::SaveDeer03(CSQLite3DB& db, int formId) const {
    const CSpecData_Deer_03& stag = SpecData_Deer_03;
    db.execDML(FormatSql("insert into tDeer_03  ( FormID, ArealCharacteristic, EyeProngs, IceProngs, MidProngs, "
                         "WolfProngs, Age, CrownLeft, CrownRight )  values( %d, '%s', '%s', '%s', '%s', '%s', '%s', "
                         "'%s', '%s'  )",
                         formId, QuoteSql(stag.ArealCharacteristic), QuoteSql(stag.EyeProngs), QuoteSql(stag.IceProngs),
                         QuoteSql(stag.MidProngs), QuoteSql(stag.WolfProngs), QuoteSql(stag.Age),
                         QuoteSql(stag.CrownLeft), QuoteSql(stag.CrownRight)));
}

void CDeerRecords::SaveDeer04(CSQLite3DB& db, int formId) const {
    const CSpecData_Deer_04& around = SpecData_Deer_04;
    db.execDML(FormatSql(
        "insert into tDeer_04  ( FormID, DoeVeryYoung, DoeYoung, DoeOld, DoeVeryOld, DoeTotal, DeerVeryYoung, "
        "DeerYoung, DeerOld, DeerMature, DeerVeryOld, DeerTotal, Notes )  values( %d, '%s', '%s', '%s', '%s', '%s', "
        "'%s', '%s', '%s', '%s', '%s', '%s', '%s'  )",
        formId, QuoteSql(around.DoeVeryYoung), QuoteSql(around.DoeYoung), QuoteSql(around.DoeOld),
        QuoteSql(around.DoeVeryOld), QuoteSql(around.DoeTotal), QuoteSql(around.DeerVeryYoung),
        QuoteSql(around.DeerYoung), QuoteSql(around.DeerOld), QuoteSql(around.DeerMature),
        QuoteSql(around.DeerVeryOld), QuoteSql(around.DeerTotal), QuoteSql(around.Notes)));
}

bool CDeerRecords::LoadDeer01(CSQLite3DB& db, int formId) {
    return LoadAgeClasses(db, "select ID, FormID, VeryYoung, Young, Old, VeryOld, Total from tDeer_01 where FormID = %d ",
                          SpecData_Deer_01, formId);
}

bool CDeerRecords::LoadDeer02(CSQLite3DB& db, int formId) {
    return LoadAgeClasses(db, "select ID, FormID, VeryYoung, Young, Old, VeryOld, Total from tDeer_02 where FormID = %d ",
                          SpecData_Deer_02, formId);
}

bool CDeerRecords::LoadDeer03(CSQLite3DB& db, int formId) {
    CSQLite3Query query = db.execQuery(FormatSql("select ID, FormID, ArealCharacteristic, EyeProngs, IceProngs,  "
                                                 "MidProngs, WolfProngs, Age, CrownLeft, CrownRight from tDeer_03 where "
                                                 "FormID = %d ",
                                                 formId));
    if (query.eof()) return false;
    CSpecData_Deer_03& stag = SpecData_Deer_03;
    stag.ArealCharacteristic = query.getStringField("ArealCharacteristic");
    stag.EyeProngs = query.getStringField("EyeProngs");
    stag.IceProngs = query.getStringField("IceProngs");
    stag.MidProngs = query.getStringField("MidProngs");
    stag.WolfProngs = query.getStringField("WolfProngs");
    stag.Age = query.getStringField("Age");
    stag.CrownLeft = query.getStringField("CrownLeft");
    stag.CrownRight = query.getStringField("CrownRight");
    return true;
}

bool CDeerRecords::LoadDeer04(CSQLite3DB& db, int formId) {
    CSQLite3Query query = db.execQuery(FormatSql(
        "select ID, FormID, DoeVeryYoung, DoeYoung, DoeOld, DoeVeryOld, DoeTotal, DeerVeryYoung, DeerYoung, DeerOld, "
        "DeerMature, DeerVeryOld,  DeerTotal,  Notes from tDeer_04 where FormID = %d ",
        formId));
    if (query.eof()) return false;
    CSpecData_Deer_04& around = SpecData_Deer_04;
    around.DoeVeryYoung = query.getStringField("DoeVeryYoung");
    around.DoeYoung = query.getStringField("DoeYoung");
    around.DoeOld = query.getStringField("DoeOld");
    around.DoeVeryOld = query.getStringField("DoeVeryOld");
    around.DoeTotal = query.getStringField("DoeTotal");
    around.DeerVeryYoung = query.getStringField("DeerVeryYoung");
    around.DeerYoung = query.getStringField("DeerYoung");
    around.DeerOld = query.getStringField("DeerOld");
    around.DeerMature = query.getStringField("DeerMature");
    around.DeerVeryOld = query.getStringField("DeerVeryOld");
    around.DeerTotal = query.getStringField("DeerTotal");
    around.Notes = query.getStringField("Notes");
    return true;
}
