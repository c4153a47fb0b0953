// The schema against the SQL the program sends: every table and view exists in a fresh build,
// every statement runs on it, typed text keeps its form, and the database fills in what the
// program never writes. A misspelt column or a wrong column type fails here, not on a page.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <filesystem>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "db/SQLite3DB.h"
#include "store/FormTables.h"
#include "tests/support/TestDatabase.h"
#include "tools/DemoDatabase.h"

namespace {

// The statements of the program as it formats them: %d an integer, '%s' a quoted text. The
// statements of the common pages, the shell and the lists run in those parts' own tests; here
// stay the species families' and the few the checks below read.
const char* const kProgramSql[] = {
    // Form storage
    "insert into Forms (  FormTypeID, SpeciesID, SpeciesType ) values\t(\t%d, %d, %d ) ",
    "insert into Actions (  FormID, SessionID, ActionType ) values\t(\t%d, %d, %d ) ",
    "select ID, DlgData_ID, Longtitude_Grad, Longtitude_Minutes, Longtitude_Seconds, "
    "Longtitude_SocondsAfterPoint, Longtitude_Relativity, Latitude_Grad, Latitude_Minutes, "
    "Latitude_Seconds, Latitude_SecondsAfterPoint, Latitude_Relativity from Coordinates where  "
    "DlgData_ID = %d ",
    // Users, sessions and observers
    "insert into Users (UserName, Name, SurName, FamilyName, Password )values( '%s', '%s', '%s', '%s', "
    "'%s')",
    "select * from Users where UserName = '%s' and Password = '%s'",
    "insert into Sessions (UserID, RIOSW_ID) values( %d, %d )",
    // Form types and their steps
    "select Caption, ItemDataName, ItemDataValue from FormBuilder fb\tinner join FormViews fv on "
    "fb.formViewID = fv.ID where formtypeid = %d order by SequenceNum ",
    "select id, Name from old_SpeciesType",
    // Species tree
    "select species_code, Name_lat, case when Name_bg is NULL then Name_lat  WHEN Name_lat is NULL THEN  "
    "Name_bg else Name_lat || '(' || Name_bg || ')'  end  as Name  from sAllSpecies where ID = %d",
    // Nomenclatures
    " select ID, EKNM, EKNM_NAME || '          ' || EKNM AS COL1, PROVINCE, MUNICIPALITY, EKNM_NAME from "
    "EKNM_CITIES  where municipality in ( select mun_id from rMun____RIOSW_NP_PP where riosw_np_pp_id = "
    "%d ) ",
    "select ID, EKNM, EKNM_NAME, Province, Municipality from EKNM_CITIES where ID = %d",
};

// Loaders whose statements the program assembles from a select list and its joins, written
// out whole. They name columns without a table prefix across joins, so a nomenclature that
// grows a column of the same name makes them ambiguous.
const char* const kAssembledSql[] = {
    // Form header and the stored-forms list
    "select f.ID as fID, f.FormTypeID as fFormTypeID, f.FormCode as fFormCode, f.SpeciesID as "
    "fSpeciesID, f.SpeciesType as fSpeciesType, f.Exported as fExported, f.ImportedID as fImportedID, "
    "\ncase when f.SpeciesType = 1 then \ncase when sa.Name_bg is NULL then sa.Name_lat  \nwhen "
    "sa.Name_lat is NULL then sa.Name_bg  \nelse sa.Name_lat || '(' ||  sa.Name_bg || ')' \nend \nwhen "
    "f.SpeciesType = 2 then sSub.Name_lat || '(' ||  sSub.Name_bg || ')' \nwhen f.SpeciesType = 3 and "
    "f.SpeciesID then 'Пробна площадка' \nwhen f.SpeciesType = 3 then sG.Name_lat || '(' ||  sG.Name_bg "
    "|| ')' \nwhen f.SpeciesType = 4 then sS.Name_lat || '(' ||  sS.Name_bg || ')' \nend as "
    "SpeciesName, \nn.ID as nID, n.form_id as nform_id, n.Name as nName, \na.ID as aID, a.FormID as "
    "aFormID, a.SessionID as aSessionID, a.ActionType as aActionType, a.ActionDate as aActionDate, "
    "a.ActionTime as aActionTime, a.DelID as aDelID, \ns.ID as sID, s.UserID as sUserID, s.ActionDate "
    "as sActionDate, s.ActionTime as sActionTime, s.RIOSW_ID as sRIOSW_ID, \nu.ID, u.UserName as "
    "uUserName, \nnR.Name as nRName, \nl.ActionDate as LastModifyDate, l.ActionTime as LastModifyTime "
    "\nfrom Forms f \ninner join FormNames n on f.FormTypeID = n.ID \ninner join Actions a on a.FormID = "
    "f.ID and a.ActionType = 1 \ninner join Sessions s on a.SessionID = s.ID \ninner join Users u on "
    "s.UserID = u.ID \ninner join nRIOSW_NP_PP nR on s.RIOSW_ID = nR.ID \nleft join sAllSpecies sA on "
    "f.SpeciesID = sA.ID \nleft join sSubgroups sSub on f.SpeciesID = sSub.ID \nleft join sGroups sG on "
    "f.SpeciesID = sG.ID \nleft join sSuperGroups sS on f.SpeciesID = sS.ID \nleft join "
    "LastUpdateActions l on l.FormID = f.ID \nwhere ( -1 = %d or f.FormTypeID = %d ) and \n( -1 = %d or "
    "u.ID = %d  ) and f.Del is NULL \norder by fID desc \n",
    // Fungi
    "select t.ID as tID, t.FormID as tFormID, t.FloristicRegionID as tFloristicRegionID, \n\t   "
    "t.UTM_GirdID as tUTM_GirdID, t.Substratum as tSubstratum, t.Habitat as tHabitat, \n\t   "
    "t.EkoSpecifics as tEkoSpecifics, f.Name as fName , u.Name as uName \nfrom tFungus_01 t left join "
    "Floristic_regions f on t.FloristicRegionID = f.ID left join nUTM_Fungus u on t.UTM_GirdID = u.ID "
    "where t.FormID = %d ",
};

// The generic list fillers with the tables and columns the pages give them. The fillers by
// inspectorate join the relation tables that the seed test walks on the same columns.
struct TemplateUse {
    const char* sql;
    std::vector<const char*> names;
};
const char* const kNotNull = "select %s, %s from %s where %s is not NULL ";
const char* const kIdName = "select ID, Name from %s";
// The lists filled from a table's ID and Name.
const char* const kIdNameLists[] = {
    "nMossExposure", "_AllMosses", "nMossYesNo", "nMossHommies", "nMossRockHight", "nMossRockSurface",
    "nMossRockSunshine", "nMossRockSituation", "nMossSoil", "nMossErosive", "nRIOSW_NP_PP", "nRIOSW", "nNUTS", "nRUG",
    "nDL", "nDDS", "nDynamicComboData", "nTortoiseGround", "Floristic_regions", "nUTM_Fungus", "_AllFungi", "FormNames",
    "nNP", "nPP", "nReserve", "nPR", "nPZ", "nZM", "nSiteCorine", "nSiteOVM", "nSiteNatura2000", "nSiteRamsar"};
const TemplateUse kTemplateUses[] = {
    {kNotNull, {"ID", "Name_lat", "_AllTreesMoss", "Name_lat"}},
    {kNotNull, {"ID", "Name_bg", "_AllTreesMoss", "Name_bg"}},
    {kNotNull, {"ID", "Name_lat", "_AllGrassBushMoss", "Name_lat"}},
    {kNotNull, {"ID", "Name_bg", "_AllGrassBushMoss", "Name_bg"}},
    {"select %s, %s from %s where %s is not NULL and %s = 1", {"ID", "Name", "nMossTurfSituation", "Name", "combo1"}},
    {"select %s, %s from %s where %s is not NULL and %s = 1", {"ID", "Name", "nMossTurfSituation", "Name", "combo2"}},
    {"select %s, %s from %s where %s = 1  ", {"ID", "Name", "nMossTurf", "Moss2"}},
    {"select %s, %s from %s", {"ID", "UserName", "Users"}},
    {"select %s, %s from %s where GroupID = 6 ", {"ID", "Name_lat", "sAllSpecies"}},
    {"select ID, Name from %s where NP_ID = %d ", {"nPU"}},
};

// A statement as the program sends it: %d as -1, each bare %s as the next of `names` (the
// fillers' tables and columns), every quoted '%s' as `text`, %% as %.
std::string Fill(std::string_view sql, std::string_view text = "", const std::vector<const char*>& names = {}) {
    std::string out;
    size_t next = 0;
    for (size_t i = 0; i < sql.size(); ++i) {
        if (sql[i] != '%' || i + 1 == sql.size()) {
            out += sql[i];
            continue;
        }
        const char kind = sql[++i];
        if (kind == 'd') out += "-1";
        else if (kind == 's') out += next < names.size() ? std::string_view(names[next++]) : text;
        else out += kind;
    }
    return out;
}

// The statements above, both lists.
std::vector<const char*> AllSql() {
    std::vector<const char*> all(std::begin(kProgramSql), std::end(kProgramSql));
    all.insert(all.end(), std::begin(kAssembledSql), std::end(kAssembledSql));
    return all;
}

// The first statement of the program that starts with `start` (leading blanks ignored).
const char* FindSql(std::string_view start) {
    for (const char* sql : AllSql()) {
        std::string_view text(sql);
        text.remove_prefix(text.find_first_not_of(" "));
        if (text.substr(0, start.size()) == start) return sql;
    }
    ADD_FAILURE() << "no statement starts with " << start;
    return "";
}

// Runs a statement, a query through all its rows; the error message, or "" when none.
std::string RunStatement(CSQLite3DB& db, const std::string& sql) {
    const bool query = sql.compare(sql.find_first_not_of(" \t\n"), 6, "select") == 0;
    try {
        if (!query)
            db.execDML(sql.c_str());
        else
            for (CSQLite3Query rows = db.execQuery(sql.c_str()); !rows.eof(); rows.nextRow()) {
            }
        return "";
    } catch (const CSQLite3Exception& e) {
        // A query that fails to compile carries no reason; running it as a script gives one.
        try {
            if (query) db.execDML(sql.c_str());
        } catch (const CSQLite3Exception& reason) {
            return reason.errorMessage();
        }
        return e.errorMessage();
    }
}

// The table, columns and values of an insert; an empty table for any other statement.
struct InsertParts {
    std::string table;
    std::vector<std::string> columns, values;
};
InsertParts ParseInsert(std::string_view sql) {
    const auto split = [](std::string_view list) {
        std::vector<std::string> items;
        for (size_t start = 0, end; start <= list.size(); start = end + 1) {
            end = std::min(list.find(',', start), list.size());
            std::string_view item = list.substr(start, end - start);
            const size_t first = item.find_first_not_of(" \t\n");
            item = first == std::string_view::npos ? std::string_view()
                                                   : item.substr(first, item.find_last_not_of(" \t\n") - first + 1);
            items.emplace_back(item);
        }
        return items;
    };
    InsertParts insert;
    const size_t keyword = sql.find("insert into");
    if (keyword == std::string_view::npos || sql.find_first_not_of(" ") != keyword) return insert;
    const size_t name = sql.find_first_not_of(" ", keyword + 11);
    const size_t open = sql.find('(', name), close = sql.find(')', open);
    const size_t valuesOpen = sql.find('(', sql.find("values", close)), valuesClose = sql.rfind(')');
    insert.table = std::string(sql.substr(name, sql.find_first_of(" (", name) - name));
    insert.columns = split(sql.substr(open + 1, close - open - 1));
    insert.values = split(sql.substr(valuesOpen + 1, valuesClose - valuesOpen - 1));
    return insert;
}

// Whether the value has the shape, '#' standing for a digit.
bool HasShape(const std::string& value, std::string_view shape) {
    if (value.size() != shape.size()) return false;
    for (size_t i = 0; i < shape.size(); ++i)
        if (shape[i] == '#' ? !std::isdigit(static_cast<unsigned char>(value[i])) : value[i] != shape[i]) return false;
    return true;
}

// A fresh database, open.
class Schema : public ::testing::Test {
protected:
    void SetUp() override { db.open(file.Path()); }

