#include "DesignerWindow.h"
#include "ModalAnswers.h"

#include "gamecar/GameCar.h"
#include "model/Global.h"
#include "model/Vehicle.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QEnterEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTest>
#include <QTimer>

namespace {

using StartupTest = DesignerWindowTest;

// Every control with a hint shows it in the status bar while the mouse is
// over it, as the tool bar's buttons do: among them the test page's and the
// icon box's buttons, and the controls built for a loaded design.
TEST_F(StartupTest, EveryControlsHintShowsInTheStatusBar)
{
    TfrmMain& window = Start({Path(QStringLiteral("Designs/Thunderwagon.vx"))});
    window.show();
    QStringList withHint;
    for (QWidget* control : window.findChildren<QWidget*>()) {
        // The forms the window owns have windows of their own.
        if (control->toolTip().isEmpty() || control->window() != &window)
            continue;
        withHint.append(control->objectName());
        window.statusBar()->clearMessage();
        QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
        QApplication::sendEvent(control, &enter);
        EXPECT_EQ(window.statusBar()->currentMessage().toStdString(), control->toolTip().toStdString())
            << control->metaObject()->className() << " " << control->objectName().toStdString();
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(control, &leave);
    }
    for (const char* name : {"chkTestTrace", "btnLoadOpponent", "imgTest", "btnTestAttack", "btnReset",
                             "btnPrevCar", "btnNextCar", "edStatsVehicle", "edStatsOpponent", "lblRange"})
        EXPECT_TRUE(withHint.contains(QLatin1String(name))) << name;
    // The hint of the opponent button follows the opponent, in both places.
    EXPECT_EQ(window.btnLoadOpponent->statusTip(), window.btnLoadOpponent->toolTip());
    EXPECT_TRUE(window.btnLoadOpponent->statusTip().endsWith(QStringLiteral("Current: VezeRidiv")))
        << window.btnLoadOpponent->statusTip().toStdString();
    window.hide();
}

TEST_F(StartupTest, TheFirstRecalculationShowsTheNewDesignsCost)
{
    TfrmMain& window = Start();
    TVehicle design = window.Vehicle();
    QStringList list;
    EXPECT_EQ(window.lblCostVal->text(), QStringLiteral("$ %1").arg(design.GetCost(list)));
    EXPECT_EQ(CostList, list);
    EXPECT_EQ(window.cbBodyType->currentText(), BodyTypes.Items[0].Name);
    EXPECT_EQ(window.cbDriverHandgun->itemText(0), QStringLiteral(" "));
}

// What a control offers and holds: whether it can be used, and its state.
QMap<QString, QString> ControlStates(const QWidget& window)
{
    QMap<QString, QString> states;
    for (const QWidget* control : window.findChildren<QWidget*>()) {
        if (control->objectName().isEmpty() || control->window() != &window)
            continue;
        QString state;
        if (const auto* button = qobject_cast<const QAbstractButton*>(control); button && button->isCheckable())
            state = button->isChecked() ? QStringLiteral("checked") : QStringLiteral("unchecked");
        else if (const auto* list = qobject_cast<const QComboBox*>(control))
            state = list->currentText();
        else if (const auto* spin = qobject_cast<const QSpinBox*>(control))
            state = QString::number(spin->value());
        else if (const auto* edit = qobject_cast<const QLineEdit*>(control))
            state = edit->text();
        else
            continue;
        states.insert(control->objectName(), state + (control->isEnabled() ? QString() : QStringLiteral(", greyed")));
    }
    return states;
}

// Before any design is opened the window shows its start design as New shows
// a new one: a part's options are greyed where the part does not allow them.
TEST_F(StartupTest, TheStartDesignsControlsFollowItsPartsAsAfterNew)
{
    TfrmMain& window = Start();
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const TVehicle& design = window.Vehicle();
    ASSERT_FALSE(design.Body.SixWheels) << design.Body.Name.toStdString();
    ASSERT_LT(design.GasEngine.Nr, 5) << design.GasEngine.Name.toStdString();
    EXPECT_FALSE(window.rb62Wheels->isEnabled());
    EXPECT_FALSE(window.rb63Wheels->isEnabled());
    EXPECT_FALSE(window.cbSupercharger->isEnabled());

    // A click on a greyed six-wheel radio gives the design nothing.
    const QString cost = window.lblCostVal->text();
    window.rb62Wheels->click();
    EXPECT_EQ(design.Axis, wl4Wheels);
    EXPECT_EQ(window.lblCostVal->text(), cost);

    QMap<QString, QString> atStart = ControlStates(window);
    window.acNew->trigger();
    QMap<QString, QString> afterNew = ControlStates(window);
    // The start design is made before the settings give the user's name as
    // its author; New takes it. The edit shows its own design's author.
    atStart.remove(QStringLiteral("edTextAuthor"));
    EXPECT_EQ(afterNew.take(QStringLiteral("edTextAuthor")), window.Vehicle().Author);
    for (auto it = afterNew.cbegin(); it != afterNew.cend(); ++it)
        EXPECT_EQ(atStart.value(it.key()).toStdString(), it.value().toStdString()) << it.key().toStdString();
    EXPECT_EQ(atStart.size(), afterNew.size());
    window.hide();
}

TEST_F(StartupTest, ATableWithoutItemsStopsStartUpWithOneBoxNamingTheFile)
{
    QFile bodies(Path(QStringLiteral("Data/BodyTypes.txt")));
    ASSERT_TRUE(bodies.open(QIODevice::WriteOnly | QIODevice::Truncate));
    bodies.write("[Overview]\r\nName=Empty\r\n");
    bodies.close();

    FWindow = std::make_unique<TfrmMain>(TProgramPaths{Path(QStringLiteral("rigsmith")), {}});
    EXPECT_FALSE(FWindow->Init());
    ASSERT_EQ(Errors.Texts().size(), 1);
    EXPECT_EQ(Errors.Texts()[0],
              QStringLiteral("An error occured in ReadAllTypes:\r\nNo items in Data/BodyTypes.txt"));
    // Nothing was written: the program stopped before it ran.
    FWindow.reset();
    EXPECT_FALSE(QFile::exists(SettingsFile()));
}

TEST_F(StartupTest, AMissingPictureStopsStartUpWithOneBoxNamingIt)
{
    const struct {
        const char* File;
        const char* Step;
    } cases[] = {
        {"Graphics/Image/Wheel.png", "LoadGraphics"},
        {"Graphics/Map/Wall30.png", "Test map pictures"},
        {"Graphics/Map/grid.png", "Test map pictures"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.File);
        const QString file = Path(QLatin1String(c.File));
        const QString kept = file + QStringLiteral(".kept");
        ASSERT_TRUE(QFile::rename(file, kept));
        Errors.Clear();
        FWindow = std::make_unique<TfrmMain>(TProgramPaths{Path(QStringLiteral("rigsmith")), {}});
        EXPECT_FALSE(FWindow->Init());
        ASSERT_EQ(Errors.Texts().size(), 1);
        EXPECT_TRUE(Errors.Texts()[0].startsWith(QStringLiteral("An error occured in %1:\r\n").arg(c.Step)))
            << Errors.Texts()[0].toStdString();
        EXPECT_TRUE(Errors.Texts()[0].contains(QFileInfo(file).fileName())) << Errors.Texts()[0].toStdString();
        // Everything built so far is released at once.
        EXPECT_EQ(Car, nullptr);
        EXPECT_EQ(MapMask, nullptr);
        FWindow.reset();
        EXPECT_FALSE(QFile::exists(SettingsFile()));
        ASSERT_TRUE(QFile::rename(kept, file));
    }
}

TEST_F(StartupTest, TheCommandLineDesignOpensAndBecomesTheFileName)
{
    const QString design = Path(QStringLiteral("Designs/Gadfly.vx"));
    TfrmMain& window = Start({design});
    // A design needs the rules tables, which the start-up has read.
    TVehicle expected;
    QString err;
    expected.Load(design, err);
    ASSERT_EQ(err, QString());
    EXPECT_EQ(FileName, design);
    EXPECT_EQ(LastFiles[0], design);
    EXPECT_EQ(window.Vehicle().Name, expected.Name);
    EXPECT_EQ(window.cbBodyType->currentText(), expected.Body.Name);
    EXPECT_EQ(window.cbTireFront->currentText(), expected.TiresFront.Name);
    EXPECT_EQ(window.edTextName->text(), expected.Name);
    EXPECT_EQ(window.edArmorFront->value(), expected.Armor.Front);
    EXPECT_EQ(window.cbGunnerSeat->isChecked(), expected.Crew[1].Seat);
    // The controls took the design over whole: what the window shows is
    // what the file holds.
    QStringList list;
    EXPECT_EQ(window.lblCostVal->text(), QStringLiteral("$ %1").arg(expected.GetCost(list)));
    EXPECT_TRUE(window.windowTitle().endsWith(QStringLiteral(" : Gadfly"))) << window.windowTitle().toStdString();
    EXPECT_EQ(TestCar->Vehicle, Car->Vehicle);
}

TEST_F(StartupTest, AMissingCommandLineDesignOpensNothingSilentlyAndAutoLoadIsNotAsked)
{
    WriteSettings("[Options]\r\nAutoLoad=1\r\n[Internal]\r\nFileName=Designs/Gadfly.vx\r\n");
    TfrmMain& window = Start({Path(QStringLiteral("Designs/Missing.vx"))});
    EXPECT_TRUE(Errors.Texts().isEmpty());
    EXPECT_TRUE(FileName.isEmpty());
    EXPECT_EQ(window.cbBodyType->currentText(), BodyTypes.Items[0].Name);
}

TEST_F(StartupTest, AutoLoadOpensTheRememberedDesign)
{
    WriteSettings("[Options]\r\nAutoLoad=1\r\n[Internal]\r\nFileName=Designs/Gadfly.vx\r\n");
    Start();
    EXPECT_EQ(FileName, QStringLiteral("Designs/Gadfly.vx"));
}

TEST_F(StartupTest, ADesignThatFailsToOpenIsShownInABoxAndNeverBecomesTheFileName)
{
    QFile broken(Path(QStringLiteral("Designs/Broken.vx")));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("[Body]\r\nName=No such body\r\n");
    broken.close();
    // Start-up lets events through before the box shows: the box is
    // answered whenever it comes.
    TModalAnswers answers;
    TfrmMain& window = Start({broken.fileName()});
    const QString shown = answers.Messages.join(QLatin1Char('|'));
    EXPECT_TRUE(shown.startsWith(QStringLiteral("Error loading file Broken.vx:"))) << shown.toStdString();
    EXPECT_TRUE(FileName.isEmpty());
    EXPECT_EQ(window.cbBodyType->currentText(), BodyTypes.Items[0].Name);
}

TEST_F(StartupTest, TheOpponentComesFromTheSettingEnemy)
{
    const QString opponent = Path(QStringLiteral("Designs/Brickhouse.vx"));
    WriteSettings("[Test]\r\nEnemy=" + opponent.toUtf8() + "\r\n");
    TfrmMain& window = Start();
    TVehicle expected;
    QString err;
    expected.Load(opponent, err);
    EXPECT_EQ(EnemyCar->Vehicle->Name, expected.Name);
    EXPECT_NE(EnemyCar->Vehicle, Car->Vehicle);
    EXPECT_EQ(window.btnLoadOpponent->toolTip(),
              QStringLiteral("Decide which opponent to load. Current: Brickhouse"));
}

// Answers the quit question with the button of that caption once it shows.
void AnswerQuestion(const QString& caption)
{
    QTimer::singleShot(0, [caption] {
        QWidget* box = QApplication::activeModalWidget();
        ASSERT_NE(box, nullptr);
        for (QPushButton* button : box->findChildren<QPushButton*>()) {
            if (button->text().remove(QLatin1Char('&')) == caption)
                button->click();
        }
    });
}

TEST_F(StartupTest, RefusingToQuitKeepsTheWindowAndWritesNothing)
{
    TfrmMain& window = Start();
    ASSERT_TRUE(ConfirmQuit);
    window.show();
    AnswerQuestion(QStringLiteral("No"));
    EXPECT_FALSE(window.close());
    EXPECT_TRUE(window.isVisible());
    EXPECT_FALSE(QFile::exists(SettingsFile()));

    AnswerQuestion(QStringLiteral("Yes"));
    EXPECT_TRUE(window.close());
    EXPECT_TRUE(QFile::exists(SettingsFile()));
}

TEST_F(StartupTest, WithoutConfirmQuitClosingWritesTheSettingsAtOnce)
{
    WriteSettings("[Options]\r\nConfirmQuit=0\r\n");
    TfrmMain& window = Start();
    window.show();
    EXPECT_TRUE(window.close());
    EXPECT_TRUE(ReadSettings().contains("ConfirmQuit=0"));
    EXPECT_TRUE(ReadSettings().contains("LastFile_9="));
}

TEST_F(StartupTest, TheDebugTabIsHiddenWithoutADebugger)
{
    TfrmMain& window = Start();
    EXPECT_FALSE(window.pcInfo->isTabVisible(window.pcInfo->indexOf(window.tsDebug)));
}

TEST_F(StartupTest, ShowingTheWindowGivesTheTestMapItsStoredChoices)
{
    WriteSettings("[Test]\r\nAttackTarget=3\r\nCarBodyView=2\r\n[Tabs]\r\nTesting=1\r\n");
    TfrmMain& window = Start();
    window.show();
    EXPECT_EQ(window.cbAttackTarget->currentIndex(), 3);
    EXPECT_EQ(window.cbCarBodyView->currentIndex(), 2);
    // The target is a vehicle and the test map is shown: the opponent's
    // controls show.
    EXPECT_TRUE(window.gbTest->isVisible());
    EXPECT_TRUE(window.pcTesting->isTabVisible(window.pcTesting->indexOf(window.tsStats)));
    window.hide();
}

} // namespace
