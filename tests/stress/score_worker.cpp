// One copy of the program's score keeping, driven as fast as it goes, for the tests of several copies
// sharing one folder. It prints what it did on standard output, one line per event:
//   C NAME SCORE   a row it committed that the table held once right after the save
//   N NAME SCORE   a row it committed that no longer ranked among the rows stored meanwhile
//   L NAME SCORE N a row it committed that the table held N times after the save: a fault
//   Q              the busy question was asked (and answered Yes: keep trying)
//   E TEXT         an error was reported
//   G N            a table of generation N was saved whole (save-loop)
//   H              it holds the table's lock file and the table (hold), until it is killed
//
// Usage: kv_score_worker commit FOLDER ID COUNT SEED [--no-lock-file]
//        kv_score_worker save-loop FOLDER
//        kv_score_worker hold FOLDER
// --no-lock-file saves without the lock file beside the table, to show what it prevents.
#include "lock_file.h"
#include "rec_file.h"
#include "system.h"
#include "top_ten.h"

#include <QCoreApplication>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <random>
#include <string>
#include <unistd.h>

namespace {

// Never blocks: the busy question is answered Yes, reports are printed.
class PrintingDialogs : public IDialogs {
  public:
    void Message(const std::string& text, const std::string&, TMsgKind) override
    {
        std::printf("E %s\n", text.c_str());
        std::fflush(stdout);
    }
    bool Question(const std::string&, const std::string&) override
    {
        std::printf("Q\n");
        std::fflush(stdout);
        return true;
    }
};

constexpr const char* kTable = "stress";

// Commits COUNT named scores as the top-ten view does (load, insert, save the row), rising so that
// nearly every one ranks when it is made, and in between holds the file for a while as a reader or
// as a writer would, at random.
int Commit(int id, int count, unsigned seed)
{
    std::mt19937 rng(seed);
    const auto below = [&rng](int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); };
    TtopTen table;
    for (int i = 0; i < count; ++i) {
        const std::string name = "w" + std::to_string(id) + "-" + std::to_string(i);
        const int score = 1000 + 50 * i + below(50);
        if (table.LoadScores(kTable) == -1)
            table.CreateScoreFile();
        const int rank = table.Insert(score, name);
        if (rank > 0 && table.SaveRow(rank) == 1) {
            int held = 0;
            for (int r = 1; r <= table.RowCount; ++r)
                held += table.Row(r).Name == name && table.Row(r).Score == score;
            // Committed rows can drop out later, but right after their own save they must be there.
            if (held <= 1)
                std::printf("%s %s %d\n", held == 1 ? "C" : "N", name.c_str(), score);
            else
                std::printf("L %s %d %d\n", name.c_str(), score, held);
            std::fflush(stdout);
        }
        const int contention = below(100);
        if (contention < 45) {
            TRecFile holder;
            holder.OpenFile(std::string(kTable) + ".kvt", 1, contention < 30 ? -2 : -1);
            usleep(static_cast<useconds_t>(below(contention < 30 ? 20000 : 10000)));
            holder.CloseFile();
        } else {
            usleep(static_cast<useconds_t>(below(3000)));
        }
    }
    return 0;
}

// Saves 100-row tables over and over, each row of generation N named "gN", until it is killed.
int SaveLoop()
{
    TtopTen table;
    table.TableFileName = std::string(kTable) + ".kvt";
    for (long generation = 1;; ++generation) {
        for (int r = 1; r <= TtopTen::kMaxRows; ++r)
            table.Row(r) = {"g" + std::to_string(generation), 30000 - r, "r" + std::to_string(r)};
        if (table.SaveScores(TtopTen::kMaxRows) != 1)
            return 1;
        std::printf("G %ld\n", generation);
        std::fflush(stdout);
    }
}

// Takes the table's lock file and the table as a save does, says so, and waits to be killed.
int Hold()
{
    TtopTen table;
    if (table.LoadScores(kTable) == -1)
        table.CreateScoreFile();
    TRecFile file;
    TLockFile lock;
    if (table.OpenWithRetry(file, table.FilePath(), -1, &lock) != 1)
        return 1;
    std::printf("H\n");
    std::fflush(stdout);
    for (;;)
        pause();
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    Platform::Install(std::make_unique<PrintingDialogs>());
    const std::string mode = argc > 2 ? argv[1] : "";
    if (argc < 3 || chdir(argv[2]) != 0) {
        std::fprintf(stderr, "usage: kv_score_worker commit FOLDER ID COUNT SEED [--no-lock-file] | "
                             "save-loop FOLDER | hold FOLDER\n");
        return 2;
    }
    if (mode == "commit" && argc == 7 && std::string(argv[6]) == "--no-lock-file") {
        TLockFile::SetMode(TLockFile::TMode::Nowhere);
        --argc;
    }
    if (mode == "commit" && argc == 6)
        return Commit(std::atoi(argv[3]), std::atoi(argv[4]), static_cast<unsigned>(std::atol(argv[5])));
    if (mode == "save-loop")
        return SaveLoop();
    if (mode == "hold")
        return Hold();
    return 2;
}
