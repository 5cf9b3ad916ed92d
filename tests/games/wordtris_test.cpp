#include "book_form.h"
#include "chapter_view.h"
#include "difficult_keys.h"
#include "event_view_stg.h"
#include "events_stg.h"
#include "scratch_dir.h"
#include "sounds.h"
#include "test_platform.h"
#include "top_ten_view.h"
#include "tris_stg.h"
#include "word_view_canvas.h"
#include "wordtris.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {

const std::string kPressSpace = "Press Space! ";

// A WordTris game on the book window, loaded and set running by hand: the tests call its steps and
// key handler themselves, with the virtual clock.
class WordTrisTest : public testing::Test {
  protected:
    WordTrisTest()
    {
        for (const char* name : {"Click.wav", "Theend.wav", "Error.wav"})
            dir.Write(name, "RIFF");
        RegisterSound(1, "Click.wav");
        RegisterSound(2, "Theend.wav");
        RegisterSound(3, "Error.wav");
        new TBookForm();
        new TEventsStg();
        new TEventViewStg();
        new TTrisStgFrm();
        *EnsureDifficultKeys() = TDifficultKeys();
    }
    ~WordTrisTest() override
    {
        CloseGame();
        EnsureChapterView()->LeftView = nullptr;
        for (int slot = 1; slot <= 4; ++slot)
            FreeSound(slot);
        delete TrisStgFrm;
        delete EventViewStg;
        delete EventsStg;
        delete BookForm;
    }

    // Shows a game on a vocabulary holding these lines (no file at all when none are given).
    TWTrisEvent& Show(const std::vector<std::string>& words)
    {
        CloseGame();
        if (!words.empty()) {
            std::string text;
            for (const std::string& w : words)
                text += w + "\r\n";
            dir.Write("Pets.vcb", text);
        }
        game = std::make_unique<TWTrisEvent>("Event=Tris;0;Pets.vcb");
        game->NextAllowed = false;
        game->Open();
        return *game;
    }
    // Shows a game and starts its first beam, running without the game loop.
    TWTrisEvent& Play(const std::vector<std::string>& words = {"cat"})
    {
        Show(words);
        game->NewBeam();
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
    void Type(const std::string& keys)
    {
        for (char ch : keys) {
            char key = ch;
            game->KeyPressed(nullptr, key);
        }
    }
    long Played(const std::string& sound) const
    {
        return std::count(platform.sound->played.begin(), platform.sound->played.end(), sound);
    }
    // Pixels of a row image that are mostly red, as the typed part of a beam is drawn.
    int RedPixels(int row) const
    {
        const QImage img = game->RowImages[static_cast<std::size_t>(row - 1)]->Picture().convertToFormat(
            QImage::Format_RGB32);
        int n = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x) {
                const QColor c = img.pixelColor(x, y);
                n += c.red() > 180 && c.green() < 90 && c.blue() < 90;
            }
        return n;
    }
    // Pixels in the text area of a row in about the grey of a missed beam's text.
    int GreyTextPixels(int row) const
    {
        const QImage img = game->RowImages[static_cast<std::size_t>(row - 1)]->Picture().convertToFormat(
            QImage::Format_RGB32);
        int n = 0;
        for (int y = 4; y < 23; ++y)
            for (int x = 18; x < 120; ++x) {
                const QColor c = img.pixelColor(x, y);
                const int lo = std::min({c.red(), c.green(), c.blue()});
                const int hi = std::max({c.red(), c.green(), c.blue()});
                n += hi - lo < 12 && lo > 100 && hi < 150;
            }
        return n;
    }
    QColor RowPixel(int row, int x, int y) const
    {
        return game->RowImages[static_cast<std::size_t>(row - 1)]->Picture().pixelColor(x, y);
    }

