#include "DesignerWindow.h"

#include "gamecar/GameCar.h"
#include "gamecar/OfficialDescription.h"
#include "gamecar/OutsiderDescription.h"
#include "model/Global.h"
#include "model/Vehicle.h"
#include "platform/Format.h"
#include "platform/Numbers.h"
#include "platform/widgets/MessageDlg.h"
#include "model/Lookups.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QTest>
#include <QTimer>

#include <functional>
#include <limits>

namespace {

class RecalcTest : public DesignerWindowTest
{
protected:
    void SetUp() override
    {
        DesignerWindowTest::SetUp();
        W = &Start();
    }

    // What the model says of the window's design, asked on a copy in the
    // order of a recalculation.
    TVehicle Model() const
    {
        TVehicle copy = W->Vehicle();
        QStringList list;
        copy.GetCost(list);
        copy.GetWeight(list);
        copy.GetSpace(list);
        copy.GetCargoSpace();
        copy.GetHC();
        copy.GetAcceleration();
        return copy;
    }

    static QString Lines(const QString& text) { return QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")); }

    static bool IsWarning(const QLabel* label)
    {
        return label->font().bold() && label->palette().color(QPalette::WindowText) == QColor(Qt::red);
    }

    // A design that moves: a gas engine with a tank.
    void GiveItAnEngine()
    {
        Choose(W->cbGEngine, QStringLiteral("300 cid"));
        Choose(W->cbGasTank, GasTankTypes.Items.last().Name);
        W->edGasTankSize->setValue(10);
    }

    TfrmMain* W = nullptr;
};

TEST_F(RecalcTest, DamageTireAndArmorLabelsShowWhatTheModelComputes)
{
    Choose(W->cbBodyType, QStringLiteral("Van"));
    GiveItAnEngine();
    W->edArmorFront->setValue(12);
    W->edArmorMLeft->setValue(3);
    W->chkArmorLR->setChecked(true);
    Choose(W->cbTireRear, QStringLiteral("Heavy-Duty"));

    TVehicle v = Model();
    QString text;
    const std::pair<QLabel*, TLocation> firepower[] = {
        {W->lblDamageFrontVal, locFront}, {W->lblDamageBackVal, locBack},     {W->lblDamageLeftVal, locLeft},
        {W->lblDamageRightVal, locRight}, {W->lblDamageTurretVal, locTurret}, {W->lblDamageEWPVal, locEWP},
        {W->lblDamageRocketVal, locRocketPlatform},
    };
    for (const auto& [label, location] : firepower) {
        v.GetFirepower(location, text);
        EXPECT_EQ(label->text(), text) << label->objectName().toStdString();
    }
    v.GetCollisionModifierText(text);
    EXPECT_EQ(W->lblDamageRamModVal->text(), text);
    v.GetCollisionDamageText(v.GetTopSpeed(), text);
    EXPECT_EQ(W->lblDamageRamMaxVal->text(), text);
    v.GetCollisionDamageText(v.GetCruisingSpeed(), text);
    EXPECT_EQ(W->lblDamageRamCruiseVal->text(), text);

    QStringList list;
    EXPECT_EQ(W->lblTiresRearWeight->text(), QStringLiteral("%1 lbs").arg(v.GetTireWeight(v.TiresRear, list, false)));
    EXPECT_EQ(W->lblTiresFrontWeight->text(), QStringLiteral("%1 lbs").arg(v.GetTireWeight(v.TiresFront, list, true)));
    // 12 plastic points in front, 3 metal ones on the left carried over to
    // the right; every tab shows the sums.
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(W->lblArmorSumPts[i]->text(), QStringLiteral("18 pt"));
        EXPECT_EQ(W->lblArmorSumLbs[i]->text(),
                  QStringLiteral("%1 lb").arg(Round(v.GetArmorWeight(false, -1, -1))));
    }
}

TEST_F(RecalcTest, WeightsForTheAccelerationClassesFollowTheDesign)
{
    // The new design has no power plant: it cannot accelerate at all.
    EXPECT_EQ(W->lblMaxAccVal->text(), QStringLiteral("0"));
    EXPECT_TRUE(IsWarning(W->lblMaxAcc));
    EXPECT_EQ(W->lblMaxWeightNow->text(), QStringLiteral("Max. weight exceeded"));
    EXPECT_TRUE(W->lblMaxWeightWant->text().startsWith(QStringLiteral("Weight for accel 5: ")));

    // A small body with a large engine reaches the top class.
    GiveItAnEngine();
    ASSERT_EQ(Model().GetAcceleration(), 15);
    EXPECT_EQ(W->lblMaxWeightWant->text(), QStringLiteral("Max. accel reached"));

    Choose(W->cbBodyType, QStringLiteral("Van"));
    TVehicle v = Model();
    const int accel = v.GetAcceleration();
    ASSERT_GT(accel, 0);
    ASSERT_LT(accel, 15);
    EXPECT_FALSE(IsWarning(W->lblMaxAcc));
    const int now = v.GetMaxWeightForAcc(accel);
    const int next = v.GetMaxWeightForAcc(accel + 5);
    EXPECT_EQ(W->lblMaxWeightNow->text(),
              QStringLiteral("Max. weight for accel %1: %2 lb (%3/%4 pt)")
                  .arg(accel)
                  .arg(now)
                  .arg(v.GetArmorPointsForWeight(now - v.Weight, false))
                  .arg(v.GetArmorPointsForWeight(now - v.Weight, true)));
    // Reaching the next class means losing weight: the points are shown as
    // amounts to remove.
    EXPECT_EQ(W->lblMaxWeightWant->text(),
              QStringLiteral("Weight for accel %1: %2 lb (%3/%4 pt)")
                  .arg(accel + 5)
                  .arg(next)
                  .arg(std::abs(v.GetArmorPointsForWeight(next - v.Weight, false)))
                  .arg(std::abs(v.GetArmorPointsForWeight(next - v.Weight, true))));
}

TEST_F(RecalcTest, TooMuchWeightTurnsRedAndBoldAndBack)
{
    GiveItAnEngine();
    ASSERT_FALSE(IsWarning(W->lblWeightVal));
    W->edArmorMFront->setValue(99);
    W->edArmorMRear->setValue(99);
    ASSERT_GT(Model().Weight, Model().MaxWeight);
    EXPECT_TRUE(IsWarning(W->lblWeight));
    EXPECT_TRUE(IsWarning(W->lblWeightVal));
    W->btnRemoveMetalArmorClick();
    EXPECT_FALSE(IsWarning(W->lblWeight));
    EXPECT_FALSE(W->lblWeight->font().bold());
    EXPECT_TRUE(W->lblWeightVal->font().bold());
}

TEST_F(RecalcTest, BothDescriptionsAndTheCaptionFollowEveryEdit)
{
    const auto expectDescriptions = [this] {
        TVehicle v = Model();
        QString official, outsider;
        OfficialDescription(v, true, official);
        OutsiderDescription(v, outsider);
        EXPECT_EQ(W->edRecordSheet->toPlainText(), Lines(official));
        EXPECT_EQ(W->edOutsidersSheet->toPlainText(), Lines(outsider));
    };
    expectDescriptions();
    const QString before = W->edRecordSheet->toPlainText();

    Choose(W->cbBodyType, QStringLiteral("Pickup"));
    GiveItAnEngine();
    expectDescriptions();
    EXPECT_NE(W->edRecordSheet->toPlainText(), before);
    EXPECT_TRUE(W->edOutsidersSheet->toPlainText().contains(QStringLiteral("Pickup")));

    W->edTextName->setText(QStringLiteral("Roadrunner"));
    expectDescriptions();
    EXPECT_TRUE(W->edRecordSheet->toPlainText().startsWith(QStringLiteral("Roadrunner")))
        << W->edRecordSheet->toPlainText().toStdString();

    // The caption names the design year of the latest part.
    QStringList list;
    const int year = W->Vehicle().GetYear(list);
    EXPECT_EQ(W->windowTitle(), QStringLiteral("Rigsmith 0.6.2\u00DF for %1 ").arg(year));
    EXPECT_EQ(W->lblVehicleYearVal->text(), QString::number(year));
}

TEST_F(RecalcTest, TheTestCarIsTheEditedDesignWithItsPicture)
{
    Choose(W->cbBodyType, QStringLiteral("Van"));
    EXPECT_EQ(TestCar->Vehicle, Car->Vehicle);
    EXPECT_EQ(TestCar->Body, Car->Body);
    EXPECT_EQ(TestCar->BodyMask, Car->BodyMask);
    EXPECT_NE(EnemyCar->Vehicle, Car->Vehicle);
    // The layout plan, the map and the icon box show the design.
    EXPECT_EQ(W->LayoutPicture.Width(), 365);
    EXPECT_EQ(W->LayoutPicture.Height(), 373);
    EXPECT_FALSE(W->imgLayout->pixmap().isNull());
    EXPECT_EQ(W->imgTest->pixmap().size(), QSize(365, 317));
    EXPECT_EQ(W->imgIcon->pixmap().size(), QSize(100, 150));
}

TEST_F(RecalcTest, TheSpaceLabelNamesTheCargoSpaceOnlyWhenTheBodyHasIt)
{
    const auto expectSpace = [this](const QString& cargo) {
        TVehicle v = W->Vehicle();
        QStringList list;
        const int used = v.GetSpace(list);
        EXPECT_EQ(W->lblSpaceVal->text(), QStringLiteral("%1/%2 %3").arg(used).arg(v.Body.Space).arg(cargo));
    };
    ASSERT_EQ(W->Vehicle().Body.CargoSpace, 0);
    // Without cargo space the text ends in a blank.
    expectSpace(QString());
    Choose(W->cbBodyType, QStringLiteral("Pickup"));
    expectSpace(QStringLiteral("+ 12"));
}

TEST_F(RecalcTest, ThePowerLabelsAndTheRangeHintNameThePlantInUse)
{
    const auto expectHint = [this](const QString& hint) {
        for (const QLabel* label : {W->lblRange, W->lblRangeVal}) {
            EXPECT_EQ(label->toolTip(), hint) << label->objectName().toStdString();
            EXPECT_EQ(label->statusTip(), hint) << label->objectName().toStdString();
        }
    };
    GiveItAnEngine();
    TVehicle v = W->Vehicle();
    v.GetRange();
    EXPECT_EQ(W->lblPowerCell->text(), QStringLiteral("- Gas Engine Selected -"));
    EXPECT_EQ(W->lblPowerGas->text(), QStringLiteral("Power: %1").arg(v.EffectivePower()));
    ASSERT_GT(v.GasEngine.CurrentMPG, 0);
    expectHint(QStringLiteral("Range at cruising speed (in miles) -- MPG is %1").arg(v.GasEngine.CurrentMPG));

    // A power plant takes precedence over the gas engine.
    Choose(W->cbCEngine, QStringLiteral("Small"));
    v = W->Vehicle();
    ASSERT_GT(v.PowerCellEngine.Power, 0);
    EXPECT_EQ(W->lblPowerCell->text(), QStringLiteral("Power: %1").arg(v.EffectivePower()));
    EXPECT_EQ(W->lblPowerGas->text(), QStringLiteral("- Power Cell Selected -"));
    expectHint(QStringLiteral("Range at cruising speed (in miles)"));
}

TEST_F(RecalcTest, ALateDesignYearTurnsRedOnlyUnderTheYearLimit)
{
    QStringList list;
    const int year = W->Vehicle().GetYear(list);
    const struct {
        bool Use;
        int Limit;
        bool Bad;
    } cases[] = {{true, year - 1, true}, {true, year, false}, {false, year - 1, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Limit);
        YearUse = c.Use;
        Year = c.Limit;
        W->ClickRecalcVehicle();
        EXPECT_EQ(IsWarning(W->lblVehicleYear), c.Bad);
        EXPECT_EQ(IsWarning(W->lblVehicleYearVal), c.Bad);
        EXPECT_TRUE(W->lblVehicleYearVal->font().bold());
    }
}

TEST_F(RecalcTest, TheComponentArmorTabFollowsAllowCAEvenWhileLoading)
{
    const auto caShown = [this] { return W->pcArmor->isTabVisible(W->pcArmor->indexOf(W->tsCA)); };
    ASSERT_TRUE(caShown());
    AllowCA = false;
    W->ClickRecalcVehicle();
    EXPECT_FALSE(caShown());
    AllowCA = true;
    GUILoading = true;
    const QString cost = W->lblCostVal->text();
    W->edArmorFront->setValue(20);
    W->RecalcVehicle(true);
    EXPECT_TRUE(caShown());
    // Nothing else changes while the controls are being filled.
    EXPECT_EQ(W->lblCostVal->text(), cost);
    GUILoading = false;
}

TEST_F(RecalcTest, TheCaptionNamesTheDivisionAndTheOpenFile)
{
    QStringList list;
    const int year = W->Vehicle().GetYear(list);
    Div = 20;
    DivUse = true;
    FileName = QStringLiteral("/somewhere/Designs/Hornet.vx");
    W->ClickRecalcVehicle();
    EXPECT_EQ(W->windowTitle(), QStringLiteral("Rigsmith 0.6.2\u00DF for %1 (Div 20) : Hornet").arg(year));
    DivUse = false;
    W->ClickRecalcVehicle();
    EXPECT_EQ(W->windowTitle(), QStringLiteral("Rigsmith 0.6.2\u00DF for %1  : Hornet").arg(year));
    FileName.clear();
}

TEST_F(RecalcTest, ABreakdownClickShowsTheListInABoxAndInTheDebugMemo)
{
    // Right after start-up the list holds the first recalculation's breakdown.
    const QStringList spaces = SpaceList;
    ASSERT_FALSE(spaces.isEmpty());
    QString shown;
    QTimer::singleShot(0, [&shown] {
        QWidget* box = QApplication::activeModalWidget();
        ASSERT_NE(box, nullptr);
        for (QLabel* label : box->findChildren<QLabel*>())
            shown += label->text();
        for (QPushButton* button : box->findChildren<QPushButton*>())
            button->click();
    });
    QTest::mouseClick(W->lblSpaceVal, Qt::LeftButton);
    EXPECT_TRUE(shown.contains(spaces.first())) << shown.toStdString();
    EXPECT_TRUE(shown.contains(spaces.last())) << shown.toStdString();
    EXPECT_EQ(W->edDebug->toPlainText(), spaces.join(QLatin1Char('\n')));
}

// A breakdown of a design with 250 weapons is far taller than the screen:
// its box stays on the screen, the list scrolls inside it, and its OK button
// is there to be pressed.
TEST_F(RecalcTest, ALongBreakdownScrollsInsideABoxThatFitsTheScreen)
{
    W->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(W));
    TVehicle& design = W->Vehicle();
    const int gun = FindWeaponTypeIndex(QStringLiteral("MG"));
    ASSERT_GE(gun, 0);
    for (int i = 0; i < 250; ++i) {
        int index = 0;
        design.AddWeapon(WeaponTypes.Items[gun], index);
    }
    W->LoadGUI();
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    const std::pair<QLabel*, const QStringList*> breakdowns[] = {
        {W->lblCostVal, &CostList}, {W->lblWeightVal, &WeightList},
        {W->lblSpaceVal, &SpaceList}, {W->lblVehicleYearVal, &YearList}};
    for (const auto& [label, list] : breakdowns) {
        SCOPED_TRACE(label->objectName().toStdString());
        const QStringList lines = *list;
        bool pressed = false;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<TMessageForm*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            EXPECT_TRUE(screen.contains(box->frameGeometry())) << box->frameGeometry().height();
            EXPECT_EQ(box->MessageLabel()->text(), lines.join(QLatin1Char('\n')));
            if (lines.size() > 250) {
                ASSERT_NE(box->MessageScroller(), nullptr);
                QScrollBar* bar = box->MessageScroller()->verticalScrollBar();
                EXPECT_GT(bar->maximum(), 0);
                // Scrolled to its end, the list's last line is in view.
                bar->setValue(bar->maximum());
                const QRect inView(QPoint(0, bar->value()), box->MessageScroller()->viewport()->size());
                EXPECT_TRUE(inView.contains(QPoint(0, box->MessageLabel()->height() - 1)));
            }
            QPushButton* ok = box->Buttons().at(0);
            EXPECT_TRUE(ok->isVisible());
            EXPECT_TRUE(box->rect().contains(QRect(ok->mapTo(box, QPoint(0, 0)), ok->size())));
            QTest::mouseClick(ok, Qt::LeftButton);
            pressed = true;
        });
        QTest::mouseClick(label, Qt::LeftButton);
        EXPECT_TRUE(pressed);
    }
    EXPECT_GT(CostList.size(), 250);
    W->hide();
}

