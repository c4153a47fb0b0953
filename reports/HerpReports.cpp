#include "reports/HerpReports.h"

#include <algorithm>

#include "reports/ReportParameters.h"
#include "store/FormDocument.h"

namespace {

constexpr int kThreatRows = 5;
constexpr int kCompanionRows = 10;
constexpr int kAnimalRows = 20;
constexpr int kPlot = 0;  // the place page's survey unit; any other choice is a transect
constexpr int kNoUnit = -1;

// Only the chosen unit gets "да"; with none chosen no unit is marked.
CString UnitMark(bool chosen) { return chosen ? CString("да") : CString(); }

// The amphibian report names only the unit chosen: two parameters.
void FillShortSurveyUnit(CReportParameters& report) {
    const CCommonData_01& place = report.Document().CommonData_01;
    if (place.DynamicIntRadio == kPlot) {
        report.SetParam("PARAM_FIELD_NUM", UnitMark(true));
        report.SetParam("PARAM_FIELD_AREA", place.DynamicStrArea1);
    } else {
        report.SetParam("PARAM_TRANSECT_NUM", UnitMark(place.DynamicIntRadio != kNoUnit));
        report.SetParam("PARAM_TRANSECT_AREA", place.DynamicStrArea2);
    }
}

// The reptile report always sends both units, the one not chosen empty.
void FillFullSurveyUnit(CReportParameters& report) {
    const CCommonData_01& place = report.Document().CommonData_01;
    const bool plot = place.DynamicIntRadio == kPlot;
    const bool transect = !plot && place.DynamicIntRadio != kNoUnit;
    report.SetParam("PARAM_FIELD_NUM", UnitMark(plot));
    report.SetParam("PARAM_FIELD_AREA", plot ? place.DynamicStrArea1 : CString());
    report.SetParam("PARAM_TRANSECT_NUM", UnitMark(transect));
    report.SetParam("PARAM_TRANSECT_AREA", plot ? CString() : place.DynamicStrArea2);
}

void FillTemperatures(CReportParameters& report) {
    const CCommonData_02& weather = report.Document().CommonData_02;
    report.SetParam("PARAM_TEMPERATURE_AIR", weather.TemperatureAir);
    report.SetParam("PARAM_TEMPERATURE_WATER", weather.TemperatureWater);
}

void FillAltitude(CReportParameters& report) { report.SetParam("PARAM_ATTITUDE", report.Document().CommonData_04.Altitude); }

// The counts of both first pages, in one order; the nests are the amphibians' clumps or
// eggs and the reptiles' clutches, and only amphibians have the calling-count figure.
template <class CountsPage>
void FillCounts(CReportParameters& report, const CountsPage& page, const CString& nests, const CString* singing) {
    report.SetParam("PARAM_HABITAT", page.AreaDescription);
    report.SetParam("PARAM_COUNT_ADULT", page.AdultCount);
    report.SetParam("PARAM_COUNT_SUBADULT", page.YoungCount);
    report.SetParam("PARAM_COUNT_JUVENIL", page.BabiesCount);
    report.SetParam("PARAM_COUNT_ALL", page.TotalCount);
    report.SetParam("PARAM_COUNT_NEST", nests);
    if (singing) report.SetParam("PARAM_SINGING", *singing);
    report.SetParam("PARAM_COUNT_KILLED", page.RoadkilledCount);
}

void FillCompanions(CReportParameters& report, const CArray<CSpeciesNameRow>& companions) {
    const int rows = std::min(companions.GetSize(), kCompanionRows);
    for (int row = 1; row <= rows; ++row)
        report.SetParam(CReportParameters::RowName("PARAM_ACCOMPANY_%d", row), companions[row - 1].SpeciesIDName);
}

void FillHabitatNotes(CReportParameters& report, const CSpecData_HabitatNotes& page) {
    report.SetParam("PARAM_HABITAT_CHANGE", page.HabitatChanges);
    report.SetParam("PARAM_NOTE", page.Notes);
}

void FillClosingBlocks(CReportParameters& report) {
    report.FillThreats(kThreatRows);
    report.FillPhotoMap();
}

}  // namespace

void FillAmphibians(CReportParameters& report, int, int) {
    const CTovan_splitDoc& doc = report.Document();
    report.FillSiteHeader();
    FillShortSurveyUnit(report);
    report.FillAdminLocation();
    report.FillCoordinates();
    FillAltitude(report);
    report.FillWeather();
    FillTemperatures(report);
    report.FillBioRegions();
    report.FillProtectedAreas();
    report.FillTeam();
    const CSpecData_Amphibia_01& page = doc.SpecData_Amphibia_01;
    FillCounts(report, page, page.EggsCount, &page.SingClassification);
    FillCompanions(report, page.HommieSpecies);
    FillHabitatNotes(report, doc.SpecData_Amphibia_02);
    FillClosingBlocks(report);
}

void FillReptile(CReportParameters& report, int, int) {
    const CTovan_splitDoc& doc = report.Document();
    report.FillSiteHeader();
    report.FillAdminLocation();
    FillTemperatures(report);
    report.FillCoordinates();
    FillFullSurveyUnit(report);
    FillAltitude(report);
    report.FillWeather();
    report.FillBioRegions();
    report.FillProtectedAreas();
    report.FillTeam();
    const CSpecData_Reptile_01& page = doc.SpecData_Reptile_01;
    FillCounts(report, page, page.NestsCount, nullptr);
    FillCompanions(report, page.HommieSpecies);
    FillHabitatNotes(report, doc.SpecData_Reptile_02);
    FillClosingBlocks(report);
}

void FillTortoise(CReportParameters& report, int, int) {
    const CTovan_splitDoc& doc = report.Document();
    report.FillSiteHeader();
    report.FillAdminLocation();
    report.FillWeather();
    report.SetParam("PARAM_TEMPERATURE_AIR", doc.CommonData_02.TemperatureAir);
    report.SetParam("PARAM_EARTH", doc.CommonData_02.SurfaceIDName);
    report.FillCoordinates();
    FillAltitude(report);
    report.FillBioRegions();
    report.FillProtectedAreas();
    report.FillTeam();

    const CArray<CTortoise01Row>& animals = doc.SpecData_Tortoise_01.Animals;
    const int rows = std::min(animals.GetSize(), kAnimalRows);
    for (int row = 1; row <= rows; ++row) {
        const CTortoise01Row& animal = animals[row - 1];
        report.SetParam(CReportParameters::RowName("PARAM_KIND_%d", row), animal.TortoiseTypeName);
        report.SetParam(CReportParameters::RowName("PARAM_LONG_%d", row), animal.Len);
        report.SetParam(CReportParameters::RowName("PARAM_SEX_%d", row), animal.SexName);
        report.SetParam(CReportParameters::RowName("PARAM_HABITAT_%d", row), animal.Habitat);
        report.SetParam(CReportParameters::RowName("PARAM_DISCOVER_%d", row), animal.FoundTypeName);
        report.SetParam(CReportParameters::RowName("PARAM_DISTANCE_%d", row), animal.Distance);
    }

    // Habitat k: its tick as PARAM_PLACE_k1, its minutes as PARAM_PLACE_k2.
    const CSpecData_Tortoise_02& habitats = doc.SpecData_Tortoise_02;
    for (int k = 0; k < CSpecData_Tortoise_02::kHabitats; ++k) {
        report.SetCheckParam(CReportParameters::RowName("PARAM_PLACE_%d1", k + 1), habitats.Check(k));
        report.SetParam(CReportParameters::RowName("PARAM_PLACE_%d2", k + 1), habitats.Time(k));
    }
    FillClosingBlocks(report);
}
