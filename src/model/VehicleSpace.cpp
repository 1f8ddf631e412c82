// The space report of a design and the small counts it uses.

#include "model/Vehicle.h"

#include "model/RuleTables.h"
#include "platform/Format.h"
#include "platform/Numbers.h"

#include <cmath>

namespace {

const QString Rule = QStringLiteral("---------------------");

// Airdam, spoiler and ramplate sit outside the body.
bool TakesNoSpace(int nr)
{
    return nr == AirdamNr || nr == SpoilerNr || nr == RamplateNr;
}

bool IsWhole(Extended x)
{
    return x == std::trunc(x);
}

// Weapons and accessories may take fractions of a space: whole amounts are
// shown as whole numbers ("%2d"), others with two decimals ("%2f").
QString SpaceNumber(Extended space)
{
    if (IsWhole(space))
        return Format(QStringLiteral("%2d"), {Round(space)});
    return Format(QStringLiteral("%2f"), {space});
}

bool InAddOn(TLocation location)
{
    return location == locTurret || location == locEWP || location == locRocketPlatform;
}

} // namespace

int TVehicle::GetSpace(QStringList& List)
{
    // Clearing keeps the list's capacity for the refill.
    List.clear();
    List.append(QStringLiteral("* Basic Vehicle Space *"));
    List.append(Format(QStringLiteral("Available: %d"), {Body.Space}));
    List.append(QString());
    int left = Body.Space;

    if (Streamlined || Sloped) {
        int loss;
        if (Streamlined && Sloped)
            loss = Round(left * 0.15L);
        else if (Streamlined)
            loss = Round(left * 0.1L + 0.5L);
        else
            loss = Round(left * 0.1L);
        left = CheckedSub(left, loss);
        QString label;
        if (Streamlined)
            label += QStringLiteral(", Streamlined");
        if (Sloped)
            label += QStringLiteral(", Sloped Armor");
        List.append(Format(QStringLiteral("%s: %d"), {label.mid(2), loss}));
    }
    if (Rollcage) {
        left = CheckedSub(left, 1);
        List.append(QStringLiteral("Rollcage: 1"));
    }
    left = CheckedSub(left, GetEngineSpace(List));

    List.append(QString());
    List.append(QStringLiteral("* Weapons *"));
    // Weapon, accessory and crew spaces are summed as fractions and rounded
    // once at the end. The running sums are doubles, each addition stored as
    // one: whether a sum shows as whole depends on it (0.1 + 0.2 + 0.7 is 1).
    double weapons = 0;
    auto weaponSpace = [](const TWeaponType& w) {
        return static_cast<Extended>(w.Space) + (w.ExtraAmmo ? 1 : 0);
    };
    for (int i = 0; i < Weapons.Items.size(); ++i) {
        if (!IsBodyWeapon(i))
            continue;
        const TWeaponType& w = Weapons.Items[i];
        const Extended s = weaponSpace(w);
        weapons = static_cast<double>(weapons + s);
        List.append(w.Abbreviation + QStringLiteral(": ") + SpaceNumber(s));
    }
    if (const int turret = TurretSpace(Turret); turret != 0) {
        List.append(Format(QStringLiteral("Turret: %d"), {turret}));
        weapons = weapons + turret;
        // A reminder of what the add-ons carry; it takes no body space.
        for (const TWeaponType& w : Weapons.Items)
            if (InAddOn(w.Location))
                List.append(QStringLiteral("    (") + w.Abbreviation + QStringLiteral(": ")
                            + SpaceNumber(weaponSpace(w)) + QLatin1Char(')'));
    }
    List.append(Rule);
    List.append(QStringLiteral("Sum: ") + SpaceNumber(weapons));
    List.append(QString());

    const int equipmentHeader = List.size();
    List.append(QStringLiteral("* Equipment *"));
    double equipment = 0;
    for (const TEquipmentType& e : Equipment.Items) {
        if (!e.Installed || TakesNoSpace(e.Nr))
            continue;
        const Extended space = e.Space;
        const Extended total = e.Amount * space;
        equipment = static_cast<double>(equipment + total);
        if (e.Amount > 1)
            List.append(Format(QStringLiteral("%s: %dx%2f="), {e.Name, e.Amount, space})
                        + SpaceNumber(total));
        else
            List.append(e.Name + QStringLiteral(": ") + SpaceNumber(space));
    }
    if (equipment == 0) {
        // Accessories that take no space leave no section behind.
        List.erase(List.begin() + equipmentHeader, List.end());
    } else {
        List.append(Rule);
        List.append(QStringLiteral("Sum: ") + SpaceNumber(equipment));
        List.append(QString());
    }

    const int crewCount = GetCrewCount();
    const Extended crew = GetCrewSpace();
    if (crew > 0) {
        if (IsWhole(crew))
            List.append(Format(QStringLiteral("%d Crew: %2d"), {crewCount, Round(crew)}));
        else
            List.append(Format(QStringLiteral("%d Crew: %2.1f"), {crewCount, crew}));
    }

    left = CheckedSub(left, Round(static_cast<Extended>(weapons) + equipment + crew));
    SpaceLeft = left;
    List.append(QString());
    List.append(Format(QStringLiteral("Space remains: %d"), {left}));
    return left;
}

