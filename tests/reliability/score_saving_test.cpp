#include "file_system.h"
#include "scratch_dir.h"
#include "test_platform.h"
#include "top_ten.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <sys/stat.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

std::string TenRows()
{
    std::string bytes;
    const auto field = [](const std::string& t) {
        return static_cast<char>(t.size()) + t + std::string(255 - t.size(), '\0');
    };
    for (int i = 0; i < 10; ++i) {
        const int score = 5000 - 100 * i;
        bytes += field("P" + std::to_string(i + 1)) + static_cast<char>(score & 0xFF) +
                 static_cast<char>(score >> 8) + field("1/1/20");
    }
    return bytes;
}

std::string FirstName(const std::string& bytes)
{
    return bytes.substr(1, static_cast<unsigned char>(bytes[0]));
}

class ScoreSaving : public testing::Test {
  protected:
    // Ranks a score above every stored one and stores it, as the top-ten view does.
    void StoreBest()
    {
        ASSERT_EQ(table.LoadScores("bubbles"), 1);
        ASSERT_EQ(table.Insert(9000, "Best"), 1);
        ASSERT_EQ(table.SaveRow(1), 1);
    }
    ScratchDir dir;
    TestPlatform platform;
    TtopTen table;
};

// Two copies find the file missing; the first stores its row before the second makes the default
// file. The second must not write the default table over that row.
TEST_F(ScoreSaving, MakingAMissingFileKeepsTheRowsAnotherCopyStoredMeanwhile)
{
    EXPECT_EQ(table.LoadScores("bubbles"), -1);
    dir.Write("bubbles.kvt", TenRows());
    EXPECT_EQ(table.CreateScoreFile(), 1);
    EXPECT_EQ(dir.Read("bubbles.kvt"), TenRows());
}

TEST_F(ScoreSaving, MakingAMissingFileWritesTheDefaultTable)
{
    EXPECT_EQ(table.LoadScores("Clouds"), -1);
    EXPECT_EQ(table.CreateScoreFile(), 1);
    TtopTen reread;
    EXPECT_EQ(reread.LoadScores("Clouds"), 1);
    EXPECT_EQ(reread.RowCount, 10);
    EXPECT_EQ(reread.Row(10).Score, 300);
}

