#pragma once

#include "model/Enums.h"

#include <QString>
#include <QVector>
#include <array>

// The records of the game's construction tables. Every record begins with its
// number and name; fields marked "per vehicle" are never read from a data file
// and only mean something in a design's own copy of the record.

struct TBodyType {
    int Nr = 0;
    QString Name;
    QString Comment;
    int Year = 0;
    int Price = 0;
    int Weight = 0;
    int MaxLoad = 0;
    int Space = 0;
    int CargoSpace = 0;
    bool SixWheels = false;
    bool SixWheelsForce = false;
    int HcCost = 0;
    double ArmorCost = 0;
    double ArmorWeight = 0;
    bool Oversize = false;
    bool Racer = false;
};

struct TChassisType {
    int Nr = 0;
    QString Name;
    QString Comment;
    int Year = 0;
    int Price = 0;     // percent added to the basic cost
    int WeightMod = 0; // percent added to the body's MaxLoad
    bool SixWheels = false;
};

struct TSuspensionType {
    int Nr = 0;
    QString Name;
    QString Comment;
    int Year = 0;
    int Price = 0; // percent added to the basic cost
    int HC = 0;
};

// A power plant.
struct TCEngineType {
    int Nr = 0;
    QString Name;
    QString Comment;
    int Year = 0;
    int Price = 0;
    int Weight = 0;
    int Space = 0;
    int DP = 0;
    int Power = 0;
    bool Oversize = false;
    bool PC = false;  // per vehicle: platinum catalyst
    bool SC = false;  // per vehicle: superconductors
    bool EPC = false; // per vehicle: extra power cells
    int ISC = 0;      // per vehicle: improved supercharger capacitors
};

struct TGEngineType {
    int Nr = 0;
    QString Name;
    QString Comment;
    int Year = 0;
    int Price = 0;
    int Weight = 0;
    int Space = 0;
    int DP = 0;
    int Power = 0;
    int MPG = 0;
    bool Oversize = false;
    bool C = false;   // per vehicle: carburetor
    bool MC = false;  // per vehicle: multibarrel carburetor
    bool TH = false;  // per vehicle: tubular headers
    bool BP = false;  // per vehicle: blueprinting
    bool TC = false;  // per vehicle: turbocharger
    bool VTC = false; // per vehicle: variable-pitch turbocharger
    bool SC = false;  // per vehicle: supercharger
    int NO = 0;       // per vehicle: nitrous oxide tanks
    int CurrentMPG = 0; // per vehicle: miles per gallon after the options
};

struct TGasTankType {
    int Nr = 0;
    QString Name;
    QString Comment;
    int Year = 0;
    int DP = 0;
    int WPG = 0; // lbs per gallon
    int CPG = 0; // dollars per gallon
};

struct TTireType {
    int Nr = 0;
    QString Name;
    QString Comment;
    int Year = 0;
    int Price = 0;
    int Weight = 0;
    int DP = 0;
    bool HC = false;
    bool Radial = false;    // per vehicle
    bool OffRoad = false;   // per vehicle
    bool Racing = false;    // per vehicle
    bool Steelbelt = false; // per vehicle
    bool Fireproof = false; // per vehicle
};

// A weapon of the rules table, and also a weapon mounted on a design.
struct TWeaponType {
    int Nr = 0;
    QString Name;
    QString Abbreviation;
    TWeaponClass Class = wcSmallBore;
    QString Comment;
    int Year = 0;
    TEffectKind EffectKind = ekNone;
    double EffectValue = 0;
    int ToHit = 0;
    TDamageKind DamageKind = dkNone;
    int DamageDice = 0;
    int DamageMod = 0;
    int DP = 0;
    double Space = 0;
    int Cost = 0;
    int Weight = 0;
    double CPS = 0;
    double WPS = 0;
    int Shots = 0;
    int NrOfObjects = 0;
    bool NrOfObjectsUpTo = false;
    QString MountPoints;             // ";FRONT;LEFT;...;"
    TLocation Location = locFront;   // per vehicle
    bool ExtraAmmo = false;          // per vehicle
    bool SWC = false;                // per vehicle
    bool HRSWC = false;              // per vehicle
    QString Ammo;                    // per vehicle: ammunition abbreviation
    bool LaserIR = false;            // per vehicle
    bool LaserPulse = false;         // per vehicle
    int CA = 0;                      // per vehicle: component armor points
    bool CA_FP = false;              // per vehicle
};

struct TAmmoType {
    int Nr = 0;
    QString Name;
    QString Abbreviation;
    QString Comment;
    int Year = 0;
    QString Weapons; // ";<file value>;"
    double Cost = 0;
    double Weight = 0;
    QString Damage;
};

// A hand weapon of the crew.
struct THandGunType {
    int Nr = 0;
    QString Name;
    QString Abbreviation;
    int Year = 0;
    TEffectKind EffectKind = ekNone;
    double EffectValue = 0;
    int ToHit = 0;
    TDamageKind DamageKind = dkNone;
    int DamageDice = 0;
    int DamageMod = 0;
    int GE = 0;
    int Cost = 0;
    double CPS = 0;
    int Shots = 0;
    bool FullDamage = false;
};

// An accessory of the rules table, and also one on a design's accessory list.
struct TEquipmentType {
    int Nr = 0;
    QString Name;
    QString Class;
    QString Comment;
    int Year = 0;
    double Space = 0;
    int Cost = 0;
    int Weight = 0;
    int MaxAmt = 0;
    bool Visible = false;
    bool AddInfoOk = false;
    bool Installed = false; // per vehicle
    int Amount = 0;         // per vehicle
    QString Info;           // per vehicle
};

// One crew seat with its personal equipment.
struct TCrewType {
    bool Seat = false;
    bool BodyArmor = false;
    bool ImprovedBodyArmor = false;
    bool ImpactArmor = false;
    bool GasMask = false;
    bool PFE = false;
    bool TC = false;
    bool ITC = false;
    QString HandGun;
    int CA = 0;
    bool CA_FP = false;
};

// Index 0 the driver, 1 the gunner.
using TCrewTypes = std::array<TCrewType, 2>;

// A rules table: the header of its data file and its records in file order.
template <typename TItem>
struct TRulesTable {
    QString Name;
    QString Comment;
    QString Author;
    QVector<TItem> Items;
};

using TBodyTypes = TRulesTable<TBodyType>;
using TChassisTypes = TRulesTable<TChassisType>;
using TSuspensionTypes = TRulesTable<TSuspensionType>;
using TCEngineTypes = TRulesTable<TCEngineType>;
using TGEngineTypes = TRulesTable<TGEngineType>;
using TGasTankTypes = TRulesTable<TGasTankType>;
using TTireTypes = TRulesTable<TTireType>;
using TWeaponTypes = TRulesTable<TWeaponType>;
using TAmmoTypes = TRulesTable<TAmmoType>;
using THandGunTypes = TRulesTable<THandGunType>;
using TEquipmentTypes = TRulesTable<TEquipmentType>;
