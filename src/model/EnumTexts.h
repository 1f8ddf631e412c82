#pragma once

#include "model/Enums.h"

#include <QString>

// How the enumerations are written into design files, lists and descriptions,
// and read back. None of these fails: unknown values get a fixed text.

QString LocationToStr(TLocation location);
TLocation StrToLocation(const QString& text);

QString WeaponClassToStr(TWeaponClass weaponClass);
// A data file's class keyword, recognised by its parts ("Small-Bore Projectile").
TWeaponClass StrToWeaponClass(const QString& keyword);

QString WheelLayoutToStr(TWheelLayout layout);
TWheelLayout StrToWheelLayout(const QString& text);

QString EffectToStr(TEffectKind kind, double radius);
QString DiceToStr(TDamageKind kind, int dice, int modifier);

// "-" below 1, else the number: shots and to-hit numbers of the weapon panel.
QString IntToStrOrDash(int value);
QString ToHitToStr(int value);

// The abbreviation out of a list entry "Name (Abbreviation)".
QString ParenthesisText(const QString& entry);
// The same for ammunition entries; "-" for an entry without " (".
QString ParenthesisTextOrDash(const QString& entry);
