#include "common/WorkingFolder.h"
#include "firing/Fire.h"
#include "gamecar/GameCar.h"
#include "gamecar/Graphics.h"
#include "model/Global.h"
#include "model/RulesReaders.h"
#include "model/SettingsVariables.h"
#include "model/Utils.h"
#include "platform/Errors.h"
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

TEST_F(TFiringTest, TheAimPointDecidesTheFiringSide)
{
    // The own car's picture is centred on (182, 159).
    const struct {
        const char* Where;
        int X, Y, Side;
    } cases[] = {
        {"on the centre line ahead", 182, 20, locFront},
        {"on the centre line just ahead", 182, 158, locFront},
        {"on the centre line behind", 182, 300, locBack},
        {"on the centre line just behind", 182, 160, locBack},
        {"on the car's centre", 182, 159, locFront},
        {"ahead", 200, 30, locFront},
        {"to the left", 40, 120, locLeft},
        {"to the right", 330, 200, locRight},
        {"behind", 160, 310, locBack},
    };
    for (const auto& c : cases) {
        TFireInput input;
        input.AttackLocation = -1; // only the aim point decides
        input.AimX = c.X;
        input.AimY = c.Y;
        EXPECT_EQ(FiringSide(*Attacker, input), c.Side) << c.Where;
    }
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

struct TToHitCase {
    bool GunnerTC;
    bool GunnerITC;
    bool DriverTC;
    bool SWC;
    bool HRSWC;
    const char* Body;
    int Expected;
};

class TToHitTest : public TFiringTest, public ::testing::WithParamInterface<TToHitCase>
{
};

TEST_P(TToHitTest, ModifiersOfCrewComputerAndSmallBody)
{
    const TToHitCase& c = GetParam();
    AlwaysHit = false;
    TWeaponType w = Weapon("RR", "Recoilless Rifle", wcLargeBore, 2, 0);
    w.ToHit = 7;
    w.SWC = c.SWC;
    w.HRSWC = c.HRSWC;
    Attacker->Vehicle->Crew[0].TC = c.DriverTC;
    Attacker->Vehicle->Crew[1].Seat = true;
    Attacker->Vehicle->Crew[1].TC = c.GunnerTC;
    Attacker->Vehicle->Crew[1].ITC = c.GunnerITC;
    Arm(w);
    Opponent().Body = Body(c.Body);
    Target->Reset();
    PlaceOpponentAhead();
    const QStringList log = Fire(AtOpponentAhead(FacingDown));
    ASSERT_EQ(log.size(), 1);
    EXPECT_TRUE(log[0].startsWith(QStringLiteral("To hit %1, rolled ").arg(c.Expected))) << log[0].toStdString();
}

INSTANTIATE_TEST_SUITE_P(Modifiers, TToHitTest,
                         ::testing::Values(TToHitCase{false, false, false, false, false, "Mid-Sized", 7},
                                           TToHitCase{true, false, false, true, false, "Compact", 6},
                                           TToHitCase{true, true, true, false, false, "Mid-Sized", 5},
                                           TToHitCase{false, false, false, false, true, "Subcompact", 6}));

TEST_F(TFiringTest, AMissIsLoggedAndLeavesTheOpponentWhole)
{
    AlwaysHit = false;
    TWeaponType w = Weapon("MG", "Machine Gun", wcSmallBore, 1, 0);
    w.ToHit = 13; // beyond two dice
    Arm(w);
    Opponent().Armor.Front = 5;
    Target->Reset();
    PlaceOpponentAhead();
    const TBitmap32 body = *Target->Body;
    const QStringList log = Fire(AtOpponentAhead(FacingDown));
    ASSERT_EQ(log.size(), 1);
    EXPECT_TRUE(log[0].startsWith(QStringLiteral("To hit 13, rolled ")));
    EXPECT_TRUE(log[0].endsWith(QStringLiteral(". ")));
    EXPECT_EQ(Target->Damage.Armor.Front, 5);
    EXPECT_EQ(Attacker->Stats.Weapons.Items[0].Shots, 1);
    EXPECT_EQ(Attacker->Stats.Weapons.Items[0].Cost, 0);
    EXPECT_EQ(CountPixels(*Target->Body, body.Pixel(25, 50)), CountPixels(body, body.Pixel(25, 50)));
}

// Entries of single hits on the opponent's front with AlwaysHit, by damage
// option and armor.
struct TEntryCase {
    const char* Name;
    TWeaponClass Class;
    int Dice;
    int Mod;
    int DamageCaused;
    int Plastic;
    int Metal;
    bool LaserReflective;
    const char* Entry;
    int PlasticLeft;
    int MetalLeft;
};

class TEntryTest : public TFiringTest, public ::testing::WithParamInterface<TEntryCase>
{
};

TEST_P(TEntryTest, FrontArmorTakesTheHit)
{
    const TEntryCase& c = GetParam();
    DamageCaused = c.DamageCaused;
    Arm(Weapon("W", "Test Weapon", c.Class, c.Dice, c.Mod));
    Opponent().Armor.Front = c.Plastic;
    Opponent().Armor.FrontM = c.Metal;
    Opponent().Armor.LR = c.LaserReflective;
    Target->Reset();
    Target->Damage.EngineDP = 20;
    PlaceOpponentAhead();
    const QStringList log = Fire(AtOpponentAhead(FacingDown));
    ASSERT_EQ(log.size(), 1);
    EXPECT_EQ(log[0], QString::fromLatin1(c.Entry));
    EXPECT_EQ(Target->Damage.Armor.Front, c.PlasticLeft);
    EXPECT_EQ(Target->Damage.Armor.FrontM, c.MetalLeft);
}

INSTANTIATE_TEST_SUITE_P(
    Hits, TEntryTest,
    ::testing::Values(
        TEntryCase{"Minimum", wcSmallBore, 2, 1, 0, 20, 0, false,
                   "Damage to front side via Test Weapon: 3\r\nDamage to front armor: 3, remaining plastic armor: 17. ",
                   17, 0},
        TEntryCase{"Maximum", wcSmallBore, 2, 1, 1, 20, 0, false,
                   "Damage to front side via Test Weapon: 13\r\nDamage to front armor: 13, remaining plastic armor: 7. ",
                   7, 0},
        TEntryCase{"MetalHoldsAll", wcSmallBore, 0, 2, 2, 5, 3, false,
                   "Damage to front side via Test Weapon: 2, 3 absorbed by metal armor\r\nDamage to front armor: 0, "
                   "remaining plastic armor: 5. ",
                   5, 3},
        TEntryCase{"LaserReflected", wcLasers, 0, 9, 2, 10, 0, true,
                   "Damage to front side via Test Weapon: 9, 4 reflected\r\nDamage to front armor: 4, remaining plastic "
                   "armor: 6. ",
                   6, 0},
        TEntryCase{"LaserOnPlainArmor", wcLasers, 0, 9, 2, 10, 0, false,
                   "Damage to front side via Test Weapon: 9\r\nDamage to front armor: 9, remaining plastic armor: 1. ",
                   1, 0},
        TEntryCase{"ExactlyThePlasticLeft", wcSmallBore, 0, 5, 2, 5, 0, false,
                   "Damage to front side via Test Weapon: 5\r\nNo plastic armor left, damage passed into to front side: "
                   "5. ",
                   0, 0},
        TEntryCase{"NoArmor", wcSmallBore, 0, 4, 2, 0, 0, false,
                   "Damage to front side via Test Weapon: 4\r\nNo plastic armor left, damage passed into to front side: "
                   "4. Damage to engine: 4. ",
                   0, 0}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(TFiringTest, ARollBelowZeroDoesNoDamageAndAddsNoArmor)
{
    // A fixed -2, and the minimum of one die with -3.
    const struct {
        int Dice;
        int Mod;
        int DamageCaused;
    } cases[] = {{0, -2, 2}, {1, -3, 0}};
    for (const auto& c : cases) {
        SetUp();
        DamageCaused = c.DamageCaused;
        Arm(Weapon("W", "Test Weapon", wcSmallBore, c.Dice, c.Mod));
        Opponent().Armor.Front = 10;
        Target->Reset();
        PlaceOpponentAhead();
        const QStringList log = Fire(AtOpponentAhead(FacingDown));
        ASSERT_EQ(log.size(), 1);
        EXPECT_EQ(log[0], QStringLiteral("Damage to front side via Test Weapon: 0\r\nDamage to front armor: 0, "
                                         "remaining plastic armor: 10. "));
        EXPECT_EQ(Target->Damage.Armor.Front, 10);
        EXPECT_EQ(Attacker->Stats.Weapons.Items[0].Cost, 1);
        EXPECT_EQ(Attacker->Stats.Weapons.Items[0].Weight, 0);
    }
}

TEST_F(TFiringTest, WallDamageBeyondTheIntegerRangeRaisesAnOverflow)
{
    for (int x = 7; x < 357; ++x)
        Map.SetPixel(x, 10, Solid);
    // 300000000 x 10 steps per walk do not fit.
    Arm(Weapon("W", "Test Weapon", wcSmallBore, 0, 300000000));
    TFireInput input;
    input.Target = 1;
    EXPECT_THROW(TestFire(*Attacker, *Target, Map, Mask, input), EOverflow);
}

TEST_F(TFiringTest, RolledDamageComesAfterTheScatter)
{
    DamageCaused = 2;
    Arm(Weapon("W", "Test Weapon", wcSmallBore, 2, 1));
    Opponent().Armor.Front = 20;
    Target->Reset();
    PlaceOpponentAhead();
    // The draws of one shot: the scatter across, the scatter along, the dice.
    RandSeed(7);
    RandomGaussUnit();
    RandomGaussUnit();
    const int first = Random(6) + 1;
    const int damage = first + Random(6) + 1 + 1;
    RandSeed(7);
    const QStringList log = Fire(AtOpponentAhead(FacingDown));
    ASSERT_EQ(log.size(), 1);
    EXPECT_EQ(log[0], QStringLiteral("Damage to front side via Test Weapon: %1\r\nDamage to front armor: %1, remaining "
                                     "plastic armor: %2. ")
                          .arg(damage)
                          .arg(20 - damage));
    EXPECT_EQ(Attacker->Stats.Weapons.Items[0].Weight, damage);
}

TEST_F(TFiringTest, LastFrontArmorGoneShootsTheRamplateOff)
{
    Arm(Weapon("W", "Test Weapon", wcSmallBore, 0, 3));
    Opponent().SetEquipment(2, 1, QString());
    Opponent().Armor.Front = 3;
    Target->Reset();
    PlaceOpponentAhead();
    Fire(AtOpponentAhead(FacingDown));
    EXPECT_EQ(Opponent().EquipmentAmount(2), 0);
    TEquipmentType ramplate;
    Opponent().GetEquipment(2, ramplate);
    EXPECT_EQ(ramplate.Info, QStringLiteral("Shot off"));
}

TEST_F(TFiringTest, FrontArmorLeftKeepsTheRamplate)
{
    Arm(Weapon("W", "Test Weapon", wcSmallBore, 0, 2));
    Opponent().SetEquipment(2, 1, QString());
    Opponent().Armor.Front = 3;
    Target->Reset();
    PlaceOpponentAhead();
    Fire(AtOpponentAhead(FacingDown));
    EXPECT_EQ(Opponent().EquipmentAmount(2), 1);
}

TEST_F(TFiringTest, HitThroughEverythingAndThenThroughTheDead)
{
    Arm(Weapon("W", "Test Weapon", wcSmallBore, 0, 30));
    int i = 0;
    Opponent().AddWeapon(Weapon("MG", "Machine Gun", wcSmallBore, 1, 0, locFront), i);
    Opponent().AddWeapon(Weapon("RL", "Rocket Launcher", wcRockets, 1, 0, locBack), i);
    Opponent().Armor.Front = 2;
    Opponent().Armor.Back = 2;
    Opponent().CargoSpace = 4;
    Opponent().Crew[0].Seat = true;
    Target->Reset();
    Target->Damage.EngineDP = 10;
    Target->Damage.CrewDP[0] = 3;
    PlaceOpponentAhead();
    const TFireInput input = AtOpponentAhead(FacingDown);
    Fire(input);
    QStringList log = Fire(input);
    ASSERT_EQ(log.size(), 2);
    EXPECT_EQ(log[0], QStringLiteral("Damage to front side via Test Weapon: 30\r\nNo plastic armor left, damage passed "
                                     "into to front side: 28. MG destroyed. Engine destroyed. Driver killed. Cargo "
                                     "space destroyed. RL destroyed. Damage to back side: 5\r\nNo plastic armor left, "
                                     "damage passed into to back side: 3. 3 damage passes through vehicle."));
    EXPECT_EQ(log[1], QStringLiteral("Damage to front side via Test Weapon: 30\r\nNo plastic armor left, damage passed "
                                     "into to front side: 30. MG is already dead. Engine is already dead. Driver is "
                                     "already dead. Cargo space is already destroyed. RL is already dead. Damage to "
                                     "back side: 30\r\nNo plastic armor left, damage passed into to back side: 30. 30 "
                                     "damage passes through vehicle."));
    EXPECT_EQ(Target->Damage.Weapons.Items[0].DP, 0);
    EXPECT_EQ(Target->Damage.Weapons.Items[1].DP, 0);
    EXPECT_EQ(Target->Damage.EngineDP, 0);
    EXPECT_EQ(Target->Damage.CrewDP[0], 0);
    EXPECT_EQ(Target->Damage.CargoDP, 0);
    EXPECT_EQ(Attacker->Stats.Weapons.Items[0].Cost, 2);
    EXPECT_EQ(Attacker->Stats.Weapons.Items[0].Weight, 60);
}

TEST_F(TFiringTest, BackHitReachesCargoFirstAndWeaponTakesPartOfTheDamage)
{
    Arm(Weapon("W", "Test Weapon", wcSmallBore, 0, 6));
    int i = 0;
    Opponent().AddWeapon(Weapon("MG", "Machine Gun", wcSmallBore, 1, 0, locBack), i);
    Opponent().Armor.Back = 1;
    Opponent().CargoSpace = 4;
    Target->Reset();
    PlaceOpponentAhead();
    const QStringList log = Fire(AtOpponentAhead(FacingUp));
    ASSERT_EQ(log.size(), 1);
    EXPECT_EQ(log[0], QStringLiteral("Damage to back side via Test Weapon: 6\r\nNo plastic armor left, damage passed "
                                     "into to back side: 5. MG destroyed. Damage to cargo space: 2. "));
    EXPECT_EQ(Target->Damage.CargoDP, 2);
}

TEST_F(TFiringTest, SideHitWithoutCargoSpaceNeverChoosesTheCargo)
{
    Arm(Weapon("W", "Test Weapon", wcSmallBore, 0, 1));
    Opponent().Crew[0].Seat = true;
    Opponent().CargoSpace = 0;
    IgnoreAmmo = true;
    Target->Reset();
    PlaceOpponentAhead();
    for (std::uint32_t seed = 1; seed <= 40; ++seed) {
        Target->Damage.EngineDP = 100;
        Target->Damage.CrewDP[0] = 100;
        Target->Damage.Log.clear();
        RandSeed(seed);
        const QStringList log = Fire(AtOpponentAhead(FacingLeft));
        ASSERT_EQ(log.size(), 1);
        EXPECT_TRUE(log[0] == QStringLiteral("Damage to left side via Test Weapon: 1\r\nNo plastic armor left, damage "
                                             "passed into to left side: 1. Damage to engine: 1. ")
                    || log[0] == QStringLiteral("Damage to left side via Test Weapon: 1\r\nNo plastic armor left, damage "
                                                "passed into to left side: 1. Damage to Driver: 1. "))
            << log[0].toStdString();
    }
}

TEST_F(TFiringTest, UnderbodyHitTouchesNothingInside)
{
    Arm(Weapon("W", "Test Weapon", wcSmallBore, 0, 10));
    Opponent().Armor.Bottom = 2;
    Opponent().CargoSpace = 4;
    Target->Reset();
    PlaceOpponentAhead();
    TFireInput input = AtOpponentAhead(FacingDown);
    input.AttackLocation = -1; // no side shown: the aim point decides the firing side
    input.AimX = 190;
    input.AimY = 30;
    const QStringList log = Fire(input);
    EXPECT_EQ(Attacker->Stats.Weapons.Items[0].Shots, 1);
    ASSERT_EQ(log.size(), 1);
    EXPECT_EQ(log[0], QStringLiteral("Damage to underbody side via Test Weapon: 10\r\nNo plastic armor left, damage "
                                     "passed into to underbody side: 8. 8 damage passes through vehicle."));
    EXPECT_EQ(Target->Damage.CargoDP, 4);
}

TEST_F(TFiringTest, AmmunitionIsSpentOnlyAtTheOpponent)
{
    TWeaponType w = Weapon("AC", "Autocannon", wcSmallBore, 0, 1);
    w.Shots = 1;
    Arm(w);
    Opponent().Armor.Front = 50;
    Target->Reset();
    PlaceOpponentAhead();
    const TFireInput input = AtOpponentAhead(FacingDown);
    Fire(input);
    EXPECT_EQ(Attacker->Damage.Weapons.Items[0].Shots, 0);
    Map.Clear(Ground);
    Trace = true;
    const QStringList log = Fire(input);
    ASSERT_EQ(log.size(), 2);
    EXPECT_EQ(log[1], QStringLiteral("AC is out of ammo"));
    EXPECT_EQ(Attacker->Stats.Weapons.Items[0].Shots, 1);
    EXPECT_EQ(CountPixels(Map, TraceGreen), 0);

    TFireInput atMap;
    atMap.Target = 0;
    Fire(atMap);
    EXPECT_EQ(Attacker->Stats.Weapons.Items[0].Shots, 2);
}

// Lasers draw on the power plant: with no shots in the rules tables they
// fire at the opponent shot after shot, and their count never moves.
TEST_F(TFiringTest, LasersSpendNoAmmunition)
{
    for (int shots : {0, -1, 3}) {
        SCOPED_TRACE(shots);
        Attacker = std::make_unique<TGameCar>();
        TWeaponType laser = Weapon("L", "Laser", wcLasers, 0, 3);
        laser.Shots = shots;
        Arm(laser);
        Opponent().Armor.Front = 50;
        Target->Reset();
        PlaceOpponentAhead();
        const TFireInput input = AtOpponentAhead(FacingDown);
        Fire(input);
        Fire(input);
        EXPECT_EQ(Target->Damage.Log,
                  QStringList({QStringLiteral("Damage to front side via Laser: 3\r\nDamage to front armor: 3, "
                                              "remaining plastic armor: 47. "),
                               QStringLiteral("Damage to front side via Laser: 3\r\nDamage to front armor: 3, "
                                              "remaining plastic armor: 44. ")}));
        EXPECT_EQ(Attacker->Damage.Weapons.Items[0].Shots, shots);
        EXPECT_EQ(Attacker->Stats.Weapons.Items[0].Shots, 2);
    }
}

TEST_F(TFiringTest, IgnoreAmmoFiresWithoutSpending)
{
    IgnoreAmmo = true;
    TWeaponType w = Weapon("AC", "Autocannon", wcSmallBore, 0, 1);
    w.Shots = 0;
    Arm(w);
    Opponent().Armor.Front = 50;
    Target->Reset();
    PlaceOpponentAhead();
    const QStringList log = Fire(AtOpponentAhead(FacingDown));
    ASSERT_EQ(log.size(), 1);
    EXPECT_TRUE(log[0].startsWith(QStringLiteral("Damage to front side")));
    EXPECT_EQ(Attacker->Damage.Weapons.Items[0].Shots, 0);
    EXPECT_EQ(Attacker->Stats.Weapons.Items[0].Cost, 1);
}

TEST_F(TFiringTest, OnlyTheFirstTenSelectedWeaponsAreConsidered)
{
    int i = 0;
    for (int n = 0; n < 11; ++n)
        Attacker->Vehicle->AddWeapon(Weapon("MG", "Machine Gun", wcSmallBore, 1, 0), i);
    Attacker->Reset();
    Fire(TFireInput());
    for (int n = 0; n < 10; ++n)
        EXPECT_EQ(Attacker->Stats.Weapons.Items[n].Shots, 1) << n;
    EXPECT_EQ(Attacker->Stats.Weapons.Items[10].Shots, 0);
}

TEST_F(TFiringTest, DroppedWeaponsAndHarmlessWeaponsNeverFire)
{
    int i = 0;
    Attacker->Vehicle->AddWeapon(Weapon("MD", "Mine Dropper", wcDroppedSolids, 1, 0), i);
    Attacker->Vehicle->AddWeapon(Weapon("SS", "Smoke Screen", wcDroppedGases, 0, 1), i);
    TWeaponType harmless = Weapon("HG", "Harpoon Gun", wcSmallBore, 0, 0);
    Attacker->Vehicle->AddWeapon(harmless, i);
    Attacker->Reset();
    Trace = true;
    Fire(TFireInput());
    for (const TWeaponType& w : Attacker->Stats.Weapons.Items)
        EXPECT_EQ(w.Shots, 0) << w.Abbreviation.toStdString();
    EXPECT_EQ(CountPixels(Map, TraceGreen), 0);
}

TEST_F(TFiringTest, RocketPlatformFiresAtTheChosenSideWhereverItsIconsFace)
{
    Trace = true;
    Arm(Weapon("MR", "Medium Rocket", wcRockets, 2, 0, locRocketPlatform));
    Attacker->Vehicle->RocketPlatform = 1;
    Attacker->Vehicle->EWPFF = false; // its icons face back
    Fire(TFireInput());
    EXPECT_EQ(Attacker->Stats.Weapons.Items[0].Shots, 1);
    // Forward, to the top edge: no trace below the platform's icons.
    int below = 0;
    for (int y = 109 + 57; y < Map.Height(); ++y)
        for (int x = 0; x < Map.Width(); ++x)
            below += Map.Pixel(x, y) == TraceGreen;
    EXPECT_EQ(below, 0);
    EXPECT_GT(CountPixels(Map, TraceGreen), 100);
}

TEST_F(TFiringTest, FourTurretWeaponsFireFromKnownIconPlaces)
{
    int i = 0;
    for (int n = 0; n < 4; ++n)
        Attacker->Vehicle->AddWeapon(Weapon("MG", "Machine Gun", wcSmallBore, 1, 0, locTurret), i);
    Attacker->Vehicle->Turret = tkTwoSpace;
    Attacker->Reset();
    Fire(TFireInput());
    for (int n = 0; n < 4; ++n)
        EXPECT_EQ(Attacker->Stats.Weapons.Items[n].Shots, 1) << n;
}

TEST_F(TFiringTest, EntryMarkIsPaintedIntoTheOpponentsPicture)
{
    Arm(Weapon("W", "Test Weapon", wcSmallBore, 0, 6));
    Opponent().Armor.Front = 2;
    Target->Reset();
    PlaceOpponentAhead();
    const TBitmap32 before = *Target->BodyMask;
    Fire(AtOpponentAhead(FacingDown));
    int changed = 0;
    for (int y = 0; y < before.Height(); ++y)
        for (int x = 0; x < before.Width(); ++x)
            changed += before.Pixel(x, y) != Target->BodyMask->Pixel(x, y);
    EXPECT_GT(changed, 0);
}

TEST_F(TFiringTest, SidePodWeaponsFireForwardFromTheFrontEdgeOfTheirIcons)
{
    Trace = true;
    Arm(Weapon("MG", "Machine Gun", wcSmallBore, 1, 0, locLeft));
    Attacker->Vehicle->EWP = ewpOneSpaceSide;
    Attacker->Vehicle->EWPFF = true;
    Fire(TFireInput());
    EXPECT_EQ(Attacker->Stats.Weapons.Items[0].Shots, 1);
    const int green = CountPixels(Map, TraceGreen);
    EXPECT_GT(green, 80);
    // Straight up: no trace runs sideways to the map's left edge.
    for (int y = 0; y < Map.Height(); ++y)
        EXPECT_NE(Map.Pixel(0, y), TraceGreen) << y;

    TFireInput left;
    left.AttackLocation = 1;
    Fire(left);
    EXPECT_EQ(Attacker->Stats.Weapons.Items[0].Shots, 1);
}

} // namespace
