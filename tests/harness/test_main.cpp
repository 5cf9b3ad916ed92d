#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// Every test program runs with a QApplication (offscreen under CTest), as widgets need one.
int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    // Test discovery runs the programs at build time, outside CTest's environment.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // A test program has a home of its own, with its own configuration, data and state folders and
    // no configuration folders of the computer: it never reads the real user's or the computer's
    // settings (a class's score folder named in /etc/xdg) and never writes into the real home. No
    // test program sees another's.
    QTemporaryDir home;
    if (!home.isValid())
        return 2;
    const QString root = home.path();
    const std::pair<const char*, QString> folders[] = {
        {"HOME", root},
        {"XDG_CONFIG_HOME", root + "/.config"},
        {"XDG_DATA_HOME", root + "/.local/share"},
        {"XDG_STATE_HOME", root + "/.local/state"},
        {"XDG_CONFIG_DIRS", root + "/.config-dirs"},
    };
    for (const auto& [name, folder] : folders) {
        QDir().mkpath(folder);
        qputenv(name, QFile::encodeName(folder));
    }
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
