#include "progress_store.h"

#include "code_page.h"
#include "errors.h"
#include "key_record_sql.h"
#include "sqlite_statement.h"
#include "user_folder.h"

#include <QDate>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QTime>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <sqlite3.h>

namespace {

using Sql::Exec;
using Sql::QueryInt;
using Sql::TStatement;

constexpr const char* kSchema = R"(
CREATE TABLE IF NOT EXISTS keys (
  code INTEGER PRIMARY KEY CHECK (code BETWEEN 33 AND 255),
  total_hits INTEGER NOT NULL,
  total_errors INTEGER NOT NULL,
  exposure INTEGER NOT NULL);
CREATE TABLE IF NOT EXISTS games (
  id INTEGER PRIMARY KEY,
  played_at TEXT NOT NULL,
  game TEXT NOT NULL,
  choice TEXT NOT NULL,
  score INTEGER NOT NULL,
  seconds REAL NOT NULL,
  keystrokes INTEGER NOT NULL,
  errors INTEGER NOT NULL,
  level REAL NOT NULL);
CREATE INDEX IF NOT EXISTS games_by_game ON games (game, id);
)";

bool Exists(const std::string& path)
{
    return QFile::exists(QFile::decodeName(QByteArray::fromStdString(path)));
}

bool Rename(const std::string& from, const std::string& to)
{
    return std::rename(from.c_str(), to.c_str()) == 0;
}

std::string Utf8(const std::string& cp1252)
{
    return FromCp1252(cp1252).toUtf8().toStdString();
}

std::int32_t Counted(std::int64_t v)
{
    return v < 0 ? 0 : v > INT32_MAX ? INT32_MAX : static_cast<std::int32_t>(v);
}

} // namespace

std::string DateTimeText(double dateTime)
{
    // Counted in whole milliseconds first, so that a time a hair before midnight rounds into the
    // next day as a whole instead of giving the old day with the time 00:00:00.
    constexpr long long kMsPerDay = 86400000;
    const long long ms = std::llround(dateTime * double(kMsPerDay));
    const long long day = ms >= 0 ? ms / kMsPerDay : (ms - kMsPerDay + 1) / kMsPerDay;
    const QDate date = QDate(1899, 12, 30).addDays(day);
    const QTime time = QTime::fromMSecsSinceStartOfDay(int(ms - day * kMsPerDay));
    return (date.toString("yyyy-MM-dd") + ' ' + time.toString("HH:mm:ss")).toStdString();
}

TProgressStore::TProgressStore(std::string folder)
    : folder_(std::move(folder)), path_(folder_ + "/" + kFileName)
{
}

TProgressStore::~TProgressStore()
{
    CloseFile();
}

bool TProgressStore::OpenFile(int flags)
{
    CloseFile();
    sqlite3* db = nullptr;
    const int rc = sqlite3_open_v2(path_.c_str(), &db, flags, nullptr);
    if (rc != SQLITE_OK) {
        sqlite3_close(db);
        return false;
    }
    db_ = db;
    readOnly_ = (flags & SQLITE_OPEN_READONLY) != 0;
    sqlite3_busy_timeout(db_, kBusyTimeoutMs);
    return true;
}

void TProgressStore::CloseFile()
{
    sqlite3_close(db_);
    db_ = nullptr;
}

bool TProgressStore::Damaged(int rc) const
{
    const int primary = rc & 0xff;
    return primary == SQLITE_CORRUPT || primary == SQLITE_NOTADB;
}

TProgressStore::TCheck TProgressStore::Check()
{
    int rc = SQLITE_OK;
    const std::int64_t tables = QueryInt(
        db_, "SELECT count(*) FROM sqlite_master WHERE type = 'table' AND name IN ('keys', 'games')", rc);
    // Another copy holding the file longer than the busy timeout is no damage.
    if ((rc & 0xff) == SQLITE_BUSY || (rc & 0xff) == SQLITE_LOCKED)
        return TCheck::Busy;
    if (rc != SQLITE_OK)
        return TCheck::Damaged;
    const std::int64_t appId = QueryInt(db_, "PRAGMA application_id", rc);
    const std::int64_t version = rc == SQLITE_OK ? QueryInt(db_, "PRAGMA user_version", rc) : 0;
    if (rc != SQLITE_OK)
        return TCheck::Damaged;
    if (appId == 0 && version == 0 && tables == 0 &&
        QueryInt(db_, "SELECT count(*) FROM sqlite_master", rc) == 0 && rc == SQLITE_OK)
        return TCheck::Empty;
    if (appId != kApplicationId || version < 1)
        return TCheck::Damaged;
    if (version > kSchemaVersion)
        return TCheck::Later;
    if (tables != 2)
        return TCheck::Damaged;
    // A file of an earlier version is brought up to this one; a reader takes it as it is.
    if (version < kSchemaVersion && !readOnly_ && !Migrate(version))
        return (sqlite3_errcode(db_) & 0xff) == SQLITE_BUSY ? TCheck::Busy : TCheck::Damaged;
    return TCheck::Ok;
}

