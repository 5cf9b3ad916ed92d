#include "custom_game_event.h"
#include "errors.h"
#include "file.h"
#include "rec_file.h"
#include "scratch_dir.h"
#include "sounds.h"
#include "test_platform.h"
#include "text_file.h"
#include "top_ten.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

// Files a player may put into the program's folder, or that a crash, a full disk or another program
// may leave there. None of them may crash the program; each gets the program's ordinary answer (a
// status, an empty or short word list, the default table, silence, one clear message), and whatever
// was stored before stays stored.

namespace {

std::string DataFile(const std::string& name)
{
    std::ifstream in(std::string(KV_TEST_DATA_DIR) + "/" + name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// The words a game loads from a vocabulary file, through the games' own loading path.
std::vector<std::string> LoadedWords(const std::string& file)
{
    TCustomGameEvent game("Event=Tris;0;" + file);
    game.Vocabulary = std::make_unique<std::vector<std::string>>();
    game.LoadVocabulary();
    return *game.Vocabulary;
}

// Takes write access away from a file or a folder, for root too: root ignores permission bits, so
// the immutable attribute is set as well. Gives it back when destroyed.
class ReadOnly {
  public:
    explicit ReadOnly(std::string path) : path_(std::move(path))
    {
        struct stat st;
        ::stat(path_.c_str(), &st);
        mode_ = st.st_mode & 07777;
        ::chmod(path_.c_str(), mode_ & ~0222);
        if (::geteuid() == 0)
            made = SetImmutable(true);
        else
            made = ::access(path_.c_str(), W_OK) != 0;
    }
    ~ReadOnly()
    {
        if (::geteuid() == 0)
            SetImmutable(false);
        ::chmod(path_.c_str(), mode_);
    }
    bool made = false;

  private:
    bool SetImmutable(bool on)
    {
        const int fd = ::open(path_.c_str(), O_RDONLY | O_NONBLOCK);
        int flags = 0;
        bool ok = fd >= 0 && ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
        flags = on ? flags | FS_IMMUTABLE_FL : flags & ~FS_IMMUTABLE_FL;
        ok = ok && ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
        if (fd >= 0)
            ::close(fd);
        return ok;
    }
    std::string path_;
    mode_t mode_ = 0644;
};

// A score file written by hand: rows named P1, P2... scoring from first down by 10, dated "1/1/20".
std::string StoredRows(int count, int first = 30000)
{
    std::string bytes;
    const auto field = [](const std::string& t) {
        return static_cast<char>(t.size()) + t + std::string(255 - t.size(), '\0');
    };
    for (int i = 0; i < count; ++i) {
        const int score = first - 10 * i;
        bytes += field("P" + std::to_string(i + 1)) + static_cast<char>(score & 0xFF) +
                 static_cast<char>((score >> 8) & 0xFF) + field("1/1/20");
    }
    return bytes;
}

std::vector<std::string> Names(const TtopTen& table)
{
    std::vector<std::string> names;
    for (int r = 1; r <= table.RowCount; ++r)
        names.push_back(table.Row(r).Name);
    return names;
}

class BadInput : public testing::Test {
  protected:
    // A game's end as the top-ten view makes it: load the table, make a missing file, rank the score
    // under Name and store the row. Returns what storing the row answered (0: it did not rank).
    int StoreScore(const std::string& tableName, int score, const std::string& name)
    {
        if (table.LoadScores(tableName) == -1)
            table.CreateScoreFile();
        const int rank = table.Insert(score, name);
        return rank > 0 ? table.SaveRow(rank) : 0;
    }
    std::vector<std::string> Shown() const
    {
        std::vector<std::string> texts;
        for (const ShownDialog& d : platform.dialogs->shown)
            texts.push_back(d.text);
        return texts;
    }

    ScratchDir dir;
    TestPlatform platform;
    TtopTen table;
};

struct VocabularyCase {
    const char* what;
    std::string bytes;
    std::vector<std::string> words;
};

TEST_F(BadInput, DamagedVocabulariesGiveTheWordsAroundTheDamage)
{
    std::string sixteen;
    for (int i = 1; i <= 16; ++i)
        sixteen += "$version=" + std::to_string(i) + "\r\n";
    const std::vector<VocabularyCase> cases = {
        {"a NUL byte ends the text of its line",
         std::string("cat\r\nd\0og\r\nbird\r\n", 17),
         {"cat", "d", "bird"}},
        {"a 256-character line gives its first 255, and the next line follows",
         "one\r\n" + std::string(256, 'x') + "\r\ntwo\r\n",
         {"one", std::string(255, 'x'), "two"}},
        {"bytes that are no UTF-8 are words like any other",
         "caf\xc3\r\n\xff\xfe\x81\x8d\r\n\xc3\x28\r\n",
         {"caf\xc3", "\xff\xfe\x81\x8d", "\xc3\x28"}},
        {"the 16th \"$\" line is the first word", sixteen + "word\r\n", {"$version=16", "word"}},
        {"a plain body under a scrambled header comes out scrambled",
         "$fileformat=crypted\r\nhello\r\n",
         {TTextFile::Scramble("hello")}},
        {"an empty file has no words", "", {}},
        {"LF line ends are line ends too", "ant\nbee\ncat\n", {"ant", "bee", "cat"}},
    };
    for (const VocabularyCase& c : cases) {
        dir.Write("damaged.vcb", c.bytes);
        EXPECT_EQ(LoadedWords("damaged.vcb"), c.words) << c.what;
    }
    // The sixteenth header line is body, so the header keeps the fifteenth value.
    dir.Write("damaged.vcb", sixteen);
    TTextFile file;
    EXPECT_EQ(file.OpenFile("damaged.vcb", 1), 1);
    EXPECT_EQ(file.Version, "15");
}

TEST_F(BadInput, UndefinedCodePageBytesSurviveLowerCasing)
{
    dir.Write("odd.vcb", "\xde\x81\x8d\x8f\x90\x9d\xc3\r\n");
    TCustomGameEvent game("Event=Clouds;0;odd.vcb;True");
    game.Vocabulary = std::make_unique<std::vector<std::string>>();
    game.LoadVocabulary();
    std::string word;
    game.NextWord(true, word);
    EXPECT_EQ(word, "\xfe\x81\x8d\x8f\x90\x9d\xe3");
}

TEST_F(BadInput, BinaryJunkNamedLikeAVocabularyIsListedAndGivesOnlyCleanWords)
{
    const std::string junk = DataFile("junk.vcb");
    ASSERT_EQ(junk.size(), 4096u);
    dir.Write("junk.vcb", junk);
    dir.Write("\xff\xfe.vcb", "not listed: its name does not fit the code page\r\n");
    dir.Write("\xef\xbb\xbf.vcb", "not listed: its name decodes to \".vcb\", which opens nothing\r\n");
    dir.Write("animals.vcb", "cat\r\n");
    EXPECT_EQ(TFile::ListFileTitles("*.vcb"), (std::vector<std::string>{"Animals", "Junk"}));
    const std::vector<std::string> words = LoadedWords("junk.vcb");
    for (const std::string& w : words) {
        EXPECT_FALSE(w.empty());
        EXPECT_LE(w.size(), 255u);
        EXPECT_EQ(w.find_first_of(std::string("\r\n\0", 3)), std::string::npos);
        EXPECT_NE(w.front(), ' ');
        EXPECT_NE(w.back(), ' ');
    }
}

TEST_F(BadInput, TenMegabytesWithoutALineEndGiveOneWordQuickly)
{
    dir.Write("long.vcb", std::string(10 * 1024 * 1024, 'x'));
    const auto began = std::chrono::steady_clock::now();
    const std::vector<std::string> words = LoadedWords("long.vcb");
    EXPECT_LT(std::chrono::steady_clock::now() - began, std::chrono::seconds(2));
    EXPECT_EQ(words, std::vector<std::string>{std::string(255, 'x')});
}

TEST_F(BadInput, ATruncatedScoreFileKeepsItsWholeRows)
{
    const std::string stored = StoredRows(10);
    dir.Write("bubbles.kvt", stored.substr(0, stored.size() - 100));
    ASSERT_EQ(StoreScore("bubbles", 29975, "New"), 1);
    EXPECT_EQ(Names(table),
              (std::vector<std::string>{"P1", "P2", "P3", "New", "P4", "P5", "P6", "P7", "P8"}));
    TtopTen reread;
    EXPECT_EQ(reread.LoadScores("bubbles"), 1);
    EXPECT_EQ(Names(reread), Names(table));
    // The torn record after the whole ones is left as it was.
    const std::string now = dir.Read("bubbles.kvt");
    ASSERT_EQ(now.size(), stored.size() - 100);
    EXPECT_EQ(now.substr(9 * 514), stored.substr(9 * 514, 414));
    EXPECT_TRUE(Shown().empty());
}

TEST_F(BadInput, AMegabyteScoreFileUsesItsFirstHundredRowsAndKeepsTheRest)
{
    std::string stored = StoredRows(2040);
    stored.resize(1024 * 1024, '\x5a');
    dir.Write("wordtris.kvt", stored);
    ASSERT_EQ(StoreScore("wordtris", 29995, "New"), 1);
    EXPECT_EQ(table.RowCount, 100);
    EXPECT_EQ(table.Row(2).Name, "New");
    EXPECT_EQ(table.Row(100).Name, "P99");
    const std::string now = dir.Read("wordtris.kvt");
    ASSERT_EQ(now.size(), stored.size());
    EXPECT_EQ(now.substr(0, 514), stored.substr(0, 514));
    EXPECT_EQ(now.substr(2 * 514, 98 * 514), stored.substr(514, 98 * 514));
    EXPECT_TRUE(now.compare(100 * 514, std::string::npos, stored, 100 * 514) == 0) << "rows past 100 changed";
}

TEST_F(BadInput, AScoreFileOfOneByteShowsTheDefaultTableAndTakesTheNewRow)
{
    dir.Write("Clouds.kvt", "\x07");
    EXPECT_EQ(table.LoadScores("Clouds"), 1);
    EXPECT_EQ(table.RowCount, 10);
    EXPECT_EQ(table.Row(1).Score, 930);
    ASSERT_EQ(StoreScore("Clouds", 500, "New"), 1);
    TtopTen reread;
    EXPECT_EQ(reread.LoadScores("Clouds"), 1);
    EXPECT_EQ(reread.Row(8).Name, "New");
    EXPECT_EQ(reread.Row(9).Score, 440);
    EXPECT_EQ(dir.Read("Clouds.kvt").size(), 10u * 514);
}

TEST_F(BadInput, AFolderNamedLikeTheScoreFileGivesTheDefaultTableAndAMessage)
{
    ASSERT_EQ(::mkdir((dir.Path() + "/bubbles.kvt").c_str(), 0755), 0);
    EXPECT_EQ(StoreScore("bubbles", 500, "New"), -2);
    EXPECT_EQ(table.Row(1).Name, "Keyvane");
    ASSERT_FALSE(Shown().empty());
    for (const std::string& text : Shown())
        EXPECT_EQ(text, "#-2 File open failed\n\rbubbles.kvt Topten open failed.");
    struct stat st;
    EXPECT_TRUE(::stat((dir.Path() + "/bubbles.kvt").c_str(), &st) == 0 && S_ISDIR(st.st_mode));
    for (const ShownDialog& d : platform.dialogs->shown)
        EXPECT_FALSE(d.question) << "a folder is not busy: nobody should be asked to wait";
}

TEST_F(BadInput, ASoundFileThatIsNoWaveFileLeavesTheProgramSilent)
{
    dir.Write("Click.wav", DataFile("not_a_wave.wav"));
    Platform::Install(std::unique_ptr<ISoundDevice>()); // the real sound device
    SoundsEnabled = true;
    RegisterSound(1, "Click.wav");
    PlaySoundSlot(1);
    EXPECT_FALSE(SoundsEnabled);
    FreeSound(1);
    SoundsEnabled = true;
}

TEST_F(BadInput, AnUnwritableErrorLogStillShowsTheErrorAndStaysAsItWas)
{
    const std::string log = "Keyvane 4.5 error file.  \r\nolder entries\r\n";
    dir.Write("Errors.log", log);
    ReadOnly guard(dir.Path() + "/Errors.log");
    if (!guard.made)
        GTEST_SKIP() << "this file system cannot make a file read-only";
    EXPECT_EQ(ReportError(-801, "bubbles.kvt Topten open failed."), 0);
    EXPECT_EQ(Shown(), std::vector<std::string>{"#-801 Time out while opening for exclusive write mode \n\r"
                                                "bubbles.kvt Topten open failed."});
    EXPECT_EQ(dir.Read("Errors.log"), log);
}

TEST_F(BadInput, AReadOnlyProgramFolderStillStoresRowsInItsScoreFiles)
{
    dir.Write("wordtris.kvt", StoredRows(10));
    ReadOnly guard(dir.Path());
    if (!guard.made)
        GTEST_SKIP() << "this file system cannot make a folder read-only";
    // An existing score file is written where it is.
    ASSERT_EQ(StoreScore("wordtris", 29985, "New"), 1);
    TtopTen reread;
    EXPECT_EQ(reread.LoadScores("wordtris"), 1);
    EXPECT_EQ(reread.Row(3).Name, "New");
    EXPECT_EQ(reread.Row(10).Name, "P9");
    EXPECT_TRUE(Shown().empty());
    // A missing one cannot be made: one clear message each time, and the log cannot be made either.
    EXPECT_EQ(StoreScore("Clouds", 500, "New"), -2);
    EXPECT_EQ(table.Row(1).Name, "Keyvane");
    ASSERT_EQ(Shown().size(), 2u);
    EXPECT_EQ(Shown()[0], "#-2 File open failed\n\rClouds.kvt Topten open failed.");
    EXPECT_FALSE(dir.Exists("Errors.log"));
    EXPECT_FALSE(dir.Exists("Clouds.kvt"));
}

} // namespace
