#include <QApplication>
#include <gtest/gtest.h>

// Every test program runs with a headless application object, so that pictures,
// fonts and windows work the same in model and window tests.
int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
