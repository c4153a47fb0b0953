#include "reports/BatReports.h"

#include <algorithm>

#include "reports/ReportParameters.h"
#include "store/FormDocument.h"

namespace {

constexpr int kCaveThreatRows = 5;
constexpr int kWetlandThreatRows = 5;
constexpr int kForestThreatRows = 1;
constexpr int kForestCompanionRows = 10;
constexpr int kHouseConditions = 3;  // the report has a column for each of the ids 1 to 3

CString Numbered(const char* format, int number) {
    CString name;
    name.Format(format, number);
    return name;
}

CString Numbered(const char* format, int first, int second) {
    CString name;
    name.Format(format, first, second);
    return name;
}

// Air temperature, place, weather where the report prints it, the coordinates (given twice,
// around the altitude, as the report files expect), regions, protected areas and team.
void FillSurroundings(CReportParameters& report, bool withWeather) {
    const CTovan_splitDoc& doc = report.Document();
    report.SetParam("PARAM_TEMPERATURE_AIR", doc.CommonData_02.TemperatureAir);
    report.FillAdminLocation();
    if (withWeather) report.FillWeather();
    report.FillCoordinates();
    report.SetParam("PARAM_ATTITUDE", doc.CommonData_04.Altitude);
    report.FillCoordinates();
    report.FillBioRegions();
    report.FillProtectedAreas();
    report.FillTeam();
}

template <size_t Methods>
void FillMethods(CReportParameters& report, const std::array<BYTE, Methods>& flags) {
    for (size_t k = 1; k <= Methods; ++k)
        report.SetCheckParam(Numbered("PARAM_METHOD_%d", static_cast<int>(k)), static_cast<signed char>(flags[k - 1]));
}

// The report has a fixed line per species of the page's list: rows go by species id.
void FillTargetSpecies(CReportParameters& report, const CArray<CBat04Row>& rows) {
    for (const CBat04Row& row : rows) {
        report.SetParam(Numbered("PARAM_METHOD_SPACIES_%d", row.SpeciesID), row.Methods);
        report.SetIntParam(Numbered("PARAM_COUNT_SPACIES_%d", row.SpeciesID), row.Count);
    }
}

template <class Row>
void FillCompanions(CReportParameters& report, const CArray<Row>& rows, int maxRows) {
    const int count = std::min(rows.GetSize(), maxRows);
    for (int i = 1; i <= count; ++i) {
        const Row& row = rows[i - 1];
        report.SetParam(Numbered("PARAM_ACCOMPANY_%d", i), row.SpeciesName);
        report.SetParam(Numbered("PARAM_METHOD_ACCOMPANY_%d", i), row.Methods);
        report.SetIntParam(Numbered("PARAM_COUNT_ACCOMPANY_%d", i), row.Count);
    }
}

// The species found in a cave or at a wetland: the methods used, the target species, the others.
template <size_t Methods>
void FillSpeciesFound(CReportParameters& report, const std::array<BYTE, Methods>& methods, const CArray<CBat04Row>& targets,
                      const CArray<CBat04Row>& others) {
    FillMethods(report, methods);
    FillTargetSpecies(report, targets);
    FillCompanions(report, others, others.GetSize());
}

// Notes and changes, then the threats and the photo and map signs.
void FillClosing(CReportParameters& report, const CString& notes, const CString& changes, int threatRows) {
    report.SetParam("PARAM_NOTE", notes);
    report.SetParam("PARAM_HABITAT_CHANGE", changes);
    report.FillThreats(threatRows);
    report.FillPhotoMap();
}

// A count the page left unset (an unticked or uncounted species) prints empty, not "-1".
void SetCountParam(CReportParameters& report, const char* name, int count) {
    if (count < 0)
        report.SetParam(name, "");
    else
        report.SetIntParam(name, count);
}

}  // namespace

void FillBatCave(CReportParameters& report, int, int) {
    const CTovan_splitDoc& doc = report.Document();
    const CCommonData_01& place = doc.CommonData_01;
    report.FillSiteHeader();
    CString habitat = place.DynamicIntComboContentName;
    if (!place.DynamicStrContent2.IsEmpty()) habitat += " - " + place.DynamicStrContent2;
    report.SetParam("PARAM_UNDERGROUND HABITAT", habitat);
    FillSurroundings(report, false);

    const CSpecData_Bat_04_Caves& targets = doc.SpecData_Bat_04_Caves;
    const CSpecData_Bat_05_Caves& others = doc.SpecData_Bat_05_Caves;
    FillSpeciesFound(report, targets.Methods, targets.Species, others.Species);
    report.SetParam("PARAM_STOCK", others.ColonyLocation);
    FillClosing(report, others.Notes, others.Changes, kCaveThreatRows);
}

void FillBatMoist(CReportParameters& report, int, int) {
    const CTovan_splitDoc& doc = report.Document();
    report.FillSiteHeader();
    FillSurroundings(report, true);

    const CSpecData_Bat_06_WetLand& targets = doc.SpecData_Bat_06_WetLand;
    const CSpecData_Bat_07_WetLand& others = doc.SpecData_Bat_07_WetLand;
    FillSpeciesFound(report, targets.Methods, targets.Species, others.Species);
    FillClosing(report, others.Notes, others.Changes, kWetlandThreatRows);
}

void FillBatWood(CReportParameters& report, int, int) {
    const CTovan_splitDoc& doc = report.Document();
    report.FillSiteHeader();
    FillSurroundings(report, false);

    const CSpecData_Bat_01_Forest& targets = doc.SpecData_Bat_01_Forest;
    const CSpecData_Bat_02_Forest& others = doc.SpecData_Bat_02_Forest;
    FillMethods(report, targets.PageMethods);
    report.SetParam("PARAM_METHOD_SPACIES_1", targets.Bat1Method);
    SetCountParam(report, "PARAM_COUNT_SPACIES_1", targets.Bat1Count);
    report.SetParam("PARAM_METHOD_SPACIES_2", targets.Bat2Method);
    SetCountParam(report, "PARAM_COUNT_SPACIES_2", targets.Bat2Count);
    FillCompanions(report, others.ExtraBats, kForestCompanionRows);
    report.SetParam("PARAM_FORM_NUM", others.BlankNum);
    FillClosing(report, others.Notes, others.Changes, kForestThreatRows);
}

void FillBatLodge(CReportParameters& report, int, int) {
    const CTovan_splitDoc& doc = report.Document();
    report.FillSiteHeader();
    FillSurroundings(report, false);

    const CSpecData_Bat_03_Houses& houses = doc.SpecData_Bat_03_Houses;
    report.SetParam("PARAM_APPLICATION_NUM", houses.BatHousesFormNum);
    // One row per species of a house; a row number is left out after every house, so that
    // the houses stand apart on the sheet.
    int row = 1;
    for (const CBatHouse& house : houses.BatHouses) {
        for (const CBatHouseSpecies& species : house.Species) {
            report.SetParam(Numbered("PARAM_NUM_LODGE_%d", row), house.HouseNum);
            report.SetParam(Numbered("PARAM_SPACIES_%d", row), species.BatsInHouseName);
            report.SetParam(Numbered("PARAM_COUNT_SPACIES_%d", row), species.SpeciesCount);
            if (house.HouseConditionID >= 1 && house.HouseConditionID <= kHouseConditions)
                report.SetParam(Numbered("PARAM_STATUS_%d_%d", row, house.HouseConditionID), "+");
            ++row;
        }
        ++row;
    }
}
