-- The inspectorates (РИОСВ), national park and nature park directorates that log in, and the
-- administrative and forestry units each of them works with. An inspectorate covers whole
-- provinces, a park directorate the municipalities of its park; every other relation below
-- follows from those municipalities, so that the lists of the place page show the units of
-- the login's own territory.

-- A failed check stops the build: a row of a lookup below that names no municipality.
create temp table seed_check (what text, ok integer, constraint every_name_found check (ok));

-- ID 1 (РИОСВ - София) comes with the first login. National parks keep the same id in nNP.
insert into nRIOSW_NP_PP (ID, Name) values
(2, 'РИОСВ - Благоевград'),
(3, 'РИОСВ - Бургас'),
(4, 'РИОСВ - Варна'),
(5, 'РИОСВ - Велико Търново'),
(6, 'РИОСВ - Враца'),
(7, 'РИОСВ - Монтана'),
(8, 'РИОСВ - Пазарджик'),
(9, 'РИОСВ - Перник'),
(10, 'РИОСВ - Плевен'),
(11, 'РИОСВ - Пловдив'),
(12, 'РИОСВ - Русе'),
(13, 'РИОСВ - Смолян'),
(14, 'РИОСВ - Стара Загора'),
(15, 'РИОСВ - Хасково'),
(16, 'РИОСВ - Шумен'),
(17, 'Дирекция на НП „Рила“'),
(18, 'Дирекция на НП „Пирин“'),
(19, 'Дирекция на НП „Централен Балкан“'),
(20, 'Дирекция на ПП „Беласица“'),
(21, 'Дирекция на ПП „Българка“'),
(22, 'Дирекция на ПП „Витоша“'),
(23, 'Дирекция на ПП „Врачански Балкан“'),
(24, 'Дирекция на ПП „Златни пясъци“'),
(25, 'Дирекция на ПП „Персина“'),
(26, 'Дирекция на ПП „Рилски манастир“'),
(27, 'Дирекция на ПП „Русенски Лом“'),
(28, 'Дирекция на ПП „Сините камъни“'),
(29, 'Дирекция на ПП „Странджа“'),
(30, 'Дирекция на ПП „Шуменско плато“');

-- The inspectorates of the place page.
insert into nRIOSW (ID, Name) select ID, Name from nRIOSW_NP_PP where ID <= 16 order by ID;

------------------------------------------------------------------------------------------
-- Territories
------------------------------------------------------------------------------------------

create temp table inspectorate_province (riosw_id integer, province text);
insert into inspectorate_province values
(1, 'SOF'), (1, 'SFO'),
(2, 'BLG'),
(3, 'BGS'), (3, 'JAM'),
(4, 'VAR'), (4, 'DOB'),
(5, 'VTR'), (5, 'GAB'),
(6, 'VRC'),
(7, 'MON'), (7, 'VID'),
(8, 'PAZ'),
(9, 'PER'), (9, 'KNL'),
(10, 'PVN'), (10, 'LOV'),
(11, 'PDV'),
(12, 'RSE'), (12, 'RAZ'), (12, 'SLS'),
(13, 'SML'),
(14, 'SZR'), (14, 'SLV'),
(15, 'HKV'), (15, 'KRZ'),
(16, 'SHU'), (16, 'TGV');

insert into seed_check
select 'every province has one inspectorate',
       (select count(*) from EKNM_PROVINCE where ID > 0) = (select count(distinct province) from inspectorate_province)
       and not exists (select 1 from inspectorate_province where province not in (select EKNM from EKNM_PROVINCE));

insert into rMun____RIOSW_NP_PP (mun_id, riosw_np_pp_id)
select m.ID, i.riosw_id
from inspectorate_province i join EKNM_MUNICIPALITY m on substr(m.EKNM, 1, 3) = i.province
order by i.riosw_id, m.ID;

