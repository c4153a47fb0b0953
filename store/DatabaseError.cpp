#include "DatabaseError.h"

#include "db/SQLite3DB.h"
#include "platform/MessageBox.h"

void ShowDatabaseError(const CSQLite3Exception& error) { AfxMessageBox(CSQLiteErrorText(error), MB_OK); }
