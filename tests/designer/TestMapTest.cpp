#include "DesignerWindow.h"
#include "ModalAnswers.h"

#include "gamecar/GameCar.h"
#include "gamecar/Graphics.h"
#include "model/Global.h"
#include "model/Lookups.h"
#include "model/Vehicle.h"
#include "platform/Errors.h"
#include "platform/Random.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

namespace {

class TestMapTest : public DesignerWindowTest
{
protected:
    // Whether every pixel of MapMask is the background black.
    static bool MaskAllBlack()
    {
        for (int y = 0; y < MapMask->Height(); ++y)
            for (int x = 0; x < MapMask->Width(); ++x)
                if (MapMask->Pixel(x, y) != clBlack32)
                    return false;
        return true;
    }
};

TEST_F(TestMapTest, AThirtyPointWallOnTheLeftRunsDownTheLeftEdgeAndNeverEntersTheMask)
{
    TfrmMain& window = Start();
    Choose(window.cbAttackTarget, QStringLiteral("Wall, 30 DP"));
    Choose(window.cbAttackLocation, QStringLiteral("Left"));
    EXPECT_EQ(AttackTarget, 2);
    EXPECT_EQ(AttackLocation, 1);
    EXPECT_FALSE(window.cbAttackLocation->isHidden());
    EXPECT_TRUE(window.cbTargetFacing->isHidden());

    // The background with fourteen vertical wall pieces at x 7 from y 9 on,
    // cut at the map's bottom edge.
    TBitmap32 expected(window.TestPicture.Width(), window.TestPicture.Height());
    GridCenterImage->DrawTo(expected, 0, 0);
    for (int i = 0; i < 14; ++i)
        Wall30Image->DrawTo(expected, 7, 9 + 25 * i, QRect(25, 0, 25, 25));
    for (int y = 0; y < expected.Height(); ++y)
        for (int x = 0; x < 40; ++x)
            ASSERT_EQ(window.TestPicture.Pixel(x, y), expected.Pixel(x, y)) << x << ", " << y;
    EXPECT_TRUE(MaskAllBlack());
}

TEST_F(TestMapTest, EachTargetShowsItsBackgroundAndOnlyTheVehicleEntersTheMask)
{
    TfrmMain& window = Start();
    const struct {
        const char* Target;
        const TBitmap32* Background;
    } cases[] = {
        {"Map", GridMapImage},
        {"Wall, 8 DP", GridCenterImage},
        {"Wall, 30 DP", GridCenterImage},
        {"Vehicle", GridCenterImage},
    };
    for (const auto& c : cases) {
        Choose(window.cbAttackTarget, QLatin1String(c.Target));
        // The corner of the map holds neither wall nor car.
        EXPECT_EQ(window.TestPicture.Pixel(360, 160), c.Background->Pixel(360, 160)) << c.Target;
        EXPECT_EQ(MaskAllBlack(), QLatin1String(c.Target) != QLatin1String("Vehicle")) << c.Target;
    }
    // A front wall stands above the own car.
    Choose(window.cbAttackTarget, QStringLiteral("Wall, 8 DP"));
    Choose(window.cbAttackLocation, QStringLiteral("Front"));
    TBitmap32 expected(window.TestPicture.Width(), window.TestPicture.Height());
    GridCenterImage->DrawTo(expected, 0, 0);
    for (int i = 0; i < 14; ++i)
        Wall8Image->DrawTo(expected, 7 + 25 * i, 10, QRect(0, 0, 25, 25));
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < expected.Width(); ++x)
            ASSERT_EQ(window.TestPicture.Pixel(x, y), expected.Pixel(x, y)) << x << ", " << y;
}

