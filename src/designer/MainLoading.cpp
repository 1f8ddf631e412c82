// Filling the main window's choice lists from the rules tables, and its
// controls from a design.

#include "designer/MainWindow.h"
#include "designer/PageControl.h"

#include "gamecar/Graphics.h"
#include "model/ErrorReport.h"
#include "model/Global.h"
#include "model/Vehicle.h"
#include "platform/FileLookup.h"
#include "platform/Format.h"
#include "platform/widgets/WidgetUtils.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QScopeGuard>

namespace {

// Every record's Name that the filter lets through, in table order, and
// entry 0 chosen.
template <typename TRecord, typename F>
void FillList(QComboBox* list, const QVector<TRecord>& records, F&& offered)
{
    list->clear();
    for (const TRecord& record : records) {
        if (offered(record))
            list->addItem(record.Name);
    }
    list->setCurrentIndex(0);
}

template <typename TRecord>
void FillList(QComboBox* list, const QVector<TRecord>& records)
{
    FillList(list, records, [](const TRecord&) { return true; });
}

// The entry that shows name; none when the list leaves that record out.
void SelectName(QComboBox* list, const QString& name)
{
    list->setCurrentIndex(list->findText(name));
}

// Sets a control with its handler detached.
void SetQuietly(QAbstractButton* button, bool checked)
{
    const QSignalBlocker quiet(button);
    button->setChecked(checked);
}

// The tire's handling radio and its options, without writing them back:
// the radios' handlers would rewrite the tire from a half-set group.
void ShowTire(const TTireType& tire, QRadioButton* none, QRadioButton* radial, QRadioButton* offRoad,
              QRadioButton* slicks, QCheckBox* steelbelt, QCheckBox* fireproof)
{
    SetQuietly(none, true);
    if (tire.Radial)
        SetQuietly(radial, true);
    if (tire.OffRoad)
        SetQuietly(offRoad, true);
    if (tire.Racing)
        SetQuietly(slicks, true);
    SetQuietly(steelbelt, tire.Steelbelt);
    SetQuietly(fireproof, tire.Fireproof);
}

void ShowSeat(const TCrewType& seat, std::initializer_list<QCheckBox*> boxes, QComboBox* handGun)
{
    const bool gear[] = {seat.BodyArmor, seat.ImprovedBodyArmor, seat.ImpactArmor, seat.GasMask,
                         seat.PFE,       seat.TC,                seat.ITC};
    const bool* flag = gear;
    for (QCheckBox* box : boxes)
        SetQuietly(box, *flag++);
    // No hand weapon is the blank first entry.
    SelectName(handGun, seat.HandGun.isEmpty() ? QStringLiteral(" ") : seat.HandGun);
}

} // namespace

void TfrmMain::SetUpGUI()
{
    FillList(cbBodyType, BodyTypes.Items, [](const TBodyType& b) { return !b.Oversize && !b.Racer; });
    FillList(cbChassis, ChassisTypes.Items);
    FillList(cbSuspension, SuspensionTypes.Items);
    FillList(cbCEngine, CEngineTypes.Items, [](const TCEngineType& e) { return !e.Oversize; });
    FillList(cbGEngine, GEngineTypes.Items, [](const TGEngineType& e) { return !e.Oversize; });
    FillList(cbGasTank, GasTankTypes.Items);
    // Metal tires are not for sale.
    const auto notMetal = [](const TTireType& t) { return t.Name != QLatin1String("Metal"); };
    FillList(cbTireFront, TireTypes.Items, notMetal);
    FillList(cbTireRear, TireTypes.Items, notMetal);
    FillWeaponLists();
    WeaponRowTop = 16;

    // The map starts on the background of the chosen target.
    TestPicture.LoadFromFile(ResolvePath(cbAttackTarget->currentIndex() >= 1
                                             ? QStringLiteral("Graphics/Map/GridCenter.png")
                                             : QStringLiteral("Graphics/Map/GridMap.png")));
    LayoutPicture.SetSize(imgLayout->width(), imgLayout->height());
    IconPicture.SetSize(imgIcon->width(), imgIcon->height());
    TileImage(IconPicture, *GridImage);

    // The blank first entry stands for no hand weapon.
    for (QComboBox* list : {cbDriverHandgun, cbGunnerHandgun}) {
        list->clear();
        list->addItem(QStringLiteral(" "));
        for (const THandGunType& gun : HandGunTypes.Items)
            list->addItem(gun.Name);
    }
    FillEquipmentList();
    FillAddOnTurret(cbAddOnTurret);
    FillAddOnEWP(cbAddOnEWP);
    FillRocketPlatform(cbRocketPlatform);

    // The start design is shown as New shows a design: its part handlers
    // set which of their options its parts allow, and the first
    // recalculation follows.
    ShowDesign();
    ShowOpponentControls();
    ShowWeaponEfficiency();
    SetUpResolution(Res600);
}

