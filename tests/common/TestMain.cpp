#include "model/ErrorReport.h"
#include "platform/widgets/Application.h"

#include <gtest/gtest.h>

#if defined(__SANITIZE_ADDRESS__)
// Qt's printer plugin loads the print system's libraries at run time. Their
// thread-local blocks, as this toolchain's leak checker records them through
// its hook on their look-up, are ranges that it then crashes on at exit,
// after every test has passed. The leak check runs without that hook.
extern "C" const char* __asan_default_options()
{
    return "intercept_tls_get_addr=0";
}
#endif

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
