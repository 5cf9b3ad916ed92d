#include "progress_store.h"

#include "code_page.h"
#include "day_count.h"
#include "errors.h"
#include "file_system.h"
#include "key_record_sql.h"
#include "lock_file.h"
#include "sqlite_statement.h"
#include "system.h"
#include "user_folder.h"

#include <QDate>
#include <QTime>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <iterator>
#include <set>
#include <sqlite3.h>

namespace {

using Sql::Exec;
using Sql::QueryInt;
using Sql::TStatement;

// Version 1: the statistics' totals and the history of games.
int CreateVersion1(sqlite3* db)
{
    return Exec(db, R"(
CREATE TABLE keys (
  code INTEGER PRIMARY KEY CHECK (code BETWEEN 33 AND 255),
  total_hits INTEGER NOT NULL,
  total_errors INTEGER NOT NULL,
  exposure INTEGER NOT NULL);
CREATE TABLE games (
  id INTEGER PRIMARY KEY,
  played_at TEXT NOT NULL,
  game TEXT NOT NULL,
  choice TEXT NOT NULL,
  score INTEGER NOT NULL,
  seconds REAL NOT NULL,
  keystrokes INTEGER NOT NULL,
  errors INTEGER NOT NULL,
  level REAL NOT NULL);
)");
}

// The steps of the schema: kMigrations[n] brings a database of version n to version n + 1 (version 0
// is an empty file). A new version adds its step here and raises kSchemaVersion; every step a file
// needs runs in one transaction, so a file is always at one version or the next, never between.
using TMigration = int (*)(sqlite3*);
constexpr TMigration kMigrations[] = {CreateVersion1, KeyRecordSql::CreateTables};
static_assert(std::size(kMigrations) == TProgressStore::kSchemaVersion, "one step for every version");

// The indexes behind what the menu's notice and the progress view ask: a game's last scores, and its
// best since a day. They change no data, so a file of this version that lacks one gets it when
// opened for writing.
constexpr const char* kIndexNames[] = {"games_by_game", "games_by_time"};
constexpr const char* kIndexes = R"(
CREATE INDEX IF NOT EXISTS games_by_game ON games (game, id);
CREATE INDEX IF NOT EXISTS games_by_time ON games (game, played_at, score);
)";

// A count read from the file, within what the statistics can take.
std::int32_t Counted(std::int64_t v)
{
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(v, 0, TProgressStore::kLargestCount));
}

// A score or playing count of the history, within a 32-bit count.
std::int32_t Whole(std::int64_t v)
{
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(v, 0, INT32_MAX));
}

bool IsBusy(int rc)
{
    const int primary = rc & 0xff;
    return primary == SQLITE_BUSY || primary == SQLITE_LOCKED;
}

using FileSystem::FolderOf;

bool copyEverywhere = false;

// The folder, or the nearest one above it that exists: a state folder not made yet lies on the file
// system of the folder it will be made in.
std::string ExistingFolder(std::string folder)
{
    while (!FileSystem::PathExists(folder) && folder != "/" && folder != ".")
        folder = FolderOf(folder);
    return folder;
}

// Writes the stored totals of the characters that keep() names; SQLITE_DONE when all were written.
template <typename Keep> int PutKeyTotals(sqlite3* db, const TDifficultKeys& keys, Keep keep)
{
    TStatement put(db, "INSERT OR REPLACE INTO keys (code, total_hits, total_errors, exposure) "
                       "VALUES (?, ?, ?, ?)");
    int rc = SQLITE_DONE;
    for (int code = TDifficultKeys::TCharCounts::kFirst; rc == SQLITE_DONE && code <= 255; ++code) {
        const auto ch = static_cast<unsigned char>(code);
        if (!keep(ch))
            continue;
        put.Bind(1, std::int64_t{code});
        put.Bind(2, std::int64_t{keys.TotalHits[ch]});
        put.Bind(3, std::int64_t{keys.TotalErrors[ch]});
        put.Bind(4, std::int64_t{keys.Exposure[ch]});
        rc = put.Step();
        put.Reset();
    }
    return rc;
}

} // namespace

