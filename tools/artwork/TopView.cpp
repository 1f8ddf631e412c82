// The pictures of the top view on the test map: the car pictures (50 x 100,
// nose up, symmetric about column 24, about which the view turns), the
// frame, wheels and axles under them, the weapon-class icons and the add-ons.
// All of it is drawn on the map, where exact black would be solid matter.

#include "Artwork.h"
#include "Canvas.h"

#include <functional>

using namespace Art;

namespace {

constexpr int CarCentre = 24;

enum class TCarKind { Roadster, Sedan, Interceptor, Pickup, Van };

struct TCarStyle {
    const char* File;
    TCarKind Kind;
    QRgb Paint;
    QRgb Trim; // racing stripes; 0 for none
};

// Fills the columns CarCentre - hw .. CarCentre + hw of row y.
void Span(QImage& car, int y, int hw, QRgb color)
{
    for (int x = CarCentre - hw; x <= CarCentre + hw; ++x)
        Pixel(car, x, y, color);
}

// A window band whose half width runs from hwTop to hwBottom.
void Window(QImage& car, int top, int bottom, int hwTop, int hwBottom, QRgb frame)
{
    for (int y = top; y <= bottom; ++y) {
        const int hw = bottom == top ? hwTop : hwTop + (hwBottom - hwTop) * (y - top) / (bottom - top);
        Span(car, y, hw, Glass);
        Pixel(car, CarCentre - hw, y, frame);
        Pixel(car, CarCentre + hw, y, frame);
    }
    // A glint across the glass.
    Pixel(car, CarCentre - 3, top + 1, Lighter(Glass, 60));
    Pixel(car, CarCentre - 2, top + 1, Lighter(Glass, 60));
}

QImage DrawCar(const TCarStyle& style)
{
    QImage car = NewCanvas(50, 100);
    const QRgb paint = style.Paint;
    const QRgb edge = Darker(paint, 50);
    const QRgb shade = Darker(paint, 18);
    const QRgb roof = Lighter(paint, 12);

    const bool wedge = style.Kind == TCarKind::Interceptor;
    const int top = wedge ? 2 : 3;
    const int bottom = style.Kind == TCarKind::Van ? 97 : 96;
    auto halfWidth = [&](int y) {
        if (wedge && y < top + 18)
            return 7 + (y - top) * 9 / 18;
        if (y < top + 5)
            return 12 + (y - top);
        if (y > bottom - 4)
            return 16 - (y - (bottom - 4));
        return 16;
    };

    // The body with its outline.
    for (int y = top; y <= bottom; ++y) {
        const int hw = halfWidth(y);
        Span(car, y, hw, paint);
        Pixel(car, CarCentre - hw, y, edge);
        Pixel(car, CarCentre + hw, y, edge);
        if (y == top || y == bottom)
            Span(car, y, hw, edge);
    }
    for (int y = top + 1; y < bottom; ++y) { // a little shading along the flanks
        Pixel(car, CarCentre - halfWidth(y) + 1, y, shade);
        Pixel(car, CarCentre + halfWidth(y) - 1, y, shade);
    }

    auto roofPanel = [&](int from, int to, int hw) {
        for (int y = from; y <= to; ++y) {
            Span(car, y, hw, roof);
            Pixel(car, CarCentre - hw, y, shade);
            Pixel(car, CarCentre + hw, y, shade);
        }
    };

    switch (style.Kind) {
    case TCarKind::Sedan:
        Line(car, CarCentre, top + 6, CarCentre, 26, shade);
        Window(car, 29, 36, 12, 14, edge);
        roofPanel(37, 60, 13);
        Window(car, 61, 66, 13, 12, edge);
        Line(car, CarCentre - 10, 70, CarCentre + 10, 70, shade);
        break;
    case TCarKind::Roadster:
        Line(car, CarCentre, top + 6, CarCentre, 34, shade);
        Window(car, 37, 39, 13, 14, edge);
        FillRect(car, CarCentre - 11, 43, 9, 11, Darker(paint, 40)); // seats
        FillRect(car, CarCentre + 3, 43, 9, 11, Darker(paint, 40));
        FillRect(car, CarCentre - 13, 56, 27, 2, Steel); // roll bar
        Line(car, CarCentre - 8, 66, CarCentre + 8, 66, shade);
        break;
    case TCarKind::Interceptor:
        Line(car, CarCentre - 4, top + 8, CarCentre - 4, 32, shade);
        Line(car, CarCentre + 4, top + 8, CarCentre + 4, 32, shade);
        Window(car, 35, 43, 10, 13, edge);
        roofPanel(44, 57, 12);
        for (int y = 62; y <= 88; y += 3) // the engine deck's grille
            Line(car, CarCentre - 9, y, CarCentre + 9, y, Darker(paint, 40));
        break;
    case TCarKind::Pickup:
        Line(car, CarCentre, top + 6, CarCentre, 26, shade);
        Window(car, 28, 34, 12, 14, edge);
        roofPanel(35, 46, 13);
        Window(car, 47, 49, 13, 13, edge);
        FillRect(car, CarCentre - 13, 53, 27, 41, Darker(paint, 30)); // the open bed
        for (int y = 57; y <= 90; y += 5)
            Line(car, CarCentre - 12, y, CarCentre + 12, y, Darker(paint, 45));
        FrameRect(car, CarCentre - 13, 53, 27, 41, edge);
        break;
    case TCarKind::Van:
        Window(car, 17, 23, 12, 14, edge);
        roofPanel(24, 93, 14);
        for (int y = 32; y <= 88; y += 8)
            Line(car, CarCentre - 12, y, CarCentre + 12, y, shade);
        break;
    }

    // Racing stripes run over the paint, not over the glass.
    if (style.Trim)
        for (int y = top + 1; y < bottom; ++y)
            for (int x : {CarCentre - 3, CarCentre - 2, CarCentre + 2, CarCentre + 3})
                if (car.pixel(x, y) != Glass)
                    Pixel(car, x, y, style.Trim);

    // Head lamps and tail lamps.
    for (int dx : {8, 9, 10}) {
        Pixel(car, CarCentre - dx, top + 1, 0xFFF8E8A0u);
        Pixel(car, CarCentre + dx, top + 1, 0xFFF8E8A0u);
        Pixel(car, CarCentre - dx - 2, bottom - 1, Signal);
        Pixel(car, CarCentre + dx + 2, bottom - 1, Signal);
    }
    // Mirrors, just outside the body.
    const int mirror = style.Kind == TCarKind::Van ? 20 : style.Kind == TCarKind::Interceptor ? 38 : 31;
    Pixel(car, CarCentre - 17, mirror, edge);
    Pixel(car, CarCentre + 17, mirror, edge);
    return car;
}

// Weapon-class icons: an 11 x 11 figure pointing up, turned for the other
// three facings; the strip's frames start at 0, 12, 23 and 34.
QImage IconStrip(const std::function<void(QImage&)>& draw)
{
    QImage frame = NewCanvas(11, 11);
    draw(frame);
    QImage strip = NewCanvas(45, 11);
    const int lefts[4] = {0, 12, 23, 34};
    for (int turn = 0; turn < 4; ++turn)
        Stamp(strip, Turned(frame, turn), lefts[turn], 0);
    return strip;
}

void DrawIcons(const QString& folder)
{
    const QRgb blue = 0xFF3C5A96u;
    Save(IconStrip([&](QImage& f) {
             FillRect(f, 3, 6, 5, 4, blue);
             FrameRect(f, 3, 6, 5, 4, Darker(blue, 40));
             FillRect(f, 5, 1, 1, 5, Darker(blue, 30));
         }),
         folder + "/SmallBoreProjectileWeapon.png");

    const QRgb brown = 0xFF7A4E2Eu;
    Save(IconStrip([&](QImage& f) {
             FillRect(f, 2, 5, 7, 6, brown);
             FrameRect(f, 2, 5, 7, 6, Darker(brown, 40));
             FillRect(f, 4, 0, 3, 5, Darker(brown, 30));
             Pixel(f, 5, 7, Lighter(brown, 50));
         }),
         folder + "/LargeBoreProjectileWeapon.png");

    const QRgb orange = 0xFFD2641Eu;
    Save(IconStrip([&](QImage& f) {
             Pixel(f, 5, 0, Signal);
             FillRect(f, 4, 1, 3, 1, Signal);
             FillRect(f, 4, 2, 3, 6, orange);
             FillRect(f, 2, 7, 2, 3, Darker(orange, 30));
             FillRect(f, 7, 7, 2, 3, Darker(orange, 30));
             FillRect(f, 4, 8, 3, 2, Steel);
         }),
         folder + "/Rocket.png");

    const QRgb magenta = 0xFFB42896u;
    Save(IconStrip([&](QImage& f) {
             FillEllipse(f, 2, 5, 7, 6, magenta, Darker(magenta, 40));
             FillRect(f, 5, 0, 1, 6, Lighter(magenta, 40));
             Pixel(f, 4, 1, Lighter(magenta, 60));
             Pixel(f, 6, 1, Lighter(magenta, 60));
         }),
         folder + "/Laser.png");

    const QRgb flame = 0xFFE07814u;
    Save(IconStrip([&](QImage& f) {
             FillRect(f, 4, 6, 3, 5, Steel);
             for (int y = 0; y < 6; ++y) {
                 const int hw = (6 - y) / 2;
                 for (int x = 5 - hw; x <= 5 + hw; ++x)
                     Pixel(f, x, y, y < 2 ? Signal : flame);
             }
         }),
         folder + "/Flamethrower.png");

    const QRgb olive = 0xFF647A3Cu;
    Save(IconStrip([&](QImage& f) {
             FillRect(f, 2, 4, 7, 7, olive);
             FrameRect(f, 2, 4, 7, 7, Darker(olive, 40));
             for (int i = 0; i < 3; ++i) { // a chevron toward the way it drops
                 Pixel(f, 5 - i, 1 + i, Darker(olive, 30));
                 Pixel(f, 5 + i, 1 + i, Darker(olive, 30));
             }
         }),
         folder + "/Dropper.png");
}

void DrawAddOns(const QString& folder)
{
    // Turret, 20 x 20, drawn at (50, 65) of the 120 x 120 view.
    QImage turret = NewCanvas(20, 20);
    FillEllipse(turret, 1, 1, 18, 18, 0xFF5E6E5Au, Ink);
    FillEllipse(turret, 5, 5, 10, 10, 0xFF76886Eu, 0xFF4A5846u);
    Save(turret, folder + "/Turret.png");

    // The top pod and the rocket platform, 20 x 24 at (50, 63).
    QImage pod = NewCanvas(20, 24);
    Plate(pod, 2, 0, 16, 24, 3, 0xFF8C7450u, Ink);
    Line(pod, 10, 3, 10, 20, Darker(0xFF8C7450u, 30));
    Save(pod, folder + "/EWP.png");

    // The side pods, 10 x 24 at (36, 57) and (75, 57), mirror images.
    QImage side = NewCanvas(10, 24);
    Plate(side, 0, 0, 8, 24, 2, 0xFF8C7450u, Ink);
    FillRect(side, 8, 8, 2, 8, Steel); // the bracket toward the body
    Save(side, folder + "/EWP_left.png");
    Save(Mirrored(side), folder + "/EWP_right.png");

    QImage platform = NewCanvas(20, 24);
    FrameRect(platform, 1, 1, 18, 22, Ink);
    for (int x : {4, 9, 14}) {
        FillRect(platform, x, 3, 3, 18, SteelLight);
        FrameRect(platform, x, 3, 3, 18, Steel);
    }
    Save(platform, folder + "/RocketPlatform.png");
}

} // namespace