create temp table park_municipality (riosw_id integer, province text, municipality text);
insert into park_municipality values
(17, 'SFO', 'Самоков'), (17, 'SFO', 'Костенец'), (17, 'SFO', 'Долна баня'), (17, 'PAZ', 'Белово'),
(17, 'PAZ', 'Велинград'), (17, 'BLG', 'Якоруда'), (17, 'BLG', 'Белица'), (17, 'BLG', 'Разлог'),
(17, 'BLG', 'Благоевград'), (17, 'KNL', 'Рила'), (17, 'KNL', 'Сапарева баня'), (17, 'KNL', 'Дупница'),
(18, 'BLG', 'Банско'), (18, 'BLG', 'Разлог'), (18, 'BLG', 'Симитли'), (18, 'BLG', 'Кресна'),
(18, 'BLG', 'Струмяни'), (18, 'BLG', 'Сандански'), (18, 'BLG', 'Гоце Делчев'),
(19, 'SFO', 'Етрополе'), (19, 'SFO', 'Златица'), (19, 'SFO', 'Антон'), (19, 'SFO', 'Пирдоп'),
(19, 'LOV', 'Тетевен'), (19, 'LOV', 'Троян'), (19, 'LOV', 'Априлци'), (19, 'GAB', 'Севлиево'),
(19, 'GAB', 'Габрово'), (19, 'PDV', 'Карлово'), (19, 'PDV', 'Сопот'), (19, 'SZR', 'Павел баня'),
(19, 'SZR', 'Казанлък'),
(20, 'BLG', 'Петрич'),
(21, 'GAB', 'Габрово'), (21, 'GAB', 'Трявна'), (21, 'GAB', 'Севлиево'),
(22, 'SOF', 'Столична'), (22, 'PER', 'Перник'), (22, 'SFO', 'Самоков'),
(23, 'VRC', 'Враца'), (23, 'VRC', 'Мездра'), (23, 'SFO', 'Своге'),
(24, 'VAR', 'Варна'),
(25, 'PVN', 'Белене'), (25, 'PVN', 'Никопол'), (25, 'VTR', 'Свищов'),
(26, 'KNL', 'Рила'),
(27, 'RSE', 'Иваново'), (27, 'RSE', 'Русе'), (27, 'RSE', 'Две могили'),
(28, 'SLV', 'Сливен'),
(29, 'BGS', 'Малко Търново'), (29, 'BGS', 'Царево'), (29, 'BGS', 'Средец'), (29, 'BGS', 'Приморско'),
(29, 'BGS', 'Созопол'),
(30, 'SHU', 'Шумен');

-- The municipality rows behind a (province code, municipality name) pair.
create temp view named_municipality as
select m.ID, substr(m.EKNM, 1, 3) as province, m.EKNM_NAME as municipality from EKNM_MUNICIPALITY m;

insert into seed_check
select 'every park municipality exists', count(*) = 0 from park_municipality p
where not exists (select 1 from named_municipality n
                  where n.province = p.province and n.municipality = p.municipality);

insert into rMun____RIOSW_NP_PP (mun_id, riosw_np_pp_id)
select n.ID, p.riosw_id
from park_municipality p
join named_municipality n on n.province = p.province and n.municipality = p.municipality
order by p.rowid;

-- The logins that work in a province: its inspectorate and the parks reaching into it.
create temp view province_riosw as
select distinct substr(m.EKNM, 1, 3) as province, r.riosw_np_pp_id as riosw_id
from rMun____RIOSW_NP_PP r join EKNM_MUNICIPALITY m on m.ID = r.mun_id;

------------------------------------------------------------------------------------------
-- NUTS (level 3: the provinces)
------------------------------------------------------------------------------------------

create temp table nuts_province (code text, name text, province text);
insert into nuts_province values
('BG311', 'Видин', 'VID'), ('BG312', 'Монтана', 'MON'), ('BG313', 'Враца', 'VRC'),
('BG314', 'Плевен', 'PVN'), ('BG315', 'Ловеч', 'LOV'),
('BG321', 'Велико Търново', 'VTR'), ('BG322', 'Габрово', 'GAB'), ('BG323', 'Русе', 'RSE'),
('BG324', 'Разград', 'RAZ'), ('BG325', 'Силистра', 'SLS'),
('BG331', 'Варна', 'VAR'), ('BG332', 'Добрич', 'DOB'), ('BG333', 'Шумен', 'SHU'),
('BG334', 'Търговище', 'TGV'),
('BG341', 'Бургас', 'BGS'), ('BG342', 'Сливен', 'SLV'), ('BG343', 'Ямбол', 'JAM'),
('BG344', 'Стара Загора', 'SZR'),
('BG411', 'София (столица)', 'SOF'), ('BG412', 'София', 'SFO'), ('BG413', 'Благоевград', 'BLG'),
('BG414', 'Перник', 'PER'), ('BG415', 'Кюстендил', 'KNL'),
('BG421', 'Пловдив', 'PDV'), ('BG422', 'Хасково', 'HKV'), ('BG423', 'Пазарджик', 'PAZ'),
('BG424', 'Смолян', 'SML'), ('BG425', 'Кърджали', 'KRZ');

