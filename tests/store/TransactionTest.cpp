// A form is stored, rewritten and deleted whole or not at all, and only its own rows move.
#include "StoreFixture.h"

#include <cstdlib>
#include <new>
#include <set>
#include <vector>

#include "store/FormTables.h"
#include "store/SqlText.h"
#include "tests/support/StatementRecorder.h"

namespace {

bool failNextAllocation = false;

}  // namespace

// Memory running out on demand: once armed, the next allocation of the program fails.
void* operator new(std::size_t size) {
    if (failNextAllocation) {
        failNextAllocation = false;
        throw std::bad_alloc();
    }
    if (void* memory = std::malloc(size ? size : 1)) return memory;
    throw std::bad_alloc();
}
void operator delete(void* memory) noexcept { std::free(memory); }
void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }

namespace {

// A form with a row on every common page and a new site, so that a failure late in the
// save has much to undo.
std::unique_ptr<CTovan_splitDoc> FullForm(std::unique_ptr<CTovan_splitDoc> doc) {
    doc->CommonData_01.PlaceID = CCommonData_01::kNewSite;
    doc->CommonData_01.SiteName = "Нов обект";
    doc->CommonData_04.Points.Add(CGeoPoint{42, 0, 0, 0, 23, 0, 0, 0});
    doc->CommonData_06.Observers.Add(CPersonRow{90001, "Иван", "", "", "", "", ""});
    doc->CommonData_07_Threat.Threats.Add(CThreatItem{kThreatTop, "Земеделие"});
    return doc;
}

}  // namespace

TEST_F(StoreTest, ASaveThatFailsOnTheWayLeavesEveryTableAsItWas) {
    auto earlier = FullForm(NewDocument());
    ASSERT_TRUE(earlier->SaveNewForm());

    const struct Failure {
        const char* sql;
        const char* message;  // how the shown text begins
    } failures[] = {
        // the last page of the form cannot be written
        {"create trigger refuse before insert on DlgData_07_Threats begin select raise(abort, 'disk full'); end",
         "SQLITE_CONSTRAINT[19]: disk full"},
        // a table is missing from the file
        {"drop table DlgData_04_Locality", "SQLITE_ERROR[1]"},
    };
    for (const Failure& failure : failures) {
        SCOPED_TRACE(failure.sql);
        Exec(failure.sql);
        const std::string before = Snapshot();
        boxes.Reset();
        auto doc = FullForm(NewDocument());
        EXPECT_FALSE(doc->SaveNewForm());
        EXPECT_EQ(Snapshot(), before);
        ASSERT_EQ(boxes.Texts().size(), 1u);
        EXPECT_EQ(boxes.Texts()[0].Left(CString(failure.message).GetLength()), failure.message);
    }
}

TEST_F(StoreTest, ASaveWhileAnotherProgramHoldsTheDatabaseWritesNothing) {
    const std::string before = Snapshot();
    CSQLite3DB other;
    other.open(database.Path());
    other.execDML("begin immediate transaction;");
    auto doc = FullForm(NewDocument());
    EXPECT_FALSE(doc->SaveNewForm());
    other.execDML("rollback transaction;");
    EXPECT_EQ(Snapshot(), before);
    EXPECT_EQ(boxes.Texts(), std::vector<CString>{"SQLITE_BUSY[5]: database is locked\n"});
    // Once the other program is done, the same form stores.
    EXPECT_TRUE(doc->SaveNewForm());
}

