#pragma once

// Small pieces of the design's accounting that its reports share; for the
// model's own source files.

#include "model/Vehicle.h"
#include "platform/Format.h"
#include "platform/Numbers.h"

// Adds to a running sum, raising EOverflow where an int cannot hold it.
inline void Add(int& sum, int amount)
{
    sum = CheckedAdd(sum, amount);
}

// Points of plastic and of metal armor on the six sides; the pods' armor is
// not among them.
inline int PlasticPoints(const TArmor& a)
{
    return CheckedAdd(CheckedAdd(CheckedAdd(a.Front, a.Left), CheckedAdd(a.Right, a.Back)),
                      CheckedAdd(a.Top, a.Bottom));
}

inline int MetalPoints(const TArmor& a)
{
    return CheckedAdd(CheckedAdd(CheckedAdd(a.FrontM, a.LeftM), CheckedAdd(a.RightM, a.BackM)),
                      CheckedAdd(a.TopM, a.BottomM));
}

// A mounted weapon as the cost and weight reports name it: "IR ", "Pulse ",
// the abbreviation, "+SWC", "+HRSWC" and "(%d pt%s CA) " for its component
// armor, each where it applies.
inline QString WeaponCaption(const TWeaponType& W)
{
    QString caption;
    if (W.LaserIR)
        caption += QLatin1String("IR ");
    if (W.LaserPulse)
        caption += QLatin1String("Pulse ");
    caption += W.Abbreviation;
    if (W.SWC)
        caption += QLatin1String("+SWC");
    if (W.HRSWC)
        caption += QLatin1String("+HRSWC");
    if (W.CA > 0)
        caption += Format(QStringLiteral("(%d pt%s CA) "),
                          {W.CA, W.CA_FP ? QStringLiteral(" FP") : QString()});
    return caption;
}
