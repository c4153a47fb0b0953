#include "reports/MossReports.h"

#include "reports/ReportParameters.h"
#include "store/FormDocument.h"

namespace {

constexpr int kThreatRows = 5;

void FillLatinNames(CReportParameters& report, const CArray<CMossSpeciesRow>& species, const char* format) {
    ForEachReportedRow(species, kMossRowLimit, [&](int row, const CMossSpeciesRow& one) {
        report.SetParam(CReportParameters::RowName(format, row), one.Name_lat);
    });
}

// "+" where a mark of the paper form is ticked, else nothing.
const char* Mark(bool ticked) { return ticked ? "+" : ""; }

// Where the rock outcrops of page 10 lie; an unanswered question prints nothing.
const char* RocksPlaceName(int index) { return index == 0 ? "в гора" : index == 1 ? "на открито" : ""; }

bool HasTurfLocation(const CArray<int>& ids, int id) {
    for (const int chosen : ids)
        if (chosen == id) return true;
    return false;
}

}  // namespace

void FillMossReport(CReportParameters& report, MossNotePlace notePlace, std::initializer_list<MossBlock> habitatBlocks) {
    report.FillCommonHeader();
    FillDistances(report);
    for (const MossBlock block : habitatBlocks) block(report);
    report.FillThreats(kThreatRows);
    const CString& note = report.Document().SpecData_Moss_06.NoteText;
    if (notePlace == MossNotePlace::BeforePhotoMap) report.SetParam("PARAM_NOTE", note);
    report.FillPhotoMap();
    if (notePlace == MossNotePlace::AfterPhotoMap) report.SetParam("PARAM_NOTE", note);
}

void FillMoss2(CReportParameters& report, int, int) {
    FillMossReport(report, MossNotePlace::AfterPhotoMap, {FillMossHabitat08, FillMossHabitat09, FillMossHabitat05});
}

void FillMoss3(CReportParameters& report, int, int) {
    FillMossReport(report, MossNotePlace::AfterPhotoMap,
                   {FillMossHabitat02Trees, FillMossHabitat16, FillMossHabitat14, FillMossHabitat05});
}

void FillMoss4(CReportParameters& report, int, int) {
    FillMossReport(report, MossNotePlace::BeforePhotoMap, {FillMossHabitat08, FillMossHabitat17, FillMossHabitat05});
}

void FillMoss5(CReportParameters& report, int, int) {
    FillMossReport(report, MossNotePlace::BeforePhotoMap,
                   {FillMossHabitat18, FillMossHabitat02, FillMossHabitat19, FillMossHabitat05});
}

void FillMoss6(CReportParameters& report, int, int) {
    FillMossReport(report, MossNotePlace::BeforePhotoMap,
                   {FillMossHabitat02Trees, FillMossHabitat10, FillMossHabitat11, FillMossHabitat14, FillMossHabitat05});
}

void FillMoss7(CReportParameters& report, int, int) {
    FillMossReport(report, MossNotePlace::BeforePhotoMap,
                   {FillMossHabitat12, FillMossHabitat02, FillMossHabitat13, FillMossHabitat14Areas, FillMossHabitat05});
}

void FillMoss8(CReportParameters& report, int, int) {
    FillMossReport(report, MossNotePlace::BeforePhotoMap, {FillMossHabitat02, FillMossHabitat15, FillMossHabitat05});
}

void FillMoss9(CReportParameters& report, int, int) {
    FillMossReport(report, MossNotePlace::BeforePhotoMap,
                   {FillMossHabitat02, FillMossHabitat03, FillMossHabitat07, FillMossHabitat05});
}

void FillMoss10(CReportParameters& report, int, int) {
    FillMossReport(report, MossNotePlace::BeforePhotoMap,
                   {FillMossHabitat02, FillMossHabitat03, FillMossHabitat04, FillMossHabitat05});
}

