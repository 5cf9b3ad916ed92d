#pragma once
#include "difficult_keys.h"
#include "game_record.h"
#include "key_ranking.h"

#include <cstdint>
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
// cannot be read is kept beside under another name and a new one is started; play never stops for it.
class TProgressStore {
  public:
    // 1: the statistics' totals and the games; 2: the player's key record beside them.
    static constexpr int kSchemaVersion = 2;
    // "KVG1": marks the file as this program's, for tools that look at the header.
    static constexpr std::int32_t kApplicationId = 0x4B564731;
    static constexpr const char* kFileName = "progress.db";
    // How long a copy waits for another copy's transaction.
    static constexpr int kBusyTimeoutMs = 5000;
    // "Cannot open User database": the code of the log entries about the progress database.
    static constexpr std::int32_t kErrorCode = -1505;

    enum class TReadState { Ok, Missing, Unreadable };

    explicit TProgressStore(std::string folder);
    ~TProgressStore();
    TProgressStore(const TProgressStore&) = delete;
    TProgressStore& operator=(const TProgressStore&) = delete;

    // Opens the database for reading and writing, making the folder and a new database when there
    // is none, and setting a damaged one aside. False when progress cannot be kept (the folder
    // cannot be written, or the file belongs to a later version of the program); Problem says why.
    bool Open();
    // Opens an existing database for reading only; changes no file, sets nothing aside.
    TReadState OpenForReading();
    bool IsOpen() const { return db_ != nullptr; }

    // Replaces keys' totals and exposures by the stored ones; the recent counts are left alone.
    bool LoadTotals(TDifficultKeys& keys);
    // Folds record's keystrokes into the stored totals and adds its history row, in one
    // transaction. On success the stored totals after the fold go to *totals when given.
    bool RecordGame(const TGameRecord& record, const std::string& playedAt, TDifficultKeys* totals);
    // The player's key record from fromDay on (a day of the platform clock), oldest first; none in a
    // file of version 1 opened for reading.
    bool ReadKeyDays(int fromDay, TKeyDays& days);
    // The file was removed or renamed since it was opened (SQLite goes on writing to it unseen).
    bool Moved();
    // Writes the statistics' totals and the key record days into a store that holds none yet, as
    // after the file was removed while the program ran. One transaction.
    bool PutTotals(const TDifficultKeys& keys, const TKeyDays& days);
    // Every history row, oldest first; or the last `last` rows when last > 0.
    std::vector<THistoryRow> History(int last = 0);
    // The scores of the last `count` games of game, oldest first; their dates ("YYYY-MM-DD") go to
    // *days when given.
    std::vector<std::int32_t> RecentScores(const std::string& game, int count,
                                           std::vector<std::string>* days = nullptr);
    // The best score of game played at or after since ("YYYY-MM-DD HH:MM:SS"); -1 when none.
    std::int32_t BestScoreSince(const std::string& game, const std::string& since);

    const std::string& Path() const { return path_; }
    // Why the last operation failed, for the player's notice and the log.
    std::string Problem;
    // The name the last damaged database was kept under; empty when none was set aside.
    std::string SetAsideName;

  private:
    enum class TCheck { Ok, Empty, Damaged, Later, Busy };
    bool OpenFile(int flags);
    void CloseFile();
    TCheck Check();
    // The whole file reads without a fault (SQLite's quick check); only asked on the way to
    // setting a file aside, as it reads every page.
    bool Sound();
    bool CreateSchema();
    // Brings a file of an earlier schema version up to this one, in one transaction.
    bool Migrate(std::int64_t version);
    bool SetAside();
    // Both give SQLite's result code: SQLITE_DONE / SQLITE_OK on success.
    int ReadTotals(TDifficultKeys& keys);
    int Fold(const TGameRecord& record, const std::string& playedAt, TDifficultKeys& folded);
    bool Damaged(int rc) const;

    std::string folder_;
    std::string path_;
    sqlite3* db_ = nullptr;
    bool readOnly_ = false;
};

// A date-time of the platform clock (days since 1899-12-30) as local "YYYY-MM-DD HH:MM:SS".
std::string DateTimeText(double dateTime);
