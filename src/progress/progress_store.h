#pragma once
#include "difficult_keys.h"
#include "file_system.h"
#include "game_record.h"
#include "key_ranking.h"
#include "store_problem.h"
#include "working_copy.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

struct sqlite3;

// One finished game of the player's history, texts in UTF-8.
struct THistoryRow {
    std::string PlayedAt; // local date and time, "YYYY-MM-DD HH:MM:SS"
    std::string Game;
    std::string Choice;
    std::int32_t Score = 0;
    double Seconds = 0;
    std::int32_t Keystrokes = 0;
    std::int32_t Errors = 0;
    double Level = 0;
};

// The player's lasting progress: the totals of the difficult-keys statistics and the history of
// finished games, in one SQLite database of the player's state folder. Several copies of the
// program may share it; each folds a finished game into the totals as they are stored at that
// moment, in one write transaction, waiting for the other copy rather than failing. A database that
// SQLite finds damaged, or that is not this program's, is kept beside under another name and a new
// one is started; any other failure keeps the file as it is. Play never stops for it.
//
// In a folder mounted from a server (a home on NFS or SSHFS), another machine's changes may reach
// this one late: each machine keeps the file's length and pages in its own caches, and SQLite
// writing in place would build on stale pages. There every action holds a lock file beside the
// database (made on the server, so every machine sees it), works on a private copy of the whole
// file read from the server, and, when it changed the copy, replaces the shared file by it (a new
// file under the old name, whose pages no machine has cached). Outside an action the file is used
// in place, as on a local disk.
class TProgressStore {
  public:
    // The version a new database gets. Older versions are brought up to it step by step (see
    // kMigrations in the source), later ones are left alone.
    // 1: the statistics' totals and the games; 2: the player's key record beside them.
    static constexpr int kSchemaVersion = 2;
    // "KVG1": marks the file as this program's, for tools that look at the header.
    static constexpr std::int32_t kApplicationId = 0x4B564731;
    static constexpr const char* kFileName = "progress.db";
    // How long an action waits, in all, for another copy's transaction.
    static constexpr int kBusyTimeoutMs = 5000;
    // "Cannot open User database": the code of the log entries about the progress database.
    static constexpr std::int32_t kErrorCode = -1505;
    // Counts read from the file are kept within this, far above anything the statistics keep and far
    // below where adding a game's keystrokes could overflow.
    static constexpr std::int32_t kLargestCount = 1 << 24;

    enum class TReadState { Ok, Missing, Unreadable };

    explicit TProgressStore(std::string folder);
    ~TProgressStore();
    TProgressStore(const TProgressStore&) = delete;
    TProgressStore& operator=(const TProgressStore&) = delete;

    // One action of the player (start-up, a game's end, opening the progress view): while it lasts,
    // every wait for another copy shares one allowance of waitMs, so an action that finds the
    // database held waits once, not once per query. Without an action each query may wait
    // kBusyTimeoutMs.
    class TAction {
      public:
        TAction(TProgressStore& store, int waitMs = kBusyTimeoutMs);
        ~TAction();
        TAction(const TAction&) = delete;
        TAction& operator=(const TAction&) = delete;

      private:
        TProgressStore& store_;
    };

    // Where actions work on a private copy: in folders on network file systems (the default), or,
    // for as long as one of these lives with true, everywhere (tests of the copying on a local disk).
    class TCopyEverywhere {
      public:
        explicit TCopyEverywhere(bool everywhere);
        ~TCopyEverywhere();
        TCopyEverywhere(const TCopyEverywhere&) = delete;
        TCopyEverywhere& operator=(const TCopyEverywhere&) = delete;

      private:
        bool before_;
    };

    // Opens the database for reading and writing, making the folder and a new database when there
    // is none, bringing an older one up to date, and setting a damaged one aside. False when
    // progress cannot be kept now; Problem() says why.
    bool Open();
    // Opens an existing database for reading only; changes no file, sets nothing aside.
    TReadState OpenForReading();
    // Between actions on a network folder the file is closed, and counts as open when the last
    // action left it open.
    bool IsOpen() const { return db_ != nullptr || reopenFlags_ != 0; }

