#pragma once
// Printing a form's report from a view. The view keeps its report dialog: made (hidden,
// without parent) on its first print, used again by the prints that follow, and deleted
// with the view.
#include <memory>

class CDlgReport;
class CTovan_splitDoc;

// Prints the report of the form type from the document's records. When the dialog cannot
// be made: "Грешка - създаване на репорт.", nothing is printed, and the next print tries
// again.
void PrintFormReport(std::unique_ptr<CDlgReport>& dialog, CTovan_splitDoc* document, int formTypeId);
