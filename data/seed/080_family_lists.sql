-- Lists of the common pages and of the species pages. Where a page or a report tests an id,
-- the comment says so; those ids must stay as they are.

-- Underground habitats of the bat cave form. Id 4 asks the observer to describe the place.
insert into nDynamicComboData (ID, Name) values
(1, 'Пещера'),
(2, 'Пропаст'),
(3, 'Изкуствена подземна галерия (рудник, тунел, бункер)'),
(4, 'Друго подземно местообитание (опишете)');

-- Ground surface on the weather page.
insert into nTortoiseGround (ID, Name) values
(1, 'Суха'),
(2, 'Влажна'),
(3, 'Мокра'),
(4, 'Замръзнала'),
(5, 'Покрита със сняг');

-- Exposure of a slope, a rock or a tree side.
insert into nMossExposure (ID, Name) values
(1, 'С'),
(2, 'СИ'),
(3, 'И'),
(4, 'ЮИ'),
(5, 'Ю'),
(6, 'ЮЗ'),
(7, 'З'),
(8, 'СЗ'),
(9, 'Равно (без изложение)');

------------------------------------------------------------------------------------------
-- Bats, tortoises, hamster
------------------------------------------------------------------------------------------

-- State of a bat box; the report ticks one of three columns by these ids.
insert into nBatHousesCondition (ID, Name) values
(1, 'Запазена'),
(2, 'Повредена'),
(3, 'Унищожена или липсва');

insert into nTortoise (ID, Name) values
(1, 'Шипобедрена костенурка (Testudo graeca)'),
(2, 'Шипоопашата костенурка (Testudo hermanni)');

-- Codes of a 100 m transect segment, one kind per column: row k holds code k of every kind.
-- The transect report prints each code as one digit, so ids run from 1 to 9.
insert into nHamsterHabitatCodes (ID, Habitat, WaterTank, Road, Overgrowing, GrassType, GrassHigh, Buildings) values
(1, 'Пасище', 'Няма', 'Няма', 'Няма', 'Под 25 %', 'До 5 см', 'Няма'),
(2, 'Ливада (сенокос)', 'Поток или река', 'Черен път', 'Единични храсти', '25 - 50 %', '5 - 10 см', 'Единични постройки'),
(3, 'Угар, необработвана земя', 'Езеро или язовир', 'Път с трошенокаменна настилка', 'Групи храсти', '50 - 75 %', '10 - 20 см', 'Кошара или ферма'),
(4, 'Обработваема земя', 'Напоителен канал', 'Асфалтов път', 'Храсти върху над половината площ', 'Над 75 %', 'Над 20 см', 'Край на населено място'),
(5, 'Овощна градина или лозе', 'Чешма или корито', 'Железопътна линия', NULL, NULL, NULL, 'Промишлени сгради'),
(6, 'Летище, стадион или стрелбище', 'Временно заливна площ', NULL, NULL, NULL, NULL, NULL),
(7, 'Крайпътна или полезащитна ивица', NULL, NULL, NULL, NULL, NULL, NULL),
(8, 'Поляна в гора', NULL, NULL, NULL, NULL, NULL, NULL),
(9, 'Друго', NULL, NULL, NULL, NULL, NULL, NULL);

------------------------------------------------------------------------------------------
-- Fungi
------------------------------------------------------------------------------------------

insert into Floristic_regions (ID, Name) values
(1, 'Черноморско крайбрежие'),
(2, 'Североизточна България'),
(3, 'Дунавска равнина'),
(4, 'Предбалкан'),
(5, 'Стара планина'),
(6, 'Софийски район'),
(7, 'Знеполски район'),
(8, 'Витошки район'),
(9, 'Западни гранични планини'),
(10, 'Струмска долина'),
(11, 'Беласица'),
(12, 'Славянка'),
(13, 'Пирин'),
(14, 'Рила'),
(15, 'Средна гора'),
(16, 'Родопи'),
(17, 'Тракийска низина'),
(18, 'Тунджанска хълмиста равнина'),
(19, 'Странджа');

------------------------------------------------------------------------------------------
-- Mosses
------------------------------------------------------------------------------------------

insert into nMossYesNo (ID, Name) values
(1, 'да'),
(2, 'не');

insert into nMossHommies (ID, Name) values
(1, 'Букови гори'),
(2, 'Смесени букови и иглолистни гори'),
(3, 'Смърчови гори'),
(4, 'Елови гори'),
(5, 'Гори от бял бор'),
(6, 'Гори от бяла и черна мура'),
(7, 'Дъбови гори'),
(8, 'Габърови гори'),
(9, 'Крайречни гори от елша и върба'),
(10, 'Торфища и мочурища'),
(11, 'Високопланински пасища'),
(12, 'Скални съобщества');

-- Rock positions of a tuft (the rock page's report ticks ids 1 and 2) share their ids with
-- the first rows here, under which the rock page reads them back. The flagged rows fill the
-- grass cover (combo1) and sunshine (combo2) lists of the tuft page.
insert into nMossTurfSituation (ID, Name, combo1, combo2) values
(1, 'Върху горната (хоризонтална) повърхност на блока', 0, 0),
(2, 'Върху страничната (вертикална) повърхност на блока', 0, 0),
(3, 'Разредена тревна покривка', 1, 0),
(4, 'Гъста тревна покривка', 1, 0),
(5, 'Огрявани места', 0, 1),
(6, 'Сенчести места', 0, 1);

insert into nMossRockSituation (ID, Name) select ID, Name from nMossTurfSituation where ID in (1, 2) order by ID;

-- Where the tufts grow; the report answers "yes" for ids 1 and 2.
insert into nMossTurf (ID, Name, Moss2) values
(1, 'Върху скали', 1),
(2, 'В основата на дървета', 1);

-- Rock heights, ids 1 to 4 ticked by the report.
insert into nMossRockHight (ID, Name) values
(1, 'До 0,5 м'),
(2, '0,5 - 1 м'),
(3, '1 - 2 м'),
(4, 'Над 2 м');

-- Rock surfaces, ids 1 and 2 ticked by the report.
insert into nMossRockSurface (ID, Name) values
(1, 'Гладка'),
(2, 'Напукана');

insert into nMossRockSunshine (ID, Name) values
(1, 'Огрявано'),
(2, 'Полусянка'),
(3, 'Засенчено');

insert into nMossSoil (ID, Name) values
(1, 'Плитка почва върху скали'),
(2, 'Песъчлива'),
(3, 'Глинеста'),
(4, 'Хумусна'),
(5, 'Карбонатна');

insert into nMossErosive (ID, Name) values
(1, 'Без ерозия'),
(2, 'Слаба'),
(3, 'Умерена'),
(4, 'Силна');
