#pragma once

#include "designer/InfoForm.h"

class QLabel;

// Names the source of each of the eleven rules tables, as the overviews of
// their data files give it.
class TfrmDataUsed : public TInfoForm
{
    Q_OBJECT

public:
    explicit TfrmDataUsed(QWidget* parent = nullptr);

    void FormShow();

    QLabel* lblBody = nullptr;
    QLabel* lblChassis = nullptr;
    QLabel* lblSuspension = nullptr;
    QLabel* lblCEngine = nullptr;
    QLabel* lblGEngine = nullptr;
    QLabel* lblGasTank = nullptr;
    QLabel* lblTire = nullptr;
    QLabel* lblWeapon = nullptr;
    QLabel* lblAmmo = nullptr;
    QLabel* lblHandgun = nullptr;
    QLabel* lblEquipment = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    // The labels top to bottom from 8, each as high as its lines.
    void StackLabels();
};

extern TfrmDataUsed* frmDataUsed;
