#include "platform/widgets/Application.h"

#include "common/RecordingErrorSink.h"
#include "platform/Errors.h"

#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// The test programs run on the program's own application object (TestMain),
// whose shower is the error sink.
TEST(ApplicationTest, AnErrorInAHandlerIsShownAndTheNextEventIsHandled)
{
    ASSERT_NE(dynamic_cast<TApplication*>(QCoreApplication::instance()), nullptr);
    TRecordingErrorSink sink;
    QPushButton button(QStringLiteral("Go"));
    int clicks = 0;
    QObject::connect(&button, &QPushButton::clicked, [&clicks] {
        if (++clicks == 1)
            throw EOverflow(QStringLiteral("Arithmetic overflow"));
    });
    button.show();
    QTest::mouseClick(&button, Qt::LeftButton);
    EXPECT_EQ(sink.Texts(), QStringList({QStringLiteral("Arithmetic overflow")}));
    QTest::mouseClick(&button, Qt::LeftButton);
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(sink.Texts().size(), 1);
}

} // namespace
