-- The database of the program: every table and view it reads or writes.
--
-- Conventions kept throughout:
-- * every table has ID INTEGER PRIMARY KEY, assigned by SQLite
-- * ids, radio indexes and check boxes are INTEGER, -1 meaning "nothing chosen"
-- * everything the user types is TEXT and comes back exactly as typed (leading zeros kept)
-- * column names are spelled exactly as the program reads them, case included
-- * no enforced foreign keys: -1 is stored routinely and child rows are removed by sub-select
-- * nomenclature tables carry only their ID, their name columns and a few flag or link
--   columns, so that unqualified column names in the joins of the program stay unambiguous

------------------------------------------------------------------------------------------
-- Form storage
------------------------------------------------------------------------------------------

-- One row per stored form. Never removed: deleting a form sets Del to 1.
CREATE TABLE Forms (
    ID          INTEGER PRIMARY KEY,
    FormTypeID  INTEGER,            -- FormNames.ID
    SpeciesID   INTEGER,            -- id at its own level of the species tree
    SpeciesType INTEGER,            -- 1 species, 2 subgroup, 3 group, 4 supergroup
    FormCode    TEXT,               -- inspectorate_formtype_combinedspecies_formid
    Del         INTEGER,            -- NULL live, 1 deleted
    Exported    INTEGER,
    ImportedID  INTEGER
);

-- The action log: 1 created, 2 deleted, 3 updated. Date and time are filled by the database.
CREATE TABLE Actions (
    ID          INTEGER PRIMARY KEY,
    FormID      INTEGER,
    SessionID   INTEGER,
    ActionType  INTEGER,
    ActionDate  TEXT DEFAULT (date('now','localtime')),
    ActionTime  TEXT DEFAULT (time('now','localtime')),
    DelID       INTEGER
);
CREATE INDEX ix_Actions_FormID ON Actions (FormID, ActionType);
-- The lists of stored forms: forms of one type newest first, and the forms a user created.
CREATE INDEX ix_Actions_SessionID ON Actions (SessionID, ActionType);
CREATE INDEX ix_Forms_FormTypeID ON Forms (FormTypeID);

-- The latest change of each form (one row per form at most).
CREATE VIEW LastUpdateActions AS
    SELECT FormID, ActionDate, ActionTime
    FROM Actions
    WHERE ID IN (SELECT max(ID) FROM Actions WHERE ActionType = 3 GROUP BY FormID);

-- Place and time of the observation.
CREATE TABLE DlgData_01_Place (
    ID                  INTEGER PRIMARY KEY,
    FormID              INTEGER,
    PlaceID             INTEGER,    -- nSites.ID
    Date                TEXT,       -- YYYY-MM-DD
    StartTime           TEXT,       -- HH:MM:SS, or --- when no time was given
    EndTime             TEXT,
    EKNM_CityID         INTEGER,
    EKNM_MunicipalityID INTEGER,
    EKNM_ProvinceID     INTEGER,
    NUTS_ID             INTEGER,
    RIOSW_ID_           INTEGER,    -- nRIOSW.ID
    RUG_ID              INTEGER,
    DL_ID               INTEGER,
    DDS_ID              INTEGER,
    Department          TEXT,
    SubDepartment       TEXT,
    DynamicStrContent   TEXT,       -- plot, route, river or place, by page variant
    DynamicIntComboContent INTEGER, -- nDynamicComboData.ID
    DynamicIntRadio     INTEGER,    -- 0 sample plot, 1 transect
    DynamicStrArea1     TEXT,
    DynamicStrArea2     TEXT,
    DynamicStrContent2  TEXT,
    DynamicStrContent3Natura2000 TEXT
);
CREATE INDEX ix_DlgData_01_Place_FormID ON DlgData_01_Place (FormID);

-- Weather.
CREATE TABLE DlgData_02_Climate (
    ID               INTEGER PRIMARY KEY,
    FormID           INTEGER,
    Cloudness        INTEGER,       -- index in the cloudiness list
    Rainfall         TEXT,
    TemperatureAir   TEXT,
    TemperatureWater TEXT,
    Wind             INTEGER,       -- 0 weak, 1 moderate, 2 strong
    SurfaceID        INTEGER        -- nTortoiseGround.ID
);
CREATE INDEX ix_DlgData_02_Climate_FormID ON DlgData_02_Climate (FormID);

-- Biogeographic region, altitude and exposure. The points themselves are in Coordinates.
CREATE TABLE DlgData_03_Coords (
    ID          INTEGER PRIMARY KEY,
    FormID      INTEGER,
    BioRegionID INTEGER,            -- 0 alpine, 1 continental, 2 Black Sea
    Altitude    TEXT,
    ExposureID  INTEGER             -- nMossExposure.ID
);
CREATE INDEX ix_DlgData_03_Coords_FormID ON DlgData_03_Coords (FormID);

-- Geographic points: of a coordinates page, or (DlgData_ID -1) of a wolf track.
CREATE TABLE Coordinates (
    ID                           INTEGER PRIMARY KEY,
    DlgData_ID                   INTEGER,   -- DlgData_03_Coords.ID
    Longtitude_Grad              INTEGER,
    Longtitude_Minutes           INTEGER,
    Longtitude_Seconds           INTEGER,
    Longtitude_SocondsAfterPoint INTEGER,
    Longtitude_Relativity        INTEGER,   -- always -2
    Latitude_Grad                INTEGER,
    Latitude_Minutes             INTEGER,
    Latitude_Seconds             INTEGER,
    Latitude_SecondsAfterPoint   INTEGER,
    Latitude_Relativity          INTEGER    -- always -2
);
CREATE INDEX ix_Coordinates_DlgData_ID ON Coordinates (DlgData_ID);

-- Protected areas the place lies in.
CREATE TABLE DlgData_04_Locality (
    ID            INTEGER PRIMARY KEY,
    FormID        INTEGER,
    NP_ID         INTEGER,
    NP_PU_ID      INTEGER,
    PP_ID         INTEGER,
    Reserve_ID    INTEGER,
    PR_ID         INTEGER,
    PZ_ID         INTEGER,
    ZM_ID         INTEGER,
    Corine_ID     INTEGER,
    OVM_ID        INTEGER,
    Natura_200_ID INTEGER,
    Ramsar_ID     INTEGER
);
CREATE INDEX ix_DlgData_04_Locality_FormID ON DlgData_04_Locality (FormID);

-- Observers of the form, in list order.
CREATE TABLE DlgData_06 (
    ID       INTEGER PRIMARY KEY,
    FormID   INTEGER,
    PersonID INTEGER                -- Person_Colaborator.ID
);
CREATE INDEX ix_DlgData_06_FormID ON DlgData_06 (FormID);

-- Threats of the form.
CREATE TABLE DlgData_07_Threats (
    ID       INTEGER PRIMARY KEY,
    FormID   INTEGER,
    ThreatID INTEGER                -- nThreats.ID
);
CREATE INDEX ix_DlgData_07_Threats_FormID ON DlgData_07_Threats (FormID);

-- Photos (IsPhoto 1) and maps or scans (IsPhoto 0), each kept as a BMP file image.
CREATE TABLE DlgData_Images (
    ID        INTEGER PRIMARY KEY,
    FormID    INTEGER,
    IsPhoto   INTEGER,
    SerialNum INTEGER,
    Name      TEXT,                 -- file name without folder
    Image     BLOB
);
CREATE INDEX ix_DlgData_Images_FormID ON DlgData_Images (FormID);

------------------------------------------------------------------------------------------
-- Species pages: fungi
------------------------------------------------------------------------------------------

CREATE TABLE tFungus_01 (
    ID                INTEGER PRIMARY KEY,
    FormID            INTEGER,
    FloristicRegionID INTEGER,      -- Floristic_regions.ID
    UTM_GirdID        INTEGER,      -- nUTM_Fungus.ID
    Substratum        TEXT,
    Habitat           TEXT,
    EkoSpecifics      TEXT
);
CREATE INDEX ix_tFungus_01_FormID ON tFungus_01 (FormID);

CREATE TABLE tFungus_02 (
    ID             INTEGER PRIMARY KEY,
    FormID         INTEGER,
    ColectionNum   TEXT,
    GroupsCount    TEXT,
    PopulationArea TEXT
);
CREATE INDEX ix_tFungus_02_FormID ON tFungus_02 (FormID);

CREATE TABLE tFungus_02_OtherSpecies (
    ID            INTEGER PRIMARY KEY,
    tFungus_02_ID INTEGER,
    FungiID       INTEGER           -- _AllFungi.ID
);
CREATE INDEX ix_tFungus_02_OtherSpecies_parent ON tFungus_02_OtherSpecies (tFungus_02_ID);

CREATE TABLE tFungus_03 (
    ID     INTEGER PRIMARY KEY,
    FormID INTEGER,
    Notes  TEXT
);
CREATE INDEX ix_tFungus_03_FormID ON tFungus_03 (FormID);

