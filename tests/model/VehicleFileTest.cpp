#include "RulesFixture.h"
#include "common/RecordingErrorSink.h"

#include "model/Global.h"
#include "model/Vehicle.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

QString Fixture(const char* name)
{
    return QStringLiteral(RIGSMITH_TEST_DIR "/fixtures/designfile/") + QString::fromLatin1(name);
}

class VehicleLoadTest : public ::testing::Test
{
protected:
    VehicleLoadTest() : FSavedAllowCA(AllowCA) {}
    ~VehicleLoadTest() override { AllowCA = FSavedAllowCA; }

    // A design that no file of these tests describes, to see it survive.
    static void MakeOpenDesign(TVehicle& v)
    {
        v.Body = TRulesFixture::Body(QStringLiteral("Van"));
        v.Name = QStringLiteral("Open design");
        int index = 0;
        v.AddWeapon(TRulesFixture::Weapon(QStringLiteral("L")), index);
    }

    static void ExpectOpenDesign(const TVehicle& v)
    {
        EXPECT_EQ(v.Body.Name, QStringLiteral("Van"));
        EXPECT_EQ(v.Name, QStringLiteral("Open design"));
        ASSERT_EQ(v.WeaponCount(), 1);
        EXPECT_EQ(v.Weapons.Items[0].Abbreviation, QStringLiteral("L"));
    }

    TRulesFixture Rules;
    TRecordingErrorSink Errors;

private:
    bool FSavedAllowCA;
};

} // namespace

TEST_F(VehicleLoadTest, EveryFailedLookupNamesWhatTheFileSaid)
{
    const struct {
        const char* file;
        const char* err;
    } cases[] = {
        {"bad_body.vx", "Body Type 'Hovercraft' not found"},
        {"bad_chassis.vx", "Chassis Type 'Titanium' not found"},
        {"bad_suspension.vx", "Suspension Type 'Hover' not found"},
        {"bad_powerplant.vx", "Power Cell Engine Type 'Huge' not found"},
        {"bad_gasengine.vx", "GasEngine Type '1000 cid' not found"},
        {"bad_gastank.vx", "Gas Tank Type 'Leaky' not found"},
        {"bad_fronttire.vx", "Front Tire Type 'Balloon' not found"},
        {"bad_reartire.vx", "Rear Tire Type 'Balloon' not found"},
        {"missing_reartire.vx", "Rear Tire Type '' not found"},
        {"bad_legacy_fronttire.vx", "Front Tire Type 'Balloon' not found"},
        {"bad_legacy_reartire.vx", "Rear Tire Type 'Balloon' not found"},
        {"bad_weapon.vx", "Weapon Abbreviation 'ZAP' not found"},
    };
    for (const auto& c : cases) {
        TVehicle v;
        MakeOpenDesign(v);
        GUILoading = false;
        QString err;
        v.Load(Fixture(c.file), err);
        EXPECT_EQ(err, QString::fromLatin1(c.err)) << c.file;
        EXPECT_FALSE(GUILoading) << c.file;
        ExpectOpenDesign(v);
    }
    EXPECT_TRUE(Errors.Texts().isEmpty());
}

TEST_F(VehicleLoadTest, MissingFileLeavesDesignAndLoadingFlagAlone)
{
    TVehicle v;
    MakeOpenDesign(v);
    const QString name = QStringLiteral("no/such/Design.vx");
    GUILoading = true;
    QString err;
    v.Load(name, err);
    EXPECT_EQ(err, QStringLiteral("File 'no/such/Design.vx' not found"));
    EXPECT_TRUE(GUILoading);
    GUILoading = false;
    ExpectOpenDesign(v);
}

TEST_F(VehicleLoadTest, AnyOtherErrorIsPrefixedWithTheFunction)
{
    TVehicle v;
    MakeOpenDesign(v);
    // A new design of these rules costs more than the accounting can hold,
    // so making the design to read into fails.
    BodyTypes.Items[0].Price = std::numeric_limits<int>::max();
    QString err;
    v.Load(Fixture("handwritten.vx"), err);
    EXPECT_TRUE(err.startsWith(QStringLiteral("Error in function 'Load': "))) << err.toStdString();
    EXPECT_GT(err.size(), QStringLiteral("Error in function 'Load': ").size());
    EXPECT_FALSE(GUILoading);
    ExpectOpenDesign(v);
}

