#pragma once
#include <memory>
#include <string>

class QLockFile;

// A lock that every machine sharing a folder sees: a file beside the one it guards, made only when
// no such file exists (an exclusive create, which network file systems carry out on the server,
// where a flock may stay on the machine that took it). It names the host and the process that hold
// it. It is taken in folders mounted from a server only: on a local disk the file's own flock
// already keeps out every copy of this computer, and making the lock file would cost a save a disk
// flush. One whose holder has gone (a copy killed, a machine switched off) is broken: at once when
// the holder was a process of this machine that no longer runs, otherwise once the file is older
// than kStaleSeconds.
class TLockFile {
  public:
    // Far above a save, which holds the lock for milliseconds (a few round trips on a slow network),
    // and above the clock differences of machines that keep their time from the network; a pupil
    // whose save meets a lock left by a machine switched off waits this long at most.
    static constexpr int kStaleSeconds = 30;

    enum class TResult { Held, Busy, Unavailable };

    TLockFile();
    ~TLockFile();
    TLockFile(const TLockFile&) = delete;
    TLockFile& operator=(const TLockFile&) = delete;

    // One attempt, without waiting, to take the lock of file name (Windows-1252 text, as the file
    // layer takes names): the lock file is "." + the file's name + ".lock" in the same folder (Held at
    // once, with no file, where the mode makes none). Busy
    // while another holder has it; Unavailable when no lock file can be made there (a folder the
    // player may not write), where only the file's own lock can keep other copies out.
    TResult TryLock(const std::string& name);
    void Unlock();
    bool Held() const;

    // Where lock files are made: on network file systems (the default), everywhere (tests of the
    // lock itself), or nowhere (the checks that show what the lock file prevents).
    enum class TMode { NetworkFolders, Everywhere, Nowhere };
    static void SetMode(TMode mode);

  private:
    std::unique_ptr<QLockFile> lock_;
};
