#pragma once
#include <string>
#include <vector>

// Where the top-ten tables live. A class shares one table per game by naming one folder for every
// player: on the command line (--scores FOLDER), or in the key "folder" of the group [scores] in
// keyvane-games/keyvane-games.conf (the value is the folder's name as written, commas and semicolons
// included; double quotes around it are dropped), looked for in $XDG_CONFIG_HOME (default ~/.config) and then
// in each folder of $XDG_CONFIG_DIRS (default /etc/xdg). Without either, the tables stay in the working
// folder. Paths here are the system's own bytes.

enum class TScoreFolderOrigin { Default, Option, UserFile, SystemFile };

struct TScoreFolderChoice {
    std::string Folder; // empty: the working folder
    TScoreFolderOrigin Origin = TScoreFolderOrigin::Default;
    std::string Source; // the configuration file that named the folder, when one did
    // What is wrong with that file, when it cannot be read or names the folder wrongly (a group or
    // key in another case, an empty folder); the folder is then not used.
    std::string Problem;
};

// The configuration files that are read, most important first.
std::vector<std::string> ScoreConfigFiles();

// The folder named by args (the program's arguments, the program name first) or by the first
// configuration file that has the key. A relative folder on the command line is taken from
// startFolder (empty: the current folder); one in a configuration file is refused (reported by
// ScoreFolderProblem).
TScoreFolderChoice ChooseScoreFolder(const std::vector<std::string>& args, const std::string& startFolder);

// Why folder cannot hold the tables (it is no absolute path, is missing, is no folder, or no file can
// be made in it), in a few words; empty when it can.
std::string ScoreFolderProblem(const std::string& folder);
