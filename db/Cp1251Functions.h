#pragma once
// SQL functions that know the file's code page. SQLite's own upper() and LIKE read text as
// UTF-8 and fold only Latin letters, so a search for a Cyrillic name in 1251 text would
// miss or fail; these replace them on every connection the layer opens.
struct sqlite3;

void RegisterCp1251Functions(sqlite3* db);

// The upper-case byte of a code page 1251 byte (Latin and Cyrillic letters).
unsigned char Cp1251Upper(unsigned char byte);

// SQL LIKE over code page 1251 bytes: "%" any run, "_" one character, the optional escape
// character taking the next one literally; letters compared without case.
bool Cp1251Like(const unsigned char* pattern, const unsigned char* text, int escape = -1);
