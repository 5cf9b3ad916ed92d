#include "file_system.h"

#include "code_page.h"

#include <QFile>
#include <QLoggingCategory>
#include <QStringList>
#include <QSysInfo>
#include <algorithm>
#include <atomic>
#include <cctype>
#include <cerrno>
#include <cstring>
#include <deque>
#include <dirent.h>
#include <fcntl.h>
#include <grp.h>
#include <limits>
#include <linux/magic.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/vfs.h>
#include <unistd.h>

namespace {

Q_LOGGING_CATEGORY(lcFiles, "keyvane.files")

using FileSystem::JoinPath;

QByteArray Local(const QString& path)
{
    return QFile::encodeName(path);
}

bool Exists(const QString& path)
{
    struct stat st;
    return ::lstat(Local(path).constData(), &st) == 0;
}

// The entry of folder dir whose name equals part without regard to case; empty when none. When
// several do ("a.vcb" and "A.vcb"), the first in byte order is taken so the choice is stable.
QString FindCaseless(const QString& dir, const QString& part)
{
    DIR* d = ::opendir(Local(dir).constData());
    if (!d)
        return {};
    QByteArray best;
    while (const dirent* e = ::readdir(d)) {
        const QByteArray raw(e->d_name);
        if (QString::compare(QFile::decodeName(raw), part, Qt::CaseInsensitive) != 0)
            continue;
        if (best.isEmpty() || raw < best)
            best = raw;
    }
    ::closedir(d);
    return best.isEmpty() ? QString() : QFile::decodeName(best);
}

// Which flock an opening takes. flock knows only shared and exclusive locks, so the share modes map
// onto them by what they must keep out: a deny-write reader shares with other readers, but anyone
// who writes while denying writes to others, or who denies everything, must be alone. An opening
// that denies nothing still takes a shared lock so that an opener who wants to be alone sees it.
int LockFor(TFileAccess access, TFileShare share)
{
    switch (share) {
    case TFileShare::DenyAll:
        return LOCK_EX;
    case TFileShare::DenyWrite:
        return access == TFileAccess::Read ? LOCK_SH : LOCK_EX;
    case TFileShare::DenyNone:
        break;
    }
    return LOCK_SH;
}

// Whether a link may be followed: one of the user running the program, or of the superuser, who
// could reach the file anyway. The kernel trusts the same links in shared temporary folders (besides
// those of the folder's owner, who here may be another player).
bool TrustedLink(const struct stat& link)
{
    return link.st_uid == ::geteuid() || link.st_uid == 0;
}

// The parts of a path between its slashes, empty ones left out.
std::vector<std::string> PathParts(const std::string& path)
{
    std::vector<std::string> parts;
    for (std::size_t start = 0; start <= path.size();) {
        const std::size_t slash = std::min(path.find('/', start), path.size());
        if (slash > start)
            parts.push_back(path.substr(start, slash - start));
        start = slash + 1;
    }
    return parts;
}

// The path a name leads to, following every trusted symbolic link in it, in the folders on the way as
// much as at its end, so that no link is left. False for a link of another owner anywhere on the way,
// or a chain that never ends. A part that does not exist ends the search: nothing below it can.
bool FollowTrustedLinks(std::string& path)
{
    const std::vector<std::string> given = PathParts(path);
    std::deque<std::string> left(given.begin(), given.end());
    std::string done = path.starts_with('/') ? "/" : "";
    bool searching = true;
    for (int hops = 0; !left.empty();) {
        const std::string part = std::move(left.front());
        left.pop_front();
        if (part == ".")
            continue;
        if (part == ".." && searching && !done.empty() && done != "/" && !done.ends_with("..")) {
            // done has no link in it, so its parent is the folder ".." leads to.
            const std::size_t slash = done.rfind('/');
            done = slash == std::string::npos ? "" : slash == 0 ? "/" : done.substr(0, slash);
            continue;
        }
        const std::string next = JoinPath(done, part);
        struct stat st;
        const bool found = searching && ::lstat(next.c_str(), &st) == 0;
        if (!found || !S_ISLNK(st.st_mode)) {
            searching = found;
            done = part == ".." && done == "/" ? done : next;
            continue;
        }
        if (!TrustedLink(st)) {
            qCWarning(lcFiles) << "not following" << next.c_str() << ": the link belongs to another user";
            return false;
        }
        if (++hops > 40)
            return false;
        std::string target(static_cast<std::size_t>(st.st_size > 0 ? st.st_size : 255) + 1, '\0');
        const ssize_t n = ::readlink(next.c_str(), target.data(), target.size());
        if (n <= 0 || static_cast<std::size_t>(n) >= target.size())
            return false;
        target.resize(static_cast<std::size_t>(n));
        if (target.starts_with('/'))
            done = "/";
        const std::vector<std::string> parts = PathParts(target);
        left.insert(left.begin(), parts.begin(), parts.end());
    }
    if (done.empty())
        done = ".";
    path.swap(done);
    return true;
}

// The faults tests bring about (TScopedDiskFaults): bytes that may still be written (negative: no
// limit), and how many reads are still to fail.
std::atomic<std::int64_t> writeBudget{-1};
std::atomic<int> failingReads{0};

// Takes up to count bytes of the write budget; how many may be written.
int TakeBudget(int count)
{
    std::int64_t left = writeBudget.load();
    while (left >= 0) {
        const std::int64_t take = std::min<std::int64_t>(left, count);
        if (writeBudget.compare_exchange_weak(left, left - take))
            return static_cast<int>(take);
    }
    return count;
}

// Reserves the disk space of the first count bytes of the file without changing its length, so that
// writing them afterwards cannot find the disk full. A file system that cannot reserve is trusted.
bool Reserve(int fd, int count)
{
    const std::int64_t left = writeBudget.load();
    if (left >= 0 && left < count)
        return false;
    int rc;
    do
        rc = ::fallocate(fd, FALLOC_FL_KEEP_SIZE, 0, count);
    while (rc != 0 && errno == EINTR);
    return rc == 0 || errno == EOPNOTSUPP || errno == ENOSYS;
}

// A file this program has just made in a folder its group may write (a class's folder, mode 2775)
// gets the folder's group and the group's read and write bits whatever the player's umask, so that
// another player of the group can replace it. Elsewhere the umask stands.
void GiveGroupAccess(int fd, const std::string& folder)
{
    struct stat dir, st;
    if (::stat(folder.c_str(), &dir) != 0 || !(dir.st_mode & S_IWGRP) || ::fstat(fd, &st) != 0 ||
        st.st_uid != ::geteuid())
        return;
    // Without the folder's set-group-id bit the file has the player's own group; the folder's is the
    // one its players share (changing to it works only for a member, which is the case that matters).
    if (st.st_gid != dir.st_gid && ::fchown(fd, static_cast<uid_t>(-1), dir.st_gid) == 0)
        st.st_gid = dir.st_gid;
    if (st.st_gid == dir.st_gid && (st.st_mode & (S_IRGRP | S_IWGRP)) != (S_IRGRP | S_IWGRP))
        ::fchmod(fd, (st.st_mode & 07777) | S_IRGRP | S_IWGRP);
}

// True when the owner of a file keeps reading and writing it through its group once the file is
// owned by this player instead: the group may read and write it and the owner belongs to the group.
bool OwnerKeepsAccessThroughGroup(const struct stat& st)
{
    if ((st.st_mode & (S_IRGRP | S_IWGRP)) != (S_IRGRP | S_IWGRP))
        return false;
    passwd pw;
    passwd* found = nullptr;
    std::vector<char> buffer(16384);
    if (::getpwuid_r(st.st_uid, &pw, buffer.data(), buffer.size(), &found) != 0 || !found)
        return false;
    if (pw.pw_gid == st.st_gid)
        return true;
    int count = 64;
    std::vector<gid_t> groups(static_cast<std::size_t>(count));
    if (::getgrouplist(pw.pw_name, pw.pw_gid, groups.data(), &count) < 0) {
        groups.resize(static_cast<std::size_t>(count));
        if (::getgrouplist(pw.pw_name, pw.pw_gid, groups.data(), &count) < 0)
            return false;
    }
    groups.resize(static_cast<std::size_t>(count));
    return std::find(groups.begin(), groups.end(), st.st_gid) != groups.end();
}

int Fail(TFileOpenError reason, TFileOpenError* error, int fd = -1)
{
    if (fd >= 0)
        ::close(fd);
    if (error)
        *error = reason;
    return -1;
}

} // namespace

