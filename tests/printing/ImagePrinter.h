#pragma once

#include "platform/gui/PainterCanvas.h"
#include "platform/gui/PrinterCanvas.h"

#include <QImage>
#include <QPainter>
#include <QRect>
#include <QVector>
#include <memory>

// A text as the program's own canvas wrote it on the picture: where, in
// which font size, and the rows its letters inked.
struct TDrawnText
{
    int X = 0;
    int Y = 0;
    QString Text;
    int Size = 0;
    TTextInk Ink;
};

// The program's own canvas (real fonts, real pixels) with every text it
// writes noted down.
class TNotingCanvas : public TPainterCanvas
{
public:
    using TPainterCanvas::TPainterCanvas;
    void TextOut(int x, int y, const QString& text) override;

    QVector<TDrawnText> Texts;
};

// A printer of a chosen page size and resolution that draws, with the
// program's own canvas, the part Window of its page (printer pixels) into a
// picture; it is made the program's printer for its lifetime.
class TImagePrinter : public TPrinter
{
public:
    TImagePrinter(int pageWidth, int pageHeight, int pixelsPerInch, const QRect& window);
    ~TImagePrinter() override;
    TImagePrinter(const TImagePrinter&) = delete;
    TImagePrinter& operator=(const TImagePrinter&) = delete;

    bool BeginDoc() override;
    void EndDoc() override;
    void Abort() override;
    int PageWidth() const override { return FPageWidth; }
    int PageHeight() const override { return FPageHeight; }
    int PixelsPerInchY() const override { return FPixelsPerInch; }
    TPageCanvas& Canvas() override { return *FCanvas; }
    TNotingCanvas& Noted() { return *FCanvas; }

    // Whether the page's pixel (x, y) is inked (darker than mid grey).
    bool Inked(int x, int y) const;

    QImage Page;
    QRect Window;

private:
    int FPageWidth;
    int FPageHeight;
    int FPixelsPerInch;
    QPainter FPainter;
    std::unique_ptr<TNotingCanvas> FCanvas;
};
