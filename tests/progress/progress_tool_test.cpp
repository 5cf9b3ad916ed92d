#include "key_ranking.h"
#include "progress_store.h"
#include "scratch_dir.h"
#include "system.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <cstdio>
#include <sqlite3.h>

namespace {

struct TRun {
    int status;
    std::string out;
    std::string err;
};

TRun Tool(const std::string& stateHome, const QString& command, const QStringList& more = {})
{
    QProcess tool;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_STATE_HOME", QString::fromStdString(stateHome));
    tool.setProcessEnvironment(env);
    tool.start(KV_FILES_TOOL, QStringList{command} + more);
    tool.waitForFinished(10000);
    return {tool.exitCode(), tool.readAllStandardOutput().toStdString(),
            tool.readAllStandardError().toStdString()};
}

TEST(ProgressTool, PrintsTheKeyTableAndTheHistoryAsTabSeparatedText)
{
    ScratchDir dir;
    for (const char* command : {"progress", "history"}) {
        const TRun none = Tool(dir.Path(), command);
        EXPECT_EQ(none.status, 1) << command;
        EXPECT_NE(none.err.find("no progress stored yet"), std::string::npos) << none.err;
        EXPECT_EQ(none.out, "");
    }

    TProgressStore store(dir.Path() + "/keyvane-games");
    ASSERT_TRUE(store.Open());
    TGameRecord game;
    game.Game = "WordTris";
    game.Choice = "Big\tWords \xE9t\xE9"; // Windows-1252, with a tab that must not split the row
    game.Score = 120;
    game.Seconds = 61.25;
    game.Keystrokes = 12;
    game.Errors = 3;
    game.Level = 2;
    game.Hits['e'] = 10;
    game.KeyErrors['e'] = 2;
    game.Hits['\xE9'] = 2;
    game.KeyErrors['\xE9'] = 1;
    ASSERT_TRUE(store.RecordGame(game, "2026-12-09 10:11:12", nullptr));

    const TRun keys = Tool(dir.Path(), "progress");
    EXPECT_EQ(keys.status, 0) << keys.err;
    EXPECT_EQ(keys.out, "e\t10\t2\t53.3\t-\t-\t-\n\xC3\xA9\t2\t1\t0.0\t-\t-\t-\n")
        << "no key record in this game: its columns are empty";
    const TRun history = Tool(dir.Path(), "history");
    EXPECT_EQ(history.status, 0) << history.err;
    EXPECT_EQ(history.out,
              "2026-12-09 10:11:12\tWordTris\tBig Words \xC3\xA9t\xC3\xA9\t120\t61.2\t12\t3\t2.0\n");

    QFile file(QString::fromStdString(store.Path()));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(QByteArray(8192, 'x'));
    file.close();
    const TRun damaged = Tool(dir.Path(), "history");
    EXPECT_EQ(damaged.status, 1);
    EXPECT_NE(damaged.err.find("cannot be read"), std::string::npos) << damaged.err;
    EXPECT_TRUE(QFile::exists(QString::fromStdString(store.Path()))) << "the tool sets nothing aside";
}

// A history whose pages SQLite finds malformed is an error, never "no games": the tool says
// SQLite's own words and fails.
TEST(ProgressTool, ADamagedHistoryPageEndsTheCommandAsAFailure)
{
    ScratchDir dir;
    TProgressStore store(dir.Path() + "/keyvane-games");
    ASSERT_TRUE(store.Open());
    TGameRecord game;
    game.Game = "Clouds";
    game.Choice = std::string(200, 'c');
    for (int i = 0; i < 100; ++i)
        ASSERT_TRUE(store.RecordGame(game, "2026-12-09 10:11:12", nullptr));
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(store.Path().c_str(), &db), SQLITE_OK);
    sqlite3_stmt* s = nullptr;
    sqlite3_prepare_v2(db, "SELECT rootpage FROM sqlite_master WHERE name = 'games'", -1, &s, nullptr);
    ASSERT_EQ(sqlite3_step(s), SQLITE_ROW);
    const int page = sqlite3_column_int(s, 0);
    sqlite3_finalize(s);
    sqlite3_close(db);

