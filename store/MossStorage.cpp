// The moss pages' rows.
#include "db/SQLite3DB.h"
#include "store/MossRecords.h"
#include "store/SqlText.h"

void CMossRecords::Reset() { SpecData_Moss_06.Reset(); }

void CMossRecords::Load(CSQLite3DB& db, int formId) { LoadMoss06(db, formId); }

bool CMossRecords::SaveStep(CSQLite3DB& db, int stepCode, int formId) const {
    switch (stepCode) {
        case 7006: SaveMoss06(db, formId); return true;
        default: return false;
    }
}

void CMossRecords::SaveMoss06(CSQLite3DB& db, int formId) const {
    db.execDML(FormatSql("insert into tMoss_06 ( FormID, NoteText )  values( %d, '%s') ", formId,
                         QuoteSql(SpecData_Moss_06.NoteText)));
}

int CMossRecords::LoadMoss06(CSQLite3DB& db, int formId) {
    CSQLite3Query query = db.execQuery(FormatSql("select  ID, FormID, NoteText from tMoss_06 where FormID = %d", formId));
    if (query.eof()) return 0;
    SpecData_Moss_06.NoteText = query.getStringField("NoteText");
    return 1;
}