TEST_F(TestMapTest, AnOpponentBehindFacingDownStandsBelowTheOwnCarAndOnlyItsSilhouetteIsWhite)
{
    TfrmMain& window = Start();
    Choose(window.cbAttackTarget, QStringLiteral("Vehicle"));
    EXPECT_FALSE(window.cbTargetFacing->isHidden());
    Choose(window.cbTargetFacing, QStringLiteral("Down"));
    Choose(window.cbAttackLocation, QStringLiteral("Back"));
    EXPECT_EQ(EnemyCar->X, 157);
    EXPECT_EQ(EnemyCar->Y, 209);
    EXPECT_EQ(EnemyCar->Facing, 180);
    EXPECT_EQ(TargetFacing, 3);
    // White only inside the opponent's 120 x 120 view, and there exactly
    // where its turned silhouette is.
    int white = 0;
    for (int y = 0; y < MapMask->Height(); ++y) {
        for (int x = 0; x < MapMask->Width(); ++x) {
            const TColor32 pixel = MapMask->Pixel(x, y);
            const bool inside = x >= 157 - 35 && x < 157 - 35 + 120 && y >= 209 - 10 && y < 209 - 10 + 120;
            const TColor32 expected = inside ? EnemyCar->RotatedMask.Pixel(x - 122, y - 199) : clBlack32;
            ASSERT_EQ(pixel, expected) << x << ", " << y;
            white += pixel == clWhite32;
        }
    }
    EXPECT_GT(white, 0);
}

TEST_F(TestMapTest, TheOpponentsPlaceFollowsItsFacingAndTheSide)
{
    TfrmMain& window = Start();
    Choose(window.cbAttackTarget, QStringLiteral("Vehicle"));
    const struct {
        const char* Facing;
        const char* Location;
        int X, Y, Degrees;
    } cases[] = {
        {"Up", "Front", 157, 9, 0},     {"Left", "Left", 32, 84, 90},   {"Right", "Right", 282, 84, -90},
        {"Down", "Front", 157, 9, 180}, {"Up", "Back", 157, 209, 0},   {"Left", "Front", 182, -16, 90},
    };
    for (const auto& c : cases) {
        Choose(window.cbTargetFacing, QLatin1String(c.Facing));
        Choose(window.cbAttackLocation, QLatin1String(c.Location));
        EXPECT_EQ(EnemyCar->X, c.X) << c.Facing << " " << c.Location;
        EXPECT_EQ(EnemyCar->Y, c.Y) << c.Facing << " " << c.Location;
        EXPECT_EQ(EnemyCar->Facing, c.Degrees) << c.Facing << " " << c.Location;
    }
}

TEST_F(TestMapTest, ClickingTheMapSetsTheAimPointAndOnlyTheFacingKeepsIt)
{
    TfrmMain& window = Start();
    Choose(window.cbAttackTarget, QStringLiteral("Vehicle"));
    const TBitmap32 before = window.TestPicture;
    QTest::mouseClick(window.imgTest, Qt::LeftButton, {}, QPoint(200, 40));
    EXPECT_EQ(Car->Vehicle->TargetX, 200);
    EXPECT_EQ(Car->Vehicle->TargetY, 40);
    // The crosshair is painted centred on the click.
    bool changed = false;
    for (int y = 40 - AimImage.Height() / 2; y < 40 + AimImage.Height() / 2; ++y)
        for (int x = 200 - AimImage.Width() / 2; x < 200 + AimImage.Width() / 2; ++x)
            changed = changed || window.TestPicture.Pixel(x, y) != before.Pixel(x, y);
    EXPECT_TRUE(changed);
    // A left click fires nothing.
    EXPECT_TRUE(EnemyCar->Damage.Log.isEmpty());
    EXPECT_TRUE(window.edStatsVehicle->toPlainText().isEmpty());

    Choose(window.cbTargetFacing, QStringLiteral("Left"));
    EXPECT_EQ(Car->Vehicle->TargetX, 200);
    Choose(window.cbAttackLocation, QStringLiteral("Right"));
    EXPECT_EQ(Car->Vehicle->TargetX, -1);
    EXPECT_EQ(Car->Vehicle->TargetY, -1);

    QTest::mouseClick(window.imgTest, Qt::LeftButton, {}, QPoint(20, 30));
    Choose(window.cbCarBodyView, QStringLiteral("Half View"));
    EXPECT_EQ(CarBodyView, 2);
    EXPECT_EQ(Car->Vehicle->TargetX, -1);
}