TEST_F(StoreTest, OnlyStepsWithStoredPagesWriteRows) {
    // A form type without steps: the header, its code and its creation.
    auto bare = NewDocument(kNoSteps, 19001);
    ASSERT_TRUE(bare->SaveNewForm());
    const int formId = LastFormId();
    EXPECT_EQ(Text(FormatSql("select FormCode || '|' || ifnull(Del, 'live') from Forms where ID = %d", formId)),
              FormatSql("1_901_19001_%d|live", formId));
    EXPECT_EQ(Count("Actions", FormatSql("FormID = %d and SessionID = 7 and ActionType = 1", formId)), 1);
    for (const char* table : FormTables()) EXPECT_EQ(Count(table), 0) << table;
    EXPECT_EQ(bare->FormID, -1);  // a new form's id stays with the database

    // Form type 900 also holds 1016 (forestry units), 1022 (final step), 6901 (fish species
    // choice), 7020 and 6601, a species page whose family is not stored yet.
    auto doc = NewDocument();
    doc->CommonData_03.Department = "12";
    ASSERT_TRUE(doc->SaveNewForm());
    const CString form = FormatSql("FormID = %d", LastFormId());
    for (const char* table : {"DlgData_01_Place", "DlgData_02_Climate", "DlgData_03_Coords", "DlgData_04_Locality"})
        EXPECT_EQ(Count(table, form), 1) << table;
    EXPECT_EQ(Count("DlgData_06") + Count("DlgData_07_Threats") + Count("DlgData_Images"), 0);
    EXPECT_TRUE(boxes.Texts().empty());
}

TEST_F(StoreTest, AnUpdateKeepsTheFormAndReplacesItsRows) {
    auto doc = FullForm(NewDocument());
    doc->CommonData_06.Observers.Add(CPersonRow{90002, "", "", "", "", "", ""});
    ASSERT_TRUE(doc->SaveNewForm());
    const int formId = LastFormId();
    const CString form = FormatSql("FormID = %d", formId);
    const CString code = Text(FormatSql("select FormCode from Forms where ID = %d", formId));

    auto edited = Loaded(formId);
    edited->SpeciesID = 109001;  // the taxon of a stored form does not change by an update
    edited->CommonData_02.Rainfall = "силен дъжд";
    edited->CommonData_06.Observers.RemoveAt(0);
    edited->CommonData_04.Points.Add(CGeoPoint{43, 0, 0, 0, 24, 0, 0, 0});
    ASSERT_TRUE(edited->UpdateForm());

    EXPECT_EQ(Count("Forms"), 1);
    EXPECT_EQ(Text(FormatSql("select FormCode || '|' || SpeciesID || '|' || SpeciesType from Forms where ID = %d", formId)),
              code + "|9001|1");
    EXPECT_EQ(Count("Actions", FormatSql("FormID = %d and ActionType = 3 and SessionID = 7", formId)), 1);
    EXPECT_EQ(Count("DlgData_01_Place", form), 1);
    EXPECT_EQ(Text(FormatSql("select Rainfall from DlgData_02_Climate where %s", form)), "силен дъжд");
    EXPECT_EQ(Number(FormatSql("select group_concat(PersonID) from DlgData_06 where %s", form)), 90002);
    EXPECT_EQ(Count("Coordinates"), 2);
    // The site the form created stays the form's site; no second one appears.
    EXPECT_EQ(Count("nSites"), 2);
}

TEST_F(StoreTest, ANewSiteIsCreatedOnceHoweverOftenTheOpenFormIsStored) {
    auto doc = FullForm(NewDocument());
    ASSERT_TRUE(doc->SaveNewForm());
    const int formId = LastFormId();
    auto edited = Loaded(formId);
    const auto expectOneSite = [&](const char* name) {
        SCOPED_TRACE(name);
        EXPECT_EQ(Count("nSites", FormatSql("SiteName = '%s'", name)), 1);
        const int site = Number(FormatSql("select ID from nSites where SiteName = '%s'", name));
        EXPECT_EQ(edited->CommonData_01.PlaceID, site);
        EXPECT_EQ(Number(FormatSql("select PlaceID from DlgData_01_Place where FormID = %d", formId)), site);
        EXPECT_EQ(Count("rSite__RIOSW_NP_PP", FormatSql("site_id = %d", site)), 1);
        EXPECT_EQ(Count("rSpecies__Sites", FormatSql("site_id = %d", site)), 1);
    };

    // "Редактирай" three times on a form whose place became a new site.
    edited->CommonData_01.PlaceID = CCommonData_01::kNewSite;
    edited->CommonData_01.SiteName = "Второ място";
    for (int press = 0; press < 3; ++press) ASSERT_TRUE(edited->UpdateForm());
    expectOneSite("Второ място");

    // A save that is rolled back has created nothing: the form still asks for a new site.
    edited->CommonData_01.PlaceID = CCommonData_01::kNewSite;
    edited->CommonData_01.SiteName = "Трето място";
    Exec("create trigger refuse before insert on DlgData_07_Threats begin select raise(abort, 'disk full'); end");
    EXPECT_FALSE(edited->UpdateForm());
    EXPECT_EQ(edited->CommonData_01.PlaceID, CCommonData_01::kNewSite);
    Exec("drop trigger refuse");
    ASSERT_TRUE(edited->UpdateForm());
    expectOneSite("Трето място");
}

