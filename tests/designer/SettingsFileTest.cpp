#include "DesignerWindow.h"
#include "ModalAnswers.h"
#include "common/FileSizeLimit.h"

#include "designer/PageControl.h"
#include "model/Global.h"
#include "model/Vehicle.h"
#include "platform/ProfileFile.h"

#include <QDir>
#include <QFileInfo>

#include <sys/stat.h>

namespace {

using SettingsFileTest = DesignerWindowTest;

TEST_F(SettingsFileTest, WithoutAFileEverySettingTakesItsDefault)
{
    TfrmMain& window = Start();
    EXPECT_EQ(Div, 15);
    EXPECT_FALSE(DivUse);
    EXPECT_EQ(Year, 2030);
    EXPECT_FALSE(YearUse);
    EXPECT_EQ(MaxHC, 3);
    EXPECT_FALSE(MaxHCUse);
    EXPECT_TRUE(AllowCA);
    EXPECT_TRUE(ConfettiNr);
    EXPECT_FALSE(AutoLoad);
    EXPECT_TRUE(ConfirmQuit);
    EXPECT_TRUE(DetailLoad);
    EXPECT_TRUE(ShowTitle);
    EXPECT_EQ(Username, QStringLiteral("<Designer>"));
    EXPECT_EQ(PrinterResX, 4761);
    EXPECT_EQ(DamageCaused, 2);
    EXPECT_EQ(CarFrameNr, 1);
    EXPECT_EQ(CarBodyView, 1);
    EXPECT_EQ(TargetView, 200);
    EXPECT_EQ(Enemy, Path(QStringLiteral("Designs/VezeRidiv.vx")));
    EXPECT_TRUE(FileName.isEmpty());
    for (const QString& last : LastFiles)
        EXPECT_TRUE(last.isEmpty());
    EXPECT_EQ(window.pcBody->ActivePageIndex(), 0);
    EXPECT_TRUE(Errors.Texts().isEmpty());
}

TEST_F(SettingsFileTest, ShutdownWritesEverySectionAndKeyInItsOrder)
{
    Start();
    Shutdown();
    const QString expected = QStringLiteral(
        "[AA]\r\nDiv=15\r\nDivUse=0\r\nYear=2030\r\nYearUse=0\r\nMaxHC=3\r\nMaxHCUse=0\r\nTankGun=0\r\nSubHC=0\r\n"
        "ConfettiNr=1\r\nAllowCA=1\r\n"
        "\r\n[Options]\r\nAutoLoad=0\r\nConfirmQuit=1\r\nConfirmSave=1\r\nShowTitle=1\r\nDetailLoad=1\r\n"
        "Username=<Designer>\r\nPrintFont=1\r\nOldLogo=0\r\nPrinterWeaponLoc=0\r\nPrinterRes=0\r\n"
        "PrinterResX=4761\r\nPrinterResY=6780\r\nRes600=0\r\nShowEff=0\r\nIgnoreAmmo=1\r\nAlwaysHit=0\r\n"
        "DamageCaused=2\r\n"
        "\r\n[Internal]\r\nFileName=\r\nCarFrameNr=1\r\nEnemyFrameNr=1\r\nLastFile_0=\r\nLastFile_1=\r\nLastFile_2=\r\n"
        "LastFile_3=\r\nLastFile_4=\r\nLastFile_5=\r\nLastFile_6=\r\nLastFile_7=\r\nLastFile_8=\r\nLastFile_9=\r\n"
        "\r\n[Test]\r\nTrace=0\r\nAttackTarget=0\r\nAttackLocation=0\r\nTargetFacing=0\r\nCarBodyView=1\r\n"
        "Enemy=%1\r\nTargetView=200\r\n");
    const QString written = QString::fromUtf8(ReadSettings());
    EXPECT_TRUE(written.startsWith(expected.arg(Path(QStringLiteral("Designs/VezeRidiv.vx")))))
        << written.toStdString();
    const TProfileFile ini(SettingsFile());
    EXPECT_EQ(ini.ReadSection(QStringLiteral("GUI")),
              QStringList({"WindowX", "WindowY", "LoadX", "LoadY", "LoadW", "LoadH", "LoadSort", "LoadSortInv",
                           "ImportX", "ImportY", "ImportW", "ImportH"}));
    EXPECT_EQ(ini.ReadSection(QStringLiteral("Tabs")),
              QStringList({"Testing", "Body", "Info", "Installed", "WeaponSelect", "Tires", "Crew", "Engine",
                           "Armor", "pc600"}));
    EXPECT_EQ(ini.ReadInteger(QStringLiteral("GUI"), QStringLiteral("LoadSort"), 99), -1);
}

TEST_F(SettingsFileTest, ASecondStartReadsBackWhatTheFirstWrote)
{
    TfrmMain& first = Start();
    Div = 20;
    DivUse = true;
    Username = QStringLiteral("Ann");
    LastFiles[0] = Path(QStringLiteral("Designs/a.vx"));
    first.pcArmor->SetActivePageIndex(2);
    first.pcInfo->SetActivePageIndex(1);
    first.move(40, 50);
    Shutdown();

    Div = 0;
    DivUse = false;
    Username.clear();
    LastFiles[0].clear();
    TfrmMain& second = Start();
    EXPECT_EQ(Div, 20);
    EXPECT_TRUE(DivUse);
    EXPECT_EQ(Username, QStringLiteral("Ann"));
    EXPECT_EQ(LastFiles[0], Path(QStringLiteral("Designs/a.vx")));
    EXPECT_EQ(second.pcArmor->ActivePageIndex(), 2);
    EXPECT_EQ(second.pcInfo->ActivePageIndex(), 1);
    EXPECT_EQ(second.x(), 40);
    EXPECT_EQ(second.y(), 50);
}

TEST_F(SettingsFileTest, ADamagedFileReadsAsDefaultsAndKeepsWhatItDoesNotKnow)
{
    WriteSettings("\xff\xfe garbage\r\n[AA]\r\nDiv=abc\r\nYear=2040\r\nMyOwnKey=kept\r\n[Mine]\r\nA=1\r\n"
                  "\r\n[Options]\r\nConfirmQuit=0\r\n[Tabs]\r\nBody=7\r\n");
    TfrmMain& window = Start();
    EXPECT_EQ(Div, 15);
    EXPECT_EQ(Year, 2040);
    EXPECT_FALSE(ConfirmQuit);
    // A page that the control does not have leaves no page shown.
    EXPECT_EQ(window.pcBody->ActivePageIndex(), -1);
    EXPECT_TRUE(Errors.Texts().isEmpty());
    Shutdown();

    const TProfileFile ini(SettingsFile());
    EXPECT_EQ(ini.ReadString(QStringLiteral("AA"), QStringLiteral("MyOwnKey"), QString()), QStringLiteral("kept"));
    EXPECT_EQ(ini.ReadInteger(QStringLiteral("Mine"), QStringLiteral("A"), 0), 1);
    EXPECT_EQ(ini.ReadInteger(QStringLiteral("AA"), QStringLiteral("Div"), 0), 15);
    EXPECT_EQ(ini.ReadInteger(QStringLiteral("Tabs"), QStringLiteral("Body"), 0), -1);
}

TEST_F(SettingsFileTest, BoundsApplyOnlyInPairsWithoutMinusOne)
{
    WriteSettings("[GUI]\r\nWindowX=-1\r\nWindowY=200\r\nLoadX=5\r\nLoadY=6\r\nLoadW=700\r\nLoadH=-1\r\n"
                  "LoadSort=-1\r\nLoadSortInv=1\r\n");
    TfrmMain& window = Start();
    const QPoint before = window.pos();
    EXPECT_NE(window.y(), 200);
    Shutdown();
    const TProfileFile ini(SettingsFile());
    const QString gui = QStringLiteral("GUI");
    EXPECT_EQ(ini.ReadInteger(gui, QStringLiteral("WindowX"), 0), before.x());
    EXPECT_EQ(ini.ReadInteger(gui, QStringLiteral("LoadX"), 0), 5);
    // The browser moved, but kept its own size: LoadH was not given.
    EXPECT_EQ(ini.ReadInteger(gui, QStringLiteral("LoadY"), 0), 6);
    EXPECT_EQ(ini.ReadInteger(gui, QStringLiteral("LoadW"), 0), 1000);
    EXPECT_EQ(ini.ReadInteger(gui, QStringLiteral("LoadH"), 0), 594);
    EXPECT_EQ(ini.ReadInteger(gui, QStringLiteral("LoadSort"), 0), -1);
    EXPECT_TRUE(ini.ReadBool(gui, QStringLiteral("LoadSortInv"), false));
}

// A remembered design that is not there at this start is not the open
// design's file: the window shows none, Save asks for a name (so that a file
// that comes back meanwhile is not overwritten), and the name is written back
// to reopen at the next start, as nothing else was opened.
TEST_F(SettingsFileTest, AutoLoadRemembersAFileThatIsMissingAtThisStartWithoutOpeningIt)
{
    WriteSettings("\r\n[Options]\r\nAutoLoad=1\r\n[Internal]\r\nFileName=Designs/Missing.vx\r\n");
    TfrmMain& window = Start();
    EXPECT_TRUE(FileName.isEmpty());
    EXPECT_FALSE(window.windowTitle().contains(QStringLiteral(" : "))) << window.windowTitle().toStdString();
    EXPECT_TRUE(Errors.Texts().isEmpty()) << Errors.Texts().join(QLatin1Char('\n')).toStdString();

    // The drive is mounted late: the design is there now.
    const QByteArray design = "[Body]\r\nBodyType=Van\r\n";
    ASSERT_TRUE(QDir().mkpath(Path(QStringLiteral("Designs"))));
    QFile file(Path(QStringLiteral("Designs/Missing.vx")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(design);
    file.close();
    {
        TModalAnswers user;
        window.acSave->trigger();
        window.acNew->trigger();
        window.acSave->trigger();
        // Both saves went to the save-as dialog, which was cancelled.
        EXPECT_EQ(user.Offered.size(), 2);
        EXPECT_TRUE(user.Messages.isEmpty()) << user.Messages.join(QLatin1Char('|')).toStdString();
    }
    EXPECT_TRUE(FileName.isEmpty());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), design);
    Shutdown();
    const TProfileFile ini(SettingsFile());
    EXPECT_EQ(ini.ReadString(QStringLiteral("Internal"), QStringLiteral("FileName"), QStringLiteral("x")),
              QStringLiteral("Designs/Missing.vx"));
}

// Once another design was opened or saved under a name, that one is the
// design to reopen, or none after New.
TEST_F(SettingsFileTest, AnotherDesignOpenedReplacesTheRememberedMissingFile)
{
    const QString gadfly = Path(QStringLiteral("Designs/Gadfly.vx"));
    const QString saved = Path(QStringLiteral("Designs/SavedAs.vx"));
    struct TCase {
        const char* Steps;
        QString Written;
    };
    for (const TCase& c : {TCase{"open", gadfly}, TCase{"open new", QString()}, TCase{"save-as", saved},
                           TCase{"save-as new", QString()}, TCase{"new", QStringLiteral("Designs/Missing.vx")}}) {
        SCOPED_TRACE(c.Steps);
        WriteSettings("[Options]\r\nAutoLoad=1\r\n[Internal]\r\nFileName=Designs/Missing.vx\r\n");
        TfrmMain& window = Start();
        {
            TModalAnswers user;
            QFile::remove(saved);
            user.Files = {saved};
            for (const QString& step : QString::fromLatin1(c.Steps).split(QLatin1Char(' '))) {
                if (step == QLatin1String("open"))
                    EXPECT_EQ(window.FileLoad(gadfly, false), TfrmMain::TFileLoad::Opened);
                else if (step == QLatin1String("save-as"))
                    window.acSaveAs->trigger();
                else
                    window.acNew->trigger();
            }
        }
        Shutdown();
        const TProfileFile ini(SettingsFile());
        EXPECT_EQ(ini.ReadString(QStringLiteral("Internal"), QStringLiteral("FileName"), QStringLiteral("x")),
                  c.Written);
    }
}

// The file is updated in place: comment lines, blank lines and lines the
// program does not know stay where they stood; only its own keys change.
TEST_F(SettingsFileTest, ShutdownUpdatesTheFileInPlace)
{
    WriteSettings("; Rigsmith settings, kept by hand\r\n"
                  "[AA]\r\n"
                  "; our club plays division 20\r\n"
                  "Div=20\r\n"
                  "DivUse=1\r\n"
                  "a line of notes\r\n"
                  "\r\n"
                  "[Mine]\r\n"
                  "; not the program's\r\n"
                  "Own=kept\r\n"
                  "\r\n"
                  "[Options]\r\n"
                  "ConfirmQuit=0\r\n");
    Start();
    Div = 25;
    Shutdown();
    const QByteArray written = ReadSettings();
    EXPECT_TRUE(written.startsWith("; Rigsmith settings, kept by hand\r\n"
                                   "[AA]\r\n"
                                   "; our club plays division 20\r\n"
                                   "Div=25\r\n"
                                   "DivUse=1\r\n"
                                   "a line of notes\r\n"
                                   "Year=2030\r\n"))
        << written.toStdString();
    EXPECT_TRUE(written.contains("AllowCA=1\r\n"
                                 "\r\n"
                                 "[Mine]\r\n"
                                 "; not the program's\r\n"
                                 "Own=kept\r\n"
                                 "\r\n"
                                 "[Options]\r\n"
                                 "ConfirmQuit=0\r\n"
                                 "AutoLoad=0\r\n"))
        << written.toStdString();
    // The sections the file lacked follow, as in a file written anew.
    EXPECT_TRUE(written.contains("DamageCaused=2\r\n\r\n[Internal]\r\n")) << written.toStdString();

    // A second shutdown with nothing changed writes the same file.
    Start();
    Shutdown();
    EXPECT_EQ(ReadSettings(), written);
}

TEST_F(SettingsFileTest, AFailedWriteIsReportedAndShutdownGoesOn)
{
    // A folder in the settings file's place cannot be replaced by a file.
    ASSERT_TRUE(QDir().mkpath(SettingsFile()));
    Start();
    Shutdown();
    ASSERT_EQ(Errors.Texts().size(), 1);
    EXPECT_TRUE(Errors.Texts()[0].startsWith(QStringLiteral("An error occured in WriteConfig:\r\n")))
        << Errors.Texts()[0].toStdString();
    EXPECT_TRUE(QFileInfo(SettingsFile()).isDir());
}

TEST_F(SettingsFileTest, AWriteThatDoesNotFitKeepsTheOldFileByteForByte)
{
    const QByteArray old = "[Options]\r\nAutoLoad=0\r\n[Custom]\r\nKept=1\r\n";
    WriteSettings(old);
    TfrmMain& window = Start();
    const QString result = RunWithFileSizeLimit(64, [&] {
        window.WriteConfig();
        return Errors.Texts().join(QLatin1Char('|'));
    });
    // The box names the file that could not be written.
    EXPECT_EQ(result, QStringLiteral("An error occured in WriteConfig:\r\n%1: File too large").arg(SettingsFile()));
    EXPECT_EQ(ReadSettings(), old);
    EXPECT_EQ(QFileInfo(SettingsFile()).dir().entryList({QStringLiteral("rigsmith.ini*")}, QDir::Files | QDir::Hidden),
              QStringList({"rigsmith.ini"}));
}

TEST_F(SettingsFileTest, APipeInTheSettingsFilesPlaceHoldsNothingUpAndStays)
{
    ASSERT_EQ(mkfifo(QFile::encodeName(SettingsFile()).constData(), 0600), 0);
    Start();
    Shutdown();
    EXPECT_EQ(Errors.Texts(),
              QStringList({QStringLiteral("An error occured in WriteConfig:\r\n'%1' is not a regular file")
                               .arg(SettingsFile())}));
    EXPECT_FALSE(QFileInfo(SettingsFile()).isFile());
}

TEST_F(SettingsFileTest, WithoutAutoLoadTheStoredFileNameIsIgnoredAndTheOpenDesignIsWrittenBack)
{
    WriteSettings("[Options]\r\nAutoLoad=0\r\n[Internal]\r\nFileName=Designs/Gadfly.vx\r\n");
    Start();
    EXPECT_TRUE(FileName.isEmpty());
    Shutdown();
    const TProfileFile first(SettingsFile());
    EXPECT_EQ(first.ReadString(QStringLiteral("Internal"), QStringLiteral("FileName"), QStringLiteral("x")),
              QString());

    const QString design = Path(QStringLiteral("Designs/Brickhouse.vx"));
    Start({design});
    Shutdown();
    const TProfileFile second(SettingsFile());
    EXPECT_EQ(second.ReadString(QStringLiteral("Internal"), QStringLiteral("FileName"), QString()), design);
}

} // namespace

