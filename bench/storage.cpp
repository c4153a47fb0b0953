// How long storing, loading, rewriting and deleting a fully filled form takes on databases
// that already hold 0, 10,000 and 100,000 stored forms, and what the access layer adds to
// the plain SQLite calls of a save.
//
//   taskset -c 3 build/bench/storage [--rounds=5] [--disk-only | --memory-only]
//
// The form: every common page, 20 observers, 30 threats, 10 points and 4 pictures of about
// 1 MB. The stored forms of the prepared databases have the same common rows (with one
// small picture each), and every tenth of them a row in every species table and its child
// tables, so that a statement that scanned a whole table would show.
//
// The program prepares the databases once, on disk and in a memory-backed folder (where the
// disk's speed cannot hide the layer's own cost), then measures each database in a process
// of its own, the sizes taking turns over several rounds, so that a drift of the machine
// touches every size alike. Each process measures save, load, update and delete with
// Google Benchmark, and in the same process the save's statements replayed through plain
// SQLite calls; what a measurement adds is removed after each iteration, so every database
// keeps its size. The summary gives the medians over the rounds and the medians of the
// per-round ratios.
#include <benchmark/benchmark.h>
#include <sqlite3.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>
#include <array>

#include "db/ProgramFolder.h"
#include "db/SQLite3DB.h"
#include "platform/CxImage.h"
#include "platform/GuiRuntime.h"
#include "store/FormDocument.h"
#include "store/FormTables.h"
#include "store/SqlText.h"
#include "tests/support/StatementRecorder.h"
#include "tests/support/TestPicture.h"
#include "tools/DemoDatabase.h"

namespace fs = std::filesystem;