CREATE TABLE tFungus_04 (
    ID                    INTEGER PRIMARY KEY,
    FormID                INTEGER,
    FloristicRegionID     INTEGER,
    bEkoConditionsChanges INTEGER,
    EkoConditionsChanges  TEXT,
    bHabitatChanges       INTEGER,
    HabitatChanges        TEXT,
    bLandUsageChanges     INTEGER,
    LandUsageChanges      TEXT
);
CREATE INDEX ix_tFungus_04_FormID ON tFungus_04 (FormID);

-- One row per species found.
CREATE TABLE tFungus_05 (
    ID      INTEGER PRIMARY KEY,
    FormID  INTEGER,
    FungiID INTEGER,                -- _AllFungi.ID
    Count   TEXT
);
CREATE INDEX ix_tFungus_05_FormID ON tFungus_05 (FormID);

------------------------------------------------------------------------------------------
-- Species pages: fish
------------------------------------------------------------------------------------------

CREATE TABLE tFishes_01 (
    ID              INTEGER PRIMARY KEY,
    FormID          INTEGER,
    FishingDevice   TEXT,
    FishingTime     TEXT,
    FishingDistance TEXT
);
CREATE INDEX ix_tFishes_01_FormID ON tFishes_01 (FormID);

CREATE TABLE tFishes_02 (
    ID             INTEGER PRIMARY KEY,
    FormID         INTEGER,
    NetType        INTEGER,         -- 0 vertical, 1 bottom
    NetLength      TEXT,
    NetHeight      TEXT,
    NetEyeDimnsion TEXT
);
CREATE INDEX ix_tFishes_02_FormID ON tFishes_02 (FormID);

-- One row per fish caught.
CREATE TABLE tFishes_03 (
    ID            INTEGER PRIMARY KEY,
    FormID        INTEGER,
    MaturityLevel TEXT,
    Sex           INTEGER,          -- 0 male, 1 female
    Weight        TEXT,
    StandardLen   TEXT,
    AbsLen        TEXT,
    Notes         TEXT
);
CREATE INDEX ix_tFishes_03_FormID ON tFishes_03 (FormID);

------------------------------------------------------------------------------------------
-- Species pages: mosses
------------------------------------------------------------------------------------------

CREATE TABLE tMoss_01 (
    ID                 INTEGER PRIMARY KEY,
    FormID             INTEGER,
    bCheckArableLand   INTEGER,
    bCheckBuildings    INTEGER,
    bCheckCities       INTEGER,
    bCheckForestTrack  INTEGER,
    bCheckRivers       INTEGER,
    bCheckRoads        INTEGER,
    bCheckStreams      INTEGER,
    bCheckTouristsPath INTEGER,
    ArableLandDist     TEXT,
    BuildingsDist      TEXT,
    CitiesDist         TEXT,
    ForestTrackDist    TEXT,
    RiverDist          TEXT,
    RoadsDist          TEXT,
    StreamsDist        TEXT,
    ToursitPathDist    TEXT
);
CREATE INDEX ix_tMoss_01_FormID ON tMoss_01 (FormID);

CREATE TABLE tMoss_02 (
    ID          INTEGER PRIMARY KEY,
    FormID      INTEGER,
    HommiesType INTEGER             -- nMossHommies.ID
);
CREATE INDEX ix_tMoss_02_FormID ON tMoss_02 (FormID);

CREATE TABLE tMoss_02_Trees (
    ID              INTEGER PRIMARY KEY,
    tMoss_02_ID     INTEGER,
    _AllTreesMossID INTEGER         -- _AllTreesMoss.ID
);
CREATE INDEX ix_tMoss_02_Trees_parent ON tMoss_02_Trees (tMoss_02_ID);

CREATE TABLE tMoss_03 (
    ID            INTEGER PRIMARY KEY,
    FormID        INTEGER,
    ExposureID    INTEGER,          -- nMossExposure.ID
    BushesPercent TEXT,
    GrassPercent  TEXT,
    Tilt          TEXT,
    RocksExists   INTEGER           -- 0 yes, 1 no
);
CREATE INDEX ix_tMoss_03_FormID ON tMoss_03 (FormID);

CREATE TABLE tMoss_03_GrassBush (
    ID              INTEGER PRIMARY KEY,
    tMoss_03_ID     INTEGER,
    _AllGrassBushID INTEGER         -- _AllGrassBushMoss.ID
);
CREATE INDEX ix_tMoss_03_GrassBush_parent ON tMoss_03_GrassBush (tMoss_03_ID);

CREATE TABLE tMoss_04 (
    ID           INTEGER PRIMARY KEY,
    FormID       INTEGER,
    GrassCoverID INTEGER,           -- nMossTurfSituation.ID
    SunshineID   INTEGER            -- nMossTurfSituation.ID
);
CREATE INDEX ix_tMoss_04_FormID ON tMoss_04 (FormID);

CREATE TABLE tMoss_04_Turf (
    ID          INTEGER PRIMARY KEY,
    tMoss_04_ID INTEGER,
    TurfArea    TEXT
);
CREATE INDEX ix_tMoss_04_Turf_parent ON tMoss_04_Turf (tMoss_04_ID);

CREATE TABLE tMoss_05 (
    ID              INTEGER PRIMARY KEY,
    FormID          INTEGER,
    PercentCoverage TEXT,
    Area            TEXT
);
CREATE INDEX ix_tMoss_05_FormID ON tMoss_05 (FormID);

CREATE TABLE tMoss_05_Attendants (
    ID           INTEGER PRIMARY KEY,
    tMoss_05_ID  INTEGER,
    _AllMossesID INTEGER            -- _AllMosses.ID
);
CREATE INDEX ix_tMoss_05_Attendants_parent ON tMoss_05_Attendants (tMoss_05_ID);

CREATE TABLE tMoss_06 (
    ID       INTEGER PRIMARY KEY,
    FormID   INTEGER,
    NoteText TEXT
);
CREATE INDEX ix_tMoss_06_FormID ON tMoss_06 (FormID);

-- Parent of the tuft locations and properties only.
CREATE TABLE tMoss_07 (
    ID     INTEGER PRIMARY KEY,
    FormID INTEGER
);
CREATE INDEX ix_tMoss_07_FormID ON tMoss_07 (FormID);

CREATE TABLE tMoss_07_TurfLocation (
    ID          INTEGER PRIMARY KEY,
    tMoss_07_ID INTEGER,
    _TurfID     INTEGER             -- nMossTurf.ID
);
CREATE INDEX ix_tMoss_07_TurfLocation_parent ON tMoss_07_TurfLocation (tMoss_07_ID);

CREATE TABLE tMoss_07_TurfProperties (
    ID          INTEGER PRIMARY KEY,
    tMoss_07_ID INTEGER,
    TurfArea    TEXT,
    SporeExists INTEGER             -- nMossYesNo.ID
);
CREATE INDEX ix_tMoss_07_TurfProperties_parent ON tMoss_07_TurfProperties (tMoss_07_ID);

CREATE TABLE tMoss_08 (
    ID            INTEGER PRIMARY KEY,
    FormID        INTEGER,
    BushesPercent TEXT,
    GrassPercent  TEXT,
    TreesSklop    TEXT
);
CREATE INDEX ix_tMoss_08_FormID ON tMoss_08 (FormID);

CREATE TABLE tMoss_08_Trees (
    ID              INTEGER PRIMARY KEY,
    tMoss_08_ID     INTEGER,
    _AllTreesMossID INTEGER         -- _AllTreesMoss.ID
);
CREATE INDEX ix_tMoss_08_Trees_parent ON tMoss_08_Trees (tMoss_08_ID);

CREATE TABLE tMoss_09 (
    ID        INTEGER PRIMARY KEY,
    FormID    INTEGER,
    Cat1Count TEXT,
    Cat2Count TEXT,
    Cat3Count TEXT,
    Area      TEXT
);
CREATE INDEX ix_tMoss_09_FormID ON tMoss_09 (FormID);

CREATE TABLE tMoss_09_Stubs (
    ID             INTEGER PRIMARY KEY,
    tMoss_09_ID    INTEGER,
    RotScale       INTEGER,         -- 0..2 for degrees 1..3
    Diameter       TEXT,
    Len            TEXT,
    SporofitsCount TEXT
);
CREATE INDEX ix_tMoss_09_Stubs_parent ON tMoss_09_Stubs (tMoss_09_ID);

CREATE TABLE tMoss_10 (
    ID             INTEGER PRIMARY KEY,
    FormID         INTEGER,
    BushesPercent  TEXT,
    GrassPercent   TEXT,
    TreePercent    TEXT,
    RocksExistance INTEGER          -- 0 in forest, 1 in the open
);
CREATE INDEX ix_tMoss_10_FormID ON tMoss_10 (FormID);

CREATE TABLE tMoss_10_GrassBush (
    ID              INTEGER PRIMARY KEY,
    tMoss_10_ID     INTEGER,
    _AllGrassBushID INTEGER
);
CREATE INDEX ix_tMoss_10_GrassBush_parent ON tMoss_10_GrassBush (tMoss_10_ID);

