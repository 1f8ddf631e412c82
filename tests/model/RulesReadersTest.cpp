#include "common/RecordingErrorSink.h"
#include "common/WorkingFolder.h"
#include "model/Global.h"
#include "model/RulesReaders.h"
#include "platform/Errors.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QString ReadersFixture = QStringLiteral(RIGSMITH_TEST_DIR "/fixtures/readers");

struct TEffectCase {
    const char* Value;
    TEffectKind Kind;
    double Radius;
    bool Reported;
};

TEST(StringToEffect, ReadsKindAndRadius)
{
    const TEffectCase cases[] = {
        {"A 2", ekArea, 2.0, false},     {"B 1/2", ekBurst, 0.5, false}, {"A", ekArea, -1.0, false},
        {"S 3", ekSmoke, -1.0, false},   {"X", ekNone, -1.0, false},     {"", ekNone, -1.0, false},
        {" p ", ekPaint, -1.0, false},   {"d", ekDropped, -1.0, false},  {"b 3/4", ekBurst, 0.75, false},
        {"A two", ekArea, -1.0, true},   {"B 1/0", ekBurst, -1.0, true},
    };
    for (const TEffectCase& c : cases) {
        TRecordingErrorSink errors;
        double radius = 99;
        EXPECT_EQ(StringToEffect(QString::fromLatin1(c.Value), radius), c.Kind) << c.Value;
        EXPECT_DOUBLE_EQ(radius, c.Radius) << c.Value;
        EXPECT_EQ(errors.Texts().size(), c.Reported ? 1 : 0) << c.Value;
    }
}

TEST(StringToEffect, ReportsUnderItsOwnPlace)
{
    TRecordingErrorSink errors;
    double radius = 0;
    StringToEffect(QStringLiteral("A two"), radius);
    ASSERT_EQ(errors.Texts().size(), 1);
    EXPECT_EQ(errors.Texts()[0],
              QStringLiteral("An error occured in ReadWeaponTypes/StringToEffect:\r\n'TWO' is not a valid integer value"));
}

struct TDamageCase {
    const char* Value;
    TDamageKind Kind;
    int Dice;
    int Modifier;
    bool Reported;
};

TEST(StringToDamage, ReadsKindDiceAndModifier)
{
    const TDamageCase cases[] = {
        {"4", dkFixed, 0, 4, false},   {"2d6", dkDice, 2, 0, false},   {"", dkNone, -1, -1, false},
        {"2D6+2", dkDice, 2, 2, false}, {"3D-1", dkDice, 3, -1, false}, {"1D", dkDice, 1, 0, false},
        {"3d6-2", dkDice, 3, -2, false}, {"xd6", dkDice, -1, -1, true}, {"lots", dkFixed, 0, -1, true},
    };
    for (const TDamageCase& c : cases) {
        TRecordingErrorSink errors;
        int dice = 99, modifier = 99;
        EXPECT_EQ(StringToDamage(QString::fromLatin1(c.Value), dice, modifier), c.Kind) << c.Value;
        EXPECT_EQ(dice, c.Dice) << c.Value;
        EXPECT_EQ(modifier, c.Modifier) << c.Value;
        EXPECT_EQ(errors.Texts().size(), c.Reported ? 1 : 0) << c.Value;
        if (c.Reported && !errors.Texts().isEmpty()) {
            EXPECT_TRUE(errors.Texts()[0].startsWith(QStringLiteral("An error occured in ReadWeaponTypes/StringToDamage:\r\n")));
        }
    }
}

TEST(ParseNrOfObjects, ReadsCountAndUpTo)
{
    int count = -5;
    bool upTo = true;
    ParseNrOfObjects(QString(), count, upTo);
    EXPECT_EQ(count, 0);
    EXPECT_FALSE(upTo);
    ParseNrOfObjects(QStringLiteral("up3"), count, upTo);
    EXPECT_EQ(count, 3);
    EXPECT_TRUE(upTo);
    ParseNrOfObjects(QStringLiteral("2"), count, upTo);
    EXPECT_EQ(count, 2);
    EXPECT_FALSE(upTo);
    EXPECT_THROW(ParseNrOfObjects(QStringLiteral("lots"), count, upTo), EConvertError);
}

