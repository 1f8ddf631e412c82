#include "platform/gui/Bitmap32.h"

#include "platform/Errors.h"

#include <QFontMetrics>
#include <QImageReader>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

int ChannelOf(TColor32 color, int shift) { return int((color >> shift) & 0xFF); }

// a times b / 255, rounded: the scaling of a channel by an opacity.
int MulDiv255(int a, int b) { return (a * b + 127) / 255; }

// The source pixel over the destination pixel with the given opacity. The
// extremes are exact: opacity 255 gives the source, 0 the destination.
TColor32 BlendPixel(TColor32 src, TColor32 dst, int opacity)
{
    if (opacity >= 255)
        return src;
    if (opacity <= 0)
        return dst;
    const int rest = 255 - opacity;
    auto mix = [&](int shift) { return (ChannelOf(src, shift) * opacity + ChannelOf(dst, shift) * rest + 127) / 255; };
    const int alpha = opacity + MulDiv255(ChannelOf(dst, 24), rest);
    return Color32(mix(16), mix(8), mix(0), alpha);
}

} // namespace

int Intensity(TColor32 color)
{
    // The weights of the eye's sensitivity, summing to 256, so that white gives 255.
    return (ChannelOf(color, 16) * 61 + ChannelOf(color, 8) * 174 + ChannelOf(color, 0) * 21) >> 8;
}

TBitmap32::TBitmap32(int width, int height)
{
    SetSize(width, height);
}

void TBitmap32::SetSize(int width, int height)
{
    if (width <= 0 || height <= 0) {
        FImage = QImage();
        return;
    }
    FImage = QImage(width, height, QImage::Format_ARGB32);
    FImage.fill(0u);
}

void TBitmap32::Clear(TColor32 color)
{
    if (!Empty())
        FImage.fill(color);
}

void TBitmap32::SetPixelS(int x, int y, TColor32 color)
{
    if (Contains(x, y))
        SetPixel(x, y, color);
}

void TBitmap32::LoadFromFile(const QString& fileName)
{
    QImageReader reader(fileName);
    QImage image = reader.read();
    if (image.isNull())
        throw EError(QStringLiteral("Cannot load the picture \"%1\": %2").arg(fileName, reader.errorString()));
    image = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<TColor32*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            line[x] |= 0xFF000000u;
    }
    FImage = image;
}

bool TBitmap32::SaveToFile(const QString& fileName) const
{
    return FImage.convertToFormat(QImage::Format_RGB32).save(fileName);
}

TColor32 TBitmap32::Put(TColor32 source, TColor32 target) const
{
    if (DrawMode == TDrawMode::dmOpaque)
        return source;
    return BlendPixel(source, target, MulDiv255(ChannelOf(source, 24), MasterAlpha));
}

void TBitmap32::DrawTo(TBitmap32& dst, int x, int y) const
{
    DrawTo(dst, x, y, QRect(0, 0, Width(), Height()));
}

void TBitmap32::DrawTo(TBitmap32& dst, int x, int y, const QRect& srcRect) const
{
    const QRect src = srcRect.intersected(QRect(0, 0, Width(), Height()));
    if (src.isEmpty() || dst.Empty())
        return;
    for (int sy = src.top(); sy <= src.bottom(); ++sy) {
        const int dy = y + sy - srcRect.top();
        if (dy < 0 || dy >= dst.Height())
            continue;
        const TColor32* source = ScanLine(sy);
        TColor32* target = dst.ScanLine(dy);
        for (int sx = src.left(); sx <= src.right(); ++sx) {
            const int dx = x + sx - srcRect.left();
            if (dx < 0 || dx >= dst.Width())
                continue;
            target[dx] = Put(source[sx], target[dx]);
        }
    }
}

void TBitmap32::SetAlphaFromIntensity(const TBitmap32& mask)
{
    const int width = std::min(Width(), mask.Width());
    const int height = std::min(Height(), mask.Height());
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            SetPixel(x, y, (Pixel(x, y) & 0x00FFFFFFu) | (TColor32(Intensity(mask.Pixel(x, y))) << 24));
}

void TBitmap32::DrawRotatedTo(TBitmap32& dst, double degrees) const
{
    if (Empty() || dst.Empty())
        return;
    // Screen coordinates run y down, so a counter-clockwise turn on the
    // screen maps (x, y) to (x cos + y sin, -x sin + y cos); each target pixel
    // looks up its source through the inverse turn.
    const long double angle = static_cast<long double>(degrees) * 3.14159265358979323846264338327950288L / 180.0L;
    const long double c = std::cos(angle);
    const long double s = std::sin(angle);
    const long double cx = Width() / 2;
    const long double cy = Height() / 2;
    const int width = Width();
    const int height = Height();
    for (int y = 0; y < dst.Height(); ++y) {
        const long double ry = y + 0.5L - cy;
        TColor32* target = dst.ScanLine(y);
        for (int x = 0; x < dst.Width(); ++x) {
            const long double rx = x + 0.5L - cx;
            const int sx = static_cast<int>(std::floor(rx * c - ry * s + cx));
            const int sy = static_cast<int>(std::floor(rx * s + ry * c + cy));
            if (sx < 0 || sy < 0 || sx >= width || sy >= height)
                continue;
            target[x] = Put(ScanLine(sy)[sx], target[x]);
        }
    }
}

void TBitmap32::Rotate90()
{
    QImage turned(Height(), Width(), QImage::Format_ARGB32);
    for (int y = 0; y < Height(); ++y)
        for (int x = 0; x < Width(); ++x)
            reinterpret_cast<TColor32*>(turned.scanLine(x))[Height() - 1 - y] = Pixel(x, y);
    FImage = turned;
}

void TBitmap32::Rotate270()
{
    QImage turned(Height(), Width(), QImage::Format_ARGB32);
    for (int y = 0; y < Height(); ++y)
        for (int x = 0; x < Width(); ++x)
            reinterpret_cast<TColor32*>(turned.scanLine(Width() - 1 - x))[y] = Pixel(x, y);
    FImage = turned;
}

void TBitmap32::Line(int x1, int y1, int x2, int y2, TColor32 color)
{
    const int dx = std::abs(x2 - x1);
    const int dy = -std::abs(y2 - y1);
    const int stepX = x1 < x2 ? 1 : -1;
    const int stepY = y1 < y2 ? 1 : -1;
    int error = dx + dy;
    for (;;) {
        SetPixelS(x1, y1, color);
        if (x1 == x2 && y1 == y2)
            break;
        const int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            x1 += stepX;
        }
        if (twice <= dx) {
            error += dx;
            y1 += stepY;
        }
    }
}

void TBitmap32::TextOut(int x, int y, const QString& text)
{
    if (Empty())
        return;
    QPainter painter(&FImage);
    painter.setFont(Font);
    painter.setPen(QColor::fromRgba(FontColor));
    painter.drawText(QPoint(x, y + QFontMetrics(Font).ascent()), text);
}

QFont TBitmap32::DefaultFont()
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    font.setPixelSize(11);
    return font;
}

int TBitmap32::TextWidth(const QString& text) const
{
    return QFontMetrics(Font).horizontalAdvance(text);
}