CREATE TABLE tMoss_11 (
    ID        INTEGER PRIMARY KEY,
    FormID    INTEGER,
    HumusID   INTEGER,              -- nMossYesNo.ID
    SurfaceID INTEGER,              -- nMossRockSurface.ID
    HeightID  INTEGER               -- nMossRockHight.ID
);
CREATE INDEX ix_tMoss_11_FormID ON tMoss_11 (FormID);

CREATE TABLE tMoss_11_TurfSituation (
    ID          INTEGER PRIMARY KEY,
    tMoss_11_ID INTEGER,
    SituationID INTEGER,            -- position on the rock
    ExposureID  INTEGER,            -- nMossExposure.ID
    SunshineID  INTEGER             -- nMossRockSunshine.ID
);
CREATE INDEX ix_tMoss_11_TurfSituation_parent ON tMoss_11_TurfSituation (tMoss_11_ID);

CREATE TABLE tMoss_12 (
    ID         INTEGER PRIMARY KEY,
    FormID     INTEGER,
    ExposureID INTEGER,
    Chanel     TEXT,
    Nitrates   TEXT,
    Nitrites   TEXT,
    PH         TEXT,
    Phosphates TEXT,
    Relief     TEXT,
    Tilt       TEXT,
    TorfArea   TEXT,
    Depth      TEXT
);
CREATE INDEX ix_tMoss_12_FormID ON tMoss_12 (FormID);

CREATE TABLE tMoss_13 (
    ID          INTEGER PRIMARY KEY,
    FormID      INTEGER,
    TreesExist  INTEGER,
    TreesCount  TEXT,
    ProcentArea TEXT
);
CREATE INDEX ix_tMoss_13_FormID ON tMoss_13 (FormID);

CREATE TABLE tMoss_13_GrassBush (
    ID              INTEGER PRIMARY KEY,
    tMoss_13_ID     INTEGER,
    _AllGrassBushID INTEGER
);
CREATE INDEX ix_tMoss_13_GrassBush_parent ON tMoss_13_GrassBush (tMoss_13_ID);

-- One row per tuft.
CREATE TABLE tMoss_14 (
    ID          INTEGER PRIMARY KEY,
    FormID      INTEGER,
    TurfArea    TEXT,
    SporeExists INTEGER             -- nMossYesNo.ID
);
CREATE INDEX ix_tMoss_14_FormID ON tMoss_14 (FormID);

CREATE TABLE tMoss_15 (
    ID             INTEGER PRIMARY KEY,
    FormID         INTEGER,
    SoilID         INTEGER,         -- nMossSoil.ID
    RocksExistance INTEGER,         -- nMossYesNo.ID
    ExposureID     INTEGER,
    ErosiveID      INTEGER,         -- nMossErosive.ID
    BushesPercent  TEXT,
    GrassPercent   TEXT,
    Tilt           TEXT,
    TreePercent    TEXT
);
CREATE INDEX ix_tMoss_15_FormID ON tMoss_15 (FormID);

CREATE TABLE tMoss_15_GrassBush (
    ID              INTEGER PRIMARY KEY,
    tMoss_15_ID     INTEGER,
    _AllGrassBushID INTEGER
);
CREATE INDEX ix_tMoss_15_GrassBush_parent ON tMoss_15_GrassBush (tMoss_15_ID);

CREATE TABLE tMoss_15_Arhegon (
    ID               INTEGER PRIMARY KEY,
    tMoss_15_ID      INTEGER,
    TorfArea         TEXT,
    ArhegonExistance INTEGER        -- nMossYesNo.ID
);
CREATE INDEX ix_tMoss_15_Arhegon_parent ON tMoss_15_Arhegon (tMoss_15_ID);

-- The program names both flags with a Cyrillic capital Е after "Rocks" and "WaterBasin".
CREATE TABLE tMoss_16 (
    ID                  INTEGER PRIMARY KEY,
    FormID              INTEGER,
    RocksЕxistance      INTEGER,    -- nMossYesNo.ID
    WaterBasinЕxistance INTEGER     -- nMossYesNo.ID
);
CREATE INDEX ix_tMoss_16_FormID ON tMoss_16 (FormID);

CREATE TABLE tMoss_16_GrassBush (
    ID              INTEGER PRIMARY KEY,
    tMoss_16_ID     INTEGER,
    _AllGrassBushID INTEGER
);
CREATE INDEX ix_tMoss_16_GrassBush_parent ON tMoss_16_GrassBush (tMoss_16_ID);

CREATE TABLE tMoss_17 (
    ID     INTEGER PRIMARY KEY,
    FormID INTEGER,
    Area   TEXT
);
CREATE INDEX ix_tMoss_17_FormID ON tMoss_17 (FormID);

CREATE TABLE tMoss_17_TreeHosts (
    ID          INTEGER PRIMARY KEY,
    tMoss_17_ID INTEGER,
    TreeNum     INTEGER,            -- 0-based position of the tree
    _AllTreesID INTEGER,            -- _AllTreesMoss.ID
    Diameter    TEXT,
    Height      TEXT
);
CREATE INDEX ix_tMoss_17_TreeHosts_parent ON tMoss_17_TreeHosts (tMoss_17_ID);

CREATE TABLE tMoss_17_MossColonies (
    ID               INTEGER PRIMARY KEY,
    tMoss_17_ID      INTEGER,
    TreeNum          INTEGER,       -- position of the host tree
    ExposureID       INTEGER,
    AliveArea        TEXT,
    AppropriateCount TEXT,
    DeadArea         TEXT,
    Coverage         TEXT,
    Height           TEXT
);
CREATE INDEX ix_tMoss_17_MossColonies_parent ON tMoss_17_MossColonies (tMoss_17_ID);

CREATE TABLE tMoss_18 (
    ID                 INTEGER PRIMARY KEY,
    FormID             INTEGER,
    WaterBasinExisance INTEGER,     -- nMossYesNo.ID
    ExposureID         INTEGER,
    Carbonates         TEXT,
    Chanels            TEXT,
    Chloride           TEXT,
    Electric           TEXT,
    Nitrates           TEXT,
    Nitrites           TEXT,
    Oxigen             TEXT,
    PH                 TEXT,
    Phosphates         TEXT,
    Potential          TEXT,
    Releif             TEXT,
    Sulfates           TEXT,
    Tilt               TEXT,
    TorfArea           TEXT,
    WaterHigh          TEXT,
    WaterTemperature   TEXT
);
CREATE INDEX ix_tMoss_18_FormID ON tMoss_18 (FormID);

CREATE TABLE tMoss_19 (
    ID                 INTEGER PRIMARY KEY,
    FormID             INTEGER,
    CheckTrees         INTEGER,
    TreesCount         TEXT,
    Releif             TEXT,
    AnnualGrowth       TEXT,
    ProcentAllArea     TEXT,
    PercentSpeciesArea TEXT
);
CREATE INDEX ix_tMoss_19_FormID ON tMoss_19 (FormID);

CREATE TABLE tMoss_19_GrassBush (
    ID              INTEGER PRIMARY KEY,
    tMoss_19_ID     INTEGER,
    _AllGrassBushID INTEGER
);
CREATE INDEX ix_tMoss_19_GrassBush_parent ON tMoss_19_GrassBush (tMoss_19_ID);

------------------------------------------------------------------------------------------
-- Species pages: bats
------------------------------------------------------------------------------------------

CREATE TABLE tBats_01_Forests (
    ID          INTEGER PRIMARY KEY,
    FormID      INTEGER,
    Bat1Checked INTEGER,
    Bat1Method  TEXT,               -- numbers of the chosen methods
    Bat1Count   INTEGER,
    Bat2Checked INTEGER,
    Bat2Method  TEXT,
    Bat2Count   INTEGER
);
CREATE INDEX ix_tBats_01_Forests_FormID ON tBats_01_Forests (FormID);

-- Method flags: 4 per MethodType (0 the page, 1 and 2 the two bats).
CREATE TABLE tBats_01_Forests_Methods (
    ID                  INTEGER PRIMARY KEY,
    tBats_01_Forests_ID INTEGER,
    MethodType          INTEGER,
    MethodVal           INTEGER
);
CREATE INDEX ix_tBats_01_Forests_Methods_parent ON tBats_01_Forests_Methods (tBats_01_Forests_ID);

CREATE TABLE tBats_02_Forests (
    ID       INTEGER PRIMARY KEY,
    FormID   INTEGER,
    Changes  TEXT,
    Notes    TEXT,
    BlankNum TEXT
);
CREATE INDEX ix_tBats_02_Forests_FormID ON tBats_02_Forests (FormID);

CREATE TABLE tBats_02_Forests_ExtraBats (
    ID                  INTEGER PRIMARY KEY,
    tBats_02_Forests_ID INTEGER,
    _AllBats_ID         INTEGER,    -- _AllBats.ID
    Methods             TEXT,
    Count               INTEGER
);
CREATE INDEX ix_tBats_02_Forests_ExtraBats_parent ON tBats_02_Forests_ExtraBats (tBats_02_Forests_ID);

