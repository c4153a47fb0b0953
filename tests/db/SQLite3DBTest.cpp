#include <gtest/gtest.h>
#include <sqlite3.h>

#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "db/SQLite3DB.h"
#include "tests/support/TestDatabase.h"

namespace fs = std::filesystem;

namespace {

// A database file of its own with one table, for the layer's own rules.
class SQLiteLayer : public ::testing::Test {
protected:
    void SetUp() override {
        folder = MakeTempFolder();
        path = folder + "layer.db3";
        std::ofstream(path.str()).close();
        db.open(path);
        db.execDML("create table T (ID integer primary key, Name text, Count integer, Data blob);");
    }
    void TearDown() override {
        db.close();
        fs::remove_all(folder.str());
    }

    // The text the user would read for what the call throws; "" when it throws nothing.
    template <typename Call>
    static CString Failure(Call call, int* code = nullptr) {
        try {
            call();
        } catch (const CSQLite3Exception& e) {
            if (code) *code = e.errorCode();
            return CSQLiteErrorText(e);
        }
        return "";
    }

    CString folder;
    CString path;
    CSQLite3DB db;
};

}  // namespace

TEST_F(SQLiteLayer, EachFailureCarriesItsCodeNameCodeAndMessage) {
    int code = 0;
    CSQLite3DB closed;
    EXPECT_EQ(Failure([&] { closed.execDML("select 1"); }, &code), "DBLAYER_ERROR[1000]: Database not open\n");
    EXPECT_EQ(code, 1000);

    CSQLite3Query empty;
    EXPECT_EQ(Failure([&] { empty.eof(); }), "DBLAYER_ERROR[1000]: Null Virtual Machine pointer\n");
    CSQLite3Statement noStatement;
    EXPECT_EQ(Failure([&] { noStatement.bind(1, nullptr, 0); }), "DBLAYER_ERROR[1000]: Null Virtual Machine pointer\n");

    CSQLite3Query q = db.execQuery("select ID, Name from T");
    EXPECT_EQ(Failure([&] { q.fieldIndex(nullptr); }), "DBLAYER_ERROR[1000]: Invalid field name requested\n");
    EXPECT_EQ(Failure([&] { q.getStringField("Missing"); }), "DBLAYER_ERROR[1000]: Invalid field index requested\n");
    EXPECT_EQ(Failure([&] { q.getIntField(2); }), "DBLAYER_ERROR[1000]: Invalid field index requested\n");
    EXPECT_EQ(Failure([&] { q.getIntField(-1); }), "DBLAYER_ERROR[1000]: Invalid field index requested\n");

    // A failing prepare says why, as the same error through exec does.
    EXPECT_EQ(Failure([&] { db.execQuery("select * from Missing"); }, &code), "SQLITE_ERROR[1]: no such table: Missing\n");
    EXPECT_EQ(code, 1);
    EXPECT_EQ(Failure([&] { db.execDML("insert into Missing values (1)"); }), "SQLITE_ERROR[1]: no such table: Missing\n");
    // A column that does not exist is named in Bulgarian.
    EXPECT_EQ(Failure([&] { db.execDML("update T set Nmae = 'x'"); }), "SQLITE_ERROR[1]: не съществува колона: Nmae\n");

    // A step that fails reports the finalize's code and the connection's message.
    db.execDML("create table U (ID integer primary key, V text unique); insert into U (V) values ('a');");
    EXPECT_EQ(Failure([&] { db.execQuery("insert into U (V) values ('a')"); }, &code),
              "SQLITE_CONSTRAINT[19]: UNIQUE constraint failed: U.V\n");
    EXPECT_EQ(code, 19);
    EXPECT_STREQ(CSQLite3Exception::errorCodeAsString(42), "UNKNOWN_ERROR");
}

