#pragma once

#include <QString>

// The recognisers of the vehicle's parts. Each takes the working text, returns
// the value of its result line (empty when nothing was recognised) and cuts
// what it understood out of the text.

QString ParseName(QString& S, bool& HasAuthor);
QString ParseAuthor(QString& S, bool HasAuthor);
QString ParseBody(QString& S, QString& Description);
QString ParseChassis(QString& S);
QString ParseSuspension(QString& S);
QString ParseTires(QString& S);
QString DescribeTireItem(QString Item, bool DefaultRear);
QString ParseWheelguards(QString& S);
QString ParsePoints(QString& Item);
QString ParseArmor(QString& S);
QString ParseEngine(QString& S);
QString ParseGasTank(const QString& S);

// The armor recogniser's value when the text names no armor at all.
inline const QString NoArmorMarker = QStringLiteral("|<no armor>|");
