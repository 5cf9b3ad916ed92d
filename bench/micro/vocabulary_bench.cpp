#include "bench_support.h"
#include "custom_game_event.h"
#include "text_file.h"

#include <QFileInfo>

#include <benchmark/benchmark.h>
#include <fstream>
#include <random>
#include <sstream>

namespace {

constexpr std::size_t kLines = 100'000;
const std::string kFileName = "Bench words.vcb";

enum class TBody { Plain, Scrambled, Utf8 };

// The body lines of a shipped word list: a plain list, or the body of a vocabulary file after its
// "$" header lines.
std::vector<std::string> ShippedWords(const std::string& name)
{
    std::ifstream in(std::string(KV_WORD_LISTS) + "/" + name, std::ios::binary);
    Require(in.good(), "Vocabulary: cannot read the word list " + name);
    std::vector<std::string> words;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (!line.empty() && line[0] != '$')
            words.push_back(line);
    }
    return words;
}

std::vector<std::string> WordsFor(TBody body)
{
    std::vector<std::string> words;
    const std::vector<std::string> lists =
        body == TBody::Utf8 ? std::vector<std::string>{"Français.vcb", "Deutsch.vcb"}
                            : std::vector<std::string>{"short_words.txt", "animals.txt", "food.txt",
                                                       "phrases.txt", "big_words.txt"};
    for (const std::string& list : lists)
        for (std::string& w : ShippedWords(list))
            words.push_back(std::move(w));
    Require(!words.empty(), "Vocabulary: the shipped word lists are empty");
    return words;
}

// A vocabulary file of 100,000 lines in the program's folder, laid out as the shipped ones are: a
// header, then the shipped words over and over, one a line.
void WriteVocabulary(TBody body)
{
    const std::vector<std::string> words = WordsFor(body);
    std::ostringstream text;
    text << "$version=1.0\r\n$description=One hundred thousand words\r\n$author=Keyvane's Games! team\r\n"
         << "$copyright=Copyright (c) Keyvane's Games! team. Free to copy and share.\r\n";
    if (body == TBody::Scrambled)
        text << "$fileformat=crypted\r\n";
    for (std::size_t i = 0; i < kLines; ++i) {
        const std::string& word = words[i % words.size()];
        text << (body == TBody::Scrambled ? TTextFile::Scramble(word) : word) << "\r\n";
    }
    std::ofstream out(kFileName, std::ios::binary | std::ios::trunc);
    out << text.str();
    Require(out.good(), "Vocabulary: cannot write " + kFileName);
}

// The game frame reading a 100,000-word vocabulary file into its word list, as a game does when it loads.
void BM_LoadVocabulary(benchmark::State& state, TBody body)
{
    WriteVocabulary(body);
    TCustomGameEvent game("Event=Tris;0;" + kFileName);
    game.Vocabulary = std::make_unique<std::vector<std::string>>();
    game.LoadVocabulary();
    Require(game.Vocabulary->size() == kLines, "Vocabulary: the game did not take 100,000 words");

    for (auto _ : state) {
        // A game starts with an empty list; freeing the last pass's words is not part of loading.
        state.PauseTiming();
        game.Vocabulary = std::make_unique<std::vector<std::string>>();
        state.ResumeTiming();
        game.LoadVocabulary();
    }
    Require(game.Vocabulary->size() == kLines, "Vocabulary: the game did not take 100,000 words");
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * kLines));
}

// A vocabulary as keyvane-files writes it from a large list: words of 3 to 14 lower-case letters, or
// (letters > 0) lines of that many, one a line.
void WriteLargeVocabulary(const std::string& name, std::int64_t words, std::int64_t letters)
{
    std::mt19937 engine(4711);
    std::uniform_int_distribution<int> length(3, 14);
    std::uniform_int_distribution<int> letter('a', 'z');
    std::string text;
    for (std::int64_t i = 0; i < words; ++i) {
        for (std::int64_t k = letters > 0 ? letters : length(engine); k > 0; --k)
            text.push_back(static_cast<char>(letter(engine)));
        text += "\r\n";
    }
    std::ofstream out(name, std::ios::binary | std::ios::trunc);
    out << text;
    Require(out.good(), "Vocabulary: cannot write " + name);
}

// What a game does with its vocabulary between the first key and the first beam: it reads the whole
// file and mixes the list before it takes the first word. Measured for the largest lists, by the
// number of lines and their length, to find the largest that plays within 2 s.
void BM_FirstWordOfLargeVocabulary(benchmark::State& state)
{
    const std::string name = "Large words.vcb";
    WriteLargeVocabulary(name, state.range(0), state.range(1));
    for (auto _ : state) {
        state.PauseTiming();
        TCustomGameEvent game("Event=Tris;0;" + name);
        game.Vocabulary = std::make_unique<std::vector<std::string>>();
        state.ResumeTiming();
        game.LoadVocabulary();
        std::string word;
        game.NextWord(true, word);
        state.PauseTiming();
        Require(static_cast<std::int64_t>(game.Vocabulary->size()) == state.range(0) && !word.empty(),
                "Vocabulary: the game did not take every word of the large list");
        game.Vocabulary.reset();
        state.ResumeTiming();
    }
    state.counters["MiB"] = static_cast<double>(QFileInfo(QString::fromStdString(name)).size()) / (1 << 20);
}

} // namespace

BENCHMARK(BM_FirstWordOfLargeVocabulary)
    ->ArgsProduct({{250'000, 500'000, 1'000'000}, {0}}) // the tool's limit, twice and four times it
    ->Args({66'000, 254})                               // the tool's 16 MiB of the longest lines
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
BENCHMARK_CAPTURE(BM_LoadVocabulary, plain, TBody::Plain)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_LoadVocabulary, scrambled, TBody::Scrambled)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_LoadVocabulary, utf8, TBody::Utf8)->Unit(benchmark::kMillisecond);