TEST_F(TestMapTest, ARightClickOnTheMapAlsoFires)
{
    TModalAnswers answers;
    TfrmMain& window = Start({Path(QStringLiteral("Designs/Brickhouse.vx"))});
    Choose(window.cbAttackTarget, QStringLiteral("Map"));
    RandSeed(7);
    QTest::mouseClick(window.imgTest, Qt::RightButton, {}, QPoint(157, 5));
    EXPECT_EQ(Car->Vehicle->TargetX, 157);
    // The aim point lies ahead: the front machine gun fired once.
    EXPECT_EQ(TestCar->Stats.Weapons.Items[0].Shots, 1);
    EXPECT_TRUE(window.edStatsVehicle->toPlainText().startsWith(QStringLiteral("Weapon | Fired")));
}

TEST_F(TestMapTest, AClickOnTheCentreLineFiresTheWeaponsAheadOrBehind)
{
    TModalAnswers answers;
    // VMG at the front, FT and a mine dropper at the back, and an MML in each
    // of the side pods, which face front.
    TfrmMain& window = Start({Path(QStringLiteral("Designs/Brickhouse.vx"))});
    Choose(window.cbAttackTarget, QStringLiteral("Map"));
    // The own car's picture is centred on (182, 159).
    const struct {
        const char* Where;
        QPoint Click;
        QVector<int> Shots; // per weapon of the design
    } cases[] = {
        {"ahead of the nose", QPoint(182, 5), {1, 0, 0, 1, 1}},
        {"behind the tail", QPoint(182, 310), {0, 1, 0, 0, 0}},
        {"on the car's centre", QPoint(182, 159), {1, 0, 0, 1, 1}},
    };
    for (const auto& c : cases) {
        QVector<int> before;
        for (const TWeaponType& w : TestCar->Stats.Weapons.Items)
            before.append(w.Shots);
        QTest::mouseClick(window.imgTest, Qt::RightButton, {}, c.Click);
        QVector<int> fired;
        for (int i = 0; i < TestCar->Stats.Weapons.Items.size(); ++i)
            fired.append(TestCar->Stats.Weapons.Items[i].Shots - before.value(i));
        EXPECT_EQ(fired, c.Shots) << c.Where;
    }
    // The statistics count what was fired.
    EXPECT_TRUE(window.edStatsVehicle->toPlainText().contains(QStringLiteral("   Sum |     7 |")))
        << window.edStatsVehicle->toPlainText().toStdString();
}

// The own design carries one weapon, in its turret or on its rocket platform.
struct TAddOnCase {
    const char* Name;
    const char* Weapon;
    TLocation Location;
};

class TestMapAddOnTest : public TestMapTest, public ::testing::WithParamInterface<TAddOnCase>
{
};

