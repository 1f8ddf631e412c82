// The weight report of a design, its sections and the armor questions of the
// main window.

#include "model/Vehicle.h"

#include "model/RuleTables.h"
#include "model/VehicleRules.h"

#include <algorithm>
#include <cmath>

namespace {

const QString Rule = QStringLiteral("---------------------");

// Metal armor weighs five times the body's plastic armor per point.
constexpr int MetalFactor = 5;
// Pounds per point and wheel of wheel guards and hubs, per point of pod
// armor on a roof pod (a side pair carries twice as much), per point of a
// crew seat's component armor.
constexpr int WheelArmorWeight = 4;
constexpr int PodArmorWeight = 4;
constexpr int CrewArmorWeight = 6;
constexpr int CrewMemberWeight = 150;
constexpr int ExtinguisherWeight = 20;

// Pounds per point of the pods' own armor: a side pair carries it twice,
// rocket pods and a design without pods none.
int PodArmorPointWeight(const TVehicle& vehicle)
{
    if (vehicle.EWP <= 0 || vehicle.EWPR)
        return 0;
    return vehicle.HasSidePods() ? 2 * PodArmorWeight : PodArmorWeight;
}

} // namespace

int TVehicle::GetWeight(QStringList& List)
{
    // Clearing keeps the list's capacity for the refill.
    List.clear();
    List.append(QStringLiteral("* Basic Vehicle Weight *"));

    List.append(Format(QStringLiteral("%s Body: %d lbs"), {Body.Name, Body.Weight}));
    int weight = Body.Weight;
    if (CAFrame) {
        const int amount = Body.Weight / 2;
        weight = CheckedSub(weight, amount);
        List.append(Format(QStringLiteral("    +Carbon-Aluminium Frame: -%d lbs"), {amount}));
    }
    if (Rollcage) {
        const int amount = Round(Body.ArmorWeight * 15.0L + 0.5L);
        Add(weight, amount);
        List.append(Format(QStringLiteral("    +Rollcage: %d lbs"), {amount}));
    }
    if (weight != Body.Weight)
        List.append(Format(QStringLiteral("    =Sum: %d lbs"), {weight}));

    Add(weight, GetEngineWeight(List));
    Add(weight, GetTireWeight(TiresFront, List, true));
    Add(weight, GetTireWeight(TiresRear, List, false));

    // Armor of the six sides; the pods' armor is weighed with the pods.
    const int plastic = PlasticPoints(Armor);
    const int metal = MetalPoints(Armor);
    const int mw = Round(GetArmorWeight(false, metal, 0));
    const int pw = Round(GetArmorWeight(false, 0, plastic));
    const int armorSum = CheckedAdd(mw, pw);
    int armor = armorSum;
    switch (ArmorKind()) {
    case akMetal:
        List.append(Format(QStringLiteral("%d pt of Metal Armor: %d lbs"), {metal, mw}));
        break;
    case akComposite:
        List.append(Format(QStringLiteral("%d+%d (=%d) pt of Armor: %d+%d (=%d) lbs"),
                           {metal, plastic, CheckedAdd(metal, plastic), mw, pw, armorSum}));
        break;
    default:
        List.append(Format(QStringLiteral("%d pt of Plastic Armor: %d lbs"), {plastic, pw}));
        if (Armor.LR)
            List.append(Format(QStringLiteral("    (includes %d lbs for LR)"), {Round(pw * 0.1L)}));
        break;
    }
    // The rear counts four wheels only with three axles.
    const int rearWheels = Axis == wl6Wheels3Axis ? 4 : 2;
    const struct {
        int Points;
        int Wheels;
        const char* Text;
    } wheelArmor[] = {
        {GuardsFront, 2, "    +%d pt per Wheel Guard (front): %d lbs"},
        {GuardsRear, rearWheels, "    +%d pt per Wheel Guard (rear): %d lbs"},
        {HubsFront, 2, "    +%d pt per Wheel Hub (front): %d lbs"},
        {HubsRear, rearWheels, "    +%d pt per Wheel Hub (rear): %d lbs"},
    };
    for (const auto& w : wheelArmor) {
        if (w.Points > 0) {
            const int amount = CheckedMul(CheckedMul(w.Points, w.Wheels), WheelArmorWeight);
            Add(armor, amount);
            List.append(Format(QString::fromLatin1(w.Text), {w.Points, amount}));
        }
    }
    Add(weight, armor);
    if (armor != armorSum)
        List.append(Format(QStringLiteral("    =Sum: %d lbs"), {armor}));

    List.append(Rule);
    List.append(Format(QStringLiteral("%d lbs"), {weight}));
    List.append(QString());
    List.append(QStringLiteral("* Weapons *"));

    int weapons = 0;
    for (const TWeaponType& wp : Weapons.Items) {
        int w = wp.Weight;
        int shots = wp.Shots;
        double wps = wp.WPS;
        if (wp.ExtraAmmo) {
            w = CheckedAdd(w, 15);
            shots = CheckedMul(shots, 2);
        }
        if (!wp.Ammo.isEmpty() && wp.Ammo != QLatin1String("-")) {
            // A load that no ammunition row names weighs as the ordinary load.
            TAmmoType load;
            load.Weight = 1;
            FindAmmo(wp.Ammo, load);
            wps = wps * static_cast<Extended>(load.Weight);
        }
        // Fireproofing the component armor adds no weight.
        if (wp.CA > 0)
            Add(w, Round(static_cast<Extended>(wp.Space) * 2 * wp.CA));
        const int ammo = Round(shots * static_cast<Extended>(wps));
        Add(weapons, CheckedAdd(w, ammo));
        // Whether the load is shown depends on the weapon's own shots, so a
        // weapon whose single load weighs nothing shows none with extra shots.
        if (Round(wp.Shots * static_cast<Extended>(wps)) == 0)
            List.append(Format(QStringLiteral("%s: %d lbs"), {WeaponCaption(wp), w}));
        else
            List.append(Format(QStringLiteral("%s: %d lbs +%dx Ammo @ %2f (%2d lbs)"),
                               {WeaponCaption(wp), w, shots, wps, ammo}));
    }
    Add(weight, weapons);
    // Turret, platform and pods stand in the weapons section but count in the
    // total only, not in the weapons subtotal.
    if (const int turret = TurretWeight(Turret); turret > 0) {
        Add(weight, turret);
        List.append(Format(QStringLiteral("Turret: %d lbs"), {turret}));
    }
    if (const int platform = RocketPlatformWeight(RocketPlatform); platform > 0) {
        Add(weight, platform);
        List.append(Format(QStringLiteral("Rocket Platform: %d lbs"), {platform}));
    }
    if (EWP > 0) {
        const bool sidePair = HasSidePods();
        int amount;
        if (EWPR)
            amount = EWPWeight(EWP) / 2;
        else
            amount = CheckedAdd(EWPWeight(EWP), CheckedMul(Armor.EWP, PodArmorPointWeight(*this)));
        Add(weight, amount);
        List.append(Format(sidePair ? QStringLiteral("2x EWP: %d lbs") : QStringLiteral("EWP: %d lbs"),
                           {amount}));
    }
    List.append(Rule);
    List.append(Format(QStringLiteral("%d lbs"), {weapons}));
    List.append(QString());
    List.append(QStringLiteral("* Accessories *"));

    const int accessoriesHeader = List.size() - 1;
    int accessories = 0;
    for (const TEquipmentType& e : Equipment.Items) {
        if (!e.Installed)
            continue;
        int amount = 0;
        if (e.Nr == AirdamNr || e.Nr == SpoilerNr) {
            // Built like ten points of the design's armor, metal on any
            // metal-armored design.
            amount = Round(ArmorKind() != akPlastic ? GetArmorWeight(false, 10, 0)
                                                    : GetArmorWeight(false, 0, 10));
            List.append(Format(e.Nr == AirdamNr ? QStringLiteral("Airdam: %d lbs")
                                                : QStringLiteral("Spoiler: %d lbs"),
                               {amount}));
        } else if (e.Nr == RamplateNr) {
            // Half the weight of the front plastic armor, at least one pound.
            const Extended front = std::max(Armor.Front * static_cast<Extended>(Body.ArmorWeight),
                                            2.0L);
            amount = Round(front / 2);
            List.append(Format(QStringLiteral("Ramplate: %d lbs"), {amount}));
        } else if (e.Nr == HDShocksNr) {
            amount = CheckedMul(e.Weight, 4);
            if (Axis != wl4Wheels)
                Add(amount, CheckedMul(e.Weight, 2));
            List.append(Format(QStringLiteral("%s: %d lbs"), {e.Name, amount}));
        } else {
            amount = std::max(CheckedMul(e.Weight, e.Amount), 0);
            if (amount > 0) {
                if (e.Amount < 2)
                    List.append(Format(QStringLiteral("%s: %d lbs"), {e.Name, amount}));
                else
                    List.append(Format(QStringLiteral("%dx %s: %d lbs"),
                                       {e.Amount, e.Name, amount}));
            }
        }
        Add(weight, amount);
        Add(accessories, amount);
    }
    if (accessories != 0) {
        List.append(Rule);
        List.append(Format(QStringLiteral("%d lbs"), {accessories}));
        List.append(QString());
    } else {
        // Accessories that weigh nothing leave no section behind.
        List.erase(List.begin() + accessoriesHeader, List.end());
    }

    int crewWeight = 0;
    static const char* const seatTexts[] = {"Driver: %d lbs", "Gunner: %d lbs"};
    for (int seat = 0; seat < 2; ++seat) {
        const TCrewType& crew = Crew[seat];
        if (!crew.Seat)
            continue;
        Add(crewWeight, CrewMemberWeight);
        List.append(Format(QString::fromLatin1(seatTexts[seat]), {CrewMemberWeight}));
        if (crew.CA > 0) {
            const int amount = CheckedMul(crew.CA, CrewArmorWeight);
            Add(crewWeight, amount);
            List.append(Format(QStringLiteral("    +%d pt %sCA: %d lbs"),
                               {crew.CA, crew.CA_FP ? QStringLiteral("FP ") : QString(), amount}));
        }
        if (crew.PFE) {
            Add(crewWeight, ExtinguisherWeight);
            List.append(Format(QStringLiteral("    +Portable Fire Extnguisher: %d lbs"),
                               {ExtinguisherWeight}));
        }
    }
    List.append(Rule);
    List.append(Format(QStringLiteral("%d lbs"), {crewWeight}));
    List.append(QString());
    Add(weight, crewWeight);

    List.append(QString());
    List.append(Format(QStringLiteral("Total: %d lbs"), {weight}));
    Weight = weight;
    if (Chassis.WeightMod != 0)
        MaxWeight = Round((Chassis.WeightMod / 100.0L + 1) * Body.MaxLoad);
    else
        MaxWeight = Body.MaxLoad;
    return weight;
}

