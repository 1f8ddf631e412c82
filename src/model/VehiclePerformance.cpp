// The movement figures of a design: cargo space, handling class, speeds,
// acceleration and range.

#include "model/Vehicle.h"

#include "model/Global.h"
#include "platform/Numbers.h"

int TVehicle::GetCargoSpace()
{
    CargoSpace = Body.CargoSpace;
    return CargoSpace;
}

int TVehicle::GetHC()
{
    int hc = Suspension.HC;
    if (Body.HcCost != 0)
        hc = CheckedSub(hc, Body.HcCost);
    else if (Weight > 999999)
        hc = CheckedSub(hc, 1);
    if (TiresFront.Radial && TiresRear.Radial)
        hc = CheckedAdd(hc, 1);
    if (GuardsFront > 0)
        hc = CheckedSub(hc, 1);
    if (TiresFront.Racing)
        hc = CheckedAdd(hc, 1);
    if (TiresRear.Racing)
        hc = CheckedAdd(hc, 1);
    if (SubHC && Body.Name == QLatin1String("Subcompact"))
        hc = CheckedAdd(hc, 1);
    // Mixed tires handle worse.
    if (TiresFront.Name != TiresRear.Name)
        hc = CheckedSub(hc, 1);
    if (MaxHCUse && MaxHC < hc)
        hc = MaxHC;
    HC = hc;
    return hc;
}

int TVehicle::GetTopSpeed()
{
    const int power = EffectivePower();
    const int weight = GetWeight(ScratchList);
    const int total = CheckedAdd(weight, power);
    // A design of no weight and no power does not move.
    if (total == 0)
        return 0;
    Extended v = Round(360.0L * power / total / 5) * 5.0L;
    if (Streamlined)
        v = v * 1.1L;
    if (EWP > 0)
        v = v * 0.9L;
    return Round(v + 0.5L);
}

int TVehicle::GetAcceleration()
{
    const Extended power = EffectivePower();
    const Extended weight = Weight;
    int acceleration;
    if (power < weight / 3)
        acceleration = 0;
    else if (power < weight / 2)
        acceleration = 5;
    else if (power < weight)
        acceleration = 10;
    else
        acceleration = 15;
    Acceleration = acceleration;
    return acceleration;
}

int TVehicle::GetCruisingSpeed()
{
    return Round(GetTopSpeed() * 0.6L) / 5 * 5;
}

int TVehicle::GetReverseSpeed()
{
    return Round(GetTopSpeed() * 0.2L - 0.5L) / 5 * 5;
}

int TVehicle::GetRange()
{
    if (GetTopSpeed() == 0)
        return 0;
    Extended range = 0;
    if (PowerCellEngine.Power > 0) {
        range = CheckedMul(PowerCellEngine.Space, 50);
        if (PowerCellEngine.EPC)
            range = range * 1.5L;
    } else if (GasEngine.Power > 0) {
        TGEngineType& e = GasEngine;
        int mpg = e.MPG;
        if (e.C) {
            --mpg;
            if (e.MPG < 10)
                --mpg;
        }
        if (e.MC)
            --mpg;
        if (e.SC)
            --mpg;
        range = CheckedMul(mpg, TankSize);
        // Streamlining improves the mileage shown on the sheet, not the
        // range of the tank.
        if (Streamlined)
            mpg = Round(mpg * 1.1L + 0.5L);
        e.CurrentMPG = mpg;
    }
    return Round(range);
}
