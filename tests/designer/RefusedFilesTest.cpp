// Files the program accepts as files but cannot work with: designs whose
// figures cannot be computed, settings out of their range or in a form the
// reader must still take, and settings it cannot read at all.

#include "DesignerWindow.h"
#include "ModalAnswers.h"

#include "designer/DesignLimits.h"
#include "gamecar/GameCar.h"
#include "model/Global.h"
#include "model/Vehicle.h"
#include "platform/ProfileFile.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QFileInfo>
#include <QTreeWidget>
#include <QPushButton>
#include <QTest>

namespace {

class RefusedFilesTest : public DesignerWindowTest
{
protected:
    // A copy of the sample design with one value of one key replaced.
    QString DesignWith(const char* section, const char* key, const QByteArray& value,
                       const char* name = "Big.vx") const
    {
        QFile sample(Path(QStringLiteral("Designs/Gadfly.vx")));
        EXPECT_TRUE(sample.open(QIODevice::ReadOnly));
        TProfileFile design(sample.fileName());
        design.WriteString(QLatin1String(section), QLatin1String(key), QString::fromLatin1(value));
        const QString path = Path(QStringLiteral("Designs/") + QLatin1String(name));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(design.ToBytes());
        return path;
    }

    static QString Refusal(const char* section, const char* key)
    {
        // The box shows the text's line breaks as lines.
        return QStringLiteral("Error loading file Big.vx:\nThe design's figures cannot be computed: Arithmetic "
                              "overflow\nThe value 2147483647 of [%1] %2 is out of range")
            .arg(QLatin1String(section), QLatin1String(key));
    }

