#include "score_folder.h"

#include "user_folder.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr const char* kConfigName = "/keyvane-games/keyvane-games.conf";
constexpr const char* kOption = "--scores";

std::string WithoutTrailingSlashes(std::string path)
{
    while (path.size() > 1 && path.back() == '/')
        path.pop_back();
    return path;
}

// What one configuration file says: the folder it names, or what is wrong with it; both empty when
// the file is missing or does not have the key.
struct TFolderKey {
    std::string Folder;
    std::string Problem;
};

std::string Trimmed(const std::string& text)
{
    const std::size_t first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

bool SameWithoutCase(const std::string& a, const std::string& b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

// Reads the key folder of the group [scores] as the text it is: commas and semicolons are part of a
// folder's name ("/srv/class 5a,5b"), not a list or a comment; a value in double quotes is taken
// without them. Lines starting with "#" or ";" are comments. A group or key spelled in another case
// would otherwise be passed over without a word, so it is told.
TFolderKey FolderKey(const std::string& file)
{
    struct stat st;
    if (::stat(file.c_str(), &st) != 0)
        return {};
    std::ifstream in(file, std::ios::binary);
    if (!in || S_ISDIR(st.st_mode))
        return {{},
                file + " cannot be read: " + (S_ISDIR(st.st_mode) ? "it is a folder" : std::strerror(errno))};
    std::string line, group;
    TFolderKey found;
    while (std::getline(in, line)) {
        line = Trimmed(line);
        if (line.empty() || line[0] == '#' || line[0] == ';')
            continue;
        if (line.front() == '[' && line.back() == ']') {
            group = Trimmed(line.substr(1, line.size() - 2));
            continue;
        }
        const std::size_t equals = line.find('=');
        if (equals == std::string::npos || !SameWithoutCase(group, "scores"))
            continue;
        const std::string key = Trimmed(line.substr(0, equals));
        if (!SameWithoutCase(key, "folder"))
            continue;
        std::string value = Trimmed(line.substr(equals + 1));
        if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
            value = value.substr(1, value.size() - 2);
        if (group != "scores")
            found.Problem = "the group is written [" + group + "]; it must be [scores]";
        else if (key != "folder")
            found.Problem = "the key is written " + key + "; it must be folder";
        else if (value.empty())
            found.Problem = "the key folder has no value";
        else
            found = {value, {}};
    }
    if (in.bad())
        return {{}, file + " cannot be read: " + std::strerror(errno)};
    return found;
}

} // namespace

std::vector<std::string> ScoreConfigFiles()
{
    std::vector<std::string> files;
    if (const std::string home = XdgBaseFolder("XDG_CONFIG_HOME", "/.config"); !home.empty())
        files.push_back(home + kConfigName);
    std::string dirs;
    if (const char* d = std::getenv("XDG_CONFIG_DIRS"); d && d[0])
        dirs = d;
    else
        dirs = "/etc/xdg";
    std::size_t start = 0;
    for (;;) {
        const std::size_t colon = dirs.find(':', start);
        const std::string dir = dirs.substr(start, colon == std::string::npos ? colon : colon - start);
        // A relative entry would depend on the folder the program was started from.
        if (!dir.empty() && dir[0] == '/')
            files.push_back(WithoutTrailingSlashes(dir) + kConfigName);
        if (colon == std::string::npos)
            break;
        start = colon + 1;
    }
    return files;
}

TScoreFolderChoice ChooseScoreFolder(const std::vector<std::string>& args, const std::string& startFolder)
{
    TScoreFolderChoice choice;
    for (std::size_t i = 1; i < args.size(); ++i) {
        std::string folder;
        if (args[i] == kOption && i + 1 < args.size())
            folder = args[++i];
        else if (args[i].starts_with(std::string(kOption) + "="))
            folder = args[i].substr(std::strlen(kOption) + 1);
        else
            continue;
        if (!folder.empty() && folder[0] != '/') {
            std::string start = startFolder;
            if (start.empty()) {
                char here[4096];
                if (::getcwd(here, sizeof here))
                    start = here;
            }
            if (!start.empty())
                folder = WithoutTrailingSlashes(start) + "/" + folder;
        }
        choice = {WithoutTrailingSlashes(folder), TScoreFolderOrigin::Option, {}, {}};
    }
    if (choice.Origin == TScoreFolderOrigin::Option)
        return choice;
    const std::vector<std::string> files = ScoreConfigFiles();
    for (std::size_t i = 0; i < files.size(); ++i) {
        const TFolderKey key = FolderKey(files[i]);
        if (key.Folder.empty() && key.Problem.empty())
            continue;
        return {WithoutTrailingSlashes(key.Folder),
                i == 0 ? TScoreFolderOrigin::UserFile : TScoreFolderOrigin::SystemFile, files[i],
                key.Problem};
    }
    return choice;
}

std::string ScoreFolderProblem(const std::string& folder)
{
    if (folder.empty() || folder[0] != '/')
        return "it is not an absolute path";
    struct stat st;
    if (::stat(folder.c_str(), &st) != 0)
        return std::strerror(errno);
    if (!S_ISDIR(st.st_mode))
        return "it is not a folder";
    if (!FolderIsWritable(folder))
        return "no file can be made in it";
    return {};
}
