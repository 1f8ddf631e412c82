#pragma once

#include "model/RulesTypes.h"
#include "model/Vehicle.h"
#include "platform/gui/Bitmap32.h"

#include <QString>
#include <QStringList>
#include <array>
#include <memory>

// The damage state of a game car during the firing test: what is left of
// its armor, weapons, engine, crew and cargo space, and the firing log.
struct TDamage {
    TArmor Armor;
    // One entry per mounted weapon in the design's order: DP is what the
    // weapon has left, Shots its remaining ammunition.
    TWeaponTypes Weapons;
    int EngineDP = 0;
    int EngineMaxDP = 0;
    std::array<int, 2> CrewDP{};    // driver, gunner; 0 for an empty seat
    std::array<int, 2> CrewMaxDP{}; // set for occupied seats only
    int CargoDP = 0;
    QStringList Log; // one entry per resolved shot
};

// The hit statistics of the firing test, per mounted weapon in the design's
// order: Shots counts shots fired, Cost hits, Weight the damage of those hits.
struct TStats {
    TWeaponTypes Weapons;
};

// A design as a piece on the test map and on the record sheet's counters:
// the design, its reference point and facing, the chosen car picture with
// its mask, the buffers of its top view, its damage state and statistics.
//
// The design and the car picture are shared pointers because the own car on
// the test map shows the very design and picture of the car being edited:
// assigning Vehicle, Body and BodyMask from another game car shares them,
// and they are released with the last car that holds them.
class TGameCar
{
public:
    // Needs the rules tables, ScratchList and the part pictures.
    TGameCar();
    TGameCar(const TGameCar&) = delete;
    TGameCar& operator=(const TGameCar&) = delete;

    // Damage state and statistics afresh from the design; needed after every
    // change of the design's weapon list before the car is drawn or fired.
    void Reset();
    // Chooses car picture n; hit marks cut into the mask disappear.
    void SetFrame(int n);

    // Top view (TopView.cpp). Draws the car with the top-left corner of its
    // unturned car picture at (x + 1, y) of target, the 120 x 120 view turned
    // by Facing about (x + 25, y + 50). bodyAlpha is the opacity of the car
    // picture; maskFlag leaves destroyed weapons out and stamps the
    // silhouette into MapMask.
    void Draw(TBitmap32& target, int x, int y, int bodyAlpha, bool maskFlag);
    void DrawAtPosition(TBitmap32& target, int bodyAlpha, bool maskFlag);
    // The icons of the weapons at one location, by the texts of LocationToStr.
    void DrawWeapons(TBitmap32& target, int offX, int offY, const QString& location, bool includeDestroyed);
    // result.Items := copies of the design's weapons at location in the
    // design's order, destroyed ones only with includeDestroyed.
    void GetWeaponsAt(const QString& location, bool includeDestroyed, TWeaponTypes& result) const;

    // The reference point: the top edge and one pixel left of the unturned car picture.
    int X = 157;
    int Y = 109;
    // Degrees counter-clockwise on the screen: 0 nose up, 90 nose left.
    int Facing = 0;
    TBitmap32 Sprite;      // the top view before turning, 120 x 120
    TBitmap32 Rotated;     // Sprite turned by Facing
    TBitmap32 RotatedMask; // white where the car is, black elsewhere
    std::shared_ptr<TBitmap32> Body;     // the car picture, 50 x 100; hit marks are painted into it
    std::shared_ptr<TBitmap32> BodyMask; // white where the car is; craters blacken it
    std::shared_ptr<TVehicle> Vehicle;
    TDamage Damage;
    TStats Stats;

private:
    void CreateImages();
};
