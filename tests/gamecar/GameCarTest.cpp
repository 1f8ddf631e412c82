#include "GameCarFixture.h"

#include "gamecar/GameCar.h"
#include "gamecar/Graphics.h"
#include "model/Global.h"

namespace {

class GameCarTest : public TShippedPictures
{
protected:
    void SetUp() override { ASSERT_FALSE(CarImages.isEmpty()); }
};

bool SamePixels(const TBitmap32& a, const TBitmap32& b)
{
    return a.Image() == b.Image();
}

} // namespace

TEST_F(GameCarTest, NewCarStandsAtHomeFacingUpWithNothingRecorded)
{
    TGameCar car;
    EXPECT_EQ(car.X, 157);
    EXPECT_EQ(car.Y, 109);
    EXPECT_EQ(car.Facing, 0);
    EXPECT_TRUE(car.Damage.Log.isEmpty());
    EXPECT_TRUE(car.Damage.Weapons.Items.isEmpty());
    EXPECT_TRUE(car.Stats.Weapons.Items.isEmpty());
    EXPECT_EQ(car.Sprite.Width(), 120);
    EXPECT_EQ(car.Rotated.Height(), 120);
    EXPECT_EQ(car.Body->Width(), 50);
    EXPECT_EQ(car.Body->Height(), 100);
    EXPECT_TRUE(SamePixels(*car.BodyMask, CarMasks[0]));
}

TEST_F(GameCarTest, EngineDamagePointsComeFromThePowerPlantUnlessItIsNone)
{
    TGameCar car;
    TVehicle& v = *car.Vehicle;
    v.PowerCellEngine = Named(CEngineTypes.Items, "None");
    v.GasEngine = Named(GEngineTypes.Items, "30 cid");
    car.Reset();
    EXPECT_EQ(car.Damage.EngineDP, v.GasEngine.DP);
    EXPECT_EQ(car.Damage.EngineMaxDP, v.GasEngine.DP);

    v.PowerCellEngine = Named(CEngineTypes.Items, "Medium");
    ASSERT_NE(v.PowerCellEngine.DP, v.GasEngine.DP);
    car.Reset();
    EXPECT_EQ(car.Damage.EngineDP, v.PowerCellEngine.DP);
}

TEST_F(GameCarTest, CrewDamagePointsFollowPersonalArmor)
{
    struct Case {
        bool bodyArmor, improved, impact;
        int dp;
    };
    const Case cases[] = {
        {false, false, false, 3}, {true, false, false, 6}, {false, true, false, 9},
        {false, false, true, 9},  {true, false, true, 9},  {true, true, true, 9},
    };
    TGameCar car;
    TCrewType& driver = car.Vehicle->Crew[0];
    for (const Case& c : cases) {
        driver.BodyArmor = c.bodyArmor;
        driver.ImprovedBodyArmor = c.improved;
        driver.ImpactArmor = c.impact;
        car.Reset();
        EXPECT_EQ(car.Damage.CrewDP[0], c.dp) << c.bodyArmor << c.improved << c.impact;
        EXPECT_EQ(car.Damage.CrewMaxDP[0], c.dp);
    }
}

TEST_F(GameCarTest, AnEmptySeatHasNoDamagePointsAndKeepsItsLastMaximum)
{
    TGameCar car;
    TCrewType& gunner = car.Vehicle->Crew[1];
    gunner.Seat = true;
    gunner.BodyArmor = true;
    car.Reset();
    EXPECT_EQ(car.Damage.CrewDP[1], 6);
    gunner.Seat = false;
    car.Reset();
    EXPECT_EQ(car.Damage.CrewDP[1], 0);
    EXPECT_EQ(car.Damage.CrewMaxDP[1], 6);
}

TEST_F(GameCarTest, ResetRestoresArmorWeaponsAndCargoAndClearsTheRecord)
{
    TGameCar car;
    TVehicle& v = *car.Vehicle;
    v.Armor.Front = 20;
    v.Armor.BackM = 4;
    v.CargoSpace = 7;
    int index = 0;
    v.AddWeapon(MountedWeapon("MG", locFront), index);
    v.AddWeapon(MountedWeapon("RL", locBack), index);
    car.Reset();
    ASSERT_EQ(car.Damage.Weapons.Items.size(), 2);
    ASSERT_EQ(car.Stats.Weapons.Items.size(), 2);

    car.Damage.Armor.Front = 3;
    car.Damage.Weapons.Items[0].DP = 0;
    car.Damage.Weapons.Items[1].Shots = 0;
    car.Damage.CargoDP = 1;
    car.Damage.Log.append(QStringLiteral("hit"));
    car.Stats.Weapons.Items[0].Shots = 5;
    car.Stats.Weapons.Items[0].Cost = 2;
    car.Stats.Weapons.Items[0].Weight = 9;
    car.Reset();

    EXPECT_EQ(car.Damage.Armor.Front, 20);
    EXPECT_EQ(car.Damage.Armor.BackM, 4);
    EXPECT_EQ(car.Damage.Weapons.Items[0].DP, v.Weapons.Items[0].DP);
    EXPECT_EQ(car.Damage.Weapons.Items[1].Shots, v.Weapons.Items[1].Shots);
    EXPECT_EQ(car.Damage.CargoDP, 7);
    EXPECT_TRUE(car.Damage.Log.isEmpty());
    for (const TWeaponType& w : car.Stats.Weapons.Items) {
        EXPECT_EQ(w.Shots, 0);
        EXPECT_EQ(w.Cost, 0);
        EXPECT_EQ(w.Weight, 0);
    }
    EXPECT_EQ(car.Stats.Weapons.Items[1].Abbreviation, QStringLiteral("RL"));
}

TEST_F(GameCarTest, ChoosingACarPictureRemovesTheHitCraters)
{
    TGameCar car;
    car.SetFrame(1);
    DrawCrater(*car.Body, *car.BodyMask, 25, 50, 8);
    ASSERT_FALSE(SamePixels(*car.BodyMask, CarMasks[1]));
    car.SetFrame(1);
    EXPECT_TRUE(SamePixels(*car.BodyMask, CarMasks[1]));
}

TEST_F(GameCarTest, APictureNumberOutOfRangeWrapsAround)
{
    TGameCar car;
    const int count = CarImages.size();
    car.SetFrame(count);
    EXPECT_TRUE(SamePixels(*car.BodyMask, CarMasks[0]));
    car.SetFrame(-1);
    EXPECT_TRUE(SamePixels(*car.BodyMask, CarMasks[count - 1]));
}

TEST_F(GameCarTest, SharedDesignAndPictureShowOnBothCars)
{
    TGameCar own;
    TGameCar test;
    test.Vehicle = own.Vehicle;
    test.Body = own.Body;
    test.BodyMask = own.BodyMask;
    own.Vehicle->Armor.Left = 11;
    own.SetFrame(2);
    test.Reset();
    EXPECT_EQ(test.Damage.Armor.Left, 11);
    EXPECT_TRUE(SamePixels(*test.BodyMask, CarMasks[2]));
}

TEST(GameCarWithoutPictures, ShowsNoCarPicture)
{
    UseShippedRules();
    FreeGraphics();
    TGameCar car;
    for (int y = 0; y < car.BodyMask->Height(); ++y)
        for (int x = 0; x < car.BodyMask->Width(); ++x)
            ASSERT_EQ(car.BodyMask->Pixel(x, y), clBlack32) << x << "," << y;
}
