#include "DesignerWindow.h"

#include "designer/AboutForm.h"
#include "designer/DataUsedForm.h"
#include "designer/DesignLimits.h"
#include "designer/DesignOptions.h"
#include "designer/TitleForm.h"

#include "gamecar/GameCar.h"
#include "model/Global.h"
#include "model/Vehicle.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QSpinBox>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <functional>

namespace {

using DialogsTest = DesignerWindowTest;

// Runs the step on the modal dialog of that type once it shows; the splash
// lets events through while it is being shown, before it is modal.
template <typename TDialog>
void WhenShown(std::function<void(TDialog&)> step, int tries = 100)
{
    QTimer::singleShot(10, [step, tries] {
        auto* dialog = qobject_cast<TDialog*>(QApplication::activeModalWidget());
        if (dialog)
            step(*dialog);
        else if (tries > 0)
            WhenShown(step, tries - 1);
        else
            ADD_FAILURE() << "no dialog showed";
    });
}

// The ways a user closes a dialog that has no cancel button.
enum class TCloseBy { OK, CloseButton, Escape };

void CloseDialog(QDialog& dialog, QPushButton* ok, TCloseBy by)
{
    switch (by) {
    case TCloseBy::OK:
        ok->click();
        break;
    case TCloseBy::CloseButton:
        dialog.close();
        break;
    case TCloseBy::Escape:
        QTest::keyClick(&dialog, Qt::Key_Escape);
        break;
    }
}

TEST_F(DialogsTest, TheOptionsDialogAppliesItsControlsHoweverItIsClosed)
{
    TfrmMain& window = Start();
    for (TCloseBy by : {TCloseBy::OK, TCloseBy::CloseButton, TCloseBy::Escape}) {
        SCOPED_TRACE(static_cast<int>(by));
        Username = QStringLiteral("<Designer>");
        ConfirmQuit = true;
        DamageCaused = 2;
        PrinterResX = 4761;
        WhenShown<TfrmDesign>([by](TfrmDesign& dialog) {
            EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Program Options"));
            // The controls show the settings.
            EXPECT_EQ(dialog.edUser->text(), QStringLiteral("<Designer>"));
            EXPECT_TRUE(dialog.chkConfirmQuit->isChecked());
            EXPECT_EQ(dialog.cbDamageCaused->currentText(), QStringLiteral("Roll"));
            EXPECT_EQ(dialog.edPrinterResX->value(), 4761);
            dialog.edUser->setText(QStringLiteral("Vera"));
            dialog.chkConfirmQuit->setChecked(false);
            dialog.cbDamageCaused->setCurrentIndex(0);
            dialog.edPrinterResX->setValue(5000);
            // Nothing is applied while the dialog is open.
            EXPECT_EQ(Username, QStringLiteral("<Designer>"));
            CloseDialog(dialog, dialog.btnOK, by);
        });
        window.acOptions->trigger();
        EXPECT_EQ(Username, QStringLiteral("Vera"));
        EXPECT_FALSE(ConfirmQuit);
        EXPECT_EQ(DamageCaused, 0);
        EXPECT_EQ(PrinterResX, 5000);
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    }
}

TEST_F(DialogsTest, TheOptionsDialogCarriesEveryOptionBothWays)
{
    TfrmMain& window = Start();
    bool* const flags[] = {&AutoLoad, &ConfirmQuit, &ConfirmSave, &ShowTitle, &DetailLoad, &PrintFont, &OldLogo,
                           &PrinterWeaponLoc, &PrinterRes, &ShowEff, &Res600, &IgnoreAmmo, &AlwaysHit};
    for (bool* flag : flags)
        *flag = false;
    // Each box, ticked, sets its own option and no other.
    WhenShown<TfrmDesign>([](TfrmDesign& dialog) {
        for (QCheckBox* box : {dialog.chkAutoLoad, dialog.chkConfirmQuit, dialog.chkConfirmSave, dialog.chkShowTitle,
                               dialog.chkDetailLoad, dialog.chkPrintFont, dialog.chkOldLogo, dialog.chkPrintWeaponLoc,
                               dialog.chkPrinterRes, dialog.chkShowEff, dialog.chk600, dialog.chkIgnoreAmmo,
                               dialog.chkAlwaysHit}) {
            EXPECT_FALSE(box->isChecked()) << box->objectName().toStdString();
            box->setChecked(true);
        }
        dialog.close();
    });
    window.acOptions->trigger();
    for (bool* flag : flags)
        EXPECT_TRUE(*flag);
}

TEST_F(DialogsTest, ChangingTheAmmunitionRuleResetsTheTestFiring)
{
    TfrmMain& window = Start();
    window.edTestText->setPlainText(QStringLiteral("log"));
    EnemyCar->Vehicle->Name = QStringLiteral("changed");
    WhenShown<TfrmDesign>([](TfrmDesign& dialog) { dialog.close(); });
    window.acOptions->trigger();
    EXPECT_EQ(window.edTestText->toPlainText(), QStringLiteral("log"));
    EXPECT_EQ(EnemyCar->Vehicle->Name, QStringLiteral("changed"));
    // The reset reloads the opponent and empties the log.
    WhenShown<TfrmDesign>([](TfrmDesign& dialog) {
        dialog.chkIgnoreAmmo->setChecked(!dialog.chkIgnoreAmmo->isChecked());
        dialog.close();
    });
    window.acOptions->trigger();
    EXPECT_TRUE(window.edTestText->toPlainText().isEmpty());
    EXPECT_EQ(EnemyCar->Vehicle->Name, QStringLiteral("Veze Ridiv"));
}

TEST_F(DialogsTest, TheWindowFollowsTheEfficiencyOptionWhenTheDialogCloses)
{
    TfrmMain& window = Start();
    ShowEff = false;
    window.ShowWeaponEfficiency();
    window.show();
    for (bool shown : {true, false}) {
        WhenShown<TfrmDesign>([shown](TfrmDesign& dialog) {
            dialog.chkShowEff->setChecked(shown);
            dialog.close();
        });
        window.acOptions->trigger();
        EXPECT_EQ(window.lblWeaponSpaceEff->isVisibleTo(&window), shown);
        EXPECT_EQ(window.lblWeaponClass->isVisibleTo(&window), !shown);
    }
}

TEST_F(DialogsTest, ReadShowsThePrintersPageSizeInTheSpinsOnly)
{
    TfrmMain& window = Start();
    const auto kept = PrinterPageSize;
    PrinterPageSize = [] { return QSize(4800, 6600); };
    PrinterRes = false;
    PrinterResX = 4761;
    PrinterResY = 6780;
    WhenShown<TfrmDesign>([](TfrmDesign& dialog) {
        EXPECT_EQ(dialog.btnPrinterRead->text(), QStringLiteral("[Read]"));
        dialog.btnPrinterRead->click();
        EXPECT_EQ(dialog.edPrinterResX->value(), 4800);
        EXPECT_EQ(dialog.edPrinterResY->value(), 6600);
        EXPECT_EQ(PrinterResX, 4761);
        dialog.close();
    });
    window.acOptions->trigger();
    PrinterPageSize = kept;
    // The read size becomes the setting at close; PrinterRes decides whether
    // printing uses it.
    EXPECT_EQ(PrinterResX, 4800);
    EXPECT_EQ(PrinterResY, 6600);
    EXPECT_FALSE(PrinterRes);
}

TEST_F(DialogsTest, TheLimitsDialogAppliesItsControlsAndRecalculates)
{
    TfrmMain& window = Start();
    for (TCloseBy by : {TCloseBy::OK, TCloseBy::CloseButton, TCloseBy::Escape}) {
        SCOPED_TRACE(static_cast<int>(by));
        DivUse = false;
        Div = 15;
        window.RecalcVehicle(true);
        ASSERT_FALSE(window.windowTitle().contains(QStringLiteral("(Div")));
        WhenShown<TfrmConfig>([by](TfrmConfig& dialog) {
            EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Config Settings"));
            EXPECT_EQ(dialog.edDivision->value(), 15);
            dialog.chkDivision->setChecked(true);
            dialog.edDivision->setValue(20);
            EXPECT_FALSE(DivUse);
            CloseDialog(dialog, dialog.btnOK, by);
        });
        window.acSettings->trigger();
        EXPECT_TRUE(DivUse);
        EXPECT_EQ(Div, 20);
        // The new limit reaches the caption at once.
        EXPECT_TRUE(window.windowTitle().contains(QStringLiteral("(Div 20)")))
            << window.windowTitle().toStdString();
    }
}

// "Allow Tank Guns" takes effect when the limits dialog closes: the weapon
// lists of "All" and of the large-bore weapons offer the tank gun exactly
// while it is ticked, and the tank gun can be added from them.
TEST_F(DialogsTest, AllowTankGunsRefillsTheWeaponListsWhenTheDialogCloses)
{
    TfrmMain& window = Start();
    window.show();
    ASSERT_FALSE(TankGun);
    const QString tankGun = QStringLiteral("Tank Gun (TG)");
    ASSERT_LT(window.cbWeaponLargeBore->findText(tankGun), 0);
    const int others = window.cbWeaponLargeBore->count();
    for (TCloseBy by : {TCloseBy::OK, TCloseBy::CloseButton, TCloseBy::OK}) {
        SCOPED_TRACE(static_cast<int>(by));
        const bool allow = !TankGun;
        WhenShown<TfrmConfig>([by, allow](TfrmConfig& dialog) {
            dialog.chkTankGun->setChecked(allow);
            CloseDialog(dialog, dialog.btnOK, by);
        });
        window.acSettings->trigger();
        EXPECT_EQ(TankGun, allow);
        for (QComboBox* list : {window.cbWeapon, window.cbWeaponLargeBore})
            EXPECT_EQ(list->findText(tankGun) >= 0, allow) << list->objectName().toStdString();
        EXPECT_EQ(window.cbWeaponLargeBore->count(), others + (allow ? 1 : 0));
        EXPECT_LT(window.cbWeaponSmallBore->findText(tankGun), 0);
    }
    ASSERT_TRUE(TankGun);
    // Chosen in its list and added, it becomes a weapon of the design.
    window.pcWeaponSelect->SetActivePageIndex(2);
    Choose(window.cbWeaponLargeBore, tankGun);
    EXPECT_EQ(window.lblWeaponDamage->text(), QStringLiteral("Damage: 4d6"));
    window.btnAddWeapon[2]->click();
    ASSERT_EQ(window.Vehicle().WeaponCount(), 1);
    EXPECT_EQ(window.Vehicle().Weapons.Items[0].Abbreviation, QStringLiteral("TG"));
    window.hide();
}

TEST_F(DialogsTest, TheLimitsDialogCarriesEveryLimitBothWays)
{
    Start();
    DivUse = YearUse = MaxHCUse = TankGun = SubHC = ConfettiNr = AllowCA = false;
    Div = 30;
    Year = 2050;
    MaxHC = 4;
    {
        TfrmConfig dialog;
        dialog.show();
        EXPECT_EQ(dialog.edDivision->value(), 30);
        EXPECT_EQ(dialog.edYear->value(), 2050);
        EXPECT_EQ(dialog.edMaxHC->value(), 4);
        for (QCheckBox* box : {dialog.chkDivision, dialog.chkYear, dialog.chkMaxHC, dialog.chkTankGun,
                               dialog.chkSubHC, dialog.chkConfettiNr, dialog.chkAllowCA}) {
            EXPECT_FALSE(box->isChecked()) << box->objectName().toStdString();
            box->setChecked(true);
        }
        dialog.edYear->setValue(2060);
        dialog.edMaxHC->setValue(2);
        dialog.close();
    }
    EXPECT_TRUE(DivUse && YearUse && MaxHCUse && TankGun && SubHC && ConfettiNr && AllowCA);
    EXPECT_EQ(Div, 30);
    EXPECT_EQ(Year, 2060);
    EXPECT_EQ(MaxHC, 2);
}

TEST_F(DialogsTest, TickingALimitWhileTheDivisionShowsZeroStartsItAtFifteen)
{
    Start();
    const struct {
        bool DivisionTicked;
        QCheckBox* TfrmConfig::*Ticked;
        int Expected;
    } cases[] = {
        {false, &TfrmConfig::chkDivision, 15}, {true, &TfrmConfig::chkMaxHC, 15},
        {true, &TfrmConfig::chkTankGun, 15},   {true, &TfrmConfig::chkAllowCA, 15},
        {false, &TfrmConfig::chkMaxHC, 0},     {false, &TfrmConfig::chkTankGun, 0},
    };
    for (const auto& c : cases) {
        DivUse = false;
        Div = 0;
        MaxHCUse = TankGun = AllowCA = false;
        TfrmConfig dialog;
        dialog.show();
        ASSERT_EQ(dialog.edDivision->value(), 0);
        if (c.DivisionTicked) {
            const QSignalBlocker quiet(dialog.chkDivision);
            dialog.chkDivision->setChecked(true);
        }
        (dialog.*c.Ticked)->setChecked(true);
        EXPECT_EQ(dialog.edDivision->value(), c.Expected) << (dialog.*c.Ticked)->objectName().toStdString();
    }
}

TEST_F(DialogsTest, TheLimitsSpinsKeepTheirValuesInsideTheirRanges)
{
    Start();
    Year = 2020;
    MaxHC = 120;
    Div = 17;
    {
        TfrmConfig dialog;
        dialog.show();
        EXPECT_EQ(dialog.edYear->value(), 2030);
        EXPECT_EQ(dialog.edMaxHC->value(), 99);
        // The step of 5 is for the arrows only.
        EXPECT_EQ(dialog.edDivision->value(), 17);
        dialog.close();
    }
    EXPECT_EQ(Year, 2030);
    EXPECT_EQ(MaxHC, 99);
    EXPECT_EQ(Div, 17);

    // A year typed below the range and left by closing becomes the lower bound.
    Year = 2500;
    TfrmConfig dialog;
    dialog.show();
    dialog.edYear->selectAll();
    QTest::keyClicks(dialog.edYear, QStringLiteral("20"));
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_EQ(Year, 2030);
}

TEST_F(DialogsTest, DataUsedNamesEachShippedTablesSource)
{
    TfrmMain& window = Start();
    TfrmDataUsed form;
    frmDataUsed = &form;
    const struct {
        QLabel* Label;
        QString Expected;
    } expected[] = {
        {form.lblBody, QStringLiteral("Body: %1 (%2). %3").arg(BodyTypes.Name, BodyTypes.Author, BodyTypes.Comment)},
        {form.lblTire, QStringLiteral("Tire: %1 (%2). %3").arg(TireTypes.Name, TireTypes.Author, TireTypes.Comment)},
        {form.lblHandgun,
         QStringLiteral("HandGun: %1 (%2). %3").arg(HandGunTypes.Name, HandGunTypes.Author, HandGunTypes.Comment)},
        {form.lblEquipment, QStringLiteral("Equipment: %1 (%2). %3")
                                .arg(EquipmentTypes.Name, EquipmentTypes.Author, EquipmentTypes.Comment)},
    };
    WhenShown<TfrmDataUsed>([](TfrmDataUsed& shown) { QTest::keyClicks(&shown, QStringLiteral("x")); });
    window.acDataUsed->trigger();
    frmDataUsed = nullptr;
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Data used in this program"));
    EXPECT_EQ(form.lblBody->text(),
              QStringLiteral("Body: Body Types (Rigsmith). Road bodies in size order, the section position is the "
                             "body size (0 to 8)."));
    for (const auto& e : expected)
        EXPECT_EQ(e.Label->text(), e.Expected);
    for (QLabel* label : form.findChildren<QLabel*>())
        EXPECT_FALSE(label->text().isEmpty()) << label->objectName().toStdString();
    EXPECT_FALSE(form.isVisible());
    // A source that wraps pushes the ones below down; all stay on the form.
    int top = 8;
    for (QLabel* label : {form.lblBody, form.lblChassis, form.lblSuspension, form.lblCEngine, form.lblGEngine,
                          form.lblGasTank, form.lblTire, form.lblWeapon, form.lblAmmo, form.lblHandgun,
                          form.lblEquipment}) {
        EXPECT_EQ(label->geometry(), QRect(8, top, 753, std::max(16, label->heightForWidth(753))))
            << label->objectName().toStdString();
        top += label->height();
    }
    EXPECT_GE(form.height(), top);
    EXPECT_EQ(form.width(), 773);
}

TEST_F(DialogsTest, TheLimitsDialogsInfoTextIsReadWhole)
{
    Start();
    TfrmConfig dialog;
    dialog.show();
    auto* info = dialog.findChild<QLabel*>(QStringLiteral("lblInfo"));
    ASSERT_NE(info, nullptr);
    EXPECT_EQ(info->text(), QStringLiteral("These settings are the design rules of your association. The program's "
                                           "own options are under \"Options\" in the main menu."));
    EXPECT_FALSE(info->isEnabled());
    EXPECT_TRUE(info->wordWrap());
    EXPECT_GE(info->height(), info->heightForWidth(info->width()));
}

TEST_F(DialogsTest, AnOverviewWithoutAuthorShowsEmptyParentheses)
{
    QFile chassis(Path(QStringLiteral("Data/ChassisTypes.txt")));
    ASSERT_TRUE(chassis.open(QIODevice::ReadOnly));
    QByteArray content = chassis.readAll();
    chassis.close();
    const qsizetype author = content.indexOf("Author=");
    ASSERT_GE(author, 0);
    content.remove(author, content.indexOf('\n', author) - author + 1);
    ASSERT_TRUE(chassis.open(QIODevice::WriteOnly | QIODevice::Truncate));
    chassis.write(content);
    chassis.close();

    Start();
    TfrmDataUsed form;
    form.show();
    EXPECT_TRUE(form.lblChassis->text().startsWith(QStringLiteral("Chassis: ") + ChassisTypes.Name +
                                                   QStringLiteral(" (). ")))
        << form.lblChassis->text().toStdString();
}

TEST_F(DialogsTest, TheAboutBoxShowsTheVersionAndClosesOnAClick)
{
    TfrmMain& window = Start();
    TfrmAbout about;
    frmAbout = &about;
    EXPECT_EQ(about.lblVer->text(), QStringLiteral("- Version 0.6.2ß -"));
    EXPECT_EQ(about.windowTitle(), QStringLiteral("Rigsmith"));
    EXPECT_EQ(about.size(), QSize(488, 403));
    EXPECT_EQ(about.lblFeedback->text(),
              QStringLiteral("Any feedback, ideas, bug reports, thoughts and improvements very welcome "));
    WhenShown<TfrmAbout>([](TfrmAbout& shown) { QTest::mouseClick(shown.lblVRN[2], Qt::LeftButton); });
    window.acInfo->trigger();
    frmAbout = nullptr;
    EXPECT_FALSE(about.isVisible());
}

// The frame that the splash shows, by its picture.
int ShownFrame(const TfrmTitle& title)
{
    const QImage shown = title.imgTitle->pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
    for (size_t i = 0; i < title.TitleFrames.size(); ++i) {
        if (title.TitleFrames[i].Image() == shown)
            return static_cast<int>(i);
    }
    return -1;
}

// A title folder of plain frames, each of its own grey, under the given names.
void WriteFrames(const QString& folder, const QStringList& names)
{
    QDir(folder).removeRecursively();
    QDir().mkpath(folder);
    int grey = 40;
    for (const QString& name : names) {
        QImage frame(800, 500, QImage::Format_ARGB32);
        frame.fill(QColor(grey, grey, grey));
        grey += 40;
        ASSERT_TRUE(frame.save(folder + QLatin1Char('/') + name));
    }
}

TEST_F(DialogsTest, TheSplashPlaysItsFramesForwardsAndBackwards)
{
    WriteFrames(Path(QStringLiteral("Graphics/Title")),
                {QStringLiteral("B.png"), QStringLiteral("a.png"), QStringLiteral("C.png"), QStringLiteral("logo.PNG")});
    TfrmTitle title;
    title.show();
    EXPECT_TRUE(title.tmrImage->isActive());
    EXPECT_EQ(title.tmrImage->interval(), 500);
    ASSERT_EQ(title.TitleFrames.size(), 3u);
    EXPECT_EQ(title.lblVersion->text(), QStringLiteral("v0.6.2ß"));
    // The frames play a, B, C: their greys grow with the sorted names.
    EXPECT_EQ(qGray(title.TitleFrames[0].Pixel(0, 0)), 80);
    EXPECT_EQ(qGray(title.TitleFrames[1].Pixel(0, 0)), 40);
    EXPECT_EQ(qGray(title.TitleFrames[2].Pixel(0, 0)), 120);
    // The heading, whatever its letter case, is no frame.
    EXPECT_TRUE(title.imgHeading->isVisible());

    const struct {
        int Shown;
        int NextInterval;
    } ticks[] = {{0, 500}, {1, 500}, {2, 2000}, {2, 200}, {1, 200}, {0, 2000}, {0, 500}, {1, 500}};
    for (const auto& tick : ticks) {
        title.tmrImageTimer();
        EXPECT_EQ(ShownFrame(title), tick.Shown);
        EXPECT_EQ(title.tmrImage->interval(), tick.NextInterval);
        EXPECT_TRUE(title.tmrImage->isActive());
    }
}

TEST_F(DialogsTest, WithOneFrameTheSplashKeepsShowingIt)
{
    WriteFrames(Path(QStringLiteral("Graphics/Title")), {QStringLiteral("Only.png")});
    TfrmTitle title;
    title.show();
    for (int interval : {2000, 2000, 2000}) {
        title.tmrImageTimer();
        EXPECT_EQ(ShownFrame(title), 0);
        EXPECT_EQ(title.tmrImage->interval(), interval);
    }
}

TEST_F(DialogsTest, TheShippedSplashAdvancesOnItsTimerAndClosesOnAnyKey)
{
    TfrmTitle title;
    title.show();
    ASSERT_EQ(title.TitleFrames.size(), 8u);
    EXPECT_TRUE(title.imgHeading->isVisible());
    EXPECT_EQ(title.imgHeading->geometry(), QRect(167, 24, 466, 128));
    EXPECT_EQ(ShownFrame(title), 0);
    EXPECT_TRUE(QTest::qWaitFor([&title] { return ShownFrame(title) == 1; }, 3000));
    // A key without a character closes it too while the picture has the focus.
    QTest::keyClick(title.imgTitle, Qt::Key_Shift);
    EXPECT_FALSE(title.isVisible());
    EXPECT_FALSE(title.tmrImage->isActive());
}

// Counts the paint events that reach the window or any control in it.
class TPaintCount : public QObject
{
public:
    explicit TPaintCount(const QWidget& window) : FWindow(window) { qApp->installEventFilter(this); }
    ~TPaintCount() override { qApp->removeEventFilter(this); }
    TPaintCount(const TPaintCount&) = delete;
    TPaintCount& operator=(const TPaintCount&) = delete;

