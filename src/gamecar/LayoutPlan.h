#pragma once

#include "model/RulesTypes.h"

#include <QString>
#include <array>

class TBitmap32;
class TGameCar;

// The layout plan: the body of the design's size seen from above with every
// fitted part at its fixed place, damage points as rows of small boxes, tires
// in the picture of their damage state, the weapons at their mounts and a
// list of component armor in the top-left corner. Front at the top.

// One place on the plan; -1 in X or Y means no place.
struct TLayoutSlot {
    int X = -1;
    int Y = -1;
    TWeaponType Weapon;
};
constexpr int LayoutSlotCount = 11;
using TLayoutSlots = std::array<TLayoutSlot, LayoutSlotCount>;

// Draws the plan of car's design into target, replacing all it showed.
void DrawLayout(const TGameCar& car, TBitmap32& target);

// Up to ten damage-point boxes: a column of up to five centred on y at x,
// then a second column of up to five 8 pixels to the left or right.
void DrawDPBoxes(TBitmap32& target, int x, int y, int count, bool secondColumnLeft);
// The frame of a tire picture that shows a tire of dp damage points.
int TireDPFrame(int dp);
// Component armor points as the plan writes them: "o" per point up to five,
// the number from six on, nothing for none.
QString CAText(int points);

// Fills plan with the weapons mounted at location (at most ten) and their
// places for a body of the given size; returns how many of them the plan
// draws (0 when none is mounted there, leaving plan as it was).
int WeaponSlotsOnPlan(const TGameCar& car, int size, const QString& location, TLayoutSlots& plan);
// Height of the layout picture of a weapon, found by its abbreviation; 0
// when the abbreviation is not in the weapon table.
int LayoutWeaponHeight(const TWeaponType& weapon);
