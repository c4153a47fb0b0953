// The four bat reports: the parameter sequences they send, and their report files, which place
// every parameter a filled form sends and give each target species of the lists its line.
#include <algorithm>
#include <string>
#include <vector>

#include "ReportFixture.h"
#include "db/SQLite3DB.h"
#include "platform/ReportEngine.h"
#include "reports/BatReports.h"
#include "reports/ReportParameters.h"
#include "reports/ReportTable.h"
#include "store/SqlText.h"

namespace {

using Texts = std::vector<std::string>;

CThreatItem Threat(int id) {
    CThreatItem threat;
    threat.ID = id;
    threat.Name = FormatSql("заплаха %d", id);
    return threat;
}

CBat04Row BatRow(int methodCount, int id, const char* name, const char* methods, int count) {
    CBat04Row row(methodCount);
    row.SpeciesID = id;
    row.SpeciesName = name;
    row.Methods = methods;
    row.Count = count;
    return row;
}

CBat02Row ForestRow(int id, const char* methods, int count) {
    CBat02Row row;
    row.SpeciesID = id;
    row.SpeciesName = FormatSql("вид %d", id);
    row.Methods = methods;
    row.Count = count;
    return row;
}

CBatHouse House(const char* number, int condition, std::vector<const char*> species) {
    CBatHouse house;
    house.HouseNum = number;
    house.HouseConditionID = condition;
    for (const char* name : species) {
        CBatHouseSpecies seen;
        seen.BatsInHouseName = name;
        seen.SpeciesCount = "4";
        house.Species.Add(seen);
    }
    return house;
}

class BatReportsTest : public ReportTest {
protected:
    // A form with its site header, one point, one observer and six threats.
    std::unique_ptr<CTovan_splitDoc> Form(int formTypeId) {
        auto doc = NewDocument(formTypeId);
        doc->SpeciesName = "Chiroptera";
        doc->CommonData_01.SiteName = "Пещера 'Бацова'";
        doc->CommonData_01.PlaceID = 12;
        doc->CommonData_01.Date.SetDate(2024, 5, 6);
        doc->CommonData_01.StartTime.SetTime(21, 30, 0);
        doc->CommonData_01.EndTime.SetTime(23, 0, 0);
        doc->CommonData_02.TemperatureAir = "11.5";
        doc->CommonData_02.Wind = 0;
        doc->CommonData_04.Altitude = "420";
        CGeoPoint point;
        point.LatDeg = 43;
        point.LonDeg = 24;
        doc->CommonData_04.Points.Add(point);
        CPersonRow observer;
        observer.FirstName = "Иван";
        doc->CommonData_06.Observers.Add(observer);
        for (int id = 1; id <= 6; ++id) doc->CommonData_07_Threat.Threats.Add(Threat(id));
        return doc;
    }

    // The parameters the form type's filler sends, "index:NAME;value".
    Texts Print(const CTovan_splitDoc& doc) {
        calls.clear();
        CCrystalCtrl control;
        CReportParameters report(control, doc);
        FindFormTypeReport(doc.FormTypeID)->first.filler(report, -1, -1);
        Texts texts;
        for (const std::string& text : Parameters(control.GetDlgCtrlID()))
            texts.push_back(std::to_string(texts.size()) + ":" + text.substr(0, text.size() - 5));  // without ";TRUE"
        return texts;
    }

