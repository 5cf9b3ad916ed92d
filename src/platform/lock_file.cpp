#include "lock_file.h"

#include "file_system.h"
#include "system.h"

#include <QLoggingCategory>
#include <QSysInfo>
#include <algorithm>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <map>
#include <mutex>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

Q_LOGGING_CATEGORY(lcLock, "keyvane.lock")

std::atomic<TLockFile::TMode> mode{TLockFile::TMode::NetworkFolders};

// What this copy saw of a lock file held by another, and since when by its own clock.
struct TSighting {
    std::string contents;
    std::int64_t mtimeNs = 0;
    ino_t inode = 0;
    std::uint32_t sameSince = 0; // contents and time stamp unchanged since then
    std::uint32_t heldSince = 0; // the same holder (contents) since then
};

std::mutex sightingsMutex;
std::map<std::string, TSighting> sightings;

const std::string& HostName()
{
    static const std::string host = QSysInfo::machineHostName().toStdString();
    return host;
}

const std::string& MachineId()
{
    static const std::string id = QSysInfo::machineUniqueId().toStdString();
    return id;
}

// The process, the program, the host and the machine's id, as the lock files of every copy carry them.
std::string OwnContents()
{
    return std::to_string(::getpid()) + "\nkeyvane-games\n" + HostName() + "\n" + MachineId() + "\n\n";
}

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

// A holder that was a process of this machine which no longer runs.
bool HolderGone(const std::string& contents)
{
    const std::vector<std::string> lines = Lines(contents);
    if (lines.size() < 4 || lines[2] != HostName() || lines[3] != MachineId())
        return false;
    char* end = nullptr;
    const long pid = std::strtol(lines[0].c_str(), &end, 10);
    if (*end != '\0' || pid <= 0 || pid == ::getpid())
        return false;
    return ::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH;
}

// Reads a lock file that lstat found a plain file, never blocking, never following a link.
bool ReadLock(const std::string& path, std::string& contents, struct stat& st)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY);
    if (fd < 0)
        return false;
    char buffer[512];
    const bool ok = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
    const ssize_t n = ok ? ::read(fd, buffer, sizeof buffer) : -1;
    ::close(fd);
    if (n < 0)
        return false;
    contents.assign(buffer, static_cast<std::size_t>(n));
    return true;
}

} // namespace

TLockFile::~TLockFile()
{
    Unlock();
}

void TLockFile::SetMode(TMode m)
{
    mode = m;
}

TLockFile::TModeGuard::TModeGuard(TMode m) : before_(mode.exchange(m)) {}

TLockFile::TModeGuard::~TModeGuard()
{
    mode = before_;
}

TLockFile::TResult TLockFile::TryLock(const std::string& name)
{
    Unlock();
    lastPath_.clear();
    const std::string path = FileSystem::NativePath(name);
    const std::string folder = FileSystem::FolderOf(path);
    const TMode m = mode;
    if (m == TMode::Nowhere || (m == TMode::NetworkFolders && !FileSystem::OnNetworkFileSystem(folder)))
        return TResult::Held;
    lastPath_ = FileSystem::JoinPath(folder, "." + FileSystem::BaseNameOf(path) + ".lock");
    const TResult result = TryPath(lastPath_);
    if (result == TResult::Unavailable)
        qCInfo(lcLock) << "no lock file can be made beside" << path.c_str();
    return result;
}

bool TLockFile::Lock(const std::string& path, int timeoutMs)
{
    Unlock();
    lastPath_ = path;
    const std::uint32_t start = TickCount();
    for (;;) {
        const TResult result = TryPath(path);
        if (result == TResult::Held)
            return true;
        if (result == TResult::NotAFile || result == TResult::Unavailable ||
            static_cast<int>(TickCount() - start) >= timeoutMs)
            return false;
        SleepMs(50);
    }
}

