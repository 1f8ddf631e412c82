// The program options dialog.

#include "designer/DesignOptions.h"
#include "designer/MainWindow.h"

#include "model/Global.h"
#include "printing/PrintForm.h"
#include "printing/PrintUtils.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QStyle>
#include <QStyleOptionButton>
#include <QVBoxLayout>
#include <climits>

std::function<QSize()> PrinterPageSize = [] { return QSize(Printer().PageWidth(), Printer().PageHeight()); };

namespace {

// IgnoreAmmo as it was when the dialog was shown: only a real change resets
// the test firing.
bool LastIgnoreAmmo = false;

} // namespace

TfrmDesign::TfrmDesign(QWidget* parent) : TSettingsDialog(parent)
{
    setObjectName(QStringLiteral("frmDesign"));
    setWindowTitle(QStringLiteral("Program Options"));

    QLabel* info = InfoText(
        QStringLiteral("These are the program's own options. The design rules of your games (division, year, "
                       "allowed weapons) are under \"Settings\" in the Design menu."));

    gbGeneralUI = new QGroupBox(QStringLiteral(" Genral User Interface "), this);
    chkAutoLoad = Check("chkAutoLoad", QStringLiteral("Automatically load last vehicle"));
    chkConfirmQuit = Check("chkConfirmQuit", QStringLiteral("Ask for confirmation upon exit"));
    chkConfirmSave = Check("chkConfirmSave", QStringLiteral("Confirm that the vehicle was saved"));
    edUser = new QLineEdit(this);
    edUser->setObjectName(QStringLiteral("edUser"));
    chkShowTitle = Check("chkShowTitle", QStringLiteral("Show Title Screen"));
    chk600 = Check("chk600", QStringLiteral("Resolution 1024x600"));
    chkShowEff = Check("chkShowEff", QStringLiteral("Show efficiency ratings"));
    chkDetailLoad = Check("chkDetailLoad", QStringLiteral("Detailed loading screen"));
    auto* general = new QGridLayout(gbGeneralUI);
    general->addWidget(chkAutoLoad, 0, 0, 1, 2);
    general->addWidget(chkConfirmQuit, 1, 0, 1, 2);
    general->addWidget(chkConfirmSave, 2, 0, 1, 2);
    general->addWidget(new QLabel(QStringLiteral("Username:"), this), 3, 0);
    general->addWidget(edUser, 3, 1);
    general->addWidget(chkShowTitle, 4, 0, 1, 2);
    general->addWidget(chk600, 5, 0, 1, 2);
    general->addWidget(chkShowEff, 6, 0, 1, 2);
    general->addWidget(chkDetailLoad, 7, 0, 1, 2);

    gbPrinter = new QGroupBox(QStringLiteral(" Printing Options "), this);
    chkPrintFont = Check("chkPrintFont", QStringLiteral("Use special font for the vehicle name"));
    chkOldLogo = Check("chkOldLogo", QStringLiteral("Use classic 2D logo"));
    chkPrintWeaponLoc = Check("chkPrintWeaponLoc", QStringLiteral("Show weapon location in list, too"));
    auto* printing = new QVBoxLayout(gbPrinter);
    printing->addWidget(chkPrintFont);
    printing->addWidget(chkOldLogo);
    printing->addWidget(chkPrintWeaponLoc);

    gbDebug = new QGroupBox(QStringLiteral(" Debug (You usually won't need these) "), this);
    chkPrinterRes = Check("chkPrinterRes", QStringLiteral("Set printer resolution:  X                       Y"));
    edPrinterResX = Spin("edPrinterResX", INT_MIN, INT_MAX);
    edPrinterResY = Spin("edPrinterResY", INT_MIN, INT_MAX);
    btnPrinterRead = new QPushButton(QStringLiteral("[Read]"), this);
    btnPrinterRead->setObjectName(QStringLiteral("btnPrinterRead"));
    auto* debug = new QVBoxLayout(gbDebug);
    debug->addWidget(chkPrinterRes);
    // The caption's "X" and "Y" stand over their fields: each field begins
    // below its letter.
    const QString caption = chkPrinterRes->text();
    QStyleOptionButton option;
    option.initFrom(chkPrinterRes);
    const int textLeft = chkPrinterRes->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, chkPrinterRes).left();
    const QFontMetrics metrics = chkPrinterRes->fontMetrics();
    const auto letterLeft = [&](QChar letter) {
        return textLeft + metrics.horizontalAdvance(caption.left(caption.indexOf(letter)));
    };
    const int xLeft = letterLeft(QLatin1Char('X'));
    const int yLeft = letterLeft(QLatin1Char('Y'));
    auto* fields = new QHBoxLayout;
    fields->setSpacing(0);
    fields->addSpacing(xLeft);
    fields->addWidget(edPrinterResX);
    fields->addSpacing(4);
    edPrinterResX->setFixedWidth(yLeft - xLeft - 4);
    fields->addWidget(edPrinterResY);
    edPrinterResY->setFixedWidth(yLeft - xLeft - 4);
    fields->addSpacing(4);
    fields->addWidget(btnPrinterRead);
    fields->addStretch();
    debug->addLayout(fields);

    gbTesting = new QGroupBox(QStringLiteral(" Testing "), this);
    chkIgnoreAmmo = Check("chkIgnoreAmmo", QStringLiteral("Ignore Ammo"));
    chkAlwaysHit = Check("chkAlwaysHit", QStringLiteral("Always hit the target"));
    cbDamageCaused = new QComboBox(this);
    cbDamageCaused->setObjectName(QStringLiteral("cbDamageCaused"));
    cbDamageCaused->addItems({QStringLiteral("Always minimum"), QStringLiteral("Always maximum"), QStringLiteral("Roll")});
    auto* testing = new QGridLayout(gbTesting);
    testing->addWidget(chkIgnoreAmmo, 0, 0, 1, 2);
    testing->addWidget(chkAlwaysHit, 1, 0, 1, 2);
    testing->addWidget(new QLabel(QStringLiteral("Damage:"), this), 2, 0);
    testing->addWidget(cbDamageCaused, 2, 1);

    btnOK = new QPushButton(QStringLiteral("OK"), this);
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnOK->setDefault(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(info);
    layout->addWidget(gbGeneralUI);
    layout->addWidget(gbPrinter);
    layout->addWidget(gbDebug);
    layout->addWidget(gbTesting);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnOK);
    layout->addLayout(buttons);

    connect(btnOK, &QPushButton::clicked, this, &TfrmDesign::btnOKClick);
    connect(btnPrinterRead, &QPushButton::clicked, this, &TfrmDesign::btnPrinterReadClick);
}

