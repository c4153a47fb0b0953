// How the fish pages are written and read back.
#include "db/SQLite3DB.h"
#include "store/FishRecords.h"
#include "store/SqlText.h"

CString FishSexLetter(int sex) {
    switch (sex) {
        case 0: return "М";
        case 1: return "Ж";
        default: return "";
    }
}

void CFishRecords::Reset() {
    SpecData_Fish_00.Reset();
    SpecData_Fish_01.Reset();
    SpecData_Fish_02.Reset();
    SpecData_Fish_03.Reset();
}

void CFishRecords::Load(CSQLite3DB& db, int formId) {
    LoadFish01(db, formId);
    LoadFish02(db, formId);
    LoadFish03(db, formId);
}

bool CFishRecords::SaveStep(CSQLite3DB& db, int stepCode, int formId) const {
    switch (stepCode) {
        case 6901: return true;  // the monitored species has no table
        case 6902: SaveFish01(db, formId); return true;
        case 6903: SaveFish02(db, formId); return true;
        case 6904: SaveFish03(db, formId); return true;
        default: return false;
    }
}

void CFishRecords::SaveFish01(CSQLite3DB& db, int formId) const {
    const CSpecData_Fish_01& device = SpecData_Fish_01;
    db.execDML(FormatSql("insert into tFishes_01 ( FormID,  FishingDevice, FishingTime, FishingDistance ) values(%d, "
                         "'%s', '%s', '%s' ) ",
                         formId, QuoteSql(device.FishingDevice), QuoteSql(device.FishingTime),
                         QuoteSql(device.FishingDistance)));
}

void CFishRecords::SaveFish02(CSQLite3DB& db, int formId) const {
    const CSpecData_Fish_02& net = SpecData_Fish_02;
    db.execDML(FormatSql("insert into tFishes_02 ( FormID, NetType, NetLength, NetHeight, NetEyeDimnsion ) values(%d, "
                         "%d, '%s', '%s', '%s' ) ",
                         formId, net.NetType, QuoteSql(net.NetLength), QuoteSql(net.NetHeight),
                         QuoteSql(net.NetEyeDimnsion)));
}

void CFishRecords::SaveFish03(CSQLite3DB& db, int formId) const {
    for (const CFish03Row& fish : SpecData_Fish_03.Species)
        db.execDML(FormatSql("insert into tFishes_03 (  FormID, MaturityLevel, Sex, Weight, StandardLen, AbsLen, Notes ) "
                             "values( %d, '%s', %d, '%s', '%s', '%s', '%s' ) ",
                             formId, QuoteSql(fish.MaturityLevel), fish.Sex, QuoteSql(fish.Weight),
                             QuoteSql(fish.StandardLen), QuoteSql(fish.AbsLen), QuoteSql(fish.Notes)));
}

BOOL CFishRecords::LoadFish01(CSQLite3DB& db, int formId) {
    CSQLite3Query query = db.execQuery(FormatSql(
        "select ID , FormID, FishingDevice, FishingTime, FishingDistance from tFishes_01 where FormID = %d ", formId));
    if (query.eof()) return FALSE;
    CSpecData_Fish_01& device = SpecData_Fish_01;
    device.FishingDevice = query.getStringField("FishingDevice");
    device.FishingTime = query.getStringField("FishingTime");
    device.FishingDistance = query.getStringField("FishingDistance");
    return TRUE;
}

BOOL CFishRecords::LoadFish02(CSQLite3DB& db, int formId) {
    CSQLite3Query query = db.execQuery(FormatSql(
        "select ID, FormID, NetType, NetLength, NetHeight, NetEyeDimnsion from tFishes_02 where FormID = %d", formId));
    if (query.eof()) return FALSE;
    CSpecData_Fish_02& net = SpecData_Fish_02;
    net.NetType = query.getIntField("NetType", -1);  // no value is no net kind, not the first one
    net.NetLength = query.getStringField("NetLength");
    net.NetHeight = query.getStringField("NetHeight");
    net.NetEyeDimnsion = query.getStringField("NetEyeDimnsion");
    return TRUE;
}

BOOL CFishRecords::LoadFish03(CSQLite3DB& db, int formId) {
    CArray<CFish03Row>& fishes = SpecData_Fish_03.Species;
    fishes.RemoveAll();
    // In the order they were typed; a missing sex is an unknown one, and the letter follows
    // the sex as the row dialog sets it.
    CSQLite3Query query = db.execQuery(FormatSql(
        "select ID, FormID, MaturityLevel, Sex, Weight, StandardLen, AbsLen, Notes from tFishes_03 where FormID = %d "
        "order by ID",
        formId));
    if (query.eof()) return FALSE;
    for (; !query.eof(); query.nextRow()) {
        CFish03Row fish;
        fish.MaturityLevel = query.getStringField("MaturityLevel");
        fish.Sex = query.getIntField("Sex", -1);
        fish.SexLetter = FishSexLetter(fish.Sex);
        fish.Weight = query.getStringField("Weight");
        fish.Notes = query.getStringField("Notes");
        fish.StandardLen = query.getStringField("StandardLen");
        fish.AbsLen = query.getStringField("AbsLen");
        fishes.Add(fish);
    }
    return TRUE;
}