bool TProgressStore::Sound()
{
    TStatement s(db_, "PRAGMA quick_check(1)");
    return s.Step() == SQLITE_ROW && s.Text(0) == "ok";
}

bool TProgressStore::CreateSchema()
{
    // Two copies starting at once both find an empty file; the second waits and then finds the
    // tables made, which IF NOT EXISTS takes in its stride.
    if (Exec(db_, "BEGIN IMMEDIATE") != SQLITE_OK)
        return false;
    std::string pragmas = "PRAGMA application_id = " + std::to_string(kApplicationId) +
                          "; PRAGMA user_version = " + std::to_string(kSchemaVersion) + ";";
    if (Exec(db_, kSchema) != SQLITE_OK || KeyRecordSql::CreateTables(db_) != SQLITE_OK ||
        Exec(db_, pragmas.c_str()) != SQLITE_OK) {
        Exec(db_, "ROLLBACK");
        return false;
    }
    return Exec(db_, "COMMIT") == SQLITE_OK;
}

bool TProgressStore::Migrate(std::int64_t version)
{
    if (Exec(db_, "BEGIN IMMEDIATE") != SQLITE_OK)
        return false;
    int rc = SQLITE_OK;
    // Another copy may have migrated the file while this one waited for it.
    version = QueryInt(db_, "PRAGMA user_version", rc);
    bool ok = rc == SQLITE_OK;
    if (ok && version < 2)
        ok = KeyRecordSql::CreateTables(db_) == SQLITE_OK;
    const std::string pragma = "PRAGMA user_version = " + std::to_string(kSchemaVersion);
    if (ok && version < kSchemaVersion)
        ok = Exec(db_, pragma.c_str()) == SQLITE_OK;
    if (ok && Exec(db_, "COMMIT") == SQLITE_OK)
        return true;
    Exec(db_, "ROLLBACK");
    return false;
}

bool TProgressStore::Open()
{
    Problem.clear();
    const QString folder = QFile::decodeName(QByteArray::fromStdString(folder_));
    if (folder_.empty() || !QDir().mkpath(folder) || !FolderIsWritable(folder_)) {
        Problem = "the folder " + folder_ + " cannot be written";
        return false;
    }
    const bool existed = Exists(path_);
    if (OpenFile(SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE)) {
        switch (Check()) {
        case TCheck::Ok:
            return true;
        case TCheck::Empty:
            if (CreateSchema())
                return true;
            break;
        case TCheck::Later:
            CloseFile();
            Problem = path_ + " is kept by a later version of the program";
            return false;
        case TCheck::Busy:
            CloseFile();
            Problem = path_ + " is held by another copy of the program";
            return false;
        case TCheck::Damaged:
            break;
        }
    }
    if (!existed && !db_) {
        Problem = path_ + " cannot be made";
        return false;
    }
    return SetAside();
}

TProgressStore::TReadState TProgressStore::OpenForReading()
{
    if (!Exists(path_))
        return TReadState::Missing;
    if (!OpenFile(SQLITE_OPEN_READONLY))
        return TReadState::Unreadable;
    switch (Check()) {
    case TCheck::Ok:
        return TReadState::Ok;
    case TCheck::Empty:
        CloseFile();
        return TReadState::Missing;
    default:
        CloseFile();
        return TReadState::Unreadable;
    }
}

bool TProgressStore::SetAside()
{
    CloseFile();
    // Copies that find the file damaged together take turns; a later one finds the new file good
    // and keeps it instead of setting it aside too.
    QLockFile lock(QFile::decodeName(QByteArray::fromStdString(path_ + ".lock")));
    lock.setStaleLockTime(30000);
    const bool locked = lock.tryLock(kBusyTimeoutMs);
    if (OpenFile(SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE)) {
        const TCheck check = Check();
        if (check == TCheck::Ok && Sound())
            return true;
        if (check == TCheck::Empty)
            return CreateSchema();
        if (check == TCheck::Later || check == TCheck::Busy) {
            CloseFile();
            Problem = path_ + " was replaced by another copy of the program";
            return false;
        }
    }
    CloseFile();
    if (!locked) {
        Problem = path_ + " is being replaced by another copy of the program";
        return false;
    }

    const std::string stamp = QDateTime::currentDateTime().toString("yyyyMMdd-HHmmss").toStdString();
    std::string aside = path_ + ".damaged-" + stamp;
    for (int n = 2; Exists(aside); ++n)
        aside = path_ + ".damaged-" + stamp + "-" + std::to_string(n);
    if (!Rename(path_, aside)) {
        Problem = path_ + " cannot be read and cannot be set aside";
        return false;
    }
    // A journal left beside the damaged file belongs to it, never to the new one.
    for (const char* companion : {"-journal", "-wal", "-shm"})
        if (Exists(path_ + companion))
            Rename(path_ + companion, aside + companion);
    SetAsideName = aside;
    LogError(kErrorCode, "progress database could not be read; kept as " + aside + ", a new one started");

    if (!OpenFile(SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE) || !CreateSchema()) {
        CloseFile();
        Problem = path_ + " cannot be made";
        return false;
    }
    return true;
}

