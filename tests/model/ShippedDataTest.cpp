#include "common/RecordingErrorSink.h"
#include "common/WorkingFolder.h"
#include "model/Global.h"
#include "model/Lookups.h"
#include "model/RulesReaders.h"

#include <gtest/gtest.h>
#include <set>

namespace {

// The shipped rules tables carry the items that the program gives a fixed
// meaning; nothing else in the tests depends on their figures.
TEST(ShippedData, ReadsWithoutErrorAndHoldsTheItemsWithAFixedMeaning)
{
    TWorkingFolder folder(QStringLiteral(RIGSMITH_RUNTIME_DIR));
    TRecordingErrorSink errors;
    ReadAllTypes();
    EXPECT_TRUE(errors.Texts().isEmpty()) << errors.Texts().join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(EmptyDesignTables().isEmpty());
    EXPECT_FALSE(WeaponTypes.Items.isEmpty());
    EXPECT_FALSE(AmmoTypes.Items.isEmpty());
    EXPECT_FALSE(HandGunTypes.Items.isEmpty());
    EXPECT_FALSE(EquipmentTypes.Items.isEmpty());

    const QStringList bodyNames = {"Subcompact", "Compact", "Mid-Sized", "Sedan", "Luxury",
                                   "Station Wagon", "Pickup", "Camper", "Van"};
    ASSERT_EQ(BodyTypes.Items.size(), bodyNames.size());
    for (int i = 0; i < bodyNames.size(); ++i) {
        EXPECT_EQ(BodyTypes.Items[i].Name, bodyNames[i]);
        EXPECT_EQ(BodyTypes.Items[i].Nr, i);
    }

    // A new design starts on the standard chassis.
    EXPECT_EQ(ChassisTypes.Items[0].Name, QStringLiteral("Standard"));
    EXPECT_EQ(ChassisTypes.Items[0].Price, 0);
    EXPECT_EQ(ChassisTypes.Items[0].WeightMod, 0);
    EXPECT_EQ(CEngineTypes.Items[0].Name, QStringLiteral("None"));
    EXPECT_EQ(CEngineTypes.Items[0].Power, 0);
    EXPECT_NE(TireTypes.Items[0].Name, QStringLiteral("Metal"));
    TTireType tire;
    EXPECT_TRUE(FindTireType(QStringLiteral("Metal"), tire));
    EXPECT_TRUE(FindTireType(QStringLiteral("Plasticore"), tire));
    EXPECT_GE(GEngineTypes.Items.size(), 8);

    EXPECT_EQ(AmmoTypes.Items[0].Name, QStringLiteral("Normal"));
    EXPECT_EQ(AmmoTypes.Items[0].Abbreviation, QStringLiteral("-"));
    EXPECT_EQ(AmmoTypes.Items[0].Weapons, QStringLiteral(";-ALL-;"));

    std::set<int> classes;
    for (const TWeaponType& weapon : WeaponTypes.Items)
        classes.insert(weapon.Class);
    EXPECT_EQ(classes, (std::set<int>{0, 1, 2, 3, 4, 5, 6, 7, 8}));
    TWeaponType weapon;
    EXPECT_TRUE(FindWeaponType(QStringLiteral("TG"), weapon));
    EXPECT_TRUE(FindWeaponType(QStringLiteral("TL"), weapon));
    EXPECT_EQ(weapon.Class, wcLasers);

    TEquipmentType accessory;
    for (int nr = 0; nr <= 13; ++nr)
        EXPECT_TRUE(FindEquipmentByNr(nr, accessory)) << nr;
    FindEquipmentByNr(9, accessory);
    EXPECT_EQ(accessory.Name, QStringLiteral("Active Suspension"));
    std::set<QString> names;
    for (const TEquipmentType& item : EquipmentTypes.Items)
        names.insert(item.Name);
    EXPECT_TRUE(names.count(QStringLiteral("Bumper Trigger Front")));
    EXPECT_TRUE(names.count(QStringLiteral("Bumper Trigger Back")));
}

} // namespace
