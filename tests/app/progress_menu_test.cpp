#include "book_form.h"
#include "bubbles.h"
#include "chapter_view.h"
#include "event_view_stg.h"
#include "game_harness.h"
#include "game_record.h"
#include "games_menu.h"
#include "games_stg.h"
#include "player_progress.h"
#include "progress_view.h"
#include "top_ten_view.h"
#include "wordtris.h"

#include <gtest/gtest.h>

namespace {

// The player plays WordTris with a one-word vocabulary, mistyping the a of each of four beams, and
// ends the game with Esc. On the menu the notice names the a; Alt+Y shows the progress view in
// place of the top ten, Esc brings the top ten back; "my difficult keys" starts Bubbles with the a
// and the home row, ended with Esc too. Both games are in the store afterwards.
TEST(ProgressMenu, AGameWithMistakesIsKeptShownAndItsKeysArePractised)
{
    GameWorld world;
    world.dir.Write("Cat.vcb", "cat\r\n");
    TDifficultKeys* keys = EnsureDifficultKeys();
    const TDifficultKeys before = *keys;
    *keys = TDifficultKeys();
    const std::string folder = world.dir.Path() + "/state";
    TPlayerProgress progress(folder);
    progress.Start(*keys);
    SetGameRecordSink([&](const TGameRecord& r) { progress.Record(r); });
    TGamesMenu menu;
    menu.Progress = &progress;

    ScriptedPlayer player;
    const auto tris = [&] { return dynamic_cast<TWTrisEvent*>(world.Game()); };
    const auto bubbles = [&] { return dynamic_cast<TBubbles*>(world.Game()); };
    const auto onLeftPage = [](QWidget* w) { return w && w->parentWidget() == BookForm->LeftPage; };
    int beams = 0;
    bool slipped = false;
    std::string notice, keySet;
    bool progressShown = false;
    player.EveryPass = [&] {
        TWTrisEvent* g = tris();
        if (!g || g->State != TEvent::kRunning || g->BeamRow == 0 || beams >= 4)
            return;
        const std::string due = g->CurrentWord + " ";
        const char ch = due[static_cast<std::size_t>(g->TypedIndex - 1)];
        if (ch == 'a' && !slipped) {
            slipped = true;
            QueueChar('x');
            return;
        }
        if (ch == ' ' && g->CurrentWord != "cat") {
            ++beams;
            slipped = false;
        }
        QueueChar(ch);
    };
    player
        .Then(
            "choose WordTris", [&] { return world.MenuShown(); }, [] { QueueClick(GamesStg->WordTrisBtn); })
        .Then(
            "first key", [&] { return tris() && tris()->State == TEvent::kReady; }, [] { QueueChar('x'); })
        .Then(
            "end the game", [&] { return beams == 4; }, [] { QueueKey(Qt::Key_Escape); })
        .Then(
            "open the progress", [&] { return world.MenuShown() && ChapterView->LeftView == TopTenView; },
            [&] {
                notice = GamesStg->Label4->Caption();
                QueueKey(Qt::Key_Y, Qt::AltModifier);
            })
        .Then(
            "leave it",
            [&] {
                auto* view = dynamic_cast<TProgressView*>(ChapterView->LeftView);
                return view && view->Active && onLeftPage(view->Page());
            },
            [&] {
                progressShown = !onLeftPage(EventViewStg->TopTenTitle);
                QueueKey(Qt::Key_Escape);
            })
        .Then(
            "practise",
            [&] { return ChapterView->LeftView == TopTenView && onLeftPage(EventViewStg->TopTenTitle); },
            [] {
                GamesStg->BubblesKeys->setCurrentIndex(3);
                emit GamesStg->BubblesKeys->activated(3);
                QueueClick(GamesStg->BubblesBtn);
            })
        .Then(
            "end Bubbles", [&] { return bubbles() != nullptr; },
            [&] {
                keySet = bubbles()->KeySet;
                QueueKey(Qt::Key_Escape);
            })
        .Then(
            "leave", [&] { return world.MenuShown(); }, [] { QueueCloseWindow(); });
    world.SetDriver([&] { player(); });
    world.RunGamesLoop(menu);
    SetGameRecordSink(nullptr);
    const TDifficultKeys played = *keys;
    *keys = before;

    ASSERT_TRUE(player.Finished()) << "stopped after " << player.done.size() << " steps";
    EXPECT_EQ(notice.rfind("Your hardest keys: a. ", 0), 0u) << notice;
    EXPECT_NE(notice.find("Alt+Y"), std::string::npos) << notice;
    EXPECT_TRUE(progressShown) << "the progress view takes the top ten's place";
    EXPECT_EQ(GamesStg->BubblesKeys->itemText(3).toStdString(), "my difficult keys");
    EXPECT_EQ(keySet, "afjdks");

    TProgressStore store(folder);
    ASSERT_TRUE(store.Open());
    std::vector<THistoryRow> history;
    ASSERT_TRUE(store.History(history));
    ASSERT_EQ(history.size(), 2u);
    EXPECT_EQ(history[0].Game, "WordTris");
    EXPECT_EQ(history[0].Choice, "Cat");
    EXPECT_EQ(history[0].Errors, 4);
    EXPECT_EQ(history[1].Game, "Bubbles");
    EXPECT_EQ(history[1].Choice, "my difficult keys: afjdks");
    TDifficultKeys stored;
    ASSERT_TRUE(store.LoadTotals(stored));
    EXPECT_EQ(stored.TotalHits['a'], played.TotalHits['a']) << "the statistics hold what the store holds";
    EXPECT_EQ(stored.TotalErrors['a'], played.TotalErrors['a']);
    EXPECT_GT(stored.KeyDifficulty('a'), 50.0f);
}

} // namespace
