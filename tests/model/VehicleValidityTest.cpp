#include "RulesFixture.h"

#include "model/Global.h"
#include "model/Vehicle.h"
#include "platform/Errors.h"
#include "platform/Numbers.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

class VehicleValidityTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        FSeparator = DecimalSeparator();
        SetDecimalSeparator(QLatin1Char('.'));
        FDiv = Div;
        FDivUse = DivUse;
        FYear = Year;
        FYearUse = YearUse;
        DivUse = false;
        YearUse = false;
    }
    void TearDown() override
    {
        SetDecimalSeparator(FSeparator);
        Div = FDiv;
        DivUse = FDivUse;
        Year = FYear;
        YearUse = FYearUse;
    }

    void Mount(const char* abbreviation, TLocation location,
               const std::function<void(TWeaponType&)>& options = {})
    {
        TWeaponType w = TRulesFixture::Weapon(QString::fromLatin1(abbreviation));
        w.Location = location;
        if (options)
            options(w);
        int index;
        V.AddWeapon(w, index);
    }

    // A weapon of no space that counts against the dischargers' limits.
    void MountDischarger(TLocation location)
    {
        Mount("SS", location, [](TWeaponType& w) {
            w.Class = wcDischargers;
            w.Space = 0;
        });
    }

    QString Placement()
    {
        QString message = QStringLiteral("unchanged");
        V.CheckWeaponPlacement(message);
        return message;
    }

    QString Reason()
    {
        QString reason;
        V.CheckValid(reason);
        return reason;
    }

    TRulesFixture Rules;
    // The new design: a subcompact (7 spaces, 2 per side) with the small
    // power plant (range 150), 1770 of 2300 lbs, 2 spaces left.
    TVehicle V;

private:
    QChar FSeparator;
    int FDiv = 0;
    bool FDivUse = false;
    int FYear = 0;
    bool FYearUse = false;
};

void WithExtraAmmo(TWeaponType& w)
{
    w.ExtraAmmo = true;
}

} // namespace

TEST_F(VehicleValidityTest, NewDesignIsValid)
{
    EXPECT_EQ(Placement(), QString());
    EXPECT_EQ(Reason(), QString());
}

TEST_F(VehicleValidityTest, SideAllowanceNeedsTwoWeapons)
{
    Mount("RR", locLeft, WithExtraAmmo);
    EXPECT_EQ(Placement(), QString());

    V.Weapons.Items.clear();
    Mount("MG", locLeft, WithExtraAmmo);
    Mount("MG", locLeft);
    EXPECT_EQ(Placement(), QStringLiteral("Space used (left): 3.00, allowed: 2"));
}

TEST_F(VehicleValidityTest, SideAllowanceCountsCargoSpace)
{
    V.Body.CargoSpace = 2; // (7 + 2) div 3
    Mount("MG", locRight, WithExtraAmmo);
    Mount("MG", locRight);
    EXPECT_EQ(Placement(), QString());
    Mount("MG", locRight);
    EXPECT_EQ(Placement(), QStringLiteral("Space used (right): 4.00, allowed: 3"));
}

TEST_F(VehicleValidityTest, LastFailingPlacementRuleWins)
{
    Mount("MG", locRight, WithExtraAmmo);
    Mount("MG", locRight);
    EXPECT_EQ(Placement(), QStringLiteral("Space used (right): 3.00, allowed: 2"));
    // Of the two sides only the first failing one writes.
    Mount("RR", locLeft);
    Mount("MG", locLeft);
    EXPECT_EQ(Placement(), QStringLiteral("Space used (left): 3.00, allowed: 2"));
    Mount("RR", locFront);
    Mount("MG", locFront);
    EXPECT_EQ(Placement(), QStringLiteral("Space used (front): 3.00, allowed: 2"));
    Mount("RR", locBack);
    Mount("RR", locBack);
    EXPECT_EQ(Placement(), QStringLiteral("Space used (back): 4.00, allowed: 2"));
    Mount("MG", locTurret);
    EXPECT_EQ(Placement(), QStringLiteral("Space used in turret: 1.00, allowed: 0"));
    V.EWP = ewpOneSpaceTop;
    Mount("RR", locEWP);
    EXPECT_EQ(Placement(), QStringLiteral("Space used in EWP: 2.00, allowed: 1"));
    MountDischarger(locFront);
    MountDischarger(locFront);
    EXPECT_EQ(Placement(), QStringLiteral("2 Dischargers in front - only one allowed"));
    for (int i = 0; i < 3; ++i)
        MountDischarger(locLeft);
    EXPECT_EQ(Placement(), QStringLiteral("3 Dischargers on the left - only two allowed"));
    for (int i = 0; i < 3; ++i)
        MountDischarger(locRight);
    EXPECT_EQ(Placement(), QStringLiteral("3 Dischargers on the right - only two allowed"));
    MountDischarger(locBack);
    MountDischarger(locBack);
    EXPECT_EQ(Placement(), QStringLiteral("2 Dischargers in back - only one allowed"));
    V.PowerCellEngine = TRulesFixture::CEngine("None");
    EXPECT_EQ(Placement(), QStringLiteral("Range is 0 - a minimum of 150 is required"));
}

