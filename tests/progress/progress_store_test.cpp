#include "file_system.h"
#include "lock_file.h"
#include "player_progress.h"
#include "progress_store.h"
#include "scratch_dir.h"
#include "test_platform.h"

#include <gtest/gtest.h>
#include <optional>

#include <QDir>
#include <QFile>
#include <filesystem>
#include <sqlite3.h>
#include <sys/stat.h>
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

std::vector<THistoryRow> HistoryOf(TProgressStore& store)
{
    std::vector<THistoryRow> rows;
    EXPECT_TRUE(store.History(rows)) << store.Detail();
    return rows;
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
        ASSERT_TRUE(store.Open()) << store.Detail();
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
    EXPECT_EQ(HistoryOf(restarted).size(), std::size(games));
    std::vector<THistoryRow> last;
    ASSERT_TRUE(restarted.History(last, 2));
    EXPECT_EQ(last.front().Choice, "Animals");
}

// Two copies ending games at the same moment: a copy that wrote its own totals over the other's
// would lose keystrokes, and a copy that gave up on a locked database would lose history rows.
// How the copies share the file: in place (a local disk), or as on a network folder, each action
// on a private copy under the lock file, written back by rename.
class TwoCopies : public testing::TestWithParam<bool> {
  protected:
    void SetUp() override
    {
        copying_.emplace(GetParam());
        lockMode_.emplace(GetParam() ? TLockFile::TMode::Everywhere : TLockFile::TMode::NetworkFolders);
    }
    void TearDown() override
    {
        copying_.reset();
        lockMode_.reset();
    }
    std::optional<TProgressStore::TCopyEverywhere> copying_;
    std::optional<TLockFile::TModeGuard> lockMode_;
};

TEST_P(TwoCopies, FoldingAtOnceKeepEveryGame)
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
            bool ok = true;
            // One action per game, as the program takes them: each waits for the other copy.
            for (int i = 0; ok && i < kGames; ++i) {
                TProgressStore::TAction action(store, 20000);
                ok = (store.IsOpen() || store.Open()) &&
                     store.RecordGame(Game('x', 1, 0, i), "2026-12-09 10:00:00", nullptr);
            }
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
    EXPECT_EQ(HistoryOf(store).size(), 2u * kGames);
}

INSTANTIATE_TEST_SUITE_P(InPlaceAndCopied, TwoCopies, testing::Bool());

TEST(PlayerProgress, OnANetworkFolderAGameNotWrittenBackWaitsAndIsStoredOnce)
{
    TestPlatform platform;
    ScratchDir dir;
    const std::string folder = dir.Path() + "/state";
    TDifficultKeys keys;
    {
        const TProgressStore::TCopyEverywhere copying(true);
        TPlayerProgress progress(folder);
        progress.Start(keys);
        progress.Record(Game('k', 10, 1));
        {
            // Enough for the private copy of the file, nothing for writing it back.
            const FileSystem::TScopedDiskFaults full(
                {QFile(QString::fromStdString(folder + "/progress.db")).size(), 0});
            progress.Record(Game('k', 20, 0));
        }
        EXPECT_EQ(progress.Waiting(), 1u);
        progress.Record(Game('q', 5, 5));
        EXPECT_EQ(progress.Waiting(), 0u);
    }
    TProgressStore store(folder);
    ASSERT_TRUE(store.Open());
    EXPECT_EQ(HistoryOf(store).size(), 3u) << "each game once";
    ASSERT_TRUE(store.LoadTotals(keys));
    EXPECT_EQ(keys.Exposure['k'], 30);
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
    ASSERT_TRUE(store.Open()) << store.Detail();
    TDifficultKeys keys;
    store.LoadTotals(keys);
    // The game after the damage is found is kept in the new database.
    ASSERT_TRUE(store.RecordGame(Game('k', 10, 1), "2026-12-09 11:00:00", nullptr)) << store.Detail();
    ASSERT_FALSE(store.SetAsideName.empty());
    QFile aside(QString::fromStdString(store.SetAsideName));
    ASSERT_TRUE(aside.open(QIODevice::ReadOnly));
    EXPECT_EQ(aside.readAll(), damaged) << "the damaged file is kept as it was";
    EXPECT_EQ(HistoryOf(store).size(), 1u);

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
    EXPECT_EQ(store.Problem(), TStoreProblem::FolderNotWritable);
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

// Another copy in the middle of a write, as the sqlite3 shell holding BEGIN EXCLUSIVE is.
class THeldDatabase {
  public:
    explicit THeldDatabase(const std::string& path)
    {
        sqlite3_open(path.c_str(), &db_);
        held = sqlite3_exec(db_, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr) == SQLITE_OK;
    }
    ~THeldDatabase()
    {
        sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
        sqlite3_close(db_);
    }
    bool held = false;

  private:
    sqlite3* db_ = nullptr;
};

void Sql(const std::string& path, const char* sql)
{
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(path.c_str(), &db), SQLITE_OK);
    EXPECT_EQ(sqlite3_exec(db, sql, nullptr, nullptr, nullptr), SQLITE_OK) << sqlite3_errmsg(db);
    sqlite3_close(db);
}

