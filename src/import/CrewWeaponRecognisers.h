#pragma once

#include <QString>

// The recognisers that work from keyword tables built out of the rules
// tables: the crew with its gear and hand weapons, and the weapons with the
// turret, pods, rocket platform and accessories. Each builds SearchTable for
// itself and leaves both search tables empty.

// "Driver and Gunner: " or "Driver: " with the gear lists; empty when no
// driver is named.
QString ParseCrew(QString& S);

// The "* Weapons: " and "* Equipment: " block of the result text; empty when
// the text names neither a weapon nor an accessory.
QString ParseWeapons(QString& S);

void BuildCrewSearchTable();
void BuildWeaponSearchTable();
