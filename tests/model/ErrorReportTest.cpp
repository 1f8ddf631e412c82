#include "model/ErrorReport.h"

#include "common/RecordingErrorSink.h"

#include <gtest/gtest.h>

namespace {

TEST(ErrorReportTest, LevelTwoShowsThePlaceAndTheMessage)
{
    TRecordingErrorSink sink;
    ReportError(QStringLiteral("'x' is not a valid integer value"), QStringLiteral("ReadBodyTypes"), 2);
    // Texts that look like placeholders are shown as they are.
    ReportError(QStringLiteral("100% %1 lost"), QStringLiteral("FileOpen(%2.vx)"), 2);
    EXPECT_EQ(sink.Texts(), QStringList({
                                QStringLiteral("An error occured in ReadBodyTypes:\r\n'x' is not a valid integer value"),
                                QStringLiteral("An error occured in FileOpen(%2.vx):\r\n100% %1 lost"),
                            }));
}

TEST(ErrorReportTest, OtherLevelsShowNothing)
{
    TRecordingErrorSink sink;
    for (const int level : {0, 1, 3, -2})
        ReportError(QStringLiteral("msg"), QStringLiteral("Save"), level);
    EXPECT_TRUE(sink.Texts().isEmpty());
}

TEST(ErrorReportTest, AnUncaughtErrorShowsItsOwnTextWithoutAPlace)
{
    TRecordingErrorSink sink;
    ShowUncaughtError(QStringLiteral("Arithmetic overflow"));
    EXPECT_EQ(sink.Texts(), QStringList({QStringLiteral("Arithmetic overflow")}));
}

} // namespace