TEST_F(StoreTest, ASaveEndedByAnotherFailureLeavesNoSiteForTheNextSave) {
    ASSERT_TRUE(FullForm(NewDocument())->SaveNewForm());
    const int stored = Number("select ID from nSites where SiteName = 'Нов обект'");
    auto doc = FullForm(NewDocument());
    {
        // Memory runs out just after the save created its site: SQLite undoes the site.
        const StatementRecorder recorder([](const std::string& sql) {
            if (sql.rfind("insert into nSites", 0) == 0) failNextAllocation = true;
        });
        EXPECT_THROW(doc->SaveNewForm(), std::bad_alloc);
        failNextAllocation = false;
    }
    // The user picks the site stored before instead, and stores the form.
    doc->CommonData_01.PlaceID = stored;
    ASSERT_TRUE(doc->SaveNewForm());
    EXPECT_EQ(Count("nSites"), 2);  // the test's own and the one stored before
    EXPECT_EQ(doc->CommonData_01.PlaceID, stored);
    EXPECT_EQ(Number(FormatSql("select PlaceID from DlgData_01_Place where FormID = %d", LastFormId())), stored);
}

TEST_F(StoreTest, ADeleteRemovesEveryDataRowOfThatFormOnly) {
    // Two forms with rows in every data table, children linked to their parents, and a wolf
    // route point each.
    for (const int formId : {71, 72}) {
        CString rows = FormatSql("begin; insert into Forms (ID, FormTypeID, SpeciesID, SpeciesType) values (%d, 900, 1, 1);",
                                 formId);
        for (const char* table : FormTables())
            rows += FormatSql("insert into %s (ID, FormID) values (%d, %d);", table, formId * 1000 + 1, formId);
        for (const CFormChildTable& child : FormChildTables())
            rows += FormatSql("insert into %s (ID, %s) values (%d, %d);", child.table, child.link, formId * 1000 + 1,
                              formId * 1000 + 1);
        rows += FormatSql("insert into Coordinates (ID, DlgData_ID) values (%d, -1);"
                          "update tWolf_06_Tracks set GPS_point_id = %d where FormID = %d; commit;",
                          formId * 1000 + 500, formId * 1000 + 500, formId);
        Exec(rows);
    }
    // A page record stored under two step codes leaves two parent rows for one form.
    Exec("insert into tMoss_05 (ID, FormID) values (71002, 71); insert into tMoss_05_Attendants (tMoss_05_ID) values (71002);");
    const int rowsBefore = Count("Coordinates");

    auto doc = NewDocument();
    doc->CommonData_02.Rainfall = "в паметта";
    ASSERT_TRUE(doc->DeleteForm(71));

    for (const char* table : FormTables()) {
        EXPECT_EQ(Count(table, "FormID = 71"), 0) << table;
        EXPECT_EQ(Count(table, "FormID = 72"), 1) << table;
    }
    for (const CFormChildTable& child : FormChildTables()) {
        EXPECT_EQ(Count(child.table, FormatSql("%s between 71000 and 71999", child.link)), 0) << child.table;
        EXPECT_GE(Count(child.table, FormatSql("%s = 72001", child.link)), 1) << child.table;
    }
    EXPECT_EQ(Count("tBats_03_Houses_BatHouses_Species"), 1);
    EXPECT_EQ(Count("Coordinates"), rowsBefore - 2);  // the page's point and the route point
    EXPECT_EQ(Count("Coordinates", "ID = 72500"), 1);
    EXPECT_EQ(Text("select ifnull(Del, 'NULL') from Forms where ID = 71"), "1");
    EXPECT_EQ(Text("select ifnull(Del, 'NULL') from Forms where ID = 72"), "NULL");
    EXPECT_EQ(Count("Actions", "FormID = 71 and ActionType = 2 and SessionID = 7"), 1);
    EXPECT_EQ(doc->CommonData_02.Rainfall, "в паметта");  // the document is not touched
}