TEST_P(TestMapAddOnTest, HitsTheOpponentOnEverySide)
{
    TModalAnswers answers;
    TfrmMain& window = Start();
    AlwaysHit = true;
    IgnoreAmmo = true;
    TVehicle& design = window.Vehicle();
    design.Weapons.Items.clear();
    TWeaponType weapon;
    ASSERT_TRUE(FindWeaponType(QLatin1String(GetParam().Weapon), weapon));
    weapon.Location = GetParam().Location;
    int index = 0;
    design.AddWeapon(weapon, index);
    design.Turret = GetParam().Location == locTurret ? tkOneSpace : tkNone;
    design.RocketPlatform = GetParam().Location == locRocketPlatform ? 1 : 0;
    // The platform's icons face back: it still fires at the side chosen.
    design.EWPFF = false;
    window.RecalcVehicle(true);
    Choose(window.cbAttackTarget, QStringLiteral("Vehicle"));
    Choose(window.cbTargetFacing, QStringLiteral("Up"));
    RandSeed(3);
    int hits = 0;
    for (const char* side : {"Front", "Left", "Right", "Back"}) {
        Choose(window.cbAttackLocation, QLatin1String(side));
        window.acTestFire->trigger();
        EXPECT_EQ(TestCar->Stats.Weapons.Items[0].Cost, ++hits) << side;
    }
    EXPECT_EQ(TestCar->Stats.Weapons.Items[0].Shots, 4);
    EXPECT_TRUE(window.edStatsVehicle->toPlainText().contains(QStringLiteral("   Sum |     4 |   4 | 100 | ")))
        << window.edStatsVehicle->toPlainText().toStdString();
}

