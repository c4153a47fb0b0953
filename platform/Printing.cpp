#include "Printing.h"

#include <QFileInfo>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include <algorithm>
#include <memory>

#include "DC.h"
#include "qt/DCImpl.h"
#include "qt/GdiAccess.h"
#include "qt/WidgetAccess.h"

namespace {

QPrinter& ThePrinter() {
    static std::unique_ptr<QPrinter> printer;
    if (!printer) printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *printer;
}

std::function<BOOL(PrintDialogKind, CPrintInfo*)>& Handler() {
    static std::function<BOOL(PrintDialogKind, CPrintInfo*)> handler;
    return handler;
}

QWidget* ParentOf(CWnd* owner) {
    QWidget* widget = WidgetOf(owner);
    return widget ? widget->window() : nullptr;
}

// A printer DC whose default font looks on paper as the screen font looks on the screen.
std::unique_ptr<CDC> PageDC(QPrinter& printer, QPainter& painter) {
    std::unique_ptr<CDC> dc = CreatePrinterDC(&printer, &painter);
    CDC::Impl* d = ImplOf(dc.get());
    auto font = std::make_shared<GdiObjectData>(d->FontData());
    font->owner = nullptr;
    const double scale = double(printer.logicalDpiY()) / ScreenDpiY();
    font->font.setPixelSize(std::max(1, qRound(font->font.pixelSize() * scale)));
    font->logFont.lfHeight = -font->font.pixelSize();
    d->state.font = std::move(font);
    return dc;
}

// The job's name in the printer queue, and the file name a print to a file starts from:
// characters a file name cannot hold, and dots (the print dialog cuts at the last one),
// become "_".
QString DocumentName(const CPrintJob& job) {
    QString name = ToQString(job.fileName.IsEmpty() ? job.title : job.fileName).trimmed();
    for (QChar& c : name)
        if (QStringLiteral("/\\:*?\"<>|.").contains(c)) c = u'_';
    return name;
}

// A printer that last printed to a file offers that folder again, under this job's name.
void OfferFileName(QPrinter& printer, const QString& name) {
    if (printer.outputFormat() != QPrinter::PdfFormat || printer.outputFileName().isEmpty() || name.isEmpty()) return;
    printer.setOutputFileName(QFileInfo(printer.outputFileName()).absolutePath() + u'/' + name + ".pdf");
}

BOOL RunJob(QPrinter& printer, const CPrintJob& job, CPrintInfo& info) {
    if (!job.printPage) return FALSE;
    printer.setDocName(DocumentName(job));
    QPainter painter;
    if (!painter.begin(&printer)) return FALSE;
    const CRect page(0, 0, printer.width(), printer.height());
    info.m_rectDraw = page;
    if (job.beginPrinting) job.beginPrinting(PageDC(printer, painter).get(), &info);
    const UINT first = std::max(info.GetMinPage(), info.GetFromPage());
    const UINT last = std::min(info.GetMaxPage(), info.GetToPage());
    const bool countKnown = info.GetMaxPage() != 0xFFFF;
    info.m_bContinuePrinting = TRUE;
    for (UINT number = first; number <= last && info.m_bContinuePrinting; ++number) {
        if (number > first) {
            if (!countKnown) break;
            printer.newPage();
        }
        info.m_nCurPage = number;
        info.m_rectDraw = page;
        painter.save();
        job.printPage(PageDC(printer, painter).get(), &info);
        painter.restore();
    }
    if (job.endPrinting) job.endPrinting(PageDC(printer, painter).get(), &info);
    return painter.end() ? TRUE : FALSE;
}

}  // namespace

void SetPrintDialogHandler(std::function<BOOL(PrintDialogKind, CPrintInfo*)> handler) { Handler() = std::move(handler); }

void SetPrintOutputFile(const CString& pdfPath) {
    QPrinter& printer = ThePrinter();
    if (pdfPath.IsEmpty()) {
        printer.setOutputFileName(QString());
        printer.setOutputFormat(QPrinter::NativeFormat);
    } else {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(ToQString(pdfPath));
    }
}

BOOL DoPreparePrinting(CWnd* owner, CPrintInfo* info) {
    CPrintInfo unused;
    CPrintInfo& chosen = info ? *info : unused;
    if (chosen.m_bDirect) return TRUE;
    if (Handler()) return Handler()(PrintDialogKind::Print, &chosen);
    QPrinter& printer = ThePrinter();
    QPrintDialog dialog(&printer, ParentOf(owner));
    dialog.setMinMax(static_cast<int>(chosen.GetMinPage()), static_cast<int>(std::min<UINT>(chosen.GetMaxPage(), 9999)));
    if (dialog.exec() != QDialog::Accepted) return FALSE;
    if (printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0) {
        chosen.m_nFromPage = static_cast<UINT>(printer.fromPage());
        chosen.m_nToPage = static_cast<UINT>(printer.toPage());
    } else {
        chosen.m_nFromPage = chosen.GetMinPage();
        chosen.m_nToPage = chosen.GetMaxPage();
    }
    return TRUE;
}

BOOL PrintJob(const CPrintJob& job, CPrintInfo* info) {
    CPrintInfo unused;
    return RunJob(ThePrinter(), job, info ? *info : unused);
}

void PrintPreview(CWnd* owner, const CPrintJob& job) {
    QPrinter& printer = ThePrinter();
    if (Handler()) {
        CPrintInfo info;
        info.m_bPreview = TRUE;
        if (!printer.outputFileName().isEmpty()) RunJob(printer, job, info);
        Handler()(PrintDialogKind::Preview, &info);
        return;
    }
    printer.setDocName(DocumentName(job));
    OfferFileName(printer, DocumentName(job));
    QPrintPreviewDialog dialog(&printer, ParentOf(owner));
    dialog.setWindowTitle(job.title.IsEmpty() ? QString::fromUtf8("Преглед преди печат") : ToQString(job.title));
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog, [&job](QPrinter* target) {
        CPrintInfo info;
        info.m_bPreview = TRUE;
        RunJob(*target, job, info);
    });
    dialog.exec();
}

BOOL DoPrintSetup(CWnd* owner) {
    if (Handler()) {
        CPrintInfo info;
        return Handler()(PrintDialogKind::PageSetup, &info);
    }
    QPageSetupDialog dialog(&ThePrinter(), ParentOf(owner));
    return dialog.exec() == QDialog::Accepted ? TRUE : FALSE;
}
