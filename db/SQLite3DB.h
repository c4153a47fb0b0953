#pragma once
// The access layer over SQLite: a connection, a forward-only cursor, a compiled statement
// and the one exception type. Every operation of the program opens its own connection,
// works and lets the destructor close it.
//
// The file keeps code page 1251 text so that databases filled by the older program open
// unchanged; this layer is the one place that converts: SQL text goes to 1251 before it is
// prepared or executed, column text comes back as UTF-8, blobs are untouched.
#include "platform/CString.h"
#include "platform/Types.h"

struct sqlite3;
struct sqlite3_stmt;

constexpr int DBLAYER_ERROR = 1000;
constexpr int SQLITE_DEFAULT_BUSY_TIMEOUT_MS = 60000;

class CSQLite3Exception {
public:
    // The message is UTF-8. With freeMessage the message was allocated by SQLite and is released here.
    CSQLite3Exception(int errorCode, const char* errorMessage, bool freeMessage = true);
    CSQLite3Exception(const CSQLite3Exception& other);
    CSQLite3Exception& operator=(const CSQLite3Exception& other);
    virtual ~CSQLite3Exception();

    int errorCode() const { return m_nErrCode; }
    // "NAME[code]: message"
    const char* errorMessage() const { return m_pszErrMess ? m_pszErrMess : ""; }

    static const char* errorCodeAsString(int errorCode);

    CString m_strText1;
    CString m_strText2;

private:
    int m_nErrCode;
    char* m_pszErrMess = nullptr;
};

class CSQLite3Query {
public:
    CSQLite3Query() = default;
    CSQLite3Query(sqlite3* db, sqlite3_stmt* statement, bool eof, bool ownStatement = true);
    CSQLite3Query(CSQLite3Query&& other) noexcept;
    // Finalizes its own statement first (errors swallowed), then takes the other's over, so
    // that only one cursor ever finalizes a statement.
    CSQLite3Query& operator=(CSQLite3Query&& other) noexcept;
    CSQLite3Query(const CSQLite3Query&) = delete;
    CSQLite3Query& operator=(const CSQLite3Query&) = delete;
    virtual ~CSQLite3Query();

    int numFields() const { return m_nCols; }
    int fieldIndex(const char* fieldName) const;  // -1 when no column bears the name
    CString fieldName(int column) const;
    int fieldDataType(int column) const;

    int getIntField(int field, int nullValue = 0) const;
    int getIntField(const char* fieldName, int nullValue = 0) const;
    CString getStringField(int field, const char* nullValue = "") const;
    CString getStringField(const char* fieldName, const char* nullValue = "") const;
    const unsigned char* getBlobField(int field, int& length) const;
    const unsigned char* getBlobField(const char* fieldName, int& length) const;
    bool fieldIsNull(int field) const;

    bool eof() const;
    void nextRow();
    void finalize();

private:
    void checkVM() const;
    int checkedIndex(const char* fieldName) const;

    sqlite3* m_pDB = nullptr;
    sqlite3_stmt* m_pVM = nullptr;
    bool m_bEof = true;
    int m_nCols = 0;
    bool m_bOwnVM = false;
};

class CSQLite3Statement {
public:
    CSQLite3Statement() = default;
    CSQLite3Statement(sqlite3* db, sqlite3_stmt* statement);
    CSQLite3Statement(CSQLite3Statement&& other) noexcept;
    CSQLite3Statement& operator=(CSQLite3Statement&& other) noexcept;
    CSQLite3Statement(const CSQLite3Statement&) = delete;
    CSQLite3Statement& operator=(const CSQLite3Statement&) = delete;
    virtual ~CSQLite3Statement();

    void bind(int param, const unsigned char* blobValue, int length);
    // For bytes that stay alive and unchanged until the statement is finalized: SQLite reads
    // them where they are instead of taking a copy.
    void bindStatic(int param, const unsigned char* blobValue, int length);
    int execDML();
    void reset();
    void finalize();

private:
    void checkDB() const;
    void checkVM() const;
    void bindBlob(int param, const unsigned char* blobValue, int length, void (*destructor)(void*));

    sqlite3* m_pDB = nullptr;
    sqlite3_stmt* m_pVM = nullptr;
};

class CSQLite3DB {
public:
    CSQLite3DB() = default;
    CSQLite3DB(const CSQLite3DB&) = delete;
    CSQLite3DB& operator=(const CSQLite3DB&) = delete;
    virtual ~CSQLite3DB();

    void open(const char* fileName);  // path in UTF-8
    void close();

    int execDML(const char* sql);  // one or more statements separated by ";"
    CSQLite3Query execQuery(const char* sql);
    CSQLite3Statement compileStatement(const char* sql);
    int lastRowId() const;
    void setBusyTimeout(int milliseconds);

private:
    sqlite3_stmt* compile(const char* sql);
    void checkDB() const;

    sqlite3* m_pDB = nullptr;
    int m_nBusyTimeoutMs = SQLITE_DEFAULT_BUSY_TIMEOUT_MS;
};

// The text of a caught database error as the user sees it: the message, then a line break,
// with SQLite's "no such column" said in Bulgarian.
CString CSQLiteErrorText(const CSQLite3Exception& e);
