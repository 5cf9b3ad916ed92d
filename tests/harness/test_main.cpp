#include <QApplication>
#include <gtest/gtest.h>

// Every test program runs with a QApplication (offscreen under CTest), as widgets need one.
int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    // Test discovery runs the programs at build time, outside CTest's environment.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