    // The report filled with what the form sends.
    std::string Filled(const CTovan_splitDoc& doc) {
        calls.clear();
        CCrystalCtrl control;
        CReportParameters report(control, doc);
        const ReportPrint& print = FindFormTypeReport(doc.FormTypeID)->first;
        print.filler(report, -1, -1);
        std::vector<ReportField> fields;
        for (const std::string& text : Parameters(control.GetDlgCtrlID())) fields.push_back(ParseReportField(text.c_str()));
        CString html, error;
        EXPECT_TRUE(FillReportFile(database.Folder() + "Reports/" + print.fileName, fields, html, error)) << error.GetString();
        return html.str();
    }
};

// The slice of `texts` from the entry that begins with `first` on, `count` entries.
Texts From(const Texts& texts, const std::string& first, size_t count) {
    const auto start = std::find_if(texts.begin(), texts.end(), [&](const std::string& text) {
        return text.find(first) != std::string::npos;
    });
    if (start == texts.end()) return {"no " + first};
    return Texts(start, start + std::min<ptrdiff_t>(count, texts.end() - start));
}

TEST_F(BatReportsTest, CaveReportNumbersTargetsBySpeciesIdAndPushesEverythingInOrder) {
    auto doc = Form(17);
    doc->CommonData_01.DynamicIntComboContentName = "Пещера";
    doc->CommonData_01.DynamicStrContent2 = "карстова";
    doc->SpecData_Bat_04_Caves.Methods = {1, 0, 0, 1, 0};
    doc->SpecData_Bat_04_Caves.Species.Add(BatRow(kCaveMethods, 7, "Myotis blythii", "1; 4;", 120));
    doc->SpecData_Bat_04_Caves.Species.Add(BatRow(kCaveMethods, 3, "Rhinolophus euryale", "1;", 0));
    doc->SpecData_Bat_05_Caves.Species.Add(BatRow(kCaveMethods, 430, "Myotis myotis", "4;", 2));
    doc->SpecData_Bat_05_Caves.ColonyLocation = "таван";
    doc->SpecData_Bat_05_Caves.Notes = "бележка";
    doc->SpecData_Bat_05_Caves.Changes = "промяна";
    const Texts expected = {
        "0:PARAM_SPECIES;Chiroptera", "1:PARAM_CODE_SPECIES;", "2:PARAM_DATE;2024-05-06", "3:PARAM_HOUR1;21:30",
        "4:PARAM_HOUR2;23:00", "5:PARAM_PLACE;Пещера 'Бацова'", "6:PARAM_CODE_PLACE;12",
        "7:PARAM_UNDERGROUND HABITAT;Пещера - карстова", "8:PARAM_TEMPERATURE_AIR;11.5", "9:PARAM_CITY;",
        "10:PARAM_EKATTE;", "11:PARAM_PROVINCE;", "12:PARAM_MUNICIPALITY;", "13:PARAM_NUTS;", "14:PARAM_RIOSW;",
        "15:PARAM_RUG;", "16:PARAM_DL;", "17:PARAM_DDS;", "18:PARAM_DEPARTMENT;", "19:PARAM_SUBDEPARTMENT;",
        "20:PARAM_LONGITUDE;24°  0'  0.0''", "21:PARAM_LATITUDE;43°  0'  0.0''", "22:PARAM_ATTITUDE;420",
        "23:PARAM_LONGITUDE;24°  0'  0.0''", "24:PARAM_LATITUDE;43°  0'  0.0''", "25:PARAM_BIO_REGION1;",
        "26:PARAM_BIO_REGION2;", "27:PARAM_BIO_REGION3;", "28:PARAM_PU;", "29:PARAM_NP;", "30:PARAM_PP;",
        "31:PARAM_RESERVE;", "32:PARAM_PR;", "33:PARAM_PZ;", "34:PARAM_ZM;", "35:PARAM_CORINE;", "36:PARAM_OVM;",
        "37:PARAM_NATURE2000;", "38:PARAM_RAMSAS;", "39:PARAM_EKIP1;Иван  ", "40:PARAM_INSTITUTION1;",
        "41:PARAM_METHOD_1;+", "42:PARAM_METHOD_2;", "43:PARAM_METHOD_3;", "44:PARAM_METHOD_4;+", "45:PARAM_METHOD_5;",
        "46:PARAM_METHOD_SPACIES_7;1   4  ", "47:PARAM_COUNT_SPACIES_7;120", "48:PARAM_METHOD_SPACIES_3;1  ",
        "49:PARAM_COUNT_SPACIES_3;0", "50:PARAM_ACCOMPANY_1;Myotis myotis", "51:PARAM_METHOD_ACCOMPANY_1;4  ",
        "52:PARAM_COUNT_ACCOMPANY_1;2", "53:PARAM_STOCK;таван", "54:PARAM_NOTE;бележка",
        "55:PARAM_HABITAT_CHANGE;промяна", "56:PARAM_THREAT_1;заплаха 1", "57:PARAM_THREAT_2;заплаха 2",
        "58:PARAM_THREAT_3;заплаха 3", "59:PARAM_THREAT_4;заплаха 4", "60:PARAM_THREAT_5;заплаха 5",
        "61:PARAM_PHOTO;", "62:PARAM_MAP;",
    };
    EXPECT_EQ(Print(*doc), expected);

    doc->CommonData_01.DynamicStrContent2 = "";
    EXPECT_EQ(From(Print(*doc), "HABITAT", 1), Texts{"7:PARAM_UNDERGROUND HABITAT;Пещера"});
}

TEST_F(BatReportsTest, WetlandReportAddsTheWeatherAfterThePlace) {
    auto doc = Form(18);
    doc->SpecData_Bat_06_WetLand.Methods = {0, 1, 0, 0};
    doc->SpecData_Bat_06_WetLand.Species.Add(BatRow(kWetlandMethods, 6, "Nyctalus noctula", "2;", 5));
    doc->SpecData_Bat_07_WetLand.Notes = "бележка";
    const Texts texts = Print(*doc);
    EXPECT_EQ(From(texts, "PARAM_TEMPERATURE_AIR", 1), Texts{"7:PARAM_TEMPERATURE_AIR;11.5"});
    EXPECT_EQ(From(texts, "PARAM_SUBDEPARTMENT", 4),
              (Texts{"18:PARAM_SUBDEPARTMENT;", "19:PARAM_METERO2;слаб", "20:PARAM_METERO3;", "21:PARAM_LONGITUDE;24°  0'  0.0''"}));
    EXPECT_EQ(From(texts, "PARAM_METHOD_1", 7),
              (Texts{"42:PARAM_METHOD_1;", "43:PARAM_METHOD_2;+", "44:PARAM_METHOD_3;", "45:PARAM_METHOD_4;",
                     "46:PARAM_METHOD_SPACIES_6;2  ", "47:PARAM_COUNT_SPACIES_6;5", "48:PARAM_NOTE;бележка"}));
    EXPECT_EQ(From(texts, "PARAM_THREAT_5", 3), (Texts{"54:PARAM_THREAT_5;заплаха 5", "55:PARAM_PHOTO;", "56:PARAM_MAP;"}));
}

TEST_F(BatReportsTest, ForestReportStopsAtTenCompanionsOneThreatAndPrintsNoUnsetCount) {
    auto doc = Form(19);
    CSpecData_Bat_01_Forest& targets = doc->SpecData_Bat_01_Forest;
    targets.Bat1Checked = 1;
    targets.Bat1Method = "3;";
    targets.Bat1Count = 14;
    for (int id = 1; id <= 12; ++id) doc->SpecData_Bat_02_Forest.ExtraBats.Add(ForestRow(id, "1;", id));
    doc->SpecData_Bat_02_Forest.BlankNum = "17";
    const Texts texts = Print(*doc);
    EXPECT_EQ(From(texts, "PARAM_METHOD_SPACIES_1", 4),
              (Texts{"44:PARAM_METHOD_SPACIES_1;3  ", "45:PARAM_COUNT_SPACIES_1;14", "46:PARAM_METHOD_SPACIES_2;",
                     "47:PARAM_COUNT_SPACIES_2;"}));
    EXPECT_EQ(From(texts, "PARAM_COUNT_ACCOMPANY_10", 6),
              (Texts{"77:PARAM_COUNT_ACCOMPANY_10;10", "78:PARAM_FORM_NUM;17", "79:PARAM_NOTE;", "80:PARAM_HABITAT_CHANGE;",
                     "81:PARAM_THREAT_1;заплаха 1", "82:PARAM_PHOTO;"}));
    EXPECT_EQ(From(texts, "ACCOMPANY_11", 1), Texts{"no ACCOMPANY_11"});
}

TEST_F(BatReportsTest, LodgeReportSkipsARowAfterEachHouseAndTicksOnlyItsCondition) {
    auto doc = Form(20);
    doc->SpecData_Bat_03_Houses.BatHousesFormNum = "Б-3";
    doc->SpecData_Bat_03_Houses.BatHouses.Add(House("12", 2, {"Nyctalus noctula", "Plecotus auritus"}));
    doc->SpecData_Bat_03_Houses.BatHouses.Add(House("13", -1, {}));
    doc->SpecData_Bat_03_Houses.BatHouses.Add(House("14", 3, {"Myotis nattereri"}));
    const Texts texts = Print(*doc);
    EXPECT_EQ(From(texts, "PARAM_APPLICATION_NUM", 14),
              (Texts{"40:PARAM_APPLICATION_NUM;Б-3", "41:PARAM_NUM_LODGE_1;12", "42:PARAM_SPACIES_1;Nyctalus noctula",
                     "43:PARAM_COUNT_SPACIES_1;4", "44:PARAM_STATUS_1_2;+", "45:PARAM_NUM_LODGE_2;12",
                     "46:PARAM_SPACIES_2;Plecotus auritus", "47:PARAM_COUNT_SPACIES_2;4", "48:PARAM_STATUS_2_2;+",
                     "49:PARAM_NUM_LODGE_5;14", "50:PARAM_SPACIES_5;Myotis nattereri", "51:PARAM_COUNT_SPACIES_5;4",
                     "52:PARAM_STATUS_5_3;+"}));
    EXPECT_EQ(texts.size(), 53u);  // no threats, no photo and map signs
}

// Every parameter a filled form sends has its place in the report file, and each species of the
// cave and wetland lists its own line.
TEST_F(BatReportsTest, FilledFormsPrintNothingUnderOtherData) {
    CSQLite3DB db;
    db.open(database.Path());
    const auto listed = [&db](int formTypeId, const char* list, int methods) {
        CArray<CBat04Row> rows;
        for (CSQLite3Query query = db.execQuery(FormatSql("select ID, Name_lat from %s", list)); !query.eof(); query.nextRow())
            rows.Add(BatRow(methods, query.getIntField(0), query.getStringField(1), "1;", formTypeId));
        EXPECT_GT(rows.GetSize(), 0) << list;
        return rows;
    };
    auto caves = Form(17);
    caves->CommonData_01.DynamicIntComboContentName = "Пропаст";
    caves->SpecData_Bat_04_Caves.Species = listed(17, "_BatsInCaves", kCaveMethods);
    caves->SpecData_Bat_05_Caves.Species.Add(BatRow(kCaveMethods, 430, "Myotis myotis", "1;", 3));
    caves->SpecData_Bat_05_Caves.ColonyLocation = caves->SpecData_Bat_05_Caves.Notes = caves->SpecData_Bat_05_Caves.Changes = "текст";
    auto wetland = Form(18);
    wetland->SpecData_Bat_06_WetLand.Species = listed(18, "_BatsInWetlands", kWetlandMethods);
    wetland->SpecData_Bat_07_WetLand.Species.Add(BatRow(kWetlandMethods, 430, "Myotis myotis", "1;", 3));
    wetland->SpecData_Bat_07_WetLand.Notes = wetland->SpecData_Bat_07_WetLand.Changes = "текст";
    auto forest = Form(19);
    forest->SpecData_Bat_01_Forest = {{1, 1, 1, 1}, 1, "1;", {1, 0, 0, 0}, 3, 1, "2;", {0, 1, 0, 0}, 4};
    forest->SpecData_Bat_02_Forest.ExtraBats.Add(ForestRow(430, "1;", 1));
    forest->SpecData_Bat_02_Forest.Notes = forest->SpecData_Bat_02_Forest.Changes = forest->SpecData_Bat_02_Forest.BlankNum = "текст";
    auto houses = Form(20);
    houses->SpecData_Bat_03_Houses.BatHousesFormNum = "текст";
    for (int condition = 1; condition <= 3; ++condition)
        houses->SpecData_Bat_03_Houses.BatHouses.Add(House("1", condition, {"Nyctalus noctula"}));

    for (const CTovan_splitDoc* doc : {caves.get(), wetland.get(), forest.get(), houses.get()}) {
        const std::string html = Filled(*doc);
        EXPECT_EQ(html.find("Други данни"), std::string::npos) << doc->FormTypeID << html.substr(html.find("Други данни"));
        EXPECT_NE(html.find("текст"), std::string::npos) << doc->FormTypeID;
    }
    EXPECT_NE(Filled(*caves).find("Пропаст"), std::string::npos);  // the placeholder whose name holds a blank
}

}  // namespace