std::string DateTimeText(double dateTime)
{
    // Counted in whole milliseconds first, so that a time a hair before midnight rounds into the
    // next day as a whole instead of giving the old day with the time 00:00:00.
    constexpr long long kMsPerDay = 86400000;
    const long long ms = std::llround(dateTime * double(kMsPerDay));
    const long long day = ms >= 0 ? ms / kMsPerDay : (ms - kMsPerDay + 1) / kMsPerDay;
    const QDate date = DayZero().addDays(day);
    const QTime time = QTime::fromMSecsSinceStartOfDay(int(ms - day * kMsPerDay));
    return (date.toString("yyyy-MM-dd") + ' ' + time.toString("HH:mm:ss")).toStdString();
}

TProgressStore::TAction::TAction(TProgressStore& store, int waitMs) : store_(store)
{
    store_.inAction_ = true;
    store_.waitStart_ = TickCount();
    store_.waitMs_ = std::max(0, waitMs);
    store_.BeginCopy();
}

TProgressStore::TAction::~TAction()
{
    store_.EndCopy();
    store_.inAction_ = false;
}

TProgressStore::TCopyEverywhere::TCopyEverywhere(bool everywhere) : before_(copyEverywhere)
{
    copyEverywhere = everywhere;
}

TProgressStore::TCopyEverywhere::~TCopyEverywhere()
{
    copyEverywhere = before_;
}

bool TProgressStore::CopyFailed(TStoreProblem problem, std::string detail)
{
    copyProblem_ = problem;
    copyDetail_ = std::move(detail);
    CloseFile();
    return false;
}

bool TProgressStore::FolderStillThere()
{
    if (!identity_.Known || FileSystem::IdentifyFolder(ExistingFolder(folder_)) == identity_)
        return true;
    CopyFailed(TStoreProblem::Held,
               "the file system of " + folder_ +
                   " is not the one found at start-up: the share may have been unmounted");
    return false;
}

void TProgressStore::BeginCopy()
{
    copyProblem_ = TStoreProblem::None;
    // A share that has gone leaves its mount point behind, on the disk beneath: a progress file made
    // there would hide the player's own once the share is back. The games wait in memory instead.
    if (!FolderStillThere())
        return;
    copying_ =
        !folder_.empty() && (copyEverywhere || FileSystem::OnNetworkFileSystem(ExistingFolder(folder_)));
    if (!copying_)
        return;
    const int reopen = reopenFlags_;
    reopenFlags_ = 0;
    // The lock file goes beside the database, so the folder must be there first; Open makes it too,
    // on the same conditions.
    if (std::string folder; FileSystem::ResolveLinks(folder_, folder))
        FileSystem::MakeFolders(folder);
    // The lock file is waited for as SQLite's locks are: within the action's allowance.
    for (int count = 0;; ++count) {
        const TLockFile::TResult result = work_.Lock(file_);
        // A folder where no lock file can be made is one the store cannot write either; Open says so.
        if (result == TLockFile::TResult::Held || result == TLockFile::TResult::Unavailable)
            break;
        if (result == TLockFile::TResult::NotAFile) {
            CopyFailed(TStoreProblem::Held, "the lock file " + work_.LockPath() +
                                                " is not a file; ask the administrator to remove it");
            return;
        }
        if (!WaitForOtherCopy(this, count)) {
            CopyFailed(TStoreProblem::Held, path_ + " is held by another copy of the program");
            return;
        }
    }
    // Once the lock is held, the file as the server holds it now.
    switch (work_.Take()) {
    case TWorkingCopy::TTake::Taken:
        break;
    case TWorkingCopy::TTake::Unreadable:
        // Mostly a file this machine does not see yet; the next action tries again.
        CopyFailed(TStoreProblem::Held, path_ + " cannot be read now");
        return;
    case TWorkingCopy::TTake::NoCopy:
        CopyFailed(TStoreProblem::CannotOpen, "no private copy of " + path_ + " can be made");
        return;
    }
    // A file removed since the last action is opened (and made) anew by Open.
    if (reopen != 0 && OpenFile(reopen) != SQLITE_OK)
        CopyFailed(TStoreProblem::CannotOpen, path_ + ": " + detail_);
}

