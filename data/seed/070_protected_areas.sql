-- Protected areas and sites of the protected areas page. Every list there shows only the
-- areas of the login's territory: an area placed in a municipality belongs to the
-- inspectorate and to the parks of that municipality, an area placed in a whole province
-- to that province's inspectorate. seed_check and named_municipality come from
-- 030_organisations.sql.

-- National and nature parks keep the ids of their directorates, so that a park directorate
-- finds its own park, and the wolf route dialog the sections of its national park.
insert into nNP (ID, Name) values
(17, 'Рила'),
(18, 'Пирин'),
(19, 'Централен Балкан');

insert into nPP (ID, Name) values
(20, 'Беласица'),
(21, 'Българка'),
(22, 'Витоша'),
(23, 'Врачански Балкан'),
(24, 'Златни пясъци'),
(25, 'Персина'),
(26, 'Рилски манастир'),
(27, 'Русенски Лом'),
(28, 'Сините камъни'),
(29, 'Странджа'),
(30, 'Шуменско плато');

-- A park belongs to every login that shares a municipality with it, its own directorate included.
insert into rNP__RIOSW_NP_PP (NP_id, RIOSW_NP_PP_id)
select distinct n.ID, other.riosw_np_pp_id
from nNP n
join rMun____RIOSW_NP_PP own on own.riosw_np_pp_id = n.ID
join rMun____RIOSW_NP_PP other on other.mun_id = own.mun_id
order by other.riosw_np_pp_id, n.ID;

insert into rPP__RIOSW_NP_PP (PP_id, RIOSW_NP_PP_id)
select distinct n.ID, other.riosw_np_pp_id
from nPP n
join rMun____RIOSW_NP_PP own on own.riosw_np_pp_id = n.ID
join rMun____RIOSW_NP_PP other on other.mun_id = own.mun_id
order by other.riosw_np_pp_id, n.ID;

-- Park sections of the national parks.
insert into nPU (Name, NP_ID) values
('ПУ „Бели Искър“', 17), ('ПУ „Мальовица“', 17), ('ПУ „Рилски езера“', 17), ('ПУ „Скакавица“', 17),
('ПУ „Парангалица“', 17), ('ПУ „Якоруда“', 17), ('ПУ „Белица“', 17), ('ПУ „Юндола“', 17),
('ПУ „Ибър“', 17),
('ПУ „Баюви дупки“', 18), ('ПУ „Бъндерица“', 18), ('ПУ „Вихрен“', 18), ('ПУ „Безбог“', 18),
('ПУ „Каменица“', 18), ('ПУ „Синаница“', 18), ('ПУ „Трите реки“', 18),
('ПУ „Етрополе“', 19), ('ПУ „Златица“', 19), ('ПУ „Тетевен“', 19), ('ПУ „Троян“', 19),
('ПУ „Априлци“', 19), ('ПУ „Габрово“', 19), ('ПУ „Шипка“', 19), ('ПУ „Калофер“', 19),
('ПУ „Карлово“', 19), ('ПУ „Сопот“', 19);

------------------------------------------------------------------------------------------
-- Reserves, natural landmarks, protected sites, CORINE sites, important bird areas,
-- Natura 2000 and Ramsar sites, each with the places it lies in
------------------------------------------------------------------------------------------

