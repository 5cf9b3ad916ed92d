#include "working_copy.h"

#include "code_page.h"
#include "file_system.h"

#include <QString>
#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <unistd.h>

namespace {

// The file layer's name (Windows-1252) of a name in the system's bytes.
std::string LayerName(const std::string& path)
{
    return ToCp1252(QString::fromStdString(path));
}

bool ReadWhole(const std::string& path, std::string& contents)
{
    const int h = FileSystem::Open(LayerName(path), TFileAccess::Read, TFileShare::DenyNone,
                                   TFileCreation::OpenExisting);
    if (h < 0)
        return false;
    const bool ok = FileSystem::ReadContents(h, contents);
    return FileSystem::Close(h) && ok;
}

bool WriteWhole(const std::string& path, const std::string& contents, TFileCreation creation)
{
    const std::string name = LayerName(path);
    const int h = FileSystem::Open(name, TFileAccess::ReadWrite, TFileShare::DenyNone, creation);
    if (h < 0)
        return false;
    const bool ok = FileSystem::WriteContents(h, name, contents.data(), static_cast<int>(contents.size()));
    // The contents are on the server once WriteContents says so (a new file renamed into place, or
    // written and flushed in place): a failing close of the old file must not make the caller try
    // again, and so store the same change twice.
    FileSystem::Close(h);
    return ok;
}

// SQLite's companions of a database, which it may leave beside the private copy.
constexpr const char* kCompanions[] = {"", "-journal", "-wal", "-shm"};

} // namespace

TWorkingCopy::~TWorkingCopy()
{
    Release();
    if (!folder_.empty())
        ::rmdir(folder_.c_str());
}

TLockFile::TResult TWorkingCopy::Lock(const std::string& shared)
{
    shared_ = shared;
    return lock_.TryLock(LayerName(shared));
}

TWorkingCopy::TTake TWorkingCopy::Take()
{
    if (folder_.empty()) {
        const char* tmp = std::getenv("TMPDIR");
        std::string pattern = std::string(tmp && tmp[0] == '/' ? tmp : "/tmp") + "/keyvane-games-XXXXXX";
        if (!::mkdtemp(pattern.data()))
            return TTake::NoCopy;
        folder_ = pattern;
    }
    copy_ = FileSystem::JoinPath(folder_, FileSystem::BaseNameOf(shared_));
    RemoveCopy();
    original_.clear();
    moved_ = false;
    bool exists = FileSystem::PathExists(shared_);
    if (!exists) {
        const int fd = ::open(shared_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666);
        exists = fd < 0 && errno == EEXIST;
        if (fd >= 0) {
            ::close(fd);
            exists = true;
        }
    }
    if (!exists || !ReadWhole(shared_, original_))
        return TTake::Unreadable;
    return WriteWhole(copy_, original_, TFileCreation::CreateOrEmpty) ? TTake::Taken : TTake::NoCopy;
}

TWorkingCopy::TPut TWorkingCopy::PutBack()
{
    std::string contents;
    if (copy_.empty() || !ReadWhole(copy_, contents))
        return TPut::Failed;
    if (contents == original_)
        return TPut::Unchanged;
    // The copy builds on the file as it was taken. Should another copy have broken the lock meanwhile
    // (its clock, or its idea of a stale lock, may be off) and changed the file, putting the copy back
    // would drop that copy's work: the file is read again under the lock and must be the one taken.
    std::string now;
    if (!lock_.StillHeld() ||
        (moved_ ? FileSystem::PathExists(shared_) : !ReadWhole(shared_, now) || now != original_))
        return TPut::Refused;
    if (!WriteWhole(shared_, contents, TFileCreation::OpenOrCreate))
        return TPut::Failed;
    original_ = std::move(contents);
    moved_ = false;
    return TPut::Written;
}

void TWorkingCopy::SharedFileMoved()
{
    RemoveCopy();
    original_.clear();
    moved_ = true;
}

void TWorkingCopy::RemoveCopy()
{
    for (const char* companion : kCompanions)
        ::unlink((copy_ + companion).c_str());
}

void TWorkingCopy::Release()
{
    if (!copy_.empty())
        RemoveCopy();
    copy_.clear();
    original_.clear();
    lock_.Unlock();
}
