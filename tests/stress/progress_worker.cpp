// One copy of the program's progress keeping, folding games as fast as it goes into the progress
// database of a state folder, for the checks of several copies (or machines) sharing one database.
// Every game has 3 keystrokes of 'a', one of them an error. After the last game it prints "W N": the
// games still waiting in memory then (the end of the run tries them once more).
//
// Usage: kv_progress_worker FOLDER ID COUNT
#include "player_progress.h"

#include <QCoreApplication>
#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 4) {
        std::fprintf(stderr, "usage: kv_progress_worker FOLDER ID COUNT\n");
        return 2;
    }
    const int id = std::atoi(argv[2]);
    const int count = std::atoi(argv[3]);
    {
        // Waits as long as a whole run of the check may take: every game is to be stored.
        TPlayerProgress progress(argv[1], 60000);
        TDifficultKeys keys;
        progress.Start(keys);
        for (int i = 0; i < count; ++i) {
            TGameRecord record;
            record.Game = kGameWordTris;
            record.Choice = "copy " + std::to_string(id);
            record.Score = id * 1000 + i;
            record.Keystrokes = 3;
            record.Errors = 1;
            record.Hits['a'] = 3;
            record.KeyErrors['a'] = 1;
            progress.Record(record);
        }
        std::printf("W %zu\n", progress.Waiting());
    }
    return 0;
}
