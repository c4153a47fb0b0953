#include "reports/FishReports.h"

#include "reports/ReportParameters.h"
#include "store/FormDocument.h"

namespace {

constexpr int kFishThreatRows = 3;

// The place (the water body among it), the water temperature and the weather, then where
// the place lies and who was there.
void FillFishSite(CReportParameters& report) {
    const CTovan_splitDoc& doc = report.Document();
    report.FillSiteHeader();
    report.SetParam("PARAM_BASIN", doc.CommonData_01.DynamicStrContent);
    report.SetParam("PARAM_TEMPERATURE_WATER", doc.CommonData_02.TemperatureWater);
    report.FillWeather();
    report.FillLocationAndTeam();
}

// Every fish measured, seven parameters each, then the threats and the attachments.
void FillFishCaught(CReportParameters& report) {
    const CArray<CFish03Row>& fishes = report.Document().SpecData_Fish_03.Species;
    for (int number = 1; number <= fishes.GetSize(); ++number) {
        const CFish03Row& fish = fishes[number - 1];
        report.SetIntParam(CReportParameters::RowName("PARAM_NUM_%d", number), number);
        report.SetParam(CReportParameters::RowName("PARAM_LENGTH_%d", number), fish.StandardLen);
        report.SetParam(CReportParameters::RowName("PARAM_ABS_LENGTH_%d", number), fish.AbsLen);
        report.SetParam(CReportParameters::RowName("PARAM_WEIGHT_%d", number), fish.Weight);
        report.SetParam(CReportParameters::RowName("PARAM_SEX_%d", number), fish.SexLetter);
        report.SetParam(CReportParameters::RowName("PARAM_DENTITION_%d", number), fish.MaturityLevel);
        report.SetParam(CReportParameters::RowName("PARAM_NOTE_%d", number), fish.Notes);
    }
    report.FillThreats(kFishThreatRows);
    report.FillPhotoMap();
}

}  // namespace

void FillFish1(CReportParameters& report, int, int) {
    const CSpecData_Fish_02& net = report.Document().SpecData_Fish_02;
    FillFishSite(report);
    // A net kind not chosen ticks neither box.
    if (net.NetType == 0) report.SetParam("PARAM_FNET_1", "x");
    if (net.NetType == 1) report.SetParam("PARAM_FNET_2", "x");
    report.SetParam("PARAM_DIM_1", net.NetLength);
    report.SetParam("PARAM_DIM_2", net.NetHeight);
    report.SetParam("PARAM_DIM_3", net.NetEyeDimnsion);
    FillFishCaught(report);
}

void FillFish2(CReportParameters& report, int, int) {
    const CSpecData_Fish_01& device = report.Document().SpecData_Fish_01;
    FillFishSite(report);
    report.SetParam("PARAM_INSTRUMENT", device.FishingDevice);
    report.SetParam("PARAM_TIME", device.FishingTime);
    report.SetParam("PARAM_DISTANCE", device.FishingDistance);
    FillFishCaught(report);
}
