#include "AccountingTestBase.h"

namespace {

using VehicleWeightTest = AccountingTest;

TEST_F(VehicleWeightTest, WholeBreakdownOfAGasEngineDesign)
{
    TVehicle v;
    v.Body = TRulesFixture::Body("Compact");
    v.CAFrame = true;
    v.Rollcage = true; // 6 lbs a point: 90.5 rounds to the even 90
    v.Chassis = TRulesFixture::Chassis("Heavy");
    v.PowerCellEngine = TRulesFixture::CEngine("None");
    v.GasEngine = TRulesFixture::GEngine("30 cid");
    v.GasEngine.SC = true;
    v.GasEngine.NO = 2;
    v.GasTank = TRulesFixture::GasTank("Heavy-Duty");
    v.TankSize = 10;
    v.TiresFront = TRulesFixture::Tire("Heavy-Duty");
    v.TiresFront.Steelbelt = true;
    v.TiresFront.Radial = true;
    v.TiresFront.Fireproof = true;
    v.TiresRear.OffRoad = true;
    v.TiresRear.Racing = true;
    v.Armor.Front = 10;
    v.Armor.Left = 5;
    v.Armor.Right = 5;
    v.Armor.Back = 6;
    v.Armor.Top = 2;
    v.Armor.Bottom = 2;
    v.Armor.EWP = 5;
    v.Armor.LR = true;
    v.Armor.FP = true;
    v.Sloped = true;
    v.GuardsFront = 2;
    v.HubsRear = 1;
    TWeaponType mg = TRulesFixture::Weapon("MG");
    mg.SWC = true;
    mg.Ammo = QStringLiteral("EX");
    mg.CA = 3;
    mg.CA_FP = true;
    Mount(v, mg);
    TWeaponType rr = TRulesFixture::Weapon("RR");
    rr.ExtraAmmo = true;
    Mount(v, rr);
    TWeaponType laser = TRulesFixture::Weapon("L");
    laser.LaserIR = true;
    laser.LaserPulse = true;
    laser.HRSWC = true;
    Mount(v, laser);
    v.Turret = tkOneSpace;
    v.RocketPlatform = 1;
    v.EWP = ewpOneSpaceTop;
    v.SetEquipment(0, 1, QString());
    v.SetEquipment(2, 1, QString());
    v.SetEquipment(5, 1, QString());
    v.SetEquipment(6, 3, QString());
    v.SetEquipment(10, 1, QString()); // weighs nothing: no line
    v.SetEquipment(11, 1, QString());
    v.Crew[0].CA = 2;
    v.Crew[0].CA_FP = true;
    v.Crew[0].PFE = true;
    v.Crew[1].Seat = true;

    EXPECT_EQ(v.GetWeight(List), 3560);
    EXPECT_EQ(List, QStringList({
                        "* Basic Vehicle Weight *",
                        "Compact Body: 1300 lbs",
                        "    +Carbon-Aluminium Frame: -650 lbs",
                        "    +Rollcage: 90 lbs",
                        "    =Sum: 740 lbs",
                        "30 cid Gas Engine: 150 lbs",
                        "    +Supercharger: 30 lbs",
                        "    +2x Nitrous Oxide: 40 lbs",
                        "    +10 gal Heavy-Duty Tank: 70 lbs",
                        "    =Sum: 290 lbs",
                        "2 Front Heavy-Duty Tires: 80 lbs",
                        "    +Steelbelt: 40 lbs",
                        "    +Radial: 24 lbs",
                        "    =Sum: 144 lbs",
                        "2 Rear Standard Tires: 60 lbs",
                        "    +Offroad: 10 lbs",
                        "    +Racing: 70 lbs",
                        "    =Sum: 140 lbs",
                        "30 pt of Plastic Armor: 198 lbs",
                        "    (includes 20 lbs for LR)",
                        "    +2 pt per Wheel Guard (front): 16 lbs",
                        "    +1 pt per Wheel Hub (rear): 8 lbs",
                        "    =Sum: 222 lbs",
                        "---------------------",
                        "1536 lbs",
                        "",
                        "* Weapons *",
                        "MG+SWC(3 pt FP CA) : 156 lbs +20x Ammo @ 2.50 (50 lbs)",
                        "RR: 315 lbs +20x Ammo @ 5.00 (100 lbs)",
                        "IR Pulse L+HRSWC: 500 lbs",
                        "Turret: 150 lbs",
                        "Rocket Platform: 50 lbs",
                        "EWP: 170 lbs",
                        "---------------------",
                        "1121 lbs",
                        "",
                        "* Accessories *",
                        "Airdam: 66 lbs",
                        "Ramplate: 30 lbs",
                        "Spiked Hubs: 10 lbs",
                        "3x Radio: 15 lbs",
                        "Heavy-Duty Shocks: 80 lbs",
                        "---------------------",
                        "201 lbs",
                        "",
                        "Driver: 150 lbs",
                        "    +2 pt FP CA: 12 lbs",
                        "    +Portable Fire Extnguisher: 20 lbs",
                        "Gunner: 150 lbs",
                        "---------------------",
                        "332 lbs",
                        "",
                        "",
                        "Total: 3560 lbs",
                    }));
    EXPECT_EQ(v.Weight, 3560);
    EXPECT_EQ(v.MaxWeight, 4070); // Heavy chassis: 3700 lbs + 10 %
}

TEST_F(VehicleWeightTest, MetalArmorWeighsTheAirdamAsMetal)
{
    TVehicle v;
    v.Body.Weight = 1001; // the frame takes off the halved weight, truncated
    v.CAFrame = true;
    v.PowerCellEngine.EPC = true;
    v.PowerCellEngine.ISC = 2;
    v.Armor.FrontM = 2;
    v.SetEquipment(0, 1, QString());

    EXPECT_EQ(v.GetWeight(List), 1846);
    EXPECT_EQ(List, QStringList({
                        "* Basic Vehicle Weight *",
                        "Subcompact Body: 1001 lbs",
                        "    +Carbon-Aluminium Frame: -500 lbs",
                        "    =Sum: 501 lbs",
                        "Small Cell Engine: 500 lbs",
                        "    +Extra Power Cells: 125 lbs",
                        "    +Improved Supercharger Capacitors: 150 lbs",
                        "    =Sum: 775 lbs",
                        "2 Front Standard Tires: 60 lbs",
                        "2 Rear Standard Tires: 60 lbs",
                        "2 pt of Metal Armor: 50 lbs",
                        "---------------------",
                        "1446 lbs",
                        "",
                        "* Weapons *",
                        "---------------------",
                        "0 lbs",
                        "",
                        "* Accessories *",
                        "Airdam: 250 lbs",
                        "---------------------",
                        "250 lbs",
                        "",
                        "Driver: 150 lbs",
                        "---------------------",
                        "150 lbs",
                        "",
                        "",
                        "Total: 1846 lbs",
                    }));
    EXPECT_EQ(v.MaxWeight, 2300); // no chassis modifier: the body's MaxLoad
}

TEST_F(VehicleWeightTest, BothArmorKindsOnSixWheelsWithRocketPods)
{
    TVehicle v;
    v.Body = TRulesFixture::Body("Van");
    v.Chassis = TRulesFixture::Chassis("Light");
    v.PowerCellEngine = TRulesFixture::CEngine("None");
    v.Axis = wl6Wheels3Axis;
    v.Armor.Front = 4;
    v.Armor.BackM = 1;
    v.GuardsRear = 1;
    v.EWP = ewpTwoSpaceSide;
    v.EWPR = true;

    EXPECT_EQ(v.GetWeight(List), 2722);
    EXPECT_EQ(List, QStringList({
                        "* Basic Vehicle Weight *",
                        "Van Body: 2000 lbs",
                        "2 Front Standard Tires: 60 lbs",
                        "4 Rear Standard Tires: 120 lbs",
                        "1+4 (=5) pt of Armor: 70+56 (=126) lbs",
                        "    +1 pt per Wheel Guard (rear): 16 lbs",
                        "    =Sum: 142 lbs",
                        "---------------------",
                        "2322 lbs",
                        "",
                        "* Weapons *",
                        "2x EWP: 250 lbs",
                        "---------------------",
                        "0 lbs",
                        "",
                        "Driver: 150 lbs",
                        "---------------------",
                        "150 lbs",
                        "",
                        "",
                        "Total: 2722 lbs",
                    }));
    EXPECT_EQ(v.MaxWeight, 5400); // Light chassis: 6000 lbs - 10 %
}

TEST_F(VehicleWeightTest, AccessoriesThatWeighNothingLeaveNoSection)
{
    TVehicle v;
    v.Body.ArmorWeight = 0;
    v.SetEquipment(1, 1, QString());
    v.SetEquipment(10, 1, QString());
    v.GetWeight(List);
    EXPECT_FALSE(List.contains(QStringLiteral("* Accessories *")));
    EXPECT_FALSE(List.contains(QStringLiteral("Spoiler: 0 lbs")));
    const int weapons = List.indexOf(QStringLiteral("* Weapons *"));
    EXPECT_EQ(List.mid(weapons, 5),
              QStringList({"* Weapons *", "---------------------", "0 lbs", "", "Driver: 150 lbs"}));
}

TEST_F(VehicleWeightTest, RamplateWithoutFrontArmorWeighsOnePound)
{
    TVehicle v;
    const int bare = v.GetWeight(List);
    v.SetEquipment(2, 1, QString());
    // Line, subtotal and total all carry the same halved weight.
    EXPECT_EQ(v.GetWeight(List), bare + 1);
    const int line = List.indexOf(QStringLiteral("Ramplate: 1 lbs"));
    ASSERT_GT(line, 0);
    EXPECT_EQ(List.mid(line - 1, 4), QStringList({"* Accessories *", "Ramplate: 1 lbs",
                                                  "---------------------", "1 lbs"}));
}

TEST_F(VehicleWeightTest, SideWeaponPodsCarryTwiceThePodArmor)
{
    TVehicle v;
    v.EWP = ewpOneSpaceSide;
    v.Armor.EWP = 5;
    v.GetWeight(List);
    EXPECT_TRUE(List.contains(QStringLiteral("2x EWP: 340 lbs")));
}

TEST_F(VehicleWeightTest, LoadShownByTheWeaponsOwnShots)
{
    TVehicle v;
    TWeaponType w = TRulesFixture::Weapon("HR");
    w.WPS = 0.3; // one shot weighs nothing, two weigh a pound
    w.ExtraAmmo = true;
    Mount(v, w);
    const int before = v.GetWeight(List);
    EXPECT_TRUE(List.contains(QStringLiteral("HR: 115 lbs")));
    EXPECT_EQ(List[List.indexOf(QStringLiteral("HR: 115 lbs")) + 2], QStringLiteral("116 lbs"));
    EXPECT_EQ(before, 1770 + 116);
}

TEST_F(VehicleWeightTest, FractionalTireOptions)
{
    TVehicle v;
    TTireType tire = TRulesFixture::Tire("Standard");
    tire.Weight = 33;
    tire.Steelbelt = true;
    tire.Radial = true;
    tire.Racing = true;
    EXPECT_EQ(v.GetTireWeight(tire, List, true), 238);
    EXPECT_EQ(List, QStringList({
                        "2 Front Standard Tires: 66 lbs",
                        "    +Steelbelt: 33 lbs",
                        "    +Radial: 19.80 lbs",
                        "    +Racing: 118.80 lbs",
                        "    =Sum: 238 lbs",
                    }));
}

TEST_F(VehicleWeightTest, RearTiresOnEitherSixWheelLayoutCountFour)
{
    TVehicle v;
    for (TWheelLayout axis : {wl6Wheels2Axis, wl6Wheels3Axis}) {
        v.Axis = axis;
        List.clear();
        EXPECT_EQ(v.GetTireWeight(v.TiresRear, List, false), 120);
        EXPECT_EQ(List, QStringList({"4 Rear Standard Tires: 120 lbs"}));
    }
}

TEST_F(VehicleWeightTest, NoEngineWeighsNothing)
{
    TVehicle v;
    v.PowerCellEngine = TRulesFixture::CEngine("None");
    v.TankSize = 20; // a tank belongs to a gas engine
    EXPECT_EQ(v.GetEngineWeight(List), 0);
    EXPECT_TRUE(List.isEmpty());
}

TEST_F(VehicleWeightTest, OneNitrousOxideTank)
{
    TVehicle v;
    v.PowerCellEngine = TRulesFixture::CEngine("None");
    v.GasEngine = TRulesFixture::GEngine("100 cid");
    v.GasEngine.NO = 1;
    EXPECT_EQ(v.GetEngineWeight(List), 320);
    EXPECT_EQ(List, QStringList({"100 cid Gas Engine: 300 lbs", "    +Nitrous Oxide: 20 lbs",
                                 "    =Sum: 320 lbs"}));
}

TEST_F(VehicleWeightTest, ArmorWeightAndPoints)
{
    TVehicle v; // Subcompact: 5 lbs a plastic point
    v.Armor.Front = 10;
    v.Armor.FrontM = 2;
    v.Armor.EWP = 5;
    v.EWP = ewpOneSpaceTop;
    EXPECT_EQ(v.GetArmorWeight(true, -1, -1), 17);
    EXPECT_EQ(v.GetArmorWeight(false, -1, -1), 120); // 50 + 50 + 5 pod points x 4
    EXPECT_EQ(v.GetArmorWeight(false, 2, 10), 100);  // counts given: pods not weighed
    v.Armor.LR = true;
    EXPECT_EQ(v.GetArmorWeight(false, 0, 10), 55);
}

TEST_F(VehicleWeightTest, ArmorWeightWeighsThePodArmorAsTheReportDoes)
{
    const struct {
        const char* Name;
        TEWPKind Kind;
        bool Rocket;
        int PodArmor; // pounds of 5 pod armor points
    } cases[] = {
        {"no pod", ewpNone, false, 0},
        {"roof pod", ewpOneSpaceTop, false, 20},
        {"side pair", ewpOneSpaceSide, false, 40},
        {"rocket side pair", ewpOneSpaceSide, true, 0},
    };
    for (const auto& c : cases) {
        TVehicle v; // Subcompact: 5 lbs a plastic point
        v.Armor.Front = 10;
        v.EWP = c.Kind;
        v.EWPR = c.Rocket;
        const int bare = v.GetWeight(List);
        v.Armor.EWP = 5;
        EXPECT_EQ(v.GetArmorWeight(false, -1, -1), 50 + c.PodArmor) << c.Name;
        EXPECT_EQ(v.GetWeight(List) - bare, c.PodArmor) << c.Name;
    }
}

TEST_F(VehicleWeightTest, ArmorPointsForAWeight)
{
    TVehicle v; // 5 lbs a plastic point, 25 a metal one
    const struct {
        int Weight;
        bool Plastic;
        bool FP;
        int Points;
    } cases[] = {
        {100, true, false, 20},
        {95, true, false, 18}, // 18.5 rounds to the even 18
        {97, true, false, 19},
        {100, false, false, 4}, // 3.5 rounds to the even 4
        {60, true, true, 10},   // 5.5 lbs a point
        {0, true, false, 0},
    };
    for (const auto& c : cases) {
        v.Armor.FP = c.FP;
        EXPECT_EQ(v.GetArmorPointsForWeight(c.Weight, c.Plastic), c.Points) << c.Weight;
    }
    v.Body.ArmorWeight = 0;
    EXPECT_EQ(v.GetArmorPointsForWeight(100, true), 0);
    EXPECT_EQ(v.GetArmorPointsForWeight(100, false), 0);
}

TEST_F(VehicleWeightTest, MaxWeightForEachAccelerationClass)
{
    TVehicle v; // Small power plant: 800
    EXPECT_EQ(v.GetMaxWeightForAcc(5), 2400);
    EXPECT_EQ(v.GetMaxWeightForAcc(10), 1600);
    EXPECT_EQ(v.GetMaxWeightForAcc(15), 800);
    EXPECT_EQ(v.GetMaxWeightForAcc(0), 0);
    EXPECT_EQ(v.GetMaxWeightForAcc(20), 0);
}

} // namespace
