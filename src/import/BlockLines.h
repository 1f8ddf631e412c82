#pragma once

#include <QString>

// A stat block written over several lines read as the same block on one
// line: a line break between two items ends the first (it becomes ", "); a
// line break inside a part (its words, as the rules tables and the
// recognisers know them, run on over the break, a bracket is still open, or
// the line ends in a separator, a hyphen or a joining word) is a blank. A
// block with no comma or semicolon between its items is read the same way
// blank by blank.
QString JoinBlockLines(const QString& Block);

// Whether the block separates any items with a comma or a semicolon (one
// inside a bracket separates the bracket's pieces, not items).
bool SeparatesItems(const QString& Block);
