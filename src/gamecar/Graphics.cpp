#include "gamecar/Graphics.h"

#include "model/Global.h"
#include "model/Utils.h"
#include "platform/Errors.h"
#include "platform/FileLookup.h"
#include "platform/Numbers.h"
#include "platform/Random.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <cmath>
#include <numbers>

QVector<TBitmap32> CarImages;
QVector<TBitmap32> CarMasks;

TBitmap32 AxisImage;
TBitmap32 WheelImage;
TBitmap32 FrameImage;
TBitmap32 AimImage;
TBitmap32 SmallBoreIcon;
TBitmap32 LargeBoreIcon;
TBitmap32 RocketIcon;
TBitmap32 LaserIcon;
TBitmap32 FlamethrowerIcon;
TBitmap32 DropperIcon;
TBitmap32 TurretIcon;
TBitmap32 EWPIcon;
TBitmap32 EWPLeftIcon;
TBitmap32 EWPRightIcon;
TBitmap32 RocketPlatformIcon;

TSizePictures LayoutBody;
TSizePictures LayoutTire;
TSizePictures LayoutWheelGuard;
TSizePictures LayoutWheelHub;
TBitmap32 LayoutCellEngines;
TBitmap32 LayoutGasEngines;
TSizePictures LayoutRamplate;
TSizePictures LayoutAirdam;
TSizePictures LayoutSpoiler;
QVector<TBitmap32> LayoutAccessories;
TBitmap32 LayoutTurret;
TLayoutWeapons LayoutWeapons;
TBitmap32 LayoutZeroSpaceTurret;
TBitmap32 LayoutEWP;
TBitmap32 LayoutRocketPlatform;
TBitmap32 LayoutDP;
TBitmap32 LayoutN2O;
TBitmap32 LayoutGasTank;
std::array<TBitmap32, 2> LayoutCrew;
std::array<TBitmap32, 7> LayoutCrewEquipment;

namespace {

const char* const SizeNames[BodySizeCount] = {"SubCompact", "Compact", "MidSized", "Sedan", "Luxury",
                                              "StationWagon", "Pickup", "Camper", "Van"};

const QString LargeFolder = QStringLiteral("Graphics/Image/Large");
const QString UnknownWeaponFile = QStringLiteral("Graphics/Layout/Weapons/UNKNOWN.png");

bool FileExists(const QString& path)
{
    return QFileInfo(ResolvePath(path)).isFile();
}

void LoadPicture(TBitmap32& image, TBitmap32& scratch, const QString& path)
{
    LoadImage(image, scratch, ResolvePath(path));
}

void LoadSizes(TSizePictures& pictures, TBitmap32& scratch, const QString& folder)
{
    for (int size = 0; size < BodySizeCount; ++size)
        LoadPicture(pictures[size], scratch, QStringLiteral("Graphics/Layout/%1/%2.png").arg(folder, BodySizeName(size)));
}

// Where the mask is white the picture shows something; only there does the
// picture keep its colour when drawn.
void ApplyWhiteRule(TBitmap32& image, const TBitmap32& mask)
{
    image.DrawMode = TDrawMode::dmBlend;
    image.MasterAlpha = 255;
    image.SetAlphaFromIntensity(mask);
}

// Whether a splatter mark around (cx, cy) can land anywhere: at a position
// outside the mask or one where the mask is not black.
bool SplatterHasRoom(const TBitmap32& mask, int cx, int cy)
{
    for (int y = cy - 50; y < cy + 50; ++y)
        for (int x = cx - 50; x < cx + 50; ++x)
            if (!mask.Contains(x, y) || mask.Pixel(x, y) != clBlack32)
                return true;
    return false;
}

} // namespace

bool IsPlainFileName(const QString& name)
{
    return !name.isEmpty() && !name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\')) &&
           !name.contains(QLatin1String(".."));
}

QString BodySizeName(int size)
{
    return QString::fromLatin1(SizeNames[BodySizeIndex(size)]);
}

int BodySizeIndex(int bodyNr)
{
    return std::clamp(bodyNr, 0, BodySizeCount - 1);
}

