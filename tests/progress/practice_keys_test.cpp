#include "practice_keys.h"
#include "progress_data.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

// Totals that rate ch at percent % errors over 100 keystrokes (4 x the error rate, up to 100).
void Rate(TDifficultKeys& keys, unsigned char ch, int errorPercent)
{
    keys.TotalHits[ch] = 100;
    keys.TotalErrors[ch] = errorPercent;
    keys.Exposure[ch] = 100;
}

TEST(PracticeKeys, ANewPlayerPractisesTheHomeRow)
{
    TDifficultKeys keys;
    EXPECT_EQ(PracticeKeySet(keys), "fjdksl");
    Rate(keys, '#', 50);
    Rate(keys, 'a', 0);
    EXPECT_EQ(PracticeKeySet(keys), "fjdksl") << "unrated characters and easy keys are no difficult keys";
}

TEST(PracticeKeys, TheHardestRatedKeysComeFirstBetweenSixAndTwelve)
{
    const struct {
        const char* keys; // rated in this order, hardest first
        const char* set;
    } cases[] = {
        {"q", "qfjdks"},
        {"e,.Rt", "e,.Rtf"},
        {"j", "jfdksl"}, // a home-row key already chosen is not added twice
        {"abcdefghijklmn", "abcdefghijkl"},
    };
    for (const auto& c : cases) {
        TDifficultKeys keys;
        const int n = static_cast<int>(std::strlen(c.keys));
        for (int i = 0; i < n; ++i)
            Rate(keys, static_cast<unsigned char>(c.keys[i]), 24 - i);
        EXPECT_EQ(PracticeKeySet(keys), c.set) << c.keys;
    }
}

TEST(PracticeKeys, TheNoticeNamesTheThreeHardestKeysAndTheWeeksBest)
{
    TProgressData data;
    EXPECT_EQ(ProgressNotice(data), "") << "nothing to show keeps the menu's tip";
    Rate(data.Keys, 'r', 20);
    Rate(data.Keys, 'e', 10);
    Rate(data.Keys, 't', 15);
    Rate(data.Keys, 'u', 5);
    data.WeekBest = {950, -1, 120};
    EXPECT_EQ(ProgressNotice(data), "Your hardest keys: r, t, e. Best this week: Bubbles 950, Clouds 120. "
                                    "Click here or press Alt+Y to see your progress.");
}

} // namespace
