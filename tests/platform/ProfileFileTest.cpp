#include "common/FileSizeLimit.h"
#include "platform/ProfileFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/sysmacros.h>

namespace {

class ProfileFileTest : public ::testing::Test
{
protected:
    QString PathOf(const QString& name) const { return FDir.filePath(name); }

    void WriteBytes(const QString& path, const QByteArray& bytes) const
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(bytes), bytes.size());
    }

    QByteArray ReadBytes(const QString& path) const
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    TProfileFile Load(const QByteArray& bytes) const
    {
        const QString path = PathOf(QStringLiteral("test.ini"));
        WriteBytes(path, bytes);
        return TProfileFile(path);
    }

    QTemporaryDir FDir;
};

struct TLookupCase {
    const char* Section;
    const char* Key;
    const char* Expected;
};

TEST_F(ProfileFileTest, LooksUpSectionsAndKeysIgnoringCaseFirstMatchWinning)
{
    const TProfileFile ini = Load(
        "Stray=outside any section\n"
        "[Body]\n"
        "Name=Compact\n"
        "  Weight  =  1000  \n"
        "name=second key of that name\n"
        "; Comment=not a value\n"
        "no equals sign here\n"
        "Formula=a=b\n"
        "Double=\"quoted\"\n"
        "Single='quoted'\n"
        "Inner=\" blank edged \"\n"
        "Mixed=\"mismatched'\n"
        "Half=\"open\n"
        "Twice=\"\"twice\"\"\n"
        "Lone=\"\n"
        "[body]\n"
        "Name=second section of that name\n"
        "Extra=only here\n"
        "[Straße]\n"
        "Name=unicode\n");
    const TLookupCase cases[] = {
        {"Body", "Name", "Compact"},
        {"BODY", "NAME", "Compact"},
        {"Body", "weight", "1000"},
        {"Body", "Extra", "<absent>"},
        {"Body", "Stray", "<absent>"},
        {"Body", "; Comment", "<absent>"},
        {"Body", "Formula", "a=b"},
        {"Body", "Double", "quoted"},
        {"Body", "Single", "quoted"},
        {"Body", "Inner", " blank edged "},
        {"Body", "Mixed", "\"mismatched'"},
        {"Body", "Half", "\"open"},
        {"Body", "Twice", "\"twice\""},
        {"Body", "Lone", "\""},
        {"STRASSE", "Name", "<absent>"},
        {"STRAßE", "Name", "unicode"},
        {"Chassis", "Name", "<absent>"},
    };
    for (const TLookupCase& c : cases) {
        EXPECT_EQ(ini.ReadString(QString::fromUtf8(c.Section), QString::fromUtf8(c.Key), QStringLiteral("<absent>")),
                  QString::fromUtf8(c.Expected))
            << c.Section << "/" << c.Key;
    }
    EXPECT_TRUE(ini.ValueExists(QStringLiteral("body"), QStringLiteral("WEIGHT")));
    EXPECT_FALSE(ini.ValueExists(QStringLiteral("Body"), QStringLiteral("Extra")));
    EXPECT_TRUE(ini.SectionExists(QStringLiteral("bOdY")));
    EXPECT_FALSE(ini.SectionExists(QStringLiteral("Chassis")));
}

TEST_F(ProfileFileTest, ListsSectionsInFileOrderAndKeysOfTheFirstMatch)
{
    const TProfileFile ini = Load("[Overview]\nName=Bodies\n[Sedan]\nPrice=1\nYear=2\n"
                                  "[Van]\n[sedan]\nOther=3\n");
    EXPECT_EQ(ini.ReadSections(), QStringList({"Overview", "Sedan", "Van", "sedan"}));
    EXPECT_EQ(ini.ReadSection(QStringLiteral("SEDAN")), QStringList({"Price", "Year"}));
    EXPECT_EQ(ini.ReadSection(QStringLiteral("Van")), QStringList());
    EXPECT_EQ(ini.ReadSection(QStringLiteral("Missing")), QStringList());
}

