#include "platform/FileLookup.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// A runtime folder whose names differ in case from the ones the program asks for.
class FileLookupTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(FFolder.isValid());
        FRoot = FFolder.path();
        ASSERT_TRUE(QDir(FRoot).mkpath(QStringLiteral("Data")));
        ASSERT_TRUE(QDir(FRoot).mkpath(QStringLiteral("Graphics/Weapons")));
        Touch(QStringLiteral("Data/BodyTypes.txt"));
        Touch(QStringLiteral("Graphics/Weapons/MG.png"));
        Touch(QStringLiteral("Graphics/Weapons/mg.PNG"));
        FOldCurrent = QDir::currentPath();
        ASSERT_TRUE(QDir::setCurrent(FRoot));
    }
    void TearDown() override { QDir::setCurrent(FOldCurrent); }

    void Touch(const QString& name)
    {
        QFile file(FRoot + QLatin1Char('/') + name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }

    QTemporaryDir FFolder;
    QString FRoot;
    QString FOldCurrent;
};

TEST_F(FileLookupTest, FindsNamesWithoutRegardToCase)
{
    const struct {
        const char* Asked;
        const char* Found;
    } cases[] = {
        {"Data/BodyTypes.txt", "Data/BodyTypes.txt"},
        {"data/bodytypes.TXT", "Data/BodyTypes.txt"},
        {"DATA/BODYTYPES.TXT", "Data/BodyTypes.txt"},
        {"./data//bodytypes.txt", "./Data/BodyTypes.txt"},
        {"data", "Data"},
        // An exact name wins; otherwise the first by name ("MG.png" before "mg.PNG").
        {"Graphics/Weapons/mg.PNG", "Graphics/Weapons/mg.PNG"},
        {"graphics/weapons/Mg.png", "Graphics/Weapons/MG.png"},
        // Not there in any case: the path as given.
        {"data/missing.txt", "data/missing.txt"},
        {"nowhere/bodytypes.txt", "nowhere/bodytypes.txt"},
        {"data/bodytypes.txt/more", "data/bodytypes.txt/more"},
        {"", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ResolvePath(QString::fromLatin1(c.Asked)).toStdString(), c.Found) << c.Asked;
        const QString absolute = FRoot + QLatin1Char('/') + QString::fromLatin1(c.Asked);
        if (*c.Asked) {
            EXPECT_EQ(ResolvePath(absolute), FRoot + QLatin1Char('/') + QString::fromLatin1(c.Found)) << c.Asked;
        }
    }
}

} // namespace
