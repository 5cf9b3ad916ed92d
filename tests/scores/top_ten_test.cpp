#include "rec_file.h"
#include "score_file.h"
#include "scratch_dir.h"
#include "test_platform.h"
#include "top_ten.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

constexpr const char* kBusyQuestion = "The network is busy because of other users, do you want to try again?";

class TopTenTest : public ::testing::Test {
  protected:
    TestPlatform platform;
    ScratchDir folder;
    TtopTen table;
};

TEST_F(TopTenTest, MissingFileGivesTheDefaultTable) {
    EXPECT_EQ(table.LoadScores("bubbles"), -1);
    EXPECT_EQ(table.TableFileName, "bubbles.kvt");
    ASSERT_EQ(table.RowCount, 10);
    for (int rank = 1; rank <= 10; ++rank) {
        EXPECT_EQ(table.Row(rank).Name, "Keyvane");
        EXPECT_EQ(table.Row(rank).Score, 1000 - 70 * rank);
        EXPECT_EQ(table.Row(rank).Date, TodayText());
    }
    EXPECT_EQ(table.Row(11).Score, 278);
    EXPECT_EQ(table.Row(100).Score, 100);
    EXPECT_FALSE(TodayText().empty());
    EXPECT_FALSE(folder.Exists("bubbles.kvt")) << "loading never creates the file";
    EXPECT_TRUE(platform.dialogs->shown.empty());
}

TEST_F(TopTenTest, NewScoresRankBelowEqualOnesAndReplaceTheLastRow) {
    const struct {
        std::int32_t score;
        int rank;
    } cases[] = {{931, 1}, {930, 2}, {861, 2}, {860, 3}, {511, 7}, {301, 10}, {300, 10}, {299, 0}, {-5, 0}};
    for (const auto& c : cases) {
        TtopTen fresh;
        EXPECT_EQ(fresh.Insert(c.score, "New"), c.rank) << c.score;
        if (c.rank == 0) {
            EXPECT_EQ(fresh.Row(10).Score, 300) << "a score that does not get in leaves the table";
            continue;
        }
        EXPECT_EQ(fresh.Row(c.rank).Name, "New") << c.score;
        EXPECT_EQ(fresh.Row(c.rank).Score, c.score);
        for (int rank = 1; rank < 10; ++rank)
            EXPECT_GE(fresh.Row(rank).Score, fresh.Row(rank + 1).Score) << c.score << " at " << rank;
        EXPECT_EQ(fresh.RowCount, 10);
    }
}

TEST_F(TopTenTest, ListedRowsAreThreeFieldsAndSemicolonNamesBecomeTheWinner) {
    table.SetName(2, "Ann;Bob");
    table.SetName(3, "50%");
    const std::vector<std::string> lines = table.ListRows(0);
    ASSERT_EQ(lines.size(), 10u);
    EXPECT_EQ(lines[0], "Keyvane;930;" + TodayText());
    EXPECT_EQ(lines[1], "the Winner;860;" + TodayText());
    EXPECT_EQ(lines[2], "50%;790;" + TodayText());
    EXPECT_EQ(table.Row(2).Name, "the Winner") << "the table itself is changed, so the save stores it";
    EXPECT_EQ(table.ListRows(3).size(), 3u);
}

TEST_F(TopTenTest, RecordsAreReadWholeAndTheRemainderIsIgnored) {
    folder.Write("wordtris.kvt", ScoreFile(std::vector<TStoredRow>(20, {"Old", 1, "d"})));
    ASSERT_EQ(table.LoadScores("wordtris"), 1);
    EXPECT_EQ(table.RowCount, 20);

    folder.Write("bubbles.kvt", ScoreFile({{"Ann", 700, "2/3/24"}, {"Bob", 600, "4/5/24"}}) + "xy");
    ASSERT_EQ(table.LoadScores("bubbles"), 1);
    ASSERT_EQ(table.RowCount, 2);
    EXPECT_EQ(table.Row(1).Name, "Ann");
    EXPECT_EQ(table.Row(1).Score, 700);
    EXPECT_EQ(table.Row(2).Date, "4/5/24");
    EXPECT_EQ(table.Row(3).Name, "Keyvane") << "nothing of the table loaded before stays behind";
    EXPECT_EQ(table.ListRows(0).size(), 2u);

    EXPECT_EQ(table.Insert(650, "Cy"), 2);
    EXPECT_EQ(table.SaveScores(0), 1);
    const std::string bytes = folder.Read("bubbles.kvt");
    ASSERT_EQ(bytes.size(), 1030u);
    EXPECT_EQ(StoredName(bytes, 1), "Cy");
    EXPECT_EQ(bytes.substr(1028), "xy");
}

