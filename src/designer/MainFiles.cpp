// Opening a design file as the own design or as the opponent.

#include "designer/MainWindow.h"
#include "designer/StoredForms.h"

#include "gamecar/GameCar.h"
#include "model/Global.h"
#include "model/Utils.h"
#include "model/Vehicle.h"
#include "platform/FileLookup.h"
#include "platform/Format.h"
#include "platform/widgets/MessageDlg.h"
#include "platform/widgets/WidgetUtils.h"

#include <QFileInfo>
#include <QPushButton>

namespace {

// The box of a design that could not be opened.
void ReportLoadError(const QString& name, const QString& err)
{
    MessageDlg(Format(QStringLiteral("Error loading file %s:"), {QFileInfo(name).fileName()}) + QStringLiteral("\r\n") +
                   err,
               mtError, mbOK, 0);
}

} // namespace

TfrmMain::TFileLoad TfrmMain::FileLoad(const QString& Name, bool AsOpponent)
{
    if (Name.isEmpty())
        return TFileLoad::Missing;
    const QString path = ResolvePath(Name);
    if (!QFileInfo(path).isFile())
        return TFileLoad::Missing;
    QString err;
    if (AsOpponent) {
        EnemyCar->Vehicle->Load(path, err);
        EnemyCar->SetFrame(EnemyFrameNr);
        if (!err.isEmpty()) {
            ReportLoadError(Name, err);
            return TFileLoad::Refused;
        }
        TestCar->Reset();
        Enemy = Name;
        EnemyCar->Reset();
        SetControlHint(btnLoadOpponent,
                       QStringLiteral("Decide which opponent to load. Current: ") + FileNameWithoutExt(Name));
        return TFileLoad::Opened;
    }
    // Reading the file, filling the controls and the recalculation that
    // follows are one step: when any of them fails, the design open before
    // comes back whole, with its file name and recent list.
    const TVehicle previous = Vehicle();
    Car->Vehicle->Load(path, err);
    Car->SetFrame(CarFrameNr);
    TestCar->SetFrame(CarFrameNr);
    if (err.isEmpty()) {
        try {
            ShowDesign();
        } catch (const std::exception& e) {
            err = QString::fromUtf8(e.what());
            Vehicle() = previous;
            LoadGUI();
        }
    }
    if (!err.isEmpty()) {
        ReportLoadError(Name, err);
        return TFileLoad::Refused;
    }
    TestCar->Reset();
    // The test reset reloads the opponent, so that it faces the new design
    // undamaged.
    acTestResetExecute();
    // Only a design that has loaded becomes the target of the next Save.
    FileName = Name;
    RememberedFileName.clear();
    dlgOpen.FileName = Name;
    dlgSave.FileName = Name;
    UpdateLastMenu(Name);
    // Once more, for the caption with the new file name; the design is the
    // one just shown, so its component-armor rows stand as they are.
    RecalcVehicle(false);
    HandleEWPArmor();
    HandleRocketVis();
    return TFileLoad::Opened;
}