    int Add(const char* sql, std::string_view text = "") {
        db.execDML(Fill(sql, text).c_str());
        return db.lastRowId();
    }
    std::string Value(const char* sqlFormat, int id) {
        CString sql;
        sql.Format(sqlFormat, id);
        return db.execQuery(sql).getStringField(0, "<null>").str();
    }

    CTestDatabase file;
    CSQLite3DB db;
};

}  // namespace

// The other tables are each read or written by the statements here, the seed and the storage tests.
TEST(SchemaBuild, BuildsTwiceIntoFreshFilesWithEveryFormTable) {
    std::vector<std::string> expected(FormTables().begin(), FormTables().end());
    for (const CFormChildTable& child : FormChildTables()) expected.emplace_back(child.table);

    const CString folder = MakeTempFolder();
    for (const char* name : {"first.db3", "second.db3"}) {
        const CString path = folder + name;
        std::set<std::string> present;
        try {
            BuildDemoDatabase(path, QUORIN_DATA_DIR);
            CSQLite3DB db;
            db.open(path);
            CSQLite3Query q = db.execQuery("select name from sqlite_master where type in ('table', 'view')");
            for (; !q.eof(); q.nextRow()) present.insert(q.getStringField(0).str());
        } catch (const CSQLite3Exception& e) {
            ADD_FAILURE() << name << ": " << e.errorMessage();
        }
        for (const std::string& table : expected)
            EXPECT_TRUE(present.count(table)) << table << " is missing from " << name;
    }
    std::filesystem::remove_all(folder.str());
}

