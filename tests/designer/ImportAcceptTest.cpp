#include "DesignerWindow.h"
#include "ModalAnswers.h"

#include "designer/ImportForm.h"
#include "designer/MainWindow.h"
#include "import/BuildDesign.h"
#include "import/ImportResult.h"
#include "gamecar/GameCar.h"
#include "model/Global.h"
#include "model/Vehicle.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QTextBlock>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <functional>
#include <string>

namespace {

using ImportAcceptTest = DesignerWindowTest;

QString OfficialText(const char* Name)
{
    QFile File(QStringLiteral(RIGSMITH_TEST_DIR "/../gamecar/expected/") + QLatin1String(Name)
               + QStringLiteral(".official.txt"));
    return File.open(QIODevice::ReadOnly) ? QString::fromUtf8(File.readAll()) : QString();
}

// A pasted stat block, imported and accepted, becomes the design in the
// main window; its claimed figures agree, so the leftovers get no report.
TEST_F(ImportAcceptTest, AcceptedStatBlockBecomesTheEditedDesign)
{
    Start();
    frmImport->show();
    frmImport->memText->setPlainText(OfficialText("Gadfly"));
    frmImport->btnImport->click();
    ASSERT_TRUE(frmImport->btnAccept->isEnabled());
    const QString Leftovers = frmImport->memLeftovers->toPlainText();
    frmImport->btnAccept->click();

    TVehicle& V = *Car->Vehicle;
    EXPECT_EQ(V.Name, QStringLiteral("Gadfly"));
    EXPECT_EQ(V.Author, QStringLiteral("Rigsmith"));
    EXPECT_EQ(V.WeaponCount(), 2);
    QStringList List;
    EXPECT_EQ(V.GetCost(List), 3145);
    EXPECT_FALSE(GUILoading);
    EXPECT_EQ(frmImport->memLeftovers->toPlainText(), Leftovers);
    EXPECT_TRUE(frmImport->btnAccept->isEnabled());
}

// Accept builds what the form shows: any edit of the pasted text after
// Import stops it until Import has run on the text as it stands.
TEST_F(ImportAcceptTest, AnEditAfterImportDisablesAcceptUntilImportRunsAgain)
{
    TfrmMain& window = Start();
    window.show();
    frmImport->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(frmImport));
    const QString gadfly = OfficialText("Gadfly");
    ASSERT_FALSE(gadfly.isEmpty());
    const struct {
        const char* Edit;
        std::string Name; // of the design Accept builds
        std::function<void(QPlainTextEdit&)> Make;
    } edits[] = {
        {"a letter typed at the end", "Gadfly",
         [](QPlainTextEdit& memo) {
             memo.moveCursor(QTextCursor::End);
             QTest::keyClicks(&memo, QStringLiteral("x"));
         }},
        {"a letter deleted at the start", "adfly",
         [](QPlainTextEdit& memo) {
             memo.moveCursor(QTextCursor::Start);
             QTest::keyClick(&memo, Qt::Key_Delete);
         }},
        {"a line break in the middle", "Gadfly",
         [](QPlainTextEdit& memo) {
             QTextCursor cursor = memo.textCursor();
             cursor.setPosition(memo.toPlainText().size() / 2);
             memo.setTextCursor(cursor);
             QTest::keyClick(&memo, Qt::Key_Return);
         }},
        {"another stat block pasted over all", "Thunderwagon",
         [](QPlainTextEdit& memo) {
             memo.selectAll();
             memo.insertPlainText(OfficialText("Thunderwagon"));
         }},
        {"an edit undone", "Gadfly", [](QPlainTextEdit& memo) {
             memo.moveCursor(QTextCursor::End);
             QTest::keyClicks(&memo, QStringLiteral("x"));
             memo.undo();
         }},
    };
    for (const auto& e : edits) {
        SCOPED_TRACE(e.Edit);
        frmImport->memText->setPlainText(gadfly);
        QTest::mouseClick(frmImport->btnImport, Qt::LeftButton);
        ASSERT_TRUE(frmImport->btnAccept->isEnabled());
        frmImport->memText->setFocus();
        e.Make(*frmImport->memText);
        EXPECT_FALSE(frmImport->btnAccept->isEnabled());
        EXPECT_TRUE(frmImport->btnImport->isEnabled());

        // Import again: Accept builds the text as it now stands.
        QTest::mouseClick(frmImport->btnImport, Qt::LeftButton);
        ASSERT_TRUE(frmImport->btnAccept->isEnabled());
        TImportResult expected;
        ImportDescription(frmImport->memText->toPlainText(), expected);
        EXPECT_EQ(frmImport->memResult->toPlainText(), expected.Result.join(QLatin1Char('\n')));
        QTest::mouseClick(frmImport->btnAccept, Qt::LeftButton);
        EXPECT_EQ(Car->Vehicle->Name.toStdString(), e.Name);
    }
    frmImport->close();
    window.hide();
}

