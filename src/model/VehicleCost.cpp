// The cost report of a design and its sections.

#include "model/Vehicle.h"

#include "model/Lookups.h"
#include "model/RuleTables.h"
#include "model/VehicleRules.h"

#include <cmath>

namespace {

const QString Rule = QStringLiteral("---------------------");

// Accessories priced per wheel rather than by their amount.
bool PricedPerWheel(int nr)
{
    return nr == 5 || nr == HDShocksNr;
}

// Component armor of an engine or a crew seat: points times the price per
// point, doubled when fireproof; written "    +%d pt%s CA: $%d".
int ComponentArmorLine(QStringList& list, int points, int pricePerPoint, bool fireproof)
{
    int amount = CheckedMul(points, pricePerPoint);
    if (fireproof)
        amount = CheckedMul(amount, 2);
    list.append(Format(QStringLiteral("    +%d pt%s CA: $%d"),
                       {points, fireproof ? QStringLiteral(" FP") : QString(), amount}));
    return amount;
}

} // namespace

int TVehicle::GetCost(QStringList& List)
{
    // Clearing keeps the list's capacity for the refill.
    List.clear();
    List.append(QStringLiteral("* Basic Vehicle Cost *"));

    // Body, frame, chassis and suspension.
    List.append(Format(QStringLiteral("%s Body: $%d"), {Body.Name, Body.Price}));
    int cost = Body.Price;
    if (CAFrame) {
        const int amount = CheckedMul(Body.Price, 3);
        Add(cost, amount);
        List.append(Format(QStringLiteral("    +Carbon-Aluminium Frame: $%d"), {amount}));
    }
    if (Streamlined) {
        const int amount = Round(cost / 2.0L + 0.5L);
        Add(cost, amount);
        List.append(Format(QStringLiteral("    +Streamlined: $%d"), {amount}));
    }
    if (Rollcage) {
        const int amount = 900;
        Add(cost, amount);
        List.append(Format(QStringLiteral("    +Rollcage: $%d"), {amount}));
    }
    // Chassis and suspension are both percentages of the same base.
    const int base = cost;
    if (Chassis.Price != 0) {
        const int amount = Round(base * (Chassis.Price / 100.0L));
        Add(cost, amount);
        List.append(Format(QStringLiteral("    +%s Chassis: $%d"), {Chassis.Name, amount}));
    }
    if (Suspension.Price != 0) {
        const int amount = Round(base * (Suspension.Price / 100.0L));
        Add(cost, amount);
        List.append(Format(QStringLiteral("    +%s Suspension: $%d"), {Suspension.Name, amount}));
    }
    if (cost != Body.Price)
        List.append(Format(QStringLiteral("    =Sum: $%d"), {cost}));

    Add(cost, GetEngineCost(List));
    Add(cost, GetTireCost(TiresFront, List, true));
    Add(cost, GetTireCost(TiresRear, List, false));

    // Armor. The pods' armor is priced with the pods.
    const TArmor& a = Armor;
    const int plastic = PlasticPoints(a);
    const int metal = MetalPoints(a);
    const Extended armorCost = Body.ArmorCost;
    const int pc = Round(plastic * armorCost);
    const int mc = Round(metal * armorCost * 2.5L);
    const int armorSum = CheckedAdd(pc, mc);
    int armor = armorSum;
    switch (ArmorKind()) {
    case akMetal:
        List.append(Format(QStringLiteral("%d pt of Metal Armor: $%d"), {metal, mc}));
        break;
    case akComposite:
        List.append(Format(QStringLiteral("%d+%d (=%d) pt of Armor: $%d+$%d (=$%d)"),
                           {metal, plastic, CheckedAdd(metal, plastic), mc, pc, armorSum}));
        break;
    default:
        List.append(Format(QStringLiteral("%d pt of Plastic Armor: $%d"), {plastic, pc}));
        break;
    }
    if (Sloped) {
        const int amount = Round(armorSum * 0.1L);
        Add(armor, amount);
        List.append(Format(QStringLiteral("    +Sloped: $%d"), {amount}));
    }
    if (a.FP && a.LR) {
        const int amount = Round(pc * 1.5L + mc * 0.1L);
        Add(armor, amount);
        List.append(Format(QStringLiteral("    +FP LR: $%d"), {amount}));
    } else if (a.FP) {
        if (pc > 0) {
            Add(armor, pc);
            List.append(Format(QStringLiteral("    +Fireproof: $%d"), {pc}));
        }
    } else if (a.LR) {
        const int amount = Round(armorSum * 0.1L);
        if (amount > 0) {
            Add(armor, amount);
            List.append(Format(QStringLiteral("    +Laser-Reflective: $%d"), {amount}));
        }
    }
    // Guards and hubs: $10 a point on each wheel of the axle; the rear
    // counts four wheels only with three axles.
    const int rearWheels = Axis == wl6Wheels3Axis ? 4 : 2;
    const struct {
        int Points;
        int Wheels;
        const char* Text;
    } wheelArmor[] = {
        {GuardsFront, 2, "    +%d pt per Wheel Guard (front): $%d"},
        {GuardsRear, rearWheels, "    +%d pt per Wheel Guard (rear): $%d"},
        {HubsFront, 2, "    +%d pt per Wheel Hub (front): $%d"},
        {HubsRear, rearWheels, "    +%d pt per Wheel Hub (rear): $%d"},
    };
    for (const auto& w : wheelArmor) {
        if (w.Points > 0) {
            const int amount = CheckedMul(CheckedMul(w.Points, 10), w.Wheels);
            Add(armor, amount);
            List.append(Format(QString::fromLatin1(w.Text), {w.Points, amount}));
        }
    }
    if (armor != armorSum)
        List.append(Format(QStringLiteral("    =Sum: $%d"), {armor}));
    Add(cost, armor);

    List.append(Rule);
    List.append(Format(QStringLiteral("$%d"), {cost}));
    List.append(QString());
    List.append(QStringLiteral("* Weapons *"));

    int weapons = 0;
    for (const TWeaponType& w : Weapons.Items) {
        int c = w.Cost;
        int shots = w.Shots;
        double cps = w.CPS;
        if (w.LaserPulse)
            c = Round(c * 1.5L);
        if (w.LaserIR)
            c = CheckedMul(c, 2);
        if (w.ExtraAmmo) {
            c = CheckedAdd(c, 50);
            shots = CheckedMul(shots, 2);
        }
        if (w.SWC)
            c = CheckedAdd(c, 500);
        if (w.HRSWC)
            c = CheckedAdd(c, 2500);
        if (w.CA > 0) {
            int ca = Round(static_cast<Extended>(w.Space) * 5 * w.CA);
            if (w.CA_FP)
                ca = CheckedMul(ca, 2);
            c = CheckedAdd(c, ca);
        }
        if (!w.Ammo.isEmpty() && w.Ammo != QLatin1String("-")) {
            // A load that no ammunition row names costs as the ordinary load.
            TAmmoType load;
            load.Cost = 1;
            FindAmmo(w.Ammo, load);
            cps = cps * static_cast<Extended>(load.Cost);
        }
        const int ammo = Round(shots * static_cast<Extended>(cps));
        if (ammo == 0)
            List.append(Format(QStringLiteral("%s: $%d"), {WeaponCaption(w), c}));
        else
            List.append(Format(QStringLiteral("%s: $%d +%dx Ammo @ %2f ($%2d)"),
                               {WeaponCaption(w), c, shots, cps, ammo}));
        Add(weapons, CheckedAdd(c, ammo));
    }
    if (const int turret = TurretCost(Turret); turret > 0) {
        Add(weapons, turret);
        List.append(Format(QStringLiteral("Turret: $%d"), {turret}));
    }
    if (const int platform = RocketPlatformCost(RocketPlatform); platform > 0) {
        Add(weapons, platform);
        List.append(Format(QStringLiteral("Rocket Platform: $%d"), {platform}));
    }
    // Hand weapons of this design's own crew, so that an opponent or a design
    // just loaded is priced from its own seats.
    static const QString seatLabels[] = {QStringLiteral("Driver"), QStringLiteral("Gunner")};
    for (int seat = 0; seat < 2; ++seat) {
        const TCrewType& crew = Crew[seat];
        if (!crew.Seat || crew.HandGun.isEmpty())
            continue;
        THandGunType gun;
        if (!FindHandGunType(crew.HandGun, gun))
            continue;
        const int gunAmmo = Round(gun.Shots * static_cast<Extended>(gun.CPS));
        List.append(Format(QStringLiteral("%s %s: $%d + $%d ammo"),
                           {seatLabels[seat], gun.Name, gun.Cost, gunAmmo}));
        Add(weapons, CheckedAdd(gun.Cost, gunAmmo));
    }
    if (EWP > 0) {
        const bool sidePair = HasSidePods();
        int amount;
        if (EWPR)
            amount = EWPCost(EWP) / 2;
        else
            amount = CheckedAdd(CheckedMul(Armor.EWP, sidePair ? 20 : 10), EWPCost(EWP));
        List.append(Format(sidePair ? QStringLiteral("2x EWP: $%d") : QStringLiteral("EWP: $%d"),
                           {amount}));
        Add(weapons, amount);
    }
    Add(cost, weapons);
    List.append(Rule);
    List.append(Format(QStringLiteral("$%d"), {weapons}));
    List.append(QString());
    List.append(QStringLiteral("* Accessories *"));

    // A fractional accessory price is kept in a double until it is rounded,
    // so a half that the extended product just misses (25 x $2.10) still
    // rounds as a half.
    int accessories = 0;
    for (const TEquipmentType& e : Equipment.Items) {
        if (!e.Installed)
            continue;
        if (e.Nr == AirdamNr || e.Nr == SpoilerNr) {
            const double amount = 25 * armorCost;
            cost = Round(cost + static_cast<Extended>(amount));
            List.append(Format(e.Nr == AirdamNr ? QStringLiteral("Airdam: $%d")
                                                : QStringLiteral("Spoiler: $%d"),
                               {Round(amount)}));
            Add(accessories, Round(amount));
        } else if (e.Nr == RamplateNr) {
            double amount = std::max(a.Front * armorCost, 1.0L);
            amount = amount * 1.5L;
            if (Sloped)
                amount = amount * 1.1L;
            Add(cost, Round(amount));
            List.append(Format(QStringLiteral("Ramplate: $%d"), {Round(amount)}));
            Add(accessories, Round(amount));
        } else if (PricedPerWheel(e.Nr)) {
            int amount = CheckedMul(e.Cost, 4);
            if (Axis != wl4Wheels)
                amount = CheckedAdd(amount, CheckedMul(e.Cost, 2));
            Add(cost, amount);
            List.append(Format(QStringLiteral("%s: $%d"), {e.Name, amount}));
            Add(accessories, amount);
        } else {
            // Only what is added to the cost counts in the subtotal, so a
            // negative amount from a damaged file cannot skew it.
            const int amount = CheckedMul(e.Cost, e.Amount);
            if (amount > 0) {
                Add(cost, amount);
                if (e.Amount < 2)
                    List.append(Format(QStringLiteral("%s: $%d"), {e.Name, amount}));
                else
                    List.append(Format(QStringLiteral("%dx %s ($%d): $%d"),
                                       {e.Amount, e.Name, e.Cost, amount}));
                Add(accessories, amount);
            }
        }
    }
    if (accessories != 0) {
        List.append(Rule);
        List.append(Format(QStringLiteral("$%d"), {accessories}));
        List.append(QString());
    } else {
        List.removeLast();
    }

    Add(cost, GetEquipmentCost(List));
    List.append(QString());
    List.append(Format(QStringLiteral("Total: $%d"), {cost}));
    Cost = cost;
    return cost;
}

