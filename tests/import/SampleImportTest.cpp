#include "common/KeptText.h"
#include "StageTwoFixture.h"

#include "import/ImportResult.h"

#include <gtest/gtest.h>

#include <QFile>

namespace {

QString ReadText(const QString& Path)
{
    QFile File(Path);
    EXPECT_TRUE(File.open(QIODevice::ReadOnly)) << Path.toStdString();
    return QString::fromUtf8(File.readAll());
}

// The crew and weapon recognisers build their keyword tables from the
// shipped rules tables.
class SampleImport : public testing::TestWithParam<const char*>
{
protected:
    static void SetUpTestSuite() { UseShippedRulesForImport(); }
};

// The stat block that the program writes for each sample design reads back
// into the result text that the second stage builds the design from.
TEST_P(SampleImport, OfficialDescriptionGivesTheExpectedResultText)
{
    const QString Name = QLatin1String(GetParam());
    const QString Official
        = ReadText(QStringLiteral(RIGSMITH_TEST_DIR "/../gamecar/expected/") + Name + QStringLiteral(".official.txt"));
    TImportResult Out;
    ImportDescription(Official, Out);
    const QString Actual = Out.Result.join(QLatin1Char('\n')) + QStringLiteral("\n--- leftovers\n") + Out.Leftovers
                           + QLatin1Char('\n');
    ExpectKeptText(Actual, QStringLiteral(RIGSMITH_TEST_DIR "/expected/") + Name + QStringLiteral(".import.txt"));
}

INSTANTIATE_TEST_SUITE_P(Designs, SampleImport,
                         testing::Values("Brickhouse", "Gadfly", "Lightbringer", "Thunderwagon", "VezeRidiv"));

} // namespace
