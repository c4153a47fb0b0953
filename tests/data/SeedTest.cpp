// The demo database as the program will read it: every form type can be walked to its final
// step, every object of monitoring offers its forms, every relation points at rows that exist,
// the ids the program tests for mean what it expects, and every text survives the code page.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "db/SQLite3DB.h"
#include "platform/Cp1251.h"
#include "tests/support/TestDatabase.h"

namespace {

// The statements of the program that the seed must satisfy, as the program sends them.
const char* const kStepsOfForm =
    "select Caption, ItemDataName, ItemDataValue from FormBuilder fb\tinner join FormViews fv on "
    "fb.formViewID = fv.ID where formtypeid = %d order by SequenceNum ";
const char* const kFormsOfNode =
    "select r.ID,  r.SpeciesType, n.ID as formID, a.Name_lat, n.Name  as Name from SpeciesFormsRel r "
    "inner join sAllSpecies a on r.SpeciesID = a.ID inner join FormNames n on r.FormNameID = n.ID where "
    "a.ID = %d and  r.SpeciesType = %d order by SequenceNum ";
const char* const kCitiesOfLogin =
    " select ID, EKNM, EKNM_NAME || '          ' || EKNM AS COL1, PROVINCE, MUNICIPALITY, EKNM_NAME from "
    "EKNM_CITIES  where municipality in ( select mun_id from rMun____RIOSW_NP_PP where riosw_np_pp_id = %d ) ";
const char* const kParkSections = "select ID, Name from %s where NP_ID = %d ";

constexpr int kFinalStep = 1022;
constexpr int kFormTypes = 47;

// Step codes that show a page.
bool IsPageStep(int code) {
    static const std::pair<int, int> ranges[] = {
        {1002, 1028}, {6101, 6104}, {6201, 6207}, {6301, 6305}, {6401, 6402}, {6501, 6502}, {6601, 6605},
        {6701, 6707}, {6801, 6812}, {6901, 6904}, {6951, 6953}, {6961, 6962}, {7001, 7023}};
    return std::any_of(std::begin(ranges), std::end(ranges),
                       [code](const auto& r) { return code >= r.first && code <= r.second; });
}

class Seed : public ::testing::Test {
protected:
    void SetUp() override { db.open(file.Path()); }

    // The rows' first column; the statement is a format only when arguments follow it.
    template <typename... Args>
    std::vector<std::string> Column(const char* sql, const Args&... args) {
        CString text = sql;
        if constexpr (sizeof...(Args) > 0) text.Format(sql, args...);
        std::vector<std::string> values;
        for (CSQLite3Query q = db.execQuery(text); !q.eof(); q.nextRow())
            values.push_back(q.getStringField(0, "<null>").str());
        return values;
    }
    template <typename... Args>
    std::vector<int> Ints(const char* sql, const Args&... args) {
        std::vector<int> values;
        for (const std::string& v : Column(sql, args...)) values.push_back(std::stoi(v));
        return values;
    }
    template <typename... Args>
    std::string Value(const char* sql, const Args&... args) {
        const std::vector<std::string> values = Column(sql, args...);
        return values.empty() ? "<no row>" : values.front();
    }
    template <typename... Args>
    int Count(const char* sql, const Args&... args) {
        return std::stoi(Value(sql, args...));
    }
    // The item data of every row the query returns in its given column.
    std::vector<int> ItemData(const CString& sql, const char* column) {
        std::vector<int> values;
        for (CSQLite3Query q = db.execQuery(sql); !q.eof(); q.nextRow()) values.push_back(q.getIntField(column));
        return values;
    }

    CTestDatabase file;
    CSQLite3DB db;
};

}  // namespace

