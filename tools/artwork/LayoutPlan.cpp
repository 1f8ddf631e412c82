// The pictures of the layout plan (365 x 373, front up). Their sizes follow
// the places at which the plan draws them, so that every part sits on the
// body of its size: the body picture is drawn at (101, 36), the others at
// the places of the plan's position tables.

#include "Artwork.h"
#include "Canvas.h"

#include "gamecar/Graphics.h"

#include <algorithm>

using namespace Art;

namespace {

// The outline of each body on the plan: centre column, top and bottom row,
// half width (plan coordinates), and where the plan puts airdam, ramplate
// and spoiler (their left edge and top).
struct TBodyPlan {
    int Centre, Top, Bottom, HalfWidth;
    int AirdamX, AirdamY, RamplateX, RamplateY, SpoilerX, SpoilerY;
    int TireW, TireH;
};

constexpr TBodyPlan Bodies[BodySizeCount] = {
    {178, 118, 250, 40, 146, 112, 146, 120, 140, 246, 19, 33},
    {181, 96, 282, 48, 139, 84, 139, 93, 133, 268, 19, 41},
    {181, 84, 306, 56, 120, 62, 128, 76, 111, 301, 25, 61},
    {181, 84, 306, 56, 120, 62, 128, 76, 111, 301, 25, 61},
    {180, 60, 332, 67, 93, 40, 110, 53, 103, 322, 25, 61},
    {180, 54, 326, 62, 112, 36, 116, 48, 111, 327, 25, 61},
    {180, 37, 349, 66, 113, 19, 113, 33, 111, 344, 25, 61},
    {180, 37, 349, 66, 113, 19, 113, 33, 111, 344, 25, 61},
    {180, 40, 341, 72, 103, 24, 103, 38, 96, 326, 25, 61},
};

constexpr int BodyLeft = 101;
constexpr int BodyTop = 36;

constexpr QRgb BodyFill = 0xFFE4E8EEu;
constexpr QRgb BodyLine = 0xFF3C465Au;
constexpr QRgb BodyDetail = 0xFF8C96AAu;

enum class TShape { Car, Wagon, Pickup, Camper, Van };

QImage DrawBody(int size)
{
    const TBodyPlan& b = Bodies[size];
    const TShape shape = size == 5 ? TShape::Wagon : size == 6 ? TShape::Pickup : size == 7 ? TShape::Camper
                         : size == 8 ? TShape::Van : TShape::Car;
    QImage body = NewCanvas(161, 316);
    const int cx = b.Centre - BodyLeft;
    const int top = b.Top - BodyTop;
    const int bottom = b.Bottom - BodyTop;
    const int length = bottom - top;
    const int corner = shape == TShape::Van || shape == TShape::Camper ? 6 : 14;
    Plate(body, cx - b.HalfWidth, top, 2 * b.HalfWidth + 1, length + 1, corner, BodyFill, BodyLine);
    // A second line inside the outline gives the body panel its thickness.
    Plate(body, cx - b.HalfWidth + 3, top + 3, 2 * b.HalfWidth - 5, length - 5, std::max(0, corner - 3), BodyFill,
          BodyDetail);

    auto across = [&](int y, int inset) { Line(body, cx - b.HalfWidth + inset, y, cx + b.HalfWidth - inset, y, BodyLine); };
    auto glass = [&](int y0, int y1, int inset0, int inset1) {
        for (int y = y0; y <= y1; ++y) {
            const int inset = inset0 + (inset1 - inset0) * (y - y0) / std::max(1, y1 - y0);
            Line(body, cx - b.HalfWidth + inset, y, cx + b.HalfWidth - inset, y, Glass);
        }
        across(y0, inset0);
        across(y1, inset1);
    };

    // Proportions along the body: hood, windscreen, roof, rear.
    auto at = [&](int percent) { return top + length * percent / 100; };
    switch (shape) {
    case TShape::Car:
        glass(at(30), at(37), 12, 8);
        glass(at(70), at(75), 8, 12);
        break;
    case TShape::Wagon:
        glass(at(28), at(35), 12, 8);
        glass(at(90), at(93), 8, 10);
        break;
    case TShape::Pickup:
        glass(at(22), at(29), 12, 8);
        glass(at(47), at(49), 8, 8);
        FrameRect(body, cx - b.HalfWidth + 8, at(53), 2 * b.HalfWidth - 15, at(96) - at(53), BodyLine);
        break;
    case TShape::Camper:
        glass(at(15), at(21), 12, 8);
        across(at(30), 6);
        FrameRect(body, cx - 14, at(80), 29, 12, BodyLine); // the roof hatch
        break;
    case TShape::Van:
        glass(at(10), at(16), 10, 6);
        across(at(95), 6);
        break;
    }
    return body;
}

// Sixteen frames of W x H: frames 0 to 13 for 3 to 16 damage points, 14 for
// 25, 15 for every other value; each tire shows its points.
QImage DrawTires(int w, int h)
{
    QImage strip = NewCanvas(16 * w, h);
    for (int f = 0; f < 16; ++f) {
        const int x = f * w;
        Plate(strip, x + 1, 0, w - 2, h, 3, Rubber, 0xFF24262Au);
        for (int y = 4; y < h - 4; y += 3)
            Line(strip, x + 3, y, x + w - 4, y, RubberLight);
        const QString label = f < 14 ? QString::number(f + 3) : f == 14 ? QStringLiteral("25") : QString();
        if (!label.isEmpty()) {
            const int ly = h / 2 - 3;
            FillRect(strip, x + w / 2 - TinyTextWidth(label) / 2 - 1, ly - 1, TinyTextWidth(label) + 2, 7, Rubber);
            TinyTextCentred(strip, x + w / 2, ly, label, 0xFFE8E4C8u);
        }
    }
    return strip;
}

// Left part in the left half, one separating column, the right part (its
// mirror image) after it.
QImage LeftRightPair(const QImage& left)
{
    const int half = left.width();
    QImage pair = NewCanvas(2 * half + 1, left.height());
    Stamp(pair, left, 0, 0);
    Stamp(pair, Mirrored(left), half + 1, 0);
    return pair;
}

QImage DrawWheelGuard(int tireH, int half)
{
    QImage guard = NewCanvas(half, tireH + 2);
    const int h = guard.height();
    FillRect(guard, 0, 0, 3, h, Steel);
    FillRect(guard, 0, 0, half, 3, Steel);
    FillRect(guard, 0, h - 3, half, 3, Steel);
    FrameRect(guard, 0, 0, 3, h, Darker(Steel, 35));
    for (int y = 6; y < h - 6; y += 6)
        Pixel(guard, 1, y, SteelLight); // rivets
    return guard;
}

QImage DrawHub(int height)
{
    QImage hub = NewCanvas(5, height);
    for (int y = 0; y < height; ++y) {
        const int d = std::abs(2 * y - (height - 1));
        const int width = d > height - 3 ? 2 : d > height - 7 ? 4 : 5;
        for (int x = 5 - width; x < 5; ++x)
            Pixel(hub, x, y, x == 5 - width ? Darker(SteelLight, 40) : SteelLight);
    }
    Pixel(hub, 3, height / 2, Darker(Steel, 30));
    return hub;
}

QImage DrawAirdam(const TBodyPlan& b)
{
    const int width = 2 * (b.Centre - b.AirdamX) + 1;
    const int height = std::max(8, b.Top - b.AirdamY + 4);
    QImage dam = NewCanvas(width, height);
    Plate(dam, 0, 0, width, 6, 2, 0xFF505A6Eu, Ink);
    for (int x : {width / 4, width / 2, width - 1 - width / 4}) // struts down to the body
        FillRect(dam, x, 6, 1, height - 6, Darker(Steel, 20));
    return dam;
}

QImage DrawRamplate(const TBodyPlan& b)
{
    const int width = 2 * (b.Centre - b.RamplateX) + 1;
    const int height = std::max(10, b.Top - b.RamplateY + 10);
    QImage plate = NewCanvas(width, height);
    for (int y = 0; y < height; ++y) { // a wedge, wide at the front
        const int inset = y * 6 / height;
        Line(plate, inset, y, width - 1 - inset, y, (y + inset) % 3 == 0 ? Darker(Steel, 20) : Steel);
    }
    Line(plate, 0, 0, width - 1, 0, Ink);
    return plate;
}

QImage DrawSpoiler(const TBodyPlan& b)
{
    const int width = 2 * (b.Centre - b.SpoilerX) + 1;
    const int height = std::max(12, b.Bottom - b.SpoilerY + 6);
    QImage wing = NewCanvas(width, height);
    Plate(wing, 0, height - 6, width, 6, 2, 0xFF646482u, Ink);
    FillRect(wing, 0, 0, 2, height, Darker(0xFF646482u, 30)); // end plates
    FillRect(wing, width - 2, 0, 2, height, Darker(0xFF646482u, 30));
    return wing;
}

// A short upper-case label of a name: its initials, or the start of a single
// word or of a size ("100 cid").
QString Label(const QString& name, int maxChars)
{
    const QStringList words = name.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    QString label;
    if (words.size() > 1 && !words[0].at(0).isDigit())
        for (const QString& word : words)
            label += word.at(0);
    else
        label = words.join(QLatin1Char(' '));
    return label.toUpper().left(maxChars);
}

// One frame per power plant: a casing of cells, more cells the larger the plant.
QImage DrawCellEngines(const QStringList& names)
{
    const int count = std::max<int>(1, names.size());
    QImage strip = NewCanvas(41 * count, 32);
    for (int i = 0; i < count; ++i) {
        const int x = 41 * i;
        const QRgb casing = 0xFF467496u;
        Plate(strip, x + 1, 1, 39, 30, 3, Lighter(casing, 55), casing);
        const int cells = std::min(8, 2 + i);
        const int cellW = 33 / cells;
        for (int c = 0; c < cells; ++c) {
            FillRect(strip, x + 4 + c * cellW, 5, cellW - 1, 15, Lighter(casing, 20));
            FillRect(strip, x + 4 + c * cellW + cellW / 2 - 1, 4, 2, 1, casing);
        }
        if (i < names.size())
            TinyTextCentred(strip, x + 20, 23, Label(names[i], 9), Darker(casing, 40));
    }
    return strip;
}

// One frame per gas engine: an engine block with its cylinders in two banks.
QImage DrawGasEngines(const QStringList& names)
{
    const int count = std::max<int>(1, names.size());
    QImage strip = NewCanvas(48 * count, 62);
    for (int i = 0; i < count; ++i) {
        const int x = 48 * i;
        const QRgb block = 0xFF8C5A3Cu;
        Plate(strip, x + 4, 2, 38, 58, 4, Lighter(block, 55), block);
        const int perBank = std::min(6, 2 + i / 2);
        const int pitch = 44 / (perBank + 1);
        for (int c = 0; c < perBank; ++c) {
            const int y = 6 + c * pitch;
            FillEllipse(strip, x + 8, y, 9, 7, Lighter(block, 25), block);
            FillEllipse(strip, x + 29, y, 9, 7, Lighter(block, 25), block);
        }
        FillRect(strip, x + 20, 6, 6, 40, Darker(Steel, 10)); // the crankcase between the banks
        if (i < names.size())
            TinyTextCentred(strip, x + 23, 52, Label(names[i], 10), Darker(block, 40));
    }
    return strip;
}

// A weapon's strip: frames of side S, front, right, back, left, then the
// same with an extra magazine; the abbreviation stays upright in every frame.
QImage DrawWeapon(const QString& abbreviation, int weaponClass)
{
    static const QRgb classColours[10] = {0xFF3C5A96u, 0xFF7A4E2Eu, 0xFFD2641Eu, 0xFFB42896u, 0xFFE07814u,
                                          0xFF5A8C8Cu, 0xFF3C7896u, 0xFF647A3Cu, 0xFF8C8C3Cu, 0xFF7A7A84u};
    const QRgb colour = classColours[std::clamp(weaponClass, 0, 9)];
    const QString label = abbreviation.toUpper();
    int side = std::max(18, TinyTextWidth(label) + 8);
    side += side % 2; // even, so that the frames centre on their place

    QImage strip = NewCanvas(8 * side, side);
    for (int magazine = 0; magazine < 2; ++magazine) {
        QImage up = NewCanvas(side, side);
        const int bodyTop = side / 3;
        Plate(up, 2, bodyTop, side - 4, side - bodyTop - (magazine ? 5 : 2), 2, Lighter(colour, 60), colour);
        FillRect(up, side / 2 - 1, 0, 3, bodyTop, Darker(colour, 25)); // the barrel
        if (magazine)
            FillRect(up, 5, side - 4, side - 10, 4, Darker(colour, 35));
        for (int facing = 0; facing < 4; ++facing) {
            QImage frame = Turned(up, facing);
            // The label upright on the middle of the frame.
            const int ly = side / 2 - 2;
            FillRect(frame, side / 2 - TinyTextWidth(label) / 2 - 1, ly - 1, TinyTextWidth(label) + 2, 7,
                     Lighter(colour, 60));
            TinyTextCentred(frame, side / 2, ly, label, Darker(colour, 50));
            Stamp(strip, frame, (4 * magazine + facing) * side, 0);
        }
    }
    return strip;
}

QImage DrawUnknownWeapon()
{
    const int side = 18;
    QImage strip = NewCanvas(8 * side, side);
    for (int f = 0; f < 8; ++f) {
        Plate(strip, f * side + 2, 2, side - 4, side - 4, 2, 0xFFDCDCE0u, 0xFF7A7A84u);
        TinyTextCentred(strip, f * side + side / 2, side / 2 - 2, f < 4 ? "?" : "?+", 0xFF50505Au);
    }
    return strip;
}

QImage DrawAccessory(const QString& name, QRgb colour)
{
    const QString label = Label(name.isEmpty() ? QStringLiteral("ACC") : name, 5);
    const int width = TinyTextWidth(label) + 6;
    QImage badge = NewCanvas(width, 9);
    Plate(badge, 0, 0, width, 9, 1, Lighter(colour, 65), colour);
    TinyText(badge, 3, 2, label, Darker(colour, 40));
    return badge;
}

QImage DrawTurret(bool zeroSpace)
{
    QImage turret = NewCanvas(57, 24);
    const QRgb fill = 0xFF6E8266u;
    if (zeroSpace) {
        FillEllipse(turret, 8, 3, 41, 18, Lighter(fill, 50), fill);
    } else {
        FillEllipse(turret, 0, 0, 57, 24, Lighter(fill, 45), Ink);
        FillEllipse(turret, 6, 3, 45, 18, Lighter(fill, 55), fill);
    }
    return turret;
}

// Left pod, right pod and top pod, each 75 x 38.
QImage DrawPods()
{
    QImage pods = NewCanvas(225, 38);
    const QRgb fill = 0xFF8C7450u;
    Plate(pods, 4, 6, 62, 26, 6, Lighter(fill, 50), fill);
    FillRect(pods, 66, 15, 9, 8, Steel); // bracket to the body
    Plate(pods, 75 + 9, 6, 62, 26, 6, Lighter(fill, 50), fill);
    FillRect(pods, 75, 15, 9, 8, Steel);
    Plate(pods, 150 + 4, 2, 67, 34, 6, Lighter(fill, 50), fill);
    return pods;
}

QImage DrawRocketPlatform()
{
    QImage platform = NewCanvas(75, 38);
    FrameRect(platform, 2, 2, 71, 34, Ink);
    for (int x = 6; x < 68; x += 10) {
        FillRect(platform, x, 5, 6, 28, SteelLight);
        FrameRect(platform, x, 5, 6, 28, Steel);
    }
    return platform;
}

QImage DrawCrew(bool gunner)
{
    QImage crew = NewCanvas(18, 22);
    const QRgb seat = 0xFF6E5A8Cu;
    Plate(crew, 1, 6, 16, 15, 2, Lighter(seat, 40), seat);   // the seat
    FillEllipse(crew, 2, 7, 14, 8, 0xFF4664A0u, Ink);        // shoulders
    FillEllipse(crew, 5, 4, 8, 8, 0xFFE6BE96u, 0xFF96735Au); // head
    if (gunner) {
        FillRect(crew, 8, 0, 2, 4, Steel); // the sight before the gunner
    } else {
        FillEllipse(crew, 3, 0, 12, 4, 0xFFFFFFFFu, Ink); // the steering wheel
    }
    return crew;
}

QImage DrawGear(int g)
{
    QImage gear = NewCanvas(9, 9);
    const QRgb armor[3] = {0xFF6E7A46u, 0xFF4E5A32u, 0xFF3C4A5Au};
    switch (g) {
    case 0:
    case 1:
    case 2: { // a vest, plain, banded or with a plate
        Plate(gear, 1, 0, 7, 9, 2, Lighter(armor[g], 30), armor[g]);
        FillRect(gear, 3, 0, 3, 2, 0xFFFFFFFFu);
        if (g == 1)
            FillRect(gear, 2, 4, 5, 1, armor[g]);
        if (g == 2)
            FillRect(gear, 3, 3, 3, 3, Steel);
        break;
    }
    case 3: // gas mask
        FillEllipse(gear, 0, 0, 9, 8, 0xFF64646Eu, Ink);
        FillEllipse(gear, 1, 2, 3, 3, Glass, Glass);
        FillEllipse(gear, 5, 2, 3, 3, Glass, Glass);
        FillRect(gear, 3, 6, 3, 3, 0xFF46464Eu);
        break;
    case 4: // fire extinguisher
        FillRect(gear, 3, 2, 4, 7, Signal);
        FillRect(gear, 4, 0, 2, 2, Steel);
        Pixel(gear, 2, 1, Steel);
        break;
    default: { // targeting computers
        const QRgb chip = g == 5 ? 0xFF2E7A4Au : 0xFF2E5A8Au;
        FillRect(gear, 1, 1, 7, 7, chip);
        for (int i = 2; i < 8; i += 2) {
            Pixel(gear, 0, i, Steel);
            Pixel(gear, 8, i, Steel);
        }
        if (g == 6) {
            FillRect(gear, 3, 4, 3, 1, Amber);
            FillRect(gear, 4, 3, 1, 3, Amber);
        } else {
            FillRect(gear, 3, 3, 3, 3, Amber);
        }
        break;
    }
    }
    return gear;
}

} // namespace

