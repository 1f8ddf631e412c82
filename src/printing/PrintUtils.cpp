#include "printing/PrintUtils.h"

#include "model/Global.h"
#include "platform/FileLookup.h"
#include "platform/Numbers.h"
#include "platform/gui/Bitmap32.h"
#include "printing/QtPrinter.h"

#include <QFileInfo>
#include <QFontDatabase>
#include <QVector>
#include <algorithm>

int PageWidth = LayoutWidth;
int PageHeight = LayoutHeight;

namespace {

TPrinter* CurrentPrinter = nullptr;
// The tiles in which PrintImage sends a picture.
constexpr int ImageTileSize = 1024;
// The program's font database's number for the registered sheet font, -1
// while none is registered.
int SheetFontId = -1;

int Mix(TColor32 pixel, int shift, int alpha)
{
    const int channel = int((pixel >> shift) & 0xFFu);
    return (channel * alpha + 255 * (255 - alpha) + 127) / 255;
}

// A pixel of bitmap as it comes out on white paper, by bitmap's draw mode.
TColor32 OnWhitePaper(const TBitmap32& bitmap, TColor32 pixel)
{
    const int alpha = bitmap.DrawMode == TDrawMode::dmOpaque ? 255 : int(pixel >> 24) * bitmap.MasterAlpha / 255;
    return Color32(Mix(pixel, 16, alpha), Mix(pixel, 8, alpha), Mix(pixel, 0, alpha));
}

// Where a picture printed at (X, Y) enlarged by factor lands on the page.
TRect PicturePlace(const TBitmap32& image, int X, int Y, int factor)
{
    return TRect{ScaleX(X), ScaleY(Y), ScaleX(X + image.Width() * factor), ScaleY(Y + image.Height() * factor)};
}

// The part src of bitmap stretched over the whole tile, nearest pixel, by
// bitmap's draw mode over white paper: a tile starts blank, so what the
// picture leaves transparent prints white and not black.
void StretchOnto(const TBitmap32& bitmap, int srcLeft, int srcTop, int srcRight, int srcBottom, TBitmap32& tile)
{
    const int sw = srcRight - srcLeft;
    const int sh = srcBottom - srcTop;
    if (sw <= 0 || sh <= 0) {
        tile.Clear(clWhite32);
        return;
    }
    // Every tile pixel is written, row by row, from its nearest source pixel.
    QVector<int> sourceColumn(tile.Width());
    for (int x = 0; x < tile.Width(); ++x)
        sourceColumn[x] = std::min(bitmap.Width() - 1, srcLeft + int(qint64(x) * sw / tile.Width()));
    for (int y = 0; y < tile.Height(); ++y) {
        const int sy = std::min(bitmap.Height() - 1, srcTop + int(qint64(y) * sh / tile.Height()));
        const TColor32* source = bitmap.ScanLine(sy);
        TColor32* target = tile.ScanLine(y);
        for (int x = 0; x < tile.Width(); ++x)
            target[x] = OnWhitePaper(bitmap, source[sourceColumn[x]]);
    }
}

} // namespace

TPrinter& Printer()
{
    if (CurrentPrinter)
        return *CurrentPrinter;
    static TQtPrinter programPrinter;
    return programPrinter;
}

void SetPrinter(TPrinter* printer)
{
    CurrentPrinter = printer;
}

int ScaleX(int x)
{
    return RoundDiv(static_cast<long long>(x) * PageWidth, LayoutWidth);
}

int ScaleY(int y)
{
    return RoundDiv(static_cast<long long>(y) * PageHeight, LayoutHeight);
}

int ScaleFontSize(int size)
{
    if (!PrinterRes)
        return size;
    return RoundDiv(2LL * size * PageHeight, LayoutHeight);
}

void SetPrintFont(int size, TFontStyles style)
{
    TCanvasFont& font = Printer().Canvas().Font;
    font.Size = ScaleFontSize(size);
    font.Style = style;
    font.PixelsPerInch = Printer().PixelsPerInchY();
}

void PrintText(const QString& text, int X, int Y, int size, TFontStyles style, bool centered)
{
    SetPrintFont(size, style);
    TPageCanvas& canvas = Printer().Canvas();
    int x = ScaleX(X);
    if (centered)
        x -= canvas.TextWidth(text) / 2;
    canvas.TextOut(x, ScaleY(Y), text);
}

void PrintHeading(const QString& text, int X, int Y, int ruleY, bool centered)
{
    SetPrintFont(10, fsBold);
    TPageCanvas& canvas = Printer().Canvas();
    int x = ScaleX(X);
    if (centered)
        x -= canvas.TextWidth(text) / 2;
    const int clearance = std::max(1, ScaleY(3));
    canvas.TextOut(x, std::min(ScaleY(Y), ScaleY(ruleY) - clearance - canvas.TextHeight(text)), text);
}

