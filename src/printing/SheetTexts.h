#pragma once

#include "model/RulesTypes.h"

#include <QString>

// Texts that the record sheet's and the duel sheet's weapon tables share.

// What follows a weapon's name or abbreviation: its location (with the
// PrinterWeaponLoc setting), " (SWC)", " (HRSWC)" and its component armor.
QString WeaponNameSuffix(const TWeaponType& W);
// The ammunition column: the shots (doubled with extra ammunition) and the
// ammunition's abbreviation, or "--" for a weapon without shots.
QString WeaponAmmoText(const TWeaponType& W);
// A hand gun's shots, or "--" when it has none.
QString ShotsText(int shots);
