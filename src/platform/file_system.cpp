#include "file_system.h"

#include "code_page.h"

#include <QFile>
#include <QLoggingCategory>
#include <QStringList>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

Q_LOGGING_CATEGORY(lcFiles, "keyvane.files")

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

int Open(const std::string& name, TFileAccess access, TFileShare share, TFileCreation creation,
         TFileOpenError* error)
{
    if (error)
        *error = TFileOpenError::None;
    // Non-blocking so that a pipe or device by that name cannot hang the open; cleared below.
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

    const std::string path = NativePath(name);
    int fd = -1;
    // A save replaces a file by a new one under the same name (ReplaceContents). An opener that got
    // the old file just before that would lock a file nobody reads any more, so the lock must be on
    // the file the name leads to once it is held; otherwise the name is opened again.
    for (int attempt = 1;; ++attempt) {
        fd = ::open(path.c_str(), flags, 0666);
        if (fd < 0) {
            const int err = errno;
            qCDebug(lcFiles) << "open" << path.c_str() << "failed:" << std::strerror(err);
            return Fail(err == ENOENT || err == ENOTDIR ? TFileOpenError::NotFound : TFileOpenError::Refused,
                        error);
        }
        struct stat st;
        if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode))
            return Fail(TFileOpenError::Refused, error, fd);

        int rc;
        do
            rc = ::flock(fd, LockFor(access, share) | LOCK_NB);
        while (rc != 0 && errno == EINTR);
        if (rc != 0) {
            const bool busy = errno == EWOULDBLOCK;
            qCDebug(lcFiles) << "lock on" << path.c_str() << (busy ? "held by another opener" : "refused");
            return Fail(busy ? TFileOpenError::Busy : TFileOpenError::Refused, error, fd);
        }
        struct stat named;
        if (::stat(path.c_str(), &named) == 0 && named.st_ino == st.st_ino && named.st_dev == st.st_dev)
            break;
        ::close(fd);
        if (attempt == 20)
            return Fail(TFileOpenError::Busy, error);
    }
    const int fl = ::fcntl(fd, F_GETFL);
    if (fl < 0 || ::fcntl(fd, F_SETFL, fl & ~O_NONBLOCK) != 0)
        return Fail(TFileOpenError::Refused, error, fd);
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
    int done = 0;
    while (done < count) {
        const ssize_t n = ::write(handle, data + done, static_cast<size_t>(count - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return done > 0 ? done : -1;
        done += static_cast<int>(n);
    }
    return done;
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

bool ReplaceContents(int handle, const std::string& name, const char* data, int count)
{
    const std::string path = NativePath(name);
    struct stat old, entry;
    if (count < 0 || ::fstat(handle, &old) != 0 || ::lstat(path.c_str(), &entry) != 0)
        return false;
    // A symbolic or hard link would be cut off from the new contents; so would an owner whose file
    // became ours, unless everybody may read and write it anyway.
    if (!S_ISREG(entry.st_mode) || entry.st_ino != old.st_ino || old.st_nlink != 1)
        return false;
    if (old.st_uid != ::geteuid() && (old.st_mode & 0006) != 0006)
        return false;

    const std::size_t slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? std::string(".") : path.substr(0, slash + 1);
    const std::string base = slash == std::string::npos ? path : path.substr(slash + 1);
    // Hidden, so it is never listed; a copy killed while writing it leaves it behind, and the next
    // save, which holds the same lock, simply starts it again.
    const std::string temp = (slash == std::string::npos ? std::string() : folder) + "." + base + ".new";
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0) {
        qCDebug(lcFiles) << "no new file beside" << path.c_str() << std::strerror(errno);
        return false;
    }
    bool ok = ::fchmod(fd, old.st_mode & 07777) == 0;
    if (ok && old.st_gid != ::getegid())
        ok = ::fchown(fd, static_cast<uid_t>(-1), old.st_gid) == 0;
    ok = ok && Write(fd, data, count) == count;
    // The old file's bytes beyond the new contents stay, as writing over it would leave them.
    ok = ok && Seek(handle, count);
    char buffer[65536];
    for (int n; ok && (n = Read(handle, buffer, sizeof buffer)) != 0;)
        ok = n > 0 && Write(fd, buffer, n) == n;
    ok = ok && ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    if (!ok || ::rename(temp.c_str(), path.c_str()) != 0) {
        qCDebug(lcFiles) << "could not replace" << path.c_str() << std::strerror(errno);
        ::unlink(temp.c_str());
        return false;
    }
    // The new name must reach the disk too, or a power cut could bring the old file back.
    const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return true;
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

} // namespace FileSystem
