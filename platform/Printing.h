#pragma once
// Printing and print preview of what a view draws: the print dialog, the page setup dialog,
// the print loop that hands the view a printer DC page by page, and a preview window from
// which the user prints. One printer is shared by all jobs of the run, so the choices made
// in the dialogs stay for the jobs that follow.
#include <functional>

#include "CString.h"
#include "Geometry.h"
#include "WinDefs.h"

class CDC;

struct CPrintInfo {
    void SetMinPage(UINT page) { m_nMinPage = page; }
    void SetMaxPage(UINT page) { m_nMaxPage = page; }  // 0xFFFF: not known, one page is printed
    UINT GetMinPage() const { return m_nMinPage; }
    UINT GetMaxPage() const { return m_nMaxPage; }
    UINT GetFromPage() const { return m_nFromPage; }  // the range the user chose
    UINT GetToPage() const { return m_nToPage; }

    BOOL m_bPreview = FALSE;
    BOOL m_bDirect = FALSE;             // no print dialog
    BOOL m_bContinuePrinting = TRUE;    // printPage may clear it to stop after the page
    UINT m_nCurPage = 1;
    UINT m_nNumPreviewPages = 1;
    CRect m_rectDraw;                   // the printable area of the page, device pixels
    void* m_lpUserData = nullptr;

    UINT m_nMinPage = 1;
    UINT m_nMaxPage = 0xFFFF;
    UINT m_nFromPage = 1;
    UINT m_nToPage = 0xFFFF;
};

// What a view does for one job; only printPage is required. Each page gets a fresh printer
// DC (IsPrinting() TRUE) whose default font has the screen's size on paper.
struct CPrintJob {
    CString title;     // the document's name in the printer queue
    CString fileName;  // the name, without folder or extension, a PDF printed from it is offered
                       // under; the title when empty
    std::function<void(CDC*, CPrintInfo*)> beginPrinting;  // may set the page count
    std::function<void(CDC*, CPrintInfo*)> printPage;      // draws page m_nCurPage
    std::function<void(CDC*, CPrintInfo*)> endPrinting;
};

// The print dialog (printer, copies, page range); FALSE when the user cancels.
BOOL DoPreparePrinting(CWnd* owner, CPrintInfo* info);
// Prints the job's pages from info's range; FALSE when the printer could not be used.
BOOL PrintJob(const CPrintJob& job, CPrintInfo* info);
// A modal print preview of the job; the user prints from it.
void PrintPreview(CWnd* owner, const CPrintJob& job);
// The page setup dialog (paper, orientation, margins) for the jobs that follow.
BOOL DoPrintSetup(CWnd* owner);

// Test seams. With a handler set, it is asked in place of each dialog (and after a preview
// was drawn) and answers TRUE for OK. With an output file set, pages go into that PDF file.
enum class PrintDialogKind { Print, PageSetup, Preview };
void SetPrintDialogHandler(std::function<BOOL(PrintDialogKind, CPrintInfo*)> handler);
void SetPrintOutputFile(const CString& pdfPath);