QString LayoutWeaponFile(const QString& abbreviation)
{
    if (IsPlainFileName(abbreviation)) {
        const QString file = QStringLiteral("Graphics/Layout/Weapons/%1.png").arg(abbreviation);
        if (FileExists(file))
            return file;
    }
    return UnknownWeaponFile;
}

void LoadGraphics()
{
    TBitmap32 scratch;

    CarImages.clear();
    CarMasks.clear();
    // Sorted by name, so that a car picture keeps its number from one start to the next.
    const QDir large(ResolvePath(LargeFolder));
    const QStringList carFiles = large.entryList({QStringLiteral("*.png")}, QDir::Files | QDir::Hidden | QDir::System,
                                                 QDir::Name | QDir::IgnoreCase);
    CarImages.resize(carFiles.size());
    CarMasks.resize(carFiles.size());
    for (int i = 0; i < carFiles.size(); ++i) {
        CarImages[i].LoadFromFile(large.filePath(carFiles[i]));
        MakeMask(CarImages[i], CarMasks[i]);
        ApplyWhiteRule(CarImages[i], CarMasks[i]);
    }

    const std::pair<TBitmap32*, const char*> topView[] = {
        {&AxisImage, "Axis"},
        {&WheelImage, "Wheel"},
        {&FrameImage, "Frame"},
        {&AimImage, "Aim"},
        {&SmallBoreIcon, "SmallBoreProjectileWeapon"},
        {&LargeBoreIcon, "LargeBoreProjectileWeapon"},
        {&RocketIcon, "Rocket"},
        {&LaserIcon, "Laser"},
        {&FlamethrowerIcon, "Flamethrower"},
        {&DropperIcon, "Dropper"},
        {&TurretIcon, "Turret"},
        {&EWPIcon, "EWP"},
        {&EWPLeftIcon, "EWP_left"},
        {&EWPRightIcon, "EWP_right"},
        {&RocketPlatformIcon, "RocketPlatform"},
    };
    for (const auto& [picture, name] : topView)
        LoadPicture(*picture, scratch, QStringLiteral("Graphics/Image/%1.png").arg(QLatin1String(name)));

    LoadSizes(LayoutBody, scratch, QStringLiteral("Body"));
    LoadSizes(LayoutTire, scratch, QStringLiteral("Tire"));
    LoadSizes(LayoutWheelGuard, scratch, QStringLiteral("WheelGuard"));
    LoadSizes(LayoutWheelHub, scratch, QStringLiteral("WheelHub"));
    LoadPicture(LayoutCellEngines, scratch, QStringLiteral("Graphics/Layout/CellEngines.png"));
    LoadPicture(LayoutGasEngines, scratch, QStringLiteral("Graphics/Layout/GasEngines.png"));
    LoadSizes(LayoutRamplate, scratch, QStringLiteral("Ramplate"));
    LoadSizes(LayoutAirdam, scratch, QStringLiteral("Airdam"));
    LoadSizes(LayoutSpoiler, scratch, QStringLiteral("Spoiler"));

    // Airdam, spoiler and ramplate (0 to 2) come from their per-size sets; an
    // accessory picture that is missing or broken leaves an empty picture,
    // which draws nothing.
    LayoutAccessories = QVector<TBitmap32>(EquipmentTypes.Items.size());
    for (int i = 3; i < LayoutAccessories.size(); ++i) {
        const QString file = QStringLiteral("Graphics/Layout/Accessories/%1.png").arg(i);
        if (!FileExists(file))
            continue;
        try {
            LoadPicture(LayoutAccessories[i], scratch, file);
        } catch (const EError&) {
            LayoutAccessories[i] = TBitmap32();
        }
    }

    LoadPicture(LayoutTurret, scratch, QStringLiteral("Graphics/Layout/Accessories/Turret.png"));

    LayoutWeapons = TLayoutWeapons(WeaponTypes.Items.size());
    for (int i = 0; i < LayoutWeapons.size(); ++i) {
        LayoutWeapons[i].Abbreviation = WeaponTypes.Items[i].Abbreviation;
        LoadPicture(LayoutWeapons[i].Image, scratch, LayoutWeaponFile(LayoutWeapons[i].Abbreviation));
    }

    LoadPicture(LayoutZeroSpaceTurret, scratch, QStringLiteral("Graphics/Layout/Accessories/ZeroSpaceTurret.png"));
    LoadPicture(LayoutEWP, scratch, QStringLiteral("Graphics/Layout/Accessories/EWP.png"));
    LoadPicture(LayoutRocketPlatform, scratch, QStringLiteral("Graphics/Layout/Accessories/RocketPlatform.png"));
    LoadPicture(LayoutDP, scratch, QStringLiteral("Graphics/Layout/DP.png"));
    LoadPicture(LayoutN2O, scratch, QStringLiteral("Graphics/Layout/N2O.png"));
    LoadPicture(LayoutGasTank, scratch, QStringLiteral("Graphics/Layout/GasTank.png"));

    for (int i = 0; i < int(LayoutCrew.size()); ++i)
        LoadPicture(LayoutCrew[i], scratch, QStringLiteral("Graphics/Layout/Crew/%1.png").arg(i));
    for (int i = 0; i < int(LayoutCrewEquipment.size()); ++i)
        LoadPicture(LayoutCrewEquipment[i], scratch, QStringLiteral("Graphics/Layout/Crew/Equipment_%1.png").arg(i));
}