void DrawTopView(const QString& graphics)
{
    const QString image = graphics + "/Image";

    // Sorted by file name the program numbers them; the second is the one
    // a new design shows.
    const TCarStyle cars[] = {
        {"Car01_Roadster.png", TCarKind::Roadster, 0xFF3C8C50u, 0xFFEAE2C4u},
        {"Car02_Sedan.png", TCarKind::Sedan, 0xFF3C64A0u, 0xFFE6E0C8u},
        {"Car03_Interceptor.png", TCarKind::Interceptor, 0xFFB42828u, 0xFF34343Cu},
        {"Car04_Pickup.png", TCarKind::Pickup, 0xFFBC9C64u, 0},
        {"Car05_Van.png", TCarKind::Van, 0xFF646E46u, 0},
    };
    for (const TCarStyle& style : cars)
        Save(DrawCar(style), image + "/Large/" + style.File);

    // The chassis frame, 30 x 88 at (45, 16): two rails and cross members.
    QImage frame = NewCanvas(30, 88);
    FillRect(frame, 4, 0, 3, 88, Steel);
    FillRect(frame, 23, 0, 3, 88, Steel);
    for (int y : {2, 22, 44, 66, 85})
        FillRect(frame, 7, y, 16, 2, Darker(Steel, 20));
    Save(frame, image + "/Frame.png");

    // A wheel, 6 x 14, and the axle of 28 x 2 that joins a pair.
    QImage wheel = NewCanvas(6, 14);
    FillRect(wheel, 0, 0, 6, 14, Rubber);
    for (int y = 1; y < 14; y += 2)
        FillRect(wheel, 1, y, 4, 1, RubberLight);
    Save(wheel, image + "/Wheel.png");
    QImage axis = NewCanvas(28, 2);
    FillRect(axis, 0, 0, 28, 2, Darker(Steel, 25));
    Save(axis, image + "/Axis.png");

    // The aim cross, 15 x 15, centred on the clicked point.
    QImage aim = NewCanvas(15, 15);
    FillEllipse(aim, 2, 2, 11, 11, 0xFFFFFFFFu, Signal);
    for (int i = 0; i < 15; ++i)
        if (i < 5 || i > 9) {
            Pixel(aim, i, 7, Signal);
            Pixel(aim, 7, i, Signal);
        }
    Pixel(aim, 7, 7, Signal);
    Save(aim, image + "/Aim.png");

    DrawIcons(image);
    DrawAddOns(image);
}
