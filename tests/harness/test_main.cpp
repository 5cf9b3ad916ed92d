#include <QApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// Every test program runs with a QApplication (offscreen under CTest), as widgets need one.
int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    // Test discovery runs the programs at build time, outside CTest's environment.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The player's progress of a test program goes to a state folder of its own, never to the real
    // home, and no test program sees another's.
    QTemporaryDir state;
    if (state.isValid())
        qputenv("XDG_STATE_HOME", state.path().toLocal8Bit());
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
