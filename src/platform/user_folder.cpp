#include "user_folder.h"

#include "translation.h"

#include <QFile>
#include <QLoggingCategory>
#include <QRegularExpression>
#include <QSet>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

Q_LOGGING_CATEGORY(lcFolder, "keyvane.folder")

namespace {

// Names compare as the program's file layer compares them: without regard to case.
QString Folded(const std::string& name)
{
    return QFile::decodeName(QByteArray::fromStdString(name)).toCaseFolded();
}

bool IsFolder(const std::string& path)
{
    struct stat st;
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool IsRegularFile(const std::string& path)
{
    struct stat st;
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

// Makes path and its missing parents. The parents are private to the player, as base folders of a
// player's data should be.
bool MakeFolders(const std::string& path)
{
    for (std::size_t slash = path.find('/', 1);; slash = path.find('/', slash + 1)) {
        const bool last = slash == std::string::npos;
        const std::string part = last ? path : path.substr(0, slash);
        if (!part.empty() && !IsFolder(part) && ::mkdir(part.c_str(), last ? 0755 : 0700) != 0 &&
            errno != EEXIST)
            return false;
        if (last)
            return IsFolder(path);
    }
}

std::vector<std::string> FolderEntries(const std::string& folder)
{
    std::vector<std::string> names;
    if (DIR* d = ::opendir(folder.c_str())) {
        while (const dirent* e = ::readdir(d))
            if (std::strcmp(e->d_name, ".") != 0 && std::strcmp(e->d_name, "..") != 0)
                names.emplace_back(e->d_name);
        ::closedir(d);
    }
    return names;
}

bool WriteAll(int fd, const char* data, ssize_t count)
{
    while (count > 0) {
        const ssize_t n = ::write(fd, data, static_cast<std::size_t>(count));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        data += n;
        count -= n;
    }
    return true;
}

// Copies source to target only when target does not exist. The copy is written under a hidden name
// and then linked into place, which fails rather than replace a file, and never leaves a half copy
// under the real name.
bool CopyNew(const std::string& source, const std::string& folder, const std::string& name)
{
    const int in = ::open(source.c_str(), O_RDONLY | O_CLOEXEC);
    if (in < 0)
        return false;
    std::string temp = folder + "/." + name + ".XXXXXX";
    const int out = ::mkostemp(temp.data(), O_CLOEXEC);
    bool ok = out >= 0;
    char buffer[65536];
    while (ok) {
        const ssize_t n = ::read(in, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            ok = n == 0;
            break;
        }
        ok = WriteAll(out, buffer, n);
    }
    ::close(in);
    if (out >= 0) {
        ok = ::fchmod(out, 0644) == 0 && ok;
        ok = ::close(out) == 0 && ok;
        ok = ok && ::link(temp.c_str(), (folder + "/" + name).c_str()) == 0;
        ::unlink(temp.c_str());
    }
    if (!ok)
        qCInfo(lcFolder) << "not copied into the user folder:" << source.c_str() << std::strerror(errno);
    return ok;
}

std::vector<std::string> ReadLines(const std::string& path)
{
    std::vector<std::string> lines;
    QFile file(QFile::decodeName(QByteArray::fromStdString(path)));
    if (!file.open(QIODevice::ReadOnly))
        return lines;
    for (const QByteArray& line : file.readAll().split('\n'))
        if (!line.isEmpty())
            lines.push_back(line.toStdString());
    return lines;
}

// Replaces the list as a whole, so that a start that is cut short leaves the old one.
void WriteLines(const std::string& path, const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines)
        text += line + '\n';
    const std::string temp = path + ".new";
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOFOLLOW, 0644);
    bool ok = fd >= 0 && WriteAll(fd, text.data(), static_cast<ssize_t>(text.size()));
    if (fd >= 0)
        ok = ::close(fd) == 0 && ok;
    if (!ok || ::rename(temp.c_str(), path.c_str()) != 0) {
        qCInfo(lcFolder) << "the list of stocked files was not saved:" << std::strerror(errno);
        ::unlink(temp.c_str());
    }
}

} // namespace

bool FolderIsWritable(const std::string& folder)
{
    if (folder.empty())
        return false;
    std::string probe = folder + "/.keyvane-probe-XXXXXX";
    const int fd = ::mkostemp(probe.data(), O_CLOEXEC);
    if (fd < 0)
        return false;
    ::close(fd);
    ::unlink(probe.c_str());
    return true;
}