    TestPlatform platform;
    ScratchDir dir;
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
        {0, 9, 2.0f, 2.18f},                                   // caught in the lowest free row: p = 0
        {0, 10, 2.0f, 2.0f + 0.18f - 0.0047f * 100.0f / 9.0f}, // below it, p is negative
        {5, 1, 2.0f, 2.5325f},                                 // five missed beams leave four rows: p = 75
        {5, 3, 2.0f, 2.0f + 0.18f + 0.0047f * 25.0f},
        {0, 2, 9.9f, 10.0f}, // never above 10
    };
    TWTrisEvent& g = Show({"cat"});
    for (const Case& k : cases) {
        SCOPED_TRACE(testing::Message() << k.missed << " missed, last row " << k.lastRow);
        g.MissedWords.assign(static_cast<std::size_t>(k.missed), "old");
        g.LastRow = k.lastRow;
        g.SpeedLevel = k.before;
        g.UpdateSpeed();
        EXPECT_NEAR(g.SpeedLevel, k.after, 1e-5);
    }
}

TEST_F(WordTrisTest, RowIntervalGrowsWithTheWordAndShrinksWithSpeedButNeverBelow30)
{
    struct Case {
        std::string word;
        float level;
        std::uint32_t ms;
    };
    const Case cases[] = {
        {"tiger", 1.65f, 1068}, {"cat", 1.0f, 910},  {"cat", 7.0f, 175},   {"--", 1.0f, 780},
        {"tiger", 8.2f, 36},    {"tiger", 8.3f, 30}, {"tiger", 10.0f, 30},
    };
    TWTrisEvent& g = Show({"cat"});
    for (const Case& k : cases) {
        SCOPED_TRACE(testing::Message() << k.word << " at " << k.level);
        g.CurrentWord = k.word;
        g.SpeedLevel = k.level;
        EXPECT_EQ(g.RowInterval(), k.ms);
    }
}

TEST_F(WordTrisTest, LoadBuildsTheBoxUnderTheCardAndUnloadGivesItBack)
{
    TEventsStg* stg = EventsStg;
    TTrisStgFrm* tris = TrisStgFrm;
    const int consoleTop = stg->LeftConsole->y();
    TWTrisEvent& g = Show({"cat"});
    QWidget* page = BookForm->WidePage;

    ASSERT_EQ(g.RowImages.size(), 10u);
    EXPECT_EQ(g.RowImages[0]->objectName(), "row2");
    EXPECT_EQ(g.RowImages[9]->objectName(), "row11");
    for (int i = 0; i < 10; ++i) {
        TImage* row = g.RowImages[static_cast<std::size_t>(i)];
        EXPECT_EQ(row->parentWidget(), page);
        EXPECT_EQ(row->geometry(), QRect(244, 20 + 30 * i, 220, 30));
        EXPECT_EQ(RowPixel(i + 1, 100, 15), QColor(Qt::white));
    }
    EXPECT_EQ(tris->Image3->parentWidget(), page);
    EXPECT_EQ(tris->Active->parentWidget(), tris); // a picture, not part of the box
    EXPECT_EQ(stg->LeftConsole->y(), 335);
    EXPECT_FALSE(stg->WordLcd->isHidden());
    ASSERT_TRUE(g.WordView);
    EXPECT_EQ(g.WordView->parentWidget(), page);
    EXPECT_EQ(g.WordView->geometry(), QRect(249, 393, 200, 32));
    EXPECT_EQ(g.WordView->Font().Name, "Times New Roman");
    EXPECT_TRUE(g.WordView->AllowEndCursor);
    EXPECT_EQ(tris->LeftBlock3->geometry().bottom() + 1, 363);
    EXPECT_FALSE(tris->RightBlock3->Picture().isNull());
    EXPECT_EQ(stg->InstructionCard->height(), 175);
    EXPECT_EQ(stg->InstrLbl1->Caption(), "To catch the beam, type the word in it and press Space");
    EXPECT_EQ(stg->InstrLbl2->Caption(), " When the box is full of missed beams, the game is over");
    EXPECT_EQ(stg->InstrLbl3->Caption(),
              "To get the best possible score, look at the word display below the box");
    const QObjectList onPage = page->children();
    EXPECT_GT(onPage.indexOf(stg->InstructionCard), onPage.indexOf(tris->Image13));
    EXPECT_EQ(onPage.indexOf(stg->EventMsg), onPage.size() - 1);

    CloseGame();
    EXPECT_EQ(tris->Image3->parentWidget(), tris->Tris);
    EXPECT_EQ(stg->LeftConsole->y(), consoleTop);
    EXPECT_TRUE(stg->WordLcd->isHidden());
    EXPECT_TRUE(tris->RightBlock2->Picture().isNull());
    EXPECT_TRUE(tris->LeftBlock3->Picture().isNull());
    EXPECT_FALSE(tris->LeftBlock1->Picture().isNull());
    EXPECT_TRUE(page->findChildren<QWidget*>().isEmpty());
    EXPECT_EQ(EnsureChapterView()->LeftView, TopTenView);
    EXPECT_TRUE(dir.Exists("wordtris.kvt"));
}

