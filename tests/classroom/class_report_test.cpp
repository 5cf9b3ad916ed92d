#include "class_publisher.h"
#include "class_report.h"
#include "progress_store.h"
#include "pupil_copy.h"
#include "scratch_dir.h"
#include "system.h"

#include <gtest/gtest.h>

#include <QDir>
#include <cmath>
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

int Today()
{
    return static_cast<int>(std::floor(Now()));
}

// A game of daysAgo days back, at noon, with keystrokes of which errors were wrong.
struct TKnownGame {
    int DaysAgo;
    double Seconds;
    int Keystrokes;
    int Errors;
};

// A key record: due typed times, wrong of them typed as typed.
struct TKnownKey {
    unsigned char Due;
    int Times;
    int Wrong;
    unsigned char Typed;
};

// The copy a pupil with these games publishes, made through the player's own store.
std::string PupilCopy(const std::string& folder, const std::string& name,
                      const std::vector<TKnownGame>& games, const std::vector<TKnownKey>& keys)
{
    TProgressStore store(folder);
    EXPECT_TRUE(store.Open()) << store.Detail();
    bool first = true;
    for (const TKnownGame& g : games) {
        TGameRecord record;
        record.Game = kGameWordTris;
        record.Choice = "Animals";
        record.Score = 100;
        record.Seconds = g.Seconds;
        record.Keystrokes = g.Keystrokes;
        record.Errors = g.Errors;
        if (first)
            for (const TKnownKey& k : keys)
                for (int i = 0; i < k.Times; ++i) {
                    if (i < k.Wrong)
                        record.KeyRecord.Error(k.Due, k.Typed);
                    else
                        record.KeyRecord.Correct(k.Due, 150);
                }
        first = false;
        EXPECT_TRUE(store.RecordGame(record, DateTimeText(Today() - g.DaysAgo + 0.5), nullptr));
    }
    std::string bytes, problem;
    EXPECT_TRUE(MakePupilCopy(store.Path(), name, DateTimeText(Now()), bytes, problem)) << problem;
    return bytes;
}

const TPupilFigures* Pupil(const TClassFigures& f, const std::string& login)
{
    for (const TPupilFigures& p : f.Pupils)
        if (p.Record.Login == login)
            return &p;
    return nullptr;
}

class ClassReportTest : public ::testing::Test {
  protected:
    ClassReportTest()
    {
        QDir().mkpath("progress");
        // alice: 150 keystrokes, 15 wrong, in 90 s this period; 100 keystrokes, 20 wrong, in 120 s
        // the period before; a game older than both periods counts in neither.
        dir.Write("progress/alice.db",
                  PupilCopy(dir.Path() + "/alice", "Alice",
                            {{1, 60, 100, 10}, {0, 30, 50, 5}, {40, 120, 100, 20}, {70, 60, 60, 60}},
                            {{'e', 40, 10, 'r'}, {'s', 40, 0, 0}}));
        dir.Write("progress/bob.db",
                  PupilCopy(dir.Path() + "/bob", "", {{2, 120, 200, 50}}, {{'e', 20, 8, 'w'}}));
    }
    ScratchDir dir;
};

TEST_F(ClassReportTest, FiguresOfEachPupilAreThoseWorkedOutByHand)
{
    const TClassFigures f = ReadClass(dir.Path() + "/progress", 30, Today(), false);
    EXPECT_TRUE(f.LeftOut.empty()) << f.LeftOut.front();
    ASSERT_EQ(f.Pupils.size(), 2u);
    const TPupilFigures* alice = Pupil(f, "alice");
    ASSERT_TRUE(alice);
    EXPECT_EQ(alice->Record.Name, "Alice");
    EXPECT_EQ(alice->Period.Games, 2);
    EXPECT_DOUBLE_EQ(alice->Period.Seconds, 90);
    EXPECT_DOUBLE_EQ(alice->Period.Accuracy(), 90); // 135 right of 150
    EXPECT_DOUBLE_EQ(alice->Period.Speed(), 90);    // 135 right in 1.5 minutes
    EXPECT_DOUBLE_EQ(alice->Before.Accuracy(), 80); // 80 right of 100
    EXPECT_DOUBLE_EQ(alice->Before.Speed(), 40);    // 80 right in 2 minutes
    EXPECT_EQ(alice->Before.Games, 1) << "the game of 70 days back is in neither period";
    EXPECT_EQ(alice->Record.LastPlayed.substr(0, 10), DateTimeText(Today() + 0.5).substr(0, 10));
    ASSERT_FALSE(alice->Ranking.empty());
    EXPECT_EQ(alice->Ranking.front().Ch, 'e');
    EXPECT_EQ(alice->Confusion.Due, 'e');
    EXPECT_EQ(alice->Confusion.Typed, 'r');
    EXPECT_EQ(alice->Confusion.Times, 10);

    const TPupilFigures* bob = Pupil(f, "bob");
    ASSERT_TRUE(bob);
    EXPECT_DOUBLE_EQ(bob->Period.Accuracy(), 75);
    EXPECT_DOUBLE_EQ(bob->Period.Speed(), 75);
    EXPECT_FALSE(bob->Before.HasKeys());

    // The class: 'e' missed 18 times in 60, a trouble for both; the most frequent confusion first.
    ASSERT_FALSE(f.HardKeys.empty());
    EXPECT_EQ(f.HardKeys.front().Ch, 'e');
    EXPECT_EQ(f.HardKeys.front().Keystrokes, 60);
    EXPECT_DOUBLE_EQ(f.HardKeys.front().ErrorRate, 30);
    ASSERT_EQ(f.Confusions.size(), 2u);
    EXPECT_EQ(f.Confusions[0].Typed, 'r');
    EXPECT_EQ(f.Confusions[1].Typed, 'w');
}

