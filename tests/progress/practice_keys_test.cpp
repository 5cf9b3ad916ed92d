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

// Keys are named from the key record only: the statistics' totals (kept by an earlier version, or a
// game typed at a white cloud) may count keys that were never due.
TEST(PracticeKeys, TheNoticeNamesTheKeyRecordsHardestKeysAndTheWeeksBest)
{
    TProgressData data;
    EXPECT_EQ(ProgressNotice(data), "Your progress shows here after your first game: press Alt+Y to see it.");
    Rate(data.Keys, 'r', 20);
    Rate(data.Keys, 'e', 10);
    // A ranking the statistics stood in for: never named.
    for (unsigned char ch : {'a', 'c'}) {
        TKeyStanding k;
        k.Ch = ch;
        k.Difficulty = 50;
        data.Ranking.push_back(k);
    }
    EXPECT_EQ(ProgressNotice(data), "Your progress shows here after your first game: press Alt+Y to see it.")
        << "no key record yet: the first-game line";
    data.WeekBest = {950, -1, 120};
    EXPECT_EQ(ProgressNotice(data), "Best this week: Bubbles 950, Clouds 120. "
                                    "Click here or press Alt+Y to see your progress.");
    TKeyRecord keys;
    for (unsigned char ch : {'r', 't', 'e', 'u', 'a', 's', 'd'})
        for (int i = 0; i < 40; ++i)
            keys.Correct(ch, 200);
    for (int i = 0; i < 20; ++i) {
        keys.Error('r', 'e');
        keys.Error('\xDF', 's');
        keys.Correct('\xDF', 200);
    }
    for (int i = 0; i < 12; ++i)
        keys.Error('t', 'r');
    AddToDay(data.KeyDays, 46000, keys);
    data.Ranking = RankKeys(data.KeyDays, 46000);
    data.RankedFromRecord = true;
    EXPECT_EQ(ProgressNotice(data), "Your hardest keys: \xDF, r, t. Best this week: Bubbles 950, Clouds 120. "
                                    "Click here or press Alt+Y to see your progress.");
}

TEST(PracticeKeys, TheNoticeNamesPunctuationAndTheKeyRecordRanksBeforeTheStatistics)
{
    TProgressData data;
    Rate(data.Keys, 'r', 20);
    TKeyRecord keys;
    for (unsigned char ch = 'a'; ch <= 'z'; ++ch)
        for (int i = 0; i < 50; ++i)
            keys.Correct(ch, 200);
    for (int i = 0; i < 30; ++i) {
        keys.Error(',', '.');
        keys.Error('.', ',');
        keys.Correct(',', 200);
        keys.Correct('.', 200);
    }
    AddToDay(data.KeyDays, 46000, keys);
    data.Ranking = RankKeys(data.KeyDays, 46000);
    data.RankedFromRecord = true;
    EXPECT_EQ(ProgressNotice(data),
              "Your hardest keys: comma, full stop. Click here or press Alt+Y to see your progress.");
    const std::string set = PracticeKeySet(data.Ranking, data.Keys);
    EXPECT_EQ(set, ",.,.fjdk") << "the hard keys twice, filled up to six keys with the home row";
}

} // namespace
