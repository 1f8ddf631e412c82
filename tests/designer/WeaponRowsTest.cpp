#include "DesignerWindow.h"

#include "model/EnumTexts.h"
#include "model/Global.h"
#include "model/Lookups.h"
#include "model/Vehicle.h"
#include "platform/widgets/WidgetUtils.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QStatusBar>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

namespace {

class WeaponRowsTest : public DesignerWindowTest
{
protected:
    TfrmMain& StartWith(const QByteArray& settings = {})
    {
        if (!settings.isEmpty())
            WriteSettings(settings);
        W = &Start();
        return *W;
    }

    // Picks the weapon on the "All" tab and presses its add button.
    void AddWeapon(const QString& entry)
    {
        W->pcWeaponSelect->SetActivePageIndex(0);
        Choose(W->cbWeapon, entry);
        W->btnAddWeapon[0]->click();
    }

    QWidget* Row(const char* prefix, int tag) const
    {
        return W->WeaponRows.Find(QLatin1String(prefix), tag);
    }
    template <typename T>
    T* Row(const char* prefix, int tag) const
    {
        return qobject_cast<T*>(Row(prefix, tag));
    }

    static QStringList Items(const QComboBox* list)
    {
        QStringList items;
        for (int i = 0; i < list->count(); ++i)
            items << list->itemText(i);
        return items;
    }

    int ModelCost() const
    {
        TVehicle copy = W->Vehicle();
        QStringList list;
        return copy.GetCost(list);
    }

    // The design as its file writes it.
    QByteArray Saved(TVehicle& vehicle, const QString& name)
    {
        const QString path = Path(name);
        EXPECT_TRUE(vehicle.Save(path));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        return file.readAll();
    }

