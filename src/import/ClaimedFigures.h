#pragma once

#include <QString>
#include <QStringList>

class TVehicle;

// The figures a stat block claims for its design. Each reader returns the
// claimed value as written (empty when its keyword is missing) and cuts
// keyword and value out of the working text.
QString ParseAcceleration(QString& S);
QString ParseTopSpeed(QString& S);
QString ParseHC(QString& S);
QString ParseWeight(QString& S);
QString ParseCost(QString& S);

// The claims as numbers; 0 is never compared. A claim that is no number in
// range is not compared either: its result line is kept to be shown as not
// understood.
struct TClaims {
    int Acceleration = 0;
    int Speed = 0;
    int HC = 0;
    int Weight = 0;
    int Cost = 0;
    QStringList NotUnderstood;
    // The result lines whose counts were not taken whole.
    QStringList Cut;
};

// The number a claimed value's result line holds, 0 when none.
int ClaimValue(const QString& Value);

// The report of every claim that differs from the design's own figure, and
// of every claim not understood, as one addition to the leftovers
// ("\r\n---\r\n" and one line each), or empty when all agree.
QString CompareClaims(TVehicle& Vehicle, const TClaims& Claims);