namespace {

// A settings file of comment lines alone was read: it holds no section, so
// every setting takes its default, nothing is moved aside and the comments
// stay in the file written at shutdown.
TEST_F(SettingsFileTest, AFileOfCommentsAloneIsReadAndKept)
{
    WriteSettings("; settings of the club machine\r\n\r\n  ; do not remove\r\n");
    Start();
    EXPECT_TRUE(Errors.Texts().isEmpty()) << Errors.Texts().join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(Div, 15);
    Shutdown();
    EXPECT_FALSE(QFileInfo::exists(SettingsFile() + QStringLiteral(".bak")));
    EXPECT_TRUE(ReadSettings().startsWith("; settings of the club machine\r\n\r\n  ; do not remove\r\n"))
        << ReadSettings().toStdString();
}

// A file name holding a line break, in every form, is remembered whole and
// reopens; a file of an older version, which holds such a name with blanks,
// and one whose name was edited by hand since, read as they stand.
TEST_F(SettingsFileTest, AFileNameHoldingALineBreakIsRememberedWhole)
{
    for (const char* name : {"two\nlines.vx", "two\r\nlines.vx", "two\rlines.vx", "trailing\n.vx", "\n\n%41.vx"}) {
        const QString file = Path(QStringLiteral("Designs/") + QString::fromLatin1(name));
        SCOPED_TRACE(QString(file).replace(QLatin1Char('\n'), QStringLiteral("\\n")).toStdString());
        ASSERT_TRUE(QFile::copy(Path(QStringLiteral("Designs/Gadfly.vx")), file));
        WriteSettings("[Options]\r\nAutoLoad=1\r\n");
        TfrmMain& first = Start();
        ASSERT_EQ(first.FileLoad(file, false), TfrmMain::TFileLoad::Opened);
        Username = QStringLiteral("Ann\nBee");
        Shutdown();

        TfrmMain& second = Start();
        EXPECT_EQ(FileName, file);
        EXPECT_EQ(LastFiles[0], file);
        EXPECT_EQ(Username, QStringLiteral("Ann\nBee"));
        EXPECT_EQ(second.Vehicle().Name, QStringLiteral("Gadfly"));
        Shutdown();
        QFile::remove(file);
    }
    const QString older = QStringLiteral("[Internal]\r\nLastFile_0=two lines.vx\r\n");
    const QString edited =
        QStringLiteral("[Internal]\r\nLastFile_0=other.vx\r\nLastFile_0.Exact=two%0Alines.vx\r\n");
    for (const QString& settings : {older, edited}) {
        WriteSettings(settings.toUtf8());
        Start();
        EXPECT_EQ(LastFiles[0], settings == older ? QStringLiteral("two lines.vx") : QStringLiteral("other.vx"));
        Shutdown();
    }
}

} // namespace