INSTANTIATE_TEST_SUITE_P(AddOns, TestMapAddOnTest,
                         ::testing::Values(TAddOnCase{"Turret", "MG", locTurret},
                                           TAddOnCase{"RocketPlatform", "MR", locRocketPlatform}),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST_F(TestMapTest, FiringWithoutAimPointOrSideDoesNothing)
{
    TModalAnswers answers;
    TfrmMain& window = Start({Path(QStringLiteral("Designs/Brickhouse.vx"))});
    Choose(window.cbAttackTarget, QStringLiteral("Vehicle"));
    window.cbAttackLocation->setCurrentIndex(-1);
    window.acTestFire->trigger();
    EXPECT_TRUE(EnemyCar->Damage.Log.isEmpty());
    EXPECT_TRUE(window.edTestText->toPlainText().isEmpty());
    EXPECT_TRUE(window.edStatsVehicle->toPlainText().isEmpty());
    EXPECT_EQ(TestCar->Stats.Weapons.Items[0].Shots, 0);
}

TEST_F(TestMapTest, ASeededHitOnTheOpponentFillsTheLogAndTheStatisticsPage)
{
    TModalAnswers answers;
    TfrmMain& window = Start({Path(QStringLiteral("Designs/Brickhouse.vx"))});
    // The settings file of this test's start gave the defaults.
    AlwaysHit = true;
    DamageCaused = 0; // always the least damage: 2 of the machine gun's 2d6
    IgnoreAmmo = false;
    Choose(window.cbAttackTarget, QStringLiteral("Vehicle"));
    Choose(window.cbTargetFacing, QStringLiteral("Up"));
    Choose(window.cbAttackLocation, QStringLiteral("Front"));
    RandSeed(12345);
    QTest::mouseClick(window.btnTestAttack, Qt::LeftButton);

    EXPECT_EQ(window.edStatsVehicle->toPlainText(), QStringLiteral("Weapon | Fired | Hit |   % | Dmg |  Avg\n"
                                                                   "-------+-------+-----+-----+-----+------\n"
                                                                   "   VMG |     1 |   1 | 100 |   2 | 2.00\n"
                                                                   "    FT |     0 |   0 |   0 |   0 | 0.00\n"
                                                                   "    MD |     0 |   0 |   0 |   0 | 0.00\n"
                                                                   "   MML |     1 |   0 |   0 |   0 | 0.00\n"
                                                                   "   MML |     1 |   0 |   0 |   0 | 0.00\n"
                                                                   "-------+-------+-----+-----+-----+------\n"
                                                                   "   Sum |     3 |   1 |  33 |   2 | 2.00"));
    // The opponent ahead shows its back to the own car.
    EXPECT_EQ(window.edStatsOpponent->toPlainText(), QStringLiteral("Rear Armor: 2 damage, 18 armor remains"));
    // The pod launchers' shots passed the opponent; the one hit is the log's
    // only entry, its line break a line of the log box.
    EXPECT_EQ(window.edTestText->toPlainText(), QStringLiteral("Damage to back side via Vulcan Machine Gun: 2\n"
                                                               "Damage to back armor: 2, remaining plastic armor: 18. "));
    // The machine gun spent one shot of its ammunition.
    EXPECT_EQ(TestCar->Damage.Weapons.Items[0].Shots, Car->Vehicle->Weapons.Items[0].Shots - 1);
}

// With "Ignore Ammo" off the lasers fire shot after shot at the opponent:
// they have no shots in the rules tables and spend none.
TEST_F(TestMapTest, LasersFireAtTheOpponentWithoutRunningOutOfAmmo)
{
    TModalAnswers answers;
    WriteSettings("[Test]\r\nAttackTarget=3\r\nAttackLocation=0\r\nTargetFacing=0\r\n");
    TfrmMain& window = Start({Path(QStringLiteral("Designs/Lightbringer.vx"))});
    window.show();
    window.pcTesting->SetActivePageIndex(1);
    AlwaysHit = true;
    DamageCaused = 0; // always the least damage: 3 of the laser's 3d6
    IgnoreAmmo = false;
    ASSERT_EQ(window.Vehicle().Weapons.Items[0].Abbreviation, QStringLiteral("L"));
    ASSERT_EQ(window.Vehicle().Weapons.Items[0].Shots, 0);
    RandSeed(12345);
    QTest::mouseClick(window.btnTestAttack, Qt::LeftButton);
    QTest::mouseClick(window.btnTestAttack, Qt::LeftButton);
    // The targeting laser does no damage and never fires; the laser hits twice.
    EXPECT_EQ(window.edTestText->toPlainText(), QStringLiteral("Damage to back side via Laser: 3\n"
                                                               "Damage to back armor: 3, remaining plastic armor: 17. \n"
                                                               "Damage to back side via Laser: 3\n"
                                                               "Damage to back armor: 3, remaining plastic armor: 14. "));
    EXPECT_EQ(TestCar->Damage.Weapons.Items[0].Shots, 0);
    window.hide();
}

TEST_F(TestMapTest, TheResetReloadsTheOpponentAndEmptiesTheTexts)
{
    TfrmMain& window = Start();
    Choose(window.cbAttackTarget, QStringLiteral("Vehicle"));
    const QString name = EnemyCar->Vehicle->Name;
    ASSERT_EQ(name, QStringLiteral("Veze Ridiv"));
    EnemyCar->Vehicle->Name = QStringLiteral("changed");
    EnemyCar->Vehicle->Armor.Front = 1;
    EnemyCar->Damage.Armor.Back = 3;
    window.edTestText->setPlainText(QStringLiteral("log"));
    window.edStatsVehicle->setPlainText(QStringLiteral("own"));
    window.edStatsOpponent->setPlainText(QStringLiteral("opponent"));
    QTest::mouseClick(window.imgTest, Qt::LeftButton, {}, QPoint(100, 100));

    QTest::mouseClick(window.btnReset, Qt::LeftButton);
    EXPECT_EQ(EnemyCar->Vehicle->Name, name);
    EXPECT_EQ(EnemyCar->Vehicle->Armor.Front, 30);
    EXPECT_EQ(EnemyCar->Damage.Armor.Back, 20);
    EXPECT_TRUE(window.edTestText->toPlainText().isEmpty());
    EXPECT_TRUE(window.edStatsVehicle->toPlainText().isEmpty());
    EXPECT_TRUE(window.edStatsOpponent->toPlainText().isEmpty());
    EXPECT_EQ(Car->Vehicle->TargetX, -1);
}

TEST_F(TestMapTest, OpeningAnOwnDesignResetsTheTestFiring)
{
    TfrmMain& window = Start();
    EnemyCar->Vehicle->Name = QStringLiteral("changed");
    window.edStatsOpponent->setPlainText(QStringLiteral("opponent"));
    window.FileLoad(Path(QStringLiteral("Designs/Gadfly.vx")), false);
    EXPECT_EQ(Car->Vehicle->Name, QStringLiteral("Gadfly"));
    EXPECT_EQ(EnemyCar->Vehicle->Name, QStringLiteral("Veze Ridiv"));
    EXPECT_TRUE(window.edStatsOpponent->toPlainText().isEmpty());
}

TEST_F(TestMapTest, TheOpponentButtonLoadsTheChosenDesignAndShiftClickChangesItsPicture)
{
    TModalAnswers answers;
    TfrmMain& window = Start();
    const QString chosen = Path(QStringLiteral("Designs/Gadfly.vx"));
    answers.Files = {chosen, QString()};
    QTest::mouseClick(window.btnLoadOpponent, Qt::LeftButton);
    EXPECT_EQ(Enemy, chosen);
    EXPECT_EQ(EnemyCar->Vehicle->Name, QStringLiteral("Gadfly"));
    EXPECT_EQ(window.btnLoadOpponent->toolTip(), QStringLiteral("Decide which opponent to load. Current: Gadfly"));
    EXPECT_FALSE(window.btnLoadOpponent->isDown());
    // A cancelled dialog changes nothing.
    QTest::mouseClick(window.btnLoadOpponent, Qt::LeftButton);
    EXPECT_EQ(Enemy, chosen);

    const int frames = CarImages.size();
    ASSERT_GT(frames, 1);
    EnemyFrameNr = frames - 2;
    QTest::mouseClick(window.btnLoadOpponent, Qt::LeftButton, Qt::ShiftModifier);
    EXPECT_EQ(EnemyFrameNr, frames - 1);
    EXPECT_EQ(EnemyCar->Body->Pixel(25, 50), CarImages[frames - 1].Pixel(25, 50));
    QTest::mouseClick(window.btnLoadOpponent, Qt::LeftButton, Qt::ShiftModifier);
    EXPECT_EQ(EnemyFrameNr, 0);
    // Shift-clicks open no dialog.
    EXPECT_EQ(answers.Offered.size(), 2);
}

TEST_F(TestMapTest, TheCarPictureButtonsWrapAround)
{
    TfrmMain& window = Start();
    const int last = int(CarImages.size()) - 1;
    CarFrameNr = last;
    QTest::mouseClick(window.btnNextCar, Qt::LeftButton);
    EXPECT_EQ(CarFrameNr, 0);
    EXPECT_EQ(Car->Body->Pixel(25, 50), CarImages[0].Pixel(25, 50));
    QTest::mouseClick(window.btnPrevCar, Qt::LeftButton);
    EXPECT_EQ(CarFrameNr, last);
    QTest::mouseClick(window.btnPrevCar, Qt::LeftButton);
    EXPECT_EQ(CarFrameNr, last - 1);
}

TEST_F(TestMapTest, TheOpponentControlsHideOnTheLayoutPage)
{
    TfrmMain& window = Start();
    window.show();
    Choose(window.cbAttackTarget, QStringLiteral("Vehicle"));
    window.pcTesting->setCurrentWidget(window.tsTesting);
    EXPECT_TRUE(window.gbTest->isVisible());
    EXPECT_TRUE(window.btnLoadOpponent->isVisible());
    window.pcTesting->setCurrentWidget(window.tsLayout);
    EXPECT_FALSE(window.gbTest->isVisible());
    EXPECT_FALSE(window.pcTesting->isTabVisible(window.pcTesting->indexOf(window.tsStats)));
    window.pcTesting->setCurrentWidget(window.tsTesting);
    Choose(window.cbAttackTarget, QStringLiteral("Map"));
    EXPECT_FALSE(window.gbTest->isVisible());
    EXPECT_FALSE(window.btnLoadOpponent->isVisibleTo(&window));
    EXPECT_FALSE(window.cbAttackLocation->isVisibleTo(&window));
    window.hide();
}

TEST_F(TestMapTest, ShowingTheWindowRestoresTraceSideAndFacing)
{
    WriteSettings("[Test]\r\nTrace=1\r\nAttackTarget=3\r\nAttackLocation=2\r\nTargetFacing=1\r\n");
    TfrmMain& window = Start();
    window.show();
    EXPECT_TRUE(window.chkTestTrace->isChecked());
    EXPECT_EQ(window.cbAttackLocation->currentIndex(), 2);
    EXPECT_EQ(window.cbTargetFacing->currentIndex(), 1);
    EXPECT_EQ(EnemyCar->X, 282);
    EXPECT_EQ(EnemyCar->Facing, 90);
    window.chkTestTrace->setChecked(false);
    EXPECT_FALSE(Trace);
    window.hide();
}

TEST_F(TestMapTest, AStoredFacingOutsideTheListStandsTheOpponentUpAtItsSide)
{
    WriteSettings("[Test]\r\nAttackTarget=3\r\nAttackLocation=0\r\nTargetFacing=9\r\n");
    TfrmMain& window = Start();
    window.show();
    EXPECT_EQ(window.cbTargetFacing->currentIndex(), -1);
    // Redrawing again never moves it further.
    window.ShowTestVehicle();
    EXPECT_EQ(EnemyCar->X, 157);
    EXPECT_EQ(EnemyCar->Y, 9);
    EXPECT_EQ(EnemyCar->Facing, 0);
    window.hide();
}

TEST_F(TestMapTest, InvisibleBodyViewLeavesTheCarPictureOutOfTheIcon)
{
    TfrmMain& window = Start();
    Choose(window.cbCarBodyView, QStringLiteral("Solid Car Body"));
    const TBitmap32 solid = window.IconPicture;
    Choose(window.cbCarBodyView, QStringLiteral("Invisible"));
    // The car picture's middle lies at (25 + 1 + 25, 25 + 50) of the icon box.
    EXPECT_NE(window.IconPicture.Pixel(51, 75), solid.Pixel(51, 75));
}

// A weapon as the statistics count it.
TWeaponType CountedWeapon(const char* abbreviation, int shots, int hits, int damage)
{
    TWeaponType weapon;
    weapon.Abbreviation = QLatin1String(abbreviation);
    weapon.Shots = shots;
    weapon.Cost = hits;
    weapon.Weight = damage;
    return weapon;
}

TEST_F(TestMapTest, TheStatisticsPageReportsHitsAndWhatTheOpponentLost)
{
    TfrmMain& window = Start();
    TGameCar own;
    own.Stats.Weapons.Items = {CountedWeapon("MG", 3, 2, 12), CountedWeapon("RL", 8, 1, 5),
                               CountedWeapon("FT", 0, 0, 0)};
    TGameCar opponent;
    TVehicle& design = *opponent.Vehicle;
    design.Armor = TArmor{};
    design.Armor.Front = 10;
    design.Armor.Top = 4;
    design.Weapons.Items = {CountedWeapon("MG", 0, 0, 0), CountedWeapon("RL", 0, 0, 0),
                            CountedWeapon("HR", 0, 0, 0)};
    design.Weapons.Items[0].DP = 3;
    design.Weapons.Items[1].DP = 4;
    design.Weapons.Items[2].DP = 2;
    design.Crew[0].Seat = true;
    design.Crew[1].Seat = false;
    design.CargoSpace = 0;
    TDamage& state = opponent.Damage;
    state.Armor = design.Armor;
    state.Armor.Front = 0;
    state.Armor.Top = 1;
    state.Weapons = design.Weapons;
    state.Weapons.Items[0].DP = 0;
    state.Weapons.Items[1].DP = 1;
    state.EngineMaxDP = 10;
    state.EngineDP = 4;
    state.CrewMaxDP = {6, 3};
    state.CrewDP = {2, 0}; // the empty gunner seat is never reported
    state.CargoDP = 5;     // nor the cargo of a design without cargo space

    window.FillStats(own, opponent);
    // 2 of 3 is 67 %, 1 of 8 is 12.5 %, which goes to the even 12.
    EXPECT_EQ(window.edStatsVehicle->toPlainText(), QStringLiteral("Weapon | Fired | Hit |   % | Dmg |  Avg\n"
                                                                   "-------+-------+-----+-----+-----+------\n"
                                                                   "    MG |     3 |   2 |  67 |  12 | 6.00\n"
                                                                   "    RL |     8 |   1 |  12 |   5 | 5.00\n"
                                                                   "    FT |     0 |   0 |   0 |   0 | 0.00\n"
                                                                   "-------+-------+-----+-----+-----+------\n"
                                                                   "   Sum |    11 |   3 |  27 |  17 | 5.67"));
    EXPECT_EQ(window.edStatsOpponent->toPlainText(), QStringLiteral("Front Armor: 10 damage, destroyed\n"
                                                                    "Top Armor: 3 damage, 1 armor remains\n"
                                                                    "MG: 3 damage, destroyed\n"
                                                                    "RL: 3 damage, 1 DP remain\n"
                                                                    "Engine: 6 damage, 4 DP remain\n"
                                                                    "Driver: 4 damage, 2 DP remain"));

    // Nothing lost: the opponent's report reads "None".
    opponent.Reset();
    window.FillStats(own, opponent);
    EXPECT_EQ(window.edStatsOpponent->toPlainText(), QStringLiteral("None"));
}

TEST_F(TestMapTest, AStatisticsSumBeyondTheIntegerRangeRaisesAnOverflow)
{
    TfrmMain& window = Start();
    TGameCar own;
    own.Stats.Weapons.Items = {CountedWeapon("MG", 1, 1, 2147483647), CountedWeapon("RL", 1, 1, 1)};
    TGameCar opponent;
    EXPECT_THROW(window.FillStats(own, opponent), EOverflow);
}

} // namespace