void FreeGraphics()
{
    CarImages.clear();
    CarMasks.clear();
    for (TBitmap32* picture :
         {&AxisImage, &WheelImage, &FrameImage, &AimImage, &SmallBoreIcon, &LargeBoreIcon, &RocketIcon, &LaserIcon,
          &FlamethrowerIcon, &DropperIcon, &TurretIcon, &EWPIcon, &EWPLeftIcon, &EWPRightIcon, &RocketPlatformIcon,
          &LayoutCellEngines, &LayoutGasEngines, &LayoutTurret, &LayoutZeroSpaceTurret, &LayoutEWP,
          &LayoutRocketPlatform, &LayoutDP, &LayoutN2O, &LayoutGasTank})
        *picture = TBitmap32();
    for (TSizePictures* set : {&LayoutBody, &LayoutTire, &LayoutWheelGuard, &LayoutWheelHub, &LayoutRamplate,
                               &LayoutAirdam, &LayoutSpoiler})
        set->fill(TBitmap32());
    LayoutAccessories.clear();
    LayoutWeapons.clear();
    LayoutCrew.fill(TBitmap32());
    LayoutCrewEquipment.fill(TBitmap32());
}

void LoadImage(TBitmap32& image, TBitmap32& scratch, const QString& fileName)
{
    image.LoadFromFile(fileName);
    MakeMask(image, scratch);
    ApplyWhiteRule(image, scratch);
}

void MakeMask(const TBitmap32& image, TBitmap32& mask)
{
    mask = image;
    for (int y = 0; y < mask.Height(); ++y)
        for (int x = 0; x < mask.Width(); ++x)
            mask.SetPixel(x, y, mask.Pixel(x, y) == clWhite32 ? clBlack32 : clWhite32);
}

void DrawImage(TBitmap32& dst, const TBitmap32& src, const TBitmap32* mask, int x, int y, int alpha)
{
    if (!mask) {
        src.DrawTo(dst, x, y);
        return;
    }
    TBitmap32 through = src;
    through.DrawMode = TDrawMode::dmBlend;
    through.MasterAlpha = std::uint8_t(std::clamp(alpha, 0, 255));
    through.SetAlphaFromIntensity(*mask);
    through.DrawTo(dst, x, y);
}

void RotateImage(const TBitmap32& src, TBitmap32& dst, float angle)
{
    dst.Clear(clWhite32);
    src.DrawRotatedTo(dst, Round(angle) != 0 ? double(angle) : 0.0);
}

void RotatePoint(int x, int y, double angle, int& rx, int& ry)
{
    const Extended s = std::sin(Extended(angle));
    const Extended c = std::cos(Extended(angle));
    rx = Round(x * c + y * s);
    ry = Round(-x * s + y * c);
}

