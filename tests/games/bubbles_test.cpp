#include "book_form.h"
#include "bubble_stg.h"
#include "bubbles.h"
#include "chapter_view.h"
#include "difficult_keys.h"
#include "event_view_stg.h"
#include "events_stg.h"
#include "missed_lcd.h"
#include "scratch_dir.h"
#include "sounds.h"
#include "test_platform.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

const std::string kLetters = "abcdefghijklmnopqrstuvwxyz";

// A loaded Bubbles game that the tests set running and drive by hand, step by step and key by key,
// with the virtual clock and the fixed random sequence.
class BubblesTest : public testing::Test {
  protected:
    BubblesTest()
    {
        dir.Write("Error.wav", "RIFF");
        dir.Write("Theend.wav", "RIFF");
        RegisterSound(2, "Theend.wav");
        RegisterSound(3, "Error.wav");
        new TBookForm();
        new TBubbleStg();
        new TEventsStg();
        new TEventViewStg();
        *EnsureDifficultKeys() = TDifficultKeys();
    }
    ~BubblesTest() override
    {
        game.reset(); // closes the game
        EnsureChapterView()->LeftView = nullptr;
        FreeSound(2);
        FreeSound(3);
        delete EventViewStg;
        delete EventsStg;
        delete BubbleStg;
        delete BookForm;
    }
    TBubbles& Play(const std::string& keySet = kLetters)
    {
        game = std::make_unique<TBubbles>("Event=Bubbles;0");
        game->KeySet = keySet;
        game->Open();
        game->State = TEvent::kRunning;
        return *game;
    }
    // A letter bubble carrying ch in a column, as a launch leaves it.
    Tbubble& Put(int column, char ch, std::int32_t kind = Tbubble::kGreen, std::int32_t y = 200)
    {
        Tbubble& b = game->Columns[static_cast<std::size_t>(column)];
        b.Launch(3);
        b.Kind = kind;
        b.Size = 35 + 5 * kind;
        b.Y = y;
        b.Char = game->ColumnChars[static_cast<std::size_t>(column)] = static_cast<unsigned char>(ch);
        return b;
    }
    void Press(char ch) { game->KeyPressed(nullptr, ch); }
    long Played(const std::string& sound) const
    {
        return std::count(platform.sound->played.begin(), platform.sound->played.end(), sound);
    }

    TestPlatform platform;
    ScratchDir dir;
    std::unique_ptr<TBubbles> game;
};

TEST_F(BubblesTest, KeysScoreByKindLevelAndKeySetBetweenZeroAnd31000)
{
    const struct {
        std::size_t keys;
        std::int32_t kind;
        float level;
        std::int32_t before;
        char key; // 'a' pops the bubble, 'b' is a wrong key
        std::int32_t after;
    } rows[] = {
        {26, Tbubble::kGreen, 1.0f, 100, 'a', 105}, {26, Tbubble::kBlue, 1.0f, 100, 'a', 110},
        {26, Tbubble::kRed, 1.0f, 100, 'a', 115},   {26, Tbubble::kGreen, 2.9f, 100, 'a', 107},
        {10, Tbubble::kRed, 7.5f, 100, 'a', 127},   {9, Tbubble::kRed, 1.0f, 100, 'a', 107},
        {7, Tbubble::kBlue, 1.0f, 100, 'a', 105},   {6, Tbubble::kBlue, 1.0f, 100, 'a', 102},
        {5, Tbubble::kRed, 3.2f, 100, 'a', 104},    {26, Tbubble::kRed, 1.0f, 30990, 'a', 31000},
        {26, Tbubble::kGreen, 1.0f, 50, 'b', 48},   {26, Tbubble::kGreen, 3.9f, 50, 'b', 44},
        {26, Tbubble::kGreen, 1.0f, 1, 'b', 0},
    };
    for (const auto& r : rows) {
        Play(kLetters.substr(0, r.keys));
        game->SetScore(r.before);
        game->Level = r.level;
        Put(4, 'a', r.kind);
        Press(r.key);
        EXPECT_EQ(game->Score, r.after) << r.keys << " keys, kind " << r.kind << ", level " << r.level;
        EXPECT_EQ(game->Columns[4].Active, r.key != 'a');
        EXPECT_EQ(Played("Error.wav"), r.key == 'b' ? 1 : 0);
        platform.sound->played.clear();
    }
}

TEST_F(BubblesTest, TheKeyAfterAWrongOneIsNotRecordedAsAKeystroke)
{
    Play();
    Put(0, 'a');
    Put(1, 'b');
    Press('z');
    Press('a');
    Press('b');
    EXPECT_EQ(DifficultKeys->RecentHits['z'], 0);
    EXPECT_EQ(DifficultKeys->RecentHits['a'], 0);
    EXPECT_EQ(DifficultKeys->RecentHits['b'], 1);
}

TEST_F(BubblesTest, OneKeyPopsEveryBubbleCarryingItLeftToRight)
{
    TBubbles& g = Play();
    Put(7, 'q', Tbubble::kRed, 100);
    Put(2, 'q', Tbubble::kGreen, 300);
    Put(5, 'w');
    Press('q');
    EXPECT_EQ(g.Score, 5 + 15);
    EXPECT_FALSE(g.Columns[2].Active || g.Columns[7].Active);
    EXPECT_TRUE(g.Columns[5].Active);
    EXPECT_EQ(g.HitWindow.Heights[0], 300); // the left bubble's height went in first
    EXPECT_EQ(g.HitWindow.Heights[1], 100);
}

