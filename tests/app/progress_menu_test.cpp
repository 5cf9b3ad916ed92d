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

// A vocabulary with one word, the character of it that the player mistypes, what is typed for it,
// and what follows: the notice's start, the practice item, its key set.
struct TSlipCase {
    const char* word; // Windows-1252, as the games take it
    char due;
    char typed;
    const char* notice;
    const char* caption; // UTF-8
    const char* keySet;
};

// The player plays WordTris with a one-word vocabulary, mistyping the same character of each of four
// beams, and ends the game with Esc. On the menu the notice names that character; Alt+Y shows the
// progress view in place of the top ten, Esc brings the top ten back; "my difficult keys" starts
// Bubbles with it and the home row, ended with Esc too. Both games are in the store afterwards. The
// letters of other languages count as the letters of English do.
void PlayWithSlips(const TSlipCase& c)
{
    SCOPED_TRACE(c.word);
    GameWorld world;
    world.dir.Write("Words.vcb", std::string(c.word) + "\r\n");
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
        if (ch == c.due && !slipped) {
            slipped = true;
            QueueChar(c.typed);
            return;
        }
        if (ch == ' ' && g->CurrentWord != c.word) {
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
    EXPECT_EQ(notice.rfind(c.notice, 0), 0u) << notice;
    EXPECT_NE(notice.find("Alt+Y"), std::string::npos) << notice;
    EXPECT_TRUE(progressShown) << "the progress view takes the top ten's place";
    EXPECT_EQ(GamesStg->BubblesKeys->itemText(3).toStdString(), c.caption);
    EXPECT_EQ(keySet, c.keySet) << "the hard key twice, so that it brings more bubbles";

    TProgressStore store(folder);
    ASSERT_TRUE(store.Open());
    std::vector<THistoryRow> history;
    ASSERT_TRUE(store.History(history));
    ASSERT_EQ(history.size(), 2u);
    EXPECT_EQ(history[0].Game, "WordTris");
    EXPECT_EQ(history[0].Choice, "Words");
    EXPECT_EQ(history[0].Errors, 4);
    EXPECT_EQ(history[1].Game, "Bubbles");
    EXPECT_EQ(history[1].Choice, c.caption) << "the history keeps its texts in UTF-8";
    TDifficultKeys stored;
    ASSERT_TRUE(store.LoadTotals(stored));
    const auto due = static_cast<unsigned char>(c.due);
    EXPECT_EQ(stored.TotalHits[due], played.TotalHits[due]) << "the statistics hold what the store holds";
    EXPECT_EQ(stored.TotalErrors[due], played.TotalErrors[due]);
    if (TDifficultKeys::Rated(due)) {
        EXPECT_GT(stored.KeyDifficulty(due), 50.0f);
    }
}

TEST(ProgressMenu, AGameWithMistakesIsKeptShownAndItsKeysArePractised)
{
    const TSlipCase cases[] = {
        {"cat", 'a', 'x', "Your hardest keys: a. ", "my difficult keys: a f j d k s", "aafjdks"},
        {"stra\xDF"
         "e",
         '\xDF', 's', "Your hardest keys: \xDF. ", "my difficult keys: \xC3\x9F f j d k s",
         "\xDF\xDF"
         "fjdks"},
    };
    for (const TSlipCase& c : cases)
        PlayWithSlips(c);
}

} // namespace