TEST_F(WordTrisTest, TypedLettersTurnRedTheLastOneAsksForSpaceAndSpaceCatchesTheBeam)
{
    TWTrisEvent& g = Play({"cat"});
    EXPECT_FLOAT_EQ(g.SpeedLevel, 1.65f);
    EXPECT_EQ(g.StepInterval, 830u); // 1.18625 x 7 x 100
    EXPECT_EQ(g.BeamRow, 1);
    EXPECT_EQ(g.RowTexts[1], "cat");
    EXPECT_EQ(RedPixels(1), 0);
    g.GameStep();
    EXPECT_EQ(g.BeamRow, 2);
    EXPECT_EQ(RowPixel(1, 100, 15), QColor(Qt::white));

    Type("c");
    EXPECT_EQ(g.TypedIndex, 2);
    EXPECT_EQ(g.WordView->CursorPos, 1);
    const int redAfterOne = RedPixels(2);
    EXPECT_GT(redAfterOne, 0);
    Type("a");
    EXPECT_GT(RedPixels(2), redAfterOne);

    Type("t");
    EXPECT_EQ(g.CurrentWord, kPressSpace);
    EXPECT_EQ(g.TypedIndex, 13);
    EXPECT_EQ(g.RowTexts[2], kPressSpace);
    EXPECT_EQ(RedPixels(2), 0);          // the prompt is white all through
    EXPECT_EQ(g.WordView->CursorPos, 3); // on the end mark
    EXPECT_EQ(g.WordView->CursorWord, 0);
    g.GameStep(); // the prompt keeps falling
    EXPECT_EQ(g.RowTexts[3], kPressSpace);

    Type(" ");
    EXPECT_EQ(g.Score, 10);
    EXPECT_EQ(g.LastRow, 3);
    EXPECT_EQ(g.BeamRow, 1);
    EXPECT_EQ(g.CurrentWord, "cat");
    EXPECT_EQ(g.TypedIndex, 1);
    EXPECT_NEAR(g.SpeedLevel, 2.3f, 1e-5);
    EXPECT_EQ(g.WordView->CursorPos, 0);
    EXPECT_EQ(EventsStg->PointsLabel->Caption(), "10");
    EXPECT_EQ(Played("Error.wav"), 0);
    EXPECT_EQ(EnsureDifficultKeys()->RecentHits['c'], 1);
    EXPECT_EQ(EnsureDifficultKeys()->RecentErrors['c'], 0);
}

TEST_F(WordTrisTest, PointsPerBeamAreTenPerWholeSpeedLevel)
{
    TWTrisEvent& g = Play({"ox"});
    g.SpeedLevel = 4.99f;
    Type("ox ");
    EXPECT_EQ(g.Score, 40);
}

TEST_F(WordTrisTest, WrongKeysCostOnlyTheErrorSoundAndCountAgainstTheExpectedCharacter)
{
    TWTrisEvent& g = Play({"cat"});
    TDifficultKeys* keys = EnsureDifficultKeys();
    Type("C"); // case matters
    Type("\b");
    EXPECT_EQ(Played("Error.wav"), 2);
    EXPECT_EQ(g.TypedIndex, 1);
    EXPECT_EQ(g.Score, 0);
    EXPECT_EQ(keys->RecentErrors['c'], 2);
    EXPECT_EQ(keys->RecentHits['c'], 2);
    EXPECT_EQ(keys->RecentHits['C'], 0);

    Type("cat");
    ASSERT_EQ(g.CurrentWord, kPressSpace);
    Type("x"); // the space is due: an error, which the statistics do not count
    EXPECT_EQ(Played("Error.wav"), 3);
    EXPECT_EQ(keys->RecentHits['x'], 0);
    EXPECT_EQ(g.TypedIndex, 13);
    Type(" ");
    EXPECT_EQ(g.Score, 10);
}

