// The part and option handlers: each writes one part of the design, keeps
// the controls that depend on each other in step, and recalculates.

#include "designer/MainWindow.h"

#include "model/Global.h"
#include "model/Lookups.h"
#include "model/Vehicle.h"

#include <QCheckBox>
#include <QComboBox>
#include <QRadioButton>
#include <QSpinBox>

namespace {

// The rules record whose Name the list's chosen entry shows; false when no
// entry is chosen. Lists leave records out, so the entry's position is not
// the record's place in the table.
template <typename TRecord>
bool ChosenRecord(const QComboBox* list, bool (*find)(const QString&, TRecord&), TRecord& record)
{
    if (list->currentIndex() < 0)
        return false;
    TRecord found;
    if (!find(list->currentText(), found))
        return false;
    record = found;
    return true;
}

// Ticking one of a set of options that exclude each other unticks the rest;
// unticking touches nothing.
void UntickPartners(const QCheckBox* box, const QVector<QCheckBox*>& partners)
{
    if (!box->isChecked())
        return;
    for (QCheckBox* partner : partners)
        partner->setChecked(false);
}

// Plasticore tires take none of the tire options but off-road.
void ApplyTireLock(const TTireType& tire, QRadioButton* none, QRadioButton* radial, QRadioButton* offRoad,
                   QCheckBox* steelbelt)
{
    const bool free = tire.Name != QLatin1String("Plasticore");
    radial->setEnabled(free);
    offRoad->setEnabled(free);
    steelbelt->setEnabled(free);
    if (!steelbelt->isEnabled())
        steelbelt->setChecked(false);
    if (!radial->isEnabled() && radial->isChecked())
        none->setChecked(true);
}

} // namespace

void TfrmMain::cbBodyTypeSelect()
{
    TVehicle& V = Vehicle();
    if (!ChosenRecord(cbBodyType, &FindBodyType, V.Body))
        return;
    ApplySixWheelRules();
    // The add-ons a body takes grow with its size.
    FillAddOnTurret(cbAddOnTurret);
    FillAddOnEWP(cbAddOnEWP);
    FillRocketPlatform(cbRocketPlatform);
    cbAddOnTurretChange();
    // A pod or platform that the smaller body no longer offers leaves the
    // design as it leaves the list.
    cbAddOnEWPChange();
    cbRocketPlatformChange();
    // The weapon placement is checked here (CheckWeaponLoad) once the
    // weapon rows are part of the window.
    RecalcVehicle(true);
}

void TfrmMain::ApplySixWheelRules()
{
    const TVehicle& V = Vehicle();
    rb62Wheels->setEnabled(V.Body.SixWheels);
    rb63Wheels->setEnabled(V.Body.SixWheels);
    if (rb62Wheels->isChecked() && !rb62Wheels->isEnabled())
        rb4Wheels->setChecked(true);
    if (rb63Wheels->isChecked() && !rb63Wheels->isEnabled())
        rb4Wheels->setChecked(true);
    rb4Wheels->setEnabled(true);
    if (V.Body.SixWheelsForce && V.Chassis.SixWheels) {
        rb4Wheels->setEnabled(false);
        if (rb4Wheels->isChecked())
            rb62Wheels->setChecked(true);
    }
}

void TfrmMain::cbChassisSelect()
{
    if (!ChosenRecord(cbChassis, &FindChassisType, Vehicle().Chassis))
        return;
    // A chassis that carries six wheels forces them under a body that
    // demands it, just as a change of body does.
    ApplySixWheelRules();
    RecalcVehicle(true);
}

void TfrmMain::cbSuspensionSelect()
{
    if (ChosenRecord(cbSuspension, &FindSuspensionType, Vehicle().Suspension))
        RecalcVehicle(true);
}

void TfrmMain::cbCEngineSelect()
{
    if (ChosenRecord(cbCEngine, &FindCEngineType, Vehicle().PowerCellEngine))
        RecalcVehicle(true);
}

void TfrmMain::cbGEngineSelect()
{
    TVehicle& V = Vehicle();
    if (!ChosenRecord(cbGEngine, &FindGEngineType, V.GasEngine))
        return;
    // Only the large gas engines take a supercharger.
    cbSupercharger->setEnabled(V.GasEngine.Nr >= 5);
    RecalcVehicle(true);
}

void TfrmMain::cbGasTankSelect()
{
    if (ChosenRecord(cbGasTank, &FindGasTankType, Vehicle().GasTank))
        RecalcVehicle(true);
}

void TfrmMain::cbTireFrontSelect()
{
    TVehicle& V = Vehicle();
    if (!ChosenRecord(cbTireFront, &FindTireType, V.TiresFront))
        return;
    ApplyTireLock(V.TiresFront, rbTiresFrontNone, rbTiresFrontRadial, rbTiresFrontOffRoad, chkTiresFrontSteelbelt);
    RecalcVehicle(true);
}

void TfrmMain::cbTireRearSelect()
{
    TVehicle& V = Vehicle();
    if (!ChosenRecord(cbTireRear, &FindTireType, V.TiresRear))
        return;
    ApplyTireLock(V.TiresRear, rbTiresRearNone, rbTiresRearRadial, rbTiresRearOffRoad, chkTiresRearSteelbelt);
    RecalcVehicle(true);
}