int TVehicle::GetEngineCost(QStringList& List) const
{
    int sum;
    int price;
    int space;
    if (PowerCellEngine.Power > 0) {
        const TCEngineType& e = PowerCellEngine;
        price = e.Price;
        space = e.Space;
        sum = price;
        List.append(Format(QStringLiteral("%s Cell Engine: $%d"), {e.Name, price}));
        if (e.PC) {
            const int amount = Round(price * 0.2L);
            Add(sum, amount);
            List.append(Format(QStringLiteral("    +Platinum Catalyst: $%d"), {amount}));
        }
        if (e.SC) {
            const int amount = Round(price * 0.5L);
            Add(sum, amount);
            List.append(Format(QStringLiteral("    +Superconductor: $%d"), {amount}));
        }
        if (e.EPC) {
            const int amount = Round(price * 0.25L);
            Add(sum, amount);
            List.append(Format(QStringLiteral("    +Extra Power Cells: $%d"), {amount}));
        }
        if (e.ISC > 0) {
            const int amount = CheckedMul(e.ISC, 500);
            Add(sum, amount);
            if (e.ISC == 1)
                List.append(Format(QStringLiteral("    +Improved Supercharger Capacitors: $%d"),
                                   {amount}));
            else
                List.append(Format(QStringLiteral("    +%dx Improved Supercharger Capacitor: $%d"),
                                   {e.ISC, amount}));
        }
    } else if (GasEngine.Power > 0) {
        const TGEngineType& e = GasEngine;
        price = e.Price;
        space = e.Space;
        sum = price;
        List.append(Format(QStringLiteral("%s Gas Engine: $%d"), {e.Name, price}));
        if (e.C) {
            const int amount = Round(price * 0.25L);
            sum = CheckedSub(sum, amount);
            List.append(Format(QStringLiteral("    +Carburetor: -$%d"), {amount}));
        }
        if (e.MC) {
            const int amount = Round(price * 0.15L);
            sum = CheckedSub(sum, amount);
            List.append(Format(QStringLiteral("    +Multibarrel Carburetor: -$%d"), {amount}));
        }
        if (e.TH) {
            const int amount = Round(price * 0.2L);
            Add(sum, amount);
            List.append(Format(QStringLiteral("    +Tubular Headers: $%d"), {amount}));
        }
        if (e.BP) {
            const int amount = Round(price * 0.5L);
            Add(sum, amount);
            List.append(Format(QStringLiteral("    +Blueprinting: $%d"), {amount}));
        }
        // The chargers are priced on the engine's power, not its price.
        if (e.TC) {
            const int amount = CheckedAdd(Round(e.Power * 0.25L), 1000);
            Add(sum, amount);
            List.append(Format(QStringLiteral("    +Turbocharger: $%d"), {amount}));
        }
        if (e.VTC) {
            const int amount = CheckedAdd(Round(e.Power * 0.25L), 2000);
            Add(sum, amount);
            List.append(Format(QStringLiteral("    +Variable-Pitch Turbocharger: $%d"), {amount}));
        }
        if (e.SC) {
            const int amount = CheckedAdd(Round(e.Power * 0.4L), 3000);
            Add(sum, amount);
            List.append(Format(QStringLiteral("    +Supercharger: $%d"), {amount}));
        }
        if (e.NO > 0) {
            const int amount = CheckedMul(e.NO, 500);
            Add(sum, amount);
            if (e.NO == 1)
                List.append(Format(QStringLiteral("    +Nitrous Oxide: $%d"), {amount}));
            else
                List.append(Format(QStringLiteral("    +%dx Nitrous Oxide: $%d"), {e.NO, amount}));
        }
        const int tank = CheckedMul(GasTank.CPG, TankSize);
        if (tank > 0) {
            Add(sum, tank);
            List.append(Format(QStringLiteral("    +%d gal %s Tank: $%d"),
                               {TankSize, GasTank.Name, tank}));
        }
    } else {
        return 0;
    }
    if (EngineCA > 0)
        Add(sum, ComponentArmorLine(List, EngineCA, CheckedMul(space, 5), EngineCA_FP));
    if (sum != price)
        List.append(Format(QStringLiteral("    =Sum: $%d"), {sum}));
    return sum;
}