void FillDistances(CReportParameters& report) {
    const CSpecData_Moss_01& near = report.Document().SpecData_Moss_01;
    report.SetYesNoParam("PARAM_PATH_YN", near.bCheckTouristsPath);
    report.SetYesNoParam("PARAM_WROAD_YN", near.bCheckForestTrack);
    report.SetYesNoParam("PARAM_STREAM_YN", near.bCheckStreams);
    report.SetYesNoParam("PARAM_RIVER_YN", near.bCheckRivers);
    report.SetYesNoParam("PARAM_WORKABLE_YN", near.bCheckArableLand);
    report.SetYesNoParam("PARAM_POPULATED_YN", near.bCheckCities);
    report.SetYesNoParam("PARAM_BUILDING_YN", near.bCheckBuildings);
    report.SetYesNoParam("PARAM_ROAD_YN", near.bCheckRoads);
    report.SetParam("PARAM_PATH_DISTANCE", near.ToursitPathDist);
    report.SetParam("PARAM_WROAD_DISTANCE", near.ForestTrackDist);
    report.SetParam("PARAM_STREAM_DISTANCE", near.StreamsDist);
    report.SetParam("PARAM_RIVER_DISTANCE", near.RiverDist);
    report.SetParam("PARAM_WORKABLE_DISTANCE", near.ArableLandDist);
    report.SetParam("PARAM_POPULATED_DISTANCE", near.CitiesDist);
    report.SetParam("PARAM_BUILDING_DISTANCE", near.BuildingsDist);
    report.SetParam("PARAM_ROAD_DISTANCE", near.RoadsDist);
}

void FillMossHabitat02(CReportParameters& report) {
    FillMossHabitat02Trees(report);
    report.SetParam("PARAM_VEGETATION", report.Document().SpecData_Moss_02.HommiesTypeName);
}

void FillMossHabitat02Trees(CReportParameters& report) {
    FillLatinNames(report, report.Document().SpecData_Moss_02.Trees, "PARAM_TREE_%d");
}

void FillMossHabitat03(CReportParameters& report) {
    const CSpecData_Moss_03& habitat = report.Document().SpecData_Moss_03;
    FillLatinNames(report, habitat.GrassBush, "PARAM_BUSH_%d");
    report.SetParam("PARAM_BUSH", habitat.BushesPercent);
    report.SetParam("PARAM_GRASS", habitat.GrassPercent);
    report.SetParam("PARAM_TERRAIN", habitat.Tilt);
    report.SetParam("PARAM_EXPOSURE", habitat.ExposureIDName);
    report.SetParam("PARAM_ROCK", habitat.RocksExistsName);
}

void FillMossHabitat04(CReportParameters& report) {
    const CSpecData_Moss_04& tufts = report.Document().SpecData_Moss_04;
    report.SetParam("PARAM_LOCATION_1", tufts.GrassCoverIDName);
    report.SetParam("PARAM_LOCATION_2", tufts.SunshineIDName);
    ForEachReportedRow(tufts.Turfs, kAllMossRows, [&](int row, const CMoss04Row& tuft) {
        report.SetParam(CReportParameters::RowName("PARAM_AREA_%d", row), tuft.TurfArea);
    });
}

void FillMossHabitat05(CReportParameters& report) {
    const CSpecData_Moss_05& companions = report.Document().SpecData_Moss_05;
    ForEachReportedRow(companions.Attendants, kMossRowLimit, [&](int row, const CMoss05Row& companion) {
        report.SetParam(CReportParameters::RowName("PARAM_ACCOMPANY_NAME_%d", row), companion.Name);
    });
    report.SetParam("PARAM_ACCOMPANY_1", companions.PercentCoverage);
}

