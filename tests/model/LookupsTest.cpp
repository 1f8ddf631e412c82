#include "model/Global.h"
#include "model/Lookups.h"

#include <gtest/gtest.h>

namespace {

TBodyType Body(int nr, const char* name, int price)
{
    TBodyType body;
    body.Nr = nr;
    body.Name = QString::fromLatin1(name);
    body.Price = price;
    return body;
}

TEquipmentType Accessory(int nr, const char* name)
{
    TEquipmentType accessory;
    accessory.Nr = nr;
    accessory.Name = QString::fromLatin1(name);
    return accessory;
}

class LookupsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        BodyTypes.Items = {Body(0, "Compact", 600), Body(1, "compact", 700)};
        TWeaponType mg;
        mg.Name = QStringLiteral("Machine Gun");
        mg.Abbreviation = QStringLiteral("MG");
        WeaponTypes.Items = {mg};
        EquipmentTypes.Items = {Accessory(1, "Spoiler"), Accessory(1, "Second Spoiler")};
    }
    void TearDown() override
    {
        BodyTypes = {};
        WeaponTypes = {};
        EquipmentTypes = {};
    }
};

TEST_F(LookupsTest, NamesMatchWithoutRegardToCaseAndTheFirstWins)
{
    TBodyType body;
    EXPECT_TRUE(FindBodyType(QStringLiteral("COMPACT"), body));
    EXPECT_EQ(body.Price, 600);
}

TEST_F(LookupsTest, AMissingNameSetsOnlyTheNumber)
{
    TBodyType body;
    body.Name = QStringLiteral("Kept");
    body.Price = 42;
    EXPECT_FALSE(FindBodyType(QStringLiteral("Hovercraft"), body));
    EXPECT_EQ(body.Nr, -1);
    EXPECT_EQ(body.Name, QStringLiteral("Kept"));
    EXPECT_EQ(body.Price, 42);
}

TEST_F(LookupsTest, WeaponsByAbbreviation)
{
    TWeaponType weapon;
    EXPECT_TRUE(FindWeaponType(QStringLiteral("mg"), weapon));
    EXPECT_EQ(weapon.Name, QStringLiteral("Machine Gun"));
    EXPECT_EQ(FindWeaponTypeIndex(QStringLiteral("MG")), 0);
    EXPECT_EQ(FindWeaponTypeIndex(QStringLiteral("mg")), -1);
}

TEST_F(LookupsTest, AccessoriesByNumberTakeTheFirstAndLeaveTheRecordWhenMissing)
{
    TEquipmentType item;
    EXPECT_TRUE(FindEquipmentByNr(1, item));
    EXPECT_EQ(item.Name, QStringLiteral("Spoiler"));
    item.Name = QStringLiteral("Kept");
    EXPECT_FALSE(FindEquipmentByNr(7, item));
    EXPECT_EQ(item.Name, QStringLiteral("Kept"));
    EXPECT_EQ(item.Nr, 1);
}

} // namespace
