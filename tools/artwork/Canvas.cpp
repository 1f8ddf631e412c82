#include "Canvas.h"

#include <QDir>
#include <QFileInfo>
#include <QTransform>
#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace Art {

namespace {

// Five rows of three bits per character, the top row first.
struct TGlyph {
    char Char;
    unsigned char Rows[5];
};

constexpr TGlyph Glyphs[] = {
    {'0', {7, 5, 5, 5, 7}}, {'1', {2, 6, 2, 2, 7}}, {'2', {7, 1, 7, 4, 7}}, {'3', {7, 1, 3, 1, 7}},
    {'4', {5, 5, 7, 1, 1}}, {'5', {7, 4, 7, 1, 7}}, {'6', {7, 4, 7, 5, 7}}, {'7', {7, 1, 2, 2, 2}},
    {'8', {7, 5, 7, 5, 7}}, {'9', {7, 5, 7, 1, 7}}, {'A', {2, 5, 7, 5, 5}}, {'B', {6, 5, 6, 5, 6}},
    {'C', {3, 4, 4, 4, 3}}, {'D', {6, 5, 5, 5, 6}}, {'E', {7, 4, 6, 4, 7}}, {'F', {7, 4, 6, 4, 4}},
    {'G', {3, 4, 5, 5, 3}}, {'H', {5, 5, 7, 5, 5}}, {'I', {7, 2, 2, 2, 7}}, {'J', {1, 1, 1, 5, 2}},
    {'K', {5, 5, 6, 5, 5}}, {'L', {4, 4, 4, 4, 7}}, {'M', {5, 7, 7, 5, 5}}, {'N', {6, 5, 5, 5, 5}},
    {'O', {2, 5, 5, 5, 2}}, {'P', {6, 5, 6, 4, 4}}, {'Q', {2, 5, 5, 6, 3}}, {'R', {6, 5, 6, 5, 5}},
    {'S', {3, 4, 2, 1, 6}}, {'T', {7, 2, 2, 2, 2}}, {'U', {5, 5, 5, 5, 7}}, {'V', {5, 5, 5, 5, 2}},
    {'W', {5, 5, 7, 7, 5}}, {'X', {5, 5, 2, 5, 5}}, {'Y', {5, 5, 2, 2, 2}}, {'Z', {7, 1, 2, 4, 7}},
    {'-', {0, 0, 7, 0, 0}}, {'+', {0, 2, 7, 2, 0}}, {'?', {6, 1, 2, 0, 2}}, {'.', {0, 0, 0, 0, 2}},
    {'/', {1, 1, 2, 4, 4}}, {'\'', {2, 2, 0, 0, 0}}, {'&', {2, 5, 2, 5, 3}}, {' ', {0, 0, 0, 0, 0}},
};

const TGlyph* FindGlyph(QChar c)
{
    const char ascii = c.toUpper().toLatin1();
    for (const TGlyph& glyph : Glyphs)
        if (glyph.Char == ascii)
            return &glyph;
    return nullptr;
}

int Channel(QRgb color, int shift) { return int((color >> shift) & 0xFF); }

QRgb Scale(QRgb color, int percent, bool towardWhite)
{
    auto scale = [&](int shift) {
        const int c = Channel(color, shift);
        return towardWhite ? c + (245 - c) * percent / 100 : c * (100 - percent) / 100 + 12 * percent / 100;
    };
    return qRgb(scale(16), scale(8), scale(0));
}

} // namespace

QImage NewCanvas(int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(0xFFFFFFFFu);
    return image;
}

void Pixel(QImage& image, int x, int y, QRgb color)
{
    if (x >= 0 && y >= 0 && x < image.width() && y < image.height())
        reinterpret_cast<QRgb*>(image.scanLine(y))[x] = color;
}

void FillRect(QImage& image, int x, int y, int w, int h, QRgb color)
{
    for (int py = y; py < y + h; ++py)
        for (int px = x; px < x + w; ++px)
            Pixel(image, px, py, color);
}

