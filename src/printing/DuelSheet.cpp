// The duel sheet's own sections: the weapon table by abbreviation and the
// grid of turns in which speed and handling status are written down.
#include "gamecar/GameCar.h"
#include "model/EnumTexts.h"
#include "model/Global.h"
#include "model/Lookups.h"
#include "model/Vehicle.h"
#include "platform/Format.h"
#include "printing/PrintForm.h"
#include "printing/PrintUtils.h"
#include "printing/SheetTexts.h"

#include <algorithm>

namespace {

// The weapon column ends a little before the to-hit figures at X + 500.
constexpr int WeaponColumnWidth = 420;

} // namespace

void TfrmPrint::PrintDuelWeaponTable(int X, int Y, int W)
{
    TVehicle& V = *FCar->Vehicle;
    PrintRect(X, Y, W, 1100);
    for (int i = 1; i <= 10; ++i)
        PrintLine(0, Y + 100 * i, W, 0);
    PrintHeading(QStringLiteral("Weapon"), X, Y + 10, Y + 100, false);
    PrintHeading(QStringLiteral("To Hit"), X + 400, Y + 10, Y + 100, false);
    PrintHeading(QStringLiteral("Dmg."), X + 700, Y + 10, Y + 100, false);
    PrintHeading(QStringLiteral("Ammo"), X + 1100, Y + 10, Y + 100, false);

    auto row = [&](int r, const TWeaponEntry& entry, int toHit, const QString& damage, const QString& ammo) {
        const int rowTop = Y + 100 + WeaponRowHeight * r;
        const int y = rowTop + WeaponRowTextDrop;
        PrintWeaponEntry(entry, X + 55, rowTop, WeaponColumnWidth, 45);
        PrintText(Format(QStringLiteral("%d"), {toHit}), X + 500, y, 10, 0, false);
        PrintText(damage, X + 700, y, 10, 0, false);
        PrintText(ammo, X + 1200, y, 10, 0, false);
    };

    const int n = std::min(V.WeaponCount(), 10);
    for (int r = 0; r < n; ++r) {
        TWeaponType weapon;
        V.GetWeapon(r, weapon);
        QString name = weapon.Abbreviation;
        if (weapon.LaserPulse)
            name = QStringLiteral("p") + name;
        if (weapon.LaserIR)
            name = QStringLiteral("IR ") + name;
        row(r, WeaponEntry(name, weapon), weapon.ToHit,
            DiceToStr(weapon.DamageKind, weapon.DamageDice, weapon.DamageMod), WeaponAmmoText(weapon));
    }
    const QString seats[2] = {QStringLiteral("Drv "), QStringLiteral("Gnr: ")};
    for (int s = 0; s < 2 && n + s <= 9; ++s) {
        THandGunType gun;
        if (CrewBuffer[s].HandGun.isEmpty() || !FindHandGunType(CrewBuffer[s].HandGun, gun))
            continue;
        row(n + s, TWeaponEntry{seats[s] + gun.Abbreviation, {}, {}, {}}, gun.ToHit,
            DiceToStr(gun.DamageKind, gun.DamageDice, gun.DamageMod), ShotsText(gun.Shots));
    }
}

void TfrmPrint::PrintTurnGrid(int X, int Y, int W, int H)
{
    TVehicle& V = *FCar->Vehicle;
    PrintRect(X, Y, W, H);
    PrintHeading(QStringLiteral("Turn"), X + 10, Y + 10, Y + 100, false);
    PrintHeading(QStringLiteral("Speed"), X + 390, Y + 10, Y + 100, false);
    const int hc = V.GetHC();
    const QString figures = hc != V.Suspension.HC
                                ? Format(QStringLiteral("(HC: %d, regain %d)"), {hc, V.Suspension.HC})
                                : Format(QStringLiteral("(HC: %d)"), {hc});
    PrintHeading(QStringLiteral("Handling Status ") + figures, X + 600 + (W - 600) / 2, Y + 10, Y + 100, true);
    PrintLine(X, Y + 100, W, 0);
    for (int t = 0; 100 * t < H; ++t) {
        PrintLine(X, Y + 100 * t, W, 0);
        if (t == 0)
            continue;
        const int y = Y + 100 * t + 10;
        PrintText(Format(QStringLiteral("%2d:"), {t}), X, y, 10, 0, false);
        for (int k = 0; k < 16; ++k)
            PrintText(Format(QStringLiteral("%2d"), {7 - k}), X + 800 + 130 * k, y, 10, 0, false);
    }
}
