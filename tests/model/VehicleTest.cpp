#include "RulesFixture.h"
#include "common/RecordingErrorSink.h"

#include "model/Global.h"
#include "model/Vehicle.h"
#include "platform/Random.h"

#include <gtest/gtest.h>

namespace {

class VehicleTest : public ::testing::Test
{
protected:
    TRulesFixture Rules;
};

} // namespace

TEST_F(VehicleTest, NewDesignStartsFromTheFirstItems)
{
    const QString savedUser = Username;
    Username = QStringLiteral("Hank");
    TVehicle v;
    Username = savedUser;

    EXPECT_EQ(v.Body.Name, QStringLiteral("Subcompact"));
    EXPECT_EQ(v.Chassis.Name, QStringLiteral("Standard"));
    EXPECT_EQ(v.Suspension.Name, QStringLiteral("Light"));
    EXPECT_EQ(v.PowerCellEngine.Name, QStringLiteral("Small"));
    EXPECT_EQ(v.GasEngine.Name, QStringLiteral("None"));
    EXPECT_EQ(v.GasTank.Name, QStringLiteral("Economy"));
    EXPECT_EQ(v.TiresFront.Name, QStringLiteral("Standard"));
    EXPECT_EQ(v.TiresRear.Name, QStringLiteral("Standard"));
    EXPECT_EQ(v.Axis, wl4Wheels);
    EXPECT_EQ(v.WeaponCount(), 0);
    EXPECT_EQ(v.WeaponSerial, 0);
    EXPECT_EQ(v.Weapons.Name, WeaponTypes.Name);
    EXPECT_EQ(v.Ammo.Items.size(), AmmoTypes.Items.size());
    ASSERT_EQ(v.EquipmentCount(), 14);
    for (const TEquipmentType& e : v.Equipment.Items)
        EXPECT_FALSE(e.Installed) << e.Nr;
    EXPECT_TRUE(v.Crew[0].Seat);
    EXPECT_FALSE(v.Crew[1].Seat);
    EXPECT_TRUE(v.EWPFF);
    EXPECT_FALSE(v.EWPR);
    EXPECT_EQ(v.TargetX, -1);
    EXPECT_EQ(v.TargetY, -1);
    EXPECT_EQ(v.PosX, 157);
    EXPECT_EQ(v.PosY, 109);
    EXPECT_EQ(v.Name, QStringLiteral("<Vehicle Name>"));
    EXPECT_EQ(v.Comment, QStringLiteral("<Vehicle Description>"));
    EXPECT_EQ(v.Author, QStringLiteral("Hank"));
    // Body 300, power plant 500, four tires at 50.
    EXPECT_EQ(v.Cost, 1000);
}

TEST_F(VehicleTest, ClearUndoesEveryChange)
{
    TVehicle v;
    int index;
    v.AddWeapon(TRulesFixture::Weapon("MG"), index);
    v.SetEquipment(3, 1, QString());
    v.Armor.Front = 5;
    v.Streamlined = true;
    v.Crew[1].Seat = true;
    v.GasEngine = TRulesFixture::GEngine("30 cid");
    v.GasEngine.TC = true;
    v.Turret = tkOneSpace;
    v.EWPFF = false;
    v.PosX = 3;
    v.Clear();
    EXPECT_EQ(v.WeaponCount(), 0);
    EXPECT_EQ(v.WeaponSerial, 0);
    EXPECT_FALSE(v.HasEquipment(3));
    EXPECT_EQ(v.Armor.Front, 0);
    EXPECT_FALSE(v.Streamlined);
    EXPECT_FALSE(v.Crew[1].Seat);
    EXPECT_EQ(v.GasEngine.Name, QStringLiteral("None"));
    EXPECT_FALSE(v.GasEngine.TC);
    EXPECT_EQ(v.Turret, tkNone);
    EXPECT_TRUE(v.EWPFF);
    EXPECT_EQ(v.PosX, 157);
    EXPECT_EQ(v.Cost, 1000);
}