int ShrinkToFit(int size, int minimum, TFontStyles style, const std::function<bool(int)>& fits)
{
    for (;; --size) {
        SetPrintFont(size, style);
        if (size <= minimum || fits(size))
            return size;
    }
}

QString CutText(const QString& text, int width)
{
    TPageCanvas& canvas = Printer().Canvas();
    QString kept = text;
    while (!kept.isEmpty() && canvas.TextWidth(kept + Ellipsis) > width) {
        kept.chop(1);
        // A cut word is not left hanging after a blank.
        while (kept.endsWith(QLatin1Char(' ')))
            kept.chop(1);
    }
    return kept + Ellipsis;
}

QString ElideText(const QString& text, int width)
{
    return Printer().Canvas().TextWidth(text) <= width ? text : CutText(text, width);
}

namespace {

// Shrinks the canvas font from size down to ReadableFontSize until text
// keeps within the width W (layout units), then cuts text (ElideText) if it
// still does not; returns the size, the canvas font left at it.
int FitText(QString& text, int W, int size, TFontStyles style)
{
    TPageCanvas& canvas = Printer().Canvas();
    const int limit = ScaleX(W);
    const auto fits = [&](int) { return canvas.TextWidth(text) <= limit; };
    const int fitted = ShrinkToFit(size, ReadableFontSize, style, fits);
    text = ElideText(text, limit);
    return fitted;
}

} // namespace

TPlacedText PlaceFittedText(const QString& text, int X, int Y, int W, int size, TFontStyles style, bool centered)
{
    TPageCanvas& canvas = Printer().Canvas();
    SetPrintFont(size, style);
    const int baseline = canvas.TextBaseline();
    TPlacedText placed{text, size, style, {}};
    placed.Size = FitText(placed.Text, W, size, style);
    // A text printed smaller stands on the baseline the row has at full size.
    const int y = ScaleY(Y) + baseline - canvas.TextBaseline();
    const int width = canvas.TextWidth(placed.Text);
    const int x = centered ? ScaleX(X) - width / 2 : ScaleX(X);
    placed.Place = TRect{x, y, x + width, y + canvas.TextHeight(placed.Text)};
    return placed;
}

void PrintPlacedText(const TPlacedText& placed)
{
    SetPrintFont(placed.Size, placed.Style);
    Printer().Canvas().TextOut(placed.Place.Left, placed.Place.Top, placed.Text);
}

void PrintField(const TRect& place)
{
    const int margin = std::max(1, ScaleX(FieldMargin));
    Printer().Canvas().FillRect(place.Left - margin, place.Top, place.Right + margin, place.Bottom);
}

bool DrawnUnder(const TBitmap32& image, int X, int Y, int factor, const TRect& place)
{
    if (image.Empty())
        return false;
    TRect r;
    FitRect(TRect{0, 0, image.Width(), image.Height()}, PicturePlace(image, X, Y, factor), r);
    if (r.Width() <= 0 || r.Height() <= 0)
        return false;
    // The picture's pixel that the printer stretches under printer pixel p,
    // as PrintImage's tiles round their sources, each on its own.
    const auto source = [](int p, int origin, int printed, int pixels) {
        const double f = double(pixels) / printed;
        const int offset = std::clamp(p - origin, 0, printed - 1);
        const int tileStart = offset / ImageTileSize * ImageTileSize;
        const int tileLength = std::min(ImageTileSize, printed - tileStart);
        const int first = Round(tileStart * f);
        const int last = tileStart + ImageTileSize > printed ? pixels : Round((tileStart + ImageTileSize) * f);
        return std::min(pixels - 1, first + int(qint64(offset - tileStart) * (last - first) / tileLength));
    };
    if (place.Right <= r.Left || place.Left >= r.Right || place.Bottom <= r.Top || place.Top >= r.Bottom)
        return false;
    const int x0 = source(place.Left, r.Left, r.Width(), image.Width());
    const int x1 = source(place.Right - 1, r.Left, r.Width(), image.Width());
    const int y0 = source(place.Top, r.Top, r.Height(), image.Height());
    const int y1 = source(place.Bottom - 1, r.Top, r.Height(), image.Height());
    for (int y = y0; y <= y1; ++y) {
        const TColor32* row = image.ScanLine(y);
        for (int x = x0; x <= x1; ++x)
            if ((OnWhitePaper(image, row[x]) & 0xFFFFFFu) != 0xFFFFFFu)
                return true;
    }
    return false;
}