CREATE TABLE tBats_03_Houses (
    ID               INTEGER PRIMARY KEY,
    FormID           INTEGER,
    BatHousesFormNum TEXT
);
CREATE INDEX ix_tBats_03_Houses_FormID ON tBats_03_Houses (FormID);

CREATE TABLE tBats_03_Houses_BatHouses (
    ID                 INTEGER PRIMARY KEY,
    tBats_03_Houses_ID INTEGER,
    HouseNum           TEXT,
    HouseConditionID   INTEGER      -- nBatHousesCondition.ID
);
CREATE INDEX ix_tBats_03_Houses_BatHouses_parent ON tBats_03_Houses_BatHouses (tBats_03_Houses_ID);

CREATE TABLE tBats_03_Houses_BatHouses_Species (
    ID                           INTEGER PRIMARY KEY,
    tBats_03_Houses_BatHouses_ID INTEGER,   -- the house row
    _BatsInHousesID              INTEGER,   -- _BatsInHouses.ID
    SpeciesCount                 TEXT
);
CREATE INDEX ix_tBats_03_Houses_BatHouses_Species_parent
    ON tBats_03_Houses_BatHouses_Species (tBats_03_Houses_BatHouses_ID);

CREATE TABLE tBats_04_Caves (
    ID      INTEGER PRIMARY KEY,
    FormID  INTEGER,
    Method1 INTEGER,
    Method2 INTEGER,
    Method3 INTEGER,
    Method4 INTEGER,
    Method5 INTEGER
);
CREATE INDEX ix_tBats_04_Caves_FormID ON tBats_04_Caves (FormID);

CREATE TABLE tBats_04_Caves_Species (
    ID                   INTEGER PRIMARY KEY,
    tBats_04_Caves_ID    INTEGER,
    BatsInCavesSpeciesID INTEGER,   -- _BatsInCaves.ID
    Methods              TEXT,
    Count                INTEGER
);
CREATE INDEX ix_tBats_04_Caves_Species_parent ON tBats_04_Caves_Species (tBats_04_Caves_ID);

CREATE TABLE tBats_05_Caves (
    ID             INTEGER PRIMARY KEY,
    FormID         INTEGER,
    ColonyLocation TEXT,
    Notes          TEXT,
    Changes        TEXT
);
CREATE INDEX ix_tBats_05_Caves_FormID ON tBats_05_Caves (FormID);

CREATE TABLE tBats_05_Caves_Species (
    ID                   INTEGER PRIMARY KEY,
    tBats_05_Caves_ID    INTEGER,
    BatsInCavesSpeciesID INTEGER,   -- here an _AllBats.ID
    Methods              TEXT,
    Count                INTEGER
);
CREATE INDEX ix_tBats_05_Caves_Species_parent ON tBats_05_Caves_Species (tBats_05_Caves_ID);

CREATE TABLE tBats_06_WetLands (
    ID      INTEGER PRIMARY KEY,
    FormID  INTEGER,
    Method1 INTEGER,
    Method2 INTEGER,
    Method3 INTEGER,
    Method4 INTEGER
);
CREATE INDEX ix_tBats_06_WetLands_FormID ON tBats_06_WetLands (FormID);

CREATE TABLE tBats_06_WetLands_Species (
    ID                      INTEGER PRIMARY KEY,
    tBats_06_WetLands_ID    INTEGER,
    BatsInWetlandsSpeciesID INTEGER,    -- _BatsInWetlands.ID
    Methods                 TEXT,
    Count                   INTEGER
);
CREATE INDEX ix_tBats_06_WetLands_Species_parent ON tBats_06_WetLands_Species (tBats_06_WetLands_ID);

CREATE TABLE tBats_07_WetLands (
    ID      INTEGER PRIMARY KEY,
    FormID  INTEGER,
    Notes   TEXT,
    Changes TEXT
);
CREATE INDEX ix_tBats_07_WetLands_FormID ON tBats_07_WetLands (FormID);

-- The link column keeps its historical name: it holds tBats_07_WetLands.ID.
CREATE TABLE tBats_07_WetLands_Species (
    ID                INTEGER PRIMARY KEY,
    tBats_07_Caves_ID INTEGER,
    AllBatsSpeciesID  INTEGER,      -- _AllBats.ID
    Methods           TEXT,
    Count             INTEGER
);
CREATE INDEX ix_tBats_07_WetLands_Species_parent ON tBats_07_WetLands_Species (tBats_07_Caves_ID);

------------------------------------------------------------------------------------------
-- Species pages: bear
------------------------------------------------------------------------------------------

CREATE TABLE tBear_01 (
    ID        INTEGER PRIMARY KEY,
    FormID    INTEGER,
    Behaviour TEXT
);
CREATE INDEX ix_tBear_01_FormID ON tBear_01 (FormID);

CREATE TABLE tBear_01_Bears (
    ID          INTEGER PRIMARY KEY,
    tBear_01_ID INTEGER,
    BearSize    INTEGER,            -- 0 cub .. 5 very large
    BearCount   TEXT,
    BearColor   INTEGER,            -- 0 light brown, 1 brown, 2 dark, 3 golden
    BearSex     INTEGER             -- 0 male, 1 female
);
CREATE INDEX ix_tBear_01_Bears_parent ON tBear_01_Bears (tBear_01_ID);

CREATE TABLE tBear_02 (
    ID                INTEGER PRIMARY KEY,
    FormID            INTEGER,
    bAgressionAgainst INTEGER,
    bProtectChild     INTEGER,
    bProtectPrey      INTEGER,
    bRunAway          INTEGER,
    bRunCalm          INTEGER,
    bThreatens        INTEGER,
    bCriticDistance   INTEGER,
    AgressionAgainst  TEXT,
    CriticDistance    TEXT,
    ProtectChild      TEXT,
    ProtectPrey       TEXT,
    RunAway           TEXT,
    RunCalm           TEXT,
    Threatens         TEXT
);
CREATE INDEX ix_tBear_02_FormID ON tBear_02 (FormID);

CREATE TABLE tBear_03 (
    ID             INTEGER PRIMARY KEY,
    FormID         INTEGER,
    Reasons        TEXT,
    ObjectType     TEXT,
    ObjectSituated TEXT,
    Height         TEXT,
    FloraType      INTEGER,
    bTrail         INTEGER
);
CREATE INDEX ix_tBear_03_FormID ON tBear_03 (FormID);

CREATE TABLE tBear_04 (
    ID                INTEGER PRIMARY KEY,
    FormID            INTEGER,
    CheckLair         INTEGER,
    Len               TEXT,
    Wid               TEXT,
    FloraType         INTEGER,
    LairType          INTEGER,
    CaveLen           TEXT,
    CaveWid           TEXT,
    DistanceToLair    TEXT,
    BedspreadMaterial TEXT,
    Period            TEXT
);
CREATE INDEX ix_tBear_04_FormID ON tBear_04 (FormID);

CREATE TABLE tBear_05 (
    ID           INTEGER PRIMARY KEY,
    FormID       INTEGER,
    BackPawLen   TEXT,
    BackPawWid   TEXT,
    FrontPawLen  TEXT,
    BearSizeType INTEGER,
    bCheckTrail  INTEGER
);
CREATE INDEX ix_tBear_05_FormID ON tBear_05 (FormID);

CREATE TABLE tBear_06 (
    ID         INTEGER PRIMARY KEY,
    FormID     INTEGER,
    bCheckShit INTEGER,
    Shits      TEXT
);
CREATE INDEX ix_tBear_06_FormID ON tBear_06 (FormID);

CREATE TABLE tBear_07 (
    ID     INTEGER PRIMARY KEY,
    FormID INTEGER,
    Notes  TEXT
);
CREATE INDEX ix_tBear_07_FormID ON tBear_07 (FormID);

------------------------------------------------------------------------------------------
-- Species pages: amphibians and reptiles
------------------------------------------------------------------------------------------

CREATE TABLE tAmphibia_01 (
    ID                 INTEGER PRIMARY KEY,
    FormID             INTEGER,
    AreaDescription    TEXT,
    AdultCount         TEXT,
    YoungCount         TEXT,
    BabiesCount        TEXT,
    TotalCount         TEXT,
    EggsCount          TEXT,
    RoadkilledCount    TEXT,
    SingClassification TEXT
);
CREATE INDEX ix_tAmphibia_01_FormID ON tAmphibia_01 (FormID);

CREATE TABLE tAmphibia_01_HommieSpecies (
    ID              INTEGER PRIMARY KEY,
    tAmphibia_01_ID INTEGER,
    SpeciesID       INTEGER         -- _AllAmphibia.ID
);
CREATE INDEX ix_tAmphibia_01_HommieSpecies_parent ON tAmphibia_01_HommieSpecies (tAmphibia_01_ID);

