#include "GameCarFixture.h"

#include "gamecar/GameCar.h"
#include "gamecar/Graphics.h"
#include "model/Global.h"

#include <functional>

namespace {

constexpr TColor32 Grey = 0xFF808080u;
constexpr TColor32 Red = 0xFFC00000u;
constexpr TColor32 Green = 0xFF00C000u;
constexpr TColor32 Blue = 0xFF0000C0u;
// The icon strip's frames by the way they point: up, right, down, left.
constexpr TColor32 IconColors[4] = {0xFF101010u, 0xFF202020u, 0xFF303030u, 0xFF404040u};
constexpr int IconFrameEdges[4] = {0, 12, 23, 34};

// A picture as the loader leaves it: white transparent, blended.
TBitmap32 Loaded(TBitmap32 picture, TBitmap32* maskOut = nullptr)
{
    TBitmap32 mask;
    MakeMask(picture, mask);
    picture.DrawMode = TDrawMode::dmBlend;
    picture.SetAlphaFromIntensity(mask);
    if (maskOut)
        *maskOut = mask;
    return picture;
}

TBitmap32 White(int width, int height)
{
    TBitmap32 picture(width, height);
    picture.Clear(clWhite32);
    return picture;
}

// The top view of small known pictures: the car picture shows three coloured
// corners and the small-bore icon one coloured pixel at the top-left of each
// frame; every other part picture is empty and draws nothing.
class TopViewTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        UseShippedRules();
        FreeGraphics();
        TBitmap32 body = White(50, 100);
        body.SetPixel(0, 0, Red);
        body.SetPixel(49, 0, Green);
        body.SetPixel(0, 99, Blue);
        TBitmap32 mask;
        CarImages = {Loaded(body, &mask)};
        CarMasks = {mask};
        TBitmap32 icon = White(45, 11);
        for (int f = 0; f < 4; ++f)
            icon.SetPixel(IconFrameEdges[f], 0, IconColors[f]);
        SmallBoreIcon = Loaded(icon);

        Car = std::make_unique<TGameCar>();
        Target = TBitmap32(300, 300);
        Target.Clear(Grey);
        Mask = TBitmap32(300, 300);
        Mask.Clear(Grey);
        MapMask = &Mask;
    }
    void TearDown() override
    {
        MapMask = nullptr;
        FreeGraphics();
    }

    void Mount(const char* abbreviation, TLocation location, int times = 1)
    {
        int index = 0;
        for (int i = 0; i < times; ++i)
            Car->Vehicle->AddWeapon(MountedWeapon(abbreviation, location), index);
        Car->Reset();
    }
    int CountOf(TColor32 color) const
    {
        int n = 0;
        for (int y = 0; y < Target.Height(); ++y)
            for (int x = 0; x < Target.Width(); ++x)
                n += Target.Pixel(x, y) == color;
        return n;
    }

    std::unique_ptr<TGameCar> Car;
    TBitmap32 Target;
    TBitmap32 Mask;
};

struct TLanding {
    TColor32 color;
    int x, y;
};

} // namespace

