// kv-class-timing: the figures of a class's folder of progress copies.
//   kv-class-timing publish STATE SCORES [COUNT]: the cost of publishing at a game's end. COUNT games
//     (50) are folded into the progress in STATE without publishing, then COUNT with the copy
//     published into SCORES/progress as the program does it; prints the median of each, in ms.
//   kv-class-timing make-class SCORES [PUPILS] [GAMES] [DAYS]: makes the copies of PUPILS pupils (30)
//     with GAMES games each (200), spread over the last DAYS days (60), in SCORES/progress, for
//     timing the report (scripts/measure-class).
#include "class_publisher.h"
#include "player_progress.h"
#include "progress_store.h"
#include "pupil_copy.h"
#include "system.h"

#include <QCoreApplication>
#include <QDir>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

namespace {

// Game i of pupil p: each pupil has keys of their own that they miss more often, and improves a
// little from game to game.
TGameRecord Game(int i, int p = 0)
{
    TGameRecord record;
    record.Game = kHistoryGames[(i + p) % 3];
    record.Choice = "Animals";
    record.Score = 100 + i * (p % 4 + 1);
    record.Seconds = 70 + 10 * (p % 5) + 20 * (i % 3);
    record.Keystrokes = 200;
    const char* letters = "etaoinshrdlucmfwypvbgkjqxz";
    const char weak[2] = {letters[(p * 5) % 26], letters[(p * 11 + 3) % 26]};
    for (int k = 0; k < 200; ++k) {
        const auto due = static_cast<unsigned char>(letters[(k * 7 + i) % 26]);
        const bool isWeak = due == weak[0] || due == weak[1];
        const int rate = (isWeak ? 40 : 4 + p % 6) - std::min(i / 20, 3);
        if ((k * 37 + i * 11) % 100 < rate) {
            ++record.Errors;
            record.KeyRecord.Error(due, static_cast<unsigned char>(due == 'z' ? 'a' : due + 1));
        } else
            record.KeyRecord.Correct(due, 150 + (k * 13) % 200 + 10 * (p % 4));
    }
    return record;
}

double Median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

int Publish(const std::string& state, const std::string& scores, int count)
{
    TPlayerProgress progress(state);
    TDifficultKeys keys;
    progress.Start(keys);
    TClassPublisher publisher(scores, progress.Store().Path());
    if (!publisher.Active()) {
        std::fprintf(stderr, "kv-class-timing: %s/progress is no folder\n", scores.c_str());
        return 1;
    }
    // Rounds with and without publishing take turns, so that both meet the same load of the machine.
    std::vector<double> without, with, alone;
    for (int round = 0; round < 2 * count; ++round) {
        const auto start = std::chrono::steady_clock::now();
        progress.Record(Game(round, 0));
        const auto folded = std::chrono::steady_clock::now();
        if (round % 2 == 1 && !publisher.Publish()) {
            std::fprintf(stderr, "kv-class-timing: the copy was not published\n");
            return 1;
        }
        const auto end = std::chrono::steady_clock::now();
        (round % 2 == 0 ? without : with)
            .push_back(std::chrono::duration<double, std::milli>(end - start).count());
        if (round % 2 == 1)
            alone.push_back(std::chrono::duration<double, std::milli>(end - folded).count());
    }
    std::printf("game's end in %s: median %.2f ms without publishing, %.2f ms with; publishing alone %.2f ms "
                "(%d each)\n",
                state.c_str(), Median(without), Median(with), Median(alone), count);
    return 0;
}

int MakeClass(const std::string& scores, int pupils, int games, int days)
{
    QDir().mkpath(QString::fromStdString(scores + "/progress"));
    const std::string work =
        QDir::tempPath().toStdString() + "/kv-class-timing-" + std::to_string(::getpid());
    const int today = static_cast<int>(std::floor(Now()));
    for (int p = 0; p < pupils; ++p) {
        const std::string folder = work + "/" + std::to_string(p);
        TProgressStore store(folder);
        if (!store.Open())
            return 1;
        for (int g = 0; g < games; ++g) {
            const double at = today - days + double(g + 1) * days / games;
            if (!store.RecordGame(Game(g, p), DateTimeText(at), nullptr))
                return 1;
        }
        std::string bytes, problem;
        if (!MakePupilCopy(store.Path(), "Pupil " + std::to_string(p + 1), DateTimeText(Now()), bytes,
                           problem)) {
            std::fprintf(stderr, "kv-class-timing: %s\n", problem.c_str());
            return 1;
        }
        std::ofstream(scores + "/progress/pupil" + std::to_string(p + 1) + ".db", std::ios::binary) << bytes;
    }
    QDir(QString::fromStdString(work)).removeRecursively();
    std::printf("%d pupils with %d games each over %d days in %s/progress\n", pupils, games, days,
                scores.c_str());
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const std::vector<std::string> args(argv + 1, argv + argc);
    const auto number = [&](std::size_t i, int fallback) {
        return args.size() > i ? std::max(1, std::atoi(args[i].c_str())) : fallback;
    };
    if (args.size() >= 3 && args[0] == "publish")
        return Publish(args[1], args[2], number(3, 50));
    if (args.size() >= 2 && args[0] == "make-class")
        return MakeClass(args[1], number(2, 30), number(3, 200), number(4, 60));
    std::fprintf(stderr, "usage: kv-class-timing publish STATE SCORES [COUNT] | make-class SCORES [PUPILS] "
                         "[GAMES] [DAYS]\n");
    return 2;
}
