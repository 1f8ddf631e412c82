#include "model/Global.h"

TBodyTypes BodyTypes;
TChassisTypes ChassisTypes;
TSuspensionTypes SuspensionTypes;
TCEngineTypes CEngineTypes;
TGEngineTypes GEngineTypes;
TGasTankTypes GasTankTypes;
TTireTypes TireTypes;
TWeaponTypes WeaponTypes;
TAmmoTypes AmmoTypes;
THandGunTypes HandGunTypes;
TEquipmentTypes EquipmentTypes;

TGameCar* Car = nullptr;
TGameCar* TestCar = nullptr;
TGameCar* EnemyCar = nullptr;

QStringList ScratchList;
QStringList CostList;
QStringList WeightList;
QStringList SpaceList;
QStringList YearList;

TCrewTypes CrewBuffer;

bool GUILoading = false;
bool ArmorLoading = false;

TBitmap32* MapMask = nullptr;
TBitmap32* GridImage = nullptr;

std::array<QString, LastFilesCount> LastFiles;

int CarFrameNr = 0;
int EnemyFrameNr = 0;

int Div = 0;
bool DivUse = false;
int Year = 0;
bool YearUse = false;
int MaxHC = 0;
bool MaxHCUse = false;
bool TankGun = false;
bool SubHC = false;
bool ConfettiNr = false;
bool AllowCA = false;

bool AutoLoad = false;
bool ConfirmQuit = false;
bool ConfirmSave = false;
bool ShowTitle = false;
bool DetailLoad = false;
QString Username;
bool PrintFont = false;
bool OldLogo = false;
bool PrinterWeaponLoc = false;
bool PrinterRes = false;
int PrinterResX = 0;
int PrinterResY = 0;
bool ShowEff = false;
bool Res600 = false;
bool IgnoreAmmo = false;
bool AlwaysHit = false;
int DamageCaused = 0;

bool Trace = false;
int AttackTarget = 0;
int AttackLocation = 0;
int TargetFacing = 0;
int CarBodyView = 0;
QString Enemy;
int TargetView = 0;