    // Replaces keys' totals and exposures by the stored ones; the recent counts are left alone.
    bool LoadTotals(TDifficultKeys& keys);
    // Folds record's keystrokes into the stored totals and adds its history row, in one
    // transaction. On success the stored totals after the fold go to *totals when given.
    bool RecordGame(const TGameRecord& record, const std::string& playedAt, TDifficultKeys* totals);
    // Every history row, oldest first; or the last `last` rows when last > 0. False on a read error.
    bool History(std::vector<THistoryRow>& rows, int last = 0);
    // The scores of the last `count` games of game, oldest first; their days ("YYYY-MM-DD") go to
    // *days when given. False on a read error.
    bool RecentScores(const std::string& game, int count, std::vector<std::int32_t>& scores,
                      std::vector<std::string>* days = nullptr);
    // The player's key record from fromDay on (a day of the platform clock), oldest first; none in a
    // file of version 1 opened for reading. False on a read error.
    bool ReadKeyDays(int fromDay, TKeyDays& days);
    // The file was removed or renamed since it was opened: SQLite would go on writing to it unseen.
    bool Moved();
    // Writes the statistics' totals and the key record's days into a store that holds neither yet,
    // as after the file was removed while the program ran. One transaction; false when the store
    // holds totals already or the writing failed.
    bool PutTotals(const TDifficultKeys& keys, const TKeyDays& days);
    // The best score of game played at or after since ("YYYY-MM-DD HH:MM:SS"); -1 when none.
    // False on a read error.
    bool BestScoreSince(const std::string& game, const std::string& since, std::int32_t& best);

    // The database's name as the player's folder gives it.
    const std::string& Path() const { return path_; }
    // Why the last operation failed; None after one that worked.
    TStoreProblem Problem() const { return problem_; }
    // The failure in words for the log and the tool: SQLite's own message, or what was found.
    const std::string& Detail() const { return detail_; }
    // The name the last damaged database was kept under; empty when none was set aside.
    std::string SetAsideName;

  private:
    enum class TCheck { Ok, Older, Empty, Damaged, Later, Busy, Unreadable };
    int OpenFile(int flags);
    void CloseFile();
    TCheck Check();
    TCheck Failed(int rc);
    // The whole file reads without a fault (SQLite's quick check); only asked on the way to
    // setting a file aside, as it reads every page.
    TCheck Verify();
    // Brings an empty or older database to kSchemaVersion with its indexes, in one transaction.
    bool Upgrade();
    bool SetAside();
    bool Fail(TStoreProblem problem, std::string detail);
    bool FailWith(int rc);
    bool FailWith(TCheck check);
    // Both give SQLite's result code: SQLITE_DONE / SQLITE_OK on success.
    int ReadTotals(TDifficultKeys& keys);
    int Fold(const TGameRecord& record, const std::string& playedAt, TDifficultKeys& folded);
    bool Damaged(int rc) const;
    static int WaitForOtherCopy(void* store, int count);
    // The file can be asked now; otherwise false, with the reason when an action's copy failed.
    bool Ready();
    // An action's start and end on a network folder: the lock file, the private copy, the write back.
    void BeginCopy();
    void EndCopy();
    // Replaces the shared file by the private copy when the copy changed; false when it could not.
    bool WriteBack();
    bool CopyFailed(TStoreProblem problem, std::string detail);
    // The state folder is on the file system it was on when the store was made; otherwise the
    // action fails (Held, so the games wait).
    bool FolderStillThere();

    std::string folder_;
    std::string path_;
    // The file system of the state folder (or the folder it is to be made in) at start-up.
    FileSystem::TFolderIdentity identity_;
    // The file opened: path_ with the player's own links followed.
    std::string file_;
    sqlite3* db_ = nullptr;
    bool readOnly_ = false;
    TStoreProblem problem_ = TStoreProblem::None;
    std::string detail_;
    // The running action's allowance: since when, and how long in all; none outside an action.
    bool inAction_ = false;
    std::uint32_t waitStart_ = 0;
    int waitMs_ = kBusyTimeoutMs;
    // The flags of the last opening.
    int flags_ = 0;
    // The running action works on a private copy of file_, taken under its lock file.
    bool copying_ = false;
    TWorkingCopy work_;
    // Why the running action has no copy to work on (the lock held elsewhere, the file unreadable).
    TStoreProblem copyProblem_ = TStoreProblem::None;
    std::string copyDetail_;
    // The flags to open the copy with at the next action's start; 0 when the file was closed.
    int reopenFlags_ = 0;
};

// A date-time of the platform clock (days since 1899-12-30) as local "YYYY-MM-DD HH:MM:SS".
std::string DateTimeText(double dateTime);