namespace FileSystem {

std::string FolderOf(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string(".") : path.substr(0, slash == 0 ? 1 : slash);
}

std::string BaseNameOf(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string JoinPath(const std::string& folder, const std::string& name)
{
    if (folder.empty())
        return name;
    return folder.back() == '/' ? folder + name : folder + "/" + name;
}

TFolderIdentity IdentifyFolder(const std::string& folder)
{
    struct statfs fs;
    struct stat st;
    if (::statfs(folder.c_str(), &fs) != 0 || ::stat(folder.c_str(), &st) != 0)
        return {};
    return {static_cast<long>(fs.f_type), static_cast<std::uint64_t>(st.st_dev), true};
}

TScopedDiskFaults::TScopedDiskFaults(const TDiskFaults& faults)
    : before_{writeBudget.exchange(faults.WriteBudget < 0 ? -1 : faults.WriteBudget),
              failingReads.exchange(faults.FailingReads)}
{
}

TScopedDiskFaults::~TScopedDiskFaults()
{
    writeBudget = before_.WriteBudget;
    failingReads = before_.FailingReads;
}

std::string NativePath(const std::string& name)
{
    const QString given = FromCp1252(name);
    if (given.isEmpty() || Exists(given))
        return Local(given).toStdString();

    const QStringList parts = given.split(QLatin1Char('/'));
    QString resolved;
    bool searching = true;
    for (qsizetype i = 0; i < parts.size(); ++i) {
        QString part = parts[i];
        const QString next = i == 0 ? part : resolved + QLatin1Char('/') + part;
        if (searching && !part.isEmpty() && part != QLatin1String(".") && part != QLatin1String("..") &&
            !Exists(next)) {
            const QString dir =
                i == 0 ? QStringLiteral(".") : (resolved.isEmpty() ? QStringLiteral("/") : resolved);
            const QString found = FindCaseless(dir, part);
            if (found.isEmpty())
                searching = false; // nothing below a missing part can exist
            else
                part = found;
        }
        resolved = i == 0 ? part : resolved + QLatin1Char('/') + part;
    }
    return Local(resolved).toStdString();
}

bool FileExists(const std::string& name)
{
    struct stat st;
    return ::stat(NativePath(name).c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
}

namespace {

// How often an opening tries the name again: over SSHFS while a rename crosses it, and while the
// name leads to a file other than the one just locked (a save replaced it meanwhile).
constexpr int kNameAttempts = 20;

int OpenFlags(TFileAccess access, TFileCreation creation)
{
    // Non-blocking so that a pipe or device by that name cannot hang the open; cleared once the
    // file is known to be a plain one.
    int flags = O_CLOEXEC | O_NOCTTY | O_NONBLOCK;
    switch (access) {
    case TFileAccess::Read:
        flags |= O_RDONLY;
        break;
    case TFileAccess::Write:
        flags |= O_WRONLY;
        break;
    case TFileAccess::ReadWrite:
        flags |= O_RDWR;
        break;
    }
    // Emptying waits until the lock is held: O_TRUNC would destroy a file that another opener owns.
    if (creation == TFileCreation::CreateOrEmpty || creation == TFileCreation::OpenOrCreate)
        flags |= O_CREAT;
    if (creation == TFileCreation::AppendExisting)
        flags |= O_APPEND;
    return flags;
}

// Opens the plain file that name leads to and takes its flock; the handle, or -1 with the reason.
// A save replaces a file by a new one under the same name (WriteContents). An opener that got the
// old file just before that would lock a file nobody reads any more, so the lock must be on the file
// the name leads to once it is held; otherwise the name is opened again.
int OpenLocked(const std::string& name, int flags, int lock, TFileOpenError* error)
{
    for (int attempt = 1;; ++attempt) {
        std::string path = FileSystem::NativePath(name);
        if (!FollowTrustedLinks(path)) {
            qCDebug(lcFiles) << "links not followed to" << path.c_str();
            return Fail(TFileOpenError::Refused, error);
        }
        // The links were followed above: one put in place since then is not followed.
        const int fd = ::open(path.c_str(), flags | O_NOFOLLOW, 0666);
        // Over SSHFS a name this machine is replacing by rename at that moment may lead nowhere for
        // an instant (an opening or a stat that crosses the rename finds it missing or stale), and
        // for about a second after another machine removed or replaced a file the mount may still
        // take it for present, so that an opening that would create it finds it missing. Those are
        // tried again; a missing file is otherwise reported as missing.
        const auto crossedReplace = [&](int err, bool creating) {
            return (err == ESTALE || (err == ENOENT && creating)) && attempt < kNameAttempts &&
                   FileSystem::OnNetworkFileSystem(FileSystem::FolderOf(path));
        };
        if (fd < 0) {
            const int err = errno;
            qCDebug(lcFiles) << "open" << path.c_str() << "failed:" << std::strerror(err);
            if (crossedReplace(err, (flags & O_CREAT) != 0)) {
                if (err == ENOENT)
                    ::usleep(100000);
                continue;
            }
            return Fail(err == ENOENT || err == ENOTDIR ? TFileOpenError::NotFound : TFileOpenError::Refused,
                        error);
        }
        struct stat st;
        if (::fstat(fd, &st) != 0) {
            const int err = errno;
            qCDebug(lcFiles) << "no attributes of" << path.c_str() << std::strerror(err);
            if (crossedReplace(err, true)) {
                ::close(fd);
                continue;
            }
            return Fail(TFileOpenError::Refused, error, fd);
        }
        if (!S_ISREG(st.st_mode))
            return Fail(TFileOpenError::Refused, error, fd);

        int rc;
        do
            rc = ::flock(fd, lock | LOCK_NB);
        while (rc != 0 && errno == EINTR);
        if (rc != 0) {
            const bool busy = errno == EWOULDBLOCK;
            qCDebug(lcFiles) << "lock on" << path.c_str() << (busy ? "held by another opener" : "refused");
            return Fail(busy ? TFileOpenError::Busy : TFileOpenError::Refused, error, fd);
        }
        struct stat named;
        if (::lstat(path.c_str(), &named) == 0 && named.st_ino == st.st_ino && named.st_dev == st.st_dev)
            return fd;
        ::close(fd);
        if (attempt == kNameAttempts)
            return Fail(TFileOpenError::Busy, error);
    }
}

} // namespace

int Open(const std::string& name, TFileAccess access, TFileShare share, TFileCreation creation,
         TFileOpenError* error)
{
    if (error)
        *error = TFileOpenError::None;
    const int flags = OpenFlags(access, creation);
    const int fd = OpenLocked(name, flags, LockFor(access, share), error);
    if (fd < 0)
        return -1;
    const int fl = ::fcntl(fd, F_GETFL);
    if (fl < 0 || ::fcntl(fd, F_SETFL, fl & ~O_NONBLOCK) != 0) {
        qCDebug(lcFiles) << "no blocking reads:" << std::strerror(errno);
        return Fail(TFileOpenError::Refused, error, fd);
    }
    // A file that may have been made just now: one of the player's own that is still empty.
    if ((flags & O_CREAT) && Length(fd) == 0)
        GiveGroupAccess(fd, FolderOf(NativePath(name)));
    if (creation == TFileCreation::CreateOrEmpty && ::ftruncate(fd, 0) != 0)
        return Fail(TFileOpenError::Refused, error, fd);
    return fd;
}

int Read(int handle, char* buffer, int count)
{
    int done = 0;
    while (done < count) {
        const ssize_t n = ::read(handle, buffer + done, static_cast<size_t>(count - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return -1;
        if (n == 0)
            break;
        done += static_cast<int>(n);
    }
    return done;
}

int Write(int handle, const char* data, int count)
{
    const int allowed = TakeBudget(count);
    int done = 0;
    while (done < allowed) {
        const ssize_t n = ::write(handle, data + done, static_cast<size_t>(allowed - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return done > 0 ? done : -1;
        done += static_cast<int>(n);
    }
    return done == 0 && count > 0 ? -1 : done;
}

namespace {

// File systems whose files other machines change: their caches here may lag behind the server, and
// a flock taken here may not reach the other machines.
bool IsNetworkFileSystem(const struct statfs& fs)
{
    constexpr unsigned long kFuse = 0x65735546, kCifs = 0xFF534D42, kSmb2 = 0xFE534D42, kCeph = 0x00C36400,
                            kAfs = 0x5346414F, kNineP = 0x01021997;
    switch (static_cast<unsigned long>(fs.f_type)) {
    case NFS_SUPER_MAGIC:
    case SMB_SUPER_MAGIC:
    case CODA_SUPER_MAGIC:
    case kFuse:
    case kCifs:
    case kSmb2:
    case kCeph:
    case kAfs:
    case kNineP:
        return true;
    default:
        return false;
    }
}

bool OnNetworkFileSystem(int handle)
{
    struct statfs fs;
    return ::fstatfs(handle, &fs) == 0 && IsNetworkFileSystem(fs);
}

} // namespace

bool OnNetworkFileSystem(const std::string& path)
{
    struct statfs fs;
    return ::statfs(path.c_str(), &fs) == 0 && IsNetworkFileSystem(fs);
}

bool ReadContents(int handle, std::string& contents, std::int64_t limit)
{
    contents.clear();
    for (int left = failingReads.load(); left > 0;)
        if (failingReads.compare_exchange_weak(left, left - 1))
            return false;
    const std::int64_t most = limit < 0 ? std::numeric_limits<std::int64_t>::max() : limit;
    const auto readAll = [handle, &contents, most] {
        contents.clear();
        bool ok = Seek(handle, 0);
        char buffer[65536];
        for (int n;
             ok && static_cast<std::int64_t>(contents.size()) < most &&
             (n = Read(handle, buffer,
                       static_cast<int>(std::min<std::int64_t>(
                           sizeof buffer, most - static_cast<std::int64_t>(contents.size()))))) != 0;) {
            ok = n > 0;
            if (ok)
                contents.append(buffer, static_cast<std::size_t>(n));
        }
        return ok;
    };
    if (!OnNetworkFileSystem(handle))
        return readAll();
    // Direct reads go to the server through this opening, past the pages cached for the name, which
    // may still be those of the file that this one replaced on another machine (over SFTP, other
    // openings of the old file even refill them). They stop at the length this machine keeps for
    // the file, which may be that of the old file too: SSHFS answers a plain stat from its own cache
    // for up to 20 s, so a table another machine has filled since can read as empty. Opening the file
    // told the file system its length on the server; a stat forced past the system's own cache
    // (AT_STATX_FORCE_SYNC) right after the opening fetches it, and the system keeps it for the reads.
    const auto serverLength = [handle]() -> std::int64_t {
        struct statx sx;
        return ::statx(handle, "", AT_EMPTY_PATH | AT_STATX_FORCE_SYNC, STATX_SIZE, &sx) == 0
                   ? static_cast<std::int64_t>(sx.stx_size)
                   : -1;
    };
    const int fl = ::fcntl(handle, F_GETFL);
    bool direct = fl >= 0 && ::fcntl(handle, F_SETFL, fl | O_DIRECT) == 0;
    bool ok = false;
    // The length is asked again when the reads disagree with it: the system may have kept an older
    // length after all (a stat that crossed another one), or filled the end of a file that has
    // shrunk with zeros up to the old length.
    for (int attempt = 0; attempt < 3 && !ok; ++attempt) {
        const std::int64_t length = serverLength();
        ok = readAll();
        if (!ok && direct) {
            // A file system may take O_DIRECT and still refuse the reads (alignment): read as usual.
            direct = false;
            ::fcntl(handle, F_SETFL, fl);
            ok = readAll();
        }
        if (ok && length >= 0 && static_cast<std::int64_t>(contents.size()) != std::min(length, most)) {
            qCDebug(lcFiles) << "read" << contents.size() << "bytes of a file of" << length
                             << "on the server";
            ok = false;
        }
    }
    if (direct)
        ::fcntl(handle, F_SETFL, fl);
    return ok;
}

bool Seek(int handle, std::int64_t offset)
{
    return ::lseek(handle, static_cast<off_t>(offset), SEEK_SET) >= 0;
}

std::int64_t Length(int handle)
{
    struct stat st;
    return ::fstat(handle, &st) == 0 ? static_cast<std::int64_t>(st.st_size) : -1;
}

bool Close(int handle)
{
    // Linux releases the descriptor even when close is interrupted, so it is never retried.
    return handle >= 0 && ::close(handle) == 0;
}

bool Flush(int handle)
{
    return handle >= 0 && ::fsync(handle) == 0;
}

namespace {

enum class TReplaced { Done, NotHere, Failed };

// The name of this copy's own spare file beside path: hidden, so it is never listed, and made of the
// host and the process, so that copies on several machines sharing the folder never write into one
// spare file (each removes only its own).
std::string SpareName(const std::string& path)
{
    static const std::string owner = [] {
        std::string host = QSysInfo::machineHostName().left(32).toStdString();
        for (char& c : host)
            if (!std::isalnum(static_cast<unsigned char>(c)) && c != '-')
                c = '_';
        return host + "." + std::to_string(::getpid());
    }();
    return FileSystem::JoinPath(FileSystem::FolderOf(path),
                                "." + FileSystem::BaseNameOf(path) + "." + owner + ".new");
}

// In a folder with the sticky bit (a class's folder where pupils must not remove each other's
// files), only the owner of a file, the folder's owner or the superuser may rename over it.
bool StickyKeepsOut(const std::string& folder, const struct stat& file)
{
    struct stat dir;
    const uid_t me = ::geteuid();
    return ::stat(folder.c_str(), &dir) == 0 && (dir.st_mode & S_ISVTX) && file.st_uid != me &&
           dir.st_uid != me && me != 0;
}

// Puts the new contents in a new file beside the one open on handle and renames it over that one,
// keeping the old bytes beyond them up to keepUpTo in all. NotHere, with nothing changed, when a new
// file would change the file the players know, or the folder allows no new file or no rename over
// the file; Failed, with nothing changed, when the new file could not be written.
TReplaced Replace(int handle, const std::string& name, const char* data, int count, std::int64_t keepUpTo)
{
    std::string path = NativePath(name);
    struct stat old, entry;
    if (!FollowTrustedLinks(path) || ::fstat(handle, &old) != 0 || ::lstat(path.c_str(), &entry) != 0)
        return TReplaced::NotHere;
    // A hard link would be cut off from the new contents; so would an owner whose file became ours,
    // unless everybody may read and write it anyway, or the owner's group may (a class's folder).
    if (!S_ISREG(entry.st_mode) || entry.st_ino != old.st_ino || old.st_nlink != 1)
        return TReplaced::NotHere;
    if (old.st_uid != ::geteuid() && (old.st_mode & 0006) != 0006 && !OwnerKeepsAccessThroughGroup(old))
        return TReplaced::NotHere;
    const std::string folder = FolderOf(path);
    if (StickyKeepsOut(folder, old))
        return TReplaced::NotHere;

    // A copy killed while writing it leaves it behind; its next save removes it and starts again. It
    // is made anew, never opened as found: in a shared folder another player could have put a file of
    // theirs there, and something that is not a file (a folder, a pipe) under the name is not used.
    const std::string temp = SpareName(path);
    ::unlink(temp.c_str());
    const int fd =
        ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK, 0600);
    if (fd < 0) {
        const int err = errno;
        qCDebug(lcFiles) << "no new file beside" << path.c_str() << std::strerror(err);
        return err == ENOSPC || err == EDQUOT || err == EIO ? TReplaced::Failed : TReplaced::NotHere;
    }
    bool ok = ::fchmod(fd, old.st_mode & 07777) == 0;
    if (ok && old.st_gid != ::getegid())
        ok = ::fchown(fd, static_cast<uid_t>(-1), old.st_gid) == 0;
    if (ok)
        GiveGroupAccess(fd, folder);
    if (!ok) {
        ::close(fd);
        ::unlink(temp.c_str());
        return TReplaced::NotHere;
    }
    ok = Write(fd, data, count) == count;
    // The old file's bytes beyond the new contents stay, as writing over it would leave them, up to
    // the length asked for: a sparse file of gigabytes under a table's name must not be copied.
    std::int64_t tail = std::max<std::int64_t>(0, static_cast<std::int64_t>(old.st_size) - count);
    if (keepUpTo >= 0)
        tail = std::min<std::int64_t>(tail, std::max<std::int64_t>(0, keepUpTo - count));
    ok = ok && Seek(handle, count);
    char buffer[65536];
    for (int n;
         ok && tail > 0 &&
         (n = Read(handle, buffer, static_cast<int>(std::min<std::int64_t>(sizeof buffer, tail)))) != 0;) {
        ok = n > 0 && Write(fd, buffer, n) == n;
        tail -= n;
    }
    ok = ok && ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    if (!ok) {
        qCWarning(lcFiles) << "could not write the new contents of" << path.c_str() << std::strerror(errno);
        ::unlink(temp.c_str());
        return TReplaced::Failed;
    }
    if (::rename(temp.c_str(), path.c_str()) != 0) {
        const int err = errno;
        ::unlink(temp.c_str());
        // A server that keeps the rename for the file's owner (a sticky folder seen through a share).
        if (err == EPERM || err == EACCES)
            return TReplaced::NotHere;
        qCWarning(lcFiles) << "could not put the new contents of" << path.c_str() << "in place"
                           << std::strerror(err);
        return TReplaced::Failed;
    }
    // The new name must reach the disk too, or a power cut could bring the old file back.
    const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return TReplaced::Done;
}

} // namespace

bool WriteContents(int handle, const std::string& name, const char* data, int count, std::int64_t keepUpTo)
{
    if (count < 0)
        return false;
    switch (Replace(handle, name, data, count, keepUpTo)) {
    case TReplaced::Done:
        return true;
    case TReplaced::Failed:
        return false;
    case TReplaced::NotHere:
        break;
    }
    return Reserve(handle, count) && Seek(handle, 0) && Write(handle, data, count) == count && Flush(handle);
}

void ShareWithFolderGroup(const std::string& path)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
    if (fd < 0)
        return;
    GiveGroupAccess(fd, FolderOf(path));
    ::close(fd);
}

bool MatchesMask(const std::string& name, const std::string& mask)
{
    const QString n = FromCp1252(name);
    const QString m = FromCp1252(mask);
    // Greedy match with one backtrack point: the last "*" seen and where its run currently ends.
    qsizetype i = 0, j = 0, star = -1, mark = 0;
    while (i < n.size()) {
        if (j < m.size() && m[j] == QLatin1Char('*')) {
            star = j++;
            mark = i;
        } else if (j < m.size() && (m[j] == QLatin1Char('?') || m[j].toCaseFolded() == n[i].toCaseFolded())) {
            ++i;
            ++j;
        } else if (star >= 0) {
            j = star + 1;
            i = ++mark;
        } else {
            return false;
        }
    }
    while (j < m.size() && m[j] == QLatin1Char('*'))
        ++j;
    return j == m.size();
}

std::vector<std::string> ListFiles(const std::string& pattern)
{
    std::vector<std::string> names;
    const std::size_t slash = pattern.rfind('/');
    const std::string folder = slash == std::string::npos
                                   ? std::string(".")
                                   : (slash == 0 ? std::string("/") : pattern.substr(0, slash));
    const std::string mask = slash == std::string::npos ? pattern : pattern.substr(slash + 1);
    if (mask.empty())
        return names;

    const std::string dir = NativePath(folder);
    DIR* d = ::opendir(dir.c_str());
    if (!d)
        return names;
    while (const dirent* e = ::readdir(d)) {
        if (e->d_name[0] == '.')
            continue; // hidden, and the folder's own "." and ".."
        bool ok = false;
        const QByteArray raw(e->d_name);
        const QString decoded = QFile::decodeName(raw);
        const std::string name = ToCp1252(decoded, &ok);
        // A name that decodes to another one (a leading byte-order mark is dropped) would be listed
        // under a name that opens nothing.
        ok = ok && QFile::encodeName(decoded) == raw;
        if (!ok) {
            qCInfo(lcFiles) << "not listed, the name does not fit the code page:" << e->d_name;
            continue;
        }
        if (!MatchesMask(name, mask))
            continue;
        struct stat st;
        if (::stat((dir + "/" + e->d_name).c_str(), &st) == 0 && S_ISREG(st.st_mode))
            names.push_back(name);
    }
    ::closedir(d);
    return names;
}

bool ResolveLinks(const std::string& path, std::string& resolved)
{
    resolved = path;
    return FollowTrustedLinks(resolved);
}

bool PathExists(const std::string& path)
{
    struct stat st;
    return ::lstat(path.c_str(), &st) == 0;
}

bool RenamePath(const std::string& from, const std::string& to)
{
    return ::rename(from.c_str(), to.c_str()) == 0;
}

bool MakeFolders(const std::string& path)
{
    for (std::size_t slash = path.find('/', 1);; slash = path.find('/', slash + 1)) {
        const bool last = slash == std::string::npos;
        const std::string part = last ? path : path.substr(0, slash);
        struct stat st;
        if (!part.empty() && ::stat(part.c_str(), &st) != 0 && ::mkdir(part.c_str(), 0700) != 0 &&
            errno != EEXIST)
            return false;
        if (last)
            return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
    }
}

bool FolderOpenToOthers(const std::string& folder)
{
    struct stat st;
    if (::stat(folder.c_str(), &st) != 0)
        return false;
    if (st.st_uid != ::geteuid() && st.st_uid != 0)
        return true; // its owner may change its permissions at any time
    if (st.st_mode & S_IWOTH)
        return true;
    if (!(st.st_mode & S_IWGRP))
        return false;
    // A group of the player's own, as a private user group is, lets nobody else in.
    if (st.st_gid != ::getegid())
        return true;
    const group* g = ::getgrgid(st.st_gid);
    if (!g)
        return true;
    const passwd* me = ::getpwuid(::geteuid());
    for (char** member = g->gr_mem; member && *member; ++member)
        if (!me || std::strcmp(*member, me->pw_name) != 0)
            return true;
    return false;
}

} // namespace FileSystem
