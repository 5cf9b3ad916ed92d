#include "chapter_view.h"
#include "games_picture.h"
#include "games_view.h"
#include "sounds.h"
#include "view_fixture.h"

#include <QElapsedTimer>
#include <QTest>
#include <fstream>

namespace {

class GamesViewTest : public ViewTest {
  protected:
    GamesViewTest()
    {
        folder.Write("Click.wav", "RIFF");
        RegisterSound(1, "Click.wav");
        chapter.LeftView = &picture;
        chapter.RightView = &games;
        form->SetLayout(2);
        form->show();
        QApplication::setActiveWindow(form.get());
    }
    ~GamesViewTest() override { FreeSound(1); }

    // Runs the menu; the action runs once while it is shown, and the menu is closed when it has not
    // finished by itself a little later (a mnemonic clicks its button on a short real-time delay).
    int RunMenu(const std::function<void()>& action)
    {
        bool done = false;
        QElapsedTimer since;
        platform.pump->driver = [&] {
            if (chapter.Active && !done) {
                done = true;
                action();
                since.start();
            } else if (done && chapter.Active && since.elapsed() > 400) {
                bool cancel = false;
                chapter.Close(cancel);
            }
        };
        // The virtual clock makes the wait a busy loop: count its passes afresh for each run.
        platform.pump->passes = 0;
        const int code = chapter.Execute();
        EXPECT_FALSE(platform.pump->hitPassLimit) << "the menu ran into the test pump's pass limit";
        EXPECT_FALSE(chapter.Active);
        return code;
    }