TEST_F(SQLiteLayer, MissingOrDamagedFilesAreReportedNotCreated) {
    CSQLite3DB missing;
    int code = 0;
    const CString absent = folder + "absent.db3";
    EXPECT_EQ(Failure([&] { missing.open(absent); }, &code), "SQLITE_CANTOPEN[14]: unable to open database file\n");
    EXPECT_FALSE(fs::exists(absent.str()));

    const CString damaged = folder + "damaged.db3";
    std::ofstream(damaged.str()) << "this is no database, only some text that fills the header page";
    CSQLite3DB broken;
    broken.open(damaged);  // SQLite reads the header lazily
    EXPECT_EQ(Failure([&] { broken.execQuery("select * from Forms"); }), "UNKNOWN_ERROR[26]: file is not a database\n");
    EXPECT_EQ(Failure([&] { broken.execDML("delete from Forms"); }), "UNKNOWN_ERROR[26]: file is not a database\n");
}

TEST_F(SQLiteLayer, NullsGiveTheCallersDefaultsAndNamesMatchExactly) {
    db.execDML("insert into T (Name, Count) values (NULL, NULL); insert into T (Name, Count) values ('', 0);");
    CSQLite3Query q = db.execQuery("select ID, Name, Count as Cnt from T order by ID");
    ASSERT_FALSE(q.eof());
    EXPECT_EQ(q.getIntField("Cnt", -1), -1);
    EXPECT_EQ(q.getStringField("Name", "none"), "none");
    EXPECT_EQ(q.fieldIndex("Cnt"), 2);
    EXPECT_EQ(q.fieldIndex("cnt"), -1);    // case matters
    EXPECT_EQ(q.fieldIndex("Count"), -1);  // the alias is the name
    q.nextRow();
    EXPECT_EQ(q.getIntField("Cnt", -1), 0);
    EXPECT_EQ(q.getStringField(1, "none"), "");
    q.nextRow();
    EXPECT_TRUE(q.eof());
    EXPECT_TRUE(db.execQuery("select * from T where ID < 0").eof());
}

TEST_F(SQLiteLayer, TextComesBackUnchangedAndIsStoredInCodePage1251) {
    const CString awkward = "О'Нийл 100% C:\\Reports\\ \"цитат\" № ";
    CString quoted = awkward;
    quoted.Replace("'", "''");
    db.execDML(CString("insert into T (Name) values ('") + quoted + "')");
    const int id = db.lastRowId();
    CString sql;
    sql.Format("select Name from T where ID = %d", id);
    EXPECT_EQ(db.execQuery(sql).getStringField("Name"), awkward);

    // Another program reading the file sees 1251 bytes.
    db.execDML("insert into T (Name) values ('Вълк')");
    sqlite3* raw = nullptr;
    ASSERT_EQ(sqlite3_open(path, &raw), SQLITE_OK);
    sqlite3_stmt* stmt = nullptr;
    ASSERT_EQ(sqlite3_prepare_v2(raw, "select Name from T order by ID desc limit 1", -1, &stmt, nullptr), SQLITE_OK);
    ASSERT_EQ(sqlite3_step(stmt), SQLITE_ROW);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0))), "\xC2\xFA\xEB\xEA");
    sqlite3_finalize(stmt);
    sqlite3_close(raw);

    // Cyrillic identifiers are 1251 in the file and found by their UTF-8 name.
    db.execDML("create table M (\"RocksЕxistance\" integer); insert into M values (1);");
    CSQLite3Query q = db.execQuery("select * from M");
    EXPECT_EQ(q.fieldIndex("RocksЕxistance"), 0);
    EXPECT_EQ(q.fieldIndex("RocksExistance"), -1);  // Latin E is another name
    EXPECT_EQ(q.fieldName(0), "RocksЕxistance");
}

TEST_F(SQLiteLayer, ScriptsStopAtTheFirstFailingStatement) {
    EXPECT_NE(Failure([&] {
                  db.execDML("insert into T (Name) values ('a'); insert into Nowhere values (1); insert into T (Name) values ('b');");
              }),
              "");
    CSQLite3Query q = db.execQuery("select count(*) as N from T");
    EXPECT_EQ(q.getIntField("N"), 1);  // the first stays, the third never ran
}

