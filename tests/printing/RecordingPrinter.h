#pragma once

#include "platform/gui/Bitmap32.h"
#include "platform/gui/PrinterCanvas.h"

#include <QRect>
#include <QString>
#include <QStringList>
#include <QVector>
#include <ostream>

// One picture as the sheet sent it to the page, its top-left corner at
// (X, Y), with the number of log lines written before it.
struct TRecordedPicture
{
    int X = 0;
    int Y = 0;
    TBitmap32 Bitmap;
    qsizetype LogLinesBefore = 0;
};

// One text as the sheet wrote it: printer position, font and alignment, and
// the place it covers on the page (right-aligned texts end at X).
struct TRecordedText
{
    int X = 0;
    int Y = 0;
    QString Text;
    TCanvasFont Font;
    TTextAlign Align = TTextAlign::taLeft;
    QRect Place;
    // The rows of Place that the letters ink.
    QRect Ink;
};

// A printer canvas that writes down every call. Log holds one line per call:
//   "Rect x1,y1,x2,y2"  "Fill x1,y1,x2,y2"  "MoveTo x,y"  "LineTo x,y"  "Draw x,y wxh"
//   "Text x,y size[b][R] text"  (b bold, R right-aligned)
// Text widths are fixed for tests (a font too large for them raises the
// overflow error, as on the program's canvas): half an em per character,
// length * size * pixels per inch / 144, truncated; a text is an em high,
// size * pixels per inch / 72, its baseline four fifths of that below its top;
// its ink runs from a fifth of that height below its top to its bottom.
class TRecordingCanvas : public TPageCanvas
{
public:
    void SetTextAlign(TTextAlign align) override { FAlign = align; }
    void Rectangle(int x1, int y1, int x2, int y2) override;
    void FillRect(int x1, int y1, int x2, int y2) override;
    void MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;
    void TextOut(int x, int y, const QString& text) override;
    int TextWidth(const QString& text) override;
    int TextHeight(const QString& text) override;
    int TextBaseline() override;
    TTextInk TextInk(const QString& text) override;
    void Draw(int x, int y, const TBitmap32& bitmap) override;

    QStringList Log;
    QVector<TRecordedText> Texts;
    // The colour of each drawn picture's top-left pixel, in drawing order.
    QVector<unsigned> DrawnCorners;
    // With KeepPictures on, every picture drawn, pixel for pixel.
    bool KeepPictures = false;
    QVector<TRecordedPicture> Pictures;

private:
    TTextAlign FAlign = TTextAlign::taLeft;
};

// A printer of a chosen page size and resolution (by default the layout
// space at 600 dots per inch) that draws into a TRecordingCanvas and is made
// the program's printer for its lifetime.
class TRecordingPrinter : public TPrinter
{
public:
    explicit TRecordingPrinter(int pageWidth = 4761, int pageHeight = 6780, int pixelsPerInch = 600);
    ~TRecordingPrinter() override;
    TRecordingPrinter(const TRecordingPrinter&) = delete;
    TRecordingPrinter& operator=(const TRecordingPrinter&) = delete;

    bool BeginDoc() override;
    void EndDoc() override;
    void Abort() override;
    int PageWidth() const override { return FPageWidth; }
    int PageHeight() const override { return FPageHeight; }
    int PixelsPerInchY() const override { return FPixelsPerInch; }
    TPageCanvas& Canvas() override { return Recorder; }

    TRecordingCanvas Recorder;
    // "BeginDoc <title>", "EndDoc" and "Abort", one per call.
    QStringList Jobs;

private:
    int FPageWidth;
    int FPageHeight;
    int FPixelsPerInch;
};

// The lines of log that start with prefix.
QStringList Matching(const QStringList& log, const QString& prefix);

// Readable failure messages for the logs.
void PrintTo(const QString& text, std::ostream* os);