    int Count = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && watched->isWidgetType()
            && static_cast<QWidget*>(watched)->window() == &FWindow)
            ++Count;
        return false;
    }

private:
    const QWidget& FWindow;
};

// The splash comes once the window has painted, so that the window shows
// behind it, its test map as the settings left it, not a black rectangle.
TEST_F(DialogsTest, ShowingTheWindowShowsTheSplashUnderShowTitleOnceTheWindowHasPainted)
{
    WriteSettings("[Options]\r\nShowTitle=1\r\n[Test]\r\nAttackTarget=2\r\n");
    TfrmMain& window = Start();
    TfrmTitle title;
    frmTitle = &title;
    const TPaintCount paints(window);
    bool shown = false;
    int paintsBefore = 0;
    QImage behind;
    int targetBefore = -1;
    WhenShown<TfrmTitle>([&](TfrmTitle& splash) {
        shown = splash.tmrImage->isActive();
        paintsBefore = paints.Count;
        targetBefore = window.cbAttackTarget->currentIndex();
        behind = window.screen()->grabWindow(window.winId()).toImage();
        QTest::mouseClick(splash.imgHeading, Qt::LeftButton);
    });
    window.show();
    EXPECT_TRUE(QTest::qWaitFor([&] { return shown && !title.isVisible(); }, 5000));
    frmTitle = nullptr;
    EXPECT_GT(paintsBefore, 0);
    EXPECT_EQ(targetBefore, 2);
    // The window's own face stands behind the splash: the grey of its
    // status bar, not black.
    ASSERT_FALSE(behind.isNull());
    const QPoint statusBar = window.statusBar()->geometry().center();
    EXPECT_EQ(behind.pixelColor(statusBar), window.palette().color(QPalette::Window));
    window.hide();
}