    TfrmMain* W = nullptr;
};

TEST_F(WeaponRowsTest, ThePanelShowsTheWeaponOfTheActiveTabsList)
{
    StartWith();
    Choose(W->cbWeapon, QStringLiteral("Machine Gun (MG)"));
    EXPECT_EQ(W->lblWeaponToHit->text(), QStringLiteral("To Hit: 7"));
    EXPECT_EQ(W->lblWeaponDamage->text(), QStringLiteral("Damage: 1d6"));
    EXPECT_EQ(W->lblWeaponShots->text(), QStringLiteral("Shots: 20"));
    // Loaded: the weapon with a full magazine.
    EXPECT_EQ(W->lblWeaponCost->text(), QStringLiteral("Cost: $1500"));
    EXPECT_EQ(W->lblWeaponWeight->text(), QStringLiteral("Weight: 200"));
    EXPECT_EQ(W->lblWeaponSpace->text(), QStringLiteral("Space: 1"));
    EXPECT_EQ(W->lblWeaponDP->text(), QStringLiteral("DP: 3"));
    EXPECT_EQ(W->lblWeaponEffect->text(), QStringLiteral("Effect: -"));
    EXPECT_EQ(W->lblWeaponClass->text(), QStringLiteral("Small-Bore Projectile Weapons"));
    EXPECT_EQ(W->lblWeaponYear->text(), QStringLiteral("Available from: 2030"));
    EXPECT_EQ(W->edWeaponComment->toPlainText(), QStringLiteral("The classic: cheap, reliable, 20 shots."));
    // A head and three range fields of a fixed width each.
    EXPECT_EQ(W->lblWeaponSpaceEff->text(), QStringLiteral("Space;  0-1\": 117.60; 1-4\":  70.80; 4-8\":  50.40"));
    EXPECT_EQ(W->lblWeaponCostEff->text(), QStringLiteral("Cost;   0-1\":  39.20; 1-4\":  23.60; 4-8\":  16.80"));
    EXPECT_EQ(W->lblWeaponWeightEff->text(), QStringLiteral("Weight; 0-1\": 147.00; 1-4\":  88.50; 4-8\":  63.00"));

    // The active tab's list decides; a laser has no shots to count.
    W->pcWeaponSelect->SetActivePageIndex(4);
    Choose(W->cbWeaponLasers, QStringLiteral("Laser (L)"));
    EXPECT_EQ(W->lblWeaponShots->text(), QStringLiteral("Shots: -"));
    EXPECT_EQ(W->lblWeaponClass->text(), QStringLiteral("Lasers"));
}

TEST_F(WeaponRowsTest, ListsHoldEachWeaponUnderAllAndItsClassAndTheTankGunOnlyUnderItsSetting)
{
    StartWith();
    EXPECT_EQ(W->cbWeapon->findText(QStringLiteral("Tank Gun (TG)")), -1);
    int inClasses = 0;
    for (int tab = 1; tab < 10; ++tab) {
        const QComboBox* list = W->WeaponList(tab);
        EXPECT_EQ(list->currentIndex(), 0);
        inClasses += list->count();
        for (const QString& entry : Items(list)) {
            TWeaponType weapon;
            ASSERT_TRUE(FindWeaponType(ParenthesisText(entry), weapon));
            EXPECT_EQ(int(weapon.Class), tab - 1) << entry.toStdString();
        }
    }
    EXPECT_EQ(W->cbWeapon->count(), WeaponTypes.Items.size() - 1);
    EXPECT_EQ(inClasses, W->cbWeapon->count());
    EXPECT_EQ(W->cbWeapon->itemText(0), QStringLiteral("Machine Gun (MG)"));
    // Without ShowEff the class shows instead of the efficiencies.
    EXPECT_FALSE(W->lblWeaponClass->isHidden());
    EXPECT_TRUE(W->lblWeaponSpaceEff->isHidden());
    Shutdown();

    StartWith("[AA]\r\nTankGun=1\r\n[Options]\r\nShowEff=1\r\n");
    EXPECT_GE(W->cbWeapon->findText(QStringLiteral("Tank Gun (TG)")), 0);
    EXPECT_GE(W->cbWeaponLargeBore->findText(QStringLiteral("Tank Gun (TG)")), 0);
    EXPECT_EQ(W->cbWeapon->count(), WeaponTypes.Items.size());
    EXPECT_TRUE(W->lblWeaponClass->isHidden());
    for (const QLabel* label : {W->lblWeaponSpaceEff, W->lblWeaponCostEff, W->lblWeaponWeightEff})
        EXPECT_FALSE(label->isHidden());
}

TEST_F(WeaponRowsTest, AnAddedWeaponGetsARowAtTheFirstLocationItOffers)
{
    StartWith();
    AddWeapon(QStringLiteral("Machine Gun (MG)"));
    const TVehicle& V = W->Vehicle();
    ASSERT_EQ(V.WeaponCount(), 1);
    EXPECT_EQ(V.Weapons.Items[0].Location, locFront);
    EXPECT_EQ(W->lblCostVal->text(), QStringLiteral("$ %1").arg(ModelCost()));

    auto* label = Row<QLabel>("lblWeapon", 0);
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->text(), QStringLiteral(" 0: MG"));
    EXPECT_EQ(label->objectName(), QStringLiteral("lblWeapon_1"));
    EXPECT_EQ(label->toolTip(), QStringLiteral("Machine Gun: Shots: 20, ToHit: 7, Damage: 1d6, DP: 3"));
    EXPECT_EQ(label->y(), 20);
    auto* where = Row<QComboBox>("cbWeaponPosition", 0);
    ASSERT_NE(where, nullptr);
    EXPECT_EQ(Items(where), QStringList({"front", "back", "left", "right"}));
    EXPECT_EQ(where->currentText(), QStringLiteral("front"));
    EXPECT_EQ(where->geometry().topLeft(), QPoint(53, 16));
    auto* computer = Row<QComboBox>("cbWeaponSWC", 0);
    ASSERT_NE(computer, nullptr);
    EXPECT_EQ(Items(computer), QStringList({"-", "SWC", "HRSWC"}));
    EXPECT_EQ(computer->currentIndex(), 0);
    auto* extra = Row<QCheckBox>("chkWeaponExtraAmmo", 0);
    ASSERT_NE(extra, nullptr);
    EXPECT_EQ(extra->toolTip(), QStringLiteral("Add an extra ammo magazine to the Machine Gun"));
    auto* ammo = Row<QComboBox>("cbWeaponAmmo", 0);
    ASSERT_NE(ammo, nullptr);
    EXPECT_EQ(ammo->itemText(0), QStringLiteral("Normal"));
    EXPECT_EQ(ammo->itemText(1), QStringLiteral("Armor-Piercing (AP)"));
    EXPECT_EQ(ammo->currentIndex(), 0);
    ASSERT_NE(Row("cbWeaponDelete", 0), nullptr);
    EXPECT_EQ(Row("cbWeaponDelete", 0)->toolTip(), QStringLiteral("Remove this weapon from the vehicle"));

    AddWeapon(QStringLiteral("Machine Gun (MG)"));
    ASSERT_NE(Row<QLabel>("lblWeapon", 1), nullptr);
    EXPECT_EQ(Row<QLabel>("lblWeapon", 1)->text(), QStringLiteral(" 1: MG"));
    EXPECT_EQ(Row<QLabel>("lblWeapon", 1)->y(), 40);
}

