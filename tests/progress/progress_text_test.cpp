#include "progress_view.h"

#include "day_count.h"

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
                                  "WordTris, your last scores: 60, 50, 40, 30, 20. Best this week: 60. "
                                  "No typing in the last 30 days.");

    data.Problem = TStoreProblem::Held;
    EXPECT_EQ(ProgressText(data).rfind("Your last games could not be read: ", 0), 0u);
}

TEST(ProgressText, TheSpokenPageTellsEachDayWithTypingTheNewestFirst)
{
    TProgressData data;
    data.Today = int(DayZero().daysTo(QDate(2026, 12, 10)));
    // Each row is one key's tally on a day; a day's figures are the sums over its keys.
    struct TRow {
        int DaysBack;
        unsigned char Ch;
        std::int32_t Keystrokes, Errors, TimedStrokes;
        std::int64_t TimedMs;
    };
    const TRow rows[] = {
        {30, 'a', 50, 0, 50, 10000},   // a day before the charts: left out
        {29, 'a', 100, 10, 90, 45000}, // the first day the charts draw
        {9, 'q', 0, 0, 0, 0},          // a day with nothing typed: left out
        {2, 's', 200, 10, 0, 0},       // typed but not timed: no speed
        {0, 'e', 60, 3, 30, 20000},    // today, over two keys: 100 keystrokes, 4 errors,
        {0, 'f', 40, 1, 30, 10000},    //   60 timed in 30 s: 120 a minute
    };
    for (const TRow& r : rows) {
        const int day = data.Today - r.DaysBack;
        if (data.KeyDays.empty() || data.KeyDays.back().Day != day)
            data.KeyDays.push_back({day, {}});
        TKeyTally& t = data.KeyDays.back().Keys[r.Ch];
        t.Keystrokes = r.Keystrokes;
        t.Errors = r.Errors;
        t.TimedStrokes = r.TimedStrokes;
        t.TimedMs = r.TimedMs;
    }
    EXPECT_EQ(ProgressText(data), "Your last 30 days: 10 Dec: 96 % right, 120 characters a minute; "
                                  "8 Dec: 95 % right; 11 Nov: 90 % right, 120 characters a minute.");
}

} // namespace