TEST_F(TopTenTest, TenRowsSavedKeepTheirSizeAndLayout) {
    folder.Write("Clouds.kvt", ScoreFile(TenStoredRows()));
    ASSERT_EQ(table.LoadScores("Clouds"), 1);
    ASSERT_EQ(table.Insert(4750, "New"), 4);
    table.Row(4).Date = "9/9/99";
    EXPECT_EQ(table.SaveScores(0), 1);

    std::vector<TStoredRow> expected = TenStoredRows();
    expected.insert(expected.begin() + 3, {"New", 4750, "9/9/99"});
    expected.pop_back();
    EXPECT_EQ(folder.Read("Clouds.kvt"), ScoreFile(expected)); // 5140 bytes, byte for byte
}

TEST_F(TopTenTest, ScoresAreSignExtendedOnReadingAndClampedOnWriting) {
    folder.Write("bubbles.kvt", ScoreFile({{"a", 0x7FFF, ""}, {"b", 0xFFFF, ""}, {"c", 0x8000, ""}}));
    ASSERT_EQ(table.LoadScores("bubbles"), 1);
    EXPECT_EQ(table.Row(1).Score, 32767);
    EXPECT_EQ(table.Row(2).Score, -1);
    EXPECT_EQ(table.Row(3).Score, -32768);

    TtopTen big;
    big.LoadScores("wordtris");
    ASSERT_EQ(big.Insert(40000, "Big"), 1);
    big.Row(10).Score = -40000;
    ASSERT_EQ(big.SaveScores(10), 1);
    const std::string bytes = folder.Read("wordtris.kvt");
    EXPECT_EQ(StoredScore(bytes, 0), 32767);
    EXPECT_EQ(StoredScore(bytes, 1), 930);
    EXPECT_EQ(StoredScore(bytes, 9), -32768);
}

TEST_F(TopTenTest, OversizedAndEmptyFiles) {
    std::vector<TStoredRow> rows;
    for (int i = 1; i <= 101; ++i)
        rows.push_back({"R" + std::to_string(i), static_cast<std::uint16_t>(2000 - i), ""});
    folder.Write("bubbles.kvt", ScoreFile(rows));
    ASSERT_EQ(table.LoadScores("bubbles"), 1);
    EXPECT_EQ(table.RowCount, 100);
    EXPECT_EQ(table.Row(100).Name, "R100");

    folder.Write("Clouds.kvt", "");
    ASSERT_EQ(table.LoadScores("Clouds"), 1);
    EXPECT_EQ(table.RowCount, 10);
    EXPECT_EQ(table.Row(1).Score, 930);
    EXPECT_EQ(table.Row(10).Name, "Keyvane");
}

TEST_F(TopTenTest, NewFileIsWrittenByteForByte) {
    table.LoadScores("bubbles");
    ASSERT_EQ(table.SaveScores(10), 1);
    std::vector<TStoredRow> expected;
    for (int rank = 1; rank <= 10; ++rank)
        expected.push_back({"Keyvane", static_cast<std::uint16_t>(1000 - 70 * rank), TodayText()});
    EXPECT_EQ(folder.Read("bubbles.kvt"), ScoreFile(expected));
}

class LockedFileTest : public TopTenTest {
  protected:
    LockedFileTest() {
        folder.Write("bubbles.kvt", stored);
        EXPECT_EQ(holder.OpenFile("bubbles.kvt", 1, -1), 1);
    }
    std::uint32_t Elapsed() const { return platform.clock->tick - start; }
    const std::string stored = ScoreFile(TenStoredRows());
    TRecFile holder; // another copy of the program, holding the file alone
    std::uint32_t start = platform.clock->tick;
};

TEST_F(LockedFileTest, GivingUpOnReadingReportsMinus802AndShowsTheDefaultRows) {
    platform.dialogs->answers = {false};
    EXPECT_EQ(table.LoadScores("bubbles"), -2);
    EXPECT_EQ(Elapsed(), 2800u) << "15 attempts, 200 ms apart";
    ASSERT_EQ(platform.dialogs->shown.size(), 2u);
    EXPECT_TRUE(platform.dialogs->shown[0].question);
    EXPECT_EQ(platform.dialogs->shown[0].text, kBusyQuestion);
    EXPECT_EQ(platform.dialogs->shown[1].text,
              "#-802  Time out while opening for write-denied read mode\n\rbubbles.kvt Topten open failed.");
    EXPECT_EQ(table.Row(1).Score, 930);
    EXPECT_EQ(table.RowCount, 10);
    EXPECT_EQ(folder.Read("bubbles.kvt"), stored);
}