TEST_F(TopViewTest, QuarterTurnsLandTheCarPictureCornersExactly)
{
    // Drawn at (100, 100): the view turns about (125, 150), nose up at 0,
    // left at 90, right at -90, down at 180.
    struct Case {
        int facing;
        TLanding red, green, blue;
    };
    const Case cases[] = {
        {0, {Red, 101, 100}, {Green, 150, 100}, {Blue, 101, 199}},
        {90, {Red, 75, 173}, {Green, 75, 124}, {Blue, 174, 173}},
        {-90, {Red, 174, 126}, {Green, 174, 175}, {Blue, 75, 126}},
        {180, {Red, 148, 199}, {Green, 99, 199}, {Blue, 148, 100}},
    };
    for (const Case& c : cases) {
        Target.Clear(Grey);
        Mask.Clear(Grey);
        Car->Facing = c.facing;
        Car->Draw(Target, 100, 100, 255, true);
        for (const TLanding& p : {c.red, c.green, c.blue}) {
            EXPECT_EQ(Target.Pixel(p.x, p.y), p.color) << c.facing << " at " << p.x << "," << p.y;
            EXPECT_EQ(Mask.Pixel(p.x, p.y), clWhite32) << c.facing << " at " << p.x << "," << p.y;
        }
        // Only the three pixels belong to the car; the rest of the view's
        // square is black in the map mask, and the target shows through.
        EXPECT_EQ(CountOf(Grey), 300 * 300 - 3) << c.facing;
        int white = 0;
        int black = 0;
        for (int y = 0; y < 300; ++y)
            for (int x = 0; x < 300; ++x) {
                const bool inSquare = x >= 65 && x < 185 && y >= 90 && y < 210;
                const TColor32 m = Mask.Pixel(x, y);
                if (!inSquare) {
                    ASSERT_EQ(m, Grey) << x << "," << y;
                }
                white += m == clWhite32;
                black += m == clBlack32;
            }
        EXPECT_EQ(white, 3);
        EXPECT_EQ(black, 120 * 120 - 3);
    }
}

TEST_F(TopViewTest, WeaponIconsPointTheWayTheirMountsFire)
{
    Mount("MG", locFront);
    Mount("MG", locRight);
    Mount("MG", locBack);
    Mount("MG", locLeft);
    Car->Draw(Target, 100, 100, 0, false);
    // The view's pixel (x, y) lands at (x + 65, y + 90).
    EXPECT_EQ(Target.Pixel(55 + 65, 10 + 90), IconColors[0]);
    EXPECT_EQ(Target.Pixel(70 + 65, 55 + 90), IconColors[1]);
    EXPECT_EQ(Target.Pixel(55 + 65, 99 + 90), IconColors[2]);
    EXPECT_EQ(Target.Pixel(42 + 65, 55 + 90), IconColors[3]);
    EXPECT_EQ(CountOf(Grey), 300 * 300 - 4);

    Target.Clear(Grey);
    Car->Facing = 90;
    Car->Draw(Target, 100, 100, 0, false);
    // The nose weapon at the view's (55, 10) turns to (10, 64).
    EXPECT_EQ(Target.Pixel(10 + 65, 64 + 90), IconColors[0]);
}

TEST_F(TopViewTest, SidePodWeaponsPointBackWhenThePodsFireBackward)
{
    Car->Vehicle->EWP = ewpOneSpaceSide;
    Car->Vehicle->EWPFF = false;
    Mount("MG", locLeft);
    Mount("MG", locRight);
    Car->Draw(Target, 100, 100, 0, false);
    EXPECT_EQ(Target.Pixel(35 + 65, 62 + 90), IconColors[2]);
    EXPECT_EQ(Target.Pixel(76 + 65, 62 + 90), IconColors[2]);
}

TEST_F(TopViewTest, TheMapMaskDrawingLeavesDestroyedWeaponsOutExceptFrontAndBack)
{
    Mount("MG", locFront);
    Mount("MG", locLeft);
    Car->Damage.Weapons.Items[0].DP = 0;
    Car->Damage.Weapons.Items[1].DP = 0;
    Car->Draw(Target, 100, 100, 0, true);
    EXPECT_EQ(Target.Pixel(55 + 65, 10 + 90), IconColors[0]);
    EXPECT_EQ(Target.Pixel(42 + 65, 55 + 90), Grey);

    Target.Clear(Grey);
    Car->Draw(Target, 100, 100, 0, false);
    EXPECT_EQ(Target.Pixel(42 + 65, 55 + 90), IconColors[3]);
}

TEST_F(TopViewTest, OnlyTenWeaponsOfALocationAreDrawn)
{
    Mount("MG", locFront, 11);
    Car->Draw(Target, 100, 100, 0, false);
    EXPECT_EQ(CountOf(IconColors[0]), 10);
}