CREATE TABLE tAmphibia_02 (
    ID             INTEGER PRIMARY KEY,
    FormID         INTEGER,
    HabitatChanges TEXT,
    Notes          TEXT
);
CREATE INDEX ix_tAmphibia_02_FormID ON tAmphibia_02 (FormID);

CREATE TABLE tReptiles_01 (
    ID              INTEGER PRIMARY KEY,
    FormID          INTEGER,
    AreaDescription TEXT,
    AdultCount      TEXT,
    YoungCount      TEXT,
    BabiesCount     TEXT,
    TotalCount      TEXT,
    NestsCount      TEXT,
    RoadkilledCount TEXT
);
CREATE INDEX ix_tReptiles_01_FormID ON tReptiles_01 (FormID);

CREATE TABLE tReptiles_01_HommieSpecies (
    ID              INTEGER PRIMARY KEY,
    tReptiles_01_ID INTEGER,
    SpeciesID       INTEGER         -- _AllReptiles.ID
);
CREATE INDEX ix_tReptiles_01_HommieSpecies_parent ON tReptiles_01_HommieSpecies (tReptiles_01_ID);

CREATE TABLE tReptiles_02 (
    ID             INTEGER PRIMARY KEY,
    FormID         INTEGER,
    HabitatChanges TEXT,
    Notes          TEXT
);
CREATE INDEX ix_tReptiles_02_FormID ON tReptiles_02 (FormID);

------------------------------------------------------------------------------------------
-- Species pages: tortoises
------------------------------------------------------------------------------------------

-- Parent of the animals only.
CREATE TABLE tTortoise_01 (
    ID     INTEGER PRIMARY KEY,
    FormID INTEGER
);
CREATE INDEX ix_tTortoise_01_FormID ON tTortoise_01 (FormID);

CREATE TABLE tTortoise_01_animals (
    ID              INTEGER PRIMARY KEY,
    tTortoise_01_ID INTEGER,
    TortoiseType    INTEGER,        -- nTortoise.ID
    Distance        TEXT,
    Habitat         TEXT,
    Len             TEXT,
    FoundType       INTEGER,        -- 0 seen, 1 heard
    Sex             INTEGER         -- 0 male, 1 female
);
CREATE INDEX ix_tTortoise_01_animals_parent ON tTortoise_01_animals (tTortoise_01_ID);

CREATE TABLE tTortoise_02 (
    ID       INTEGER PRIMARY KEY,
    FormID   INTEGER,
    Time1Min TEXT,
    Time2Min TEXT,
    Time3Min TEXT,
    Time4Min TEXT,
    Time5Min TEXT,
    bCheck1  INTEGER,
    bCheck2  INTEGER,
    bCheck3  INTEGER,
    bCheck4  INTEGER,
    bCheck5  INTEGER
);
CREATE INDEX ix_tTortoise_02_FormID ON tTortoise_02 (FormID);

------------------------------------------------------------------------------------------
-- Species pages: hamster
------------------------------------------------------------------------------------------

CREATE TABLE tHamster_01 (
    ID              INTEGER PRIMARY KEY,
    FormID          INTEGER,
    bCheckBushes    INTEGER,
    bCheckCows      INTEGER,
    bCheckElse      INTEGER,
    bCheckGoats     INTEGER,
    bCheckHorses    INTEGER,
    bCheckJuniper   INTEGER,
    bCheckPrickles  INTEGER,
    bCheckSheeps    INTEGER,
    iRadionPasture  INTEGER,        -- 0 yes, 1 no, 2 no information
    bCheckOthers    INTEGER,
    CowsCount       TEXT,
    ElseDescription TEXT,
    GoatsCount      TEXT,
    HorsesCount     TEXT,
    OthersCount     TEXT,
    OthersName      TEXT,
    SheepsCount     TEXT
);
CREATE INDEX ix_tHamster_01_FormID ON tHamster_01 (FormID);

-- Animals and burrows counted on each of the five transects.
CREATE TABLE tHamster_02 (
    ID                  INTEGER PRIMARY KEY,
    FormID              INTEGER,
    HamstersCount1      TEXT,
    HamstersLairsCount1 TEXT,
    HamstersCount2      TEXT,
    HamstersLairsCount2 TEXT,
    HamstersCount3      TEXT,
    HamstersLairsCount3 TEXT,
    HamstersCount4      TEXT,
    HamstersLairsCount4 TEXT,
    HamstersCount5      TEXT,
    HamstersLairsCount5 TEXT
);
CREATE INDEX ix_tHamster_02_FormID ON tHamster_02 (FormID);

-- Ten segments per transect, fifty per form. The seven codes are nHamsterHabitatCodes ids.
CREATE TABLE tHamster_02_Transects (
    ID               INTEGER PRIMARY KEY,
    tHamster_02_id   INTEGER,
    TransectNum      INTEGER,       -- 1..5
    WaterTankType    INTEGER,
    RoadsType        INTEGER,
    OvergrowingsType INTEGER,
    HabitatType      INTEGER,
    GrassHeightType  INTEGER,
    GrassType        INTEGER,
    BuildingsType    INTEGER,
    LairCount        TEXT,
    Latitude         TEXT,          -- as shown on the page
    Longitude        TEXT
);
CREATE INDEX ix_tHamster_02_Transects_parent ON tHamster_02_Transects (tHamster_02_id, TransectNum);

CREATE TABLE tHamster_03 (
    ID      INTEGER PRIMARY KEY,
    FormID  INTEGER,
    Changes TEXT,
    Notes   TEXT
);
CREATE INDEX ix_tHamster_03_FormID ON tHamster_03 (FormID);

------------------------------------------------------------------------------------------
-- Species pages: red deer
------------------------------------------------------------------------------------------

CREATE TABLE tDeer_01 (
    ID        INTEGER PRIMARY KEY,
    FormID    INTEGER,
    VeryYoung TEXT,
    Young     TEXT,
    Old       TEXT,
    VeryOld   TEXT,
    Total     TEXT
);
CREATE INDEX ix_tDeer_01_FormID ON tDeer_01 (FormID);

CREATE TABLE tDeer_02 (
    ID        INTEGER PRIMARY KEY,
    FormID    INTEGER,
    VeryYoung TEXT,
    Young     TEXT,
    Old       TEXT,
    VeryOld   TEXT,
    Total     TEXT
);
CREATE INDEX ix_tDeer_02_FormID ON tDeer_02 (FormID);

CREATE TABLE tDeer_03 (
    ID                  INTEGER PRIMARY KEY,
    FormID              INTEGER,
    ArealCharacteristic TEXT,
    EyeProngs           TEXT,
    IceProngs           TEXT,
    MidProngs           TEXT,
    WolfProngs          TEXT,
    Age                 TEXT,
    CrownLeft           TEXT,
    CrownRight          TEXT
);
CREATE INDEX ix_tDeer_03_FormID ON tDeer_03 (FormID);

CREATE TABLE tDeer_04 (
    ID            INTEGER PRIMARY KEY,
    FormID        INTEGER,
    DoeVeryYoung  TEXT,
    DoeYoung      TEXT,
    DoeOld        TEXT,
    DoeVeryOld    TEXT,
    DoeTotal      TEXT,
    DeerVeryYoung TEXT,
    DeerYoung     TEXT,
    DeerOld       TEXT,
    DeerMature    TEXT,
    DeerVeryOld   TEXT,
    DeerTotal     TEXT,
    Notes         TEXT
);
CREATE INDEX ix_tDeer_04_FormID ON tDeer_04 (FormID);

------------------------------------------------------------------------------------------
-- Species pages: chamois
------------------------------------------------------------------------------------------

CREATE TABLE tGoat_01 (
    ID          INTEGER PRIMARY KEY,
    FormID      INTEGER,
    YoungMale   TEXT,
    OldMale     TEXT,
    YoungFemale TEXT,
    OldFemale   TEXT,
    Baby        TEXT,
    OldBaby     TEXT,
    Total       TEXT,
    Notes       TEXT
);
CREATE INDEX ix_tGoat_01_FormID ON tGoat_01 (FormID);

CREATE TABLE tGoat_02 (
    ID       INTEGER PRIMARY KEY,
    FormID   INTEGER,
    AreaType INTEGER                -- 0 forest, 1 high mountain
);
CREATE INDEX ix_tGoat_02_FormID ON tGoat_02 (FormID);

CREATE TABLE tGoat_02_Trails (
    ID          INTEGER PRIMARY KEY,
    tGoat_02_id INTEGER,
    Length      TEXT,
    Width       TEXT
);
CREATE INDEX ix_tGoat_02_Trails_parent ON tGoat_02_Trails (tGoat_02_id);

CREATE TABLE tGoat_03_Couches (
    ID           INTEGER PRIMARY KEY,
    FormID       INTEGER,
    AreaType     INTEGER,
    CountCouches TEXT
);
CREATE INDEX ix_tGoat_03_Couches_FormID ON tGoat_03_Couches (FormID);

CREATE TABLE tGoat_04_Shits (
    ID         INTEGER PRIMARY KEY,
    FormID     INTEGER,
    AreaType   INTEGER,
    CountShits TEXT
);
CREATE INDEX ix_tGoat_04_Shits_FormID ON tGoat_04_Shits (FormID);