std::string XdgBaseFolder(const char* envName, const char* homeFallback)
{
    std::string base;
    if (const char* xdg = std::getenv(envName); xdg && xdg[0] == '/') {
        base = xdg;
    } else {
        std::string home;
        if (const char* h = std::getenv("HOME"); h && h[0] == '/')
            home = h;
        else if (const passwd* pw = ::getpwuid(::geteuid()); pw && pw->pw_dir && pw->pw_dir[0] == '/')
            home = pw->pw_dir;
        if (home.empty())
            return {};
        base = home + homeFallback;
    }
    while (base.size() > 1 && base.back() == '/')
        base.pop_back();
    return base;
}

namespace {

// The program's own folder below a base folder of the player's; empty when there is none.
std::string ProgramFolderIn(const std::string& base)
{
    return base.empty() ? std::string() : base + "/keyvane-games";
}

} // namespace

std::string UserDataFolder()
{
    return ProgramFolderIn(XdgBaseFolder("XDG_DATA_HOME", "/.local/share"));
}

std::string UserStateFolder()
{
    return ProgramFolderIn(XdgBaseFolder("XDG_STATE_HOME", "/.local/state"));
}

bool IsShippedFile(const std::string& name)
{
    if (name.empty() || name[0] == '.')
        return false;
    const QString folded = Folded(name);
    // The help page, and the same page in another language ("Vanedoc-de.htm").
    static const QRegularExpression helpPage(QStringLiteral("^vanedoc(-[a-z]{2})?\\.htm$"));
    return folded.endsWith(QLatin1String(".vcb")) || folded.endsWith(QLatin1String(".wav")) ||
           helpPage.match(folded).hasMatch();
}

bool StockUserFolder(const std::string& programFolder, const std::string& userFolder)
{
    if (!MakeFolders(userFolder)) {
        const int err = errno;
        qCWarning(lcFolder) << "cannot make the user folder" << userFolder.c_str() << std::strerror(err);
        errno = err;
        return false;
    }
    const std::string listPath = userFolder + "/" + kStockedList;
    std::vector<std::string> stocked = ReadLines(listPath);
    QSet<QString> offered;
    for (const std::string& name : stocked)
        offered.insert(Folded(name));
    QSet<QString> present;
    for (const std::string& name : FolderEntries(userFolder))
        present.insert(Folded(name));

    const std::size_t before = stocked.size();
    for (const std::string& name : FolderEntries(programFolder)) {
        const std::string source = programFolder + "/" + name;
        if (!IsShippedFile(name) || !IsRegularFile(source) || offered.contains(Folded(name)))
            continue;
        // A file of the player's under this name (in any case) stays as it is.
        if (present.contains(Folded(name)) || CopyNew(source, userFolder, name)) {
            stocked.push_back(name);
            offered.insert(Folded(name));
        }
    }
    if (stocked.size() != before)
        WriteLines(listPath, stocked);
    return true;
}

bool IsInstalledFolder(const std::string& folder)
{
    return folder == "/usr" || folder.starts_with("/usr/");
}

std::string ChooseWorkingFolder(const std::string& programFolder, const std::string& probeFolder,
                                std::string* problem)
{
    // A folder that cannot even be entered is not an installed program's: it stays the caller's error.
    // An installed program's folder is never written, even by the superuser, who may: its files
    // belong to the package, and a removal of the package would leave the player's files behind.
    if (!IsFolder(programFolder) || (!IsInstalledFolder(programFolder) &&
                                     FolderIsWritable(probeFolder.empty() ? programFolder : probeFolder)))
        return programFolder;
    const std::string user = UserDataFolder();
    std::string why;
    // The reason is printed on the terminal, in the player's language and the terminal's encoding.
    if (user.empty())
        why = TrQ("ChooseWorkingFolder", "no home folder is known").toLocal8Bit().toStdString();
    else if (!StockUserFolder(programFolder, user)) {
        const QString error = QString::fromLocal8Bit(std::strerror(errno));
        why = TrQ("ChooseWorkingFolder", "cannot make %1: %2")
                  .arg(QFile::decodeName(QByteArray::fromStdString(user)), error)
                  .toLocal8Bit()
                  .toStdString();
    } else
        return user;
    if (problem)
        *problem = why;
    return programFolder;
}
