// kv_class_publish SCORE_FOLDER STATE_FOLDER NAME: what a game's end does in a class, without the
// window: one WordTris game (40 keystrokes, 10 of them "r" for "e", in 60 s) goes into the player's
// own progress in STATE_FOLDER, and the copy is published into SCORE_FOLDER/progress as the program
// publishes it. Exit status 0 when the copy was published, 1 when not; the copy's path is printed.
#include "class_publisher.h"
#include "progress_store.h"
#include "system.h"

#include <QCoreApplication>
#include <iostream>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 4) {
        std::cerr << "usage: kv_class_publish SCORE_FOLDER STATE_FOLDER NAME\n";
        return 2;
    }
    TProgressStore store(argv[2]);
    if (!store.Open()) {
        std::cerr << "the progress cannot be kept: " << store.Detail() << '\n';
        return 1;
    }
    TGameRecord record;
    record.Game = kGameWordTris;
    record.Choice = "Animals";
    record.Score = 120;
    record.Seconds = 60;
    record.Keystrokes = 40;
    record.Errors = 10;
    for (int i = 0; i < 40; ++i) {
        if (i < 10)
            record.KeyRecord.Error('e', 'r');
        else
            record.KeyRecord.Correct('e', 150);
    }
    if (!store.RecordGame(record, DateTimeText(Now()), nullptr)) {
        std::cerr << "the game could not be stored: " << store.Detail() << '\n';
        return 1;
    }
    TClassPublisher publisher(argv[1], store.Path());
    publisher.NameTyped(argv[3]);
    std::cout << publisher.CopyPath() << '\n';
    return publisher.Publish() ? 0 : 1;
}
