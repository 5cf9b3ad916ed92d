#include "book_form.h"
#include "event_view_stg.h"
#include "game_harness.h"
#include "games_menu.h"
#include "games_stg.h"
#include "wordtris.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace {

constexpr std::int32_t kScoreToReach = 800;
constexpr std::size_t kRecordSize = 514;

// The (name, score) rows of a score file: a 256-byte name field (length byte first), then a 16-bit score.
std::vector<std::pair<std::string, int>> StoredRows(const std::string& bytes)
{
    std::vector<std::pair<std::string, int>> rows;
    for (std::size_t at = 0; at + kRecordSize <= bytes.size(); at += kRecordSize)
        rows.emplace_back(bytes.substr(at + 1, static_cast<unsigned char>(bytes[at])),
                          static_cast<unsigned char>(bytes[at + 256]) |
                              (static_cast<unsigned char>(bytes[at + 257]) << 8));
    return rows;
}

// The player picks WordTris with a one-word vocabulary, types the word and Space for every beam
// until the score is reached, then lets six beams fall onto the pile. Enter leaves the finished
// game; on the menu the player gives a name for the new top-ten row, and the close box ends the program.
TEST(WordTrisWholeGame, CaughtBeamsScoreAndSixMissedOnesEndTheGameAndTheScoreIsStored)
{
    GameWorld world;
    world.dir.Write("Cat.vcb", "cat\r\n");
    TGamesMenu menu;
    ScriptedPlayer player;
    const auto playing = [&] { return dynamic_cast<TWTrisEvent*>(world.Game()); };
    const auto inState = [&](std::uint8_t s) { return playing() && playing()->State == s; };
    std::int32_t finalScore = 0;
    float topSpeed = 0;
    std::vector<std::string> missedAtEnd;

    player.EveryPass = [&] {
        TWTrisEvent* g = playing();
        if (!g || g->State != TEvent::kRunning || g->Score >= kScoreToReach || g->BeamRow == 0)
            return;
        topSpeed = std::max(topSpeed, g->SpeedLevel);
        // The word and its Space; once the word is typed the beam's text is the prompt, whose last
        // character is the Space too.
        const std::string due = g->CurrentWord + " ";
        QueueChar(due[static_cast<std::size_t>(g->TypedIndex - 1)]);
    };
    player
        .Then(
            "choose", [&] { return world.MenuShown() && GamesStg->TrisFileList->currentText() == "Cat"; },
            [] { QueueClick(GamesStg->WordTrisBtn); })
        .Then(
            "first key", [&] { return inState(TEvent::kReady) && world.Message1() == "Press any key"; },
            [] { QueueChar('x'); })
        .Then(
            "see the end",
            [&] { return inState(TEvent::kFinished) && world.Message2() == "Press Enter to continue."; },
            [&] {
                finalScore = playing()->Score;
                missedAtEnd = playing()->MissedWords;
                QueueKey(Qt::Key_Return);
            })
        .Then(
            "give a name", [&] { return world.MenuShown() && !EventViewStg->NameBox->isHidden(); },
            [] {
                EventViewStg->NameBox->SetText("Typist");
                QueueKey(Qt::Key_Return);
            })
        .Then(
            "leave", [&] { return world.MenuShown() && EventViewStg->NameBox->isHidden(); },
            [] { QueueCloseWindow(); });
    world.SetDriver([&] { player(); });
    world.RunGamesLoop(menu);

    EXPECT_FALSE(world.platform.pump->hitPassLimit);
    ASSERT_TRUE(player.Finished()) << "stopped after " << player.done.size() << " steps";
    EXPECT_EQ(BookForm->Title->Caption(), "Wordtris");
    EXPECT_GE(finalScore, kScoreToReach);
    EXPECT_FLOAT_EQ(topSpeed, 10.0f);
    EXPECT_EQ(missedAtEnd, std::vector<std::string>(6, "cat"));
    const auto sounds = world.SoundsPlayed();
    EXPECT_EQ(std::count(sounds.begin(), sounds.end(), "Error.wav"), 0);
    EXPECT_EQ(std::count(sounds.begin(), sounds.end(), "Theend.wav"), 1);

    const auto rows = StoredRows(world.dir.Read("wordtris.kvt"));
    ASSERT_EQ(rows.size(), 10u);
    EXPECT_NE(std::find(rows.begin(), rows.end(), std::pair<std::string, int>{"Typist", finalScore}),
              rows.end());
    EXPECT_TRUE(
        std::is_sorted(rows.begin(), rows.end(), [](auto& a, auto& b) { return a.second > b.second; }));
}

} // namespace
