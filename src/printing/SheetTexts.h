#pragma once

#include "model/RulesTypes.h"

#include <QString>

// Texts that the record sheet's and the duel sheet's weapon tables share.

// What follows a weapon's name or abbreviation: its location (with the
// PrinterWeaponLoc setting), then its marks.
QString WeaponLocationText(const TWeaponType& W);
// A weapon's marks: " (SWC)" and " (HRSWC)".
QString WeaponSwcMarks(const TWeaponType& W);
// A weapon's component armor, "(%d pt CA) " or "(%d pt FP CA) "; empty
// without any.
QString WeaponCAMark(const TWeaponType& W);
// The ammunition column: the shots (doubled with extra ammunition) and the
// ammunition's abbreviation, or "--" for a weapon without shots.
QString WeaponAmmoText(const TWeaponType& W);
// The height of a weapon table's row, and how far below the rule at its
// top the row's texts stand.
constexpr int WeaponRowHeight = 100;
constexpr int WeaponRowTextDrop = 8;
// A weapon's entry in a table's name column of width W, in the row whose
// rule is at rowTop: its name (with its location) followed by its SWC marks
// and its component armor. One too wide is printed smaller (on the row's
// baseline); one too wide even in the smallest print moves up to leftRoom
// into the cell's left margin, and what still does not fit is cut from the
// name. Where not even the marks leave room for the name's first letter, the
// component armor goes to a second line of the row in the smallest print,
// so that the marks and the component armor stay whole.
void PrintWeaponEntry(const QString& name, const QString& swcMarks, const QString& caMark, int X, int rowTop, int W,
                      int leftRoom);
// A hand gun's shots, or "--" when it has none.
QString ShotsText(int shots);