TEST(RulesReaders, FirstSectionIsSkippedByPositionAndAbsentKeysTakeDefaults)
{
    TWorkingFolder folder(ReadersFixture);
    TRecordingErrorSink errors;
    const TBodyTypes bodies = ReadBodyTypes(QStringLiteral("BodyTypes"));
    EXPECT_TRUE(errors.Texts().isEmpty());
    EXPECT_EQ(bodies.Name, QStringLiteral("Fixture bodies"));
    EXPECT_EQ(bodies.Author, QStringLiteral("Tester"));
    // "[Lost]" stands first and is skipped; the overview becomes an item.
    ASSERT_EQ(bodies.Items.size(), 3);
    EXPECT_EQ(bodies.Items[0].Name, QStringLiteral("Overview"));
    const TBodyType& compact = bodies.Items[1];
    EXPECT_EQ(compact.Nr, 1);
    EXPECT_EQ(compact.Name, QStringLiteral("Compact"));
    EXPECT_EQ(compact.MaxLoad, 3700);
    EXPECT_DOUBLE_EQ(compact.ArmorCost, 11.5);
    const TBodyType& sparse = bodies.Items[2];
    EXPECT_EQ(sparse.Year, -1);
    EXPECT_EQ(sparse.HcCost, -1);
    EXPECT_DOUBLE_EQ(sparse.ArmorWeight, -1.0);
    EXPECT_FALSE(sparse.SixWheels);
}

TEST(RulesReaders, ChassisNumbersComeFromTheFileOrThePosition)
{
    TWorkingFolder folder(ReadersFixture);
    const TChassisTypes chassis = ReadChassisTypes(QStringLiteral("ChassisTypes"));
    ASSERT_EQ(chassis.Items.size(), 3);
    EXPECT_EQ(chassis.Items[0].Nr, 2);
    EXPECT_TRUE(chassis.Items[0].SixWheels);
    EXPECT_EQ(chassis.Items[1].Nr, 0);
    EXPECT_EQ(chassis.Items[2].Nr, 2); // the position
    EXPECT_EQ(chassis.Items[2].Price, -1);
}

TEST(RulesReaders, DecimalCommaEndsTheFileAndKeepsOnlyCompleteItems)
{
    TWorkingFolder folder(ReadersFixture);
    TRecordingErrorSink errors;
    const TAmmoTypes ammo = ReadAmmoTypes(QStringLiteral("AmmoTypes"));
    ASSERT_EQ(errors.Texts().size(), 1);
    EXPECT_EQ(errors.Texts()[0],
              QStringLiteral("An error occured in ReadSmmoTypes:\r\nData/AmmoTypes.txt, item \"Broken\", key \"Cost\": "
                             "'1,5' is not a valid floating point value"));
    ASSERT_EQ(ammo.Items.size(), 1);
    EXPECT_EQ(ammo.Items[0].Name, QStringLiteral("Normal"));
    EXPECT_EQ(ammo.Items[0].Weapons, QStringLiteral(";-ALL-;"));
}