std::string MadeStore(const std::string& folder)
{
    TProgressStore store(folder);
    EXPECT_TRUE(store.Open()) << store.Detail();
    EXPECT_TRUE(store.RecordGame(Game('k', 10, 1), "2026-12-09 10:00:00", nullptr));
    return store.Path();
}

// Files other than the database in its folder: a file set aside would be one.
std::vector<std::string> SetAsideFiles(const std::string& folder)
{
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(folder))
        if (e.path().filename().string().find(".damaged-") != std::string::npos)
            names.push_back(e.path().filename().string());
    return names;
}

// The notice names what kept the progress from being reached: a file of a later version is not
// kept at all, a file another copy holds is tried again and its games wait.
TEST(PlayerProgress, TheNoticeNamesTheRealReason)
{
    TestPlatform platform;
    for (const bool later : {true, false}) {
        ScratchDir dir;
        const std::string folder = dir.Path() + "/state";
        const std::string path = MadeStore(folder);
        if (later)
            Sql(path,
                ("PRAGMA user_version = " + std::to_string(TProgressStore::kSchemaVersion + 1)).c_str());
        THeldDatabase other(later ? dir.Path() + "/unrelated.db" : path);
        TDifficultKeys keys;
        TPlayerProgress progress(folder);
        progress.Start(keys);
        const TStoreProblem expected = later ? TStoreProblem::LaterVersion : TStoreProblem::Held;
        EXPECT_EQ(progress.Problem(), expected);
        EXPECT_EQ(progress.Kept(), !later);
        EXPECT_EQ(progress.Notice(), ProblemNotice(expected));
        EXPECT_NE(progress.Notice().find(later ? "later version" : "another copy"), std::string::npos);
        EXPECT_TRUE(SetAsideFiles(folder).empty());
    }
}

// A held database: each action waits once (not once per query), the finished game waits in memory,
// and it is folded at the next game's end or when the run ends.
TEST(PlayerProgress, AHeldDatabaseCostsOneWaitAndItsGamesAreFoldedLater)
{
    TestPlatform platform;
    ScratchDir dir;
    const std::string folder = dir.Path() + "/state";
    const std::string path = folder + "/" + TProgressStore::kFileName;
    auto waited = [&, start = platform.clock->tick]() mutable {
        const std::uint32_t ms = platform.clock->tick - start;
        start = platform.clock->tick;
        return ms;
    };
    constexpr std::uint32_t kWait = TProgressStore::kBusyTimeoutMs;
    TDifficultKeys keys;
    {
        TPlayerProgress progress(folder);
        MadeStore(folder);
        {
            THeldDatabase other(path);
            ASSERT_TRUE(other.held);
            waited();
            progress.Start(keys);
            EXPECT_EQ(waited(), kWait) << "start-up";
            EXPECT_TRUE(progress.Kept()) << "tried again later, not given up for the run";
            progress.Record(Game('k', 10, 1));
            progress.Notice();
            EXPECT_EQ(waited(), kWait) << "a game's end and the notice after it";
            const TProgressData page = progress.Collect();
            EXPECT_EQ(waited(), kWait) << "the progress view";
            EXPECT_EQ(page.Problem, TStoreProblem::Held);
            EXPECT_EQ(progress.Waiting(), 1u);
        }
        progress.Record(Game('k', 20, 0));
        EXPECT_EQ(progress.Waiting(), 0u);
        EXPECT_EQ(keys.Exposure['k'], 40) << "the stored game and both waiting ones";
        {
            THeldDatabase other(path);
            progress.Record(Game('q', 5, 5));
            EXPECT_EQ(progress.Waiting(), 1u);
        }
    }
    TProgressStore store(folder);
    ASSERT_TRUE(store.Open());
    EXPECT_EQ(HistoryOf(store).size(), 4u) << "the game still waiting at the end of the run is stored then";
    EXPECT_FALSE(dir.Exists("Errors.log"));
}