    TModalAnswers User;
};

TEST_F(RefusedFilesTest, ADesignWhoseFiguresOverflowIsRefusedAndTheOpenDesignStaysWithItsFileName)
{
    const QString gadfly = Path(QStringLiteral("Designs/Gadfly.vx"));
    WriteSettings("[Options]\r\nDetailLoad=0\r\n");
    TfrmMain& window = Start({gadfly});
    const QString cost = window.lblCostVal->text();
    const QString caption = window.windowTitle();
    const struct {
        const char* Section;
        const char* Key;
    } cases[] = {
        {"Armor", "Front"}, {"TiresFront", "Guards"}, {"PowerCellEngine", "ISC"}, {"Weapon_0", "CA"}, {"Crew_0", "CA"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Key);
        User.Messages.clear();
        User.Files = {DesignWith(c.Section, c.Key, "2147483647")};
        window.acLoad->trigger();
        EXPECT_EQ(User.Messages.join(QLatin1Char('|')).toStdString(), Refusal(c.Section, c.Key).toStdString());
        EXPECT_EQ(FileName, gadfly);
        EXPECT_EQ(LastFiles[0], gadfly);
        EXPECT_TRUE(LastFiles[1].isEmpty());
        EXPECT_EQ(window.Vehicle().Name, QStringLiteral("Gadfly"));
        EXPECT_EQ(window.edTextName->text(), QStringLiteral("Gadfly"));
        EXPECT_EQ(window.lblCostVal->text(), cost);
        EXPECT_EQ(window.windowTitle(), caption);
    }
    EXPECT_TRUE(Errors.Texts().isEmpty()) << Errors.Texts().join(QLatin1Char('\n')).toStdString();
    Shutdown();
    const TProfileFile ini(SettingsFile());
    EXPECT_EQ(ini.ReadString(QStringLiteral("Internal"), QStringLiteral("FileName"), QString()), gadfly);
}

// A name of megabytes (within the bound of a design file) is refused with a
// message that quotes its start.
TEST_F(RefusedFilesTest, AVeryLongBadValueIsCutInTheBox)
{
    WriteSettings("[Options]\r\nDetailLoad=0\r\n");
    TfrmMain& window = Start();
    User.Files = {DesignWith("Body", "BodyType", QByteArray(64, 'x') + QByteArray(3 << 20, 'y'))};
    window.acLoad->trigger();
    EXPECT_EQ(User.Messages.join(QLatin1Char('|')),
              QStringLiteral("Error loading file Big.vx:\nBody Type '%1\u2026' not found").arg(QString(64, u'x')));
    EXPECT_TRUE(FileName.isEmpty());
}

// Two values that overflow each alone: neither is named as the one to blame,
// and the trials that look for it leave the file as it was read.
TEST_F(RefusedFilesTest, TwoValuesOutOfRangeNameNoKey)
{
    DesignWith("Armor", "Front", "2147483647");
    TProfileFile design(Path(QStringLiteral("Designs/Big.vx")));
    design.WriteString(QStringLiteral("Armor"), QStringLiteral("Back"), QStringLiteral("2147483647"));
    ASSERT_TRUE(design.Save());
    WriteSettings("[Options]\r\nDetailLoad=0\r\n");
    TfrmMain& window = Start();
    User.Files = {design.FileName()};
    window.acLoad->trigger();
    EXPECT_EQ(User.Messages.join(QLatin1Char('|')).toStdString(),
              "Error loading file Big.vx:\nThe design's figures cannot be computed: Arithmetic overflow");
    EXPECT_TRUE(FileName.isEmpty());
}

TEST_F(RefusedFilesTest, ARefusedStartDesignGivesTheMessageThenTheNewDesign)
{
    const QString big = DesignWith("Armor", "Front", "2147483647");
    const struct {
        const char* Settings;
        QStringList Arguments;
    } cases[] = {
        {"[Options]\r\nAutoLoad=0\r\n", {big}},
        {"[Options]\r\nAutoLoad=1\r\n[Internal]\r\nFileName=Designs/Big.vx\r\n", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Settings);
        User.Messages.clear();
        WriteSettings(c.Settings);
        TfrmMain& window = Start(c.Arguments);
        EXPECT_EQ(User.Messages.join(QLatin1Char('|')).toStdString(), Refusal("Armor", "Front").toStdString());
        EXPECT_TRUE(FileName.isEmpty());
        EXPECT_TRUE(LastFiles[0].isEmpty());
        EXPECT_EQ(window.cbBodyType->currentText(), BodyTypes.Items[0].Name);
        EXPECT_EQ(window.Vehicle().Armor.Front, 0);
        Shutdown();
        // The next start opens nothing: the refused file was not remembered.
        const TProfileFile ini(SettingsFile());
        EXPECT_EQ(ini.ReadString(QStringLiteral("Internal"), QStringLiteral("FileName"), QStringLiteral("x")),
                  QString());
    }
    EXPECT_TRUE(Errors.Texts().isEmpty()) << Errors.Texts().join(QLatin1Char('\n')).toStdString();
}

// A refused opponent gives its box once: the default opponent stands in, and
// the refused one is not remembered for the next start.
TEST_F(RefusedFilesTest, ARefusedOpponentFallsBackToTheDefaultOneAndIsNotRemembered)
{
    const QString big = DesignWith("Armor", "Front", "2147483647");
    const QString fallback = Path(QStringLiteral("Designs/VezeRidiv.vx"));
    WriteSettings("[Test]\r\nEnemy=" + big.toUtf8() + "\r\n");
    TfrmMain& window = Start();
    EXPECT_EQ(User.Messages.join(QLatin1Char('|')).toStdString(), Refusal("Armor", "Front").toStdString());
    EXPECT_EQ(Enemy, fallback);
    TVehicle expected;
    QString err;
    expected.Load(fallback, err);
    ASSERT_TRUE(err.isEmpty());
    EXPECT_EQ(EnemyCar->Vehicle->Name, expected.Name);
    EXPECT_EQ(EnemyCar->Vehicle->Armor.Front, expected.Armor.Front);
    EXPECT_EQ(window.btnLoadOpponent->statusTip(),
              QStringLiteral("Decide which opponent to load. Current: VezeRidiv"));
    // A test reset reloads the opponent without the box.
    User.Messages.clear();
    window.acTestReset->trigger();
    EXPECT_TRUE(User.Messages.isEmpty()) << User.Messages.join(QLatin1Char('|')).toStdString();
    Shutdown();
    EXPECT_EQ(TProfileFile(SettingsFile()).ReadString(QStringLiteral("Test"), QStringLiteral("Enemy"), QString()),
              fallback);
    EXPECT_TRUE(Errors.Texts().isEmpty()) << Errors.Texts().join(QLatin1Char('\n')).toStdString();
}

// An opponent chosen while the program runs that is refused gives its box
// once: the opponent loaded before stays, as does the setting that names it,
// and no box comes back at the next reset.
TEST_F(RefusedFilesTest, ARefusedOpponentChoiceKeepsTheOpponentLoadedBeforeAndItsSetting)
{
    const QString gadfly = Path(QStringLiteral("Designs/Gadfly.vx"));
    const struct {
        const char* Section;
        const char* Key;
        QByteArray Value;
        QString Message;
    } cases[] = {
        {"Armor", "Back", "2147483647", Refusal("Armor", "Back")},
        {"Body", "BodyType", "Hovercraft", QStringLiteral("Error loading file Big.vx:\nBody Type 'Hovercraft' not found")},
    };
    WriteSettings("[Options]\r\nDetailLoad=0\r\n[Test]\r\nAttackTarget=3\r\n");
    TfrmMain& window = Start();
    window.show();
    window.pcTesting->SetActivePageIndex(1);
    ASSERT_TRUE(window.btnLoadOpponent->isVisible());
    User.Files = {gadfly};
    QTest::mouseClick(window.btnLoadOpponent, Qt::LeftButton);
    ASSERT_EQ(Enemy, gadfly);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Key);
        User.Messages.clear();
        User.Files = {DesignWith(c.Section, c.Key, c.Value)};
        QTest::mouseClick(window.btnLoadOpponent, Qt::LeftButton);
        EXPECT_EQ(User.Messages.join(QLatin1Char('|')).toStdString(), c.Message.toStdString());
        EXPECT_EQ(Enemy, gadfly);
        EXPECT_EQ(EnemyCar->Vehicle->Name, QStringLiteral("Gadfly"));
        EXPECT_EQ(window.btnLoadOpponent->statusTip(), QStringLiteral("Decide which opponent to load. Current: Gadfly"));