TEST_F(VehicleTest, WeaponListKeepsOrderAndCountsAdds)
{
    TVehicle v;
    const QString abbreviations[] = {"MG", "RR", "L"};
    for (int i = 0; i < 3; ++i) {
        int index = -1;
        EXPECT_EQ(v.AddWeapon(TRulesFixture::Weapon(abbreviations[i]), index), i + 1);
        EXPECT_EQ(index, i);
    }
    v.DeleteWeapon(0);
    ASSERT_EQ(v.WeaponCount(), 2);
    TWeaponType w;
    v.GetWeapon(0, w);
    EXPECT_EQ(w.Abbreviation, QStringLiteral("RR"));
    v.GetWeapon(1, w);
    EXPECT_EQ(w.Abbreviation, QStringLiteral("L"));

    int index = -1;
    EXPECT_EQ(v.AddWeapon(TRulesFixture::Weapon("MD"), index), 4);
    EXPECT_EQ(index, 2);

    v.SetWeaponLocation(2, locBack);
    v.GetWeapon(2, w);
    EXPECT_EQ(w.Location, locBack);
    EXPECT_TRUE(v.HasWeaponClass(wcLasers));
    EXPECT_FALSE(v.HasWeaponClass(wcSmallBore));
}

TEST_F(VehicleTest, AccessoryAmountsAndInfo)
{
    TVehicle v;
    v.SetEquipment(6, 3, QStringLiteral("long range"));
    EXPECT_TRUE(v.HasEquipment(6));
    EXPECT_EQ(v.EquipmentAmount(6), 3);
    TEquipmentType e;
    v.GetEquipment(6, e);
    EXPECT_EQ(e.Name, QStringLiteral("Radio"));
    EXPECT_EQ(e.Amount, 3);
    EXPECT_EQ(e.Info, QStringLiteral("long range"));
    // The design's list is its own.
    EXPECT_FALSE(EquipmentTypes.Items[6].Installed);

    v.SetEquipment(6, 0, QString());
    EXPECT_FALSE(v.HasEquipment(6));
    EXPECT_EQ(v.EquipmentAmount(6), 0);

    // Marked fitted without an amount counts as one.
    v.Equipment.Items[7].Installed = true;
    EXPECT_EQ(v.EquipmentAmount(7), 1);
    EXPECT_EQ(v.EquipmentAmount(99), 0);

    TEquipmentType untouched;
    untouched.Name = QStringLiteral("unchanged");
    v.GetEquipment(99, untouched);
    EXPECT_EQ(untouched.Name, QStringLiteral("unchanged"));
}

TEST_F(VehicleTest, UnknownAccessoryNumberIsReported)
{
    TRecordingErrorSink errors;
    TVehicle v;
    v.SetEquipment(99, 0, QString());
    EXPECT_TRUE(errors.Texts().isEmpty());
    v.SetEquipment(99, 2, QStringLiteral("x"));
    ASSERT_EQ(errors.Texts().size(), 1);
    EXPECT_EQ(errors.Texts()[0],
              QStringLiteral("An error occured in Vehicle.SetEquipment(99,2):\r\nNr not found"));
    for (const TEquipmentType& e : v.Equipment.Items)
        EXPECT_FALSE(e.Installed);
}

TEST_F(VehicleTest, NotesAndAirdamSpoilerCode)
{
    TVehicle v;
    EXPECT_EQ(v.GetAirdamSpoilerCode(), QString());
    v.SetEquipment(1, 1, QString());
    EXPECT_EQ(v.GetAirdamSpoilerCode(), QStringLiteral("SP"));
    v.SetEquipment(0, 1, QString());
    EXPECT_EQ(v.GetAirdamSpoilerCode(), QStringLiteral("ADSP"));

    EXPECT_FALSE(v.HasActiveSuspension() || v.HasABS() || v.HasHDShocks() || v.IgnoresPaintClouds());
    v.SetEquipment(9, 1, QString());
    v.SetEquipment(10, 1, QString());
    v.SetEquipment(11, 1, QString());
    v.SetEquipment(12, 1, QString());
    EXPECT_TRUE(v.HasActiveSuspension());
    EXPECT_TRUE(v.HasABS());
    EXPECT_TRUE(v.HasHDShocks());
    EXPECT_TRUE(v.IgnoresPaintClouds());
}