TEST_F(ProfileFileTest, ReadsIntegersAndFlagsWithTheirDefaults)
{
    struct TCase {
        const char* Value;
        int Integer; // read with the default 7
        bool FlagIfTrue; // read with the default true
        bool FlagIfFalse; // read with the default false
    };
    const TCase cases[] = {
        {"12", 12, true, true},
        {"-5", -5, true, true},
        {"0", 0, false, false},
        {" 42 ", 42, true, true},
        {"'3'", 3, true, true},
        {"0x1F", 31, true, true},
        {"0X10", 16, true, true},
        {"$ff", 255, true, true},
        {"$FFFFFFFF", -1, true, true},
        {"12a", 7, true, false},
        {"1.5", 7, true, false},
        {"abc", 7, true, false},
        {"", 7, true, false},
        {"99999999999", 7, true, false},
    };
    for (const TCase& c : cases) {
        const TProfileFile ini = Load(QByteArray("[S]\nK=") + c.Value + "\n");
        const QString s = QStringLiteral("S"), k = QStringLiteral("K");
        EXPECT_EQ(ini.ReadInteger(s, k, 7), c.Integer) << c.Value;
        EXPECT_EQ(ini.ReadBool(s, k, true), c.FlagIfTrue) << c.Value;
        EXPECT_EQ(ini.ReadBool(s, k, false), c.FlagIfFalse) << c.Value;
    }
    const TProfileFile empty = Load("");
    EXPECT_EQ(empty.ReadInteger(QStringLiteral("S"), QStringLiteral("K"), 7), 7);
    EXPECT_TRUE(empty.ReadBool(QStringLiteral("S"), QStringLiteral("K"), true));
}

// The text in UTF-16 behind its byte-order mark, as some editors save it.
QByteArray Utf16(const QString& text, bool bigEndian)
{
    QByteArray bytes = bigEndian ? QByteArray("\xFE\xFF") : QByteArray("\xFF\xFE");
    for (const QChar c : text) {
        const char high = char(c.unicode() >> 8);
        const char low = char(c.unicode() & 0xFF);
        bytes += bigEndian ? QByteArray{&high, 1} + QByteArray{&low, 1} : QByteArray{&low, 1} + QByteArray{&high, 1};
    }
    return bytes;
}

TEST_F(ProfileFileTest, ReadsEveryLineEndTheByteOrderMarksAndWindows1252)
{
    struct TCase {
        QByteArray Bytes;
        QString Expected;
    };
    const TCase cases[] = {
        {"[S]\nK=lf\nL=2\n", QStringLiteral("lf|2")},
        {"[S]\r\nK=crlf\r\nL=2\r\n", QStringLiteral("crlf|2")},
        {"[S]\r\nK=no final line end\r\nL=2", QStringLiteral("no final line end|2")},
        {"\xEF\xBB\xBF[S]\r\nK=bom\r\nL=2\r\n", QStringLiteral("bom|2")},
        {"[S]\nK=Caf\xC3\xA9 \xE2\x82\xAC\nL=2\n", QString::fromUtf8("Café €|2")},
        {"[S]\nK=Caf\xE9 \x80\x96\x9F\nL=2\n", QString::fromUtf8("Café €–Ÿ|2")},
        {"[S]\nK=\x81\x8D\x8F\x90\x9D\nL=2\n", QStringLiteral(u"\u0081\u008D\u008F\u0090\u009D|2")},
        {"\xEF\xBB\xBF[S]\nK=\xE9\nL=2\n", QString::fromUtf8("é|2")},
        // A line in the ANSI code page among lines of UTF-8: each reads as
        // it was written.
        {"[S]\nK=Zo\xC3\xAB\nL=Caf\xE9\n", QString::fromUtf8("Zoë|Café")},
        {"\xEF\xBB\xBF[S]\r\nK=\xE2\x82\xAC\r\nL=\x80\r\n", QString::fromUtf8("€|€")},
        {"[S]\rK=cr\rL=2\r", QStringLiteral("cr|2")},
        {"[S]\rK=cr\n\rL=2", QStringLiteral("cr|2")},
        {"\xEF\xBB\xBF\xEF\xBB\xBF[S]\nK=marked twice\nL=2", QStringLiteral("marked twice|2")},
        {"[S]\r\n\rK=mixed\nL=2\r\n", QStringLiteral("mixed|2")},
        {Utf16(QStringLiteral("[S]\r\nK=Café €\r\nL=2\r\n"), false), QString::fromUtf8("Café €|2")},
        {Utf16(QStringLiteral("[S]\rK=big end\rL=2"), true), QStringLiteral("big end|2")},
    };
    for (const TCase& c : cases) {
        const TProfileFile ini = Load(c.Bytes);
        EXPECT_EQ(ini.ReadString(QStringLiteral("S"), QStringLiteral("K"), QString()) + QLatin1Char('|')
                      + ini.ReadString(QStringLiteral("S"), QStringLiteral("L"), QString()),
                  c.Expected)
            << c.Bytes.toStdString();
    }
}