TEST_F(Seed, EveryFormTypeWalksItsOwnPagesToTheFinalStep) {
    const std::pair<int, int> twins[] = {{7005, 7021}, {7002, 7022}, {7014, 7023}};
    for (int type = 1; type <= kFormTypes; ++type) {
        SCOPED_TRACE("form type " + std::to_string(type));
        CString sql;
        sql.Format(kStepsOfForm, type);
        const std::vector<int> steps = ItemData(sql, "ItemDataValue");
        ASSERT_GE(steps.size(), 2u);
        EXPECT_EQ(steps.back(), kFinalStep);
        EXPECT_EQ(std::count(steps.begin(), steps.end(), kFinalStep), 1);
        EXPECT_EQ(std::set<int>(steps.begin(), steps.end()).size(), steps.size()) << "a step twice";
        for (int code : steps) EXPECT_TRUE(code == kFinalStep || IsPageStep(code)) << code;
        for (const auto& [page, variant] : twins)
            EXPECT_FALSE(std::count(steps.begin(), steps.end(), page) && std::count(steps.begin(), steps.end(), variant))
                << page << " with its variant " << variant;
        for (const std::string& caption : Column("select Caption from FormBuilder where FormTypeId = %d", type))
            EXPECT_NE(caption, "<null>");
    }
    EXPECT_EQ(Count("select count(*) from FormBuilder b left join FormViews v on b.FormViewID = v.ID where v.ID is null"), 0);
    EXPECT_EQ(Count("select count(*) from FormNames where ID between 1 and %d and Name <> ''", kFormTypes), kFormTypes);
}

// The weather page, in the variant that shows what the report prints, only where a report of
// the form type prints the weather block, a temperature or the ground; never elsewhere.
TEST_F(Seed, OnlyFormTypesWhoseReportsPrintTheWeatherAskForIt) {
    constexpr int kAll = 1014, kAir = 1015, kWater = 1023, kNoTemperature = 1024, kAirGround = 1025,
                  kAirWater = 1026, kOnlyAir = 1027;
    const std::map<int, int> weatherOf = {
        {11, kWater},   {12, kWater},   {13, kAirWater},      {14, kAirWater},      {15, kAirGround},
        {16, kAir},     {17, kOnlyAir}, {18, kAir},           {19, kOnlyAir},       {20, kOnlyAir},
        {21, kNoTemperature}, {22, kNoTemperature}, {28, kNoTemperature}, {45, kNoTemperature},
        {46, kNoTemperature}, {47, kNoTemperature}};
    const std::set<int> weatherPages = {kAll, kAir, kWater, kNoTemperature, kAirGround, kAirWater, kOnlyAir};
    for (int type = 1; type <= kFormTypes; ++type) {
        CString sql;
        sql.Format(kStepsOfForm, type);
        std::vector<int> weather;
        for (const int code : ItemData(sql, "ItemDataValue"))
            if (weatherPages.count(code)) weather.push_back(code);
        const auto kept = weatherOf.find(type);
        EXPECT_EQ(weather, kept == weatherOf.end() ? std::vector<int>{} : std::vector<int>{kept->second})
            << "form type " << type;
    }
}

TEST_F(Seed, EveryObjectOfMonitoringOffersItsForms) {
    // Each relation row names a node of its own level and a form type.
    const char* const levels[] = {"sAllSpecies", "sSubGroups", "sGroups", "sSuperGroups"};
    for (int level = 1; level <= 4; ++level)
        EXPECT_EQ(Count("select count(*) from SpeciesFormsRel r left join %s t on t.ID = r.SpeciesID "
                        "where r.SpeciesType = %d and t.ID is null",
                        levels[level - 1], level), 0) << levels[level - 1];
    EXPECT_EQ(Count("select count(*) from SpeciesFormsRel r left join FormNames n on n.ID = r.FormNameID "
                    "where n.ID is null"), 0);
    EXPECT_EQ(Count("select count(distinct FormNameID) from SpeciesFormsRel"), kFormTypes) << "a form nobody offers";

    // The chooser's own query finds forms for each monitored family (by Latin name, and the
    // trial plot and the bats by their nodes).
    const char* const monitored[] = {"Canis lupus", "Ursus arctos", "Cervus elaphus", "Rupicapra rupicapra",
                                     "Spermophilus citellus", "Testudo graeca", "Testudo hermanni",
                                     "Bombina bombina", "Emys orbicularis", "Zingel zingel", "Amanita caesarea"};
    for (const char* name : monitored) {
        const int id = Count("select ID from sAllSpecies where Name_lat = '%s'", name);
        CString sql;
        sql.Format(kFormsOfNode, id, 1);
        EXPECT_FALSE(ItemData(sql, "formID").empty()) << name;
    }
    const int batsNode = Count("select ID from sSuperGroups where Name_bg = 'Прилепи'");
    for (const auto& [id, level] : {std::pair{1, 3}, std::pair{batsNode, 4}}) {
        CString sql;
        sql.Format(kFormsOfNode, id, level);
        EXPECT_FALSE(ItemData(sql, "formID").empty()) << "node " << id << " of level " << level;
    }

    // Each of the thirteen mosses of the moss reports offers the form that names it.
    const char* const mosses[] = {"Buxbaumia viridis",      "Meesia longiseta",      "Neckera pennata",
                                  "Dicranum viride",        "Frullania fragilifolia", "Sphagnum cuspidatum",
                                  "Sphagnum fallax",        "Grimmia teretinervis",  "Hamatocaulis vernicosus",
                                  "Mannia triandra",        "Riccia crustata",       "Brachythecium geheebii",
                                  "Bazzania flaccida"};
    for (const char* moss : mosses) {
        const int id = Count("select ID from sAllSpecies where Name_lat = '%s'", moss);
        CString sql;
        sql.Format(kFormsOfNode, id, 1);
        std::vector<std::string> names;
        for (CSQLite3Query q = db.execQuery(sql); !q.eof(); q.nextRow()) names.push_back(q.getStringField("Name").str());
        ASSERT_EQ(names.size(), 1u) << moss;
        EXPECT_NE(names.front().find(moss), std::string::npos) << moss << " offers " << names.front();
    }
}

