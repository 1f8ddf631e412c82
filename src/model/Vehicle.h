#pragma once

#include "model/Enums.h"
#include "model/RulesTypes.h"

#include <QString>
#include <QStringList>

// The armor block of a design: plastic points per side and on the pods,
// metal points per side, and the two armor options.
struct TArmor {
    int Front = 0;
    int Left = 0;
    int Right = 0;
    int Back = 0;
    int Top = 0;
    int Bottom = 0; // underbody
    int EWP = 0;    // plastic armor of the external weapon pods
    int FrontM = 0;
    int LeftM = 0;
    int RightM = 0;
    int BackM = 0;
    int TopM = 0;
    int BottomM = 0;
    bool FP = false; // fireproof
    bool LR = false; // laser-reflective
};

// One vehicle design: the chosen rules records with their per-vehicle
// options, armor, add-ons, weapons, accessories and crew, and the figures the
// accounting leaves behind for later readers. Each accounting call clears and
// refills the breakdown list it is given.
// Each weapon of a design becomes a row of controls in the window, which
// takes this many within a few seconds; a design file or an import of more
// is refused whole.
constexpr int MostDesignWeapons = 5000;

// Designs are a few kB; the largest of the most weapons is some 600 kB. A
// file beyond this is no design, and reading it (its texts shown, its
// sections looked up) would hold the program up: it is refused unread.
constexpr qint64 LargestDesignFile = qint64(4) << 20;

class TVehicle
{
public:
    // The rules tables and ScratchList must be filled first.
    TVehicle();

    // Resets to a new design of the first item of every rules table.
    void Clear();

    // Mounted weapons; indexes must be valid.
    int AddWeapon(const TWeaponType& W, int& Index);
    void DeleteWeapon(int i);
    void SetWeaponLocation(int i, TLocation L);
    void GetWeapon(int i, TWeaponType& W) const;
    int WeaponCount() const;
    bool HasWeaponClass(TWeaponClass C) const;

    // Accessories, by accessory number; the first entry of a number is meant.
    int EquipmentCount() const;
    void GetEquipment(int Nr, TEquipmentType& E) const;
    int EquipmentAmount(int Nr) const;
    void SetEquipment(int Nr, int Amount, const QString& Info);
    bool HasEquipment(int Nr) const;
    bool HasActiveSuspension() const;
    bool HasABS() const;
    bool HasHDShocks() const;
    bool IgnoresPaintClouds() const;
    QString GetAirdamSpoilerCode() const;

    void FindAmmo(const QString& Abbreviation, TAmmoType& A) const;
    TArmorKind ArmorKind() const;
    // A pair of side pods (an odd pod kind) carries the left and right
    // weapons.
    bool HasSidePods() const;
    int RollWeaponDamage(const TWeaponType& W, int& Min, int& Max, int& Sixes) const;
    int EffectivePower() const;

    // The design file (VehicleFile.cpp). Save reports a failure and returns
    // false, leaving any previous file whole. Load leaves Err empty on
    // success; on failure (a file that cannot be read, is larger than
    // LargestDesignFile, holds more than MostDesignWeapons weapons or a
    // damaged line, or a design whose figures cannot be computed) Err says
    // why and the design is left as it was.
    bool Save(const QString& FileName);
    void Load(const QString& FileName, QString& Err);

    // Cost report (VehicleCost.cpp).
    int GetCost(QStringList& List);
    int GetEngineCost(QStringList& List) const;
    int GetTireCost(const TTireType& Tire, QStringList& List, bool Front) const;
    int GetEquipmentCost(QStringList& List) const;
    int GetTireDP(const TTireType& Tire) const;

