#pragma once

#include "model/RulesTypes.h"

#include <QString>

class TVehicle;

// The stat block of a design: every part in a fixed order, closing with its
// acceleration, top speed, handling class, weight and cost, and a line that
// marks an invalid design. The text import reads texts of this shape back,
// so every literal and separator is part of an exchange format.
//
// With WithHeader (the screen form) the text opens with the name, author and
// comment and lists the crew's hand guns from CrewBuffer; without (the
// printed form) its first line is empty. The figures are computed here, but
// the acceleration reads the weight and the cargo the value that the last
// recalculation of the design stored.
void OfficialDescription(TVehicle& Vehicle, bool WithHeader, QString& Text);

// The tire set's name followed by its options.
QString TireDescription(const TTireType& Tire);

// Both tire sets, as one piece when they are alike.
QString TiresDescription(const TTireType& Front, const TTireType& Rear);

// ", Zero-space Turret" and so on; the kinds that take body space are named
// only on bodies that can carry them.
QString TurretDescription(TTurretKind Turret, const TBodyType& Body);

// Who reads a description: the stat block names every installed accessory
// with its note, an outsider sees only the visible ones and no notes.
enum class TAccessoryView { Official, Outsider };

// ", " and the entry of each installed accessory the reader is told of, in
// table order.
QString AccessoriesText(const TVehicle& V, TAccessoryView View);

// ", One-Space Side EWP" and so on, with "Rocket " before "EWP" for a
// rocket pod; empty for kinds outside 1 to 6.
QString PodDescription(TEWPKind EWP, bool Rocket);
