#pragma once
// Every statement SQLite runs on any connection opened while a recorder lives, as SQLite
// received it: the program's SQL text with bound values written out (a blob as a literal).
// The text is in the file's code page, as the access layer sent it.
#include <sqlite3.h>

#include <functional>
#include <string>
#include <vector>

class StatementRecorder {
public:
    // `beforeEach` is called with each statement just before SQLite runs it.
    explicit StatementRecorder(std::function<void(const std::string&)> beforeEach = {})
        : m_beforeEach(std::move(beforeEach)) {
        Current() = this;
        sqlite3_auto_extension(reinterpret_cast<void (*)()>(&Install));
    }
    ~StatementRecorder() {
        sqlite3_cancel_auto_extension(reinterpret_cast<void (*)()>(&Install));
        Current() = nullptr;
    }
    StatementRecorder(const StatementRecorder&) = delete;
    StatementRecorder& operator=(const StatementRecorder&) = delete;

    const std::vector<std::string>& Statements() const { return m_statements; }

    // The statements that begin with `start`, in the order they ran.
    std::vector<std::string> StartingWith(const std::string& start) const {
        std::vector<std::string> found;
        for (const std::string& sql : m_statements)
            if (sql.rfind(start, 0) == 0) found.push_back(sql);
        return found;
    }

private:
    static StatementRecorder*& Current() {
        static StatementRecorder* current = nullptr;
        return current;
    }
    static int Install(sqlite3* db, char**, const void*) {
        sqlite3_trace_v2(db, SQLITE_TRACE_STMT, &Record, nullptr);
        return SQLITE_OK;
    }
    static int Record(unsigned, void*, void* statement, void*) {
        if (Current()) {
            char* sql = sqlite3_expanded_sql(static_cast<sqlite3_stmt*>(statement));
            Current()->m_statements.emplace_back(sql ? sql : "");
            sqlite3_free(sql);
            if (Current()->m_beforeEach) Current()->m_beforeEach(Current()->m_statements.back());
        }
        return 0;
    }

    std::function<void(const std::string&)> m_beforeEach;
    std::vector<std::string> m_statements;
};
