// The edit-recalculate loop: every edit ends here. The controls that no
// handler copies by itself go into the design, the accounting is asked in its
// fixed order, every figure goes into its label and broken limits turn red.

#include "designer/MainWindow.h"
#include "designer/PageControl.h"

#include "gamecar/GameCar.h"
#include "gamecar/OfficialDescription.h"
#include "gamecar/OutsiderDescription.h"
#include "model/Global.h"
#include "model/Utils.h"
#include "model/Vehicle.h"
#include "platform/Format.h"
#include "platform/Numbers.h"
#include "platform/widgets/MessageDlg.h"
#include "platform/widgets/WidgetUtils.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <cstdlib>

namespace {

const QString VersionText = QStringLiteral("0.6.2\u00DF");

void SetLabelStyle(QLabel* label, bool red, bool bold)
{
    QFont font = label->font();
    font.setBold(bold);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText,
                     red ? QColor(Qt::red) : QApplication::palette(label).color(QPalette::WindowText));
    label->setPalette(palette);
}

// A broken limit shows red and bold; otherwise the value alone is bold.
void SetWarningColors(QLabel* caption, QLabel* value, bool bad)
{
    SetLabelStyle(caption, bad, bad);
    SetLabelStyle(value, bad, true);
}

// The hand-weapon lists begin with a blank entry for no hand weapon.
QString HandGunName(const QComboBox* list)
{
    return list->currentIndex() > 0 ? list->currentText() : QString();
}

// One crew seat from its equipment boxes; the component armor of the seat is
// edited by its own rows and carried over from the design.
TCrewType ReadSeat(bool seat, std::initializer_list<const QCheckBox*> boxes, const QComboBox* handGun,
                   const TCrewType& current)
{
    const auto* box = boxes.begin();
    TCrewType crew;
    crew.Seat = seat;
    crew.BodyArmor = box[0]->isChecked();
    crew.ImprovedBodyArmor = box[1]->isChecked();
    crew.ImpactArmor = box[2]->isChecked();
    crew.GasMask = box[3]->isChecked();
    crew.PFE = box[4]->isChecked();
    crew.TC = box[5]->isChecked();
    crew.ITC = box[6]->isChecked();
    crew.HandGun = HandGunName(handGun);
    crew.CA = current.CA;
    crew.CA_FP = current.CA_FP;
    return crew;
}

void ReadTireOptions(TTireType& tire, const QRadioButton* radial, const QRadioButton* offRoad,
                     const QRadioButton* slicks, const QCheckBox* steelbelt, const QCheckBox* fireproof)
{
    tire.Radial = radial->isChecked();
    tire.OffRoad = offRoad->isChecked();
    tire.Racing = slicks->isChecked();
    tire.Steelbelt = steelbelt->isChecked();
    tire.Fireproof = fireproof->isChecked();
}

} // namespace