TEST_F(Seed, TheSpeciesTreeShowsEveryNodeWithBothNames) {
    for (const char* table : {"sSuperGroups", "sGroups", "sSubGroups"})
        EXPECT_EQ(Count("select count(*) from %s where Name_lat is null or Name_bg is null or Name_lat = '' or Name_bg = ''",
                        table), 0) << table;
    // Species hang under a group of their own super group, subgroups under their group.
    EXPECT_EQ(Count("select count(*) from sAllSpecies s left join sGroups g on g.ID = s.groupID "
                    "where g.ID is null or g.SuperGroupID <> s.SuperGroupID"), 0);
    EXPECT_EQ(Count("select count(*) from sAllSpecies s left join sSubGroups u on u.ID = s.SubGroupID "
                    "where s.SubGroupID is not null and (u.ID is null or u.GroupID <> s.groupID)"), 0);
    EXPECT_EQ(Count("select count(*) from sGroups g left join sSuperGroups s on s.ID = g.SuperGroupID where s.ID is null"), 0);
}

TEST_F(Seed, RelationsNameExistingRowsOnBothSides) {
    struct Link { const char* table; const char* key; const char* target; const char* owner; const char* ownerTable; };
    const Link links[] = {
        {"rMun____RIOSW_NP_PP", "mun_id", "EKNM_MUNICIPALITY", "riosw_np_pp_id", "nRIOSW_NP_PP"},
        {"rNuts__RIOSW_NP_PP", "nuts_codeID", "nNUTS", "RIOSW_NP_PP_id", "nRIOSW_NP_PP"},
        {"rRUG__RIOSW_NP_PP", "rug_id", "nRUG", "RIOSW_NP_PP_id", "nRIOSW_NP_PP"},
        {"rDL__RIOSW_NP_PP", "dlID", "nDL", "RIOSW_NP_PP_id", "nRIOSW_NP_PP"},
        {"rDDS__RIOSW_NP_PP", "ddsID", "nDDS", "RIOSW_NP_PP_id", "nRIOSW_NP_PP"},
        {"rNP__RIOSW_NP_PP", "NP_id", "nNP", "RIOSW_NP_PP_id", "nRIOSW_NP_PP"},
        {"rPP__RIOSW_NP_PP", "PP_id", "nPP", "RIOSW_NP_PP_id", "nRIOSW_NP_PP"},
        {"rRV__RIOSW_NP_PP", "RV_ID", "nReserve", "RIOSW_NP_PP_id", "nRIOSW_NP_PP"},
        {"rPR__RIOSW_NP_PP", "PR_ID", "nPR", "RIOSW_NP_PP_id", "nRIOSW_NP_PP"},
        {"rPZ__RIOSW_NP_PP", "PZ_ID", "nPZ", "RIOSW_NP_PP_id", "nRIOSW_NP_PP"},
        {"rZM__RIOSW_NP_PP", "ZM_ID", "nZM", "RIOSW_NP_PP_id", "nRIOSW_NP_PP"},
        {"rSiteCorine__Riosw_NP_PP", "corine_id", "nSiteCorine", "RIOSW_NP_PP_id", "nRIOSW_NP_PP"},
        {"rSiteOVM__RIOSW_NP_PP", "ovm_id", "nSiteOVM", "RIOSW_NP_PP_id", "nRIOSW_NP_PP"},
        {"rSiteNatura2000__RIOSW_NP_PP", "natura2000_id", "nSiteNatura2000", "RIOSW_NP_PP_id", "nRIOSW_NP_PP"},
        {"rSiteRamsar__RIOSW_NP_PP", "ramsar_id", "nSiteRamsar", "RIOSW_NP_PP_id", "nRIOSW_NP_PP"},
        {"EKNM_CITIES", "Municipality", "EKNM_MUNICIPALITY", "Province", "EKNM_PROVINCE"},
        {"EKNM_MUNICIPALITY", "Province", "EKNM_PROVINCE", "ID", "EKNM_MUNICIPALITY"},
        {"nPU", "NP_ID", "nNP", "ID", "nPU"},
    };
    for (const Link& link : links) {
        EXPECT_GT(Count("select count(*) from %s", link.table), 0) << link.table;
        EXPECT_EQ(Count("select count(*) from %s r left join %s t on t.ID = r.%s left join %s o on o.ID = r.%s "
                        "where t.ID is null or o.ID is null",
                        link.table, link.target, link.key, link.ownerTable, link.owner), 0) << link.table;
    }
    // Every area and unit is offered to some login.
    for (const Link& link : links) {
        if (std::string(link.ownerTable) != "nRIOSW_NP_PP" || std::string(link.table) == "rMun____RIOSW_NP_PP") continue;
        EXPECT_EQ(Count("select count(*) from %s where ID not in (select %s from %s)", link.target, link.key, link.table), 0)
            << link.target << " rows no login sees";
    }
}