void TfrmMain::FillWeaponLists()
{
    // Weapons show as "Name (Abbreviation)" in "All" and in the list of their
    // class; the tank gun only under its setting.
    for (int tab = 0; tab < 10; ++tab)
        WeaponList(tab)->clear();
    for (const TWeaponType& weapon : WeaponTypes.Items) {
        if (!TankGun && weapon.Abbreviation == QLatin1String("TG"))
            continue;
        const QString entry = Format(QStringLiteral("%s (%s)"), {weapon.Name, weapon.Abbreviation});
        cbWeapon->addItem(entry);
        // A weapon of an unknown class is offered under "All" alone.
        if (weapon.Class <= wcDischargers)
            WeaponList(weapon.Class + 1)->addItem(entry);
    }
    for (int tab = 0; tab < 10; ++tab)
        WeaponList(tab)->setCurrentIndex(0);
    cbWeaponChange(cbWeapon);
}

void TfrmMain::ShowWeaponEfficiency()
{
    for (QLabel* label : {lblWeaponSpaceEff, lblWeaponWeightEff, lblWeaponCostEff})
        label->setVisible(ShowEff);
    lblWeaponClass->setVisible(!ShowEff);
}

void TfrmMain::LoadGUI()
{
    try {
        ShowDesign();
    } catch (const std::exception& e) {
        ReportError(QString::fromUtf8(e.what()), QStringLiteral("LoadGUI"), 2);
    }
}

