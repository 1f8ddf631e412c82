#pragma once

#include "RulesFixture.h"

#include "model/Global.h"
#include "model/Vehicle.h"
#include "platform/Numbers.h"

#include <gtest/gtest.h>

// The in-memory rules set, "." as the decimal separator and the design-rule
// settings that the accounting reads, all restored after each test.
class AccountingTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        FSeparator = DecimalSeparator();
        SetDecimalSeparator(QLatin1Char('.'));
        SubHC = false;
        MaxHCUse = false;
    }
    void TearDown() override
    {
        SetDecimalSeparator(FSeparator);
        SubHC = FSubHC;
        MaxHC = FMaxHC;
        MaxHCUse = FMaxHCUse;
    }

    static void Mount(TVehicle& v, const TWeaponType& w)
    {
        int index;
        v.AddWeapon(w, index);
    }

    TRulesFixture Rules;
    QStringList List;

private:
    QChar FSeparator;
    bool FSubHC = SubHC;
    int FMaxHC = MaxHC;
    bool FMaxHCUse = MaxHCUse;
};