TEST_F(ProfileFileTest, ALargeFileReadsTheSameAcrossItsPieces)
{
    // Far more than one piece of reading, with a CR LF and a two-byte letter
    // falling on every boundary somewhere.
    QByteArray bytes = "[S]\r\n";
    for (int i = 0; bytes.size() < 3 * 1024 * 1024; ++i)
        bytes += "K" + QByteArray::number(i) + "=\xC3\xA9" + QByteArray(i % 7, 'x') + "\r\n";
    bytes += "Last=end\r\n";
    const TProfileFile ini = Load(bytes);
    const QStringList keys = ini.ReadSection(QStringLiteral("S"));
    EXPECT_EQ(keys.size(), bytes.count("\r\n") - 1);
    EXPECT_EQ(ini.ReadString(QStringLiteral("S"), QStringLiteral("K100000"), QString()),
              QString::fromUtf8("é") + QString(100000 % 7, QLatin1Char('x')));
    EXPECT_EQ(ini.ReadString(QStringLiteral("S"), QStringLiteral("Last"), QString()), QStringLiteral("end"));
    EXPECT_FALSE(ini.Unreadable());
}

TEST_F(ProfileFileTest, GivenSectionsAloneAreKept)
{
    const TProfileFile whole = Load("[Text]\nName=A\n[Big]\nX=1\n[Preview]\nCost=5\n[text]\nName=B\n");
    const TProfileFile ini(whole.FileName(), {QStringLiteral("TEXT"), QStringLiteral("Preview")});
    EXPECT_EQ(ini.ReadSections(), QStringList({QStringLiteral("Text"), QStringLiteral("Preview"), QStringLiteral("text")}));
    EXPECT_EQ(ini.ReadString(QStringLiteral("Text"), QStringLiteral("Name"), QString()), QStringLiteral("A"));
    EXPECT_EQ(ini.ReadInteger(QStringLiteral("Preview"), QStringLiteral("Cost"), 0), 5);
    EXPECT_FALSE(ini.SectionExists(QStringLiteral("Big")));
}

