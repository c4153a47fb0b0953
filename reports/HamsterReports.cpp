#include "reports/HamsterReports.h"

#include "reports/ReportParameters.h"
#include "store/FormDocument.h"

namespace {

constexpr int kThreatRows = 5;
constexpr int kPointWidth = 14;
constexpr int kCodeWidth = 1;
constexpr int kBurrowWidth = 4;
constexpr int kSegmentsPerParameter = 5;

CString SegmentText(const CHamster02Transect& segment) {
    CString text = PadText(segment.Longitude, kPointWidth) + "_" + PadText(segment.Latitude, kPointWidth) + "_";
    for (const int code : {segment.HabitatType, segment.WaterTankType, segment.OvergrowingsType, segment.GrassType,
                           segment.GrassHeightType, segment.RoadsType, segment.BuildingsType})
        text += PadNumber(code, kCodeWidth) + "_";
    return text + PadText(segment.LairCount, kBurrowWidth) + "&";
}

}  // namespace

CString PadText(const CString& text, int width) {
    CString padded = text;
    padded.Trim();
    if (padded.IsEmpty()) padded = "---";
    for (int i = 0; i < width; ++i) padded += " ";
    return padded.Left(width);
}

CString PadNumber(int number, int width) {
    CString text;
    text.Format("%d", number);
    for (int i = 0; i < width; ++i) text += " ";
    return text.Left(width);
}

CString FormatTransectSegments(const CHamsterTransect& segments, int first, int end) {
    CString text;
    for (int i = first; i < end; ++i) text += SegmentText(segments[static_cast<size_t>(i)]);
    return text;
}

void FillHamster1(CReportParameters& report, int, int) {
    const CTovan_splitDoc& document = report.Document();
    const CCommonData_01& place = document.CommonData_01;
    const CSpecData_Hamster_01& site = document.SpecData_Hamster_01;
    report.FillSiteHeader();
    report.SetParam("PARAM_FIELD_NUM", place.DynamicStrContent);
    report.SetParam("PARAM_COLONY", place.DynamicStrContent2);
    report.SetParam("PARAM_HABITAT", place.DynamicStrContent3Natura2000);
    report.FillWeather();
    report.FillAdminLocation();
    report.FillCoordinates();
    report.SetParam("PARAM_TEMPERATURE_AIR", document.CommonData_02.TemperatureAir);
    report.SetParam("PARAM_ATTITUDE", document.CommonData_04.Altitude);
    report.FillBioRegions();
    report.FillProtectedAreas();
    report.FillTeam();
    // Only a given answer takes an index.
    static const char* const kPastureAnswers[] = {"PARAM_PASTURE_Y", "PARAM_PASTURE_N", "PARAM_PASTURE_U"};
    if (site.iRadionPasture >= 0 && site.iRadionPasture < 3) report.SetParam(kPastureAnswers[site.iRadionPasture], "+");
    report.SetParam("PARAM_COUNT_COW", site.CowsCount);
    report.SetParam("PARAM_COUNT_SHEEP", site.SheepsCount);
    report.SetParam("PARAM_COUNT_GOAT", site.GoatsCount);
    report.SetParam("PARAM_COUNT_HORSE", site.HorsesCount);
    report.SetParam("PARAM_COUNT_OTHER", site.OthersCount);
    report.SetCheckParam("PARAM_VEGETATION_1", site.bCheckPrickles);
    report.SetCheckParam("PARAM_VEGETATION_2", site.bCheckBushes);
    report.SetCheckParam("PARAM_VEGETATION_3", site.bCheckJuniper);
    report.SetCheckParam("PARAM_VEGETATION_4", site.bCheckElse);
    if (site.bCheckElse != 0) report.SetParam("PARAM_VEGETATION_4_DESCR", site.ElseDescription);
    report.FillThreats(kThreatRows);
    report.SetParam("PARAM_NOTE", document.SpecData_Hamster_03.Notes);
    report.SetParam("PARAM_CHANGE", document.SpecData_Hamster_03.Changes);
    report.FillPhotoMap();
}

void FillHamster2(CReportParameters& report, int, int) {
    const auto name = &CReportParameters::RowName;
    const CSpecData_Hamster_02& transects = report.Document().SpecData_Hamster_02;
    for (int number = 1; number <= kHamsterTransects; ++number) {
        const CHamsterTransect& segments = transects.TransectOf(number);
        report.SetParam(name("PARAM_TRANSECT_%d1", number), FormatTransectSegments(segments, 0, kSegmentsPerParameter));
        report.SetParam(name("PARAM_TRANSECT_%d2", number),
                        FormatTransectSegments(segments, kSegmentsPerParameter, kHamsterSegments));
        report.SetParam(name("PARAM_HOLES_%d", number), transects.LairsCountOf(number));
        report.SetParam(name("PARAM_HAMSTERS_%d", number), transects.HamstersCountOf(number));
    }
}
