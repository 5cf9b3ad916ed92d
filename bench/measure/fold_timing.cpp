// kv-fold-timing: how long a game's end takes to be folded into the player's progress, in a state
// folder given on the command line (a local one, or one mounted from a server): each game is recorded
// as the games loop does it, in one action (on a network folder: the lock file, the private copy read
// from the server and written back). Prints the median and the slowest of COUNT folds, in
// milliseconds.
// Usage: kv-fold-timing FOLDER [COUNT]
#include "player_progress.h"

#include <QCoreApplication>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: kv-fold-timing FOLDER [COUNT]\n");
        return 2;
    }
    const int count = argc > 2 ? std::max(1, std::atoi(argv[2])) : 50;
    std::vector<double> ms;
    TPlayerProgress progress(argv[1]);
    TDifficultKeys keys;
    progress.Start(keys);
    for (int i = 0; i < count; ++i) {
        TGameRecord record;
        record.Game = kGameWordTris;
        record.Choice = "Animals";
        record.Score = 1000 + i;
        record.Keystrokes = 40;
        record.Errors = 2;
        record.Hits['e'] = 40;
        record.KeyErrors['e'] = 2;
        const auto start = std::chrono::steady_clock::now();
        progress.Record(record);
        ms.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
        if (progress.Waiting() != 0) {
            std::fprintf(stderr, "kv-fold-timing: game %d was not stored\n", i + 1);
            return 1;
        }
    }
    std::sort(ms.begin(), ms.end());
    std::printf("%d folds in %s: median %.2f ms, slowest %.2f ms\n", count, argv[1], ms[ms.size() / 2],
                ms.back());
    return 0;
}