    QFile file(QString::fromStdString(store.Path()));
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.seek(qint64(page - 1) * 4096));
    file.write(QByteArray(4096, '\x5A'));
    file.close();
    const TRun history = Tool(dir.Path(), "history");
    EXPECT_EQ(history.status, 1);
    EXPECT_NE(history.err.find("malformed"), std::string::npos) << history.err;
    EXPECT_EQ(history.out, "");
}

// The key record's columns: error rate, ms per right keystroke, the key typed instead most often;
// --days limits them to the last days.
TEST(ProgressTool, TheKeyRecordColumnsCountTheKeysThatWereDue)
{
    ScratchDir dir;
    TProgressStore store(dir.Path() + "/keyvane-games");
    ASSERT_TRUE(store.Open());
    TGameRecord game;
    game.Game = "WordTris";
    for (int i = 0; i < 6; ++i)
        game.KeyRecord.Correct('a', 100 + 20 * i);
    game.KeyRecord.Error('a', 'q');
    game.KeyRecord.Error('a', 'q');
    game.KeyRecord.Error('a', ',');
    ASSERT_TRUE(store.RecordGame(game, DateTimeText(Now()), nullptr));
    game.KeyRecord = TKeyRecord();
    game.KeyRecord.Error('a', 's');
    ASSERT_TRUE(store.RecordGame(game, "2020-01-01 10:00:00", nullptr));

    const struct {
        QStringList args;
        int status;
        std::string out;
    } rows[] = {
        {{}, 0, "a\t0\t0\t0.0\t40.0\t150\tq 2\n"},
        {{"--days", "1"}, 0, "a\t0\t0\t0.0\t33.3\t150\tq 2\n"},
        {{"--days", "0"}, 2, ""},
        {{"--days", "x"}, 2, ""},
    };
    for (const auto& r : rows) {
        const TRun run = Tool(dir.Path(), "progress", r.args);
        EXPECT_EQ(run.status, r.status) << r.args.join(' ').toStdString() << run.err;
        EXPECT_EQ(run.out, r.out) << r.args.join(' ').toStdString();
    }
}

// --hardest N: the hardest keys of the key record, accented letters too, one a line with the
// difficulty the ranking gives them.
TEST(ProgressTool, TheHardestKeysComeHardestFirstWithTheirDifficulty)
{
    ScratchDir dir;
    TProgressStore store(dir.Path() + "/keyvane-games");
    ASSERT_TRUE(store.Open());
    TGameRecord game;
    game.Game = "WordTris";
    const struct {
        unsigned char ch;
        int right, wrong;
    } typed[] = {{'a', 30, 0}, {0xDF, 10, 6}, {0xE9, 20, 4}, {'t', 30, 1}};
    for (const auto& t : typed) {
        for (int i = 0; i < t.right; ++i)
            game.KeyRecord.Correct(t.ch, -1);
        for (int i = 0; i < t.wrong; ++i)
            game.KeyRecord.Error(t.ch, 's');
    }
    ASSERT_TRUE(store.RecordGame(game, DateTimeText(Now()), nullptr));
    TKeyDays days;
    AddToDay(days, static_cast<int>(Now()), game.KeyRecord);
    const std::vector<TKeyStanding> ranking = RankKeys(days, static_cast<int>(Now()));
    ASSERT_EQ(ranking.size(), 4u);
    const auto line = [&](std::size_t i) {
        char d[32];
        std::snprintf(d, sizeof d, "%.1f", ranking[i].Difficulty);
        return std::string(i == 0 ? "\xC3\x9F" : i == 1 ? "\xC3\xA9" : i == 2 ? "t" : "a") + '\t' + d + '\n';
    };
    const struct {
        QStringList args;
        int status;
        std::string out;
    } rows[] = {
        {{"--hardest", "2"}, 0, line(0) + line(1)},
        {{"--hardest", "9"}, 0, line(0) + line(1) + line(2) + line(3)},
        {{"--hardest", "0"}, 2, ""},
        {{"--hardest"}, 2, ""},
        {{"--hardest", "2", "3"}, 2, ""},
    };
    for (const auto& r : rows) {
        const TRun run = Tool(dir.Path(), "progress", r.args);
        EXPECT_EQ(run.status, r.status) << r.args.join(' ').toStdString() << run.err;
        EXPECT_EQ(run.out, r.out) << r.args.join(' ').toStdString();
    }
}

} // namespace