TEST(RulesReaders, WeaponMountPointsAndObjects)
{
    TWorkingFolder folder(ReadersFixture);
    TRecordingErrorSink errors;
    const TWeaponTypes weapons = ReadWeaponTypes(QStringLiteral("WeaponTypes"));
    ASSERT_EQ(errors.Texts().size(), 1);
    EXPECT_EQ(errors.Texts()[0], QStringLiteral("An error occured in ReadWeaponTypes:\r\nData/WeaponTypes.txt, item "
                                                "\"Bad Count\", key \"NrOfObjects\": 'LOTS' is not a valid integer value"));
    ASSERT_EQ(weapons.Items.size(), 2);
    const TWeaponType& mg = weapons.Items[0];
    EXPECT_EQ(mg.Class, wcSmallBore);
    EXPECT_EQ(mg.MountPoints, QStringLiteral(";FRONT;LEFT;RIGHT;BACK;TURRET;EWP;ROCKET PLATFORM;;"));
    EXPECT_EQ(mg.NrOfObjects, 0);
    EXPECT_DOUBLE_EQ(mg.WPS, 2.5);
    EXPECT_EQ(mg.DamageKind, dkDice);
    const TWeaponType& mines = weapons.Items[1];
    EXPECT_EQ(mines.Nr, 1);
    EXPECT_EQ(mines.Class, wcDroppedSolids);
    EXPECT_EQ(mines.EffectKind, ekDropped);
    EXPECT_EQ(mines.MountPoints, QStringLiteral(";BACK;"));
    EXPECT_EQ(mines.NrOfObjects, 3);
    EXPECT_TRUE(mines.NrOfObjectsUpTo);
    EXPECT_EQ(mines.Year, -1);
}

TEST(RulesReaders, BadNumbersAreReportedWithFileItemAndKey)
{
    TWorkingFolder folder(ReadersFixture);
    TRecordingErrorSink errors;
    const THandGunTypes guns = ReadHandGunTypes(QStringLiteral("HandGunTypes"));
    // The effect and the damage are reported and the reading goes on; the
    // decimal of the item without a name ends it, which is named by its count.
    EXPECT_EQ(errors.Texts(),
              QStringList({QStringLiteral("An error occured in ReadWeaponTypes/StringToEffect:\r\nData/HandGunTypes.txt, "
                                          "item \"Pistol\", key \"Effect\": 'TWO' is not a valid integer value"),
                           QStringLiteral("An error occured in ReadWeaponTypes/StringToDamage:\r\nData/HandGunTypes.txt, "
                                          "item \"Pistol\", key \"Damage\": 'X' is not a valid integer value"),
                           QStringLiteral("An error occured in ReadHandGunTypes:\r\nData/HandGunTypes.txt, item 2, key "
                                          "\"CPS\": '1,5' is not a valid floating point value")}));
    ASSERT_EQ(guns.Items.size(), 1);
    EXPECT_EQ(guns.Items[0].EffectKind, ekArea);
}

TEST(RulesReaders, AccessoriesWithoutNumberGetMinusOne)
{
    TWorkingFolder folder(ReadersFixture);
    const TEquipmentTypes accessories = ReadEquipmentTypes(QStringLiteral("AccessoryTypes"));
    ASSERT_EQ(accessories.Items.size(), 3);
    EXPECT_EQ(accessories.Items[0].Nr, 1);
    EXPECT_EQ(accessories.Items[1].Nr, -1);
    EXPECT_DOUBLE_EQ(accessories.Items[1].Space, 0.5);
}

TEST(RulesReaders, MissingFileIsReportedAndGivesAnEmptyTable)
{
    TWorkingFolder folder(ReadersFixture);
    TRecordingErrorSink errors;
    const TGasTankTypes tanks = ReadGasTankTypes(QStringLiteral("GasTankTypes"));
    EXPECT_TRUE(tanks.Items.isEmpty());
    EXPECT_EQ(tanks.Name, QStringLiteral("<Overview.Name not found>"));
    ASSERT_EQ(errors.Texts().size(), 1);
    EXPECT_EQ(errors.Texts()[0],
              QStringLiteral("An error occured in ReadGasTankTypes:\r\nNo sections found in Data/GasTankTypes.txt"));
}

TEST(RulesReaders, FileWithOnlyItsOverviewIsEmptyWithoutReport)
{
    TWorkingFolder folder(ReadersFixture);
    TRecordingErrorSink errors;
    const TTireTypes tires = ReadTireTypes(QStringLiteral("TireTypes"));
    EXPECT_TRUE(tires.Items.isEmpty());
    EXPECT_EQ(tires.Name, QStringLiteral("Fixture tires"));
    EXPECT_TRUE(errors.Texts().isEmpty());
}