void PrintRect(int X, int Y, int W, int H)
{
    const int x0 = ScaleX(X);
    const int y0 = ScaleY(Y);
    Printer().Canvas().Rectangle(x0, y0, x0 + ScaleX(W), y0 + ScaleY(H));
}

void PrintBox(int X, int Y, int W, int H)
{
    const int x0 = ScaleX(X);
    const int y0 = ScaleY(Y);
    const int w = ScaleX(W);
    const int h = ScaleY(H);
    TPageCanvas& canvas = Printer().Canvas();
    canvas.MoveTo(x0, y0);
    canvas.LineTo(x0 + w, y0);
    canvas.LineTo(x0 + w, y0 + h);
    canvas.LineTo(x0, y0 + h);
    canvas.LineTo(x0, y0);
}

void PrintLine(int X, int Y, int W, int H)
{
    const int x0 = ScaleX(X);
    const int y0 = ScaleY(Y);
    TPageCanvas& canvas = Printer().Canvas();
    canvas.MoveTo(x0, y0);
    canvas.LineTo(x0 + ScaleX(W) - 1, y0 + ScaleY(H));
}

void PrintImage(const TBitmap32& image, int X, int Y, int factor)
{
    PrintBitmapTiled(image, PicturePlace(image, X, Y, factor), ImageTileSize);
}

void ReadPrinterMetrics()
{
    if (PrinterRes) {
        PageHeight = PrinterResY;
        PageWidth = PrinterResX;
    } else {
        PageHeight = Printer().PageHeight();
        PageWidth = Printer().PageWidth();
    }
}

void RegisterSheetFont()
{
    const QString file = ResolvePath(QStringLiteral("Graphics/Fonts/StopD.ttf"));
    if (SheetFontId != -1 || !QFileInfo(file).isFile())
        return;
    SheetFontId = QFontDatabase::addApplicationFont(file);
}

void UnregisterSheetFont()
{
    if (SheetFontId == -1)
        return;
    QFontDatabase::removeApplicationFont(SheetFontId);
    SheetFontId = -1;
}

void FitRect(const TRect& src, const TRect& dst, TRect& r)
{
    const int sw = src.Width();
    const int sh = src.Height();
    if (sw == 0 || sh == 0)
        return;
    const int dw = dst.Width();
    const int dh = dst.Height();
    // The products are 32-bit integers, as the page sizes of a sheet keep them.
    if (Extended(dw) / dh >= Extended(sw) / sh) {
        const int nw = Round(Extended(CheckedMul(dh, sw)) / sh);
        const int left = dst.Left + (dw - nw) / 2;
        r = TRect{left, dst.Top, left + nw, dst.Bottom};
    } else {
        const int nh = Round(Extended(CheckedMul(sh, dw)) / sw);
        const int top = dst.Top + (dh - nh) / 2;
        r = TRect{dst.Left, top, dst.Right, top + nh};
    }
}

void PrintBitmapTiled(const TBitmap32& bitmap, const TRect& dst, int tileSize)
{
    if (bitmap.Empty())
        return;
    TRect r;
    FitRect(TRect{0, 0, bitmap.Width(), bitmap.Height()}, dst, r);
    const int rw = r.Width();
    const int rh = r.Height();
    if (rw <= 0 || rh <= 0)
        return;
    const double fx = double(bitmap.Width()) / rw;
    const double fy = double(bitmap.Height()) / rh;
    const int columns = (rw + tileSize - 1) / tileSize;
    const int rows = (rh + tileSize - 1) / tileSize;
    TPageCanvas& canvas = Printer().Canvas();
    TBitmap32 tile;
    for (int i = 0; i < columns; ++i) {
        for (int j = 0; j < rows; ++j) {
            const int x0 = r.Left + i * tileSize;
            const int y0 = r.Top + j * tileSize;
            if (tile.Width() != tileSize || tile.Height() != tileSize)
                tile.SetSize(tileSize, tileSize);
            const int srcLeft = Round((x0 - r.Left) * fx);
            const int srcTop = Round((y0 - r.Top) * fy);
            int srcRight;
            if (x0 + tileSize > r.Right) {
                srcRight = bitmap.Width();
                tile.SetSize(r.Right - x0, tile.Height());
            } else {
                srcRight = Round((x0 - r.Left + tileSize) * fx);
            }
            int srcBottom;
            if (y0 + tileSize > r.Bottom) {
                srcBottom = bitmap.Height();
                tile.SetSize(tile.Width(), r.Bottom - y0);
            } else {
                srcBottom = Round((y0 - r.Top + tileSize) * fy);
            }
            StretchOnto(bitmap, srcLeft, srcTop, srcRight, srcBottom, tile);
            canvas.Draw(x0, y0, tile);
        }
    }
}