TEST_F(ClassReportTest, AShorterPeriodLeavesOlderGamesToThePeriodBefore)
{
    const TClassFigures f = ReadClass(dir.Path() + "/progress", 1, Today(), false);
    const TPupilFigures* alice = Pupil(f, "alice");
    ASSERT_TRUE(alice);
    EXPECT_EQ(alice->Period.Games, 1);
    EXPECT_EQ(alice->Before.Games, 1);
    EXPECT_DOUBLE_EQ(alice->Before.Accuracy(), 90); // yesterday's 90 right of 100
    EXPECT_EQ(Pupil(f, "bob")->Period.Games, 0);
}

std::string SqliteFile(const std::string& path, const char* sql)
{
    sqlite3* db = nullptr;
    sqlite3_open(path.c_str(), &db);
    EXPECT_EQ(sqlite3_exec(db, sql, nullptr, nullptr, nullptr), SQLITE_OK) << sqlite3_errmsg(db);
    sqlite3_close(db);
    return path;
}

// Files pupils could leave in the folder: each is named and left out, the good ones still count,
// and none of them makes the reader hang, run anything or write.
TEST_F(ClassReportTest, DamagedCraftedAndForeignFilesAreNamedAndLeftOut)
{
    std::string damaged = dir.Read("progress/alice.db");
    ASSERT_GT(damaged.size(), 3 * 4096u);
    for (std::size_t i = 4096 + 100; i < 3 * 4096; ++i)
        damaged[i] = static_cast<char>(0xA5);
    dir.Write("progress/damaged.db", damaged);
    dir.Write("progress/text.db", "hello, teacher\n");
    SqliteFile(dir.Path() + "/progress/foreign.db", "CREATE TABLE games (x); PRAGMA user_version = 2;");
    // A file that says it is a progress file, whose games would never end being read.
    SqliteFile(
        dir.Path() + "/progress/endless.db",
        "PRAGMA application_id = 1263945521; PRAGMA user_version = 2;"
        "CREATE VIEW games AS WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n) "
        "SELECT '2026-01-01' AS played_at, 'WordTris' AS game, '' AS choice, 1 AS score, 1.0 AS seconds,"
        " 1 AS keystrokes, 0 AS errors, i AS id FROM n;");
    // Made by hand, with a trigger: read like any other copy, the trigger never runs.
    SqliteFile(dir.Path() + "/progress/trap.db",
               "PRAGMA application_id = 1263945521; PRAGMA user_version = 2;"
               "CREATE TABLE games (id INTEGER PRIMARY KEY, played_at TEXT, game TEXT, choice TEXT, score, "
               "seconds, keystrokes, errors, level);"
               "CREATE TABLE key_days (day, code, keystrokes, errors, timed, timed_ms);"
               "CREATE TABLE key_confusions (day, code, typed, times);"
               "INSERT INTO games VALUES (1, '2026-01-01 10:00:00', 'Bubbles', '', 1, 1, 1, 0, 1);"
               "CREATE TRIGGER t AFTER INSERT ON games BEGIN DELETE FROM key_days; END;");
    ASSERT_EQ(::truncate(dir.Write("progress/huge.db", "").c_str(), 100ll << 20), 0);
    ASSERT_EQ(::mkfifo((dir.Path() + "/progress/pipe.db").c_str(), 0600), 0);
    dir.Write("progress/\x1b]0;title\a.db", "a name with the terminal's escape sequences");

    const TClassFigures f = ReadClass(dir.Path() + "/progress", 30, Today(), false);
    std::string left;
    for (const std::string& l : f.LeftOut)
        left += l + "\n";
    for (const char* name : {"damaged.db: is damaged", "text.db: is not a progress file",
                             "foreign.db: is not a progress file", "endless.db: is not a progress file",
                             "huge.db: is larger than", "pipe.db: is no plain file", "?]0;title?.db: is not"})
        EXPECT_NE(left.find(name), std::string::npos) << name << " in\n" << left;
    EXPECT_EQ(f.LeftOut.size(), 7u) << left;
    EXPECT_TRUE(Pupil(f, "alice") && Pupil(f, "bob") && Pupil(f, "trap")) << left;
    EXPECT_EQ(f.Pupils.size(), 3u);
}

TEST_F(ClassReportTest, ACopyUnderTheNameOfAnotherUserIsLeftOut)
{
    // The test's user wrote both files; neither "alice" nor "bob" is that user.
    const TClassFigures f = ReadClass(dir.Path() + "/progress", 30, Today(), true);
    EXPECT_TRUE(f.Pupils.empty());
    ASSERT_EQ(f.LeftOut.size(), 2u);
    EXPECT_NE(f.LeftOut[0].find("was not written by the user alice"), std::string::npos) << f.LeftOut[0];
}

} // namespace