TEST_F(VehicleTest, FindAmmoMatchesCaseExactly)
{
    TVehicle v;
    TAmmoType a;
    a.Name = QStringLiteral("before");
    v.FindAmmo(QStringLiteral("ex"), a);
    EXPECT_EQ(a.Name, QStringLiteral("before"));
    v.FindAmmo(QStringLiteral("EX"), a);
    EXPECT_EQ(a.Name, QStringLiteral("Explosive"));
}

TEST_F(VehicleTest, ArmorKind)
{
    TVehicle v;
    EXPECT_EQ(v.ArmorKind(), akPlastic);
    v.Armor.Top = 4;
    EXPECT_EQ(v.ArmorKind(), akPlastic);
    v.Armor = TArmor();
    v.Armor.BottomM = 2;
    EXPECT_EQ(v.ArmorKind(), akMetal);
    // The pods' plastic armor counts for the kind.
    v.Armor.EWP = 1;
    EXPECT_EQ(v.ArmorKind(), akComposite);
}

TEST_F(VehicleTest, EffectivePower)
{
    TVehicle v;
    v.PowerCellEngine = TRulesFixture::CEngine("Large"); // 2000
    EXPECT_EQ(v.EffectivePower(), 2000);
    v.PowerCellEngine.PC = true;
    EXPECT_EQ(v.EffectivePower(), 2100);
    v.PowerCellEngine.SC = true;
    EXPECT_EQ(v.EffectivePower(), 2300);
    v.PowerCellEngine.PC = false;
    EXPECT_EQ(v.EffectivePower(), 2200);

    v.PowerCellEngine = TRulesFixture::CEngine("None");
    EXPECT_EQ(v.EffectivePower(), 0);
    v.GasEngine = TRulesFixture::GEngine("30 cid"); // 100
    EXPECT_EQ(v.EffectivePower(), 100);
    v.GasEngine.C = true;
    v.GasEngine.TC = true;
    EXPECT_EQ(v.EffectivePower(), 110);
    v.GasEngine.C = false;
    v.GasEngine.TC = false;
    v.GasEngine.MC = true;
    EXPECT_EQ(v.EffectivePower(), 90);
}

TEST_F(VehicleTest, RollWeaponDamage)
{
    TVehicle v;
    int min = -1;
    int max = -1;
    int sixes = -1;

    TWeaponType fixed;
    fixed.DamageKind = dkFixed;
    fixed.DamageMod = 4;
    EXPECT_EQ(v.RollWeaponDamage(fixed, min, max, sixes), 4);
    EXPECT_EQ(min, 4);
    EXPECT_EQ(max, 4);
    EXPECT_EQ(sixes, 0);

    TWeaponType cluster;
    cluster.DamageKind = dkDice;
    cluster.DamageDice = 2;
    cluster.DamageMod = 1;
    cluster.NrOfObjects = 3;
    RandSeed(7);
    for (int i = 0; i < 50; ++i) {
        const int damage = v.RollWeaponDamage(cluster, min, max, sixes);
        EXPECT_EQ(min, 9);
        EXPECT_EQ(max, 39);
        EXPECT_GE(damage, 9);
        EXPECT_LE(damage, 39);
        EXPECT_EQ(damage % 3, 0);
        EXPECT_GE(sixes, 0);
        EXPECT_LE(sixes, 2);
    }

    // Pulse adds one per die, and so does the explosive load.
    TWeaponType laser = TRulesFixture::Weapon("L"); // 3d6
    laser.LaserPulse = true;
    v.RollWeaponDamage(laser, min, max, sixes);
    EXPECT_EQ(min, 6);
    EXPECT_EQ(max, 21);
    TWeaponType mg = TRulesFixture::Weapon("MG"); // 1d6
    mg.Ammo = QStringLiteral("EX");
    v.RollWeaponDamage(mg, min, max, sixes);
    EXPECT_EQ(min, 2);
    EXPECT_EQ(max, 7);
    mg.Ammo = QStringLiteral("-");
    v.RollWeaponDamage(mg, min, max, sixes);
    EXPECT_EQ(min, 1);
    EXPECT_EQ(max, 6);
}

