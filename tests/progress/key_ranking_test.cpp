#include "key_ranking.h"
#include "practice_keys.h"

#include <gtest/gtest.h>

#include <random>
#include <set>

namespace {

constexpr int kToday = 46000;

TKeyRecord Keys(unsigned char ch, int keystrokes, int errors)
{
    TKeyRecord r;
    for (int i = 0; i < keystrokes; ++i) {
        if (i < errors)
            r.Error(ch, 'q');
        else
            r.Correct(ch, 200);
    }
    return r;
}

TEST(KeyRanking, ConfidenceAndAgeOrderTheKeys)
{
    const struct {
        const char* why;
        int aKeys, aErrors, aAge; // the key a: keystrokes, errors, days back
        int bKeys, bErrors, bAge; // the key b
        char hardest;
    } rows[] = {
        {"3 in 6 do not outrank 40 in 200", 6, 3, 0, 200, 40, 0, 'b'},
        {"30 in 200 outrank 3 in 200", 200, 30, 0, 200, 3, 0, 'a'},
        {"old errors weigh less than new ones", 100, 30, 60, 100, 20, 0, 'b'},
        {"the same errors rank the same, by code", 100, 10, 0, 100, 10, 0, 'a'},
    };
    for (const auto& r : rows) {
        TKeyDays days;
        AddToDay(days, kToday - r.aAge, Keys('a', r.aKeys, r.aErrors));
        AddToDay(days, kToday - r.bAge, Keys('b', r.bKeys, r.bErrors));
        // Many easy keys, so that a and b stand out from the player's usual rate.
        for (unsigned char ch = 'c'; ch <= 'z'; ++ch)
            AddToDay(days, kToday, Keys(ch, 100, 1));
        const std::vector<TKeyStanding> ranking = RankKeys(days, kToday);
        ASSERT_FALSE(ranking.empty());
        EXPECT_EQ(ranking.front().Ch, r.hardest) << r.why;
    }
}

TEST(KeyRanking, ASlowKeyIsHarderThanAnEquallyAccurateFastOne)
{
    TKeyDays days;
    for (unsigned char ch = 'a'; ch <= 'z'; ++ch) {
        TKeyRecord r;
        for (int i = 0; i < 50; ++i)
            r.Correct(ch, ch == 'k' ? 500 : 250);
        r.Error(ch, 'x');
        AddToDay(days, kToday, r);
    }
    const std::vector<TKeyStanding> ranking = RankKeys(days, kToday);
    EXPECT_EQ(ranking.front().Ch, 'k');
    EXPECT_DOUBLE_EQ(ranking.front().Slowness, 1.0);
    EXPECT_DOUBLE_EQ(ranking.front().MsPerKey, 500);
    EXPECT_EQ(ranking.front().Confused, 'x');
}

// A simulated player: five keys mistyped a quarter of the time among keys mistyped 2 % of the time.
TEST(KeyRanking, ASimulatedPlayersWeakKeysComeFirstAndThePracticeSetHoldsStill)
{
    const std::string weak = "oaspd";
    std::mt19937 random(20261210);
    std::bernoulli_distribution weakError(0.25), usualError(0.02);
    std::normal_distribution<double> ms(260, 60);
    auto game = [&](int perKey) {
        TKeyRecord r;
        for (unsigned char ch = 'a'; ch <= 'z'; ++ch)
            for (int i = 0; i < perKey; ++i) {
                const bool isWeak = weak.find(char(ch)) != std::string::npos;
                if (isWeak ? weakError(random) : usualError(random))
                    r.Error(ch, static_cast<unsigned char>('a' + random() % 26));
                else
                    r.Correct(ch, std::max(60, int(ms(random))));
            }
        return r;
    };
    TKeyDays days;
    int today = kToday;
    for (int g = 0; g < 10; ++g)
        AddToDay(days, today, game(30));
    std::vector<TKeyStanding> ranking = RankKeys(days, today);
    std::set<unsigned char> firstFive;
    for (int i = 0; i < 5; ++i)
        firstFive.insert(ranking[std::size_t(i)].Ch);
    EXPECT_EQ(firstFive, std::set<unsigned char>(weak.begin(), weak.end()));

    const TDifficultKeys none;
    auto practice = [&] {
        const std::string set = PracticeKeySet(RankKeys(days, today), none);
        return std::set<char>(set.begin(), set.end());
    };
    std::set<char> before = practice();
    for (int g = 0; g < 40; ++g) {
        today += g % 3 == 0; // a game or three a day
        AddToDay(days, today, game(8));
        const std::set<char> after = practice();
        std::vector<char> changed;
        std::set_symmetric_difference(before.begin(), before.end(), after.begin(), after.end(),
                                      std::back_inserter(changed));
        EXPECT_LE(changed.size(), 2u) << "game " << g << ": more than one key changed";
        before = after;
    }
}

TEST(KeyRanking, PracticeWordsHoldTheWeakKeysAndTheirConfusions)
{
    TKeyDays days;
    TKeyRecord r;
    for (unsigned char ch = 'a'; ch <= 'z'; ++ch)
        for (int i = 0; i < 100; ++i)
            r.Correct(ch, 250);
    for (int i = 0; i < 40; ++i)
        r.Error('o', 'p');
    AddToDay(days, kToday, r);
    const std::vector<std::string> words = PracticeWords(RankKeys(days, kToday), TDifficultKeys(),
                                                         {"Cat", "pool", "moon", "tree", "pool", "x"}, 2);
    EXPECT_EQ(words, (std::vector<std::string>{"pool", "moon"}))
        << "o and the p typed for it, lower-cased, each word once";
}

} // namespace
