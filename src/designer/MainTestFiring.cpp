// The test map's controls: the target, its side and facing, the own car's
// look, the aim point, the opponent and the test reset.

#include "designer/MainWindow.h"
#include "platform/widgets/Application.h"
#include "designer/PageControl.h"

#include "firing/Fire.h"
#include "gamecar/GameCar.h"
#include "gamecar/Graphics.h"
#include "model/Global.h"
#include "model/SettingsVariables.h"
#include "model/Vehicle.h"
#include "platform/widgets/WidgetUtils.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <functional>

namespace {

// Runs onDown for every mouse button pressed on the control, in place of the
// control's own handling: a button whose press opens a dialog would otherwise
// take the press after the dialog has closed and stay down.
class TMouseDown : public QObject
{
public:
    TMouseDown(QObject* parent, std::function<void(const QMouseEvent&)> onDown)
        : QObject(parent), FOnDown(std::move(onDown))
    {
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::MouseButtonPress)
            return QObject::eventFilter(watched, event);
        FOnDown(*static_cast<QMouseEvent*>(event));
        return true;
    }

private:
    std::function<void(const QMouseEvent&)> FOnDown;
};

void ConnectMouseDown(QWidget* control, std::function<void(const QMouseEvent&)> onDown)
{
    control->installEventFilter(new TMouseDown(control, std::move(onDown)));
}

// A button that runs an action shows the action's caption and hint.
void BindButton(QPushButton* button, QAction* action)
{
    button->setText(action->text());
    SetControlHint(button, action->toolTip());
    QObject::connect(button, &QPushButton::clicked, action, &QAction::trigger);
}

} // namespace

void TfrmMain::ConnectTestHandlers()
{
    const struct {
        QComboBox* List;
        void (TfrmMain::*Handler)();
    } lists[] = {
        {cbAttackTarget, &TfrmMain::cbAttackTargetChange},
        {cbAttackLocation, &TfrmMain::cbAttackLocationChange},
        {cbTargetFacing, &TfrmMain::cbTargetFacingChange},
        {cbCarBodyView, &TfrmMain::cbCarBodyViewChange},
    };
    for (const auto& [list, handler] : lists)
        connect(list, &QComboBox::activated, this,
            ShowingErrors([this, handler = handler](int) { (this->*handler)(); }));
    connect(chkTestTrace, &QCheckBox::toggled, this, ShowingErrors([this] { chkTestTraceClick(); }));
    connect(pcTesting, &QTabWidget::currentChanged, this, ShowingErrors([this](int) { pcTestingChange(); }));
    connect(btnNextCar, &QPushButton::clicked, this, ShowingErrors([this] { btnNextCarClick(); }));
    connect(btnPrevCar, &QPushButton::clicked, this, ShowingErrors([this] { btnPrevCarClick(); }));
    connect(acTestFire, &QAction::triggered, this, ShowingErrors([this] { acTestFireExecute(); }));
    connect(acTestReset, &QAction::triggered, this, ShowingErrors([this] { acTestResetExecute(); }));
    BindButton(btnTestAttack, acTestFire);
    BindButton(btnReset, acTestReset);
    ConnectMouseDown(imgTest, [this](const QMouseEvent& event) {
        const QPoint at = event.position().toPoint();
        imgIconMouseDown(event.button(), event.modifiers(), at.x(), at.y());
    });
    ConnectMouseDown(btnLoadOpponent, [this](const QMouseEvent& event) {
        btnLoadOpponentMouseDown(event.button(), event.modifiers(), event.position().toPoint());
    });
}

void TfrmMain::cbAttackTargetChange()
{
    AttackTarget = cbAttackTarget->currentIndex();
    const bool located = AttackTarget > 0;
    cbAttackLocation->setVisible(located);
    lblAttackLocation->setVisible(located);
    const bool faced = AttackTarget > 2;
    cbTargetFacing->setVisible(faced);
    lblTargetFacing->setVisible(faced);
    ShowOpponentControls();
    Vehicle().TargetX = -1;
    Vehicle().TargetY = -1;
    ShowTestVehicle();
}

void TfrmMain::cbAttackLocationChange()
{
    AttackLocation = cbAttackLocation->currentIndex();
    Vehicle().TargetX = -1;
    Vehicle().TargetY = -1;
    ShowTestVehicle();
}