bool TProgressStore::LoadTotals(TDifficultKeys& keys)
{
    if (!db_)
        return false;
    const int rc = ReadTotals(keys);
    if (Damaged(rc) && !readOnly_)
        SetAside();
    return rc == SQLITE_DONE;
}

int TProgressStore::ReadTotals(TDifficultKeys& keys)
{
    TDifficultKeys loaded;
    TStatement s(db_, "SELECT code, total_hits, total_errors, exposure FROM keys");
    int rc;
    while ((rc = s.Step()) == SQLITE_ROW) {
        const std::int64_t code = s.Int(0);
        if (code < TDifficultKeys::TCharCounts::kFirst || code > 255)
            continue;
        const auto ch = static_cast<unsigned char>(code);
        loaded.TotalHits[ch] = Counted(s.Int(1));
        // More errors than keystrokes cannot come from the statistics; such a row rates 100 at most.
        loaded.TotalErrors[ch] = std::min(Counted(s.Int(2)), loaded.TotalHits[ch]);
        loaded.Exposure[ch] = Counted(s.Int(3));
    }
    if (rc != SQLITE_DONE)
        return rc;
    keys.TakeTotals(loaded);
    return rc;
}

int TProgressStore::Fold(const TGameRecord& record, const std::string& playedAt, TDifficultKeys& folded)
{
    int rc = Exec(db_, "BEGIN IMMEDIATE");
    if (rc != SQLITE_OK)
        return rc;
    rc = ReadTotals(folded);
    bool ok = rc == SQLITE_DONE;
    if (ok) {
        folded.RecentHits = record.Hits;
        folded.RecentErrors = record.KeyErrors;
        folded.Evaluate();
        TStatement put(db_, "INSERT OR REPLACE INTO keys (code, total_hits, total_errors, exposure) "
                            "VALUES (?, ?, ?, ?)");
        for (int code = TDifficultKeys::TCharCounts::kFirst; ok && code <= 255; ++code) {
            const auto ch = static_cast<unsigned char>(code);
            if (record.Hits[ch] <= 0)
                continue;
            put.Bind(1, std::int64_t{code});
            put.Bind(2, std::int64_t{folded.TotalHits[ch]});
            put.Bind(3, std::int64_t{folded.TotalErrors[ch]});
            put.Bind(4, std::int64_t{folded.Exposure[ch]});
            rc = put.Step();
            ok = rc == SQLITE_DONE;
            put.Reset();
        }
    }
    if (ok) {
        rc = KeyRecordSql::AddDay(db_, KeyRecordSql::DayOf(playedAt.substr(0, 10)), record.KeyRecord);
        ok = rc == SQLITE_DONE;
    }
    if (ok) {
        TStatement row(db_, "INSERT INTO games (played_at, game, choice, score, seconds, keystrokes, "
                            "errors, level) VALUES (?, ?, ?, ?, ?, ?, ?, ?)");
        row.Bind(1, playedAt);
        row.Bind(2, record.Game);
        row.Bind(3, Utf8(record.Choice));
        row.Bind(4, std::int64_t{record.Score});
        row.Bind(5, record.Seconds);
        row.Bind(6, std::int64_t{record.Keystrokes});
        row.Bind(7, std::int64_t{record.Errors});
        row.Bind(8, static_cast<double>(record.Level));
        rc = row.Step();
        ok = rc == SQLITE_DONE;
    }
    if (ok && (rc = Exec(db_, "COMMIT")) == SQLITE_OK)
        return SQLITE_OK;
    Exec(db_, "ROLLBACK");
    return rc;
}

