#include "shell/StoredForms.h"

#include "db/SQLite3DB.h"

namespace {

// The inner joins are written as cross joins, which fix the order in which SQLite reads the
// tables. Normally Forms comes first, read newest first straight from its key (or from its
// form-type index), so that a limit stops after that many rows instead of sorting every
// form. For a user with few forms that walk would pass over almost every form: the user's
// sessions come first then, and their few forms are sorted. The latest change is looked up
// per form through the index on Actions (FormID, ActionType) rather than through a view
// that groups the whole log.
//
// Group 1 is the trial plot, not a taxon; every other group is named as a group.
constexpr char kColumns[] =
    "select f.ID as fID, f.FormTypeID as fFormTypeID, f.FormCode as fFormCode, f.SpeciesID as fSpeciesID, "
    "f.SpeciesType as fSpeciesType, f.Exported as fExported, f.ImportedID as fImportedID, \n"
    "case when f.SpeciesType = 1 then \n"
    "case when sa.Name_bg is NULL then sa.Name_lat  \n"
    "when sa.Name_lat is NULL then sa.Name_bg  \n"
    "else sa.Name_lat || '(' ||  sa.Name_bg || ')' \n"
    "end \n"
    "when f.SpeciesType = 2 then sSub.Name_lat || '(' ||  sSub.Name_bg || ')' \n"
    "when f.SpeciesType = 3 and f.SpeciesID = 1 then 'Пробна площадка' \n"
    "when f.SpeciesType = 3 then sG.Name_lat || '(' ||  sG.Name_bg || ')' \n"
    "when f.SpeciesType = 4 then sS.Name_lat || '(' ||  sS.Name_bg || ')' \n"
    "end as SpeciesName, \n"
    "n.ID as nID, n.form_id as nform_id, n.Name as nName, \n"
    "a.ID as aID, a.FormID as aFormID, a.SessionID as aSessionID, a.ActionType as aActionType, "
    "a.ActionDate as aActionDate, a.ActionTime as aActionTime, a.DelID as aDelID, \n"
    "s.ID as sID, s.UserID as sUserID, s.ActionDate as sActionDate, s.ActionTime as sActionTime, "
    "s.RIOSW_ID as sRIOSW_ID, \n"
    "u.ID, u.UserName as uUserName, \n"
    "nR.Name as nRName, \n"
    "l.ActionDate as LastModifyDate, l.ActionTime as LastModifyTime \n";

constexpr char kFormsFirst[] =
    "from Forms f \n"
    "cross join Actions a on a.FormID = f.ID and a.ActionType = 1 \n"
    "cross join Sessions s on a.SessionID = s.ID \n"
    "cross join FormNames n on f.FormTypeID = n.ID \n";

constexpr char kSessionsFirst[] =
    "from Sessions s \n"
    "cross join Actions a on a.SessionID = s.ID and a.ActionType = 1 \n"
    "cross join Forms f on a.FormID = f.ID \n"
    "cross join FormNames n on f.FormTypeID = n.ID \n";

constexpr char kOtherTables[] =
    "cross join Users u on s.UserID = u.ID \n"
    "cross join nRIOSW_NP_PP nR on s.RIOSW_ID = nR.ID \n"
    "left join sAllSpecies sA on f.SpeciesID = sA.ID \n"
    "left join sSubgroups sSub on f.SpeciesID = sSub.ID \n"
    "left join sGroups sG on f.SpeciesID = sG.ID \n"
    "left join sSuperGroups sS on f.SpeciesID = sS.ID \n"
    "left join Actions l on l.FormID = f.ID and l.ActionType = 3 and l.ID = \n"
    "( select max(ID) from Actions where FormID = f.ID and ActionType = 3 ) \n";

// Up to this many forms of a user are found faster through the user's sessions than by
// walking every form newest first; the count stops there, so it costs little.
constexpr int kFewForms = 2000;

}  // namespace

CString StoredFormsQuery(int formTypeId, int userId, int limit, StoredFormsPlan plan) {
    CString sql = kColumns;
    sql += plan == StoredFormsPlan::kUserSessionsFirst && userId != -1 ? kSessionsFirst : kFormsFirst;
    sql += kOtherTables;
    // A filter that is not set is left out of the statement, so that it does not keep
    // SQLite from the index of the other.
    sql += "where f.Del is NULL \n";
    CString condition;
    if (formTypeId != -1) {
        condition.Format("and f.FormTypeID = %d \n", formTypeId);
        sql += condition;
    }
    if (userId != -1) {
        condition.Format("and s.UserID = %d \n", userId);
        sql += condition;
    }
    sql += "order by fID desc \n";
    if (limit > 0) {
        CString limited;
        limited.Format("%s limit %d", sql.GetString(), limit);
        return limited;
    }
    return sql;
}

StoredFormsPlan ChooseStoredFormsPlan(CSQLite3DB& db, int userId) {
    if (userId == -1) return StoredFormsPlan::kNewestFormsFirst;
    CString sql;
    sql.Format("select count(*) from ( select 1 from Sessions s cross join Actions a on a.SessionID = s.ID "
               "and a.ActionType = 1 where s.UserID = %d limit %d )",
               userId, kFewForms);
    return db.execQuery(sql).getIntField(0, 0) < kFewForms ? StoredFormsPlan::kUserSessionsFirst
                                                           : StoredFormsPlan::kNewestFormsFirst;
}

CStoredFormReader::CStoredFormReader(const CSQLite3Query& query)
    : m_formId(query.fieldIndex("fID")),
      m_formTypeId(query.fieldIndex("fFormTypeID")),
      m_formTypeName(query.fieldIndex("nName")),
      m_formCode(query.fieldIndex("fFormCode")),
      m_objectName(query.fieldIndex("SpeciesName")),
      m_createdDate(query.fieldIndex("aActionDate")),
      m_createdTime(query.fieldIndex("aActionTime")),
      m_userName(query.fieldIndex("uUserName")),
      m_inspectorate(query.fieldIndex("nRName")),
      m_lastChangeDate(query.fieldIndex("LastModifyDate")),
      m_lastChangeTime(query.fieldIndex("LastModifyTime")) {}

StoredFormRow CStoredFormReader::Read(const CSQLite3Query& query) const {
    StoredFormRow row;
    row.formId = query.getIntField(m_formId, 0);
    row.formTypeId = query.getIntField(m_formTypeId, 0);
    row.formTypeName = query.getStringField(m_formTypeName);
    row.formCode = query.getStringField(m_formCode);
    row.objectName = query.getStringField(m_objectName);
    row.createdDate = query.getStringField(m_createdDate);
    row.createdTime = query.getStringField(m_createdTime);
    row.userName = query.getStringField(m_userName);
    row.inspectorate = query.getStringField(m_inspectorate);
    row.lastChange = query.getStringField(m_lastChangeDate);
    row.lastChange += " ";
    row.lastChange += query.getStringField(m_lastChangeTime);
    return row;
}