void TfrmMain::ShowDesign()
{
    {
        GUILoading = true;
        // A failure anywhere leaves the window recalculating again.
        const auto loaded = qScopeGuard([] { GUILoading = false; });
        const TVehicle& V = Vehicle();
        // The handlers that fire while the controls are set write the same
        // values back; their recalculations are void until the end.
        SelectName(cbBodyType, V.Body.Name);
        chkStreamlining->setChecked(V.Streamlined);
        SelectName(cbChassis, V.Chassis.Name);
        chkCAFrame->setChecked(V.CAFrame);
        chkRollcage->setChecked(V.Rollcage);
        SelectName(cbSuspension, V.Suspension.Name);
        const TCEngineType cell = V.PowerCellEngine;
        SelectName(cbCEngine, cell.Name);
        cbPowerPlatinumCatalyst->setChecked(cell.PC);
        cbPowerSuperconductors->setChecked(cell.SC);
        cbPowerExtraPowerCells->setChecked(cell.EPC);
        edISC->setValue(cell.ISC);
        const TGEngineType gas = V.GasEngine;
        SelectName(cbGEngine, gas.Name);
        SelectName(cbGasTank, V.GasTank.Name);
        edN2O->setValue(gas.NO);
        edGasTankSize->setValue(V.TankSize);
        cbCarburetor->setChecked(gas.C);
        cbMultibarrelCarburetor->setChecked(gas.MC);
        cbTubularHeaders->setChecked(gas.TH);
        cbBlueprinting->setChecked(gas.BP);
        cbTurboCharger->setChecked(gas.TC);
        cbVPTurboCharger->setChecked(gas.VTC);
        cbSupercharger->setChecked(gas.SC);
        SelectName(cbTireFront, V.TiresFront.Name);
        SelectName(cbTireRear, V.TiresRear.Name);
        edTireFWheelguard->setValue(V.GuardsFront);
        edTireRWheelguard->setValue(V.GuardsRear);
        edTireFWheelHub->setValue(V.HubsFront);
        edTireRWheelHub->setValue(V.HubsRear);

        ShowTire(V.TiresFront, rbTiresFrontNone, rbTiresFrontRadial, rbTiresFrontOffRoad, rbTiresFrontSlicks,
                 chkTiresFrontSteelbelt, chkTiresFrontFireProof);
        ShowTire(V.TiresRear, rbTiresRearNone, rbTiresRearRadial, rbTiresRearOffRoad, rbTiresRearSlicks,
                 chkTiresRearSteelbelt, chkTiresRearFireProof);

        if (V.Axis == wl6Wheels2Axis)
            rb62Wheels->setChecked(true);
        else if (V.Axis == wl6Wheels3Axis)
            rb63Wheels->setChecked(true);
        else
            rb4Wheels->setChecked(true);

        {
            ArmorLoading = true;
            const auto done = qScopeGuard([] { ArmorLoading = false; });
            const TArmor armor = V.Armor;
            const std::pair<QSpinBox*, int> spins[] = {
                {edArmorFront, armor.Front},   {edArmorLeft, armor.Left},     {edArmorRight, armor.Right},
                {edArmorRear, armor.Back},     {edArmorTop, armor.Top},       {edArmorBottom, armor.Bottom},
                {edArmorMFront, armor.FrontM}, {edArmorMLeft, armor.LeftM},   {edArmorMRight, armor.RightM},
                {edArmorMRear, armor.BackM},   {edArmorMTop, armor.TopM},     {edArmorMBottom, armor.BottomM},
                {edArmorEWP, armor.EWP},
            };
            for (const auto& [spin, value] : spins)
                spin->setValue(value);
            chkArmorSloped->setChecked(V.Sloped);
            chkArmorFP->setChecked(armor.FP);
            chkArmorLR->setChecked(armor.LR);
            LastArmorLeft = armor.Left;
            LastMetalArmorLeft = armor.LeftM;
        }

        const TCrewTypes crew = V.Crew;
        ShowSeat(crew[0],
                 {cbDriverBodyArmor, cbDriverImprovedBodyArmor, cbDriverImpactArmor, cbDriverGasMask, cbDriverPFE,
                  cbDriverTC, cbDriverITC},
                 cbDriverHandgun);
        SetQuietly(cbGunnerSeat, crew[1].Seat);
        ShowSeat(crew[1],
                 {cbGunnerBodyArmor, cbGunnerImprovedBodyArmor, cbGunnerImpactArmor, cbGunnerGasMask, cbGunnerPFE,
                  cbGunnerTC, cbGunnerITC},
                 cbGunnerHandgun);

        ReleaseWeaponRows();

        // The part handlers below rewrite the add-ons for the body; the
        // design's own come back afterwards.
        const int turret = V.Turret;
        const int pods = V.EWP;
        const int platform = V.RocketPlatform;
        cbBodyTypeSelect();
        cbChassisSelect();
        cbSuspensionSelect();
        cbCEngineSelect();
        cbGEngineSelect();
        cbGasTankSelect();
        cbTireFrontSelect();
        cbTireRearSelect();
        ShowAddOns(turret, pods, platform);

        WeaponRowTop = 16;
        for (int i = 0; i < V.WeaponCount(); ++i) {
            TWeaponType weapon;
            V.GetWeapon(i, weapon);
            QString first;
            AddWeaponToList(weapon, i, first, weapon.Location);
        }
        ShowEquipment();

        edTextName->setText(V.Name);
        edTextAuthor->setText(V.Author);
        SetMemoText(edTextDescription, V.Comment);

        QCoreApplication::processEvents();
    }
    RecalcVehicle(true);
}

void TfrmMain::ShowOpponentControls()
{
    const bool shown = cbAttackTarget->currentIndex() == 3 && pcTesting->ActivePageIndex() != 0;
    gbTest->setVisible(shown);
    // The log lies over the text box: covered, the box takes no keys, which
    // would change the design unseen, and paints nothing through the log.
    gbText->setVisible(!shown);
    pcTesting->setTabVisible(pcTesting->indexOf(tsStats), shown);
    btnLoadOpponent->setVisible(shown);
}