CREATE TABLE tGoat_05_OtherSigns (
    ID           INTEGER PRIMARY KEY,
    FormID       INTEGER,
    AreaType     INTEGER,
    CheckFur     INTEGER,
    CheckGrass   INTEGER,
    CheckRemains INTEGER,
    CheckSigns   INTEGER
);
CREATE INDEX ix_tGoat_05_OtherSigns_FormID ON tGoat_05_OtherSigns (FormID);

------------------------------------------------------------------------------------------
-- Species pages: wolf
------------------------------------------------------------------------------------------

CREATE TABLE tWolf_01_Pack (
    ID        INTEGER PRIMARY KEY,
    FormID    INTEGER,
    Notes     TEXT,
    WolfCount TEXT
);
CREATE INDEX ix_tWolf_01_Pack_FormID ON tWolf_01_Pack (FormID);

CREATE TABLE tWolf_02_Couple (
    ID     INTEGER PRIMARY KEY,
    FormID INTEGER,
    Notes  TEXT
);
CREATE INDEX ix_tWolf_02_Couple_FormID ON tWolf_02_Couple (FormID);

CREATE TABLE tWolf_03_Lair (
    ID        INTEGER PRIMARY KEY,
    FormID    INTEGER,
    IsHabited INTEGER,              -- 0 yes, 1 no
    Notes     TEXT
);
CREATE INDEX ix_tWolf_03_Lair_FormID ON tWolf_03_Lair (FormID);

CREATE TABLE tWolf_04_Babies (
    ID            INTEGER PRIMARY KEY,
    FormID        INTEGER,
    BabyWolfCount TEXT,
    Notes         TEXT
);
CREATE INDEX ix_tWolf_04_Babies_FormID ON tWolf_04_Babies (FormID);

CREATE TABLE tWolf_05_Howl (
    ID     INTEGER PRIMARY KEY,
    FormID INTEGER,
    Notes  TEXT
);
CREATE INDEX ix_tWolf_05_Howl_FormID ON tWolf_05_Howl (FormID);

-- Three rows per form (from, through, to), each with its point in Coordinates.
CREATE TABLE tWolf_06_Tracks (
    ID            INTEGER PRIMARY KEY,
    FormID        INTEGER,
    TrackType     INTEGER,          -- 0 from, 1 through, 2 to
    GPS_point_id  INTEGER,          -- Coordinates.ID
    DL_ID         INTEGER,
    DDS_ID        INTEGER,
    CityID        INTEGER,          -- EKNM_CITIES.ID
    ExposureID    INTEGER,
    PU_ID         INTEGER,          -- nPU.ID
    Altitude      TEXT,
    Department    TEXT,
    EKNM          TEXT,
    Lattitude     TEXT,             -- as shown on the page
    Longitude     TEXT,
    Place         TEXT,
    Subdepartment TEXT
);
CREATE INDEX ix_tWolf_06_Tracks_FormID ON tWolf_06_Tracks (FormID);

CREATE TABLE tWolf_07 (
    ID                        INTEGER PRIMARY KEY,
    FormID                    INTEGER,
    CheckWolfPreyAnketi       INTEGER,
    CheckWolfPreyObservations INTEGER
);
CREATE INDEX ix_tWolf_07_FormID ON tWolf_07 (FormID);

CREATE TABLE tWolf_07_PreyAnketi (
    ID          INTEGER PRIMARY KEY,
    tWolf_07_ID INTEGER,
    SpeciesID   INTEGER,            -- sAllSpecies.ID
    Count       TEXT
);
CREATE INDEX ix_tWolf_07_PreyAnketi_parent ON tWolf_07_PreyAnketi (tWolf_07_ID);

CREATE TABLE tWolf_07_PreyObservations (
    ID          INTEGER PRIMARY KEY,
    tWolf_07_ID INTEGER,
    SpeciesID   INTEGER,            -- sAllSpecies.ID
    MaleCount   TEXT,
    FemaleCount TEXT,
    Description TEXT
);
CREATE INDEX ix_tWolf_07_PreyObservations_parent ON tWolf_07_PreyObservations (tWolf_07_ID);

CREATE TABLE tWolf_08_Hybrids (
    ID               INTEGER PRIMARY KEY,
    FormID           INTEGER,
    CheckWolfHybrids INTEGER,
    Notes            TEXT
);
CREATE INDEX ix_tWolf_08_Hybrids_FormID ON tWolf_08_Hybrids (FormID);

CREATE TABLE tWolf_09_RambleDogs (
    ID              INTEGER PRIMARY KEY,
    FormID          INTEGER,
    CheckRambleDogs INTEGER,
    Notes           TEXT
);
CREATE INDEX ix_tWolf_09_RambleDogs_FormID ON tWolf_09_RambleDogs (FormID);

-- Parent of the killed wolves only.
CREATE TABLE tWolf_10 (
    ID     INTEGER PRIMARY KEY,
    FormID INTEGER
);
CREATE INDEX ix_tWolf_10_FormID ON tWolf_10 (FormID);

CREATE TABLE tWolf_10_Killed (
    ID                   INTEGER PRIMARY KEY,
    tWolf_10_ID          INTEGER,
    Sex                  INTEGER,   -- 0 male, 1 female
    Age                  TEXT,
    Color                TEXT,
    Weight               TEXT,
    ExistsFingerFrontLeg INTEGER,   -- 0 yes, 1 no
    ExistsFingerBackLeg  INTEGER
);
CREATE INDEX ix_tWolf_10_Killed_parent ON tWolf_10_Killed (tWolf_10_ID);

CREATE TABLE tWolf_11 (
    ID      INTEGER PRIMARY KEY,
    FormID  INTEGER,
    Habitat TEXT
);
CREATE INDEX ix_tWolf_11_FormID ON tWolf_11 (FormID);

CREATE TABLE tWolf_11_Trails (
    ID          INTEGER PRIMARY KEY,
    tWolf_11_ID INTEGER,
    FrontLen    TEXT,
    FrontWid    TEXT,
    BackLen     TEXT,
    BackWid     TEXT,
    StepLen     TEXT
);
CREATE INDEX ix_tWolf_11_Trails_parent ON tWolf_11_Trails (tWolf_11_ID);

CREATE TABLE tWolf_12 (
    ID      INTEGER PRIMARY KEY,
    FormID  INTEGER,
    Habitat TEXT
);
CREATE INDEX ix_tWolf_12_FormID ON tWolf_12 (FormID);

CREATE TABLE tWolf_12_Shits (
    ID            INTEGER PRIMARY KEY,
    tWolf_12_ID   INTEGER,
    Color         TEXT,
    Fur           TEXT,
    Len           TEXT,
    Wid           TEXT,
    BonesPresence INTEGER           -- 0 yes, 1 no
);
CREATE INDEX ix_tWolf_12_Shits_parent ON tWolf_12_Shits (tWolf_12_ID);

------------------------------------------------------------------------------------------
-- Users, sessions and observers
------------------------------------------------------------------------------------------

-- Password holds the 32 lowercase hex digits of the MD5 of the typed text.
CREATE TABLE Users (
    ID         INTEGER PRIMARY KEY,
    UserName   TEXT,
    Name       TEXT,
    SurName    TEXT,
    FamilyName TEXT,
    Password   TEXT
);
CREATE INDEX ix_Users_UserName ON Users (UserName);

-- One row per login. Date and time are filled by the database.
CREATE TABLE Sessions (
    ID         INTEGER PRIMARY KEY,
    UserID     INTEGER,
    RIOSW_ID   INTEGER,             -- nRIOSW_NP_PP.ID chosen at login
    ActionDate TEXT DEFAULT (date('now','localtime')),
    ActionTime TEXT DEFAULT (time('now','localtime'))
);
CREATE INDEX ix_Sessions_UserID ON Sessions (UserID);

-- Observers. EGN holds the e-mail address.
CREATE TABLE Person_Colaborator (
    ID           INTEGER PRIMARY KEY,
    FirstName    TEXT,
    MidName      TEXT,
    LastName     TEXT,
    EGN          TEXT,
    Organization TEXT,
    Position     TEXT
);

------------------------------------------------------------------------------------------
-- Sites
------------------------------------------------------------------------------------------

-- Observation sites, created when a form with a new site is saved.
CREATE TABLE nSites (
    ID             INTEGER PRIMARY KEY,
    SiteName       TEXT,
    RIOSW_NP_PP_ID INTEGER          -- the inspectorate that created it
);

CREATE TABLE rSite__RIOSW_NP_PP (
    ID       INTEGER PRIMARY KEY,
    site_id  INTEGER,
    riosw_id INTEGER
);
CREATE INDEX ix_rSite__RIOSW_NP_PP_riosw ON rSite__RIOSW_NP_PP (riosw_id, site_id);