TEST_F(VehicleTest, DamageRollDrawsOneNumberPerDieInOrder)
{
    TVehicle v;
    TWeaponType w = TRulesFixture::Weapon("RR"); // 2d6
    w.Ammo = QStringLiteral("EX");               // +1 per die
    w.NrOfObjects = 2;
    const std::uint32_t seed = 1234;
    for (int round = 0; round < 20; ++round) {
        RandSeed(seed + round);
        int expected = 2;
        int expectedSixes = 0;
        for (int die = 0; die < 2; ++die) {
            const int roll = Random(6) + 1;
            expected += roll;
            expectedSixes += roll == 6;
        }
        const std::uint32_t after = CurrentRandSeed();
        RandSeed(seed + round);
        int min, max, sixes;
        EXPECT_EQ(v.RollWeaponDamage(w, min, max, sixes), expected * 2);
        EXPECT_EQ(sixes, expectedSixes);
        EXPECT_EQ(CurrentRandSeed(), after);
    }

    // Fixed damage and a negative number of dice draw nothing.
    for (const int dice : {0, -1}) {
        TWeaponType odd;
        odd.DamageKind = dice == 0 ? dkFixed : dkDice;
        odd.DamageDice = dice;
        odd.DamageMod = 3;
        RandSeed(seed);
        int min, max, sixes;
        EXPECT_EQ(v.RollWeaponDamage(odd, min, max, sixes), 3) << dice;
        EXPECT_EQ(CurrentRandSeed(), seed) << dice;
    }
}

TEST_F(VehicleTest, SixesAreCounted)
{
    TVehicle v;
    TWeaponType many;
    many.DamageKind = dkDice;
    many.DamageDice = 600;
    int min, max, sixes;
    RandSeed(11);
    const int damage = v.RollWeaponDamage(many, min, max, sixes);
    // 600 dice: some sixes, and the total is at least one per die plus five
    // more per six.
    EXPECT_GT(sixes, 50);
    EXPECT_LT(sixes, 150);
    EXPECT_GE(damage, 600 + 5 * sixes);
}

TEST_F(VehicleTest, WeaponWithoutDamageRollsNothing)
{
    TVehicle v;
    int min = -1, max = -1, sixes = -1;
    RandSeed(3);
    const std::uint32_t seed = CurrentRandSeed();
    TWeaponType smoke = TRulesFixture::Weapon("SS");
    smoke.DamageDice = 2; // even with dice in the record
    EXPECT_EQ(v.RollWeaponDamage(smoke, min, max, sixes), 0);
    EXPECT_EQ(min, 0);
    EXPECT_EQ(max, 0);
    EXPECT_EQ(sixes, 0);
    EXPECT_EQ(CurrentRandSeed(), seed);
}

TEST_F(VehicleTest, CopyWeaponTypesSharesNothing)
{
    TVehicle v;
    int index;
    v.AddWeapon(TRulesFixture::Weapon("MG"), index);
    TWeaponTypes copy;
    CopyWeaponTypes(v.Weapons, copy);
    ASSERT_EQ(copy.Items.size(), 1);
    EXPECT_EQ(copy.Name, v.Weapons.Name);
    copy.Items[0].Shots = 0;
    copy.Items[0].Ammo = QStringLiteral("EX");
    EXPECT_EQ(v.Weapons.Items[0].Shots, 20);
    EXPECT_EQ(v.Weapons.Items[0].Ammo, QString());
}
