#include "model/EnumTexts.h"

#include "model/Utils.h"
#include "platform/Format.h"

#include <cmath>

namespace {

const char* const LocationTexts[] = {"front", "left", "right", "back", "turret", "EWP", "rocket platform"};

const char* const WeaponClassTexts[] = {
    "Small-Bore Projectile Weapons", "Large-Bore Projectile Weapons", "Rockets", "Lasers", "Flamethrowers",
    "Dropped Gases", "Dropped Liquids", "Dropped Solids", "Dischargers",
};

const char* const WheelLayoutTexts[] = {"4 Wheels", "6 Wheels, 2 Axis", "6 Wheels, 3 Axis"};

const char* const EffectTexts[] = {"-", "area", "paint", "smoke", "dropped", "burst"};

// The closing bracket goes; a text cut short loses its last character all the same.
QString WithoutLastChar(const QString& text)
{
    return text.left(qMax(0, int(text.size()) - 1));
}

} // namespace

QString LocationToStr(TLocation location)
{
    if (location > locRocketPlatform)
        return QString::fromLatin1(LocationTexts[locTurret]);
    return QString::fromLatin1(LocationTexts[location]);
}

TLocation StrToLocation(const QString& text)
{
    for (TLocation location : {locTurret, locLeft, locRight, locBack, locEWP, locRocketPlatform})
        if (text == QLatin1String(LocationTexts[location]))
            return location;
    return locFront;
}

QString WeaponClassToStr(TWeaponClass weaponClass)
{
    if (weaponClass > wcDischargers)
        return QStringLiteral("<Unknown Weapon Class>");
    return QString::fromLatin1(WeaponClassTexts[weaponClass]);
}

TWeaponClass StrToWeaponClass(const QString& keyword)
{
    const QString s = keyword.toUpper();
    if (s.contains(QLatin1String("PROJ")))
        return s.contains(QLatin1String("SMALL")) ? wcSmallBore : wcLargeBore;
    if (s.contains(QLatin1String("ROC")))
        return wcRockets;
    if (s.contains(QLatin1String("LAS")))
        return wcLasers;
    if (s.contains(QLatin1String("FLA")))
        return wcFlamethrowers;
    if (s.contains(QLatin1String("DISCHA")))
        return wcDischargers;
    if (!s.contains(QLatin1String("DROP")))
        return wcUnknown;
    if (s.contains(QLatin1String("GAS")))
        return wcDroppedGases;
    if (s.contains(QLatin1String("LIQ")))
        return wcDroppedLiquids;
    return wcDroppedSolids;
}

QString WheelLayoutToStr(TWheelLayout layout)
{
    if (layout > wl6Wheels3Axis)
        return QStringLiteral("<Error>");
    return QString::fromLatin1(WheelLayoutTexts[layout]);
}

TWheelLayout StrToWheelLayout(const QString& text)
{
    const QString s = text.toUpper();
    if (s == QLatin1String("6 WHEELS, 3 AXIS"))
        return wl6Wheels3Axis;
    if (s == QLatin1String("6 WHEELS, 2 AXIS"))
        return wl6Wheels2Axis;
    return wl4Wheels;
}

QString EffectToStr(TEffectKind kind, double radius)
{
    QString text = kind > ekBurst ? QStringLiteral("<unknown>") : QString::fromLatin1(EffectTexts[kind]);
    if (radius > 0) {
        // The double quote is the inch sign.
        if (radius == std::floor(radius))
            text += Format(QStringLiteral(", %d\""), {Round(radius)});
        else
            text += Format(QStringLiteral(", %s\""), {FloatToText(radius)});
    }
    return text;
}

QString DiceToStr(TDamageKind kind, int dice, int modifier)
{
    switch (kind) {
    case dkNone:
        return QStringLiteral("-");
    case dkFixed:
        return QString::number(modifier);
    case dkDice:
        if (modifier > 0)
            return Format(QStringLiteral("%dd6%s"), {dice, QStringLiteral("+") + QString::number(modifier)});
        if (modifier < 0)
            return Format(QStringLiteral("%dd6%s"), {dice, QString::number(modifier)});
        return Format(QStringLiteral("%dd6"), {dice});
    }
    return QStringLiteral("<unknown>");
}

QString IntToStrOrDash(int value)
{
    return value < 1 ? QStringLiteral("-") : QString::number(value);
}

QString ToHitToStr(int value)
{
    return IntToStrOrDash(value);
}

QString ParenthesisText(const QString& entry)
{
    const int open = entry.indexOf(QLatin1Char('('));
    if (open < 0)
        return entry;
    return WithoutLastChar(entry.mid(open + 1));
}

QString ParenthesisTextOrDash(const QString& entry)
{
    const int open = entry.indexOf(QLatin1String(" ("));
    if (open < 0)
        return QStringLiteral("-");
    return WithoutLastChar(entry.mid(open + 2));
}