-- species_id is the combined species id of the form.
CREATE TABLE rSpecies__Sites (
    ID         INTEGER PRIMARY KEY,
    site_id    INTEGER,
    species_id INTEGER
);
CREATE INDEX ix_rSpecies__Sites_site ON rSpecies__Sites (site_id, species_id);

------------------------------------------------------------------------------------------
-- Form types and their steps
------------------------------------------------------------------------------------------

-- Form types 1..47.
CREATE TABLE FormNames (
    ID      INTEGER PRIMARY KEY,
    Name    TEXT,
    form_id INTEGER
);

-- The pages a step can show.
CREATE TABLE FormViews (
    ID   INTEGER PRIMARY KEY,
    Name TEXT
);

-- The steps of each form type in SequenceNum order. ItemDataValue is the step code,
-- Caption the text of the step in the tree and the page header.
CREATE TABLE FormBuilder (
    ID            INTEGER PRIMARY KEY,
    FormTypeId    INTEGER,          -- FormNames.ID
    FormViewID    INTEGER,          -- FormViews.ID
    SequenceNum   INTEGER,
    Caption       TEXT,
    ItemDataName  TEXT,
    ItemDataValue INTEGER
);
CREATE INDEX ix_FormBuilder_FormTypeId ON FormBuilder (FormTypeId, SequenceNum);

-- The form types offered for a node of the species tree (SpeciesID at its own level).
CREATE TABLE SpeciesFormsRel (
    ID          INTEGER PRIMARY KEY,
    SpeciesID   INTEGER,
    SpeciesType INTEGER,            -- 1 species, 2 subgroup, 3 group, 4 supergroup
    FormNameID  INTEGER,            -- FormNames.ID
    SequenceNum INTEGER
);
CREATE INDEX ix_SpeciesFormsRel_species ON SpeciesFormsRel (SpeciesID, SpeciesType);

-- The older form chooser.
CREATE TABLE old_SpeciesType (
    id   INTEGER PRIMARY KEY,
    Name TEXT
);

CREATE TABLE old_Form (
    ID        INTEGER PRIMARY KEY,
    SpeciesID INTEGER,
    Name      TEXT
);
CREATE INDEX ix_old_Form_SpeciesID ON old_Form (SpeciesID);

------------------------------------------------------------------------------------------
-- Species tree: supergroup, group, subgroup, species
------------------------------------------------------------------------------------------

CREATE TABLE sSuperGroups (
    ID       INTEGER PRIMARY KEY,
    Name_lat TEXT,
    Name_bg  TEXT
);

CREATE TABLE sGroups (
    ID           INTEGER PRIMARY KEY,
    Name_lat     TEXT,
    Name_bg      TEXT,
    SuperGroupID INTEGER
);
CREATE INDEX ix_sGroups_SuperGroupID ON sGroups (SuperGroupID);

CREATE TABLE sSubGroups (
    ID       INTEGER PRIMARY KEY,
    Name_lat TEXT,
    Name_bg  TEXT,
    GroupID  INTEGER
);
CREATE INDEX ix_sSubGroups_GroupID ON sSubGroups (GroupID);

-- SubGroupID is NULL for a species placed directly under its group.
CREATE TABLE sAllSpecies (
    ID           INTEGER PRIMARY KEY,
    Name_lat     TEXT,
    Name_bg      TEXT,
    SuperGroupID INTEGER,
    groupID      INTEGER,
    SubGroupID   INTEGER,
    species_code TEXT
);
CREATE INDEX ix_sAllSpecies_groupID ON sAllSpecies (groupID);
CREATE INDEX ix_sAllSpecies_SubGroupID ON sAllSpecies (SubGroupID);

------------------------------------------------------------------------------------------
-- Nomenclatures: organisation and administrative units
------------------------------------------------------------------------------------------

-- Inspectorates, national parks and nature parks: chosen at login.
CREATE TABLE nRIOSW_NP_PP (
    ID   INTEGER PRIMARY KEY,
    Name TEXT
);

-- Inspectorates as listed on the place page.
CREATE TABLE nRIOSW (
    ID   INTEGER PRIMARY KEY,
    Name TEXT
);

CREATE TABLE EKNM_PROVINCE (
    ID        INTEGER PRIMARY KEY,
    EKNM      TEXT,
    EKNM_NAME TEXT
);

CREATE TABLE EKNM_MUNICIPALITY (
    ID        INTEGER PRIMARY KEY,
    Province  INTEGER,              -- EKNM_PROVINCE.ID
    EKNM      TEXT,
    EKNM_NAME TEXT
);
CREATE INDEX ix_EKNM_MUNICIPALITY_Province ON EKNM_MUNICIPALITY (Province);

-- Settlements. EKNM is the five-digit EKATTE code.
CREATE TABLE EKNM_CITIES (
    ID           INTEGER PRIMARY KEY,
    EKNM         TEXT,
    EKNM_NAME    TEXT,
    Province     INTEGER,           -- EKNM_PROVINCE.ID
    Municipality INTEGER            -- EKNM_MUNICIPALITY.ID
);
CREATE INDEX ix_EKNM_CITIES_Municipality ON EKNM_CITIES (Municipality);

-- The municipalities of each inspectorate or park.
CREATE TABLE rMun____RIOSW_NP_PP (
    ID             INTEGER PRIMARY KEY,
    mun_id         INTEGER,
    riosw_np_pp_id INTEGER
);
CREATE INDEX ix_rMun____RIOSW_NP_PP_riosw ON rMun____RIOSW_NP_PP (riosw_np_pp_id, mun_id);

-- Name starts with the NUTS code and a blank.
CREATE TABLE nNUTS (
    ID   INTEGER PRIMARY KEY,
    Name TEXT
);

CREATE TABLE rNuts__RIOSW_NP_PP (
    ID             INTEGER PRIMARY KEY,
    nuts_codeID    INTEGER,
    RIOSW_NP_PP_id INTEGER
);
CREATE INDEX ix_rNuts__RIOSW_NP_PP_riosw ON rNuts__RIOSW_NP_PP (RIOSW_NP_PP_id);

-- Regional forestry directorates.
CREATE TABLE nRUG (
    ID   INTEGER PRIMARY KEY,
    Name TEXT
);

CREATE TABLE rRUG__RIOSW_NP_PP (
    ID             INTEGER PRIMARY KEY,
    rug_id         INTEGER,
    RIOSW_NP_PP_id INTEGER
);
CREATE INDEX ix_rRUG__RIOSW_NP_PP_riosw ON rRUG__RIOSW_NP_PP (RIOSW_NP_PP_id);

-- State forestries.
CREATE TABLE nDL (
    ID   INTEGER PRIMARY KEY,
    Name TEXT
);

CREATE TABLE rDL__RIOSW_NP_PP (
    ID             INTEGER PRIMARY KEY,
    dlID           INTEGER,
    RIOSW_NP_PP_id INTEGER
);
CREATE INDEX ix_rDL__RIOSW_NP_PP_riosw ON rDL__RIOSW_NP_PP (RIOSW_NP_PP_id);

-- State hunting grounds.
CREATE TABLE nDDS (
    ID   INTEGER PRIMARY KEY,
    Name TEXT
);

CREATE TABLE rDDS__RIOSW_NP_PP (
    ID             INTEGER PRIMARY KEY,
    ddsID          INTEGER,
    RIOSW_NP_PP_id INTEGER
);
CREATE INDEX ix_rDDS__RIOSW_NP_PP_riosw ON rDDS__RIOSW_NP_PP (RIOSW_NP_PP_id);

-- Underground habitat types of the bat caves page. ID 4 asks for a description.
CREATE TABLE nDynamicComboData (
    ID   INTEGER PRIMARY KEY,
    Name TEXT
);

------------------------------------------------------------------------------------------
-- Nomenclatures: protected areas, each with the inspectorates it belongs to
------------------------------------------------------------------------------------------

-- National parks.
CREATE TABLE nNP (
    ID   INTEGER PRIMARY KEY,
    Name TEXT
);

CREATE TABLE rNP__RIOSW_NP_PP (
    ID             INTEGER PRIMARY KEY,
    NP_id          INTEGER,
    RIOSW_NP_PP_id INTEGER
);
CREATE INDEX ix_rNP__RIOSW_NP_PP_riosw ON rNP__RIOSW_NP_PP (RIOSW_NP_PP_id);

-- Park sections, by national park.
CREATE TABLE nPU (
    ID    INTEGER PRIMARY KEY,
    Name  TEXT,
    NP_ID INTEGER                   -- nNP.ID
);
CREATE INDEX ix_nPU_NP_ID ON nPU (NP_ID);

-- Nature parks.
CREATE TABLE nPP (
    ID   INTEGER PRIMARY KEY,
    Name TEXT
);

CREATE TABLE rPP__RIOSW_NP_PP (
    ID             INTEGER PRIMARY KEY,
    PP_id          INTEGER,
    RIOSW_NP_PP_id INTEGER
);
CREATE INDEX ix_rPP__RIOSW_NP_PP_riosw ON rPP__RIOSW_NP_PP (RIOSW_NP_PP_id);