insert into nNUTS (Name) select code || ' ' || name from nuts_province order by code;

insert into rNuts__RIOSW_NP_PP (nuts_codeID, RIOSW_NP_PP_id)
select n.ID, p.riosw_id
from nuts_province u
join nNUTS n on n.Name = u.code || ' ' || u.name
join province_riosw p on p.province = u.province
order by p.riosw_id, n.ID;

------------------------------------------------------------------------------------------
-- Regional forestry directorates (РДГ), each over whole provinces
------------------------------------------------------------------------------------------

create temp table forestry_directorate (name text, province text);
insert into forestry_directorate values
('РДГ Берковица', 'VID'), ('РДГ Берковица', 'MON'), ('РДГ Берковица', 'VRC'),
('РДГ Благоевград', 'BLG'),
('РДГ Бургас', 'BGS'),
('РДГ Варна', 'VAR'), ('РДГ Варна', 'DOB'),
('РДГ Велико Търново', 'VTR'), ('РДГ Велико Търново', 'GAB'),
('РДГ Кърджали', 'KRZ'), ('РДГ Кърджали', 'HKV'),
('РДГ Кюстендил', 'KNL'), ('РДГ Кюстендил', 'PER'),
('РДГ Ловеч', 'LOV'), ('РДГ Ловеч', 'PVN'),
('РДГ Пазарджик', 'PAZ'),
('РДГ Пловдив', 'PDV'),
('РДГ Русе', 'RSE'), ('РДГ Русе', 'RAZ'), ('РДГ Русе', 'SLS'),
('РДГ Сливен', 'SLV'), ('РДГ Сливен', 'JAM'),
('РДГ Смолян', 'SML'),
('РДГ София', 'SFO'), ('РДГ София', 'SOF'),
('РДГ Стара Загора', 'SZR'),
('РДГ Шумен', 'SHU'), ('РДГ Шумен', 'TGV');

insert into nRUG (Name) select name from forestry_directorate group by name order by min(rowid);

insert into rRUG__RIOSW_NP_PP (rug_id, RIOSW_NP_PP_id)
select distinct n.ID, p.riosw_id
from forestry_directorate d
join nRUG n on n.Name = d.name
join province_riosw p on p.province = d.province
order by p.riosw_id, n.ID;

------------------------------------------------------------------------------------------
-- State forestries (ДГС) and state hunting grounds (ДЛС), by the municipality of their seat
------------------------------------------------------------------------------------------

