#include "common/WorkingFolder.h"

#include "gamecar/OfficialDescription.h"
#include "gamecar/OutsiderDescription.h"
#include "model/Global.h"
#include "model/Lookups.h"
#include "model/RulesReaders.h"
#include "model/SettingsVariables.h"
#include "model/Vehicle.h"
#include "platform/Errors.h"
#include "platform/Numbers.h"

#include <gtest/gtest.h>

namespace {

// Small changes to one plain design of the shipped tables; each test looks
// at the pieces of the text that the change decides.
class DescriptionTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        const TWorkingFolder folder(QStringLiteral(RIGSMITH_RUNTIME_DIR));
        SetSettingsDefaults(QStringLiteral(RIGSMITH_RUNTIME_DIR));
        ReadAllTypes();
        SetDecimalSeparator(QLatin1Char('.'));
        SetThousandSeparator(QLatin1Char(','));
    }

    DescriptionTest()
    {
        FindBodyType(QStringLiteral("Mid-Sized"), V.Body);
        FindCEngineType(QStringLiteral("Large"), V.PowerCellEngine);
        V.Name = QStringLiteral("Test");
        V.Author = QStringLiteral("Me");
        V.Comment = QStringLiteral("Plain");
    }

    void Mount(const char* abbreviation, TLocation location, bool extraAmmo = false, const char* ammo = "-")
    {
        TWeaponType w;
        ASSERT_TRUE(FindWeaponType(QString::fromLatin1(abbreviation), w));
        w.Location = location;
        w.ExtraAmmo = extraAmmo;
        w.Ammo = QString::fromLatin1(ammo);
        int index = 0;
        V.AddWeapon(w, index);
    }

    QString Official(bool withHeader = false)
    {
        CrewBuffer = V.Crew;
        V.GetWeight(WeightList);
        V.GetCargoSpace();
        QString text;
        OfficialDescription(V, withHeader, text);
        return text;
    }

    QString Outsider()
    {
        V.GetCargoSpace();
        QString text;
        OutsiderDescription(V, text);
        return text;
    }

    TVehicle V;
};

#define EXPECT_HAS(text, piece) EXPECT_TRUE((text).contains(QStringLiteral(piece))) << (text).toStdString()

} // namespace

TEST_F(DescriptionTest, PrintedFormStartsWithAnEmptyLineAndLeavesOutHandGuns)
{
    V.Crew[0].HandGun = QStringLiteral("Heavy Pistol");
    EXPECT_TRUE(Official(false).startsWith(QStringLiteral("\r\nMid-Sized, ")));
    EXPECT_FALSE(Official(false).contains(QStringLiteral("Heavy Pistol")));
    const QString screen = Official(true);
    EXPECT_TRUE(screen.startsWith(QStringLiteral("Test, designed by Me\r\nPlain\r\nMid-Sized, ")));
    EXPECT_HAS(screen, ", Driver (Heavy Pistol), ");
}

TEST_F(DescriptionTest, EnginePieces)
{
    V.HubsRear = 2;
    V.PowerCellEngine.ISC = 3;
    EXPECT_HAS(Official(), "Hubcaps 2-point (rear), Large Power Plant (3x Improved Supercharger Capacitors), Light");

    FindCEngineType(QStringLiteral("None"), V.PowerCellEngine);
    EXPECT_HAS(Official(), "Hubcaps 2-point (rear), Light Suspension, ");

    FindGEngineType(QStringLiteral("100 cid"), V.GasEngine);
    FindGasTankType(QStringLiteral("Economy"), V.GasTank);
    V.TankSize = 1;
    V.EngineCA = 3; // a gas engine never shows its component armor
    V.GasEngine.NO = 1;
    EXPECT_HAS(Official(), "100 cid Gas Engine (N2O), Economy Tank with one gallon, Light Suspension");
}

TEST_F(DescriptionTest, TiresDifferingInOneOptionAreNamedApart)
{
    V.TiresRear.Racing = true;
    EXPECT_HAS(Official(), "Suspension, Standard Front Tires, Standard Racing Rear Tires, Driver");
    V.TiresFront.Racing = true;
    V.TiresFront.Fireproof = V.TiresRear.Fireproof = true;
    EXPECT_HAS(Official(), "Suspension, Standard Fireproof Racing Front & Rear Tires, Driver");
}

