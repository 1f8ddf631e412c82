#include "RulesFixture.h"

#include "model/Global.h"

#include <QtGlobal>

namespace {

template <typename TItem>
TItem Named(const QVector<TItem>& items, const QString& key, const QString TItem::*field)
{
    for (const TItem& item : items)
        if (item.*field == key)
            return item;
    qFatal("RulesFixture: no item '%s'", qPrintable(key));
}

TBodyType MakeBody(int nr, const char* name, int price, int weight, int maxLoad, int space,
                   double armorCost, double armorWeight, bool sixWheels)
{
    TBodyType b;
    b.Nr = nr;
    b.Name = QString::fromLatin1(name);
    b.Year = 2025;
    b.Price = price;
    b.Weight = weight;
    b.MaxLoad = maxLoad;
    b.Space = space;
    b.SixWheels = sixWheels;
    b.ArmorCost = armorCost;
    b.ArmorWeight = armorWeight;
    return b;
}

TChassisType MakeChassis(int nr, const char* name, int price, int weightMod)
{
    TChassisType c;
    c.Nr = nr;
    c.Name = QString::fromLatin1(name);
    c.Year = 2025;
    c.Price = price;
    c.WeightMod = weightMod;
    return c;
}

TSuspensionType MakeSuspension(int nr, const char* name, int price, int hc)
{
    TSuspensionType s;
    s.Nr = nr;
    s.Name = QString::fromLatin1(name);
    s.Year = 2025;
    s.Price = price;
    s.HC = hc;
    return s;
}

TCEngineType MakeCEngine(int nr, const char* name, int price, int weight, int space, int dp,
                         int power)
{
    TCEngineType e;
    e.Nr = nr;
    e.Name = QString::fromLatin1(name);
    e.Year = 2025;
    e.Price = price;
    e.Weight = weight;
    e.Space = space;
    e.DP = dp;
    e.Power = power;
    return e;
}

TGEngineType MakeGEngine(int nr, const char* name, int price, int weight, int space, int dp,
                         int power, int mpg)
{
    TGEngineType e;
    e.Nr = nr;
    e.Name = QString::fromLatin1(name);
    e.Year = 2025;
    e.Price = price;
    e.Weight = weight;
    e.Space = space;
    e.DP = dp;
    e.Power = power;
    e.MPG = mpg;
    return e;
}

TGasTankType MakeGasTank(int nr, const char* name, int dp, int wpg, int cpg)
{
    TGasTankType t;
    t.Nr = nr;
    t.Name = QString::fromLatin1(name);
    t.Year = 2025;
    t.DP = dp;
    t.WPG = wpg;
    t.CPG = cpg;
    return t;
}

TTireType MakeTire(int nr, const char* name, int price, int weight, int dp)
{
    TTireType t;
    t.Nr = nr;
    t.Name = QString::fromLatin1(name);
    t.Year = 2025;
    t.Price = price;
    t.Weight = weight;
    t.DP = dp;
    return t;
}

struct TWeaponRow {
    const char* Name;
    const char* Abbreviation;
    TWeaponClass Class;
    TEffectKind Effect;
    int ToHit;
    TDamageKind DamageKind;
    int Dice;
    int Mod;
    int DP;
    double Space;
    int Cost;
    int Weight;
    double CPS;
    double WPS;
    int Shots;
};

TWeaponType MakeWeapon(int nr, const TWeaponRow& r)
{
    TWeaponType w;
    w.Nr = nr;
    w.Name = QString::fromLatin1(r.Name);
    w.Abbreviation = QString::fromLatin1(r.Abbreviation);
    w.Class = r.Class;
    w.Year = 2025;
    w.EffectKind = r.Effect;
    w.ToHit = r.ToHit;
    w.DamageKind = r.DamageKind;
    w.DamageDice = r.Dice;
    w.DamageMod = r.Mod;
    w.DP = r.DP;
    w.Space = r.Space;
    w.Cost = r.Cost;
    w.Weight = r.Weight;
    w.CPS = r.CPS;
    w.WPS = r.WPS;
    w.Shots = r.Shots;
    w.NrOfObjects = 1;
    w.MountPoints = QStringLiteral(";FRONT;LEFT;RIGHT;BACK;TURRET;");
    return w;
}

TAmmoType MakeAmmo(int nr, const char* name, const char* abbreviation, const char* weapons,
                   double cost, double weight, const char* damage)
{
    TAmmoType a;
    a.Nr = nr;
    a.Name = QString::fromLatin1(name);
    a.Abbreviation = QString::fromLatin1(abbreviation);
    a.Year = 2025;
    a.Weapons = QString::fromLatin1(weapons);
    a.Cost = cost;
    a.Weight = weight;
    a.Damage = QString::fromLatin1(damage);
    return a;
}

THandGunType MakeHandGun(int nr, const char* name, const char* abbreviation, int dice, int cost,
                         double cps, int shots)
{
    THandGunType h;
    h.Nr = nr;
    h.Name = QString::fromLatin1(name);
    h.Abbreviation = QString::fromLatin1(abbreviation);
    h.Year = 2025;
    h.ToHit = 7;
    h.DamageKind = dkDice;
    h.DamageDice = dice;
    h.Cost = cost;
    h.CPS = cps;
    h.Shots = shots;
    return h;
}

TEquipmentType MakeEquipment(int nr, const char* name, double space, int cost, int weight,
                             int maxAmt)
{
    TEquipmentType e;
    e.Nr = nr;
    e.Name = QString::fromLatin1(name);
    e.Year = 2025;
    e.Space = space;
    e.Cost = cost;
    e.Weight = weight;
    e.MaxAmt = maxAmt;
    e.Visible = true;
    return e;
}

template <typename TTable>
TTable Table(const char* name, decltype(TTable::Items) items)
{
    TTable t;
    t.Name = QString::fromLatin1(name);
    t.Comment = QStringLiteral("Test rules");
    t.Author = QStringLiteral("Rigsmith tests");
    t.Items = std::move(items);
    return t;
}

} // namespace

