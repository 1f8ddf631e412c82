#pragma once

#include "model/RulesTypes.h"

#include <QString>
#include <QStringList>
#include <memory>

// A small, consistent rules set held in memory, for tests of the design and
// its accounting. While a TRulesFixture lives, the eleven program-wide rules
// tables hold the set below and the breakdown lists are empty; its destructor
// puts back whatever the tables and lists held before. It uses no test
// framework, so benchmarks can build on it too.
//
// Every table's item 0 is what a new design starts with:
//   BodyTypes        0 Subcompact (price 300, armor $11/pt), 1 Compact (400, $13),
//                    2 Mid-sized (700, $17.5), 3 Van (1000, $30, six wheels)
//   ChassisTypes     Standard (0 %), Light (-20 %), Heavy (+50 %), Extra Heavy (+100 %)
//   SuspensionTypes  Light (0 %), Improved (+100 %), Heavy (+150 %), Off-Road (+500 %)
//   CEngineTypes     Small (500, power 800, 3 spaces), Medium (1000, 1400, 4),
//                    Large (3000, 2000, 5), None (power 0)
//   GEngineTypes     None (power 0), 30 cid (350, power 100, 1 space),
//                    100 cid (3000, 250, 3), 250 cid (8000, 1400, 5; Nr 5: may
//                    take a supercharger)
//   GasTankTypes     Economy ($2/gal), Heavy-Duty ($5/gal), Racing ($10/gal)
//   TireTypes        Standard (50, 4 DP), Heavy-Duty (100, 6 DP),
//                    Puncture-Resistant (201, 9 DP), Plasticore (1000, 25 DP)
//   WeaponTypes      MG (1000, 20 shots @ $25), RR (1500, 10 @ $35.5),
//                    L laser (8000, no shots), HR heavy rocket (100, one shot),
//                    MD mine dropper (500, 10 @ $50), SS smokescreen (250,
//                    10 @ $25, does no damage)
//   AmmoTypes        "-" Normal (fits "-ALL-", factor 1, no extra damage),
//                    "EX" Explosive (MG and RR, factor 1.5, +1 per die)
//   HandGunTypes     Pistol (100, 8 shots @ $1.5), SMG (400, 20 @ $2.5)
//   EquipmentTypes   numbers 0 to 13 in order (see RulesFixture.cpp)
class TRulesFixture
{
public:
    TRulesFixture();
    ~TRulesFixture();
    TRulesFixture(const TRulesFixture&) = delete;
    TRulesFixture& operator=(const TRulesFixture&) = delete;

    // The fixture's records by name or abbreviation; a name that the set
    // does not hold is a mistake in the test and aborts it.
    static TBodyType Body(const QString& name);
    static TChassisType Chassis(const QString& name);
    static TSuspensionType Suspension(const QString& name);
    static TCEngineType CEngine(const QString& name);
    static TGEngineType GEngine(const QString& name);
    static TGasTankType GasTank(const QString& name);
    static TTireType Tire(const QString& name);
    static TWeaponType Weapon(const QString& abbreviation);

private:
    struct TSaved;
    std::unique_ptr<TSaved> FSaved;
};