void TfrmMain::rbWheelsClick()
{
    TVehicle& V = Vehicle();
    if (rb4Wheels->isChecked())
        V.Axis = wl4Wheels;
    else if (rb62Wheels->isChecked())
        V.Axis = wl6Wheels2Axis;
    else if (rb63Wheels->isChecked())
        V.Axis = wl6Wheels3Axis;
    RecalcVehicle(true);
}

void TfrmMain::chkStreamliningClick()
{
    Vehicle().Streamlined = chkStreamlining->isChecked();
    RecalcVehicle(true);
}

void TfrmMain::chkCAFrameClick()
{
    Vehicle().CAFrame = chkCAFrame->isChecked();
    RecalcVehicle(true);
}

void TfrmMain::chkRollcageClick()
{
    Vehicle().Rollcage = chkRollcage->isChecked();
    RecalcVehicle(true);
}

void TfrmMain::edGasTankSizeChange()
{
    Vehicle().TankSize = edGasTankSize->value();
    RecalcVehicle(true);
}

void TfrmMain::edN2OChange()
{
    Vehicle().GasEngine.NO = edN2O->value();
    RecalcVehicle(true);
}

void TfrmMain::rbTiresFrontClick()
{
    TTireType& tire = Vehicle().TiresFront;
    tire.Radial = rbTiresFrontRadial->isChecked();
    tire.OffRoad = rbTiresFrontOffRoad->isChecked();
    tire.Racing = rbTiresFrontSlicks->isChecked();
    RecalcVehicle(true);
}

void TfrmMain::chkTiresFrontClick()
{
    TTireType& tire = Vehicle().TiresFront;
    tire.Steelbelt = chkTiresFrontSteelbelt->isChecked();
    tire.Fireproof = chkTiresFrontFireProof->isChecked();
    RecalcVehicle(true);
}

void TfrmMain::rbTiresRearClick()
{
    TTireType& tire = Vehicle().TiresRear;
    tire.Radial = rbTiresRearRadial->isChecked();
    tire.OffRoad = rbTiresRearOffRoad->isChecked();
    tire.Racing = rbTiresRearSlicks->isChecked();
    RecalcVehicle(true);
}

void TfrmMain::chkTiresRearClick()
{
    TTireType& tire = Vehicle().TiresRear;
    tire.Steelbelt = chkTiresRearSteelbelt->isChecked();
    tire.Fireproof = chkTiresRearFireProof->isChecked();
    RecalcVehicle(true);
}

void TfrmMain::OptionClick(const QCheckBox* box, const QVector<QCheckBox*>& partners)
{
    UntickPartners(box, partners);
    RecalcVehicle(true);
}

void TfrmMain::edArmorChange()
{
    if (ArmorLoading)
        return;
    try {
        // Pod armor holds at most 10 points; setting the spin runs this
        // handler again with the capped value.
        if (edArmorEWP->value() > 10)
            edArmorEWP->setValue(10);
        TArmor armor;
        armor.Front = edArmorFront->value();
        armor.Left = edArmorLeft->value();
        armor.Right = edArmorRight->value();
        armor.Back = edArmorRear->value();
        armor.Top = edArmorTop->value();
        armor.Bottom = edArmorBottom->value();
        armor.EWP = edArmorEWP->value();
        armor.FrontM = edArmorMFront->value();
        armor.LeftM = edArmorMLeft->value();
        armor.RightM = edArmorMRight->value();
        armor.BackM = edArmorMRear->value();
        armor.TopM = edArmorMTop->value();
        armor.BottomM = edArmorMBottom->value();
        armor.FP = chkArmorFP->isChecked();
        armor.LR = chkArmorLR->isChecked();
        TVehicle& V = Vehicle();
        V.Sloped = chkArmorSloped->isChecked();
        V.Armor = armor;
    } catch (const std::exception&) {
        // The armor block is written whole or not at all; the next change
        // writes it again.
    }
    RecalcVehicle(true);
}

void TfrmMain::edArmorLeftChange()
{
    CarryLeftArmorOver(edArmorLeft, edArmorRight, LastArmorLeft);
}

void TfrmMain::edArmorMLeftChange()
{
    CarryLeftArmorOver(edArmorMLeft, edArmorMRight, LastMetalArmorLeft);
}

// Armor is mostly symmetric: a change of the left side moves the right side
// by the same amount (within the spin's range), never the other way round.
void TfrmMain::CarryLeftArmorOver(QSpinBox* left, QSpinBox* right, int& lastLeft)
{
    const int delta = left->value() - lastLeft;
    right->setValue(right->value() + delta);
    lastLeft = left->value();
    edArmorChange();
}

void TfrmMain::btnRemovePlasticArmorClick()
{
    for (QSpinBox* spin : {edArmorFront, edArmorLeft, edArmorRight, edArmorRear, edArmorTop, edArmorBottom,
                           edArmorEWP})
        spin->setValue(0);
}

void TfrmMain::btnRemoveMetalArmorClick()
{
    for (QSpinBox* spin : {edArmorMFront, edArmorMLeft, edArmorMRight, edArmorMRear, edArmorMTop, edArmorMBottom})
        spin->setValue(0);
}

void TfrmMain::ClickRecalcVehicle()
{
    RecalcVehicle(true);
}
