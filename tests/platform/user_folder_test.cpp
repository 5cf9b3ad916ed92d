#include "scoped_env.h"
#include "scratch_dir.h"
#include "user_folder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

std::vector<std::string> Names(const std::string& folder)
{
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(folder))
        names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

TEST(UserFolder, WritableMeansAFileCanBeCreated)
{
    ScratchDir dir;
    fs::create_directory(dir.Path() + "/locked");
    dir.Write("file", "x");
    EXPECT_TRUE(FolderIsWritable(dir.Path()));
    EXPECT_FALSE(FolderIsWritable(dir.Path() + "/missing"));
    EXPECT_FALSE(FolderIsWritable(dir.Path() + "/file"));
    EXPECT_FALSE(FolderIsWritable(""));
    // The probe leaves nothing behind.
    EXPECT_EQ(Names(dir.Path()), (std::vector<std::string>{"file", "locked"}));
    // Permission bits do not bind the superuser, so only another user sees the folder as read-only.
    chmod((dir.Path() + "/locked").c_str(), 0555);
    EXPECT_EQ(FolderIsWritable(dir.Path() + "/locked"), geteuid() == 0);
}

TEST(UserFolder, LiesInTheDataHomeOrUnderHome)
{
    struct Row {
        std::optional<std::string> xdg, home;
        std::string folder;
    };
    const Row rows[] = {
        {"/data/me", "/home/me", "/data/me/keyvane-games"},
        {"/data/me/", "/home/me", "/data/me/keyvane-games"},
        {std::nullopt, "/home/me", "/home/me/.local/share/keyvane-games"},
        {"", "/home/me", "/home/me/.local/share/keyvane-games"},
        // A relative data home is not valid and is ignored.
        {"data", "/home/me", "/home/me/.local/share/keyvane-games"},
    };
    for (const Row& r : rows) {
        TScopedEnv xdg("XDG_DATA_HOME", r.xdg);
        TScopedEnv home("HOME", r.home);
        EXPECT_EQ(UserDataFolder(), r.folder) << r.xdg.value_or("(unset)");
    }
}

class StockTest : public ::testing::Test {
  protected:
    StockTest()
    {
        fs::create_directory(program);
        for (const char* name : {"animals.vcb", "French.vcb", "Click.wav", "Vanedoc.htm", "Vanedoc-de.htm",
                                 "Vanedoc-old.htm", "keyvane-games"})
            dir.Write(std::string("program/") + name, std::string("shipped ") + name);
    }
    std::string Read(const std::string& path) { return dir.Read(fs::relative(path, dir.Path()).string()); }
    ScratchDir dir;
    std::string program = dir.Path() + "/program";
    std::string user = dir.Path() + "/data/home/keyvane-games";
};

TEST_F(StockTest, FirstStartMakesTheFolderWithCopiesOfTheShippedFiles)
{
    ASSERT_TRUE(StockUserFolder(program, user));
    EXPECT_EQ(Names(user), (std::vector<std::string>{".keyvane-stocked", "Click.wav", "French.vcb",
                                                     "Vanedoc-de.htm", "Vanedoc.htm", "animals.vcb"}));
    EXPECT_EQ(Read(user + "/French.vcb"), "shipped French.vcb");
    // Missing parents are private to the player.
    struct stat st;
    ASSERT_EQ(stat((dir.Path() + "/data").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0700u);
}

TEST_F(StockTest, APlayersFilesAreNeverReplacedAndDeletedOnesStayDeleted)
{
    fs::create_directories(user);
    dir.Write("data/home/keyvane-games/ANIMALS.vcb", "my animals");
    dir.Write("data/home/keyvane-games/mine.vcb", "my words");
    ASSERT_TRUE(StockUserFolder(program, user));
    // The player's file under another case of the name stands for the shipped one.
    EXPECT_FALSE(fs::exists(user + "/animals.vcb"));
    EXPECT_EQ(Read(user + "/ANIMALS.vcb"), "my animals");
    EXPECT_EQ(Read(user + "/mine.vcb"), "my words");

    fs::remove(user + "/Click.wav");
    dir.Write("data/home/keyvane-games/French.vcb", "edited");
    dir.Write("program/German.vcb", "shipped later");
    ASSERT_TRUE(StockUserFolder(program, user));
    EXPECT_FALSE(fs::exists(user + "/Click.wav"));
    EXPECT_EQ(Read(user + "/French.vcb"), "edited");
    // A file shipped with a later version still arrives.
    EXPECT_EQ(Read(user + "/German.vcb"), "shipped later");
}

TEST_F(StockTest, TheWorkingFolderIsTheUserFolderOnlyWhenTheProgramFolderIsReadOnly)
{
    TScopedEnv xdg("XDG_DATA_HOME", dir.Path() + "/data/home");
    std::string problem;
    EXPECT_EQ(ChooseWorkingFolder(program, "", &problem), program);
    EXPECT_FALSE(fs::exists(user));

    EXPECT_EQ(ChooseWorkingFolder(program, dir.Path() + "/unwritable", &problem), user);
    EXPECT_TRUE(problem.empty());
    EXPECT_TRUE(fs::exists(user + "/animals.vcb"));

    // A program folder that does not exist is not taken for an installed one.
    EXPECT_EQ(ChooseWorkingFolder(dir.Path() + "/gone", dir.Path() + "/unwritable"), dir.Path() + "/gone");
}

// An installed program's folder is never the working folder, even when it can be written (as the
// superuser can): the player's files go to the user folder.
TEST_F(StockTest, AnInstalledProgramFolderIsNeverTheWorkingFolder)
{
    TScopedEnv xdg("XDG_DATA_HOME", dir.Path() + "/data/home");
    std::string problem;
    EXPECT_EQ(ChooseWorkingFolder("/usr/share", "", &problem), user);
    EXPECT_TRUE(problem.empty()) << problem;
    for (const auto& [folder, installed] : {std::pair{"/usr", true},
                                            {"/usr/lib/keyvane-games", true},
                                            {"/usr/local/lib/keyvane-games", true},
                                            {"/usrlocal/bin", false},
                                            {"/home/usr/build/bin", false},
                                            {"/opt/usr", false}})
        EXPECT_EQ(IsInstalledFolder(folder), installed) << folder;
}

TEST_F(StockTest, WithoutAUsableUserFolderTheProgramFolderStaysAndSaysWhy)
{
    dir.Write("plain-file", "");
    TScopedEnv xdg("XDG_DATA_HOME", dir.Path() + "/plain-file");
    std::string problem;
    EXPECT_EQ(ChooseWorkingFolder(program, dir.Path() + "/unwritable", &problem), program);
    EXPECT_NE(problem.find(dir.Path() + "/plain-file/keyvane-games"), std::string::npos) << problem;
}

} // namespace
