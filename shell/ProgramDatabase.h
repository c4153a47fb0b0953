#pragma once
// Every database operation of the windows opens its own connection to the program's
// database, works, and closes it again; a database error is shown to the user (its text,
// OK) and ends the operation, keeping whatever it had done before the error.
#include "db/ProgramFolder.h"
#include "db/SQLite3DB.h"
#include "platform/Types.h"
#include "store/DatabaseError.h"

// Runs `work(CSQLite3DB&)` on a fresh connection; FALSE when a database error stopped it.
template <class Work>
BOOL WithProgramDatabase(Work&& work) {
    try {
        CSQLite3DB db;
        db.open(TheProgramFolder().DatabasePath());
        work(db);
        return TRUE;
    } catch (const CSQLite3Exception& error) {
        ShowDatabaseError(error);
        return FALSE;
    }
}