        User.Messages.clear();
        QTest::mouseClick(window.btnReset, Qt::LeftButton);
        EXPECT_TRUE(User.Messages.isEmpty()) << User.Messages.join(QLatin1Char('|')).toStdString();
        // A design opened afterwards resets the test without the box either.
        window.FileLoad(gadfly, false);
        EXPECT_TRUE(User.Messages.isEmpty()) << User.Messages.join(QLatin1Char('|')).toStdString();
        EXPECT_EQ(EnemyCar->Vehicle->Name, QStringLiteral("Gadfly"));
    }
    window.hide();
    Shutdown();
    EXPECT_EQ(TProfileFile(SettingsFile()).ReadString(QStringLiteral("Test"), QStringLiteral("Enemy"), QString()),
              gadfly);
    EXPECT_TRUE(Errors.Texts().isEmpty()) << Errors.Texts().join(QLatin1Char('\n')).toStdString();
}

// The opponent's own file, refused at a reset (it was changed since it was
// loaded), falls back to the default opponent as at start: one box.
TEST_F(RefusedFilesTest, AnOpponentRefusedAtAResetFallsBackToTheDefaultOne)
{
    const QString fallback = Path(QStringLiteral("Designs/VezeRidiv.vx"));
    const QString chosen = DesignWith("Armor", "Front", "25", "Chosen.vx");
    WriteSettings("[Test]\r\nEnemy=" + chosen.toUtf8() + "\r\n");
    TfrmMain& window = Start();
    window.show();
    ASSERT_EQ(Enemy, chosen);
    ASSERT_TRUE(User.Messages.isEmpty()) << User.Messages.join(QLatin1Char('|')).toStdString();
    DesignWith("Armor", "Front", "2147483647", "Chosen.vx");

    window.acTestReset->trigger();
    EXPECT_EQ(User.Messages.join(QLatin1Char('|')).toStdString(),
              Refusal("Armor", "Front").replace(QStringLiteral("Big.vx"), QStringLiteral("Chosen.vx")).toStdString());
    EXPECT_EQ(Enemy, fallback);
    EXPECT_EQ(EnemyCar->Vehicle->Name, QStringLiteral("Veze Ridiv"));
    User.Messages.clear();
    window.acTestReset->trigger();
    EXPECT_TRUE(User.Messages.isEmpty()) << User.Messages.join(QLatin1Char('|')).toStdString();
    window.hide();
    Shutdown();
    EXPECT_EQ(TProfileFile(SettingsFile()).ReadString(QStringLiteral("Test"), QStringLiteral("Enemy"), QString()),
              fallback);
}