namespace {

constexpr int kFormType = 900;
constexpr int kSpecies = 9001;
constexpr int kObservers = 20;
constexpr int kThreats = 30;
constexpr int kPoints = 10;
constexpr int kPictures = 4;

void Exec(sqlite3* db, const std::string& sql) {
    char* error = nullptr;
    if (sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
        std::fprintf(stderr, "%s\n%s\n", error ? error : "?", sql.substr(0, 300).c_str());
        sqlite3_free(error);
        std::exit(1);
    }
}

// The nomenclature rows and the form type that the benchmark's form refers to. The texts
// are ASCII, so that the plain SQLite connection needs no code page.
std::string Nomenclature() {
    std::string sql =
        "insert into FormNames (ID, Name) values (900, 'bench');"
        "insert into FormViews (ID, Name) values (9001, 'page');"
        "insert into FormBuilder (FormTypeId, FormViewID, SequenceNum, Caption, ItemDataName, ItemDataValue) values"
        " (900, 9001, 1, 'a', '', 1002), (900, 9001, 2, 'b', '', 1014), (900, 9001, 3, 'c', '', 1017),"
        " (900, 9001, 4, 'd', '', 1018), (900, 9001, 5, 'e', '', 1019), (900, 9001, 6, 'f', '', 1020),"
        " (900, 9001, 7, 'g', '', 1021), (900, 9001, 8, 'h', '', 1022);"
        "insert into EKNM_PROVINCE (ID, EKNM, EKNM_NAME) values (90001, 'SOF', 'Sofia');"
        "insert into EKNM_MUNICIPALITY (ID, Province, EKNM, EKNM_NAME) values (90001, 90001, 'SOF46', 'Sofia');"
        "insert into EKNM_CITIES (ID, EKNM, EKNM_NAME, Province, Municipality) values (90001, '68134', 'Sofia', 90001, 90001);"
        "insert into nSites (ID, SiteName, RIOSW_NP_PP_ID) values (90001, 'Cherni vrah', 1);"
        "insert into rSpecies__Sites (site_id, species_id) values (90001, 9001);"
        "insert into nTortoiseGround (ID, Name) values (90001, 'stony');"
        "insert into nMossExposure (ID, Name) values (90001, 'north');"
        "insert into sAllSpecies (ID, Name_lat, Name_bg, groupID, species_code) values (9001, 'Canis lupus', 'Vylk', 1, '1352');";
    for (const char* table : {"nNUTS", "nRIOSW", "nRUG", "nDL", "nDDS", "nDynamicComboData", "nNP", "nPU", "nPP", "nReserve",
                              "nPR", "nPZ", "nZM", "nSiteCorine", "nSiteOVM", "nSiteNatura2000", "nSiteRamsar"})
        sql += std::string("insert into ") + table + " (ID, Name) values (90001, '" + table + "');";
    for (int i = 1; i <= kObservers; ++i)
        sql += "insert into Person_Colaborator (ID, FirstName, LastName, Organization) values (" + std::to_string(90000 + i) +
               ", 'First', 'Last', 'RIOSW');";
    // Three top-level threats with nine children each: 30 threats.
    int id = 90000;
    for (int top = 1; top <= 3; ++top) {
        sql += "insert into nThreats (ID, Code, Name) values (" + std::to_string(++id) + ", '9" + std::to_string(top) +
               ".', 'threat');";
        for (int child = 1; child <= 9; ++child)
            sql += "insert into nThreats (ID, Code, Name) values (" + std::to_string(++id) + ", '9" + std::to_string(top) +
                   "." + std::to_string(child) + ".', 'threat');";
    }
    return sql;
}

// N stored forms written in bulk, the way a long-used database holds them.
std::string StoredForms(int count) {
    std::string sql = "create temp table n (i integer primary key);"
                      "with recursive c(i) as (select 1 union all select i + 1 from c where i < " +
                      std::to_string(count) +
                      ") insert into n select i from c;"
                      "insert into Forms (ID, FormTypeID, SpeciesID, SpeciesType, FormCode) "
                      " select i, 900, 9001, 1, '1_900_9001_' || i from n;"
                      "insert into Actions (FormID, SessionID, ActionType) select i, 1, 1 from n;"
                      "insert into DlgData_01_Place (ID, FormID, PlaceID, Date, StartTime, EndTime, EKNM_CityID, "
                      " EKNM_MunicipalityID, EKNM_ProvinceID, NUTS_ID, RIOSW_ID_, RUG_ID, DL_ID, DDS_ID, Department, "
                      " SubDepartment, DynamicStrContent, DynamicIntComboContent, DynamicIntRadio, DynamicStrArea1, "
                      " DynamicStrArea2, DynamicStrContent2, DynamicStrContent3Natura2000) "
                      " select i, i, 90001, '2009-06-15', '08:30:00', '---', 90001, 90001, 90001, 90001, 90001, 90001, "
                      " 90001, 90001, '123', 'a', 'plot 5', -1, 1, '100', '200', '', '' from n;"
                      "insert into DlgData_02_Climate (ID, FormID, Cloudness, Rainfall, TemperatureAir, TemperatureWater, "
                      " Wind, SurfaceID) select i, i, 3, 'none', '12', '8', 1, 90001 from n;"
                      "insert into DlgData_03_Coords (ID, FormID, BioRegionID, Altitude, ExposureID) "
                      " select i, i, 1, '1200', 90001 from n;"
                      "with recursive p(k) as (select 1 union all select k + 1 from p where k < 10) "
                      "insert into Coordinates (DlgData_ID, Longtitude_Grad, Longtitude_Minutes, Longtitude_Seconds, "
                      " Longtitude_SocondsAfterPoint, Longtitude_Relativity, Latitude_Grad, Latitude_Minutes, "
                      " Latitude_Seconds, Latitude_SecondsAfterPoint, Latitude_Relativity) "
                      " select i, 23, k, 0, 0, -2, 42, k, 0, 0, -2 from n, p;"
                      "insert into DlgData_04_Locality (ID, FormID, NP_ID, NP_PU_ID, PP_ID, Reserve_ID, PR_ID, PZ_ID, ZM_ID, "
                      " Corine_ID, OVM_ID, Natura_200_ID, Ramsar_ID) "
                      " select i, i, 90001, 90001, 90001, 90001, 90001, 90001, 90001, 90001, 90001, 90001, 90001 from n;"
                      "insert into DlgData_06 (FormID, PersonID) select i, ID from n, Person_Colaborator "
                      " where ID between 90001 and 90020;"
                      "insert into DlgData_07_Threats (FormID, ThreatID) select i, ID from n, nThreats "
                      " where ID between 90001 and 90030;"
                      "insert into DlgData_Images (FormID, IsPhoto, SerialNum, Name, Image) "
                      " select i, 1, 0, 'a.bmp', zeroblob(256) from n;";
    // Every tenth form has a row in each species table (ID = the form's id) and one child
    // row under it.
    for (const char* table : FormTables())
        if (table[0] == 't')
            sql += std::string("insert into ") + table + " (ID, FormID) select i, i from n where i % 10 = 0;";
    for (const CFormChildTable& child : FormChildTables())
        if (std::string(child.table) != "Coordinates")
            sql += std::string("insert into ") + child.table + " (" + child.link + ") select i from n where i % 10 = 0;";
    return sql + "drop table n;";
}

// The template database, then the database of each size in its own folder under `root`.
fs::path PrepareDatabase(const fs::path& root, int storedForms) {
    const fs::path templ = root / "template.db3";
    if (!fs::exists(templ)) {
        BuildDemoDatabase(templ.c_str(), QUORIN_DATA_DIR);
        sqlite3* db = nullptr;
        sqlite3_open(templ.c_str(), &db);
        Exec(db, "begin;" + Nomenclature() + "commit;");
        sqlite3_close(db);
    }
    const fs::path folder = root / std::to_string(storedForms);
    fs::create_directories(folder);
    const fs::path file = folder / "nomenklaturi.db3";
    fs::copy_file(templ, file, fs::copy_options::overwrite_existing);
    if (storedForms > 0) {
        const auto start = std::chrono::steady_clock::now();
        sqlite3* db = nullptr;
        sqlite3_open(file.c_str(), &db);
        // Bulk rows go in without their indexes, which are built once afterwards.
        std::vector<std::string> indexes;
        sqlite3_stmt* statement = nullptr;
        sqlite3_prepare_v2(db, "select name, sql from sqlite_master where type = 'index' and sql is not null", -1,
                           &statement, nullptr);
        std::string drops;
        while (sqlite3_step(statement) == SQLITE_ROW) {
            drops += std::string("drop index ") + reinterpret_cast<const char*>(sqlite3_column_text(statement, 0)) + ";";
            indexes.emplace_back(reinterpret_cast<const char*>(sqlite3_column_text(statement, 1)));
        }
        sqlite3_finalize(statement);
        Exec(db, "pragma journal_mode = off; pragma synchronous = off; begin;" + drops + StoredForms(storedForms));
        for (const std::string& index : indexes) Exec(db, index);
        Exec(db, "commit; pragma journal_mode = delete;");
        sqlite3_close(db);
        std::fprintf(stderr, "prepared %d stored forms in %.1f s\n", storedForms,
                     std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    return folder;
}

// A picture of about 1 MB: 600 x 580 pixels of 24 bits.
CImageRef Picture(int seed) {
    const std::vector<BYTE> bmp = TestBmp(600, 580, seed);
    auto image = std::make_shared<CxImage>();
    image->Decode(bmp.data(), static_cast<DWORD>(bmp.size()), CXIMAGE_FORMAT_BMP);
    return image;
}

void FillForm(CTovan_splitDoc& doc) {
    doc.SessionID = 1;
    doc.RIOSW_ID = 1;
    doc.FormTypeID = kFormType;
    doc.SpeciesID = kSpecies;
    doc.ClearAll();
    CCommonData_01& place = doc.CommonData_01;
    place.PlaceID = 90001;
    place.EKNM_CityID = place.EKNM_MunicipalityID = place.EKNM_ProvinceID = 90001;
    place.NUTS_ID = place.RIOSW_ID_ = place.RUG_ID = place.DL_ID = place.DDS_ID = 90001;
    place.Department = "123";
    place.DynamicStrContent = "plot 5";
    doc.CommonData_02.Rainfall = "none";
    doc.CommonData_02.SurfaceID = 90001;
    doc.CommonData_04.Altitude = "1200";
    doc.CommonData_04.ExposureID = 90001;
    for (int i = 0; i < kPoints; ++i) doc.CommonData_04.Points.Add(CGeoPoint{42, i, 0, 0, 23, i, 0, 0});
    doc.CommonData_05.NP_ID = 90001;
    for (int i = 1; i <= kObservers; ++i) doc.CommonData_06.Observers.Add(CPersonRow{90000 + i, "First", "", "Last", "", "", ""});
    for (int i = 1; i <= kThreats; ++i) doc.CommonData_07_Threat.Threats.Add(CThreatItem{90000 + i, "threat"});
    for (int i = 0; i < kPictures; ++i) {
        CStringArray& names = i < 2 ? doc.CommonData_InsertImages.PhotoNames : doc.CommonData_InsertImages.MapNames;
        CArray<CImageRef>& images = i < 2 ? doc.CommonData_InsertImages.PhotoImages : doc.CommonData_InsertImages.MapImages;
        images.Add(Picture(i));
        names.Add(FormatSql("picture%d.bmp", i));
    }
}

int LastFormId(const fs::path& folder) {
    CSQLite3DB db;
    db.open((folder / "nomenklaturi.db3").c_str());
    return db.execQuery("select max(ID) from Forms").getIntField(0);
}

// One captured statement, ready to be run again: a picture's blob, which the trace wrote
// out as a literal, goes back to being a bound parameter, as the save sends it.
struct ReplayStatement {
    std::string sql;
    std::vector<BYTE> blob;  // bound as parameter 1 when the statement has one
    bool hasBlob = false;
};

std::vector<ReplayStatement> ReplayPlan(const std::vector<std::string>& captured) {
    std::vector<ReplayStatement> plan;
    for (const std::string& sql : captured) {
        ReplayStatement statement{sql, {}, false};
        const size_t start = sql.find("x'");
        if (start != std::string::npos && sql.rfind("insert into DlgData_Images", 0) == 0) {
            const size_t end = sql.find('\'', start + 2);
            for (size_t i = start + 2; i + 1 < end; i += 2)
                statement.blob.push_back(static_cast<BYTE>(std::stoi(sql.substr(i, 2), nullptr, 16)));
            statement.sql = sql.substr(0, start) + "?" + sql.substr(end + 1);
            statement.hasBlob = true;
        }
        plan.push_back(std::move(statement));
    }
    return plan;
}

// The same statements through plain SQLite calls on a connection of their own: sqlite3_exec
// for each, prepare, bind and step for a picture (the captured statements begin and commit
// the transaction).
void Replay(const fs::path& folder, const std::vector<ReplayStatement>& plan) {
    sqlite3* db = nullptr;
    sqlite3_open_v2((folder / "nomenklaturi.db3").c_str(), &db, SQLITE_OPEN_READWRITE, nullptr);
    for (const ReplayStatement& statement : plan) {
        if (!statement.hasBlob) {
            Exec(db, statement.sql);
            continue;
        }
        sqlite3_stmt* prepared = nullptr;
        sqlite3_prepare_v2(db, statement.sql.c_str(), -1, &prepared, nullptr);
        sqlite3_bind_blob(prepared, 1, statement.blob.data(), static_cast<int>(statement.blob.size()), SQLITE_STATIC);
        if (sqlite3_step(prepared) != SQLITE_DONE) std::fprintf(stderr, "replay: %s\n", sqlite3_errmsg(db));
        sqlite3_finalize(prepared);
    }
    sqlite3_close(db);
}

// The database this process measures (--folder), made the program's database.
fs::path g_folder;

// What the database held before a measurement: everything after it is removed again, so
// that the database keeps its size from iteration to iteration and from round to round.
class Baseline {
public:
    Baseline() {
        CSQLite3DB db;
        db.open(File().c_str());
        m_form = db.execQuery("select ifnull(max(ID), 0) from Forms").getIntField(0);
        m_action = db.execQuery("select ifnull(max(ID), 0) from Actions").getIntField(0);
        m_point = db.execQuery("select ifnull(max(ID), 0) from Coordinates").getIntField(0);
    }
    void Restore() const {
        std::string sql = "begin;";
        for (const char* table : FormTables()) sql += std::string("delete from ") + table + " where FormID > " + Id(m_form);
        sql += "delete from Coordinates where ID > " + Id(m_point) + "delete from Actions where ID > " + Id(m_action) +
               "delete from Forms where ID > " + Id(m_form) + "commit;";
        sqlite3* db = nullptr;
        sqlite3_open(File().c_str(), &db);
        Exec(db, sql);
        sqlite3_close(db);
    }

private:
    static std::string File() { return (g_folder / "nomenklaturi.db3").string(); }
    static std::string Id(int id) { return std::to_string(id) + ";"; }
    int m_form = 0, m_action = 0, m_point = 0;
};

double Seconds(std::chrono::steady_clock::duration d) { return std::chrono::duration<double>(d).count(); }

void BM_Save(benchmark::State& state) {
    const Baseline baseline;
    CTovan_splitDoc doc;
    FillForm(doc);
    std::vector<ReplayStatement> statements;
    {
        StatementRecorder recorder;
        doc.SaveNewForm();
        statements = ReplayPlan(recorder.Statements());
    }
    baseline.Restore();
    double replayed = 0;
    for (auto _ : state) {
        if (!doc.SaveNewForm()) state.SkipWithError("save failed");
        state.PauseTiming();
        baseline.Restore();
        const auto start = std::chrono::steady_clock::now();
        Replay(g_folder, statements);
        replayed += Seconds(std::chrono::steady_clock::now() - start);
        baseline.Restore();
        state.ResumeTiming();
    }
    state.counters["replay"] = benchmark::Counter(replayed * 1000 / static_cast<double>(state.iterations()));
    state.counters["statements"] = benchmark::Counter(static_cast<double>(statements.size()));
}

void BM_Load(benchmark::State& state) {
    const Baseline baseline;
    CTovan_splitDoc doc;
    FillForm(doc);
    doc.SaveNewForm();
    const int formId = LastFormId(g_folder);
    for (auto _ : state) {
        doc.ClearAll();
        if (!doc.LoadForm(formId) || doc.CommonData_07_Threat.Threats.GetSize() != kThreats)
            state.SkipWithError("load failed");
    }
    baseline.Restore();
}

void BM_Update(benchmark::State& state) {
    const Baseline baseline;
    CTovan_splitDoc doc;
    FillForm(doc);
    doc.SaveNewForm();
    doc.ClearAll();
    doc.LoadForm(LastFormId(g_folder));
    for (auto _ : state)
        if (!doc.UpdateForm()) state.SkipWithError("update failed");
    baseline.Restore();
}

void BM_Delete(benchmark::State& state) {
    const Baseline baseline;
    CTovan_splitDoc doc;
    FillForm(doc);
    for (auto _ : state) {
        state.PauseTiming();
        doc.SaveNewForm();
        const int formId = LastFormId(g_folder);
        state.ResumeTiming();
        if (!doc.DeleteForm(formId)) state.SkipWithError("delete failed");
        state.PauseTiming();
        baseline.Restore();
        state.ResumeTiming();
    }
}

// One line per operation for the driver: "RESULT name milliseconds".
class LineReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.error_occurred) continue;
            const double ms = run.GetAdjustedRealTime();
            std::string name = run.benchmark_name();
            name = name.substr(3, name.find('/') - 3);  // "BM_Save/min_time:…" gives "Save"
            std::fprintf(stdout, "RESULT %s %.4f\n", name.c_str(), ms);
            if (const auto replay = run.counters.find("replay"); replay != run.counters.end())
                std::fprintf(stdout, "RESULT Replay %.4f\n", replay->second.value);
        }
        std::fflush(stdout);
    }
};