TEST_F(Schema, EveryStatementOfTheProgramRuns) {
    std::vector<std::string> statements;
    for (const char* sql : AllSql()) statements.push_back(Fill(sql));
    for (const TemplateUse& use : kTemplateUses) statements.push_back(Fill(use.sql, "", use.names));
    for (const char* table : kIdNameLists) statements.push_back(Fill(kIdName, "", {table}));
    statements.push_back(DeleteFormDataScript(-1).str());
    for (const std::string& sql : statements) EXPECT_EQ(RunStatement(db, sql), "") << sql;
}

// What the user types is stored as text and comes back as typed ("007" stays "007"); what the
// program counts or chooses is stored as an integer.
TEST_F(Schema, InsertsKeepTypedTextAsTextAndNumbersAsIntegers) {
    for (const char* sql : AllSql()) {
        const InsertParts insert = ParseInsert(sql);
        if (insert.table.empty()) continue;
        ASSERT_EQ(insert.columns.size(), insert.values.size()) << sql;
        int row = 0;
        try {
            row = Add(sql, "007");
        } catch (const CSQLite3Exception& e) {
            ADD_FAILURE() << e.errorMessage() << " in " << sql;
            continue;
        }
        for (size_t i = 0; i < insert.columns.size(); ++i) {
            if (insert.values[i] == "?") continue;  // the image, bound as a blob
            const bool typed = insert.values[i] == "'%s'";
            const std::string& column = insert.columns[i];
            CString query;
            query.Format("select typeof(%s), %s from %s where ID = %d", column, column, insert.table, row);
            CSQLite3Query stored = db.execQuery(query);
            EXPECT_EQ(stored.getStringField(0).str(), typed ? "text" : "integer") << insert.table << "." << column;
            EXPECT_EQ(stored.getStringField(1).str(), typed ? "007" : "-1") << insert.table << "." << column;
        }
    }
}

