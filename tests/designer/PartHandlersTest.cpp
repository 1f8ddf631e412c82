#include "DesignerWindow.h"

#include "model/Global.h"
#include "model/Vehicle.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>

namespace {

class PartHandlersTest : public DesignerWindowTest
{
protected:
    void SetUp() override
    {
        DesignerWindowTest::SetUp();
        W = &Start();
    }

    // The cost the model gives the window's design, computed on a copy.
    int ModelCost() const
    {
        TVehicle copy = W->Vehicle();
        QStringList list;
        return copy.GetCost(list);
    }

    static bool IsWarning(const QLabel* label)
    {
        return label->font().bold() && label->palette().color(QPalette::WindowText) == QColor(Qt::red);
    }

    TfrmMain* W = nullptr;
};

TEST_F(PartHandlersTest, EveryPartChoiceTakesTheRecordOfThatNameAndRecalculates)
{
    const QString before = W->lblCostVal->text();
    Choose(W->cbBodyType, QStringLiteral("Van"));
    EXPECT_EQ(W->Vehicle().Body.Name, QStringLiteral("Van"));
    EXPECT_NE(W->lblCostVal->text(), before);
    EXPECT_EQ(W->lblCostVal->text(), QStringLiteral("$ %1").arg(ModelCost()));

    Choose(W->cbChassis, QStringLiteral("Heavy"));
    Choose(W->cbSuspension, SuspensionTypes.Items.last().Name);
    Choose(W->cbGEngine, QStringLiteral("300 cid"));
    Choose(W->cbGasTank, GasTankTypes.Items.last().Name);
    Choose(W->cbTireFront, QStringLiteral("Solid"));
    Choose(W->cbTireRear, QStringLiteral("Heavy-Duty"));
    const TVehicle& V = W->Vehicle();
    EXPECT_EQ(V.Chassis.Name, QStringLiteral("Heavy"));
    EXPECT_EQ(V.Suspension.Name, SuspensionTypes.Items.last().Name);
    EXPECT_EQ(V.GasEngine.Name, QStringLiteral("300 cid"));
    EXPECT_EQ(V.GasTank.Name, GasTankTypes.Items.last().Name);
    EXPECT_EQ(V.TiresFront.Name, QStringLiteral("Solid"));
    EXPECT_EQ(V.TiresRear.Name, QStringLiteral("Heavy-Duty"));
    EXPECT_EQ(W->lblCostVal->text(), QStringLiteral("$ %1").arg(ModelCost()));
    TVehicle copy = V;
    QStringList weights;
    const int weight = copy.GetWeight(weights);
    EXPECT_EQ(W->lblWeightVal->text(), QStringLiteral("%1/%2").arg(weight).arg(copy.MaxWeight));
    EXPECT_EQ(W->lblMaxSpeedVal->text(), QString::number(copy.GetTopSpeed()));
    EXPECT_EQ(W->lblVehicleYearVal->text(), QString::number(copy.GetYear(weights)));
    EXPECT_EQ(W->lblTiresFrontDP->text(), QStringLiteral("%1 DP").arg(V.GetTireDP(V.TiresFront)));
    QStringList list;
    EXPECT_EQ(W->lblTiresRearCost->text(), QStringLiteral("$ %1").arg(V.GetTireCost(V.TiresRear, list, false)));
}

TEST_F(PartHandlersTest, OptionsReachTheDesignAndItsCost)
{
    Choose(W->cbGEngine, QStringLiteral("300 cid"));
    const QString plain = W->lblCostVal->text();
    W->cbTurboCharger->click();
    EXPECT_TRUE(W->Vehicle().GasEngine.TC);
    EXPECT_NE(W->lblCostVal->text(), plain);
    EXPECT_EQ(W->lblCostVal->text(), QStringLiteral("$ %1").arg(ModelCost()));
    // A change of engine keeps the options the boxes show.
    Choose(W->cbGEngine, QStringLiteral("400 cid"));
    EXPECT_TRUE(W->Vehicle().GasEngine.TC);
}

TEST_F(PartHandlersTest, ACostAboveTheDivisionTurnsRedAndBoldAndBack)
{
    Div = 1;
    DivUse = true;
    Choose(W->cbBodyType, QStringLiteral("Van"));
    // The light chassis takes a fifth off the van's price: a cost of exactly
    // the division, which is within it.
    Choose(W->cbChassis, QStringLiteral("Light"));
    ASSERT_EQ(ModelCost(), 1000);
    EXPECT_FALSE(IsWarning(W->lblCostVal));
    W->chkStreamlining->click();
    ASSERT_GT(ModelCost(), 1000);
    EXPECT_TRUE(IsWarning(W->lblCost));
    EXPECT_TRUE(IsWarning(W->lblCostVal));
    EXPECT_TRUE(W->windowTitle().endsWith(QStringLiteral(" (Div 1)"))) << W->windowTitle().toStdString();

    DivUse = false;
    W->ClickRecalcVehicle();
    EXPECT_FALSE(IsWarning(W->lblCost));
    EXPECT_FALSE(W->lblCost->font().bold());
    EXPECT_FALSE(IsWarning(W->lblCostVal));
    EXPECT_TRUE(W->lblCostVal->font().bold());
    QStringList list;
    EXPECT_EQ(W->windowTitle(), QStringLiteral("Rigsmith 0.6.2\u00DF for %1 ").arg(W->Vehicle().GetYear(list)));
}

TEST_F(PartHandlersTest, SixWheelsFollowTheBody)
{
    Choose(W->cbBodyType, QStringLiteral("Pickup"));
    EXPECT_TRUE(W->rb63Wheels->isEnabled());
    W->rb63Wheels->click();
    EXPECT_EQ(W->Vehicle().Axis, wl6Wheels3Axis);

    Choose(W->cbBodyType, QStringLiteral("Subcompact"));
    EXPECT_FALSE(W->rb62Wheels->isEnabled());
    EXPECT_FALSE(W->rb63Wheels->isEnabled());
    EXPECT_TRUE(W->rb4Wheels->isChecked());
    EXPECT_EQ(W->Vehicle().Axis, wl4Wheels);
}

TEST_F(PartHandlersTest, ABodyThatForcesSixWheelsOnASixWheelChassisTakesThemEitherWay)
{
    Choose(W->cbChassis, QStringLiteral("Heavy"));
    Choose(W->cbBodyType, QStringLiteral("Van"));
    EXPECT_FALSE(W->rb4Wheels->isEnabled());
    EXPECT_TRUE(W->rb62Wheels->isChecked());
    EXPECT_EQ(W->Vehicle().Axis, wl6Wheels2Axis);

    // Back to a chassis without six wheels: four wheels may be chosen again.
    Choose(W->cbChassis, QStringLiteral("Light"));
    EXPECT_TRUE(W->rb4Wheels->isEnabled());

    // And the chassis change alone forces them as well.
    W->rb4Wheels->click();
    Choose(W->cbChassis, QStringLiteral("Extra Heavy"));
    EXPECT_FALSE(W->rb4Wheels->isEnabled());
    EXPECT_TRUE(W->rb62Wheels->isChecked());
    EXPECT_EQ(W->Vehicle().Axis, wl6Wheels2Axis);
}

TEST_F(PartHandlersTest, PlasticoreLocksTheTireOptionsButOffRoad)
{
    W->rbTiresFrontRadial->click();
    W->chkTiresFrontSteelbelt->click();
    ASSERT_TRUE(W->Vehicle().TiresFront.Radial);
    Choose(W->cbTireFront, QStringLiteral("Plasticore"));
    EXPECT_TRUE(W->rbTiresFrontNone->isChecked());
    EXPECT_FALSE(W->rbTiresFrontRadial->isEnabled());
    EXPECT_FALSE(W->chkTiresFrontSteelbelt->isChecked());
    EXPECT_FALSE(W->Vehicle().TiresFront.Radial);
    EXPECT_FALSE(W->Vehicle().TiresFront.Steelbelt);

    W->rbTiresRearOffRoad->click();
    Choose(W->cbTireRear, QStringLiteral("Plasticore"));
    EXPECT_TRUE(W->rbTiresRearOffRoad->isChecked());
    EXPECT_FALSE(W->rbTiresRearOffRoad->isEnabled());
    EXPECT_TRUE(W->Vehicle().TiresRear.OffRoad);

    Choose(W->cbTireFront, QStringLiteral("Standard"));
    EXPECT_TRUE(W->rbTiresFrontRadial->isEnabled());
    EXPECT_TRUE(W->chkTiresFrontSteelbelt->isEnabled());
}

TEST_F(PartHandlersTest, OnlyLargeGasEnginesTakeASupercharger)
{
    Choose(W->cbGEngine, QStringLiteral("400 cid"));
    ASSERT_GE(W->Vehicle().GasEngine.Nr, 5);
    ASSERT_TRUE(W->cbSupercharger->isEnabled());
    W->cbSupercharger->click();
    EXPECT_TRUE(W->Vehicle().GasEngine.SC);

    Choose(W->cbGEngine, QStringLiteral("100 cid"));
    ASSERT_EQ(W->Vehicle().GasEngine.Nr, 4);
    EXPECT_FALSE(W->cbSupercharger->isEnabled());
    EXPECT_TRUE(W->cbSupercharger->isChecked());
    EXPECT_FALSE(W->Vehicle().GasEngine.SC);
}

TEST_F(PartHandlersTest, OptionsThatExcludeEachOther)
{
    struct Case {
        QCheckBox* Box;
        std::vector<QCheckBox*> Partners;
    };
    const std::vector<Case> cases = {
        {W->cbCarburetor, {W->cbMultibarrelCarburetor}},
        {W->cbVPTurboCharger, {W->cbTurboCharger}},
        {W->cbDriverImprovedBodyArmor, {W->cbDriverBodyArmor, W->cbDriverImpactArmor}},
        {W->cbGunnerImpactArmor, {W->cbGunnerBodyArmor, W->cbGunnerImprovedBodyArmor}},
        {W->cbDriverITC, {W->cbDriverTC}},
        {W->cbGunnerTC, {W->cbGunnerITC}},
    };
    for (const Case& c : cases) {
        for (QCheckBox* partner : c.Partners)
            partner->setChecked(true);
        c.Box->click();
        EXPECT_TRUE(c.Box->isChecked()) << c.Box->objectName().toStdString();
        for (QCheckBox* partner : c.Partners)
            EXPECT_FALSE(partner->isChecked()) << partner->objectName().toStdString();
        c.Box->click();
        for (QCheckBox* partner : c.Partners)
            EXPECT_FALSE(partner->isChecked()) << partner->objectName().toStdString();
    }
    W->cbDriverImprovedBodyArmor->click();
    EXPECT_TRUE(W->Vehicle().Crew[0].ImprovedBodyArmor);
    EXPECT_FALSE(W->Vehicle().Crew[0].BodyArmor);
}

TEST_F(PartHandlersTest, LeftArmorCarriesOverToTheRightWithinItsRange)
{
    W->edArmorLeft->setValue(3);
    EXPECT_EQ(W->edArmorRight->value(), 3);
    W->edArmorLeft->setValue(5);
    EXPECT_EQ(W->edArmorRight->value(), 5);
    W->edArmorRight->setValue(1);
    EXPECT_EQ(W->edArmorLeft->value(), 5);
    EXPECT_EQ(W->Vehicle().Armor.Left, 5);
    EXPECT_EQ(W->Vehicle().Armor.Right, 1);

    W->edArmorRight->setValue(98);
    W->edArmorLeft->setValue(10);
    EXPECT_EQ(W->edArmorRight->value(), 99);
    EXPECT_EQ(LastArmorLeft, 10);

    W->edArmorMLeft->setValue(4);
    EXPECT_EQ(W->edArmorMRight->value(), 4);
    EXPECT_EQ(W->Vehicle().Armor.RightM, 4);
    EXPECT_EQ(W->lblCostVal->text(), QStringLiteral("$ %1").arg(ModelCost()));
}

TEST_F(PartHandlersTest, PodArmorIsHeldAtTen)
{
    W->edArmorEWP->setValue(25);
    EXPECT_EQ(W->edArmorEWP->value(), 10);
    EXPECT_EQ(W->Vehicle().Armor.EWP, 10);
}

TEST_F(PartHandlersTest, ClearButtonsEmptyTheirSides)
{
    W->edArmorFront->setValue(7);
    W->edArmorEWP->setValue(4);
    W->edArmorMTop->setValue(3);
    W->btnRemovePlasticArmor->click();
    EXPECT_EQ(W->Vehicle().Armor.Front, 0);
    EXPECT_EQ(W->Vehicle().Armor.EWP, 0);
    EXPECT_EQ(W->Vehicle().Armor.TopM, 3);
    W->btnRemoveMetalArmor->click();
    EXPECT_EQ(W->Vehicle().Armor.TopM, 0);
}

TEST_F(PartHandlersTest, TheBlankHandWeaponIsNoHandWeapon)
{
    ASSERT_GT(W->cbDriverHandgun->count(), 1);
    Choose(W->cbDriverHandgun, HandGunTypes.Items[0].Name);
    EXPECT_EQ(W->Vehicle().Crew[0].HandGun, HandGunTypes.Items[0].Name);
    Choose(W->cbDriverHandgun, QStringLiteral(" "));
    EXPECT_EQ(W->Vehicle().Crew[0].HandGun, QString());
    EXPECT_EQ(CrewBuffer[0].HandGun, QString());
}

TEST_F(PartHandlersTest, TheGunnerSeatAndEquipmentReachTheCrew)
{
    W->cbGunnerSeat->click();
    W->cbGunnerGasMask->click();
    EXPECT_TRUE(W->Vehicle().Crew[1].Seat);
    EXPECT_TRUE(W->Vehicle().Crew[1].GasMask);
    EXPECT_TRUE(W->Vehicle().Crew[0].Seat);
}

TEST_F(PartHandlersTest, TheTextEditsWriteNameAuthorAndDescription)
{
    // The edits show the start design's texts, as after New.
    EXPECT_EQ(W->edTextName->text(), W->Vehicle().Name);
    EXPECT_EQ(W->edTextAuthor->text(), W->Vehicle().Author);
    W->edTextName->selectAll();
    QTest::keyClicks(W->edTextName, QStringLiteral("Hornet"));
    W->edTextAuthor->setText(QStringLiteral("Ann"));
    EXPECT_EQ(W->Vehicle().Name, QStringLiteral("Hornet"));
    EXPECT_EQ(W->Vehicle().Author, QStringLiteral("Ann"));
}

TEST_F(PartHandlersTest, TheDescriptionStaysOnOneLine)
{
    EXPECT_EQ(W->edTextDescription->toPlainText(), W->Vehicle().Comment);
    W->edTextDescription->selectAll();
    QTest::keyClicks(W->edTextDescription, QStringLiteral("fast"));
    QTest::keyClick(W->edTextDescription, Qt::Key_Return);
    QTest::keyClicks(W->edTextDescription, QStringLiteral(" car"));
    EXPECT_EQ(W->Vehicle().Comment, QStringLiteral("fast car"));

    QApplication::clipboard()->setText(QStringLiteral("\r\nfor\nthe road"));
    W->edTextDescription->paste();
    EXPECT_EQ(W->Vehicle().Comment, QStringLiteral("fast car for the road"));
}

TEST_F(PartHandlersTest, LeftArmorCarriedBelowZeroStopsAtZeroAndMetalKeepsItsOwnLastValue)
{
    W->edArmorLeft->setValue(5);
    W->edArmorRight->setValue(2);
    W->edArmorLeft->setValue(0);
    EXPECT_EQ(W->edArmorRight->value(), 0);
    EXPECT_EQ(LastArmorLeft, 0);
    // The plastic side's history does not move the metal side.
    W->edArmorMLeft->setValue(2);
    EXPECT_EQ(W->edArmorMRight->value(), 2);
    EXPECT_EQ(LastMetalArmorLeft, 2);
    EXPECT_EQ(W->edArmorRight->value(), 0);
}

TEST_F(PartHandlersTest, SpinsAndBoxesWriteTheirFields)
{
    W->edN2O->setValue(2);
    W->edGasTankSize->setValue(14);
    W->edTireFWheelguard->setValue(3);
    W->edTireRWheelHub->setValue(4);
    W->chkRollcage->click();
    W->chkCAFrame->click();
    W->chkArmorSloped->click();
    W->chkArmorFP->click();
    W->rbTiresRearSlicks->click();
    W->chkTiresRearFireProof->click();
    const TVehicle& V = W->Vehicle();
    EXPECT_EQ(V.GasEngine.NO, 2);
    EXPECT_EQ(V.TankSize, 14);
    EXPECT_EQ(V.GuardsFront, 3);
    EXPECT_EQ(V.HubsRear, 4);
    EXPECT_TRUE(V.Rollcage);
    EXPECT_TRUE(V.CAFrame);
    EXPECT_TRUE(V.Sloped);
    EXPECT_TRUE(V.Armor.FP);
    EXPECT_TRUE(V.TiresRear.Racing);
    EXPECT_FALSE(V.TiresRear.Radial);
    EXPECT_TRUE(V.TiresRear.Fireproof);
    EXPECT_EQ(W->lblCostVal->text(), QStringLiteral("$ %1").arg(ModelCost()));
}

using ChoiceListTest = DesignerWindowTest;

// A list that leaves records out: the entry's name, not its position, picks
// the record.
TEST_F(ChoiceListTest, AListWithoutTheOversizeBodiesChoosesTheBodyByItsName)
{
    QFile bodies(Path(QStringLiteral("Data/BodyTypes.txt")));
    ASSERT_TRUE(bodies.open(QIODevice::ReadOnly));
    QByteArray content = bodies.readAll();
    bodies.close();
    const qsizetype first = content.indexOf("Oversize=0");
    ASSERT_GE(first, 0);
    content.replace(first, 10, "Oversize=1");
    ASSERT_TRUE(bodies.open(QIODevice::WriteOnly | QIODevice::Truncate));
    bodies.write(content);
    bodies.close();

    TfrmMain& window = Start();
    ASSERT_TRUE(BodyTypes.Items[0].Oversize);
    EXPECT_EQ(window.cbBodyType->findText(BodyTypes.Items[0].Name), -1);
    Choose(window.cbBodyType, BodyTypes.Items[2].Name);
    EXPECT_EQ(window.cbBodyType->currentIndex(), 1);
    EXPECT_EQ(window.Vehicle().Body.Name, BodyTypes.Items[2].Name);
}

} // namespace