create temp table area_place (kind text, name text, province text, municipality text);
insert into area_place values
('nReserve', 'Парангалица', 'BLG', 'Благоевград'),
('nReserve', 'Централен Рилски резерват', 'BLG', 'Белица'),
('nReserve', 'Централен Рилски резерват', 'BLG', 'Якоруда'),
('nReserve', 'Централен Рилски резерват', 'KNL', 'Рила'),
('nReserve', 'Централен Рилски резерват', 'SFO', 'Самоков'),
('nReserve', 'Скакавица', 'KNL', 'Рила'),
('nReserve', 'Ибър', 'SFO', 'Костенец'),
('nReserve', 'Баюви дупки - Джинджирица', 'BLG', 'Разлог'),
('nReserve', 'Баюви дупки - Джинджирица', 'BLG', 'Банско'),
('nReserve', 'Юлен', 'BLG', 'Банско'),
('nReserve', 'Тисата', 'BLG', 'Кресна'),
('nReserve', 'Али Ботуш', 'BLG', 'Гоце Делчев'),
('nReserve', 'Али Ботуш', 'BLG', 'Хаджидимово'),
('nReserve', 'Бистришко бранище', 'SOF', 'Столична'),
('nReserve', 'Торфено бранище', 'SOF', 'Столична'),
('nReserve', 'Боатин', 'LOV', 'Тетевен'),
('nReserve', 'Царичина', 'LOV', 'Тетевен'),
('nReserve', 'Козя стена', 'LOV', 'Троян'),
('nReserve', 'Стенето', 'LOV', 'Троян'),
('nReserve', 'Северен Джендем', 'PDV', 'Карлово'),
('nReserve', 'Джендема', 'PDV', 'Карлово'),
('nReserve', 'Стара река', 'PDV', 'Карлово'),
('nReserve', 'Соколна', 'SZR', 'Казанлък'),
('nReserve', 'Купена', 'PAZ', 'Пещера'),
('nReserve', 'Мантарица', 'PAZ', 'Велинград'),
('nReserve', 'Дупката', 'PAZ', 'Батак'),
('nReserve', 'Червената стена', 'PDV', 'Асеновград'),
('nReserve', 'Узунбуджак', 'BGS', 'Малко Търново'),
('nReserve', 'Силкосия', 'BGS', 'Малко Търново'),
('nReserve', 'Тисовица', 'BGS', 'Малко Търново'),
('nReserve', 'Ропотамо', 'BGS', 'Приморско'),
('nReserve', 'Врачански карст', 'VRC', 'Враца'),
('nReserve', 'Чупрене', 'VID', 'Чупрене'),
('nReserve', 'Патлейна', 'SHU', 'Велики Преслав'),

('nPR', 'Атанасовско езеро', 'BGS', 'Бургас'),
('nPR', 'Камчия', 'VAR', 'Долни чифлик'),
('nPR', 'Камчия', 'VAR', 'Аврен'),
('nPR', 'Сребърна', 'SLS', 'Ситово'),
('nPR', 'Долна Топчия', 'JAM', 'Елхово'),
('nPR', 'Балтата', 'DOB', 'Балчик'),

('nPZ', 'Белоградчишки скали', 'VID', 'Белоградчик'),
('nPZ', 'Пещера Магура', 'VID', 'Белоградчик'),
('nPZ', 'Ягодинска пещера', 'SML', 'Борино'),
('nPZ', 'Дяволското гърло', 'SML', 'Девин'),
('nPZ', 'Чудните мостове', 'SML', 'Чепеларе'),
('nPZ', 'Мелнишки пирамиди', 'BLG', 'Сандански'),
('nPZ', 'Стобски пирамиди', 'KNL', 'Кочериново'),
('nPZ', 'Побити камъни', 'VAR', 'Белослав'),
('nPZ', 'Побити камъни', 'VAR', 'Аксаково'),
('nPZ', 'Пещера Леденика', 'VRC', 'Враца'),
('nPZ', 'Ритлите', 'VRC', 'Мездра'),
('nPZ', 'Съева дупка', 'LOV', 'Ябланица'),
('nPZ', 'Деветашка пещера', 'LOV', 'Ловеч'),
('nPZ', 'Крушунски водопади', 'LOV', 'Летница'),
('nPZ', 'Пещера Снежанка', 'PAZ', 'Пещера'),
('nPZ', 'Пещера Бачо Киро', 'GAB', 'Дряново'),
('nPZ', 'Райското пръскало', 'PDV', 'Карлово'),
('nPZ', 'Водопад Скакля', 'SFO', 'Своге'),
('nPZ', 'Каменните гъби', 'KRZ', 'Кърджали'),
('nPZ', 'Каменната сватба', 'KRZ', 'Кърджали'),

('nZM', 'Пода', 'BGS', 'Бургас'),
('nZM', 'Вая', 'BGS', 'Бургас'),
('nZM', 'Поморийско езеро', 'BGS', 'Поморие'),
('nZM', 'Блато Алдомировци', 'SFO', 'Сливница'),
('nZM', 'Яйлата', 'DOB', 'Каварна'),
('nZM', 'Дуранкулашко езеро', 'DOB', 'Шабла'),
('nZM', 'Шабленско езеро', 'DOB', 'Шабла'),
('nZM', 'Рупите', 'BLG', 'Петрич'),
('nZM', 'Кожух', 'BLG', 'Петрич'),
('nZM', 'Злато поле', 'HKV', 'Димитровград'),

