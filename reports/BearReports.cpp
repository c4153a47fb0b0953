#include "reports/BearReports.h"

#include "reports/ReportParameters.h"
#include "store/FormDocument.h"

namespace {

constexpr int kThreatRows = 5;

// The name of a size class's parameter: the report has one line per class, k = class + 1.
CString SizeName(const char* format, int size) { return CReportParameters::RowName(format, size + 1); }

void FillNoteThreatsAndPhotos(CReportParameters& report) {
    report.SetParam("PARAM_NOTE", report.Document().SpecData_Bear_07.Notes);
    report.FillThreats(kThreatRows);
    report.FillPhotoMap();
}

}  // namespace

void FillBear1(CReportParameters& report, int, int) {
    const CTovan_splitDoc& doc = report.Document();
    report.FillPlaceAndTeam();
    // Two bears of one size class give the same names twice; the later one stands on the
    // line and the earlier one goes under "Други данни", so nothing is lost.
    for (const CBear01Row& bear : doc.SpecData_Bear_01.Bears) {
        report.SetParam(SizeName("PARAM_COUNT_SIZE_%d", bear.BearSize), bear.BearCount);
        report.SetParam(SizeName("PARAM_COLOR_SIZE_%d", bear.BearSize), bear.BearColorTxt);
        report.SetParam(SizeName("PARAM_SEX_SIZE_%d", bear.BearSize), bear.BearSexTxt);
    }
    report.SetParam("PARAM_BEHAVE_SIZE_1", doc.SpecData_Bear_01.Behaviour);
    const CSpecData_Bear_02& met = doc.SpecData_Bear_02;
    const struct {
        int ticked;
        const CString& distance;
    } kinds[] = {{met.bRunAway, met.RunAway},           {met.bRunCalm, met.RunCalm},
                 {met.bThreatens, met.Threatens},       {met.bProtectChild, met.ProtectChild},
                 {met.bProtectPrey, met.ProtectPrey},   {met.bAgressionAgainst, met.AgressionAgainst},
                 {met.bCriticDistance, met.CriticDistance}};
    for (int n = 1; n <= 7; ++n) {
        report.SetCheckParam(CReportParameters::RowName("PARAM_BTYPE_%d_Y", n), kinds[n - 1].ticked);
        report.SetParam(CReportParameters::RowName("PARAM_BTYPE_%d_N", n), kinds[n - 1].distance);
    }
    FillNoteThreatsAndPhotos(report);
}

namespace {

// "+" under the name of the chosen class (index + 1); nothing when none is chosen.
void SetChoiceTick(CReportParameters& report, const char* format, int index) {
    if (index >= 0) report.SetParam(CReportParameters::RowName(format, index + 1), "+");
}

void FillSection(CReportParameters& report, int section) {
    const CTovan_splitDoc& doc = report.Document();
    switch (section) {
        case 1: {
            const CSpecData_Bear_03& sign = doc.SpecData_Bear_03;
            report.SetParam("PARAM_OBJECT", sign.ObjectType);
            report.SetParam("PARAM_HIGH", sign.Height);
            report.SetParam("PARAM_SIGN", sign.ObjectSituated);
            report.SetParam("PARAM_CAUSE", sign.Reasons);
            SetChoiceTick(report, "PARAM_VEGETATION_1%d", sign.FloraType);
            break;
        }
        case 2: {
            const CSpecData_Bear_04& den = doc.SpecData_Bear_04;
            SetChoiceTick(report, "PARAM_VEGETATION_2%d", den.FloraType);
            SetChoiceTick(report, "PARAM_DEN_%d", den.LairType);
            report.SetParam("PARAM_SIZE_LENGTH", den.Len);
            report.SetParam("PARAM_SIZE_WIDTH", den.Wid);
            report.SetParam("PARAM_CAVE_HIGH", den.CaveLen);  // the entrance's height
            report.SetParam("PARAM_CAVE_WIDTH", den.CaveWid);
            report.SetParam("PARAM_CAVE_DISTANCE", den.DistanceToLair);
            report.SetParam("PARAM_MATERIAL", den.BedspreadMaterial);
            report.SetParam("PARAM_PERIOD", den.Period);
            break;
        }
        case 3: {
            const CSpecData_Bear_05& tracks = doc.SpecData_Bear_05;
            report.SetParam("PARAM_BP_LENGTH", tracks.BackPawLen);
            report.SetParam("PARAM_BP_WIDTH", tracks.BackPawWid);
            report.SetParam("PARAM_FP_WIDTH", tracks.FrontPawLen);  // the front paw's length
            SetChoiceTick(report, "PARAM_BP_LENGTH_%d", tracks.BearSizeType);
            break;
        }
        case 4: report.SetParam("PARAM_EXCREMENTS", doc.SpecData_Bear_06.Shits); break;
        default: break;
    }
}

}  // namespace

// No hours and no weather; the place of the section comes in its location rows.
void FillBear2(CReportParameters& report, int section, int) {
    const CTovan_splitDoc& doc = report.Document();
    report.SetParam("PARAM_SPECIES", doc.SpeciesName);
    report.SetParam("PARAM_CODE_SPECIES", doc.SpeciesCode);
    report.SetParam("PARAM_DATE", CReportParameters::DateText(doc.CommonData_01.Date));
    report.FillAreaHeader(false);
    report.FillLocationRows(section);
    FillSection(report, section);
    FillNoteThreatsAndPhotos(report);
}