void TfrmMain::RecalcVehicle(bool RebuildCA)
{
    pcArmor->setTabVisible(pcArmor->indexOf(tsCA), AllowCA);
    if (GUILoading)
        return;
    QStringList scratch;
    TVehicle& V = Vehicle();

    TCEngineType& cell = V.PowerCellEngine;
    cell.PC = cbPowerPlatinumCatalyst->isChecked();
    cell.SC = cbPowerSuperconductors->isChecked();
    cell.EPC = cbPowerExtraPowerCells->isChecked();
    cell.ISC = edISC->value();

    TGEngineType& gas = V.GasEngine;
    gas.C = cbCarburetor->isChecked();
    gas.MC = cbMultibarrelCarburetor->isChecked();
    gas.TH = cbTubularHeaders->isChecked();
    gas.BP = cbBlueprinting->isChecked();
    gas.TC = cbTurboCharger->isChecked();
    gas.VTC = cbVPTurboCharger->isChecked();
    // A supercharger left ticked on an engine too small for it does not count.
    gas.SC = cbSupercharger->isChecked() && cbSupercharger->isEnabled();
    gas.NO = edN2O->value();

    CrewBuffer[0] = ReadSeat(true,
                             {cbDriverBodyArmor, cbDriverImprovedBodyArmor, cbDriverImpactArmor, cbDriverGasMask,
                              cbDriverPFE, cbDriverTC, cbDriverITC},
                             cbDriverHandgun, V.Crew[0]);
    CrewBuffer[1] = ReadSeat(cbGunnerSeat->isChecked(),
                             {cbGunnerBodyArmor, cbGunnerImprovedBodyArmor, cbGunnerImpactArmor, cbGunnerGasMask,
                              cbGunnerPFE, cbGunnerTC, cbGunnerITC},
                             cbGunnerHandgun, V.Crew[1]);
    V.Crew = CrewBuffer;

    V.GuardsFront = edTireFWheelguard->value();
    V.GuardsRear = edTireRWheelguard->value();
    V.HubsFront = edTireFWheelHub->value();
    V.HubsRear = edTireRWheelHub->value();

    ReadTireOptions(V.TiresFront, rbTiresFrontRadial, rbTiresFrontOffRoad, rbTiresFrontSlicks,
                    chkTiresFrontSteelbelt, chkTiresFrontFireProof);
    ReadTireOptions(V.TiresRear, rbTiresRearRadial, rbTiresRearOffRoad, rbTiresRearSlicks, chkTiresRearSteelbelt,
                    chkTiresRearFireProof);

    CheckWeaponLoad();

    const int cost = V.GetCost(CostList);
    lblCostVal->setText(Format(QStringLiteral("$ %d"), {cost}));
    SetWarningColors(lblCost, lblCostVal, DivUse && cost > CheckedMul(Div, 1000));

    lblWeightVal->setText(Format(QStringLiteral("%d/%d"), {V.GetWeight(WeightList), V.MaxWeight}));
    SetWarningColors(lblWeight, lblWeightVal, V.Weight > V.MaxWeight);

    const QString cargo = V.GetCargoSpace() != 0 ? Format(QStringLiteral("+ %d"), {V.CargoSpace}) : QString();
    lblSpaceVal->setText(Format(QStringLiteral("%d/%d %s"), {V.GetSpace(SpaceList), V.Body.Space, cargo}));
    SetWarningColors(lblSpace, lblSpaceVal, V.SpaceLeft < 0);

    lblHCVal->setText(Format(QStringLiteral("%d"), {V.GetHC()}));
    lblMaxSpeedVal->setText(Format(QStringLiteral("%d"), {V.GetTopSpeed()}));
    lblMaxReverseVal->setText(Format(QStringLiteral("%d"), {V.GetReverseSpeed()}));
    lblMaxAccVal->setText(Format(QStringLiteral("%d"), {V.GetAcceleration()}));
    SetWarningColors(lblMaxAcc, lblMaxAccVal, V.Acceleration == 0);
    lblCruisingSpeedVal->setText(Format(QStringLiteral("%d"), {V.GetCruisingSpeed()}));
    lblRangeVal->setText(Format(QStringLiteral("%d"), {V.GetRange()}));
    const QString rangeHint = V.PowerCellEngine.Power > 0
        ? QStringLiteral("Range at cruising speed (in miles)")
        : Format(QStringLiteral("Range at cruising speed (in miles) -- MPG is %d"), {V.GasEngine.CurrentMPG});
    for (QLabel* label : {lblRange, lblRangeVal})
        SetControlHint(label, rangeHint);

    const struct {
        QLabel* Label;
        TLocation Location;
    } firepower[] = {
        {lblDamageFrontVal, locFront}, {lblDamageBackVal, locBack},   {lblDamageLeftVal, locLeft},
        {lblDamageRightVal, locRight}, {lblDamageTurretVal, locTurret}, {lblDamageEWPVal, locEWP},
        {lblDamageRocketVal, locRocketPlatform},
    };
    QString text;
    for (const auto& f : firepower) {
        V.GetFirepower(f.Location, text);
        f.Label->setText(text);
    }
    V.GetCollisionModifierText(text);
    lblDamageRamModVal->setText(text);
    V.GetCollisionDamageText(V.GetCruisingSpeed(), text);
    lblDamageRamCruiseVal->setText(text);
    V.GetCollisionDamageText(V.GetTopSpeed(), text);
    lblDamageRamMaxVal->setText(text);

    RebuildDescriptions();

    lblTiresFrontDP->setText(Format(QStringLiteral("%d DP"), {V.GetTireDP(V.TiresFront)}));
    lblTiresRearDP->setText(Format(QStringLiteral("%d DP"), {V.GetTireDP(V.TiresRear)}));
    lblTiresFrontCost->setText(Format(QStringLiteral("$ %d"), {V.GetTireCost(V.TiresFront, scratch, true)}));
    lblTiresRearCost->setText(Format(QStringLiteral("$ %d"), {V.GetTireCost(V.TiresRear, scratch, false)}));
    lblTiresFrontWeight->setText(Format(QStringLiteral("%d lbs"), {V.GetTireWeight(V.TiresFront, scratch, true)}));
    lblTiresRearWeight->setText(Format(QStringLiteral("%d lbs"), {V.GetTireWeight(V.TiresRear, scratch, false)}));

    // The same sums show on the Plastic, Metal and Type tabs.
    const QString points = Format(QStringLiteral("%d pt"), {Round(V.GetArmorWeight(true, -1, -1))});
    const QString pounds = Format(QStringLiteral("%d lb"), {Round(V.GetArmorWeight(false, -1, -1))});
    for (int i = 0; i < 3; ++i) {
        lblArmorSumPts[i]->setText(points);
        lblArmorSumLbs[i]->setText(pounds);
    }

    ShowWeightForAccel();

    const int year = V.GetYear(YearList);
    lblVehicleYearVal->setText(Format(QStringLiteral("%d"), {year}));
    SetWarningColors(lblVehicleYear, lblVehicleYearVal, YearUse && year > Year);

    if (V.PowerCellEngine.Power > 0) {
        lblPowerCell->setText(Format(QStringLiteral("Power: %d"), {V.EffectivePower()}));
        lblPowerGas->setText(QStringLiteral("- Power Cell Selected -"));
    } else {
        lblPowerGas->setText(Format(QStringLiteral("Power: %d"), {V.EffectivePower()}));
        lblPowerCell->setText(QStringLiteral("- Gas Engine Selected -"));
    }

    // The own car on the test map is the edited design itself, with its car
    // picture, so that both are released once, with the last car holding them.
    TestCar->Body = Car->Body;
    TestCar->BodyMask = Car->BodyMask;
    TestCar->Vehicle = Car->Vehicle;
    TestCar->Reset();

    ShowTitle();
    ShowTestVehicle();
    if (RebuildCA)
        FillCA();
}