create temp table forestry_unit (kind text, name text, province text, municipality text);
insert into forestry_unit values
('ДГС', 'ДГС Благоевград', 'BLG', 'Благоевград'), ('ДГС', 'ДГС Банско', 'BLG', 'Банско'),
('ДГС', 'ДГС Разлог', 'BLG', 'Разлог'), ('ДГС', 'ДГС Белица', 'BLG', 'Белица'),
('ДГС', 'ДГС Якоруда', 'BLG', 'Якоруда'), ('ДГС', 'ДГС Симитли', 'BLG', 'Симитли'),
('ДГС', 'ДГС Кресна', 'BLG', 'Кресна'), ('ДГС', 'ДГС Сандански', 'BLG', 'Сандански'),
('ДГС', 'ДГС Петрич', 'BLG', 'Петрич'), ('ДГС', 'ДГС Гоце Делчев', 'BLG', 'Гоце Делчев'),
('ДГС', 'ДГС Бургас', 'BGS', 'Бургас'), ('ДГС', 'ДГС Айтос', 'BGS', 'Айтос'),
('ДГС', 'ДГС Карнобат', 'BGS', 'Карнобат'), ('ДГС', 'ДГС Средец', 'BGS', 'Средец'),
('ДГС', 'ДГС Малко Търново', 'BGS', 'Малко Търново'), ('ДГС', 'ДГС Звездец', 'BGS', 'Малко Търново'),
('ДГС', 'ДГС Царево', 'BGS', 'Царево'),
('ДГС', 'ДГС Ямбол', 'JAM', 'Ямбол'), ('ДГС', 'ДГС Елхово', 'JAM', 'Елхово'),
('ДГС', 'ДГС Болярово', 'JAM', 'Болярово'),
('ДГС', 'ДГС Варна', 'VAR', 'Варна'), ('ДГС', 'ДГС Провадия', 'VAR', 'Провадия'),
('ДГС', 'ДГС Суворово', 'VAR', 'Суворово'), ('ДГС', 'ДГС Дългопол', 'VAR', 'Дългопол'),
('ДГС', 'ДГС Добрич', 'DOB', 'Добрич'), ('ДГС', 'ДГС Генерал Тошево', 'DOB', 'Генерал Тошево'),
('ДГС', 'ДГС Велико Търново', 'VTR', 'Велико Търново'), ('ДГС', 'ДГС Елена', 'VTR', 'Елена'),
('ДГС', 'ДГС Павликени', 'VTR', 'Павликени'), ('ДГС', 'ДГС Свищов', 'VTR', 'Свищов'),
('ДГС', 'ДГС Габрово', 'GAB', 'Габрово'), ('ДГС', 'ДГС Трявна', 'GAB', 'Трявна'),
('ДГС', 'ДГС Дряново', 'GAB', 'Дряново'), ('ДГС', 'ДГС Севлиево', 'GAB', 'Севлиево'),
('ДГС', 'ДГС Враца', 'VRC', 'Враца'), ('ДГС', 'ДГС Мездра', 'VRC', 'Мездра'),
('ДГС', 'ДГС Оряхово', 'VRC', 'Оряхово'), ('ДГС', 'ДГС Бяла Слатина', 'VRC', 'Бяла Слатина'),
('ДГС', 'ДГС Монтана', 'MON', 'Монтана'), ('ДГС', 'ДГС Берковица', 'MON', 'Берковица'),
('ДГС', 'ДГС Вършец', 'MON', 'Вършец'), ('ДГС', 'ДГС Чипровци', 'MON', 'Чипровци'),
('ДГС', 'ДГС Лом', 'MON', 'Лом'),
('ДГС', 'ДГС Видин', 'VID', 'Видин'), ('ДГС', 'ДГС Белоградчик', 'VID', 'Белоградчик'),
('ДГС', 'ДГС Кула', 'VID', 'Кула'), ('ДГС', 'ДГС Чупрене', 'VID', 'Чупрене'),
('ДГС', 'ДГС Пазарджик', 'PAZ', 'Пазарджик'), ('ДГС', 'ДГС Велинград', 'PAZ', 'Велинград'),
('ДГС', 'ДГС Пещера', 'PAZ', 'Пещера'), ('ДГС', 'ДГС Батак', 'PAZ', 'Батак'),
('ДГС', 'ДГС Ракитово', 'PAZ', 'Ракитово'), ('ДГС', 'ДГС Панагюрище', 'PAZ', 'Панагюрище'),
('ДГС', 'ДГС Белово', 'PAZ', 'Белово'),
('ДГС', 'ДГС Трън', 'PER', 'Трън'), ('ДГС', 'ДГС Брезник', 'PER', 'Брезник'),
('ДГС', 'ДГС Радомир', 'PER', 'Радомир'),
('ДГС', 'ДГС Кюстендил', 'KNL', 'Кюстендил'), ('ДГС', 'ДГС Дупница', 'KNL', 'Дупница'),
('ДГС', 'ДГС Рила', 'KNL', 'Рила'),
('ДГС', 'ДГС Плевен', 'PVN', 'Плевен'), ('ДГС', 'ДГС Никопол', 'PVN', 'Никопол'),
('ДГС', 'ДГС Червен бряг', 'PVN', 'Червен бряг'),
('ДГС', 'ДГС Ловеч', 'LOV', 'Ловеч'), ('ДГС', 'ДГС Тетевен', 'LOV', 'Тетевен'),
('ДГС', 'ДГС Троян', 'LOV', 'Троян'), ('ДГС', 'ДГС Луковит', 'LOV', 'Луковит'),
('ДГС', 'ДГС Пловдив', 'PDV', 'Пловдив'), ('ДГС', 'ДГС Асеновград', 'PDV', 'Асеновград'),
('ДГС', 'ДГС Карлово', 'PDV', 'Карлово'), ('ДГС', 'ДГС Хисаря', 'PDV', 'Хисаря'),
('ДГС', 'ДГС Първомай', 'PDV', 'Първомай'),
('ДГС', 'ДГС Русе', 'RSE', 'Русе'), ('ДГС', 'ДГС Бяла', 'RSE', 'Бяла'),
('ДГС', 'ДГС Разград', 'RAZ', 'Разград'), ('ДГС', 'ДГС Исперих', 'RAZ', 'Исперих'),
('ДГС', 'ДГС Кубрат', 'RAZ', 'Кубрат'),
('ДГС', 'ДГС Силистра', 'SLS', 'Силистра'), ('ДГС', 'ДГС Тутракан', 'SLS', 'Тутракан'),
('ДГС', 'ДГС Дулово', 'SLS', 'Дулово'), ('ДГС', 'ДГС Алфатар', 'SLS', 'Алфатар'),
('ДГС', 'ДГС Смолян', 'SML', 'Смолян'), ('ДГС', 'ДГС Широка лъка', 'SML', 'Смолян'),
('ДГС', 'ДГС Девин', 'SML', 'Девин'), ('ДГС', 'ДГС Доспат', 'SML', 'Доспат'),
('ДГС', 'ДГС Борино', 'SML', 'Борино'), ('ДГС', 'ДГС Златоград', 'SML', 'Златоград'),
('ДГС', 'ДГС София', 'SOF', 'Столична'), ('ДГС', 'ДГС Самоков', 'SFO', 'Самоков'),
('ДГС', 'ДГС Ихтиман', 'SFO', 'Ихтиман'), ('ДГС', 'ДГС Костенец', 'SFO', 'Костенец'),
('ДГС', 'ДГС Етрополе', 'SFO', 'Етрополе'), ('ДГС', 'ДГС Ботевград', 'SFO', 'Ботевград'),
('ДГС', 'ДГС Своге', 'SFO', 'Своге'), ('ДГС', 'ДГС Годеч', 'SFO', 'Годеч'),
('ДГС', 'ДГС Пирдоп', 'SFO', 'Пирдоп'), ('ДГС', 'ДГС Елин Пелин', 'SFO', 'Елин Пелин'),
('ДГС', 'ДГС Стара Загора', 'SZR', 'Стара Загора'), ('ДГС', 'ДГС Казанлък', 'SZR', 'Казанлък'),
('ДГС', 'ДГС Мъглиж', 'SZR', 'Мъглиж'), ('ДГС', 'ДГС Гурково', 'SZR', 'Гурково'),
('ДГС', 'ДГС Сливен', 'SLV', 'Сливен'), ('ДГС', 'ДГС Котел', 'SLV', 'Котел'),
('ДГС', 'ДГС Твърдица', 'SLV', 'Твърдица'), ('ДГС', 'ДГС Нова Загора', 'SLV', 'Нова Загора'),
('ДГС', 'ДГС Хасково', 'HKV', 'Хасково'), ('ДГС', 'ДГС Харманли', 'HKV', 'Харманли'),
('ДГС', 'ДГС Свиленград', 'HKV', 'Свиленград'), ('ДГС', 'ДГС Ивайловград', 'HKV', 'Ивайловград'),
('ДГС', 'ДГС Тополовград', 'HKV', 'Тополовград'),
('ДГС', 'ДГС Кърджали', 'KRZ', 'Кърджали'), ('ДГС', 'ДГС Ардино', 'KRZ', 'Ардино'),
('ДГС', 'ДГС Крумовград', 'KRZ', 'Крумовград'), ('ДГС', 'ДГС Момчилград', 'KRZ', 'Момчилград'),
('ДГС', 'ДГС Шумен', 'SHU', 'Шумен'), ('ДГС', 'ДГС Велики Преслав', 'SHU', 'Велики Преслав'),
('ДГС', 'ДГС Върбица', 'SHU', 'Върбица'), ('ДГС', 'ДГС Смядово', 'SHU', 'Смядово'),
('ДГС', 'ДГС Търговище', 'TGV', 'Търговище'), ('ДГС', 'ДГС Омуртаг', 'TGV', 'Омуртаг'),
('ДГС', 'ДГС Попово', 'TGV', 'Попово'), ('ДГС', 'ДГС Антоново', 'TGV', 'Антоново'),
('ДЛС', 'ДЛС „Арконд“', 'VID', 'Видин'),
('ДЛС', 'ДЛС „Лопушна“', 'MON', 'Георги Дамяново'),
('ДЛС', 'ДЛС „Витошко - Студена“', 'PER', 'Перник'),
('ДЛС', 'ДЛС „Осогово“', 'KNL', 'Кюстендил'),
('ДЛС', 'ДЛС „Искър“', 'SFO', 'Самоков'),
('ДЛС', 'ДЛС „Беглика“', 'PAZ', 'Батак'),
('ДЛС', 'ДЛС „Чепино“', 'PAZ', 'Велинград'),
('ДЛС', 'ДЛС „Тракия“', 'PDV', 'Пловдив'),
('ДЛС', 'ДЛС „Кричим“', 'PDV', 'Кричим'),
('ДЛС', 'ДЛС „Кормисош“', 'PDV', 'Лъки'),
('ДЛС', 'ДЛС „Женда“', 'KRZ', 'Кърджали'),
('ДЛС', 'ДЛС „Студен кладенец“', 'KRZ', 'Кърджали'),
('ДЛС', 'ДЛС „Сърнена гора“', 'SZR', 'Стара Загора'),
('ДЛС', 'ДЛС „Тунджа“', 'JAM', 'Тунджа'),
('ДЛС', 'ДЛС „Ропотамо“', 'BGS', 'Приморско'),
('ДЛС', 'ДЛС „Граматиково“', 'BGS', 'Малко Търново'),
('ДЛС', 'ДЛС „Несебър“', 'BGS', 'Несебър'),
('ДЛС', 'ДЛС „Шерба“', 'VAR', 'Долни чифлик'),
('ДЛС', 'ДЛС „Русалка“', 'VAR', 'Аврен'),
('ДЛС', 'ДЛС „Балчик“', 'DOB', 'Балчик'),
('ДЛС', 'ДЛС „Тервел“', 'DOB', 'Тервел'),
('ДЛС', 'ДЛС „Северняк“', 'DOB', 'Добрич-селска'),
('ДЛС', 'ДЛС „Воден - Ири Хисар“', 'RAZ', 'Исперих'),
('ДЛС', 'ДЛС „Черни Лом“', 'TGV', 'Попово'),
('ДЛС', 'ДЛС „Паламара“', 'SHU', 'Шумен'),
('ДЛС', 'ДЛС „Мазалат“', 'GAB', 'Габрово'),
('ДЛС', 'ДЛС „Росица“', 'GAB', 'Севлиево'),
('ДЛС', 'ДЛС „Черни Осъм“', 'LOV', 'Троян'),
('ДЛС', 'ДЛС „Жеравна“', 'SLV', 'Котел');

