#include "model/Vehicle.h"

#include "model/Global.h"
#include "model/RuleTables.h"
#include "platform/Format.h"
#include "platform/Numbers.h"

#include <array>

namespace {

constexpr int MinimumRange = 150;
constexpr int LocationCount = 7; // front to rocket platform

// What the weapons put on each mount location.
struct TWeaponTallies {
    std::array<double, LocationCount> Space{};
    std::array<int, LocationCount> Count{};
    std::array<int, LocationCount> Dischargers{};

    void AddWeaponSpace(int location, const TWeaponType& W)
    {
        if (location < 0 || location >= LocationCount)
            return;
        Space[location] += W.Space + (W.ExtraAmmo ? 1 : 0);
        ++Count[location];
        if (W.Class == wcDischargers)
            ++Dischargers[location];
    }
};

// Weapon spaces a turret holds: the one-, two- and three-space kinds and
// their pop-up forms; a zero-space turret holds none.
int TurretCapacity(TTurretKind kind)
{
    return kind >= tkNone && kind <= tkThreeSpacePopUp ? kind / 2 : 0;
}

// Weapon spaces of one pod (each of a side pair).
int PodCapacity(TEWPKind kind)
{
    return kind >= ewpNone && kind <= ewpThreeSpaceTop ? (kind + 1) / 2 : 0;
}

} // namespace

void TVehicle::CheckWeaponPlacement(QString& Message)
{
    Message.clear();
    TWeaponTallies t;
    for (const TWeaponType& w : Weapons.Items)
        t.AddWeaponSpace(w.Location, w);

    const int sideSpace = CheckedAdd(Body.Space, Body.CargoSpace) / 3;
    const bool sidePods = HasSidePods();
    // One weapon may fill a side beyond its allowance; two or more may not.
    auto sideFails = [&](TLocation side) {
        return t.Space[side] > sideSpace && t.Count[side] > 1;
    };
    auto sideMessage = [&](TLocation side) {
        return Format(QStringLiteral("Space used (%s): %2f, allowed: %d"),
                      {FacingName(side), t.Space[side], sideSpace});
    };

    if (!sidePods) {
        for (TLocation side : {locLeft, locRight}) {
            if (sideFails(side)) {
                Message = sideMessage(side);
                break;
            }
        }
    }
    for (TLocation side : {locFront, locBack})
        if (sideFails(side))
            Message = sideMessage(side);

    const int turretCapacity = TurretCapacity(Turret);
    if (t.Space[locTurret] > turretCapacity)
        Message = Format(QStringLiteral("Space used in turret: %2f, allowed: %d"),
                         {t.Space[locTurret], turretCapacity});

    if (EWP > 0) {
        const int podCapacity = PodCapacity(EWP);
        if (sidePods && t.Space[locLeft] > podCapacity)
            Message = Format(QStringLiteral("Space used in left EWP: %2f, allowed: %d"),
                             {t.Space[locLeft], podCapacity});
        else if (sidePods && t.Space[locRight] > podCapacity)
            Message = Format(QStringLiteral("Space used in right EWP: %2f, allowed: %d"),
                             {t.Space[locRight], podCapacity});
        else if (t.Space[locEWP] > podCapacity)
            Message = Format(QStringLiteral("Space used in EWP: %2f, allowed: %d"),
                             {t.Space[locEWP], podCapacity});
    }

    if (t.Dischargers[locFront] > 1)
        Message = Format(QStringLiteral("%d Dischargers in front - only one allowed"),
                         {t.Dischargers[locFront]});
    if (t.Dischargers[locLeft] > 2)
        Message = Format(QStringLiteral("%d Dischargers on the left - only two allowed"),
                         {t.Dischargers[locLeft]});
    if (t.Dischargers[locRight] > 2)
        Message = Format(QStringLiteral("%d Dischargers on the right - only two allowed"),
                         {t.Dischargers[locRight]});
    if (t.Dischargers[locBack] > 1)
        Message = Format(QStringLiteral("%d Dischargers in back - only one allowed"),
                         {t.Dischargers[locBack]});

    const int range = GetRange();
    if (range < MinimumRange)
        Message = Format(QStringLiteral("Range is %d - a minimum of 150 is required"), {range});
}

void TVehicle::CheckValid(QString& Reason)
{
    // Stays when one of the reports below raises an error.
    Reason = QStringLiteral("<Reason unknown>");
    if (DivUse) {
        const int cost = GetCost(ScratchList);
        if (cost > CheckedMul(Div, 1000)) {
            Reason = Format(QStringLiteral("Cost to high for Div %d"), {Div});
            return;
        }
    }
    // The limit is read only after the weight report has stored it afresh.
    const int weight = GetWeight(ScratchList);
    if (weight > MaxWeight) {
        Reason = QStringLiteral("Max Weight exceeded");
        return;
    }
    if (GetSpace(ScratchList) < 0) {
        Reason = QStringLiteral("Amount of available space exceeded");
        return;
    }
    if (GetAcceleration() <= 0) {
        Reason = QStringLiteral("Cannot accelerate");
        return;
    }
    QString placement;
    CheckWeaponPlacement(placement);
    if (!placement.isEmpty()) {
        Reason = placement;
        return;
    }
    if (YearUse && GetYear(YearList) > Year) {
        Reason = Format(QStringLiteral("Vehicle date exceeds %d"), {Year});
        return;
    }
    const bool gasEngined = PowerCellEngine.Space == 0 && GasEngine.Space > 0;
    if (gasEngined && HasWeaponClass(wcLasers) && EquipmentAmount(BatteryNr) == 0) {
        Reason = QStringLiteral("Laser requires a battery");
        return;
    }
    Reason.clear();
}