bool TProgressStore::RecordGame(const TGameRecord& record, const std::string& playedAt,
                                TDifficultKeys* totals)
{
    if (!db_ || readOnly_)
        return false;
    TDifficultKeys folded;
    int rc = Fold(record, playedAt, folded);
    // A database found damaged during the fold is set aside; the game goes into the new one.
    if (Damaged(rc) && SetAside())
        rc = Fold(record, playedAt, folded);
    if (rc != SQLITE_OK) {
        Problem = db_ ? sqlite3_errstr(rc) : Problem;
        return false;
    }
    if (totals)
        totals->TakeTotals(folded);
    return true;
}

std::vector<THistoryRow> TProgressStore::History(int last)
{
    std::vector<THistoryRow> rows;
    if (!db_)
        return rows;
    TStatement s(db_, "SELECT played_at, game, choice, score, seconds, keystrokes, errors, level FROM "
                      "(SELECT * FROM games ORDER BY id DESC LIMIT ?) ORDER BY id");
    s.Bind(1, std::int64_t{last > 0 ? last : -1});
    while (s.Step() == SQLITE_ROW) {
        THistoryRow& r = rows.emplace_back();
        r.PlayedAt = s.Text(0);
        r.Game = s.Text(1);
        r.Choice = s.Text(2);
        r.Score = Counted(s.Int(3));
        r.Seconds = s.Real(4);
        r.Keystrokes = Counted(s.Int(5));
        r.Errors = Counted(s.Int(6));
        r.Level = s.Real(7);
    }
    return rows;
}

std::vector<std::int32_t> TProgressStore::RecentScores(const std::string& game, int count,
                                                       std::vector<std::string>* days)
{
    std::vector<std::int32_t> scores;
    if (days)
        days->clear();
    if (!db_)
        return scores;
    TStatement s(db_,
                 "SELECT score, substr(played_at, 1, 10) FROM games WHERE game = ? ORDER BY id DESC LIMIT ?");
    s.Bind(1, game);
    s.Bind(2, std::int64_t{count});
    while (s.Step() == SQLITE_ROW) {
        scores.insert(scores.begin(), Counted(s.Int(0)));
        if (days)
            days->insert(days->begin(), s.Text(1));
    }
    return scores;
}

bool TProgressStore::ReadKeyDays(int fromDay, TKeyDays& days)
{
    days.clear();
    if (!db_)
        return false;
    int rc = SQLITE_OK;
    if (readOnly_ && QueryInt(db_, "SELECT count(*) FROM sqlite_master WHERE name = 'key_days'", rc) == 0)
        return rc == SQLITE_OK; // version 1: no key record yet
    return KeyRecordSql::ReadDays(db_, fromDay, days) == SQLITE_DONE;
}

bool TProgressStore::Moved()
{
    int moved = 0;
    return db_ && sqlite3_file_control(db_, "main", SQLITE_FCNTL_HAS_MOVED, &moved) == SQLITE_OK && moved;
}

bool TProgressStore::PutTotals(const TDifficultKeys& keys, const TKeyDays& days)
{
    if (!db_ || readOnly_ || Exec(db_, "BEGIN IMMEDIATE") != SQLITE_OK)
        return false;
    int rc = SQLITE_OK;
    bool ok = QueryInt(db_, "SELECT count(*) FROM keys", rc) == 0 && rc == SQLITE_OK &&
              QueryInt(db_, "SELECT count(*) FROM key_days", rc) == 0 && rc == SQLITE_OK;
    TStatement put(db_, "INSERT INTO keys (code, total_hits, total_errors, exposure) VALUES (?, ?, ?, ?)");
    for (int code = TDifficultKeys::TCharCounts::kFirst; ok && code <= 255; ++code) {
        const auto ch = static_cast<unsigned char>(code);
        if (keys.TotalHits[ch] <= 0 && keys.Exposure[ch] <= 0)
            continue;
        put.Bind(1, std::int64_t{code});
        put.Bind(2, std::int64_t{keys.TotalHits[ch]});
        put.Bind(3, std::int64_t{keys.TotalErrors[ch]});
        put.Bind(4, std::int64_t{keys.Exposure[ch]});
        ok = put.Step() == SQLITE_DONE;
        put.Reset();
    }
    for (const TKeyDay& d : days)
        ok = ok && KeyRecordSql::AddDay(db_, d.Day, d.Keys) == SQLITE_DONE;
    if (ok && Exec(db_, "COMMIT") == SQLITE_OK)
        return true;
    Exec(db_, "ROLLBACK");
    return false;
}

std::int32_t TProgressStore::BestScoreSince(const std::string& game, const std::string& since)
{
    if (!db_)
        return -1;
    TStatement s(db_, "SELECT max(score) FROM games WHERE game = ? AND played_at >= ?");
    s.Bind(1, game);
    s.Bind(2, since);
    if (s.Step() == SQLITE_ROW && !s.IsNull(0))
        return Counted(s.Int(0));
    return -1;
}