TEST_F(RecalcTest, AnErrorFromAnEditIsShownAndTheWindowGoesOnFromWhereItStopped)
{
    const struct {
        const char* Edit;
        std::function<void()> Do;
        // Whether the design holds the edit.
        std::function<bool()> Taken;
    } edits[] = {
        {"gas tank size", [this] { QTest::keyClick(W->edGasTankSize, Qt::Key_Up); },
         [this] { return W->Vehicle().TankSize == 11; }},
        {"driver's gas mask", [this] { QTest::keyClick(W->cbDriverGasMask, Qt::Key_Space); },
         [this] { return W->Vehicle().Crew[0].GasMask; }},
    };
    for (const auto& edit : edits) {
        GiveItAnEngine();
        const QString cost = W->lblCostVal->text();
        // A price per gallon that the tank's cost cannot hold.
        W->Vehicle().GasTank.CPG = std::numeric_limits<int>::max() / 2;
        Errors.Clear();

        edit.Do();
        EXPECT_EQ(Errors.Texts(), QStringList({QStringLiteral("Arithmetic overflow")})) << edit.Edit;
        // The edit is in the design; the figures stopped where the error rose,
        // at the cost, so every label shows what it showed before.
        EXPECT_TRUE(edit.Taken()) << edit.Edit;
        EXPECT_EQ(W->lblCostVal->text(), cost) << edit.Edit;

        // The next edit that the accounting can hold shows its figures.
        W->Vehicle().GasTank = GasTankTypes.Items.last();
        Errors.Clear();
        QTest::keyClick(W->edGasTankSize, Qt::Key_Down);
        EXPECT_TRUE(Errors.Texts().isEmpty()) << edit.Edit;
        EXPECT_EQ(W->lblCostVal->text(), Format(QStringLiteral("$ %d"), {Model().Cost})) << edit.Edit;
    }
}

} // namespace