bool TVehicle::IsBodyWeapon(int i) const
{
    const TLocation location = Weapons.Items[i].Location;
    if (InAddOn(location))
        return false;
    return !HasSidePods() || (location != locLeft && location != locRight);
}

int TVehicle::GetEngineSpace(QStringList& List) const
{
    int s;
    int engineSpace;
    if (PowerCellEngine.Power > 0) {
        const TCEngineType& e = PowerCellEngine;
        engineSpace = e.Space;
        s = engineSpace;
        List.append(Format(QStringLiteral("%s Cell Engine: %d"), {e.Name, e.Space}));
        if (e.EPC) {
            const int extended = Round(s * 1.25L);
            List.append(Format(QStringLiteral("    +Extra Power Cell: %2d"), {extended - s}));
            s = extended;
        }
        if (e.ISC != 0) {
            s = CheckedAdd(s, e.ISC);
            List.append(Format(QStringLiteral("    +Improved Supercharger Capacitors: %2d"), {e.ISC}));
        }
    } else if (GasEngine.Power > 0) {
        const TGEngineType& e = GasEngine;
        engineSpace = e.Space;
        s = engineSpace;
        List.append(Format(QStringLiteral("%s Gas Engine: %d"), {e.Name, e.Space}));
        if (e.SC) {
            s = CheckedAdd(s, 1);
            List.append(Format(QStringLiteral("    +Supercharger: %2d"), {1}));
        }
        if (e.NO != 0) {
            s = CheckedAdd(s, e.NO);
            if (e.NO == 1)
                List.append(Format(QStringLiteral("    +Nitrous Oxide: %2d"), {1}));
            else
                List.append(Format(QStringLiteral("    +%dx Nitrous Oxide: %d"), {e.NO, e.NO}));
        }
        if (const int tank = GetTankSpace(); tank != 0) {
            s = CheckedAdd(s, tank);
            List.append(Format(QStringLiteral("    +%d gal %s Tank: %2d"),
                               {TankSize, GasTank.Name, tank}));
        }
    } else {
        return 0;
    }
    if (s != engineSpace)
        List.append(Format(QStringLiteral("    =Sum: %2d"), {s}));
    return s;
}

int TVehicle::GetTankSpace() const
{
    if (TankSize < 6)
        return 0;
    return (TankSize - 6) / 10 + 1;
}

int TVehicle::GetCrewCount() const
{
    int n = 0;
    for (const TCrewType& c : Crew)
        if (c.Seat)
            ++n;
    return n;
}

double TVehicle::GetCrewSpace() const
{
    double space = 0;
    for (const TCrewType& c : Crew) {
        if (!c.Seat)
            continue;
        space += 2.0;
        if (c.PFE)
            space += 0.5;
    }
    return space;
}
