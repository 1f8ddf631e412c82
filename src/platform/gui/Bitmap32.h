#pragma once

#include <QFont>
#include <QImage>
#include <QRect>
#include <QString>
#include <cstdint>

// A pixel written $AARRGGBB: alpha, red, green, blue.
using TColor32 = std::uint32_t;

constexpr TColor32 clWhite32 = 0xFFFFFFFFu;
constexpr TColor32 clBlack32 = 0xFF000000u;

constexpr TColor32 Color32(int r, int g, int b, int a = 255)
{
    return (TColor32(a & 0xFF) << 24) | (TColor32(r & 0xFF) << 16) | (TColor32(g & 0xFF) << 8) | TColor32(b & 0xFF);
}

// How a picture combines with the one it is drawn onto: opaque pictures
// replace the target's pixels, blended ones mix in by their alpha times the
// master alpha, so a pixel of alpha 0 leaves the target as it was.
enum class TDrawMode { dmOpaque, dmBlend };

// A 32-bit ARGB picture. Everything whose pixel value decides something later
// (masks, the test map's solid black, hit tests) works on the pixels directly,
// so the results are exact; only text goes through QPainter.
class TBitmap32
{
public:
    TBitmap32() = default;
    TBitmap32(int width, int height);

    int Width() const { return FImage.width(); }
    int Height() const { return FImage.height(); }
    bool Empty() const { return FImage.isNull(); }
    bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < Width() && y < Height(); }

    // New pixels are transparent black ($00000000); a size of 0 empties the picture.
    void SetSize(int width, int height);
    void Clear(TColor32 color);

    // Unchecked access: the position must lie inside the picture.
    TColor32 Pixel(int x, int y) const { return reinterpret_cast<const TColor32*>(FImage.constScanLine(y))[x]; }
    // One row of pixels, for loops that visit a whole row.
    const TColor32* ScanLine(int y) const { return reinterpret_cast<const TColor32*>(FImage.constScanLine(y)); }
    TColor32* ScanLine(int y) { return reinterpret_cast<TColor32*>(FImage.scanLine(y)); }
    void SetPixel(int x, int y, TColor32 color) { reinterpret_cast<TColor32*>(FImage.scanLine(y))[x] = color; }
    // Clipped writing: a position outside the picture changes nothing.
    void SetPixelS(int x, int y, TColor32 color);

    TDrawMode DrawMode = TDrawMode::dmOpaque;
    std::uint8_t MasterAlpha = 255;

    // Reads a picture file (the file name's extension decides the format).
    // Every pixel becomes opaque: only the white rule of the part pictures may
    // make pixels transparent, never the file's own alpha. Raises EError
    // naming the file when it cannot be read.
    void LoadFromFile(const QString& fileName);
    // Writes the picture without an alpha channel; false on failure.
    bool SaveToFile(const QString& fileName) const;

    // Draws the whole picture, or the part srcRect of it, with its top-left
    // corner at (x, y) of dst, by this picture's draw mode and master alpha;
    // whatever falls outside dst is cut off.
    void DrawTo(TBitmap32& dst, int x, int y) const;
    void DrawTo(TBitmap32& dst, int x, int y, const QRect& srcRect) const;

    // The mask-to-alpha filter: the alpha of every pixel becomes the intensity
    // of the mask's pixel at the same place (white 255, black 0). The mask has
    // this picture's size.
    void SetAlphaFromIntensity(const TBitmap32& mask);

    // Draws this square picture into dst turned about the point
    // (Width div 2, Height div 2) by degrees, positive counter-clockwise as
    // seen on the screen; the nearest source pixel is taken, so quarter turns
    // move pixels exactly. Pixels of dst whose source lies outside this
    // picture stay as they were; the others combine by this picture's draw mode.
    void DrawRotatedTo(TBitmap32& dst, double degrees) const;

    // Quarter turns in place, clockwise (Rotate90) and counter-clockwise
    // (Rotate270) on the screen; width and height swap.
    void Rotate90();
    void Rotate270();

    // A line from (x1, y1) to (x2, y2), both ends included, pixel by pixel.
    void Line(int x1, int y1, int x2, int y2, TColor32 color);

    // Text with its top-left corner at (x, y) in Font and FontColor.
    void TextOut(int x, int y, const QString& text);
    int TextWidth(const QString& text) const;
    // A picture's own text settings start as a small sans face of a fixed
    // pixel height, so that drawn text looks the same on every screen.
    static QFont DefaultFont();
    QFont Font = DefaultFont();
    TColor32 FontColor = clBlack32;

    // The pixels as a Qt picture, for showing and printing.
    const QImage& Image() const { return FImage; }

private:
    // A source pixel drawn over a target pixel in this picture's draw mode.
    TColor32 Put(TColor32 source, TColor32 target) const;

    QImage FImage;
};

// Intensity of a pixel's colour, 0 to 255 (white 255, black 0).
int Intensity(TColor32 color);
