#include "SqlText.h"

CString QuoteSql(const CString& text) {
    CString trimmed = text;
    trimmed.TrimLeft();
    trimmed.TrimRight();
    return QuoteSqlAsTyped(trimmed);
}

CString QuoteSqlAsTyped(const CString& text) {
    CString quoted = text;
    quoted.Replace("'", "''");
    return quoted;
}
