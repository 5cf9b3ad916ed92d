#include <QApplication>
#include <gtest/gtest.h>

// Every test program runs with a QApplication (offscreen under CTest), as widgets need one.
int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