void TProgressStore::EndCopy()
{
    if (!copying_)
        return;
    reopenFlags_ = db_ ? flags_ : 0;
    CloseFile();
    if (copyProblem_ == TStoreProblem::None && !WriteBack())
        LogError(kErrorCode, "the progress could not be written back to " + path_);
    work_.Release();
    copying_ = false;
    copyProblem_ = TStoreProblem::None;
}

bool TProgressStore::WriteBack()
{
    if (!FolderStillThere())
        return false;
    switch (work_.PutBack()) {
    case TWorkingCopy::TPut::Unchanged:
    case TWorkingCopy::TPut::Written:
        return true;
    case TWorkingCopy::TPut::Refused:
        LogError(kErrorCode, "the progress was not written back to " + path_ +
                                 ": another copy of the program changed it meanwhile");
        return false;
    case TWorkingCopy::TPut::Failed:
        break;
    }
    return false;
}

bool TProgressStore::Ready()
{
    if (db_)
        return true;
    if (copyProblem_ != TStoreProblem::None)
        Fail(copyProblem_, copyDetail_);
    return false;
}

TProgressStore::TProgressStore(std::string folder)
    : folder_(std::move(folder)), path_(folder_ + "/" + kFileName),
      identity_(folder_.empty() ? FileSystem::TFolderIdentity{}
                                : FileSystem::IdentifyFolder(ExistingFolder(folder_))),
      file_(path_)
{
}

TProgressStore::~TProgressStore()
{
    CloseFile();
}

int TProgressStore::WaitForOtherCopy(void* store, int count)
{
    auto* self = static_cast<TProgressStore*>(store);
    // Outside an action every locking attempt gets the whole allowance, as SQLite's own timeout does.
    if (!self->inAction_ && count == 0) {
        self->waitStart_ = TickCount();
        self->waitMs_ = kBusyTimeoutMs;
    }
    static constexpr int kSteps[] = {1, 2, 5, 10, 15, 20, 25, 25, 25, 50, 50, 100};
    const int waited = static_cast<int>(TickCount() - self->waitStart_);
    if (waited >= self->waitMs_)
        return 0;
    SleepMs(std::min(self->waitMs_ - waited, count < int(std::size(kSteps)) ? kSteps[count] : 100));
    return 1;
}

int TProgressStore::OpenFile(int flags)
{
    CloseFile();
    sqlite3* db = nullptr;
    // The links were followed by the platform's rule; one put in place since is not followed.
    const std::string& name = copying_ ? work_.Path() : file_;
    const int rc = sqlite3_open_v2(name.c_str(), &db, flags | SQLITE_OPEN_NOFOLLOW, nullptr);
    if (rc != SQLITE_OK) {
        detail_ = db ? sqlite3_errmsg(db) : sqlite3_errstr(rc);
        sqlite3_close(db);
        return rc;
    }
    db_ = db;
    flags_ = flags;
    readOnly_ = (flags & SQLITE_OPEN_READONLY) != 0;
    sqlite3_busy_handler(db_, &TProgressStore::WaitForOtherCopy, this);
    return SQLITE_OK;
}

void TProgressStore::CloseFile()
{
    sqlite3_close(db_);
    db_ = nullptr;
}

bool TProgressStore::Fail(TStoreProblem problem, std::string detail)
{
    problem_ = problem;
    detail_ = std::move(detail);
    return false;
}

