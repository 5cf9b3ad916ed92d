#include "book_form.h"
#include "chapter_view.h"
#include "difficult_keys.h"
#include "events_stg.h"
#include "game_harness.h"
#include "sounds.h"
#include "top_ten_view.h"
#include "tris_stg.h"
#include "word_view_canvas.h"
#include "wordtris.h"

#include <gtest/gtest.h>

namespace {

const std::string kPressSpace = "Press Space! ";

// A WordTris game shown on the book window with its first beam, set running without its loop: the
// tests call its steps and key handler themselves.
class WordTrisTest : public testing::Test {
  protected:
    WordTrisTest()
    {
        RegisterSound(2, "Theend.wav");
        RegisterSound(3, "Error.wav");
        *EnsureDifficultKeys() = TDifficultKeys();
    }
    TWTrisEvent& Play(const std::string& word = "cat")
    {
        world.dir.Write("Pets.vcb", word + "\r\n");
        game = std::make_unique<TWTrisEvent>("Event=Tris;0;Pets.vcb");
        game->Open();
        game->NewBeam();
        game->State = TEvent::kRunning;
        return *game;
    }
    void Type(const std::string& keys)
    {
        for (char key : keys)
            game->KeyPressed(nullptr, key);
    }
    long Played(const std::string& sound) const
    {
        const auto s = world.SoundsPlayed();
        return std::count(s.begin(), s.end(), sound);
    }
    // Pixels of a row image that are mostly red, as the typed part of a beam is drawn.
    int RedPixels(int row) const
    {
        const QImage img = game->RowImages[static_cast<std::size_t>(row - 1)]->Picture();
        int n = 0;
        for (int i = 0; i < img.width() * img.height(); ++i) {
            const QColor c = img.pixelColor(i % img.width(), i / img.width());
            n += c.red() > 180 && c.green() < 90 && c.blue() < 90;
        }
        return n;
    }
    // A point inside the beam picture, clear of the text.
    QColor Beam(int row) const
    {
        return game->RowImages[static_cast<std::size_t>(row - 1)]->Picture().pixelColor(215, 8);
    }

    GameWorld world;
    std::unique_ptr<TWTrisEvent> game;
};

TEST_F(WordTrisTest, SpeedLevelFollowsWhereThePreviousBeamEnded)
{
    struct Case {
        int missed, lastRow;
        float before, after;
    };
    const Case cases[] = {
        {0, 0, 1.0f, 1.65f},                                   // the first beam
        {0, 11, 1.65f, 1.0f},                                  // a miss lowers by 2, but not below 1
        {0, 11, 5.0f, 3.0f},                                   //
        {0, 3, 2.0f, 2.65f},                                   // caught high: the full step
        {0, 4, 2.0f, 2.0f + 0.18f + 0.0047f * 500.0f / 9.0f},  // p = 5/9 of 100
        {0, 10, 2.0f, 2.0f + 0.18f - 0.0047f * 100.0f / 9.0f}, // caught in the bottom row: p < 0
        {5, 1, 2.0f, 2.5325f},                                 // four free rows: p = 75
        {0, 2, 9.9f, 10.0f},                                   // never above 10
    };
    TWTrisEvent& g = Play();
    for (const Case& k : cases) {
        g.MissedWords.assign(static_cast<std::size_t>(k.missed), "old");
        g.LastRow = k.lastRow;
        g.SpeedLevel = k.before;
        g.UpdateSpeed();
        EXPECT_NEAR(g.SpeedLevel, k.after, 1e-5) << k.missed << " missed, last row " << k.lastRow;
    }
}

TEST_F(WordTrisTest, RowIntervalGrowsWithTheWordAndShrinksWithSpeedButNeverBelow30)
{
    struct Case {
        std::string word;
        float level;
        std::uint32_t ms;
    };
    const Case cases[] = {{"tiger", 1.65f, 1068}, {"cat", 1.0f, 910},  {"cat", 7.0f, 175},
                          {"tiger", 8.2f, 36},    {"tiger", 8.3f, 30}, {"tiger", 10.0f, 30}};
    TWTrisEvent& g = Play();
    for (const Case& k : cases) {
        g.CurrentWord = k.word;
        g.SpeedLevel = k.level;
        EXPECT_EQ(g.RowInterval(), k.ms) << k.word << " at " << k.level;
    }
}

TEST_F(WordTrisTest, LoadBuildsTheBoxAndUnloadGivesItBackAndShowsTheTopTen)
{
    TEventsStg* stg = EventsStg;
    const int consoleTop = stg->LeftConsole->y();
    TWTrisEvent& g = Play();
    EXPECT_EQ(g.RowImages[9]->geometry(), QRect(244, 290, 220, 30));
    EXPECT_EQ(g.WordView->geometry(), QRect(249, 393, 200, 32));
    EXPECT_EQ(stg->LeftConsole->y(), 335);

    game.reset();
    EXPECT_EQ(stg->LeftConsole->y(), consoleTop); // as the other games expect it
    EXPECT_TRUE(BookForm->WidePage->findChildren<QWidget*>().isEmpty());
    EXPECT_EQ(EnsureChapterView()->LeftView, TopTenView);
}

TEST_F(WordTrisTest, TypingRecoloursTheBeamTheLastLetterAsksForSpaceAndSpaceCatchesIt)
{
    TWTrisEvent& g = Play();
    EXPECT_EQ(g.StepInterval, 830u); // "cat" at the first beam's level 1.65
    g.GameStep();
    Type("C"); // case matters
    EXPECT_EQ(g.TypedIndex, 1);
    Type("ca");
    EXPECT_GT(RedPixels(2), 0);
    EXPECT_EQ(g.WordView->CursorPos, 2);
    Type("t");
    EXPECT_EQ(g.RowTexts[2], kPressSpace);
    EXPECT_EQ(RedPixels(2), 0);          // the prompt is white all through
    EXPECT_EQ(g.WordView->CursorPos, 3); // on the end mark
    Type("x");                           // the Space is due
    EXPECT_EQ(g.TypedIndex, 13);

    Type(" ");
    EXPECT_EQ(g.Score, 10);
    EXPECT_EQ(g.LastRow, 2);
    EXPECT_EQ(g.BeamRow, 1);
    EXPECT_EQ(g.RowTexts[1], "cat");
    EXPECT_EQ(g.WordView->CursorPos, 0);
    EXPECT_NEAR(g.SpeedLevel, 2.3f, 1e-5);
    EXPECT_EQ(Played("Error.wav"), 2);
    // Errors count against the character that was due; the space is not counted at all.
    TDifficultKeys* keys = EnsureDifficultKeys();
    EXPECT_EQ(keys->RecentErrors['c'], 1);
    EXPECT_EQ(keys->RecentHits['c'], 2);
    EXPECT_EQ(keys->RecentHits['C'] + keys->RecentHits['x'], 0);
}

// Drawing the text again over itself after each key would blend its anti-aliased edges once more.
TEST_F(WordTrisTest, BeamAfterTypedKeysLooksLikeAFreshDrawingOfItsRow)
{
    TWTrisEvent& g = Play("elephant");
    Type("ele");
    QImage& canvas = g.RowImages[0]->Canvas();
    const QImage typed = canvas.copy();
    canvas.fill(Qt::black);
    g.DrawRows(g.CurrentWord, g.BeamRow);
    EXPECT_EQ(typed, canvas);
}

TEST_F(WordTrisTest, UnconfirmedBeamLandsOnThePileAsPressSpace)
{
    TWTrisEvent& g = Play();
    Type("cat");
    for (int i = 0; i < 10; ++i)
        g.GameStep();
    EXPECT_EQ(g.MissedWords, std::vector<std::string>{kPressSpace});
    EXPECT_EQ(g.RowTexts[10], kPressSpace);
    EXPECT_EQ(g.LastRow, 11);
    EXPECT_EQ(g.BeamRow, 1);
    EXPECT_FLOAT_EQ(g.SpeedLevel, 1.0f);
    EXPECT_NE(Beam(10), QColor(Qt::white));
    EXPECT_EQ(RedPixels(10), 0);
}

TEST_F(WordTrisTest, SixthMissEndsTheGameWithoutRedrawingTheBox)
{
    TWTrisEvent& g = Play();
    g.MissedWords = {"one", "two", "three", "four", "five"};
    g.NewBeam();
    for (int i = 0; i < 4; ++i)
        g.GameStep();
    ASSERT_EQ(g.BeamRow, 5);
    const QColor beam = Beam(5);
    EXPECT_NE(beam, QColor(Qt::white));

    g.GameStep();
    EXPECT_EQ(g.MissedWords.size(), 6u);
    EXPECT_EQ(g.State, TEvent::kFinished);
    EXPECT_EQ(world.Message1(), "Game over.");
    EXPECT_EQ(Beam(5), beam); // the last beam still stands above the five grey ones
}

} // namespace

