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
#include <set>

namespace {

constexpr int kFieldHeight = 363;
const std::string kLetters = "abcdefghijklmnopqrstuvwxyz";

// A Bubbles game on the book window, loaded but driven by hand: the tests set the game running and
// call its steps and key handler themselves, with the virtual clock and the fixed random sequence.
class BubblesTest : public testing::Test {
  protected:
    BubblesTest()
    {
        for (const char* name : {"Click.wav", "Theend.wav", "Error.wav"})
            dir.Write(name, "RIFF");
        RegisterSound(1, "Click.wav");
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
        CloseGame();
        EnsureChapterView()->LeftView = nullptr;
        for (int slot = 1; slot <= 4; ++slot)
            FreeSound(slot);
        delete EventViewStg;
        delete EventsStg;
        delete BubbleStg;
        delete BookForm;
    }

    // Loads a new game with this key set and sets it running without its loop.
    TBubbles& Play(const std::string& keySet = kLetters)
    {
        CloseGame();
        game = std::make_unique<TBubbles>("Event=Bubbles;0");
        game->KeySet = keySet;
        game->NextAllowed = false;
        game->Open();
        game->State = TEvent::kRunning;
        return *game;
    }
    void CloseGame()
    {
        if (game && game->Active) {
            bool cancel = false;
            game->Close(cancel);
        }
        game.reset();
    }
    // Puts a letter bubble carrying ch in a column, as a launch would.
    Tbubble& Put(int column, char ch, std::int32_t kind = Tbubble::kGreen, std::int32_t y = 200)
    {
        Tbubble& b = game->Columns[static_cast<std::size_t>(column)];
        b.Launch(3);
        b.Kind = kind;
        b.Size = 35 + 5 * kind;
        b.Y = y;
        b.Char = static_cast<unsigned char>(ch);
        game->ColumnChars[static_cast<std::size_t>(column)] = static_cast<unsigned char>(ch);
        return b;
    }
    void Press(char ch)
    {
        char key = ch;
        game->KeyPressed(nullptr, key);
    }
    int ActiveBubbles() const
    {
        return static_cast<int>(std::count_if(game->Columns.begin(), game->Columns.end(),
                                              [](const Tbubble& b) { return b.Active; }));
    }
    long Played(const std::string& sound) const
    {
        return std::count(platform.sound->played.begin(), platform.sound->played.end(), sound);
    }
    // Clock units are hundred-thousandths of a day.
    void AdvanceClockUnits(double units) { platform.clock->Advance(static_cast<int>(units * 864)); }

