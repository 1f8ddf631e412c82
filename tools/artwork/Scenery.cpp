// The test map's backgrounds and walls, the title splash and the sheet logos.

#include "Artwork.h"
#include "Canvas.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

using namespace Art;

namespace {

constexpr int MapWidth = 365;
constexpr int MapHeight = 317; // the size of the map on the Test tab

constexpr QRgb Ground = 0xFFDCE2D0u;
constexpr QRgb GridMinor = 0xFFCCD4BEu;
constexpr QRgb GridMajor = 0xFFB4BEA4u;

// Ground with a line every 5 pixels and a stronger one every 25; the own
// car's reference point (157, 109) lies on a crossing.
QImage DrawGround()
{
    QImage map = NewCanvas(MapWidth, MapHeight);
    FillRect(map, 0, 0, MapWidth, MapHeight, Ground);
    for (int x = 0; x < MapWidth; ++x)
        for (int y = 0; y < MapHeight; ++y) {
            const int gx = (x - 7) % 25 == 0;
            const int gy = (y - 9) % 25 == 0;
            if (gx || gy)
                Pixel(map, x, y, GridMajor);
            else if ((x - 7) % 5 == 0 && (y - 9) % 5 == 0)
                Pixel(map, x, y, GridMinor);
        }
    return map;
}

// The ranges around the own car's centre (182, 159): rings every 50 pixels.
QImage DrawRangeMap()
{
    QImage map = DrawGround();
    const int cx = 182;
    const int cy = 159;
    for (int r = 50; r <= 250; r += 50)
        for (int a = 0; a < 3600; ++a) {
            const double t = a * 3.14159265358979323846 / 1800.0;
            Pixel(map, cx + int(std::lround(r * std::cos(t))), cy + int(std::lround(r * std::sin(t))), 0xFF9CAA8Cu);
        }
    return map;
}

// Wall pieces: x 0 to 24 the piece of a horizontal wall, x 25 to 49 the piece
// of a vertical wall. Only the exact black band is solid; a grey foot on both
// sides shows the wall's footprint without stopping shots.
QImage DrawWall(int thickness)
{
    QImage wall = NewCanvas(50, 25);
    const int from = 12 - thickness / 2;
    FillRect(wall, 0, from - 1, 25, thickness + 2, 0xFF8C8C8Cu);
    FillRect(wall, 0, from, 25, thickness, 0xFF000000u);
    FillRect(wall, 25 + from - 1, 0, thickness + 2, 25, 0xFF8C8C8Cu);
    FillRect(wall, 25 + from, 0, thickness, 25, 0xFF000000u);
    return wall;
}

void DrawMap(const QString& folder)
{
    Save(DrawGround(), folder + "/GridMap.png");
    Save(DrawRangeMap(), folder + "/GridCenter.png");
    Save(DrawWall(3), folder + "/Wall8.png");
    Save(DrawWall(9), folder + "/Wall30.png");

    // The icon box's background tile.
    QImage tile = NewCanvas(10, 10);
    FillRect(tile, 0, 0, 10, 10, Ground);
    FillRect(tile, 0, 0, 10, 1, GridMinor);
    FillRect(tile, 0, 0, 1, 10, GridMinor);
    Save(tile, folder + "/grid.png");
}

QFont HeadingFont(int pixelSize, bool italic = false)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixelSize);
    font.setBold(true);
    font.setItalic(italic);
    font.setLetterSpacing(QFont::PercentageSpacing, 110);
    return font;
}