TEST_F(BubblesTest, LevelRisesByTheRoundedAverageOfTheLastFourHitHeights)
{
    const struct {
        std::vector<std::int32_t> heights;
        std::int32_t average;
        float rise; // by the last height
    } rows[] = {
        {{363}, 363, 0.5f},
        {{323}, 323, 0.3f},
        {{284}, 284, 0.105f},
        {{283}, 283, 0.07f},
        {{244}, 244, 0.07f},
        {{243}, 243, 0.008f},
        {{-30}, -30, 0.008f},
        {{283, 284}, 284, 0.105f},
        {{282, 283}, 282, 0.07f}, // halves to even
        {{0, 0, 0, 0, 363}, 91, 0.008f},
        {{0, 363, 363, 363, 363}, 363, 0.5f},
    };
    for (const auto& r : rows) {
        TBubbles& g = Play();
        float before = g.Level;
        for (std::int32_t h : r.heights) {
            before = g.Level;
            g.UpdateLevel(h);
        }
        EXPECT_EQ(g.HitAverage, r.average) << r.heights.back();
        EXPECT_NEAR(g.Level - before, r.rise, 1e-4) << r.heights.back();
    }
}

TEST_F(BubblesTest, SpeedAndSpawnIntervalFollowTheLevel)
{
    const struct {
        float level;
        std::int32_t speed;
        float interval;
    } rows[] = {{1.0f, 3, 1.5f},    {2.0f, 4, 1.3944f},   {5.0f, 7, 1.0778f},
                {10.0f, 11, 0.55f}, {11.7f, 13, 0.3706f}, {20.0f, 13, -0.5056f}};
    TBubbles& g = Play();
    for (const auto& r : rows) {
        g.Level = r.level - 0.008f;
        g.UpdateLevel(0); // adds 0.008 and sets the interval for the new level
        EXPECT_EQ(g.BaseSpeed(), r.speed) << r.level;
        EXPECT_NEAR(g.SpawnInterval, r.interval, 1e-3) << r.level;
    }
}

TEST_F(BubblesTest, NewBubblesTakeACharacterNotOnTheFieldWhileThereIsOne)
{
    TBubbles& g = Play("abcde");
    for (int round = 0; round < 40; ++round) {
        g.ColumnChars = {'a', 'b', 0, 'd', 'e', 0, 0, 0, 0, 0};
        EXPECT_EQ(g.ChooseChar(5), 'c'); // whichever the start and direction of the first scan
        g.ColumnChars = {'a', 'b', 'c', 'd', 'e', 0, 0, 0, 0, 0};
        EXPECT_NE(std::string("abcde").find(static_cast<char>(g.ChooseChar(6))), std::string::npos);
    }
}

TEST_F(BubblesTest, TheSixthEscapeStopsTheGameOnceAndLaterKeysChangeNothing)
{
    TBubbles& g = Play();
    g.MissedCount = 3;
    for (int column : {1, 4, 8})
        Put(column, kLetters[static_cast<std::size_t>(column)], Tbubble::kGreen, -38); // out after one step
    Put(6, 'x', Tbubble::kGreen, 0);
    g.GameStep();
    EXPECT_EQ(g.MissedLcdCtl->LitCount, 6);
    EXPECT_EQ(g.State, TEvent::kFinished);
    EXPECT_EQ(g.HitWindow.Sum, -90);
    EXPECT_EQ(EventsStg->MsgLabel2->Caption(), "Press Enter to continue.");
    Put(2, 'c', Tbubble::kGreen, -39);
    g.GameStep();
    EXPECT_EQ(g.MissedCount, 7);
    EXPECT_EQ(Played("Theend.wav"), 1);

    g.SetScore(40);
    Press('x');
    Press('m');
    EXPECT_EQ(g.Score, 40);
    EXPECT_TRUE(g.Columns[6].Active);
    EXPECT_EQ(Played("Error.wav"), 0);
}

} // namespace

namespace {

// Unlike the statistics, the key record counts the key after a wrong one: it pops its bubble.
TEST_F(BubblesTest, TheKeyRecordCountsEveryKeyAgainstTheCharacterPressed)
{
    Play();
    Put(0, 'a');
    Put(1, 'b');
    for (char k : {'z', 'a', 'b', ' '})
        Press(k);
    const TKeyRecord& r = game->KeyRecorder.Record;
    const struct {
        char ch;
        std::int32_t keystrokes, errors;
    } rows[] = {{'z', 1, 1}, {'a', 1, 0}, {'b', 1, 0}};
    for (const auto& row : rows) {
        EXPECT_EQ(r[static_cast<unsigned char>(row.ch)].Keystrokes, row.keystrokes) << row.ch;
        EXPECT_EQ(r[static_cast<unsigned char>(row.ch)].Errors, row.errors) << row.ch;
        EXPECT_TRUE(r[static_cast<unsigned char>(row.ch)].Confusions.empty()) << row.ch;
    }
    EXPECT_EQ(r.Keystrokes(), 3) << "the space is no character of a bubble";
}

} // namespace
