#include "SQLite3DB.h"

#include <sqlite3.h>

#include <string>
#include <utility>

#include "Cp1251Functions.h"
#include "platform/Cp1251.h"

namespace {

// SQLite's own messages are ASCII, but they may quote parts of the SQL, which is 1251.
CString MessageFromDatabase(const char* message) { return message ? CString(cp1251::ToUtf8(message)) : CString(); }

[[noreturn]] void ThrowFromConnection(int code, sqlite3* db) {
    throw CSQLite3Exception(code, MessageFromDatabase(db ? sqlite3_errmsg(db) : nullptr), false);
}

}  // namespace

// --- CSQLite3Exception -------------------------------------------------------------------

CSQLite3Exception::CSQLite3Exception(int errorCode, const char* errorMessage, bool freeMessage) : m_nErrCode(errorCode) {
    m_pszErrMess = sqlite3_mprintf("%s[%d]: %s", errorCodeAsString(errorCode), errorCode, errorMessage ? errorMessage : "");
    if (freeMessage && errorMessage) sqlite3_free(const_cast<char*>(errorMessage));
}

CSQLite3Exception::CSQLite3Exception(const CSQLite3Exception& other) : m_nErrCode(other.m_nErrCode) {
    if (other.m_pszErrMess) m_pszErrMess = sqlite3_mprintf("%s", other.m_pszErrMess);
}

CSQLite3Exception& CSQLite3Exception::operator=(const CSQLite3Exception& other) {
    if (this != &other) {
        sqlite3_free(m_pszErrMess);
        m_pszErrMess = other.m_pszErrMess ? sqlite3_mprintf("%s", other.m_pszErrMess) : nullptr;
        m_nErrCode = other.m_nErrCode;
        m_strText1 = other.m_strText1;
        m_strText2 = other.m_strText2;
    }
    return *this;
}

CSQLite3Exception::~CSQLite3Exception() { sqlite3_free(m_pszErrMess); }

const char* CSQLite3Exception::errorCodeAsString(int errorCode) {
    switch (errorCode) {
        case SQLITE_OK: return "SQLITE_OK";
        case SQLITE_ERROR: return "SQLITE_ERROR";
        case SQLITE_INTERNAL: return "SQLITE_INTERNAL";
        case SQLITE_PERM: return "SQLITE_PERM";
        case SQLITE_ABORT: return "SQLITE_ABORT";
        case SQLITE_BUSY: return "SQLITE_BUSY";
        case SQLITE_LOCKED: return "SQLITE_LOCKED";
        case SQLITE_NOMEM: return "SQLITE_NOMEM";
        case SQLITE_READONLY: return "SQLITE_READONLY";
        case SQLITE_INTERRUPT: return "SQLITE_INTERRUPT";
        case SQLITE_IOERR: return "SQLITE_IOERR";
        case SQLITE_CORRUPT: return "SQLITE_CORRUPT";
        case SQLITE_NOTFOUND: return "SQLITE_NOTFOUND";
        case SQLITE_FULL: return "SQLITE_FULL";
        case SQLITE_CANTOPEN: return "SQLITE_CANTOPEN";
        case SQLITE_PROTOCOL: return "SQLITE_PROTOCOL";
        case SQLITE_EMPTY: return "SQLITE_EMPTY";
        case SQLITE_SCHEMA: return "SQLITE_SCHEMA";
        case SQLITE_TOOBIG: return "SQLITE_TOOBIG";
        case SQLITE_CONSTRAINT: return "SQLITE_CONSTRAINT";
        case SQLITE_MISMATCH: return "SQLITE_MISMATCH";
        case SQLITE_MISUSE: return "SQLITE_MISUSE";
        case SQLITE_NOLFS: return "SQLITE_NOLFS";
        case SQLITE_AUTH: return "SQLITE_AUTH";
        case SQLITE_FORMAT: return "SQLITE_FORMAT";
        case SQLITE_RANGE: return "SQLITE_RANGE";
        case SQLITE_ROW: return "SQLITE_ROW";
        case SQLITE_DONE: return "SQLITE_DONE";
        case DBLAYER_ERROR: return "DBLAYER_ERROR";
        default: return "UNKNOWN_ERROR";
    }
}

CString CSQLiteErrorText(const CSQLite3Exception& e) {
    CString text;
    text.Format("%s\n%s", e.errorMessage(), e.m_strText2);
    text.Replace("no such column", "не съществува колона");
    return text;
}

// --- CSQLite3Query -----------------------------------------------------------------------

CSQLite3Query::CSQLite3Query(sqlite3* db, sqlite3_stmt* statement, bool eof, bool ownStatement)
    : m_pDB(db), m_pVM(statement), m_bEof(eof), m_nCols(sqlite3_column_count(statement)), m_bOwnVM(ownStatement) {}

CSQLite3Query::CSQLite3Query(CSQLite3Query&& other) noexcept
    : m_pDB(other.m_pDB), m_pVM(std::exchange(other.m_pVM, nullptr)), m_bEof(other.m_bEof), m_nCols(other.m_nCols),
      m_bOwnVM(other.m_bOwnVM) {}

