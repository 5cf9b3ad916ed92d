#include "key_record_sql.h"
#include "player_progress.h"
#include "progress_store.h"
#include "scratch_dir.h"
#include "system.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <cmath>
#include <sqlite3.h>

namespace {

// A database as the first version of the program made it, with one key and one game.
void WriteVersion1(const std::string& folder)
{
    QDir().mkpath(QString::fromStdString(folder));
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open((folder + "/progress.db").c_str(), &db), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(db, R"(
        CREATE TABLE keys (code INTEGER PRIMARY KEY CHECK (code BETWEEN 33 AND 255),
          total_hits INTEGER NOT NULL, total_errors INTEGER NOT NULL, exposure INTEGER NOT NULL);
        CREATE TABLE games (id INTEGER PRIMARY KEY, played_at TEXT NOT NULL, game TEXT NOT NULL,
          choice TEXT NOT NULL, score INTEGER NOT NULL, seconds REAL NOT NULL, keystrokes INTEGER NOT NULL,
          errors INTEGER NOT NULL, level REAL NOT NULL);
        CREATE INDEX games_by_game ON games (game, id);
        INSERT INTO keys VALUES (101, 30, 6, 120);
        INSERT INTO games VALUES (1, '2026-12-01 09:00:00', 'WordTris', 'Animals', 250, 80.5, 30, 6, 2.5);
        PRAGMA application_id = 1263945521; PRAGMA user_version = 1;)",
                           nullptr, nullptr, nullptr),
              SQLITE_OK);
    sqlite3_close(db);
}

std::int64_t UserVersion(const std::string& path)
{
    sqlite3* db = nullptr;
    sqlite3_open(path.c_str(), &db);
    sqlite3_stmt* s = nullptr;
    sqlite3_prepare_v2(db, "PRAGMA user_version", -1, &s, nullptr);
    sqlite3_step(s);
    const std::int64_t v = sqlite3_column_int64(s, 0);
    sqlite3_finalize(s);
    sqlite3_close(db);
    return v;
}

TGameRecord KeyGame(unsigned char due, unsigned char typed, int right, int wrong)
{
    TGameRecord game;
    game.Game = kGameWordTris;
    game.Choice = "Animals";
    for (int i = 0; i < right; ++i)
        game.KeyRecord.Correct(due, 150);
    for (int i = 0; i < wrong; ++i)
        game.KeyRecord.Error(due, typed);
    game.Hits[due] = right + wrong;
    game.KeyErrors[due] = wrong;
    return game;
}

TEST(KeyRecordStore, AVersion1DatabaseIsReadAsItIsAndMigratedInPlaceWithNothingLost)
{
    ScratchDir dir;
    const std::string folder = dir.Path() + "/state";
    WriteVersion1(folder);
    {
        // The tool reads it without changing it: no key record yet.
        TProgressStore reader(folder);
        ASSERT_EQ(reader.OpenForReading(), TProgressStore::TReadState::Ok);
        TKeyDays days;
        EXPECT_TRUE(reader.ReadKeyDays(0, days));
        EXPECT_TRUE(days.empty());
    }
    EXPECT_EQ(UserVersion(folder + "/progress.db"), 1);

    TProgressStore store(folder);
    ASSERT_TRUE(store.Open()) << store.Detail();
    EXPECT_TRUE(store.SetAsideName.empty());
    EXPECT_EQ(UserVersion(folder + "/progress.db"), 2);
    TDifficultKeys keys;
    ASSERT_TRUE(store.LoadTotals(keys));
    EXPECT_EQ(keys.TotalHits['e'], 30);
    EXPECT_EQ(keys.TotalErrors['e'], 6);
    EXPECT_EQ(keys.Exposure['e'], 120);
    std::vector<THistoryRow> history;
    ASSERT_TRUE(store.History(history));
    ASSERT_EQ(history.size(), 1u);
    EXPECT_EQ(history[0].Score, 250);

    ASSERT_TRUE(store.RecordGame(KeyGame('a', 'q', 6, 2), "2026-12-09 10:00:00", nullptr));
    ASSERT_TRUE(store.RecordGame(KeyGame('a', 'q', 2, 1), "2026-12-09 11:00:00", nullptr));
    TKeyDays days;
    ASSERT_TRUE(store.ReadKeyDays(0, days));
    ASSERT_EQ(days.size(), 1u);
    EXPECT_EQ(KeyRecordSql::DayText(days[0].Day), "2026-12-09");
    const TKeyTally& a = days[0].Keys['a'];
    EXPECT_EQ(a.Keystrokes, 11);
    EXPECT_EQ(a.Errors, 3);
    EXPECT_EQ(a.TimedStrokes, 8);
    EXPECT_EQ(a.TimedMs, 8 * 150);
    EXPECT_EQ(a.MostConfused().Typed, 'q');
    EXPECT_EQ(a.MostConfused().Count, 3);
    ASSERT_TRUE(store.History(history));
    EXPECT_EQ(history.size(), 3u);
}

// The file removed while the program runs: the next game goes into a new file that also gets the
// progress the run holds, and the log says so once.
TEST(KeyRecordStore, AFileRemovedWhileThePlayerPlaysIsStartedAgainWithWhatTheRunHolds)
{
    ScratchDir dir;
    const std::string folder = dir.Path() + "/state";
    TDifficultKeys keys;
    TPlayerProgress progress(folder);
    progress.Start(keys);
    ASSERT_TRUE(progress.Kept());
    progress.Record(KeyGame('a', 'q', 20, 10));
    ASSERT_TRUE(QFile::remove(QString::fromStdString(folder + "/progress.db")));
    progress.Record(KeyGame('s', 'd', 10, 0));
    progress.Record(KeyGame('s', 'd', 10, 0));

    TProgressStore reread(folder);
    ASSERT_TRUE(reread.Open());
    TDifficultKeys stored;
    ASSERT_TRUE(reread.LoadTotals(stored));
    EXPECT_EQ(stored.TotalHits['a'], 30) << "the first game's fold, held in memory";
    EXPECT_EQ(stored.TotalHits['s'], 18) << "10, faded by a quarter, and 10";
    TKeyDays days;
    ASSERT_TRUE(reread.ReadKeyDays(0, days));
    ASSERT_EQ(days.size(), 1u);
    EXPECT_EQ(days[0].Keys['a'].Errors, 10);
    EXPECT_EQ(days[0].Keys['s'].Keystrokes, 20);
    std::vector<THistoryRow> history;
    ASSERT_TRUE(reread.History(history));
    EXPECT_EQ(history.size(), 2u) << "the history of the removed file is gone with it";
    const std::string log = dir.Read("Errors.log");
    EXPECT_NE(log.find("was removed or replaced while the program ran"), std::string::npos) << log;
    EXPECT_EQ(log.find("removed or replaced"), log.rfind("removed or replaced")) << "one entry";
}

TEST(KeyRecordStore, ADamagedFileSetAsideIsToldOnceInTheNotice)
{
    ScratchDir dir;
    const std::string folder = dir.Path() + "/state";
    QDir().mkpath(QString::fromStdString(folder));
    dir.Write("state/progress.db", std::string(4096, 'x'));
    TDifficultKeys keys;
    TPlayerProgress progress(folder);
    progress.Start(keys);
    ASSERT_TRUE(progress.Kept());
    const std::string first = progress.Notice();
    EXPECT_NE(first.find("could not be read and was put aside as " + progress.Store().SetAsideName),
              std::string::npos)
        << first;
    EXPECT_EQ(progress.Notice().find("put aside"), std::string::npos) << "told once";
}

} // namespace
