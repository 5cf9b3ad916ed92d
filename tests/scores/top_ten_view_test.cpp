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
#include <memory>

namespace {

// The games menu after a game: the top-ten view on the left page of a spread whose right page is a
// plain view, in the book window.
class TopTenViewTest : public ::testing::Test {
  protected:
    TopTenViewTest() {
        form = std::make_unique<TBookForm>();
        stg = std::make_unique<TEventViewStg>();
        view = std::make_unique<TTopTenView>();
        chapter.LeftView = view.get();
        chapter.RightView = &menu;
        form->SetLayout(2);
        form->show();
        QApplication::setActiveWindow(form.get());
    }
    ~TopTenViewTest() override {
        CloseSpread();
        view.reset();
        stg.reset();
        form.reset();
    }
    void OpenSpread() { ASSERT_FALSE(chapter.Open()); }
    void CloseSpread() {
        bool cancel = false;
        chapter.Close(cancel);
    }
    void PressEnter() {
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : form.get(),
                        Qt::Key_Return);
    }
    std::string Caption(const char* name) const { return Control<TLabel>(stg.get(), name)->Caption(); }
    int Top(const char* name) const { return Control<QWidget>(stg.get(), name)->y(); }
    bool Showing(QWidget* w) const { return !w->isHidden(); }

    TestPlatform platform;
    ScratchDir folder;
    std::unique_ptr<TBookForm> form;
    std::unique_ptr<TEventViewStg> stg;
    std::unique_ptr<TTopTenView> view;
    TChapterView chapter;
    TFormView menu;
};

TEST_F(TopTenViewTest, FirstGameCreatesTheFileAndAsksForTheNameOverTheNewRow) {
    view->ShowResult("bubbles", "Keyvane", 950);
    std::vector<TStoredRow> defaults;
    for (int rank = 1; rank <= 10; ++rank)
        defaults.push_back({"Keyvane", static_cast<std::uint16_t>(1000 - 70 * rank), TodayText()});
    EXPECT_EQ(folder.Read("bubbles.kvt"), ScoreFile(defaults))
        << "the new score is not saved before its name";

    EXPECT_EQ(view->NewRank, 1);
    EXPECT_TRUE(Showing(stg->Congratulations));
    EXPECT_EQ(stg->Congratulations->Caption(), "Congratulations");
    ASSERT_TRUE(Showing(stg->NameBox));
    EXPECT_EQ(stg->NameBox->y(), Top("Name1") - 4);
    EXPECT_EQ(stg->NameBox->Text(), "Keyvane");
    EXPECT_EQ(Caption("Points1"), "950");
    EXPECT_EQ(Caption("Points2"), "930");
    EXPECT_EQ(Caption("Date10"), TodayText());

    OpenSpread();
    EXPECT_EQ(stg->NameBox->parentWidget(), form->LeftPage);
    EXPECT_EQ(QApplication::focusWidget(), stg->NameBox) << "the player can type the name at once";
    stg->NameBox->clear();
    PressEnter();
    EXPECT_FALSE(Showing(stg->NameBox));
    EXPECT_TRUE(Showing(stg->Congratulations));
    EXPECT_EQ(Caption("Name1"), "Anonymous");
    const std::string saved = folder.Read("bubbles.kvt");
    ASSERT_EQ(saved.size(), 5140u);
    EXPECT_EQ(StoredName(saved, 0), "Anonymous");
    EXPECT_EQ(StoredScore(saved, 0), 950);
    EXPECT_EQ(StoredScore(saved, 9), 370);

    // Enter once the name is stored saves nothing more, even when the file has changed meanwhile.
    const std::string other = ScoreFile(TenStoredRows());
    folder.Write("bubbles.kvt", other);
    PressEnter();
    CloseSpread();
    EXPECT_EQ(folder.Read("bubbles.kvt"), other);
}