namespace {

// The key record counts each key against the beam's character that was due, times the right ones from
// the word's previous key, and leaves out the keys that go on typing a beam that has landed.
TEST_F(WordTrisTest, TheKeyRecordCountsKeysAgainstTheDueCharacter)
{
    const struct {
        const char* script; // characters typed; '|' lets the beam land; '~' waits 300 ms, '#' 2.5 s
        char ch;
        std::int32_t keystrokes, errors, timed, ms, confusedQ;
    } rows[] = {
        {"cqat ", 'a', 2, 1, 1, 0, 1},    // q typed for a, then a
        {"c~a~t ", 'a', 1, 0, 1, 300, 0}, // timed from the word's previous key
        {"c#a ", 'a', 1, 0, 0, 0, 0},     // a pause over 2 s says nothing of speed
        {"c~a~t ~c", 'c', 2, 0, 0, 0, 0}, // a new beam's first key has no time
        {"ca|t c", 't', 0, 0, 0, 0, 0},   // the rest of a landed word is no keystroke
        {"ca|t c", 'c', 2, 0, 0, 0, 0},   // and the new beam's first key counts
        {"ca|x", 'c', 2, 1, 0, 0, 0},     // a key that does not go on with it is an error
    };
    for (const auto& r : rows) {
        TWTrisEvent& g = Play("cat");
        for (const char* s = r.script; *s; ++s) {
            if (*s == '|')
                while (g.MissedWords.empty())
                    g.GameStep();
            else if (*s == '~' || *s == '#')
                SleepMs(*s == '~' ? 300 : 2500);
            else
                Type(std::string(1, *s));
        }
        const TKeyTally& t = g.KeyRecorder.Record[static_cast<unsigned char>(r.ch)];
        EXPECT_EQ(t.Keystrokes, r.keystrokes) << r.script;
        EXPECT_EQ(t.Errors, r.errors) << r.script;
        EXPECT_EQ(t.TimedStrokes, r.timed) << r.script;
        EXPECT_EQ(t.TimedMs, r.ms) << r.script;
        EXPECT_EQ(t.MostConfused().Typed == 'q' ? t.MostConfused().Count : 0, r.confusedQ) << r.script;
    }
}

} // namespace