TEST_F(VehicleLoadTest, HandWrittenFileOfTheOlderLayout)
{
    AllowCA = true;
    TVehicle v;
    QString err;
    v.Load(Fixture("handwritten.vx"), err);
    ASSERT_EQ(err, QString());
    EXPECT_TRUE(Errors.Texts().isEmpty());

    // Names match without regard to case and come back as the table writes them.
    EXPECT_EQ(v.Body.Name, QStringLiteral("Mid-sized"));
    EXPECT_EQ(v.Chassis.Name, QStringLiteral("Light"));
    EXPECT_EQ(v.Suspension.Name, QStringLiteral("Heavy"));
    EXPECT_TRUE(v.Streamlined);
    EXPECT_FALSE(v.CAFrame);
    EXPECT_EQ(v.PowerCellEngine.Name, QStringLiteral("None"));
    EXPECT_EQ(v.GasEngine.Name, QStringLiteral("100 cid"));
    EXPECT_EQ(v.GasTank.Name, QStringLiteral("Racing"));
    EXPECT_EQ(v.TankSize, 12); // hexadecimal
    EXPECT_TRUE(v.GasEngine.TC);
    EXPECT_EQ(v.GasEngine.NO, 0); // malformed: the default
    EXPECT_EQ(v.EngineCA, 4);
    EXPECT_TRUE(v.EngineCA_FP);

    // The legacy tire section: sets, layout, guards and hubs, no options.
    EXPECT_EQ(v.TiresFront.Name, QStringLiteral("Plasticore"));
    EXPECT_EQ(v.TiresRear.Name, QStringLiteral("Heavy-Duty"));
    EXPECT_EQ(v.Axis, wl6Wheels3Axis);
    EXPECT_EQ(v.GuardsFront, 2);
    EXPECT_EQ(v.GuardsRear, 0);
    EXPECT_EQ(v.HubsFront, 0);
    EXPECT_EQ(v.HubsRear, 3);
    for (const TTireType* t : {&v.TiresFront, &v.TiresRear})
        EXPECT_FALSE(t->Radial || t->OffRoad || t->Racing || t->Steelbelt || t->Fireproof);

    EXPECT_EQ(v.Armor.Front, 20);
    EXPECT_EQ(v.Armor.Back, 15);
    EXPECT_TRUE(v.Armor.FP);
    EXPECT_FALSE(v.Armor.LR);

    EXPECT_EQ(v.EWP, 2);
    EXPECT_TRUE(v.EWPFF); // absent: true
    ASSERT_EQ(v.WeaponCount(), 2);
    EXPECT_EQ(v.Weapons.Items[0].Abbreviation, QStringLiteral("MG"));
    EXPECT_EQ(v.Weapons.Items[0].Location, locTurret);
    EXPECT_EQ(v.Weapons.Items[0].Ammo, QStringLiteral("-")); // absent
    EXPECT_EQ(v.Weapons.Items[0].CA, 3);
    EXPECT_EQ(v.Weapons.Items[1].Abbreviation, QStringLiteral("RR"));
    // Mount locations are matched exactly; "BACK" is not "back".
    EXPECT_EQ(v.Weapons.Items[1].Location, locFront);
    EXPECT_EQ(v.Weapons.Items[1].Ammo, QStringLiteral("EX"));

    EXPECT_EQ(v.EquipmentAmount(6), 2);
    TEquipmentType radio;
    v.GetEquipment(6, radio);
    EXPECT_EQ(radio.Info, QStringLiteral("CB and police band"));

    EXPECT_TRUE(v.Crew[0].Seat); // whatever the file says
    EXPECT_TRUE(v.Crew[0].BodyArmor);
    EXPECT_TRUE(v.Crew[1].Seat);
    EXPECT_EQ(v.Crew[1].HandGun, QStringLiteral("SMG"));
    EXPECT_EQ(v.Crew[1].CA, 2);

    EXPECT_EQ(v.Name, QStringLiteral("<Name>"));
    EXPECT_EQ(v.Author, QStringLiteral("  Hank  "));
    EXPECT_EQ(v.Comment, QStringLiteral("<Comment>"));
}

TEST_F(VehicleLoadTest, ComponentArmorIsIgnoredWithoutTheRule)
{
    AllowCA = false;
    TVehicle v;
    QString err;
    v.Load(Fixture("handwritten.vx"), err);
    ASSERT_EQ(err, QString());
    EXPECT_EQ(v.EngineCA, 0);
    EXPECT_FALSE(v.EngineCA_FP);
    EXPECT_EQ(v.Weapons.Items[0].CA, 0);
    EXPECT_EQ(v.Crew[1].CA, 0);
}

TEST_F(VehicleLoadTest, NewerTireSectionsWinOverTheLegacyOne)
{
    TVehicle v;
    QString err;
    v.Load(Fixture("bothlayouts.vx"), err);
    ASSERT_EQ(err, QString());
    EXPECT_EQ(v.TiresFront.Name, QStringLiteral("Heavy-Duty"));
    EXPECT_TRUE(v.TiresFront.Radial);
    EXPECT_EQ(v.TiresRear.Name, QStringLiteral("Standard"));
    EXPECT_TRUE(v.TiresRear.Steelbelt);
    EXPECT_EQ(v.Axis, wl4Wheels);
    EXPECT_EQ(v.GuardsFront, 1);
}

TEST_F(VehicleLoadTest, AccessoriesAreFoundByNameBeforeNumber)
{
    TVehicle v;
    QString err;
    v.Load(Fixture("renumbered.vx"), err);
    ASSERT_EQ(err, QString());
    EXPECT_FALSE(v.HasEquipment(3));
    EXPECT_EQ(v.EquipmentAmount(6), 1);  // "Radio", whatever its old number
    EXPECT_EQ(v.EquipmentAmount(13), 2); // an unknown name: by number
}