// The name of the program, outlined, centred in the rectangle.
void DrawName(QPainter& painter, const QRect& rect, const QFont& font, const QColor& fill, const QColor& outline, qreal width)
{
    QPainterPath path;
    const QFontMetrics metrics(font);
    const QString name = QStringLiteral("RIGSMITH");
    const int x = rect.left() + (rect.width() - metrics.horizontalAdvance(name)) / 2;
    const int y = rect.top() + (rect.height() + metrics.capHeight()) / 2;
    path.addText(x, y, font, name);
    painter.setPen(QPen(outline, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(fill);
    painter.drawPath(path);
}

// Title frames 800 x 500: a car drives up a road at night; played forwards
// and back, it drives up and reverses.
void DrawTitle(const QString& folder, const QImage& car)
{
    constexpr int FrameCount = 8;
    // The splash shows its heading and, at 160 to 176, the version over the
    // frames: the road starts below them, so that even the farthest car
    // stays clear of both.
    constexpr double Horizon = 240;
    // The tagline stands at 470 to 494 on the sky below the road's end.
    constexpr double RoadEnd = 462;
    const auto roadY = [](double t) { return Horizon + (RoadEnd - Horizon) * t * t; };
    // The road's edges run from the horizon towards 100 and 700 at the
    // frame's bottom; where they stop at the road's end:
    constexpr double EdgeSpread = (RoadEnd - Horizon) / (500 - Horizon);
    const double leftEnd = 360 - 260 * EdgeSpread;
    const double rightEnd = 440 + 260 * EdgeSpread;
    for (int f = 0; f < FrameCount; ++f) {
        QImage frame(800, 500, QImage::Format_RGB32);
        QPainter painter(&frame);
        painter.setRenderHint(QPainter::Antialiasing);
        QLinearGradient sky(0, 0, 0, 500);
        sky.setColorAt(0, QColor(18, 22, 40));
        sky.setColorAt(1, QColor(44, 36, 58));
        painter.fillRect(frame.rect(), sky);

        // The road in perspective, its centre stripes moving with the frame.
        QPolygonF road;
        road << QPointF(360, Horizon) << QPointF(440, Horizon) << QPointF(rightEnd, RoadEnd) << QPointF(leftEnd, RoadEnd);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(62, 64, 72));
        painter.drawPolygon(road);
        painter.setPen(QPen(QColor(200, 170, 60), 3));
        painter.drawLine(QPointF(360, Horizon), QPointF(leftEnd, RoadEnd));
        painter.drawLine(QPointF(440, Horizon), QPointF(rightEnd, RoadEnd));
        for (int s = 0; s < 12; ++s) {
            const double t0 = std::fmod(s / 12.0 + f / (12.0 * FrameCount), 1.0);
            const double t1 = std::min(t0 + 0.035, 1.0);
            const double w0 = 1 + 6 * t0;
            painter.setPen(QPen(QColor(226, 220, 196), w0));
            painter.drawLine(QPointF(400, roadY(t0)), QPointF(400, roadY(t1)));
        }

        // The car, larger as it comes nearer.
        const double t = 0.15 + 0.55 * (FrameCount - 1 - f) / (FrameCount - 1);
        const double scale = 0.6 + 1.8 * t;
        const QImage big = car.scaled(int(50 * scale), int(100 * scale), Qt::KeepAspectRatio, Qt::FastTransformation);
        QImage sprite = big.convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < sprite.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(sprite.scanLine(y));
            for (int x = 0; x < sprite.width(); ++x)
                if (line[x] == 0xFFFFFFFFu)
                    line[x] = 0;
        }
        const double y = roadY(t) - sprite.height() * 0.6;
        painter.drawImage(QPointF(400 - sprite.width() / 2.0, y), sprite);

        painter.setPen(QColor(150, 150, 170));
        painter.setFont(HeadingFont(14));
        painter.drawText(QRect(0, 470, 800, 24), Qt::AlignCenter, QStringLiteral("a vehicle design aid for Roadvex"));
        painter.end();
        Save(frame, folder + QStringLiteral("/Title%1.png").arg(f + 1, 2, 10, QLatin1Char('0')));
    }

    // The heading over the frames, 466 x 128.
    QImage heading(466, 128, QImage::Format_RGB32);
    heading.fill(QColor(18, 22, 40));
    QPainter painter(&heading);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(200, 150, 40), 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(QRectF(3, 3, 460, 122), 10, 10);
    DrawName(painter, QRect(0, 0, 466, 128), HeadingFont(68, true), QColor(240, 180, 40), QColor(120, 70, 20), 3);
    painter.end();
    Save(heading, folder + "/Logo.png");
}

// Sheet logos, 460 x 120: printed four times enlarged at the sheet's top
// left, beside the title block. White is transparent on the sheet.
void DrawLogos(const QString& graphics)
{
    {
        QImage logo = NewCanvas(460, 120);
        QPainter painter(&logo);
        painter.setRenderHint(QPainter::Antialiasing);
        DrawName(painter, QRect(0, 0, 460, 92), HeadingFont(64, true), QColor(40, 56, 96), QColor(20, 28, 52), 2);
        painter.setPen(QColor(120, 60, 30));
        painter.setFont(HeadingFont(16));
        painter.drawText(QRect(0, 88, 460, 28), Qt::AlignCenter, QStringLiteral("VEHICLE DESIGN FOR ROADVEX"));
        painter.setPen(QPen(QColor(120, 60, 30), 2));
        painter.drawLine(20, 90, 440, 90);
        painter.end();
        Save(logo, graphics + "/Logo.png");
    }
    {
        // The older logo: the name stencilled into a plate.
        QImage logo = NewCanvas(460, 120);
        QPainter painter(&logo);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(QColor(30, 34, 44), 4));
        painter.setBrush(QColor(70, 74, 86));
        painter.drawRoundedRect(QRectF(6, 6, 448, 108), 14, 14);
        DrawName(painter, QRect(0, 0, 460, 120), HeadingFont(66), QColor(232, 226, 200), QColor(30, 34, 44), 2);
        painter.end();
        Save(logo, graphics + "/Logo2.png");
    }
}

} // namespace

void DrawScenery(const QString& graphics)
{
    DrawMap(graphics + "/Map");
    QImage car;
    car.load(graphics + "/Image/Large/Car02_Sedan.png");
    DrawTitle(graphics + "/Title", car.isNull() ? NewCanvas(50, 100) : car);
    DrawLogos(graphics);
}