CSQLite3Query& CSQLite3Query::operator=(CSQLite3Query&& other) noexcept {
    if (this == &other) return *this;
    try {
        finalize();
    } catch (const CSQLite3Exception&) {
        // the old statement's failure no longer matters to anyone
    }
    m_pDB = other.m_pDB;
    m_pVM = std::exchange(other.m_pVM, nullptr);
    m_bEof = other.m_bEof;
    m_nCols = other.m_nCols;
    m_bOwnVM = other.m_bOwnVM;
    return *this;
}

CSQLite3Query::~CSQLite3Query() {
    try {
        finalize();
    } catch (const CSQLite3Exception&) {
    }
}

void CSQLite3Query::checkVM() const {
    if (!m_pVM) throw CSQLite3Exception(DBLAYER_ERROR, "Null Virtual Machine pointer", false);
}

int CSQLite3Query::fieldIndex(const char* fieldName) const {
    checkVM();
    if (!fieldName) throw CSQLite3Exception(DBLAYER_ERROR, "Invalid field name requested", false);
    const std::string wanted = cp1251::FromUtf8(fieldName);
    for (int column = 0; column < m_nCols; ++column) {
        const char* name = sqlite3_column_name(m_pVM, column);
        if (name && wanted == name) return column;
    }
    return -1;
}

CString CSQLite3Query::fieldName(int column) const {
    fieldDataType(column);
    return MessageFromDatabase(sqlite3_column_name(m_pVM, column));
}

int CSQLite3Query::fieldDataType(int column) const {
    checkVM();
    if (column < 0 || column > m_nCols - 1) throw CSQLite3Exception(DBLAYER_ERROR, "Invalid field index requested", false);
    return sqlite3_column_type(m_pVM, column);
}

int CSQLite3Query::checkedIndex(const char* fieldName) const { return fieldIndex(fieldName); }

bool CSQLite3Query::fieldIsNull(int field) const { return fieldDataType(field) == SQLITE_NULL; }

int CSQLite3Query::getIntField(int field, int nullValue) const {
    if (fieldDataType(field) == SQLITE_NULL) return nullValue;
    return sqlite3_column_int(m_pVM, field);
}

int CSQLite3Query::getIntField(const char* fieldName, int nullValue) const {
    return getIntField(checkedIndex(fieldName), nullValue);
}

CString CSQLite3Query::getStringField(int field, const char* nullValue) const {
    if (fieldDataType(field) == SQLITE_NULL) return CString(nullValue);
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(m_pVM, field));
    const int bytes = sqlite3_column_bytes(m_pVM, field);
    return CString(cp1251::ToUtf8(std::string_view(text ? text : "", text ? static_cast<size_t>(bytes) : 0)));
}

CString CSQLite3Query::getStringField(const char* fieldName, const char* nullValue) const {
    return getStringField(checkedIndex(fieldName), nullValue);
}

const unsigned char* CSQLite3Query::getBlobField(int field, int& length) const {
    fieldDataType(field);
    length = sqlite3_column_bytes(m_pVM, field);
    return static_cast<const unsigned char*>(sqlite3_column_blob(m_pVM, field));
}

const unsigned char* CSQLite3Query::getBlobField(const char* fieldName, int& length) const {
    return getBlobField(checkedIndex(fieldName), length);
}

bool CSQLite3Query::eof() const {
    checkVM();
    return m_bEof;
}

void CSQLite3Query::nextRow() {
    checkVM();
    const int result = sqlite3_step(m_pVM);
    if (result == SQLITE_DONE) {
        m_bEof = true;
    } else if (result != SQLITE_ROW) {
        const int code = sqlite3_finalize(m_pVM);
        m_pVM = nullptr;
        ThrowFromConnection(code, m_pDB);
    }
}

void CSQLite3Query::finalize() {
    if (m_pVM && m_bOwnVM) {
        const int result = sqlite3_finalize(m_pVM);
        m_pVM = nullptr;
        if (result != SQLITE_OK) ThrowFromConnection(result, m_pDB);
    }
}

// --- CSQLite3Statement -------------------------------------------------------------------

CSQLite3Statement::CSQLite3Statement(sqlite3* db, sqlite3_stmt* statement) : m_pDB(db), m_pVM(statement) {}

CSQLite3Statement::CSQLite3Statement(CSQLite3Statement&& other) noexcept
    : m_pDB(other.m_pDB), m_pVM(std::exchange(other.m_pVM, nullptr)) {}

CSQLite3Statement& CSQLite3Statement::operator=(CSQLite3Statement&& other) noexcept {
    if (this != &other) {
        try {
            finalize();
        } catch (const CSQLite3Exception&) {
        }
        m_pDB = other.m_pDB;
        m_pVM = std::exchange(other.m_pVM, nullptr);
    }
    return *this;
}

CSQLite3Statement::~CSQLite3Statement() {
    try {
        finalize();
    } catch (const CSQLite3Exception&) {
    }
}

void CSQLite3Statement::checkDB() const {
    if (!m_pDB) throw CSQLite3Exception(DBLAYER_ERROR, "Database not open", false);
}

