#include "model/Vehicle.h"

#include "model/RuleTables.h"
#include "platform/Format.h"
#include "platform/Numbers.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

// Percent chance of each sum of two dice, indexed by the sum; the table is the
// game's own and adds up to 101.
constexpr std::array<int, 13> TwoDiceChance = {0, 0, 3, 6, 8, 11, 14, 17, 14, 11, 8, 6, 3};

constexpr int LaserRatingShots = 20;
constexpr double MaxEfficiency = 1000;

} // namespace

int ChanceAtLeast(int N)
{
    int chance = 0;
    for (int sum = std::max(N, 1); sum <= 12; ++sum)
        chance += TwoDiceChance[sum];
    return chance;
}

QString FacingName(int Facing)
{
    switch (Facing) {
    case locFront:
        return QStringLiteral("front");
    case locLeft:
        return QStringLiteral("left");
    case locRight:
        return QStringLiteral("right");
    case locBack:
        return QStringLiteral("back");
    default:
        return QStringLiteral("turret");
    }
}

double TVehicle::GetWeaponEfficiency(const TWeaponType& W, int Mode, int ToHitModifier) const
{
    if (W.DamageKind == dkNone)
        return 0;
    // A laser has no magazine; it is rated as if it fired twenty times.
    const int shots = W.Class == wcLasers ? LaserRatingShots : W.Shots;
    const int damage = CheckedAdd(CheckedMul(W.DamageDice, 3), W.DamageMod);
    int shift = 0;
    switch (ToHitModifier) {
    case 0:
        shift = -4;
        break;
    case 2:
        shift = 1;
        break;
    case 3:
        shift = 2;
        break;
    default:
        break;
    }
    const int chance = ChanceAtLeast(std::clamp(CheckedAdd(W.ToHit, shift), 2, 12));
    Extended denominator = 0;
    switch (Mode) {
    case 0:
        denominator = W.Space * 50.0L;
        break;
    case 1:
        denominator = (shots * static_cast<Extended>(W.CPS) + W.Cost) / 10.0L;
        break;
    case 2:
        denominator = (shots * static_cast<Extended>(W.WPS) + W.Weight) / 5.0L;
        break;
    default:
        break;
    }
    if (denominator == 0)
        return 0;
    const Extended rating = static_cast<Extended>(shots) * damage * chance / denominator;
    return static_cast<double>(std::min<Extended>(rating, MaxEfficiency));
}

void TVehicle::GetFirepower(TLocation Facing, QString& Text) const
{
    Text.clear();
    const bool sidePods = HasSidePods();
    // With side pods the left and right weapons bear through the pods, which
    // fire forward or back.
    if (sidePods && (Facing == locLeft || Facing == locRight))
        return;
    const bool podFacing = sidePods && ((Facing == locFront && EWPFF) ||
                                        (Facing == locBack && !EWPFF));
    int D = 0;
    int A = 0;
    for (const TWeaponType& w : Weapons.Items) {
        const bool bears =
            w.Location == Facing ||
            (podFacing &&
             (w.Location == locLeft || w.Location == locRight || w.Location == locEWP));
        if (!bears || w.DamageKind == dkNone)
            continue;
        int dice = w.DamageDice;
        int adds = w.DamageMod;
        if (w.LaserPulse)
            adds = CheckedAdd(adds, dice);
        if (w.NrOfObjects > 1)
            dice = CheckedMul(dice, w.NrOfObjects);
        TAmmoType ammo;
        FindAmmo(w.Ammo, ammo);
        adds = CheckedAdd(adds, CheckedMul(dice, AmmoDamagePerDie(ammo)));
        D = CheckedAdd(D, dice);
        A = CheckedAdd(A, adds);
    }
    if (D == 0 && A == 0) {
        Text = QStringLiteral("-");
        return;
    }
    if (D != 0)
        Text = Format(QStringLiteral("%dd"), {D}) + (A > 0 ? QStringLiteral("+") : QString());
    if (A != 0)
        Text += Format(QStringLiteral("%d"), {A});
    Text += Format(QStringLiteral(" (%d...%d)"),
                   {CheckedAdd(D, A), CheckedAdd(CheckedMul(D, 6), A)});
}

void TVehicle::GetCollisionModifierText(QString& Text) const
{
    const double m = CollisionDamageModifier(Weight);
    Text = m == std::floor(m) ? Format(QStringLiteral("%d"), {static_cast<int>(m)})
                              : Format(QStringLiteral("%2f"), {m});
}

void TVehicle::GetCollisionDamageText(int Speed, QString& Text) const
{
    const Extended m = CollisionDamageModifier(Weight);
    int dice;
    int adds;
    CollisionDamageBySpeed(Speed, dice, adds);
    // The text shows the dice of the speed with the weight's multiplier; the
    // multiplied count is what the ramplate and the range work with.
    const int scaledDice = Round(dice * m);
    if (EquipmentAmount(RamplateNr) == 1)
        adds = CheckedAdd(adds, CheckedMul(scaledDice, 2));
    if (scaledDice == 0 && adds <= 0) {
        Text = QStringLiteral("-");
        return;
    }
    const int lowest = CheckedAdd(scaledDice, adds);
    // Six per die counted in extended precision: the die count of a high
    // speed times six leaves the integer range before the modifier shrinks it.
    const int highest = CheckedAdd(Round(dice * 6.0L * m), adds);
    if (adds < 0)
        Text = Format(QStringLiteral("(%dd*%2f)-%d: (%d...%d)"),
                      {dice, m, CheckedSub(0, adds), lowest, highest});
    else if (adds == 0)
        Text = Format(QStringLiteral("(%dd*%2f): (%d...%d)"), {dice, m, lowest, highest});
    else
        Text = Format(QStringLiteral("(%dd*%2f)+%d: (%d...%d)"),
                      {dice, m, adds, lowest, highest});
}