TEST_F(ProfileFileTest, TextWithoutASectionIsUnreadableButNothingAtAllIsNot)
{
    const struct {
        QByteArray Bytes;
        bool Unreadable;
    } cases[] = {
        {"", false},
        {" \r\n\t\r\n", false},
        {"[S]\n", false},
        {"K=1\nL=2\n", true},
        // Comment lines alone: read, and no section in them.
        {"; kept by hand\r\n\r\n  ;[Options] left out\r\n", false},
        {"; kept by hand\r\nAutoLoad=1\r\n", true},
        {QByteArray("\x00\x01\x9F\xFF\x10garbage", 13), true},
        // UTF-16 without its byte-order mark: its bracketed lines hold NULs.
        {Utf16(QStringLiteral("[Options]\r\nAutoLoad=0\r\n"), false).mid(2), true},
        {Utf16(QStringLiteral("[Options]\r\nAutoLoad=0\r\n"), true).mid(2), true},
        {QByteArray("[S\0]\nK=1\n", 9), true},
        // A NUL in one line of a file that reads as sections.
        {QByteArray("[S]\nK=1\0\n", 9), true},
        {QByteArray("[S]\nK=1\n[T\0]\nL=2\n", 17), true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Load(c.Bytes).Unreadable(), c.Unreadable) << c.Bytes.toHex().toStdString();
    EXPECT_FALSE(TProfileFile(PathOf(QStringLiteral("absent.ini"))).Unreadable());
}

TEST_F(ProfileFileTest, TheFirstLineHoldingANulIsCountedWhateverTheLineEnds)
{
    const struct {
        QByteArray Bytes;
        qsizetype Line;
    } cases[] = {
        {"[S]\r\nK=1\r\n", 0},
        {QByteArray("\0[S]\nK=1\n", 9), 1},
        {QByteArray("[S]\r\nK=1\r\n\r\nL=\0\r\nM=\0\r\n", 22), 4},
        {QByteArray("[S]\rK=1\r[T]\r\0", 13), 4},
        {QByteArray("[S]\nK=1\n[T\0]\nL=2\n", 17), 3},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Load(c.Bytes).FirstLineWithNul(), c.Line) << c.Bytes.toHex().toStdString();
}

TEST_F(ProfileFileTest, MissingFileReadsAsEmpty)
{
    const TProfileFile ini(PathOf(QStringLiteral("absent.ini")));
    EXPECT_TRUE(ini.ReadSections().isEmpty());
    EXPECT_EQ(ini.ReadString(QStringLiteral("S"), QStringLiteral("K"), QStringLiteral("def")), QStringLiteral("def"));
}

TEST_F(ProfileFileTest, WritesInPlaceAndAppendsWhatIsMissing)
{
    TProfileFile ini = Load("; settings\n[Options]\nAutoLoad=0\nUnknown=kept\n[GUI]\nWindowX=5\n"
                            "[Old]\nA=1\n[old]\nB=2\n");
    ini.WriteBool(QStringLiteral("OPTIONS"), QStringLiteral("autoload"), true);
    ini.WriteString(QStringLiteral("options"), QStringLiteral("Username"), QStringLiteral("Ann"));
    ini.WriteInteger(QStringLiteral("Tabs"), QStringLiteral("Body"), -1);
    ini.WriteBool(QStringLiteral("tabs"), QStringLiteral("Flag"), false);
    ini.EraseSection(QStringLiteral("OLD"));
    EXPECT_EQ(ini.ToBytes(), QByteArray("; settings\r\n[Options]\r\nAutoLoad=1\r\nUnknown=kept\r\nUsername=Ann\r\n"
                                        "[GUI]\r\nWindowX=5\r\n"
                                        "\r\n[Tabs]\r\nBody=-1\r\nFlag=0\r\n"));
}

// Every line stays where it stood: comments, blank lines, text outside any
// section or without an equals sign, keys written with blanks, a header with
// more on its line. Only a key written to changes, and a new key goes after
// the last line of its section that is not blank.
TEST_F(ProfileFileTest, LinesTheReaderDoesNotTakeStayWhereTheyStood)
{
    const QByteArray file = "; my settings, by hand\n"
                            "Stray=outside any section\n"
                            "\n"
                            "[Options] ; the program's own\n"
                            "; AutoLoad=1 was too slow\n"
                            "AutoLoad=0\n"
                            "  Username  =  Ann  \n"
                            "no equals sign here\n"
                            "\n"
                            "\n"
                            "  [GUI]\n"
                            "WindowX = 5\n";
    const TProfileFile unchanged = Load(file);
    EXPECT_EQ(unchanged.ToBytes(), QByteArray(file).replace("\n", "\r\n"));
    EXPECT_EQ(unchanged.ReadString(QStringLiteral("Options"), QStringLiteral("Username"), QString()),
              QStringLiteral("Ann"));
    EXPECT_EQ(unchanged.ReadSection(QStringLiteral("Options")), QStringList({"AutoLoad", "Username"}));

    TProfileFile ini = unchanged;
    ini.WriteString(QStringLiteral("Options"), QStringLiteral("Username"), QStringLiteral("Bo"));
    ini.WriteBool(QStringLiteral("Options"), QStringLiteral("ConfirmQuit"), false);
    ini.WriteInteger(QStringLiteral("GUI"), QStringLiteral("WindowY"), 7);
    ini.WriteInteger(QStringLiteral("Tabs"), QStringLiteral("Body"), 1);
    EXPECT_EQ(ini.ToBytes(), QByteArray("; my settings, by hand\r\n"
                                        "Stray=outside any section\r\n"
                                        "\r\n"
                                        "[Options] ; the program's own\r\n"
                                        "; AutoLoad=1 was too slow\r\n"
                                        "AutoLoad=0\r\n"
                                        "Username=Bo\r\n"
                                        "no equals sign here\r\n"
                                        "ConfirmQuit=0\r\n"
                                        "\r\n"
                                        "\r\n"
                                        "  [GUI]\r\n"
                                        "WindowX = 5\r\n"
                                        "WindowY=7\r\n"
                                        "\r\n"
                                        "[Tabs]\r\n"
                                        "Body=1\r\n"));
}

TEST_F(ProfileFileTest, WrittenValuesReadBackUnchanged)
{
    struct TCase {
        QString Written;
        QString ReadBack;
    };
    const TCase cases[] = {
        {QStringLiteral("plain"), QStringLiteral("plain")},
        {QString(), QString()},
        {QStringLiteral("  leading"), QStringLiteral("  leading")},
        {QStringLiteral("trailing\t"), QStringLiteral("trailing\t")},
        {QStringLiteral("   "), QStringLiteral("   ")},
        {QStringLiteral("\"quoted\""), QStringLiteral("\"quoted\"")},
        {QStringLiteral("'single'"), QStringLiteral("'single'")},
        {QStringLiteral("\"half"), QStringLiteral("\"half")},
        {QStringLiteral("\""), QStringLiteral("\"")},
        {QStringLiteral("a=b ; c"), QStringLiteral("a=b ; c")},
        {QStringLiteral("[not a section]"), QStringLiteral("[not a section]")},
        {QString::fromUtf8("Über €"), QString::fromUtf8("Über €")},
        {QStringLiteral("two\r\nlines"), QStringLiteral("two lines")},
        {QStringLiteral("lf\nand cr\r"), QStringLiteral("lf and cr ")},
    };
    const QString path = PathOf(QStringLiteral("roundtrip.ini"));
    TProfileFile written(path);
    for (qsizetype i = 0; i < std::ssize(cases); ++i)
        written.WriteString(QStringLiteral("Values"), QStringLiteral("V%1").arg(i), cases[i].Written);
    ASSERT_TRUE(written.Save());
    EXPECT_FALSE(ReadBytes(path).startsWith("\xEF\xBB\xBF"));

    const TProfileFile reread(path);
    for (qsizetype i = 0; i < std::ssize(cases); ++i) {
        const QString key = QStringLiteral("V%1").arg(i);
        EXPECT_EQ(written.ReadString(QStringLiteral("Values"), key, QStringLiteral("<absent>")), cases[i].ReadBack)
            << cases[i].Written.toStdString();
        EXPECT_EQ(reread.ReadString(QStringLiteral("Values"), key, QStringLiteral("<absent>")), cases[i].ReadBack)
            << cases[i].Written.toStdString();
    }
}

TEST_F(ProfileFileTest, SaveReplacesTheFileWholeAndLeavesNothingElse)
{
    const QString path = PathOf(QStringLiteral("config.ini"));
    WriteBytes(path, "[Old]\nKey=a much longer old content than the new one\n");
    TProfileFile ini(path);
    ini.EraseSection(QStringLiteral("Old"));
    ini.WriteString(QStringLiteral("New"), QStringLiteral("K"), QStringLiteral("v"));
    ASSERT_TRUE(ini.Save());
    EXPECT_EQ(ReadBytes(path), QByteArray("[New]\r\nK=v\r\n"));
    EXPECT_EQ(QDir(FDir.path()).entryList(QDir::Files | QDir::Hidden), QStringList({"config.ini"}));
}

TEST_F(ProfileFileTest, ANewFileStartsEmptyWhateverStandsAtItsPath)
{
    const QString path = PathOf(QStringLiteral("design.vx"));
    WriteBytes(path, "[Old]\nKey=1\n");
    TProfileFile ini = TProfileFile::NewFile(path);
    EXPECT_TRUE(ini.ReadSections().isEmpty());
    ini.WriteInteger(QStringLiteral("New"), QStringLiteral("K"), 2);
    ini.WriteInteger(QStringLiteral("new"), QStringLiteral("L"), 3);
    ASSERT_TRUE(ini.Save());
    EXPECT_EQ(ReadBytes(path), QByteArray("[New]\r\nK=2\r\nL=3\r\n"));
}

TEST_F(ProfileFileTest, AnErasedSectionGivesWayToTheNextOfItsName)
{
    TProfileFile ini = Load("[A]\nK=1\n[B]\nK=2\n[a]\nK=3\n");
    ini.EraseSection(QStringLiteral("B"));
    EXPECT_EQ(ini.ReadInteger(QStringLiteral("A"), QStringLiteral("K"), 0), 1);
    EXPECT_FALSE(ini.SectionExists(QStringLiteral("b")));
    ini.WriteInteger(QStringLiteral("b"), QStringLiteral("K"), 4);
    EXPECT_EQ(ini.ReadSections(), QStringList({"A", "a", "b"}));
    EXPECT_EQ(ini.ReadInteger(QStringLiteral("B"), QStringLiteral("K"), 0), 4);
}

// A copy is an image of its own: what is written to it, to a key that stands
// in the file or to a new one, leaves the image it was copied from as it was.
TEST_F(ProfileFileTest, WritingToACopyLeavesTheOriginal)
{
    const TProfileFile original = Load("[Armor]\nFront=7\n");
    TProfileFile copy = original;
    copy.WriteInteger(QStringLiteral("Armor"), QStringLiteral("Front"), 0);
    copy.WriteInteger(QStringLiteral("armor"), QStringLiteral("Back"), 2);
    EXPECT_EQ(original.ToBytes(), QByteArray("[Armor]\r\nFront=7\r\n"));
    EXPECT_EQ(copy.ToBytes(), QByteArray("[Armor]\r\nFront=0\r\nBack=2\r\n"));
}

TEST_F(ProfileFileTest, FailedSaveReportsWhyAndKeepsWhatWasThere)
{
    // A folder in the place of the file must survive a save aimed at it.
    const QString folder = PathOf(QStringLiteral("taken.ini"));
    ASSERT_TRUE(QDir().mkpath(folder));
    WriteBytes(folder + QStringLiteral("/inside.txt"), "old content");
    TProfileFile onFolder(folder);
    onFolder.WriteString(QStringLiteral("S"), QStringLiteral("K"), QStringLiteral("v"));
    QString why;
    EXPECT_FALSE(onFolder.Save(&why));
    EXPECT_EQ(why, QStringLiteral("'%1' is not a regular file").arg(folder));
    EXPECT_EQ(ReadBytes(folder + QStringLiteral("/inside.txt")), QByteArray("old content"));

    const QString nowhere = PathOf(QStringLiteral("no such folder/settings.ini"));
    TProfileFile unreachable(nowhere);
    unreachable.WriteString(QStringLiteral("S"), QStringLiteral("K"), QStringLiteral("v"));
    why.clear();
    EXPECT_FALSE(unreachable.Save(&why));
    EXPECT_TRUE(why.startsWith(nowhere + QStringLiteral(": "))) << why.toStdString();
    EXPECT_FALSE(QFile::exists(nowhere));
    EXPECT_TRUE(QDir(FDir.path()).entryList(QDir::Files | QDir::Hidden).isEmpty());
}

TEST_F(ProfileFileTest, ASaveCutShortKeepsTheOldFileByteForByte)
{
    const QString path = PathOf(QStringLiteral("design.vx"));
    const QByteArray old = "[Body]\r\nBodyType=Van\r\n";
    TProfileFile ini = TProfileFile::NewFile(path);
    ini.WriteString(QStringLiteral("Text"), QStringLiteral("Comment"), QString(20000, QLatin1Char('x')));
    const qsizetype size = ini.ToBytes().size();
    // Nothing at all, a first write cut short, a file one byte short.
    for (const long limit : {0L, 1L, 4096L, long(size - 1)}) {
        WriteBytes(path, old);
        const QString result = RunWithFileSizeLimit(limit, [&] {
            QString why;
            return ini.Save(&why) ? QStringLiteral("saved") : why;
        });
        EXPECT_EQ(result, path + QStringLiteral(": File too large")) << limit;
        EXPECT_EQ(ReadBytes(path), old) << limit;
        EXPECT_EQ(QDir(FDir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System),
                  QStringList({"design.vx"}))
            << limit;
    }
    // Room for the whole file saves it.
    EXPECT_EQ(RunWithFileSizeLimit(long(size), [&] { return ini.Save() ? QStringLiteral("saved") : QString(); }),
              QStringLiteral("saved"));
    EXPECT_EQ(ReadBytes(path), ini.ToBytes());
}

TEST_F(ProfileFileTest, APipeOrALinkToOneIsNeitherReadNorReplaced)
{
    const QString pipe = PathOf(QStringLiteral("pipe.ini"));
    ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    const QString link = PathOf(QStringLiteral("link.ini"));
    ASSERT_TRUE(QFile::link(pipe, link));
    const QString linkToFolder = PathOf(QStringLiteral("folder.vx"));
    ASSERT_TRUE(QDir().mkpath(PathOf(QStringLiteral("folder"))));
    ASSERT_TRUE(QFile::link(PathOf(QStringLiteral("folder")), linkToFolder));

    for (const QString& path : {pipe, link, linkToFolder}) {
        // Reading does not wait for a writer that never comes.
        TProfileFile ini(path);
        EXPECT_TRUE(ini.ReadSections().isEmpty()) << path.toStdString();
        ini.WriteString(QStringLiteral("S"), QStringLiteral("K"), QStringLiteral("v"));
        QString why;
        EXPECT_FALSE(ini.Save(&why)) << path.toStdString();
        EXPECT_EQ(why, QStringLiteral("'%1' is not a regular file").arg(path));
    }
    EXPECT_FALSE(QFileInfo(pipe).isFile());
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_TRUE(QFileInfo(linkToFolder).isSymLink());
    EXPECT_EQ(QDir(FDir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System),
              QStringList({"folder", "folder.vx", "link.ini", "pipe.ini"}));
}

TEST_F(ProfileFileTest, ADeviceNodeIsNotReplaced)
{
    // A node of the null device of our own, so that a broken check could only
    // replace this one; making it takes root.
    const QString device = PathOf(QStringLiteral("device.vx"));
    if (mknod(QFile::encodeName(device).constData(), S_IFCHR | 0600, makedev(1, 3)) != 0)
        GTEST_SKIP() << "making a device node takes root";
    TProfileFile ini = TProfileFile::NewFile(device);
    ini.WriteString(QStringLiteral("S"), QStringLiteral("K"), QStringLiteral("v"));
    QString why;
    EXPECT_FALSE(ini.Save(&why));
    EXPECT_EQ(why, QStringLiteral("'%1' is not a regular file").arg(device));
    struct stat status {};
    ASSERT_EQ(stat(QFile::encodeName(device).constData(), &status), 0);
    EXPECT_TRUE(S_ISCHR(status.st_mode));
    EXPECT_EQ(QDir(FDir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System),
              QStringList({"device.vx"}));
}

} // namespace
