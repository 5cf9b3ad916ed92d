#pragma once
#include "lock_file.h"

#include <string>

// A private copy of a file in a folder that other machines share (a home on a server), for work that
// a program would otherwise do in place: each machine keeps the file's length and pages in its own
// caches, and writing in place would build on stale pages. The copy is taken under the file's lock
// file, from the file as the server holds it then, into a temporary folder of this machine; putting
// it back replaces the shared file by a new one (whose pages no machine has cached), and only while
// the shared file is still the one that was taken and the lock is still this copy's. Paths are the
// system's bytes.
class TWorkingCopy {
  public:
    TWorkingCopy() = default;
    ~TWorkingCopy();
    TWorkingCopy(const TWorkingCopy&) = delete;
    TWorkingCopy& operator=(const TWorkingCopy&) = delete;

    // One attempt, without waiting, at the lock file beside shared (see TLockFile::TryLock).
    TLockFile::TResult Lock(const std::string& shared);
    const std::string& LockPath() const { return lock_.Path(); }

    enum class TTake {
        Taken,      // the private copy holds the shared file as it is now
        Unreadable, // the shared file cannot be read now (mostly one this machine does not see yet)
        NoCopy      // no private copy can be made
    };
    // With the lock held: copies the shared file into the private copy. A shared file that seems
    // missing is made, empty, by an exclusive create, which the server either carries out or refuses
    // because the file exists after all (another machine has just made it); either way it is read.
    TTake Take();
    // The private copy, once taken.
    const std::string& Path() const { return copy_; }

    enum class TPut {
        Unchanged, // the copy is as it was taken: nothing to do
        Written,   // the shared file now holds the copy
        Refused,   // the shared file changed since it was taken, or the lock is no longer this copy's
        Failed     // writing failed; the shared file is as it was
    };
    // Puts a changed copy back in place of the shared file.
    TPut PutBack();
    // The holder has moved the shared file away itself (a damaged file set aside): the private copy
    // starts empty, and putting it back makes the shared file anew, provided none has appeared.
    void SharedFileMoved();
    // Removes the private copy (and what SQLite keeps beside it) and releases the lock.
    void Release();

  private:
    void RemoveCopy();

    std::string shared_;
    std::string folder_; // the temporary folder of the private copy; made once, removed at the end
    std::string copy_;
    std::string original_; // the shared file's contents when they were taken
    bool moved_ = false;   // the shared file was moved away by this holder since
    TLockFile lock_;
};
