#include "bench_support.h"
#include "difficult_keys.h"
#include "progress_data.h"
#include "progress_drawing.h"
#include "progress_store.h"
#include "system.h"

#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <sqlite3.h>

namespace {

constexpr int kHistoryGames = 10000;

// A player's state folder with 10,000 games in the history and every letter typed.
class TBigHistory {
  public:
    TBigHistory()
    {
        Require(dir_.isValid(), "Progress: no temporary folder");
        TProgressStore store(Folder());
        Require(store.Open(), "Progress: cannot make the database: " + store.Detail());
        TGameRecord game;
        for (unsigned char ch = 'a'; ch <= 'z'; ++ch) {
            game.Hits[ch] = 30;
            game.KeyErrors[ch] = ch % 7;
        }
        Require(store.RecordGame(game, "2026-01-01 00:00:00", nullptr), "Progress: cannot record a game");
        // The rest of the history goes in with one transaction: a game a commit would take minutes.
        sqlite3* db = nullptr;
        Require(sqlite3_open(store.Path().c_str(), &db) == SQLITE_OK, "Progress: cannot open the database");
        sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
        sqlite3_stmt* row = nullptr;
        sqlite3_prepare_v2(db,
                           "INSERT INTO games (played_at, game, choice, score, seconds, keystrokes, errors, "
                           "level) VALUES (?, ?, 'Animals', ?, 95.5, 240, 12, 3)",
                           -1, &row, nullptr);
        for (int i = 1; i < kHistoryGames; ++i) {
            const std::string when = DateTimeText(Now() - (kHistoryGames - i) / 24.0);
            sqlite3_bind_text(row, 1, when.c_str(), -1, SQLITE_TRANSIENT);
            sqlite3_bind_text(row, 2, kHistoryGames_[i % 3], -1, SQLITE_STATIC);
            sqlite3_bind_int(row, 3, (i * 37) % 1000);
            Require(sqlite3_step(row) == SQLITE_DONE, "Progress: cannot add a history row");
            sqlite3_reset(row);
        }
        sqlite3_finalize(row);
        Require(sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr) == SQLITE_OK,
                "Progress: commit failed");
        sqlite3_close(db);
    }
    std::string Folder() const { return dir_.path().toStdString() + "/keyvane-games"; }

  private:
    static constexpr const char* kHistoryGames_[3] = {"Bubbles", "WordTris", "Clouds"};
    QTemporaryDir dir_;
};

TBigHistory& BigHistory()
{
    static TBigHistory history;
    return history;
}

// Start-up's share: open the database and load the totals into the statistics.
void BM_ProgressOpenAndLoadTotals(benchmark::State& state)
{
    const std::string folder = BigHistory().Folder();
    TDifficultKeys keys;
    for (auto _ : state) {
        TProgressStore store(folder);
        Require(store.Open() && store.LoadTotals(keys), "Progress: cannot load the totals");
        benchmark::DoNotOptimize(keys.TotalHits['a']);
    }
}
BENCHMARK(BM_ProgressOpenAndLoadTotals)->Unit(benchmark::kMillisecond);

// The whole history of 10,000 games, as "keyvane-files history" reads it.
void BM_ProgressLoadHistory10000(benchmark::State& state)
{
    TProgressStore store(BigHistory().Folder());
    Require(store.Open(), "Progress: cannot open the database");
    for (auto _ : state) {
        std::vector<THistoryRow> rows;
        Require(store.History(rows) && rows.size() >= kHistoryGames, "Progress: the history is not complete");
    }
}
BENCHMARK(BM_ProgressLoadHistory10000)->Unit(benchmark::kMillisecond);

// What the progress view reads when it opens over that history: the charts' scores and the week's best.
void BM_ProgressCollectFrom10000(benchmark::State& state)
{
    TProgressStore store(BigHistory().Folder());
    Require(store.Open(), "Progress: cannot open the database");
    TDifficultKeys keys;
    store.LoadTotals(keys);
    for (auto _ : state) {
        const TProgressData data = CollectProgress(&store, keys, Now());
        Require(data.Scores[2].size() == kChartGames, "Progress: the charts are not full");
    }
}
BENCHMARK(BM_ProgressCollectFrom10000)->Unit(benchmark::kMillisecond);

// A game's end: folding its keystrokes into the totals and adding its history row, one transaction
// written to disk. The history grows by one row per iteration.
void BM_ProgressRecordGame(benchmark::State& state)
{
    TProgressStore store(BigHistory().Folder());
    Require(store.Open(), "Progress: cannot open the database");
    TDifficultKeys keys;
    TGameRecord game;
    game.Game = "WordTris";
    game.Choice = "Animals";
    for (unsigned char ch = 'a'; ch <= 'z'; ++ch) {
        game.Hits[ch] = 8;
        game.KeyErrors[ch] = ch % 3;
    }
    for (auto _ : state)
        Require(store.RecordGame(game, "2026-12-09 12:00:00", &keys), "Progress: cannot record a game");
}
BENCHMARK(BM_ProgressRecordGame)->Unit(benchmark::kMillisecond);

// Drawing the whole page at a screen scale of 2, with every chart full.
void BM_ProgressDrawView(benchmark::State& state)
{
    TProgressStore store(BigHistory().Folder());
    Require(store.Open(), "Progress: cannot open the database");
    TDifficultKeys keys;
    store.LoadTotals(keys);
    const TProgressData data = CollectProgress(&store, keys, Now());
    QImage image(QSize(kProgressWidth, kProgressHeight) * 2, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(2);
    for (auto _ : state) {
        QPainter p(&image);
        PaintProgress(p, data);
    }
}
BENCHMARK(BM_ProgressDrawView)->Unit(benchmark::kMillisecond);

} // namespace