void FillMossHabitat07(CReportParameters& report) {
    const CSpecData_Moss_07& tufts = report.Document().SpecData_Moss_07;
    report.SetYesNoParam("PARAM_LOCATION_1", HasTurfLocation(tufts.TurfIDs, 1));
    report.SetYesNoParam("PARAM_LOCATION_2", HasTurfLocation(tufts.TurfIDs, 2));
    ForEachReportedRow(tufts.TurfProperties, kMossRowLimit, [&](int row, const CMoss04Row& tuft) {
        report.SetParam(CReportParameters::RowName("PARAM_AREA_%d", row), tuft.TurfArea);
        report.SetParam(CReportParameters::RowName("PARAM_SPORE_%d", row), tuft.SporeExistsName);
    });
}

void FillMossHabitat08(CReportParameters& report) {
    const CSpecData_Moss_08& forest = report.Document().SpecData_Moss_08;
    ForEachReportedRow(forest.Trees, kMossRowLimit, [&](int row, const CMossSpeciesRow& tree) {
        CString names;
        names.Format("%s  (%s)", tree.Name_lat.GetString(), tree.Name_bg.GetString());
        report.SetParam(CReportParameters::RowName("PARAM_TREE_%d", row), names);
    });
    report.SetParam("PARAM_TREE", forest.TreesSklop);
    report.SetParam("PARAM_BUSH", forest.BushesPercent);
    report.SetParam("PARAM_GRASS", forest.GrassPercent);
}

void FillMossHabitat09(CReportParameters& report) {
    const CSpecData_Moss_09& stumps = report.Document().SpecData_Moss_09;
    ForEachReportedRow(stumps.Stubs, kMossRowLimit, [&](int row, const CMoss09Row& stump) {
        report.SetParam(CReportParameters::RowName("PARAM_DIAMETER_%d", row), stump.Diameter);
        report.SetParam(CReportParameters::RowName("PARAM_LONG_%d", row), stump.Len);
        report.SetParam(CReportParameters::RowName("PARAM_SPORE_%d", row), stump.SporofitsCount);
        report.SetIntParam(CReportParameters::RowName("PARAM_DECOMP_%d", row), stump.RotScale + 1);  // degrees from 1
    });
    report.SetParam("PARAM_AREA", stumps.Area);
    report.SetParam("PARAM_COUNT_1", stumps.Cat1Count);
    report.SetParam("PARAM_COUNT_2", stumps.Cat2Count);
    report.SetParam("PARAM_COUNT_3", stumps.Cat3Count);
}

void FillMossHabitat10(CReportParameters& report) {
    const CSpecData_Moss_10& habitat = report.Document().SpecData_Moss_10;
    FillLatinNames(report, habitat.GrassBush, "PARAM_BUSH_%d");
    // The page hides its shrub cover; the form's shrub line prints the tree canopy.
    report.SetParam("PARAM_BUSH", habitat.TreePercent);
    report.SetParam("PARAM_GRASS", habitat.GrassPercent);
    report.SetParam("PARAM_TREE", RocksPlaceName(habitat.RocksExistance));
}

void FillMossHabitat11(CReportParameters& report) {
    const CSpecData_Moss_11& rocks = report.Document().SpecData_Moss_11;
    for (int height = 1; height <= 4; ++height)
        report.SetParam(CReportParameters::RowName("PARAM_ROCK_%d", height), Mark(rocks.HeightID == height));
    report.SetParam("PARAM_ROCK_5", Mark(rocks.SurfaceID == 1));
    report.SetParam("PARAM_ROCK_6", Mark(rocks.SurfaceID == 2));
    report.SetParam("PARAM_ROCK_7", rocks.HumusIDName);
    ForEachReportedRow(rocks.TurfSituations, kAllMossRows, [&](int row, const CMoss11Row& tuft) {
        report.SetParam(CReportParameters::RowName("PARAM_LOCATION_%d1", row), Mark(tuft.SituationID == 1));
        report.SetParam(CReportParameters::RowName("PARAM_LOCATION_%d2", row), Mark(tuft.SituationID == 2));
        report.SetParam(CReportParameters::RowName("PARAM_LOCATION_%d3", row), tuft.ExposureIDName);
        report.SetParam(CReportParameters::RowName("PARAM_LOCATION_%d4", row), tuft.SunshineIDName);
    });
}