TEST_F(TopTenViewTest, ScoreOutsideTheTopTenShowsNoNameBoxAndWritesNothing) {
    const std::string stored = ScoreFile(TenStoredRows());
    folder.Write("wordtris.kvt", stored);
    stg->Congratulations->show(); // left over from the game before
    view->ShowResult("wordtris", "Keyvane", 120);
    EXPECT_EQ(view->NewRank, 0);
    EXPECT_FALSE(Showing(stg->Congratulations));
    EXPECT_FALSE(Showing(stg->NameBox));
    EXPECT_EQ(Caption("Name1"), "P1");
    OpenSpread();
    PressEnter();
    CloseSpread();
    EXPECT_EQ(folder.Read("wordtris.kvt"), stored);
}

TEST_F(TopTenViewTest, LeavingThePageStoresTheTypedName) {
    view->ShowResult("Clouds", "Keyvane", 930);
    EXPECT_EQ(view->NewRank, 2) << "a tie goes below the row it ties with";
    EXPECT_EQ(stg->NameBox->y(), Top("Name2") - 4);
    OpenSpread();
    stg->NameBox->clear();
    QTest::keyClicks(stg->NameBox, "Zoe");
    CloseSpread();
    const std::string saved = folder.Read("Clouds.kvt");
    EXPECT_EQ(StoredName(saved, 0), "Keyvane");
    EXPECT_EQ(StoredName(saved, 1), "Zoe");
    EXPECT_EQ(StoredScore(saved, 1), 930);
    EXPECT_FALSE(Showing(stg->NameBox));
}

TEST_F(TopTenViewTest, RowsAreSplitAtEverySemicolonAndMissingRowsStayEmpty) {
    folder.Write("bubbles.kvt", ScoreFile({{"50%", 800, "1/1/20"}, {"a;b", 700, "2/2/20"}}));
    view->ShowResult("bubbles", "Keyvane", 10);
    EXPECT_EQ(Caption("Name1"), "50%");
    EXPECT_EQ(Caption("Points1"), "800");
    EXPECT_EQ(Caption("Date1"), "1/1/20");
    EXPECT_EQ(Caption("Name2"), "the Winner");
    EXPECT_EQ(Caption("Points2"), "700");
    EXPECT_EQ(Caption("Name3"), "");
    EXPECT_EQ(Caption("Points10"), "");
}

// Giving up on a busy file must not put the default table over the stored scores; the name, once
// the file is free, goes in among the stored rows.
TEST_F(TopTenViewTest, GivingUpOnABusyFileKeepsTheStoredScores) {
    std::vector<TStoredRow> rows;
    for (int i = 1; i <= 10; ++i)
        rows.push_back({"P" + std::to_string(i), static_cast<std::uint16_t>(1100 - 100 * i), "1/1/20"});
    const std::string stored = ScoreFile(rows);
    folder.Write("bubbles.kvt", stored);
    auto holder = std::make_unique<TRecFile>();
    ASSERT_EQ(holder->OpenFile("bubbles.kvt", 1, -1), 1);
    platform.dialogs->answers = {false};

    view->ShowResult("bubbles", "Keyvane", 950);
    ASSERT_EQ(platform.dialogs->shown.size(), 2u);
    EXPECT_EQ(platform.dialogs->shown[1].text.substr(0, 5), "#-802");
    EXPECT_EQ(view->NewRank, 1) << "ranked against the default rows shown";
    holder.reset();
    EXPECT_EQ(folder.Read("bubbles.kvt"), stored);

    OpenSpread();
    PressEnter();
    const std::string saved = folder.Read("bubbles.kvt");
    ASSERT_EQ(saved.size(), 5140u);
    EXPECT_EQ(StoredName(saved, 0), "P1");
    EXPECT_EQ(StoredName(saved, 1), "Keyvane");
    EXPECT_EQ(StoredScore(saved, 1), 950);
    EXPECT_EQ(StoredName(saved, 9), "P9");
    EXPECT_EQ(Caption("Name1"), "P1");
}

} // namespace
