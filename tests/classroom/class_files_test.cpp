#include "class_folder.h"
#include "class_publisher.h"
#include "file_system.h"
#include "new_term.h"
#include "progress_store.h"
#include "pupil_copy.h"
#include "scratch_dir.h"
#include "system.h"
#include "top_ten.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <cmath>
#include <sys/stat.h>

namespace {

std::string StoreWithAGame(const std::string& folder)
{
    TProgressStore store(folder);
    EXPECT_TRUE(store.Open());
    TGameRecord record;
    record.Game = kGameBubbles;
    record.Choice = "a-z";
    record.Keystrokes = 10;
    EXPECT_TRUE(store.RecordGame(record, DateTimeText(Now()), nullptr));
    return store.Path();
}

unsigned ModeOf(const std::string& path)
{
    struct stat st;
    return ::stat(path.c_str(), &st) == 0 ? st.st_mode & 07777 : 0;
}

TEST(ClassPublisher, PublishesOnlyIntoTheClasssFolderWithItsOwnModeWhateverTheUmask)
{
    ScratchDir dir;
    const std::string progress = StoreWithAGame(dir.Path() + "/state");
    TClassPublisher none(dir.Path(), progress);
    EXPECT_FALSE(none.Active());
    EXPECT_FALSE(none.Publish());
    EXPECT_FALSE(dir.Exists("progress")) << "no folder is made for a class that did not ask";

    ASSERT_TRUE(QDir().mkdir("progress"));
    const mode_t umask = ::umask(0);
    TClassPublisher publisher(dir.Path(), progress);
    publisher.NameTyped("Zo\xE9");
    const bool published = publisher.Publish();
    ::umask(umask);
    ASSERT_TRUE(published);
    ASSERT_FALSE(publisher.CopyPath().empty());
    EXPECT_EQ(ModeOf(publisher.CopyPath()), 0640u);
    EXPECT_EQ(NameInCopy(publisher.CopyPath()), "Zo\xE9");

    // The next run, before any name is typed, keeps the name the copy holds; the copy holds the games.
    TClassPublisher later(dir.Path(), progress);
    ASSERT_TRUE(later.Publish());
    EXPECT_EQ(NameInCopy(later.CopyPath()), "Zo\xE9");
    TPupilCopy copy;
    std::uint32_t owner = 0;
    ASSERT_EQ(OpenPupilFile(copy, later.CopyPath(), owner), TPupilCopy::TState::Ok);
    TPupilRecord record;
    ASSERT_TRUE(copy.Read(0, record));
    EXPECT_EQ(record.Games.size(), 1u);
    EXPECT_EQ(record.Games[0].Keystrokes, 10);
    EXPECT_EQ(QDir("progress").entryList(QDir::Hidden | QDir::Files).size(), 1)
        << "no spare file is left behind";
}

TEST(ClassPublisher, AFailureIsLoggedOnceAndLeavesWhatHoldsTheNameAlone)
{
    ScratchDir dir;
    const std::string progress = StoreWithAGame(dir.Path() + "/state");
    ASSERT_TRUE(QDir().mkpath(QString::fromStdString("progress/" + ClassFolder::LoginName() + ".db")));
    TClassPublisher publisher(dir.Path(), progress);
    EXPECT_FALSE(publisher.Publish());
    EXPECT_FALSE(publisher.Publish());
    const std::string log = dir.Read("Errors.log");
    std::size_t entries = 0;
    for (std::size_t at = 0; (at = log.find("copy of the progress for the class", at)) != std::string::npos;
         ++at)
        ++entries;
    EXPECT_EQ(entries, 1u) << log;
    EXPECT_TRUE(QFileInfo(QString::fromStdString(publisher.CopyPath())).isDir());
}

TEST(NewTerm, WaitsForACopyThatIsSavingThenArchivesAndStartsEmptyTables)
{
    ScratchDir dir;
    const std::string old(5 * TtopTen::kRecordSize, 'x');
    dir.Write("bubbles.kvt", old);
    dir.Write("Clouds.kvt", old + old);
    QDir().mkdir("progress");
    dir.Write("progress/alice.db", "alice's copy");
    const std::string day = "2026-12-10";
    std::string message;
    {
        // A copy of the program saving the Clouds table holds it alone.
        const int held = FileSystem::Open("clouds.kvt", TFileAccess::ReadWrite, TFileShare::DenyAll,
                                          TFileCreation::OpenExisting);
        ASSERT_GE(held, 0);
        EXPECT_FALSE(StartNewTerm(dir.Path(), day, message));
        EXPECT_NE(message.find("Clouds.kvt"), std::string::npos) << message;
        FileSystem::Close(held);
    }
    EXPECT_FALSE(dir.Exists("archive/" + day)) << "nothing moves while a table is held";
    EXPECT_EQ(dir.Read("Clouds.kvt"), old + old);

    ASSERT_TRUE(StartNewTerm(dir.Path(), day, message)) << message;
    EXPECT_EQ(dir.Read("archive/" + day + "/bubbles.kvt"), old);
    EXPECT_EQ(dir.Read("archive/" + day + "/Clouds.kvt"), old + old);
    EXPECT_EQ(dir.Read("archive/" + day + "/progress/alice.db"), "alice's copy");
    EXPECT_FALSE(dir.Exists("progress/alice.db"));
    EXPECT_FALSE(dir.Exists("archive/" + day + "/wordtris.kvt"))
        << "a table never played has nothing to keep";
    for (const char* table : {"bubbles", "wordtris", "Clouds"}) {
        EXPECT_EQ(dir.Read(std::string(table) + ".kvt"), std::string(10 * TtopTen::kRecordSize, '\0'))
            << table;
        TtopTen scores;
        ASSERT_EQ(scores.LoadScores(table), 1);
        EXPECT_EQ(scores.Insert(1, "First"), 1) << "a pupil's first score gets in";
    }

    EXPECT_FALSE(StartNewTerm(dir.Path(), day, message));
    EXPECT_NE(message.find("exists already"), std::string::npos) << message;
}

} // namespace
