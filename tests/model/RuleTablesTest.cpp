#include "model/RuleTables.h"
#include "platform/Errors.h"

#include <gtest/gtest.h>

#include <limits>

TEST(RuleTables, PodsByKind)
{
    const int weights[] = {0, 300, 150, 500, 250, 800, 400, 0};
    const int costs[] = {0, 1000, 500, 2000, 1000, 4000, 2000, 0};
    for (int kind = 0; kind <= 7; ++kind) {
        EXPECT_EQ(EWPWeight(kind), weights[kind]) << kind;
        EXPECT_EQ(EWPCost(kind), costs[kind]) << kind;
    }
    EXPECT_EQ(EWPCost(-1), 0);
}

TEST(RuleTables, TurretSpaceByKind)
{
    // The three-space turret takes only 2 spaces.
    const int spaces[] = {0, 1, 1, 3, 2, 4, 2, 5, 0};
    for (int kind = 0; kind <= 8; ++kind)
        EXPECT_EQ(TurretSpace(kind), spaces[kind]) << kind;
}

TEST(RuleTables, TurretWeightAndCostByKind)
{
    const int weights[] = {0, 75, 150, 300, 200, 350, 300, 450, 0};
    const int costs[] = {0, 750, 1000, 2000, 1500, 2500, 2500, 3500, 0};
    for (int kind = 0; kind <= 8; ++kind) {
        EXPECT_EQ(TurretWeight(kind), weights[kind]) << kind;
        EXPECT_EQ(TurretCost(kind), costs[kind]) << kind;
    }
    EXPECT_EQ(TurretCost(-1), 0);
}

TEST(RuleTables, RocketPlatformWeightAndCostBySpaces)
{
    const int weights[] = {0, 50, 100, 200, 0};
    const int costs[] = {0, 75, 100, 150, 0};
    for (int spaces = 0; spaces <= 4; ++spaces) {
        EXPECT_EQ(RocketPlatformWeight(spaces), weights[spaces]) << spaces;
        EXPECT_EQ(RocketPlatformCost(spaces), costs[spaces]) << spaces;
    }
    EXPECT_EQ(RocketPlatformWeight(-1), 0);
}

TEST(RuleTables, CollisionDamageModifierByWeight)
{
    const struct {
        int Weight;
        double Modifier;
    } cases[] = {{1, 1.0 / 3}, {2000, 1.0 / 3}, {2001, 2.0 / 3}, {4000, 2.0 / 3},
                 {4001, 1}, {8000, 1}, {8001, 2}, {12000, 2}, {12001, 3}};
    for (const auto& c : cases)
        EXPECT_EQ(CollisionDamageModifier(c.Weight), c.Modifier) << c.Weight;
}

TEST(RuleTables, CollisionDamageBySpeed)
{
    const struct {
        int Speed, Dice, Adds;
    } cases[] = {{0, 0, 0},  {5, 1, -4},  {10, 1, -2}, {15, 1, -1}, {20, 1, 0},
                 {25, 1, 0}, {30, 1, 0},  {35, 2, 0},  {40, 3, 0},  {50, 5, 0},
                 {100, 15, 0}};
    for (const auto& c : cases) {
        int dice = -99;
        int adds = -99;
        CollisionDamageBySpeed(c.Speed, dice, adds);
        EXPECT_EQ(dice, c.Dice) << c.Speed;
        EXPECT_EQ(adds, c.Adds) << c.Speed;
    }
    int dice = 0;
    int adds = 0;
    EXPECT_THROW(CollisionDamageBySpeed(std::numeric_limits<int>::min(), dice, adds), EOverflow);
}

TEST(RuleTables, LoadedWeaponCostAndWeight)
{
    TWeaponType w;
    w.Cost = 1000;
    w.Weight = 150;
    w.CPS = 25;
    w.WPS = 2.5;
    w.Shots = 20;
    EXPECT_EQ(LoadedWeaponCost(w), 1500);
    EXPECT_EQ(LoadedWeaponWeight(w), 200);
    // A half rounds to even: 10 x 0.25 + 100 = 102.5.
    w.Cost = 100;
    w.CPS = 0.25;
    w.Shots = 10;
    EXPECT_EQ(LoadedWeaponCost(w), 102);
    // One shot: the weapon's own price and weight, whatever it costs per shot.
    w.Shots = 1;
    EXPECT_EQ(LoadedWeaponCost(w), 100);
    EXPECT_EQ(LoadedWeaponWeight(w), 150);
}

TEST(RuleTables, ConfettiCounters)
{
    const struct {
        int Weight, Confetti, Counters;
    } cases[] = {{100, 2, 1}, {120, 3, 1}, {0, 0, 0}, {500, 10, 3}, {4000, 80, 20}};
    for (const auto& c : cases) {
        int confetti = -1;
        int counters = -1;
        ConfettiCounters(c.Weight, confetti, counters);
        EXPECT_EQ(confetti, c.Confetti) << c.Weight;
        EXPECT_EQ(counters, c.Counters) << c.Weight;
    }
}

TEST(RuleTables, AmmoDamagePerDie)
{
    const struct {
        const char* Damage;
        int Bonus;
    } cases[] = {{"+1", 1}, {"-1", -1}, {"2", 2}, {"0", 0}, {"", 0}, {"x1", 0},
                 {"+1.5", 0}, {"+", 0}, {"+-1", 0}, {"1 per die", 0}};
    for (const auto& c : cases) {
        TAmmoType a;
        a.Damage = QString::fromLatin1(c.Damage);
        EXPECT_EQ(AmmoDamagePerDie(a), c.Bonus) << c.Damage;
    }
}