TEST_F(StoreTest, TheDeleteScriptNamesEveryTableThatHoldsFormData) {
    // Every table of the file with a FormID column or a link to a form table's row.
    std::set<std::string> named;
    for (const char* table : FormTables()) named.insert(table);
    for (const CFormChildTable& child : FormChildTables()) named.insert(child.table);
    const std::set<std::string> kept = {"Forms", "Actions"};
    CSQLite3Query tables = db.execQuery(
        "select m.name from sqlite_master m join pragma_table_info(m.name) c "
        "where m.type = 'table' and (c.name = 'FormID' or c.name like 't%\\_ID' escape '\\' or c.name = 'DlgData_ID' "
        "or c.name = 'tBats_07_Caves_ID' or c.name = 'tHamster_02_id' or c.name = 'tGoat_02_id') group by m.name");
    int tablesSeen = 0;
    for (; !tables.eof(); tables.nextRow(), ++tablesSeen) {
        const std::string table = tables.getStringField(0).str();
        if (kept.count(table) == 0) {
            EXPECT_EQ(named.count(table), 1u) << table;
        }
    }
    EXPECT_GT(tablesSeen, 100);
    EXPECT_EQ(named.size(), 116u);
}

TEST_F(StoreTest, TheStatementsThatShapeStoredDataAreSentAsWritten) {
    StatementRecorder recorder;
    auto doc = NewDocument(kAllCommonPages, 9001);
    doc->CommonData_01.Date.SetDate(2009, 6, 15);
    doc->CommonData_01.StartTime.SetStatus(COleDateTime::null);
    doc->CommonData_01.EndTime.SetTime(17, 5, 9);
    doc->CommonData_01.Department = " 12'3 ";
    doc->CommonData_04.Points.Add(CGeoPoint{42, 5, 7, 3, 23, 19, 59, 12});
    ASSERT_TRUE(doc->SaveNewForm());
    const int formId = LastFormId();

    EXPECT_EQ(recorder.StartingWith("insert into Forms"),
              std::vector<std::string>{"insert into Forms (  FormTypeID, SpeciesID, SpeciesType ) values\t(\t900, 9001, 1 ) "});
    const int coordsRow = Number("select max(ID) from DlgData_03_Coords");
    EXPECT_EQ(recorder.StartingWith(" insert into Coordinates"),
              std::vector<std::string>{FormatSql(
                  " insert into Coordinates (  DlgData_ID,  Longtitude_Grad,  Longtitude_Minutes,  Longtitude_Seconds,  "
                  "Longtitude_SocondsAfterPoint,  Longtitude_Relativity,  Latitude_Grad,  Latitude_Minutes,  Latitude_Seconds,  "
                  "Latitude_SecondsAfterPoint,  Latitude_Relativity ) values( %d, 23, 19, 59, 12, -2, 42, 5, 7, 3, -2 )",
                  coordsRow).str()});
    const std::vector<std::string> place = recorder.StartingWith("insert into DlgData_01_Place");
    ASSERT_EQ(place.size(), 1u);
    EXPECT_EQ(place[0], FormatSql(
        "insert into DlgData_01_Place (FormID, PlaceID, Date, StartTime,  EndTime,  EKNM_CityID, EKNM_MunicipalityID, "
        "EKNM_ProvinceID, NUTS_ID, RIOSW_ID_, RUG_ID, DL_ID, DDS_ID, Department, SubDepartment, DynamicStrContent, "
        "DynamicIntComboContent, DynamicIntRadio, DynamicStrArea1, DynamicStrArea2, DynamicStrContent2, "
        "DynamicStrContent3Natura2000 )values ( %d, -1, '2009-06-15', '---', '17:05:09', -1, -1, -1, -1, -1, -1, -1, -1, "
        "'12''3', '', '', -1, -1, '', '', '', '' )",
        formId).str());
}