void TfrmMain::cbCarBodyViewChange()
{
    CarBodyView = cbCarBodyView->currentIndex();
    Vehicle().TargetX = -1;
    Vehicle().TargetY = -1;
    ShowTestVehicle();
}

void TfrmMain::cbTargetFacingChange()
{
    // The aim point stays: turning the opponent does not move it.
    TargetFacing = cbTargetFacing->currentIndex();
    ShowTestVehicle();
}

void TfrmMain::chkTestTraceClick()
{
    Trace = chkTestTrace->isChecked();
}

void TfrmMain::pcTestingChange()
{
    ShowOpponentControls();
}

void TfrmMain::btnNextCarClick()
{
    CarFrameNr = CarFrameNr + 1 >= CarImages.size() ? 0 : CarFrameNr + 1;
    Car->SetFrame(CarFrameNr);
    TestCar->SetFrame(CarFrameNr);
    RecalcVehicle(true);
}

void TfrmMain::btnPrevCarClick()
{
    CarFrameNr = CarFrameNr - 1 < 0 ? int(CarImages.size()) - 1 : CarFrameNr - 1;
    Car->SetFrame(CarFrameNr);
    TestCar->SetFrame(CarFrameNr);
    RecalcVehicle(true);
}

void TfrmMain::btnLoadOpponentMouseDown(Qt::MouseButton, Qt::KeyboardModifiers Shift, QPoint)
{
    if (Shift.testFlag(Qt::ShiftModifier)) {
        EnemyFrameNr = EnemyFrameNr + 1 >= CarImages.size() ? 0 : EnemyFrameNr + 1;
        EnemyCar->SetFrame(EnemyFrameNr);
        acTestResetExecute();
        return;
    }
    if (dlgOpen.Execute(this))
        ResetTest(dlgOpen.FileName);
}

void TfrmMain::acTestResetExecute()
{
    ResetTest(Enemy);
}

void TfrmMain::ResetTest(const QString& Opponent)
{
    Vehicle().TargetX = -1;
    Vehicle().TargetY = -1;
    // Enemy names the opponent that is loaded, never one refused: the
    // opponent loaded before stands in for a refused choice, the default one
    // for a refused reload, as at start, and the box shows once.
    if (FileLoad(Opponent, true) == TFileLoad::Refused) {
        const QString fallback = Opponent != Enemy ? Enemy : DefaultEnemy(FPaths.ExecutableFolder());
        if (fallback != Opponent) {
            Enemy = fallback;
            FileLoad(Enemy, true);
        }
    }
    edTestText->clear();
    edStatsVehicle->clear();
    edStatsOpponent->clear();
    ShowTestVehicle();
}

void TfrmMain::acTestFireExecute()
{
    const TFireInput input{cbAttackTarget->currentIndex(), cbAttackLocation->currentIndex(),
                           cbTargetFacing->currentIndex(), TestCar->Vehicle->TargetX, TestCar->Vehicle->TargetY};
    // Each shot shows on the map before the next one starts.
    const auto shotDone = [this] {
        imgTest->setPixmap(QPixmap::fromImage(TestPicture.Image()));
        imgTest->repaint();
    };
    if (!TestFire(*TestCar, *EnemyCar, TestPicture, *MapMask, input, shotDone))
        return;
    // An entry's line breaks are lines of the log as well.
    edTestText->setPlainText(
        EnemyCar->Damage.Log.join(QLatin1Char('\n')).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    ScrollMemoToEnd(edTestText);
    FillStats(*TestCar, *EnemyCar);
    // Against a wall or the open map the traces and the eroded pixels stay;
    // the opponent is drawn again with its new hit marks, over the traces
    // while tracing.
    if (input.Target != 3)
        return;
    if (Trace)
        ShowOpponent();
    else
        ShowTestVehicle();
}

void TfrmMain::imgIconMouseDown(Qt::MouseButton Button, Qt::KeyboardModifiers, int X, int Y)
{
    Vehicle().TargetX = X;
    Vehicle().TargetY = Y;
    AimImage.DrawTo(TestPicture, X - AimImage.Width() / 2, Y - AimImage.Height() / 2);
    imgTest->setPixmap(QPixmap::fromImage(TestPicture.Image()));
    if (Button == Qt::RightButton)
        acTestFireExecute();
}
