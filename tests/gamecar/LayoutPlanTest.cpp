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

// A strip of count frames w x h, white (transparent, as in a loaded
// picture) but for the top-left pixel of frame f, which is firstColor + f.
TBitmap32 MarkedStrip(int count, int w, int h, TColor32 firstColor)
{
    TBitmap32 strip(count * w, h);
    strip.Clear(clWhite32);
    for (int f = 0; f < count; ++f)
        strip.SetPixel(f * w, 0, firstColor + TColor32(f));
    TBitmap32 mask;
    MakeMask(strip, mask);
    strip.DrawMode = TDrawMode::dmBlend;
    strip.SetAlphaFromIntensity(mask);
    return strip;
}

// A weapon layout picture of side s: eight frames, each with a colour
// of its own in its top-left pixel and white elsewhere.
TBitmap32 WeaponStrip(int s)
{
    return MarkedStrip(8, s, s, 0xFF000010u);
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

    // Every pixel of the plan in the given colour, ordered by x, then y.
    std::vector<std::pair<int, int>> PixelsOf(TColor32 color) const
    {
        std::vector<std::pair<int, int>> pixels;
        for (int x = 0; x < Target.Width(); ++x)
            for (int y = 0; y < Target.Height(); ++y)
                if (Target.Pixel(x, y) == color)
                    pixels.emplace_back(x, y);
        return pixels;
    }

    std::unique_ptr<TGameCar> Car;
    TBitmap32 Target;
};

// A picture one pixel high: a left part of half columns in one colour, one
// separating column in another and a right part of half columns in a third.
TBitmap32 SplitPicture(int half, TColor32 left, TColor32 middle, TColor32 right)
{
    TBitmap32 picture(2 * half + 1, 1);
    for (int x = 0; x < picture.Width(); ++x)
        picture.SetPixel(x, 0, x < half ? left : x == half ? middle : right);
    return picture;
}

// The pixels of a row of n pixels starting at (x, y).
void AddRow(std::vector<std::pair<int, int>>& pixels, int x, int y, int n)
{
    for (int k = 0; k < n; ++k)
        pixels.emplace_back(x + k, y);
}

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
        TPlaces expected = c.boxes;
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(PixelsOf(Box), expected) << c.count << " left " << c.left;
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
    expected.TextOut(30, 9, QStringLiteral("CA:"));
    expected.TextOut(30, 19, QStringLiteral("MG: 7"));
    EXPECT_EQ(Target.Image().copy(0, 0, 100, 100), expected.Image().copy(0, 0, 100, 100));

    Car->Vehicle->Weapons.Items[0].CA = 2;
    Car->Vehicle->Crew[1].CA = 1; // counted whether the gunner's seat is taken or not
    Car->Vehicle->EngineCA = 6;
    DrawLayout(*Car, Target);
    expected.Clear(clWhite32);
    expected.TextOut(30, 9, QStringLiteral("CA:"));
    expected.TextOut(30, 19, QStringLiteral("Gunner: o"));
    expected.TextOut(30, 34, QStringLiteral("Engine: 6"));
    expected.TextOut(30, 49, QStringLiteral("MG: oo"));
    EXPECT_EQ(Target.Image().copy(0, 0, 100, 100), expected.Image().copy(0, 0, 100, 100));
}