('nSiteCorine', 'Рила', 'SFO', 'Самоков'),
('nSiteCorine', 'Рила', 'BLG', 'Белица'),
('nSiteCorine', 'Рила', 'KNL', 'Рила'),
('nSiteCorine', 'Пирин', 'BLG', 'Банско'),
('nSiteCorine', 'Пирин', 'BLG', 'Сандански'),
('nSiteCorine', 'Централен Балкан', 'LOV', 'Троян'),
('nSiteCorine', 'Централен Балкан', 'PDV', 'Карлово'),
('nSiteCorine', 'Витоша', 'SOF', 'Столична'),
('nSiteCorine', 'Врачански Балкан', 'VRC', 'Враца'),
('nSiteCorine', 'Странджа', 'BGS', 'Малко Търново'),
('nSiteCorine', 'Източни Родопи', 'KRZ', 'Крумовград'),
('nSiteCorine', 'Източни Родопи', 'HKV', 'Маджарово'),
('nSiteCorine', 'Западни Родопи', 'SML', 'Девин'),
('nSiteCorine', 'Западни Родопи', 'PAZ', 'Батак'),
('nSiteCorine', 'Беласица', 'BLG', 'Петрич'),
('nSiteCorine', 'Славянка', 'BLG', 'Хаджидимово'),
('nSiteCorine', 'Осогово', 'KNL', 'Кюстендил'),
('nSiteCorine', 'Кресненски пролом', 'BLG', 'Кресна'),
('nSiteCorine', 'Искърски пролом', 'SFO', 'Своге'),
('nSiteCorine', 'Русенски Лом', 'RSE', 'Иваново'),
('nSiteCorine', 'Персина', 'PVN', 'Белене'),
('nSiteCorine', 'Сребърна', 'SLS', 'Ситово'),
('nSiteCorine', 'Шабленско езеро', 'DOB', 'Шабла'),
('nSiteCorine', 'Бургаски езера', 'BGS', 'Бургас'),
('nSiteCorine', 'Котленска планина', 'SLV', 'Котел'),
('nSiteCorine', 'Сините камъни', 'SLV', 'Сливен'),
('nSiteCorine', 'Лудогорие', 'RAZ', 'Исперих'),

('nSiteOVM', 'Атанасовско езеро', 'BGS', 'Бургас'),
('nSiteOVM', 'Вая', 'BGS', 'Бургас'),
('nSiteOVM', 'Мандра - Пода', 'BGS', 'Бургас'),
('nSiteOVM', 'Поморийско езеро', 'BGS', 'Поморие'),
('nSiteOVM', 'Емине', 'BGS', 'Несебър'),
('nSiteOVM', 'Дуранкулашко езеро', 'DOB', 'Шабла'),
('nSiteOVM', 'Шабленско езеро', 'DOB', 'Шабла'),
('nSiteOVM', 'Калиакра', 'DOB', 'Каварна'),
('nSiteOVM', 'Сребърна', 'SLS', 'Ситово'),
('nSiteOVM', 'Беленски острови', 'PVN', 'Белене'),
('nSiteOVM', 'Източни Родопи', 'KRZ', 'Крумовград'),
('nSiteOVM', 'Източни Родопи', 'HKV', 'Маджарово'),
('nSiteOVM', 'Студен кладенец', 'KRZ', 'Кърджали'),
('nSiteOVM', 'Сакар', 'HKV', 'Тополовград'),
('nSiteOVM', 'Кресна', 'BLG', 'Кресна'),
('nSiteOVM', 'Рила', 'SFO', 'Самоков'),
('nSiteOVM', 'Рила', 'BLG', 'Белица'),
('nSiteOVM', 'Пирин', 'BLG', 'Банско'),
('nSiteOVM', 'Централен Балкан', 'LOV', 'Троян'),
('nSiteOVM', 'Централен Балкан', 'PDV', 'Карлово'),
('nSiteOVM', 'Врачански Балкан', 'VRC', 'Враца'),
('nSiteOVM', 'Западни Родопи', 'SML', 'Девин'),
('nSiteOVM', 'Оризища Цалапица', 'PDV', 'Родопи'),
('nSiteOVM', 'Комплекс Калимок', 'RSE', 'Сливо поле'),
('nSiteOVM', 'Лудогорие', 'RAZ', 'Исперих'),
('nSiteOVM', 'Провадийско - Роякско плато', 'VAR', 'Провадия'),
('nSiteOVM', 'Камчийска планина', 'VAR', 'Дългопол'),
('nSiteOVM', 'Златия', 'MON', 'Вълчедръм'),
('nSiteOVM', 'Никополско плато', 'PVN', 'Никопол'),
('nSiteOVM', 'Ломовете', 'RSE', 'Иваново'),
('nSiteOVM', 'Бакаджиците', 'JAM', 'Ямбол'),
('nSiteOVM', 'Дервентски възвишения', 'JAM', 'Болярово'),
('nSiteOVM', 'Котленска планина', 'SLV', 'Котел'),
('nSiteOVM', 'Сините камъни', 'SLV', 'Сливен'),
('nSiteOVM', 'Западна Стара планина', 'MON', 'Берковица'),

