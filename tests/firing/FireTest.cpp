#include "common/WorkingFolder.h"
#include "firing/Fire.h"
#include "gamecar/GameCar.h"
#include "gamecar/Graphics.h"
#include "model/Global.h"
#include "model/RulesReaders.h"
#include "model/SettingsVariables.h"
#include "platform/Random.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

namespace {

// After the scatter of its one shot, this seed rolls 9 to hit and 13 on
// three dice with one six.
constexpr std::uint32_t FiringExampleSeed = 11;

constexpr TColor32 Ground = 0xFFC8C8C8;
constexpr TColor32 Solid = 0xFF000000;
constexpr TColor32 Eroded = 0xFFDDDDDD;
constexpr TColor32 TraceGreen = 0xFF007F00;
constexpr TColor32 White = 0xFFFFFFFF;

// Input of a shot at an opponent standing ahead of the own car.
TFireInput AtOpponentAhead(int facing)
{
    TFireInput input;
    input.Target = 3;
    input.AttackLocation = 0;
    input.TargetFacing = facing;
    return input;
}

constexpr int FacingUp = 0;   // its back is struck
constexpr int FacingLeft = 1; // its left side is struck
constexpr int FacingDown = 3; // its front is struck

TWeaponType Weapon(const char* abbreviation, const char* name, TWeaponClass weaponClass, int dice, int mod,
                   TLocation location = locFront)
{
    TWeaponType w;
    w.Abbreviation = QString::fromLatin1(abbreviation);
    w.Name = QString::fromLatin1(name);
    w.Class = weaponClass;
    w.DamageKind = dice > 0 ? dkDice : dkFixed;
    w.DamageDice = dice;
    w.DamageMod = mod;
    w.ToHit = 6;
    w.DP = 3;
    w.Shots = 10;
    w.Location = location;
    return w;
}

TBodyType Body(const char* name)
{
    for (const TBodyType& b : BodyTypes.Items)
        if (b.Name == QLatin1String(name))
            return b;
    ADD_FAILURE() << "no body " << name;
    return TBodyType();
}

int CountPixels(const TBitmap32& image, TColor32 color)
{
    int n = 0;
    for (int y = 0; y < image.Height(); ++y)
        for (int x = 0; x < image.Width(); ++x)
            n += image.Pixel(x, y) == color;
    return n;
}

class TFiringTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        const TWorkingFolder folder(QStringLiteral(RIGSMITH_RUNTIME_DIR));
        SetSettingsDefaults(QStringLiteral(RIGSMITH_RUNTIME_DIR));
        ReadAllTypes();
        LoadGraphics();
    }
    static void TearDownTestSuite() { FreeGraphics(); }

    void SetUp() override
    {
        IgnoreAmmo = false;
        AlwaysHit = true;
        DamageCaused = 0;
        Trace = false;
        Attacker = std::make_unique<TGameCar>();
        Target = std::make_unique<TGameCar>();
        // A body without the small-car to-hit bonus.
        Target->Vehicle->Body = Body("Mid-Sized");
        Target->X = 157;
        Target->Y = 9;
        Map.SetSize(365, 317);
        Map.Clear(Ground);
        Mask.SetSize(365, 373);
        Mask.Clear(Solid);
    }

    void Arm(const TWeaponType& w)
    {
        int index = 0;
        Attacker->Vehicle->AddWeapon(w, index);
        Attacker->Reset();
    }

    // The opponent's silhouette: the band of the map ahead of the own car.
    void PlaceOpponentAhead()
    {
        for (int y = 9; y < 109 - 20; ++y)
            for (int x = 140; x < 226; ++x)
                Mask.SetPixel(x, y, White);
    }

    // The opponent's design as set up by the test, with its damage state afresh.
    TVehicle& Opponent() { return *Target->Vehicle; }

    QStringList Fire(const TFireInput& input)
    {
        EXPECT_TRUE(TestFire(*Attacker, *Target, Map, Mask, input));
        return Target->Damage.Log;
    }

    std::unique_ptr<TGameCar> Attacker;
    std::unique_ptr<TGameCar> Target;
    TBitmap32 Map;
    TBitmap32 Mask;
};

TEST(HitSide, ByOpponentPlaceAndFacing)
{
    const int expected[4][4] = {{3, 1, 2, 0}, {2, 3, 0, 1}, {1, 0, 3, 2}, {0, 2, 1, 3}};
    for (int location = 0; location < 4; ++location)
        for (int facing = 0; facing < 4; ++facing)
            EXPECT_EQ(GetHitSide(location, facing), expected[location][facing]) << location << " " << facing;
    EXPECT_EQ(GetHitSide(-1, 0), 8);
    EXPECT_EQ(GetHitSide(0, 4), 8);
}

