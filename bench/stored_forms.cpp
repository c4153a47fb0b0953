// How long the list of stored forms takes, on databases holding 1,000, 10,000 and 100,000
// stored forms:
// - each filter with the row limit 100, as the list runs it (a new connection, the choice of
//   plan, the statement, every column of every row read back, the connection closed): none,
//   a user with few forms, a user with many, a form type, a form type and a user, a form
//   type without forms; its time should not grow with the number of forms;
// - "Покажи всички": the whole list read and put into the list's grid, emptied first.
//
//   build/bench/stored_forms [--benchmark_filter=...] [--benchmark_repetitions=3]
//
// Two forms in three are of form type 1, the others spread over 46 more; the forms belong to
// 5 users and 200 sessions of 30 inspectorates and all four levels of the species tree;
// every seventh form was changed (twice for every 21st) and every thirteenth deleted. A sixth
// user has one session and 5 forms whatever the size. So every filter that finds forms finds
// its 100 at each size (user 1 has over 100 forms of type 1 even among 1,000), and the times
// compare the same work. The plans are printed first (EXPLAIN QUERY PLAN) for the largest
// database.
#include <benchmark/benchmark.h>
#include <sqlite3.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>

#include "controls/grid/GridCtrl.h"
#include "db/SQLite3DB.h"
#include "platform/GuiRuntime.h"
#include "shell/MyFormView.h"
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
           " select i, case when i % 3 <> 0 then 1 else 2 + i % 46 end, "
           " case i % 5 when 0 then 1 + i % 100 when 1 then 1 when 2 then 1 "
           " when 3 then 2 else 7 end, 1 + i % 4, 'code_' || i from n;"
           "insert into Actions (FormID, SessionID, ActionType) select i, 1 + i % 200, 1 from n;"
           "insert into Actions (FormID, SessionID, ActionType) select i, 1 + i % 200, 3 from n where i % 7 = 0;"
           "insert into Actions (FormID, SessionID, ActionType) select i, 1 + i % 200, 3 from n where i % 21 = 0;"
           "insert into Actions (FormID, SessionID, ActionType) select i, 1 + i % 200, 2 from n where i % 13 = 0;"
           "update Forms set Del = 1 where ID % 13 = 0;"
           "insert into Users (ID, UserName) values (95, 'u5');"
           "insert into Sessions (ID, UserID, RIOSW_ID) values (201, 95, 1);"
           "update Actions set SessionID = 201 where ActionType = 1 and FormID % 13 <> 0 and FormID % (" + n +
           " / 5) = 1;"
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

struct Filter {
    const char* name;
    int formType;
    int user;
};

// User 91 created a fifth of the forms; user 95 five of them; user 1, a fifth, of every type.
const Filter kFilters[] = {
    {"none", -1, -1}, {"user_few", -1, 95}, {"user_many", -1, 91},
    {"type", 1, -1},  {"type_user", 1, 1},  {"type_none", 999, -1},
};

void ListStoredForms(benchmark::State& state) {
    const int storedForms = static_cast<int>(state.range(0));
    const Filter& filter = kFilters[state.range(1)];
    const std::string path = PreparedDatabase(storedForms).string();
    size_t rows = 0;
    for (auto _ : state) {
        CSQLite3DB db;
        db.open(path.c_str());
        rows = 0;
        CSQLite3Query query =
            db.execQuery(StoredFormsQuery(filter.formType, filter.user, 100, ChooseStoredFormsPlan(db, filter.user)));
        const CStoredFormReader reader(query);
        for (; !query.eof(); query.nextRow()) {
            benchmark::DoNotOptimize(reader.Read(query));
            ++rows;
        }
    }
    state.SetLabel(filter.name);
    state.counters["rows"] = static_cast<double>(rows);
}

// The statement of "Покажи всички" alone, every row read.
void ReadAll(benchmark::State& state) {
    const std::string path = PreparedDatabase(static_cast<int>(state.range(0))).string();
    for (auto _ : state) {
        CSQLite3DB db;
        db.open(path.c_str());
        CSQLite3Query query = db.execQuery(StoredFormsQuery(-1, -1, -1));
        const CStoredFormReader reader(query);
        for (; !query.eof(); query.nextRow()) benchmark::DoNotOptimize(reader.Read(query));
    }
}

// The list's grid as the list sets it up, in a shown window.
struct ListGrid {
    ListGrid() {
        owner.CreateEx(0, nullptr, "list benchmark", WS_OVERLAPPED | WS_VISIBLE, CRect(0, 0, 820, 620), nullptr, 0);
        grid.Create(CRect(0, 0, 800, 600), &owner, 1);
        for (int col = 0; col < CMyFormView::kColumnCount; ++col) grid.InsertColumn("Колона", DT_CENTER, -1);
        grid.SetFixedRowCount(1);
        grid.SetEditable(FALSE);
        grid.SetListMode(TRUE);
        GuiRuntime::PumpMessages();
    }
    ~ListGrid() {
        grid.DestroyWindow();
        owner.DestroyWindow();
    }
    CWnd owner;
    CGridCtrl grid;
};

// "Покажи всички" as the list runs it, into a grid that holds the previous fill.
void ShowAll(benchmark::State& state) {
    const std::string path = PreparedDatabase(static_cast<int>(state.range(0))).string();
    ListGrid list;
    for (auto _ : state) {
        list.grid.SetRedraw(FALSE);
        list.grid.DeleteNonFixedRows();
        CSQLite3DB db;
        db.open(path.c_str());
        CSQLite3Query query = db.execQuery(StoredFormsQuery(-1, -1, -1));
        CMyFormView::AppendRows(list.grid, query);
        list.grid.SetRedraw(TRUE, TRUE);
    }
    state.counters["rows"] = static_cast<double>(list.grid.GetRowCount() - 1);
}

void PrintPlans() {
    sqlite3* db = nullptr;
    sqlite3_open(PreparedDatabase(100000).c_str(), &db);
    for (const Filter& filter : kFilters) {
        CSQLite3DB layer;
        layer.open(PreparedDatabase(100000).c_str());
        const StoredFormsPlan plan = ChooseStoredFormsPlan(layer, filter.user);
        const std::string sql =
            "explain query plan " + std::string(StoredFormsQuery(filter.formType, filter.user, 100, plan).GetString());
        std::printf("plan of %s:\n", filter.name);
        sqlite3_stmt* statement = nullptr;
        sqlite3_prepare_v2(db, sql.c_str(), -1, &statement, nullptr);
        while (sqlite3_step(statement) == SQLITE_ROW)
            std::printf("  %s\n", reinterpret_cast<const char*>(sqlite3_column_text(statement, 3)));
        sqlite3_finalize(statement);
    }
    sqlite3_close(db);
}

}  // namespace

BENCHMARK(ListStoredForms)
    ->ArgNames({"forms", "filter"})
    ->ArgsProduct({{1000, 10000, 100000}, {0, 1, 2, 3, 4, 5}})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(ReadAll)->ArgNames({"forms"})->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(ShowAll)->ArgNames({"forms"})->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    GuiRuntime gui(argc, argv);
    benchmark::Initialize(&argc, argv);
    PrintPlans();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