bool TProgressStore::FailWith(int rc)
{
    const std::string message = db_ ? sqlite3_errmsg(db_) : sqlite3_errstr(rc);
    switch (rc & 0xff) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return Fail(TStoreProblem::Held, message);
    case SQLITE_READONLY:
        return Fail(TStoreProblem::ReadOnly, message);
    case SQLITE_CANTOPEN:
    case SQLITE_PERM:
    case SQLITE_AUTH:
        return Fail(TStoreProblem::CannotOpen, message);
    default:
        return Fail(TStoreProblem::ReadFailed, message);
    }
}

bool TProgressStore::FailWith(TCheck check)
{
    switch (check) {
    case TCheck::Later:
        return Fail(TStoreProblem::LaterVersion, path_ + " is kept by a later version of the program");
    case TCheck::Busy:
        return Fail(TStoreProblem::Held, path_ + " is held by another copy of the program");
    case TCheck::Damaged:
        return Fail(TStoreProblem::Damaged, path_ + " is damaged or not a progress database");
    default:
        return Fail(TStoreProblem::ReadFailed, detail_);
    }
}

bool TProgressStore::Damaged(int rc) const
{
    const int primary = rc & 0xff;
    return primary == SQLITE_CORRUPT || primary == SQLITE_NOTADB;
}

TProgressStore::TCheck TProgressStore::Failed(int rc)
{
    // Another copy holding the file longer than the wait is no damage, whichever query finds it.
    if (IsBusy(rc))
        return TCheck::Busy;
    if (Damaged(rc))
        return TCheck::Damaged;
    detail_ = sqlite3_errmsg(db_);
    return TCheck::Unreadable;
}

TProgressStore::TCheck TProgressStore::Check()
{
    std::set<std::string> names;
    TStatement s(db_, "SELECT name FROM sqlite_master");
    int rc;
    while ((rc = s.Step()) == SQLITE_ROW)
        names.insert(s.Text(0));
    if (rc != SQLITE_DONE)
        return Failed(rc);
    const std::int64_t appId = QueryInt(db_, "PRAGMA application_id", rc);
    if (rc != SQLITE_OK)
        return Failed(rc);
    const std::int64_t version = QueryInt(db_, "PRAGMA user_version", rc);
    if (rc != SQLITE_OK)
        return Failed(rc);
    if (appId == 0 && version == 0 && names.empty())
        return TCheck::Empty;
    if (appId != kApplicationId || version < 1)
        return TCheck::Damaged;
    if (version > kSchemaVersion)
        return TCheck::Later;
    // Every version since the first has these two.
    if (!names.contains("keys") || !names.contains("games"))
        return TCheck::Damaged;
    if (version < kSchemaVersion)
        return TCheck::Older;
    for (const char* index : kIndexNames)
        if (!names.contains(index))
            return TCheck::Older;
    return TCheck::Ok;
}

TProgressStore::TCheck TProgressStore::Verify()
{
    TStatement s(db_, "PRAGMA quick_check(1)");
    const int rc = s.Step();
    if (rc == SQLITE_ROW)
        return s.Text(0) == "ok" ? TCheck::Ok : TCheck::Damaged;
    return Failed(rc);
}

bool TProgressStore::Upgrade()
{
    // Two copies starting at once both find the file old or empty; the second waits and then finds
    // it brought up to date, and runs no step twice.
    int rc = Exec(db_, "BEGIN IMMEDIATE");
    if (rc != SQLITE_OK)
        return FailWith(rc);
    std::int64_t version = QueryInt(db_, "PRAGMA user_version", rc);
    if (rc == SQLITE_OK && version > kSchemaVersion) {
        Exec(db_, "ROLLBACK");
        return FailWith(TCheck::Later);
    }
    for (; rc == SQLITE_OK && version < kSchemaVersion; ++version)
        rc = kMigrations[version](db_);
    if (rc == SQLITE_OK)
        rc = Exec(db_, kIndexes);
    const std::string stamp = "PRAGMA application_id = " + std::to_string(kApplicationId) +
                              "; PRAGMA user_version = " + std::to_string(kSchemaVersion) + ";";
    if (rc == SQLITE_OK)
        rc = Exec(db_, stamp.c_str());
    if (rc == SQLITE_OK)
        rc = Exec(db_, "COMMIT");
    if (rc == SQLITE_OK)
        return true;
    FailWith(rc);
    Exec(db_, "ROLLBACK");
    return false;
}