int TVehicle::GetEngineWeight(QStringList& List) const
{
    int w;
    int engineWeight;
    if (PowerCellEngine.Power > 0) {
        const TCEngineType& e = PowerCellEngine;
        engineWeight = e.Weight;
        w = engineWeight;
        List.append(Format(QStringLiteral("%s Cell Engine: %d lbs"), {e.Name, e.Weight}));
        if (e.EPC) {
            const int amount = Round(w * 0.25L);
            Add(w, amount);
            List.append(Format(QStringLiteral("    +Extra Power Cells: %2d lbs"), {amount}));
        }
        if (e.ISC != 0) {
            const int amount = CheckedMul(e.ISC, 75);
            Add(w, amount);
            List.append(Format(QStringLiteral("    +Improved Supercharger Capacitors: %2d lbs"),
                               {amount}));
        }
    } else if (GasEngine.Power > 0) {
        const TGEngineType& e = GasEngine;
        engineWeight = e.Weight;
        w = engineWeight;
        List.append(Format(QStringLiteral("%s Gas Engine: %d lbs"), {e.Name, e.Weight}));
        if (e.SC) {
            const int amount = Round(w * 0.2L);
            Add(w, amount);
            List.append(Format(QStringLiteral("    +Supercharger: %2d lbs"), {amount}));
        }
        if (e.NO > 0) {
            const int amount = CheckedMul(e.NO, 20);
            Add(w, amount);
            if (e.NO == 1)
                List.append(Format(QStringLiteral("    +Nitrous Oxide: %d lbs"), {amount}));
            else
                List.append(Format(QStringLiteral("    +%dx Nitrous Oxide: %d lbs"), {e.NO, amount}));
        }
        const int tank = CheckedMul(GasTank.WPG, TankSize);
        if (tank > 0) {
            Add(w, tank);
            List.append(Format(QStringLiteral("    +%d gal %s Tank: %2d lbs"),
                               {TankSize, GasTank.Name, tank}));
        }
    } else {
        return 0;
    }
    if (w != engineWeight)
        List.append(Format(QStringLiteral("    =Sum: %2d lbs"), {w}));
    return w;
}

