#pragma once
#include <ostream>
#include <string>
#include <vector>

// The commands of keyvane-files. Each is one function taking the arguments after its name; adding a
// command means writing its function and adding its row to the table.

inline constexpr int kExitOk = 0;
inline constexpr int kExitFailed = 1; // a file could not be read or written, or its text does not fit
inline constexpr int kExitUsage = 2;

struct TToolCommand {
    const char* name;
    const char* arguments; // shown in the usage text
    const char* summary;
    int (*run)(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
};

const std::vector<TToolCommand>& ToolCommands();

// Every message goes to err as "keyvane-files: MESSAGE". Fail reports a failure and gives kExitFailed;
// UsageError reports a wrong command line, adds the command's usage line and gives kExitUsage.
int Fail(std::ostream& err, const std::string& message);
int UsageError(std::ostream& err, const char* command, const std::string& message);

// The usage text listing every command.
void PrintUsage(std::ostream& out);