// Every number of the settings at either end of the integers: the program
// starts, recalculates and quits without a box.
TEST_F(RefusedFilesTest, NoSettingsValueStopsTheProgram)
{
    for (const char* value : {"2147483647", "-2147483648"}) {
        SCOPED_TRACE(value);
        QByteArray settings;
        for (const char* section : {"AA", "Options", "Internal", "Test", "GUI", "Tabs"}) {
            settings += QByteArray("[") + section + "]\r\n";
            if (qstrcmp(section, "Options") == 0)
                settings += "ConfirmQuit=0\r\nShowTitle=0\r\n";
            for (const char* key : {"Div", "DivUse", "Year", "YearUse", "MaxHC", "MaxHCUse", "PrinterResX",
                                    "PrinterResY", "DamageCaused", "CarFrameNr", "EnemyFrameNr", "AttackTarget",
                                    "AttackLocation", "TargetFacing", "CarBodyView", "TargetView", "WindowX",
                                    "WindowY", "LoadX", "LoadY", "LoadW", "LoadH", "LoadSort", "ImportX", "ImportY",
                                    "ImportW", "ImportH", "Testing", "Body", "Info", "Installed", "WeaponSelect",
                                    "Tires", "Crew", "Engine", "Armor", "pc600"})
                settings += QByteArray(key) + "=" + value + "\r\n";
        }
        WriteSettings(settings);
        Errors.Clear();
        TfrmMain& window = Start({Path(QStringLiteral("Designs/Gadfly.vx"))});
        window.show();
        EXPECT_EQ(window.Vehicle().Name, QStringLiteral("Gadfly"));
        EXPECT_TRUE(window.close());
        EXPECT_TRUE(Errors.Texts().isEmpty()) << Errors.Texts().join(QLatin1Char('\n')).toStdString();
        EXPECT_TRUE(User.Messages.isEmpty()) << User.Messages.join(QLatin1Char('\n')).toStdString();
        FWindow.reset();
    }
}

// The limits are kept as the file holds them, and written back so; only a
// division whose cost limit would overflow is brought to the largest that
// does not. The limits dialog brings them into its ranges when it closes.
TEST_F(RefusedFilesTest, TheDesignLimitsAreKeptAsReadButForADivisionThatOverflows)
{
    const struct {
        const char* Settings;
        int Div;
        int Year;
        int MaxHC;
        int DialogDiv;
        int DialogYear;
        int DialogMaxHC;
    } cases[] = {
        {"Div=2147484\r\nYear=2020\r\nMaxHC=120\r\n", 2147483, 2020, 120, 90, 2030, 99},
        // The dialog shows the division as 0, which a ticked Division makes 15.
        {"Div=-2147484\r\nYear=2147483647\r\nMaxHC=-2147483648\r\n", -2147483, 2147483647, -2147483647 - 1, 15,
         4000, 0},
        {"Div=100\r\nYear=99999\r\nMaxHC=-1\r\n", 100, 99999, -1, 90, 4000, 0},
        {"Div=35\r\nYear=2100\r\nMaxHC=4\r\n", 35, 2100, 4, 35, 2100, 4},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Settings);
        WriteSettings(QByteArray("[AA]\r\nDivUse=1\r\nYearUse=1\r\nMaxHCUse=1\r\n") + c.Settings);
        TfrmMain& window = Start();
        EXPECT_EQ(Div, c.Div);
        EXPECT_EQ(Year, c.Year);
        EXPECT_EQ(MaxHC, c.MaxHC);
        EXPECT_TRUE(window.windowTitle().contains(QStringLiteral("(Div %1)").arg(c.Div)))
            << window.windowTitle().toStdString();
        Shutdown();
        const TProfileFile written(SettingsFile());
        EXPECT_EQ(written.ReadInteger(QStringLiteral("AA"), QStringLiteral("Div"), 0), c.Div);
        EXPECT_EQ(written.ReadInteger(QStringLiteral("AA"), QStringLiteral("Year"), 0), c.Year);
        EXPECT_EQ(written.ReadInteger(QStringLiteral("AA"), QStringLiteral("MaxHC"), 0), c.MaxHC);

        Start();
        {
            TfrmConfig dialog;
            dialog.show();
            dialog.close();
        }
        EXPECT_EQ(Div, c.DialogDiv);
        EXPECT_EQ(Year, c.DialogYear);
        EXPECT_EQ(MaxHC, c.DialogMaxHC);
        FWindow.reset();
    }
    EXPECT_TRUE(Errors.Texts().isEmpty()) << Errors.Texts().join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(User.Messages.isEmpty()) << User.Messages.join(QLatin1Char('\n')).toStdString();
}