('nSiteNatura2000', 'BG0000495 Рила', 'BLG', 'Благоевград'),
('nSiteNatura2000', 'BG0000495 Рила', 'BLG', 'Якоруда'),
('nSiteNatura2000', 'BG0000495 Рила', 'BLG', 'Белица'),
('nSiteNatura2000', 'BG0000495 Рила', 'BLG', 'Разлог'),
('nSiteNatura2000', 'BG0000495 Рила', 'KNL', 'Рила'),
('nSiteNatura2000', 'BG0000495 Рила', 'KNL', 'Сапарева баня'),
('nSiteNatura2000', 'BG0000495 Рила', 'KNL', 'Дупница'),
('nSiteNatura2000', 'BG0000495 Рила', 'SFO', 'Самоков'),
('nSiteNatura2000', 'BG0000495 Рила', 'SFO', 'Костенец'),
('nSiteNatura2000', 'BG0000495 Рила', 'SFO', 'Долна баня'),
('nSiteNatura2000', 'BG0000495 Рила', 'PAZ', 'Белово'),
('nSiteNatura2000', 'BG0000495 Рила', 'PAZ', 'Велинград'),
('nSiteNatura2000', 'BG0000209 Пирин', 'BLG', 'Банско'),
('nSiteNatura2000', 'BG0000209 Пирин', 'BLG', 'Разлог'),
('nSiteNatura2000', 'BG0000209 Пирин', 'BLG', 'Симитли'),
('nSiteNatura2000', 'BG0000209 Пирин', 'BLG', 'Кресна'),
('nSiteNatura2000', 'BG0000209 Пирин', 'BLG', 'Струмяни'),
('nSiteNatura2000', 'BG0000209 Пирин', 'BLG', 'Сандански'),
('nSiteNatura2000', 'BG0000209 Пирин', 'BLG', 'Гоце Делчев'),
('nSiteNatura2000', 'BG0000494 Централен Балкан', 'SFO', 'Етрополе'),
('nSiteNatura2000', 'BG0000494 Централен Балкан', 'SFO', 'Златица'),
('nSiteNatura2000', 'BG0000494 Централен Балкан', 'SFO', 'Антон'),
('nSiteNatura2000', 'BG0000494 Централен Балкан', 'SFO', 'Пирдоп'),
('nSiteNatura2000', 'BG0000494 Централен Балкан', 'LOV', 'Тетевен'),
('nSiteNatura2000', 'BG0000494 Централен Балкан', 'LOV', 'Троян'),
('nSiteNatura2000', 'BG0000494 Централен Балкан', 'LOV', 'Априлци'),
('nSiteNatura2000', 'BG0000494 Централен Балкан', 'GAB', 'Севлиево'),
('nSiteNatura2000', 'BG0000494 Централен Балкан', 'GAB', 'Габрово'),
('nSiteNatura2000', 'BG0000494 Централен Балкан', 'PDV', 'Карлово'),
('nSiteNatura2000', 'BG0000494 Централен Балкан', 'PDV', 'Сопот'),
('nSiteNatura2000', 'BG0000494 Централен Балкан', 'SZR', 'Павел баня'),
('nSiteNatura2000', 'BG0000494 Централен Балкан', 'SZR', 'Казанлък'),
('nSiteNatura2000', 'BG0000113 Витоша', 'SOF', 'Столична'),
('nSiteNatura2000', 'BG0000113 Витоша', 'PER', 'Перник'),
('nSiteNatura2000', 'BG0000113 Витоша', 'SFO', 'Самоков'),
('nSiteNatura2000', 'BG0000166 Врачански Балкан', 'VRC', 'Враца'),
('nSiteNatura2000', 'BG0000166 Врачански Балкан', 'VRC', 'Мездра'),
('nSiteNatura2000', 'BG0000166 Врачански Балкан', 'SFO', 'Своге'),
('nSiteNatura2000', 'BG0001040 Западна Стара планина и Предбалкан', 'VID', 'Белоградчик'),
('nSiteNatura2000', 'BG0001040 Западна Стара планина и Предбалкан', 'VID', 'Чупрене'),
('nSiteNatura2000', 'BG0001040 Западна Стара планина и Предбалкан', 'MON', 'Берковица'),
('nSiteNatura2000', 'BG0001040 Западна Стара планина и Предбалкан', 'MON', 'Чипровци'),
('nSiteNatura2000', 'BG0001040 Западна Стара планина и Предбалкан', 'MON', 'Вършец'),
('nSiteNatura2000', 'BG0001040 Западна Стара планина и Предбалкан', 'MON', 'Георги Дамяново'),
('nSiteNatura2000', 'BG0001040 Западна Стара планина и Предбалкан', 'SFO', 'Годеч'),
('nSiteNatura2000', 'BG0001042 Искърски пролом - Ржана', 'SFO', 'Своге'),
('nSiteNatura2000', 'BG0001042 Искърски пролом - Ржана', 'SFO', 'Ботевград'),
('nSiteNatura2000', 'BG0001030 Родопи - Западни', 'SML', NULL),
('nSiteNatura2000', 'BG0001030 Родопи - Западни', 'PAZ', 'Батак'),
('nSiteNatura2000', 'BG0001030 Родопи - Западни', 'PAZ', 'Велинград'),
('nSiteNatura2000', 'BG0001030 Родопи - Западни', 'PAZ', 'Ракитово'),
('nSiteNatura2000', 'BG0001030 Родопи - Западни', 'PAZ', 'Пещера'),
('nSiteNatura2000', 'BG0001030 Родопи - Западни', 'PDV', 'Лъки'),
('nSiteNatura2000', 'BG0001031 Родопи - Средни', 'PDV', 'Асеновград'),
('nSiteNatura2000', 'BG0001031 Родопи - Средни', 'PDV', 'Родопи'),
('nSiteNatura2000', 'BG0001031 Родопи - Средни', 'SML', 'Чепеларе'),
('nSiteNatura2000', 'BG0001031 Родопи - Средни', 'KRZ', 'Ардино'),
('nSiteNatura2000', 'BG0001032 Родопи - Източни', 'KRZ', NULL),
('nSiteNatura2000', 'BG0001032 Родопи - Източни', 'HKV', 'Маджарово'),
('nSiteNatura2000', 'BG0001032 Родопи - Източни', 'HKV', 'Ивайловград'),
('nSiteNatura2000', 'BG0001032 Родопи - Източни', 'HKV', 'Стамболово'),
('nSiteNatura2000', 'BG0000212 Сакар', 'HKV', 'Свиленград'),
('nSiteNatura2000', 'BG0000212 Сакар', 'HKV', 'Тополовград'),
('nSiteNatura2000', 'BG0000212 Сакар', 'HKV', 'Харманли'),
('nSiteNatura2000', 'BG0000212 Сакар', 'JAM', 'Елхово'),
('nSiteNatura2000', 'BG0000116 Камчия', 'VAR', 'Аврен'),
('nSiteNatura2000', 'BG0000116 Камчия', 'VAR', 'Долни чифлик'),
('nSiteNatura2000', 'BG0000118 Златни пясъци', 'VAR', 'Варна'),
('nSiteNatura2000', 'BG0000573 Комплекс Калиакра', 'DOB', 'Каварна'),
('nSiteNatura2000', 'BG0000130 Крайморска Добруджа', 'DOB', 'Шабла'),
('nSiteNatura2000', 'BG0000130 Крайморска Добруджа', 'DOB', 'Каварна'),
('nSiteNatura2000', 'BG0002051 Калиакра', 'DOB', 'Каварна'),
('nSiteNatura2000', 'BG0002051 Калиакра', 'DOB', 'Балчик'),
('nSiteNatura2000', 'BG0000270 Атанасовско езеро', 'BGS', 'Бургас'),
('nSiteNatura2000', 'BG0000273 Бургаско езеро', 'BGS', 'Бургас'),
('nSiteNatura2000', 'BG0001007 Странджа', 'BGS', 'Малко Търново'),
('nSiteNatura2000', 'BG0001007 Странджа', 'BGS', 'Царево'),
('nSiteNatura2000', 'BG0001007 Странджа', 'BGS', 'Средец'),
('nSiteNatura2000', 'BG0001007 Странджа', 'BGS', 'Приморско'),
('nSiteNatura2000', 'BG0000198 Средецка река', 'BGS', 'Средец'),
('nSiteNatura2000', 'BG0000396 Персина', 'PVN', 'Белене'),
('nSiteNatura2000', 'BG0000396 Персина', 'PVN', 'Никопол'),
('nSiteNatura2000', 'BG0000396 Персина', 'VTR', 'Свищов'),
('nSiteNatura2000', 'BG0002017 Комплекс Беленски острови', 'PVN', 'Белене'),
('nSiteNatura2000', 'BG0000241 Сребърна', 'SLS', 'Ситово'),
('nSiteNatura2000', 'BG0000241 Сребърна', 'SLS', 'Силистра'),
('nSiteNatura2000', 'BG0000608 Ломовете', 'RSE', 'Иваново'),
('nSiteNatura2000', 'BG0000608 Ломовете', 'RSE', 'Две могили'),
('nSiteNatura2000', 'BG0000608 Ломовете', 'RSE', 'Ветово'),
('nSiteNatura2000', 'BG0000608 Ломовете', 'RSE', 'Русе'),
('nSiteNatura2000', 'BG0000377 Калимок - Бръшлен', 'RSE', 'Сливо поле'),
('nSiteNatura2000', 'BG0000382 Шуменско плато', 'SHU', 'Шумен'),
('nSiteNatura2000', 'BG0000117 Котленска планина', 'SLV', 'Котел'),
('nSiteNatura2000', 'BG0000117 Котленска планина', 'SHU', 'Върбица'),
('nSiteNatura2000', 'BG0000164 Сините камъни', 'SLV', 'Сливен'),
('nSiteNatura2000', 'BG0000167 Беласица', 'BLG', 'Петрич'),
('nSiteNatura2000', 'BG0001028 Среден Пирин - Алиботуш', 'BLG', 'Сандански'),
('nSiteNatura2000', 'BG0001028 Среден Пирин - Алиботуш', 'BLG', 'Гоце Делчев'),
('nSiteNatura2000', 'BG0001028 Среден Пирин - Алиботуш', 'BLG', 'Хаджидимово'),
('nSiteNatura2000', 'BG0001011 Осоговска планина', 'KNL', 'Кюстендил'),
('nSiteNatura2000', 'BG0001011 Осоговска планина', 'KNL', 'Невестино'),
('nSiteNatura2000', 'BG0001012 Земен', 'PER', 'Земен'),
('nSiteNatura2000', 'BG0000213 Търновски височини', 'VTR', 'Велико Търново'),
('nSiteNatura2000', 'BG0000211 Тревненско плато', 'GAB', 'Трявна'),
('nSiteNatura2000', 'BG0000211 Тревненско плато', 'GAB', 'Габрово'),
('nSiteNatura2000', 'BG0000610 Река Янтра', 'GAB', 'Габрово'),
('nSiteNatura2000', 'BG0000610 Река Янтра', 'VTR', 'Велико Търново'),
('nSiteNatura2000', 'BG0000610 Река Янтра', 'VTR', 'Горна Оряховица'),
('nSiteNatura2000', 'BG0000610 Река Янтра', 'VTR', 'Полски Тръмбеш'),
('nSiteNatura2000', 'BG0000610 Река Янтра', 'VTR', 'Свищов'),
('nSiteNatura2000', 'BG0000613 Река Искър', 'VRC', 'Мездра'),
('nSiteNatura2000', 'BG0000613 Река Искър', 'VRC', 'Роман'),
('nSiteNatura2000', 'BG0000613 Река Искър', 'PVN', 'Червен бряг'),
('nSiteNatura2000', 'BG0000613 Река Искър', 'PVN', 'Долна Митрополия'),
('nSiteNatura2000', 'BG0000613 Река Искър', 'PVN', 'Гулянци'),
('nSiteNatura2000', 'BG0000578 Река Марица', 'PAZ', 'Пазарджик'),
('nSiteNatura2000', 'BG0000578 Река Марица', 'PAZ', 'Септември'),
('nSiteNatura2000', 'BG0000578 Река Марица', 'PDV', 'Пловдив'),
('nSiteNatura2000', 'BG0000578 Река Марица', 'PDV', 'Марица'),
('nSiteNatura2000', 'BG0000578 Река Марица', 'PDV', 'Садово'),
('nSiteNatura2000', 'BG0000578 Река Марица', 'PDV', 'Първомай'),
('nSiteNatura2000', 'BG0000578 Река Марица', 'HKV', 'Димитровград'),
('nSiteNatura2000', 'BG0000578 Река Марица', 'HKV', 'Харманли'),
('nSiteNatura2000', 'BG0000578 Река Марица', 'HKV', 'Свиленград'),
('nSiteNatura2000', 'BG0000181 Река Вит', 'PVN', 'Плевен'),
('nSiteNatura2000', 'BG0000181 Река Вит', 'PVN', 'Долни Дъбник'),
('nSiteNatura2000', 'BG0000181 Река Вит', 'PVN', 'Гулянци'),
('nSiteNatura2000', 'BG0000181 Река Вит', 'LOV', 'Тетевен'),
('nSiteNatura2000', 'BG0000247 Никополско плато', 'PVN', 'Никопол'),
('nSiteNatura2000', 'BG0000335 Карлуковски карст', 'LOV', 'Луковит'),
('nSiteNatura2000', 'BG0000615 Деветашко плато', 'LOV', 'Ловеч'),
('nSiteNatura2000', 'BG0000614 Река Огоста', 'MON', 'Монтана'),
('nSiteNatura2000', 'BG0000614 Река Огоста', 'MON', 'Бойчиновци'),
('nSiteNatura2000', 'BG0000614 Река Огоста', 'VRC', 'Мизия'),
('nSiteNatura2000', 'BG0000618 Видбол', 'VID', 'Видин'),
('nSiteNatura2000', 'BG0000618 Видбол', 'VID', 'Кула'),
('nSiteNatura2000', 'BG0001389 Средна гора', 'PDV', 'Хисаря'),
('nSiteNatura2000', 'BG0001389 Средна гора', 'PDV', 'Карлово'),
('nSiteNatura2000', 'BG0001389 Средна гора', 'SZR', 'Стара Загора'),
('nSiteNatura2000', 'BG0001389 Средна гора', 'SFO', 'Копривщица'),
('nSiteNatura2000', 'BG0002013 Студен кладенец', 'KRZ', 'Кърджали'),

