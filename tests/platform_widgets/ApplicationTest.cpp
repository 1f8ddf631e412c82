#include "platform/widgets/Application.h"

#include "common/RecordingErrorSink.h"
#include "platform/Errors.h"

#include <QCheckBox>
#include <QTest>

#include <csignal>

#include <gtest/gtest.h>

namespace {

// The test programs run on the program's application object, which has set
// the program up so that a write past the file-size limit fails instead of
// ending the process.
TEST(ApplicationTest, AWritePastTheFileSizeLimitIsNoSignalThatEndsTheProgram)
{
    struct sigaction current {};
    ASSERT_EQ(sigaction(SIGXFSZ, nullptr, &current), 0);
    EXPECT_EQ(current.sa_handler, SIG_IGN);
}

// The test programs run on the program's own application object (TestMain),
// whose shower is the error sink.

TEST(ApplicationTest, AnErrorInAGuardedHandlerIsShownAndTheNextSignalIsHandled)
{
    ASSERT_NE(dynamic_cast<TApplication*>(QCoreApplication::instance()), nullptr);
    TRecordingErrorSink sink;
    QCheckBox box(QStringLiteral("Go"));
    QList<bool> states;
    QObject::connect(&box, &QCheckBox::toggled, ShowingErrors([&states](bool on) {
                         states << on;
                         if (states.size() == 1)
                             throw EOverflow(QStringLiteral("Arithmetic overflow"));
                     }));
    int plainCalls = 0;
    // A handler may also ignore the signal's arguments.
    QObject::connect(&box, &QCheckBox::toggled, ShowingErrors([&plainCalls] { ++plainCalls; }));
    box.show();
    QTest::mouseClick(&box, Qt::LeftButton);
    EXPECT_EQ(sink.Texts(), QStringList({QStringLiteral("Arithmetic overflow")}));
    QTest::mouseClick(&box, Qt::LeftButton);
    EXPECT_EQ(states, QList<bool>({true, false}));
    EXPECT_EQ(plainCalls, 2);
    EXPECT_EQ(sink.Texts().size(), 1);
}

class TFailingReceiver : public QObject
{
public:
    int Events = 0;

protected:
    bool event(QEvent* event) override
    {
        if (event->type() != QEvent::User)
            return QObject::event(event);
        if (++Events == 1)
            throw EConvertError(QStringLiteral("'x' is not a valid integer value"));
        return true;
    }
};

TEST(ApplicationTest, AnErrorInAnEventHandlerIsShownAndTheNextEventIsHandled)
{
    TRecordingErrorSink sink;
    TFailingReceiver receiver;
    QEvent first(QEvent::User);
    EXPECT_FALSE(QCoreApplication::sendEvent(&receiver, &first));
    EXPECT_EQ(sink.Texts(), QStringList({QStringLiteral("'x' is not a valid integer value")}));
    QEvent second(QEvent::User);
    EXPECT_TRUE(QCoreApplication::sendEvent(&receiver, &second));
    EXPECT_EQ(receiver.Events, 2);
    EXPECT_EQ(sink.Texts().size(), 1);
}

} // namespace