// The settings file as some editors save it: every setting and every section
// the program does not know is read and written back as it was meant.
TEST_F(RefusedFilesTest, SettingsWithCrLineEndsOrInUtf16KeepEverySettingAndSection)
{
    const QString text = QStringLiteral("[Options]\r\nConfirmQuit=0\r\nUsername=Zo\u00EB\r\n[Mine]\r\nOwn=kept\r\n");
    QByteArray utf16("\xFF\xFE");
    for (const QChar c : text) {
        utf16 += char(c.unicode() & 0xFF);
        utf16 += char(c.unicode() >> 8);
    }
    // A line added by an editor that saves in the ANSI code page leaves the
    // lines of UTF-8 as they were.
    const QByteArray mixed = text.toUtf8() + "[Other]\r\nPlace=Caf\xE9\r\n";
    for (const QByteArray& form : {text.toUtf8().replace("\r\n", "\r"), utf16, mixed}) {
        WriteSettings(form);
        Start();
        EXPECT_FALSE(ConfirmQuit);
        EXPECT_EQ(Username, QStringLiteral("Zo\u00EB"));
        Shutdown();
        const TProfileFile ini(SettingsFile());
        EXPECT_EQ(ini.ReadString(QStringLiteral("Mine"), QStringLiteral("Own"), QString()), QStringLiteral("kept"));
        EXPECT_EQ(ini.ReadString(QStringLiteral("Options"), QStringLiteral("ConfirmQuit"), QString()),
                  QStringLiteral("0"));
        EXPECT_EQ(ini.ReadString(QStringLiteral("Options"), QStringLiteral("Username"), QString()),
                  QStringLiteral("Zo\u00EB"));
    }
    EXPECT_TRUE(Errors.Texts().isEmpty()) << Errors.Texts().join(QLatin1Char('\n')).toStdString();
}