('nSiteRamsar', 'Атанасовско езеро', 'BGS', 'Бургас'),
('nSiteRamsar', 'Езеро Вая', 'BGS', 'Бургас'),
('nSiteRamsar', 'Комплекс Мандра - Пода', 'BGS', 'Бургас'),
('nSiteRamsar', 'Поморийско езеро', 'BGS', 'Поморие'),
('nSiteRamsar', 'Комплекс Ропотамо', 'BGS', 'Приморско'),
('nSiteRamsar', 'Комплекс Ропотамо', 'BGS', 'Созопол'),
('nSiteRamsar', 'Дуранкулашко езеро', 'DOB', 'Шабла'),
('nSiteRamsar', 'Шабленски езерен комплекс', 'DOB', 'Шабла'),
('nSiteRamsar', 'Сребърна', 'SLS', 'Ситово'),
('nSiteRamsar', 'Комплекс Беленски острови', 'PVN', 'Белене'),
('nSiteRamsar', 'Остров Ибиша', 'MON', 'Лом'),
('nSiteRamsar', 'Драгомански блатен комплекс', 'SFO', 'Драгоман');

insert into seed_check
select 'every area lies in an existing place', count(*) = 0 from area_place a
where not exists (select 1 from named_municipality n
                  where n.province = a.province and (a.municipality is null or n.municipality = a.municipality));