TEST_F(VehicleValidityTest, TurretCapacityByKind)
{
    const struct {
        TTurretKind Kind;
        int Capacity;
    } turrets[] = {{tkNone, 0},        {tkZeroSpace, 0},     {tkOneSpace, 1},
                   {tkOneSpacePopUp, 1}, {tkTwoSpace, 2},    {tkTwoSpacePopUp, 2},
                   {tkThreeSpace, 3},  {tkThreeSpacePopUp, 3}};
    for (const auto& t : turrets) {
        V.Weapons.Items.clear();
        V.Turret = t.Kind;
        for (int i = 0; i < t.Capacity; ++i)
            Mount("MG", locTurret);
        EXPECT_EQ(Placement(), QString()) << t.Kind;
        Mount("MG", locTurret);
        EXPECT_EQ(Placement(), QStringLiteral("Space used in turret: %1.00, allowed: %2")
                                   .arg(t.Capacity + 1)
                                   .arg(t.Capacity))
            << t.Kind;
    }
}

TEST_F(VehicleValidityTest, SidePodsHoldTheSideWeapons)
{
    V.EWP = ewpOneSpaceSide;
    Mount("MG", locLeft);
    Mount("MG", locRight);
    EXPECT_EQ(Placement(), QString());
    Mount("MG", locRight);
    EXPECT_EQ(Placement(), QStringLiteral("Space used in right EWP: 2.00, allowed: 1"));
    Mount("MG", locLeft);
    EXPECT_EQ(Placement(), QStringLiteral("Space used in left EWP: 2.00, allowed: 1"));
    Mount("RR", locEWP);
    EXPECT_EQ(Placement(), QStringLiteral("Space used in left EWP: 2.00, allowed: 1"));

    V.EWP = ewpTwoSpaceSide;
    EXPECT_EQ(Placement(), QString());
    V.EWP = ewpThreeSpaceSide;
    Mount("RR", locLeft, WithExtraAmmo);
    EXPECT_EQ(Placement(), QStringLiteral("Space used in left EWP: 5.00, allowed: 3"));
}

TEST_F(VehicleValidityTest, TopPodLeavesTheSidesToTheBody)
{
    V.EWP = ewpTwoSpaceTop;
    Mount("RR", locEWP);
    Mount("MG", locLeft);
    Mount("MG", locLeft);
    EXPECT_EQ(Placement(), QString());
    Mount("MG", locEWP);
    EXPECT_EQ(Placement(), QStringLiteral("Space used in EWP: 3.00, allowed: 2"));
    Mount("MG", locLeft);
    V.EWP = ewpThreeSpaceTop;
    EXPECT_EQ(Placement(), QStringLiteral("Space used (left): 3.00, allowed: 2"));
}

TEST_F(VehicleValidityTest, DischargerLimitsPerSide)
{
    for (TLocation side : {locLeft, locRight})
        for (int i = 0; i < 2; ++i)
            MountDischarger(side);
    MountDischarger(locFront);
    MountDischarger(locBack);
    for (int i = 0; i < 5; ++i) {
        MountDischarger(locTurret);
        MountDischarger(locRocketPlatform);
    }
    EXPECT_EQ(Placement(), QString());

    MountDischarger(locRight);
    EXPECT_EQ(Placement(), QStringLiteral("3 Dischargers on the right - only two allowed"));
}

TEST_F(VehicleValidityTest, RangeMinimum)
{
    V.PowerCellEngine = TRulesFixture::CEngine("None");
    V.GasEngine = TRulesFixture::GEngine("30 cid"); // 60 mpg
    V.TankSize = 2;
    EXPECT_EQ(Placement(), QStringLiteral("Range is 120 - a minimum of 150 is required"));
    V.TankSize = 3;
    EXPECT_EQ(Placement(), QString());
}

TEST_F(VehicleValidityTest, CostLimitOfTheDivision)
{
    DivUse = true;
    Div = 1; // the new design costs exactly $1000
    EXPECT_EQ(Reason(), QString());
    V.Rollcage = true;
    EXPECT_EQ(Reason(), QStringLiteral("Cost to high for Div 1"));
    EXPECT_EQ(V.Cost, 1900);
    DivUse = false;
    EXPECT_EQ(Reason(), QString());
}

