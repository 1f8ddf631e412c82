#include "DesignerWindow.h"
#include "ModalAnswers.h"
#include "common/FileSizeLimit.h"

#include "gamecar/GameCar.h"
#include "model/Global.h"
#include "model/Vehicle.h"

#include <QAction>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace {

class FileCommandsTest : public DesignerWindowTest
{
protected:
    // The file dialogs are used for opening, as with DetailLoad off.
    TfrmMain& StartWithOpenDialog(const QStringList& arguments = {})
    {
        WriteSettings("[Options]\r\nDetailLoad=0\r\n");
        return Start(arguments);
    }

    QString Design(const char* name) const { return Path(QStringLiteral("Designs/") + QLatin1String(name)); }

    static QByteArray Content(const QString& file)
    {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    static int Cost(TVehicle design)
    {
        QStringList list;
        return design.GetCost(list);
    }

    TModalAnswers User;
};

TEST_F(FileCommandsTest, NewStartsAFreshDesignWithoutAFileName)
{
    TfrmMain& window = StartWithOpenDialog({Design("Gadfly.vx")});
    ASSERT_EQ(window.Vehicle().Name, QStringLiteral("Gadfly"));
    CarFrameNr = 4;
    window.acNew->trigger();

    EXPECT_TRUE(FileName.isEmpty());
    EXPECT_EQ(CarFrameNr, 1);
    TVehicle fresh;
    EXPECT_EQ(window.Vehicle().Name, fresh.Name);
    EXPECT_EQ(window.Vehicle().Author, QStringLiteral("<Designer>"));
    EXPECT_EQ(window.edTextAuthor->text(), QStringLiteral("<Designer>"));
    EXPECT_EQ(window.cbBodyType->currentText(), BodyTypes.Items[0].Name);
    // The shipped tables put the plain frame first.
    EXPECT_EQ(window.cbChassis->currentText(), QStringLiteral("Standard"));
    EXPECT_EQ(window.lblCostVal->text(), QStringLiteral("$ %1").arg(Cost(fresh)));
    EXPECT_FALSE(window.windowTitle().contains(QStringLiteral(" : "))) << window.windowTitle().toStdString();
    EXPECT_EQ(TestCar->Vehicle, Car->Vehicle);
    // The recent list keeps what was opened.
    EXPECT_EQ(LastFiles[0], Design("Gadfly.vx"));
}

TEST_F(FileCommandsTest, SaveOfANewDesignSavesAsAndOpeningItGivesTheSameDesign)
{
    TfrmMain& window = StartWithOpenDialog();
    window.edTextName->setText(QStringLiteral("Round Trip"));
    Choose(window.cbBodyType, BodyTypes.Items[1].Name);
    const TVehicle saved = window.Vehicle();
    const QString file = Design("RoundTrip.vx");
    User.Files = {file};
    window.acSave->trigger();

    EXPECT_EQ(User.Offered, QStringList({QStringLiteral("RoundTrip.vx")}));
    EXPECT_EQ(User.Messages, QStringList({QStringLiteral("Vehicle saved")}));
    EXPECT_EQ(FileName, file);
    EXPECT_EQ(LastFiles[0], file);
    EXPECT_EQ(window.mnuRecentItems[0]->text(), QStringLiteral("RoundTrip"));
    EXPECT_TRUE(window.windowTitle().endsWith(QStringLiteral(" : RoundTrip"))) << window.windowTitle().toStdString();

    window.acNew->trigger();
    ASSERT_NE(window.Vehicle().Name, saved.Name);
    User.Files = {file};
    window.acLoad->trigger();
    EXPECT_EQ(FileName, file);
    EXPECT_EQ(window.Vehicle().Name, saved.Name);
    EXPECT_EQ(window.Vehicle().Body.Name, saved.Body.Name);
    EXPECT_EQ(window.cbBodyType->currentText(), saved.Body.Name);
    EXPECT_EQ(window.lblCostVal->text(), QStringLiteral("$ %1").arg(Cost(saved)));
    EXPECT_TRUE(Errors.Texts().isEmpty()) << Errors.Texts().join(QLatin1Char('\n')).toStdString();
}

TEST_F(FileCommandsTest, SaveOfAnOpenDesignWritesItsFileWithoutAsking)
{
    WriteSettings("[Options]\r\nConfirmSave=0\r\n");
    TfrmMain& window = Start({Design("Gadfly.vx")});
    window.edTextName->setText(QStringLiteral("Gadfly Mark II"));
    window.acSave->trigger();
    EXPECT_TRUE(User.Offered.isEmpty());
    EXPECT_TRUE(User.Messages.isEmpty());
    EXPECT_TRUE(Content(Design("Gadfly.vx")).contains("Name=Gadfly Mark II"));
    EXPECT_EQ(FileName, Design("Gadfly.vx"));
}

// A save that would grow the file past the process's file-size limit fails
// like one onto a full disk: the program goes on, says why, and the file and
// the design stay as they were.
TEST_F(FileCommandsTest, SaveUnderAFileSizeLimitFailsWithItsReasonAndTheProgramGoesOn)
{
    TfrmMain& window = Start({Design("Gadfly.vx")});
    const QByteArray old = Content(Design("Gadfly.vx"));
    window.edTextName->setText(QStringLiteral("Gadfly Mark II"));
    const QString result = RunWithFileSizeLimit(512, [&] {
        window.acSave->trigger();
        return (User.Messages + Errors.Texts() + QStringList({window.Vehicle().Name, FileName})).join(QLatin1Char('|'));
    });
    EXPECT_EQ(result, QStringList({QStringLiteral("Vehicle could not be saved"),
                                   QStringLiteral("An error occured in Save:\r\n%1: File too large")
                                       .arg(Design("Gadfly.vx")),
                                   QStringLiteral("Gadfly Mark II"), Design("Gadfly.vx")})
                          .join(QLatin1Char('|')));
    EXPECT_EQ(Content(Design("Gadfly.vx")), old);
}

// Without the program's own start-up step the same save ends the process.
TEST_F(FileCommandsTest, WithoutTheProgramsSetUpAWritePastTheLimitEndsTheProcess)
{
    TfrmMain& window = Start({Design("Gadfly.vx")});
    const QString result = RunWithFileSizeLimit(
        512, [&] { return window.Vehicle().Save(Design("Gadfly.vx")) ? QStringLiteral("saved") : QStringLiteral("failed"); },
        false);
    EXPECT_EQ(result, QStringLiteral("<child failed>"));
}

TEST_F(FileCommandsTest, CancellingTheSaveOfANewDesignKeepsItUnnamedSoTheNextSaveAsksAgain)
{
    TfrmMain& window = StartWithOpenDialog();
    window.edTextName->setText(QStringLiteral(" .,!? "));
    window.acSave->trigger();
    window.acSave->trigger();
    EXPECT_EQ(User.Offered, QStringList({QStringLiteral("VehicleName.vx"), QStringLiteral("VehicleName.vx")}));
    EXPECT_TRUE(FileName.isEmpty());
    EXPECT_TRUE(LastFiles[0].isEmpty());
    EXPECT_TRUE(User.Messages.isEmpty());
}

TEST_F(FileCommandsTest, SaveAsOverAnExistingFileWritesOnlyWhenTheAnswerIsYes)
{
    const struct {
        const char* Answer;
        bool Written;
    } cases[] = {{"No", false}, {"Abort", false}, {"Yes", true}};
    TfrmMain& window = StartWithOpenDialog();
    window.edTextName->setText(QStringLiteral("Overwriter"));
    const QString file = Design("Gadfly.vx");
    const QByteArray before = Content(file);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Answer);
        User.Messages.clear();
        User.Files = {file};
        User.Buttons = {QLatin1String(c.Answer), QStringLiteral("OK")};
        window.acSaveAs->trigger();
        ASSERT_FALSE(User.Messages.isEmpty());
        EXPECT_EQ(User.Messages[0],
                  QStringLiteral("The file Gadfly.vx already exists - are you sure you want to overwrite it?"));
        EXPECT_EQ(Content(file) != before, c.Written);
        EXPECT_EQ(FileName, c.Written ? file : QString());
    }
    EXPECT_EQ(User.Messages.last(), QStringLiteral("Vehicle saved"));
    EXPECT_TRUE(Content(file).contains("Name=Overwriter"));
}