// A Data folder of its own holding the weapon fixture in the given form.
class RulesFileFormTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(FFolder.isValid());
        QDir().mkpath(FFolder.filePath(QStringLiteral("Data")));
        QFile fixture(ReadersFixture + QStringLiteral("/Data/WeaponTypes.txt"));
        ASSERT_TRUE(fixture.open(QIODevice::ReadOnly));
        FWeapons = fixture.readAll();
    }

    void WriteWeapons(const QByteArray& bytes)
    {
        QFile file(FFolder.filePath(QStringLiteral("Data/WeaponTypes.txt")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    QTemporaryDir FFolder;
    QByteArray FWeapons;
};

TEST_F(RulesFileFormTest, CrOnlyLineEndsAndUtf16ReadTheSameTable)
{
    TWorkingFolder folder(FFolder.path());
    QByteArray utf16("\xFF\xFE");
    for (const QChar c : QString::fromUtf8(FWeapons)) {
        utf16 += char(c.unicode() & 0xFF);
        utf16 += char(c.unicode() >> 8);
    }
    const auto read = [](QStringList& reports) {
        TRecordingErrorSink errors;
        const TWeaponTypes weapons = ReadWeaponTypes(QStringLiteral("WeaponTypes"));
        reports = errors.Texts();
        QStringList items{weapons.Name};
        for (const TWeaponType& w : weapons.Items)
            items.append(w.Abbreviation + QLatin1Char(' ') + w.MountPoints);
        return items;
    };
    WriteWeapons(FWeapons);
    QStringList expectedReports;
    const QStringList expected = read(expectedReports);
    ASSERT_EQ(expected.size(), 3);
    for (const QByteArray& form : {QByteArray(FWeapons).replace('\n', '\r'), utf16}) {
        WriteWeapons(form);
        QStringList reports;
        EXPECT_EQ(read(reports).join(QLatin1Char('|')).toStdString(), expected.join(QLatin1Char('|')).toStdString());
        EXPECT_EQ(reports, expectedReports);
    }
}

// Bytes of no rules file that hold bracketed lines read as sections holding
// nothing the table reads: no table, and a report on the file, unlike a file
// of its overview alone.
TEST_F(RulesFileFormTest, SectionsWithoutAnyKeyOfTheTableAreReportedAsNoTable)
{
    TWorkingFolder folder(FFolder.path());
    // What random bytes read as: bracketed lines and no key the table knows.
    static const char bytes[] = "\x8F[\x01\xFE]=\x02\n[\x9Ax\nq\x03=\xFF\x10\n[";
    // Random bytes with a single line that opens a section: the first
    // section alone, holding nothing of the overview.
    QByteArray random;
    quint32 state = 2463534242u;
    for (int i = 0; i < 4096; ++i) {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        const char c = char(state >> 24);
        random += c == '[' || c == '\n' || c == '\r' ? 'z' : c;
    }
    random.insert(2000, "\n[\x9A\x01=\xFF\n");
    for (const QByteArray& form : {QByteArray(bytes, sizeof(bytes) - 1), random}) {
        WriteWeapons(form);
        TRecordingErrorSink errors;
        const TWeaponTypes weapons = ReadWeaponTypes(QStringLiteral("WeaponTypes"));
        EXPECT_TRUE(weapons.Items.isEmpty());
        EXPECT_EQ(errors.Texts(),
                  QStringList({QStringLiteral("An error occured in ReadWeaponTypes:\r\nNo usable items found in "
                                              "Data/WeaponTypes.txt")}));
    }
}

// UTF-16 without its byte-order mark reads as no section at all, reported
// like an empty file, not as a table of one unnamed item.
TEST_F(RulesFileFormTest, Utf16WithoutItsByteOrderMarkIsReportedAsNoSections)
{
    TWorkingFolder folder(FFolder.path());
    QByteArray utf16;
    for (const QChar c : QString::fromUtf8(FWeapons)) {
        utf16 += char(c.unicode() & 0xFF);
        utf16 += char(c.unicode() >> 8);
    }
    WriteWeapons(utf16);
    TRecordingErrorSink errors;
    const TWeaponTypes weapons = ReadWeaponTypes(QStringLiteral("WeaponTypes"));
    EXPECT_TRUE(weapons.Items.isEmpty());
    EXPECT_EQ(errors.Texts(),
              QStringList({QStringLiteral("An error occured in ReadWeaponTypes:\r\nNo sections found in "
                                          "Data/WeaponTypes.txt")}));
}

} // namespace

namespace {

// A value too large for the figures is refused like any other bad value of
// its file, with the file, the item, the key and the value, cut to a readable
// length; the items before it stay. Integers, hexadecimal integers and
// decimals alike, either way; at the bound a value is taken.
TEST(RulesReaders, AValueTooLargeForTheFiguresIsRefusedWithItsPlace)
{
    const QString y64(64, QLatin1Char('y'));
    const struct {
        const char* File;
        const char* Key;
        QString Value;
        QString Message;
    } cases[] = {
        {"WeaponTypes", "Cost", QStringLiteral("2147483647"),
         QStringLiteral("'2147483647' is beyond 100000, the largest figure a rules value may hold")},
        {"WeaponTypes", "Cost", QStringLiteral("100001"),
         QStringLiteral("'100001' is beyond 100000, the largest figure a rules value may hold")},
        {"WeaponTypes", "Weight", QStringLiteral("-100001"),
         QStringLiteral("'-100001' is beyond 100000, the largest figure a rules value may hold")},
        {"WeaponTypes", "Shots", QStringLiteral("$7FFFFFFF"),
         QStringLiteral("'$7FFFFFFF' is beyond 100000, the largest figure a rules value may hold")},
        {"WeaponTypes", "CPS", QStringLiteral("1e300"),
         QStringLiteral("'1e300' is beyond 100000, the largest figure a rules value may hold")},
        {"BodyTypes", "Price", QStringLiteral("2147483647"),
         QStringLiteral("'2147483647' is beyond 100000, the largest figure a rules value may hold")},
        {"BodyTypes", "ArmorCost", y64 + QString(2 << 20, QLatin1Char('z')),
         QStringLiteral("'%1\u2026' is not a valid floating point value").arg(y64)},
        {"BodyTypes", "ArmorWeight", y64 + QString(2 << 20, QLatin1Char('9')),
         QStringLiteral("'%1\u2026' is not a valid floating point value").arg(y64)},
        {"WeaponTypes", "Cost", QStringLiteral("100000"), QString()},
        {"BodyTypes", "ArmorCost", QStringLiteral("-100000.0"), QString()},
    };
    const QString context[] = {QStringLiteral("ReadWeaponTypes"), QStringLiteral("ReadBodyTypes")};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Value.left(80).toStdString());
        QTemporaryDir dir;
        ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("Data")));
        const QString name = QLatin1String(c.File);
        QFile file(dir.filePath(QStringLiteral("Data/%1.txt").arg(name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QStringLiteral("[Overview]\r\nName=T\r\n[First]\r\nYear=2030\r\n[Second]\r\n%1=%2\r\n[Third]\r\n")
                       .arg(QLatin1String(c.Key), c.Value)
                       .toUtf8());
        file.close();
        TWorkingFolder folder(dir.path());
        TRecordingErrorSink errors;
        const qsizetype items = name == QLatin1String("WeaponTypes")
                                    ? ReadWeaponTypes(name).Items.size()
                                    : ReadBodyTypes(name).Items.size();
        if (c.Message.isEmpty()) {
            EXPECT_TRUE(errors.Texts().isEmpty()) << errors.Texts().join(QLatin1Char('\n')).toStdString();
            EXPECT_EQ(items, 3);
            continue;
        }
        EXPECT_EQ(errors.Texts(),
                  QStringList({QStringLiteral("An error occured in %1:\r\nData/%2.txt, item \"Second\", key \"%3\": %4")
                                   .arg(context[name == QLatin1String("WeaponTypes") ? 0 : 1], name,
                                        QLatin1String(c.Key), c.Message)}));
        EXPECT_EQ(items, 1);
    }
}

} // namespace
