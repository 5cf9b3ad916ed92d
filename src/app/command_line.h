#pragma once
#include <string>
#include <vector>

// What the program's command line asks for, read before any display is opened: --help and --version
// answer on a terminal alone, and a line the program does not understand ends it before it starts.
// The toolkit's own options (-platform NAME, -style NAME, -reverse ...) are let through to it.

enum class TCommandLineAction { Play, Help, Version, Misuse };

struct TCommandLine {
    TCommandLineAction Action = TCommandLineAction::Play;
    std::string Problem; // with Misuse: what is wrong, in a few words
};

// args: the program's arguments, its name first.
TCommandLine ReadCommandLine(const std::vector<std::string>& args);

// The usage text (--help; on standard error after a misuse) and the version line.
std::string UsageText();
std::string VersionText();

// The exit status of a command line the program does not understand.
inline constexpr int kMisuseStatus = 2;
