// kv-progress-scale: what the player waits for from the progress store at start-up (open, load the
// totals, the menu's notice) and at a game's end (fold the game, the notice again), with a history of
// 100 games and with one of 1,000,000. For comparison it also reads the notice's figures from the big
// history without the index for the week's best, and times making that index, which a file written
// before it existed gets once. Medians of seven repetitions, in one run.
#include "player_progress.h"
#include "progress_data.h"
#include "progress_store.h"
#include "system.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <sqlite3.h>
#include <vector>

namespace {

constexpr int kRepeats = 7;

double Ms(const std::function<void()>& work)
{
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

double Median(const std::function<void()>& work)
{
    std::vector<double> times;
    for (int i = 0; i < kRepeats; ++i)
        times.push_back(Ms(work));
    std::sort(times.begin(), times.end());
    return times[kRepeats / 2];
}

void Exec(sqlite3* db, const char* sql)
{
    if (sqlite3_exec(db, sql, nullptr, nullptr, nullptr) != SQLITE_OK) {
        std::fprintf(stderr, "kv-progress-scale: %s: %s\n", sql, sqlite3_errmsg(db));
        std::exit(1);
    }
}

TGameRecord Game()
{
    TGameRecord game;
    game.Game = "WordTris";
    game.Choice = "Animals";
    game.Score = 420;
    for (unsigned char ch = 'a'; ch <= 'z'; ++ch) {
        game.Hits[ch] = 8;
        game.KeyErrors[ch] = ch % 3;
    }
    return game;
}

// A store with `games` games spread over the last five years, every letter typed.
void Fill(const std::string& folder, int games)
{
    TProgressStore store(folder);
    if (!store.Open() || !store.RecordGame(Game(), DateTimeText(Now() - 5 * 365), nullptr)) {
        std::fprintf(stderr, "kv-progress-scale: cannot make %s: %s\n", folder.c_str(),
                     store.Detail().c_str());
        std::exit(1);
    }
    sqlite3* db = nullptr;
    sqlite3_open(store.Path().c_str(), &db);
    Exec(db, "BEGIN");
    sqlite3_stmt* row = nullptr;
    sqlite3_prepare_v2(
        db,
        "INSERT INTO games (played_at, game, choice, score, seconds, keystrokes, errors, level) "
        "VALUES (?, ?, 'Animals', ?, 95.5, 240, 12, 3)",
        -1, &row, nullptr);
    const double now = Now();
    for (int i = 1; i < games; ++i) {
        const std::string when = DateTimeText(now - 5 * 365.0 * (games - i) / games);
        sqlite3_bind_text(row, 1, when.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(row, 2, kHistoryGames[i % 3], -1, SQLITE_STATIC);
        sqlite3_bind_int(row, 3, (i * 37) % 1000);
        sqlite3_step(row);
        sqlite3_reset(row);
    }
    sqlite3_finalize(row);
    Exec(db, "COMMIT");
    sqlite3_close(db);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    std::printf("%-10s %14s %14s %22s %16s\n", "games", "start-up ms", "game's end ms",
                "figures, no index ms", "make index ms");
    for (const int games : {100, 1000000}) {
        QTemporaryDir dir;
        const std::string folder = dir.path().toStdString() + "/state";
        Fill(folder, games);

        const double startUp = Median([&] {
            TDifficultKeys keys;
            TPlayerProgress progress(folder);
            progress.Start(keys);
            progress.Notice();
        });
        TDifficultKeys keys;
        TPlayerProgress progress(folder);
        progress.Start(keys);
        const double gameEnd = Median([&] {
            progress.Record(Game());
            progress.Notice();
        });

        // The figures as a file without the week's index gives them: read only, so it stays so.
        const std::string path = folder + "/" + TProgressStore::kFileName;
        sqlite3* db = nullptr;
        sqlite3_open(path.c_str(), &db);
        Exec(db, "DROP INDEX games_by_time");
        sqlite3_close(db);
        TProgressStore reader(folder);
        reader.OpenForReading();
        const double withoutIndex = Median([&] { CollectProgress(&reader, keys, Now()); });
        const double makeIndex = Ms([&] {
            TProgressStore store(folder);
            store.Open();
        });
        std::printf("%-10d %14.2f %14.2f %22.2f %16.2f\n", games, startUp, gameEnd, withoutIndex, makeIndex);
    }
    return 0;
}