void FillMossHabitat12(CReportParameters& report) {
    const CSpecData_Moss_12& bog = report.Document().SpecData_Moss_12;
    report.SetParam("PARAM_AREA", bog.TorfArea);
    report.SetParam("PARAM_TERRAIN", bog.Tilt);
    report.SetParam("PARAM_EXPOSURE", bog.ExposureIDName);
    report.SetParam("PARAM_RELIEF", bog.Relief);
    report.SetParam("PARAM_CANAL", bog.Chanel);
    report.SetParam("PARAM_WI_1", bog.PH);
    report.SetParam("PARAM_WI_2", bog.Nitrates);
    report.SetParam("PARAM_WI_3", bog.Nitrites);
    report.SetParam("PARAM_WI_4", bog.Phosphates);
    report.SetParam("PARAM_PUDDLE", bog.Depth);
}

void FillMossHabitat13(CReportParameters& report) {
    const CSpecData_Moss_13& bog = report.Document().SpecData_Moss_13;
    FillLatinNames(report, bog.GrassBush, "PARAM_BUSH_%d");
    report.SetYesNoParam("PARAM_TREE_12", bog.TreesExist);
    report.SetParam("PARAM_TREE_13", bog.TreesCount);
    report.SetParam("PARAM_PERCENTAGE_1", bog.ProcentArea);
}

void FillMossHabitat14Areas(CReportParameters& report) {
    ForEachReportedRow(report.Document().SpecData_Moss_14.Turfs, kAllMossRows, [&](int row, const CMoss04Row& tuft) {
        report.SetParam(CReportParameters::RowName("PARAM_AREA_%d", row), tuft.TurfArea);
    });
}

void FillMossHabitat14(CReportParameters& report) {
    ForEachReportedRow(report.Document().SpecData_Moss_14.Turfs, kMossRowLimit, [&](int row, const CMoss04Row& tuft) {
        report.SetParam(CReportParameters::RowName("PARAM_AREA_%d", row), tuft.TurfArea);
        report.SetParam(CReportParameters::RowName("PARAM_SPORE_%d", row), tuft.SporeExistsName);
    });
}

void FillMossHabitat15(CReportParameters& report) {
    const CSpecData_Moss_15& habitat = report.Document().SpecData_Moss_15;
    FillLatinNames(report, habitat.GrassBush, "PARAM_BUSH_%d");
    report.SetParam("PARAM_TREE", habitat.TreePercent);
    report.SetParam("PARAM_BUSH", habitat.BushesPercent);
    report.SetParam("PARAM_GRASS", habitat.GrassPercent);
    report.SetParam("PARAM_TERRAIN", habitat.Tilt);
    report.SetParam("PARAM_EXPOSURE", habitat.ExposureIDName);
    report.SetParam("PARAM_ROCK", habitat.RocksExistanceName);
    report.SetParam("PARAM_SOIL", habitat.SoilIDName);
    report.SetParam("PARAM_EROSION", habitat.ErosiveIDName);
    ForEachReportedRow(habitat.Arhegons, kMossRowLimit, [&](int row, const CMoss15Row& tuft) {
        report.SetParam(CReportParameters::RowName("PARAM_AREA_%d", row), tuft.TorfArea);
        report.SetParam(CReportParameters::RowName("PARAM_ARH_%d", row), tuft.ArhegonExistanceName);
    });
}

void FillMossHabitat16(CReportParameters& report) {
    const CSpecData_Moss_16& habitat = report.Document().SpecData_Moss_16;
    FillLatinNames(report, habitat.GrassBush, "PARAM_BUSH_%d");
    report.SetParam("PARAM_ROCK", habitat.RocksExistanceName);
    report.SetParam("PARAM_WATER", habitat.WaterBasinExistanceName);
}

