#include "reports/WolfReports.h"

#include "reports/ReportParameters.h"
#include "store/FormDocument.h"

namespace {

constexpr int kThreatRows = 5;
constexpr int kTrailRows = 5;
constexpr int kScatRows = 3;
// Form 41 prints its questionnaire list as section 7, its killed animals as section 8.
constexpr int kSurveySection = 7, kKilledPreySection = 8;

CString RowName(const char* format, int row) { return CReportParameters::RowName(format, row); }

void FillThreatsAndPhotos(CReportParameters& report) {
    report.FillThreats(kThreatRows);
    report.FillPhotoMap();
}

// The lair's answer: "да", "не", "" when not answered; any other stored value prints nothing.
void FillInhabited(CReportParameters& report, int inhabited) {
    if (inhabited == -1) report.SetParam("PARAM_COUNT_3", "");
    if (inhabited == 0) report.SetParam("PARAM_COUNT_3", "да");
    if (inhabited == 1) report.SetParam("PARAM_COUNT_3", "не");
}

// Hybrids and stray dogs are never asked on their pages (the box is not shown): only an
// answer that a form brought from elsewhere prints "да"; otherwise the place stays empty
// rather than claiming "не".
void FillPresence(CReportParameters& report, const char* name, int presence) {
    report.SetParam(name, presence == 1 ? "да" : "");
}

void FillPrey(CReportParameters& report, const CSpecData_Wolf_07& prey, const CString& date) {
    if (prey.CheckWolfPreyAnketi != 0) {
        report.FillLocationRows(kSurveySection);
        for (int i = 0; i < prey.PreyAnketi.GetSize(); ++i) {
            report.SetParam(RowName("PARAM_SPACIES_7%d", i + 1), prey.PreyAnketi[i].SpeciesIDName);
            report.SetParam(RowName("PARAM_COUNT_7%d", i + 1), prey.PreyAnketi[i].Count);
        }
    }
    if (prey.CheckWolfPreyObservations != 0) {
        report.FillLocationRows(kKilledPreySection);
        for (int i = 0; i < prey.PreyObservations.GetSize(); ++i) {
            const CWolf07PreySexRow& row = prey.PreyObservations[i];
            report.SetParam(RowName("PARAM_SPACIES_8%d", i + 1), row.SpeciesIDName);
            report.SetParam(RowName("PARAM_COUNT_M_8%d", i + 1), row.MaleCount);
            report.SetParam(RowName("PARAM_COUNT_F_8%d", i + 1), row.FemaleCount);
            report.SetParam(RowName("PARAM_NOTE_8%d", i + 1), row.Description);
        }
        report.SetParam("PARAM_DATE_8", date);
    }
}

// Weight (3) before colour (4), as on the paper form.
void FillKilledWolves(CReportParameters& report, const CArray<CWolf10Row>& killed, const CString& date) {
    for (int i = 0; i < killed.GetSize(); ++i) {
        const CWolf10Row& wolf = killed[i];
        const int row = i + 1;
        report.SetParam(RowName("PARAM_DATE_1%d", row), date);
        report.SetParam(RowName("PARAM_DEAD_%d1", row), wolf.SexName);
        report.SetParam(RowName("PARAM_DEAD_%d2", row), wolf.Age);
        report.SetParam(RowName("PARAM_DEAD_%d3", row), wolf.Weight);
        report.SetParam(RowName("PARAM_DEAD_%d4", row), wolf.Color);
        report.SetParam(RowName("PARAM_DEAD_%d5", row), wolf.ExistsFingerFrontLegName);
        report.SetParam(RowName("PARAM_DEAD_%d6", row), wolf.ExistsFingerBackLegName);
    }
}

void FillWolf1Section(CReportParameters& report, int section) {
    const CTovan_splitDoc& doc = report.Document();
    const CString date = CReportParameters::DateText(doc.CommonData_01.Date);
    const CString start = CReportParameters::HourText(doc.CommonData_01.StartTime);
    const CString end = CReportParameters::HourText(doc.CommonData_01.EndTime);
    const auto dateAndHours = [&](int s) {
        report.SetParam(RowName("PARAM_DATE_%d", s), date);
        report.SetParam(RowName("PARAM_HOUR_%d1", s), start);
        report.SetParam(RowName("PARAM_HOUR_%d2", s), end);
    };
    switch (section) {
        case 1:
            report.SetParam("PARAM_DATE_1", date);
            report.SetParam("PARAM_COUNT_1", doc.SpecData_Wolf_01.WolfCount);
            report.SetParam("PARAM_NOTE_1", doc.SpecData_Wolf_01.Notes);
            break;
        case 2:
            dateAndHours(2);
            report.SetParam("PARAM_NOTE_2", doc.SpecData_Wolf_02.Notes);
            break;
        case 3:
            dateAndHours(3);
            FillInhabited(report, doc.SpecData_Wolf_03.IsHabited);
            report.SetParam("PARAM_NOTE_3", doc.SpecData_Wolf_03.Notes);
            break;
        case 4:
            dateAndHours(4);
            report.SetParam("PARAM_COUNT_4", doc.SpecData_Wolf_04.BabyWolfCount);
            report.SetParam("PARAM_NOTE_4", doc.SpecData_Wolf_04.Notes);
            break;
        case 5:
            report.SetParam("PARAM_DATE_5", date);
            report.SetParam("PARAM_NOTE_5", doc.SpecData_Wolf_05.Notes);
            break;
        case 6:
            report.SetParam("PARAM_DATE_6", date);
            for (int k = 0; k < doc.SpecData_Wolf_06.Tracks.GetSize(); ++k)
                report.FillLocationRows6(doc.SpecData_Wolf_06.Tracks[k], k + 1);
            break;
        case 7: FillPrey(report, doc.SpecData_Wolf_07, date); break;
        case 9:
            report.SetParam("PARAM_DATE_9", date);
            FillPresence(report, "PARAM_HYBRID_9", doc.SpecData_Wolf_08.CheckWolfHybrids);
            report.SetParam("PARAM_NOTE_9", doc.SpecData_Wolf_08.Notes);
            break;
        case 10:
            report.SetParam("PARAM_DATE_10", date);
            FillPresence(report, "PARAM_HYBRID_10", doc.SpecData_Wolf_09.CheckRambleDogs);
            report.SetParam("PARAM_NOTE_10", doc.SpecData_Wolf_09.Notes);
            break;
        case 11: FillKilledWolves(report, doc.SpecData_Wolf_10.Killed, date); break;
        default: break;
    }
}

}  // namespace

