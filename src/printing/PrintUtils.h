#pragma once

#include "platform/gui/PrinterCanvas.h"

#include <QString>

class TBitmap32;

// The printed sheets are laid out in a fixed space of 4761 x 6780 units, the
// printable area of an A4 page at 600 dots per inch; these primitives scale
// layout units to the pixels of the printer page when they draw. They draw on
// the canvas of Printer() between BeginDoc and EndDoc.

constexpr int LayoutWidth = 4761;
constexpr int LayoutHeight = 6780;

// The printer page in printer pixels, as ReadPrinterMetrics read them last.
extern int PageWidth;
extern int PageHeight;

// The printer the sheets go to: the program's Qt printer unless a test set
// another one. SetPrinter(nullptr) returns to the program's printer.
TPrinter& Printer();
void SetPrinter(TPrinter* printer);

// A rectangle of edges, right and bottom exclusive.
struct TRect
{
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
    bool operator==(const TRect&) const = default;
};

int ScaleX(int x);
int ScaleY(int y);
// The size to give the printer font for a nominal point size (doubled-scale
// sizes when the resolution is set by hand, PrinterRes).
int ScaleFontSize(int size);

// One line of text at a layout position; the family is the one set last.
void PrintText(const QString& text, int X, int Y, int size, TFontStyles style, bool centered);
// White-filled, outlined rectangle: a section box blanks what lies under it.
void PrintRect(int X, int Y, int W, int H);
// Rectangle outline of four lines.
void PrintBox(int X, int Y, int W, int H);
// A line from (X, Y) by (W, H); it ends one printer pixel left of X + W.
void PrintLine(int X, int Y, int W, int H);
// The picture enlarged by factor, its top-left corner at (X, Y).
void PrintImage(const TBitmap32& image, int X, int Y, int factor);

void ReadPrinterMetrics();
// The largest rectangle of src's shape centred in dst; r stays as it was for
// an empty src.
void FitRect(const TRect& src, const TRect& dst, TRect& r);
// The picture fitted and centred into dst (printer pixels), sent in square
// tiles of at most tileSize pixels.
void PrintBitmapTiled(const TBitmap32& bitmap, const TRect& dst, int tileSize);
