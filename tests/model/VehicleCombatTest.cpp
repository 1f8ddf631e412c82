#include "RulesFixture.h"

#include "model/Vehicle.h"
#include "platform/Errors.h"
#include "platform/Numbers.h"

#include <gtest/gtest.h>

#include <functional>
#include <limits>

namespace {

class VehicleCombatTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        FSeparator = DecimalSeparator();
        SetDecimalSeparator(QLatin1Char('.'));
    }
    void TearDown() override { SetDecimalSeparator(FSeparator); }

    QString Firepower(TLocation facing) const
    {
        QString text = QStringLiteral("unchanged");
        V.GetFirepower(facing, text);
        return text;
    }

    QString Collision(int weight, int speed)
    {
        V.Weight = weight;
        QString text;
        V.GetCollisionDamageText(speed, text);
        return text;
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

    TRulesFixture Rules;
    TVehicle V;

private:
    QChar FSeparator;
};

} // namespace

TEST_F(VehicleCombatTest, ChanceAtLeast)
{
    EXPECT_EQ(ChanceAtLeast(1), 101);
    EXPECT_EQ(ChanceAtLeast(2), 101);
    EXPECT_EQ(ChanceAtLeast(7), 59);
    EXPECT_EQ(ChanceAtLeast(12), 3);
    EXPECT_EQ(ChanceAtLeast(13), 0);
}

TEST_F(VehicleCombatTest, FacingName)
{
    EXPECT_EQ(FacingName(locFront), QStringLiteral("front"));
    EXPECT_EQ(FacingName(locLeft), QStringLiteral("left"));
    EXPECT_EQ(FacingName(locRight), QStringLiteral("right"));
    EXPECT_EQ(FacingName(locBack), QStringLiteral("back"));
    EXPECT_EQ(FacingName(locTurret), QStringLiteral("turret"));
    EXPECT_EQ(FacingName(locEWP), QStringLiteral("turret"));
    EXPECT_EQ(FacingName(locNotPlaced), QStringLiteral("turret"));
}

TEST_F(VehicleCombatTest, WeaponEfficiencyByModeAndToHit)
{
    const TWeaponType mg = TRulesFixture::Weapon(QStringLiteral("MG"));
    // 20 shots of 3 points; to-hit 7 needs 7 (59 %), 3 with code 0 (98 %).
    EXPECT_DOUBLE_EQ(V.GetWeaponEfficiency(mg, 0, 1), 20 * 3 * 59 / 50.0);
    EXPECT_DOUBLE_EQ(V.GetWeaponEfficiency(mg, 1, 0), 20 * 3 * 98 / 150.0);
    EXPECT_DOUBLE_EQ(V.GetWeaponEfficiency(mg, 2, 1), 20 * 3 * 59 / 40.0);
    EXPECT_DOUBLE_EQ(V.GetWeaponEfficiency(mg, 2, 2), 20 * 3 * 42 / 40.0);
    EXPECT_DOUBLE_EQ(V.GetWeaponEfficiency(mg, 1, 7), 20 * 3 * 59 / 150.0);
    EXPECT_EQ(V.GetWeaponEfficiency(mg, 3, 1), 0);

    TWeaponType hard = mg;
    hard.ToHit = 11; // 13 with code 3, held at 12
    EXPECT_DOUBLE_EQ(V.GetWeaponEfficiency(hard, 0, 3), 20 * 3 * 3 / 50.0);
}

TEST_F(VehicleCombatTest, LaserIsRatedWithTwentyShots)
{
    TWeaponType laser = TRulesFixture::Weapon(QStringLiteral("L"));
    const double rating = 20 * 9 * 73 / 100.0;
    EXPECT_DOUBLE_EQ(V.GetWeaponEfficiency(laser, 0, 1), rating);
    laser.Shots = 5;
    EXPECT_DOUBLE_EQ(V.GetWeaponEfficiency(laser, 0, 1), rating);
}

