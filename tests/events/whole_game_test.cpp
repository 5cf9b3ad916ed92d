#include "book_form.h"
#include "counting_game.h"
#include "game_harness.h"
#include "games_stg.h"
#include "games_view.h"
#include "rec_file.h"
#include "top_ten_view.h"

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

// A game that enters its score in the top ten as it unloads, as the program's games do.
class ScoringGame : public CountingGame {
  public:
    using CountingGame::CountingGame;
    ~ScoringGame() override { CloseBeforeDestruction(); }
    void Unload() override
    {
        CountingGame::Unload();
        ++Unloads;
        EnsureTopTenView()->ShowResult("bubbles", "Keyvane", Score);
    }
    int Unloads = 0;
};

// While another copy holds the score file, the retry loop processes messages inside Unload; an Esc
// and a Cancel click then must not close the game again.
TEST_F(WholeGameTest, EscAndCancelWhileTheScoreFileIsBusyDoNotCloseTheGameAgain)
{
    world.dir.Write("bubbles.kvt", std::string(514, 'x'));
    TRecFile holder; // another copy of the program, holding the file alone
    ASSERT_EQ(holder.OpenFile("bubbles.kvt", 1, -1), 1);
    world.platform.dialogs->answers = {false, false, false};
    ScoringGame* game = nullptr;
    menu.makeGame = [&](std::int32_t, const std::string& description) {
        auto made = std::make_unique<ScoringGame>(description);
        made->onEnd = [this](std::int32_t result, std::int32_t score) { endings.push_back({result, score}); };
        game = made.get();
        return made;
    };
    ChooseAndStart();
    player
        .Then(
            "close after the end",
            [this] { return InState(TEvent::kFinished) && world.Message2() == "Press Enter to continue."; },
            [] { QueueKey(Qt::Key_Return); })
        .Then(
            "Esc and Cancel while it waits", [&] { return game && game->Unloads == 1; },
            [] {
                QueueKey(Qt::Key_Escape);
                QueueClick(BookForm->Cancel);
            })
        .Then(
            "leave", [this] { return world.MenuShown(); }, [] { QueueCloseWindow(); });
    Run();

    EXPECT_EQ(endings, (std::vector<Ending>{{4, 0}}));
    std::vector<std::string> texts;
    for (const ShownDialog& d : world.platform.dialogs->shown)
        texts.push_back(d.text.substr(0, 12));
    EXPECT_EQ(texts, (std::vector<std::string>{"The network ", "#-802  Time "}));
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
