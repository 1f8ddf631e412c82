#pragma once

#include "model/Enums.h"
#include "model/RulesTypes.h"

#include <gtest/gtest.h>

// Tests of the game car build designs from the shipped rules tables of the
// runtime folder; those that draw load its part pictures for the suite.

// The default settings and the shipped rules tables, as the program starts with them.
void UseShippedRules();

// A weapon of the shipped table by abbreviation, mounted at location.
TWeaponType MountedWeapon(const char* abbreviation, TLocation location, bool extraAmmo = false);

template <typename TItem>
TItem Named(const QVector<TItem>& items, const char* name)
{
    for (const TItem& item : items)
        if (item.Name == QLatin1String(name))
            return item;
    ADD_FAILURE() << "no rules item " << name;
    return TItem();
}

class TShippedPictures : public ::testing::Test
{
protected:
    static void SetUpTestSuite();
    static void TearDownTestSuite();
};
