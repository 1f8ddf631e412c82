#include "GameCarFixture.h"

#include "gamecar/GameCar.h"
#include "gamecar/Graphics.h"
#include "gamecar/LayoutPlan.h"
#include "model/Global.h"
#include "model/Lookups.h"

#include <utility>
#include <vector>

namespace {

constexpr TColor32 Box = 0xFF204080u;

TBitmap32 Dot(TColor32 color)
{
    TBitmap32 dot(1, 1);
    dot.Clear(color);
    return dot;
}

// A weapon layout picture of side s: eight frames, each with a colour
// of its own in its top-left pixel and white elsewhere.
TBitmap32 WeaponStrip(int s)
{
    TBitmap32 strip(8 * s, s);
    strip.Clear(clWhite32);
    for (int f = 0; f < 8; ++f)
        strip.SetPixel(f * s, 0, 0xFF000010u + TColor32(f));
    TBitmap32 mask;
    MakeMask(strip, mask);
    strip.DrawMode = TDrawMode::dmBlend;
    strip.SetAlphaFromIntensity(mask);
    return strip;
}

class LayoutPlanTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        UseShippedRules();
        FreeGraphics();
        Car = std::make_unique<TGameCar>();
        Car->Vehicle->Body = BodyTypes.Items[4];
        ASSERT_EQ(Car->Vehicle->Body.Nr, 4);
        Target = TBitmap32(365, 373);
    }
    void TearDown() override { FreeGraphics(); }

    void Mount(const char* abbreviation, TLocation location, int times = 1, bool extraAmmo = false)
    {
        int index = 0;
        for (int i = 0; i < times; ++i)
            Car->Vehicle->AddWeapon(MountedWeapon(abbreviation, location, extraAmmo), index);
    }
    std::vector<std::pair<int, int>> Places(const char* location, int size)
    {
        TLayoutSlots plan;
        const int count = WeaponSlotsOnPlan(*Car, size, QString::fromLatin1(location), plan);
        std::vector<std::pair<int, int>> places;
        for (int k = 0; k < count; ++k)
            places.emplace_back(plan[k].X, plan[k].Y);
        return places;
    }

    std::unique_ptr<TGameCar> Car;
    TBitmap32 Target;
};

using TPlaces = std::vector<std::pair<int, int>>;

} // namespace

TEST(LayoutPlan, TireFrameByDamagePoints)
{
    const std::pair<int, int> cases[] = {{0, 15}, {2, 15}, {3, 0}, {4, 1}, {16, 13}, {17, 15},
                                         {24, 15}, {25, 14}, {26, 15}, {-1, 15}};
    for (const auto& [dp, frame] : cases)
        EXPECT_EQ(TireDPFrame(dp), frame) << dp;
}

TEST(LayoutPlan, ComponentArmorText)
{
    const std::pair<int, const char*> cases[] = {{-1, ""}, {0, ""}, {1, "o"}, {2, "oo"}, {5, "ooooo"}, {6, "6"}, {7, "7"}, {12, "12"}};
    for (const auto& [points, text] : cases)
        EXPECT_EQ(CAText(points), QString::fromLatin1(text)) << points;
}

TEST_F(LayoutPlanTest, DamagePointBoxesStandInColumnsOfFiveCentredOnThePlace)
{
    LayoutDP = Dot(Box);
    struct Case {
        int count;
        bool left;
        TPlaces boxes;
    };
    const Case cases[] = {
        {0, true, {}},
        {1, true, {{50, 60}}},
        {2, false, {{50, 56}, {50, 64}}},
        {7, true, {{50, 44}, {50, 52}, {50, 60}, {50, 68}, {50, 76}, {42, 56}, {42, 64}}},
        {7, false, {{50, 44}, {50, 52}, {50, 60}, {50, 68}, {50, 76}, {58, 56}, {58, 64}}},
        {11, false, {{50, 44}, {50, 52}, {50, 60}, {50, 68}, {50, 76}, {58, 44}, {58, 52}, {58, 60}, {58, 68}, {58, 76}}},
    };
    for (const Case& c : cases) {
        Target.Clear(clWhite32);
        DrawDPBoxes(Target, 50, 60, c.count, c.left);
        TPlaces drawn;
        for (int x = 0; x < Target.Width(); ++x)
            for (int y = 0; y < Target.Height(); ++y)
                if (Target.Pixel(x, y) == Box)
                    drawn.emplace_back(x, y);
        TPlaces expected = c.boxes;
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(drawn, expected) << c.count << " left " << c.left;
    }
}

TEST_F(LayoutPlanTest, ABodyNumberOfMinusOneGivesAPlainWhitePlan)
{
    Car->Vehicle->Body.Nr = -1;
    Target.Clear(Box);
    DrawLayout(*Car, Target);
    for (int y = 0; y < Target.Height(); ++y)
        for (int x = 0; x < Target.Width(); ++x)
            ASSERT_EQ(Target.Pixel(x, y), clWhite32);
}

TEST_F(LayoutPlanTest, TheSmallestBodyShowsTwoFrontWeapons)
{
    Mount("MG", locFront, 3);
    EXPECT_EQ(Places("front", 0), TPlaces({{156, 120}, {200, 120}}));
}

TEST_F(LayoutPlanTest, TenOfTwelveBackWeaponsShowOnTheLargestBody)
{
    Mount("MG", locBack, 12);
    TPlaces expected;
    for (int x = 108; x <= 252; x += 16)
        expected.emplace_back(x, 340);
    EXPECT_EQ(Places("back", 8), expected);
}