    TestPlatform platform;
    ScratchDir dir;
    std::unique_ptr<TBubbles> game;
};

TEST_F(BubblesTest, LoadSetsUpTenColumnsAndSixUnlitLamps)
{
    TBubbles& g = Play();
    ASSERT_EQ(g.Columns.size(), 10u);
    EXPECT_EQ(g.FieldBitmap.size(), QSize(718, kFieldHeight));
    EXPECT_EQ(g.Columns[0].X, 5);
    EXPECT_EQ(g.Columns[9].X, 635); // column width (718 - 10) div 10 = 70
    EXPECT_EQ(ActiveBubbles(), 0);
    ASSERT_TRUE(g.MissedLcdCtl);
    EXPECT_EQ(g.MissedLcdCtl->SlotCount, 6);
    EXPECT_EQ(g.MissedLcdCtl->LitCount, 0);
    EXPECT_EQ(g.MissedLcdCtl->parentWidget(), BookForm->WidePage);
    EXPECT_EQ(g.MissedLcdCtl->pos(), EventsStg->MissLcd->pos() + QPoint(8, 7));
    EXPECT_EQ(g.MissedLcdCtl->size(), QSize(126, 20));
    EXPECT_FALSE(EventsStg->MissLcd->isHidden());
    EXPECT_EQ(EventsStg->InstrLbl1->Caption(), "To pop a bubble press the character in it");
    EXPECT_EQ(EventsStg->InstructionCard->height(), 175);
    EXPECT_EQ(g.FieldBitmap.pixelColor(300, 100), QColor(119, 153, 255));
}

TEST_F(BubblesTest, ScoreDivisorFollowsTheLengthOfTheKeySet)
{
    const struct {
        std::size_t length;
        std::int32_t divisor;
    } rows[] = {{1, 4}, {6, 4}, {7, 2}, {9, 2}, {10, 1}, {62, 1}};
    for (const auto& r : rows) {
        Play(std::string(r.length, 'x'));
        EXPECT_EQ(game->ScoreDivisor, r.divisor) << r.length << " keys";
    }
    // No key set chosen: the default one, which has 26 keys.
    Play("");
    EXPECT_EQ(game->KeySet, TBubbles::kDefaultKeySet);
    EXPECT_EQ(game->ScoreDivisor, 1);
}

TEST_F(BubblesTest, PointsDependOnKindLevelAndDivisor)
{
    const struct {
        std::size_t keys;
        std::int32_t kind;
        float level;
        std::int32_t points;
    } rows[] = {
        {26, Tbubble::kGreen, 1.0f, 5}, {26, Tbubble::kBlue, 1.0f, 10}, {26, Tbubble::kRed, 1.0f, 15},
        {26, Tbubble::kGreen, 2.9f, 7}, {26, Tbubble::kRed, 7.5f, 27},  {9, Tbubble::kGreen, 1.0f, 2},
        {9, Tbubble::kBlue, 1.0f, 5},   {9, Tbubble::kRed, 1.0f, 7},    {5, Tbubble::kGreen, 1.0f, 1},
        {5, Tbubble::kBlue, 1.0f, 2},   {5, Tbubble::kRed, 3.2f, 4},
    };
    for (const auto& r : rows) {
        Play(kLetters.substr(0, r.keys));
        game->SetScore(100);
        game->Level = r.level;
        Put(4, 'a', r.kind);
        Press('a');
        EXPECT_EQ(game->Score, 100 + r.points) << r.keys << " keys, kind " << r.kind << ", level " << r.level;
        EXPECT_FALSE(game->Columns[4].Active);
        EXPECT_EQ(game->ColumnChars[4], 0);
    }
}

TEST_F(BubblesTest, ScoreStopsAt31000)
{
    Play();
    game->SetScore(30990);
    Put(0, 'r', Tbubble::kRed);
    Press('r');
    EXPECT_EQ(game->Score, 31000);
    EXPECT_EQ(EventsStg->PointsLabel->Caption(), "31000");
}

TEST_F(BubblesTest, AWrongKeyBuzzesAndCostsTwicePointsOfTheLevelDownToZero)
{
    const struct {
        std::int32_t score;
        float level;
        std::int32_t after;
    } rows[] = {{50, 1.0f, 48}, {50, 3.9f, 44}, {1, 1.0f, 0}, {0, 2.0f, 0}};
    TBubbles& g = Play();
    Put(0, 'a');
    for (const auto& r : rows) {
        g.SetScore(r.score);
        g.Level = r.level;
        const long buzzes = Played("Error.wav");
        Press('b');
        EXPECT_EQ(g.Score, r.after) << r.score << " at level " << r.level;
        EXPECT_EQ(Played("Error.wav"), buzzes + 1);
        EXPECT_TRUE(g.AfterWrongKey);
    }
    EXPECT_TRUE(g.Columns[0].Active);
}

TEST_F(BubblesTest, TheKeyAfterAWrongOneIsNotRecordedAsAKeystroke)
{
    Play();
    Put(0, 'a');
    Put(1, 'b');
    Put(2, 'c');
    Press('z'); // no bubble carries it
    Press('a');
    Press('b');
    Press('c');
    const TDifficultKeys& keys = *DifficultKeys;
    EXPECT_EQ(keys.RecentHits['z'], 0); // wrong keys are not counted at all
    EXPECT_EQ(keys.RecentHits['a'], 0);
    EXPECT_EQ(keys.RecentHits['b'], 1);
    EXPECT_EQ(keys.RecentHits['c'], 1);
    EXPECT_EQ(keys.RecentErrors['z'] + keys.RecentErrors['a'] + keys.RecentErrors['b'], 0);
    // The game's keystrokes are folded into the totals when it ends.
    CloseGame();
    EXPECT_EQ(keys.TotalHits['b'], 1);
    EXPECT_EQ(keys.RecentHits['b'], 0);
}

TEST_F(BubblesTest, OneKeyPopsEveryBubbleCarryingItLeftToRight)
{
    TBubbles& g = Play();
    Put(7, 'q', Tbubble::kRed, 100);
    Put(2, 'q', Tbubble::kGreen, 300);
    Put(5, 'w');
    Press('q');
    EXPECT_EQ(g.Score, 5 + 15);
    EXPECT_FALSE(g.Columns[2].Active);
    EXPECT_FALSE(g.Columns[7].Active);
    EXPECT_TRUE(g.Columns[5].Active);
    // The hit window took the left bubble's height first.
    EXPECT_EQ(g.HitWindow.Count, 2);
    EXPECT_EQ(g.HitWindow.Heights[0], 300);
    EXPECT_EQ(g.HitWindow.Heights[1], 100);
    EXPECT_FALSE(g.AfterWrongKey);
    EXPECT_EQ(Played("Error.wav"), 0);
}

TEST_F(BubblesTest, LevelRisesByTheAverageOfTheLastFourHitHeights)
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
        {{283, 284}, 284, 0.105f}, // 283.5 rounds to the even 284
        {{282, 283}, 282, 0.07f},  // 282.5 rounds to the even 282
        {{0, 0, 0, 0, 363}, 91, 0.008f},
        {{0, 363, 363, 363, 363}, 363, 0.5f}, // the oldest height has left the window
        {{363, 363, 363, -30}, 265, 0.07f},
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
    } rows[] = {
        {1.0f, 3, 1.5f},    {2.0f, 4, 1.3944f},   {5.0f, 7, 1.0778f},
        {10.0f, 11, 0.55f}, {11.7f, 13, 0.3706f}, {20.0f, 13, -0.5056f}, // no lower bound
    };
    TBubbles& g = Play();
    for (const auto& r : rows) {
        // A hit near the top adds 0.008 and sets the interval for the new level.
        g.Level = r.level - 0.008f;
        g.UpdateLevel(0);
        EXPECT_EQ(g.BaseSpeed(), r.speed) << r.level;
        EXPECT_NEAR(g.SpawnInterval, r.interval, 1e-3) << r.level;
    }
}

