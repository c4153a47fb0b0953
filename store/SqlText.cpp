#include "SqlText.h"

CString QuoteSql(const CString& text) {
    CString quoted = text;
    quoted.TrimLeft();
    quoted.TrimRight();
    quoted.Replace("'", "''");
    return quoted;
}
