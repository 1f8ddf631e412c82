#include "AccountingTestBase.h"

#include <functional>

namespace {

using VehiclePerformanceTest = AccountingTest;

// Tunes the body so that the design weighs the given total.
void WeighIn(TVehicle& v, int weight)
{
    QStringList scratch;
    v.Body.Weight += weight - v.GetWeight(scratch);
    v.GetWeight(scratch);
}

TEST_F(VehiclePerformanceTest, SpeedsFromPowerAndWeight)
{
    // The small power plant gives 800; the weights give a basic speed of
    // 75 to 100 mph.
    const struct {
        int Weight;
        bool Streamlined;
        bool Pod;
        int Top;
        int Cruising;
        int Reverse;
    } cases[] = {
        {2588, false, false, 86, 50, 15}, // 85.5 rounds to the even 86
        {2588, true, false, 94, 55, 15},  // 93.5 + 0.5
        {2400, false, false, 90, 50, 15},
        {2400, false, true, 82, 45, 15}, // 81 + 0.5 rounds to 82
        {2400, true, true, 90, 50, 15},  // 89.1 + 0.5
        {2080, false, false, 100, 60, 20},
        {2800, false, false, 80, 45, 15},
        {3040, true, true, 75, 45, 10}, // reverse: 14.5 rounds to 14
        {2232, true, true, 95, 55, 15},
    };
    for (const auto& c : cases) {
        TVehicle v;
        v.Streamlined = c.Streamlined;
        v.EWP = c.Pod ? ewpOneSpaceTop : ewpNone;
        WeighIn(v, c.Weight);
        EXPECT_EQ(v.GetTopSpeed(), c.Top) << c.Weight;
        EXPECT_EQ(v.GetCruisingSpeed(), c.Cruising) << c.Weight;
        EXPECT_EQ(v.GetReverseSpeed(), c.Reverse) << c.Weight;
    }
}

TEST_F(VehiclePerformanceTest, EverySpeedCallRunsAFullWeightReport)
{
    TVehicle v;
    WeightList = QStringList{QStringLiteral("kept")};
    ScratchList.clear();
    v.Weight = 0;
    v.MaxWeight = 0;
    v.GetTopSpeed();
    EXPECT_EQ(v.Weight, 1770);
    EXPECT_EQ(v.MaxWeight, 2300);
    EXPECT_EQ(ScratchList.first(), QStringLiteral("* Basic Vehicle Weight *"));
    EXPECT_EQ(WeightList, QStringList{QStringLiteral("kept")});
    for (int (TVehicle::*figure)() : {&TVehicle::GetCruisingSpeed, &TVehicle::GetReverseSpeed,
                                      &TVehicle::GetRange}) {
        v.Weight = 0;
        ScratchList.clear();
        (v.*figure)();
        EXPECT_EQ(v.Weight, 1770);
        EXPECT_FALSE(ScratchList.isEmpty());
    }
}

TEST_F(VehiclePerformanceTest, NoEngineDoesNotMove)
{
    TVehicle v;
    v.PowerCellEngine = TRulesFixture::CEngine("None");
    v.GetWeight(List);
    EXPECT_EQ(v.GetTopSpeed(), 0);
    EXPECT_EQ(v.GetCruisingSpeed(), 0);
    EXPECT_EQ(v.GetReverseSpeed(), 0);
    EXPECT_EQ(v.GetRange(), 0);
    EXPECT_EQ(v.GetAcceleration(), 0);
}

TEST_F(VehiclePerformanceTest, NoWeightAndNoPowerGiveNoSpeed)
{
    TVehicle v;
    v.PowerCellEngine = TRulesFixture::CEngine("None");
    v.Body.Weight = 0;
    v.TiresFront.Weight = 0;
    v.TiresRear.Weight = 0;
    v.Crew[0].Seat = false;
    EXPECT_EQ(v.GetTopSpeed(), 0);
    EXPECT_EQ(v.Weight, 0);
    EXPECT_EQ(v.GetRange(), 0);
}

TEST_F(VehiclePerformanceTest, AccelerationClassesAndTheirWeightBounds)
{
    const struct {
        int Weight;
        int Class;
    } cases[] = {{2401, 0}, {2400, 5}, {1601, 5}, {1600, 10}, {801, 10}, {800, 15}};
    for (const auto& c : cases) {
        TVehicle v;
        WeighIn(v, c.Weight);
        EXPECT_EQ(v.GetAcceleration(), c.Class) << c.Weight;
        EXPECT_EQ(v.Acceleration, c.Class);
    }
    TVehicle v;
    for (int cls : {5, 10, 15}) {
        WeighIn(v, v.GetMaxWeightForAcc(cls));
        EXPECT_EQ(v.GetAcceleration(), cls);
    }
}

TEST_F(VehiclePerformanceTest, HandlingClass)
{
    const struct {
        const char* Case;
        std::function<void(TVehicle&)> Change;
        int HC;
    } cases[] = {
        {"light suspension", [](TVehicle&) {}, 1},
        {"radials all round", [](TVehicle& v) { v.TiresFront.Radial = v.TiresRear.Radial = true; }, 2},
        {"radials at the front only", [](TVehicle& v) { v.TiresFront.Radial = true; }, 1},
        {"front wheel guards", [](TVehicle& v) { v.GuardsFront = 1; }, 0},
        {"racing tires", [](TVehicle& v) { v.TiresFront.Racing = v.TiresRear.Racing = true; }, 3},
        {"mixed tires and front guards",
         [](TVehicle& v) {
             v.TiresFront = TRulesFixture::Tire("Heavy-Duty");
             v.GuardsFront = 2;
         },
         -1},
        {"body penalty", [](TVehicle& v) { v.Body.HcCost = 2; }, -1},
        {"body penalty instead of the weight",
         [](TVehicle& v) {
             v.Body.HcCost = 1;
             v.Weight = 1000000;
         },
         0},
        {"heavier than 999999 lbs", [](TVehicle& v) { v.Weight = 1000000; }, 0},
        {"Subcompact with SubHC", [](TVehicle&) { SubHC = true; }, 2},
        {"subcompact named otherwise",
         [](TVehicle& v) {
             SubHC = true;
             v.Body.Name = QStringLiteral("SUBCOMPACT");
         },
         1},
        {"limit applied",
         [](TVehicle& v) {
             v.Suspension = TRulesFixture::Suspension("Heavy");
             v.TiresFront.Racing = true;
             MaxHC = 3;
             MaxHCUse = true;
         },
         3},
        {"limit not in use",
         [](TVehicle& v) {
             v.Suspension = TRulesFixture::Suspension("Heavy");
             v.TiresFront.Racing = true;
             MaxHC = 3;
         },
         4},
    };
    for (const auto& c : cases) {
        SubHC = false;
        MaxHCUse = false;
        TVehicle v;
        c.Change(v);
        EXPECT_EQ(v.GetHC(), c.HC) << c.Case;
        EXPECT_EQ(v.HC, c.HC) << c.Case;
    }
}

TEST_F(VehiclePerformanceTest, RangeAndMileage)
{
    TVehicle v;
    EXPECT_EQ(v.GetRange(), 150); // 3 spaces of power cells
    v.PowerCellEngine.EPC = true;
    EXPECT_EQ(v.GetRange(), 225);

    v.PowerCellEngine = TRulesFixture::CEngine("None");
    v.GasEngine = TRulesFixture::GEngine("30 cid"); // 60 mpg
    v.TankSize = 10;
    v.GasEngine.C = true;
    v.GasEngine.MC = true;
    v.GasEngine.SC = true;
    EXPECT_EQ(v.GetRange(), 570);
    EXPECT_EQ(v.GasEngine.CurrentMPG, 57);
    v.GasEngine.MC = false;
    v.GasEngine.SC = false;
    v.GasEngine.MPG = 8; // a thirsty engine loses two to the carburetor
    EXPECT_EQ(v.GetRange(), 60);
    EXPECT_EQ(v.GasEngine.CurrentMPG, 6);
}

TEST_F(VehiclePerformanceTest, StreamliningImprovesTheMileageNotTheRange)
{
    const struct {
        int MPG;
        int Streamlined;
    } cases[] = {{10, 12}, {15, 17}, {20, 22}};
    for (const auto& c : cases) {
        TVehicle v;
        v.PowerCellEngine = TRulesFixture::CEngine("None");
        v.GasEngine = TRulesFixture::GEngine("30 cid");
        v.GasEngine.MPG = c.MPG;
        v.TankSize = 10;
        v.Streamlined = true;
        EXPECT_EQ(v.GetRange(), c.MPG * 10);
        EXPECT_EQ(v.GasEngine.CurrentMPG, c.Streamlined) << c.MPG;
    }
}

TEST_F(VehiclePerformanceTest, CargoSpaceIsTheBodys)
{
    TVehicle v;
    v.Body.CargoSpace = 3;
    EXPECT_EQ(v.GetCargoSpace(), 3);
    EXPECT_EQ(v.CargoSpace, 3);
}

TEST_F(VehiclePerformanceTest, ANewDesignHoldsItsFigures)
{
    TVehicle v;
    EXPECT_EQ(v.Weight, 1770);
    EXPECT_EQ(v.MaxWeight, 2300);
    EXPECT_EQ(v.SpaceLeft, 2); // 7 - 3 for the power plant - 2 for the driver
    EXPECT_EQ(v.CargoSpace, 0);
    EXPECT_EQ(v.HC, 1);
    EXPECT_EQ(v.Acceleration, 5); // 800 power on 1770 lbs
}

} // namespace