TEST_F(TopViewTest, EveryWeaponOfAFullTurretGetsAnIcon)
{
    Car->Vehicle->Turret = tkThreeSpace;
    Mount("MG", locTurret, 5);
    Car->Draw(Target, 100, 100, 0, false);
    // Five weapons on three places.
    EXPECT_EQ(CountOf(IconColors[0]), 3);
    EXPECT_EQ(Target.Pixel(15 + 35 + 65, 50 + 10 + 90), IconColors[0]);
}

TEST_F(TopViewTest, WithoutTheMaskFlagTheMapMaskStaysUntouched)
{
    Car->Draw(Target, 100, 100, 255, false);
    EXPECT_EQ(Target.Pixel(101, 100), Red);
    for (int y = 0; y < 300; ++y)
        for (int x = 0; x < 300; ++x)
            ASSERT_EQ(Mask.Pixel(x, y), Grey);
}

TEST_F(TopViewTest, AnInvisibleCarPictureAddsNothingToTheViewOrTheSilhouette)
{
    Car->X = 100;
    Car->Y = 100;
    Car->DrawAtPosition(Target, 0, true);
    EXPECT_EQ(CountOf(Grey), 300 * 300);
    EXPECT_EQ(Mask.Pixel(101, 100), clBlack32);
}

TEST_F(TopViewTest, TopPodAndRocketPlatformWeaponsPointTheWayThePodsFire)
{
    Car->Vehicle->EWP = ewpOneSpaceTop;
    Mount("MG", locEWP);
    Car->Vehicle->RocketPlatform = 1;
    Mount("MG", locRocketPlatform, 2);
    // The pod weapon sits at the view's (20 + 35, 57 + 10), the platform's
    // two at (17 + 35, 67) and (23 + 35, 67).
    for (bool forward : {true, false}) {
        Target.Clear(Grey);
        Car->Vehicle->EWPFF = forward;
        Car->Draw(Target, 100, 100, 0, false);
        const TColor32 icon = IconColors[forward ? 0 : 2];
        for (int x : {55, 52, 58})
            EXPECT_EQ(Target.Pixel(x + 65, 67 + 90), icon) << forward << " at " << x;
        EXPECT_EQ(CountOf(Grey), 300 * 300 - 3) << forward;
    }
}

TEST_F(TopViewTest, APodKindOrRocketPlatformBelowZeroDrawsNone)
{
    Car->Vehicle->EWP = -2;
    Mount("MG", locEWP);
    Car->Vehicle->RocketPlatform = -1;
    Mount("MG", locRocketPlatform);
    Car->Draw(Target, 100, 100, 0, false);
    EXPECT_EQ(CountOf(Grey), 300 * 300);
}

TEST_F(TopViewTest, WeaponsAtALocationAreCopiesInTheDesignsOrder)
{
    Mount("MG", locFront);
    Mount("RL", locLeft);
    Mount("L", locFront);
    Mount("HR", locNotPlaced);
    Car->Damage.Weapons.Items[2].DP = 0;
    TWeaponTypes result;
    result.Name = QStringLiteral("kept");
    result.Items.append(TWeaponType());

    Car->GetWeaponsAt(QStringLiteral("front"), true, result);
    ASSERT_EQ(result.Items.size(), 2);
    EXPECT_EQ(result.Items[0].Abbreviation, QStringLiteral("MG"));
    EXPECT_EQ(result.Items[1].Abbreviation, QStringLiteral("L"));
    EXPECT_EQ(result.Name, QStringLiteral("kept"));

    Car->GetWeaponsAt(QStringLiteral("front"), false, result);
    ASSERT_EQ(result.Items.size(), 1);
    EXPECT_EQ(result.Items[0].Abbreviation, QStringLiteral("MG"));

    // A weapon not yet placed is listed with the turret's.
    Car->GetWeaponsAt(QStringLiteral("turret"), false, result);
    ASSERT_EQ(result.Items.size(), 1);
    EXPECT_EQ(result.Items[0].Abbreviation, QStringLiteral("HR"));

    // One added since the last reset has no damage entry yet and counts as intact.
    int index = 0;
    Car->Vehicle->AddWeapon(MountedWeapon("MG", locLeft), index);
    Car->GetWeaponsAt(QStringLiteral("left"), false, result);
    ASSERT_EQ(result.Items.size(), 2);
    EXPECT_EQ(result.Items[1].Abbreviation, QStringLiteral("MG"));
}

