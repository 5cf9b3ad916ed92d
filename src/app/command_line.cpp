#include "command_line.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace {

constexpr std::string_view kScores = "--scores";

// The toolkit's options that take a value, and those that stand alone.
constexpr std::array<std::string_view, 14> kToolkitWithValue = {
    "-platform",    "-platformpluginpath", "-platformtheme", "-plugin",     "-qwindowgeometry",
    "-qwindowicon", "-qwindowtitle",       "-style",         "-stylesheet", "-session",
    "-display",     "-geometry",           "-title",         "-name"};
constexpr std::array<std::string_view, 5> kToolkitAlone = {"-reverse", "-widgetcount", "-nograb", "-dograb",
                                                           "-sync"};

template <std::size_t N> bool Among(const std::array<std::string_view, N>& list, const std::string& arg)
{
    return std::find(list.begin(), list.end(), arg) != list.end();
}

TCommandLine Misuse(std::string problem)
{
    return {TCommandLineAction::Misuse, std::move(problem)};
}

} // namespace

TCommandLine ReadCommandLine(const std::vector<std::string>& args)
{
    TCommandLine line;
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--help" || arg == "-h")
            return {TCommandLineAction::Help, {}};
        if (arg == "--version")
            line.Action = TCommandLineAction::Version;
        else if (arg == kScores) {
            if (i + 1 == args.size() || args[i + 1].empty())
                return Misuse("--scores needs a folder");
            ++i;
        } else if (arg.starts_with(std::string(kScores) + "=")) {
            if (arg.size() == kScores.size() + 1)
                return Misuse("--scores needs a folder");
        } else if (Among(kToolkitWithValue, arg)) {
            if (i + 1 == args.size())
                return Misuse(arg + " needs a value");
            ++i;
        } else if (!Among(kToolkitAlone, arg)) {
            return Misuse(arg.starts_with("-") ? "unknown option " + arg : "unexpected argument " + arg);
        }
    }
    return line;
}

std::string UsageText()
{
    return "usage: keyvane-games [--scores FOLDER]\n"
           "       keyvane-games --help | --version\n"
           "Three arcade typing games in one window drawn as an open book.\n"
           "\n"
           "  --scores FOLDER  keep the top-ten tables in FOLDER, which a class may share\n"
           "  --help, -h       print this text and end\n"
           "  --version        print the version and end\n"
           "\n"
           "Without --scores, the folder is the key \"folder\" of the group [scores] in\n"
           "keyvane-games/keyvane-games.conf under $XDG_CONFIG_HOME (default ~/.config),\n"
           "then under each folder of $XDG_CONFIG_DIRS (default /etc/xdg).\n"
           "The language follows LANGUAGE, LC_ALL, LC_MESSAGES and LANG.\n"
           "See the manual page keyvane-games(6).\n";
}

std::string VersionText()
{
    return std::string("keyvane-games ") + KV_VERSION_TEXT + "\n";
}