TEST_F(VehicleValidityTest, EachRuleInItsOrder)
{
    EXPECT_EQ(Reason(), QString());

    // Laser-armed gas-engined design, every other rule kept.
    V.Body = TRulesFixture::Body("Mid-sized");
    V.PowerCellEngine = TRulesFixture::CEngine("None");
    V.GasEngine = TRulesFixture::GEngine("250 cid");
    V.TankSize = 8;
    Mount("L", locFront);
    EXPECT_EQ(Reason(), QStringLiteral("Laser requires a battery"));

    YearUse = true;
    Year = 2030; // every fixture item is older than the base year 2031
    EXPECT_EQ(Reason(), QStringLiteral("Vehicle date exceeds 2030"));
    EXPECT_EQ(YearList, QStringList{QStringLiteral("Entire Vehicle: 2031")});

    V.Turret = tkZeroSpace;
    Mount("MG", locTurret);
    EXPECT_EQ(Reason(), QStringLiteral("Space used in turret: 1.00, allowed: 0"));

    V.GasEngine = TRulesFixture::GEngine("None");
    EXPECT_EQ(Reason(), QStringLiteral("Cannot accelerate"));

    for (int i = 0; i < 9; ++i)
        Mount("MG", locBack);
    EXPECT_EQ(Reason(), QStringLiteral("Amount of available space exceeded"));

    V.Armor.Front = 200; // 1600 lbs of plastic armor
    EXPECT_EQ(Reason(), QStringLiteral("Max Weight exceeded"));

    DivUse = true;
    Div = 2;
    EXPECT_EQ(Reason(), QStringLiteral("Cost to high for Div 2"));
}

TEST_F(VehicleValidityTest, LaserBatteryRule)
{
    V.Body = TRulesFixture::Body("Mid-sized");
    Mount("L", locFront);
    V.PowerCellEngine = TRulesFixture::CEngine("Large");
    EXPECT_EQ(Reason(), QString());

    V.PowerCellEngine = TRulesFixture::CEngine("None");
    V.GasEngine = TRulesFixture::GEngine("250 cid");
    V.TankSize = 8;
    EXPECT_EQ(Reason(), QStringLiteral("Laser requires a battery"));
    V.SetEquipment(13, 1, QString());
    EXPECT_EQ(Reason(), QString());
}

TEST_F(VehicleValidityTest, HeavyDesignCannotAccelerate)
{
    V.Body = TRulesFixture::Body("Van"); // 2770 lbs against 800 power factors
    EXPECT_EQ(Reason(), QStringLiteral("Cannot accelerate"));
    EXPECT_EQ(V.Acceleration, 0);
}

TEST_F(VehicleValidityTest, RefreshesTheStoredFigures)
{
    V.Armor.Front = 10; // 50 lbs
    Mount("MG", locFront); // 200 lbs with its shots, one space
    V.Chassis = TRulesFixture::Chassis("Heavy");
    ScratchList = QStringList{QStringLiteral("stale")};
    YearList = QStringList{QStringLiteral("stale")};
    EXPECT_EQ(Reason(), QString());
    EXPECT_EQ(V.Weight, 2020);
    EXPECT_EQ(V.MaxWeight, 2530);
    EXPECT_EQ(V.SpaceLeft, 1);
    EXPECT_EQ(V.Acceleration, 5);
    EXPECT_NE(ScratchList, QStringList{QStringLiteral("stale")});
    // Without the year limit the year trail is left alone.
    EXPECT_EQ(YearList, QStringList{QStringLiteral("stale")});
}

TEST_F(VehicleValidityTest, WeightLimitIsTheFreshOne)
{
    V.MaxWeight = 0; // left by an earlier design
    EXPECT_EQ(Reason(), QString());
    EXPECT_EQ(V.MaxWeight, 2300);

    V.Chassis = TRulesFixture::Chassis("Heavy");
    V.Armor.Front = 153; // 765 lbs: 2535 of 2530
    V.MaxWeight = 1000000;
    EXPECT_EQ(Reason(), QStringLiteral("Max Weight exceeded"));
}

TEST_F(VehicleValidityTest, ReasonUnknownWhenACalculationFails)
{
    DivUse = true;
    Div = 3000000; // times 1000 leaves the 32-bit range
    QString reason;
    EXPECT_THROW(V.CheckValid(reason), EOverflow);
    EXPECT_EQ(reason, QStringLiteral("<Reason unknown>"));
}