TEST_F(StoreTest, AFailedUpdateOrDeleteLeavesTheStoredFormAsItWas) {
    auto doc = FullForm(NewDocument());
    ASSERT_TRUE(doc->SaveNewForm());
    const int formId = LastFormId();
    auto loaded = Loaded(formId);
    loaded->CommonData_02.Rainfall = "променено";

    // The rewrite fails on its last page, after the old rows were deleted and most new ones written.
    Exec("create trigger refuse before insert on DlgData_07_Threats begin select raise(abort, 'disk full'); end");
    const std::string before = Snapshot();
    EXPECT_FALSE(loaded->UpdateForm());
    EXPECT_EQ(Snapshot(), before);

    // The delete fails at the last table of its script.
    Exec("drop trigger refuse; drop table tWolf_12");
    const std::string beforeDelete = Snapshot();
    EXPECT_FALSE(loaded->DeleteForm(formId));
    EXPECT_EQ(Snapshot(), beforeDelete);
    EXPECT_EQ(boxes.Texts().size(), 2u);
}

TEST_F(StoreTest, AFormDeletedMeanwhileIsNeitherRewrittenNorDeletedAgain) {
    auto doc = FullForm(NewDocument());
    ASSERT_TRUE(doc->SaveNewForm());
    const int formId = LastFormId();
    auto loaded = Loaded(formId);
    ASSERT_TRUE(NewDocument()->DeleteForm(formId));  // as another program would
    const std::string before = Snapshot();
    boxes.Reset();
    EXPECT_FALSE(loaded->UpdateForm());
    EXPECT_FALSE(loaded->DeleteForm(formId));
    EXPECT_EQ(Snapshot(), before);
    ASSERT_EQ(boxes.Texts().size(), 2u);
    // No database failed: the reason alone, without the layer's error code.
    EXPECT_EQ(boxes.Texts()[0], "Формулярът вече е изтрит или не съществува в базата данни.");
    EXPECT_EQ(boxes.Texts()[1], boxes.Texts()[0]);
}

TEST_F(StoreTest, ALoadStopsAtTheFirstFailingPageAndKeepsWhatItRead) {
    auto doc = FullForm(NewDocument());
    doc->CommonData_01.Department = "12";
    ASSERT_TRUE(doc->SaveNewForm());
    Exec("drop table nTortoiseGround");  // the weather page cannot be read

    auto loaded = NewDocument(kAllCommonPages, -1);
    EXPECT_FALSE(loaded->LoadForm(LastFormId()));
    EXPECT_EQ(loaded->SpeciesID, kSpecies);
    EXPECT_EQ(loaded->CommonData_01.Department, "12");
    EXPECT_TRUE(loaded->CommonData_04.Points.IsEmpty());
    EXPECT_TRUE(loaded->CommonData_06.Observers.IsEmpty());
    ASSERT_EQ(boxes.Texts().size(), 1u);
    EXPECT_EQ(boxes.Texts()[0].Left(15), "SQLITE_ERROR[1]");
}