void TfrmDesign::FormShow()
{
    Init();
    LastIgnoreAmmo = IgnoreAmmo;
}

void TfrmDesign::Init()
{
    chkAutoLoad->setChecked(AutoLoad);
    chkConfirmQuit->setChecked(ConfirmQuit);
    chkConfirmSave->setChecked(ConfirmSave);
    chkShowTitle->setChecked(ShowTitle);
    chkDetailLoad->setChecked(DetailLoad);
    edUser->setText(Username);
    chkPrintFont->setChecked(PrintFont);
    chkOldLogo->setChecked(OldLogo);
    chkPrintWeaponLoc->setChecked(PrinterWeaponLoc);
    chkPrinterRes->setChecked(PrinterRes);
    edPrinterResX->setValue(PrinterResX);
    edPrinterResY->setValue(PrinterResY);
    chk600->setChecked(Res600);
    chkShowEff->setChecked(ShowEff);
    chkIgnoreAmmo->setChecked(IgnoreAmmo);
    chkAlwaysHit->setChecked(AlwaysHit);
    cbDamageCaused->setCurrentIndex(DamageCaused);
}

void TfrmDesign::FormClose()
{
    DeInit();
    // The ammunition counts start afresh when their rule changed.
    if (IgnoreAmmo != LastIgnoreAmmo && frmMain)
        frmMain->acTestResetExecute();
}

void TfrmDesign::DeInit()
{
    AutoLoad = chkAutoLoad->isChecked();
    ConfirmQuit = chkConfirmQuit->isChecked();
    ConfirmSave = chkConfirmSave->isChecked();
    ShowTitle = chkShowTitle->isChecked();
    DetailLoad = chkDetailLoad->isChecked();
    Username = edUser->text();
    PrinterWeaponLoc = chkPrintWeaponLoc->isChecked();
    PrintFont = chkPrintFont->isChecked();
    PrinterRes = chkPrinterRes->isChecked();
    PrinterResX = SpinValue(edPrinterResX);
    PrinterResY = SpinValue(edPrinterResY);
    IgnoreAmmo = chkIgnoreAmmo->isChecked();
    AlwaysHit = chkAlwaysHit->isChecked();
    DamageCaused = cbDamageCaused->currentIndex();

    if (chkOldLogo->isChecked() != OldLogo) {
        OldLogo = chkOldLogo->isChecked();
        // As at the program's start, without the sheet font.
        if (frmPrint)
            frmPrint->SetupPrint(Car, true);
    }
    // The main window shows the efficiency labels and its layout anew after
    // the dialog has closed.
    ShowEff = chkShowEff->isChecked();
    Res600 = chk600->isChecked();
}

void TfrmDesign::btnOKClick()
{
    close();
}

void TfrmDesign::btnPrinterReadClick()
{
    const QSize page = PrinterPageSize();
    edPrinterResY->setValue(page.height());
    edPrinterResX->setValue(page.width());
}
