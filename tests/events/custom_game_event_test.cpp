#include "book_form.h"
#include "counting_game.h"
#include "events_stg.h"
#include "game_harness.h"
#include "missed_lcd.h"
#include "sounds.h"

#include <QScreen>
#include <algorithm>
#include <gtest/gtest.h>

namespace {

using Words = std::vector<std::string>;

class GameFrameTest : public testing::Test {
  protected:
    GameFrameTest() { RegisterSound(2, "Theend.wav"); }
    std::unique_ptr<CountingGame> Shown(const std::string& description = "Event=Count;0")
    {
        auto game = std::make_unique<CountingGame>(description);
        game->NextAllowed = false;
        EXPECT_FALSE(game->Open());
        return game;
    }
    // Starts the game loop; it runs until a step pauses the game.
    std::vector<std::uint32_t> StepTicks(CountingGame& game, int steps, int slowStep)
    {
        std::vector<std::uint32_t> ticks;
        game.onStep = [&](CountingGame& g) {
            ticks.push_back(world.platform.clock->tick);
            if (g.Steps == slowStep)
                world.platform.clock->Advance(150);
            if (g.Steps == steps)
                g.Pause();
        };
        game.Start();
        return ticks;
    }
    static std::vector<std::uint32_t> Gaps(const std::vector<std::uint32_t>& ticks)
    {
        std::vector<std::uint32_t> gaps;
        for (std::size_t i = 1; i < ticks.size(); ++i)
            gaps.push_back(ticks[i] - ticks[i - 1]);
        return gaps;
    }
    Words Pass(CountingGame& game, int n)
    {
        Words words;
        for (int i = 0; i < n; ++i) {
            std::string w;
            game.NextWord(true, w);
            EXPECT_EQ(game.CurrentWord, w);
            words.push_back(w);
        }
        return words;
    }
    GameWorld world;
};

TEST_F(GameFrameTest, ShownGameHasItsFieldPromptAndCardAndGivesAllBackWhenClosed)
{
    const QRect page = BookForm->WidePage->geometry();
    TEventsStg* stg = EventsStg;
    auto game = Shown();
    EXPECT_EQ(BookForm->WidePage->geometry(), page.adjusted(0, -13, 0, 0));
    ASSERT_TRUE(game->PlayField);
    EXPECT_EQ(game->PlayField->parentWidget(), BookForm->WidePage);
    EXPECT_EQ(game->PlayField->geometry(), QRect(0, 0, 718, 363));
    EXPECT_EQ(game->FieldBitmap.size(), QSize(718, 363));
    EXPECT_EQ(world.Message1(), "Press any key");
    EXPECT_EQ(world.Message2(), "to begin.");
    EXPECT_TRUE(world.MessageShown());
    EXPECT_EQ(stg->EventMsg->pos(), QPoint(90, 150));
    // The prompt and the card lie above the play field.
    const QObjectList onPage = BookForm->WidePage->children();
    EXPECT_GT(onPage.indexOf(stg->EventMsg), onPage.indexOf(game->PlayField.data()));
    EXPECT_GT(onPage.indexOf(stg->InstructionCard), onPage.indexOf(game->PlayField.data()));
    EXPECT_EQ(stg->InstructionCard->parentWidget(), BookForm->WidePage);
    EXPECT_EQ(stg->InstructionCard->pos(), QPoint(440, 20));
    EXPECT_EQ(stg->RightConsole->parentWidget(), BookForm->WidePage);
    for (QWidget* hidden : std::initializer_list<QWidget*>{stg->Screen1, stg->Screen3, stg->RhythmTitle,
                                                           stg->TimeLabel, stg->TimeLbl})
        EXPECT_TRUE(hidden->isHidden()) << hidden->objectName().toStdString();
    for (QWidget* shown :
         std::initializer_list<QWidget*>{stg->PointScreen, stg->PointsTitle, stg->PointsLabel})
        EXPECT_FALSE(shown->isHidden()) << shown->objectName().toStdString();
    EXPECT_EQ(stg->PointsLabel->Caption(), "0");
    EXPECT_TRUE(BookForm->TitleConsole->isHidden());
    EXPECT_EQ(BookForm->ConsoleButtons, 8);

    game->SetScore(17);
    EXPECT_EQ(stg->PointsLabel->Caption(), "17");

    game->SetResult(2);
    EXPECT_FALSE(game->Active);
    EXPECT_EQ(BookForm->WidePage->geometry(), page);
    EXPECT_TRUE(game->PlayField.isNull());
    EXPECT_TRUE(game->FieldBitmap.isNull());
    EXPECT_EQ(stg->InstructionCard->parentWidget(), stg);
    EXPECT_EQ(stg->RightConsole->parentWidget(), stg->EventConsole);
    EXPECT_TRUE(BookForm->WidePage->findChildren<QWidget*>().isEmpty());
    EXPECT_FALSE(stg->Screen1->isHidden());
    EXPECT_TRUE(stg->PointsLabel->isHidden());
    EXPECT_FALSE(BookForm->TitleConsole->isHidden());
    EXPECT_TRUE(world.platform.dialogs->shown.empty()); // a game never asks
}

TEST_F(GameFrameTest, StepAfterASlowStepComesAtOnceAndMissedStepsAreNotMadeUp)
{
    auto game = Shown();
    const auto ticks = StepTicks(*game, 6, 3);
    EXPECT_EQ(Gaps(ticks), (std::vector<std::uint32_t>{100, 100, 155, 100, 100}));
    EXPECT_EQ(game->State, TEvent::kPaused);
}

TEST_F(GameFrameTest, StepTimingCarriesOnAcrossTheTickCountsWrap)
{
    world.platform.clock->tick = 0xFFFFFFFFu - 250;
    auto game = Shown();
    const auto ticks = StepTicks(*game, 6, 0);
    // The first tick after the wrap is below the last step's, which makes a step due at once.
    EXPECT_EQ(Gaps(ticks), (std::vector<std::uint32_t>{100, 100, 55, 100, 100}));
    EXPECT_EQ(ticks[3], 4u);
}

TEST_F(GameFrameTest, EndOfGameShowsGameOverForTwoSecondsWithoutProcessingMessages)
{
    auto game = Shown();
    const long passes = world.platform.pump->passes;
    const std::uint32_t tick = world.platform.clock->tick;
    game->Stop();
    EXPECT_EQ(world.platform.clock->tick - tick, 2000u);
    EXPECT_EQ(world.platform.pump->passes, passes);
    EXPECT_EQ(world.Message1(), "Game over.");
    EXPECT_EQ(world.Message2(), "Press Enter to continue.");
    EXPECT_TRUE(world.MessageShown());
    EXPECT_EQ(world.SoundsPlayed(), Words{"Theend.wav"});
    SendKey(Qt::Key_Return);
    EXPECT_EQ(game->ResultCode, 4);
}

// Nothing is painted during the pause but what Stop paints itself: the window must show the whole
// "Game over." panel then, not only its first line over the field.
TEST_F(GameFrameTest, GameOverPanelIsWhollyOnTheScreenDuringThePause)
{
    auto game = Shown();
    QWidget* panel = EventsStg->EventMsg;
    panel->hide();     // as during play
    ProcessMessages(); // the window is exposed and painted
    game->Stop();
    const QRect area(panel->mapTo(BookForm, QPoint(0, 0)), panel->size());
    const QImage duringPause = BookForm->screen()->grabWindow(BookForm->winId()).toImage().copy(area);
    EventsStg->MsgLabel2->SetCaption(""); // the panel as it stood during the pause
    const QImage wholePanel = panel->grab().toImage();
    EXPECT_EQ(duringPause.convertToFormat(QImage::Format_RGB32),
              wholePanel.convertToFormat(QImage::Format_RGB32));
}

TEST_F(GameFrameTest, VocabularyWordsComeInANewShuffledOrderOnEveryPass)
{
    world.dir.Write("animals.vcb", "  Cat \r\n\r\n \t \r\nDOG\r\n\tEmu\t\r\n");
    auto game = Shown("Event=Tris;0;animals.vcb");
    EXPECT_EQ(game->VocabularyFile, "animals.vcb");
    ASSERT_TRUE(game->Vocabulary);
    Words loaded = *game->Vocabulary;
    std::sort(loaded.begin(), loaded.end());
    EXPECT_EQ(loaded, (Words{"Cat", "DOG", "Emu"}));

    const int reseeds = world.platform.random->reseeds;
    for (int pass = 1; pass <= 3; ++pass) {
        Words words = Pass(*game, 3);
        std::sort(words.begin(), words.end());
        EXPECT_EQ(words, (Words{"cat", "dog", "emu"})) << "pass " << pass;
        // Each pass starts with a shuffle, which re-seeds the generator.
        EXPECT_EQ(world.platform.random->reseeds - reseeds, pass);
    }
    game->SetResult(2);
    EXPECT_EQ(Pass(*game, 1), Words{"--"});
}

TEST_F(GameFrameTest, WithoutWordsNextWordGivesDashes)
{
    world.dir.Write("empty.vcb", "");
    world.dir.Write("blank.vcb", " \r\n\t\r\n");
    for (const char* description : {"Event=Bubbles;0", "Event=Tris;0;missing.vcb", "Event=Tris;0;empty.vcb",
                                    "Event=Tris;0;blank.vcb"}) {
        CountingGame unshown(description);
        EXPECT_EQ(Pass(unshown, 1), Words{"--"}) << description;
        auto game = Shown(description);
        EXPECT_EQ(Pass(*game, 2), (Words{"--", "--"})) << description;
        EXPECT_EQ(game->CurrentWord, "--");
        game->SetResult(2);
    }
}

TEST_F(GameFrameTest, MissedLampsShowTheLitCountAndSizeTheDisplayToTheirRow)
{
    QImage on(21, 20, QImage::Format_RGB32), off(21, 20, QImage::Format_RGB32);
    on.fill(Qt::red);
    off.fill(Qt::blue);
    TMissedLcd lcd;
    EXPECT_EQ(lcd.size(), QSize(50, 10));
    lcd.SetLitCount(2);
    lcd.SetSlotCount(6);
    EXPECT_EQ(lcd.size(), QSize(50, 10)); // no pictures yet: nothing to size to
    lcd.OffPicture = &off;
    lcd.OnPicture = &on;
    lcd.grab(); // painting sizes the display to the row it drew
    EXPECT_EQ(lcd.size(), QSize(126, 20));
    const QImage drawn = lcd.grab().toImage();
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(QColor(drawn.pixel(i * 21 + 10, 10)), i < 2 ? QColor(Qt::red) : QColor(Qt::blue)) << i;

    QImage tall(30, 24, QImage::Format_RGB32);
    tall.fill(Qt::green);
    lcd.OnPicture = &tall;
    lcd.SetLitCount(1);
    EXPECT_EQ(lcd.size(), QSize(30 + 5 * 21, 24));
}

} // namespace