TEST_F(Schema, TheDatabaseFillsWhatTheProgramNeverWrites) {
    const int form = Add(FindSql("insert into Forms"));
    EXPECT_EQ(Value("select Del from Forms where ID = %d", form), "<null>");  // a live form

    const int session = Add(FindSql("insert into Sessions"));
    const int action = Add(FindSql("insert into Actions"));
    for (const auto& [table, id] : {std::pair{"Sessions", session}, std::pair{"Actions", action}}) {
        const std::string from = std::string(" from ") + table + " where ID = %d";
        const std::string date = Value(("select ActionDate" + from).c_str(), id);
        const std::string time = Value(("select ActionTime" + from).c_str(), id);
        EXPECT_TRUE(HasShape(date, "####-##-##")) << table << " date " << date;
        EXPECT_TRUE(HasShape(time, "##:##:##")) << table << " time " << time;
    }
}

// Columns the program reads by name: the layer compares names byte for byte, and SQLite names an
// unaliased column as the table declares it, so the declaration must match the reader's spelling.
TEST_F(Schema, ColumnsAreFoundUnderTheNamesTheProgramReads) {
    const struct {
        const char* sql;
        std::vector<const char*> names;
    } reads[] = {
        {FindSql("select ID, EKNM, EKNM_NAME, Province"), {"ID", "EKNM", "EKNM_NAME", "Province", "Municipality"}},
        {FindSql("select ID, EKNM, EKNM_NAME ||"), {"ID", "EKNM", "COL1", "EKNM_NAME"}},
        {FindSql("select species_code"), {"species_code", "Name_lat", "Name"}},
        {"select * from sAllSpecies", {"ID", "Name_lat", "Name_bg", "SuperGroupID", "groupID", "SubGroupID"}},
        {FindSql("select * from Users"), {"ID", "UserName", "Name", "SurName", "FamilyName", "Password"}},
        {FindSql("select Caption"), {"Caption", "ItemDataName", "ItemDataValue"}},
        {FindSql("select id, Name from old_SpeciesType"), {"id", "Name"}},
        {"select * from nHamsterHabitatCodes",
         {"ID", "WaterTank", "Road", "Overgrowing", "Habitat", "GrassHigh", "GrassType", "Buildings"}},
        {FindSql("select ID, DlgData_ID"),
         {"ID", "DlgData_ID", "Longtitude_Grad", "Longtitude_Minutes", "Longtitude_Seconds",
          "Longtitude_SocondsAfterPoint", "Latitude_Grad", "Latitude_Minutes", "Latitude_Seconds",
          "Latitude_SecondsAfterPoint"}},
        {"select * from LastUpdateActions", {"FormID", "ActionDate", "ActionTime"}},
    };
    for (const auto& read : reads) {
        try {
            CSQLite3Query query = db.execQuery(Fill(read.sql).c_str());
            for (const char* name : read.names) EXPECT_GE(query.fieldIndex(name), 0) << name << " in " << read.sql;
        } catch (const CSQLite3Exception& e) {
            ADD_FAILURE() << e.errorMessage() << " in " << read.sql;
        }
    }
}

