// The test map's drawing: the map with the own car, the icon box and the
// layout plan, redrawn whole whenever the design changes.

#include "designer/MainWindow.h"

#include "gamecar/GameCar.h"
#include "gamecar/Graphics.h"
#include "gamecar/LayoutPlan.h"
#include "model/Global.h"

#include <QComboBox>
#include <QLabel>
#include <QPixmap>

namespace {

// The opacity of the car picture for each entry of the body view list.
int BodyAlpha(int bodyView)
{
    switch (bodyView) {
    case 0:
        return 255;
    case 1:
        return 200;
    case 2:
        return 128;
    case 3:
        return 64;
    default:
        return 0;
    }
}

void Show(QLabel* control, const TBitmap32& picture)
{
    control->setPixmap(QPixmap::fromImage(picture.Image()));
}

} // namespace

void TfrmMain::ShowTestVehicle()
{
    const int alpha = BodyAlpha(cbCarBodyView->currentIndex());
    (cbAttackTarget->currentIndex() == 0 ? GridMapImage : GridCenterImage)->DrawTo(TestPicture, 0, 0);
    // The walls of the wall targets are drawn here with the attack-side list
    // of the test map.
    MapMask->Clear(clBlack32);
    // The own car never enters the map mask, so it cannot be hit.
    TestCar->DrawAtPosition(TestPicture, alpha, false);
    TileImage(IconPicture, *GridImage);
    TestCar->Draw(IconPicture, 25, 25, alpha, false);
    DrawLayout(*Car, LayoutPicture);
    // The opponent (ShowOpponent) is drawn here with the test map's
    // placement lists.
    Show(imgTest, TestPicture);
    Show(imgIcon, IconPicture);
    Show(imgLayout, LayoutPicture);
}
