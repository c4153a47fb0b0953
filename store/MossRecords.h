#pragma once
// The moss pages' records. The notes page (step 7006) is also walked by the deer, chamois and
// wolf forms, whose reports print its note.
#include "platform/CString.h"

class CSQLite3DB;

// Free notes (tMoss_06).
class CSpecData_Moss_06 {
public:
    void Reset() { *this = CSpecData_Moss_06(); }

    CString NoteText;

    friend bool operator==(const CSpecData_Moss_06&, const CSpecData_Moss_06&) = default;
};

// The moss family of the document (see FamilyRecords.h).
class CMossRecords {
public:
    CSpecData_Moss_06 SpecData_Moss_06;

    void Reset();
    void Load(CSQLite3DB& db, int formId);
    bool SaveStep(CSQLite3DB& db, int stepCode, int formId) const;

    void SaveMoss06(CSQLite3DB& db, int formId) const;
    // 1 when the form has the page's row, else 0 (the record is left as it is).
    int LoadMoss06(CSQLite3DB& db, int formId);
};
