#include "RulesFixture.h"

#include "model/Vehicle.h"
#include "platform/Errors.h"
#include "platform/Numbers.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

class VehicleCostTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        FSeparator = DecimalSeparator();
        SetDecimalSeparator(QLatin1Char('.'));
    }
    void TearDown() override { SetDecimalSeparator(FSeparator); }

    TRulesFixture Rules;
    QStringList List;

private:
    QChar FSeparator;
};

TWeaponType Mounted(const char* abbreviation, const std::function<void(TWeaponType&)>& options)
{
    TWeaponType w = TRulesFixture::Weapon(QString::fromLatin1(abbreviation));
    options(w);
    return w;
}

void Mount(TVehicle& v, const TWeaponType& w)
{
    int index;
    v.AddWeapon(w, index);
}

// Gas engine, streamlined compact on a heavy chassis, plastic armor with
// options, two weapons with a special load and extra shots, a hand weapon,
// three accessories and a driver with equipment.
void BuildRoadster(TVehicle& v)
{
    v.Body = TRulesFixture::Body("Compact");
    v.Streamlined = true;
    v.Chassis = TRulesFixture::Chassis("Heavy");
    v.Suspension = TRulesFixture::Suspension("Improved");
    v.PowerCellEngine = TRulesFixture::CEngine("None");
    v.GasEngine = TRulesFixture::GEngine("30 cid");
    v.GasEngine.MC = true;
    v.GasEngine.TH = true;
    v.GasEngine.TC = true;
    v.GasEngine.NO = 2;
    v.GasTank = TRulesFixture::GasTank("Heavy-Duty");
    v.TankSize = 10;
    v.EngineCA = 3;
    v.EngineCA_FP = true;
    v.TiresFront = TRulesFixture::Tire("Heavy-Duty");
    v.TiresFront.Steelbelt = true;
    v.TiresFront.Radial = true;
    v.TiresRear.Racing = true;
    v.Armor.Front = 10;
    v.Armor.Left = 5;
    v.Armor.Right = 5;
    v.Armor.Back = 6;
    v.Armor.Top = 2;
    v.Armor.Bottom = 2;
    v.Armor.FP = true;
    v.Sloped = true;
    v.GuardsFront = 2;
    Mount(v, Mounted("MG", [](TWeaponType& w) {
              w.SWC = true;
              w.Ammo = QStringLiteral("EX");
          }));
    Mount(v, Mounted("RR", [](TWeaponType& w) {
              w.ExtraAmmo = true;
              w.CA = 2;
          }));
    v.Crew[0].HandGun = QStringLiteral("smg");
    v.Crew[0].BodyArmor = true;
    v.Crew[0].GasMask = true;
    v.SetEquipment(0, 1, QString());
    v.SetEquipment(6, 3, QString());
    v.SetEquipment(5, 1, QString());
}

// Power plant with every option, a six-wheeled van on three axles with both
// armor kinds, a turret laser with every option, pods, a rocket platform and
// a full crew.
void BuildWarVan(TVehicle& v)
{
    v.Body = TRulesFixture::Body("Van");
    v.CAFrame = true;
    v.Rollcage = true;
    v.Chassis = TRulesFixture::Chassis("Light");
    v.Suspension = TRulesFixture::Suspension("Heavy");
    v.PowerCellEngine = TRulesFixture::CEngine("Large");
    v.PowerCellEngine.PC = true;
    v.PowerCellEngine.SC = true;
    v.PowerCellEngine.EPC = true;
    v.PowerCellEngine.ISC = 1;
    v.Axis = wl6Wheels3Axis;
    v.TiresFront = TRulesFixture::Tire("Puncture-Resistant");
    v.TiresFront.Steelbelt = true;
    v.TiresFront.Radial = true;
    v.TiresRear.OffRoad = true;
    v.TiresRear.Fireproof = true;
    v.Armor.Front = 20;
    v.Armor.Back = 10;
    v.Armor.FrontM = 4;
    v.Armor.TopM = 2;
    v.Armor.EWP = 5;
    v.Armor.FP = true;
    v.Armor.LR = true;
    v.GuardsRear = 3;
    v.HubsFront = 1;
    v.HubsRear = 2;
    Mount(v, Mounted("L", [](TWeaponType& w) {
              w.Location = locTurret;
              w.LaserPulse = true;
              w.LaserIR = true;
              w.SWC = true;
              w.HRSWC = true;
              w.CA = 1;
              w.CA_FP = true;
          }));
    Mount(v, Mounted("HR", [](TWeaponType&) {}));
    Mount(v, Mounted("MD", [](TWeaponType& w) { w.Ammo = QStringLiteral("XX"); }));
    v.Turret = tkThreeSpace;
    v.RocketPlatform = 2;
    v.EWP = ewpTwoSpaceSide;
    v.Crew[0].HandGun = QStringLiteral("Pistol");
    v.Crew[0].ITC = true;
    v.Crew[1].Seat = true;
    v.Crew[1].HandGun = QStringLiteral("Bazooka");
    v.Crew[1].ImpactArmor = true;
    v.Crew[1].CA = 2;
    v.Crew[1].CA_FP = true;
    v.SetEquipment(2, 1, QString());
    v.SetEquipment(11, 1, QString());
    v.SetEquipment(4, 1, QString());
}

