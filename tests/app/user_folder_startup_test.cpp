#include "book_form.h"
#include "chapter_view.h"
#include "errors.h"
#include "games_stg.h"
#include "scoped_env.h"
#include "scratch_dir.h"
#include "test_platform.h"
#include "tmain.h"

#include <QStringList>
#include <filesystem>
#include <gtest/gtest.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// An installed program: its folder holds what ships with it, and the player cannot write there. The
// test names a folder that cannot be written as the one to try, which holds for every user, the
// superuser included.
class UserFolderStartup : public ::testing::Test {
  protected:
    UserFolderStartup()
    {
        fs::create_directory(program);
        for (const char* name : {"Click.wav", "Theend.wav", "Error.wav", "animals.vcb", "Vanedoc.htm"})
            dir.Write(std::string("program/") + name, "RIFF");
        TMain::ProgramFolder = program;
        TMain::ProbeFolder = dir.Path() + "/not-writable";
        CreateForms();
    }
    ~UserFolderStartup() override
    {
        FreeForms();
        TMain::ProgramFolder.clear();
        TMain::ProbeFolder.clear();
    }
    QStringList Vocabularies() const
    {
        QStringList items;
        for (int i = 0; i < GamesStg->TrisFileList->count(); ++i)
            items << GamesStg->TrisFileList->itemText(i);
        items.sort();
        return items;
    }
    TestPlatform platform;
    ScratchDir dir;
    TScopedEnv dataHome{"XDG_DATA_HOME", dir.Path() + "/data"};
    std::string program = dir.Path() + "/program";
    std::string user = dir.Path() + "/data/keyvane-games";
};

TEST_F(UserFolderStartup, AReadOnlyProgramWorksInThePlayersFolder)
{
    fs::create_directories(user);
    dir.Write("data/keyvane-games/mine.vcb", "word\r\n");
    std::string cwd;
    QStringList menu;
    bool icon = false;
    platform.pump->driver = [&] {
        if (CurrentView == ChapterView && ChapterView->Active) {
            char buf[4096];
            cwd = getcwd(buf, sizeof buf);
            menu = Vocabularies();
            icon = !BookForm->windowIcon().pixmap(64).isNull();
            // Errors are logged where the player can write.
            ReportError(-2, "test entry");
            BookForm->close();
        }
    };
    EXPECT_EQ(TMain::Main(), 0);
    EXPECT_EQ(cwd, user);
    EXPECT_EQ(menu, (QStringList{"Animals", "Mine", "my difficult words"})) << "the practice words come last";
    EXPECT_TRUE(icon);
    EXPECT_EQ(platform.sound->opened, (std::vector<std::string>{"Click.wav", "Theend.wav", "Error.wav"}));
    EXPECT_TRUE(fs::exists(user + "/Click.wav"));
    EXPECT_TRUE(fs::exists(user + "/Errors.log"));
    EXPECT_FALSE(fs::exists(program + "/Errors.log"));
}

} // namespace
