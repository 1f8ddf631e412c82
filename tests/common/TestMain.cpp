#include "model/ErrorReport.h"
#include "platform/widgets/Application.h"

#include <gtest/gtest.h>

// Every test program runs with the program's headless application object, so
// that pictures, fonts, windows and errors that no handler catches work the
// same in model and window tests.
int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    TApplication app(argc, argv, ShowUncaughtError);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