TEST_F(SQLiteLayer, AssigningAQueryFinalizesTheOldStatementOnce) {
    db.execDML("insert into T (Name) values ('a'); insert into T (Name) values ('b');");
    CSQLite3Query q = db.execQuery("select Name from T order by ID");
    EXPECT_EQ(q.getStringField(0), "a");
    q = db.execQuery("select Count from T");  // the first statement is released here
    EXPECT_EQ(q.numFields(), 1);
    EXPECT_EQ(q.fieldIndex("Count"), 0);
    CSQLite3Query moved = std::move(q);
    EXPECT_THROW(q.eof(), CSQLite3Exception);  // the source holds nothing any more
    EXPECT_FALSE(moved.eof());
    moved.finalize();
    moved.finalize();  // a second finalize does nothing
    // With every statement released the connection can close cleanly and reopen.
    db.close();
    db.open(path);
    EXPECT_EQ(db.execDML("delete from T"), 2);
}

TEST_F(SQLiteLayer, BlobsAreBoundAndReadBackByteForByte) {
    const unsigned char bytes[] = {'B', 'M', 0, 1, 0xFF, 0xC2, 0x98, 0};
    CSQLite3Statement stmt = db.compileStatement("insert into T (Name, Data) values ('снимка', ?)");
    stmt.bind(1, bytes, sizeof bytes);
    EXPECT_EQ(stmt.execDML(), 1);
    stmt.bind(1, bytes, 2);
    EXPECT_EQ(stmt.execDML(), 1);
    stmt.finalize();
    CSQLite3Query q = db.execQuery("select Data from T order by ID");
    int length = 0;
    const unsigned char* data = q.getBlobField("Data", length);
    ASSERT_EQ(length, static_cast<int>(sizeof bytes));
    EXPECT_EQ(std::memcmp(data, bytes, sizeof bytes), 0);
    q.nextRow();
    q.getBlobField(0, length);
    EXPECT_EQ(length, 2);
    db.execDML("insert into T (Name) values ('без')");
    CSQLite3Query nullBlob = db.execQuery("select Data from T where Name = 'без'");
    EXPECT_EQ(nullBlob.getBlobField(0, length), nullptr);
    EXPECT_EQ(length, 0);

    CSQLite3Statement bad = db.compileStatement("insert into T (Data) values (?)");
    int code = 0;
    EXPECT_EQ(Failure([&] { bad.bind(2, bytes, 1); }, &code), "SQLITE_RANGE[25]: Error binding blob param\n");
}

TEST_F(SQLiteLayer, ALockedDatabaseIsWaitedForThenReportedBusy) {
    CSQLite3DB other;
    other.open(path);
    other.execDML("begin exclusive transaction; insert into T (Name) values ('held');");
    db.setBusyTimeout(200);
    int code = 0;
    const auto started = std::chrono::steady_clock::now();
    const CString text = Failure([&] { db.execDML("insert into T (Name) values ('mine')"); }, &code);
    EXPECT_GE(std::chrono::steady_clock::now() - started, std::chrono::milliseconds(150));
    EXPECT_EQ(code, SQLITE_BUSY);
    EXPECT_EQ(text, "SQLITE_BUSY[5]: database is locked\n");
    other.execDML("commit;");
    EXPECT_EQ(db.execDML("insert into T (Name) values ('mine')"), 1);
}

TEST_F(SQLiteLayer, SearchesFoldCyrillicLettersOfTheCodePage) {
    db.execDML("insert into T (Name) values ('Централен Балкан'); insert into T (Name) values ('Рила');"
               "insert into T (Name) values ('ЮЖЕН 100%'); insert into T (Name) values ('Ёлхово');");
    const auto count = [&](const char* where) {
        return db.execQuery(CString("select count(*) as N from T where ") + where).getIntField("N");
    };
    EXPECT_EQ(count("upper(Name) like upper('%централен%')"), 1);
    EXPECT_EQ(count("Name like '%балкан'"), 1);
    EXPECT_EQ(count("Name like 'р_ла'"), 1);
    EXPECT_EQ(count("Name like '%ен%'"), 2);
    EXPECT_EQ(count("Name like 'ёлх%'"), 1);
    EXPECT_EQ(count("Name like '%100!%' escape '!'"), 1);
    EXPECT_EQ(count("Name like '%100!%x' escape '!'"), 0);
    EXPECT_EQ(count("'' like ''"), 4);
    EXPECT_EQ(db.execQuery("select upper('вълк wolf') as U").getStringField("U"), "ВЪЛК WOLF");
}