TEST_F(WeaponRowsTest, EachKindOfWeaponGetsTheOptionsItCanTake)
{
    StartWith();
    const struct {
        const char* Entry;
        bool Computer, Extra, Ammo, IR, Pulse;
    } cases[] = {
        {"Laser (L)", true, false, false, true, true},
        {"Targeting Laser (TL)", true, false, false, true, false},
        {"Smoke Discharger (SmD)", false, false, false, false, false},
        {"Light Rocket (LtR)", true, false, true, false, false},
        {"Flamethrower (FT)", true, true, false, false, false},
        {"Minedropper (MD)", false, true, false, false, false},
    };
    int row = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Entry);
        const int found = W->cbWeapon->findText(QLatin1String(c.Entry));
        ASSERT_GE(found, 0) << "no such weapon";
        AddWeapon(QLatin1String(c.Entry));
        EXPECT_EQ(Row("cbWeaponSWC", row) != nullptr, c.Computer);
        EXPECT_EQ(Row("chkWeaponExtraAmmo", row) != nullptr, c.Extra);
        EXPECT_EQ(Row("cbWeaponAmmo", row) != nullptr, c.Ammo);
        EXPECT_EQ(Row("chkWeaponIR", row) != nullptr, c.IR);
        EXPECT_EQ(Row("chkWeaponPulse", row) != nullptr, c.Pulse);
        ++row;
    }
}

TEST_F(WeaponRowsTest, ARowsChoicesGoIntoItsWeaponAndTheFiguresFollow)
{
    StartWith();
    AddWeapon(QStringLiteral("Machine Gun (MG)"));
    AddWeapon(QStringLiteral("Laser (L)"));
    const TVehicle& V = W->Vehicle();

    Choose(Row<QComboBox>("cbWeaponPosition", 0), QStringLiteral("back"));
    EXPECT_EQ(V.Weapons.Items[0].Location, locBack);
    Choose(Row<QComboBox>("cbWeaponSWC", 0), QStringLiteral("HRSWC"));
    EXPECT_FALSE(V.Weapons.Items[0].SWC);
    EXPECT_TRUE(V.Weapons.Items[0].HRSWC);
    Choose(Row<QComboBox>("cbWeaponSWC", 0), QStringLiteral("SWC"));
    EXPECT_TRUE(V.Weapons.Items[0].SWC);
    EXPECT_FALSE(V.Weapons.Items[0].HRSWC);
    Row<QCheckBox>("chkWeaponExtraAmmo", 0)->click();
    EXPECT_TRUE(V.Weapons.Items[0].ExtraAmmo);
    Choose(Row<QComboBox>("cbWeaponAmmo", 0), QStringLiteral("Armor-Piercing (AP)"));
    EXPECT_EQ(V.Weapons.Items[0].Ammo, QStringLiteral("AP"));
    EXPECT_EQ(W->lblCostVal->text(), QStringLiteral("$ %1").arg(ModelCost()));
    Choose(Row<QComboBox>("cbWeaponAmmo", 0), QStringLiteral("Normal"));
    EXPECT_EQ(V.Weapons.Items[0].Ammo, QStringLiteral("-"));

    const QString before = W->lblCostVal->text();
    Row<QCheckBox>("chkWeaponPulse", 1)->click();
    EXPECT_TRUE(V.Weapons.Items[1].LaserPulse);
    EXPECT_NE(W->lblCostVal->text(), before);
    Row<QCheckBox>("chkWeaponIR", 1)->click();
    EXPECT_TRUE(V.Weapons.Items[1].LaserIR);
    EXPECT_EQ(W->lblCostVal->text(), QStringLiteral("$ %1").arg(ModelCost()));
    // The first weapon kept its choices.
    EXPECT_EQ(V.Weapons.Items[0].Location, locBack);
    EXPECT_TRUE(V.Weapons.Items[0].SWC);
}

TEST_F(WeaponRowsTest, DeletingTheFirstOfThreeRowsMovesTheOthersUpAndRenumbersThem)
{
    StartWith();
    AddWeapon(QStringLiteral("Machine Gun (MG)"));
    AddWeapon(QStringLiteral("Laser (L)"));
    AddWeapon(QStringLiteral("Flamethrower (FT)"));
    QPointer<QWidget> button = Row("cbWeaponDelete", 0);
    QPointer<QWidget> label = Row("lblWeapon", 0);
    ASSERT_TRUE(button);
    static_cast<QToolButton*>(button.data())->click();

    EXPECT_FALSE(label);
    EXPECT_TRUE(button) << "released only after its click";
    EXPECT_TRUE(button->isHidden());
    EXPECT_EQ(Row("cbWeaponDelete", 0)->y(), 18);
    EXPECT_NE(Row("cbWeaponDelete", 0), button.data());
    const TVehicle& V = W->Vehicle();
    ASSERT_EQ(V.WeaponCount(), 2);
    EXPECT_EQ(V.Weapons.Items[0].Abbreviation, QStringLiteral("L"));
    EXPECT_EQ(Row<QLabel>("lblWeapon", 0)->text(), QStringLiteral(" 0: L"));
    EXPECT_EQ(Row<QLabel>("lblWeapon", 0)->y(), 20);
    EXPECT_EQ(Row<QLabel>("lblWeapon", 1)->text(), QStringLiteral(" 1: FT"));
    EXPECT_EQ(Row<QLabel>("lblWeapon", 1)->y(), 40);
    EXPECT_EQ(Row("chkWeaponIR", 0)->y(), 18);
    EXPECT_EQ(Row("lblWeapon", 2), nullptr);
    EXPECT_EQ(W->lblCostVal->text(), QStringLiteral("$ %1").arg(ModelCost()));

    QTest::qWait(250);
    EXPECT_FALSE(button) << "the timer releases the button";

    AddWeapon(QStringLiteral("Machine Gun (MG)"));
    ASSERT_NE(Row<QLabel>("lblWeapon", 2), nullptr);
    EXPECT_EQ(Row<QLabel>("lblWeapon", 2)->text(), QStringLiteral(" 2: MG"));
    EXPECT_EQ(Row<QLabel>("lblWeapon", 2)->objectName(), QStringLiteral("lblWeapon_4"));
    EXPECT_EQ(V.WeaponCount(), 3);
}

