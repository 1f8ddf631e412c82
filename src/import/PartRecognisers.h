#pragma once

#include <QString>
#include <QStringList>

// The recognisers of the vehicle's parts. Each takes the working text, returns
// the value of its result line (empty when nothing was recognised) and cuts
// what it understood out of the text.

QString ParseName(QString& S, bool& HasAuthor);
QString ParseAuthor(QString& S, bool HasAuthor);
QString ParseBody(QString& S, QString& Description);
QString ParseChassis(QString& S);
QString ParseSuspension(QString& S);
QString ParseTires(QString& S);
QString DescribeTireItem(QString Item, bool DefaultRear, QString* Unread = nullptr);
QString ParseWheelguards(QString& S);
QString ParsePoints(QString& Item);
// With Unread the block separates its items: the armor's kind phrase runs
// back to the separator before it, and what of it names no kind goes to
// Unread; without, the words before the kind are parts of their own.
QString ParseArmor(QString& S, QStringList* Unread = nullptr);
QString ParseEngine(QString& S);
// The tank text, and the span [Start, End] of the working text it was read
// from; empty when the text names no tank.
QString ParseGasTank(const QString& S, int& Start, int& End);

// The armor recogniser's value when the text names no armor at all.
inline const QString NoArmorMarker = QStringLiteral("|<no armor>|");