-- Reserves.
CREATE TABLE nReserve (
    ID   INTEGER PRIMARY KEY,
    Name TEXT
);

CREATE TABLE rRV__RIOSW_NP_PP (
    ID             INTEGER PRIMARY KEY,
    RV_ID          INTEGER,
    RIOSW_NP_PP_id INTEGER
);
CREATE INDEX ix_rRV__RIOSW_NP_PP_riosw ON rRV__RIOSW_NP_PP (RIOSW_NP_PP_id);

-- Managed reserves.
CREATE TABLE nPR (
    ID   INTEGER PRIMARY KEY,
    Name TEXT
);

CREATE TABLE rPR__RIOSW_NP_PP (
    ID             INTEGER PRIMARY KEY,
    PR_ID          INTEGER,
    RIOSW_NP_PP_id INTEGER
);
CREATE INDEX ix_rPR__RIOSW_NP_PP_riosw ON rPR__RIOSW_NP_PP (RIOSW_NP_PP_id);

-- Natural landmarks (природни забележителности).
CREATE TABLE nPZ (
    ID   INTEGER PRIMARY KEY,
    Name TEXT
);

CREATE TABLE rPZ__RIOSW_NP_PP (
    ID             INTEGER PRIMARY KEY,
    PZ_ID          INTEGER,
    RIOSW_NP_PP_id INTEGER
);
CREATE INDEX ix_rPZ__RIOSW_NP_PP_riosw ON rPZ__RIOSW_NP_PP (RIOSW_NP_PP_id);

-- Protected sites (защитени местности).
CREATE TABLE nZM (
    ID   INTEGER PRIMARY KEY,
    Name TEXT
);

CREATE TABLE rZM__RIOSW_NP_PP (
    ID             INTEGER PRIMARY KEY,
    ZM_ID          INTEGER,
    RIOSW_NP_PP_id INTEGER
);
CREATE INDEX ix_rZM__RIOSW_NP_PP_riosw ON rZM__RIOSW_NP_PP (RIOSW_NP_PP_id);

CREATE TABLE nSiteCorine (
    ID   INTEGER PRIMARY KEY,
    Name TEXT
);

CREATE TABLE rSiteCorine__Riosw_NP_PP (
    ID             INTEGER PRIMARY KEY,
    corine_id      INTEGER,
    RIOSW_NP_PP_id INTEGER
);
CREATE INDEX ix_rSiteCorine__Riosw_NP_PP_riosw ON rSiteCorine__Riosw_NP_PP (RIOSW_NP_PP_id);

-- Important bird areas.
CREATE TABLE nSiteOVM (
    ID   INTEGER PRIMARY KEY,
    Name TEXT
);

CREATE TABLE rSiteOVM__RIOSW_NP_PP (
    ID             INTEGER PRIMARY KEY,
    ovm_id         INTEGER,
    RIOSW_NP_PP_id INTEGER
);
CREATE INDEX ix_rSiteOVM__RIOSW_NP_PP_riosw ON rSiteOVM__RIOSW_NP_PP (RIOSW_NP_PP_id);

CREATE TABLE nSiteNatura2000 (
    ID   INTEGER PRIMARY KEY,
    Name TEXT
);

CREATE TABLE rSiteNatura2000__RIOSW_NP_PP (
    ID             INTEGER PRIMARY KEY,
    natura2000_id  INTEGER,
    RIOSW_NP_PP_id INTEGER
);
CREATE INDEX ix_rSiteNatura2000__RIOSW_NP_PP_riosw ON rSiteNatura2000__RIOSW_NP_PP (RIOSW_NP_PP_id);

CREATE TABLE nSiteRamsar (
    ID   INTEGER PRIMARY KEY,
    Name TEXT
);

CREATE TABLE rSiteRamsar__RIOSW_NP_PP (
    ID             INTEGER PRIMARY KEY,
    ramsar_id      INTEGER,
    RIOSW_NP_PP_id INTEGER
);
CREATE INDEX ix_rSiteRamsar__RIOSW_NP_PP_riosw ON rSiteRamsar__RIOSW_NP_PP (RIOSW_NP_PP_id);

------------------------------------------------------------------------------------------
-- Nomenclatures of the common pages
------------------------------------------------------------------------------------------

-- Threat classification. Code is dotted ("1.", "1.1.") and its dots give the level.
-- Rows are kept depth-first, each after its parent.
CREATE TABLE nThreats (
    ID   INTEGER PRIMARY KEY,
    Code TEXT,
    Name TEXT
);

-- Ground surface.
CREATE TABLE nTortoiseGround (
    ID   INTEGER PRIMARY KEY,
    Name TEXT
);

-- Slope exposure.
CREATE TABLE nMossExposure (
    ID   INTEGER PRIMARY KEY,
    Name TEXT
);

------------------------------------------------------------------------------------------
-- Nomenclatures: species lists of the families
------------------------------------------------------------------------------------------

CREATE TABLE _AllBats (
    ID       INTEGER PRIMARY KEY,
    Name_lat TEXT
);

-- Target species of the caves pages. The id is the line of the species on the cave report.
CREATE TABLE _BatsInCaves (
    ID       INTEGER PRIMARY KEY,
    Name_lat TEXT
);

-- Target species of the wetland pages. The id is the line of the species on the report.
CREATE TABLE _BatsInWetlands (
    ID       INTEGER PRIMARY KEY,
    Name_lat TEXT
);

CREATE TABLE _BatsInHouses (
    ID   INTEGER PRIMARY KEY,
    Name TEXT
);

CREATE TABLE _AllAmphibia (
    ID       INTEGER PRIMARY KEY,
    Name_lat TEXT
);

CREATE TABLE _AllReptiles (
    ID       INTEGER PRIMARY KEY,
    Name_lat TEXT,
    Name_bg  TEXT
);

CREATE TABLE _AllFungi (
    ID   INTEGER PRIMARY KEY,
    Name TEXT
);

CREATE TABLE _AllMosses (
    ID   INTEGER PRIMARY KEY,
    Name TEXT
);

CREATE TABLE _AllTreesMoss (
    ID       INTEGER PRIMARY KEY,
    Name_lat TEXT,
    Name_bg  TEXT
);

CREATE TABLE _AllGrassBushMoss (
    ID       INTEGER PRIMARY KEY,
    Name_lat TEXT,
    Name_bg  TEXT
);

------------------------------------------------------------------------------------------
-- Nomenclatures of the families
------------------------------------------------------------------------------------------

-- Bat house conditions, ids 1..3.
CREATE TABLE nBatHousesCondition (
    ID   INTEGER PRIMARY KEY,
    Name TEXT
);

-- Tortoise species.
CREATE TABLE nTortoise (
    ID   INTEGER PRIMARY KEY,
    Name TEXT
);

-- Hamster segment codes: row k holds code k of each of the seven kinds (NULL where a kind
-- has fewer codes). Ids are the single code digits 1..9.
CREATE TABLE nHamsterHabitatCodes (
    ID          INTEGER PRIMARY KEY,
    WaterTank   TEXT,
    Road        TEXT,
    Overgrowing TEXT,
    Habitat     TEXT,
    GrassHigh   TEXT,
    GrassType   TEXT,
    Buildings   TEXT
);

CREATE TABLE Floristic_regions (
    ID   INTEGER PRIMARY KEY,
    Name TEXT
);

CREATE TABLE nUTM_Fungus (
    ID   INTEGER PRIMARY KEY,
    Name TEXT
);

CREATE TABLE nMossYesNo (
    ID   INTEGER PRIMARY KEY,
    Name TEXT
);

-- Plant community types.
CREATE TABLE nMossHommies (
    ID   INTEGER PRIMARY KEY,
    Name TEXT
);

-- combo1 = 1: offered as grass cover, combo2 = 1: offered as sunshine.
CREATE TABLE nMossTurfSituation (
    ID     INTEGER PRIMARY KEY,
    Name   TEXT,
    combo1 INTEGER,
    combo2 INTEGER
);

-- Moss2 = 1: offered on the tuft location page.
CREATE TABLE nMossTurf (
    ID    INTEGER PRIMARY KEY,
    Name  TEXT,
    Moss2 INTEGER
);

-- Rock heights, ids 1..4.
CREATE TABLE nMossRockHight (
    ID   INTEGER PRIMARY KEY,
    Name TEXT
);

-- Rock surfaces, ids 1 and 2.
CREATE TABLE nMossRockSurface (
    ID   INTEGER PRIMARY KEY,
    Name TEXT
);

CREATE TABLE nMossRockSunshine (
    ID   INTEGER PRIMARY KEY,
    Name TEXT
);

-- Positions of a tuft on the rock.
CREATE TABLE nMossRockSituation (
    ID   INTEGER PRIMARY KEY,
    Name TEXT
);

CREATE TABLE nMossSoil (
    ID   INTEGER PRIMARY KEY,
    Name TEXT
);

CREATE TABLE nMossErosive (
    ID   INTEGER PRIMARY KEY,
    Name TEXT
);