int TVehicle::GetTireCost(const TTireType& Tire, QStringList& List, bool Front) const
{
    const int count = Front || Axis == wl4Wheels ? 2 : 4;
    const int setPrice = CheckedMul(Tire.Price, count);
    double v = setPrice;
    List.append(Format(QStringLiteral("%d %s %s Tires: $%d"),
                       {count, Front ? QStringLiteral("Front") : QStringLiteral("Rear"), Tire.Name,
                        setPrice}));
    // Each option is priced on the set's price with the options before it.
    // Offroad and Fireproof always show whole dollars.
    const struct {
        bool Fitted;
        Extended Factor;
        const char* WholeText;
        const char* FractionText;
    } options[] = {
        {Tire.Steelbelt, 0.5L, "    +Steelbelt: $%d", "    +Steelbelt: $%f"},
        {Tire.Radial, 1.5L, "    +Radial: $%2d", "    +Radial: $%2f"},
        {Tire.OffRoad, 0.2L, "    +Offroad: $%2d", nullptr},
        {Tire.Racing, 2.0L, "    +Racing: $%2d", "    +Racing: $%2f"},
        {Tire.Fireproof, 1.0L, "    +Fireproof: $%2d", nullptr},
    };
    for (const auto& o : options) {
        if (!o.Fitted)
            continue;
        const double add = v * o.Factor;
        v = v + add;
        if (o.FractionText && add != std::trunc(add))
            List.append(Format(QString::fromLatin1(o.FractionText), {add}));
        else
            List.append(Format(QString::fromLatin1(o.WholeText), {Round(add)}));
    }
    if (v != setPrice)
        List.append(Format(QStringLiteral("    =Sum: $%2d"), {Round(v)}));
    return Round(v);
}