TEST_F(LayoutPlanTest, ALongComponentArmorListKeepsClearOfThePodsAndTheGuardsAndHubcapsBoxes)
{
    // Dark pods and damage boxes, so that any letter over them shows.
    LayoutEWP = TBitmap32(225, 38);
    LayoutEWP.Clear(0xFF404040u);
    LayoutDP = TBitmap32(6, 6);
    LayoutDP.Clear(0xFF404040u);
    TVehicle& v = *Car->Vehicle;
    // Up to 18 lines the list keeps above row 250, leaving the sheet's
    // figures room below it; longer ones run on to the frame's bottom.
    for (const int lines : {8, 12, 19, 24, 26, 37}) {
        for (const bool crowded : {false, true}) {
            SCOPED_TRACE(QStringLiteral("%1 lines%2").arg(lines).arg(crowded ? ", guards and hubcaps" : "").toStdString());
            v.Weapons.Items.clear();
            v.EWP = ewpThreeSpaceSide;
            v.Axis = crowded ? wl6Wheels3Axis : wl4Wheels;
            v.GuardsFront = v.GuardsRear = v.HubsFront = v.HubsRear = crowded ? 10 : 0;
            Mount("MG", locFront, lines);
            // The plan's parts alone, then with the list.
            TBitmap32 parts(365, 373);
            DrawLayout(*Car, parts);
            for (int i = 0; i < lines; ++i)
                v.Weapons.Items[i].CA = 7 + i;
            DrawLayout(*Car, Target);
            const QVector<TCAListText> list = ComponentArmorList(*Car, 365, 373);
            ASSERT_EQ(list.size(), lines + 1);
            EXPECT_EQ(list[0].Text, QStringLiteral("CA:"));
            for (qsizetype i = 0; i < list.size(); ++i) {
                const QRect& place = list[i].Place;
                EXPECT_GE(list[i].FontSize, 9) << list[i].Text.toStdString();
                const int bottom = lines <= 18 ? 250 : 368;
                ASSERT_TRUE(QRect(CAListLeft, 0, CAListRight - CAListLeft + 1, bottom).contains(place)) << list[i].Text.toStdString();
                if (i > 0) {
                    EXPECT_EQ(list[i].Text, v.Weapons.Items[i - 1].Abbreviation + QStringLiteral(": ") + CAText(7 + int(i) - 1));
                }
                // Nothing of the plan's parts lies under a line, and the line is written.
                int drawn = 0;
                int written = 0;
                for (int y = place.top(); y <= place.bottom(); ++y)
                    for (int x = place.left(); x <= place.right(); ++x) {
                        drawn += (parts.Pixel(x, y) & 0xFFFFFFu) != 0xFFFFFFu;
                        written += Target.Pixel(x, y) != parts.Pixel(x, y);
                    }
                EXPECT_EQ(drawn, 0) << list[i].Text.toStdString();
                EXPECT_GT(written, 0) << list[i].Text.toStdString();
                // The lines keep apart (the header stands closer above the
                // first, as it always has).
                for (qsizetype j = 1; j < i; ++j)
                    EXPECT_FALSE(place.intersects(list[j].Place)) << list[i].Text.toStdString();
            }
        }
    }
}

TEST_F(LayoutPlanTest, AListLongerThanTheFrameHoldsCountsTheLinesItCannotShowOnItsLastLine)
{
    TVehicle& v = *Car->Vehicle;
    Mount("MG", locFront, 300);
    for (TWeaponType& w : v.Weapons.Items)
        w.CA = 12;
    const QVector<TCAListText> list = ComponentArmorList(*Car, 365, 373);
    ASSERT_GT(list.size(), 40);
    ASSERT_LT(list.size(), 301);
    // The last place tells how many lines the plan leaves out, its own included.
    const qsizetype shown = list.size() - 2;
    EXPECT_EQ(list.last().Text, QStringLiteral("+%1 more").arg(300 - shown));
    for (qsizetype i = 1; i + 1 < list.size(); ++i) {
        EXPECT_EQ(list[i].Text, QStringLiteral("MG: 12"));
        EXPECT_EQ(list[i].FontSize, 9);
        for (qsizetype j = 1; j < i; ++j)
            ASSERT_FALSE(list[i].Place.intersects(list[j].Place)) << i << " " << j;
    }
}