bool TProgressStore::Open()
{
    CloseFile();
    problem_ = TStoreProblem::None;
    detail_.clear();
    if (copyProblem_ != TStoreProblem::None)
        return Fail(copyProblem_, copyDetail_);
    if (folder_.empty())
        return Fail(TStoreProblem::FolderNotWritable, "no state folder is known");
    std::string folder;
    if (!FileSystem::ResolveLinks(folder_, folder))
        return Fail(TStoreProblem::ForeignLink, "a link of another user leads to " + folder_);
    if (!FileSystem::MakeFolders(folder))
        return Fail(TStoreProblem::FolderNotWritable, "the folder " + folder_ + " cannot be made");
    if (!FileSystem::ResolveLinks(folder + "/" + kFileName, file_))
        return Fail(TStoreProblem::ForeignLink, "a link of another user leads to " + path_);
    // The database may lie behind a link of the player's own, in another folder: both must be safe.
    for (const std::string& f : {folder, FolderOf(file_)}) {
        if (!FolderIsWritable(f))
            return Fail(TStoreProblem::FolderNotWritable, "the folder " + f + " cannot be written");
        if (FileSystem::FolderOpenToOthers(f))
            return Fail(TStoreProblem::FolderOpenToOthers, "other users may write the folder " + f);
    }
    const bool existed = FileSystem::PathExists(file_);
    if (const int rc = OpenFile(SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE); rc != SQLITE_OK)
        return Fail(existed ? TStoreProblem::CannotOpen : TStoreProblem::FolderNotWritable,
                    path_ + ": " + detail_);
    if (sqlite3_db_readonly(db_, "main") == 1) {
        CloseFile();
        return Fail(TStoreProblem::ReadOnly, path_ + " can be read but not written");
    }
    const TCheck check = Check();
    switch (check) {
    case TCheck::Ok:
        return true;
    case TCheck::Older:
    case TCheck::Empty:
        if (Upgrade())
            return true;
        break;
    case TCheck::Damaged:
        return SetAside();
    default:
        FailWith(check);
        break;
    }
    CloseFile();
    return false;
}

TProgressStore::TReadState TProgressStore::OpenForReading()
{
    CloseFile();
    problem_ = TStoreProblem::None;
    if (copyProblem_ != TStoreProblem::None) {
        Fail(copyProblem_, copyDetail_);
        return TReadState::Unreadable;
    }
    if (!FileSystem::ResolveLinks(path_, file_)) {
        Fail(TStoreProblem::ForeignLink, "a link of another user leads to it");
        return TReadState::Unreadable;
    }
    if (!FileSystem::PathExists(file_))
        return TReadState::Missing;
    if (OpenFile(SQLITE_OPEN_READONLY) != SQLITE_OK) {
        Fail(TStoreProblem::CannotOpen, detail_);
        return TReadState::Unreadable;
    }
    const TCheck check = Check();
    switch (check) {
    case TCheck::Ok:
    case TCheck::Older:
        return TReadState::Ok;
    case TCheck::Empty:
        CloseFile();
        return TReadState::Missing;
    default:
        FailWith(check);
        CloseFile();
        return TReadState::Unreadable;
    }
}