// Busy is no damage, and neither is a file that cannot be opened: each keeps the file as it is.
TEST(ProgressStore, AFileThatIsHeldOrCannotBeOpenedIsNotSetAside)
{
    TestPlatform platform;
    ScratchDir dir;
    const std::string folder = dir.Path() + "/state";
    const std::string path = MadeStore(folder);
    const QByteArray before = Contents(path);
    {
        THeldDatabase other(path);
        TProgressStore store(folder);
        EXPECT_FALSE(store.Open());
        EXPECT_EQ(store.Problem(), TStoreProblem::Held);
    }
    EXPECT_EQ(Contents(path), before);

    ASSERT_EQ(::chmod(path.c_str(), 0), 0);
    // Permissions do not bind the superuser: as root, the store is opened as "nobody".
    const bool root = ::geteuid() == 0;
    if (root) {
        ASSERT_TRUE(::chmod(dir.Path().c_str(), 0711) == 0 && ::chown(folder.c_str(), 65534, 65534) == 0 &&
                    ::chown(path.c_str(), 65534, 65534) == 0);
    }
    const pid_t pid = fork();
    if (pid == 0) {
        if (root && (::setgid(65534) != 0 || ::setuid(65534) != 0))
            _exit(100);
        TProgressStore store(folder);
        _exit(store.Open() ? 101 : static_cast<int>(store.Problem()));
    }
    int status = -1;
    waitpid(pid, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == static_cast<int>(TStoreProblem::CannotOpen))
        << status;
    EXPECT_TRUE(SetAsideFiles(folder).empty());
    EXPECT_TRUE(std::filesystem::exists(path));
}

// In a state folder others can write, or behind another user's link, a file named progress.db
// could be anything of anybody: the store keeps no progress there and touches nothing.
TEST(ProgressStore, LinksOfOtherUsersAndFoldersOpenToOthersAreRefused)
{
    namespace fs = std::filesystem;
    const bool root = ::geteuid() == 0;
    const struct {
        const char* what;
        bool needsRoot;
        TStoreProblem problem;
    } cases[] = {
        {"another user's link in the middle of the path", true, TStoreProblem::ForeignLink},
        {"another user's link named progress.db", true, TStoreProblem::ForeignLink},
        {"a state folder everybody may write", false, TStoreProblem::FolderOpenToOthers},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE(cases[i].what);
        if (cases[i].needsRoot && !root)
            continue; // only root can give a link another owner
        ScratchDir dir;
        dir.Write("precious", "another user's own file");
        fs::create_directory("real");
        std::string folder = dir.Path() + "/real/state";
        if (i == 0) {
            fs::create_symlink("real", "shared");
            ASSERT_EQ(::lchown("shared", 65534, 65534), 0);
            folder = dir.Path() + "/shared/state";
        } else {
            fs::create_directory("real/state");
            if (i == 1) {
                fs::create_symlink(dir.Path() + "/precious", "real/state/progress.db");
                ASSERT_EQ(::lchown("real/state/progress.db", 65534, 65534), 0);
            } else {
                fs::permissions("real/state", fs::perms::all);
            }
        }
        TProgressStore store(folder);
        EXPECT_FALSE(store.Open());
        EXPECT_EQ(store.Problem(), cases[i].problem) << store.Detail();
        EXPECT_EQ(dir.Read("precious"), "another user's own file");
        EXPECT_EQ(fs::exists("real/state"), i != 0);
        EXPECT_FALSE(fs::exists("real/state/progress.db-journal"));
        if (i == 2) {
            EXPECT_FALSE(fs::exists("real/state/progress.db"));
        }
    }
}