void FrameRect(QImage& image, int x, int y, int w, int h, QRgb color)
{
    for (int px = x; px < x + w; ++px) {
        Pixel(image, px, y, color);
        Pixel(image, px, y + h - 1, color);
    }
    for (int py = y; py < y + h; ++py) {
        Pixel(image, x, py, color);
        Pixel(image, x + w - 1, py, color);
    }
}

void Plate(QImage& image, int x, int y, int w, int h, int corner, QRgb fill, QRgb outline)
{
    for (int py = 0; py < h; ++py) {
        // The corner cut is a diagonal: rows near the top and bottom edges are narrower.
        const int edge = std::min(py, h - 1 - py);
        const int inset = std::max(0, corner - edge);
        for (int px = inset; px < w - inset; ++px) {
            const bool border = px == inset || px == w - 1 - inset || py == 0 || py == h - 1 ||
                                (inset > 0 && (px == inset + 1 || px == w - 2 - inset) && edge < corner);
            Pixel(image, x + px, y + py, border ? outline : fill);
        }
    }
}

void FillEllipse(QImage& image, int x, int y, int w, int h, QRgb fill, QRgb outline)
{
    const double rx = w / 2.0;
    const double ry = h / 2.0;
    auto inside = [&](int px, int py) {
        if (px < 0 || py < 0 || px >= w || py >= h)
            return false;
        const double dx = (px + 0.5 - rx) / rx;
        const double dy = (py + 0.5 - ry) / ry;
        return dx * dx + dy * dy <= 1.0;
    };
    for (int py = 0; py < h; ++py)
        for (int px = 0; px < w; ++px) {
            if (!inside(px, py))
                continue;
            const bool edge = !inside(px - 1, py) || !inside(px + 1, py) || !inside(px, py - 1) || !inside(px, py + 1);
            Pixel(image, x + px, y + py, edge && outline != fill ? outline : fill);
        }
}

void Line(QImage& image, int x1, int y1, int x2, int y2, QRgb color)
{
    const int dx = std::abs(x2 - x1);
    const int dy = -std::abs(y2 - y1);
    const int sx = x1 < x2 ? 1 : -1;
    const int sy = y1 < y2 ? 1 : -1;
    int error = dx + dy;
    for (;;) {
        Pixel(image, x1, y1, color);
        if (x1 == x2 && y1 == y2)
            return;
        const int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            x1 += sx;
        }
        if (twice <= dx) {
            error += dx;
            y1 += sy;
        }
    }
}

void TinyText(QImage& image, int x, int y, const QString& text, QRgb color)
{
    for (const QChar c : text) {
        if (const TGlyph* glyph = FindGlyph(c))
            for (int row = 0; row < 5; ++row)
                for (int col = 0; col < 3; ++col)
                    if (glyph->Rows[row] & (4 >> col))
                        Pixel(image, x + col, y + row, color);
        x += 4;
    }
}

int TinyTextWidth(const QString& text)
{
    return text.isEmpty() ? 0 : 4 * int(text.size()) - 1;
}

void TinyTextCentred(QImage& image, int cx, int y, const QString& text, QRgb color)
{
    TinyText(image, cx - TinyTextWidth(text) / 2, y, text, color);
}

QImage Turned(const QImage& image, int quarterTurns)
{
    const int turns = ((quarterTurns % 4) + 4) % 4;
    return turns == 0 ? image : image.transformed(QTransform().rotate(90.0 * turns));
}

QImage Mirrored(const QImage& image)
{
    return image.mirrored(true, false);
}

void Stamp(QImage& dst, const QImage& src, int x, int y)
{
    for (int py = 0; py < src.height(); ++py)
        for (int px = 0; px < src.width(); ++px) {
            const QRgb color = src.pixel(px, py);
            if (color != 0xFFFFFFFFu)
                Pixel(dst, x + px, y + py, color);
        }
}

void Save(const QImage& image, const QString& path)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    if (!image.convertToFormat(QImage::Format_RGB32).save(path, "PNG")) {
        std::fprintf(stderr, "artwork: cannot write %s\n", qPrintable(path));
        std::exit(1);
    }
}

QRgb Darker(QRgb color, int percent)
{
    return Scale(color, percent, false);
}

QRgb Lighter(QRgb color, int percent)
{
    return Scale(color, percent, true);
}

} // namespace Art
