#pragma once
// The report engine behind the report control: a report file (UTF-8 HTML with placeholders,
// see data/reports/README.md) is filled with named parameter values, laid out on A4 and shown
// in a print preview, from which the user prints or saves a PDF.
#include <vector>

#include "CString.h"
#include "WinDefs.h"

struct ReportField {
    CString name;
    CString value;

    friend bool operator==(const ReportField&, const ReportField&) = default;
};

// A parameter as the control receives it, "NAME;value;TRUE": the name before the first ";",
// the value between the first and the last ";". A text with one ";" has the rest as its
// value, one without any is a name with an empty value.
ReportField ParseReportField(const CString& parameterText);

// The report file filled with the fields (in the order they were set; a later field of the
// same name replaces an earlier one), as rich text. Fields that the file places nowhere and
// that hold a value end the report in a section "Други данни". FALSE, with `error` saying
// which file, when the file (or a file it includes) cannot be read or holds nothing.
BOOL FillReportFile(const CString& path, const std::vector<ReportField>& fields, CString& html, CString& error);

// Fills the report and shows it in a print preview titled `title`; a PDF printed from it is
// offered as `fileName` (the report file's name when empty). A file that cannot be read
// gives a message box naming it and nothing is shown; FALSE then.
BOOL PrintReportFile(const CString& path, const std::vector<ReportField>& fields, const CString& title,
                     const CString& fileName = CString());

// Test seam: with a folder set (ending in "/"), PrintReportFile writes the laid-out report to
// <folder><report file name without extension>.pdf, and its text to the same name with
// ".txt", instead of showing a window. Beside them, ".pages" holds the text drawn on each
// page as the PDF holds it, line by line (cells of a row apart by a tab), the pages separated
// by a form feed. Empty: the preview again.
void SetReportOutputFolder(const CString& folder);
