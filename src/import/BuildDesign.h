#pragma once

#include <QString>
#include <QStringList>

class TImportTarget;
class TVehicle;

// Stage 2 of the import: builds a new design from the lines of the result
// text alone, through the main window's commands, and returns what goes to
// the leftovers afterwards (the claimed figures that differ from the
// calculated ones and those not understood, empty when all agree or nothing
// was built). The result is tried on a design of its own first: a count or
// armor value that is no number raises EConvertError, a weapon past
// MostDesignWeapons ERangeError (a text of many counted weapon words, "100
// MG, ", would otherwise hold the window up for minutes), and figures that
// cannot be computed raise their error, before the main window is touched, with a message that says
// what failed and that the open design stays open.
QString AcceptImport(const QStringList& ResultLines, TImportTarget& Main);

// Splits a result line into its key and value: the key is empty for an empty
// line and "Error" for a problem line; a key line keeps its value in Line.
void SplitResultLine(QString& Line, QString& Key);

// The multi-part items, each from its value as the result text holds it.
void ApplyTires(TVehicle& V, const QString& Value);
void ApplyCrew(TVehicle& V, const QString& Value);
void ApplyWheelguards(TVehicle& V, const QString& Value);
void ApplyHubcaps(TVehicle& V, const QString& Value);
void ApplyArmor(TVehicle& V, const QString& Value);
void ApplyEngine(TVehicle& V, const QString& Value);
void ApplyWeapons(TVehicle& V, TImportTarget& Main, const QString& Value);
void ApplyEquipment(TVehicle& V, const QString& Value);

int TurretKindFromText(QString S);
int EWPKindFromText(QString S);
int RocketPlatformSizeFromText(QString S);