insert into nReserve (Name) select name from area_place where kind = 'nReserve' group by name order by min(rowid);
insert into nPR (Name) select name from area_place where kind = 'nPR' group by name order by min(rowid);
insert into nPZ (Name) select name from area_place where kind = 'nPZ' group by name order by min(rowid);
insert into nZM (Name) select name from area_place where kind = 'nZM' group by name order by min(rowid);
insert into nSiteCorine (Name) select name from area_place where kind = 'nSiteCorine' group by name order by min(rowid);
insert into nSiteOVM (Name) select name from area_place where kind = 'nSiteOVM' group by name order by min(rowid);
insert into nSiteNatura2000 (Name)
select name from area_place where kind = 'nSiteNatura2000' group by name order by min(rowid);
insert into nSiteRamsar (Name) select name from area_place where kind = 'nSiteRamsar' group by name order by min(rowid);

-- The logins an area belongs to. Province-wide areas go to the inspectorates only: a park
-- covers a few municipalities of a province, not all of it.
create temp view area_riosw as
select distinct a.kind, a.name, r.riosw_np_pp_id as riosw_id
from area_place a
join named_municipality n on n.province = a.province and (a.municipality is null or n.municipality = a.municipality)
join rMun____RIOSW_NP_PP r on r.mun_id = n.ID
where a.municipality is not null or r.riosw_np_pp_id in (select ID from nRIOSW);

