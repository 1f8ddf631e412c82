#pragma once

#include "designer/InfoForm.h"

#include "platform/gui/Bitmap32.h"

#include <vector>

class QLabel;
class QTimer;

// The title splash: the frames of Graphics/Title played forwards and
// backwards under the heading picture and the version, until a click or a
// key closes it.
class TfrmTitle : public TInfoForm
{
    Q_OBJECT

public:
    explicit TfrmTitle(QWidget* parent = nullptr);

    void LoadTitleImages();
    void tmrImageTimer();
    void CloseTitle();

    QLabel* imgTitle = nullptr;
    QLabel* lblVersion = nullptr;
    QLabel* imgHeading = nullptr;
    QTimer* tmrImage = nullptr;

    // One picture per frame file, in file-name order ignoring letter case.
    std::vector<TBitmap32> TitleFrames;
    // The frame shown at the next tick, and the direction of play.
    int TitleFrameIndex = 0;
    int TitleFrameStep = 1;

protected:
    void CloseForm() override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormShow();
    void ShowFrame(int index);
};

extern TfrmTitle* frmTitle;