TEST_F(VehicleCombatTest, WeaponEfficiencyLimits)
{
    TWeaponType tiny = TRulesFixture::Weapon(QStringLiteral("MG"));
    tiny.Space = 0.02;
    EXPECT_EQ(V.GetWeaponEfficiency(tiny, 0, 1), 1000);

    TWeaponType free = TRulesFixture::Weapon(QStringLiteral("HR"));
    free.Cost = 0;
    free.Shots = 0;
    EXPECT_EQ(V.GetWeaponEfficiency(free, 1, 1), 0);

    // A smokescreen does no damage and so rates nothing, however cheap.
    EXPECT_EQ(V.GetWeaponEfficiency(TRulesFixture::Weapon(QStringLiteral("SS")), 1, 1), 0);
}

TEST_F(VehicleCombatTest, ToHitBeyondTheIntegerRangeRaises)
{
    TWeaponType mg = TRulesFixture::Weapon(QStringLiteral("MG"));
    mg.ToHit = std::numeric_limits<int>::min();
    EXPECT_THROW(V.GetWeaponEfficiency(mg, 0, 0), EOverflow);
    mg.ToHit = std::numeric_limits<int>::max();
    EXPECT_THROW(V.GetWeaponEfficiency(mg, 0, 3), EOverflow);
    // Without a shift the extreme to-hit is only held at 2.
    mg.ToHit = std::numeric_limits<int>::min();
    EXPECT_DOUBLE_EQ(V.GetWeaponEfficiency(mg, 0, 1), 20 * 3 * 101 / 50.0);
}

TEST_F(VehicleCombatTest, FirepowerSumsDiceAndAdds)
{
    EXPECT_EQ(Firepower(locFront), QStringLiteral("-"));

    Mount("MG", locFront);
    Mount("RR", locFront, [](TWeaponType& w) { w.Ammo = QStringLiteral("EX"); });
    Mount("L", locLeft, [](TWeaponType& w) { w.LaserPulse = true; });
    Mount("HR", locRight, [](TWeaponType& w) {
        w.DamageDice = 1;
        w.DamageMod = -2;
    });
    Mount("MD", locBack, [](TWeaponType& w) {
        w.DamageMod = 1;
        w.NrOfObjects = 3;
    });
    Mount("SS", locBack);
    Mount("MG", locTurret, [](TWeaponType& w) {
        w.DamageKind = dkFixed;
        w.DamageDice = 0;
        w.DamageMod = 4;
    });
    Mount("RR", locRocketPlatform, [](TWeaponType& w) { w.Ammo = QStringLiteral("-"); });
    Mount("MG", locEWP, [](TWeaponType& w) {
        w.Ammo = QStringLiteral("ZZ");
        w.NrOfObjects = 2;
    });

    EXPECT_EQ(Firepower(locFront), QStringLiteral("3d+2 (5...20)"));
    EXPECT_EQ(Firepower(locLeft), QStringLiteral("3d+3 (6...21)"));
    EXPECT_EQ(Firepower(locRight), QStringLiteral("1d-2 (-1...4)"));
    EXPECT_EQ(Firepower(locBack), QStringLiteral("6d+1 (7...37)"));
    EXPECT_EQ(Firepower(locTurret), QStringLiteral("4 (4...4)"));
    EXPECT_EQ(Firepower(locRocketPlatform), QStringLiteral("2d (2...12)"));
    EXPECT_EQ(Firepower(locEWP), QStringLiteral("2d (2...12)"));
}

TEST_F(VehicleCombatTest, AmmunitionBonusCountsEveryObject)
{
    Mount("MG", locFront, [](TWeaponType& w) {
        w.Ammo = QStringLiteral("EX");
        w.NrOfObjects = 2;
    });
    EXPECT_EQ(Firepower(locFront), QStringLiteral("2d+2 (4...14)"));
}