bool TProgressStore::SetAside()
{
    CloseFile();
    // Copies that find the file damaged together take turns; a later one finds the new file good
    // and keeps it instead of setting it aside too.
    TLockFile lock;
    const bool locked = lock.Lock(file_ + ".lock", kBusyTimeoutMs);
    if (const int rc = OpenFile(SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE); rc != SQLITE_OK)
        return Fail(TStoreProblem::CannotOpen, path_ + ": " + detail_);
    TCheck check = Check();
    if (check == TCheck::Ok || check == TCheck::Older) {
        const TCheck whole = Verify();
        check = whole == TCheck::Ok ? check : whole;
    }
    switch (check) {
    case TCheck::Ok:
        return true;
    case TCheck::Older:
    case TCheck::Empty:
        if (Upgrade())
            return true;
        CloseFile();
        return false;
    case TCheck::Damaged:
        break;
    default:
        // Held, of a later version or unreadable: none of them is damage, and the file stays.
        FailWith(check);
        CloseFile();
        return false;
    }
    CloseFile();
    if (!locked)
        return Fail(TStoreProblem::Held, path_ + " is being replaced by another copy of the program");

    // "YYYY-MM-DD HH:MM:SS" of the platform clock as "YYYYMMDD-HHMMSS".
    std::string stamp;
    for (const char c : DateTimeText(Now()))
        if (c != '-' && c != ':')
            stamp += c == ' ' ? '-' : c;
    std::string aside = file_ + ".damaged-" + stamp;
    for (int n = 2; FileSystem::PathExists(aside); ++n)
        aside = file_ + ".damaged-" + stamp + "-" + std::to_string(n);
    if (!FileSystem::RenamePath(file_, aside))
        return Fail(TStoreProblem::Damaged, path_ + " is damaged and cannot be set aside");
    // A journal left beside the damaged file belongs to it, never to the new one.
    for (const char* companion : {"-journal", "-wal", "-shm"})
        if (FileSystem::PathExists(file_ + companion))
            FileSystem::RenamePath(file_ + companion, aside + companion);
    // The private copy is of the damaged file too.
    if (copying_)
        work_.SharedFileMoved();
    SetAsideName = aside;
    LogError(kErrorCode, "progress database could not be read; kept as " + aside + ", a new one started");

    if (const int rc = OpenFile(SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE); rc != SQLITE_OK)
        return Fail(TStoreProblem::FolderNotWritable, path_ + ": " + detail_);
    if (Upgrade())
        return true;
    CloseFile();
    return false;
}

bool TProgressStore::LoadTotals(TDifficultKeys& keys)
{
    if (!Ready())
        return false;
    const int rc = ReadTotals(keys);
    if (rc == SQLITE_DONE)
        return true;
    FailWith(rc);
    if (Damaged(rc) && !readOnly_)
        SetAside();
    return false;
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
        rc = PutKeyTotals(db_, folded, [&](unsigned char ch) { return record.Hits[ch] > 0; });
        ok = rc == SQLITE_DONE;
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
        row.Bind(3, Cp1252ToUtf8(record.Choice));
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
    if (!Ready() || readOnly_)
        return false;
    TDifficultKeys folded;
    int rc = Fold(record, playedAt, folded);
    // A database found damaged during the fold is set aside; the game goes into the new one.
    if (Damaged(rc) && SetAside())
        rc = Fold(record, playedAt, folded);
    if (rc != SQLITE_OK)
        return db_ ? FailWith(rc) : false;
    // On a network folder the game is stored once the server has it. Otherwise it waits in memory,
    // and the next action starts again from the server's file, without this fold.
    if (copying_ && !WriteBack()) {
        CopyFailed(TStoreProblem::Held, path_ + " could not be written back");
        return Fail(TStoreProblem::Held, copyDetail_);
    }
    problem_ = TStoreProblem::None;
    if (totals)
        totals->TakeTotals(folded);
    return true;
}