// Metal armor only with fireproofing that has nothing to act on, rocket pods
// on the roof, a spoiler and a ramplate without front plastic armor.
void BuildMetalCoupe(TVehicle& v)
{
    v.Body = TRulesFixture::Body("Mid-sized");
    v.Chassis = TRulesFixture::Chassis("Extra Heavy");
    v.PowerCellEngine = TRulesFixture::CEngine("Medium");
    v.Armor.BackM = 3;
    v.Armor.FP = true;
    v.Sloped = true;
    v.EWP = ewpTwoSpaceTop;
    v.EWPR = true;
    v.Crew[0].Seat = false;
    v.SetEquipment(1, 1, QString());
    v.SetEquipment(2, 1, QString());
}

// Gas engine with a carburetor and one nitrous tank, six wheels on two axles,
// laser-reflective plastic armor, a weapon with the ordinary load, a single
// accessory and only the gunner equipped.
void BuildRunabout(TVehicle& v)
{
    v.PowerCellEngine = TRulesFixture::CEngine("None");
    v.GasEngine = TRulesFixture::GEngine("30 cid");
    v.GasEngine.C = true;
    v.GasEngine.NO = 1;
    v.Axis = wl6Wheels2Axis;
    v.Armor.Front = 10;
    v.Armor.LR = true;
    v.GuardsRear = 1;
    Mount(v, Mounted("MG", [](TWeaponType& w) { w.Ammo = QStringLiteral("-"); }));
    v.SetEquipment(7, 1, QString());
    v.Crew[1].Seat = true;
    v.Crew[1].PFE = true;
}

struct TCostCase {
    const char* Name;
    void (*Build)(TVehicle&);
    int Total;
    QStringList Lines;
};

