#include "bench_support.h"
#include "top_ten.h"

#include <benchmark/benchmark.h>
#include <fstream>
#include <iterator>
#include <optional>

namespace {

const std::string kTable = "benchscores";
const std::string kFile = kTable + ".kvt";
// Ranks in the middle of the default table, so that the rows below it move down and the last one goes.
constexpr std::int32_t kNewScore = 700;

std::string ReadFile(const std::string& name)
{
    std::ifstream in(name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteFile(const std::string& name, const std::string& bytes)
{
    std::ofstream out(name, std::ios::binary | std::ios::trunc);
    out << bytes;
    Require(out.good(), "Scores: cannot write " + name);
}

// A full top-ten score file, written by the table itself.
std::string FullScoreFile()
{
    std::remove(kFile.c_str());
    TtopTen table;
    Require(table.LoadScores(kTable) == -1, "Scores: a score file was left from an earlier run");
    for (int rank = 1; rank <= TtopTen::kDefaultRows; ++rank)
        table.Row(rank).Name = "Player number " + std::to_string(rank);
    Require(table.SaveScores(TtopTen::kDefaultRows) == 1, "Scores: cannot save the table");
    const std::string bytes = ReadFile(kFile);
    Require(bytes.size() == TtopTen::kDefaultRows * TtopTen::kRecordSize, "Scores: the file is not full");
    return bytes;
}

// Loading a full top-ten table from its score file, ranking a new score and saving the table again,
// as a finished game does with its score.
void BM_ScoresLoadInsertSave(benchmark::State& state)
{
    const std::string stored = FullScoreFile();
    std::optional<TtopTen> table;
    table.emplace();
    Require(table->LoadScores(kTable) == 1 && table->RowCount == TtopTen::kDefaultRows,
            "Scores: the table did not load ten rows");
    const int rank = table->Insert(kNewScore, "Bench");
    Require(rank > 1 && rank < TtopTen::kDefaultRows, "Scores: the new score did not rank mid-table");
    Require(table->SaveScores(0) == 1 && ReadFile(kFile).size() == stored.size(),
            "Scores: the table was not saved whole");

    for (auto _ : state) {
        // Every pass ranks the new score in the same ten rows; making them costs nothing measured.
        state.PauseTiming();
        WriteFile(kFile, stored);
        table.emplace();
        state.ResumeTiming();
        const int loaded = table->LoadScores(kTable);
        const int ranked = table->Insert(kNewScore, "Bench");
        const int saved = table->SaveScores(0);
        if (loaded != 1 || ranked != rank || saved != 1) {
            state.SkipWithError("the table did not load, rank and save as at set-up");
            break;
        }
    }
}

} // namespace

BENCHMARK(BM_ScoresLoadInsertSave)->Unit(benchmark::kMicrosecond);
