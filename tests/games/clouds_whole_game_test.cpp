#include "book_form.h"
#include "cloud_game.h"
#include "game_harness.h"
#include "games_stg.h"
#include "missed_lcd.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <set>

namespace {

constexpr std::int32_t kScoreToReach = 400;

// The scores stored in a score file: 514-byte rows with a 16-bit score after the 256-byte name.
std::vector<std::int32_t> StoredScores(const std::string& bytes)
{
    std::vector<std::int32_t> scores;
    for (std::size_t at = 0; at + 514 <= bytes.size(); at += 514)
        scores.push_back(static_cast<unsigned char>(bytes[at + 256]) |
                         (static_cast<unsigned char>(bytes[at + 257]) << 8));
    return scores;
}

bool ShowsWord(const TCloud& c)
{
    return c.Kind != TCloud::kWhite && c.Shade() == 3;
}

// The player picks Clouds on the menu, catches every cloud that shows a word until the score is
// reached, then watches six stormy clouds drift away, closes the game with Enter and the program
// with its close box.
TEST(CloudsWholeGame, PlayedFromTheMenuToGameOverTheScoreReachesTheTable)
{
    GameWorld world;
    world.dir.Write("Sky.vcb", "rain\r\nsnow\r\nhail\r\nthunder\r\ndrizzle\r\n");
    TestGamesMenu menu;
    ScriptedPlayer player;
    const auto playing = [&] { return dynamic_cast<TCloudGame*>(world.Game()); };
    const auto inState = [&](std::uint8_t s) { return playing() && playing()->State == s; };
    std::set<std::string> wordsSeen;
    int litLamps = 0;
    std::int32_t finalScore = 0;

    player.EveryPass = [&] {
        TCloudGame* g = playing();
        if (!g || g->State != TEvent::kRunning || g->Score >= kScoreToReach)
            return;
        if (g->Selected < 0 || g->Selected >= static_cast<std::int32_t>(g->Clouds.size()))
            return;
        const TCloud& c = g->Clouds[static_cast<std::size_t>(g->Selected)];
        if (ShowsWord(c)) {
            wordsSeen.insert(c.Word);
            if (c.Done())
                QueueKey(Qt::Key_Return);
            else
                QueueChar(c.Word[static_cast<std::size_t>(c.TypedPos - 1)]);
        } else if (std::any_of(g->Clouds.begin(), g->Clouds.end(), ShowsWord)) {
            QueueKey(Qt::Key_Return);
        }
    };
    player
        .Then(
            "choose", [&] { return world.MenuShown(); }, [] { QueueClick(GamesStg->CloudsBtn); })
        .Then(
            "first key", [&] { return inState(TEvent::kReady) && world.Message1() == "Press any key"; },
            [] { QueueChar('x'); })
        .Then(
            "see the end",
            [&] { return inState(TEvent::kFinished) && world.Message2() == "Press Enter to continue."; },
            [&] {
                litLamps = playing()->MissedLcdCtl->LitCount;
                finalScore = playing()->Score;
                QueueKey(Qt::Key_Return);
            })
        .Then(
            "leave", [&] { return world.MenuShown(); }, [] { QueueCloseWindow(); });
    world.SetDriver([&] { player(); });
    world.RunGamesLoop(menu);

    EXPECT_FALSE(world.platform.pump->hitPassLimit);
    EXPECT_TRUE(player.Finished()) << "stopped after " << player.done.size() << " steps";
    EXPECT_EQ(menu.choices, std::vector<std::int32_t>{3});
    EXPECT_EQ(BookForm->Title->Caption(), "Clouds");
    EXPECT_EQ(litLamps, 6);
    EXPECT_GE(finalScore, kScoreToReach);
    const std::set<std::string> vocabulary{"rain", "snow", "hail", "thunder", "drizzle"};
    EXPECT_FALSE(wordsSeen.empty());
    EXPECT_TRUE(std::includes(vocabulary.begin(), vocabulary.end(), wordsSeen.begin(), wordsSeen.end()));
    const std::vector<std::int32_t> stored = StoredScores(world.dir.Read("Clouds.kvt"));
    EXPECT_EQ(stored.size(), 10u);
    EXPECT_NE(std::find(stored.begin(), stored.end(), finalScore), stored.end());
}

} // namespace
