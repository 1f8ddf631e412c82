#include "DesignerWindow.h"

#include "model/Global.h"
#include "model/Vehicle.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

namespace {

using StartupTest = DesignerWindowTest;

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

} // namespace
