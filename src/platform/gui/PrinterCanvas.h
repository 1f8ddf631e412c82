#pragma once

#include <QString>

class TBitmap32;

// Font styles of the printer canvas as a set of bits; the sheets use bold only.
using TFontStyles = unsigned;
constexpr TFontStyles fsBold = 1;

// The printer canvas's font: family, size in points, styles, and the pixels
// per inch by which the size becomes a height in printer pixels.
struct TCanvasFont
{
    QString Name;
    int Size = 10;
    TFontStyles Style = 0;
    int PixelsPerInch = 96;
};

// How far down from the top that TextOut is given a text's ink reaches: its
// highest inked row is Top, its lowest Bottom - 1.
struct TTextInk
{
    int Top = 0;
    int Bottom = 0;
    int Height() const { return Bottom - Top; }
};

// Where TextOut's x lies: the text's left edge or its right edge.
enum class TTextAlign { taLeft, taRight };

// The canvas of a printer page, in printer pixels. TextOut writes with the
// font of the moment, the top of the text cell at y; Rectangle fills with
// white and outlines with the pen, its right and bottom edges exclusive;
// FillRect only fills with white, without an outline; LineTo draws from the
// pen position and moves the pen to its end.
class TPageCanvas
{
public:
    virtual ~TPageCanvas() = default;

    TCanvasFont Font;

    virtual void SetTextAlign(TTextAlign align) = 0;
    virtual void Rectangle(int x1, int y1, int x2, int y2) = 0;
    virtual void FillRect(int x1, int y1, int x2, int y2) = 0;
    virtual void MoveTo(int x, int y) = 0;
    virtual void LineTo(int x, int y) = 0;
    virtual void TextOut(int x, int y, const QString& text) = 0;
    virtual int TextWidth(const QString& text) = 0;
    // The height of the text's cell from the top that TextOut is given.
    virtual int TextHeight(const QString& text) = 0;
    // The distance from that top down to the baseline in the font of the moment.
    virtual int TextBaseline() = 0;
    // The rows the text's letters ink in the font of the moment; an empty
    // text inks none.
    virtual TTextInk TextInk(const QString& text) = 0;
    // Sends a picture to the page with its top-left corner at (x, y), pixel for pixel.
    virtual void Draw(int x, int y, const TBitmap32& bitmap) = 0;
};

// The printer object: one document at a time, one page per document.
class TPrinter
{
public:
    virtual ~TPrinter() = default;

    QString Title;

    // False when no job could be started (no printer and no file chosen);
    // nothing is drawn then and EndDoc is not called.
    virtual bool BeginDoc() = 0;
    virtual void EndDoc() = 0;
    // Drops the document begun, in place of EndDoc: a printer cancels the
    // job, a file being written is removed.
    virtual void Abort() = 0;
    // The printable page in printer pixels.
    virtual int PageWidth() const = 0;
    virtual int PageHeight() const = 0;
    // The vertical resolution, the pixels per inch that printer fonts are given.
    virtual int PixelsPerInchY() const = 0;
    // Valid between BeginDoc and EndDoc.
    virtual TPageCanvas& Canvas() = 0;
};