void TfrmMain::ShowWeightForAccel()
{
    TVehicle& V = Vehicle();
    const int weight = V.GetWeight(WeightList);
    const int accel = V.GetAcceleration();
    // The margin to a weight limit in metal and in plastic armor points.
    const auto armorPoints = [&V, weight](int limit, bool plastic) {
        return V.GetArmorPointsForWeight(CheckedSub(limit, weight), plastic);
    };
    if (accel == 0) {
        lblMaxWeightNow->setText(QStringLiteral("Max. weight exceeded"));
    } else {
        const int limit = V.GetMaxWeightForAcc(accel);
        lblMaxWeightNow->setText(Format(QStringLiteral("Max. weight for accel %d: %d lb (%d/%d pt)"),
                                        {accel, limit, armorPoints(limit, false), armorPoints(limit, true)}));
    }
    if (accel == 15) {
        lblMaxWeightWant->setText(QStringLiteral("Max. accel reached"));
    } else {
        // Negative margins are armor to remove; the label shows how much.
        const int limit = V.GetMaxWeightForAcc(accel + 5);
        lblMaxWeightWant->setText(Format(QStringLiteral("Weight for accel %d: %d lb (%d/%d pt)"),
                                         {accel + 5, limit, std::abs(armorPoints(limit, false)),
                                          std::abs(armorPoints(limit, true))}));
    }
}

namespace {

// The memo's lines are the text's lines. A memo that shows them already is
// not laid out again, which for a long text costs more than building it.
void ShowLines(QPlainTextEdit* memo, const QString& text)
{
    const QString lines = QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (memo->toPlainText() != lines)
        SetMemoText(memo, lines);
}

} // namespace

void TfrmMain::RebuildDescriptions()
{
    // While a design is put into the controls, the text boxes' handlers
    // write their texts back; the recalculation at the end builds the
    // descriptions once.
    if (GUILoading)
        return;
    TVehicle& V = Vehicle();
    QString official;
    OfficialDescription(V, true, official);
    ShowLines(edRecordSheet, official);
    // A failure while building keeps the text shown before.
    QString outsider = edOutsidersSheet->toPlainText().split(QLatin1Char('\n')).join(QStringLiteral("\r\n"));
    OutsiderDescription(V, outsider);
    ShowLines(edOutsidersSheet, outsider);
}

void TfrmMain::ShowTitle()
{
    QString limits = DivUse ? Format(QStringLiteral("(Div %d)"), {Div}) : QString();
    if (!FileName.isEmpty())
        limits += QStringLiteral(" : ") + FileNameWithoutExt(FileName);
    const int year = Vehicle().GetYear(YearList);
    setWindowTitle(Format(QStringLiteral("Rigsmith %s for %d %s"), {VersionText, year, limits}));
}

void TfrmMain::ShowBreakdown(const QStringList& list)
{
    const QString text = list.join(QStringLiteral("\r\n"));
    MessageDlg(text, mtInformation, mbOK, 0);
    edDebug->setPlainText(text);
}

void TfrmMain::lblCostValClick()
{
    ShowBreakdown(CostList);
}

void TfrmMain::lblWeightValClick()
{
    ShowBreakdown(WeightList);
}

void TfrmMain::lblSpaceValClick()
{
    ShowBreakdown(SpaceList);
}

void TfrmMain::lblYearValClick()
{
    ShowBreakdown(YearList);
}

void TfrmMain::edTextNameChange()
{
    Vehicle().Name = edTextName->text();
    RebuildDescriptions();
}

void TfrmMain::edTextDescriptionChange()
{
    Vehicle().Comment = edTextDescription->toPlainText();
    ChooseMemoWrap(edTextDescription, Vehicle().Comment);
    RebuildDescriptions();
}

void TfrmMain::edTextAuthorChange()
{
    Vehicle().Author = edTextAuthor->text();
    RebuildDescriptions();
}
