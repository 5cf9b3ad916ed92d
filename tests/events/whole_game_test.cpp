#include "book_form.h"
#include "counting_game.h"
#include "game_harness.h"
#include "games_stg.h"
#include "games_view.h"

#include <gtest/gtest.h>

namespace {

struct Ending {
    std::int32_t result;
    std::int32_t score;
    bool operator==(const Ending&) const = default;
    friend void PrintTo(const Ending& e, std::ostream* os)
    {
        *os << "result " << e.result << ", score " << e.score;
    }
};

// The games loop with a menu whose every choice plays the counting game.
class WholeGameTest : public testing::Test {
  protected:
    WholeGameTest()
    {
        menu.makeGame = [this](std::int32_t, const std::string& description) {
            descriptions.push_back(description);
            auto game = std::make_unique<CountingGame>(description);
            game->onEnd = [this](std::int32_t result, std::int32_t score) {
                endings.push_back({result, score});
            };
            return game;
        };
        world.SetDriver([this] { player(); });
    }
    CountingGame* Playing() const { return dynamic_cast<CountingGame*>(world.Game()); }
    bool InState(std::uint8_t state) const { return Playing() && Playing()->State == state; }
    // The player's first steps: Bubbles from the menu, then any key on the prompt.
    void ChooseAndStart()
    {
        player
            .Then(
                "choose", [this] { return world.MenuShown(); }, [] { QueueClick(GamesStg->BubblesBtn); })
            .Then(
                "first key",
                [this] { return InState(TEvent::kReady) && world.Message1() == "Press any key"; },
                [] { QueueChar('q'); });
    }
    void Run()
    {
        world.RunGamesLoop(menu);
        EXPECT_FALSE(world.platform.pump->hitPassLimit);
        EXPECT_TRUE(player.Finished()) << "stopped after " << player.done.size() << " steps";
    }

    GameWorld world;
    TestGamesMenu menu;
    ScriptedPlayer player;
    std::vector<std::string> descriptions;
    std::vector<Ending> endings;
};

TEST_F(WholeGameTest, GameRunsFromTheFirstKeyToGameOverAndEnterGoesBackToTheMenu)
{
    std::uint32_t stoppedAt = 0, promptAt = 0;
    std::string firstLine;
    int litLamps = 0;
    ChooseAndStart();
    player.EveryPass = [this] {
        if (InState(TEvent::kRunning) && Playing()->Score < 5)
            QueueChar(Playing()->Target);
    };
    player
        .Then(
            "see the end",
            [this] { return InState(TEvent::kFinished) && world.Message2() == "Press Enter to continue."; },
            [&] {
                stoppedAt = Playing()->StoppedAt;
                promptAt = world.platform.clock->tick;
                firstLine = world.Message1();
                litLamps = Playing()->Lamps->LitCount;
                QueueKey(Qt::Key_Return);
            })
        .Then(
            "leave", [this] { return world.MenuShown(); }, [] { QueueCloseWindow(); });
    Run();

    EXPECT_EQ(endings, (std::vector<Ending>{{4, 5}}));
    EXPECT_EQ(menu.choices, std::vector<std::int32_t>{1});
    EXPECT_EQ(descriptions, std::vector<std::string>{"Event=Bubbles;0"});
    EXPECT_EQ(BookForm->Title->Caption(), "Bubbles");
    EXPECT_EQ(firstLine, "Game over.");
    EXPECT_GE(promptAt - stoppedAt, 2000u);
    EXPECT_EQ(litLamps, 6);
    const auto sounds = world.SoundsPlayed();
    EXPECT_EQ(std::count(sounds.begin(), sounds.end(), "Theend.wav"), 1);
    EXPECT_TRUE(world.platform.dialogs->shown.empty());
    EXPECT_TRUE(world.platform.pump->terminated);
}

TEST_F(WholeGameTest, EscBeforeTheEndCancelsTheGameWithoutAQuestion)
{
    ChooseAndStart();
    player.EveryPass = [this] {
        if (InState(TEvent::kRunning) && Playing()->Score < 2)
            QueueChar(Playing()->Target);
    };
    player
        .Then(
            "give up", [this] { return InState(TEvent::kRunning) && Playing()->Score == 2; },
            [] { QueueKey(Qt::Key_Escape); })
        .Then(
            "leave", [this] { return world.MenuShown(); }, [] { QueueCloseWindow(); });
    Run();

    EXPECT_EQ(endings, (std::vector<Ending>{{2, 2}}));
    EXPECT_TRUE(world.platform.dialogs->shown.empty());
}

TEST_F(WholeGameTest, ClosingTheWindowDuringTheGameEndsTheGamesLoop)
{
    ChooseAndStart();
    player.Then(
        "close", [this] { return InState(TEvent::kRunning) && Playing()->Steps >= 5; },
        [] { QueueCloseWindow(); });
    Run();

    EXPECT_EQ(endings, (std::vector<Ending>{{0, 0}}));
    EXPECT_EQ(menu.choices, std::vector<std::int32_t>{1}); // the menu was not shown again
    EXPECT_TRUE(world.platform.dialogs->shown.empty());
    EXPECT_EQ(CurrentView, nullptr);
}

TEST_F(WholeGameTest, DescriptionsNameTheChosenVocabularyAndStopAt255Characters)
{
    TGamesView choices;
    choices.TrisVocabulary = "Animals";
    choices.CloudsVocabulary = "Food";
    EXPECT_EQ(TGamesMenu::GameDescription(1, choices), "Event=Bubbles;0");
    EXPECT_EQ(TGamesMenu::GameDescription(2, choices), "Event=Tris;0;Animals.vcb");
    EXPECT_EQ(TGamesMenu::GameDescription(3, choices), "Event=Clouds;0;Food.vcb;True");
    EXPECT_EQ(TGamesMenu::GameDescription(4, choices), "");
    choices.CloudsVocabulary = std::string(240, 'f');
    EXPECT_EQ(TGamesMenu::GameDescription(3, choices), "Event=Clouds;0;" + std::string(240, 'f'));
}

// ";" and "=" end an entry of the description and "%" escapes them; names holding them still open their file.
TEST_F(WholeGameTest, VocabularyNamesWithDelimitersOrEscapesOpenTheirOwnFile)
{
    TGamesView choices;
    for (const std::string name : {"Q;A", "x=y", "a%;b"}) {
        choices.TrisVocabulary = choices.CloudsVocabulary = name;
        CountingGame tris(TGamesMenu::GameDescription(2, choices));
        EXPECT_EQ(tris.VocabularyFile, name + ".vcb");
        CountingGame clouds(TGamesMenu::GameDescription(3, choices));
        EXPECT_EQ(clouds.VocabularyFile, name + ".vcb");
        ASSERT_EQ(clouds.Entries.size(), 5u) << name;
        EXPECT_EQ(clouds.Entries[4], "True");
    }
}

} // namespace
