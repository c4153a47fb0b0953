#include "StoreFixture.h"

#include "db/ProgramFolder.h"
#include "store/SqlText.h"

namespace {

const char* const kTestRows = R"sql(
begin;
insert into FormNames (ID, Name) values (900, 'Всички общи страници'), (901, 'Без стъпки'), (902, 'Само място');
insert into FormViews (ID, Name) values (9001, 'page');
insert into FormBuilder (FormTypeId, FormViewID, SequenceNum, Caption, ItemDataName, ItemDataValue) values
    (900, 9001, 1, 'Място', '', 1002), (900, 9001, 2, 'Време', '', 1014), (900, 9001, 3, 'Лесничейства', '', 1016),
    (900, 9001, 4, 'Координати', '', 1017), (900, 9001, 5, 'Защитени територии', '', 1018),
    (900, 9001, 6, 'Наблюдатели', '', 1019), (900, 9001, 7, 'Заплахи', '', 1020),
    (900, 9001, 9, 'Гъби - 1', '', 6601), (900, 9001, 10, 'Риби - 0', '', 6901), (900, 9001, 11, '', '', 7020),
    (900, 9001, 8, 'Снимки', '', 1021), (900, 9001, 12, 'Край', '', 1022),
    (902, 9001, 1, 'Място', '', 1003);
insert into EKNM_PROVINCE (ID, EKNM, EKNM_NAME) values (90001, 'SOF', 'София-град');
insert into EKNM_MUNICIPALITY (ID, Province, EKNM, EKNM_NAME) values (90001, 90001, 'SOF46', 'Столична');
insert into EKNM_CITIES (ID, EKNM, EKNM_NAME, Province, Municipality) values (90001, '68134', 'гр.София', 90001, 90001);
insert into nNUTS (ID, Name) values (90001, 'BG411');
insert into nRIOSW (ID, Name) values (90001, 'РИОСВ - София');
insert into nRUG (ID, Name) values (90001, 'РУГ София');
insert into nDL (ID, Name) values (90001, 'ДЛ Витоша');
insert into nDDS (ID, Name) values (90001, 'ДДС Бистрица');
insert into nDynamicComboData (ID, Name) values (90001, 'пещера');
insert into nSites (ID, SiteName, RIOSW_NP_PP_ID) values (90001, 'Черни връх', 1);
insert into nTortoiseGround (ID, Name) values (90001, 'каменист');
insert into nMossExposure (ID, Name) values (90001, 'северна');
insert into nNP (ID, Name) values (90001, 'НП Рила');
insert into nPU (ID, Name, NP_ID) values (90001, 'ПУ Говедарци', 90001);
insert into nPP (ID, Name) values (90001, 'ПП Витоша');
insert into nReserve (ID, Name) values (90001, 'Бистришко бранище');
insert into nPR (ID, Name) values (90001, 'ПР Водопад');
insert into nPZ (ID, Name) values (90001, 'ЗМ Пясъци');
insert into nZM (ID, Name) values (90001, 'ЗМ Блато');
insert into nSiteCorine (ID, Name) values (90001, 'Корине');
insert into nSiteOVM (ID, Name) values (90001, 'ОВМ');
insert into nSiteNatura2000 (ID, Name) values (90001, 'BG0000113');
insert into nSiteRamsar (ID, Name) values (90001, 'Рамсар');
insert into Person_Colaborator (ID, FirstName, MidName, LastName, EGN, Organization, Position) values
    (90001, 'Иван', 'Петров', 'О''Нийл', 'ivan@example.bg', 'РИОСВ', 'експерт'),
    (90002, 'Мария', '', 'Иванова', '', '', '');
insert into nThreats (ID, Code, Name) values (90001, '90.', 'Земеделие'), (90002, '90.1.', 'Паша'),
    (90003, '90.1.1.', 'Прекомерна паша');
insert into sSuperGroups (ID, Name_lat, Name_bg) values (9001, 'Animalia', 'Животни');
insert into sGroups (ID, Name_lat, Name_bg, SuperGroupID) values (9001, 'Mammalia', 'Бозайници', 9001);
insert into sSubGroups (ID, Name_lat, Name_bg, GroupID) values (9001, 'Carnivora', 'Хищници', 9001);
insert into sAllSpecies (ID, Name_lat, Name_bg, SuperGroupID, groupID, SubGroupID, species_code) values
    (9001, 'Canis lupus', 'Вълк', 9001, 9001, 9001, '1352'), (9002, 'Ursus arctos', NULL, 9001, 9001, 9001, NULL);
commit;
)sql";

}  // namespace

void StoreTest::SetUp() {
    TheProgramFolder().InitAppDir(database.Folder());
    db.open(database.Path());
    db.execDML(kTestRows);
}

void StoreTest::TearDown() {
    db.close();
}

void StoreTest::AddFormType(int formTypeId, std::initializer_list<int> steps) {
    Exec(FormatSql("insert into FormNames (ID, Name) values (%d, 'Тест')", formTypeId));
    int sequence = 0;
    for (const int step : steps)
        Exec(FormatSql("insert into FormBuilder (FormTypeId, FormViewID, SequenceNum, Caption, ItemDataName, ItemDataValue) "
                       "values (%d, 9001, %d, '', '', %d)", formTypeId, ++sequence, step));
}

int StoreTest::Number(const char* sql, int none) {
    CSQLite3Query query = db.execQuery(sql);
    return query.eof() ? none : query.getIntField(0, none);
}

CString StoreTest::Text(const char* sql) {
    CSQLite3Query query = db.execQuery(sql);
    return query.eof() ? CString() : query.getStringField(0);
}

int StoreTest::Count(const char* table, const char* where) {
    return Number(FormatSql("select count(*) from %s where %s", table, where), 0);
}

std::string StoreTest::Snapshot() {
    std::string all;
    CSQLite3Query tables = db.execQuery("select name from sqlite_master where type = 'table' order by name");
    for (; !tables.eof(); tables.nextRow()) {
        const CString table = tables.getStringField(0);
        all += "[" + table.str() + "]\n";
        CSQLite3Query rows = db.execQuery(FormatSql("select * from \"%s\" order by rowid", table));
        for (; !rows.eof(); rows.nextRow()) {
            for (int column = 0; column < rows.numFields(); ++column) {
                int length = 0;
                if (rows.fieldDataType(column) == 4 /* blob */) {
                    const BYTE* bytes = rows.getBlobField(column, length);
                    all += "blob:" + std::string(reinterpret_cast<const char*>(bytes), length);
                } else {
                    all += rows.fieldIsNull(column) ? "NULL" : rows.getStringField(column).str();
                }
                all += '|';
            }
            all += '\n';
        }
    }
    return all;
}

std::unique_ptr<CTovan_splitDoc> StoreTest::NewDocument(int formTypeId, int speciesId) {
    auto doc = std::make_unique<CTovan_splitDoc>();
    doc->UserID = 1;
    doc->SessionID = 7;
    doc->RIOSW_ID = 1;
    doc->RIOSWName = "РИОСВ - София";
    doc->FormTypeID = formTypeId;
    doc->SpeciesID = speciesId;
    doc->ClearAll();
    return doc;
}

std::unique_ptr<CTovan_splitDoc> StoreTest::Loaded(int formId, int formTypeId) {
    auto doc = NewDocument(formTypeId, -1);
    doc->LoadForm(formId);
    return doc;
}
