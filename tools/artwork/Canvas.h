#pragma once

#include <QColor>
#include <QImage>
#include <QString>

// Drawing helpers of the artwork program. Pictures are drawn pixel by pixel
// without antialiasing wherever a pixel value matters to the program: exact
// white is the transparent colour, and exact black on the test map is solid
// matter, so drawn colours keep clear of both.
namespace Art {

// A canvas of the given size, filled with the transparent white.
QImage NewCanvas(int width, int height);

void Pixel(QImage& image, int x, int y, QRgb color);
void FillRect(QImage& image, int x, int y, int w, int h, QRgb color);
// The outline of a rectangle, one pixel wide.
void FrameRect(QImage& image, int x, int y, int w, int h, QRgb color);
// A rectangle with cut corners filled and outlined: a plate of the plans.
void Plate(QImage& image, int x, int y, int w, int h, int corner, QRgb fill, QRgb outline);
// An ellipse inside the rectangle, filled, with an optional outline ring.
void FillEllipse(QImage& image, int x, int y, int w, int h, QRgb fill, QRgb outline);
void Line(QImage& image, int x1, int y1, int x2, int y2, QRgb color);

// A 3 x 5 pixel typeface for labels on small pictures: letters (upper-cased),
// digits and a few signs, 4 pixels per character.
void TinyText(QImage& image, int x, int y, const QString& text, QRgb color);
int TinyTextWidth(const QString& text);
// Centred on the column cx, top at y.
void TinyTextCentred(QImage& image, int cx, int y, const QString& text, QRgb color);

// Quarter turns clockwise on the screen; exact, pixels only move.
QImage Turned(const QImage& image, int quarterTurns);
QImage Mirrored(const QImage& image);
// Copies src onto dst at (x, y), leaving dst where src is exactly white.
void Stamp(QImage& dst, const QImage& src, int x, int y);

// Writes the picture as a PNG without alpha channel, creating its folder;
// stops the program with a message when that fails.
void Save(const QImage& image, const QString& path);

// The palette: nothing here is exact white or exact black.
constexpr QRgb Ink = 0xFF283040u;       // outlines
constexpr QRgb Steel = 0xFF7A8494u;
constexpr QRgb SteelLight = 0xFFAEB6C2u;
constexpr QRgb Rubber = 0xFF3A3C42u;
constexpr QRgb RubberLight = 0xFF62656Cu;
constexpr QRgb Glass = 0xFFA8C4DAu;
constexpr QRgb Paper = 0xFFF6F4EEu;    // the inside of boxes meant for pencil marks
constexpr QRgb Signal = 0xFFD8282Cu;   // red
constexpr QRgb Amber = 0xFFF0B428u;

QRgb Darker(QRgb color, int percent);
QRgb Lighter(QRgb color, int percent);

} // namespace Art
