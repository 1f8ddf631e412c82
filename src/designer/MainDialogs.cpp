// The commands that show the options, limits, about and data-sources dialogs.

#include "designer/MainWindow.h"

#include "designer/AboutForm.h"
#include "designer/DataUsedForm.h"
#include "designer/DesignLimits.h"
#include "designer/DesignOptions.h"
#include "model/Global.h"

#include <QAction>

void TfrmMain::ConnectDialogs()
{
    connect(acSettings, &QAction::triggered, this, &TfrmMain::acSettingsExecute);
    connect(acOptions, &QAction::triggered, this, &TfrmMain::acOptionsExecute);
    connect(acInfo, &QAction::triggered, this, &TfrmMain::acInfoExecute);
    connect(acDataUsed, &QAction::triggered, this, &TfrmMain::acDataUsedExecute);
}

void TfrmMain::acSettingsExecute()
{
    const bool tankGun = TankGun;
    {
        TfrmConfig frmConfig(this);
        frmConfig.exec();
    }
    if (TankGun != tankGun)
        FillWeaponLists();
    // The new limits colour the labels and reach the caption and the
    // validity text.
    RecalcVehicle(true);
}

void TfrmMain::acOptionsExecute()
{
    // The dialog applies its own changes when it closes; the window follows
    // the two that change its own face.
    const bool showEff = ShowEff;
    const bool res600 = Res600;
    {
        TfrmDesign frmDesign(this);
        frmDesign.exec();
    }
    if (ShowEff != showEff)
        ShowWeaponEfficiency();
    if (Res600 != res600)
        SetUpResolution(Res600);
}

void TfrmMain::acInfoExecute()
{
    if (frmAbout)
        frmAbout->exec();
}

void TfrmMain::acDataUsedExecute()
{
    if (frmDataUsed)
        frmDataUsed->exec();
}
