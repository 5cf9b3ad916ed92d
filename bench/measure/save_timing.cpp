// kv-save-timing: how long a player waits for a top-ten row to be stored, in a folder given on the
// command line (a local one, or one mounted from a server): each save loads the table, ranks a new
// score and stores the row as the top-ten view does (the re-read, the merge, the new file renamed into
// place, with the lock file beside the table where the program takes one). Prints the median and the
// slowest of COUNT saves, in milliseconds.
// Usage: kv-save-timing FOLDER [COUNT]
#include "system.h"
#include "top_ten.h"

#include <QCoreApplication>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>
#include <vector>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc < 2 || chdir(argv[1]) != 0) {
        std::fprintf(stderr, "usage: kv-save-timing FOLDER [COUNT]\n");
        return 2;
    }
    const int count = argc > 2 ? std::max(1, std::atoi(argv[2])) : 50;
    std::vector<double> ms;
    TtopTen table;
    for (int i = 0; i < count; ++i) {
        const auto start = std::chrono::steady_clock::now();
        if (table.LoadScores("timing") == -1)
            table.CreateScoreFile();
        const int rank = table.Insert(1000 + i, "Timer");
        if (rank < 1 || table.SaveRow(rank) != 1) {
            std::fprintf(stderr, "kv-save-timing: save %d failed\n", i + 1);
            return 1;
        }
        ms.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    std::sort(ms.begin(), ms.end());
    std::printf("%d saves in %s: median %.2f ms, slowest %.2f ms\n", count, argv[1], ms[ms.size() / 2],
                ms.back());
    return 0;
}
