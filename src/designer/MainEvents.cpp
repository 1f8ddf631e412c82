// The handlers bound to the controls. The window keeps the event rule its
// handlers were written for: a check box's or radio button's checked state and
// a spin's value run their handler whether the user or the code sets them;
// a list's entry runs its handler only when the user chooses it.

#include "designer/MainWindow.h"
#include "platform/widgets/Application.h"
#include "designer/LabelClicks.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

void TfrmMain::ConnectHandlers()
{
    const auto onChoose = [this](QComboBox* list, void (TfrmMain::*handler)()) {
        connect(list, &QComboBox::activated, this, ShowingErrors([this, handler](int) { (this->*handler)(); }));
    };
    const auto onTick = [this](QCheckBox* box, void (TfrmMain::*handler)()) {
        connect(box, &QCheckBox::toggled, this, ShowingErrors([this, handler](bool) { (this->*handler)(); }));
    };
    // A radio button's handler acts when it becomes checked, not when a
    // partner unchecks it.
    const auto onRadio = [this](QRadioButton* radio, void (TfrmMain::*handler)()) {
        connect(radio, &QRadioButton::toggled, this, ShowingErrors([this, handler](bool on) {
                    if (on)
                        (this->*handler)();
                }));
    };
    const auto onSpin = [this](QSpinBox* spin, void (TfrmMain::*handler)()) {
        connect(spin, &QSpinBox::valueChanged, this, ShowingErrors([this, handler](int) { (this->*handler)(); }));
    };
    const auto onOption = [this](QCheckBox* box, std::initializer_list<QCheckBox*> partners) {
        const QVector<QCheckBox*> others(partners);
        connect(box, &QCheckBox::toggled, this, ShowingErrors([this, box, others] { OptionClick(box, others); }));
    };
    const auto onLabelClick = [this](QLabel* label, void (TfrmMain::*handler)()) {
        ConnectLabelClick(label, ShowingErrors([this, handler] { (this->*handler)(); }));
    };

    onChoose(cbBodyType, &TfrmMain::cbBodyTypeSelect);
    onChoose(cbChassis, &TfrmMain::cbChassisSelect);
    onChoose(cbSuspension, &TfrmMain::cbSuspensionSelect);
    onChoose(cbCEngine, &TfrmMain::cbCEngineSelect);
    onChoose(cbGEngine, &TfrmMain::cbGEngineSelect);
    onChoose(cbGasTank, &TfrmMain::cbGasTankSelect);
    onChoose(cbTireFront, &TfrmMain::cbTireFrontSelect);
    onChoose(cbTireRear, &TfrmMain::cbTireRearSelect);
    onChoose(cbDriverHandgun, &TfrmMain::ClickRecalcVehicle);
    onChoose(cbGunnerHandgun, &TfrmMain::ClickRecalcVehicle);

    for (QRadioButton* radio : {rb4Wheels, rb62Wheels, rb63Wheels})
        onRadio(radio, &TfrmMain::rbWheelsClick);
    for (QRadioButton* radio : {rbTiresFrontNone, rbTiresFrontRadial, rbTiresFrontOffRoad, rbTiresFrontSlicks})
        onRadio(radio, &TfrmMain::rbTiresFrontClick);
    for (QRadioButton* radio : {rbTiresRearNone, rbTiresRearRadial, rbTiresRearOffRoad, rbTiresRearSlicks})
        onRadio(radio, &TfrmMain::rbTiresRearClick);
    onTick(chkTiresFrontSteelbelt, &TfrmMain::chkTiresFrontClick);
    onTick(chkTiresFrontFireProof, &TfrmMain::chkTiresFrontClick);
    onTick(chkTiresRearSteelbelt, &TfrmMain::chkTiresRearClick);
    onTick(chkTiresRearFireProof, &TfrmMain::chkTiresRearClick);

    onTick(chkStreamlining, &TfrmMain::chkStreamliningClick);
    onTick(chkCAFrame, &TfrmMain::chkCAFrameClick);
    onTick(chkRollcage, &TfrmMain::chkRollcageClick);
    onSpin(edGasTankSize, &TfrmMain::edGasTankSizeChange);
    onSpin(edN2O, &TfrmMain::edN2OChange);

    onOption(cbCarburetor, {cbMultibarrelCarburetor});
    onOption(cbMultibarrelCarburetor, {cbCarburetor});
    onOption(cbTurboCharger, {cbVPTurboCharger});
    onOption(cbVPTurboCharger, {cbTurboCharger});
    onOption(cbDriverBodyArmor, {cbDriverImprovedBodyArmor, cbDriverImpactArmor});
    onOption(cbDriverImprovedBodyArmor, {cbDriverBodyArmor, cbDriverImpactArmor});
    onOption(cbDriverImpactArmor, {cbDriverBodyArmor, cbDriverImprovedBodyArmor});
    onOption(cbDriverTC, {cbDriverITC});
    onOption(cbDriverITC, {cbDriverTC});
    onOption(cbGunnerBodyArmor, {cbGunnerImprovedBodyArmor, cbGunnerImpactArmor});
    onOption(cbGunnerImprovedBodyArmor, {cbGunnerBodyArmor, cbGunnerImpactArmor});
    onOption(cbGunnerImpactArmor, {cbGunnerBodyArmor, cbGunnerImprovedBodyArmor});
    onOption(cbGunnerTC, {cbGunnerITC});
    onOption(cbGunnerITC, {cbGunnerTC});

    for (QCheckBox* box : {cbSupercharger, cbGunnerSeat, cbPowerPlatinumCatalyst, cbPowerSuperconductors,
                           cbPowerExtraPowerCells, cbTubularHeaders, cbBlueprinting, cbDriverGasMask, cbDriverPFE,
                           cbGunnerGasMask, cbGunnerPFE})
        onTick(box, &TfrmMain::ClickRecalcVehicle);
    for (QSpinBox* spin : {edISC, edTireFWheelguard, edTireFWheelHub, edTireRWheelguard, edTireRWheelHub})
        onSpin(spin, &TfrmMain::ClickRecalcVehicle);

    for (QSpinBox* spin : {edArmorFront, edArmorRight, edArmorRear, edArmorTop, edArmorBottom, edArmorEWP,
                           edArmorMFront, edArmorMRight, edArmorMRear, edArmorMTop, edArmorMBottom})
        onSpin(spin, &TfrmMain::edArmorChange);
    onSpin(edArmorLeft, &TfrmMain::edArmorLeftChange);
    onSpin(edArmorMLeft, &TfrmMain::edArmorMLeftChange);
    for (QCheckBox* box : {chkArmorSloped, chkArmorFP, chkArmorLR})
        onTick(box, &TfrmMain::edArmorChange);
    connect(btnRemovePlasticArmor, &QPushButton::clicked, this,
        ShowingErrors([this] { btnRemovePlasticArmorClick(); }));
    connect(btnRemoveMetalArmor, &QPushButton::clicked, this, ShowingErrors([this] { btnRemoveMetalArmorClick(); }));

    onLabelClick(lblCost, &TfrmMain::lblCostValClick);
    onLabelClick(lblCostVal, &TfrmMain::lblCostValClick);
    onLabelClick(lblWeight, &TfrmMain::lblWeightValClick);
    onLabelClick(lblWeightVal, &TfrmMain::lblWeightValClick);
    onLabelClick(lblSpace, &TfrmMain::lblSpaceValClick);
    onLabelClick(lblSpaceVal, &TfrmMain::lblSpaceValClick);
    onLabelClick(lblVehicleYearVal, &TfrmMain::lblYearValClick);

    connect(edTextName, &QLineEdit::textChanged, this, ShowingErrors([this] { edTextNameChange(); }));
    connect(edTextAuthor, &QLineEdit::textChanged, this, ShowingErrors([this] { edTextAuthorChange(); }));
    connect(edTextDescription, &QPlainTextEdit::textChanged, this,
        ShowingErrors([this] { edTextDescriptionChange(); }));

    connect(acQuit, &QAction::triggered, this, ShowingErrors([this] { FileExit(); }));
    ConnectAddOnHandlers();
    ConnectWeaponHandlers();
}