TEST_F(LayoutPlanTest, WheelGuardsAndHubcapsAreSplitAroundTheirMiddleColumn)
{
    constexpr TColor32 GuardLeft = 0xFF100001u, GuardMiddle = 0xFF100002u, GuardRight = 0xFF100003u;
    constexpr TColor32 HubLeft = 0xFF200001u, HubMiddle = 0xFF200002u, HubRight = 0xFF200003u;
    LayoutWheelGuard[4] = SplitPicture(4, GuardLeft, GuardMiddle, GuardRight); // 9 wide
    LayoutWheelHub[4] = SplitPicture(3, HubLeft, HubMiddle, HubRight);
    LayoutDP = Dot(Box);
    TVehicle& v = *Car->Vehicle;
    v.Axis = wl6Wheels3Axis;
    v.GuardsFront = 7;
    v.GuardsRear = 3;
    v.HubsFront = 1;
    v.HubsRear = 1;
    DrawLayout(*Car, Target);

    // Guards 3 left and 7 up from their places, or 10 right and 7 up; rear and
    // middle axle alike.
    TPlaces guardLeft, guardRight;
    for (const int y : {91, 194, 242}) {
        AddRow(guardLeft, 92, y, 4);
        AddRow(guardRight, 254, y, 4);
    }
    std::sort(guardLeft.begin(), guardLeft.end());
    std::sort(guardRight.begin(), guardRight.end());
    EXPECT_EQ(PixelsOf(GuardLeft), guardLeft);
    EXPECT_EQ(PixelsOf(GuardRight), guardRight);
    EXPECT_EQ(PixelsOf(GuardMiddle), TPlaces());

    // Hubcaps move out by the guard's full width plus 6 in front (more than
    // five guard points) and by half its width plus 9 at the rear.
    TPlaces hubLeft, hubRight;
    AddRow(hubLeft, 105 - 12 - 15, 99, 3);
    AddRow(hubRight, 239 + 19 + 15, 99, 3);
    for (const int y : {202, 249}) {
        AddRow(hubLeft, 105 - 12 - 13, y, 3);
        AddRow(hubRight, 239 + 19 + 13, y, 3);
    }
    std::sort(hubLeft.begin(), hubLeft.end());
    std::sort(hubRight.begin(), hubRight.end());
    EXPECT_EQ(PixelsOf(HubLeft), hubLeft);
    EXPECT_EQ(PixelsOf(HubRight), hubRight);
    EXPECT_EQ(PixelsOf(HubMiddle), TPlaces());

    TPlaces boxes = {
        // Seven front guard points: five at the box place, two 8 pixels outward.
        {86, 91}, {86, 99}, {86, 107}, {86, 115}, {86, 123}, {78, 103}, {78, 111},
        {266, 91}, {266, 99}, {266, 107}, {266, 115}, {266, 123}, {274, 103}, {274, 111},
        // Three rear guard points on the rear and the middle axle.
        {86, 250}, {86, 258}, {86, 266}, {86, 202}, {86, 210}, {86, 218},
        {266, 250}, {266, 258}, {266, 266}, {266, 202}, {266, 210}, {266, 218},
        // One hubcap point each, shifted with its hubcap and 9 further out.
        {105 - 12 - 15 - 9, 108}, {239 + 20 + 15 + 9, 108},
        {105 - 12 - 13 - 9, 258}, {239 + 20 + 13 + 9, 258}, {105 - 12 - 13 - 9, 211}, {239 + 20 + 13 + 9, 211},
    };
    std::sort(boxes.begin(), boxes.end());
    EXPECT_EQ(PixelsOf(Box), boxes);

    // More than five rear guard points move the rear hubcaps out by the
    // guard's full width plus 5, one less than in front.
    v.GuardsRear = 6;
    DrawLayout(*Car, Target);
    hubLeft.clear();
    AddRow(hubLeft, 105 - 12 - 15, 99, 3);
    AddRow(hubLeft, 105 - 12 - 14, 202, 3);
    AddRow(hubLeft, 105 - 12 - 14, 249, 3);
    std::sort(hubLeft.begin(), hubLeft.end());
    EXPECT_EQ(PixelsOf(HubLeft), hubLeft);
}