TEST_F(FileCommandsTest, AFailedSaveSaysSoAndLeavesTheFileNameAndTheRecentList)
{
    TfrmMain& window = StartWithOpenDialog({Design("Gadfly.vx")});
    User.Files = {Path(QStringLiteral("NoSuchFolder/Gadfly.vx"))};
    window.acSaveAs->trigger();
    // Save as offers the name the design was opened by.
    EXPECT_EQ(User.Offered, QStringList({Design("Gadfly.vx")}));
    EXPECT_EQ(User.Messages, QStringList({QStringLiteral("Vehicle could not be saved")}));
    ASSERT_EQ(Errors.Texts().size(), 1);
    EXPECT_TRUE(Errors.Texts()[0].startsWith(QStringLiteral("An error occured in Save:"))) << Errors.Texts()[0].toStdString();
    EXPECT_EQ(FileName, Design("Gadfly.vx"));
    EXPECT_EQ(LastFiles[0], Design("Gadfly.vx"));
    EXPECT_TRUE(LastFiles[1].isEmpty());
}

TEST_F(FileCommandsTest, TheRecentMenuListsNewestFirstOnceEachAndReopens)
{
    TfrmMain& window = StartWithOpenDialog();
    for (const char* name : {"Gadfly.vx", "Brickhouse.vx", "Gadfly.vx"}) {
        User.Files = {Design(name)};
        window.acLoad->trigger();
    }
    EXPECT_EQ(window.mnuRecentItems[0]->text(), QStringLiteral("Gadfly"));
    EXPECT_EQ(window.mnuRecentItems[0]->statusTip(), Design("Gadfly.vx"));
    EXPECT_EQ(window.mnuRecentItems[1]->text(), QStringLiteral("Brickhouse"));
    EXPECT_TRUE(window.mnuRecentItems[1]->isVisible());
    EXPECT_FALSE(window.mnuRecentItems[2]->isVisible());

    window.mnuRecentItems[1]->trigger();
    EXPECT_EQ(FileName, Design("Brickhouse.vx"));
    EXPECT_EQ(window.Vehicle().Name, QStringLiteral("Brickhouse"));
    EXPECT_EQ(window.mnuRecentItems[0]->text(), QStringLiteral("Brickhouse"));
    EXPECT_EQ(window.mnuRecentItems[1]->text(), QStringLiteral("Gadfly"));

    // An entry whose file is gone does nothing at all.
    ASSERT_TRUE(QFile::remove(Design("Gadfly.vx")));
    window.mnuRecentItems[1]->trigger();
    EXPECT_EQ(FileName, Design("Brickhouse.vx"));
    EXPECT_EQ(window.Vehicle().Name, QStringLiteral("Brickhouse"));
    EXPECT_EQ(window.mnuRecentItems[1]->text(), QStringLiteral("Gadfly"));
    EXPECT_TRUE(User.Messages.isEmpty());
    EXPECT_TRUE(Errors.Texts().isEmpty());
}

