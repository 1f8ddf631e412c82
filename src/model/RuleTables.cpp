#include "model/RuleTables.h"

#include "platform/Numbers.h"

#include <charconv>
#include <cstddef>

namespace {

struct TPodRule {
    int Weight = 0;
    int Cost = 0;
};

// Indexed by pod kind - 1.
constexpr TPodRule PodRules[] = {
    {300, 1000}, // one-space side pair
    {150, 500},  // one-space top
    {500, 2000}, // two-space side pair
    {250, 1000}, // two-space top
    {800, 4000}, // three-space side pair
    {400, 2000}, // three-space top
};

struct TTurretRule {
    int Weight = 0;
    int Cost = 0;
    int Space = 0;
};

// Indexed by turret kind - 1. The three-space turret takes 2 spaces.
constexpr TTurretRule TurretRules[] = {
    {75, 750, 1},   // zero-space
    {150, 1000, 1}, // one-space
    {300, 2000, 3}, // one-space pop-up
    {200, 1500, 2}, // two-space
    {350, 2500, 4}, // two-space pop-up
    {300, 2500, 2}, // three-space
    {450, 3500, 5}, // three-space pop-up
};

// Weight and cost of a rocket platform, indexed by its spaces - 1.
constexpr TPodRule RocketPlatformRules[] = {{50, 75}, {100, 100}, {200, 150}};

// The row for a kind numbered from 1; a row of zeros for 0 or an unknown
// kind.
template <typename T, std::size_t N>
const T& RuleOf(const T (&rules)[N], int kind)
{
    static constexpr T None{};
    if (kind < 1 || kind > static_cast<int>(N))
        return None;
    return rules[kind - 1];
}

} // namespace

int EWPWeight(TEWPKind kind)
{
    return RuleOf(PodRules, kind).Weight;
}

int EWPCost(TEWPKind kind)
{
    return RuleOf(PodRules, kind).Cost;
}

int TurretSpace(TTurretKind kind)
{
    return RuleOf(TurretRules, kind).Space;
}

int TurretWeight(TTurretKind kind)
{
    return RuleOf(TurretRules, kind).Weight;
}

int TurretCost(TTurretKind kind)
{
    return RuleOf(TurretRules, kind).Cost;
}

int RocketPlatformWeight(int spaces)
{
    return RuleOf(RocketPlatformRules, spaces).Weight;
}

int RocketPlatformCost(int spaces)
{
    return RuleOf(RocketPlatformRules, spaces).Cost;
}

double CollisionDamageModifier(int weight)
{
    if (weight <= 2000)
        return 1.0 / 3.0;
    if (weight <= 4000)
        return 2.0 / 3.0;
    return static_cast<double>((weight - 1) / 4000);
}

void CollisionDamageBySpeed(int speed, int& dice, int& adds)
{
    dice = 0;
    adds = 0;
    switch (speed) {
    case 0:
        break;
    case 5:
        dice = 1;
        adds = -4;
        break;
    case 10:
        dice = 1;
        adds = -2;
        break;
    case 15:
        dice = 1;
        adds = -1;
        break;
    case 20:
    case 25:
        dice = 1;
        break;
    default:
        dice = CheckedSub(speed, 20) / 5 - 1;
        break;
    }
}

int LoadedWeaponCost(const TWeaponType& weapon)
{
    if (weapon.Shots >= 2)
        return Round(weapon.Shots * static_cast<Extended>(weapon.CPS) + weapon.Cost);
    return weapon.Cost;
}

int LoadedWeaponWeight(const TWeaponType& weapon)
{
    if (weapon.Shots >= 2)
        return Round(weapon.Shots * static_cast<Extended>(weapon.WPS) + weapon.Weight);
    return weapon.Weight;
}

void ConfettiCounters(int weight, int& confettiNr, int& counters)
{
    confettiNr = Round(weight / 50.0L + 0.5L);
    counters = Round(weight / 200.0L + 0.5L);
}

int AmmoDamagePerDie(const TAmmoType& ammo)
{
    const QByteArray text = ammo.Damage.toLatin1();
    if (text.isEmpty() || text == "0")
        return 0;
    const char first = text.front();
    if (first != '+' && first != '-' && (first < '0' || first > '9'))
        return 0;
    // from_chars takes no plus sign; a text that is not wholly a whole number
    // ("+1.5", "+1 per die") gives no bonus rather than a part of one.
    const char* begin = text.constData() + (first == '+' ? 1 : 0);
    const char* end = text.constData() + text.size();
    if (begin != end && *begin == '-' && first == '+')
        return 0;
    int value = 0;
    const auto [ptr, ec] = std::from_chars(begin, end, value);
    if (ec != std::errc() || ptr != end)
        return 0;
    return value;
}
