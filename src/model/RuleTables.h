#pragma once

#include "model/Enums.h"
#include "model/RulesTypes.h"

// The construction rules that the game fixes and the data files do not hold.

// Accessory numbers whose part the construction rules fix.
constexpr int AirdamNr = 0;
constexpr int SpoilerNr = 1;
constexpr int RamplateNr = 2;
constexpr int ActiveSuspensionNr = 9;
constexpr int ABSNr = 10;
constexpr int HDShocksNr = 11;
constexpr int PaintCloudFilterNr = 12;
constexpr int BatteryNr = 13;

// Weight in lbs and cost in dollars of the external weapon pods of a kind;
// 0 for no pods or an unknown kind.
int EWPWeight(TEWPKind kind);
int EWPCost(TEWPKind kind);

// Body spaces, weight in lbs and cost in dollars of a turret of a kind; 0 for
// no turret or an unknown kind.
int TurretSpace(TTurretKind kind);
int TurretWeight(TTurretKind kind);
int TurretCost(TTurretKind kind);

// Weight in lbs and cost in dollars of a rocket platform of 1 to 3 spaces;
// 0 for none or any other size.
int RocketPlatformWeight(int spaces);
int RocketPlatformCost(int spaces);

// Multiplier of the collision damage for a vehicle of that weight in lbs.
double CollisionDamageModifier(int weight);

// Collision damage at a speed in mph (a multiple of 5) as dice and adds.
void CollisionDamageBySpeed(int speed, int& dice, int& adds);

// Price and weight of a weapon with a full load of ordinary ammunition.
int LoadedWeaponCost(const TWeaponType& weapon);
int LoadedWeaponWeight(const TWeaponType& weapon);

// Confetti number and number of counters of the record sheet for a weight.
void ConfettiCounters(int weight, int& confettiNr, int& counters);

// Extra damage per die of an ammunition type: its Damage text as a signed
// whole number ("+1", "-1"); 0 for anything else.
int AmmoDamagePerDie(const TAmmoType& ammo);
