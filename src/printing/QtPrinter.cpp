#include "printing/QtPrinter.h"

#include "model/ErrorReport.h"
#include "platform/gui/PainterCanvas.h"
#include "printing/PrintUtils.h"

#include <QFile>
#include <QFileDialog>
#include <QPageSetupDialog>
#include <QPrinterInfo>

std::function<bool()> PrinterInstalled = [] { return !QPrinterInfo::availablePrinters().isEmpty(); };

std::function<QString()> AskPdfFileName = [] {
    QFileDialog dialog(nullptr, QStringLiteral("Print to file"), QString(), QStringLiteral("PDF files (*.pdf)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // A name typed without an extension gets ".pdf", so that other programs
    // open the file as the PDF it is.
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
};

// A set-up dialog, not the print dialog: it sets the paper up and neither
// prints nor asks about a file.
std::function<void()> PrintSetupDialog = [] {
    auto* printer = dynamic_cast<TQtPrinter*>(&Printer());
    if (!printer)
        return;
    QPageSetupDialog dialog(&printer->Device());
    dialog.exec();
};

TQtPrinter::TQtPrinter() : FPrinter(QPrinter::HighResolution)
{
    FPrinter.setPageSize(QPageSize(QPageSize::A4));
}

TQtPrinter::~TQtPrinter() = default;

bool TQtPrinter::BeginDoc()
{
    if (!PrinterInstalled()) {
        QString fileName = AskPdfFileName();
        if (fileName.isEmpty())
            return false;
        // A name with a dot of its own ("St. Louis Special") has no ".pdf"
        // from the dialog: the file gets it all the same.
        if (!fileName.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive))
            fileName += QLatin1String(".pdf");
        FPrinter.setOutputFormat(QPrinter::PdfFormat);
        FPrinter.setOutputFileName(fileName);
    }
    FPrinter.setDocName(Title);
    // A file that cannot be written or a printer that refuses the job must
    // not pass for a printed sheet: the user is told.
    if (!FPainter.begin(&FPrinter)) {
        const QString msg = FPrinter.outputFormat() == QPrinter::PdfFormat
                                ? QStringLiteral("The sheet could not be written to %1.").arg(FPrinter.outputFileName())
                                : QStringLiteral("The printer could not start the sheet.");
        ReportError(msg, QStringLiteral("PrintSheet"), 2);
        return false;
    }
    FCanvas = std::make_unique<TPainterCanvas>(FPainter);
    return true;
}

void TQtPrinter::EndDoc()
{
    FCanvas.reset();
    FPainter.end();
}

void TQtPrinter::Abort()
{
    FCanvas.reset();
    FPrinter.abort();
    FPainter.end();
    if (FPrinter.outputFormat() == QPrinter::PdfFormat)
        QFile::remove(FPrinter.outputFileName());
}

int TQtPrinter::PageWidth() const
{
    return FPrinter.width();
}

int TQtPrinter::PageHeight() const
{
    return FPrinter.height();
}

int TQtPrinter::PixelsPerInchY() const
{
    return FPrinter.logicalDpiY();
}

TPageCanvas& TQtPrinter::Canvas()
{
    return *FCanvas;
}
