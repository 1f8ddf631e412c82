#include "gamecar/GameCar.h"
#include "gamecar/Graphics.h"
#include "model/EnumTexts.h"
#include "model/Global.h"
#include "model/MapGeometry.h"

#include <QRect>
#include <algorithm>

namespace {

// Where the unturned car picture sits in the 120 x 120 view; the weapon
// icon places are relative to one pixel left of it.
constexpr int BodyLeft = 36;
constexpr int BodyTop = 10;
constexpr int IconOriginX = 35;
constexpr int IconOriginY = 10;

constexpr int IconSize = 11;
constexpr int MaxIconsPerLocation = 10;

// Left edges of the icon strip's frames by the way the icon points.
constexpr int PointsUp = 0;
constexpr int PointsRight = 12;
constexpr int PointsDown = 23;
constexpr int PointsLeft = 34;

int IconFrame(const TVehicle& v, const QString& location)
{
    const int podFacing = v.EWPFF ? PointsUp : PointsDown;
    if (location == QLatin1String("back"))
        return PointsDown;
    if (location == QLatin1String("EWP") || location == QLatin1String("rocket platform"))
        return podFacing;
    if (location == QLatin1String("right"))
        return HasNoSideEWP(v) ? PointsRight : podFacing;
    if (location == QLatin1String("left"))
        return HasNoSideEWP(v) ? PointsLeft : podFacing;
    return PointsUp;
}

void Put(TBitmap32& sprite, const TBitmap32& picture, int x, int y)
{
    DrawImage(sprite, picture, nullptr, x, y, 255);
}

} // namespace

void TGameCar::Draw(TBitmap32& target, int x, int y, int bodyAlpha, bool maskFlag)
{
    const TVehicle& v = *Vehicle;
    Sprite.Clear(clWhite32);
    Put(Sprite, FrameImage, 45, 16);

    Put(Sprite, WheelImage, 41, 23);
    Put(Sprite, WheelImage, 74, 23);
    Put(Sprite, AxisImage, 46, 30);
    Put(Sprite, WheelImage, 41, 77);
    Put(Sprite, WheelImage, 74, 77);
    Put(Sprite, AxisImage, 46, 84);
    if (v.Axis == wl6Wheels2Axis) {
        Put(Sprite, WheelImage, 49, 77);
        Put(Sprite, WheelImage, 66, 77);
    } else if (v.Axis == wl6Wheels3Axis) {
        Put(Sprite, WheelImage, 41, 60);
        Put(Sprite, WheelImage, 74, 60);
        Put(Sprite, AxisImage, 46, 67);
    }

    // Front and back weapons show destroyed or not; the others only while they work.
    const bool includeDestroyed = !maskFlag;
    DrawWeapons(Sprite, IconOriginX, IconOriginY, QStringLiteral("front"), true);
    DrawWeapons(Sprite, IconOriginX, IconOriginY, QStringLiteral("back"), true);
    if (!HasNoSideEWP(v)) {
        Put(Sprite, EWPLeftIcon, 36, 57);
        Put(Sprite, EWPRightIcon, 75, 57);
    }
    DrawWeapons(Sprite, IconOriginX, IconOriginY, QStringLiteral("left"), includeDestroyed);
    DrawWeapons(Sprite, IconOriginX, IconOriginY, QStringLiteral("right"), includeDestroyed);

    DrawImage(Sprite, *Body, BodyMask.get(), BodyLeft, BodyTop, bodyAlpha);

    // A pod kind or platform below zero (a damaged file) is none at all, as for the accounting.
    if (v.EWP > ewpNone && v.EWP % 2 == 0) {
        Put(Sprite, EWPIcon, 50, 63);
        DrawWeapons(Sprite, IconOriginX, IconOriginY, QStringLiteral("EWP"), includeDestroyed);
    }
    if (v.RocketPlatform > 0) {
        Put(Sprite, RocketPlatformIcon, 50, 63);
        DrawWeapons(Sprite, IconOriginX, IconOriginY, QStringLiteral("rocket platform"), includeDestroyed);
    }
    if (v.Turret > tkNone) {
        Put(Sprite, TurretIcon, 50, 65);
        DrawWeapons(Sprite, IconOriginX, IconOriginY, QStringLiteral("turret"), includeDestroyed);
    }

    RotateImage(Sprite, Rotated, float(Facing));
    MakeMask(Rotated, RotatedMask);
    DrawImage(target, Rotated, &RotatedMask, x - IconOriginX, y - IconOriginY, 255);
    if (maskFlag && MapMask)
        DrawImage(*MapMask, RotatedMask, nullptr, x - IconOriginX, y - IconOriginY, 255);
}

void TGameCar::DrawAtPosition(TBitmap32& target, int bodyAlpha, bool maskFlag)
{
    Draw(target, X, Y, bodyAlpha, maskFlag);
}

void TGameCar::DrawWeapons(TBitmap32& target, int offX, int offY, const QString& location, bool includeDestroyed)
{
    TWeaponTypes weapons;
    GetWeaponsAt(location, includeDestroyed, weapons);
    const int n = std::min(int(weapons.Items.size()), MaxIconsPerLocation);
    if (n == 0)
        return;
    QVector<int> xs;
    QVector<int> ys;
    GetWeaponSlots(*Vehicle, location, n, xs, ys);
    const int frame = IconFrame(*Vehicle, location);
    for (int i = 0; i < n; ++i)
        WeaponClassIcon(weapons.Items[i].Class)
            .DrawTo(target, xs[i] + offX, ys[i] + offY, QRect(frame, 0, IconSize, IconSize));
}

void TGameCar::GetWeaponsAt(const QString& location, bool includeDestroyed, TWeaponTypes& result) const
{
    result.Items.clear();
    for (int i = 0; i < Vehicle->WeaponCount(); ++i) {
        TWeaponType w;
        Vehicle->GetWeapon(i, w);
        // A weapon added since the last reset has no damage entry yet and counts as intact.
        const bool destroyed = i < Damage.Weapons.Items.size() && Damage.Weapons.Items[i].DP == 0;
        if (LocationToStr(w.Location) == location && (includeDestroyed || !destroyed))
            result.Items.append(w);
    }
}
