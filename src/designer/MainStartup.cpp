// Start-up and shutdown of the main window: what lives as long as the
// program, built in a fixed order and released in a fixed order.

#include "designer/MainWindow.h"
#include "designer/PageControl.h"
#include "designer/StoredForms.h"

#include "model/ErrorReport.h"
#include "model/Global.h"
#include "model/RulesReaders.h"
#include "model/Utils.h"
#include "model/Vehicle.h"
#include "platform/Errors.h"
#include "platform/Random.h"
#include "platform/widgets/MessageDlg.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QSpinBox>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <memory>

QString FileName;
int LastArmorLeft = 0;
int LastMetalArmorLeft = 0;
TfrmMain* frmMain = nullptr;

namespace {

// The design being edited. The game cars will hold it; until they do, the
// window holds it from the step that creates the game cars to shutdown.
std::unique_ptr<TVehicle> DesignVehicle;

// A start-up step that failed: the step's name and what went wrong.
struct TStartupFailure {
    QString Step;
    QString Message;
};

template <typename F>
void RunStep(const char* step, F&& body)
{
    try {
        body();
    } catch (const std::exception& e) {
        throw TStartupFailure{QLatin1String(step), QString::fromUtf8(e.what())};
    }
}

// The Debug tab is for developers: it shows only under a debugger.
bool RunsUnderDebugger()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return false;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("TracerPid:"))
            return line.mid(10).trimmed() != "0";
    }
    return false;
}

} // namespace

TProgramPaths TProgramPaths::FromApplication()
{
    return {QCoreApplication::applicationFilePath(), QCoreApplication::arguments().mid(1)};
}

QString TProgramPaths::SettingsFile() const
{
    const QFileInfo info(ExecutableFile);
    const QString name = info.fileName();
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return info.path() + QLatin1Char('/') + (dot > 0 ? name.left(dot) : name) + QStringLiteral(".ini");
}

QString TProgramPaths::ExecutableFolder() const
{
    return QFileInfo(ExecutableFile).path();
}

TfrmMain::TfrmMain(TProgramPaths paths) : FPaths(std::move(paths))
{
    frmMain = this;
    BuildControls();
    ConnectHandlers();
}

TfrmMain::~TfrmMain()
{
    ReleaseAll();
    if (frmMain == this)
        frmMain = nullptr;
}

TVehicle& TfrmMain::Vehicle() const
{
    return *DesignVehicle;
}

bool TfrmMain::Init()
{
    Randomize();
    ArmorLoading = false;
    try {
        GUILoading = false;
        ScratchList.clear();
        CostList.clear();
        WeightList.clear();
        SpaceList.clear();
        YearList.clear();
        RunStep("ReadAllTypes", [] {
            ReadAllTypes();
            // A new design takes the first item of every table it uses.
            const QStringList empty = EmptyDesignTables();
            if (!empty.isEmpty())
                throw EError(QStringLiteral("No items in %1").arg(empty.join(QStringLiteral(", "))));
        });
        // The part pictures (LoadGraphics) load here once they are part of
        // the program; the game cars below take their car picture.
        RunStep("TGameCar.Create", [] { DesignVehicle = std::make_unique<TVehicle>(); });
        // The test-map pictures, the design browser and the import form
        // are made here, in this order, once they are part of the program.
        RunStep("ReadConfig", [this] { ReadConfig(); });
        RunStep("SetUpGUI", [this] { SetUpGUI(); });
        LastArmorLeft = edArmorLeft->value();
        // The start design (the command-line file, or with AutoLoad the
        // remembered one) and the opponent (Enemy) are opened here by the
        // file commands; until then RememberedFileName stays unopened.
        RunStep("UpdateLastMenu", [this] { UpdateLastMenu(QString()); });
        // The print form is made here once it is part of the program.
        pcInfo->setTabVisible(pcInfo->indexOf(tsDebug), RunsUnderDebugger());
    } catch (const TStartupFailure& failure) {
        ReleaseAll();
        ReportError(failure.Message, failure.Step, 2);
        return false;
    }
    FInitDone = true;
    return true;
}

void TfrmMain::UpdateLastMenu(const QString& NewFile)
{
    if (!NewFile.isEmpty())
        AddToLastFiles(NewFile);
    for (int i = 0; i < LastFilesCount; ++i) {
        QAction* item = mnuRecentItems[i];
        item->setStatusTip(LastFiles[i]);
        item->setText(FileNameWithoutExt(LastFiles[i]));
        item->setVisible(!LastFiles[i].isEmpty());
    }
}

void TfrmMain::DeInit()
{
    if (!FInitDone || FDeInitDone)
        return;
    FDeInitDone = true;
    WriteConfig();
    ReleaseAll();
}

void TfrmMain::ReleaseAll()
{
    // The import form, the design browser, the map tile, the map mask and
    // the print form go first, once they are part of the program.
    YearList.clear();
    SpaceList.clear();
    WeightList.clear();
    CostList.clear();
    ScratchList.clear();
    // The opponent goes before the own car; the part pictures go last.
    DesignVehicle.reset();
}

void TfrmMain::closeEvent(QCloseEvent* event)
{
    if (ConfirmQuit && FInitDone && !FDeInitDone &&
        MessageDlg(QStringLiteral("Are you sure you want to quit?"), mtConfirmation, mbYes | mbNo, 0) != mrYes) {
        event->ignore();
        return;
    }
    DeInit();
    event->accept();
}

bool TfrmMain::event(QEvent* event)
{
    if (event->type() == QEvent::StatusTip) {
        ShowHint(static_cast<QStatusTipEvent*>(event)->tip());
        return true;
    }
    return QMainWindow::event(event);
}

void TfrmMain::ShowHint(const QString& hint)
{
    statusBar()->showMessage(hint);
}

void TfrmMain::FileExit()
{
    close();
}
