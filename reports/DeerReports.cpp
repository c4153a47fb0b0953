#include "reports/DeerReports.h"

#include "reports/ReportParameters.h"
#include "store/FormDocument.h"

namespace {

constexpr int kThreatRows = 5;

void FillThreatsAndPhotos(CReportParameters& report) {
    report.FillThreats(kThreatRows);
    report.FillPhotoMap();
}

}  // namespace

void FillDeer1(CReportParameters& report, int, int) {
    const CTovan_splitDoc& doc = report.Document();
    report.FillPlaceAndTeam();
    const CSpecData_Deer_01& stags = doc.SpecData_Deer_01;
    report.SetParam("PARAM_COUNT_DEER_1", stags.VeryYoung);
    report.SetParam("PARAM_COUNT_DEER_2", stags.Young);
    report.SetParam("PARAM_COUNT_DEER_3", stags.Old);
    report.SetParam("PARAM_COUNT_DEER_4", stags.VeryOld);
    report.SetParam("PARAM_COUNT_DEER_ALL", stags.Total);
    const CSpecData_Deer_02& hinds = doc.SpecData_Deer_02;
    report.SetParam("PARAM_COUNT_ROE_1", hinds.VeryYoung);
    report.SetParam("PARAM_COUNT_ROE_2", hinds.Young);
    report.SetParam("PARAM_COUNT_ROE_3", hinds.Old);
    report.SetParam("PARAM_COUNT_ROE_4", hinds.VeryOld);
    report.SetParam("PARAM_COUNT_ROE_ALL", hinds.Total);
    report.SetParam("PARAM_NOTE", doc.SpecData_Moss_06.NoteText);
    FillThreatsAndPhotos(report);
}

void FillDeer2(CReportParameters& report, int, int) {
    const CTovan_splitDoc& doc = report.Document();
    report.FillPlaceAndTeam();
    const CSpecData_Deer_03& stag = doc.SpecData_Deer_03;
    report.SetParam("PARAM_HABITAT", stag.ArealCharacteristic);
    report.SetParam("PARAM_AGE", stag.Age);
    report.SetParam("PARAM_COUNT_TINE_1", stag.EyeProngs);
    report.SetParam("PARAM_COUNT_TINE_2", stag.IceProngs);
    report.SetParam("PARAM_COUNT_TINE_3", stag.MidProngs);
    report.SetParam("PARAM_COUNT_TINE_4", stag.WolfProngs);
    report.SetParam("PARAM_COUNT_CROWN_L", stag.CrownLeft);
    report.SetParam("PARAM_COUNT_CROWN_R", stag.CrownRight);
    const CSpecData_Deer_04& around = doc.SpecData_Deer_04;
    report.SetParam("PARAM_COUNT_ROE_1", around.DoeVeryYoung);
    report.SetParam("PARAM_COUNT_ROE_2", around.DoeYoung);
    report.SetParam("PARAM_COUNT_ROE_3", around.DoeOld);
    report.SetParam("PARAM_COUNT_ROE_4", around.DoeVeryOld);
    report.SetParam("PARAM_COUNT_ROE_ALL", around.DoeTotal);
    report.SetParam("PARAM_COUNT_DEER_1", around.DeerVeryYoung);
    report.SetParam("PARAM_COUNT_DEER_2", around.DeerYoung);
    report.SetParam("PARAM_COUNT_DEER_3", around.DeerOld);
    report.SetParam("PARAM_COUNT_DEER_4", around.DeerMature);
    report.SetParam("PARAM_COUNT_DEER_5", around.DeerVeryOld);
    report.SetParam("PARAM_COUNT_DEER_ALL", around.DeerTotal);
    report.SetParam("PARAM_NOTE", around.Notes);
    FillThreatsAndPhotos(report);
}