TEST_F(TopViewTest, FrameWheelsAxlesAndAddOnsStandAtTheirPlaces)
{
    // Each part picture is one coloured pixel, so its top-left corner shows.
    const auto dot = [](TColor32 color) {
        TBitmap32 picture(1, 1);
        picture.Clear(color);
        return Loaded(picture);
    };
    constexpr TColor32 FrameColor = 0xFF010101u, WheelColor = 0xFF020202u, AxleColor = 0xFF030303u,
                       LeftPodColor = 0xFF040404u, RightPodColor = 0xFF050505u, TopPodColor = 0xFF060606u,
                       PlatformColor = 0xFF070707u, TurretColor = 0xFF080808u;
    FrameImage = dot(FrameColor);
    WheelImage = dot(WheelColor);
    AxisImage = dot(AxleColor);
    EWPLeftIcon = dot(LeftPodColor);
    EWPRightIcon = dot(RightPodColor);
    EWPIcon = dot(TopPodColor);
    RocketPlatformIcon = dot(PlatformColor);
    TurretIcon = dot(TurretColor);

    const QVector<TLanding> fourWheels = {{FrameColor, 45, 16}, {WheelColor, 41, 23}, {WheelColor, 74, 23},
                                          {AxleColor, 46, 30},  {WheelColor, 41, 77}, {WheelColor, 74, 77},
                                          {AxleColor, 46, 84}};
    struct Case {
        const char* name;
        std::function<void(TVehicle&)> build;
        QVector<TLanding> more;
    };
    const Case cases[] = {
        {"four wheels", [](TVehicle&) {}, {}},
        {"six wheels on two axles", [](TVehicle& v) { v.Axis = wl6Wheels2Axis; },
         {{WheelColor, 49, 77}, {WheelColor, 66, 77}}},
        {"six wheels on three axles", [](TVehicle& v) { v.Axis = wl6Wheels3Axis; },
         {{WheelColor, 41, 60}, {WheelColor, 74, 60}, {AxleColor, 46, 67}}},
        {"side pods", [](TVehicle& v) { v.EWP = ewpThreeSpaceSide; },
         {{LeftPodColor, 36, 57}, {RightPodColor, 75, 57}}},
        {"top pod", [](TVehicle& v) { v.EWP = ewpThreeSpaceTop; }, {{TopPodColor, 50, 63}}},
        {"rocket platform", [](TVehicle& v) { v.RocketPlatform = 3; }, {{PlatformColor, 50, 63}}},
        {"turret", [](TVehicle& v) { v.Turret = tkOneSpace; }, {{TurretColor, 50, 65}}},
    };
    for (const Case& c : cases) {
        Car = std::make_unique<TGameCar>();
        c.build(*Car->Vehicle);
        Target.Clear(Grey);
        Car->Draw(Target, 100, 100, 0, false);
        const QVector<TLanding> expected = fourWheels + c.more;
        for (const TLanding& p : expected)
            EXPECT_EQ(Target.Pixel(p.x + 65, p.y + 90), p.color) << c.name << " at " << p.x << "," << p.y;
        EXPECT_EQ(CountOf(Grey), 300 * 300 - expected.size()) << c.name;
    }
}
