#pragma once

#include "model/RulesTypes.h"

#include <QString>

// Texts that the record sheet's and the duel sheet's weapon tables share.

// What follows a weapon's name or abbreviation: its location (with the
// PrinterWeaponLoc setting), then its marks.
QString WeaponLocationText(const TWeaponType& W);
// A weapon's marks: " (SWC)", " (HRSWC)" and its component armor.
QString WeaponMarks(const TWeaponType& W);
// The ammunition column: the shots (doubled with extra ammunition) and the
// ammunition's abbreviation, or "--" for a weapon without shots.
QString WeaponAmmoText(const TWeaponType& W);
// A weapon's entry in a table's name column of width W: its name (with its
// location) followed by its marks (WeaponMarks). One too wide is printed
// smaller (on the row's baseline); one too wide even in the smallest print
// moves up to leftRoom into the cell's left margin, and what still does not
// fit is cut from the name, so that the SWC marks and the component armor
// stay whole.
void PrintWeaponEntry(const QString& name, const QString& marks, int X, int Y, int W, int leftRoom);
// A hand gun's shots, or "--" when it has none.
QString ShotsText(int shots);
