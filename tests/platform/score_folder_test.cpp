#include "file_system.h"
#include "lock_file.h"
#include "scoped_env.h"
#include "score_folder.h"
#include "scratch_dir.h"
#include "test_platform.h"

#include <gtest/gtest.h>

#include <QFile>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>
#include <utime.h>

namespace fs = std::filesystem;

namespace {

void WriteConf(const std::string& base, const std::string& text)
{
    fs::create_directories(base + "/keyvane-games");
    std::ofstream(base + "/keyvane-games/keyvane-games.conf") << text;
}

// The option, the user's file, the system files in the order of XDG_CONFIG_DIRS, the default.
TEST(ScoreFolder, TheOptionComesFirstThenTheUsersFileThenTheSystemFiles)
{
    ScratchDir dir;
    const std::string user = dir.Path() + "/user", sys1 = dir.Path() + "/sys1", sys2 = dir.Path() + "/sys2";
    TScopedEnv home("XDG_CONFIG_HOME", user);
    TScopedEnv dirs("XDG_CONFIG_DIRS", sys1 + ":relative:" + sys2);
    struct Row {
        std::vector<std::string> args;
        std::string userConf, sys1Conf, sys2Conf;
        std::string folder;
        TScoreFolderOrigin origin;
    };
    const std::string key = "[scores]\nfolder=";
    const Row rows[] = {
        {{"kg", "--scores", "/opt"},
         key + "/u",
         key + "/s1",
         key + "/s2",
         "/opt",
         TScoreFolderOrigin::Option},
        {{"kg", "--scores=/opt/"}, "", "", "", "/opt", TScoreFolderOrigin::Option},
        {{"kg", "--scores", "class"}, key + "/u", "", "", "/start/class", TScoreFolderOrigin::Option},
        {{"kg"}, key + "/u", key + "/s1", key + "/s2", "/u", TScoreFolderOrigin::UserFile},
        {{"kg"}, "[scores]\n", key + "/s1", key + "/s2", "/s1", TScoreFolderOrigin::SystemFile},
        {{"kg"}, "", "[other]\nfolder=/x\n", key + " /s2 ", "/s2", TScoreFolderOrigin::SystemFile},
        {{"kg", "--scores"}, "", "", "", "", TScoreFolderOrigin::Default},
        // The shipped system file has the key commented out.
        {{"kg"}, "", "# a class's folder\n[scores]\n#folder=/s1\n", "", "", TScoreFolderOrigin::Default},
        {{"kg"}, "", "", "", "", TScoreFolderOrigin::Default},
    };
    for (const Row& row : rows) {
        fs::remove_all(user);
        fs::remove_all(sys1);
        fs::remove_all(sys2);
        if (!row.userConf.empty())
            WriteConf(user, row.userConf);
        if (!row.sys1Conf.empty())
            WriteConf(sys1, row.sys1Conf);
        if (!row.sys2Conf.empty())
            WriteConf(sys2, row.sys2Conf);
        const TScoreFolderChoice choice = ChooseScoreFolder(row.args, "/start");
        EXPECT_EQ(choice.Folder, row.folder) << row.args.back() << " " << row.userConf;
        EXPECT_EQ(choice.Origin, row.origin) << row.args.back() << " " << row.userConf;
    }
    EXPECT_EQ(ScoreConfigFiles(), (std::vector<std::string>{user + "/keyvane-games/keyvane-games.conf",
                                                            sys1 + "/keyvane-games/keyvane-games.conf",
                                                            sys2 + "/keyvane-games/keyvane-games.conf"}));
}

TEST(ScoreFolder, WithoutXdgVariablesTheFilesAreUnderHomeAndEtcXdg)
{
    TScopedEnv home("HOME", "/home/pupil");
    TScopedEnv configHome("XDG_CONFIG_HOME", std::nullopt);
    TScopedEnv dirs("XDG_CONFIG_DIRS", std::nullopt);
    EXPECT_EQ(ScoreConfigFiles(),
              (std::vector<std::string>{"/home/pupil/.config/keyvane-games/keyvane-games.conf",
                                        "/etc/xdg/keyvane-games/keyvane-games.conf"}));
}

TEST(ScoreFolder, AFolderThatCannotHoldTheTablesSaysWhy)
{
    ScratchDir dir;
    dir.Write("file", "x");
    fs::create_directory(dir.Path() + "/class");
    EXPECT_EQ(ScoreFolderProblem(dir.Path() + "/class"), "");
    EXPECT_EQ(ScoreFolderProblem(dir.Path() + "/file"), "it is not a folder");
    EXPECT_EQ(ScoreFolderProblem("class"), "it is not an absolute path");
    EXPECT_EQ(ScoreFolderProblem(dir.Path() + "/missing"), "No such file or directory");
    // Permission bits do not bind the superuser.
    chmod((dir.Path() + "/class").c_str(), 0555);
    EXPECT_EQ(ScoreFolderProblem(dir.Path() + "/class").empty(), geteuid() == 0);
}

// Mistakes an administrator makes in the file: the value is taken as written, and what would be
// passed over is told.
TEST(ScoreFolder, TheConfigurationFileIsReadAsWrittenAndItsMistakesAreTold)
{
    ScratchDir dir;
    const std::string user = dir.Path() + "/user";
    TScopedEnv home("XDG_CONFIG_HOME", user);
    TScopedEnv dirs("XDG_CONFIG_DIRS", dir.Path() + "/none");
    const struct {
        std::string conf, folder, problem;
    } rows[] = {
        {"[scores]\nfolder=/srv/class 5a,5b\n", "/srv/class 5a,5b", ""},
        {"[scores]\r\nfolder = /srv/class;5a\r\n", "/srv/class;5a", ""},
        {"; comment\n[scores]\nfolder=\"/srv/x, y\"\n", "/srv/x, y", ""},
        {"[Scores]\nfolder=/srv/class\n", "", "the group is written [Scores]; it must be [scores]"},
        {"[scores]\nFolder=/srv/class\n", "", "the key is written Folder; it must be folder"},
        {"[scores]\nfolder=\n", "", "the key folder has no value"},
    };
    for (const auto& row : rows) {
        fs::remove_all(user);
        WriteConf(user, row.conf);
        const TScoreFolderChoice choice = ChooseScoreFolder({"kg"}, "/start");
        EXPECT_EQ(choice.Folder, row.folder) << row.conf;
        EXPECT_EQ(choice.Problem, row.problem) << row.conf;
        EXPECT_EQ(choice.Origin, TScoreFolderOrigin::UserFile) << row.conf;
    }
    // A file that is there but cannot be read (a folder by its name, or no permission).
    fs::remove_all(user);
    fs::create_directories(user + "/keyvane-games/keyvane-games.conf");
    const TScoreFolderChoice unreadable = ChooseScoreFolder({"kg"}, "/start");
    EXPECT_NE(unreadable.Problem.find("cannot be read"), std::string::npos) << unreadable.Problem;
    EXPECT_EQ(unreadable.Source, user + "/keyvane-games/keyvane-games.conf");
}

// A lock file left by a holder of another machine is broken only once it has stood still for the
// stated time on this machine's own clock, whatever its time stamp says (the other machine's clock
// may be an hour off); one left by a process of this machine that has ended is broken at once.
TEST(LockFile, ALockLeftByAHolderThatIsGoneIsBroken)
{
    TestPlatform platform;
    ScratchDir dir;
    const std::string lockName = dir.Path() + "/.t.kvt.lock";
    const auto leave = [&](const std::string& contents, int ageSeconds) {
        dir.Write(".t.kvt.lock", contents);
        const time_t when = time(nullptr) - ageSeconds;
        const utimbuf times{when, when};
        utime(lockName.c_str(), &times);
    };
    std::optional<TLockFile::TModeGuard> everywhere(std::in_place, TLockFile::TMode::Everywhere);
    TLockFile lock;
    const std::string foreign = "4242\nkeyvane-games\nlab-pc-7\n00000000000000000000000000000000\n\n";
    // Stamped an hour ago by a clock that runs ahead, or an hour ahead: neither counts.
    for (const int age : {3600, -3600}) {
        leave(foreign, age);
        EXPECT_EQ(lock.TryLock("t.kvt"), TLockFile::TResult::Busy) << age;
        platform.clock->Advance(TLockFile::kStaleSeconds * 1000 - 100);
        EXPECT_EQ(lock.TryLock("t.kvt"), TLockFile::TResult::Busy) << age;
        // Touched by its holder: the wait starts again.
        leave(foreign, age - 1);
        platform.clock->Advance(200);
        EXPECT_EQ(lock.TryLock("t.kvt"), TLockFile::TResult::Busy) << age;
        platform.clock->Advance(TLockFile::kStaleSeconds * 1000);
        EXPECT_EQ(lock.TryLock("t.kvt"), TLockFile::TResult::Held) << age;
        lock.Unlock();
    }
    leave(foreign, 0);
    EXPECT_EQ(lock.TryLock("t.kvt"), TLockFile::TResult::Busy);
    platform.clock->Advance(TLockFile::kStaleSeconds * 1000);
    EXPECT_EQ(lock.TryLock("t.kvt"), TLockFile::TResult::Held);
    EXPECT_TRUE(lock.Held());
    // Held: a second taker waits; released: the file is gone.
    TLockFile other;
    EXPECT_EQ(other.TryLock("t.kvt"), TLockFile::TResult::Busy);
    lock.Unlock();
    EXPECT_FALSE(dir.Exists(".t.kvt.lock"));
    EXPECT_EQ(other.TryLock("t.kvt"), TLockFile::TResult::Held);
    other.Unlock();

    // A process of this machine that has ended: a child that exits at once leaves its number free.
    const pid_t child = fork();
    if (child == 0)
        _exit(0);
    waitpid(child, nullptr, 0);
    TLockFile probe;
    ASSERT_EQ(probe.TryLock("t.kvt"), TLockFile::TResult::Held);
    const std::string mine = dir.Read(".t.kvt.lock");
    probe.Unlock();
    // The same host lines as a lock of this machine, with the ended child's process number.
    leave(std::to_string(child) + mine.substr(mine.find('\n')), 1);
    EXPECT_EQ(lock.TryLock("t.kvt"), TLockFile::TResult::Held);
    lock.Unlock();
    // Broken by another copy and taken by it: this holder neither holds it any more nor removes it.
    ASSERT_EQ(lock.TryLock("t.kvt"), TLockFile::TResult::Held);
    leave(foreign, 0);
    EXPECT_FALSE(lock.StillHeld());
    lock.Unlock();
    EXPECT_EQ(dir.Read(".t.kvt.lock"), foreign);
    fs::remove(lockName);
    // On a local disk the table's own lock is enough: no lock file is made.
    everywhere.reset();
    EXPECT_EQ(lock.TryLock("t.kvt"), TLockFile::TResult::Held);
    EXPECT_FALSE(dir.Exists(".t.kvt.lock"));
}

// Under a umask that keeps the group out, files made in a folder its group may write still let the
// group read and write them: the table, the new table that replaces it, and the lock file.
TEST(GroupFolder, FilesMadeThereAreGroupWritableWhateverTheUmask)
{
    ScratchDir dir;
    const TLockFile::TModeGuard everywhere(TLockFile::TMode::Everywhere);
    const mode_t before = umask(077);
    const auto groupBits = [&](const std::string& name) {
        struct stat st {};
        stat((dir.Path() + "/" + name).c_str(), &st);
        return st.st_mode & 070;
    };
    struct Row {
        mode_t folderMode;
        mode_t expected;
    };
    for (const Row row : {Row{02775, 060}, Row{0755, 0}}) {
        chmod(dir.Path().c_str(), row.folderMode);
        fs::remove(dir.Path() + "/t.kvt");
        const int fd = FileSystem::Open("t.kvt", TFileAccess::ReadWrite, TFileShare::DenyAll,
                                        TFileCreation::OpenOrCreate);
        ASSERT_GE(fd, 0);
        EXPECT_EQ(groupBits("t.kvt"), row.expected) << std::oct << row.folderMode;
        chmod((dir.Path() + "/t.kvt").c_str(), 0600);
        ASSERT_TRUE(FileSystem::WriteContents(fd, "t.kvt", "rows", 4));
        FileSystem::Close(fd);
        EXPECT_EQ(groupBits("t.kvt"), row.expected) << "replaced, " << std::oct << row.folderMode;
        TLockFile lock;
        ASSERT_EQ(lock.TryLock("t.kvt"), TLockFile::TResult::Held);
        EXPECT_EQ(groupBits(".t.kvt.lock") & row.expected, row.expected)
            << "lock, " << std::oct << row.folderMode;
    }
    umask(before);
}

} // namespace
