#pragma once

#include <QString>
#include <QVector>

class TVehicle;

// Geometry of the test map that the top view and the firing share. Map
// coordinates grow to the right and downward; a car's top view is 50 pixels
// wide and 100 high with its nose at the top.

// The pixel offsets of the weapon icons at one location ("front", "left",
// "right", "back", "turret", "EWP", "rocket platform") for count weapons
// there (more than ten count as ten); icon i sits at (xs[i], ys[i]). Both
// arrays hold at least one entry per weapon. A turret, top pod or rocket
// platform has places for three icons; a fourth and later weapon there takes
// the places of the first three again, in turn.
void GetWeaponSlots(const TVehicle& vehicle, const QString& location, int count, QVector<int>& xs, QVector<int>& ys);

// The direction from (x1, y1) to (x2, y2) as a step vector whose components
// keep their signs: the smaller component becomes +-1 and the larger keeps
// the ratio, or, with bound, the larger becomes +-1 and the smaller the
// ratio. Two equal points give (0, -1).
void NormalizeDirection(int x1, int y1, int x2, int y2, double& dx, double& dy, bool bound);

// The side toward which the direction from (x1, y1) to (x2, y2) points:
// 0 up, 1 left, 2 right, 3 down on the map. Straight up, and the start
// point itself, is 0; straight down is 3; any other direction counts as left
// or right while its vertical part is at most twice its horizontal part.
int DirectionSector(int x1, int y1, int x2, int y2);

// The fixed renumbering of side indexes that the hit resolution uses.
int FireSectorIndex(int index);

// True unless the design carries a pair of side pods (an odd pod kind).
bool HasNoSideEWP(const TVehicle& vehicle);