bool TProgressStore::History(std::vector<THistoryRow>& rows, int last)
{
    rows.clear();
    if (!Ready())
        return false;
    TStatement s(db_, "SELECT played_at, game, choice, score, seconds, keystrokes, errors, level FROM "
                      "(SELECT * FROM games ORDER BY id DESC LIMIT ?) ORDER BY id");
    s.Bind(1, std::int64_t{last > 0 ? last : -1});
    int rc;
    while ((rc = s.Step()) == SQLITE_ROW) {
        THistoryRow& r = rows.emplace_back();
        r.PlayedAt = s.Text(0);
        r.Game = s.Text(1);
        r.Choice = s.Text(2);
        r.Score = Whole(s.Int(3));
        r.Seconds = s.Real(4);
        r.Keystrokes = Whole(s.Int(5));
        r.Errors = Whole(s.Int(6));
        r.Level = s.Real(7);
    }
    return rc == SQLITE_DONE || FailWith(rc);
}

bool TProgressStore::RecentScores(const std::string& game, int count, std::vector<std::int32_t>& scores,
                                  std::vector<std::string>* days)
{
    scores.clear();
    if (days)
        days->clear();
    if (!Ready())
        return false;
    TStatement s(db_,
                 "SELECT score, substr(played_at, 1, 10) FROM games WHERE game = ? ORDER BY id DESC LIMIT ?");
    s.Bind(1, game);
    s.Bind(2, std::int64_t{count});
    int rc;
    while ((rc = s.Step()) == SQLITE_ROW) {
        scores.insert(scores.begin(), Whole(s.Int(0)));
        if (days)
            days->insert(days->begin(), s.Text(1));
    }
    return rc == SQLITE_DONE || FailWith(rc);
}

bool TProgressStore::ReadKeyDays(int fromDay, TKeyDays& days)
{
    days.clear();
    if (!Ready())
        return false;
    int rc = SQLITE_OK;
    // A file of version 1 that a reader opened has no key record yet.
    if (readOnly_ && QueryInt(db_, "SELECT count(*) FROM sqlite_master WHERE name = 'key_days'", rc) == 0)
        return rc == SQLITE_OK || FailWith(rc);
    rc = KeyRecordSql::ReadDays(db_, fromDay, days);
    return rc == SQLITE_DONE || FailWith(rc);
}

bool TProgressStore::Moved()
{
    int moved = 0;
    return db_ && sqlite3_file_control(db_, "main", SQLITE_FCNTL_HAS_MOVED, &moved) == SQLITE_OK && moved;
}

bool TProgressStore::PutTotals(const TDifficultKeys& keys, const TKeyDays& days)
{
    if (!Ready() || readOnly_)
        return false;
    int rc = Exec(db_, "BEGIN IMMEDIATE");
    if (rc != SQLITE_OK)
        return FailWith(rc);
    const bool empty = QueryInt(db_, "SELECT count(*) FROM keys", rc) == 0 && rc == SQLITE_OK &&
                       QueryInt(db_, "SELECT count(*) FROM key_days", rc) == 0 && rc == SQLITE_OK;
    bool ok = empty;
    if (ok) {
        rc = PutKeyTotals(db_, keys,
                          [&](unsigned char ch) { return keys.TotalHits[ch] > 0 || keys.Exposure[ch] > 0; });
        ok = rc == SQLITE_DONE;
    }
    for (const TKeyDay& d : days)
        if (ok) {
            rc = KeyRecordSql::AddDay(db_, d.Day, d.Keys);
            ok = rc == SQLITE_DONE;
        }
    if (ok && (rc = Exec(db_, "COMMIT")) == SQLITE_OK)
        return true;
    Exec(db_, "ROLLBACK");
    return empty ? FailWith(rc) : false;
}

bool TProgressStore::BestScoreSince(const std::string& game, const std::string& since, std::int32_t& best)
{
    best = -1;
    if (!Ready())
        return false;
    TStatement s(db_, "SELECT max(score) FROM games WHERE game = ? AND played_at >= ?");
    s.Bind(1, game);
    s.Bind(2, since);
    const int rc = s.Step();
    if (rc != SQLITE_ROW)
        return FailWith(rc);
    if (!s.IsNull(0))
        best = Whole(s.Int(0));
    return true;
}
