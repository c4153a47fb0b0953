#pragma once
// How a failed database operation of the storage code reaches the user: one message box
// with the error's text and an OK button.
class CSQLite3Exception;

void ShowDatabaseError(const CSQLite3Exception& error);
