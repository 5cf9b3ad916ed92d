#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <vector>

class TLockFile;
class TRecFile;

// The folder of the score files, as the file layer takes names (Windows-1252 text); empty: the
// working folder. Start-up sets it when a shared folder is named for the tables.
const std::string& ScoreFolder();
// Names the folder of the score files and remembers the file system it lies on now: a share that is
// unmounted later leaves an empty mount point on the disk beneath, which must not take the tables.
void SetScoreFolder(const std::string& folder);
// Why no table can be saved into the score folder now (its file system is no longer the one it had
// when it was named); empty when one can.
std::string ScoreFolderGone();
// Names the score folder for as long as it lives, and puts the one before it back.
class TScopedScoreFolder {
  public:
    explicit TScopedScoreFolder(const std::string& folder);
    ~TScopedScoreFolder();
    TScopedScoreFolder(const TScopedScoreFolder&) = delete;
    TScopedScoreFolder& operator=(const TScopedScoreFolder&) = delete;

  private:
    std::string before_;
};

// One row of a high-score table.
struct TTopTenRow {
    std::string Name;
    std::int32_t Score = 0;
    std::string Date; // the day the row was made, in the system's short date format
};

// The names of the three games' tables; each is kept in the file of its name + ".kvt".
inline constexpr const char* kTableBubbles = "bubbles";
inline constexpr const char* kTableWordTris = "wordtris";
inline constexpr const char* kTableClouds = "Clouds";

// The high-score table of one game and its score file ("bubbles.kvt", "wordtris.kvt", "Clouds.kvt"
// in the program's folder or the score folder). The file has no header: it is a run of 514-byte records, best
// first, each a 256-byte name field, a signed 16-bit little-endian score and a 256-byte date field.
//
// Several copies of the program may share the score files. Readers keep writers out and a writer
// holds the file alone; an opening that finds the file held by another copy waits a little and asks
// the player whether to keep trying. A new row is stored by merging it into the rows the file holds
// at that moment, inside one exclusive opening, so that rows stored meanwhile by another copy stay.
// Copies on other machines of a shared folder may not see that opening's lock, so every change is
// also made holding a lock file beside the table, and starts from the table read once both are held.
class TtopTen {
  public:
    static constexpr int kMaxRows = 100;
    static constexpr int kRecordSize = 514;
    static constexpr int kDefaultRows = 10;

    TtopTen();

    // Loads the table of TableName + ".kvt". Returns the open result: 1 when the rows come from the
    // file; otherwise (-1 missing, -2 could not be opened) the table is the default one.
    int LoadScores(const std::string& TableName);
    // Writes rows 1 to RowCount over the start of the file last loaded (creating it when missing),
    // after NewCount (when above 0) became RowCount. Returns the open result, or -5 when the rows
    // could not be written.
    int SaveScores(std::int32_t NewCount);
    // Stores row Rank in the file last loaded: inside one exclusive opening it reads the rows stored
    // now, ranks a copy of row Rank among them as Insert does, and writes them all back. The table
    // then holds what the file holds. Returns the open result, or -5 when the rows could not be written.
    int SaveRow(int Rank);
    // Makes the score file of the table last loaded when it is missing, holding the default table. A
    // file that another copy made meanwhile is left as it is, rows and all. Returns 1, or -2 when
    // the file could not be made (reported) or -5 when it could not be written.
    int CreateScoreFile();

    // Ranks a new row (Score, Name, today's date). Returns its rank, or 0 when it did not get in.
    // Older rows win ties: the new row goes below equal scores, and replaces an equal last row.
    int Insert(std::int32_t Score, const std::string& Name);
    void SetName(int Rank, const std::string& Name);
    // "name;score;date" for rows 1 to N (N = 0: RowCount). A name holding ";" would break the line, so
    // such a name becomes "the Winner" in the table itself.
    std::vector<std::string> ListRows(int N);

    // Opens Name on File with mode 1 and Share (-1 exclusive read and write, -2 reading while others
    // may only read). While another copy holds the file, it tries 15 times over about 2.8 seconds,
    // then asks whether to try again; after No it reports -801 (Share -1) or -802 (Share -2). A file
    // refused for another reason (no permission, a read-only folder) is reported once, without waiting.
    // With Lock, each attempt first takes the lock file of Name, and counts as busy while another copy
    // holds it; when the table is open, the lock stays held until Lock is unlocked or destroyed.
    int OpenWithRetry(TRecFile& File, const std::string& Name, int Share, TLockFile* Lock = nullptr);

    // The score file of the table last loaded, in the score folder.
    std::string FilePath() const;

    // Reads the rows of an open file, as LoadScores does: at most 100 rows, and the default table for
    // a file without a whole record. Returns the number of rows the file holds (at most 100). Only
    // the first 100 records are read, whatever the file's length (a sparse file of gigabytes takes no
    // disk space); a longer file is named once in Errors.log. File.Status is -7 when the reading
    // failed.
    int ReadRows(TRecFile& File);

    TTopTenRow& Row(int Rank) { return Rows[static_cast<std::size_t>(Rank - 1)]; }
    const TTopTenRow& Row(int Rank) const { return Rows[static_cast<std::size_t>(Rank - 1)]; }

    std::string TableFileName = "TOPTEN";
    std::int32_t RowCount = kDefaultRows;
    std::array<TTopTenRow, kMaxRows> Rows; // rank 1 at index 0: use Row(rank)

  private:
    // All 100 rows as a new table has them; RowCount back to 10.
    void SetDefaultRows();
    int InsertRow(const TTopTenRow& NewRow);
    // Creates the score file, empty, when it is missing, never emptying one that another copy made
    // meanwhile; false (reported) when the folder refuses it.
    bool EnsureFile();
    // Writes rows 1 to RowCount from the start of File in one piece and flushes them to the disk.
    int WriteRows(TRecFile& File);
    // One attempt of OpenWithRetry: the lock file (when asked for), then the table. A lock file that
    // is no file, or one held far longer than a save takes, is reported by its name (-2, refused).
    int OpenOnce(TRecFile& File, const std::string& Name, int Share, TLockFile* Lock);
    // The score folder is still the one named at start-up; otherwise reported, and false.
    bool FolderStillThere();
    // The last refusal of OpenOnce was reported already.
    bool reported_ = false;
};

// The default score of row Rank: 930, 860, ... 300 for the first ten, then 278, 276, ... 100.
std::int32_t DefaultScore(int Rank);
// Today's date in the system's short date format.
std::string TodayText();
