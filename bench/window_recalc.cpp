// The main window's recalculation of a fully equipped design, headless, and
// the same with many weapon rows: recalculating and loading the design into
// the window, whose rows are rebuilt each time, and opening the design's file.
// Each time is followed by the events it left, as the program handles them
// before the next edit.

#include "designer/ImportForm.h"
#include "designer/ModalAnswers.h"
#include "designer/MainWindow.h"

#include "model/Global.h"
#include "model/Vehicle.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>
#include <sys/resource.h>

namespace {

void Choose(QComboBox* list, int index)
{
    list->setCurrentIndex(index);
    emit list->activated(index);
}

// The window with the rules of the runtime folder; the settings file, which
// is never written here, would lie in a folder of its own.
struct TBenchWindow {
    TBenchWindow()
    {
        QDir::setCurrent(QStringLiteral(RIGSMITH_RUNTIME_DIR));
        Window = std::make_unique<TfrmMain>(TProgramPaths{ExecutableFolder.filePath(QStringLiteral("rigsmith")), {}});
        Started = Window->Init();
    }
    QTemporaryDir ExecutableFolder;
    std::unique_ptr<TfrmMain> Window;
    bool Started = false;
};

// A Van with every option, armor, every accessory, and weapons spread over
// the shipped weapons.
void EquipFully(TfrmMain& window, int weapons)
{
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
    const int kinds = static_cast<int>(WeaponTypes.Items.size());
    for (int i = 0; i < weapons && kinds > 0; ++i) {
        int index = 0;
        design.AddWeapon(WeaponTypes.Items[(i * kinds / std::min(weapons, kinds)) % kinds], index);
    }
    for (const TEquipmentType& accessory : EquipmentTypes.Items)
        design.SetEquipment(accessory.Nr, 1, QString());
}

// Every weapon place of the design in use: a turret, a top pod and a rocket
// platform, the weapons spread over the seven places in turn.
void FillEveryPlace(TVehicle& design)
{
    design.Turret = tkThreeSpace;
    design.EWP = ewpThreeSpaceTop;
    design.RocketPlatform = 3;
    constexpr TLocation places[] = {locFront, locBack, locLeft, locRight, locTurret, locEWP, locRocketPlatform};
    for (int i = 0; i < design.WeaponCount(); ++i) {
        TWeaponType& weapon = design.Weapons.Items[i];
        weapon.Location = weapon.Class == wcRockets ? locRocketPlatform : places[i % 7];
        weapon.SWC = i % 3 == 0;
        weapon.ExtraAmmo = i % 2 == 0;
        weapon.CA = i % 4;
    }
}

void BM_RecalcVehicle(benchmark::State& state)
{
    TBenchWindow bench;
    if (!bench.Started) {
        state.SkipWithError("the window did not start");
        return;
    }
    EquipFully(*bench.Window, 8);
    for (auto _ : state) {
        bench.Window->RecalcVehicle(true);
        QCoreApplication::processEvents();
    }
}

// The window with the design of state.range(0) weapons spread over every
// place; loaded, it has each weapon's row. False, with the error reported to
// the benchmark, when the window did not start.
bool StartWithRows(TBenchWindow& bench, benchmark::State& state, bool loaded)
{
    if (!bench.Started) {
        state.SkipWithError("the window did not start");
        return false;
    }
    EquipFully(*bench.Window, static_cast<int>(state.range(0)));
    FillEveryPlace(bench.Window->Vehicle());
    if (loaded)
        bench.Window->LoadGUI();
    return true;
}

// The recalculation rebuilds the component-armor rows, one per weapon.
void BM_RecalcVehicleRows(benchmark::State& state)
{
    TBenchWindow bench;
    if (!StartWithRows(bench, state, true))
        return;
    for (auto _ : state) {
        bench.Window->RecalcVehicle(true);
        QCoreApplication::processEvents();
    }
}

// Loading the design into the window: every control, every weapon row, the
// accessory rows and one recalculation.
void BM_LoadGUIRows(benchmark::State& state)
{
    TBenchWindow bench;
    if (!StartWithRows(bench, state, false))
        return;
    for (auto _ : state) {
        bench.Window->LoadGUI();
        QCoreApplication::processEvents();
    }
}

// An add-on change with the rows in place: every row's location list is
// refilled, its weapon placed again, and the design recalculated once.
void BM_RefreshWeaponWhereRows(benchmark::State& state)
{
    TBenchWindow bench;
    if (!StartWithRows(bench, state, true))
        return;
    for (auto _ : state) {
        bench.Window->RefreshWeaponWhere();
        QCoreApplication::processEvents();
    }
}

// Opening the design's file as the open command does: reading it, loading it
// into the window and the recalculations that follow, which build and
// release the component-armor rows without the event loop between them.
void BM_OpenDesignRows(benchmark::State& state)
{
    TBenchWindow bench;
    if (!StartWithRows(bench, state, false))
        return;
    // Shown, as the program's window is: controls made in a shown window
    // leave events of their own until the event loop runs.
    bench.Window->show();
    const QString file = bench.ExecutableFolder.filePath(QStringLiteral("Rows.vx"));
    if (!bench.Window->Vehicle().Save(file)) {
        state.SkipWithError("the design could not be saved");
        return;
    }
    for (auto _ : state) {
        bench.Window->FileLoad(file, false);
        QCoreApplication::processEvents();
    }
}

// The texts a long-text bench fills: the description without blanks, in
// words, in words as long as the memos still wrap at word boundaries, and the
// design's name.
enum TLongText { ltDescriptionWithoutBlanks, ltDescriptionInWords, ltDescriptionInLongWords, ltName };

// Opening, in the shown window, a design whose text of state.range(1) kind
// is state.range(0) characters long: the file read, the window loaded and
// recalculated, the events it left (the text laid out and painted).
void BM_OpenLongText(benchmark::State& state)
{
    TBenchWindow bench;
    if (!bench.Started) {
        state.SkipWithError("the window did not start");
        return;
    }
    bench.Window->show();
    const auto length = static_cast<qsizetype>(state.range(0));
    TVehicle& design = bench.Window->Vehicle();
    switch (static_cast<TLongText>(state.range(1))) {
    case ltDescriptionWithoutBlanks:
        design.Comment = QStringLiteral("x").repeated(length);
        break;
    case ltDescriptionInWords:
        design.Comment = QStringLiteral("word ").repeated(length / 5);
        break;
    case ltDescriptionInLongWords:
        design.Comment = (QStringLiteral("x").repeated(250) + QLatin1Char(' ')).repeated(length / 251);
        break;
    case ltName:
        design.Name = QStringLiteral("N").repeated(length);
        break;
    }
    const QString file = bench.ExecutableFolder.filePath(QStringLiteral("Long.vx"));
    if (!design.Save(file)) {
        state.SkipWithError("the design could not be saved");
        return;
    }
    for (auto _ : state) {
        if (bench.Window->FileLoad(file, false) != TfrmMain::TFileLoad::Opened) {
            state.SkipWithError("the design did not open");
            break;
        }
        QCoreApplication::processEvents();
    }
}

// Accepting a paste of state.range(0) characters of "MG, " in the shown
// window, each weapon word a row, and then quitting: the accepted design's
// rows painted and every control released with the window. Starting the
// window and stage 1 of the import are not timed.
void BM_AcceptImportAndQuit(benchmark::State& state)
{
    const QString text = QStringLiteral("MG, ").repeated(static_cast<qsizetype>(state.range(0) / 4));
    for (auto _ : state) {
        state.PauseTiming();
        auto bench = std::make_unique<TBenchWindow>();
        if (!bench->Started) {
            state.SkipWithError("the window did not start");
            return;
        }
        bench->Window->show();
        frmImport->show();
        frmImport->memText->setPlainText(text);
        frmImport->btnImport->click();
        QCoreApplication::processEvents();
        // A paste of more weapons than an import adds ends with its message.
        TModalAnswers user;
        state.ResumeTiming();
        frmImport->btnAccept->click();
        QCoreApplication::processEvents();
        bench->Window->DeInit();
        bench.reset();
        QCoreApplication::processEvents();
    }
    // The most memory the program has held so far, this paste's included.
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["peak_MB"] = static_cast<double>(usage.ru_maxrss) / 1024;
}

} // namespace

BENCHMARK(BM_RecalcVehicle)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RecalcVehicleRows)->Arg(48)->Arg(250)->Arg(1000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadGUIRows)->Arg(48)->Arg(250)->Arg(1000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RefreshWeaponWhereRows)->Arg(48)->Arg(250)->Arg(1000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenDesignRows)->Arg(250)->Arg(1000)->Arg(2000)->Arg(5000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenLongText)
    ->ArgsProduct({{2500, 25000, 250000, 4000000}, {ltDescriptionWithoutBlanks, ltDescriptionInWords, ltDescriptionInLongWords, ltName}})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AcceptImportAndQuit)->Arg(3000)->Arg(10000)->Arg(20000)->Arg(30000)->Arg(100000)->Unit(benchmark::kMillisecond);