void FillMossHabitat17(CReportParameters& report) {
    const CSpecData_Moss_17& hosts = report.Document().SpecData_Moss_17;
    ForEachReportedRow(hosts.Trees, kMossRowLimit, [&](int row, const CMoss17TreeRow& tree) {
        report.SetParam(CReportParameters::RowName("PARAM_NAME_1%d", row), tree.Name_bg);
        report.SetParam(CReportParameters::RowName("PARAM_NAME_2%d", row), tree.Name_lat);
        report.SetParam(CReportParameters::RowName("PARAM_HIGH_%d", row), tree.Height);
        report.SetParam(CReportParameters::RowName("PARAM_DIAMETER_%d", row), tree.Diameter);
    });
    report.SetParam("PARAM_AREA", hosts.Area);
    ForEachReportedRow(hosts.Colonies, kMossRowLimit, [&](int row, const CMoss17ColonyRow& colony) {
        report.SetParam(CReportParameters::RowName("PARAM_AREA_1%d", row), colony.AliveArea);
        report.SetParam(CReportParameters::RowName("PARAM_AREA_2%d", row), colony.DeadArea);
        report.SetParam(CReportParameters::RowName("PARAM_AREA_3%d", row), colony.Coverage);
        report.SetParam(CReportParameters::RowName("PARAM_AREA_4%d", row), colony.ExposureIDName);
        report.SetParam(CReportParameters::RowName("PARAM_AREA_5%d", row), colony.Height);
        report.SetParam(CReportParameters::RowName("PARAM_AREA_6%d", row), colony.AppropriateCount);
    });
}

void FillMossHabitat18(CReportParameters& report) {
    const CSpecData_Moss_18& bog = report.Document().SpecData_Moss_18;
    report.SetParam("PARAM_AREA", bog.TorfArea);
    report.SetParam("PARAM_TERRAIN", bog.Tilt);
    report.SetParam("PARAM_EXPOSURE", bog.ExposureIDName);
    report.SetParam("PARAM_WATER", bog.WaterBasinExisanceName);
    report.SetParam("PARAM_RELIEF", bog.Releif);
    report.SetParam("PARAM_CANAL", bog.Chanels);
    const CString* indicators[] = {&bog.PH,         &bog.Chloride, &bog.Nitrates, &bog.Sulfates,
                                   &bog.Nitrites,   &bog.Carbonates, &bog.Phosphates, &bog.Oxigen,
                                   &bog.WaterTemperature, &bog.Electric, &bog.Potential};
    int number = 0;
    for (const CString* indicator : indicators)
        report.SetParam(CReportParameters::RowName("PARAM_WI_%d", ++number), *indicator);
    // The water level is typed on the same page; printed after the indicators rather than lost.
    report.SetParam("PARAM_WATER_LEVEL", bog.WaterHigh);
}

void FillMossHabitat19(CReportParameters& report) {
    const CSpecData_Moss_19& bog = report.Document().SpecData_Moss_19;
    ForEachReportedRow(bog.GrassBush, kAllMossRows, [&](int row, const CMossSpeciesRow& one) {
        report.SetParam(CReportParameters::RowName("PARAM_BUSH_%d", row), one.Name_lat);
    });
    report.SetYesNoParam("PARAM_PTREE_Y_N", bog.CheckTrees);
    report.SetParam("PARAM_PTREE_PERCENTAGE", bog.TreesCount);
    report.SetParam("PARAM_PERCENTAGE_1", bog.ProcentAllArea);
    report.SetParam("PARAM_PERCENTAGE_2", bog.PercentSpeciesArea);
    report.SetParam("PARAM_SHAPE", bog.Releif);
    report.SetParam("PARAM_INCREASE", bog.AnnualGrowth);
}