TEST_F(ImportAcceptTest, ATextFarLongerThanAnyStatBlockIsRefusedWithItsLength)
{
    Start();
    TModalAnswers User;
    frmImport->show();
    frmImport->memText->setPlainText(OfficialText("Gadfly"));
    frmImport->btnImport->click();
    ASSERT_TRUE(frmImport->btnAccept->isEnabled());
    // The box keeps a line break as one character.
    const QString Block = OfficialText("Gadfly").remove(QLatin1Char('\r')) + QLatin1Char('\n');
    QString Text;
    while (Text.size() <= TfrmImport::MaxImportLength)
        Text += Block;
    frmImport->memText->setPlainText(Text);
    const int Length = frmImport->memText->toPlainText().size();
    frmImport->btnImport->click();
    EXPECT_EQ(User.Messages, QStringList({QStringLiteral("The text is too long to be a vehicle description: it has "
                                                         "%1 characters, and at most 100000 are imported.")
                                              .arg(Length)}));
    // Nothing of the run before is left to be accepted.
    EXPECT_TRUE(frmImport->memResult->toPlainText().isEmpty());
    EXPECT_FALSE(frmImport->btnAccept->isEnabled());
    frmImport->close();
}

TEST_F(ImportAcceptTest, DifferingClaimsAreReportedInTheLeftovers)
{
    Start();
    frmImport->show();
    frmImport->memResult->setPlainText(QStringLiteral("* Name: Claims\n* Weapons: \nfront:  Machine Gun\n* HC: 9"));
    frmImport->btnAcceptClick();
    const int HC = Car->Vehicle->GetHC();
    EXPECT_EQ(frmImport->memLeftovers->toPlainText(),
              QStringLiteral("\n---\nClaimed HC: 9, calculated: %1 (%2)").arg(HC).arg(HC - 9));
    EXPECT_EQ(Car->Vehicle->Name, QStringLiteral("Claims"));
}

// A claimed figure that is no number in range is shown as not understood;
// the design is built all the same.
TEST_F(ImportAcceptTest, AClaimThatIsNoNumberInRangeIsShownAsNotUnderstood)
{
    Start();
    frmImport->show();
    frmImport->memText->setPlainText(OfficialText("Gadfly").replace(QStringLiteral("$ 3,145"),
                                                                    QStringLiteral("$ 3,14511111111111")));
    frmImport->btnImport->click();
    ASSERT_TRUE(frmImport->memResult->toPlainText().contains(QLatin1String("* Cost: 314511111111111")));
    const QString Leftovers = frmImport->memLeftovers->toPlainText();
    frmImport->btnAccept->click();
    EXPECT_EQ(Car->Vehicle->Name, QStringLiteral("Gadfly"));
    EXPECT_EQ(Car->Vehicle->WeaponCount(), 2);
    EXPECT_EQ(frmImport->memLeftovers->toPlainText(),
              Leftovers + QStringLiteral("\n---\nClaim not understood: * Cost: 314511111111111"));
}

