#include "bench_support.h"
#include "helpers.h"

#include <benchmark/benchmark.h>
#include <random>

namespace {

constexpr std::size_t kWords = 100'000;

// A word list of the size of a large dictionary: words of 3 to 14 lower-case letters.
std::vector<std::string> DictionaryWords()
{
    std::mt19937 engine(4711);
    std::uniform_int_distribution<int> length(3, 14);
    std::uniform_int_distribution<int> letter('a', 'z');
    std::vector<std::string> words(kWords);
    for (std::string& w : words)
        for (int k = length(engine); k > 0; --k)
            w.push_back(static_cast<char>(letter(engine)));
    return words;
}

// A game mixing its 100,000-word vocabulary, as it does before its first word and after every pass.
void BM_ShuffleList(benchmark::State& state)
{
    std::vector<std::string> words = DictionaryWords();
    const std::string last = words.back();
    for (auto _ : state) {
        ShuffleList(words);
        benchmark::DoNotOptimize(words.data());
    }
    Require(words.size() == kWords && words.back() == last, "Shuffle: the list lost words or its last entry");
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * kWords));
}

} // namespace

BENCHMARK(BM_ShuffleList)->Unit(benchmark::kMillisecond);
