#include "rec_file.h"
#include "score_file.h"
#include "scratch_dir.h"
#include "test_platform.h"
#include "top_ten.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

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

} // namespace
