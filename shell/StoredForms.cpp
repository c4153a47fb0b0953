#include "shell/StoredForms.h"

#include "db/SQLite3DB.h"

namespace {

// The inner joins are written as cross joins: SQLite then keeps Forms the outer table, read
// newest first straight from its key, so that a limit stops after that many rows instead
// of sorting every form. The latest change is looked up per form through the index on
// Actions (FormID, ActionType) rather than through a view that groups the whole log.
//
// Group 1 is the trial plot, not a taxon; every other group is named as a group.
constexpr char kStoredFormsSql[] =
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
    "l.ActionDate as LastModifyDate, l.ActionTime as LastModifyTime \n"
    "from Forms f \n"
    "cross join FormNames n on f.FormTypeID = n.ID \n"
    "cross join Actions a on a.FormID = f.ID and a.ActionType = 1 \n"
    "cross join Sessions s on a.SessionID = s.ID \n"
    "cross join Users u on s.UserID = u.ID \n"
    "cross join nRIOSW_NP_PP nR on s.RIOSW_ID = nR.ID \n"
    "left join sAllSpecies sA on f.SpeciesID = sA.ID \n"
    "left join sSubgroups sSub on f.SpeciesID = sSub.ID \n"
    "left join sGroups sG on f.SpeciesID = sG.ID \n"
    "left join sSuperGroups sS on f.SpeciesID = sS.ID \n"
    "left join Actions l on l.FormID = f.ID and l.ActionType = 3 and l.ID = \n"
    "( select max(ID) from Actions where FormID = f.ID and ActionType = 3 ) \n"
    "where ( -1 = %d or f.FormTypeID = %d ) and \n"
    "( -1 = %d or u.ID = %d  ) and f.Del is NULL \n"
    "order by fID desc \n";

}  // namespace

CString StoredFormsQuery(int formTypeId, int userId, int limit) {
    CString sql;
    sql.Format(kStoredFormsSql, formTypeId, formTypeId, userId, userId);
    if (limit > 0) {
        CString limited;
        limited.Format("%s limit %d", sql, limit);
        return limited;
    }
    return sql;
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
    row.lastChange.Format("%s %s", query.getStringField(m_lastChangeDate), query.getStringField(m_lastChangeTime));
    return row;
}
