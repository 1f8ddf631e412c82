#pragma once

#include "designer/SettingsDialog.h"

#include <QSize>
#include <functional>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QSpinBox;

// The page size of the default printer in device pixels, as "[Read]" shows
// it. Replaceable so that the dialog can be tried without a printer.
extern std::function<QSize()> PrinterPageSize;

// The program options: the section Options of the settings file. Closing the
// dialog applies the controls and, where the sheet logo, the efficiency
// labels, the compact layout or the test firing's ammunition changed, brings
// the running program up to date.
class TfrmDesign : public TSettingsDialog
{
    Q_OBJECT

public:
    explicit TfrmDesign(QWidget* parent = nullptr);

    void Init();
    void DeInit();
    void btnOKClick();
    void btnPrinterReadClick();

    QGroupBox* gbGeneralUI = nullptr;
    QCheckBox* chkAutoLoad = nullptr;
    QCheckBox* chkConfirmQuit = nullptr;
    QCheckBox* chkConfirmSave = nullptr;
    QLineEdit* edUser = nullptr;
    QCheckBox* chkShowTitle = nullptr;
    QCheckBox* chk600 = nullptr;
    QCheckBox* chkShowEff = nullptr;
    QCheckBox* chkDetailLoad = nullptr;
    QGroupBox* gbPrinter = nullptr;
    QCheckBox* chkPrintFont = nullptr;
    QCheckBox* chkOldLogo = nullptr;
    QCheckBox* chkPrintWeaponLoc = nullptr;
    QGroupBox* gbDebug = nullptr;
    QCheckBox* chkPrinterRes = nullptr;
    QSpinBox* edPrinterResX = nullptr;
    QSpinBox* edPrinterResY = nullptr;
    QPushButton* btnPrinterRead = nullptr;
    QGroupBox* gbTesting = nullptr;
    QCheckBox* chkIgnoreAmmo = nullptr;
    QCheckBox* chkAlwaysHit = nullptr;
    QComboBox* cbDamageCaused = nullptr;
    QPushButton* btnOK = nullptr;

protected:
    void FormShow() override;
    void FormClose() override;
};
