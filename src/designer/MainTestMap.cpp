// The test map's drawing: the map with the target's wall or the opponent
// and the own car, the icon box and the layout plan, redrawn whole whenever
// the design or the target changes.

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

void TfrmMain::DrawWall()
{
    const TBitmap32* wall = nullptr;
    if (cbAttackTarget->currentIndex() == 1)
        wall = Wall8Image;
    else if (cbAttackTarget->currentIndex() == 2)
        wall = Wall30Image;
    if (!wall)
        return;
    // The wall picture holds the piece of a horizontal wall beside the piece
    // of a vertical one; fourteen pieces span the side of the map.
    const QRect horizontal(0, 0, 25, 25);
    const QRect vertical(25, 0, 25, 25);
    for (int i = 0; i < 14; ++i) {
        switch (cbAttackLocation->currentIndex()) {
        case 0:
            wall->DrawTo(TestPicture, 7 + 25 * i, 10, horizontal);
            break;
        case 1:
            wall->DrawTo(TestPicture, 7, 9 + 25 * i, vertical);
            break;
        case 2:
            wall->DrawTo(TestPicture, 332, 9 + 25 * i, vertical);
            break;
        case 3:
            wall->DrawTo(TestPicture, 7 + 25 * i, 285, horizontal);
            break;
        default:
            return;
        }
    }
}

void TfrmMain::ShowOpponent()
{
    if (cbAttackTarget->currentIndex() != 3)
        return;
    // A facing that is none of the list's (only from a damaged settings
    // file) stands the opponent up, so that the side's offset is never added
    // on top of an earlier position.
    switch (cbTargetFacing->currentIndex()) {
    case 1:
    case 2:
        EnemyCar->Facing = cbTargetFacing->currentIndex() == 1 ? 90 : -90;
        EnemyCar->X = 32;
        EnemyCar->Y = -16;
        break;
    default:
        EnemyCar->Facing = cbTargetFacing->currentIndex() == 3 ? 180 : 0;
        EnemyCar->X = 7;
        EnemyCar->Y = 9;
        break;
    }
    switch (cbAttackLocation->currentIndex()) {
    case 0:
        EnemyCar->X += 150;
        break;
    case 1:
        EnemyCar->Y += 100;
        break;
    case 2:
        EnemyCar->X += 250;
        EnemyCar->Y += 100;
        break;
    case 3:
        EnemyCar->X += 150;
        EnemyCar->Y += 200;
        break;
    default:
        break;
    }
    EnemyCar->DrawAtPosition(TestPicture, TargetView, true);
    Show(imgTest, TestPicture);
}

void TfrmMain::ShowTestVehicle()
{
    const int alpha = BodyAlpha(cbCarBodyView->currentIndex());
    (cbAttackTarget->currentIndex() == 0 ? GridMapImage : GridCenterImage)->DrawTo(TestPicture, 0, 0);
    DrawWall();
    MapMask->Clear(clBlack32);
    // The own car never enters the map mask, so it cannot be hit.
    TestCar->DrawAtPosition(TestPicture, alpha, false);
    TileImage(IconPicture, *GridImage);
    TestCar->Draw(IconPicture, 25, 25, alpha, false);
    DrawLayout(*Car, LayoutPicture);
    ShowOpponent();
    Show(imgTest, TestPicture);
    Show(imgIcon, IconPicture);
    Show(imgLayout, LayoutPicture);
}
