#include "player_progress.h"
#include "progress_store.h"
#include "scratch_dir.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// A game that typed ch `hits` times, the first `errors` of them wrongly.
TGameRecord Game(unsigned char ch, int hits, int errors, std::int32_t score = 100)
{
    TGameRecord r;
    r.Game = "WordTris";
    r.Choice = "Animals";
    r.Score = score;
    r.Hits[ch] = hits;
    r.KeyErrors[ch] = errors;
    r.Keystrokes = hits;
    r.Errors = errors;
    return r;
}

TEST(ProgressStore, TotalsSurviveARestartWithTheirRatings)
{
    ScratchDir dir;
    const struct {
        unsigned char ch;
        int hits, errors;
    } games[] = {{'e', 10, 2}, {'e', 20, 0}, {'q', 30, 12}, {'e', 10, 3}, {'#', 5, 5}};
    TDifficultKeys inMemory; // the statistics as one run without the store would have them
    for (const auto& g : games) {
        TProgressStore store(dir.Path() + "/state");
        ASSERT_TRUE(store.Open()) << store.Problem;
        ASSERT_TRUE(store.RecordGame(Game(g.ch, g.hits, g.errors), "2026-12-09 10:00:00", nullptr));
        for (int i = 0; i < g.hits; ++i)
            inMemory.RecordKey(g.ch, i < g.errors);
        inMemory.Evaluate();
    }
    TProgressStore restarted(dir.Path() + "/state");
    ASSERT_TRUE(restarted.Open());
    TDifficultKeys keys;
    keys.RecentHits['x'] = 3;
    ASSERT_TRUE(restarted.LoadTotals(keys));
    for (unsigned char ch : {'e', 'q', '#', 'a'}) {
        EXPECT_EQ(keys.TotalHits[ch], inMemory.TotalHits[ch]) << ch;
        EXPECT_EQ(keys.TotalErrors[ch], inMemory.TotalErrors[ch]) << ch;
        EXPECT_EQ(keys.Exposure[ch], inMemory.Exposure[ch]) << ch;
        EXPECT_FLOAT_EQ(keys.KeyDifficulty(ch), inMemory.KeyDifficulty(ch)) << ch;
    }
    EXPECT_GT(keys.KeyDifficulty('q'), 50.0f);
    EXPECT_EQ(keys.RecentHits['x'], 3) << "loading leaves the running game's counts alone";
    EXPECT_EQ(restarted.History().size(), std::size(games));
    EXPECT_EQ(restarted.History(2).front().Choice, "Animals");
}

