#pragma once

#include "model/RulesTypes.h"

#include <QString>
#include <QStringList>

// Texts that the record sheet's and the duel sheet's weapon tables share.

// A weapon's component armor, "(%d pt CA) " or "(%d pt FP CA) "; empty
// without any.
QString WeaponCAMark(const TWeaponType& W);
// A weapon's entry in a table's name column, in the pieces that a line may
// break between and that are kept whole where they can be: its name, its
// place (", " and the location text, with the PrinterWeaponLoc setting; else
// empty) and its marks, " (SWC)", " (HRSWC)" and its component armor.
struct TWeaponEntry
{
    QString Name;
    QString Place;
    QStringList Marks;
    // The marks in their shorter forms, each still telling its mark
    // (" SWC", " HRSWC", " 3 FP CA"): one to one with Marks.
    QStringList ShortMarks;
};
// The entry of a weapon shown under name (its abbreviation or its name,
// with the laser options before it).
TWeaponEntry WeaponEntry(const QString& name, const TWeaponType& W);
// The ammunition column: the shots (doubled with extra ammunition) and the
// ammunition's abbreviation, or "--" for a weapon without shots.
QString WeaponAmmoText(const TWeaponType& W);
// The height of a weapon table's row, and how far below the rule at its
// top the row's texts stand.
constexpr int WeaponRowHeight = 100;
constexpr int WeaponRowTextDrop = 8;
// A weapon's entry in a table's name column of width W, in the row whose
// rule is at rowTop. One too wide is printed smaller (on the row's
// baseline); one too wide even in the smallest print moves up to leftRoom
// into the cell's left margin. Where even that does not hold it, it takes
// two lines of the smallest print between the row's rules, broken between
// its pieces so that each stays whole. Where two lines cannot hold them all,
// the name stays whole first, then every mark: the place gives way (cut at
// its end, or left out), then the marks take their shorter forms; only what
// even that leaves over is cut, at the second line's end.
void PrintWeaponEntry(const TWeaponEntry& entry, int X, int rowTop, int W, int leftRoom);
// A hand gun's shots, or "--" when it has none.
QString ShotsText(int shots);