insert into seed_check
select 'every forestry unit seat exists', count(*) = 0 from forestry_unit f
where not exists (select 1 from named_municipality n
                  where n.province = f.province and n.municipality = f.municipality);

insert into nDL (Name) select name from forestry_unit where kind = 'ДГС' order by rowid;
insert into nDDS (Name) select name from forestry_unit where kind = 'ДЛС' order by rowid;

create temp view forestry_unit_riosw as
select distinct f.kind, f.name, r.riosw_np_pp_id as riosw_id
from forestry_unit f
join named_municipality n on n.province = f.province and n.municipality = f.municipality
join rMun____RIOSW_NP_PP r on r.mun_id = n.ID;

insert into rDL__RIOSW_NP_PP (dlID, RIOSW_NP_PP_id)
select n.ID, u.riosw_id from forestry_unit_riosw u join nDL n on n.Name = u.name
where u.kind = 'ДГС' order by u.riosw_id, n.ID;

insert into rDDS__RIOSW_NP_PP (ddsID, RIOSW_NP_PP_id)
select n.ID, u.riosw_id from forestry_unit_riosw u join nDDS n on n.Name = u.name
where u.kind = 'ДЛС' order by u.riosw_id, n.ID;

drop view forestry_unit_riosw;
drop view province_riosw;
drop table forestry_unit;
drop table forestry_directorate;
drop table nuts_province;
drop table park_municipality;
drop table inspectorate_province;