const TCostCase CostCases[] = {
    {"NewDesign", [](TVehicle&) {}, 1000,
     {"* Basic Vehicle Cost *",
      "Subcompact Body: $300",
      "Small Cell Engine: $500",
      "2 Front Standard Tires: $100",
      "2 Rear Standard Tires: $100",
      "0 pt of Plastic Armor: $0",
      "---------------------",
      "$1000",
      "",
      "* Weapons *",
      "---------------------",
      "$0",
      "",
      "",
      "Total: $1000"}},
    {"Roadster", BuildRoadster, 11926,
     {"* Basic Vehicle Cost *",
      "Compact Body: $400",
      "    +Streamlined: $200",
      "    +Heavy Chassis: $300",
      "    +Improved Suspension: $600",
      "    =Sum: $1500",
      "30 cid Gas Engine: $350",
      "    +Multibarrel Carburetor: -$53",
      "    +Tubular Headers: $70",
      "    +Turbocharger: $1025",
      "    +2x Nitrous Oxide: $1000",
      "    +10 gal Heavy-Duty Tank: $50",
      "    +3 pt FP CA: $30",
      "    =Sum: $2472",
      "2 Front Heavy-Duty Tires: $200",
      "    +Steelbelt: $100",
      "    +Radial: $450",
      "    =Sum: $750",
      "2 Rear Standard Tires: $100",
      "    +Racing: $200",
      "    =Sum: $300",
      "30 pt of Plastic Armor: $390",
      "    +Sloped: $39",
      "    +Fireproof: $390",
      "    +2 pt per Wheel Guard (front): $40",
      "    =Sum: $859",
      "---------------------",
      "$5881",
      "",
      "* Weapons *",
      "MG+SWC: $1500 +20x Ammo @ 37.50 ($750)",
      "RR(2 pt CA) : $1570 +20x Ammo @ 35.50 ($710)",
      "Driver SMG: $400 + $50 ammo",
      "---------------------",
      "$4980",
      "",
      "* Accessories *",
      "Airdam: $325",
      "Spiked Hubs: $160",
      "3x Radio ($100): $300",
      "---------------------",
      "$785",
      "",
      "Driver Equipment:",
      "    +Body Armor: $250",
      "    +Gas Mask: $30",
      "    =Sum: $280",
      "",
      "Total: $11926"}},
    {"WarVan", BuildWarVan, 63665,
     {"* Basic Vehicle Cost *",
      "Van Body: $1000",
      "    +Carbon-Aluminium Frame: $3000",
      "    +Rollcage: $900",
      "    +Light Chassis: $-980",
      "    +Heavy Suspension: $7350",
      "    =Sum: $11270",
      "Large Cell Engine: $3000",
      "    +Platinum Catalyst: $600",
      "    +Superconductor: $1500",
      "    +Extra Power Cells: $750",
      "    +Improved Supercharger Capacitors: $500",
      "    =Sum: $6350",
      "2 Front Puncture-Resistant Tires: $402",
      "    +Steelbelt: $201",
      "    +Radial: $904.50",
      "    =Sum: $1508",
      "4 Rear Standard Tires: $200",
      "    +Offroad: $40",
      "    +Fireproof: $240",
      "    =Sum: $480",
      "6+30 (=36) pt of Armor: $450+$900 (=$1350)",
      "    +FP LR: $1395",
      "    +3 pt per Wheel Guard (rear): $120",
      "    +1 pt per Wheel Hub (front): $20",
      "    +2 pt per Wheel Hub (rear): $80",
      "    =Sum: $2965",
      "---------------------",
      "$22573",
      "",
      "* Weapons *",
      "IR Pulse L+SWC+HRSWC(1 pt FP CA) : $27020",
      "HR: $100",
      "MD: $500 +10x Ammo @ 50.00 ($500)",
      "Turret: $2500",
      "Rocket Platform: $100",
      "Driver Pistol: $100 + $12 ammo",
      "2x EWP: $2100",
      "---------------------",
      "$32932",
      "",
      "* Accessories *",
      "Ramplate: $900",
      "Fire Extinguisher: $300",
      "Heavy-Duty Shocks: $900",
      "---------------------",
      "$2100",
      "",
      "Driver Equipment:",
      "    +Improved Targeting Computer: $4000",
      "    =Sum: $4000",
      "Gunner Equipment:",
      "    +Impact Armor: $2000",
      "    +2 pt FP CA: $60",
      "    =Sum: $2060",
      "Total Equipment Cost: $6060",
      "",
      "Total: $63665"}},
    {"MetalCoupe", BuildMetalCoupe, 3684,
     {"* Basic Vehicle Cost *",
      "Mid-sized Body: $700",
      "    +Extra Heavy Chassis: $700",
      "    =Sum: $1400",
      "Medium Cell Engine: $1000",
      "2 Front Standard Tires: $100",
      "2 Rear Standard Tires: $100",
      "3 pt of Metal Armor: $131",
      "    +Sloped: $13",
      "    =Sum: $144",
      "---------------------",
      "$2744",
      "",
      "* Weapons *",
      "EWP: $500",
      "---------------------",
      "$500",
      "",
      "* Accessories *",
      "Spoiler: $438",
      "Ramplate: $2",
      "---------------------",
      "$440",
      "",
      "",
      "Total: $3684"}},
    {"Runabout", BuildRunabout, 3353,
     {"* Basic Vehicle Cost *",
      "Subcompact Body: $300",
      "30 cid Gas Engine: $350",
      "    +Carburetor: -$88",
      "    +Nitrous Oxide: $500",
      "    =Sum: $762",
      "2 Front Standard Tires: $100",
      "4 Rear Standard Tires: $200",
      "10 pt of Plastic Armor: $110",
      "    +Laser-Reflective: $11",
      "    +1 pt per Wheel Guard (rear): $20",
      "    =Sum: $141",
      "---------------------",
      "$1503",
      "",
      "* Weapons *",
      "MG: $1000 +20x Ammo @ 25.00 ($500)",
      "---------------------",
      "$1500",
      "",
      "* Accessories *",
      "Searchlight: $200",
      "---------------------",
      "$200",
      "",
      "Gunner Equipment:",
      "    +Portable Fire Extinguisher: $150",
      "    =Sum: $150",
      "Total Equipment Cost: $150",
      "",
      "Total: $3353"}},
};

} // namespace

