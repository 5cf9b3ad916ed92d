#include "class_folder.h"

#include "code_page.h"
#include "lock_file.h"
#include "system.h"

#include <QFile>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>

namespace ClassFolder {

namespace {

// A lock file held by another copy for longer than this is no save in progress but one in trouble;
// a game's end does not wait for it.
constexpr int kLockWaitMs = 2000;

std::string Errno()
{
    return std::strerror(errno);
}

std::string FolderPart(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string(".") : path.substr(0, slash == 0 ? 1 : slash);
}

bool WriteAll(int fd, const std::string& bytes)
{
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

} // namespace

std::string LoginOf(std::uint32_t uid)
{
    passwd pw;
    passwd* found = nullptr;
    std::vector<char> buffer(16384);
    if (::getpwuid_r(static_cast<uid_t>(uid), &pw, buffer.data(), buffer.size(), &found) != 0 || !found)
        return {};
    return pw.pw_name;
}

std::string LoginName()
{
    return LoginOf(::geteuid());
}

bool IsFolder(const std::string& path)
{
    struct stat st;
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool ReplaceWhole(const std::string& path, const std::string& bytes, const TReplace& how,
                  std::string& problem)
{
    struct stat st;
    if (::lstat(path.c_str(), &st) == 0 &&
        (!S_ISREG(st.st_mode) || (how.OwnOnly && st.st_uid != ::geteuid()))) {
        problem = "the name is held by a file of another user or by no plain file";
        return false;
    }
    // The same lock file as the tables': copies on other machines of a mounted folder take turns.
    TLockFile lock;
    const std::string name = ToCp1252(QFile::decodeName(QByteArray::fromStdString(path)));
    const std::uint32_t start = TickCount();
    TLockFile::TResult held = TLockFile::TResult::Held;
    while (how.TakeLock && (held = lock.TryLock(name)) == TLockFile::TResult::Busy &&
           TickCount() - start < kLockWaitMs)
        SleepMs(20);
    if (held == TLockFile::TResult::Busy) {
        problem = "another copy holds its lock file";
        return false;
    }
    const std::string folder = FolderPart(path);
    const std::string base = path.substr(path.rfind('/') + 1);
    // A random name that nobody can have put there beforehand: in a folder where others may add
    // files, a fixed spare name could be taken by a classmate's file first.
    std::string spare = folder + "/." + base + ".XXXXXX";
    const int fd = ::mkostemp(spare.data(), O_CLOEXEC);
    if (fd < 0) {
        problem = "no new file can be made beside it: " + Errno();
        return false;
    }
    bool ok = ::fchmod(fd, how.Mode) == 0;
    // The group is changed where the user may (a member of it); otherwise the folder's stands.
    if (ok && how.Gid >= 0)
        static_cast<void>(::fchown(fd, static_cast<uid_t>(-1), static_cast<gid_t>(how.Gid)));
    ok = ok && WriteAll(fd, bytes) && (!how.Flush || ::fsync(fd) == 0);
    ok = ::close(fd) == 0 && ok;
    if (!ok || ::rename(spare.c_str(), path.c_str()) != 0) {
        problem = "the new file could not be written: " + Errno();
        ::unlink(spare.c_str());
        return false;
    }
    const int dir = how.Flush ? ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC) : -1;
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return true;
}

bool ListNames(const std::string& folder, const std::string& suffix, std::vector<std::string>& names)
{
    names.clear();
    DIR* dir = ::opendir(folder.c_str());
    if (!dir)
        return false;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        if (name.empty() || name[0] == '.' || name.size() <= suffix.size() ||
            name.compare(name.size() - suffix.size(), suffix.size(), suffix) != 0)
            continue;
        names.push_back(name);
    }
    ::closedir(dir);
    std::sort(names.begin(), names.end());
    return true;
}

TRead ReadBounded(const std::string& path, std::int64_t limit, std::string& bytes, std::uint32_t& owner)
{
    bytes.clear();
    // O_NONBLOCK: a pipe planted under the name must not hang the reader.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
    if (fd < 0)
        return errno == ELOOP ? TRead::NotAFile : TRead::Unreadable;
    struct stat st;
    TRead result = TRead::Ok;
    if (::fstat(fd, &st) != 0)
        result = TRead::Unreadable;
    else if (!S_ISREG(st.st_mode))
        result = TRead::NotAFile;
    else if (st.st_size > limit)
        result = TRead::TooLarge;
    else {
        owner = st.st_uid;
        bytes.resize(static_cast<std::size_t>(st.st_size));
        std::size_t done = 0;
        // A file that grows while it is read is read to the bound only.
        while (result == TRead::Ok && done < bytes.size()) {
            const ssize_t n = ::read(fd, bytes.data() + done, bytes.size() - done);
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0)
                result = TRead::Unreadable;
            else if (n == 0)
                break;
            else
                done += static_cast<std::size_t>(n);
        }
        bytes.resize(done);
    }
    ::close(fd);
    return result;
}

bool MakeFolder(const std::string& path, unsigned mode, long gid)
{
    if (::mkdir(path.c_str(), mode) != 0)
        return false;
    ::chmod(path.c_str(), mode); // the umask may have taken bits that the folder needs
    if (gid >= 0)
        static_cast<void>(::chown(path.c_str(), static_cast<uid_t>(-1), static_cast<gid_t>(gid)));
    return true;
}

bool ModeOf(const std::string& path, unsigned& mode, long& gid)
{
    struct stat st;
    if (::stat(path.c_str(), &st) != 0)
        return false;
    mode = st.st_mode & 07777;
    gid = static_cast<long>(st.st_gid);
    return true;
}

bool MoveNew(const std::string& from, const std::string& to, std::string& problem)
{
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0)
        return true;
    // Some mounted file systems know no such rename; the target's absence is then checked first.
    if (errno == EINVAL || errno == ENOSYS) {
        struct stat st;
        if (::lstat(to.c_str(), &st) == 0)
            errno = EEXIST;
        else if (::rename(from.c_str(), to.c_str()) == 0)
            return true;
    }
    problem = Errno();
    return false;
}

} // namespace ClassFolder
