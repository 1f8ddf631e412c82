#pragma once

#include "platform/gui/PrinterCanvas.h"

#include <QPainter>
#include <QPrinter>
#include <QString>
#include <functional>
#include <memory>

class TPainterCanvas;

// The program's printer: the system's current printer through Qt, or, when
// no printer is installed, a PDF file that the user names when the job starts.
class TQtPrinter : public TPrinter
{
public:
    TQtPrinter();
    ~TQtPrinter() override;

    // Reports it when the named file or the printer cannot take the job.
    bool BeginDoc() override;
    void EndDoc() override;
    void Abort() override;
    int PageWidth() const override;
    int PageHeight() const override;
    int PixelsPerInchY() const override;
    TPageCanvas& Canvas() override;

    QPrinter& Device() { return FPrinter; }

private:
    QPrinter FPrinter;
    QPainter FPainter;
    std::unique_ptr<TPainterCanvas> FCanvas;
};

// Seams for running without a printer and without dialogs: whether the
// system has a printer, the PDF file the user names when it has none (empty:
// the job is not started), and the printer set-up dialog.
extern std::function<bool()> PrinterInstalled;
extern std::function<QString()> AskPdfFileName;
extern std::function<void()> PrintSetupDialog;
