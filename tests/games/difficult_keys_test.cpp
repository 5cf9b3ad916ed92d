#include "difficult_keys.h"

#include <gtest/gtest.h>

namespace {

void Play(TDifficultKeys& keys, unsigned char ch, int hits, int errors)
{
    for (int i = 0; i < hits; ++i)
        keys.RecordKey(ch, i < errors);
    keys.Evaluate();
}

TEST(DifficultKeys, OldTotalsFadeByHowMuchTheKeyWasUsed)
{
    const struct {
        int hits, errors, totalHits, totalErrors;
    } games[] = {
        {10, 2, 10, 2},
        {20, 0, 25, 1}, // fade 0.5
        {10, 3, 29, 4}, // fade 0.75: 18.75 -> 19, 0.75 -> 1
        {40, 1, 40, 1}, // fade 0: the old totals are gone
    };
    TDifficultKeys keys;
    keys.RecordKey(' ', true);
    Play(keys, 'z', 1, 1);
    for (const auto& g : games) {
        Play(keys, 'k', g.hits, g.errors);
        EXPECT_EQ(keys.TotalHits['k'], g.totalHits) << g.hits;
        EXPECT_EQ(keys.TotalErrors['k'], g.totalErrors) << g.hits;
        EXPECT_EQ(keys.RecentHits['k'], 0);
    }
    EXPECT_EQ(keys.Exposure['k'], 80);
    EXPECT_EQ(keys.TotalHits['z'], 1) << "a key not typed keeps its totals";
    EXPECT_EQ(keys.TotalHits['!'], 0);
}

TEST(DifficultKeys, RareKeysAreRatedDownAndRatingsStopAtOneHundred)
{
    TDifficultKeys keys;
    Play(keys, 'e', 10, 2);
    EXPECT_NEAR(keys.KeyDifficulty('e'), 53.33f, 0.01f); // 20 % damped by 10/15, times 4

    keys.Exposure['q'] = 20;
    Play(keys, 'q', 10, 4); // 40 % rates 160
    EXPECT_EQ(keys.TotalErrors['q'], 2) << "4 x 100/160 = 2.5, halves to even";
    EXPECT_FLOAT_EQ(keys.KeyDifficulty('q'), 80.0f);

    Play(keys, '.', 20, 20);
    EXPECT_FLOAT_EQ(keys.KeyDifficulty('.'), 100.0f);
    Play(keys, '#', 20, 20);
    EXPECT_EQ(keys.TotalErrors['#'], 20) << "counted, but never rated or capped";
    EXPECT_EQ(keys.KeyDifficulty('#'), 0.0f);
}

TEST(DifficultKeys, ExposureFallsBackInsteadOfPassingTheLimit)
{
    TDifficultKeys keys;
    keys.Exposure['a'] = 28990;
    Play(keys, 'a', 10, 0);
    EXPECT_EQ(keys.Exposure['a'], 29000);
    Play(keys, 'a', 1, 0);
    EXPECT_EQ(keys.Exposure['a'], 25000);
}

} // namespace