TEST_F(FileCommandsTest, ABrokenDesignShowsItsErrorAndLeavesTheOpenDesignAndItsFileName)
{
    TfrmMain& window = StartWithOpenDialog({Design("Gadfly.vx")});
    const QString broken = Design("Broken.vx");
    {
        QFile file(broken);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("[Body]\r\nBodyType=No such body\r\n");
    }
    const QByteArray brokenContent = Content(broken);
    const QString costShown = window.lblCostVal->text();
    User.Files = {broken};
    window.acLoad->trigger();

    // The box shows the line break as a new line.
    EXPECT_EQ(User.Messages,
              QStringList({QStringLiteral("Error loading file Broken.vx:\nBody Type 'No such body' not found")}));
    EXPECT_EQ(FileName, Design("Gadfly.vx"));
    EXPECT_EQ(LastFiles[0], Design("Gadfly.vx"));
    EXPECT_TRUE(LastFiles[1].isEmpty());
    EXPECT_EQ(window.Vehicle().Name, QStringLiteral("Gadfly"));
    EXPECT_EQ(window.lblCostVal->text(), costShown);

    // The next save goes to the design's own file, never to the broken one.
    User.Buttons = {QStringLiteral("OK")};
    window.acSave->trigger();
    EXPECT_EQ(User.Messages.last(), QStringLiteral("Vehicle saved"));
    EXPECT_EQ(Content(broken), brokenContent);
    EXPECT_TRUE(Content(Design("Gadfly.vx")).contains("Name=Gadfly"));
}

