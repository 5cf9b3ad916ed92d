#include "pupil_copy.h"

#include "class_folder.h"
#include "code_page.h"
#include "key_record_sql.h"
#include "progress_store.h"
#include "sqlite_statement.h"
#include "translation.h"

#include <QString>
#include <sqlite3.h>

#include <algorithm>

using Sql::Exec;
using Sql::QueryInt;
using Sql::TStatement;

namespace {

// The work a pupil's file may cost, in steps of 1000 SQLite instructions: far above what a year of
// games needs (a few thousand), far below a hang.
constexpr long kWorkBound = 400000;
// Days of a key record in the period read; more are no record this program wrote (each day read
// takes memory for every key).
constexpr std::int64_t kMostDays = 4000;

// Puts SQLite's defensive settings on a connection that will read a file of somebody else's.
void Harden(sqlite3* db)
{
    int unused = 0;
    sqlite3_db_config(db, SQLITE_DBCONFIG_DEFENSIVE, 1, &unused);
    sqlite3_db_config(db, SQLITE_DBCONFIG_TRUSTED_SCHEMA, 0, &unused);
    sqlite3_db_config(db, SQLITE_DBCONFIG_ENABLE_TRIGGER, 0, &unused);
    sqlite3_db_config(db, SQLITE_DBCONFIG_ENABLE_VIEW, 0, &unused);
    sqlite3_db_config(db, SQLITE_DBCONFIG_ENABLE_LOAD_EXTENSION, 0, &unused);
    sqlite3_limit(db, SQLITE_LIMIT_LENGTH, 1 << 20);
    sqlite3_limit(db, SQLITE_LIMIT_SQL_LENGTH, 1 << 16);
    sqlite3_limit(db, SQLITE_LIMIT_COLUMN, 100);
    sqlite3_limit(db, SQLITE_LIMIT_EXPR_DEPTH, 100);
    sqlite3_limit(db, SQLITE_LIMIT_ATTACHED, 0);
    sqlite3_limit(db, SQLITE_LIMIT_TRIGGER_DEPTH, 1);
    Exec(db, "PRAGMA cell_size_check = ON");
}

bool HasTable(sqlite3* db, const char* name)
{
    TStatement s(db, "SELECT count(*) FROM sqlite_master WHERE type = 'table' AND name = ?");
    s.Bind(1, std::string(name));
    return s.Step() == SQLITE_ROW && s.Int(0) > 0;
}

std::int32_t Count(std::int64_t v)
{
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(v, 0, TProgressStore::kLargestCount));
}

} // namespace

TPupilCopy::TPupilCopy() = default;

TPupilCopy::~TPupilCopy()
{
    sqlite3_close(db_);
}

TPupilCopy::TState TPupilCopy::Fail(int rc)
{
    detail_ = db_ ? sqlite3_errmsg(db_) : sqlite3_errstr(rc);
    const int primary = rc & 0xff;
    return primary == SQLITE_CORRUPT || primary == SQLITE_INTERRUPT || primary == SQLITE_TOOBIG ||
                   primary == SQLITE_NOMEM || primary == SQLITE_IOERR
               ? TState::Damaged
               : TState::NotProgress;
}

