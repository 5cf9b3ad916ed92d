#pragma once
#include <string>
#include <vector>

// A program installed for every user of the computer lies in a folder its players cannot write. It then
// keeps its files in a folder of the player's own, stocked with copies of what ships beside it. Paths
// here are the system's own bytes, not texts of the program's code page.

// True when a file can be created in folder. It is tried, not judged from the permission bits, which
// do not bind every user alike.
bool FolderIsWritable(const std::string& folder);

// A base folder of the player's: $envName when it is an absolute path, otherwise homeFallback (such
// as "/.local/share") below the home folder ($HOME when absolute, else the user's entry in the
// password database); without trailing slashes, and empty when no home folder is known.
std::string XdgBaseFolder(const char* envName, const char* homeFallback);

// "$XDG_DATA_HOME/keyvane-games", or "$HOME/.local/share/keyvane-games" when XDG_DATA_HOME is unset,
// empty or not an absolute path; empty when no home folder is known.
std::string UserDataFolder();

// "$XDG_STATE_HOME/keyvane-games", or "$HOME/.local/state/keyvane-games" when XDG_STATE_HOME is
// unset, empty or not an absolute path; empty when no home folder is known. The player's progress
// (key statistics and the history of games) is kept there, one set per user of the computer.
std::string UserStateFolder();

// True for the files a user folder is stocked with: vocabularies, sounds and the information document.
bool IsShippedFile(const std::string& name);

// Makes userFolder (with missing parents) and copies into it the shipped files of programFolder that
// it was not offered before. A file that exists, under any case of its name, is never replaced, and a
// file the player deleted does not come back: the names offered once are kept in kStockedList.
// False when the folder cannot be made; files that cannot be copied are left out.
bool StockUserFolder(const std::string& programFolder, const std::string& userFolder);

// The hidden list of the names a user folder was stocked with, one a line.
inline constexpr const char* kStockedList = ".keyvane-stocked";

// True for a folder of the installed system (/usr and below): what lies there belongs to the package
// manager, whoever may write it.
bool IsInstalledFolder(const std::string& folder);

// The folder the program works in: programFolder when it is no folder at all, or when it is not an
// installed folder and a file can be created in probeFolder (the program folder itself, unless a test
// names another); otherwise the stocked user folder, for the superuser too. When there is no user folder to
// use, programFolder, with the reason in *problem.
std::string ChooseWorkingFolder(const std::string& programFolder, const std::string& probeFolder,
                                std::string* problem = nullptr);
