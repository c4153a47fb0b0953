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

// The blocks of the pages 08 to 19 join these lists at the places marked.
void FillMoss2(CReportParameters& report, int, int) {
    FillMossReport(report, MossNotePlace::AfterPhotoMap, {/* 08, 09 */ FillMossHabitat05});
}

void FillMoss3(CReportParameters& report, int, int) {
    FillMossReport(report, MossNotePlace::AfterPhotoMap, {FillMossHabitat02Trees, /* 16, 14 */ FillMossHabitat05});
}

void FillMoss4(CReportParameters& report, int, int) {
    FillMossReport(report, MossNotePlace::BeforePhotoMap, {/* 08, 17 */ FillMossHabitat05});
}

void FillMoss5(CReportParameters& report, int, int) {
    FillMossReport(report, MossNotePlace::BeforePhotoMap, {/* 18 */ FillMossHabitat02, /* 19 */ FillMossHabitat05});
}

void FillMoss6(CReportParameters& report, int, int) {
    FillMossReport(report, MossNotePlace::BeforePhotoMap, {FillMossHabitat02Trees, /* 10, 11, 14 */ FillMossHabitat05});
}

void FillMoss7(CReportParameters& report, int, int) {
    FillMossReport(report, MossNotePlace::BeforePhotoMap,
                   {/* 12 */ FillMossHabitat02, /* 13, 14 areas */ FillMossHabitat05});
}

void FillMoss8(CReportParameters& report, int, int) {
    FillMossReport(report, MossNotePlace::BeforePhotoMap, {FillMossHabitat02, /* 15 */ FillMossHabitat05});
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