// Saving replaces the file as a whole; the file the players see must stay what it was: its
// permissions, and the file behind a symbolic or hard link.
TEST_F(ScoreSaving, SavingKeepsPermissionsAndLinks)
{
    dir.Write("bubbles.kvt", TenRows());
    ::chmod("bubbles.kvt", 0664);
    StoreBest();
    struct stat st;
    ASSERT_EQ(::stat("bubbles.kvt", &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0664u);
    EXPECT_FALSE(dir.Exists(".bubbles.kvt.new"));

    fs::create_directory("shared");
    dir.Write("shared/scores.kvt", TenRows());
    fs::remove("bubbles.kvt");
    fs::create_symlink("shared/scores.kvt", "bubbles.kvt");
    StoreBest();
    EXPECT_TRUE(fs::is_symlink("bubbles.kvt"));
    EXPECT_EQ(FirstName(dir.Read("shared/scores.kvt")), "Best");

    fs::remove("bubbles.kvt");
    dir.Write("shared/other.kvt", TenRows());
    fs::create_hard_link("shared/other.kvt", "bubbles.kvt");
    StoreBest();
    EXPECT_EQ(FirstName(dir.Read("shared/other.kvt")), "Best");
}

// A file of more than ten rows keeps the rows beyond the table's, and a save of a shorter table leaves
// the rest of the file as it was.
TEST_F(ScoreSaving, SavingFewerRowsLeavesTheRestOfTheFile)
{
    const std::string stored = TenRows();
    dir.Write("wordtris.kvt", stored);
    ASSERT_EQ(table.LoadScores("wordtris"), 1);
    ASSERT_EQ(table.SaveScores(3), 1);
    EXPECT_EQ(dir.Read("wordtris.kvt"), stored);
}

// A file whose rows are out of order (another program wrote it, or it is damaged): the rank of a new
// row must be where the row ends up, or storing it would store another row twice and lose this one.
TEST_F(ScoreSaving, ARowRankedInAFileOutOfOrderIsTheRowStored)
{
    std::string bytes;
    const auto field = [](const std::string& t) {
        return static_cast<char>(t.size()) + t + std::string(255 - t.size(), '\0');
    };
    const int scores[] = {0, 0, 0, 0, 29298, 0, 0};
    for (int i = 0; i < 7; ++i)
        bytes += field(std::string(1, static_cast<char>('A' + i))) + static_cast<char>(scores[i] & 0xFF) +
                 static_cast<char>(scores[i] >> 8) + field("1/1/20");
    dir.Write("bubbles.kvt", bytes);
    ASSERT_EQ(table.LoadScores("bubbles"), 1);
    const int rank = table.Insert(24912, "Fuzz");
    ASSERT_GT(rank, 0);
    EXPECT_EQ(table.Row(rank).Name, "Fuzz");
    ASSERT_EQ(table.SaveRow(rank), 1);
    TtopTen reread;
    ASSERT_EQ(reread.LoadScores("bubbles"), 1);
    int fuzz = 0, best = 0;
    for (int r = 1; r <= reread.RowCount; ++r) {
        fuzz += reread.Row(r).Name == "Fuzz";
        best += reread.Row(r).Score == 29298;
    }
    EXPECT_EQ(fuzz, 1);
    EXPECT_EQ(best, 1);
}

// The disk fills up part-way through a save: the platform's writes stop after 4096 bytes, less than a
// table of ten rows (5140). The table must stay as it was, the very first one as much as any other.
TEST_F(ScoreSaving, AFullDiskLeavesTheOldTableWhole)
{
    struct Case {
        const char* what;
        std::function<void()> prepare;
        std::function<int()> save;
        std::string before; // the file's bytes before the save
    };
    const std::vector<Case> cases = {
        {"the first table", [] {}, [&] { return table.CreateScoreFile(); }, ""},
        {"a new row", [&] { dir.Write("bubbles.kvt", TenRows()); },
         [&] { return table.Insert(9000, "Best") == 1 ? table.SaveRow(1) : 0; }, TenRows()},
        // A file with a second name cannot be replaced and is written in place.
        {"a row in a file of two names",
         [&] {
             dir.Write("shared.kvt", TenRows());
             fs::create_hard_link("shared.kvt", "bubbles.kvt");
         },
         [&] { return table.Insert(9000, "Best") == 1 ? table.SaveRow(1) : 0; }, TenRows()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        fs::remove("bubbles.kvt");
        fs::remove("shared.kvt");
        c.prepare();
        table.LoadScores("bubbles");
        platform.dialogs->shown.clear();
        const int result = [&] {
            const FileSystem::TScopedDiskFaults full({4096, 0});
            return c.save();
        }();
        EXPECT_EQ(result, -5);
        EXPECT_EQ(dir.Read("bubbles.kvt"), c.before);
        for (const auto& entry : fs::directory_iterator(dir.Path()))
            EXPECT_FALSE(entry.path().filename().string().ends_with(".new"))
                << entry.path() << " left behind";
        ASSERT_EQ(platform.dialogs->shown.size(), 1u);
        EXPECT_EQ(platform.dialogs->shown[0].text,
                  "#-5 File write error\n\rbubbles.kvt Topten write failed.");
        TtopTen next;
        next.LoadScores("bubbles");
        EXPECT_EQ(next.RowCount, 10);
    }
}

// In a folder that several players share, another player's link must not lead this program's saves
// into a file of its player's own, nor make one where it points.
TEST_F(ScoreSaving, ALinkOfAnotherUserIsRefused)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "only root can give a link another owner";
    struct Case {
        const char* what;
        std::vector<std::pair<std::string, std::string>> links; // name, target; the first one is foreign
        bool targetExists;
        int loaded; // a link to nothing is a missing table
    } const cases[] = {
        {"a link to a file", {{"bubbles.kvt", "precious"}}, true, -2},
        {"a link to nothing yet", {{"bubbles.kvt", "precious"}}, false, -1},
        {"the player's own link to a foreign one",
         {{"foreign", "precious"}, {"bubbles.kvt", "foreign"}},
         true,
         -2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        for (const char* name : {"bubbles.kvt", "foreign", "precious"})
            fs::remove(name);
        if (c.targetExists)
            dir.Write("precious", "the other player's own file");
        for (const auto& [name, target] : c.links)
            fs::create_symlink(target, name);
        ASSERT_EQ(::lchown(c.links[0].first.c_str(), 65534, 65534), 0);
        platform.dialogs->shown.clear();

        EXPECT_EQ(table.LoadScores("bubbles"), c.loaded);
        EXPECT_EQ(table.Insert(9000, "Best"), 1);
        EXPECT_EQ(table.SaveRow(1), -2);
        EXPECT_EQ(fs::exists("precious"), c.targetExists);
        if (c.targetExists) {
            EXPECT_EQ(dir.Read("precious"), "the other player's own file");
        }
        ASSERT_FALSE(platform.dialogs->shown.empty());
        for (const ShownDialog& d : platform.dialogs->shown)
            EXPECT_EQ(d.text, "#-2 File open failed\n\rbubbles.kvt Topten open failed.");
    }
}

} // namespace