    // Weight report (VehicleWeight.cpp). GetWeight leaves Weight and
    // MaxWeight, which the handling class, acceleration and every other
    // reader of them rely on.
    int GetWeight(QStringList& List);
    int GetEngineWeight(QStringList& List) const;
    int GetTireWeight(const TTireType& Tire, QStringList& List, bool Front) const;
    // Pounds of armor, or with PointsOnly its points; -1 stands for the
    // design's own metal or plastic points, and then the pods' armor is
    // weighed as well, as the weight report weighs it.
    double GetArmorWeight(bool PointsOnly, int Metal, int Plastic) const;
    int GetArmorPointsForWeight(int Weight, bool Plastic) const;
    // The heaviest design that still reaches an acceleration class.
    int GetMaxWeightForAcc(int Class) const;

    // Space report (VehicleSpace.cpp); leaves SpaceLeft.
    int GetSpace(QStringList& List);
    int GetEngineSpace(QStringList& List) const;
    int GetTankSpace() const;
    int GetCrewCount() const;
    double GetCrewSpace() const;
    // Weapons in a turret, pod or on a rocket platform, and side weapons
    // that sit in a pair of side pods, take no body space.
    bool IsBodyWeapon(int i) const;

    // Movement figures (VehiclePerformance.cpp). The speeds and the range
    // run a full weight report into ScratchList; GetRange leaves the gas
    // engine's CurrentMPG.
    int GetCargoSpace();
    int GetHC();
    int GetTopSpeed();
    int GetAcceleration();
    int GetCruisingSpeed();
    int GetReverseSpeed();
    int GetRange();

    // Design year with the trail of components that pushed it up
    // (VehicleYear.cpp).
    int GetYear(QStringList& List) const;

    // Combat figures (VehicleCombat.cpp). The collision texts read Weight:
    // GetWeight runs first.
    double GetWeaponEfficiency(const TWeaponType& W, int Mode, int ToHitModifier) const;
    void GetFirepower(TLocation Facing, QString& Text) const;
    void GetCollisionModifierText(QString& Text) const;
    void GetCollisionDamageText(int Speed, QString& Text) const;

    // Placement rules and validity (VehicleValidity.cpp); both refresh the
    // stored figures through the reports they run.
    void CheckWeaponPlacement(QString& Message);
    void CheckValid(QString& Reason);

    int WeaponSerial = 0;
    TBodyType Body;
    TChassisType Chassis;
    TSuspensionType Suspension;
    TCEngineType PowerCellEngine;
    TGEngineType GasEngine;
    TGasTankType GasTank;
    TTireType TiresFront;
    TTireType TiresRear;
    TWheelLayout Axis = wl4Wheels;
    TArmor Armor;
    TWeaponTypes Weapons;
    TAmmoTypes Ammo;
    TEquipmentTypes Equipment;
    TCrewTypes Crew;
    int TankSize = 0;
    int EngineCA = 0;
    bool EngineCA_FP = false;
    int GuardsFront = 0;
    int GuardsRear = 0;
    int HubsFront = 0;
    int HubsRear = 0;
    int Cost = 0;
    int Weight = 0;
    int MaxWeight = 0;
    int SpaceLeft = 0;
    int CargoSpace = 0;
    int HC = 0;
    int Acceleration = 0;
    bool Streamlined = false;
    bool CAFrame = false;
    bool Rollcage = false;
    bool Sloped = false;
    TTurretKind Turret = tkNone;
    TEWPKind EWP = ewpNone;
    bool EWPFF = true;
    bool EWPR = false;
    int RocketPlatform = 0;
    QString Name;
    QString Author;
    QString Comment;
    int PosX = 0;
    int PosY = 0;
    int TargetX = -1;
    int TargetY = -1;

private:
    const TEquipmentType* FindEquipment(int Nr) const;
};

// A copy of a weapon table that shares nothing with its source.
void CopyWeaponTypes(const TWeaponTypes& Source, TWeaponTypes& Dest);

// Percent chance of rolling at least N on two dice; 0 above 12.
int ChanceAtLeast(int N);

// "front", "left", "right", "back"; any other facing reads "turret".
QString FacingName(int Facing);