int TVehicle::GetTireWeight(const TTireType& Tire, QStringList& List, bool Front) const
{
    const int count = Front || Axis == wl4Wheels ? 2 : 4;
    const int setWeight = CheckedMul(Tire.Weight, count);
    double v = setWeight;
    List.append(Format(QStringLiteral("%d %s %s Tires: %d lbs"),
                       {count, Front ? QStringLiteral("Front") : QStringLiteral("Rear"), Tire.Name,
                        setWeight}));
    // Each option weighs on the set with the options before it; offroad
    // tires add a fixed amount per tire and always show whole pounds.
    // Fireproofing adds no weight.
    const struct {
        bool Fitted;
        Extended Factor;
        int PerTire;
        const char* WholeText;
        const char* FractionText;
    } options[] = {
        {Tire.Steelbelt, 0.5L, 0, "    +Steelbelt: %2d lbs", "    +Steelbelt: %2f lbs"},
        {Tire.Radial, 0.2L, 0, "    +Radial: %2d lbs", "    +Radial: %2f lbs"},
        {Tire.OffRoad, 0.0L, 5, "    +Offroad: %2d lbs", nullptr},
        {Tire.Racing, 1.0L, 0, "    +Racing: %2d lbs", "    +Racing: %2f lbs"},
    };
    for (const auto& o : options) {
        if (!o.Fitted)
            continue;
        const double add = v * o.Factor + CheckedMul(count, o.PerTire);
        v = v + add;
        if (o.FractionText && add != std::trunc(add))
            List.append(Format(QString::fromLatin1(o.FractionText), {add}));
        else
            List.append(Format(QString::fromLatin1(o.WholeText), {Round(add)}));
    }
    if (v != setWeight)
        List.append(Format(QStringLiteral("    =Sum: %2d lbs"), {Round(v)}));
    return Round(v);
}