    TChapterView chapter;
    TGamesPicture picture;
    TGamesView games;
};

TEST_F(GamesViewTest, StartButtonsFinishWithTheirGameAfterAClick)
{
    const std::pair<TButton*, int> rows[] = {
        {stg->BubblesBtn, 1}, {stg->WordTrisBtn, 2}, {stg->CloudsBtn, 3}};
    for (auto [button, code] : rows) {
        platform.sound->played.clear();
        EXPECT_EQ(RunMenu([b = button] { b->click(); }), code);
        EXPECT_EQ(platform.sound->played, std::vector<std::string>{"Click.wav"});
        // Closing returned the page's controls to the storage form.
        EXPECT_EQ(button->parentWidget(), stg->Panel2);
    }
}

// Alt+S, T and A start the games; Alt+B, W, K, V and O only move the focus, even to a button.
TEST_F(GamesViewTest, AcceleratorsStartTheGamesOrMoveTheFocus)
{
    const struct {
        Qt::Key key;
        int code;
        QWidget* focus;
    } rows[] = {
        {Qt::Key_S, 1, nullptr},           {Qt::Key_T, 2, nullptr},
        {Qt::Key_A, 3, nullptr},           {Qt::Key_B, 0, stg->BubblesBtn},
        {Qt::Key_W, 0, stg->WordTrisBtn},  {Qt::Key_K, 0, stg->BubblesKeys},
        {Qt::Key_V, 0, stg->TrisFileList}, {Qt::Key_O, 0, stg->CloudsFileList},
    };
    for (const auto& row : rows) {
        QWidget* focus = nullptr;
        EXPECT_EQ(RunMenu([&] {
                      stg->InfoBtn->setFocus();
                      QTest::keyClick(stg->InfoBtn, row.key, Qt::AltModifier);
                      focus = QApplication::focusWidget();
                  }),
                  row.code)
            << row.key;
        if (row.focus) {
            EXPECT_EQ(focus, row.focus) << row.key;
        }
    }
}

// A menu view destroyed while open still runs its own Unload: the window keeps no handler of it.
TEST_F(GamesViewTest, MenuViewsDestroyedWhileOpenGiveTheWindowBack)
{
    {
        TChapterView spread;
        TGamesPicture pictures;
        ASSERT_FALSE(spread.Open());
        ASSERT_FALSE(pictures.OpenAsPart());
        ASSERT_TRUE(form->TitleConsole->isHidden());
        ASSERT_TRUE(form->OnKeyDown);
    }
    EXPECT_FALSE(form->TitleConsole->isHidden());
    EXPECT_FALSE(form->OnKeyDown);
    EXPECT_FALSE(form->OnKeyPress);
    EXPECT_NE(Control<TImage>(stg->Panel1, "Image1"), nullptr) << "the picture went back to its panel";
    EXPECT_EQ(platform.dialogs->shown.size(), 2u);
}

TEST_F(GamesViewTest, VocabularyListsShowTitleCasedFileNamesAndResetEachShowing)
{
    folder.Write("animals.vcb", "cat\r\n");
    folder.Write("big words.vcb", "elephant\r\n");
    folder.Write("notes.txt", "x");
    RunMenu([&] {
        QStringList items;
        for (int i = 0; i < stg->TrisFileList->count(); ++i)
            items << stg->TrisFileList->itemText(i);
        items.sort();
        EXPECT_EQ(items, QStringList({"Animals", "Big Words"}));
        EXPECT_EQ(stg->CloudsFileList->count(), 2);
        EXPECT_EQ(games.GetTrisVocabulary(), stg->TrisFileList->itemText(0).toStdString());
        // The player picks the second vocabulary for Clouds and the full key set.
        stg->CloudsFileList->setCurrentIndex(1);
        stg->CloudsFileList->OnChange(stg->CloudsFileList);
        stg->BubblesKeys->setCurrentIndex(2);
        stg->BubblesKeys->OnChange(stg->BubblesKeys);
        EXPECT_EQ(games.GetCloudsVocabulary(), stg->CloudsFileList->itemText(1).toStdString());
        EXPECT_EQ(games.GetBubblesKeys().size(), 62u);
        EXPECT_EQ(games.GetBubblesKeys().substr(52), "1234567890");
    });
    // The next showing selects the first vocabulary and "a-z" again.
    RunMenu([&] {
        EXPECT_EQ(stg->CloudsFileList->currentIndex(), 0);
        EXPECT_EQ(games.GetBubblesKeys(), "abcdefghijklmnopqrstuvwxyz");
    });
}

TEST_F(GamesViewTest, WithoutVocabulariesTheNamesAreEmpty)
{
    RunMenu([&] {
        EXPECT_EQ(stg->TrisFileList->count(), 0);
        EXPECT_EQ(games.GetTrisVocabulary(), "");
        EXPECT_EQ(games.GetCloudsVocabulary(), "");
    });
}

TEST_F(GamesViewTest, InfoOpensTheDocumentAndKeepsTheMenuOpen)
{
    int result = RunMenu([&] {
        stg->InfoBtn->click();
        EXPECT_TRUE(games.Active);
    });
    EXPECT_EQ(result, 0);
    ASSERT_EQ(platform.shell->requests.size(), 1u);
    EXPECT_EQ(platform.shell->requests[0].file, "Vanedoc.htm");
    EXPECT_TRUE(platform.dialogs->shown.empty());
}

// A missing page is reported as missing, a page no program can show with what to do about it; both
// in a box that names the page, and in the log.
TEST_F(GamesViewTest, InfoFailureShowsTheErrorAndLogsIt)
{
    const struct {
        int answer;
        std::string box;
        const char* log;
    } rows[] = {
        {2,
         "#-1 File not found\n\rVanedoc.htm: the help page is missing from the program's folder. "
         "Installing the program again brings it back.",
         "#-1  File not found"},
        {31,
         "#-5452 WWW-browser/email software is not properly installed or file extension launch error\n\r"
         "Vanedoc.htm: no program was found to show this page. Install a web browser, or open the page in "
         "one.",
         "#-5452  WWW-browser"},
    };
    for (const auto& r : rows) {
        platform.shell->answer = r.answer;
        platform.dialogs->shown.clear();
        RunMenu([&] { stg->InfoBtn->click(); });
        ASSERT_EQ(platform.dialogs->shown.size(), 1u);
        EXPECT_EQ(platform.dialogs->shown[0].text, r.box);
        const std::string log = folder.Read("Errors.log");
        EXPECT_NE(log.find(r.log), std::string::npos) << log;
    }
}

// The player's own language's page where there is one, the English page otherwise.
TEST_F(GamesViewTest, InfoOpensThePageOfThePlayersLanguage)
{
    folder.Write("Vanedoc.htm", "<html></html>");
    folder.Write("Vanedoc-de.htm", "<html></html>");
    for (const char* language : {"de", "fr", "en"})
        OpenHelpPage(language);
    ASSERT_EQ(platform.shell->requests.size(), 3u);
    EXPECT_EQ(platform.shell->requests[0].file, "Vanedoc-de.htm");
    EXPECT_EQ(platform.shell->requests[1].file, "Vanedoc.htm");
    EXPECT_EQ(platform.shell->requests[2].file, "Vanedoc.htm");
}

TEST_F(GamesViewTest, PicturePageHidesTheTitleStripWhileShown)
{
    RunMenu([&] {
        EXPECT_TRUE(form->TitleConsole->isHidden());
        EXPECT_EQ(stg->Panel1->findChildren<QWidget*>().size(), 0);
    });
    EXPECT_FALSE(form->TitleConsole->isHidden());
    EXPECT_GT(stg->Panel1->findChildren<QWidget*>().size(), 0);
}

TEST_F(GamesViewTest, TabMovesThroughTheControlsInOrder)
{
    RunMenu([&] {
        stg->BubblesKeys->setFocus();
        const QWidget* order[] = {stg->BubblesBtn,     stg->TrisFileList, stg->WordTrisBtn,
                                  stg->CloudsFileList, stg->CloudsBtn,    stg->InfoBtn};
        for (const QWidget* next : order) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            EXPECT_EQ(QApplication::focusWidget(), next);
        }
    });
}

} // namespace
