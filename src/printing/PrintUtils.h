#pragma once

#include "platform/gui/PrinterCanvas.h"

#include <QString>
#include <functional>

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

// The smallest size a text is shrunk to so that it fits its box; what does
// not fit even then is cut with an ellipsis, so that nothing runs over the
// box's edge or into the next column.
constexpr int ReadableFontSize = 6;

// The printer canvas font for a nominal point size and style, at the
// printer's resolution; the family is the one set last.
void SetPrintFont(int size, TFontStyles style);
// One line of text at a layout position; the family is the one set last.
void PrintText(const QString& text, int X, int Y, int size, TFontStyles style, bool centered);
// Sets the canvas font to size and, while fits(size) measures the text too
// large, one point smaller at a time, but not below minimum. Returns the size
// it stopped at, the canvas font left at it; when fits still fails there,
// the caller cuts its text (ElideText).
int ShrinkToFit(int size, int minimum, TFontStyles style, const std::function<bool(int)>& fits);
// What ends a text that was cut.
constexpr QChar Ellipsis(u'\u2026');
// The longest start of the text that, followed by an ellipsis, is at most
// width printer pixels wide in the canvas font, with that ellipsis.
QString CutText(const QString& text, int width);
// The text as it is when it is at most width printer pixels wide in the
// canvas font, else cut (CutText).
QString ElideText(const QString& text, int width);
// A bold size-10 heading at (X, Y), or centred on X, over a rule at ruleY:
// it rises as far as its descenders need to stand clear of the rule.
void PrintHeading(const QString& text, int X, int Y, int ruleY, bool centered);
// Whether the picture, printed at (X, Y) enlarged by factor (PrintImage),
// puts anything but white paper under the place (printer pixels).
bool DrawnUnder(const TBitmap32& image, int X, int Y, int factor, const TRect& place);
// A text as it will be printed: the text, cut if it had to be, its font
// and its place in printer pixels.
struct TPlacedText
{
    QString Text;
    int Size = 10;
    TFontStyles Style = 0;
    TRect Place;
};
// One line of text that keeps within the width W, from X or centred on it:
// shrunk from size down to ReadableFontSize, then cut with an ellipsis. A
// text printed smaller stands on the baseline it has at full size. Only
// placed, not printed yet.
TPlacedText PlaceFittedText(const QString& text, int X, int Y, int W, int size, TFontStyles style, bool centered);
void PrintPlacedText(const TPlacedText& placed);
// What a white field behind a text reaches beyond its ends, in layout units.
constexpr int FieldMargin = 8;
// A white field without an outline behind a text's place, so that the text
// stays readable over a picture; it is laid before the texts it serves.
void PrintField(const TRect& place);
// White-filled, outlined rectangle: a section box blanks what lies under it.
void PrintRect(int X, int Y, int W, int H);
// Rectangle outline of four lines.
void PrintBox(int X, int Y, int W, int H);
// A line from (X, Y) by (W, H); it ends one printer pixel left of X + W.
void PrintLine(int X, int Y, int W, int H);
// The picture enlarged by factor, its top-left corner at (X, Y).
void PrintImage(const TBitmap32& image, int X, int Y, int factor);

void ReadPrinterMetrics();
// The sheet font: the file Graphics/Fonts/StopD.ttf of the program's folder,
// which provides the family StopD. RegisterSheetFont makes it known to the
// program, UnregisterSheetFont withdraws it again; both do nothing when the
// file is absent or not a font.
void RegisterSheetFont();
void UnregisterSheetFont();
// The largest rectangle of src's shape centred in dst; r stays as it was for
// an empty src.
void FitRect(const TRect& src, const TRect& dst, TRect& r);
// The picture fitted and centred into dst (printer pixels), sent in square
// tiles of at most tileSize pixels.
void PrintBitmapTiled(const TBitmap32& bitmap, const TRect& dst, int tileSize);
