#include "AccountingTestBase.h"

namespace {

using VehicleSpaceTest = AccountingTest;

TWeaponType Placed(const char* abbreviation, TLocation location)
{
    TWeaponType w = TRulesFixture::Weapon(QString::fromLatin1(abbreviation));
    w.Location = location;
    return w;
}

TEST_F(VehicleSpaceTest, WholeBreakdownWithFractionsSummedBeforeRounding)
{
    TVehicle v;
    v.Body = TRulesFixture::Body("Compact");
    v.Streamlined = true;
    v.Sloped = true;
    v.Rollcage = true;
    v.PowerCellEngine = TRulesFixture::CEngine("None");
    v.GasEngine = TRulesFixture::GEngine("30 cid");
    v.GasEngine.SC = true;
    v.GasEngine.NO = 3;
    v.TankSize = 16;
    Mount(v, Placed("MG", locFront));
    TWeaponType ss = Placed("SS", locBack);
    ss.ExtraAmmo = true;
    Mount(v, ss);
    Mount(v, Placed("RR", locTurret));
    Mount(v, Placed("MD", locLeft)); // a roof pod leaves the side weapons in the body
    TWeaponType hr = Placed("HR", locRight);
    hr.Space = 0.5;
    Mount(v, hr);
    v.Turret = tkOneSpace;
    v.EWP = ewpOneSpaceTop;
    v.SetEquipment(0, 1, QString());
    v.SetEquipment(4, 1, QString());
    v.SetEquipment(8, 3, QString());
    v.SetEquipment(13, 2, QString());
    v.Crew[1].Seat = true;
    v.Crew[1].PFE = true;

    // 10 - 2 - 1 - 7 - Round(6.5 + 4.5 + 4.5): the space may run negative.
    EXPECT_EQ(v.GetSpace(List), -16);
    EXPECT_EQ(List, QStringList({
                        "* Basic Vehicle Space *",
                        "Available: 10",
                        "",
                        "Streamlined, Sloped Armor: 2",
                        "Rollcage: 1",
                        "30 cid Gas Engine: 1",
                        "    +Supercharger:  1",
                        "    +3x Nitrous Oxide: 3",
                        "    +16 gal Economy Tank:  2",
                        "    =Sum:  7",
                        "",
                        "* Weapons *",
                        "MG:  1",
                        "SS:  2",
                        "MD:  2",
                        "HR: 0.50",
                        "Turret: 1",
                        "    (RR:  2)",
                        "---------------------",
                        "Sum: 6.50",
                        "",
                        "* Equipment *",
                        "Fire Extinguisher:  1",
                        "Safety Seat: 3x0.50=1.50",
                        "Battery: 2x1.00= 2",
                        "---------------------",
                        "Sum: 4.50",
                        "",
                        "2 Crew: 4.5",
                        "",
                        "Space remains: -16",
                    }));
    EXPECT_EQ(v.SpaceLeft, -16);
}

TEST_F(VehicleSpaceTest, PowerPlantSidePodsAndOutsideAccessories)
{
    TVehicle v;
    v.Streamlined = true;
    v.PowerCellEngine.EPC = true;
    v.PowerCellEngine.ISC = 1;
    Mount(v, Placed("MG", locFront));
    Mount(v, Placed("RR", locLeft)); // in the side pods
    v.EWP = ewpOneSpaceSide;
    v.SetEquipment(0, 1, QString());
    v.SetEquipment(1, 1, QString());

    EXPECT_EQ(v.GetSpace(List), -2);
    EXPECT_EQ(List, QStringList({
                        "* Basic Vehicle Space *",
                        "Available: 7",
                        "",
                        "Streamlined: 1",
                        "Small Cell Engine: 3",
                        "    +Extra Power Cell:  1",
                        "    +Improved Supercharger Capacitors:  1",
                        "    =Sum:  5",
                        "",
                        "* Weapons *",
                        "MG:  1",
                        "---------------------",
                        "Sum:  1",
                        "",
                        "1 Crew:  2",
                        "",
                        "Space remains: -2",
                    }));
}

TEST_F(VehicleSpaceTest, AccessoriesOfNoSpaceLeaveNoSection)
{
    TVehicle v;
    v.SetEquipment(3, 2, QString());
    v.SetEquipment(6, 1, QString());
    v.GetSpace(List);
    EXPECT_FALSE(List.contains(QStringLiteral("* Equipment *")));
    EXPECT_EQ(List.mid(List.size() - 4),
              QStringList({"", "1 Crew:  2", "", "Space remains: 2"}));
}

TEST_F(VehicleSpaceTest, BodyOptionsLoseATenthOrMore)
{
    const struct {
        int Space;
        bool Streamlined;
        bool Sloped;
        const char* Line;
    } cases[] = {
        {10, true, false, "Streamlined: 2"}, {20, true, false, "Streamlined: 2"},
        {30, true, false, "Streamlined: 4"}, {10, false, true, "Sloped Armor: 1"},
        {25, false, true, "Sloped Armor: 2"}, {10, true, true, "Streamlined, Sloped Armor: 2"},
        {20, true, true, "Streamlined, Sloped Armor: 3"},
    };
    for (const auto& c : cases) {
        TVehicle v;
        v.Body.Space = c.Space;
        v.Streamlined = c.Streamlined;
        v.Sloped = c.Sloped;
        v.GetSpace(List);
        EXPECT_EQ(List[3], QString::fromLatin1(c.Line)) << c.Space;
    }
}

TEST_F(VehicleSpaceTest, WeaponsAndCrewAreRoundedOnceTogether)
{
    TVehicle v;
    v.Body.Space = 10;
    v.PowerCellEngine = TRulesFixture::CEngine("None");
    TWeaponType w = Placed("HR", locFront);
    w.Space = 0.5;
    Mount(v, w);
    v.Crew[0].PFE = true;
    // 0.5 + 2.5 = 3, where rounding each alone would use only 2.
    EXPECT_EQ(v.GetSpace(List), 7);
    EXPECT_TRUE(List.contains(QStringLiteral("1 Crew: 2.5")));
}

TEST_F(VehicleSpaceTest, SumsAreKeptAsDoubles)
{
    // 0.1 + 0.2 + 0.7 comes to exactly 1 when each step is kept as a double,
    // but falls short of 1 when summed at full extended precision.
    TVehicle v;
    for (double space : {0.1, 0.2, 0.7}) {
        TWeaponType w = Placed("HR", locFront);
        w.Space = space;
        Mount(v, w);
    }
    v.Equipment.Items[3].Space = 0.1;
    v.Equipment.Items[6].Space = 0.2;
    v.Equipment.Items[7].Space = 0.7;
    v.SetEquipment(3, 1, QString());
    v.SetEquipment(6, 1, QString());
    v.SetEquipment(7, 1, QString());
    EXPECT_EQ(v.GetSpace(List), 0); // 7 - 3 - Round(1 + 1 + 2)
    EXPECT_EQ(List.mid(5), QStringList({
                               "* Weapons *",
                               "HR: 0.10",
                               "HR: 0.20",
                               "HR: 0.70",
                               "---------------------",
                               "Sum:  1",
                               "",
                               "* Equipment *",
                               "Bumper Spikes: 0.10",
                               "Radio: 0.20",
                               "Searchlight: 0.70",
                               "---------------------",
                               "Sum:  1",
                               "",
                               "1 Crew:  2",
                               "",
                               "Space remains: 0",
                           }));
}

TEST_F(VehicleSpaceTest, BodyWeapons)
{
    const struct {
        TEWPKind Pods;
        TLocation Location;
        bool Body;
    } cases[] = {
        {ewpNone, locFront, true},           {ewpNone, locLeft, true},
        {ewpNone, locTurret, false},         {ewpNone, locEWP, false},
        {ewpNone, locRocketPlatform, false}, {ewpOneSpaceTop, locLeft, true},
        {ewpOneSpaceTop, locRight, true},    {ewpOneSpaceSide, locLeft, false},
        {ewpOneSpaceSide, locRight, false},  {ewpThreeSpaceSide, locBack, true},
        {ewpThreeSpaceSide, locFront, true}, {ewpThreeSpaceSide, locTurret, false},
    };
    for (const auto& c : cases) {
        TVehicle v;
        v.EWP = c.Pods;
        Mount(v, Placed("MG", c.Location));
        EXPECT_EQ(v.IsBodyWeapon(0), c.Body) << c.Pods << " " << int(c.Location);
    }
}

TEST_F(VehicleSpaceTest, TankSpace)
{
    const struct {
        int Gallons;
        int Spaces;
    } cases[] = {{0, 0}, {5, 0}, {6, 1}, {15, 1}, {16, 2}, {25, 2}, {26, 3}};
    TVehicle v;
    for (const auto& c : cases) {
        v.TankSize = c.Gallons;
        EXPECT_EQ(v.GetTankSpace(), c.Spaces) << c.Gallons;
    }
}

TEST_F(VehicleSpaceTest, NitrousOxideLines)
{
    TVehicle v;
    v.PowerCellEngine = TRulesFixture::CEngine("None");
    v.GasEngine = TRulesFixture::GEngine("100 cid");
    v.GasEngine.NO = 1;
    EXPECT_EQ(v.GetEngineSpace(List), 4);
    EXPECT_EQ(List, QStringList({"100 cid Gas Engine: 3", "    +Nitrous Oxide:  1",
                                 "    =Sum:  4"}));
}

TEST_F(VehicleSpaceTest, NoEngineTakesNoSpace)
{
    TVehicle v;
    v.PowerCellEngine = TRulesFixture::CEngine("None");
    v.TankSize = 20;
    EXPECT_EQ(v.GetEngineSpace(List), 0);
    EXPECT_TRUE(List.isEmpty());
}

TEST_F(VehicleSpaceTest, CrewCountAndSpace)
{
    TVehicle v;
    EXPECT_EQ(v.GetCrewCount(), 1);
    EXPECT_EQ(v.GetCrewSpace(), 2.0);
    v.Crew[1].Seat = true;
    v.Crew[1].PFE = true;
    v.Crew[0].PFE = true;
    EXPECT_EQ(v.GetCrewCount(), 2);
    EXPECT_EQ(v.GetCrewSpace(), 5.0);
    v.Crew[0].Seat = false;
    EXPECT_EQ(v.GetCrewCount(), 1);
    EXPECT_EQ(v.GetCrewSpace(), 2.5);
}

} // namespace