TEST_F(TFiringTest, SelectionFollowsSideTurretPlatformAndPods)
{
    TVehicle& v = *Attacker->Vehicle;
    int i = 0;
    for (TLocation l : {locFront, locLeft, locRight, locBack, locTurret, locEWP, locRocketPlatform, locNotPlaced})
        v.AddWeapon(Weapon("MG", "Machine Gun", wcSmallBore, 1, 0, l), i);

    v.EWP = ewpNone;
    EXPECT_EQ(SelectWeapons(v, locFront), (QVector<int>{0, 4, 5, 6}));
    EXPECT_EQ(SelectWeapons(v, locLeft), (QVector<int>{1, 4, 6}));

    // With side pods firing forward the side weapons sit in the pods.
    v.EWP = ewpOneSpaceSide;
    v.EWPFF = true;
    EXPECT_EQ(SelectWeapons(v, locFront), (QVector<int>{0, 1, 2, 4, 5, 6}));
    EXPECT_EQ(SelectWeapons(v, locLeft), (QVector<int>{4, 6}));
    EXPECT_EQ(SelectWeapons(v, locBack), (QVector<int>{3, 4, 6}));
    v.EWPFF = false;
    EXPECT_EQ(SelectWeapons(v, locBack), (QVector<int>{1, 2, 3, 4, 5, 6}));
}

TEST_F(TFiringTest, NoSideAndNoAimPointDoesNothing)
{
    Arm(Weapon("MG", "Machine Gun", wcSmallBore, 1, 0));
    TFireInput input = AtOpponentAhead(FacingDown);
    input.AttackLocation = -1;
    EXPECT_FALSE(TestFire(*Attacker, *Target, Map, Mask, input));
    EXPECT_EQ(Attacker->Stats.Weapons.Items[0].Shots, 0);
    EXPECT_EQ(CountPixels(Map, Ground), Map.Width() * Map.Height());
}

TEST_F(TFiringTest, ShotAtTheOpenMapLeavesATraceToTheEdge)
{
    Trace = true;
    Arm(Weapon("MG", "Machine Gun", wcSmallBore, 1, 0));
    TFireInput input;
    Fire(input);
    // Upward from the front icon at y 108 or so to the top edge.
    const int green = CountPixels(Map, TraceGreen);
    EXPECT_GE(green, 100);
    EXPECT_LE(green, 130);
    EXPECT_EQ(Attacker->Stats.Weapons.Items[0].Shots, 1);
    EXPECT_EQ(Attacker->Stats.Weapons.Items[0].Cost, 0);
    // No ammunition is spent against the map.
    EXPECT_EQ(Attacker->Damage.Weapons.Items[0].Shots, 10);
}

// A wall across the map ahead of the own car, as thick as the test asks.
struct TWallCase {
    const char* Name;
    int Thickness;
};

class TWallTest : public TFiringTest, public ::testing::WithParamInterface<TWallCase>
{
};

TEST_P(TWallTest, ShotStopsAtTheWallAndErodesIt)
{
    for (int y = 10; y < 10 + GetParam().Thickness; ++y)
        for (int x = 7; x < 357; ++x)
            Map.SetPixel(x, y, Solid);
    const int solidBefore = CountPixels(Map, Solid);
    Trace = true;
    Arm(Weapon("HR", "Heavy Rocket", wcRockets, 0, 12));
    TFireInput input;
    input.Target = 1;
    Fire(input);

    const int eroded = CountPixels(Map, Eroded);
    EXPECT_GE(eroded, 1);
    EXPECT_LE(eroded, 11 * 20 + 1);
    EXPECT_EQ(CountPixels(Map, Solid), solidBefore - eroded);
    // Nothing of the shot passes the wall.
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < Map.Width(); ++x)
            EXPECT_NE(Map.Pixel(x, y), TraceGreen) << x << "," << y;
    EXPECT_TRUE(Target->Damage.Log.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Walls, TWallTest, ::testing::Values(TWallCase{"Wall8", 3}, TWallCase{"Wall30", 8}),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST_F(TFiringTest, DamageOfOneErodesExactlyTheHitPixel)
{
    for (int x = 7; x < 357; ++x)
        Map.SetPixel(x, 10, Solid);
    Arm(Weapon("SG", "Spear Gun", wcSmallBore, 0, 1));
    TFireInput input;
    input.Target = 2;
    Fire(input);
    EXPECT_EQ(CountPixels(Map, Eroded), 1);
}

TEST_F(TFiringTest, ExampleHitThroughMetalAndPlasticIntoTheEngine)
{
    AlwaysHit = false;
    DamageCaused = 2;
    Arm(Weapon("AC", "Autocannon", wcSmallBore, 3, 0));
    Opponent().Armor.FrontM = 2;
    Opponent().Armor.Front = 8;
    Target->Reset();
    Target->Damage.EngineDP = 10;
    PlaceOpponentAhead();
    // The seed gives, after the scatter, a to-hit roll of 9 and a damage roll
    // of 13 with one six.
    RandSeed(FiringExampleSeed);
    const QStringList log = Fire(AtOpponentAhead(FacingDown));
    ASSERT_EQ(log.size(), 1);
    EXPECT_EQ(log[0], QStringLiteral("To hit 6, rolled 9. Damage to front side via Autocannon: 13, 2 absorbed by metal "
                                     "armor\r\nDamage to front metal armor: 1, remaining metal armor: 1. No plastic "
                                     "armor left, damage passed into to front side: 3. Damage to engine: 3. "));
    EXPECT_EQ(Target->Damage.Armor.FrontM, 1);
    EXPECT_EQ(Target->Damage.Armor.Front, 0);
    EXPECT_EQ(Target->Damage.EngineDP, 7);
    EXPECT_EQ(Attacker->Stats.Weapons.Items[0].Cost, 1);
    EXPECT_EQ(Attacker->Stats.Weapons.Items[0].Weight, 13);
    EXPECT_EQ(Attacker->Damage.Weapons.Items[0].Shots, 9);
}

} // namespace
