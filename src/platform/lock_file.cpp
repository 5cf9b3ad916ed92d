#include "lock_file.h"

#include "file_system.h"

#include <QFile>
#include <QLockFile>
#include <QLoggingCategory>
#include <atomic>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

Q_LOGGING_CATEGORY(lcLock, "keyvane.lock")

std::atomic<TLockFile::TMode> mode{TLockFile::TMode::NetworkFolders};

} // namespace

TLockFile::TLockFile() = default;

TLockFile::~TLockFile()
{
    Unlock();
}

void TLockFile::SetMode(TMode m)
{
    mode = m;
}

TLockFile::TResult TLockFile::TryLock(const std::string& name)
{
    Unlock();
    const std::string path = FileSystem::NativePath(name);
    const std::size_t slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
    const TMode m = mode;
    if (m == TMode::Nowhere ||
        (m == TMode::NetworkFolders && !FileSystem::OnNetworkFileSystem(folder.empty() ? "." : folder)))
        return TResult::Held;
    const std::string lockPath =
        folder + "." + (slash == std::string::npos ? path : path.substr(slash + 1)) + ".lock";
    auto lock = std::make_unique<QLockFile>(QFile::decodeName(QByteArray::fromStdString(lockPath)));
    lock->setStaleLockTime(kStaleSeconds * 1000);
    // One attempt: a stale lock found here is removed and the attempt made again at once.
    if (lock->tryLock(0)) {
        FileSystem::ShareWithFolderGroup(lockPath);
        lock_ = std::move(lock);
        return TResult::Held;
    }
    // Only a folder that refuses new files means that no lock file can be had here. Any other failure
    // counts as busy: over SFTP, two machines that create the lock file at the same moment may see
    // the loser's exclusive create fail with an error other than "exists".
    if (lock->error() != QLockFile::PermissionError)
        return TResult::Busy;
    qCInfo(lcLock) << "no lock file can be made beside" << path.c_str();
    return TResult::Unavailable;
}

void TLockFile::Unlock()
{
    if (lock_)
        lock_->unlock();
    lock_.reset();
}

bool TLockFile::Held() const
{
    return lock_ && lock_->isLocked();
}