TEST_F(Seed, SettlementsCarryUniqueEkatteCodesAndEveryLoginHasThem) {
    EXPECT_GT(Count("select count(*) from EKNM_CITIES"), 5000);
    EXPECT_EQ(Count("select count(*) from EKNM_CITIES where length(EKNM) <> 5 or EKNM glob '*[^0-9]*'"), 0);
    EXPECT_EQ(Count("select count(*) - count(distinct EKNM) from EKNM_CITIES"), 0);
    EXPECT_EQ(Count("select count(*) from EKNM_PROVINCE where ID > 0"), 28);
    EXPECT_EQ(Count("select count(*) from EKNM_MUNICIPALITY"), 265);
    // Each municipality belongs to exactly one inspectorate.
    EXPECT_EQ(Count("select count(*) from EKNM_MUNICIPALITY m where (select count(*) from rMun____RIOSW_NP_PP r "
                    "join nRIOSW i on i.ID = r.riosw_np_pp_id where r.mun_id = m.ID) <> 1"), 0);

    for (int login : Ints("select ID from nRIOSW_NP_PP order by ID")) {
        CString sql;
        sql.Format(kCitiesOfLogin, login);
        EXPECT_FALSE(ItemData(sql, "ID").empty()) << "login " << login;
    }
}

TEST_F(Seed, FixedIdsMeanWhatTheProgramExpects) {
    struct Fact { const char* sql; const char* expected; };
    const Fact facts[] = {
        {"select Name_bg from sGroups where ID = 1", "Пробна площадка"},
        {"select Name_bg from sSuperGroups where ID = 4", "Бозайници"},
        {"select s.Name_bg from sSuperGroups s join sAllSpecies a on a.SuperGroupID = s.ID where a.ID = 335", "Земноводни"},
        {"select count(*) from sAllSpecies where groupID = 6 and SuperGroupID <> 3", "0"},
        {"select count(*) > 20 from sAllSpecies where groupID = 6", "1"},
        {"select group_concat(ID) from (select ID from nBatHousesCondition order by ID)", "1,2,3"},
        {"select group_concat(ID) from (select ID from nHamsterHabitatCodes order by ID)", "1,2,3,4,5,6,7,8,9"},
        {"select group_concat(ID) from (select ID from nMossRockHight order by ID)", "1,2,3,4"},
        {"select group_concat(ID) from (select ID from nMossRockSurface order by ID)", "1,2"},
        {"select group_concat(ID) from (select ID from nMossTurf where Moss2 = 1 order by ID)", "1,2"},
        {"select count(*) from nMossRockSituation r join nMossTurfSituation t on t.ID = r.ID and t.Name = r.Name "
         "where r.ID in (1, 2)", "2"},
        {"select count(*) > 0 from nMossTurfSituation where combo1 = 1", "1"},
        {"select count(*) > 0 from nMossTurfSituation where combo2 = 1", "1"},
        {"select count(*) from _BatsInCaves where ID > (select count(*) from _BatsInCaves)", "0"},
        {"select count(*) from _AllBats where Name_lat in ('Myotis bechsteinii', 'Nyctalus noctula')", "2"},
        {"select count(*) from nNUTS where Name not glob 'BG[0-9][0-9][0-9] *'", "0"},
        {"select count(*) from nNP n join nRIOSW_NP_PP r on r.ID = n.ID where instr(r.Name, n.Name) > 0", "3"},
        {"select count(*) from EKNM_PROVINCE where ID = -1", "1"},
    };
    for (const Fact& fact : facts) EXPECT_EQ(Value(fact.sql), fact.expected) << fact.sql;
    EXPECT_NE(Value("select Name from nDynamicComboData where ID = 4").find("опишете"), std::string::npos);

    // The wolf route dialog asks for park sections by the login's id.
    for (int park : Ints("select ID from nNP")) EXPECT_FALSE(Column(kParkSections, "nPU", park).empty()) << park;
}

