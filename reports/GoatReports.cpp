#include "reports/GoatReports.h"

#include <algorithm>

#include "reports/ReportParameters.h"
#include "store/FormDocument.h"

namespace {

constexpr int kGoat1ThreatRows = 5;
constexpr int kGoat2ThreatRows = 1;  // the section form has room for one threat
constexpr int kTrackRows = 5;

// The habitat type of a section: "+" under the type chosen, both pushed.
void SetHabitatType(CReportParameters& report, int section, int areaType) {
    report.SetParam(CReportParameters::RowName("PARAM_HTYPE_%d1", section), areaType == 0 ? "+" : "");
    report.SetParam(CReportParameters::RowName("PARAM_HTYPE_%d2", section), areaType == 1 ? "+" : "");
}

int SectionAreaType(const CTovan_splitDoc& doc, int section) {
    switch (section) {
        case 1: return doc.SpecData_Goat_02.AreaType;
        case 2: return doc.SpecData_Goat_03.AreaType;
        case 3: return doc.SpecData_Goat_04.AreaType;
        case 4: return doc.SpecData_Goat_05.AreaType;
        default: return -1;
    }
}

void FillSectionValues(CReportParameters& report, const CTovan_splitDoc& doc, int section) {
    switch (section) {
        case 1: {
            const CArray<CTrackSize>& trails = doc.SpecData_Goat_02.Trails;
            for (int row = 1; row <= std::min(trails.GetSize(), kTrackRows); ++row) {
                report.SetParam(CReportParameters::RowName("PARAM_LENGTH_%d", row), trails[row - 1].Length);
                report.SetParam(CReportParameters::RowName("PARAM_WIDTH_%d", row), trails[row - 1].Width);
            }
            break;
        }
        case 2: report.SetParam("PARAM_COUNT_2", doc.SpecData_Goat_03.CountCouches); break;
        case 3: report.SetParam("PARAM_COUNT_3", doc.SpecData_Goat_04.CountShits); break;
        case 4: {
            const CSpecData_Goat_05& signs = doc.SpecData_Goat_05;
            report.SetCheckParam("PARAM_TRAIL_1", signs.CheckRemains);
            report.SetCheckParam("PARAM_TRAIL_2", signs.CheckSigns);
            report.SetCheckParam("PARAM_TRAIL_3", signs.CheckFur);
            report.SetCheckParam("PARAM_TRAIL_4", signs.CheckGrass);
            break;
        }
        default: break;
    }
}

}  // namespace

void FillGoat1(CReportParameters& report, int, int) {
    const CTovan_splitDoc& doc = report.Document();
    report.FillPlaceAndTeam();
    const CSpecData_Goat_01& seen = doc.SpecData_Goat_01;
    report.SetParam("PARAM_M_1", seen.YoungMale);
    report.SetParam("PARAM_M_2", seen.OldMale);
    report.SetParam("PARAM_F_1", seen.YoungFemale);
    report.SetParam("PARAM_F_2", seen.OldFemale);
    report.SetParam("PARAM_Y_1", seen.Baby);
    report.SetParam("PARAM_Y_2", seen.OldBaby);
    report.SetParam("PARAM_ALL", seen.Total);
    report.SetParam("PARAM_NOTE", seen.Notes);
    report.FillThreats(kGoat1ThreatRows);
    report.FillPhotoMap();
}

void FillGoat2(CReportParameters& report, int section, int) {
    const CTovan_splitDoc& doc = report.Document();
    report.FillSpeciesAndTime();
    report.FillAreaHeader(true);
    report.FillLocationRows(section);
    SetHabitatType(report, section, SectionAreaType(doc, section));
    FillSectionValues(report, doc, section);
    report.FillThreats(kGoat2ThreatRows);
    report.SetParam("PARAM_NOTE", doc.SpecData_Moss_06.NoteText);
    report.FillPhotoMap();
}
