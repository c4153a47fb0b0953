#pragma once
// Which report file each form type prints and which filler sets its parameters. A species
// family plugs its fillers in by naming them in the table of ReportTable.cpp; until then
// its form types print the blocks that every form shares.
class CReportParameters;

// Sets the parameters of one report. The section numbers pick what a report file shared by
// several form types shows; -1 where the form type has none.
using ReportFiller = void (*)(CReportParameters& report, int section, int secondSection);

struct ReportPrint {
    const char* fileName = nullptr;  // in Reports/ beside the program; nullptr: no report
    ReportFiller filler = nullptr;
};

struct FormTypeReport {
    int formTypeId = 0;
    ReportPrint first;   // printed from the first report control
    ReportPrint second;  // printed from the second one, after the first; only the hamster form has one
    int section = -1;
    int secondSection = -1;
};

// nullptr for a form type without a report.
const FormTypeReport* FindFormTypeReport(int formTypeId);