TEST_F(RefusedFilesTest, UnreadableSettingsAreKeptBesideTheFileAndTheUserIsTold)
{
    QByteArray utf16WithoutMark;
    for (const char c : QByteArray("[Options]\r\nUsername=Zo\r\n")) {
        utf16WithoutMark += c;
        utf16WithoutMark += '\0';
    }
    // A NUL in a line would drop the line, one in a section header would put
    // its keys into the section before it: neither is read.
    static const char nulInLine[] = "[Options]\r\nUsername=Z\0o\r\nConfirmSave=0\r\n";
    static const char nulInHeader[] = "[AA]\r\nDiv=20\r\n[Opt\0ions]\r\nConfirmSave=0\r\n";
    const QByteArray forms[] = {QByteArray("\x01\x02 settings of some other program \x9F\xFF", 37),
                                utf16WithoutMark, QByteArray(nulInLine, sizeof(nulInLine) - 1),
                                QByteArray(nulInHeader, sizeof(nulInHeader) - 1)};
    QFile earlier(SettingsFile() + QStringLiteral(".bak"));
    ASSERT_TRUE(earlier.open(QIODevice::WriteOnly));
    earlier.write("an earlier one");
    earlier.close();
    for (const QByteArray& unreadable : forms) {
        SCOPED_TRACE(unreadable.toHex().toStdString());
        QFile::remove(SettingsFile() + QStringLiteral(".bak2"));
        Errors.Clear();
        WriteSettings(unreadable);
        Start();
        EXPECT_EQ(Errors.Texts(),
                  QStringList({QStringLiteral("An error occured in ReadConfig:\r\nThe settings file %1 could not be "
                                              "read; the settings start from their defaults, and the file is kept as "
                                              "%1.bak2")
                                   .arg(SettingsFile())}));
        EXPECT_EQ(Username, QStringLiteral("<Designer>"));
        EXPECT_EQ(Div, 15);
        EXPECT_TRUE(ConfirmSave);
        Shutdown();
        // Written anew from the settings, nothing of the unreadable file in it.
        EXPECT_FALSE(ReadSettings().contains('\0'));
        EXPECT_TRUE(ReadSettings().startsWith("[AA]\r\nDiv=15\r\n")) << ReadSettings().left(40).toStdString();
        QFile kept(SettingsFile() + QStringLiteral(".bak2"));
        ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
        EXPECT_EQ(kept.readAll(), unreadable);
        ASSERT_TRUE(earlier.open(QIODevice::ReadOnly));
        EXPECT_EQ(earlier.readAll(), QByteArray("an earlier one"));
        earlier.close();
        EXPECT_TRUE(TProfileFile(SettingsFile()).SectionExists(QStringLiteral("Options")));
    }
}

} // namespace