TEST_F(LayoutPlanTest, TiresShowTheFrameOfTheirDamagePoints)
{
    LayoutTire[4] = MarkedStrip(16, 25, 61, 0xFF300000u);
    TVehicle& v = *Car->Vehicle;
    v.TiresFront.DP = 25;
    v.TiresRear.DP = 8;
    for (const TWheelLayout axis : {wl4Wheels, wl6Wheels2Axis, wl6Wheels3Axis}) {
        v.Axis = axis;
        DrawLayout(*Car, Target);
        TPlaces rear = {{99, 243}, {238, 243}};
        if (axis == wl6Wheels2Axis)
            rear.insert(rear.end(), {{115, 243}, {222, 243}});
        if (axis == wl6Wheels3Axis)
            rear.insert(rear.end(), {{99, 195}, {238, 195}});
        std::sort(rear.begin(), rear.end());
        EXPECT_EQ(PixelsOf(0xFF300000u + 14), TPlaces({{99, 92}, {238, 92}})) << int(axis);
        EXPECT_EQ(PixelsOf(0xFF300000u + 5), rear) << int(axis);
    }
}

TEST_F(LayoutPlanTest, TheGasTankStandsFurtherOutBesideTheLargerGasEngines)
{
    constexpr TColor32 N2O = 0xFF400001u, Tank = 0xFF400002u;
    LayoutGasEngines = MarkedStrip(5, 48, 62, 0xFF500000u);
    LayoutN2O = Dot(N2O);
    LayoutGasTank = Dot(Tank);
    LayoutDP = Dot(Box);
    TVehicle& v = *Car->Vehicle;
    v.PowerCellEngine.Space = 0;
    v.GasEngine.Space = 3;
    v.GasEngine.NO = 1;
    v.GasTank.DP = 2;
    // The gas engine of a size-4 body stands at (160, 92).
    for (const auto& [nr, s] : {std::pair(3, 0), std::pair(4, 3)}) {
        v.GasEngine.Nr = nr;
        DrawLayout(*Car, Target);
        EXPECT_EQ(PixelsOf(0xFF500000u + TColor32(nr)), TPlaces({{160, 92}})) << nr;
        EXPECT_EQ(PixelsOf(N2O), TPlaces({{180, 110}})) << nr;
        EXPECT_EQ(PixelsOf(Tank), TPlaces({{205 + s, 112}})) << nr;
        EXPECT_EQ(PixelsOf(Box), TPlaces({{206 + s, 118}, {206 + s, 126}})) << nr;
    }
    // A power plant takes the place of the gas engine and its tank.
    v.PowerCellEngine.Space = 1;
    DrawLayout(*Car, Target);
    EXPECT_EQ(PixelsOf(N2O), TPlaces());
    EXPECT_EQ(PixelsOf(Tank), TPlaces());
}

TEST_F(LayoutPlanTest, OnlyAccessoriesThreeFourAndSevenHaveAPlaceAndEachShowsOnce)
{
    LayoutAccessories = QVector<TBitmap32>(EquipmentTypes.Items.size());
    for (int i = 0; i < LayoutAccessories.size(); ++i)
        LayoutAccessories[i] = Dot(0xFF600000u + TColor32(i));
    TVehicle& v = *Car->Vehicle;
    for (const int nr : {3, 4, 5, 6, 8})
        v.SetEquipment(nr, 2, QString());
    DrawLayout(*Car, Target);
    EXPECT_EQ(PixelsOf(0xFF600003u), TPlaces({{112, 50}}));
    EXPECT_EQ(PixelsOf(0xFF600004u), TPlaces({{110, 323}}));
    for (const int nr : {5, 6, 7, 8})
        EXPECT_EQ(PixelsOf(0xFF600000u + TColor32(nr)), TPlaces()) << nr;
}

TEST_F(LayoutPlanTest, OnlyTheZeroSpaceTurretHasAPictureOfItsOwn)
{
    constexpr TColor32 Common = 0xFF700001u, ZeroSpace = 0xFF700002u;
    LayoutTurret = Dot(Common);
    LayoutZeroSpaceTurret = Dot(ZeroSpace);
    for (int kind = tkNone; kind <= tkThreeSpacePopUp; ++kind) {
        Car->Vehicle->Turret = TTurretKind(kind);
        DrawLayout(*Car, Target);
        const TColor32 expected = kind == tkNone ? clWhite32 : kind == tkZeroSpace ? ZeroSpace : Common;
        EXPECT_EQ(Target.Pixel(152, 250), expected) << kind;
    }
}

