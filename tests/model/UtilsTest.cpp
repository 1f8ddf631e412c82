#include "model/Utils.h"

#include "model/Global.h"
#include "platform/Errors.h"
#include "platform/Numbers.h"
#include "platform/Random.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <limits>

namespace {

TEST(UtilsTest, CountsThePngFilesOfAFolder)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QDir dir(folder.path());
    ASSERT_TRUE(dir.mkpath(QStringLiteral("Large/sub.png")));
    for (const char* name : {"Large/car0.png", "Large/car1.PNG", "Large/.hidden.png", "Large/notes.txt",
                             "Large/car2.png.bak", "Large/sub.png/inner.png"}) {
        QFile file(dir.filePath(QString::fromLatin1(name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << name;
    }
    EXPECT_EQ(CountPngFiles(dir.filePath(QStringLiteral("Large"))), 3);
    // Folder names are found without regard to case.
    EXPECT_EQ(CountPngFiles(dir.filePath(QStringLiteral("large"))), 3);
    EXPECT_EQ(CountPngFiles(dir.filePath(QStringLiteral("Large/sub.png"))), 1);
    EXPECT_EQ(CountPngFiles(dir.filePath(QStringLiteral("Missing"))), 0);
}

TEST(UtilsTest, FileNameWithoutExtKeepsThePartBeforeTheFirstDot)
{
    const struct {
        const char* Path;
        const char* Expected;
    } cases[] = {
        {"/home/me/Designs/Killer Kart.vx", "Killer Kart"},
        {"Designs/Killer.Kart.vx", "Killer"},
        {"Designs/NoExtension", "NoExtension"},
        {"Plain.vx", "Plain"},
        {"Designs.old/Car", "Car"},
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FileNameWithoutExt(QString::fromLatin1(c.Path)).toStdString(), c.Expected) << c.Path;
}

TEST(UtilsTest, SqrDistanceRaisesWhenItDoesNotFit)
{
    EXPECT_EQ(SqrDistance(0, 0, 3, 4), 25);
    EXPECT_EQ(SqrDistance(-3, 10, 0, 6), 25);
    EXPECT_EQ(SqrDistance(5, 5, 5, 5), 0);
    EXPECT_EQ(SqrDistance(0, 0, 46340, 0), 2147395600);
    EXPECT_THROW(SqrDistance(0, 0, 46341, 0), EOverflow);
    EXPECT_THROW(SqrDistance(0, 0, 40000, 40000), EOverflow);
    EXPECT_THROW(SqrDistance(std::numeric_limits<int>::max(), 0, -1, 0), EOverflow);
}

TEST(UtilsTest, RandomGaussUnitStaysStrictlyWithinOne)
{
    RandSeed(31337);
    constexpr int Count = 20000;
    double sum = 0;
    double sumOfSquares = 0;
    for (int i = 0; i < Count; ++i) {
        const double g = RandomGaussUnit();
        ASSERT_GT(g, -1.0);
        ASSERT_LT(g, 1.0);
        sum += g;
        sumOfSquares += g * g;
    }
    const double mean = sum / Count;
    // A normal deviate of spread 0.4 cut at ±1 (2.5 deviations) keeps a
    // spread a little below 0.4.
    EXPECT_NEAR(mean, 0, 0.02);
    EXPECT_NEAR(std::sqrt(sumOfSquares / Count - mean * mean), 0.38, 0.02);
}

TEST(UtilsTest, FloatToTextWritesWholeNumbersWithoutDecimals)
{
    const QChar separator = DecimalSeparator();
    SetDecimalSeparator(QLatin1Char('.'));
    const struct {
        double Value;
        const char* Expected;
    } cases[] = {
        {2.0, "2"}, {0.5, "0.5"}, {-3.0, "-3"}, {0.0, "0"}, {-0.0, "0"}, {1.25, "1.3"}, {-1.25, "-1.3"},
        {2.04, "2.0"}, {1e10, "10000000000"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FloatToText(c.Value).toStdString(), c.Expected) << c.Value;
    SetDecimalSeparator(QLatin1Char(','));
    EXPECT_EQ(FloatToText(0.5), QStringLiteral("0,5"));
    SetDecimalSeparator(separator);
}

class LastFilesTest : public ::testing::Test
{
protected:
    void SetUp() override { FSaved = LastFiles; }
    void TearDown() override { LastFiles = FSaved; }

    // "f0" (newest) to "f9" (oldest).
    static void FillNumbered()
    {
        for (int i = 0; i < LastFilesCount; ++i)
            LastFiles[static_cast<size_t>(i)] = QStringLiteral("f%1").arg(i);
    }

    static QString Joined() { return QStringList(LastFiles.begin(), LastFiles.end()).join(QLatin1Char(' ')); }

private:
    std::array<QString, LastFilesCount> FSaved;
};

TEST_F(LastFilesTest, MovesThePathToTheHead)
{
    const struct {
        const char* Path;
        const char* Expected;
    } cases[] = {
        {"f0", "f0 f1 f2 f3 f4 f5 f6 f7 f8 f9"},
        {"f5", "f5 f0 f1 f2 f3 f4 f6 f7 f8 f9"},
        {"f9", "f9 f0 f1 f2 f3 f4 f5 f6 f7 f8"},
        {"new", "new f0 f1 f2 f3 f4 f5 f6 f7 f8"},
        // Paths compare exactly.
        {"F5", "F5 f0 f1 f2 f3 f4 f5 f6 f7 f8"},
    };
    for (const auto& c : cases) {
        FillNumbered();
        AddToLastFiles(QString::fromLatin1(c.Path));
        EXPECT_EQ(Joined().toStdString(), c.Expected) << c.Path;
    }
}

TEST_F(LastFilesTest, FillsAnEmptyListFromTheHead)
{
    LastFiles.fill(QString());
    AddToLastFiles(QStringLiteral("a"));
    AddToLastFiles(QStringLiteral("b"));
    EXPECT_EQ(Joined(), QStringLiteral("b a        "));
}

TEST(UtilsTest, SafeFileNameKeepsOnlySafeCharacters)
{
    const struct {
        const char* Name;
        const char* Expected;
    } cases[] = {
        {"Killer Kart", "KillerKart"},
        {"Mk-2_Hauler 3000", "Mk-2_Hauler3000"},
        {"  ?!/\\:*. ", "VehicleName"},
        {"", "VehicleName"},
        {"Caf\xc3\xa9 Racer", "CafRacer"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SafeFileName(QString::fromUtf8(c.Name)).toStdString(), c.Expected) << c.Name;
}

} // namespace
