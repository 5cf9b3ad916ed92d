#include "book_form.h"
#include "chapter_view.h"
#include "event_view_stg.h"
#include "rec_file.h"
#include "score_file.h"
#include "scratch_dir.h"
#include "test_platform.h"
#include "top_ten_view.h"

#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// The games menu after a game: the top-ten view on the left page of a spread in the book window.
class TopTenViewTest : public ::testing::Test {
  protected:
    TopTenViewTest()
    {
        chapter.LeftView = &view;
        chapter.RightView = &menu;
        form.SetLayout(2);
        form.show();
        QApplication::setActiveWindow(&form);
    }
    ~TopTenViewTest() override { CloseSpread(); }
    void CloseSpread()
    {
        bool cancel = false;
        chapter.Close(cancel);
    }
    void PressEnter() { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); }
    // A label of the panel, on its storage form or borrowed onto the page.
    TLabel* Label(const char* name)
    {
        TLabel* l = Control<TLabel>(&stg, name);
        return l ? l : Control<TLabel>(&form, name);
    }

    TestPlatform platform;
    ScratchDir folder;
    TBookForm form;
    TEventViewStg stg;
    TTopTenView view;
    TChapterView chapter;
    TFormView menu;
};

TEST_F(TopTenViewTest, NewBestScoreAsksForTheNameOverItsRowAndStoresItOnce)
{
    view.ShowResult("bubbles", "Keyvane", 950);
    const std::string defaults = folder.Read("bubbles.kvt");
    EXPECT_EQ(defaults.size(), 5140u);
    EXPECT_EQ(StoredScore(defaults, 0), 930) << "the new score waits for its name";
    EXPECT_FALSE(stg.Congratulations->isHidden());
    ASSERT_FALSE(stg.NameBox->isHidden());
    EXPECT_EQ(stg.NameBox->y(), Label("Name1")->y() - 4);
    EXPECT_EQ(stg.NameBox->Text(), "Keyvane");
    EXPECT_EQ(Label("Points1")->Caption(), "950");

    ASSERT_FALSE(chapter.Open());
    ASSERT_EQ(QApplication::focusWidget(), stg.NameBox);
    stg.NameBox->clear();
    PressEnter();
    EXPECT_TRUE(stg.NameBox->isHidden());
    EXPECT_FALSE(stg.Congratulations->isHidden());
    EXPECT_EQ(Label("Name1")->Caption(), "Anonymous");
    EXPECT_EQ(StoredName(folder.Read("bubbles.kvt"), 0), "Anonymous");

    const std::string changed = ScoreFile(TenStoredRows()); // another copy saved meanwhile
    folder.Write("bubbles.kvt", changed);
    PressEnter();
    CloseSpread();
    EXPECT_EQ(folder.Read("bubbles.kvt"), changed);
}

TEST_F(TopTenViewTest, TypingANameReplacesThePrefilledOne)
{
    view.ShowResult("Clouds", "Keyvane", 950);
    ASSERT_FALSE(chapter.Open());
    QTest::keyClicks(QApplication::focusWidget(), "Tester");
    PressEnter();
    EXPECT_EQ(StoredName(folder.Read("Clouds.kvt"), 0), "Tester");
}

TEST_F(TopTenViewTest, RowsAreCutAtEverySemicolonAndRowsTheFileLacksStayEmpty)
{
    folder.Write("Clouds.kvt", ScoreFile({{"50%", 800, "1/1/20"}, {"a;b", 700, "2/2/20"}}));
    view.ShowResult("Clouds", "Keyvane", 10);
    EXPECT_EQ(Label("Name1")->Caption() + "|" + Label("Points1")->Caption(), "50%|800");
    EXPECT_EQ(Label("Name2")->Caption(), "the Winner");
    EXPECT_EQ(Label("Name3")->Caption() + Label("Points10")->Caption(), "");
}

// A table started empty for a new term shows blank rows, and a first score takes the top.
TEST_F(TopTenViewTest, EmptyRowsOfANewTermShowBlankAndAFirstScoreGetsIn)
{
    folder.Write("wordtris.kvt", std::string(10 * 514, '\0'));
    view.ShowResult("wordtris", "Keyvane", 40);
    EXPECT_EQ(view.NewRank, 1);
    EXPECT_EQ(Label("Points1")->Caption(), "40");
    for (const char* row : {"2", "10"})
        EXPECT_EQ(Label((std::string("Name") + row).c_str())->Caption() +
                      Label((std::string("Points") + row).c_str())->Caption(),
                  "")
            << "row " << row;
}

// Giving up on a busy file must not put the default table over the stored scores; once the file is
// free, the named row goes in among the stored rows.
TEST_F(TopTenViewTest, GivingUpOnABusyFileKeepsTheStoredScores)
{
    const std::string stored = ScoreFile(TenStoredRows(1000, 100));
    folder.Write("bubbles.kvt", stored);
    auto holder = std::make_unique<TRecFile>();
    ASSERT_EQ(holder->OpenFile("bubbles.kvt", 1, -1), 1);
    platform.dialogs->answers = {false};
    view.ShowResult("bubbles", "Keyvane", 950);
    EXPECT_EQ(view.NewRank, 1) << "ranked among the default rows";
    holder.reset();
    EXPECT_EQ(folder.Read("bubbles.kvt"), stored);

    ASSERT_FALSE(chapter.Open());
    PressEnter();
    const std::string saved = folder.Read("bubbles.kvt");
    EXPECT_EQ(StoredName(saved, 0) + StoredName(saved, 1) + StoredName(saved, 9), "P1KeyvaneP9");
    EXPECT_EQ(Label("Name2")->Caption(), "Keyvane");
}

} // namespace
