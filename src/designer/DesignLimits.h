#pragma once

#include "designer/SettingsDialog.h"

class QCheckBox;
class QGroupBox;
class QPushButton;
class QSpinBox;

// The design-rule limits of the player's association: the section AA of the
// settings file. Its caller recalculates the design after it closes.
class TfrmConfig : public TSettingsDialog
{
    Q_OBJECT

public:
    explicit TfrmConfig(QWidget* parent = nullptr);

    void Init();
    void DeInit();
    void btnOKClick();
    // A division switched on while it shows 0 starts from the usual 15.
    void chkDivisionClick();

    QGroupBox* gbLimits = nullptr;
    QCheckBox* chkDivision = nullptr;
    QSpinBox* edDivision = nullptr;
    QCheckBox* chkYear = nullptr;
    QSpinBox* edYear = nullptr;
    QCheckBox* chkMaxHC = nullptr;
    QSpinBox* edMaxHC = nullptr;
    QCheckBox* chkTankGun = nullptr;
    QCheckBox* chkAllowCA = nullptr;
    QGroupBox* gbOptions = nullptr;
    QCheckBox* chkSubHC = nullptr;
    QCheckBox* chkConfettiNr = nullptr;
    QPushButton* btnOK = nullptr;

protected:
    void FormShow() override;
    void FormClose() override;
};
