#pragma once
// The tables that hold the data of stored forms, and the one script that removes a form's
// rows from all of them (before an update writes them anew, and when a form is deleted).
#include <span>

#include "platform/CString.h"

class CSQLite3DB;

// A table of grid rows, linked to the form through its parent's row.
struct CFormChildTable {
    const char* table;
    const char* link;    // the column holding the parent row's ID
    const char* parent;  // the table of one row per form and page
};

// The tables of grid rows, a child of a child before its parent.
std::span<const CFormChildTable> FormChildTables();
// The tables of one row (or row set) per form and page, keyed by FormID.
std::span<const char* const> FormTables();

// Every statement names the form id; the whole runs as one execDML.
// An update keeps the rows of the form's pictures for the moment (kKeepPictures).
enum class PictureRows { kDelete, kKeep };
CString DeleteFormDataScript(int formId, PictureRows pictures = PictureRows::kDelete);
void DeleteFormData(CSQLite3DB& db, int formId, PictureRows pictures = PictureRows::kDelete);