TEST_F(LayoutPlanTest, AFullTopPodShowsItsFirstFourWeapons)
{
    Car->Vehicle->EWP = ewpThreeSpaceTop;
    Mount("MG", locEWP, 5);
    EXPECT_EQ(Places("EWP", 4), TPlaces({{150, 215}, {170, 215}, {190, 215}, {210, 215}}));
    Car->Vehicle->EWPFF = false;
    EXPECT_EQ(Places("EWP", 8).front(), std::make_pair(150, 232));
}

TEST_F(LayoutPlanTest, SideWeaponsOfAPodDesignSitInThePods)
{
    Car->Vehicle->EWP = ewpTwoSpaceSide;
    Car->Vehicle->EWPFF = false;
    Mount("MG", locRight);
    Mount("MG", locLeft, 3);
    EXPECT_EQ(Places("right", 4), TPlaces({{272, 210}}));
    EXPECT_EQ(Places("left", 4), TPlaces({{63, 210}, {88, 210}}));
    EXPECT_EQ(Places("left", 8), TPlaces({{63, 209}, {88, 209}, {42, 209}}));
}

TEST_F(LayoutPlanTest, TheSmallestBodyHasATurretPlaceForOneWeapon)
{
    Mount("MG", locTurret, 2);
    EXPECT_EQ(Places("turret", 0), TPlaces({{179, 202}}));
    EXPECT_EQ(Places("turret", 8), TPlaces({{170, 265}, {190, 265}}));
}

TEST_F(LayoutPlanTest, ShortSideWeaponsOfTheSmallestBodyStandNearerTheBody)
{
    LayoutWeapons = TLayoutWeapons(WeaponTypes.Items.size());
    const int mg = FindWeaponTypeIndex(QStringLiteral("MG"));
    const int rl = FindWeaponTypeIndex(QStringLiteral("RL"));
    LayoutWeapons[mg].Image = WeaponStrip(29);
    LayoutWeapons[rl].Image = WeaponStrip(30);
    Mount("MG", locRight);
    Mount("RL", locRight);
    Mount("MG", locLeft);
    EXPECT_EQ(Places("right", 0), TPlaces({{220, 177}, {230, 192}}));
    EXPECT_EQ(Places("left", 0), TPlaces({{135, 184}}));
}

TEST_F(LayoutPlanTest, WeaponPicturesFaceTheWayTheirMountFires)
{
    LayoutWeapons = TLayoutWeapons(WeaponTypes.Items.size());
    const int s = 20;
    LayoutWeapons[FindWeaponTypeIndex(QStringLiteral("MG"))].Image = WeaponStrip(s);
    TVehicle& v = *Car->Vehicle;
    struct Case {
        TLocation location;
        TEWPKind ewp;
        bool forward;
        bool extraAmmo;
        int x, y, frame;
    };
    const Case cases[] = {
        {locFront, ewpNone, true, false, 180, 68, 0},
        {locFront, ewpNone, true, true, 180, 68, 4},
        {locRight, ewpNone, true, false, 260, 194, 1},
        {locBack, ewpNone, true, false, 180, 330, 2},
        {locLeft, ewpNone, true, true, 99, 194, 7},
        {locRight, ewpOneSpaceSide, false, false, 272, 210, 2},
        {locRight, ewpOneSpaceSide, false, true, 272, 210, 6},
        {locLeft, ewpOneSpaceSide, true, false, 83, 170, 0},
        {locEWP, ewpOneSpaceTop, false, false, 180, 232, 2},
    };
    for (const Case& c : cases) {
        v.Weapons.Items.clear();
        v.EWP = c.ewp;
        v.EWPFF = c.forward;
        Mount("MG", c.location, 1, c.extraAmmo);
        DrawLayout(*Car, Target);
        EXPECT_EQ(Target.Pixel(c.x - s / 2, c.y - s / 2), 0xFF000010u + TColor32(c.frame))
            << int(c.location) << " pods " << c.ewp << " forward " << c.forward;
    }
}

TEST_F(LayoutPlanTest, TurretWeaponsShowOnlyWithATurret)
{
    LayoutWeapons = TLayoutWeapons(WeaponTypes.Items.size());
    LayoutWeapons[FindWeaponTypeIndex(QStringLiteral("MG"))].Image = WeaponStrip(20);
    Mount("MG", locTurret);
    DrawLayout(*Car, Target);
    EXPECT_EQ(Target.Pixel(170, 245), clWhite32);
    Car->Vehicle->Turret = tkOneSpace;
    DrawLayout(*Car, Target);
    EXPECT_EQ(Target.Pixel(170, 245), 0xFF000010u);
}

TEST_F(LayoutPlanTest, ComponentArmorListIsWrittenInTheTopLeftCorner)
{
    Mount("MG", locFront);
    Car->Vehicle->Weapons.Items[0].CA = 7;
    DrawLayout(*Car, Target);
    TBitmap32 expected(365, 373);
    expected.Clear(clWhite32);
    expected.TextOut(27, 5, QStringLiteral("CA:"));
    expected.TextOut(27, 15, QStringLiteral("MG: 7"));
    EXPECT_EQ(Target.Image().copy(0, 0, 100, 100), expected.Image().copy(0, 0, 100, 100));

    Car->Vehicle->Weapons.Items[0].CA = 2;
    Car->Vehicle->Crew[1].CA = 1; // counted whether the gunner's seat is taken or not
    Car->Vehicle->EngineCA = 6;
    DrawLayout(*Car, Target);
    expected.Clear(clWhite32);
    expected.TextOut(27, 5, QStringLiteral("CA:"));
    expected.TextOut(27, 15, QStringLiteral("Gunner: o"));
    expected.TextOut(27, 30, QStringLiteral("Engine: 6"));
    expected.TextOut(27, 45, QStringLiteral("MG: oo"));
    EXPECT_EQ(Target.Image().copy(0, 0, 100, 100), expected.Image().copy(0, 0, 100, 100));
}