insert into rRV__RIOSW_NP_PP (RV_ID, RIOSW_NP_PP_id)
select n.ID, a.riosw_id from area_riosw a join nReserve n on n.Name = a.name
where a.kind = 'nReserve' order by a.riosw_id, n.ID;
insert into rPR__RIOSW_NP_PP (PR_ID, RIOSW_NP_PP_id)
select n.ID, a.riosw_id from area_riosw a join nPR n on n.Name = a.name
where a.kind = 'nPR' order by a.riosw_id, n.ID;
insert into rPZ__RIOSW_NP_PP (PZ_ID, RIOSW_NP_PP_id)
select n.ID, a.riosw_id from area_riosw a join nPZ n on n.Name = a.name
where a.kind = 'nPZ' order by a.riosw_id, n.ID;
insert into rZM__RIOSW_NP_PP (ZM_ID, RIOSW_NP_PP_id)
select n.ID, a.riosw_id from area_riosw a join nZM n on n.Name = a.name
where a.kind = 'nZM' order by a.riosw_id, n.ID;
insert into rSiteCorine__Riosw_NP_PP (corine_id, RIOSW_NP_PP_id)
select n.ID, a.riosw_id from area_riosw a join nSiteCorine n on n.Name = a.name
where a.kind = 'nSiteCorine' order by a.riosw_id, n.ID;
insert into rSiteOVM__RIOSW_NP_PP (ovm_id, RIOSW_NP_PP_id)
select n.ID, a.riosw_id from area_riosw a join nSiteOVM n on n.Name = a.name
where a.kind = 'nSiteOVM' order by a.riosw_id, n.ID;
insert into rSiteNatura2000__RIOSW_NP_PP (natura2000_id, RIOSW_NP_PP_id)
select n.ID, a.riosw_id from area_riosw a join nSiteNatura2000 n on n.Name = a.name
where a.kind = 'nSiteNatura2000' order by a.riosw_id, n.ID;
insert into rSiteRamsar__RIOSW_NP_PP (ramsar_id, RIOSW_NP_PP_id)
select n.ID, a.riosw_id from area_riosw a join nSiteRamsar n on n.Name = a.name
where a.kind = 'nSiteRamsar' order by a.riosw_id, n.ID;

drop view area_riosw;
drop table area_place;