// No date in the header: each section prints its own.
void FillWolf1(CReportParameters& report, int section, int secondSection) {
    const CTovan_splitDoc& doc = report.Document();
    report.SetParam("PARAM_SPECIES", doc.SpeciesName);
    report.SetParam("PARAM_CODE_SPECIES", doc.SpeciesCode);
    report.FillAreaHeader(false);
    // The prey (second section 8) prints the place of each list it prints.
    if (secondSection == -1) report.FillLocationRows(section);
    FillWolf1Section(report, section);
    FillThreatsAndPhotos(report);
}

void FillWolf2(CReportParameters& report, int section, int) {
    const CTovan_splitDoc& doc = report.Document();
    report.FillSpeciesAndTime();
    report.FillAreaHeader(true);
    report.FillLocationRows(section);
    if (section == 1) {
        const CArray<CWolf11Row>& trails = doc.SpecData_Wolf_11.Trails;
        for (int i = 0; i < trails.GetSize() && i < kTrailRows; ++i) {
            const int row = i + 1;
            report.SetParam(RowName("PARAM_FP_LENGTH_%d", row), trails[i].FrontLen);
            report.SetParam(RowName("PARAM_FP_WIDTH_%d", row), trails[i].FrontWid);
            report.SetParam(RowName("PARAM_BP_LENGTH_%d", row), trails[i].BackLen);
            report.SetParam(RowName("PARAM_BP_WIDTH_%d", row), trails[i].BackWid);
            report.SetParam(RowName("PARAM_STEP_LENGTH_%d", row), trails[i].StepLen);
        }
        report.SetParam("PARAM_HABITAT_1", doc.SpecData_Wolf_11.Habitat);
    }
    if (section == 2) {
        const CArray<CWolf12Row>& scats = doc.SpecData_Wolf_12.Shits;
        for (int i = 0; i < scats.GetSize() && i < kScatRows; ++i) {
            const int row = i + 1;
            report.SetParam(RowName("PARAM_EXCR_LENGTH_%d", row), scats[i].Len);
            report.SetParam(RowName("PARAM_EXCR_WIDTH_%d", row), scats[i].Wid);
            report.SetParam(RowName("PARAM_COLOR_%d", row), scats[i].Color);
            report.SetParam(RowName("PARAM_FUR_%d", row), scats[i].Fur);
            report.SetParam(RowName("PARAM_BONE_%d", row), scats[i].BonesPresenceName);
        }
        report.SetParam("PARAM_HABITAT_2", doc.SpecData_Wolf_12.Habitat);
    }
    report.FillThreats(kThreatRows);
    report.SetParam("PARAM_NOTE", doc.SpecData_Moss_06.NoteText);
    report.FillPhotoMap();
}
