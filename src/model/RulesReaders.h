#pragma once

#include "model/RulesTypes.h"

#include <QString>
#include <QStringList>

// The readers of the eleven rules data files "Data/<base name>.txt". Each
// reports a broken file through ReportError under its own name and returns
// the items it read completely.

TBodyTypes ReadBodyTypes(const QString& baseName);
TChassisTypes ReadChassisTypes(const QString& baseName);
TSuspensionTypes ReadSuspensionTypes(const QString& baseName);
TCEngineTypes ReadCEngineTypes(const QString& baseName);
TGEngineTypes ReadGEngineTypes(const QString& baseName);
TGasTankTypes ReadGasTankTypes(const QString& baseName);
TTireTypes ReadTireTypes(const QString& baseName);
TWeaponTypes ReadWeaponTypes(const QString& baseName);
TAmmoTypes ReadAmmoTypes(const QString& baseName);
THandGunTypes ReadHandGunTypes(const QString& baseName);
TEquipmentTypes ReadEquipmentTypes(const QString& baseName);

// Fixes the "." number format, then fills the program-wide tables from the
// data files in the folder Data below the working folder.
void ReadAllTypes();

// The data files whose tables a new design needs but which gave no item.
QStringList EmptyDesignTables();

// Value parsers of the weapon and hand-weapon files. The effect and damage
// parsers report their own conversion errors, behind the value's place in the
// data files when it is given, and return what they got so far;
// ParseNrOfObjects lets its error reach the reader.
TEffectKind StringToEffect(const QString& value, double& radius, const QString& place = QString());
TDamageKind StringToDamage(const QString& value, int& dice, int& modifier, const QString& place = QString());
void ParseNrOfObjects(const QString& value, int& nrOfObjects, bool& upTo);