// A result that cannot become a design leaves the design that was open as
// it was, with its file, and the message says what failed.
TEST_F(ImportAcceptTest, AResultThatCannotBeBuiltKeepsTheOpenDesign)
{
    Start();
    TModalAnswers User;
    TVehicle& V = *Car->Vehicle;
    V.Name = QStringLiteral("Open one");
    FileName = QStringLiteral("Open one.vx");
    frmImport->show();
    frmImport->memResult->setPlainText(
        QStringLiteral("* Name: Bad\n* Weapons: \nfront:  Machine Gun\nfront:  99999999999x Machine Gun"));
    frmImport->btnAcceptClick();
    EXPECT_EQ(User.Messages, QStringList({QStringLiteral(
                                 "Nothing was imported: '99999999999' is not a valid integer value in the result line "
                                 "\"front:  99999999999x Machine Gun\". The design that was open stays open.")}));
    EXPECT_EQ(Car->Vehicle->Name, QStringLiteral("Open one"));
    EXPECT_EQ(Car->Vehicle->WeaponCount(), 0);
    EXPECT_EQ(FileName, QStringLiteral("Open one.vx"));
    EXPECT_FALSE(GUILoading);
}

// Stage 1 empties its boxes before it reads, and its result ends with its
// last line.
TEST_F(ImportAcceptTest, ImportReplacesTheLastRun)
{
    Start();
    frmImport->show();
    frmImport->memText->setPlainText(OfficialText("Thunderwagon"));
    frmImport->btnImport->click();
    frmImport->memText->setPlainText(QStringLiteral("Gadfly, designed by Rigsmith\nSubcompact, Spoiler"));
    frmImport->btnImport->click();
    const QStringList Result = frmImport->memResult->toPlainText().split(QLatin1Char('\n'));
    EXPECT_EQ(Result.first(), QStringLiteral("* Name: Gadfly"));
    EXPECT_EQ(Result.last(), QStringLiteral("Spoiler"));
    EXPECT_FALSE(Result.join(QLatin1Char('\n')).contains(QLatin1String("Thunderwagon")));
    EXPECT_EQ(frmImport->memLeftovers->toPlainText(), QString());
    EXPECT_FALSE(frmImport->memHistory->toPlainText().contains(QLatin1String("Thunderwagon")));
}

// The result and leftover boxes show a good part of a block and grow with
// the form.
TEST_F(ImportAcceptTest, ReviewBoxesGrowWithTheForm)
{
    Start();
    frmImport->show();
    const int Line = frmImport->memResult->fontMetrics().lineSpacing();
    EXPECT_GE(frmImport->memResult->height(), 8 * Line);
    EXPECT_GE(frmImport->memLeftovers->height(), 8 * Line);
    const int Result = frmImport->memResult->height();
    const int Leftovers = frmImport->memLeftovers->height();
    frmImport->resize(frmImport->width(), frmImport->height() + 300);
    QCoreApplication::processEvents();
    EXPECT_GT(frmImport->memResult->height(), Result + 100);
    EXPECT_GT(frmImport->memLeftovers->height(), Leftovers + 50);
}

// After Accept the claims report is in view from its first line on, however
// much was left over before it.
TEST_F(ImportAcceptTest, ReportsFirstLineStaysInView)
{
    Start();
    frmImport->show();
    QStringList Lines;
    for (int I = 0; I < 60; ++I)
        Lines << QStringLiteral("left over %1").arg(I);
    frmImport->memLeftovers->setPlainText(Lines.join(QLatin1Char('\n')));
    frmImport->memResult->setPlainText(QStringLiteral(
        "* Name: Claims\n* HC: 9\n* Cost: 1\n* Weight: 1\n* Acceleration: 25\n* Speed: 300"));
    frmImport->btnAcceptClick();
    QCoreApplication::processEvents();
    QPlainTextEdit* Box = frmImport->memLeftovers;
    const QTextBlock Report = Box->document()->findBlockByNumber(60);
    ASSERT_EQ(Report.next().text(), QStringLiteral("---"));
    EXPECT_LE(Box->cursorForPosition(QPoint(2, 2)).blockNumber(), 60);
    EXPECT_TRUE(Box->viewport()->rect().contains(Box->cursorRect(QTextCursor(Report.next()))));
    EXPECT_TRUE(Box->viewport()->rect().contains(Box->cursorRect(QTextCursor(Box->document()->lastBlock()))));
}

} // namespace

