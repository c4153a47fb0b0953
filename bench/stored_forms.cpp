// How long the list of stored forms takes to read, as the list runs it (a new connection,
// the statement, every column of every row read back, the connection closed), on databases
// holding 1,000, 10,000 and 100,000 stored forms, with the row limit 100 and without one.
//
//   build/bench/stored_forms [--benchmark_filter=...]
//
// The forms are spread over 47 form types, 5 users and 200 sessions of 30 inspectorates and
// all four levels of the species tree; every seventh form was changed (twice for every
// 21st) and every thirteenth deleted. With the limit, the time should hardly grow with the
// number of forms.
#include <benchmark/benchmark.h>
#include <sqlite3.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>

#include "db/SQLite3DB.h"
#include "shell/StoredForms.h"
#include "tools/DemoDatabase.h"

namespace fs = std::filesystem;

namespace {

void Exec(sqlite3* db, const std::string& sql) {
    char* error = nullptr;
    if (sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
        std::fprintf(stderr, "%s\n", error ? error : "?");
        sqlite3_free(error);
        std::exit(1);
    }
}

std::string StoredForms(int count) {
    const std::string n = std::to_string(count);
    return "insert into Users (ID, UserName) values (91, 'u1'), (92, 'u2'), (93, 'u3'), (94, 'u4');"
           "create temp table n (i integer primary key);"
           "with recursive c(i) as (select 1 union all select i + 1 from c where i < " + n + ") "
           "insert into n select i from c;"
           "insert into Sessions (ID, UserID, RIOSW_ID) "
           " select i, case i % 5 when 0 then 1 else 90 + i % 5 end, 1 + i % 30 from n where i <= 200;"
           // Every level of the species tree: species, subgroup 1, the trial plot, a group, super group 7.
           "insert into Forms (ID, FormTypeID, SpeciesID, SpeciesType, FormCode) "
           " select i, 1 + i % 47, case i % 5 when 0 then 1 + i % 100 when 1 then 1 when 2 then 1 "
           " when 3 then 2 else 7 end, 1 + i % 4, 'code_' || i from n;"
           "insert into Actions (FormID, SessionID, ActionType) select i, 1 + i % 200, 1 from n;"
           "insert into Actions (FormID, SessionID, ActionType) select i, 1 + i % 200, 3 from n where i % 7 = 0;"
           "insert into Actions (FormID, SessionID, ActionType) select i, 1 + i % 200, 3 from n where i % 21 = 0;"
           "insert into Actions (FormID, SessionID, ActionType) select i, 1 + i % 200, 2 from n where i % 13 = 0;"
           "update Forms set Del = 1 where ID % 13 = 0;"
           "drop table n;";
}

// The run's own folder, removed when the run ends.
struct ScratchFolder {
    fs::path path = fs::temp_directory_path() / ("quorin-bench-list-" + std::to_string(::getpid()));
    ScratchFolder() { fs::create_directories(path); }
    ~ScratchFolder() {
        std::error_code ignored;
        fs::remove_all(path, ignored);
    }
};

// One database per size, built once per run.
const fs::path& PreparedDatabase(int storedForms) {
    static const ScratchFolder scratch;
    const fs::path& root = scratch.path;
    static std::map<int, fs::path> built;
    if (auto found = built.find(storedForms); found != built.end()) return found->second;
    const fs::path templ = root / "template.db3";
    if (!fs::exists(templ)) BuildDemoDatabase(templ.c_str(), QUORIN_DATA_DIR);
    const fs::path file = root / (std::to_string(storedForms) + ".db3");
    fs::copy_file(templ, file, fs::copy_options::overwrite_existing);
    sqlite3* db = nullptr;
    sqlite3_open(file.c_str(), &db);
    Exec(db, "begin;" + StoredForms(storedForms) + "commit;");
    sqlite3_close(db);
    return built[storedForms] = file;
}

void ListStoredForms(benchmark::State& state) {
    const int storedForms = static_cast<int>(state.range(0));
    const int limit = static_cast<int>(state.range(1));
    const std::string path = PreparedDatabase(storedForms).string();
    size_t rows = 0;
    for (auto _ : state) {
        CSQLite3DB db;
        db.open(path.c_str());
        rows = 0;
        CSQLite3Query query = db.execQuery(StoredFormsQuery(-1, -1, limit));
        const CStoredFormReader reader(query);
        for (; !query.eof(); query.nextRow()) {
            benchmark::DoNotOptimize(reader.Read(query));
            ++rows;
        }
    }
    state.counters["rows"] = static_cast<double>(rows);
}

}  // namespace

BENCHMARK(ListStoredForms)
    ->ArgNames({"forms", "limit"})
    ->ArgsProduct({{1000, 10000, 100000}, {100, 0}})
    ->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
