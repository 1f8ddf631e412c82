// The edit-recalculate loop: every edit ends here. The controls that no
// handler copies by itself go into the design, the accounting is asked in its
// fixed order, every figure goes into its label and broken limits turn red.

#include "designer/MainWindow.h"
#include "designer/PageControl.h"

#include "model/Global.h"
#include "model/Utils.h"
#include "model/Vehicle.h"
#include "platform/Format.h"
#include "platform/widgets/MessageDlg.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSpinBox>

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

    // The weapon placement message (CheckWeaponLoad) is shown here once the
    // weapon rows are part of the window.

    const int cost = V.GetCost(CostList);
    lblCostVal->setText(Format(QStringLiteral("$ %d"), {cost}));
    SetWarningColors(lblCost, lblCostVal, DivUse && cost > Div * 1000);

    // Weight, space, handling class, speeds, acceleration, range, firepower
    // and collisions are asked for here, in this order, once the weight,
    // space, performance and combat accounting are part of the design.

    RebuildDescriptions();

    lblTiresFrontDP->setText(Format(QStringLiteral("%d DP"), {V.GetTireDP(V.TiresFront)}));
    lblTiresRearDP->setText(Format(QStringLiteral("%d DP"), {V.GetTireDP(V.TiresRear)}));
    lblTiresFrontCost->setText(Format(QStringLiteral("$ %d"), {V.GetTireCost(V.TiresFront, scratch, true)}));
    lblTiresRearCost->setText(Format(QStringLiteral("$ %d"), {V.GetTireCost(V.TiresRear, scratch, false)}));
    // The tire weights, the armor sums, the weights for the next
    // acceleration and the design year follow here with the weight and year
    // accounting.

    if (V.PowerCellEngine.Power > 0) {
        lblPowerCell->setText(Format(QStringLiteral("Power: %d"), {V.EffectivePower()}));
        lblPowerGas->setText(QStringLiteral("- Power Cell Selected -"));
    } else {
        lblPowerGas->setText(Format(QStringLiteral("Power: %d"), {V.EffectivePower()}));
        lblPowerCell->setText(QStringLiteral("- Gas Engine Selected -"));
    }

    // The test car takes the edited design here, and the top view and the
    // layout plan are redrawn, once the game cars are part of the program.
    ShowTitle();
    // With RebuildCA the component-armor rows are rebuilt here once they are
    // part of the window.
    (void)RebuildCA;
}

void TfrmMain::RebuildDescriptions()
{
    // The official and the outsider description of the design are written
    // into edRecordSheet and edOutsidersSheet here once their builders are
    // part of the program.
}

void TfrmMain::ShowTitle()
{
    QString limits = DivUse ? Format(QStringLiteral("(Div %d)"), {Div}) : QString();
    if (!FileName.isEmpty())
        limits += QStringLiteral(" : ") + FileNameWithoutExt(FileName);
    // The caption reads "Rigsmith %s for %d %s" with the design year
    // (GetYear into YearList) once the year accounting is part of the design;
    // until then it names no year rather than a wrong one.
    setWindowTitle(Format(QStringLiteral("Rigsmith %s %s"), {VersionText, limits}));
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
    RebuildDescriptions();
}

void TfrmMain::edTextAuthorChange()
{
    Vehicle().Author = edTextAuthor->text();
    RebuildDescriptions();
}
