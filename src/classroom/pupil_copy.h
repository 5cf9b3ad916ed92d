#pragma once
#include "key_ranking.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

struct sqlite3;

// One finished game of a pupil's copy.
struct TPupilGame {
    std::string PlayedAt; // "YYYY-MM-DD HH:MM:SS"
    int Day = 0;          // its day of the platform clock
    std::string Game;
    std::string Choice;
    std::int32_t Score = 0;
    double Seconds = 0;
    std::int32_t Keystrokes = 0;
    std::int32_t Errors = 0;
};

// What the class report reads of one pupil.
struct TPupilRecord {
    std::string Login;
    std::string Name;              // the name last typed in a top ten; empty when none is known
    std::string LastPlayed;        // the last game's date and time, whenever it was; empty: none
    std::vector<TPupilGame> Games; // from the first day asked for, oldest first
    TKeyDays Days;                 // the key record from the first day asked for
};

// A pupil's copy of the progress database, as the teacher's report reads it: a file a pupil wrote,
// and so read as hostile input. The file's bytes are read (at most kLargestFile) and opened as a
// read-only database in memory, so nothing can be written anywhere; SQLite's defensive settings are
// on (no trusted schema, no triggers, no views, no extensions) and every query has a bound on its
// work, so a crafted file can neither run anything nor hang the report.
class TPupilCopy {
  public:
    static constexpr std::int64_t kLargestFile = 64ll << 20;
    // The name of the table a copy adds to the player's progress: who published it.
    static constexpr const char* kPupilTable = "class_copy";

    enum class TState { Ok, Unreadable, TooLarge, NotAFile, NotProgress, Damaged };

    TPupilCopy();
    ~TPupilCopy();
    TPupilCopy(const TPupilCopy&) = delete;
    TPupilCopy& operator=(const TPupilCopy&) = delete;

    // Opens bytes as a database; Ok when it is a progress file of this program.
    TState Open(std::string bytes);
    // Reads the games and the key record from fromDay on. False when the file is damaged.
    bool Read(int fromDay, TPupilRecord& record);
    // The name the publishing copy put in, UTF-8; empty when none.
    std::string Name();
    // SQLite's words for the last failure.
    const std::string& Detail() const { return detail_; }

  private:
    TState Fail(int rc);
    std::string bytes_;
    sqlite3* db_ = nullptr;
    std::string detail_;
    long work_ = 0;
};

// Reads the file path (the system's bytes) as a pupil's copy.
TPupilCopy::TState OpenPupilFile(TPupilCopy& copy, const std::string& path, std::uint32_t& owner);

// The reason a copy was left out, in the teacher's language (UTF-8).
std::string PupilCopyProblem(TPupilCopy::TState state, const std::string& detail);

// The bytes of the player's progress database at progressPath as a pupil's copy: one consistent
// snapshot (another copy may be saving meanwhile), with name (the name last typed in a top ten,
// Windows-1252) and the time of publishing in its own table. False with the reason in problem.
bool MakePupilCopy(const std::string& progressPath, const std::string& name, const std::string& now,
                   std::string& bytes, std::string& problem);
// The name a copy holds (Windows-1252), read from the copy at path; empty when none or unreadable.
std::string NameInCopy(const std::string& path);
