#include "file_system.h"
#include "lock_file.h"
#include "rec_file.h"
#include "score_file.h"
#include "scratch_dir.h"
#include "test_platform.h"
#include "top_ten.h"

#include <filesystem>
#include <functional>
#include <grp.h>
#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <sys/wait.h>
#include <unistd.h>
#include <utime.h>

namespace {

class TopTenTest : public ::testing::Test {
  protected:
    TestPlatform platform;
    ScratchDir folder;
    TtopTen table;
};

TEST_F(TopTenTest, NewScoresRankBelowEqualOnesAndReplaceAnEqualLastRow)
{
    const struct {
        int score, rank;
    } cases[] = {{931, 1}, {930, 2}, {860, 3}, {300, 10}, {299, 0}};
    for (const auto& c : cases) {
        TtopTen fresh;
        EXPECT_EQ(fresh.Insert(c.score, "New"), c.rank) << c.score;
        EXPECT_EQ(fresh.Row(10).Name, c.rank == 10 ? "New" : "Keyvane") << c.score;
        EXPECT_EQ(fresh.Row(c.rank == 0 ? 1 : c.rank).Name, c.rank == 0 ? "Keyvane" : "New") << c.score;
    }
}

TEST_F(TopTenTest, OnlyWholeRecordsAreReadAndScoresKeepTheirOrderIn16Bits)
{
    folder.Write("bubbles.kvt", ScoreFile({{"Ann", 700, "d"}, {"Bob", 0xFFFF, "d"}}) + "xy");
    ASSERT_EQ(table.LoadScores("bubbles"), 1);
    EXPECT_EQ(table.RowCount, 2);
    EXPECT_EQ(table.Row(2).Score, -1) << "scores are sign-extended";
    EXPECT_EQ(table.Insert(40000, "Big"), 1);
    ASSERT_EQ(table.SaveScores(0), 1);
    const std::string bytes = folder.Read("bubbles.kvt");
    EXPECT_EQ(bytes.size(), 1030u);
    EXPECT_EQ(StoredScore(bytes, 0), 32767) << "a score beyond 16 bits is clamped, so it still ranks first";
    EXPECT_EQ(StoredName(bytes, 1), "Ann");
}

TEST_F(TopTenTest, TenRowsAreSavedByteForByteInTheirOwnSize)
{
    folder.Write("Clouds.kvt", ScoreFile(TenStoredRows()));
    ASSERT_EQ(table.LoadScores("Clouds"), 1);
    ASSERT_EQ(table.Insert(4750, "New"), 4);
    table.Row(4).Date = "9/9/99";
    ASSERT_EQ(table.SaveScores(0), 1);
    std::vector<TStoredRow> expected = TenStoredRows();
    expected.insert(expected.begin() + 3, {"New", 4750, "9/9/99"});
    expected.pop_back();
    EXPECT_EQ(folder.Read("Clouds.kvt"), ScoreFile(expected)); // 5140 bytes
}

TEST_F(TopTenTest, GivingUpOnALockedFileReportsTheErrorAndWritesNothing)
{
    const std::string stored = ScoreFile(TenStoredRows());
    folder.Write("bubbles.kvt", stored);
    TRecFile holder; // another copy of the program, holding the file alone
    ASSERT_EQ(holder.OpenFile("bubbles.kvt", 1, -1), 1);
    const std::vector<ShownDialog>& shown = platform.dialogs->shown;
    platform.dialogs->answers = {true, false};
    const std::uint32_t start = platform.clock->tick;

    EXPECT_EQ(table.LoadScores("bubbles"), -2);
    EXPECT_EQ(platform.clock->tick - start, 5600u) << "15 attempts 200 ms apart, again after Yes";
    ASSERT_EQ(shown.size(), 3u);
    EXPECT_EQ(shown[1].text, "The network is busy because of other users, do you want to try again?");
    EXPECT_TRUE(shown[1].question);
    EXPECT_EQ(shown[2].text,
              "#-802  Time out while opening for write-denied read mode\n\rbubbles.kvt Topten open failed.");
    EXPECT_EQ(table.Row(1).Score, 930);

    platform.dialogs->answers = {false};
    EXPECT_EQ(table.SaveScores(10), -2);
    EXPECT_EQ(shown.back().text.substr(0, 5), "#-801");
    EXPECT_EQ(folder.Read("bubbles.kvt"), stored);
}

// A file refused for good (here a pipe by that name) is reported once, without waiting or asking.
TEST_F(TopTenTest, FileRefusedForAnotherReasonIsReportedAtOnce)
{
    ASSERT_EQ(::mkfifo("bubbles.kvt", 0666), 0);
    const std::uint32_t start = platform.clock->tick;
    EXPECT_EQ(table.LoadScores("bubbles"), -2);
    EXPECT_EQ(platform.clock->tick, start);
    ASSERT_EQ(platform.dialogs->shown.size(), 1u);
    EXPECT_EQ(platform.dialogs->shown[0].text, "#-2 File open failed\n\rbubbles.kvt Topten open failed.");
}

TEST_F(TopTenTest, TwoCopiesCommittingAtOnceKeepBothRows)
{
    TtopTen& first = table;
    TtopTen second;
    ASSERT_EQ(first.LoadScores("Clouds"), -1);
    ASSERT_EQ(first.SaveScores(10), 1);
    ASSERT_EQ(second.LoadScores("Clouds"), 1);
    ASSERT_EQ(first.Insert(900, "Ann"), 2);
    ASSERT_EQ(second.Insert(880, "Bob"), 2);
    EXPECT_EQ(first.SaveRow(2), 1);
    EXPECT_EQ(second.SaveRow(2), 1);

    const std::string bytes = folder.Read("Clouds.kvt");
    ASSERT_EQ(bytes.size(), 5140u);
    EXPECT_EQ(StoredName(bytes, 1) + StoredName(bytes, 2), "AnnBob");
    EXPECT_EQ(StoredScore(bytes, 3), 860);
    EXPECT_EQ(StoredScore(bytes, 9), 440);
    EXPECT_EQ(second.Row(2).Name, "Ann") << "the table shows what the file holds";
}

// A read that fails while a row is saved (a disk error, a network table that reads differently three
// times) must not put the default rows in the place of the stored ones.
TEST_F(TopTenTest, ASaveWhoseReadFailsWritesNothing)
{
    const std::string stored = ScoreFile(TenStoredRows());
    folder.Write("bubbles.kvt", stored);
    ASSERT_EQ(table.LoadScores("bubbles"), 1);
    const int rank = table.Insert(4750, "New");
    ASSERT_EQ(rank, 4);
    {
        const FileSystem::TScopedDiskFaults failing({-1, 1});
        EXPECT_EQ(table.SaveRow(rank), -5);
    }
    EXPECT_EQ(folder.Read("bubbles.kvt"), stored);
    ASSERT_EQ(platform.dialogs->shown.size(), 1u);
    EXPECT_EQ(platform.dialogs->shown[0].text.substr(0, 3), "#-5");
    EXPECT_EQ(table.SaveRow(rank), 1) << "the next save reads the file again";
    EXPECT_EQ(StoredName(folder.Read("bubbles.kvt"), 3), "New");
}

// A table file of 2 GB that takes no disk space (made with truncate): its first 100 rows are read
// and saved within a gigabyte of address space, and the save does not copy the rest.
TEST_F(TopTenTest, ASparseTableOfGigabytesIsReadAndSavedWithinItsRows)
{
    folder.Write("wordtris.kvt", ScoreFile(TenStoredRows()));
    ASSERT_EQ(::truncate("wordtris.kvt", std::int64_t{2} << 30), 0);
    const pid_t child = fork();
    if (child == 0) {
#ifndef __SANITIZE_ADDRESS__
        // The sanitizer build reserves terabytes of address space for its shadow memory, so there the
        // bound is left to the normal build; the rows read and the size written are checked in both.
        const rlimit limit{std::uint64_t{1} << 30, std::uint64_t{1} << 30};
        setrlimit(RLIMIT_AS, &limit);
#endif
        TtopTen small;
        const bool read = small.LoadScores("wordtris") == 1 && small.RowCount == TtopTen::kMaxRows &&
                          small.Row(1).Name == "P1";
        const int rank = small.Insert(4750, "New");
        _exit(read && rank == 4 && small.SaveRow(rank) == 1 ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status)) << "the copy died (signal " << WTERMSIG(status) << ")";
    EXPECT_EQ(WEXITSTATUS(status), 0);
    const std::string bytes = folder.Read("wordtris.kvt");
    EXPECT_EQ(bytes.size(), std::size_t{TtopTen::kMaxRows} * TtopTen::kRecordSize);
    EXPECT_EQ(StoredName(bytes, 3), "New");
    // The oversized file was named in the log once, by the copy that met it.
    ASSERT_EQ(table.LoadScores("wordtris"), 1);
    const std::string log = folder.Read("Errors.log");
    EXPECT_NE(log.find("wordtris.kvt holds 2147483648 bytes"), std::string::npos) << log;
}

// Under the lock file's name: a pipe or a folder is reported at once by its name; a file that stands
// still is waited for (the busy question within 5 s) and broken after 30 s of this machine's own clock,
// whatever its time stamp says; one that its holder keeps touching is reported by its name after a
// minute instead of being asked about for ever.
TEST_F(TopTenTest, ALockFileThatIsNoFileOrNeverGoesIsNamedToThePlayer)
{
    const TLockFile::TModeGuard everywhere(TLockFile::TMode::Everywhere);
    const std::string foreign = "4242\nkeyvane-games\nlab-pc-7\n0123456789abcdef\n\n";
    // Its holder touches it: a new time stamp each time the player is asked.
    const auto touch = [] {
        static int n = 0;
        const timeval when[2] = {{++n, 0}, {n, 0}};
        utimes(".bubbles.kvt.lock", when);
    };
    struct Row {
        const char* what;
        std::function<void()> plant;
        bool touched;
        int result;
        std::uint32_t minMs, maxMs;
        const char* says;
    } rows[] = {
        {"pipe", [] { ::mkfifo(".bubbles.kvt.lock", 0666); }, false, -2, 0, 0, "is not a file"},
        {"folder", [] { ::mkdir(".bubbles.kvt.lock", 0777); }, false, -2, 0, 0, "is not a file"},
        {"file of another machine", [&] { folder.Write(".bubbles.kvt.lock", foreign); }, false, 1, 30000,
         36000, nullptr},
        {"file kept touched", [&] { folder.Write(".bubbles.kvt.lock", foreign); }, true, -2, 60000, 66000,
         "held for over a minute"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        folder.Write("bubbles.kvt", ScoreFile(TenStoredRows()));
        ::rmdir(".bubbles.kvt.lock");
        ::unlink(".bubbles.kvt.lock");
        row.plant();
        platform.dialogs->shown.clear();
        platform.dialogs->onShow = row.touched ? std::function<void()>(touch) : nullptr;
        ASSERT_EQ(table.LoadScores("bubbles"), 1) << "reading takes no lock file";
        ASSERT_EQ(table.Insert(4750, "New"), 4);
        const std::uint32_t start = platform.clock->tick;
        EXPECT_EQ(table.SaveRow(4), row.result);
        const std::uint32_t took = platform.clock->tick - start;
        EXPECT_GE(took, row.minMs);
        EXPECT_LE(took, row.maxMs);
        const std::vector<ShownDialog>& shown = platform.dialogs->shown;
        ASSERT_FALSE(shown.empty() && row.result != 1);
        if (row.maxMs > 0) {
            EXPECT_TRUE(shown.at(0).question) << "the player is asked within 2.8 s";
        }
        if (row.says) {
            EXPECT_FALSE(shown.back().question);
            EXPECT_NE(shown.back().text.find(".bubbles.kvt.lock"), std::string::npos) << shown.back().text;
            EXPECT_NE(shown.back().text.find(row.says), std::string::npos) << shown.back().text;
        }
    }
    platform.dialogs->onShow = nullptr;
}

// A class folder with the sticky bit, with two real users of the system: the maker of the table, who
// shares it through the group it belongs to, and a pupil of that group, who may write the table but
// not rename over it. The pupil's row is written in place.
TEST_F(TopTenTest, InAStickyFolderAPupilSavesTheTableOfAnother)
{
    // getpwnam answers in one static entry: each answer is taken before the next question.
    const passwd* entry = getpwnam("daemon");
    const uid_t maker = entry ? entry->pw_uid : 0;
    const gid_t klass = entry ? entry->pw_gid : 0; // the maker's own group, so the maker keeps access
    entry = getpwnam("nobody");
    const uid_t pupil = entry ? entry->pw_uid : 0;
    if (geteuid() != 0 || maker == 0 || pupil == 0)
        GTEST_SKIP() << "needs the superuser and the users daemon and nobody";
    ASSERT_EQ(chmod(folder.Path().c_str(), 03775), 0);
    ASSERT_EQ(chown(folder.Path().c_str(), 0, klass), 0);
    const std::string stored = ScoreFile(TenStoredRows());
    folder.Write("Clouds.kvt", stored);
    ASSERT_EQ(chown("Clouds.kvt", maker, klass), 0);
    ASSERT_EQ(chmod("Clouds.kvt", 0664), 0);
    const pid_t child = fork();
    if (child == 0) {
        const gid_t groups[] = {klass};
        if (setgroups(1, groups) != 0 || setgid(klass) != 0 || setuid(pupil) != 0)
            _exit(3);
        TtopTen other;
        if (other.LoadScores("Clouds") != 1 || other.Insert(4750, "Pupil") != 4)
            _exit(4);
        _exit(other.SaveRow(4) == 1 ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    const std::string bytes = folder.Read("Clouds.kvt");
    EXPECT_EQ(StoredName(bytes, 3), "Pupil");
    struct stat st {};
    ASSERT_EQ(stat("Clouds.kvt", &st), 0);
    EXPECT_EQ(st.st_uid, maker) << "written in place: the maker still owns the table";
}

// A score folder whose share was unmounted: its mount point lies on another file system now, and no
// table is written there.
TEST_F(TopTenTest, NoTableGoesIntoAFolderWhoseShareHasGone)
{
    std::filesystem::create_directory("share");
    ASSERT_EQ(symlink("share", "class"), 0);
    const TScopedScoreFolder named(folder.Path() + "/class");
    ASSERT_EQ(table.LoadScores("bubbles"), -1);
    ASSERT_EQ(table.CreateScoreFile(), 1);
    ASSERT_EQ(table.Insert(4750, "New"), 1);
    // The folder's name now leads to a file system of another kind, as an empty mount point would.
    ASSERT_EQ(unlink("class"), 0);
    ASSERT_EQ(symlink("/proc", "class"), 0);
    platform.dialogs->shown.clear();
    EXPECT_EQ(table.SaveRow(1), -2);
    ASSERT_EQ(platform.dialogs->shown.size(), 1u);
    EXPECT_EQ(platform.dialogs->shown[0].text.substr(0, 6), "#-2532") << platform.dialogs->shown[0].text;
    EXPECT_EQ(StoredScore(folder.Read("share/bubbles.kvt"), 0), 930);
}

} // namespace
