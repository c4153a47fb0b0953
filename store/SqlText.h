#pragma once
// How the storage code writes values into its SQL: numbers with %d, texts as '%s' literals
// after QuoteSql, so that an apostrophe in a typed text can never end the literal.
#include "platform/CString.h"

// The text trimmed at both ends, every "'" doubled.
CString QuoteSql(const CString& text);
// The text exactly as typed, every "'" doubled: for values whose blanks count (user names,
// passwords).
CString QuoteSqlAsTyped(const CString& text);

// printf-style formatting into a new text, for one statement.
template <typename... Args>
CString FormatSql(const char* format, const Args&... args) {
    CString sql;
    sql.Format(format, args...);
    return sql;
}
