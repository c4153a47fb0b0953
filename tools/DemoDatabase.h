#pragma once
// Builds the program's database file from the SQL scripts of the repository: the schema,
// then every seed file in name order, all through the access layer so that text lands in
// the file's code page.
#include "platform/CString.h"

class CSQLite3DB;

// Runs one UTF-8 script file as a whole. Throws CSQLite3Exception; a missing file is
// reported as a CSQLite3Exception of code SQLITE_CANTOPEN naming the file.
void RunSqlScript(CSQLite3DB& db, const char* scriptPath);

// Creates dbPath from dataDir/schema.sql and dataDir/seed/*.sql in one transaction. The file
// is written beside dbPath under a temporary name and renamed at the end, so a failure never
// leaves a half-built database behind. An existing dbPath is replaced.
void BuildDemoDatabase(const char* dbPath, const char* dataDir);
