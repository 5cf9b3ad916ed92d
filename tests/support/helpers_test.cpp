#include "helpers.h"
#include "test_platform.h"

#include <algorithm>
#include <deque>
#include <gtest/gtest.h>
#include <random>

namespace {

using Names = std::vector<std::string>;

TEST(LinearMap, InterpolatesAndExtrapolatesRoundingOnceToSinglePrecision)
{
    const float rows[][6] = {// y1, y0, x1, x0, x, expected
                             {11, 3, 10, 1, 1, 3},
                             {11, 3, 10, 1, 10, 11},
                             {11, 3, 10, 1, 19, 19},
                             {11, 3, 10, 1, -8, -5},
                             // Rounding every float step gives 0.29999998 here.
                             {0.7f, 0.1f, 3, 0, 1, 0.3f}};
    for (const auto& r : rows)
        EXPECT_EQ(LinearMap(r[0], r[1], r[2], r[3], r[4]), r[5]) << r[4];
}

// Hands out scripted draws and records the range of each.
struct ScriptedRandom : IRandom {
    int Random(int n) override
    {
        ranges.push_back(n);
        const int j = draws.empty() ? 0 : draws.front();
        if (!draws.empty())
            draws.pop_front();
        return j;
    }
    double Random() override { return 0; }
    void Randomize() override { ++reseeds; }
    std::deque<int> draws;
    std::vector<int> ranges;
    int reseeds = 0;
};

TEST(ShuffleList, MovesEachEntryToItsDrawnPlaceAndNeverTheLast)
{
    TestPlatform platform;
    auto owned = std::make_unique<ScriptedRandom>();
    ScriptedRandom& random = *owned;
    Platform::Install(std::move(owned));

    random.draws = {3, 0, 2, 1};
    Names list{"a", "b", "c", "d", "e"};
    // a to 3: b c d a e; c to 0: c b d a e; index 2 stays; a (now at 3) to 1: c a b d e.
    EXPECT_EQ(&ShuffleList(list), &list);
    EXPECT_EQ(list, (Names{"c", "a", "b", "d", "e"}));
    EXPECT_EQ(random.ranges, (std::vector<int>{4, 4, 4, 4}));
    EXPECT_EQ(random.reseeds, 1);

    for (const Names& original : {Names{}, Names{"one"}, Names{"one", "two"}}) {
        Names list = original;
        EXPECT_EQ(ShuffleList(list), original);
    }
}

// Draws from a seeded generator and records them, so that the plain moves can replay the same draws.
struct RecordingRandom : IRandom {
    explicit RecordingRandom(unsigned seed) : engine(seed) {}
    int Random(int n) override
    {
        return draws.emplace_back(std::uniform_int_distribution<int>(0, n - 1)(engine));
    }
    double Random() override { return 0; }
    void Randomize() override {}
    std::mt19937 engine;
    std::vector<int> draws;
};

// A large vocabulary is mixed without shifting the list for every move; the order must stay the one
// the moves give, entry for entry.
TEST(ShuffleList, GivesTheOrderOfThePlainMovesForTheSameDraws)
{
    TestPlatform platform;
    for (int size : {2, 3, 4, 10, 101, 3000}) {
        for (unsigned seed : {1u, 7u, 2024u}) {
            auto owned = std::make_unique<RecordingRandom>(seed);
            const RecordingRandom& random = *owned;
            Platform::Install(std::move(owned));
            Names list;
            for (int k = 0; k < size; ++k)
                list.push_back("w" + std::to_string(k));
            Names expected = list;
            ShuffleList(list);

            ASSERT_EQ(random.draws.size(), static_cast<std::size_t>(size - 1));
            const auto at = [&expected](int k) { return expected.begin() + k; };
            for (int i = 0; i + 1 < size; ++i) {
                const int j = random.draws[static_cast<std::size_t>(i)];
                if (j > i)
                    std::rotate(at(i), at(i + 1), at(j + 1));
                else
                    std::rotate(at(j), at(i), at(i + 1));
            }
            EXPECT_EQ(list, expected) << size << " entries, seed " << seed;
        }
    }
}

TEST(ShellOpenDocument, CutsEachArgumentTo79CharactersAndReturnsTheShellsAnswer)
{
    TestPlatform platform;
    platform.shell->answer = 31;
    EXPECT_EQ(ShellOpenDocument(std::string(100, 'f'), std::string(80, 'p'), std::string(79, 'd')), 31);
    ASSERT_EQ(platform.shell->requests.size(), 1u);
    EXPECT_EQ(platform.shell->requests[0].file, std::string(79, 'f'));
    EXPECT_EQ(platform.shell->requests[0].parameters, std::string(79, 'p'));
    EXPECT_EQ(platform.shell->requests[0].folder, std::string(79, 'd'));
}

} // namespace
