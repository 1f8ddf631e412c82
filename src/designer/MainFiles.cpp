// Opening a design file as the own design or as the opponent.

#include "designer/MainWindow.h"

#include "gamecar/GameCar.h"
#include "model/Global.h"
#include "model/Utils.h"
#include "model/Vehicle.h"
#include "platform/FileLookup.h"
#include "platform/Format.h"
#include "platform/widgets/MessageDlg.h"

#include <QFileInfo>
#include <QPushButton>

void TfrmMain::FileLoad(const QString& Name, bool AsOpponent)
{
    if (Name.isEmpty())
        return;
    const QString path = ResolvePath(Name);
    if (!QFileInfo(path).isFile())
        return;
    QString err;
    if (AsOpponent) {
        EnemyCar->Vehicle->Load(path, err);
        EnemyCar->SetFrame(EnemyFrameNr);
    } else {
        Car->Vehicle->Load(path, err);
        Car->SetFrame(CarFrameNr);
        TestCar->SetFrame(CarFrameNr);
    }
    if (!err.isEmpty()) {
        MessageDlg(Format(QStringLiteral("Error loading file %s:"), {QFileInfo(Name).fileName()}) +
                       QStringLiteral("\r\n") + err,
                   mtError, mbOK, 0);
        return;
    }
    TestCar->Reset();
    if (AsOpponent) {
        Enemy = Name;
        EnemyCar->Reset();
        btnLoadOpponent->setToolTip(QStringLiteral("Decide which opponent to load. Current: ") +
                                    FileNameWithoutExt(Name));
        return;
    }
    // The test reset reloads the opponent, so that it faces the new design
    // undamaged.
    acTestResetExecute();
    // Only a design that has loaded becomes the target of the next Save.
    FileName = Name;
    dlgOpen.FileName = Name;
    dlgSave.FileName = Name;
    UpdateLastMenu(Name);
    // LoadGUI reports its own failures and always returns.
    GUILoading = true;
    LoadGUI();
    GUILoading = false;
    RecalcVehicle(true);
    HandleEWPArmor();
    HandleRocketVis();
}