TEST_F(WeaponRowsTest, TwoDeletionsBeforeTheTimerReleaseBothButtonsOnce)
{
    StartWith();
    for (int i = 0; i < 3; ++i)
        AddWeapon(QStringLiteral("Machine Gun (MG)"));
    QPointer<QWidget> first = Row("cbWeaponDelete", 1);
    static_cast<QToolButton*>(first.data())->click();
    QPointer<QWidget> second = Row("cbWeaponDelete", 1);
    ASSERT_NE(second.data(), first.data());
    static_cast<QToolButton*>(second.data())->click();
    // A parked button is never taken for a row's control.
    EXPECT_EQ(Row("cbWeaponDelete", 1), nullptr);
    ASSERT_NE(Row("cbWeaponDelete", 0), nullptr);
    EXPECT_EQ(W->Vehicle().WeaponCount(), 1);
    EXPECT_EQ(W->WeaponRowTop, 36);
    QTest::qWait(250);
    EXPECT_FALSE(first);
    EXPECT_FALSE(second);
}

TEST_F(WeaponRowsTest, OpeningADesignRightAfterADeletionReleasesThePendingButtonOnce)
{
    StartWith();
    AddWeapon(QStringLiteral("Machine Gun (MG)"));
    AddWeapon(QStringLiteral("Machine Gun (MG)"));
    QPointer<QWidget> button = Row("cbWeaponDelete", 0);
    static_cast<QToolButton*>(button.data())->click();
    W->FileLoad(Path(QStringLiteral("Designs/Gadfly.vx")), false);
    EXPECT_EQ(W->PendingDelete, nullptr);
    QTest::qWait(250);
    EXPECT_FALSE(button);
    EXPECT_EQ(W->Vehicle().WeaponCount(), 2);
    EXPECT_EQ(Row<QLabel>("lblWeapon", 0)->text(), QStringLiteral(" 0: SD"));
    EXPECT_EQ(Row<QLabel>("lblWeapon", 1)->text(), QStringLiteral(" 1: SmD"));
    EXPECT_TRUE(Errors.Texts().isEmpty()) << Errors.Texts().join(QLatin1Char('\n')).toStdString();
}

TEST_F(WeaponRowsTest, SidePodsTakeOnlyTheWeaponsOfTheirKind)
{
    StartWith();
    TVehicle& V = W->Vehicle();
    TWeaponType rocket;
    TWeaponType gun;
    ASSERT_TRUE(FindWeaponType(QStringLiteral("LtR"), rocket));
    ASSERT_TRUE(FindWeaponType(QStringLiteral("MG"), gun));
    ASSERT_EQ(rocket.Shots, 1);
    const QString sides = QStringLiteral("left\r\nright\r\n");
    const struct {
        int EWP;
        bool Rockets;
        bool RocketSides, GunSides;
    } cases[] = {
        {ewpNone, false, true, true},
        {ewpOneSpaceSide, false, false, true},
        {ewpOneSpaceSide, true, true, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.EWP * 10 + c.Rockets);
        V.EWP = c.EWP;
        V.EWPR = c.Rockets;
        EXPECT_EQ(W->AvailableLocations(rocket).contains(sides), c.RocketSides);
        EXPECT_EQ(W->AvailableLocations(gun).contains(sides), c.GunSides);
    }
    // A roof pod of ordinary kind takes the gun, not the one-shot rocket.
    V.EWP = ewpOneSpaceTop;
    V.EWPR = false;
    EXPECT_EQ(W->AvailableLocations(gun), QStringLiteral("front\r\nback\r\nleft\r\nright\r\nEWP\r\n"));
    EXPECT_FALSE(W->AvailableLocations(rocket).contains(QStringLiteral("EWP")));
}