TEST_F(BubblesTest, TheFirstBubbleComesTwoClockUnitsAfterLoadingAtTheBaseSpeed)
{
    TBubbles& g = Play();
    AdvanceClockUnits(1.95);
    g.GameStep();
    EXPECT_EQ(ActiveBubbles(), 0);
    AdvanceClockUnits(0.1);
    g.GameStep();
    ASSERT_EQ(ActiveBubbles(), 1);
    const Tbubble& b =
        *std::find_if(g.Columns.begin(), g.Columns.end(), [](const Tbubble& b) { return b.Active; });
    const std::int32_t speed = b.Kind == Tbubble::kGreen ? 3 : 4; // 3 x 1.2 and 3 x 1.5 both round to 4
    EXPECT_EQ(b.Speed, speed);
    EXPECT_EQ(b.Size, 35 + 5 * b.Kind);
    EXPECT_EQ(b.Y, kFieldHeight); // launched below the field; it moves from the next step on
    EXPECT_NE(kLetters.find(static_cast<char>(b.Char)), std::string::npos);
    // One bubble per step: the next waits for the interval again.
    g.GameStep();
    EXPECT_EQ(ActiveBubbles(), 1);
    EXPECT_EQ(b.Y, kFieldHeight - speed);
    EXPECT_EQ(b.Phase, 1);
}

TEST_F(BubblesTest, ABusyFieldKeepsTheSpawnDueUntilAColumnIsFree)
{
    TBubbles& g = Play();
    for (int i = 0; i < 10; ++i)
        Put(i, kLetters[static_cast<std::size_t>(i)]);
    AdvanceClockUnits(5);
    g.GameStep();
    EXPECT_EQ(ActiveBubbles(), 10);
    Press('d');
    EXPECT_EQ(ActiveBubbles(), 9);
    g.GameStep(); // no time has passed, but the spawn was still due
    EXPECT_EQ(ActiveBubbles(), 10);
    EXPECT_TRUE(g.Columns[3].Active);
}

TEST_F(BubblesTest, NewBubblesPreferCharactersNotOnTheField)
{
    TBubbles& g = Play("abcde");
    // Only "c" is free: it lies on one side of any start, so one of the two scans must find it.
    for (int round = 0; round < 40; ++round) {
        g.ColumnChars = {'a', 'b', 0, 'd', 'e', 0, 0, 0, 0, 0};
        EXPECT_EQ(g.ChooseChar(5), 'c');
        EXPECT_EQ(g.ColumnChars[5], 'c');
    }
    // All on the field: a duplicate from the key set.
    for (int round = 0; round < 20; ++round) {
        g.ColumnChars = {'a', 'b', 'c', 'd', 'e', 0, 0, 0, 0, 0};
        const unsigned char ch = g.ChooseChar(6);
        EXPECT_NE(std::string("abcde").find(static_cast<char>(ch)), std::string::npos);
        EXPECT_EQ(g.ColumnChars[6], ch);
    }
}

