#include "book_form.h"
#include "chapter_view.h"
#include "games_stg.h"
#include "scratch_dir.h"
#include "sounds.h"
#include "test_platform.h"
#include "tmain.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

class StartupTest : public ::testing::Test {
  protected:
    StartupTest()
    {
        for (const char* name : {"Click.wav", "Theend.wav", "Error.wav"})
            folder.Write(name, "RIFF");
        TMain::ProgramFolder = folder.Path();
        CreateForms();
    }
    ~StartupTest() override
    {
        FreeForms();
        TMain::ProgramFolder.clear();
    }
    TestPlatform platform;
    ScratchDir folder;
};

TEST_F(StartupTest, StartsIntoTheMenuAndEndsWhenTheWindowCloses)
{
    bool sawMenu = false;
    platform.pump->driver = [&] {
        if (CurrentView == ChapterView && ChapterView->Active && !sawMenu) {
            sawMenu = true;
            EXPECT_EQ(BookForm->windowTitle(), "Keyvane's Games!");
            EXPECT_TRUE(BookForm->BookCover->isHidden());
            EXPECT_FALSE(BookForm->LeftPage->isHidden());
            EXPECT_FALSE(BookForm->TabRowPic->Picture().isNull());
            EXPECT_TRUE(BookForm->CoverPic->Picture().isNull());
            EXPECT_FALSE(BookForm->MenuExit->isHidden());
            EXPECT_TRUE(BookForm->MenuInfo->isHidden());
            EXPECT_EQ(GamesStg->BubblesBtn->parentWidget(), BookForm->RightPage);
            BookForm->close();
        }
    };
    EXPECT_EQ(TMain::Main(), 0);
    EXPECT_TRUE(sawMenu);
    EXPECT_FALSE(platform.pump->hitPassLimit);
    EXPECT_EQ(platform.sound->opened, (std::vector<std::string>{"Click.wav", "Theend.wav", "Error.wav"}));
    EXPECT_TRUE(platform.dialogs->shown.empty());
    EXPECT_EQ(CurrentView, nullptr);
    // Shutdown emptied the sound slots.
    PlaySoundSlot(1);
    EXPECT_TRUE(platform.sound->played.empty());
}

TEST_F(StartupTest, TheExitTabClosesTheProgram)
{
    platform.pump->driver = [&] {
        if (CurrentView == ChapterView && BookForm->MenuExit->OnClick)
            BookForm->MenuExit->OnClick(BookForm->MenuExit);
    };
    EXPECT_EQ(TMain::Main(), 0);
    EXPECT_FALSE(platform.pump->hitPassLimit);
}

TEST_F(StartupTest, ScreensOf640PixelsOrLessAreRefused)
{
    for (int width : {640, 641}) {
        platform.screen->clientWidth = width;
        platform.dialogs->shown.clear();
        platform.pump->terminated = false;
        platform.pump->driver = [&] {
            if (CurrentView == ChapterView)
                BookForm->close();
        };
        const int status = TMain::Main();
        if (width == 640) {
            EXPECT_EQ(status, 1);
            ASSERT_EQ(platform.dialogs->shown.size(), 1u);
            EXPECT_EQ(platform.dialogs->shown[0].text, "Keyvane cannot fit the screen, since your display\n"
                                                       "area is only 640x480 or smaller. Press Help to");
            EXPECT_TRUE(platform.sound->opened.empty()); // nothing after the check runs
        } else {
            EXPECT_EQ(status, 0);
            EXPECT_TRUE(platform.dialogs->shown.empty());
        }
    }
}

TEST_F(StartupTest, AFolderThatCannotBeEnteredEndsTheProgramWithAnError)
{
    TMain::ProgramFolder = folder.Path() + "/missing";
    EXPECT_NE(TMain::Main(), 0);
    EXPECT_TRUE(platform.sound->opened.empty());
}

TEST_F(StartupTest, TheProgramFolderBecomesTheCurrentFolder)
{
    // A path of more than 255 characters is used whole: cut, it would name no folder or another one.
    const std::string deep = folder.Path() + "/" + std::string(200, 'd') + "/" + std::string(200, 'e');
    const std::string cut = deep.substr(0, 255);
    std::filesystem::create_directories(deep);
    std::filesystem::create_directories(cut);
    for (const std::string& path : {folder.Path(), deep}) {
        TMain::ProgramFolder = path;
        platform.pump->terminated = false;
        platform.pump->driver = [&] {
            if (CurrentView == ChapterView) {
                char buf[4096];
                EXPECT_EQ(std::string(getcwd(buf, sizeof buf)), path);
                BookForm->close();
            }
        };
        EXPECT_EQ(TMain::Main(), 0);
    }
}

} // namespace