void TileImage(TBitmap32& target, const TBitmap32& tile)
{
    // An empty tile would never cover anything.
    if (tile.Empty())
        return;
    for (int y = 0; y < target.Height(); y += tile.Height())
        for (int x = 0; x < target.Width(); x += tile.Width())
            tile.DrawTo(target, x, y);
}

void BlackenPixel(TBitmap32& image, TBitmap32& mask, int x, int y, bool alsoMask)
{
    image.SetPixelS(x, y, clBlack32);
    if (alsoMask)
        mask.SetPixelS(x, y, clBlack32);
}

void DrawCrater(TBitmap32& image, TBitmap32& mask, int cx, int cy, int r)
{
    const Extended r2 = Extended(r) * r;
    for (int x = 0; x <= image.Width(); ++x)
        for (int y = 0; y <= image.Height(); ++y) {
            const int d = SqrDistance(x, y, cx, cy);
            if (d <= r2 && mask.Contains(x, y) && mask.Pixel(x, y) == clWhite32) {
                BlackenPixel(image, mask, x, y, true);
            } else if (r2 < d && d < 1.2L * r2) {
                for (int px = x - 1; px <= x; ++px)
                    for (int py = y - 1; py <= y + 1; ++py)
                        image.SetPixelS(px, py, clBlack32);
            }
        }
}

void DrawSplatter(TBitmap32& image, const TBitmap32& mask, int cx, int cy, int count)
{
    // Where the mask is black all around, picking again would never end: such
    // a hit leaves no splatter and draws no random numbers.
    if (!SplatterHasRoom(mask, cx, cy))
        return;
    for (int mark = 0; mark <= count; ++mark) {
        int x = 0;
        int y = 0;
        do {
            const int r1 = Random(100);
            const int r2 = Random(100);
            x = cx + r1 - 50;
            y = cy + r2 - 50;
        } while (mask.Contains(x, y) && mask.Pixel(x, y) == clBlack32);

        switch (Random(4)) {
        case 0:
            image.SetPixelS(x, y, clBlack32);
            break;
        case 1:
            for (const auto& [px, py] : {std::pair{x - 1, y}, {x, y}, {x + 1, y}, {x, y - 1}, {x, y + 1}})
                image.SetPixelS(px, py, clBlack32);
            break;
        case 2:
            for (const auto& [px, py] : {std::pair{x - 1, y - 1}, {x, y}, {x + 1, y + 1}, {x + 1, y - 1}, {x - 1, y + 1}})
                image.SetPixelS(px, py, clBlack32);
            break;
        default:
            for (int py = y - 1; py <= y + 1; ++py)
                for (int px = x - 1; px <= x + 1; ++px)
                    image.SetPixelS(px, py, clBlack32);
            break;
        }
    }
}

void DrawHitMark(TBitmap32& body, TBitmap32& bodyMask, int carX, int carY, int facing, int damage, double px,
                 double py, int kind, bool hasMetalArmor)
{
    // The game car turns about the centre (25, 50) of its 50 x 100 body picture.
    const int dx = Round(px) - (carX + 25);
    const int dy = Round(py) - (carY + 50);
    int x = 0;
    int y = 0;
    RotatePoint(dx, dy, -facing * std::numbers::pi / 180.0, x, y);
    x += 25;
    y += 50;
    switch (kind) {
    case 0:
        DrawCrater(body, bodyMask, x, y, Round(damage * 0.8L));
        DrawSplatter(body, bodyMask, x, y, damage);
        break;
    case 1:
        if (!hasMetalArmor)
            DrawCrater(body, bodyMask, x, y, Round(damage * 0.4L));
        DrawSplatter(body, bodyMask, x, y, 2 * damage);
        break;
    default:
        break;
    }
}

const TBitmap32& WeaponClassIcon(TWeaponClass weaponClass)
{
    switch (weaponClass) {
    case wcSmallBore:
        return SmallBoreIcon;
    case wcLargeBore:
        return LargeBoreIcon;
    case wcRockets:
        return RocketIcon;
    case wcLasers:
        return LaserIcon;
    case wcFlamethrowers:
        return FlamethrowerIcon;
    default:
        return DropperIcon;
    }
}
