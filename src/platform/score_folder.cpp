#include "score_folder.h"

#include "user_folder.h"

#include <QFile>
#include <QSettings>
#include <cerrno>
#include <cstdlib>
#include <cstring>
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

// The folder key of one configuration file; empty when the file or the key is missing.
std::string FolderKey(const std::string& file)
{
    if (::access(file.c_str(), R_OK) != 0)
        return {};
    QSettings settings(QFile::decodeName(QByteArray::fromStdString(file)), QSettings::IniFormat);
    return QFile::encodeName(settings.value(QStringLiteral("scores/folder")).toString().trimmed())
        .toStdString();
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
        choice = {WithoutTrailingSlashes(folder), TScoreFolderOrigin::Option, {}};
    }
    if (choice.Origin == TScoreFolderOrigin::Option)
        return choice;
    const std::vector<std::string> files = ScoreConfigFiles();
    for (std::size_t i = 0; i < files.size(); ++i) {
        const std::string folder = FolderKey(files[i]);
        if (folder.empty())
            continue;
        return {WithoutTrailingSlashes(folder),
                i == 0 ? TScoreFolderOrigin::UserFile : TScoreFolderOrigin::SystemFile, files[i]};
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