TPupilCopy::TState TPupilCopy::Open(std::string bytes)
{
    sqlite3_close(db_);
    db_ = nullptr;
    detail_.clear();
    if (static_cast<std::int64_t>(bytes.size()) > kLargestFile)
        return TState::TooLarge;
    bytes_ = std::move(bytes);
    int rc = sqlite3_open_v2(":memory:", &db_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_MEMORY, nullptr);
    if (rc != SQLITE_OK)
        return Fail(rc);
    Harden(db_);
    work_ = 0;
    sqlite3_progress_handler(
        db_, 1000, [](void* self) { return ++static_cast<TPupilCopy*>(self)->work_ > kWorkBound ? 1 : 0; },
        this);
    // The bytes stay ours: SQLite reads them in place and may change nothing.
    rc = sqlite3_deserialize(db_, "main", reinterpret_cast<unsigned char*>(bytes_.data()),
                             static_cast<sqlite3_int64>(bytes_.size()),
                             static_cast<sqlite3_int64>(bytes_.size()), SQLITE_DESERIALIZE_READONLY);
    if (rc != SQLITE_OK)
        return Fail(rc);
    const std::int64_t appId = QueryInt(db_, "PRAGMA application_id", rc);
    if (rc != SQLITE_OK)
        return Fail(rc);
    const std::int64_t version = QueryInt(db_, "PRAGMA user_version", rc);
    if (rc != SQLITE_OK)
        return Fail(rc);
    if (appId != TProgressStore::kApplicationId || version < 1 || !HasTable(db_, "games")) {
        detail_ = "not a progress file of this program";
        return TState::NotProgress;
    }
    // Every page read once: a damaged file is told as damaged, not as a pupil without games.
    TStatement check(db_, "PRAGMA quick_check(1)");
    rc = check.Step();
    if (rc != SQLITE_ROW)
        return Fail(rc);
    if (check.Text(0) != "ok") {
        detail_ = check.Text(0);
        return TState::Damaged;
    }
    return TState::Ok;
}

std::string TPupilCopy::Name()
{
    if (!HasTable(db_, kPupilTable))
        return {};
    TStatement name(db_, "SELECT name FROM class_copy LIMIT 1");
    return name.Step() == SQLITE_ROW ? name.Text(0).substr(0, 255) : std::string();
}

bool TPupilCopy::Read(int fromDay, TPupilRecord& record)
{
    record.Games.clear();
    record.Days.clear();
    int rc = SQLITE_OK;
    record.Name = Name();
    TStatement last(db_, "SELECT max(played_at) FROM games");
    if ((rc = last.Step()) != SQLITE_ROW) {
        Fail(rc);
        return false;
    }
    record.LastPlayed = last.Text(0).substr(0, 19);
    TStatement games(db_, "SELECT played_at, game, choice, score, seconds, keystrokes, errors FROM games "
                          "WHERE played_at >= ? ORDER BY id");
    games.Bind(1, KeyRecordSql::DayText(fromDay));
    while ((rc = games.Step()) == SQLITE_ROW) {
        TPupilGame g;
        g.PlayedAt = games.Text(0).substr(0, 19);
        g.Day = KeyRecordSql::DayOf(g.PlayedAt.substr(0, 10));
        if (g.Day < fromDay)
            continue;
        g.Game = games.Text(1).substr(0, 64);
        g.Choice = games.Text(2).substr(0, 255);
        g.Score = Count(games.Int(3));
        g.Seconds = std::clamp(games.Real(4), 0.0, 1e7);
        g.Keystrokes = Count(games.Int(5));
        g.Errors = std::min(Count(games.Int(6)), g.Keystrokes);
        record.Games.push_back(std::move(g));
    }
    if (rc != SQLITE_DONE) {
        Fail(rc);
        return false;
    }
    if (!HasTable(db_, "key_days") || !HasTable(db_, "key_confusions"))
        return true;
    TStatement days(db_, "SELECT count(DISTINCT day) FROM key_days WHERE day >= ?");
    days.Bind(1, KeyRecordSql::DayText(fromDay));
    if ((rc = days.Step()) != SQLITE_ROW) {
        Fail(rc);
        return false;
    }
    if (days.Int(0) > kMostDays) {
        detail_ = "more days than any key record holds";
        return false;
    }
    rc = KeyRecordSql::ReadDays(db_, fromDay, record.Days);
    if (rc != SQLITE_DONE) {
        Fail(rc);
        return false;
    }
    return true;
}