TEST_F(Seed, EveryListAPageOffersHasRows) {
    const char* const lists[] = {
        "nRIOSW", "nDynamicComboData", "nTortoiseGround", "nMossExposure", "nThreats", "_BatsInWetlands",
        "_BatsInHouses", "_AllAmphibia", "_AllReptiles", "_AllFungi", "_AllMosses", "_AllTreesMoss",
        "_AllGrassBushMoss", "nTortoise", "Floristic_regions", "nUTM_Fungus", "nMossYesNo", "nMossHommies",
        "nMossRockSunshine", "nMossSoil", "nMossErosive", "Person_Colaborator", "Users"};
    for (const char* table : lists) EXPECT_GT(Count("select count(*) from %s", table), 0) << table;
    // The moss species dialog offers only species that have both names.
    for (const char* table : {"_AllTreesMoss", "_AllGrassBushMoss"})
        EXPECT_EQ(Count("select count(*) from %s where Name_lat is null or Name_bg is null", table), 0) << table;
}

// The threats picker builds its tree from the rows in stored order.
TEST_F(Seed, ThreatsComeBackDepthFirst) {
    std::vector<std::string> seen;
    int previousLevel = 0;
    for (CSQLite3Query q = db.execQuery("select ID, Code, Name from nThreats"); !q.eof(); q.nextRow()) {
        const std::string code = q.getStringField("Code").str();
        const int level = static_cast<int>(std::count(code.begin(), code.end(), '.'));
        ASSERT_GE(level, 1) << code;
        EXPECT_LE(level, previousLevel + 1) << code;
        if (level > 1) {
            const std::string parent = code.substr(0, code.rfind('.', code.size() - 2) + 1);
            EXPECT_NE(std::find(seen.begin(), seen.end(), parent), seen.end()) << code << " before its parent";
        }
        EXPECT_EQ(std::find(seen.begin(), seen.end(), code), seen.end()) << code << " twice";
        seen.push_back(code);
        previousLevel = level;
    }
    ASSERT_FALSE(seen.empty());
    EXPECT_EQ(seen.front(), "1.");
}

TEST_F(Seed, TextSurvivesTheCodePage) {
    for (const auto& entry : std::filesystem::directory_iterator(std::string(QUORIN_DATA_DIR) + "/seed")) {
        std::ifstream in(entry.path(), std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        EXPECT_TRUE(cp1251::IsRepresentable(text.str())) << entry.path().filename();
    }
    EXPECT_EQ(Value("select Name from nRIOSW_NP_PP where ID = 19"), "Дирекция на НП „Централен Балкан“");
    EXPECT_EQ(Value("select Name from FormNames where ID = 16"), "Лалугер – колония и трансекти");
    // Nothing was turned into question marks on the way in.
    EXPECT_EQ(Count("select count(*) from nThreats where instr(Name, '?') > 0"), 0);
}