TEST_F(BubblesTest, EscapedBubblesLightTheLampsAndTheSixthStopsTheGameOnce)
{
    TBubbles& g = Play();
    g.MissedCount = 3;
    g.MissedLcdCtl->SetLitCount(3);
    // Three bubbles leave the top in the same step: the fourth, fifth and sixth missed.
    for (int column : {1, 4, 8}) {
        Tbubble& b = Put(column, kLetters[static_cast<std::size_t>(column)], Tbubble::kGreen, -38);
        b.Speed = 3;
    }
    Put(6, 'x', Tbubble::kGreen, 0);
    g.GameStep();
    EXPECT_EQ(g.MissedCount, 6);
    EXPECT_EQ(g.MissedLcdCtl->LitCount, 6);
    EXPECT_EQ(g.State, TEvent::kFinished);
    EXPECT_EQ(Played("Theend.wav"), 1);
    EXPECT_EQ(g.ColumnChars[1], 0);
    EXPECT_EQ(g.ColumnChars[8], 0);
    EXPECT_TRUE(g.Columns[6].Active);
    EXPECT_EQ(EventsStg->MsgLabel1->Caption(), "Game over.");
    EXPECT_EQ(EventsStg->MsgLabel2->Caption(), "Press Enter to continue.");
    // Each escape added -30 to the hit window.
    EXPECT_EQ(g.HitWindow.Count, 3);
    EXPECT_EQ(g.HitWindow.Sum, -90);

    // A seventh escaping later does not stop the game again.
    Put(2, 'c', Tbubble::kGreen, -39);
    g.GameStep();
    EXPECT_EQ(g.MissedCount, 7);
    EXPECT_EQ(Played("Theend.wav"), 1);
}

TEST_F(BubblesTest, KeysWhilePausedOrAfterGameOverChangeNothing)
{
    for (std::uint8_t state : {TEvent::kPaused, TEvent::kFinished}) {
        TBubbles& g = Play();
        g.SetScore(40);
        Put(3, 'k');
        g.State = state;
        Press('k');
        Press('m');
        EXPECT_EQ(g.Score, 40);
        EXPECT_TRUE(g.Columns[3].Active);
        EXPECT_FALSE(g.AfterWrongKey);
        EXPECT_EQ(Played("Error.wav"), 0);
        EXPECT_EQ(DifficultKeys->RecentHits['k'], 0);
    }
}

TEST_F(BubblesTest, DecorativeBubblesRiseAndAreDroppedAboveTheField)
{
    TBubbles& g = Play();
    AdvanceClockUnits(0.85);
    g.GameStep();
    ASSERT_EQ(g.Decor.size(), 1u);
    const Tbubble d = g.Decor[0];
    EXPECT_TRUE(d.IsDecor);
    EXPECT_EQ(d.Char, 0);
    EXPECT_GE(d.Size, 4);
    EXPECT_LE(d.Size, 8);
    EXPECT_EQ(d.Speed, d.Size - 2);
    EXPECT_EQ(d.Y, kFieldHeight - d.Speed); // moved in the step that made it
    g.Decor[0].Y = -d.Size + 1;
    g.GameStep();
    EXPECT_TRUE(g.Decor.empty());
}

TEST_F(BubblesTest, BubblesAreDrawnInTheirColoursOnTheSky)
{
    TBubbles& g = Play();
    Put(0, 'a', Tbubble::kGreen, 100);
    Put(1, 'b', Tbubble::kBlue, 100);
    Put(2, 'c', Tbubble::kRed, 100);
    g.Redraw();
    // Left of the letter, inside each bubble.
    EXPECT_EQ(g.FieldBitmap.pixelColor(5 + 8, 120), QColor(192, 220, 192));
    EXPECT_EQ(g.FieldBitmap.pixelColor(75 + 8, 122), QColor(0, 0, 128));
    EXPECT_EQ(g.FieldBitmap.pixelColor(145 + 8, 125), QColor(128, 0, 0));
    EXPECT_EQ(g.FieldBitmap.pixelColor(300, 300), QColor(119, 153, 255));
}

} // namespace