TEST_F(VehicleCostTest, WholeBreakdowns)
{
    for (const TCostCase& c : CostCases) {
        SCOPED_TRACE(c.Name);
        TVehicle v;
        c.Build(v);
        List = QStringList{QStringLiteral("earlier content")};
        EXPECT_EQ(v.GetCost(List), c.Total);
        EXPECT_EQ(v.Cost, c.Total);
        for (int i = 0; i < std::max(List.size(), c.Lines.size()); ++i)
            EXPECT_EQ(List.value(i, QStringLiteral("<missing>")),
                      c.Lines.value(i, QStringLiteral("<missing>")))
                << "line " << i;
    }
}

TEST_F(VehicleCostTest, StreamliningRoundsHalfTheRunningCostUp)
{
    const struct {
        int Running, Added;
    } cases[] = {{1000, 500}, {1001, 501}, {1002, 502}, {300, 150}, {301, 151}};
    for (const auto& c : cases) {
        TVehicle v;
        v.Body.Price = c.Running;
        v.Streamlined = true;
        v.GetCost(List);
        EXPECT_EQ(List[2], QStringLiteral("    +Streamlined: $%1").arg(c.Added)) << c.Running;
    }
}

TEST_F(VehicleCostTest, ExtendedPrecisionHalves)
{
    TVehicle v;
    v.PowerCellEngine = TRulesFixture::CEngine("None");
    v.GasEngine = TRulesFixture::GEngine("30 cid"); // price 350
    v.GasEngine.MC = true;
    List.clear();
    EXPECT_EQ(v.GetEngineCost(List), 297);
    EXPECT_EQ(List, (QStringList{"30 cid Gas Engine: $350", "    +Multibarrel Carburetor: -$53",
                                 "    =Sum: $297"}));
}

TEST_F(VehicleCostTest, NoEngineCostsNothing)
{
    TVehicle v;
    v.PowerCellEngine = TRulesFixture::CEngine("None");
    v.EngineCA = 4;
    List = QStringList{QStringLiteral("kept")};
    EXPECT_EQ(v.GetEngineCost(List), 0);
    EXPECT_EQ(List, QStringList{QStringLiteral("kept")});
}

TEST_F(VehicleCostTest, GasTankIsPricedWithTheGasEngineOnly)
{
    TVehicle v;
    v.TankSize = 20;
    List.clear();
    EXPECT_EQ(v.GetEngineCost(List), 500); // the power plant; no tank line
    EXPECT_EQ(List, QStringList{QStringLiteral("Small Cell Engine: $500")});
}

TEST_F(VehicleCostTest, CountedEngineOptions)
{
    TVehicle v;
    v.PowerCellEngine.ISC = 3;
    v.EngineCA = 2; // 3 spaces x 5 x 2
    List.clear();
    EXPECT_EQ(v.GetEngineCost(List), 2030);
    EXPECT_EQ(List, (QStringList{"Small Cell Engine: $500",
                                 "    +3x Improved Supercharger Capacitor: $1500",
                                 "    +2 pt CA: $30", "    =Sum: $2030"}));
}

TEST_F(VehicleCostTest, GasEngineChargersArePricedOnPower)
{
    TVehicle v;
    v.PowerCellEngine = TRulesFixture::CEngine("None");
    v.GasEngine = TRulesFixture::GEngine("250 cid"); // price 8000, power 1400
    v.GasEngine.BP = true;
    v.GasEngine.VTC = true;
    v.GasEngine.SC = true;
    List.clear();
    EXPECT_EQ(v.GetEngineCost(List), 8000 + 4000 + 2350 + 3560);
    EXPECT_EQ(List, (QStringList{"250 cid Gas Engine: $8000", "    +Blueprinting: $4000",
                                 "    +Variable-Pitch Turbocharger: $2350",
                                 "    +Supercharger: $3560", "    =Sum: $17910"}));
}

TEST_F(VehicleCostTest, TireDamagePoints)
{
    const struct {
        int DP;
        bool Steelbelt, Radial, Racing;
        int Result;
    } cases[] = {{4, false, false, false, 4}, {4, true, false, false, 5},
                 {6, true, false, false, 8},  {10, true, false, false, 12},
                 {6, false, true, false, 5},  {6, false, false, true, 7},
                 {6, true, true, true, 8}};
    TVehicle v;
    for (const auto& c : cases) {
        TTireType t;
        t.DP = c.DP;
        t.Steelbelt = c.Steelbelt;
        t.Radial = c.Radial;
        t.Racing = c.Racing;
        EXPECT_EQ(v.GetTireDP(t), c.Result) << c.DP << c.Steelbelt << c.Radial << c.Racing;
    }
}