int TVehicle::GetEquipmentCost(QStringList& List) const
{
    static const QString headers[] = {QStringLiteral("Driver Equipment:"),
                                      QStringLiteral("Gunner Equipment:")};
    int total = 0;
    int driverSum = 0;
    for (int seat = 0; seat < 2; ++seat) {
        const TCrewType& crew = Crew[seat];
        if (!crew.Seat)
            continue;
        int sum = 0;
        bool headerWritten = false;
        auto writeHeader = [&] {
            if (!headerWritten)
                List.append(headers[seat]);
            headerWritten = true;
        };
        const struct {
            bool Fitted;
            int Price;
            const char* Text;
        } items[] = {
            {crew.BodyArmor, 250, "    +Body Armor: $%d"},
            {crew.ImprovedBodyArmor, 1500, "    +Improved Body Armor: $%d"},
            {crew.ImpactArmor, 2000, "    +Impact Armor: $%d"},
            {crew.GasMask, 30, "    +Gas Mask: $%d"},
            {crew.PFE, 150, "    +Portable Fire Extinguisher: $%d"},
            {crew.TC, 1000, "    +Targeting Computer: $%d"},
            {crew.ITC, 4000, "    +Improved Targeting Computer: $%d"},
        };
        for (const auto& item : items) {
            if (!item.Fitted)
                continue;
            writeHeader();
            Add(sum, item.Price);
            List.append(Format(QString::fromLatin1(item.Text), {item.Price}));
        }
        if (crew.CA > 0) {
            writeHeader();
            Add(sum, ComponentArmorLine(List, crew.CA, 15, crew.CA_FP));
        }
        if (sum != 0)
            List.append(Format(QStringLiteral("    =Sum: $%2d"), {sum}));
        if (seat == 0)
            driverSum = sum;
        Add(total, sum);
    }
    if (total != 0 && total != driverSum)
        List.append(Format(QStringLiteral("Total Equipment Cost: $%2d"), {total}));
    return total;
}

int TVehicle::GetTireDP(const TTireType& Tire) const
{
    int dp = Tire.DP;
    if (Tire.Steelbelt)
        dp = Round(dp * 1.25L);
    if (Tire.Radial)
        dp = CheckedSub(dp, 1);
    if (Tire.Racing)
        dp = CheckedAdd(dp, 1);
    return dp;
}
