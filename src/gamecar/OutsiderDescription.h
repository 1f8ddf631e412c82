#pragma once

#include "model/RulesTypes.h"

#include <QString>

class TVehicle;

// What other players may see of a design: its outside, without armor
// values, engine options, crew gear, ammunition or figures. Text is assigned
// at the end, so an accounting error on the way reaches the caller and
// leaves Text as it was.
void OutsiderDescription(TVehicle& Vehicle, QString& Text);

// The list of weapon classes of one location with the weapon's class added:
// a new class at the end, a known one counted up ("Rockets" becomes
// "2 Rockets", "2 Rockets" becomes "3 Rockets").
QString AddClassEntry(const QString& List, const TWeaponType& Weapon);
