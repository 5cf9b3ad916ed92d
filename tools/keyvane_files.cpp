#include "class_commands.h"
#include "files_commands.h"
#include "translation.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <clocale>

#include <iostream>
#include <memory>
#include <string>
#include <vector>

int main(int argc, char** argv)
{
    const std::vector<std::string> args(argv + 1, argv + argc);
    // The application object holds the translation of the messages; the tool needs nothing else of it.
    int appArgc = 1;
    // A printed class report draws, which needs the drawing part of Qt but no display.
    const bool drawing = !args.empty() && args[0] == "class" && ClassNeedsDrawing(args);
    if (drawing && !qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    std::unique_ptr<QCoreApplication> app = drawing ? std::make_unique<QGuiApplication>(appArgc, argv)
                                                    : std::make_unique<QCoreApplication>(appArgc, argv);
    // The application object takes the C library's locale from the environment; the tool's figures
    // ("1.5") stay as they were.
    std::setlocale(LC_ALL, "C");
    InstallPlayerLanguage();
    if (!args.empty() && (args[0] == "-h" || args[0] == "--help")) {
        PrintUsage(std::cout);
        return kExitOk;
    }
    if (args.size() == 1 && args[0] == "--version") {
        std::cout << "keyvane-files " << KV_VERSION_TEXT << '\n';
        return kExitOk;
    }
    if (!args.empty())
        for (const TToolCommand& command : ToolCommands())
            if (args[0] == command.name)
                return command.run(std::vector<std::string>(args.begin() + 1, args.end()), std::cout,
                                   std::cerr);

    if (args.empty())
        std::cerr << "keyvane-files: " << TrUtf8("keyvane-files", "no command given") << '\n';
    else
        std::cerr << "keyvane-files: "
                  << FillArgs(TrUtf8("keyvane-files", "unknown command \"%1\""), {args[0]}) << '\n';
    PrintUsage(std::cerr);
    return kExitUsage;
}
