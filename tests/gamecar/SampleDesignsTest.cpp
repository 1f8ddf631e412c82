#include "SampleDesigns.h"
#include "common/KeptText.h"
#include "common/RecordingErrorSink.h"
#include "common/WorkingFolder.h"

#include "gamecar/OfficialDescription.h"
#include "gamecar/OutsiderDescription.h"
#include "model/Global.h"
#include "model/RulesReaders.h"
#include "model/SettingsVariables.h"
#include "model/Vehicle.h"
#include "platform/Numbers.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

} // namespace

// Failure messages name the design rather than dump its bytes.
void PrintTo(const TSampleDesign& design, std::ostream* os)
{
    *os << design.FileName;
}

namespace {

const QString ShippedDesigns = QStringLiteral(RIGSMITH_TEST_DIR "/../../data/Designs");

QByteArray FileBytes(const QString& fileName)
{
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString KeptFile(const QString& name)
{
    return QStringLiteral(RIGSMITH_TEST_DIR "/expected/") + name;
}

// What the main window does after every edit, as far as the descriptions
// read its stored results.
void Recalculate(TVehicle& v)
{
    CrewBuffer = v.Crew;
    v.GetCost(CostList);
    v.GetWeight(WeightList);
    v.GetSpace(SpaceList);
    v.GetCargoSpace();
    v.GetHC();
    v.GetAcceleration();
    v.GetYear(YearList);
}

// The shipped rules tables and the default settings, with the user's
// number format fixed so that the expected texts hold everywhere.
class SampleDesignsTest : public ::testing::TestWithParam<TSampleDesign>
{
protected:
    static void SetUpTestSuite()
    {
        const TWorkingFolder folder(QStringLiteral(RIGSMITH_RUNTIME_DIR));
        SetSettingsDefaults(QStringLiteral(RIGSMITH_RUNTIME_DIR));
        ReadAllTypes();
        SetDecimalSeparator(QLatin1Char('.'));
        SetThousandSeparator(QLatin1Char(','));
    }

    QString FileName() const { return QString::fromLatin1(GetParam().FileName); }
    QString BaseName() const { return FileName().chopped(3); }

    TRecordingErrorSink Errors;
    QTemporaryDir Dir;
};

} // namespace

TEST_P(SampleDesignsTest, ShippedFileIsWhatSaveWritesAndTheDesignIsValid)
{
    TVehicle v;
    GetParam().Build(v);
    QString reason;
    v.CheckValid(reason);
    QStringList list;
    EXPECT_EQ(reason, QString()) << "weight " << v.GetWeight(list) << " of " << v.MaxWeight << ", space left "
                                 << v.GetSpace(list) << ", acceleration " << v.GetAcceleration();
    const QString written = Dir.filePath(FileName());
    ASSERT_TRUE(v.Save(written));
    EXPECT_EQ(FileBytes(written), FileBytes(ShippedDesigns + QLatin1Char('/') + FileName()))
        << "data/Designs is out of date: build the target rigsmith_write_sample_designs";
    EXPECT_TRUE(Errors.Texts().isEmpty());
}

TEST_P(SampleDesignsTest, RoundTripKeepsFileAndFigures)
{
    TVehicle built;
    GetParam().Build(built);
    TVehicle loaded;
    QString err;
    loaded.Load(ShippedDesigns + QLatin1Char('/') + FileName(), err);
    ASSERT_EQ(err, QString());
    const QString again = Dir.filePath(FileName());
    ASSERT_TRUE(loaded.Save(again));
    EXPECT_EQ(FileBytes(again), FileBytes(ShippedDesigns + QLatin1Char('/') + FileName()));

    QStringList a, b;
    EXPECT_EQ(built.GetCost(a), loaded.GetCost(b));
    EXPECT_EQ(a, b);
    EXPECT_EQ(built.GetWeight(a), loaded.GetWeight(b));
    EXPECT_EQ(a, b);
    EXPECT_EQ(built.GetSpace(a), loaded.GetSpace(b));
    EXPECT_EQ(a, b);
    EXPECT_EQ(built.GetYear(a), loaded.GetYear(b));
    EXPECT_EQ(a, b);
    EXPECT_EQ(built.GetTopSpeed(), loaded.GetTopSpeed());
    EXPECT_EQ(built.GetRange(), loaded.GetRange());
}

TEST_P(SampleDesignsTest, DescriptionsMatchTheTextsKeptBesideTheTest)
{
    TVehicle v;
    QString err;
    v.Load(ShippedDesigns + QLatin1Char('/') + FileName(), err);
    ASSERT_EQ(err, QString());
    Recalculate(v);
    QString screen, printed, outsider;
    OfficialDescription(v, true, screen);
    OfficialDescription(v, false, printed);
    OutsiderDescription(v, outsider);
    ExpectKeptText(screen, KeptFile(BaseName() + QStringLiteral(".official.txt")));
    ExpectKeptText(printed, KeptFile(BaseName() + QStringLiteral(".printed.txt")));
    ExpectKeptText(outsider, KeptFile(BaseName() + QStringLiteral(".outsider.txt")));
}

INSTANTIATE_TEST_SUITE_P(Shipped, SampleDesignsTest, ::testing::ValuesIn(SampleDesigns()),
                         [](const ::testing::TestParamInfo<TSampleDesign>& info) {
                             return QString::fromLatin1(info.param.FileName).chopped(3).toStdString();
                         });