// The forms list joins the latest change of each form: a form changed twice is listed once, with
// the time of its second change; a form never changed is listed with none.
TEST_F(Schema, LastUpdateActionsGivesEachFormItsLatestChangeOnly) {
    db.execDML("insert into nRIOSW_NP_PP (Name) values ('РИОСВ')");
    const int inspectorate = db.lastRowId();
    db.execDML("insert into FormNames (Name) values ('Вълк')");
    const int formType = db.lastRowId();
    const int user = Add(FindSql("insert into Users"), "тест");
    CString sql;
    sql.Format(FindSql("insert into Sessions"), user, inspectorate);
    db.execDML(sql);
    const int session = db.lastRowId();

    int forms[2] = {};
    for (int& form : forms) {
        sql.Format(FindSql("insert into Forms"), formType, 1, 1);
        db.execDML(sql);
        form = db.lastRowId();
        sql.Format(FindSql("insert into Actions"), form, session, 1);
        db.execDML(sql);
    }
    for (const char* time : {"08:00:00", "09:30:00"}) {
        sql.Format(FindSql("insert into Actions"), forms[0], session, 3);
        db.execDML(sql);
        sql.Format("update Actions set ActionTime = '%s' where ID = %d", time, db.lastRowId());
        db.execDML(sql);
    }

    EXPECT_EQ(Value("select count(*) from LastUpdateActions where FormID = %d", forms[0]), "1");
    EXPECT_EQ(Value("select count(*) from LastUpdateActions where FormID = %d", forms[1]), "0");
    std::vector<std::pair<int, std::string>> listed;
    for (CSQLite3Query row = db.execQuery(Fill(FindSql("select f.ID as fID")).c_str()); !row.eof(); row.nextRow())
        if (row.getIntField("fID") == forms[0] || row.getIntField("fID") == forms[1])
            listed.emplace_back(row.getIntField("fID"), row.getStringField("LastModifyTime", "").str());
    const std::vector<std::pair<int, std::string>> expected = {{forms[1], ""}, {forms[0], "09:30:00"}};
    EXPECT_EQ(listed, expected);
}

// Loading and deleting look rows up by form and by parent row: each such column leads an index.
TEST_F(Schema, FormAndParentLinksAreIndexed) {
    std::vector<std::pair<std::string, std::string>> lookups;
    for (CSQLite3Query q = db.execQuery("select m.name from sqlite_master m, pragma_table_info(m.name) c "
                                        "where m.type = 'table' and c.name = 'FormID'");
         !q.eof(); q.nextRow())
        lookups.emplace_back(q.getStringField(0).str(), "FormID");
    for (const CFormChildTable& child : FormChildTables()) lookups.emplace_back(child.table, child.link);
    EXPECT_GE(lookups.size(), FormTables().size() + FormChildTables().size());

    for (const auto& [table, column] : lookups) {
        CString sql;
        sql.Format("select count(*) from pragma_index_list('%s') l, pragma_index_info(l.name) i "
                   "where i.seqno = 0 and i.name = '%s' collate nocase", table, column);
        EXPECT_NE(db.execQuery(sql).getIntField(0), 0) << table << "." << column << " leads no index";
    }
}
