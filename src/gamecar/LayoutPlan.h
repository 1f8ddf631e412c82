#pragma once

#include "model/RulesTypes.h"

#include <QString>
#include <QRect>
#include <QStringList>
#include <QVector>
#include <array>

class TBitmap32;
class TGameCar;
class TVehicle;

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
// The component-armor list: "CA:" at (CAListLeft, CAListTop), its lines
// from CAListFirstLine below that, CAListPitch apart, in the plan's own
// type. It keeps a few pixels inside the top-left corner, clear of the frame
// the record sheet draws round the printed plan.
constexpr int CAListLeft = 30;
constexpr int CAListTop = 9;
constexpr int CAListFirstLine = 10;
constexpr int CAListPitch = 15;
// Lines that go down the right side end at CAListRight, as far inside the
// frame's right edge (at column 336 of the printed plan).
constexpr int CAListRight = 333;
// The list's lines, "name: points", of the crew, the engine and each weapon
// with component armor, in that order.
QStringList ComponentArmorLines(const TVehicle& V);
// One text of the list as the plan writes it: the font's pixel height and
// the rectangle of its line.
struct TCAListText {
    QString Text;
    int FontSize = 0;
    QRect Place;
};
// The list, "CA:" first, as DrawLayout writes it on a plan of that size for
// car's design; empty when there is no list.
QVector<TCAListText> ComponentArmorList(const TGameCar& car, int width, int height);
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
