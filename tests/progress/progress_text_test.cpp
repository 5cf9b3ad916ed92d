#include "progress_view.h"

#include <gtest/gtest.h>

namespace {

TEST(ProgressText, TheSpokenPageTellsTheHardestKeysAndTheLastScores)
{
    TProgressData data;
    EXPECT_EQ(ProgressText(data), "No games yet: this page fills up as you play.");

    TKeyStanding e;
    e.Ch = 'e';
    e.ErrorRate = 0.333;
    e.MsPerKey = 251.6;
    TKeyStanding x;
    x.Ch = 'x';
    x.ErrorRate = 0.05;
    data.Ranking = {e, x};
    data.Scores[1] = {10, 20, 30, 40, 50, 60};
    data.WeekBest[1] = 60;
    EXPECT_EQ(ProgressText(data), "Your hardest keys: e, 33 % errors; 252 ms per key; x, 5 % errors; "
                                  "WordTris, your last scores: 60, 50, 40, 30, 20. Best this week: 60.");

    data.Problem = TStoreProblem::Held;
    EXPECT_EQ(ProgressText(data).rfind("Your last games could not be read: ", 0), 0u);
}

} // namespace