TLockFile::TResult TLockFile::TryPath(const std::string& lockPath)
{
    const std::string contents = OwnContents();
    // A few rounds: a lock file found gone or broken is made again at once.
    for (int round = 0; round < 3; ++round) {
        const int fd = ::open(lockPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0644);
        if (fd >= 0) {
            const bool written =
                ::write(fd, contents.data(), contents.size()) == static_cast<ssize_t>(contents.size());
            if (::close(fd) != 0 || !written) {
                ::unlink(lockPath.c_str());
                return TResult::Busy;
            }
            FileSystem::ShareWithFolderGroup(lockPath);
            path_ = lockPath;
            contents_ = contents;
            std::lock_guard<std::mutex> guard(sightingsMutex);
            sightings.erase(lockPath);
            return TResult::Held;
        }
        const int err = errno;
        struct stat st;
        if (::lstat(lockPath.c_str(), &st) != 0) {
            if (errno != ENOENT)
                return TResult::Busy;
            // Only a folder that refuses new files means that no lock file can be had here. Any other
            // failure counts as busy: over SFTP, the loser of two machines that create the lock file at
            // the same moment sees its exclusive create fail with "permission denied", not "exists",
            // and the winner may have removed the file again since.
            if ((err == EACCES || err == EPERM || err == EROFS) &&
                ::access(FileSystem::FolderOf(lockPath).c_str(), W_OK) != 0)
                return TResult::Unavailable;
            continue;
        }
        if (!S_ISREG(st.st_mode)) {
            qCWarning(lcLock) << lockPath.c_str() << "is not a file";
            return TResult::NotAFile;
        }
        std::string found;
        if (!ReadLock(lockPath, found, st))
            return TResult::Busy;
        if (HolderGone(found)) {
            qCInfo(lcLock) << "breaking" << lockPath.c_str() << ": its holder no longer runs";
            ::unlink(lockPath.c_str());
            continue;
        }
        const std::int64_t mtimeNs = std::int64_t{st.st_mtim.tv_sec} * 1000000000 + st.st_mtim.tv_nsec;
        const std::uint32_t now = TickCount();
        std::unique_lock<std::mutex> guard(sightingsMutex);
        auto [it, fresh] = sightings.try_emplace(lockPath);
        TSighting& seen = it->second;
        if (fresh || seen.contents != found || seen.inode != st.st_ino)
            seen.heldSince = now;
        if (fresh || seen.contents != found || seen.inode != st.st_ino || seen.mtimeNs != mtimeNs)
            seen.sameSince = now;
        seen.contents = found;
        seen.inode = st.st_ino;
        seen.mtimeNs = mtimeNs;
        if (now - seen.sameSince >= kStaleSeconds * 1000u) {
            sightings.erase(it);
            guard.unlock();
            // Removed only while it is still the file that stood still: a holder that took it again
            // meanwhile keeps it.
            struct stat again;
            std::string still;
            if (ReadLock(lockPath, still, again) && still == found && again.st_ino == st.st_ino &&
                again.st_mtim.tv_sec == st.st_mtim.tv_sec && again.st_mtim.tv_nsec == st.st_mtim.tv_nsec) {
                qCInfo(lcLock) << "breaking" << lockPath.c_str() << ": unchanged for" << kStaleSeconds << "s";
                ::unlink(lockPath.c_str());
            }
            continue;
        }
        return now - seen.heldSince >= kStuckSeconds * 1000u ? TResult::Stuck : TResult::Busy;
    }
    return TResult::Busy;
}

bool TLockFile::StillHeld() const
{
    if (path_.empty())
        return true; // no lock file was needed here
    std::string found;
    struct stat st;
    return ReadLock(path_, found, st) && found == contents_;
}

void TLockFile::Unlock()
{
    if (path_.empty())
        return;
    // Another copy may have broken this lock and made its own since; that one stays.
    if (StillHeld())
        ::unlink(path_.c_str());
    path_.clear();
    contents_.clear();
}
