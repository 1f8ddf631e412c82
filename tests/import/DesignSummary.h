#pragma once

#include <QString>

class TVehicle;

// Everything of a design that the accounting reads, one line a part, in an
// order that does not depend on the order the parts were added in. Weapons
// are listed as the stat block groups them (name and place, count, loads,
// magazines and the group's options), since the text names a group's loads
// and magazines but not which weapon carries which. With Header the name,
// author and notes are listed too.
QString DesignSummary(TVehicle& V, bool Header);

// The ways a stat block comes besides as the program writes it: its longest
// line hard-wrapped at blanks to Width characters, or split into one item a
// line (Width 0).
QString LaidOut(const QString& Text, int Width);

// The stat block as a mail program passes it on: every line from the block on
// hard-wrapped at blanks to Width characters (the invalid mark's line too),
// each line indented by a tab and ended by CR LF, a blank line between the
// block and the mark. The header lines stay as they are.
QString MailedOut(const QString& Text, int Width);
