// makedb: creates the program's database from the repository's SQL scripts.
//   makedb [--if-absent] <database file> <data folder>
// With --if-absent an existing database is left untouched: it holds the user's forms.
#include <cstdio>
#include <cstring>
#include <filesystem>

#include "db/SQLite3DB.h"
#include "tools/DemoDatabase.h"

int main(int argc, char** argv) {
    int arg = 1;
    const bool ifAbsent = argc > 1 && std::strcmp(argv[1], "--if-absent") == 0;
    if (ifAbsent) ++arg;
    if (argc - arg != 2) {
        std::fprintf(stderr, "usage: makedb [--if-absent] <database file> <data folder>\n");
        return 2;
    }
    const char* database = argv[arg];
    const char* dataDir = argv[arg + 1];
    if (ifAbsent && std::filesystem::exists(database)) return 0;
    try {
        BuildDemoDatabase(database, dataDir);
    } catch (const CSQLite3Exception& e) {
        std::fprintf(stderr, "makedb: %s\n", CSQLiteErrorText(e).GetString());
        return 1;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "makedb: %s\n", e.what());
        return 1;
    }
    std::printf("makedb: created %s\n", database);
    return 0;
}