namespace {

QStringList Items(const QComboBox* List)
{
    QStringList Entries;
    for (int i = 0; i < List->count(); ++i)
        Entries << List->itemText(i);
    return Entries;
}

// The shown window after accepting a machine gun in the turret of a pickup
// without one; the gun's location list, or null.
QComboBox* AcceptGunInAMissingTurret(TfrmMain& Window)
{
    Window.show();
    frmImport->show();
    frmImport->memText->setPlainText(QStringLiteral(
        "Pickup, Standard Chassis, Small Power Plant, Standard Suspension, Standard Tires, Driver, MG in turret"));
    frmImport->btnImport->click();
    EXPECT_TRUE(frmImport->btnAccept->isEnabled());
    frmImport->btnAccept->click();
    QCoreApplication::processEvents();
    const TVehicle& V = *Car->Vehicle;
    EXPECT_EQ(V.WeaponCount(), 1);
    EXPECT_EQ(V.Turret, tkNone);
    return qobject_cast<QComboBox*>(Window.WeaponRows.Find(QStringLiteral("cbWeaponPosition"), 0));
}

void ChooseEntry(QComboBox* List, const QString& Text)
{
    const int Index = List->findText(Text);
    ASSERT_GE(Index, 0) << Text.toStdString();
    List->setCurrentIndex(Index);
    emit List->activated(Index);
}

// A weapon imported into a place the design lacks keeps that place in its
// row's list beside the places the design has, so that it can be moved.
TEST_F(ImportAcceptTest, AWeaponInAPlaceTheDesignLacksCanBeMovedFromItsRow)
{
    QComboBox* Where = AcceptGunInAMissingTurret(Start());
    ASSERT_NE(Where, nullptr);
    TVehicle& V = *Car->Vehicle;
    EXPECT_EQ(V.Weapons.Items[0].Location, locTurret);
    EXPECT_EQ(Items(Where), QStringList({"front", "back", "left", "right", "turret"}));
    EXPECT_EQ(Where->currentText(), QStringLiteral("turret"));

    Where->setCurrentIndex(0);
    emit Where->activated(0);
    EXPECT_EQ(V.Weapons.Items[0].Location, locFront);
}

// A short text of counted weapon words names more weapons than an import
// adds: the shown window refuses it with the reason, keeps the open design
// and stays usable.
TEST_F(ImportAcceptTest, ATextOfMoreWeaponsThanAnImportAddsIsRefusedWithItsReason)
{
    TfrmMain& Window = Start();
    TModalAnswers User;
    Window.show();
    Car->Vehicle->Name = QStringLiteral("Open one");
    frmImport->show();
    frmImport->memText->setPlainText(QStringLiteral("100 MG, ").repeated(MostDesignWeapons / 100 + 1));
    frmImport->btnImport->click();
    ASSERT_TRUE(frmImport->btnAccept->isEnabled());
    frmImport->btnAccept->click();
    QCoreApplication::processEvents();
    EXPECT_EQ(User.Messages, QStringList({QStringLiteral("Nothing was imported: the text holds more than 5000 weapons, "
                                                         "the most an import adds. The design that was open stays "
                                                         "open.")}));
    EXPECT_EQ(Car->Vehicle->Name, QStringLiteral("Open one"));
    EXPECT_EQ(Car->Vehicle->WeaponCount(), 0);
    EXPECT_FALSE(GUILoading);
}

// The missing place is offered only while the weapon sits there: chosen
// again it stays, once the weapon has left it, it is gone.
TEST_F(ImportAcceptTest, AMissingPlaceIsOfferedOnlyWhileTheWeaponSitsThere)
{
    QComboBox* Where = AcceptGunInAMissingTurret(Start());
    ASSERT_NE(Where, nullptr);
    const TVehicle& V = *Car->Vehicle;
    const QStringList Offered({"front", "back", "left", "right"});

    ChooseEntry(Where, QStringLiteral("turret"));
    EXPECT_EQ(V.Weapons.Items[0].Location, locTurret);
    EXPECT_EQ(Items(Where), Offered + QStringList({"turret"}));

    ChooseEntry(Where, QStringLiteral("back"));
    EXPECT_EQ(V.Weapons.Items[0].Location, locBack);
    EXPECT_EQ(Items(Where), Offered);
    EXPECT_EQ(Where->currentText(), QStringLiteral("back"));
    QCoreApplication::processEvents();

    ChooseEntry(Where, QStringLiteral("front"));
    EXPECT_EQ(V.Weapons.Items[0].Location, locFront);
    EXPECT_EQ(Items(Where), Offered);
}

} // namespace
