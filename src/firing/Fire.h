#pragma once

#include "model/RulesTypes.h"

#include <QVector>
#include <functional>

class TBitmap32;
class TGameCar;
class TVehicle;

// The test firing of the own car's weapons at the test map, a wall or the
// opponent, with the damage resolution on the opponent. Only the program's
// one random generator decides; a fire command draws from it in a fixed order.

// What the test map's controls say when the fire command runs.
struct TFireInput {
    // Index of the target kind: 0 "Map", 1 "Wall, 8 DP", 2 "Wall, 30 DP",
    // 3 "Vehicle".
    int Target = 0;
    // Index of the attack side, the side of the own car on which the target
    // lies: 0 "Front", 1 "Left", 2 "Right", 3 "Back"; anything else is no choice.
    int AttackLocation = 0;
    // Index of the opponent's facing: 0 "Up", 1 "Left", 2 "Right", 3 "Down".
    int TargetFacing = 0;
    // The clicked aim point on the map; (-1, -1) when there is none.
    int AimX = -1;
    int AimY = -1;
};

// The firing side (0 front, 1 left, 2 right, 3 back) toward the aim point
// from the centre of the attacker's car picture, else the attack side;
// -1 when there is no aim point and the attack side is none of the four.
int FiringSide(const TGameCar& attacker, const TFireInput& input);

// Indexes of the design's weapons that bear on side, in the design's order.
QVector<int> SelectWeapons(const TVehicle& vehicle, int side);

// The opponent's side that the shots strike (0 front, 1 left, 2 right,
// 3 back, 8 underbody) from the attack side and the opponent's facing.
int GetHitSide(int attackLocation, int targetFacing);

// Fires the selected weapons of attacker once each across map: opaque black
// map pixels stop and erode a shot; with atVehicle a shot that enters the
// opponent's silhouette in mask is resolved on target, whose log receives
// one entry per shot. Without an aim point every shot flies toward the side
// its weapon faces; turret and rocket-platform weapons face the attack side.
// Reads the settings Trace, IgnoreAmmo, AlwaysHit and DamageCaused. shotDone,
// when set, runs after every shot so that the map can be shown before the
// next one.
void FireWeapons(TGameCar& attacker, TGameCar& target, const QVector<int>& selected, TBitmap32& map,
                 const TBitmap32& mask, const TFireInput& input, const std::function<void()>& shotDone = {});

// The fire command without its window: firing side, selection and firing.
// False, with nothing changed, when there is no firing side; the window then
// shows no log and no statistics either.
bool TestFire(TGameCar& attacker, TGameCar& target, TBitmap32& map, const TBitmap32& mask, const TFireInput& input,
              const std::function<void()>& shotDone = {});