void DrawLayoutPlan(const QString& graphics, const TArtworkData& data)
{
    const QString layout = graphics + "/Layout";
    for (int size = 0; size < BodySizeCount; ++size) {
        const TBodyPlan& b = Bodies[size];
        const QString name = BodySizeName(size) + ".png";
        Save(DrawBody(size), layout + "/Body/" + name);
        Save(DrawTires(b.TireW, b.TireH), layout + "/Tire/" + name);
        // Odd widths: the left part, one separating column, the right part.
        const int guardHalf = b.TireW < 25 ? 7 : 8;
        Save(LeftRightPair(DrawWheelGuard(b.TireH, guardHalf)), layout + "/WheelGuard/" + name);
        Save(LeftRightPair(DrawHub(b.TireH < 40 ? 13 : 17)), layout + "/WheelHub/" + name);
        Save(DrawAirdam(b), layout + "/Airdam/" + name);
        Save(DrawRamplate(b), layout + "/Ramplate/" + name);
        Save(DrawSpoiler(b), layout + "/Spoiler/" + name);
    }

    Save(DrawCellEngines(data.PowerPlants), layout + "/CellEngines.png");
    Save(DrawGasEngines(data.GasEngines), layout + "/GasEngines.png");

    // Only these accessories have places on the plan.
    const std::pair<int, QRgb> accessories[] = {{3, 0xFF466E8Cu}, {4, 0xFF8C4664u}, {7, 0xFF5A8246u}};
    for (const auto& [nr, colour] : accessories)
        Save(DrawAccessory(data.Accessories.value(nr), colour), layout + QStringLiteral("/Accessories/%1.png").arg(nr));
    Save(DrawTurret(false), layout + "/Accessories/Turret.png");
    Save(DrawTurret(true), layout + "/Accessories/ZeroSpaceTurret.png");
    Save(DrawPods(), layout + "/Accessories/EWP.png");
    Save(DrawRocketPlatform(), layout + "/Accessories/RocketPlatform.png");

    for (const TArtworkWeapon& weapon : data.Weapons)
        Save(DrawWeapon(weapon.Abbreviation, weapon.Class), layout + "/Weapons/" + weapon.Abbreviation + ".png");
    Save(DrawUnknownWeapon(), layout + "/Weapons/UNKNOWN.png");

    QImage box = NewCanvas(7, 7);
    FillRect(box, 0, 0, 7, 7, Paper);
    FrameRect(box, 0, 0, 7, 7, 0xFF32323Cu);
    Save(box, layout + "/DP.png");

    QImage bottle = NewCanvas(8, 16);
    Plate(bottle, 0, 3, 8, 13, 2, 0xFF3C8CC8u, 0xFF28648Cu);
    FillRect(bottle, 3, 0, 2, 3, Steel);
    TinyText(bottle, 2, 8, "N", 0xFFE6F0F8u);
    Save(bottle, layout + "/N2O.png");

    QImage tank = NewCanvas(10, 26);
    Plate(tank, 0, 0, 10, 26, 3, 0xFFA0463Cu, 0xFF6E2E28u);
    for (int y : {6, 13, 20})
        FillRect(tank, 1, y, 8, 1, 0xFF6E2E28u);
    Save(tank, layout + "/GasTank.png");

    for (int seat = 0; seat < 2; ++seat)
        Save(DrawCrew(seat == 1), layout + QStringLiteral("/Crew/%1.png").arg(seat));
    for (int g = 0; g < 7; ++g)
        Save(DrawGear(g), layout + QStringLiteral("/Crew/Equipment_%1.png").arg(g));
}
