// Start-up and shutdown of the main window: what lives as long as the
// program, built in a fixed order and released in a fixed order.

#include "designer/DesignBrowser.h"
#include "designer/MainWindow.h"
#include "designer/ImportForm.h"
#include "designer/PageControl.h"
#include "designer/StoredForms.h"
#include "designer/TitleForm.h"

#include "gamecar/GameCar.h"
#include "gamecar/Graphics.h"
#include "model/ErrorReport.h"
#include "model/Global.h"
#include "model/RulesReaders.h"
#include "model/SettingsVariables.h"
#include "model/Utils.h"
#include "model/Vehicle.h"
#include "platform/Errors.h"
#include "platform/FileLookup.h"
#include "platform/Format.h"
#include "platform/Random.h"
#include "platform/widgets/MessageDlg.h"
#include "printing/PrintForm.h"

#include <QAction>
#include <QCloseEvent>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QShowEvent>
#include <QSpinBox>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <utility>

QString FileName;
int LastArmorLeft = 0;
int LastMetalArmorLeft = 0;
TfrmMain* frmMain = nullptr;

TBitmap32* GridCenterImage = nullptr;
TBitmap32* GridMapImage = nullptr;
TBitmap32* Wall8Image = nullptr;
TBitmap32* Wall30Image = nullptr;

namespace {

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
    ConnectDialogs();
    ConnectFileCommands();
    ConnectTestHandlers();
}

TfrmMain::~TfrmMain()
{
    ReleaseAll();
    if (frmMain == this)
        frmMain = nullptr;
}

TVehicle& TfrmMain::Vehicle() const
{
    return *Car->Vehicle;
}

