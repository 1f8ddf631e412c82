#include "model/VehicleFigures.h"

#include "model/Enums.h"
#include "model/Vehicle.h"
#include "platform/Numbers.h"

#include <QStringList>

void ComputeFigures(TVehicle& V)
{
    QString text;
    QStringList list;
    V.CheckWeaponPlacement(text);
    V.GetCost(list);
    const int weight = V.GetWeight(list);
    V.GetCargoSpace();
    V.GetSpace(list);
    V.GetHC();
    const int top = V.GetTopSpeed();
    V.GetReverseSpeed();
    const int accel = V.GetAcceleration();
    const int cruise = V.GetCruisingSpeed();
    V.GetRange();
    for (int facing = locFront; facing <= locRocketPlatform; ++facing)
        V.GetFirepower(static_cast<TLocation>(facing), text);
    V.GetCollisionModifierText(text);
    V.GetCollisionDamageText(cruise, text);
    V.GetCollisionDamageText(top, text);
    for (const TTireType* tire : {&V.TiresFront, &V.TiresRear}) {
        const bool front = tire == &V.TiresFront;
        V.GetTireDP(*tire);
        V.GetTireCost(*tire, list, front);
        V.GetTireWeight(*tire, list, front);
    }
    (void)Round(V.GetArmorWeight(true, -1, -1));
    (void)Round(V.GetArmorWeight(false, -1, -1));
    // The margins to the weight limit of this acceleration class (none when
    // the weight is beyond every class) and of the next one (none at the
    // top class), in armor points of either kind.
    const auto margins = [&V, weight](int acceleration) {
        const int margin = CheckedSub(V.GetMaxWeightForAcc(acceleration), weight);
        V.GetArmorPointsForWeight(margin, false);
        V.GetArmorPointsForWeight(margin, true);
    };
    if (accel != 0)
        margins(accel);
    if (accel != 15)
        margins(accel + 5);
    V.GetYear(list);
    V.EffectivePower();
    V.CheckValid(text);
}