// Two copies ending games at the same moment: a copy that wrote its own totals over the other's
// would lose keystrokes, and a copy that gave up on a locked database would lose history rows.
TEST(ProgressStore, TwoCopiesFoldingAtOnceKeepEveryGame)
{
    ScratchDir dir;
    const std::string folder = dir.Path() + "/state";
    {
        TProgressStore made(folder);
        ASSERT_TRUE(made.Open());
    }
    constexpr int kGames = 25;
    int go[2];
    ASSERT_EQ(pipe(go), 0);
    pid_t copies[2];
    for (pid_t& pid : copies) {
        pid = fork();
        if (pid == 0) {
            close(go[1]);
            char c;
            // Both copies start folding when the pipe closes.
            (void)!read(go[0], &c, 1);
            TProgressStore store(folder);
            bool ok = store.Open();
            for (int i = 0; ok && i < kGames; ++i)
                ok = store.RecordGame(Game('x', 1, 0, i), "2026-12-09 10:00:00", nullptr);
            _exit(ok ? 0 : 1);
        }
    }
    close(go[0]);
    close(go[1]);
    for (pid_t pid : copies) {
        int status = -1;
        waitpid(pid, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    TProgressStore store(folder);
    ASSERT_TRUE(store.Open());
    TDifficultKeys keys;
    ASSERT_TRUE(store.LoadTotals(keys));
    EXPECT_EQ(keys.Exposure['x'], 2 * kGames);
    EXPECT_EQ(store.History().size(), 2u * kGames);
}

QByteArray Contents(const std::string& path);

struct TDamage {
    const char* name;
    void (*spoil)(const std::string& path);
};

void WriteText(const std::string& path)
{
    QFile f(QString::fromStdString(path));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("these are notes, not a database\n");
}

// A good database whose pages after the first are overwritten: the header still reads.
void SpoilPages(const std::string& path)
{
    {
        TProgressStore store(path.substr(0, path.rfind('/')));
        ASSERT_TRUE(store.Open());
        for (int i = 0; i < 50; ++i)
            ASSERT_TRUE(store.RecordGame(Game('k', 10, 1, i), "2026-12-09 10:00:00", nullptr));
    }
    QFile f(QString::fromStdString(path));
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    f.seek(4096);
    f.write(QByteArray(f.size() - 4096, '\xA5'));
}

class DamagedStore : public testing::TestWithParam<TDamage> {};

TEST_P(DamagedStore, IsKeptAsideAndANewOneStarted)
{
    ScratchDir dir;
    const std::string folder = dir.Path() + "/state";
    ASSERT_TRUE(QDir().mkpath(QString::fromStdString(folder)));
    const std::string path = folder + "/" + TProgressStore::kFileName;
    GetParam().spoil(path);
    const QByteArray damaged = Contents(path);

    TProgressStore store(folder);
    ASSERT_TRUE(store.Open()) << store.Problem;
    TDifficultKeys keys;
    store.LoadTotals(keys);
    // The game after the damage is found is kept in the new database.
    ASSERT_TRUE(store.RecordGame(Game('k', 10, 1), "2026-12-09 11:00:00", nullptr)) << store.Problem;
    ASSERT_FALSE(store.SetAsideName.empty());
    QFile aside(QString::fromStdString(store.SetAsideName));
    ASSERT_TRUE(aside.open(QIODevice::ReadOnly));
    EXPECT_EQ(aside.readAll(), damaged) << "the damaged file is kept as it was";
    EXPECT_EQ(store.History().size(), 1u);

    const std::string log = dir.Read("Errors.log");
    EXPECT_NE(log.find("#-1505"), std::string::npos) << log;
    EXPECT_NE(log.find(store.SetAsideName), std::string::npos) << log;
    EXPECT_EQ(log.find("#-1505"), log.rfind("#-1505")) << "one entry";
}

INSTANTIATE_TEST_SUITE_P(Kinds, DamagedStore,
                         testing::Values(TDamage{"NotADatabase", WriteText},
                                         TDamage{"SpoiltPages", SpoilPages}),
                         [](const auto& info) { return std::string(info.param.name); });

QByteArray Contents(const std::string& path)
{
    QFile f(QString::fromStdString(path));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

TEST(ProgressStore, ADatabaseOfALaterVersionIsLeftAlone)
{
    ScratchDir dir;
    const std::string folder = dir.Path() + "/state";
    const std::string path = folder + "/" + TProgressStore::kFileName;
    {
        TProgressStore store(folder);
        ASSERT_TRUE(store.Open());
        ASSERT_TRUE(store.RecordGame(Game('k', 10, 1), "2026-12-09 10:00:00", nullptr));
    }
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(path.c_str(), &db), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(
                  db, ("PRAGMA user_version = " + std::to_string(TProgressStore::kSchemaVersion + 1)).c_str(),
                  nullptr, nullptr, nullptr),
              SQLITE_OK);
    sqlite3_close(db);
    const QByteArray before = Contents(path);

    TProgressStore store(folder);
    EXPECT_FALSE(store.Open());
    EXPECT_FALSE(store.RecordGame(Game('k', 10, 1), "2026-12-09 11:00:00", nullptr));
    EXPECT_TRUE(store.SetAsideName.empty());
    EXPECT_EQ(Contents(path), before);
}

TEST(ProgressStore, AFolderThatCannotBeWrittenKeepsNoProgressAndTheNoticeSaysSo)
{
    ScratchDir dir;
    const std::string file = dir.Write("plain-file", "x");
    TProgressStore store(file + "/state");
    EXPECT_FALSE(store.Open());
    EXPECT_FALSE(store.Problem.empty());
    EXPECT_FALSE(store.RecordGame(Game('k', 1, 1), "2026-12-09 10:00:00", nullptr));

    TPlayerProgress progress(file + "/state");
    TDifficultKeys keys;
    keys.TotalHits['k'] = 7;
    progress.Start(keys);
    progress.Record(Game('k', 1, 1));
    EXPECT_FALSE(progress.Kept());
    EXPECT_EQ(keys.TotalHits['k'], 7) << "the statistics run on as before";
    EXPECT_EQ(progress.Notice(), kProgressNotKept);
    EXPECT_FALSE(dir.Exists("Errors.log")) << "a folder that cannot be written is no error";
}

TEST(ProgressStore, DateTimeTextIsLocalAndSortable)
{
    EXPECT_EQ(DateTimeText(0.0), "1899-12-30 00:00:00");
    EXPECT_EQ(DateTimeText(46000.5), "2025-12-09 12:00:00");
    EXPECT_EQ(DateTimeText(46000.0 + 86399.4 / 86400.0), "2025-12-09 23:59:59");
    EXPECT_EQ(DateTimeText(46000.0 + 86399.9996 / 86400.0), "2025-12-10 00:00:00");
}

} // namespace
