// One recalculation of a fully equipped design in the main window, headless.

#include "designer/MainWindow.h"

#include "model/Global.h"
#include "model/Vehicle.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QSpinBox>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

void Choose(QComboBox* list, int index)
{
    list->setCurrentIndex(index);
    emit list->activated(index);
}

void BM_RecalcVehicle(benchmark::State& state)
{
    // The rules come from the runtime folder; the settings file, which is
    // never written here, would lie in a folder of its own.
    QDir::setCurrent(QStringLiteral(RIGSMITH_RUNTIME_DIR));
    QTemporaryDir executableFolder;
    TfrmMain window(TProgramPaths{executableFolder.filePath(QStringLiteral("rigsmith")), {}});
    if (!window.Init()) {
        state.SkipWithError("the window did not start");
        return;
    }
    Choose(window.cbBodyType, window.cbBodyType->findText(QStringLiteral("Van")));
    Choose(window.cbChassis, window.cbChassis->count() - 1);
    Choose(window.cbSuspension, window.cbSuspension->count() - 1);
    Choose(window.cbGEngine, window.cbGEngine->count() - 1);
    Choose(window.cbGasTank, window.cbGasTank->count() - 1);
    for (QCheckBox* box : {window.cbMultibarrelCarburetor, window.cbTubularHeaders, window.cbBlueprinting,
                           window.cbTurboCharger, window.cbSupercharger, window.chkStreamlining,
                           window.chkArmorSloped, window.chkArmorFP, window.cbGunnerSeat,
                           window.cbDriverImprovedBodyArmor, window.cbGunnerImprovedBodyArmor})
        box->setChecked(true);
    for (QSpinBox* spin : {window.edArmorFront, window.edArmorLeft, window.edArmorRear, window.edArmorTop,
                           window.edArmorBottom, window.edArmorMFront, window.edArmorMLeft})
        spin->setValue(20);
    window.edGasTankSize->setValue(20);
    window.edTireFWheelguard->setValue(5);
    window.edTireRWheelHub->setValue(5);
    TVehicle& design = window.Vehicle();
    for (int i = 0; i < 8 && i < WeaponTypes.Items.size(); ++i) {
        int index = 0;
        design.AddWeapon(WeaponTypes.Items[i * WeaponTypes.Items.size() / 8], index);
    }
    for (const TEquipmentType& accessory : EquipmentTypes.Items)
        design.SetEquipment(accessory.Nr, 1, QString());

    for (auto _ : state)
        window.RecalcVehicle(true);
}

} // namespace

BENCHMARK(BM_RecalcVehicle)->Unit(benchmark::kMillisecond);
