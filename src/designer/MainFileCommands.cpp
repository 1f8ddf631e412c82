// The file commands: a new design, opening through the browser or the open
// dialog, saving, saving under a new name, and the recent-files menu.

#include "designer/DesignBrowser.h"
#include "designer/LabelClicks.h"
#include "designer/MainWindow.h"
#include "designer/ImportForm.h"
#include "designer/StoredForms.h"

#include "gamecar/GameCar.h"
#include "model/ErrorReport.h"
#include "model/Global.h"
#include "model/Utils.h"
#include "model/Vehicle.h"
#include "platform/FileLookup.h"
#include "platform/Format.h"
#include "platform/widgets/MessageDlg.h"
#include "printing/PrintForm.h"
#include "printing/QtPrinter.h"

#include <QAction>
#include <QFileInfo>
#include <exception>

namespace {

// What a save tells the user.
void ReportSaved(bool saved)
{
    if (!saved)
        MessageDlg(QStringLiteral("Vehicle could not be saved"), mtError, mbOK, 0);
    else if (ConfirmSave)
        MessageDlg(QStringLiteral("Vehicle saved"), mtInformation, mbOK, 0);
}

} // namespace

void TfrmMain::ConnectFileCommands()
{
    connect(acNew, &QAction::triggered, this, &TfrmMain::FileNew);
    connect(acLoad, &QAction::triggered, this, &TfrmMain::FileOpen);
    connect(acImport, &QAction::triggered, this, [] {
        if (!frmImport->isVisible())
            frmImport->show();
    });
    connect(acSave, &QAction::triggered, this, &TfrmMain::FileSave);
    connect(acSaveAs, &QAction::triggered, this, &TfrmMain::FileSaveAs);
    connect(acPrint, &QAction::triggered, this, &TfrmMain::FilePrint);
    connect(acPrintSetup, &QAction::triggered, this, &TfrmMain::FilePrintSetup);
    ConnectLabelClick(imgLayout, [this] { FilePrint(); });
    for (QAction* item : mnuRecentItems)
        connect(item, &QAction::triggered, this, [this, item] { mnuRecentClick(item); });
}

void TfrmMain::FileNew()
{
    FileName.clear();
    CarFrameNr = 1;
    Car->Vehicle->Clear();
    if (TestCar->Vehicle != Car->Vehicle)
        TestCar->Vehicle->Clear();
    Car->SetFrame(CarFrameNr);
    TestCar->SetFrame(CarFrameNr);
    LoadGUI();
}

void TfrmMain::FileOpen()
{
    QString S = QStringLiteral("<none>");
    try {
        if (DetailLoad) {
            frmLoad->CollapseTree();
            const QString folder = FileName.left(FileName.lastIndexOf(QLatin1Char('/')) + 1);
            frmLoad->SetPath(folder.isEmpty() ? FPaths.ExecutableFolder() + QStringLiteral("/Designs/") : folder);
            frmLoad->exec();
            S = frmLoad->FileName;
            if (S == TfrmLoad::NoFileSelected)
                return;
        } else {
            if (!dlgOpen.Execute(this))
                return;
            S = dlgOpen.FileName;
        }
        FileLoad(S, false);
    } catch (const std::exception& e) {
        ReportError(QString::fromUtf8(e.what()), Format(QStringLiteral("FileOpen(%s)"), {S}), 2);
    }
}

void TfrmMain::FileSave()
{
    try {
        if (FileName.isEmpty()) {
            FileSaveAs();
            return;
        }
        dlgSave.FileName = FileName;
        // The design goes back into the file it came from, whatever the
        // letter case of the name it was opened by.
        const bool saved = Vehicle().Save(ResolvePath(FileName));
        ReportSaved(saved);
        if (saved) {
            dlgOpen.FileName = FileName;
            UpdateLastMenu(FileName);
        }
    } catch (const std::exception& e) {
        ReportError(QString::fromUtf8(e.what()), QStringLiteral("FileSave"), 2);
    }
}

void TfrmMain::FileSaveAs()
{
    try {
        const QString suggested = FileName.isEmpty() ? SafeFileName(Vehicle().Name) : FileName;
        if (!suggested.contains(QStringLiteral(".VX"), Qt::CaseInsensitive))
            dlgSave.FileName = suggested + QStringLiteral(".vx");
        if (!dlgSave.Execute(this))
            return;
        const QString chosen = ResolvePath(dlgSave.FileName);
        if (QFileInfo::exists(chosen) &&
            MessageDlg(Format(QStringLiteral("The file %s already exists - are you sure you want to overwrite it?"),
                              {QFileInfo(chosen).fileName()}),
                       mtConfirmation, mbYes | mbNo | mbAbort, 0) != mrYes)
            return;
        const bool saved = Vehicle().Save(chosen);
        ReportSaved(saved);
        if (saved) {
            FileName = chosen;
            RememberedFileName.clear();
            UpdateLastMenu(FileName);
            ShowTitle();
        }
    } catch (const std::exception& e) {
        ReportError(QString::fromUtf8(e.what()), QStringLiteral("FileSaveAs"), 2);
    }
}

void TfrmMain::mnuRecentClick(const QAction* Sender)
{
    if (Sender && !Sender->statusTip().isEmpty())
        FileLoad(Sender->statusTip(), false);
}

void TfrmMain::FilePrint()
{
    frmPrint->exec();
}

void TfrmMain::FilePrintSetup()
{
    PrintSetupDialog();
}