int MeasureOneDatabase(int argc, char** argv) {
    TheProgramFolder().InitAppDir((g_folder.string() + "/").c_str());
    for (auto* benchmark : {benchmark::RegisterBenchmark("BM_Save", BM_Save), benchmark::RegisterBenchmark("BM_Load", BM_Load),
                            benchmark::RegisterBenchmark("BM_Update", BM_Update),
                            benchmark::RegisterBenchmark("BM_Delete", BM_Delete)})
        benchmark->Unit(benchmark::kMillisecond)->MinTime(0.5)->UseRealTime();
    benchmark::Initialize(&argc, argv);
    LineReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}

// --- the driver ------------------------------------------------------------------------------

constexpr std::array<int, 3> kSizes = {0, 10000, 100000};
const std::array<const char*, 5> kOperations = {"Save", "Replay", "Load", "Update", "Delete"};

double Median(std::vector<double> values) {
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

// The figures of one process measuring one database.
std::map<std::string, double> MeasureInChild(const fs::path& folder) {
    const std::string command = "/proc/" + std::to_string(::getpid()) + "/exe --folder=" + folder.string() + " --benchmark_color=false 2>/dev/null";
    std::map<std::string, double> figures;
    FILE* child = ::popen(command.c_str(), "r");
    if (!child) return figures;
    char line[512];
    while (std::fgets(line, sizeof line, child)) {
        char name[64];
        double ms = 0;
        const char* result = std::strstr(line, "RESULT ");
        if (result && std::sscanf(result, "RESULT %63s %lf", name, &ms) == 2) figures[name] = ms;
    }
    ::pclose(child);
    return figures;
}

void Summarize(const char* medium, const std::vector<std::map<int, std::map<std::string, double>>>& rounds) {
    std::printf("\n%s, medians of %zu rounds\n%-8s %11s %11s %11s %12s\n", medium, rounds.size(), "", "0 forms", "10000",
                "100000", "100000 / 0");
    const auto median = [&](int size, const std::function<double(const std::map<std::string, double>&)>& of) {
        std::vector<double> values;
        for (const auto& round : rounds)
            if (const auto found = round.find(size); found != round.end() && !found->second.empty()) values.push_back(of(found->second));
        return Median(values);
    };
    const auto figure = [](const char* name) {
        return [name](const std::map<std::string, double>& f) { return f.count(name) ? f.at(name) : 0.0; };
    };
    for (const char* operation : kOperations) {
        std::printf("%-8s", operation);
        for (const int size : kSizes) std::printf(" %8.2f ms", median(size, figure(operation)));
        std::vector<double> ratios;
        for (const auto& round : rounds) {
            const auto& none = round.at(0);
            const auto& most = round.at(100000);
            if (none.count(operation) && most.count(operation) && none.at(operation) > 0)
                ratios.push_back(most.at(operation) / none.at(operation));
        }
        std::printf(" %12.2f\n", Median(ratios));
    }
    const auto ratio = [](const char* a, const char* b) {
        return [a, b](const std::map<std::string, double>& f) {
            return f.count(a) && f.count(b) && f.at(b) > 0 ? f.at(a) / f.at(b) : 0.0;
        };
    };
    for (const auto& [label, of] : {std::pair{"save/replay", ratio("Save", "Replay")}, std::pair{"update/save", ratio("Update", "Save")}}) {
        std::printf("%-12s", label);
        for (const int size : kSizes) std::printf(" %8.2f   ", median(size, of));
        std::printf("\n");
    }
}

int Drive(int rounds, bool disk, bool memory) {
    const std::string run = "quorin-bench-" + std::to_string(::getpid());
    std::vector<std::pair<const char*, fs::path>> media;
    if (disk) media.emplace_back("on disk", fs::temp_directory_path() / run);
    if (memory) media.emplace_back("in memory (/dev/shm)", fs::path("/dev/shm") / run);
    for (const auto& [name, root] : media) {
        fs::create_directories(root);
        if (root == media.front().second) {
            for (const int size : kSizes) PrepareDatabase(root, size);
        } else {
            fs::copy(media.front().second, root, fs::copy_options::recursive | fs::copy_options::overwrite_existing);
        }
    }
    std::vector<std::vector<std::map<int, std::map<std::string, double>>>> results(media.size());
    for (int round = 0; round < rounds; ++round) {
        std::map<int, std::map<std::string, double>> empty;
        for (auto& medium : results) medium.push_back(empty);
        // The sizes take turns, in an order that changes from round to round.
        for (size_t turn = 0; turn < kSizes.size(); ++turn) {
            const int size = kSizes[(turn + static_cast<size_t>(round)) % kSizes.size()];
            for (size_t m = 0; m < media.size(); ++m) {
                results[m].back()[size] = MeasureInChild(media[m].second / std::to_string(size));
                std::fprintf(stderr, "round %d, %d forms, %s: save %.2f ms\n", round + 1, size, media[m].first,
                             results[m].back()[size]["Save"]);
            }
        }
    }
    for (size_t m = 0; m < media.size(); ++m) Summarize(media[m].first, results[m]);
    for (const auto& [name, root] : media) {
        std::error_code ignored;
        fs::remove_all(root, ignored);
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    // The save shows its progress window and the load builds the hidden threats picker.
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    int rounds = 5;
    bool disk = true, memory = true;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument.rfind("--folder=", 0) == 0) g_folder = argument.substr(9);
        else if (argument.rfind("--rounds=", 0) == 0) rounds = std::max(1, std::atoi(argument.c_str() + 9));
        else if (argument == "--disk-only") memory = false;
        else if (argument == "--memory-only") disk = false;
    }
    if (!g_folder.empty()) {
        GuiRuntime gui(argc, argv);
        return MeasureOneDatabase(argc, argv);
    }
    return Drive(rounds, disk, memory);
}