TEST_F(FileCommandsTest, CancellingTheOpenDialogOpensNothing)
{
    TfrmMain& window = StartWithOpenDialog({Design("Gadfly.vx")});
    window.acLoad->trigger();
    EXPECT_EQ(User.Offered, QStringList({Design("Gadfly.vx")}));
    EXPECT_EQ(FileName, Design("Gadfly.vx"));
    EXPECT_EQ(window.Vehicle().Name, QStringLiteral("Gadfly"));
}

TEST_F(FileCommandsTest, AFailedOpponentLoadLeavesTheOpponentAndItsHint)
{
    TfrmMain& window = StartWithOpenDialog();
    const QString enemy = Enemy;
    const QString hint = window.btnLoadOpponent->toolTip();
    const QString broken = Design("Broken.vx");
    {
        QFile file(broken);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("[Body]\r\nBodyType=No such body\r\n");
    }
    window.FileLoad(broken, true);
    EXPECT_EQ(User.Messages.size(), 1);
    EXPECT_EQ(Enemy, enemy);
    EXPECT_EQ(window.btnLoadOpponent->toolTip(), hint);
    EXPECT_TRUE(FileName.isEmpty());
}

// The platform's save dialog, as the program runs it: its title, the folder
// it starts in and the name it offers.
TEST_F(FileCommandsTest, TheSaveDialogStartsInDesignsWithTheSuggestedName)
{
    TfrmMain& window = StartWithOpenDialog();
    window.edTextName->setText(QStringLiteral("Dune Buggy"));
    TFileDialog::Runner = &TFileDialog::RunFileDialog;
    QString title;
    QString folder;
    QStringList offered;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        title = dialog->windowTitle();
        folder = dialog->directory().absolutePath();
        offered = dialog->selectedFiles();
        dialog->reject();
    });
    window.acSaveAs->trigger();
    EXPECT_EQ(title, QStringLiteral("Select a filename to save your vehicle into"));
    EXPECT_EQ(folder, Path(QStringLiteral("Designs")));
    EXPECT_EQ(offered, QStringList({Design("DuneBuggy.vx")}));
    EXPECT_TRUE(FileName.isEmpty());
}

} // namespace

namespace {

// A long description, with or without blanks, opens whole: the description
// box and the record sheet's text hold every character of it.
TEST_F(FileCommandsTest, ALongDescriptionOpensWhole)
{
    TfrmMain& window = Start();
    window.show();
    for (const QString& text : {QStringLiteral("x").repeated(100000), QStringLiteral("word ").repeated(20000) + "end",
                                QStringLiteral("y").repeated(999) + QStringLiteral(" z").repeated(500)}) {
        window.Vehicle().Comment = text;
        ASSERT_TRUE(window.Vehicle().Save(Design("Long.vx")));
        ASSERT_EQ(window.FileLoad(Design("Long.vx"), false), TfrmMain::TFileLoad::Opened);
        QCoreApplication::processEvents();
        EXPECT_EQ(window.Vehicle().Comment, text);
        EXPECT_EQ(window.edTextDescription->toPlainText(), text);
        EXPECT_TRUE(window.edRecordSheet->toPlainText().contains(QLatin1Char('\n') + text + QLatin1Char('\n')));
    }
}

} // namespace

namespace {

// A name and an author longer than a line edit takes by default open whole.
TEST_F(FileCommandsTest, ALongNameAndAuthorOpenWhole)
{
    TfrmMain& window = Start();
    const QString name = QStringLiteral("N").repeated(40000);
    const QString author = QStringLiteral("a b ").repeated(10000);
    window.Vehicle().Name = name;
    window.Vehicle().Author = author;
    ASSERT_TRUE(window.Vehicle().Save(Design("Long.vx")));
    window.acNew->trigger();
    ASSERT_EQ(window.FileLoad(Design("Long.vx"), false), TfrmMain::TFileLoad::Opened);
    EXPECT_EQ(window.Vehicle().Name, name);
    EXPECT_EQ(window.edTextName->text(), name);
    EXPECT_EQ(window.Vehicle().Author, author);
    EXPECT_EQ(window.edTextAuthor->text(), author);
}

} // namespace