struct TRulesFixture::TSaved {
    TBodyTypes Bodies = BodyTypes;
    TChassisTypes Chassis = ChassisTypes;
    TSuspensionTypes Suspensions = SuspensionTypes;
    TCEngineTypes CEngines = CEngineTypes;
    TGEngineTypes GEngines = GEngineTypes;
    TGasTankTypes GasTanks = GasTankTypes;
    TTireTypes Tires = TireTypes;
    TWeaponTypes Weapons = WeaponTypes;
    TAmmoTypes Ammo = AmmoTypes;
    THandGunTypes HandGuns = HandGunTypes;
    TEquipmentTypes Equipment = EquipmentTypes;
    QStringList Scratch = ScratchList;
    QStringList Cost = CostList;
    QStringList Weight = WeightList;
    QStringList Space = SpaceList;
    QStringList Year = YearList;
};

TRulesFixture::TRulesFixture() : FSaved(std::make_unique<TSaved>())
{
    BodyTypes = Table<TBodyTypes>("Bodies", {
        MakeBody(0, "Subcompact", 300, 1000, 2300, 7, 11, 5, false),
        MakeBody(1, "Compact", 400, 1300, 3700, 10, 13, 6, false),
        MakeBody(2, "Mid-sized", 700, 1600, 4800, 13, 17.5, 8, false),
        MakeBody(3, "Van", 1000, 2000, 6000, 24, 30, 14, true),
    });
    ChassisTypes = Table<TChassisTypes>("Chassis", {
        MakeChassis(0, "Standard", 0, 0),
        MakeChassis(1, "Light", -20, -10),
        MakeChassis(2, "Heavy", 50, 10),
        MakeChassis(3, "Extra Heavy", 100, 20),
    });
    SuspensionTypes = Table<TSuspensionTypes>("Suspensions", {
        MakeSuspension(0, "Light", 0, 1),
        MakeSuspension(1, "Improved", 100, 2),
        MakeSuspension(2, "Heavy", 150, 3),
        MakeSuspension(3, "Off-Road", 500, 2),
    });
    CEngineTypes = Table<TCEngineTypes>("Power plants", {
        MakeCEngine(0, "Small", 500, 500, 3, 5, 800),
        MakeCEngine(1, "Medium", 1000, 700, 4, 8, 1400),
        MakeCEngine(2, "Large", 3000, 1000, 5, 10, 2000),
        MakeCEngine(3, "None", 0, 0, 0, 0, 0),
    });
    GEngineTypes = Table<TGEngineTypes>("Gas engines", {
        MakeGEngine(0, "None", 0, 0, 0, 0, 0, 0),
        MakeGEngine(1, "30 cid", 350, 150, 1, 4, 100, 60),
        MakeGEngine(2, "100 cid", 3000, 300, 3, 8, 250, 40),
        MakeGEngine(5, "250 cid", 8000, 700, 5, 15, 1400, 20),
    });
    GasTankTypes = Table<TGasTankTypes>("Gas tanks", {
        MakeGasTank(0, "Economy", 2, 6, 2),
        MakeGasTank(1, "Heavy-Duty", 8, 7, 5),
        MakeGasTank(2, "Racing", 4, 6, 10),
    });
    TireTypes = Table<TTireTypes>("Tires", {
        MakeTire(0, "Standard", 50, 30, 4),
        MakeTire(1, "Heavy-Duty", 100, 40, 6),
        MakeTire(2, "Puncture-Resistant", 201, 50, 9),
        MakeTire(3, "Plasticore", 1000, 150, 25),
    });
    WeaponTypes = Table<TWeaponTypes>("Weapons", {
        MakeWeapon(0, {"Machine Gun", "MG", wcSmallBore, ekNone, 7, dkDice, 1, 0, 3, 1, 1000,
                       150, 25, 2.5, 20}),
        MakeWeapon(1, {"Recoilless Rifle", "RR", wcLargeBore, ekNone, 7, dkDice, 2, 0, 4, 2, 1500,
                       300, 35.5, 5, 10}),
        MakeWeapon(2, {"Laser", "L", wcLasers, ekNone, 6, dkDice, 3, 0, 2, 2, 8000, 500, 0, 0, 0}),
        MakeWeapon(3, {"Heavy Rocket", "HR", wcRockets, ekNone, 9, dkDice, 3, 0, 2, 1, 100, 100, 0,
                       0, 1}),
        MakeWeapon(4, {"Mine Dropper", "MD", wcDroppedSolids, ekDropped, 0, dkDice, 2, 0, 4, 2,
                       500, 100, 50, 5, 10}),
        MakeWeapon(5, {"Smokescreen", "SS", wcDroppedGases, ekSmoke, 0, dkNone, 0, 0, 4, 1, 250,
                       25, 25, 2, 10}),
    });
    AmmoTypes = Table<TAmmoTypes>("Ammunition", {
        MakeAmmo(0, "Normal", "-", ";-ALL-;", 1, 1, "0"),
        MakeAmmo(1, "Explosive", "EX", ";MG;RR;", 1.5, 1, "+1"),
    });
    HandGunTypes = Table<THandGunTypes>("Hand weapons", {
        MakeHandGun(0, "Pistol", "P", 1, 100, 1.5, 8),
        MakeHandGun(1, "SMG", "SMG", 1, 400, 2.5, 20),
    });
    EquipmentTypes = Table<TEquipmentTypes>("Accessories", {
        MakeEquipment(0, "Airdam", 0, 0, 0, 1),
        MakeEquipment(1, "Spoiler", 0, 0, 0, 1),
        MakeEquipment(2, "Ramplate", 0, 0, 0, 1),
        MakeEquipment(3, "Bumper Spikes", 0, 100, 20, 2),
        MakeEquipment(4, "Fire Extinguisher", 1, 300, 150, 1),
        MakeEquipment(5, "Spiked Hubs", 0, 40, 10, 1),  // priced per wheel
        MakeEquipment(6, "Radio", 0, 100, 5, 5),
        MakeEquipment(7, "Searchlight", 0, 200, 10, 2),
        MakeEquipment(8, "Safety Seat", 0.5, 500, 50, 4),
        MakeEquipment(9, "Active Suspension", 0, 2000, 100, 1),
        MakeEquipment(10, "Anti-lock Braking System", 0, 1000, 0, 1),
        MakeEquipment(11, "Heavy-Duty Shocks", 0, 150, 20, 1), // priced per wheel
        MakeEquipment(12, "Paint Cloud Filter", 0, 500, 5, 1),
        MakeEquipment(13, "Battery", 1, 50, 60, 3),
    });
    ScratchList.clear();
    CostList.clear();
    WeightList.clear();
    SpaceList.clear();
    YearList.clear();
}