TEST_F(WordTrisTest, UnconfirmedBeamLandsOnThePileAsPressSpace)
{
    TWTrisEvent& g = Play({"cat"});
    Type("cat");
    for (int i = 0; i < 9; ++i)
        g.GameStep();
    EXPECT_EQ(g.BeamRow, 10);
    g.GameStep();
    EXPECT_EQ(g.MissedWords, std::vector<std::string>{kPressSpace});
    EXPECT_EQ(g.LastRow, 11);
    EXPECT_EQ(g.BeamRow, 1);
    EXPECT_EQ(g.RowTexts[10], kPressSpace);
    EXPECT_EQ(g.CurrentWord, "cat");
    EXPECT_FLOAT_EQ(g.SpeedLevel, 1.0f);
    EXPECT_EQ(g.State, TEvent::kRunning);
    // The missed beam lies grey on its picture.
    EXPECT_NE(RowPixel(10, 215, 8), QColor(Qt::white));
    EXPECT_GT(GreyTextPixels(10), 20);
    EXPECT_EQ(RedPixels(10), 0);
}

TEST_F(WordTrisTest, SixthMissEndsTheGameWithoutRedrawingTheBox)
{
    TWTrisEvent& g = Play({"cat"});
    g.MissedWords = {"one", "two", "three", "four", "five"};
    g.NewBeam();
    for (int row = 2; row <= 5; ++row) {
        g.GameStep();
        EXPECT_EQ(g.BeamRow, row);
    }
    EXPECT_EQ(g.RowTexts[6], "five");
    EXPECT_EQ(g.RowTexts[10], "one");
    EXPECT_GT(GreyTextPixels(6), 20);
    const QColor beamBefore = RowPixel(5, 215, 8);
    ASSERT_NE(beamBefore, QColor(Qt::white));

    g.GameStep();
    EXPECT_EQ(g.MissedWords.size(), 6u);
    EXPECT_EQ(g.MissedWords.back(), "cat");
    EXPECT_EQ(g.BeamRow, 0);
    EXPECT_EQ(g.State, TEvent::kFinished);
    EXPECT_EQ(EventsStg->MsgLabel1->Caption(), "Game over.");
    EXPECT_EQ(Played("Theend.wav"), 1);
    // The falling beam is still drawn in row 5 above the five grey ones.
    EXPECT_EQ(RowPixel(5, 215, 8), beamBefore);
}

TEST_F(WordTrisTest, EmptyVocabularyGivesBeamsOfTwoDashesThatCanBeCaught)
{
    TWTrisEvent& g = Play({});
    EXPECT_EQ(g.CurrentWord, "--");
    EXPECT_EQ(g.WordView->ShownWord->Text, "--");
    Type("-- ");
    EXPECT_EQ(g.Score, 10);
    EXPECT_EQ(g.CurrentWord, "--");
}

TEST_F(WordTrisTest, FirstKeyStartsTheGameWithoutBeingTyped)
{
    TWTrisEvent& g = Show({"cat"});
    EXPECT_EQ(g.State, TEvent::kReady);
    // The game loop runs inside the key handler until the game is paused.
    int steps = 0;
    platform.pump->driver = [&] {
        if (g.State == TEvent::kRunning && ++steps == 3)
            g.Pause();
    };
    Type("c");
    EXPECT_EQ(g.State, TEvent::kPaused);
    EXPECT_EQ(g.TypedIndex, 1);
    EXPECT_EQ(g.CurrentWord, "cat");
    EXPECT_EQ(EnsureDifficultKeys()->RecentHits['c'], 0);
    EXPECT_TRUE(EventsStg->InstructionCard->isHidden());
}

} // namespace
