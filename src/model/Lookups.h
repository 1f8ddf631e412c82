#pragma once

#include "model/RulesTypes.h"

#include <QString>

// Rules records found in the program-wide tables; the first match in table
// order wins. Each tells whether it found the item. When none matches, the
// name lookups set only out.Nr to -1 and leave the rest of the record as it
// was; FindEquipmentByNr leaves the record unchanged.

bool FindBodyType(const QString& name, TBodyType& out);
bool FindChassisType(const QString& name, TChassisType& out);
bool FindSuspensionType(const QString& name, TSuspensionType& out);
bool FindCEngineType(const QString& name, TCEngineType& out);
bool FindGEngineType(const QString& name, TGEngineType& out);
bool FindGasTankType(const QString& name, TGasTankType& out);
bool FindTireType(const QString& name, TTireType& out);
bool FindHandGunType(const QString& name, THandGunType& out);

// By abbreviation, ignoring case.
bool FindWeaponType(const QString& abbreviation, TWeaponType& out);
// By abbreviation, case counting; the index or -1.
int FindWeaponTypeIndex(const QString& abbreviation);

bool FindEquipmentByNr(int nr, TEquipmentType& out);