TEST_F(VehicleCostTest, TireSetAlone)
{
    TVehicle v;
    v.Axis = wl6Wheels2Axis;
    TTireType t = TRulesFixture::Tire("Standard");
    t.Racing = true;
    List = QStringList{QStringLiteral("kept")};
    // The rear set has four tires on either six-wheel layout.
    EXPECT_EQ(v.GetTireCost(t, List, false), 600);
    EXPECT_EQ(List, (QStringList{"kept", "4 Rear Standard Tires: $200", "    +Racing: $400",
                                 "    =Sum: $600"}));
    List.clear();
    EXPECT_EQ(v.GetTireCost(t, List, true), 300);
}

TEST_F(VehicleCostTest, RamplateWithoutFrontArmor)
{
    for (bool sloped : {false, true}) {
        TVehicle v;
        v.Sloped = sloped;
        v.SetEquipment(2, 1, QString());
        v.GetCost(List);
        EXPECT_TRUE(List.contains(QStringLiteral("Ramplate: $2"))) << sloped;
        EXPECT_EQ(v.Cost, 1002) << sloped;
    }
}

TEST_F(VehicleCostTest, FractionalAccessoryPricesRoundAsDoubles)
{
    // 25 x $2.10 and 5 x $2.20 x 1.5 are a little above a half in extended
    // precision and exactly a half as a double; 25 x $0.30 a little below.
    const struct {
        double ArmorCost;
        int Front;
        int Nr;
        const char* Line;
        int Total;
    } cases[] = {{2.1, 0, 0, "Airdam: $52", 1052},
                 {0.3, 0, 1, "Spoiler: $8", 1008},
                 {2.2, 5, 2, "Ramplate: $16", 1027}};
    for (const auto& c : cases) {
        TVehicle v;
        v.Body.ArmorCost = c.ArmorCost;
        v.Armor.Front = c.Front; // 5 x $2.20 = $11 of plastic armor
        v.SetEquipment(c.Nr, 1, QString());
        EXPECT_EQ(v.GetCost(List), c.Total) << c.Line;
        EXPECT_EQ(List[List.indexOf(QStringLiteral("* Accessories *")) + 1], QString::fromLatin1(c.Line));
    }
}

TEST_F(VehicleCostTest, PodsAndTheirArmor)
{
    const struct {
        TEWPKind Kind;
        bool Rockets;
        const char* Line;
    } cases[] = {{ewpOneSpaceSide, false, "2x EWP: $1100"}, {ewpOneSpaceTop, false, "EWP: $550"},
                 {ewpOneSpaceSide, true, "2x EWP: $500"},   {ewpThreeSpaceTop, true, "EWP: $1000"}};
    for (const auto& c : cases) {
        TVehicle v;
        v.EWP = c.Kind;
        v.EWPR = c.Rockets;
        v.Armor.EWP = 5; // not priced with the body armor, nor on rocket pods
        v.GetCost(List);
        EXPECT_EQ(List[List.indexOf(QStringLiteral("* Weapons *")) + 1], QString::fromLatin1(c.Line));
        EXPECT_TRUE(List.contains(QStringLiteral("0 pt of Plastic Armor: $0")));
    }
}

TEST_F(VehicleCostTest, UnknownHandWeaponAddsNothing)
{
    TVehicle v;
    v.Crew[0].HandGun = QStringLiteral("Bazooka");
    EXPECT_EQ(v.GetCost(List), 1000);
    EXPECT_EQ(List.indexOf(QStringLiteral("* Weapons *")) + 1,
              List.indexOf(QStringLiteral("---------------------"), 7));
}

TEST_F(VehicleCostTest, EmptyGunnerSeatIsNotPriced)
{
    TVehicle v;
    v.Crew[1].HandGun = QStringLiteral("SMG");
    v.Crew[1].ITC = true;
    EXPECT_EQ(v.GetCost(List), 1000);
}

TEST_F(VehicleCostTest, OverflowAbortsTheReport)
{
    TVehicle v;
    v.Body.Price = 1000000000;
    v.CAFrame = true;
    EXPECT_THROW(v.GetCost(List), EOverflow);
}