TEST_F(DialogsTest, WithoutFramesTheSplashClosesAtOnce)
{
    WriteFrames(Path(QStringLiteral("Graphics/Title")), {QStringLiteral("Logo.png")});
    TfrmTitle title;
    title.exec();
    EXPECT_TRUE(title.TitleFrames.empty());
    EXPECT_FALSE(title.tmrImage->isActive());
}

} // namespace

namespace {

// The printer-resolution caption names its two fields: its "X" stands over
// the first field and its "Y" over the second.
TEST_F(DialogsTest, TheResolutionCaptionsLettersStandOverTheirFields)
{
    Start();
    TfrmDesign dialog(nullptr);
    dialog.show();
    QApplication::processEvents();
    QCheckBox* caption = dialog.chkPrinterRes;
    QStyleOptionButton option;
    option.initFrom(caption);
    const QRect text = caption->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, caption);
    const QFontMetrics metrics = caption->fontMetrics();
    const auto letterCentre = [&](QChar letter) {
        const QString before = caption->text().left(caption->text().indexOf(letter));
        const int x = text.left() + metrics.horizontalAdvance(before) + metrics.horizontalAdvance(letter) / 2;
        return caption->mapTo(&dialog, QPoint(x, 0)).x();
    };
    const auto span = [&dialog](QWidget* field) {
        const int left = field->mapTo(&dialog, QPoint(0, 0)).x();
        return std::make_pair(left, left + field->width() - 1);
    };
    const auto [xLeft, xRight] = span(dialog.edPrinterResX);
    const auto [yLeft, yRight] = span(dialog.edPrinterResY);
    const int x = letterCentre(QLatin1Char('X'));
    const int y = letterCentre(QLatin1Char('Y'));
    EXPECT_TRUE(x >= xLeft && x <= xRight) << x << " over " << xLeft << ".." << xRight;
    EXPECT_TRUE(y >= yLeft && y <= yRight) << y << " over " << yLeft << ".." << yRight;
    // Below the caption, not over it.
    EXPECT_GT(dialog.edPrinterResX->mapTo(&dialog, QPoint(0, 0)).y(), caption->mapTo(&dialog, QPoint(0, 0)).y());
}

} // namespace