void CSQLite3Statement::checkVM() const {
    if (!m_pVM) throw CSQLite3Exception(DBLAYER_ERROR, "Null Virtual Machine pointer", false);
}

void CSQLite3Statement::bind(int param, const unsigned char* blobValue, int length) {
    bindBlob(param, blobValue, length, SQLITE_TRANSIENT);
}

void CSQLite3Statement::bindStatic(int param, const unsigned char* blobValue, int length) {
    bindBlob(param, blobValue, length, SQLITE_STATIC);
}

void CSQLite3Statement::bindBlob(int param, const unsigned char* blobValue, int length, void (*destructor)(void*)) {
    checkVM();
    const int result = sqlite3_bind_blob(m_pVM, param, blobValue, length, destructor);
    if (result != SQLITE_OK) throw CSQLite3Exception(result, "Error binding blob param", false);
}

int CSQLite3Statement::execDML() {
    checkDB();
    checkVM();
    if (sqlite3_step(m_pVM) != SQLITE_DONE) ThrowFromConnection(sqlite3_reset(m_pVM), m_pDB);
    const int changes = sqlite3_changes(m_pDB);
    const int result = sqlite3_reset(m_pVM);
    if (result != SQLITE_OK) ThrowFromConnection(result, m_pDB);
    return changes;
}

void CSQLite3Statement::reset() {
    if (!m_pVM) return;
    const int result = sqlite3_reset(m_pVM);
    if (result != SQLITE_OK) ThrowFromConnection(result, m_pDB);
}

void CSQLite3Statement::finalize() {
    if (!m_pVM) return;
    const int result = sqlite3_finalize(m_pVM);
    m_pVM = nullptr;
    if (result != SQLITE_OK) ThrowFromConnection(result, m_pDB);
}

// --- CSQLite3DB --------------------------------------------------------------------------

CSQLite3DB::~CSQLite3DB() { close(); }

void CSQLite3DB::open(const char* fileName) {
    // Only an existing database is opened: the program never creates one, and a mistyped
    // path must not leave an empty file behind. A connection serves one operation on one
    // thread, so SQLite need not lock it around every call.
    const int result =
        sqlite3_open_v2(fileName ? fileName : "", &m_pDB, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr);
    if (result != SQLITE_OK) ThrowFromConnection(result, m_pDB);
    setBusyTimeout(m_nBusyTimeoutMs);
    RegisterCp1251Functions(m_pDB);
    // Some builds of SQLite overwrite every freed page with zeros, which makes deleting or
    // rewriting a form with pictures cost as much again as storing it. Freed pages are left
    // as they are unless clearing them costs nothing, as SQLite does by default.
    sqlite3_exec(m_pDB, "pragma secure_delete = fast", nullptr, nullptr, nullptr);
}

void CSQLite3DB::close() {
    if (m_pDB) {
        sqlite3_close(m_pDB);
        m_pDB = nullptr;
    }
}

void CSQLite3DB::setBusyTimeout(int milliseconds) {
    m_nBusyTimeoutMs = milliseconds;
    sqlite3_busy_timeout(m_pDB, milliseconds);
}

void CSQLite3DB::checkDB() const {
    if (!m_pDB) throw CSQLite3Exception(DBLAYER_ERROR, "Database not open", false);
}

int CSQLite3DB::execDML(const char* sql) {
    checkDB();
    const std::string bytes = cp1251::FromUtf8(sql ? sql : "");
    char* error = nullptr;
    const int result = sqlite3_exec(m_pDB, bytes.c_str(), nullptr, nullptr, &error);
    if (result != SQLITE_OK) {
        const CString message = MessageFromDatabase(error);
        sqlite3_free(error);
        throw CSQLite3Exception(result, message, false);
    }
    return sqlite3_changes(m_pDB);
}

CSQLite3Query CSQLite3DB::execQuery(const char* sql) {
    checkDB();
    sqlite3_stmt* statement = compile(sql);
    const int result = sqlite3_step(statement);
    if (result == SQLITE_DONE) return CSQLite3Query(m_pDB, statement, true);
    if (result == SQLITE_ROW) return CSQLite3Query(m_pDB, statement, false);
    ThrowFromConnection(sqlite3_finalize(statement), m_pDB);
}

CSQLite3Statement CSQLite3DB::compileStatement(const char* sql) {
    checkDB();
    return CSQLite3Statement(m_pDB, compile(sql));
}

int CSQLite3DB::lastRowId() const { return static_cast<int>(sqlite3_last_insert_rowid(m_pDB)); }

sqlite3_stmt* CSQLite3DB::compile(const char* sql) {
    checkDB();
    const std::string bytes = cp1251::FromUtf8(sql ? sql : "");
    const char* tail = nullptr;
    sqlite3_stmt* statement = nullptr;
    const int result = sqlite3_prepare(m_pDB, bytes.c_str(), -1, &statement, &tail);
    // The reason is given with the code: "SQLITE_ERROR[1]: " alone tells the user nothing
    // about a missing table or a damaged file.
    if (result != SQLITE_OK) ThrowFromConnection(result, m_pDB);
    return statement;
}