TEST_F(DescriptionTest, CrewComponentArmorAndGearBrackets)
{
    V.Crew[0].CA = 2;
    V.Crew[1].Seat = true;
    V.Crew[1].TC = true;
    V.Crew[1].CA_FP = true; // no points, no bracket
    EXPECT_HAS(Official(), "Tires, Driver (2 pt CA), Gunner (Targeting Computer), Armor");
}

TEST_F(DescriptionTest, TurretsPodsAndPlatform)
{
    V.Turret = tkZeroSpace;
    V.EWP = ewpOneSpaceTop;
    V.EWPFF = false;
    V.RocketPlatform = 1;
    EXPECT_HAS(Official(), ", Driver, Zero-space Turret, One-Space Top EWP (rear), One-space Rocket Platform, Armor");
    EXPECT_TRUE(Outsider().endsWith(QStringLiteral(", Driver, Zero-space Turret, One-Space Top EWP (rear)")));

    FindBodyType(QStringLiteral("Subcompact"), V.Body);
    V.Turret = tkOneSpace;
    V.EWPR = true;
    V.Armor.EWP = 3;
    V.Armor.FrontM = 1;
    EXPECT_HAS(Official(), ", Driver, One-Space Top Rocket EWP (3 pt) (Plastic) (rear), One-space Rocket");
}

TEST_F(DescriptionTest, WeaponGroups)
{
    Mount("MG", locFront, true);
    Mount("MG", locFront, true);
    Mount("RL", locFront);
    Mount("MG", locFront);
    Mount("VMG", locBack);
    Mount("VMG", locBack, false, "AP");
    Mount("RL", locTurret);
    EXPECT_HAS(Official(), ", Driver, front: 3 MG (+2 Ammo), RL, back: 2 VMG (AP), in turret: RL, Armor");
}

TEST_F(DescriptionTest, AWeaponWithoutAbbreviationLeavesItsEntryFreeForTheNextGroup)
{
    TWeaponType nameless;
    ASSERT_TRUE(FindWeaponType(QStringLiteral("MG"), nameless));
    nameless.Abbreviation.clear();
    nameless.Location = locFront;
    nameless.ExtraAmmo = true;
    nameless.Ammo = QStringLiteral("AP");
    int index = 0;
    V.AddWeapon(nameless, index);
    Mount("MG", locFront);
    EXPECT_HAS(Official(), ", Driver, front: MG, Armor");
}

TEST_F(DescriptionTest, ArmorQualifiers)
{
    V.Armor.FP = true;
    V.Armor.FrontM = 2;
    EXPECT_HAS(Official(), ", Metal Armor F2, R0, L0, B0, T0, U0, Accel.");
    V.Armor.Back = 5;
    V.Sloped = true;
    EXPECT_HAS(Official(), ", Sloped Fireproof Composite Armor F2/0, R0/0, L0/0, B0/5, T0/0, U0/0, Accel.");
}

TEST_F(DescriptionTest, AccessoriesWithAmountAndInformation)
{
    V.SetEquipment(8, 1, QStringLiteral("   "));
    V.SetEquipment(21, 2, QStringLiteral(" front "));
    V.SetEquipment(6, 1, QString()); // not visible from outside
    EXPECT_HAS(Official(), ", Radar Detector, Searchlight, 2x Bumper Spikes ( front ), Armor");
    EXPECT_HAS(Outsider(), ", Driver, Searchlight, 2x Bumper Spikes");
    EXPECT_FALSE(Outsider().contains(QStringLiteral("Radar")));
}

TEST_F(DescriptionTest, FiguresReadTheWeightAndCargoThatTheLastRecalculationStored)
{
    V.GetWeight(WeightList);
    V.CargoSpace = 7;
    V.Armor.Front = 150; // heavy enough to stop it, but not yet recalculated
    QString text;
    OfficialDescription(V, false, text);
    EXPECT_TRUE(text.endsWith(QStringLiteral(", 7 Cargo, Accel. 10, Top Speed 110, HC 1, 3,570 lbs, $ 5,300")))
        << text.toStdString();
}

