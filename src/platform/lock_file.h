#pragma once
#include <string>

// A lock that every machine sharing a folder sees: a file beside the one it guards, made only when
// no such file exists (an exclusive create, which network file systems carry out on the server,
// where a flock may stay on the machine that took it). It names the host and the process that hold
// it, in the lines other copies of the program have always written ("pid", the program, the host,
// the machine's id). It is taken in folders mounted from a server only: on a local disk the file's
// own flock already keeps out every copy of this computer, and making the lock file would cost a
// save a disk flush.
//
// A holder that has gone (a copy killed, a machine switched off) leaves its lock file behind. It is
// broken at once when the holder was a process of this machine that no longer runs. Otherwise the
// clocks of the machines are never compared (one may be an hour off): a lock file is broken once its
// contents and time stamp have stayed the same for kStaleSeconds of this machine's own clock,
// counted from when this copy first saw it so. Something that is not a plain file under the lock
// file's name (a pipe, a folder) is never read and never waited for.
class TLockFile {
  public:
    // Far above a save, which holds the lock for milliseconds (a few round trips on a slow network);
    // a pupil whose save meets a lock left by a machine switched off waits this long at most.
    static constexpr int kStaleSeconds = 30;
    // Longer than any save holds a lock: a lock file held this long by the same holder, even one that
    // keeps touching it, is reported by its name rather than waited for as a busy network.
    static constexpr int kStuckSeconds = 60;

    enum class TResult {
        Held,
        Busy,        // another holder has it now
        Stuck,       // the same holder has kept it for kStuckSeconds or more
        NotAFile,    // something that is no plain file has the lock file's name
        Unavailable, // no lock file can be made there (a folder the player may not write)
    };

    TLockFile() = default;
    ~TLockFile();
    TLockFile(const TLockFile&) = delete;
    TLockFile& operator=(const TLockFile&) = delete;

    // One attempt, without waiting, to take the lock of file name (Windows-1252 text, as the file
    // layer takes names): the lock file is "." + the file's name + ".lock" in the same folder (Held at
    // once, with no file, where the mode makes none). Where only the file's own lock can keep other
    // copies out, the result is Unavailable.
    TResult TryLock(const std::string& name);
    // Takes the lock file at path (the system's bytes) itself, made wherever the folder is, waiting
    // up to timeoutMs of the platform clock; true when held.
    bool Lock(const std::string& path, int timeoutMs);
    void Unlock();
    bool Held() const { return !path_.empty(); }
    // True while the lock file is still the one this holder made: false once another copy broke it
    // (and maybe took it itself), when whatever the lock guards may have been changed meanwhile.
    bool StillHeld() const;
    // The lock file of the last attempt (the system's bytes); empty where the mode makes none.
    const std::string& Path() const { return lastPath_; }

    // Where lock files are made: on network file systems (the default), everywhere (tests of the
    // lock itself), or nowhere (the checks that show what the lock file prevents).
    enum class TMode { NetworkFolders, Everywhere, Nowhere };
    static void SetMode(TMode mode);
    // Sets the mode for as long as it lives and puts the one before it back.
    class TModeGuard {
      public:
        explicit TModeGuard(TMode mode);
        ~TModeGuard();
        TModeGuard(const TModeGuard&) = delete;
        TModeGuard& operator=(const TModeGuard&) = delete;

      private:
        TMode before_;
    };

  private:
    TResult TryPath(const std::string& lockPath);

    std::string path_;     // the lock file held; empty when none
    std::string contents_; // what this holder wrote into it
    std::string lastPath_;
};