bool TfrmMain::Init()
{
    Randomize();
    ArmorLoading = false;
    // Receives the masks of the wall pictures; nothing else needs it.
    TBitmap32 wallScratch;
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
        RunStep("LoadGraphics", [] { LoadGraphics(); });
        // Each car takes car picture CarFrameNr, still 0 here: the settings
        // are read later.
        RunStep("TGameCar.Create", [] {
            Car = new TGameCar;
            TestCar = new TGameCar;
            EnemyCar = new TGameCar;
        });
        RunStep("Test map pictures", [this, &wallScratch] {
            GridCenterImage = new TBitmap32;
            GridCenterImage->LoadFromFile(ResolvePath(QStringLiteral("Graphics/Map/GridCenter.png")));
            GridMapImage = new TBitmap32;
            GridMapImage->LoadFromFile(ResolvePath(QStringLiteral("Graphics/Map/GridMap.png")));
            Wall8Image = new TBitmap32;
            LoadImage(*Wall8Image, wallScratch, ResolvePath(QStringLiteral("Graphics/Map/Wall8.png")));
            Wall30Image = new TBitmap32;
            LoadImage(*Wall30Image, wallScratch, ResolvePath(QStringLiteral("Graphics/Map/Wall30.png")));
            MapMask = new TBitmap32(imgLayout->width(), imgLayout->height());
            MapMask->Clear(clBlack32);
            GridImage = new TBitmap32;
            GridImage->LoadFromFile(ResolvePath(QStringLiteral("Graphics/Map/grid.png")));
        });
        // The design browser and then the import form (frmImport) are made
        // here, before the settings give them their bounds.
        RunStep("TfrmLoad.Create", [this] { frmLoad = new TfrmLoad(this); });
        RunStep("TfrmImport.Create", [this] { frmImport = new TfrmImport(this, acImport); });
        RunStep("ReadConfig", [this] { ReadConfig(); });
        RunStep("SetUpGUI", [this] { SetUpGUI(); });
        PendingDelete = nullptr;
        LastArmorLeft = edArmorLeft->value();
        // No design stops the program from starting: one that fails in any
        // way is reported, and the window goes on with the new design.
        const auto openAtStart = [this](const QString& name, bool asOpponent) {
            try {
                return FileLoad(name, asOpponent);
            } catch (const std::exception& e) {
                ReportError(QString::fromUtf8(e.what()), Format(QStringLiteral("FileLoad(%s)"), {name}), 2);
                return TFileLoad::Refused;
            }
        };
        // The command line's design wins over the one AutoLoad remembers;
        // either becomes the design's file name only once it has loaded. A
        // remembered design that is not there at this start (on a drive not
        // mounted, say) is not the open design's file, but stays the one to
        // reopen while nothing else is opened.
        if (!FPaths.Arguments.isEmpty())
            openAtStart(FPaths.Arguments.first(), false);
        else if (AutoLoad && openAtStart(RememberedFileName, false) == TFileLoad::Refused)
            // Its box is not shown again at every start.
            RememberedFileName.clear();
        // An opponent that is refused is not remembered, so that its box
        // does not come back at every start: the default opponent stands in.
        if (openAtStart(Enemy, true) == TFileLoad::Refused) {
            const QString fallback = DefaultEnemy(FPaths.ExecutableFolder());
            if (Enemy != fallback) {
                Enemy = fallback;
                openAtStart(Enemy, true);
            }
        }
        RunStep("FileLoad", [] { EnemyCar->SetFrame(EnemyFrameNr); });
        RunStep("UpdateLastMenu", [this] { UpdateLastMenu(QString()); });
        RunStep("SetupPrint", [this] {
            frmPrint = new TfrmPrint(this, LayoutPicture);
            // The sheet font is not registered: the vehicle's name takes it
            // only where the system provides it.
            frmPrint->SetupPrint(Car, true);
        });
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
    // The import form goes first, then the
    // design browser; the print form goes after the map mask.
    delete frmImport;
    frmImport = nullptr;
    delete frmLoad;
    frmLoad = nullptr;
    delete GridImage;
    GridImage = nullptr;
    delete MapMask;
    MapMask = nullptr;
    delete frmPrint;
    frmPrint = nullptr;
    YearList.clear();
    SpaceList.clear();
    WeightList.clear();
    CostList.clear();
    ScratchList.clear();
    for (TBitmap32** picture : {&Wall30Image, &Wall8Image, &GridMapImage, &GridCenterImage}) {
        delete *picture;
        *picture = nullptr;
    }
    // The opponent goes before the own car. TestCar and Car share the design
    // and the car picture, which go with the last of them; Car's own top-view
    // buffers go with it.
    for (TGameCar** car : {&EnemyCar, &TestCar, &Car}) {
        delete *car;
        *car = nullptr;
    }
    FreeGraphics();
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

void TfrmMain::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    // Restoring a minimised window is no new showing.
    if (!event->spontaneous())
        FormShow();
}

void TfrmMain::FormShow()
{
    cbWeaponChange(cbWeapon);
    chkTestTrace->setChecked(Trace);
    cbAttackTarget->setCurrentIndex(AttackTarget);
    cbAttackTargetChange();
    cbAttackLocation->setCurrentIndex(AttackLocation);
    cbTargetFacing->setCurrentIndex(TargetFacing);
    cbCarBodyView->setCurrentIndex(CarBodyView);
    ShowTestVehicle();
    // The splash's modal loop would hold up the window's first paint and
    // leave a black rectangle behind it: it comes once the window, with the
    // test map as the settings left it, has painted.
    FTitleAfterPaint = ::ShowTitle && frmTitle;
}

bool TfrmMain::event(QEvent* event)
{
    if (event->type() == QEvent::StatusTip) {
        ShowHint(static_cast<QStatusTipEvent*>(event)->tip());
        return true;
    }
    const bool handled = QMainWindow::event(event);
    if (event->type() == QEvent::Paint && std::exchange(FTitleAfterPaint, false)) {
        QMetaObject::invokeMethod(
            this,
            [this] {
                if (isVisible() && frmTitle)
                    frmTitle->exec();
            },
            Qt::QueuedConnection);
    }
    return handled;
}

void TfrmMain::ShowHint(const QString& hint)
{
    statusBar()->showMessage(hint);
}

void TfrmMain::FileExit()
{
    close();
}
