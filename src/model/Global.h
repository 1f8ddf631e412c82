#pragma once

#include "model/RulesTypes.h"

#include <QString>
#include <QStringList>
#include <array>

// The state that lives as long as the program and that several parts of it
// share. Everything else keeps its state file-local.

class TGameCar;
class TBitmap32;

// The rules tables, filled once at start-up by ReadAllTypes.
extern TBodyTypes BodyTypes;
extern TChassisTypes ChassisTypes;
extern TSuspensionTypes SuspensionTypes;
extern TCEngineTypes CEngineTypes;
extern TGEngineTypes GEngineTypes;
extern TGasTankTypes GasTankTypes;
extern TTireTypes TireTypes;
extern TWeaponTypes WeaponTypes;
extern TAmmoTypes AmmoTypes;
extern THandGunTypes HandGunTypes;
extern TEquipmentTypes EquipmentTypes;

// The design being edited, the own car on the test map (it shares Car's
// design) and the opponent; created and freed by the main window.
extern TGameCar* Car;
extern TGameCar* TestCar;
extern TGameCar* EnemyCar;

// The breakdown lists that the accounting clears and fills. They exist for
// the whole run, so a design can be created at any time.
extern QStringList ScratchList;
extern QStringList CostList;
extern QStringList WeightList;
extern QStringList SpaceList;
extern QStringList YearList;

// The crew as entered in the main window.
extern TCrewTypes CrewBuffer;

// While set, the main window does not recalculate.
extern bool GUILoading;
// While set, the armor edits do not write into the design.
extern bool ArmorLoading;

// The test map's silhouette layer and its background tile.
extern TBitmap32* MapMask;
extern TBitmap32* GridImage;

// Recent design files, index 0 the newest.
constexpr int LastFilesCount = 10;
extern std::array<QString, LastFilesCount> LastFiles;

extern int CarFrameNr;
extern int EnemyFrameNr;

// The settings variables, one per key of the settings file, named after it.
// They hold zero values until the settings file is read.

// [AA] design-rule limits
extern int Div;
extern bool DivUse;
extern int Year;
extern bool YearUse;
extern int MaxHC;
extern bool MaxHCUse;
extern bool TankGun;
extern bool SubHC;
extern bool ConfettiNr;
extern bool AllowCA;

// [Options]
extern bool AutoLoad;
extern bool ConfirmQuit;
extern bool ConfirmSave;
extern bool ShowTitle;
extern bool DetailLoad;
extern QString Username;
extern bool PrintFont;
extern bool OldLogo;
extern bool PrinterWeaponLoc;
extern bool PrinterRes;
extern int PrinterResX;
extern int PrinterResY;
extern bool ShowEff;
extern bool Res600;
extern bool IgnoreAmmo;
extern bool AlwaysHit;
extern int DamageCaused;

// [Test]
extern bool Trace;
extern int AttackTarget;
extern int AttackLocation;
extern int TargetFacing;
extern int CarBodyView;
extern QString Enemy;
extern int TargetView;