TRulesFixture::~TRulesFixture()
{
    BodyTypes = FSaved->Bodies;
    ChassisTypes = FSaved->Chassis;
    SuspensionTypes = FSaved->Suspensions;
    CEngineTypes = FSaved->CEngines;
    GEngineTypes = FSaved->GEngines;
    GasTankTypes = FSaved->GasTanks;
    TireTypes = FSaved->Tires;
    WeaponTypes = FSaved->Weapons;
    AmmoTypes = FSaved->Ammo;
    HandGunTypes = FSaved->HandGuns;
    EquipmentTypes = FSaved->Equipment;
    ScratchList = FSaved->Scratch;
    CostList = FSaved->Cost;
    WeightList = FSaved->Weight;
    SpaceList = FSaved->Space;
    YearList = FSaved->Year;
}

TBodyType TRulesFixture::Body(const QString& name)
{
    return Named(BodyTypes.Items, name, &TBodyType::Name);
}

TChassisType TRulesFixture::Chassis(const QString& name)
{
    return Named(ChassisTypes.Items, name, &TChassisType::Name);
}

TSuspensionType TRulesFixture::Suspension(const QString& name)
{
    return Named(SuspensionTypes.Items, name, &TSuspensionType::Name);
}

TCEngineType TRulesFixture::CEngine(const QString& name)
{
    return Named(CEngineTypes.Items, name, &TCEngineType::Name);
}

TGEngineType TRulesFixture::GEngine(const QString& name)
{
    return Named(GEngineTypes.Items, name, &TGEngineType::Name);
}

TGasTankType TRulesFixture::GasTank(const QString& name)
{
    return Named(GasTankTypes.Items, name, &TGasTankType::Name);
}

TTireType TRulesFixture::Tire(const QString& name)
{
    return Named(TireTypes.Items, name, &TTireType::Name);
}

TWeaponType TRulesFixture::Weapon(const QString& abbreviation)
{
    return Named(WeaponTypes.Items, abbreviation, &TWeaponType::Abbreviation);
}