TEST_F(WeaponRowsTest, TurretAndRocketPlatformNeedTheirAddOn)
{
    StartWith();
    Choose(W->cbBodyType, QStringLiteral("Van"));
    TVehicle& V = W->Vehicle();
    ASSERT_GE(V.Body.Nr, 1);
    TWeaponType gun;
    TWeaponType rocket;
    TWeaponType discharger;
    ASSERT_TRUE(FindWeaponType(QStringLiteral("MG"), gun));
    ASSERT_TRUE(FindWeaponType(QStringLiteral("RL"), rocket));
    ASSERT_TRUE(FindWeaponType(QStringLiteral("SmD"), discharger));
    V.Turret = tkZeroSpace;
    EXPECT_FALSE(W->AvailableLocations(gun).contains(QStringLiteral("turret")));
    V.Turret = tkOneSpace;
    EXPECT_TRUE(W->AvailableLocations(gun).contains(QStringLiteral("turret")));
    EXPECT_FALSE(W->AvailableLocations(discharger).contains(QStringLiteral("turret")));
    EXPECT_FALSE(W->AvailableLocations(rocket).contains(QStringLiteral("rocket platform")));
    V.RocketPlatform = 1;
    EXPECT_TRUE(W->AvailableLocations(rocket).endsWith(QStringLiteral("turret\r\nrocket platform\r\n")));
    EXPECT_FALSE(W->AvailableLocations(gun).contains(QStringLiteral("rocket platform")));
}

TEST_F(WeaponRowsTest, AWeaponWithoutAPlaceGetsAnEmptyListAndSitsInFront)
{
    StartWith();
    WeaponTypes.Items[0].MountPoints = QStringLiteral(";TURRET;");
    AddWeapon(QStringLiteral("Machine Gun (MG)"));
    ASSERT_EQ(W->Vehicle().WeaponCount(), 1);
    EXPECT_EQ(Row<QComboBox>("cbWeaponPosition", 0)->count(), 0);
    EXPECT_EQ(W->Vehicle().Weapons.Items[0].Location, locFront);
}

TEST_F(WeaponRowsTest, ATopPodRefillsTheLocationsAndKeepsTheSelectedIndex)
{
    StartWith();
    Choose(W->cbBodyType, QStringLiteral("Van"));
    TVehicle& V = W->Vehicle();
    V.Turret = tkOneSpace;
    AddWeapon(QStringLiteral("Machine Gun (MG)"));
    Choose(Row<QComboBox>("cbWeaponPosition", 0), QStringLiteral("turret"));
    EXPECT_EQ(V.Weapons.Items[0].Location, locTurret);
    V.EWP = ewpOneSpaceTop;
    W->RefreshWeaponWhere();
    auto* where = Row<QComboBox>("cbWeaponPosition", 0);
    EXPECT_EQ(Items(where), QStringList({"front", "back", "left", "right", "EWP", "turret"}));
    EXPECT_EQ(where->currentText(), QStringLiteral("EWP"));
    EXPECT_EQ(V.Weapons.Items[0].Location, locEWP);
}

TEST_F(WeaponRowsTest, ThePlacementMessageShowsUnderTheRows)
{
    StartWith();
    // A design with the range the rules ask for.
    W->FileLoad(Path(QStringLiteral("Designs/Gadfly.vx")), false);
    EXPECT_TRUE(W->lblInvalidWeaponLoad->isHidden());
    AddWeapon(QStringLiteral("Smoke Discharger (SmD)"));
    EXPECT_TRUE(W->lblInvalidWeaponLoad->isHidden());
    AddWeapon(QStringLiteral("Smoke Discharger (SmD)"));
    EXPECT_EQ(W->lblInvalidWeaponLoad->text(), QStringLiteral("2 Dischargers in front - only one allowed"));
    EXPECT_FALSE(W->lblInvalidWeaponLoad->isHidden());
    Choose(Row<QComboBox>("cbWeaponPosition", 3), QStringLiteral("back"));
    EXPECT_TRUE(W->lblInvalidWeaponLoad->isHidden()) << W->lblInvalidWeaponLoad->text().toStdString();
}