// A hand-edited count must not overflow the statistics, and a file of this version without an index
// the menu's figures need still opens (and gets it).
TEST(ProgressStore, CountsAreCheckedAndMissingIndexesAreMade)
{
    ScratchDir dir;
    const std::string folder = dir.Path() + "/state";
    const std::string path = MadeStore(folder);
    Sql(path, "UPDATE keys SET total_hits = 2147483647, exposure = 2147483647; DROP INDEX games_by_time");
    TProgressStore store(folder);
    ASSERT_TRUE(store.Open()) << store.Detail();
    TDifficultKeys totals;
    ASSERT_TRUE(store.RecordGame(Game('k', 10, 1), "2026-12-09 11:00:00", &totals));
    EXPECT_GE(totals.Exposure['k'], 0);
    EXPECT_LE(totals.Exposure['k'], 29000);
    EXPECT_GE(totals.TotalHits['k'], 0);
}

// Another copy broke this copy's lock (a clock of its own, or its idea of a stale lock, off) and stored
// a game meanwhile. Writing this copy's file back would drop that game: the write-back is refused, and
// the game waits for the next action, which builds on the file as it is then.
TEST(ProgressStoreCopy, AWriteBackNeverDropsTheGamesOfACopyThatBrokeTheLock)
{
    TestPlatform platform;
    ScratchDir dir;
    const std::string folder = dir.Path() + "/state";
    const TProgressStore::TCopyEverywhere copying(true);
    const TLockFile::TModeGuard everywhere(TLockFile::TMode::Everywhere);
    const auto store = [&](TProgressStore& s, unsigned char ch) {
        return (s.IsOpen() || s.Open()) && s.RecordGame(Game(ch, 1, 0), "2026-12-09 10:00:00", nullptr);
    };
    TProgressStore mine(folder);
    {
        TProgressStore::TAction action(mine);
        ASSERT_TRUE(store(mine, 'a'));
    }
    {
        TProgressStore::TAction action(mine);
        ASSERT_TRUE(mine.IsOpen() || mine.Open());
        std::filesystem::remove(folder + "/.progress.db.lock");
        {
            TProgressStore other(folder);
            TProgressStore::TAction theirs(other);
            ASSERT_TRUE(store(other, 'b'));
        }
        EXPECT_FALSE(store(mine, 'c'));
        EXPECT_EQ(mine.Problem(), TStoreProblem::Held);
    }
    {
        TProgressStore::TAction action(mine);
        ASSERT_TRUE(store(mine, 'c')) << "the game that waited";
    }
    const TProgressStore::TCopyEverywhere inPlace(false);
    TProgressStore check(folder);
    ASSERT_TRUE(check.Open());
    TDifficultKeys totals;
    ASSERT_TRUE(check.LoadTotals(totals));
    EXPECT_EQ(totals.TotalHits['a'] + totals.TotalHits['b'] + totals.TotalHits['c'], 3);
    EXPECT_EQ(HistoryOf(check).size(), 3u);
}

// A network home whose share was unmounted leaves the empty mount point on the disk beneath: no
// progress file is made there, and the games wait (Held) until the share is back.
TEST(ProgressStoreCopy, NoProgressFileIsMadeWhereTheShareHasGone)
{
    TestPlatform platform;
    ScratchDir dir;
    std::filesystem::create_directory(dir.Path() + "/share");
    ASSERT_EQ(symlink((dir.Path() + "/share").c_str(), (dir.Path() + "/home").c_str()), 0);
    TProgressStore store(dir.Path() + "/home");
    ASSERT_EQ(unlink((dir.Path() + "/home").c_str()), 0);
    ASSERT_EQ(symlink("/proc", (dir.Path() + "/home").c_str()), 0);
    {
        TProgressStore::TAction action(store);
        EXPECT_FALSE(store.Open());
        EXPECT_EQ(store.Problem(), TStoreProblem::Held) << store.Detail();
        EXPECT_NE(store.Detail().find("unmounted"), std::string::npos) << store.Detail();
    }
    ASSERT_EQ(unlink((dir.Path() + "/home").c_str()), 0);
    ASSERT_EQ(symlink((dir.Path() + "/share").c_str(), (dir.Path() + "/home").c_str()), 0);
    TProgressStore::TAction action(store);
    EXPECT_TRUE(store.Open()) << "back once the share is";
}

} // namespace