TEST_F(LayoutPlanTest, SidePodsShowTheirOwnFramesAndATopPodItsFrame)
{
    LayoutEWP = MarkedStrip(3, 75, 38, 0xFF800000u);
    constexpr TColor32 Platform = 0xFF800010u;
    LayoutRocketPlatform = Dot(Platform);
    TVehicle& v = *Car->Vehicle;
    v.EWP = ewpThreeSpaceSide;
    DrawLayout(*Car, Target);
    EXPECT_EQ(PixelsOf(0xFF800000u), TPlaces({{37, 170}}));
    EXPECT_EQ(PixelsOf(0xFF800001u), TPlaces({{248, 170}}));
    EXPECT_EQ(PixelsOf(0xFF800002u), TPlaces());
    v.EWP = ewpTwoSpaceTop;
    v.RocketPlatform = 1;
    DrawLayout(*Car, Target);
    EXPECT_EQ(PixelsOf(0xFF800000u), TPlaces());
    EXPECT_EQ(PixelsOf(0xFF800001u), TPlaces());
    // The rocket platform is drawn over the top pod, at the same place.
    EXPECT_EQ(PixelsOf(Platform), TPlaces({{144, 215}}));
    v.RocketPlatform = 0;
    DrawLayout(*Car, Target);
    EXPECT_EQ(PixelsOf(0xFF800002u), TPlaces({{144, 215}}));
}

TEST_F(LayoutPlanTest, CrewAndTheirGearStandAtTheSeatsPlaces)
{
    for (int seat = 0; seat < 2; ++seat)
        LayoutCrew[seat] = Dot(0xFF900000u + TColor32(seat));
    for (int g = 0; g < 7; ++g)
        LayoutCrewEquipment[g] = Dot(0xFFA00000u + TColor32(g));
    TVehicle& v = *Car->Vehicle;
    v.Crew[0].Seat = true;
    v.Crew[0].BodyArmor = true;
    v.Crew[0].GasMask = true;
    v.Crew[0].ITC = true;
    v.Crew[1].Seat = false; // gear of an empty seat is not shown
    v.Crew[1].PFE = true;
    DrawLayout(*Car, Target);
    EXPECT_EQ(PixelsOf(0xFF900000u), TPlaces({{134, 152}}));
    EXPECT_EQ(PixelsOf(0xFF900001u), TPlaces());
    EXPECT_EQ(PixelsOf(0xFFA00000u), TPlaces({{138, 145}}));
    EXPECT_EQ(PixelsOf(0xFFA00003u), TPlaces({{153, 170}}));
    EXPECT_EQ(PixelsOf(0xFFA00006u), TPlaces({{119, 68}}));
    EXPECT_EQ(PixelsOf(0xFFA00004u), TPlaces());

    v.Crew[1].Seat = true;
    DrawLayout(*Car, Target);
    EXPECT_EQ(PixelsOf(0xFF900001u), TPlaces({{193, 153}}));
    EXPECT_EQ(PixelsOf(0xFFA00004u), TPlaces({{195, 168}}));
}

TEST_F(LayoutPlanTest, BodyNumbersBeyondTheSizesDrawTheNearestSize)
{
    for (int size = 0; size < BodySizeCount; ++size)
        LayoutBody[size] = Dot(0xFFB00000u + TColor32(size));
    const std::pair<int, int> cases[] = {{-2, 0}, {0, 0}, {5, 5}, {8, 8}, {9, 8}, {100, 8}};
    for (const auto& [nr, size] : cases) {
        Car->Vehicle->Body.Nr = nr;
        DrawLayout(*Car, Target);
        EXPECT_EQ(Target.Pixel(101, 36), 0xFFB00000u + TColor32(size)) << nr;
    }
}
