#include "files_commands.h"

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv)
{
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (!args.empty() && (args[0] == "-h" || args[0] == "--help")) {
        PrintUsage(std::cout);
        return kExitOk;
    }
    if (!args.empty())
        for (const TToolCommand& command : ToolCommands())
            if (args[0] == command.name)
                return command.run(std::vector<std::string>(args.begin() + 1, args.end()), std::cout,
                                   std::cerr);

    if (args.empty())
        std::cerr << "keyvane-files: no command given\n";
    else
        std::cerr << "keyvane-files: unknown command \"" << args[0] << "\"\n";
    PrintUsage(std::cerr);
    return kExitUsage;
}