TEST_F(VehicleCombatTest, SidePodsFireForwardOrBack)
{
    Mount("HR", locFront);
    Mount("MG", locLeft);
    Mount("MG", locRight);
    Mount("RR", locEWP);
    Mount("L", locBack);
    V.EWP = ewpOneSpaceSide;

    V.EWPFF = true;
    EXPECT_EQ(Firepower(locFront), QStringLiteral("7d (7...42)"));
    EXPECT_EQ(Firepower(locLeft), QString());
    EXPECT_EQ(Firepower(locRight), QString());
    EXPECT_EQ(Firepower(locBack), QStringLiteral("3d (3...18)"));

    V.EWPFF = false;
    EXPECT_EQ(Firepower(locFront), QStringLiteral("3d (3...18)"));
    EXPECT_EQ(Firepower(locBack), QStringLiteral("7d (7...42)"));
    EXPECT_EQ(Firepower(locLeft), QString());
}

TEST_F(VehicleCombatTest, TopPodBearsOnlyOnItsOwnFacing)
{
    Mount("HR", locFront);
    Mount("MG", locLeft);
    Mount("RR", locEWP);
    V.EWP = ewpTwoSpaceTop;
    for (bool forward : {true, false}) {
        V.EWPFF = forward;
        EXPECT_EQ(Firepower(locFront), QStringLiteral("3d (3...18)"));
        EXPECT_EQ(Firepower(locLeft), QStringLiteral("1d (1...6)"));
        EXPECT_EQ(Firepower(locBack), QStringLiteral("-"));
        EXPECT_EQ(Firepower(locEWP), QStringLiteral("2d (2...12)"));
    }
}

TEST_F(VehicleCombatTest, CollisionModifierText)
{
    const struct {
        int Weight;
        const char* Text;
    } cases[] = {{1500, "0.33"}, {2000, "0.33"}, {3000, "0.67"}, {4001, "1"}, {9000, "2"}};
    for (const auto& c : cases) {
        V.Weight = c.Weight;
        QString text;
        V.GetCollisionModifierText(text);
        EXPECT_EQ(text, QString::fromLatin1(c.Text)) << c.Weight;
    }

    SetDecimalSeparator(QLatin1Char(','));
    V.Weight = 3000;
    QString text;
    V.GetCollisionModifierText(text);
    EXPECT_EQ(text, QStringLiteral("0,67"));
}

TEST_F(VehicleCombatTest, CollisionDamageText)
{
    const struct {
        int Weight;
        int Speed;
        const char* Text;
    } cases[] = {
        // The speed's dice are shown and multiplied once.
        {9000, 40, "(3d*2.00): (6...36)"},
        {5000, 5, "(1d*1.00)-4: (-3...2)"},
        {5000, 25, "(1d*1.00): (1...6)"},
        {5000, 0, "-"},
        // A light vehicle's single die rounds away at 5 mph.
        {1500, 5, "-"},
        {1500, 50, "(5d*0.33): (2...10)"},
        {3000, 10, "(1d*0.67)-2: (-1...2)"},
        // Six times the dice of such a speed is beyond the integer range; the
        // light vehicle's modifier brings the figures back into it.
        {1500, 2147483645, "(429496724d*0.33): (143165575...858993448)"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Collision(c.Weight, c.Speed), QString::fromLatin1(c.Text))
            << c.Weight << " lbs at " << c.Speed << " mph";
}

TEST_F(VehicleCombatTest, RamplateAddsTwoPerDie)
{
    V.SetEquipment(2, 1, QString());
    EXPECT_EQ(Collision(9000, 40), QStringLiteral("(3d*2.00)+12: (18...48)"));
    EXPECT_EQ(Collision(3000, 10), QStringLiteral("(1d*0.67): (1...4)"));
    EXPECT_EQ(Collision(5000, 5), QStringLiteral("(1d*1.00)-2: (-1...4)"));

    // Only a single ramplate counts.
    V.SetEquipment(2, 2, QString());
    EXPECT_EQ(Collision(9000, 40), QStringLiteral("(3d*2.00): (6...36)"));
}
