#include "book_form.h"
#include "cloud_game.h"
#include "game_harness.h"
#include "games_stg.h"
#include "missed_lcd.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <set>

namespace {

bool ShowsWord(const TCloud& c)
{
    return c.Kind != TCloud::kWhite && c.Shade() == 3;
}

// The player picks Clouds on the menu and catches every cloud that shows a word until the score is
// reached, then watches six stormy clouds drift away, closes the game with Enter and the program with
// its close box. The score goes into the "Clouds" table.
TEST(CloudsWholeGame, PlayedFromTheMenuToGameOverTheScoreReachesTheTable)
{
    constexpr std::int32_t kScoreToReach = 400;
    GameWorld world;
    world.dir.Write("Sky.vcb", "rain\r\nsnow\r\nhail\r\nthunder\r\ndrizzle\r\n");
    TestGamesMenu menu;
    ScriptedPlayer player;
    const auto playing = [&] { return dynamic_cast<TCloudGame*>(world.Game()); };
    const auto inState = [&](std::uint8_t s) { return playing() && playing()->State == s; };
    std::set<std::string> wordsSeen;
    int litLamps = 0;
    std::int32_t score = 0;
    player.EveryPass = [&] {
        TCloudGame* g = playing();
        if (!g || g->State != TEvent::kRunning || g->Score >= kScoreToReach || g->Selected < 0 ||
            g->Selected >= static_cast<std::int32_t>(g->Clouds.size()))
            return;
        const TCloud& c = g->Clouds[static_cast<std::size_t>(g->Selected)];
        if (ShowsWord(c))
            wordsSeen.insert(c.Word);
        if (ShowsWord(c) && !c.Done())
            QueueChar(c.Word[static_cast<std::size_t>(c.TypedPos - 1)]);
        else if (ShowsWord(c) || std::any_of(g->Clouds.begin(), g->Clouds.end(), ShowsWord))
            QueueKey(Qt::Key_Return); // catch it, or move on towards one that shows a word
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
                score = playing()->Score;
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
    EXPECT_GE(score, kScoreToReach);
    const std::set<std::string> vocabulary{"rain", "snow", "hail", "thunder", "drizzle"};
    EXPECT_FALSE(wordsSeen.empty());
    EXPECT_TRUE(std::includes(vocabulary.begin(), vocabulary.end(), wordsSeen.begin(), wordsSeen.end()));
    // Ten 514-byte rows, each with its 16-bit score after the 256-byte name.
    const std::string table = world.dir.Read("Clouds.kvt");
    ASSERT_EQ(table.size(), 10u * 514);
    bool stored = false;
    for (std::size_t at = 256; at < table.size(); at += 514)
        stored = stored || (static_cast<unsigned char>(table[at]) | static_cast<unsigned char>(table[at + 1])
                                                                        << 8) == score;
    EXPECT_TRUE(stored) << score;
}

} // namespace
