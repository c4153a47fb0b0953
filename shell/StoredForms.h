#pragma once
// The statement of the list of stored forms and one row of its result. Live forms only
// (Forms.Del NULL), newest first, each with its form type, its taxon, its creation (date,
// time, user and inspectorate of the creating session) and its latest change.
#include "platform/CString.h"

class CSQLite3DB;
class CSQLite3Query;

struct StoredFormRow {
    int formId = 0;
    int formTypeId = 0;
    CString formTypeName;
    CString formCode;
    CString objectName;    // the taxon, as the page header names it
    CString createdDate;
    CString createdTime;
    CString userName;      // who created the form
    CString inspectorate;  // of the creating session
    CString lastChange;    // "date time" of the latest change; " " for a form never changed
};

// The order in which the statement reads its tables; both give the same rows.
enum class StoredFormsPlan { kNewestFormsFirst, kUserSessionsFirst };

// -1 for the form type or user means any; a limit of 0 or less means none. The user is the
// one who created the form.
CString StoredFormsQuery(int formTypeId, int userId, int limit,
                         StoredFormsPlan plan = StoredFormsPlan::kNewestFormsFirst);
// The faster plan for the user filter on this database: through the user's sessions when
// the user created few forms.
StoredFormsPlan ChooseStoredFormsPlan(CSQLite3DB& db, int userId);

// Reads the rows of a query of that statement; its columns are looked up once, not per row.
class CStoredFormReader {
public:
    explicit CStoredFormReader(const CSQLite3Query& query);
    // The row the query stands on; missing texts are empty, missing ids 0.
    StoredFormRow Read(const CSQLite3Query& query) const;

private:
    int m_formId, m_formTypeId, m_formTypeName, m_formCode, m_objectName, m_createdDate, m_createdTime, m_userName,
        m_inspectorate, m_lastChangeDate, m_lastChangeTime;
};
