#include "RulesFixture.h"

#include "model/MapGeometry.h"
#include "model/Vehicle.h"

#include <gtest/gtest.h>

namespace {

class MapGeometryTest : public ::testing::Test
{
protected:
    TRulesFixture Rules;
    TVehicle Vehicle;

    void Slots(const char* location, int count)
    {
        GetWeaponSlots(Vehicle, QString::fromLatin1(location), count, Xs, Ys);
    }
    QVector<int> Xs;
    QVector<int> Ys;
};

} // namespace

TEST_F(MapGeometryTest, FrontRowsFillFromTheNose)
{
    Slots("front", 3);
    EXPECT_EQ(Xs, QVector<int>({13, 20, 27}));
    EXPECT_EQ(Ys, QVector<int>({0, 0, 0, 0, 0, 10, 10, 10, 10, 10}));
    Slots("front", 7);
    EXPECT_EQ(Xs, QVector<int>({10, 15, 20, 25, 30, 15, 25}));
}

TEST_F(MapGeometryTest, MoreThanTenWeaponsCountAsTen)
{
    Slots("front", 10);
    const QVector<int> tenXs = Xs;
    const QVector<int> tenYs = Ys;
    Slots("front", 12);
    EXPECT_EQ(Xs, tenXs);
    EXPECT_EQ(Ys, tenYs);
    EXPECT_EQ(Xs, QVector<int>({10, 15, 20, 25, 30, 12, 16, 20, 24, 28}));
}

TEST_F(MapGeometryTest, TailRowOfFiveToEightStandsOnePixelFurtherRight)
{
    Slots("back", 4);
    EXPECT_EQ(Xs, QVector<int>({12, 17, 23, 28}));
    Slots("back", 6);
    EXPECT_EQ(Xs, QVector<int>({10, 15, 20, 26, 30, 20}));
    EXPECT_EQ(Ys, QVector<int>({89, 89, 89, 89, 89, 79, 79, 79, 79, 79}));
    Slots("back", 9);
    EXPECT_EQ(Xs[3], 25);
}

TEST_F(MapGeometryTest, FlanksWithoutSidePods)
{
    Vehicle.EWP = ewpOneSpaceTop;
    Slots("left", 4);
    EXPECT_EQ(Xs, QVector<int>(10, 7));
    EXPECT_EQ(Ys, QVector<int>({37, 42, 48, 53}));
    Slots("right", 2);
    EXPECT_EQ(Xs, QVector<int>(10, 35));
    EXPECT_EQ(Ys, QVector<int>({41, 49}));
}

TEST_F(MapGeometryTest, FlanksInSidePods)
{
    Vehicle.EWP = ewpTwoSpaceSide;
    Slots("left", 2);
    EXPECT_EQ(Xs, QVector<int>({-2, 2, 7, 7, 7, 7, 7, 7, 7, 7}));
    EXPECT_EQ(Ys, QVector<int>({52, 52}));
    // Beyond the third a weapon keeps to the plain side column.
    Slots("right", 5);
    EXPECT_EQ(Xs, QVector<int>({37, 41, 45, 35, 35, 35, 35, 35, 35, 35}));
    EXPECT_EQ(Ys, QVector<int>({52, 52, 52, 0, 0}));
}

TEST_F(MapGeometryTest, AddOnsGiveEveryWeaponAPlace)
{
    Slots("turret", 2);
    EXPECT_EQ(Xs, QVector<int>({17, 23}));
    EXPECT_EQ(Ys, QVector<int>({50, 50, 50}));
    Slots("EWP", 3);
    EXPECT_EQ(Xs, QVector<int>({14, 20, 26}));
    EXPECT_EQ(Ys, QVector<int>({57, 57, 57}));
    // A fourth and fifth weapon take the first places again.
    Slots("rocket platform", 5);
    EXPECT_EQ(Xs, QVector<int>({14, 20, 26, 14, 20}));
    EXPECT_EQ(Ys, QVector<int>(5, 57));
    Slots("turret", 4);
    EXPECT_EQ(Xs, QVector<int>({15, 20, 25, 15}));
    EXPECT_EQ(Ys, QVector<int>(4, 50));
}

TEST(MapGeometry, NormalizeDirection)
{
    struct Case {
        int x2, y2;
        bool bound;
        double dx, dy;
    };
    const Case cases[] = {
        {0, 0, false, 0, -1},  {0, 0, true, 0, -1},     {0, 7, false, 0, 1},    {0, -7, false, 0, -1},
        {-4, 0, false, -1, 0}, {9, 0, true, 1, 0},      {10, 5, false, 2, 1},   {10, 5, true, 1, 0.5},
        {-3, 12, false, -1, 4}, {-3, 12, true, -0.25, 1}, {-6, -6, false, -1, -1}, {-6, -6, true, -1, -1},
    };
    for (const Case& c : cases) {
        double dx = 99;
        double dy = 99;
        NormalizeDirection(0, 0, c.x2, c.y2, dx, dy, c.bound);
        EXPECT_DOUBLE_EQ(dx, c.dx) << c.x2 << "," << c.y2 << " bound " << c.bound;
        EXPECT_DOUBLE_EQ(dy, c.dy) << c.x2 << "," << c.y2 << " bound " << c.bound;
    }
}

TEST(MapGeometry, DirectionSector)
{
    struct Case {
        int dx, dy, sector;
    };
    const Case cases[] = {
        {10, 3, 2}, {3, 10, 3}, {-10, -15, 1}, {-5, -11, 0}, {0, -20, 0}, {0, 20, 3},
        {0, 0, 0},  {-10, 20, 1}, {-10, 21, 3}, {-4, 0, 1},  {5, -30, 0},  {1, -20, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DirectionSector(100, 100, 100 + c.dx, 100 + c.dy), c.sector) << c.dx << "," << c.dy;
}

TEST(MapGeometry, FireSectorIndex)
{
    const int expected[] = {3, 2, 1, 0, 9, 9, 6, 8, 7, 9, 9};
    for (int i = 0; i < 11; ++i)
        EXPECT_EQ(FireSectorIndex(i), expected[i]) << i;
    EXPECT_EQ(FireSectorIndex(255), 9);
}

TEST_F(MapGeometryTest, SidePodsAreTheOddPodKinds)
{
    for (TEWPKind kind : {ewpNone, ewpOneSpaceTop, ewpTwoSpaceTop, ewpThreeSpaceTop}) {
        Vehicle.EWP = kind;
        EXPECT_TRUE(HasNoSideEWP(Vehicle)) << kind;
    }
    for (TEWPKind kind : {ewpOneSpaceSide, ewpTwoSpaceSide, ewpThreeSpaceSide}) {
        Vehicle.EWP = kind;
        EXPECT_FALSE(HasNoSideEWP(Vehicle)) << kind;
    }
}

TEST_F(MapGeometryTest, APodKindBelowZeroIsNoSidePods)
{
    // A damaged file's kind: the accounting prices and weighs no pods for
    // it, so the pictures draw none either.
    for (TEWPKind kind : {-1, -3}) {
        Vehicle.EWP = kind;
        EXPECT_FALSE(Vehicle.HasSidePods()) << kind;
        EXPECT_TRUE(HasNoSideEWP(Vehicle)) << kind;
    }
}