TEST_F(DescriptionTest, AnInvalidDesignEndsWithItsReasonOnASecondLine)
{
    V.Armor.Front = 400;
    EXPECT_TRUE(Official().endsWith(QStringLiteral(", U0, Accel. 0, Top Speed 80, HC 1, 5,570 lbs, $ 9,300\r\n"
                                                   "## INVALID ## (Max Weight exceeded)")))
        << Official().toStdString();
    EXPECT_TRUE(Outsider().endsWith(QStringLiteral("Tires, Driver\r\n## INVALID ## (Max Weight exceeded)")))
        << Outsider().toStdString();
}

TEST_F(DescriptionTest, AccountingErrorsReachTheCallerAndLeaveTheTexts)
{
    V.Armor.Front = 2000000000;
    QString official = QStringLiteral("before");
    EXPECT_THROW(OfficialDescription(V, true, official), EOverflow);
    EXPECT_EQ(official, QStringLiteral("before"));
    QString outsider = QStringLiteral("before");
    EXPECT_THROW(OutsiderDescription(V, outsider), EOverflow);
    EXPECT_EQ(outsider, QStringLiteral("before"));
}

TEST_F(DescriptionTest, OutsiderHeaderWithoutNamesAndWithoutEngine)
{
    V.Name.clear();
    V.Author.clear();
    FindCEngineType(QStringLiteral("None"), V.PowerCellEngine);
    V.HubsFront = 1;
    EXPECT_TRUE(Outsider().startsWith(
        QStringLiteral(", designed by \r\nMid-Sized, Hubcaps in front, Standard Front & Rear Tires, Driver")))
        << Outsider().toStdString();
}

TEST_F(DescriptionTest, OutsiderShowsARocketPodAsAPlainPod)
{
    V.EWP = ewpThreeSpaceSide;
    V.EWPR = true;
    V.EWPFF = false;
    V.Armor.EWP = 5;
    EXPECT_HAS(Outsider(), ", Driver, Three-Space Side EWP (rear)");
    EXPECT_HAS(Official(), ", Driver, Three-Space Side Rocket EWP (5 pt) (rear), Armor");
}

TEST_F(DescriptionTest, OutsiderTellsWhereGuardsSitAndAlwaysADriver)
{
    V.GuardsRear = 2;
    V.HubsFront = 1;
    V.HubsRear = 1;
    V.Crew[0].Seat = false;
    EXPECT_TRUE(Outsider().startsWith(
        QStringLiteral("Test, designed by Me\r\nMid-Sized, Wheelguards in back, Hubcaps on all wheels, Large Power "
                       "Plant, Standard Front & Rear Tires, Driver")));
}

TEST_F(DescriptionTest, OutsiderCountsClassesPerLocation)
{
    V.RocketPlatform = 2;
    V.EWP = ewpTwoSpaceTop;
    Mount("RL", locFront);
    Mount("RL", locFront);
    Mount("L", locFront);
    Mount("RL", locFront);
    Mount("MR", locRocketPlatform);
    Mount("MG", locEWP);
    Mount("RL", locBack);
    EXPECT_HAS(Outsider(), ", front: 3 Rockets, Lasers, back: Rockets, EWP: Small-Bore Projectile Weapons, "
                           "rocket platform: Rockets");
}

TEST(AddClassEntry, CountsUpInPlace)
{
    TWeaponType rocket;
    rocket.Class = wcRockets;
    TWeaponType laser;
    laser.Class = wcLasers;
    const struct {
        const char* list;
        const TWeaponType& weapon;
        const char* result;
    } cases[] = {
        {"", rocket, "Rockets"},
        {"Lasers", rocket, "Lasers, Rockets"},
        {"Rockets, Lasers", rocket, "2 Rockets, Lasers"},
        {"Rockets, 3 Lasers", laser, "Rockets, 4 Lasers"},
        {"9 Lasers", laser, "10 Lasers"},
        {"rockets", rocket, "2 rockets"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(AddClassEntry(QString::fromLatin1(c.list), c.weapon), QString::fromLatin1(c.result)) << c.list;
}
