#include "DemoDatabase.h"

#include <sqlite3.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

#include "db/SQLite3DB.h"

namespace fs = std::filesystem;

void RunSqlScript(CSQLite3DB& db, const char* scriptPath) {
    std::ifstream file(scriptPath, std::ios::binary);
    if (!file) {
        CString message;
        message.Format("cannot read %s", scriptPath);
        throw CSQLite3Exception(SQLITE_CANTOPEN, message, false);
    }
    std::ostringstream text;
    text << file.rdbuf();
    db.execDML(text.str().c_str());
}

void BuildDemoDatabase(const char* dbPath, const char* dataDir) {
    const fs::path target(dbPath);
    fs::path partial = target;
    partial += ".partial";
    std::error_code ignored;
    fs::remove(partial, ignored);
    // An empty file is an empty database; the access layer opens only existing files.
    std::ofstream(partial, std::ios::binary).close();

    std::vector<fs::path> seeds;
    const fs::path seedDir = fs::path(dataDir) / "seed";
    if (fs::is_directory(seedDir))
        for (const auto& entry : fs::directory_iterator(seedDir))
            if (entry.path().extension() == ".sql") seeds.push_back(entry.path());
    std::sort(seeds.begin(), seeds.end());

    try {
        CSQLite3DB db;
        db.open(partial.c_str());
        db.execDML("begin transaction;");
        RunSqlScript(db, (fs::path(dataDir) / "schema.sql").c_str());
        for (const auto& seed : seeds) RunSqlScript(db, seed.c_str());
        db.execDML("commit transaction;");
    } catch (...) {
        fs::remove(partial, ignored);
        throw;
    }
    fs::rename(partial, target);
}