namespace {

// Every target shows the whole map below the page's controls, and no
// control of the page lies over another.
TEST_F(TestMapTest, TheWholeMapShowsBelowTheControlsForEveryTarget)
{
    TfrmMain& window = Start();
    window.show();
    window.pcTesting->setCurrentWidget(window.tsTesting);
    const QStringList targets = {QStringLiteral("Map"), QStringLiteral("Wall, 8 DP"), QStringLiteral("Wall, 30 DP"),
                                 QStringLiteral("Vehicle")};
    QRect firstMap;
    for (const QString& target : targets) {
        SCOPED_TRACE(target.toStdString());
        Choose(window.cbAttackTarget, target);
        QApplication::processEvents();
        QWidget* page = window.tsTesting;
        const QRect map(window.imgTest->mapTo(page, QPoint(0, 0)), window.imgTest->size());
        EXPECT_EQ(map.size(), QSize(365, 317));
        EXPECT_TRUE(page->rect().contains(map)) << map.bottom() << " below " << page->height();
        // The map does not move with the target.
        if (firstMap.isNull())
            firstMap = map;
        EXPECT_EQ(map, firstMap);
        QList<QRect> shown = {map};
        QStringList names = {QStringLiteral("imgTest")};
        for (QWidget* control : page->findChildren<QWidget*>()) {
            // The controls the page's rows lay out, not the rows themselves.
            if (control == window.imgTest || !control->isVisible() || control->layout() ||
                !control->parentWidget()->layout())
                continue;
            const QRect place(control->mapTo(page, QPoint(0, 0)), control->size());
            EXPECT_TRUE(page->rect().contains(place)) << control->objectName().toStdString();
            for (int i = 0; i < shown.size(); ++i)
                EXPECT_FALSE(place.intersects(shown[i]))
                    << control->objectName().toStdString() << " over " << names[i].toStdString();
            shown << place;
            names << control->objectName();
        }
    }
}

} // namespace