TEST_F(WeaponRowsTest, ClickingARowsLabelShowsItsWeaponOnTheAllTab)
{
    StartWith();
    W->pcWeaponSelect->SetActivePageIndex(4);
    Choose(W->cbWeaponLasers, QStringLiteral("Heavy Laser (HL)"));
    W->btnAddWeapon[4]->click();
    ASSERT_EQ(W->Vehicle().WeaponCount(), 1);
    Choose(W->cbWeapon, QStringLiteral("Machine Gun (MG)"));
    W->pcWeaponSelect->SetActivePageIndex(2);
    QTest::mouseClick(Row("lblWeapon", 0), Qt::LeftButton);
    EXPECT_EQ(W->pcWeaponSelect->ActivePageIndex(), 0);
    EXPECT_EQ(W->cbWeapon->currentText(), QStringLiteral("Heavy Laser (HL)"));
    EXPECT_EQ(W->lblWeaponClass->text(), QStringLiteral("Lasers"));
}

// Every sample design fills the controls and rows, and a recalculation of
// what was loaded leaves the design as its file has it.
TEST_F(WeaponRowsTest, ASampleDesignFillsTheWindowAndRecalculatingChangesNothing)
{
    StartWith();
    for (const char* name : {"Brickhouse", "Gadfly", "Lightbringer", "Thunderwagon", "VezeRidiv"}) {
        SCOPED_TRACE(name);
        const QString file = Path(QStringLiteral("Designs/%1.vx").arg(QLatin1String(name)));
        TVehicle loaded;
        QString err;
        loaded.Load(file, err);
        ASSERT_TRUE(err.isEmpty()) << err.toStdString();
        const QByteArray expected = Saved(loaded, QStringLiteral("expected.vx"));

        W->FileLoad(file, false);
        TVehicle& V = W->Vehicle();
        EXPECT_EQ(W->edTextName->text(), V.Name);
        EXPECT_EQ(W->cbGEngine->currentIndex() >= 0, W->cbGEngine->findText(V.GasEngine.Name) >= 0);
        EXPECT_EQ(W->edArmorFront->value(), V.Armor.Front);
        EXPECT_EQ(W->WeaponRowTop, 16 + 20 * V.WeaponCount());
        for (int i = 0; i < V.WeaponCount(); ++i) {
            const TWeaponType& weapon = V.Weapons.Items[i];
            SCOPED_TRACE(i);
            auto* label = Row<QLabel>("lblWeapon", i);
            ASSERT_NE(label, nullptr);
            EXPECT_EQ(label->text(), QStringLiteral("%1: %2").arg(i, 2).arg(weapon.Abbreviation));
            EXPECT_EQ(label->objectName(), QStringLiteral("lblWeapon_%1").arg(i));
            // A place the list does not offer leaves it without a choice.
            auto* where = Row<QComboBox>("cbWeaponPosition", i);
            EXPECT_EQ(where->currentIndex(), where->findText(LocationToStr(weapon.Location)));
            if (auto* computer = Row<QComboBox>("cbWeaponSWC", i)) {
                EXPECT_EQ(computer->currentIndex(), weapon.SWC ? 1 : weapon.HRSWC ? 2 : 0);
            }
            if (auto* extra = Row<QCheckBox>("chkWeaponExtraAmmo", i)) {
                EXPECT_EQ(extra->isChecked(), weapon.ExtraAmmo);
            }
            if (auto* ir = Row<QCheckBox>("chkWeaponIR", i)) {
                EXPECT_EQ(ir->isChecked(), weapon.LaserIR);
            }
            if (auto* pulse = Row<QCheckBox>("chkWeaponPulse", i)) {
                EXPECT_EQ(pulse->isChecked(), weapon.LaserPulse);
            }
            if (auto* ammo = Row<QComboBox>("cbWeaponAmmo", i)) {
                EXPECT_EQ(ParenthesisTextOrDash(ammo->currentText()), weapon.Ammo.isEmpty() ? "-" : weapon.Ammo);
            }
        }
        EXPECT_EQ(Row("lblWeapon", V.WeaponCount()), nullptr);
        EXPECT_EQ(W->lblCostVal->text(), QStringLiteral("$ %1").arg(ModelCost()));

        W->RecalcVehicle(true);
        EXPECT_EQ(QString::fromUtf8(Saved(V, QStringLiteral("shown.vx"))).toStdString(), QString::fromUtf8(expected).toStdString());
    }
    EXPECT_TRUE(Errors.Texts().isEmpty()) << Errors.Texts().join(QLatin1Char('\n')).toStdString();
}