TEST_F(LockedFileTest, GivingUpOnWritingReportsMinus801AndWritesNothing) {
    table.TableFileName = "bubbles.kvt";
    platform.dialogs->answers = {true, false};
    EXPECT_EQ(table.SaveScores(10), -2);
    EXPECT_EQ(Elapsed(), 5600u) << "Yes starts the 15 attempts again";
    ASSERT_EQ(platform.dialogs->shown.size(), 3u);
    EXPECT_EQ(platform.dialogs->shown[1].text, kBusyQuestion);
    EXPECT_EQ(platform.dialogs->shown[2].text.substr(0, 5), "#-801");
    EXPECT_EQ(folder.Read("bubbles.kvt"), stored);
}

TEST_F(LockedFileTest, FileFreedDuringTheAttemptsOpensWithoutAQuestion) {
    platform.pump->driver = [&] {
        if (Elapsed() >= 1000) holder.CloseFile();
    };
    EXPECT_EQ(table.LoadScores("bubbles"), 1);
    EXPECT_LT(Elapsed(), 2800u);
    EXPECT_TRUE(platform.dialogs->shown.empty());
    EXPECT_EQ(table.Row(1).Name, "P1");
}

TEST_F(LockedFileTest, AnsweringYesTriesAgain) {
    platform.dialogs->onShow = [&] { holder.CloseFile(); };
    EXPECT_EQ(table.LoadScores("bubbles"), 1);
    ASSERT_EQ(platform.dialogs->shown.size(), 1u);
    EXPECT_EQ(platform.dialogs->shown[0].text, kBusyQuestion);
    EXPECT_EQ(table.Row(10).Name, "P10");
}

// A score file the system refuses for good is reported at once: waiting would not help.
TEST_F(TopTenTest, FileRefusedForAnotherReasonIsReportedOnceWithoutWaiting) {
    ASSERT_EQ(::mkfifo("bubbles.kvt", 0666), 0);
    const std::uint32_t start = platform.clock->tick;
    EXPECT_EQ(table.LoadScores("bubbles"), -2);
    EXPECT_EQ(table.SaveScores(0), -2);
    EXPECT_EQ(platform.clock->tick, start);
    ASSERT_EQ(platform.dialogs->shown.size(), 2u);
    for (const ShownDialog& d : platform.dialogs->shown) {
        EXPECT_FALSE(d.question);
        EXPECT_EQ(d.text, "#-2 File open failed\n\rbubbles.kvt Topten open failed.");
    }
}

// Two copies that finish at the same time each store their own row without losing the other's.
TEST_F(TopTenTest, TwoCopiesCommittingAtOnceKeepBothRows) {
    TtopTen& first = table;
    TtopTen second;
    ASSERT_EQ(first.LoadScores("Clouds"), -1);
    ASSERT_EQ(first.SaveScores(10), 1);
    ASSERT_EQ(second.LoadScores("Clouds"), 1);
    ASSERT_EQ(first.Insert(900, "Keyvane"), 2);
    ASSERT_EQ(second.Insert(880, "Keyvane"), 2);
    first.SetName(2, "Ann");
    second.SetName(2, "Bob");
    second.Row(2).Date = "1/2/03";

    EXPECT_EQ(first.SaveRow(2), 1);
    EXPECT_EQ(second.SaveRow(2), 1);

    const std::string bytes = folder.Read("Clouds.kvt");
    ASSERT_EQ(bytes.size(), 5140u);
    const char* names[] = {"Keyvane", "Ann", "Bob", "Keyvane"};
    const std::int16_t scores[] = {930, 900, 880, 860};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(StoredName(bytes, i), names[i]) << i;
        EXPECT_EQ(StoredScore(bytes, i), scores[i]) << i;
    }
    EXPECT_EQ(StoredScore(bytes, 9), 440) << "the two lowest default rows dropped out";
    EXPECT_EQ(second.Row(2).Name, "Ann") << "the table shows what the file holds";
    EXPECT_EQ(second.Row(3).Date, "1/2/03");
}

} // namespace
