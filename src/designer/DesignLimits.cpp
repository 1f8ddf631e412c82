// The design-rule limits dialog.

#include "designer/DesignLimits.h"

#include "model/Global.h"
#include "model/SettingsVariables.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

TfrmConfig::TfrmConfig(QWidget* parent) : TSettingsDialog(parent)
{
    setObjectName(QStringLiteral("frmConfig"));
    setWindowTitle(QStringLiteral("Config Settings"));

    QLabel* info = InfoText(
        QStringLiteral("These settings are the design rules of your association. The program's own options "
                       "are under \"Options\" in the main menu."));
    info->setEnabled(false);

    gbLimits = new QGroupBox(QStringLiteral(" Limits "), this);
    chkDivision = Check("chkDivision", QStringLiteral("Division:"));
    edDivision = Spin("edDivision", DivRange.Min, DivRange.Max, 5);
    chkYear = Check("chkYear", QStringLiteral("Max Year:"));
    edYear = Spin("edYear", YearRange.Min, YearRange.Max);
    chkMaxHC = Check("chkMaxHC", QStringLiteral("Max HC:"));
    edMaxHC = Spin("edMaxHC", MaxHCRange.Min, MaxHCRange.Max);
    chkTankGun = Check("chkTankGun", QStringLiteral("Allow Tank Guns"));
    chkAllowCA = Check("chkAllowCA", QStringLiteral("Allow Component Armor"));
    auto* limits = new QGridLayout(gbLimits);
    limits->addWidget(chkDivision, 0, 0);
    limits->addWidget(edDivision, 0, 1);
    limits->addWidget(chkYear, 1, 0);
    limits->addWidget(edYear, 1, 1);
    limits->addWidget(chkMaxHC, 2, 0);
    limits->addWidget(edMaxHC, 2, 1);
    limits->addWidget(chkTankGun, 3, 0, 1, 2);
    limits->addWidget(chkAllowCA, 4, 0, 1, 2);

    gbOptions = new QGroupBox(QStringLiteral(" Options "), this);
    chkSubHC = Check("chkSubHC", QStringLiteral("Subcompacts get +1 HC"));
    chkConfettiNr = Check("chkConfettiNr", QStringLiteral("Show Confetti Number on printout"));
    auto* options = new QVBoxLayout(gbOptions);
    options->addWidget(chkSubHC);
    options->addWidget(chkConfettiNr);

    btnOK = new QPushButton(QStringLiteral("OK"), this);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnOK->setAutoDefault(false);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(info);
    layout->addWidget(gbLimits);
    layout->addWidget(gbOptions);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnOK);
    layout->addLayout(buttons);

    connect(btnOK, &QPushButton::clicked, this, &TfrmConfig::btnOKClick);
    for (QCheckBox* box : {chkDivision, chkMaxHC, chkTankGun, chkAllowCA})
        connect(box, &QCheckBox::toggled, this, &TfrmConfig::chkDivisionClick);
}

void TfrmConfig::FormShow()
{
    Init();
}

void TfrmConfig::FormClose()
{
    DeInit();
}

void TfrmConfig::Init()
{
    chkDivision->setChecked(DivUse);
    edDivision->setValue(Div);
    chkYear->setChecked(YearUse);
    edYear->setValue(Year);
    chkMaxHC->setChecked(MaxHCUse);
    edMaxHC->setValue(MaxHC);
    chkTankGun->setChecked(TankGun);
    chkSubHC->setChecked(SubHC);
    chkConfettiNr->setChecked(ConfettiNr);
    chkAllowCA->setChecked(AllowCA);
}

void TfrmConfig::DeInit()
{
    DivUse = chkDivision->isChecked();
    Div = SpinValue(edDivision);
    YearUse = chkYear->isChecked();
    Year = SpinValue(edYear);
    MaxHCUse = chkMaxHC->isChecked();
    MaxHC = SpinValue(edMaxHC);
    TankGun = chkTankGun->isChecked();
    SubHC = chkSubHC->isChecked();
    ConfettiNr = chkConfettiNr->isChecked();
    AllowCA = chkAllowCA->isChecked();
}

void TfrmConfig::btnOKClick()
{
    close();
}

void TfrmConfig::chkDivisionClick()
{
    if (chkDivision->isChecked() && edDivision->value() == 0)
        edDivision->setValue(15);
}