double TVehicle::GetArmorWeight(bool PointsOnly, int Metal, int Plastic) const
{
    const bool own = Metal == -1 || Plastic == -1;
    const Extended metal = Metal == -1 ? MetalPoints(Armor) : Metal;
    const Extended plastic = Plastic == -1 ? PlasticPoints(Armor) : Plastic;
    if (PointsOnly)
        return metal + plastic + Armor.EWP;
    const Extended perPoint = Body.ArmorWeight;
    Extended w = plastic * perPoint + metal * perPoint * MetalFactor;
    if (Armor.LR)
        w = w + plastic * perPoint * 0.1L;
    if (own)
        w = w + static_cast<Extended>(Armor.EWP) * PodArmorPointWeight(*this);
    return static_cast<double>(w);
}

int TVehicle::GetArmorPointsForWeight(int Weight, bool Plastic) const
{
    Extended perPoint = Body.ArmorWeight;
    if (!Plastic)
        perPoint = perPoint * MetalFactor;
    if (Armor.FP || Armor.LR)
        perPoint = perPoint * 1.1L;
    if (perPoint == 0)
        return 0;
    return Round(Weight / perPoint - 0.5L);
}

int TVehicle::GetMaxWeightForAcc(int Class) const
{
    const int power = EffectivePower();
    switch (Class) {
    case 5:
        return CheckedMul(power, 3);
    case 10:
        return CheckedMul(power, 2);
    case 15:
        return power;
    default:
        return 0;
    }
}