TEST_F(WeaponRowsTest, TheCompactLayoutHidesTheStatusBarAndTheNormalOneRestoresEveryBox)
{
    StartWith();
    const QRect installed = W->gbInstalled->geometry();
    const QRect selection = W->gbSelection->geometry();
    W->SetUpResolution(true);
    EXPECT_TRUE(W->statusBar()->isHidden());
    EXPECT_TRUE(W->gbInfo->isHidden());
    EXPECT_FALSE(W->pc600->isHidden());
    EXPECT_EQ(W->height(), 600);
    // Below the selection box the installed box takes the rest of the window.
    EXPECT_EQ(W->gbInstalled->geometry(), QRect(380, 404, 634, W->centralWidget()->height() - 404));
    EXPECT_EQ(W->pcBody->parentWidget()->objectName(), QStringLiteral("ts600Body"));
    W->SetUpResolution(false);
    EXPECT_FALSE(W->statusBar()->isHidden());
    EXPECT_TRUE(W->pc600->isHidden());
    EXPECT_EQ(W->height(), 800);
    EXPECT_EQ(W->gbInstalled->geometry(), installed);
    EXPECT_EQ(W->gbSelection->geometry(), selection);
    EXPECT_EQ(W->pcBody->parentWidget(), W->gbBody);
    EXPECT_EQ(W->gbArmor->parentWidget(), W->centralWidget());
}

TEST_F(WeaponRowsTest, TheCompactLayoutScrollsTheArmorBoxAndHidesTheEmptiedBoxes)
{
    StartWith();
    W->SetUpResolution(true);
    EXPECT_TRUE(W->gbBody->isHidden());
    EXPECT_TRUE(W->gbEngine->isHidden());
    auto* scroller = qobject_cast<QScrollArea*>(W->gbArmor->parentWidget()->parentWidget());
    ASSERT_NE(scroller, nullptr);
    EXPECT_EQ(scroller->widget(), W->gbArmor);
    EXPECT_EQ(scroller->parentWidget()->objectName(), QStringLiteral("ts600Armor"));
    // Switching twice reuses the one scroller.
    W->SetUpResolution(false);
    W->SetUpResolution(true);
    EXPECT_EQ(scroller->widget(), W->gbArmor);
    W->SetUpResolution(false);
    EXPECT_FALSE(W->gbBody->isHidden());
    EXPECT_FALSE(W->gbEngine->isHidden());
    EXPECT_EQ(W->gbArmor->parentWidget(), W->centralWidget());
    EXPECT_EQ(W->gbArmor->geometry(), QRect(824, 0, 190, 281));
}

// Every control of a row box's rows lies within the box's view, and the
// box shows a scroll bar only for rows it cannot show at once.
void ExpectRowsFitTheirBox(QScrollArea* box)
{
    SCOPED_TRACE(box->objectName().toStdString());
    QApplication::processEvents();
    const QWidget* content = box->widget();
    EXPECT_FALSE(box->horizontalScrollBar()->isVisible());
    EXPECT_EQ(content->width(), box->viewport()->width());
    int bottom = 0;
    for (const QWidget* control : content->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (control->isHidden())
            continue;
        bottom = std::max(bottom, control->geometry().bottom() + 1);
        EXPECT_LE(control->geometry().right(), box->viewport()->width() - 1) << control->objectName().toStdString();
    }
    EXPECT_EQ(content->height(), bottom);
    EXPECT_EQ(box->verticalScrollBar()->isVisible(), bottom > box->viewport()->height());
}

TEST_F(WeaponRowsTest, TheRowBoxesFitTheirRowsSoNoArrowHidesAndNoScrollBarShowsWithoutNeed)
{
    StartWith();
    W->show();
    const auto showPage = [](QWidget* page) {
        for (QWidget* p = page; p; p = p->parentWidget()) {
            if (auto* pages = qobject_cast<QTabWidget*>(p->parentWidget() ? p->parentWidget()->parentWidget() : nullptr))
                pages->setCurrentWidget(p);
        }
    };
    showPage(W->scrInstalledWeapons);
    ExpectRowsFitTheirBox(W->scrInstalledWeapons);
    // A row with every list, the ammunition's drop-down the last.
    AddWeapon(QStringLiteral("Machine Gun (MG)"));
    ExpectRowsFitTheirBox(W->scrInstalledWeapons);
    auto* ammo = Row<QComboBox>("cbWeaponAmmo", 0);
    ASSERT_NE(ammo, nullptr);
    EXPECT_GT(ammo->width(), ammo->minimumSizeHint().width());
    // More rows than the box shows at once.
    for (int i = 0; i < 12; ++i)
        AddWeapon(QStringLiteral("Machine Gun (MG)"));
    for (const bool compact : {false, true}) {
        SCOPED_TRACE(compact ? "compact" : "normal");
        W->SetUpResolution(compact);
        showPage(W->scrInstalledWeapons);
        ExpectRowsFitTheirBox(W->scrInstalledWeapons);
        showPage(W->scrInstalledEquipment);
        ExpectRowsFitTheirBox(W->scrInstalledEquipment);
        showPage(W->scrCA);
        ExpectRowsFitTheirBox(W->scrCA);
    }
}

