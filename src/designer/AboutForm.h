#pragma once

#include "designer/InfoForm.h"

class QLabel;

// The about box: the version, the author's notice and the game publisher's.
class TfrmAbout : public TInfoForm
{
    Q_OBJECT

public:
    explicit TfrmAbout(QWidget* parent = nullptr);

    QLabel* imgLogo = nullptr;
    QLabel* lblVer = nullptr;
    QLabel* lblCreatedBy = nullptr;
    QLabel* lblEmail = nullptr;
    QLabel* lblFeedback = nullptr;
    QLabel* lblWebsite = nullptr;
    QLabel* lblVRN[6] = {};

private:
    void FormCreate();
};

extern TfrmAbout* frmAbout;
