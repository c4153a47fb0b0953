// The parameter texts of the shared blocks: a form stored in and loaded from the database
// gives every text in its place, and the blocks skip, cut and prepare values as the report
// files expect.
#include <string>
#include <vector>

#include "ReportFixture.h"
#include "db/SQLite3DB.h"
#include "platform/CxImage.h"
#include "reports/ReportParameters.h"
#include "store/SqlText.h"
#include "tests/support/TestPicture.h"

namespace {

int IdOf(CSQLite3DB& db, const char* table, const char* column, const char* value) {
    CSQLite3Query query = db.execQuery(FormatSql("select ID from %s where %s = '%s'", table, column, value));
    EXPECT_FALSE(query.eof()) << table << " has no " << value;
    return query.eof() ? -1 : query.getIntField(0, -1);
}

int Number(CSQLite3DB& db, const char* sql) {
    CSQLite3Query query = db.execQuery(sql);
    return query.eof() ? -1 : query.getIntField(0, -1);
}

CPersonRow Person(int id, const char* first = "", const char* last = "", const char* organization = "") {
    CPersonRow person;
    person.ID = id;
    person.FirstName = first;
    person.LastName = last;
    person.Organization = organization;
    return person;
}

CImageRef Picture() {
    const std::vector<BYTE> bmp = TestBmp(8, 8, 1);
    auto image = std::make_shared<CxImage>();
    EXPECT_TRUE(image->Decode(bmp.data(), static_cast<DWORD>(bmp.size()), CXIMAGE_FORMAT_BMP));
    return image;
}

class SharedBlocksTest : public ReportSequenceTest {
protected:
    // What the shared blocks send for the form, in the order a report fills them.
    Texts SharedBlocks() const {
        return Join({Blocks({&CReportParameters::FillCommonHeader, &CReportParameters::FillWeather}), ThreatsAndSigns(5)});
    }
};

TEST_F(SharedBlocksTest, StoredFormGivesEverySharedParameterInItsPlace) {
    CSQLite3DB db;
    db.open(database.Path());
    auto typed = NewDocument(11, IdOf(db, "sAllSpecies", "Name_lat", "Barbus petenyi"));

    CCommonData_01& place = typed->CommonData_01;
    place.SiteName = "Река Искър – под моста";
    place.PlaceID = CCommonData_01::kNewSite;
    place.Date.SetDate(2009, 6, 15);
    place.StartTime.SetTime(7, 30, 0);
    place.EndTime.SetStatus(COleDateTime::null);
    place.EKNM_CityID = IdOf(db, "EKNM_CITIES", "EKNM", "65231");
    place.NUTS_ID = IdOf(db, "nNUTS", "Name", "BG412 София");
    place.RIOSW_ID_ = IdOf(db, "nRIOSW", "Name", "РИОСВ - София");
    place.RUG_ID = IdOf(db, "nRUG", "Name", "РДГ Берковица");
    place.DL_ID = IdOf(db, "nDL", "Name", "ДГС Благоевград");
    place.DDS_ID = IdOf(db, "nDDS", "Name", "ДЛС „Арконд“");
    place.Department = "12";
    place.SubDepartment = "а";
    place.DynamicStrContent = "Искър; горно течение";

    typed->CommonData_02.Cloudness = 3;
    typed->CommonData_02.Wind = 1;
    typed->CommonData_02.Rainfall = "слаб дъжд";

    CCommonData_04& coords = typed->CommonData_04;
    coords.BioRegionID = 1;
    coords.Altitude = "950";
    coords.Points.Add(CGeoPoint{42, 20, 11, 25, 23, 33, 4, 5});
    coords.Points.Add(CGeoPoint{43, 1, 1, 1, 24, 2, 2, 2});

    CCommonData_05& areas = typed->CommonData_05;
    areas.NP_ID = IdOf(db, "nNP", "Name", "Рила");
    areas.NP_PU_ID = IdOf(db, "nPU", "Name", "ПУ „Бели Искър“");
    areas.PP_ID = IdOf(db, "nPP", "Name", "Беласица");
    areas.Reserve_ID = IdOf(db, "nReserve", "Name", "Парангалица");
    areas.PR_ID = IdOf(db, "nPR", "Name", "Атанасовско езеро");
    areas.PZ_ID = IdOf(db, "nPZ", "Name", "Белоградчишки скали");
    areas.ZM_ID = IdOf(db, "nZM", "Name", "Пода");
    areas.Corine_ID = IdOf(db, "nSiteCorine", "Name", "Рила");
    areas.OVM_ID = IdOf(db, "nSiteOVM", "Name", "Атанасовско езеро");
    areas.Natura_200_ID = IdOf(db, "nSiteNatura2000", "Name", "BG0000495 Рила");
    areas.Ramsar_ID = IdOf(db, "nSiteRamsar", "Name", "Атанасовско езеро");

    for (int person = 1; person <= 5; ++person) typed->CommonData_06.Observers.Add(Person(person));
    typed->CommonData_07_Threat.Threats.Add({IdOf(db, "nThreats", "Code", "1.3.1."), ""});
    typed->CommonData_07_Threat.Threats.Add({IdOf(db, "nThreats", "Code", "1.1."), ""});
    typed->CommonData_InsertImages.PhotoImages.Add(Picture());
    typed->CommonData_InsertImages.PhotoNames.Add("мост.bmp");

    ASSERT_TRUE(typed->SaveNewForm());
    const int formId = Number(db, "select max(ID) from Forms");
    const std::string site = std::to_string(Number(db, "select max(ID) from nSites"));
    doc = NewDocument(11);
    ASSERT_TRUE(doc->LoadForm(formId));

    const std::vector<std::string> expected{
        "PARAM_SPECIES;Barbus petenyi(Черна мряна);TRUE", "PARAM_CODE_SPECIES;1138;TRUE", "PARAM_DATE;2009-06-15;TRUE",
        "PARAM_HOUR1;07:30;TRUE", "PARAM_HOUR2;;TRUE", "PARAM_PLACE;Река Искър – под моста;TRUE",
        "PARAM_CODE_PLACE;" + site + ";TRUE", "PARAM_CITY;Самоков;TRUE", "PARAM_EKATTE;65231;TRUE",
        "PARAM_PROVINCE;София;TRUE", "PARAM_MUNICIPALITY;Самоков;TRUE", "PARAM_NUTS;BG412;TRUE",
        "PARAM_RIOSW;РИОСВ - София;TRUE", "PARAM_RUG;РДГ Берковица;TRUE", "PARAM_DL;ДГС Благоевград;TRUE",
        "PARAM_DDS;ДЛС „Арконд“;TRUE", "PARAM_DEPARTMENT;12;TRUE", "PARAM_SUBDEPARTMENT;а;TRUE",
        "PARAM_FIELD_NUM;Искър   горно течение;TRUE", "PARAM_LONGITUDE;23°  33'  4.5'';TRUE",
        "PARAM_LATITUDE;42°  20'  11.25'';TRUE", "PARAM_ATTITUDE;950;TRUE", "PARAM_BIO_REGION1;;TRUE",
        "PARAM_BIO_REGION2;x;TRUE", "PARAM_BIO_REGION3;;TRUE", "PARAM_PU;ПУ „Бели Искър“;TRUE", "PARAM_NP;Рила;TRUE",
        "PARAM_PP;Беласица;TRUE", "PARAM_RESERVE;Парангалица;TRUE", "PARAM_PR;Атанасовско езеро;TRUE",
        "PARAM_PZ;Белоградчишки скали;TRUE", "PARAM_ZM;Пода;TRUE", "PARAM_CORINE;Рила;TRUE",
        "PARAM_OVM;Атанасовско езеро;TRUE", "PARAM_NATURE2000;BG0000495 Рила;TRUE", "PARAM_RAMSAS;Атанасовско езеро;TRUE",
        "PARAM_EKIP1;Иван Петров Иванов;TRUE", "PARAM_INSTITUTION1;РИОСВ - София;TRUE",
        "PARAM_EKIP2;Мария Георгиева Стоянова;TRUE", "PARAM_INSTITUTION2;РИОСВ - София;TRUE",
        "PARAM_EKIP3;Георги Димитров Николов;TRUE", "PARAM_INSTITUTION3;Дирекция на НП „Рила“;TRUE",
        "PARAM_EKIP4;Елена Тодорова Василева;TRUE", "PARAM_INSTITUTION4;Дирекция на НП „Централен Балкан“;TRUE",
        "PARAM_METERO1;3;TRUE", "PARAM_METERO2;умерен;TRUE", "PARAM_METERO3;слаб дъжд;TRUE",
        "PARAM_THREAT_1;Жилищно и стопанско строителство->Туристически и рекреационни съоръжения->Ски писти и лифтове;TRUE",
        "PARAM_THREAT_2;Жилищно и стопанско строителство->Жилищни и селищни територии;TRUE", "PARAM_PHOTO;+;TRUE", "PARAM_MAP;;TRUE",
    };
    const std::vector<std::string> texts = SharedBlocks();
    for (size_t i = 0; i < std::max(texts.size(), expected.size()); ++i)
        EXPECT_EQ(i < texts.size() ? texts[i] : "(none)", i < expected.size() ? expected[i] : "(none)") << "index " << i;
    EXPECT_TRUE(boxes.Texts().empty());
}

TEST_F(SharedBlocksTest, BlocksSkipWhatTheFormLacksAndStopAtTheirLimits) {
    doc = NewDocument(11);
    Texts texts = SharedBlocks();
    // Reset date and hours are printed; no site code, point, cloud cover, wind, team or threat takes an index.
    ASSERT_EQ(texts.size(), 36u);
    EXPECT_EQ(std::vector(texts.begin() + 2, texts.begin() + 7),
              (std::vector<std::string>{"PARAM_DATE;2000-01-01;TRUE", "PARAM_HOUR1;01:01;TRUE", "PARAM_HOUR2;01:01;TRUE",
                                        "PARAM_PLACE;;TRUE", "PARAM_CITY;;TRUE"}));
    EXPECT_EQ(texts[18], "PARAM_ATTITUDE;;TRUE");
    EXPECT_EQ(texts[19] + texts[20] + texts[21], "PARAM_BIO_REGION1;;TRUEPARAM_BIO_REGION2;;TRUEPARAM_BIO_REGION3;;TRUE");
    EXPECT_EQ(texts[33], "PARAM_METERO3;;TRUE");

    doc->CommonData_01.PlaceID = 17;
    doc->CommonData_02.Wind = 3;
    doc->CommonData_01.NUTS_IDName = "BG411";  // no blank: no code
    for (int i = 0; i < 6; ++i) doc->CommonData_06.Observers.Add(Person(i, i == 1 ? "Мария" : "Иван", "Иванова", "БАН"));
    for (int i = 1; i <= 7; ++i) doc->CommonData_07_Threat.Threats.Add({i, "Паша"});
    texts = SharedBlocks();
    EXPECT_EQ(texts[6], "PARAM_CODE_PLACE;17;TRUE");
    EXPECT_EQ(texts[11], "PARAM_NUTS;;TRUE");
    EXPECT_EQ(texts[36], "PARAM_EKIP2;Мария  Иванова;TRUE");  // the blanks stay around an empty middle name
    EXPECT_EQ(texts[41], "PARAM_INSTITUTION4;БАН;TRUE");      // four observers of six
    EXPECT_EQ(texts[42], "PARAM_METERO2;;TRUE");
    EXPECT_EQ(texts[48], "PARAM_THREAT_5;Паша;TRUE");         // five threats of seven
    EXPECT_EQ(texts[49], "PARAM_PHOTO;;TRUE");
    doc->CommonData_01.PlaceID = CCommonData_01::kNewSite;
    EXPECT_EQ(SharedBlocks()[6], "PARAM_CITY;;TRUE");
}

// The header of the wolf, bear and goat reports, whose sections print their own places.
TEST_F(SharedBlocksTest, TheAreaHeaderNamesTheRegionBeforeTheTeam) {
    doc = NewDocument(35);
    CCommonData_01& place = doc->CommonData_01;
    place.EKNM_ProvinceIDName = "Пловдив";
    place.EKNM_MunicipalityIDName = "Асеновград";
    place.NUTS_IDName = "BG421 Пловдив";
    place.RIOSW_ID_Name = "РИОСВ - Пловдив";
    place.RUG_IDName = "РДГ Пловдив";
    doc->CommonData_02.Cloudness = 2;
    doc->CommonData_02.Wind = 2;
    doc->CommonData_02.Rainfall = "сняг";
    doc->CommonData_04.BioRegionID = 0;
    doc->CommonData_05.NP_IDName = "Рила";
    doc->CommonData_05.Ramsar_IDName = "Сребърна";
    doc->CommonData_06.Observers.Add(Person(1, "Иван", "Петров", "БАН"));
    const Texts region{"PARAM_PROVINCE;Пловдив;TRUE", "PARAM_MUNICIPALITY;Асеновград;TRUE", "PARAM_NUTS;BG421;TRUE",
                       "PARAM_RIOSW;РИОСВ - Пловдив;TRUE", "PARAM_RUG;РДГ Пловдив;TRUE", "PARAM_BIO_REGION1;x;TRUE",
                       "PARAM_BIO_REGION2;;TRUE", "PARAM_BIO_REGION3;;TRUE"};
    const Texts weather{"PARAM_METERO1;2;TRUE", "PARAM_METERO2;силен;TRUE", "PARAM_METERO3;сняг;TRUE"};
    const Texts areasAndTeam{"PARAM_PU;;TRUE", "PARAM_NP;Рила;TRUE", "PARAM_PP;;TRUE", "PARAM_RESERVE;;TRUE",
                             "PARAM_PR;;TRUE", "PARAM_PZ;;TRUE", "PARAM_ZM;;TRUE", "PARAM_CORINE;;TRUE", "PARAM_OVM;;TRUE",
                             "PARAM_NATURE2000;;TRUE", "PARAM_RAMSAS;Сребърна;TRUE", "PARAM_EKIP1;Иван  Петров;TRUE",
                             "PARAM_INSTITUTION1;БАН;TRUE"};
    EXPECT_EQ(Sent([](CReportParameters& r) { r.FillAreaHeader(false); }), Join({region, areasAndTeam}));
    EXPECT_EQ(Sent([](CReportParameters& r) { r.FillAreaHeader(true); }), Join({region, weather, areasAndTeam}));
}

TEST_F(ReportTest, ValuesArePreparedForTheControlsSemicolonsAndLength) {
    auto doc = NewDocument(11);
    std::vector<std::string> texts;
    const ReportCallRun run([&texts](const CCrystalCtrl&, const CrystalCall& call) { texts.push_back(call.text.str()); });
    CCrystalCtrl control;
    CReportParameters report(control, *doc);
    report.SetParam("PARAM_NOTE", "а;б");
    report.SetParam("PARAM_NOTE", CString(U'ж', 300));
    report.SetParam("PARAM_NOTE", CString(U'ж', 250));
    report.SetParam("PARAM_NOTE", CString(U'ж', 250) + ";");  // 251 once the semicolon is two blanks
    report.SetIntParam("PARAM_COUNT", -12);
    report.SetYesNoParam("PARAM_YN", 5);
    report.SetYesNoParam("PARAM_YN", 0);
    report.SetCheckParam("PARAM_CHECK", 1);
    report.SetCheckParam("PARAM_CHECK", 0);

    const std::string cut = "PARAM_NOTE;" + CString(U'ж', 246).str() + "...;TRUE";
    EXPECT_EQ(texts, (std::vector<std::string>{"PARAM_NOTE;а  б;TRUE", cut, "PARAM_NOTE;" + CString(U'ж', 250).str() + ";TRUE", cut,
                                               "PARAM_COUNT;-12;TRUE", "PARAM_YN;да;TRUE", "PARAM_YN;не;TRUE", "PARAM_CHECK;+;TRUE",
                                               "PARAM_CHECK;;TRUE"}));
    EXPECT_EQ(report.Index(), 9);
}

}  // namespace