TPupilCopy::TState OpenPupilFile(TPupilCopy& copy, const std::string& path, std::uint32_t& owner)
{
    std::string bytes;
    switch (ClassFolder::ReadBounded(path, TPupilCopy::kLargestFile, bytes, owner)) {
    case ClassFolder::TRead::Ok:
        return copy.Open(std::move(bytes));
    case ClassFolder::TRead::Unreadable:
        return TPupilCopy::TState::Unreadable;
    case ClassFolder::TRead::NotAFile:
        return TPupilCopy::TState::NotAFile;
    case ClassFolder::TRead::TooLarge:
        return TPupilCopy::TState::TooLarge;
    }
    return TPupilCopy::TState::Unreadable;
}

std::string PupilCopyProblem(TPupilCopy::TState state, const std::string& detail)
{
    switch (state) {
    case TPupilCopy::TState::Ok:
        return {};
    case TPupilCopy::TState::Unreadable:
        return TrUtf8("TClassReport", "cannot be read");
    case TPupilCopy::TState::TooLarge:
        return FillArgs(TrUtf8("TClassReport", "is larger than %1 MB, no progress file is"),
                        {std::to_string(TPupilCopy::kLargestFile >> 20)});
    case TPupilCopy::TState::NotAFile:
        return TrUtf8("TClassReport", "is no plain file");
    case TPupilCopy::TState::NotProgress:
        return FillArgs(TrUtf8("TClassReport", "is not a progress file (%1)"), {detail});
    case TPupilCopy::TState::Damaged:
        return FillArgs(TrUtf8("TClassReport", "is damaged (%1)"), {detail});
    }
    return {};
}

bool MakePupilCopy(const std::string& progressPath, const std::string& name, const std::string& now,
                   std::string& bytes, std::string& problem)
{
    sqlite3* source = nullptr;
    int rc =
        sqlite3_open_v2(progressPath.c_str(), &source, SQLITE_OPEN_READONLY | SQLITE_OPEN_NOFOLLOW, nullptr);
    unsigned char* snapshot = nullptr;
    sqlite3_int64 size = 0;
    if (rc == SQLITE_OK) {
        sqlite3_busy_timeout(source, 500);
        // One read transaction: the pages of one moment, whatever another copy is saving.
        snapshot = sqlite3_serialize(source, "main", &size, 0);
    }
    problem = snapshot ? std::string() : std::string(source ? sqlite3_errmsg(source) : sqlite3_errstr(rc));
    sqlite3_close(source);
    if (!snapshot)
        return false;
    sqlite3* copy = nullptr;
    rc = sqlite3_open_v2(":memory:", &copy, SQLITE_OPEN_READWRITE | SQLITE_OPEN_MEMORY, nullptr);
    if (rc == SQLITE_OK)
        rc = sqlite3_deserialize(copy, "main", snapshot, size, size,
                                 SQLITE_DESERIALIZE_FREEONCLOSE | SQLITE_DESERIALIZE_RESIZEABLE);
    else
        sqlite3_free(snapshot);
    if (rc == SQLITE_OK)
        rc = Exec(copy, "CREATE TABLE IF NOT EXISTS class_copy (name TEXT NOT NULL, published_at TEXT NOT "
                        "NULL); DELETE FROM class_copy");
    if (rc == SQLITE_OK) {
        TStatement insert(copy, "INSERT INTO class_copy VALUES (?, ?)");
        insert.Bind(1, Cp1252ToUtf8(name));
        insert.Bind(2, now);
        rc = insert.Step() == SQLITE_DONE ? SQLITE_OK : SQLITE_ERROR;
    }
    unsigned char* out = nullptr;
    if (rc == SQLITE_OK)
        out = sqlite3_serialize(copy, "main", &size, 0);
    if (out)
        bytes.assign(reinterpret_cast<const char*>(out), static_cast<std::size_t>(size));
    else
        problem = sqlite3_errmsg(copy);
    sqlite3_free(out);
    sqlite3_close(copy);
    return out != nullptr;
}

std::string NameInCopy(const std::string& path)
{
    TPupilCopy copy;
    std::uint32_t owner = 0;
    if (OpenPupilFile(copy, path, owner) != TPupilCopy::TState::Ok)
        return {};
    return ToCp1252(QString::fromUtf8(copy.Name()));
}