namespace {

// A design holding a damaged byte is refused in the window with the file's
// name and the line's number, whichever line it is in; the open design stays
// with its file name and its description.
TEST_F(RefusedFilesTest, ADesignHoldingANulIsRefusedNamingTheFileAndTheLine)
{
    const QString gadfly = Path(QStringLiteral("Designs/Gadfly.vx"));
    WriteSettings("[Options]\r\nDetailLoad=0\r\n");
    TfrmMain& window = Start({gadfly});
    const QString description = window.edTextDescription->toPlainText();
    QFile sample(gadfly);
    ASSERT_TRUE(sample.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = sample.readAll().split('\n');
    for (const char* line : {"Comment=", "[Weapon_0]", "BodyType="}) {
        const QByteArray start(line);
        SCOPED_TRACE(start.constData());
        const auto found = std::find_if(lines.begin(), lines.end(), [&](const QByteArray& l) { return l.startsWith(start); });
        ASSERT_NE(found, lines.end());
        QList<QByteArray> damaged = lines;
        const qsizetype n = found - lines.begin();
        damaged[n].insert(start.size() - 1, '\0');
        QFile file(Path(QStringLiteral("Designs/Damaged.vx")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(damaged.join('\n'));
        file.close();
        User.Messages.clear();
        User.Files = {file.fileName()};
        window.acLoad->trigger();
        EXPECT_EQ(User.Messages,
                  QStringList({QStringLiteral("Error loading file Damaged.vx:\nLine %1 of the file is damaged: it "
                                              "holds a NUL character")
                                   .arg(n + 1)}));
        EXPECT_EQ(FileName, gadfly);
        EXPECT_EQ(window.Vehicle().Name, QStringLiteral("Gadfly"));
        EXPECT_EQ(window.edTextDescription->toPlainText(), description);
    }
    EXPECT_TRUE(Errors.Texts().isEmpty()) << Errors.Texts().join(QLatin1Char('\n')).toStdString();
}

} // namespace

namespace {

// A file far larger than any design is refused unread, with its reason,
// whichever way it is opened; the open design stays.
TEST_F(RefusedFilesTest, AFileLargerThanAnyDesignIsRefusedWhateverOpensIt)
{
    const QString gadfly = Path(QStringLiteral("Designs/Gadfly.vx"));
    const QString huge = Path(QStringLiteral("Designs/Huge.vx"));
    {
        QFile sample(gadfly);
        ASSERT_TRUE(sample.open(QIODevice::ReadOnly));
        QByteArray bytes = sample.readAll() + "[Notes]\r\n";
        while (bytes.size() <= LargestDesignFile)
            bytes += "; " + QByteArray(100, 'x') + "\r\n";
        QFile file(huge);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    const QString refusal = QStringLiteral("Error loading file Huge.vx:\nThe file holds %1 bytes, more than the "
                                           "4194304 a design file may hold")
                                .arg(QFileInfo(huge).size());
    const char* const ways[] = {"command line", "auto-load", "open dialog", "browser", "recent list"};
    for (const char* way : ways) {
        SCOPED_TRACE(way);
        const QString w = QLatin1String(way);
        User.Messages.clear();
        if (w == QLatin1String("command line")) {
            Start({huge});
        } else if (w == QLatin1String("auto-load")) {
            WriteSettings(QStringLiteral("[Options]\r\nAutoLoad=1\r\n[Internal]\r\nFileName=%1\r\n").arg(huge).toUtf8());
            Start();
        } else {
            WriteSettings(QStringLiteral("[Options]\r\nDetailLoad=%1\r\n[Internal]\r\nLastFile_0=%2\r\n")
                              .arg(w == QLatin1String("browser") ? 1 : 0)
                              .arg(huge)
                              .toUtf8());
            TfrmMain& window = Start({gadfly});
            ASSERT_TRUE(User.Messages.isEmpty());
            if (w == QLatin1String("recent list")) {
                window.mnuRecentItems[1]->trigger();
            } else if (w == QLatin1String("open dialog")) {
                User.Files = {huge};
                window.acLoad->trigger();
            } else {
                User.Browse = [](TfrmLoad& browser) {
                    for (int i = 0; i < browser.lvVehicles->topLevelItemCount(); ++i)
                        if (browser.lvVehicles->topLevelItem(i)->text(10) == QLatin1String("Huge.vx"))
                            browser.lvVehicles->setCurrentItem(browser.lvVehicles->topLevelItem(i));
                    browser.lvVehiclesDblClick();
                };
                window.acLoad->trigger();
                EXPECT_EQ(User.Browse, nullptr);
            }
            EXPECT_EQ(FileName, gadfly);
            EXPECT_EQ(window.Vehicle().Name, QStringLiteral("Gadfly"));
        }
        EXPECT_EQ(User.Messages, QStringList({refusal}));
        Shutdown();
    }
    EXPECT_TRUE(Errors.Texts().isEmpty()) << Errors.Texts().join(QLatin1Char('\n')).toStdString();
}

} // namespace

namespace {

// A rules value too large for the figures is reported with its place and the
// program starts with the items read before it.
TEST_F(RefusedFilesTest, ARulesValueTooLargeForTheFiguresIsReportedAndTheProgramStarts)
{
    QFile bodies(Path(QStringLiteral("Data/BodyTypes.txt")));
    ASSERT_TRUE(bodies.open(QIODevice::ReadOnly));
    QByteArray bytes = bodies.readAll();
    bodies.close();
    const qsizetype compact = bytes.indexOf("[Compact]");
    const qsizetype price = bytes.indexOf("Price=", compact);
    ASSERT_TRUE(compact > 0 && price > compact);
    bytes.replace(price, bytes.indexOf('\n', price) - price, "Price=2147483647\r");
    ASSERT_TRUE(bodies.open(QIODevice::WriteOnly | QIODevice::Truncate));
    bodies.write(bytes);
    bodies.close();
    TfrmMain& window = Start();
    EXPECT_EQ(Errors.Texts(), QStringList({QStringLiteral("An error occured in ReadBodyTypes:\r\nData/BodyTypes.txt, "
                                                          "item \"Compact\", key \"Price\": '2147483647' is beyond "
                                                          "100000, the largest figure a rules value may hold")}));
    EXPECT_EQ(window.cbBodyType->count(), 1);
    EXPECT_EQ(window.cbBodyType->currentText(), QStringLiteral("Subcompact"));
}

} // namespace