// The columns of a weapon row: each control at the place and of the width
// its row gives it, whatever its entries, so that none reaches into the next.
TEST_F(WeaponRowsTest, ARowsControlsKeepTheirColumnsWhateverTheirEntries)
{
    StartWith();
    W->show();
    // Every rocket of the sample stands on its rocket platform, the longest
    // entry a location list offers.
    W->FileLoad(Path(QStringLiteral("Designs/Thunderwagon.vx")), false);
    QApplication::processEvents();
    int rockets = 0;
    for (int row = 0; row < W->Vehicle().WeaponCount(); ++row) {
        SCOPED_TRACE(row);
        auto* where = Row<QComboBox>("cbWeaponPosition", row);
        ASSERT_NE(where, nullptr);
        rockets += where->currentText() == QLatin1String("rocket platform");
        const struct {
            const char* Prefix;
            int Left;
            int Width;
        } columns[] = {{"cbWeaponPosition", 53, 50}, {"cbWeaponDelete", 104, 16}, {"cbWeaponSWC", 123, 65}};
        for (const auto& column : columns) {
            SCOPED_TRACE(column.Prefix);
            QWidget* control = Row(column.Prefix, row);
            ASSERT_NE(control, nullptr);
            EXPECT_EQ(control->x(), column.Left);
            EXPECT_EQ(control->width(), column.Width);
        }
    }
    EXPECT_GT(rockets, 0);
}

// Rows rebuilt in the shown window: the box's own controls stay in it, the
// new rows show once the program waits again, and a box whose rows a
// recalculation rebuilds keeps its scroll position.
TEST_F(WeaponRowsTest, RebuiltRowsShowAndTheirBoxesKeepTheirOwnControlsAndScrollPosition)
{
    StartWith();
    W->show();
    for (int i = 0; i < 20; ++i)
        AddWeapon(QStringLiteral("Smoke Discharger (SmD)"));
    QApplication::processEvents();
    ASSERT_FALSE(W->lblInvalidWeaponLoad->isHidden());
    W->FileLoad(Path(QStringLiteral("Designs/Thunderwagon.vx")), false);
    for (int i = 0; i < 20; ++i)
        AddWeapon(QStringLiteral("Machine Gun (MG)"));
    QApplication::processEvents();
    QWidget* rows = W->scrInstalledWeapons->widget();
    EXPECT_EQ(W->lblInvalidWeaponLoad->parentWidget(), rows);
    EXPECT_EQ(W->btnDeleteGlyph->parentWidget(), rows);
    EXPECT_TRUE(W->btnDeleteGlyph->isHidden());
    EXPECT_EQ(Tag(W->lblInvalidWeaponLoad), -1);
    ASSERT_NE(Row("lblWeapon", 0), nullptr);
    EXPECT_TRUE(Row("lblWeapon", 0)->isVisible());

    for (QWidget* p = W->scrCA; p; p = p->parentWidget()) {
        if (auto* pages = qobject_cast<QTabWidget*>(p->parentWidget() ? p->parentWidget()->parentWidget() : nullptr))
            pages->setCurrentWidget(p);
    }
    QApplication::processEvents();
    QScrollBar* bar = W->scrCA->verticalScrollBar();
    ASSERT_GT(bar->maximum(), 100);
    bar->setValue(100);
    Choose(Row<QComboBox>("cbWeaponSWC", 0), QStringLiteral("SWC"));
    QApplication::processEvents();
    EXPECT_EQ(bar->value(), 100);
    ASSERT_NE(FindControlByPrefix(W->scrCA->widget(), QStringLiteral("seWeaponCA"), 0), nullptr);
    EXPECT_TRUE(FindControlByPrefix(W->scrCA->widget(), QStringLiteral("seWeaponCA"), 0)->isVisible());
}

TEST_F(WeaponRowsTest, AComponentArmorSpinKeepsItsWidthWhateverItsMaximumAndItsRow)
{
    StartWith();
    W->show();
    W->FileLoad(Path(QStringLiteral("Designs/Thunderwagon.vx")), false);
    QApplication::processEvents();
    QWidget* content = W->scrCA->widget();
    int spins = 0;
    QList<QRect> places;
    for (auto* spin : content->findChildren<QSpinBox*>(QString(), Qt::FindDirectChildrenOnly)) {
        SCOPED_TRACE(spin->objectName().toStdString());
        EXPECT_EQ(spin->geometry().left(), 104);
        EXPECT_EQ(spin->width(), 41);
        // No spin covers the next row's.
        for (const QRect& other : std::as_const(places))
            EXPECT_FALSE(spin->geometry().intersects(other));
        places << spin->geometry();
        ++spins;
    }
    // The driver's, the gunner's, the engine's (the one with the most
    // points) and one per weapon.
    EXPECT_NE(FindControlByPrefix(content, QStringLiteral("seObjectCA"), 102), nullptr);
    EXPECT_EQ(spins, 3 + W->Vehicle().WeaponCount());
}

} // namespace
