#include "reports/FungusReports.h"

#include "reports/ReportParameters.h"
#include "store/FormDocument.h"

namespace {

constexpr int kSiteThreatRows = 5;
constexpr int kPlotThreatRows = 6;
constexpr int kCompanionRows = 10;

// The site with the plot number right after it, where the site lies and who was there; the
// fungus forms print no weather.
void FillFungusSite(CReportParameters& report) {
    report.FillSiteHeader();
    report.SetParam("PARAM_FIELD_NUM", report.Document().CommonData_01.DynamicStrContent);
    report.FillLocationAndTeam();
}

// Always ten names, the places past the list empty; companions past the tenth are not printed.
void FillCompanionNames(CReportParameters& report, const CArray<CSpeciesNameRow>& companions) {
    for (int row = 1; row <= kCompanionRows; ++row)
        report.SetParam(CReportParameters::RowName("PARAM_ACCOMPANY_NAME_%d", row),
                        row <= companions.GetSize() ? companions[row - 1].SpeciesIDName : CString());
}

// A ticked change marks "да" and gives its text; an unticked one marks "не" only, whatever
// text it holds.
void FillChange(CReportParameters& report, const char* kind, int changed, const CString& text) {
    const CString name = CString("PARAM_") + kind;
    if (changed == 0) {
        report.SetParam(name + "_N", "x");
        return;
    }
    report.SetParam(name + "_Y", "x");
    report.SetParam(name + "_NOTES", text);
}

}  // namespace

void FillMushroom1(CReportParameters& report, int, int) {
    const CTovan_splitDoc& doc = report.Document();
    FillFungusSite(report);
    const CSpecData_Fungus_01& site = doc.SpecData_Fungus_01;
    report.SetParam("PARAM_FLORA", site.FloristicRegionIDName);
    report.SetParam("PARAM_GRID", site.UTM_GirdIDName);
    report.SetParam("PARAM_SUBSTRATUM", site.Substratum);
    report.SetParam("PARAM_HABITAT", site.Habitat);
    report.SetParam("PARAM_ECO", site.EkoSpecifics);
    const CSpecData_Fungus_02& population = doc.SpecData_Fungus_02;
    report.SetParam("PARAM_NUM", population.ColectionNum);
    report.SetParam("PARAM_COUNT", population.GroupsCount);
    report.SetParam("PARAM_AREA", population.PopulationArea);
    FillCompanionNames(report, population.OtherSpecies);
    report.FillThreats(kSiteThreatRows);
    report.SetParam("PARAM_NOTE", doc.SpecData_Fungus_03.Notes);
    report.FillPhotoMap();
}

void FillMushroom2(CReportParameters& report, int, int) {
    const CTovan_splitDoc& doc = report.Document();
    FillFungusSite(report);
    const CSpecData_Fungus_04& changes = doc.SpecData_Fungus_04;
    report.SetParam("PARAM_FLORA", changes.FloristicRegionIDName);
    FillChange(report, "EARTH", changes.bLandUsageChanges, changes.LandUsageChanges);
    FillChange(report, "ECO", changes.bEkoConditionsChanges, changes.EkoConditionsChanges);
    FillChange(report, "VEGETATION", changes.bHabitatChanges, changes.HabitatChanges);
    const CArray<CFungus05Row>& species = doc.SpecData_Fungus_05.Species;
    for (int number = 1; number <= species.GetSize(); ++number) {
        const CFungus05Row& found = species[number - 1];
        report.SetIntParam(CReportParameters::RowName("PARAM_NUM_%d", number), number);
        report.SetParam(CReportParameters::RowName("PARAM_SPECIES_%d", number), found.FungiIDName);
        report.SetParam(CReportParameters::RowName("PARAM_COUNT_%d", number), found.Count);
    }
    report.FillThreats(kPlotThreatRows);
    report.FillPhotoMap();
}
