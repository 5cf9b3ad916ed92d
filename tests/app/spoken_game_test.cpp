#include "book_form.h"
#include "bubbles.h"
#include "chapter_view.h"
#include "events_stg.h"
#include "game_harness.h"
#include "games_stg.h"
#include "test_platform.h"
#include "tmain.h"

#include <QTest>
#include <gtest/gtest.h>

#include <algorithm>

namespace {

// The program from start-up with a player who starts Bubbles with its Start button, lets every bubble
// escape, presses Enter on "Game over." and closes the window once the menu is back.
class SpokenGameTest : public testing::Test {
  protected:
    SpokenGameTest()
    {
        for (const char* name : {"Click.wav", "Theend.wav", "Error.wav"})
            folder.Write(name, "RIFF");
        TMain::ProgramFolder = folder.Path();
        CreateForms();
        platform.pump->driver = [this] { Player(); };
    }
    ~SpokenGameTest() override
    {
        platform.pump->driver = nullptr;
        FreeForms();
        TMain::ProgramFolder.clear();
    }

    void Player()
    {
        if (actions.Waiting())
            return;
        auto* game = dynamic_cast<TBubbles*>(CurrentView);
        if (CurrentView == ChapterView && ChapterView->Active && !played) {
            played = true;
            actions.Act([] { QTest::mouseClick(GamesStg->BubblesBtn, Qt::LeftButton, {}, QPoint(4, 4)); });
        } else if (CurrentView == ChapterView && ChapterView->Active) {
            focusAfterGame = BookForm->focusWidget();
            actions.Act([] { BookForm->close(); });
        } else if (game && game->State == TEvent::kReady) {
            focusInGame = BookForm->focusWidget() == game->PlayField.data();
            fieldName = game->PlayField->accessibleName().toStdString();
            actions.Act([] { QTest::keyClick(BookForm, 'x'); });
        } else if (game && game->State == TEvent::kFinished &&
                   EventsStg->MsgLabel2->Caption() == "Press Enter to continue.") {
            actions.Act([] { QTest::keyClick(BookForm, Qt::Key_Return); });
        }
    }

    TestPlatform platform;
    ScratchDir folder;
    PacedActions actions;
    bool played = false, focusInGame = false;
    QWidget* focusAfterGame = nullptr;
    std::string fieldName;
};

TEST_F(SpokenGameTest, WithAScreenReaderTheGameIsSpokenAndTheFocusFollowsThePlayer)
{
    platform.speech->screenReader = true;
    EXPECT_EQ(TMain::Main(), 0);
    EXPECT_FALSE(platform.pump->hitPassLimit);
    EXPECT_TRUE(focusInGame);
    EXPECT_EQ(fieldName, "Bubbles");
    EXPECT_EQ(focusAfterGame, GamesStg->BubblesBtn);

    // The sentences in order, with a bubble's character (one character) for each bubble launched
    // between the start and the end: at least the six that escaped.
    const std::vector<std::string>& said = platform.speech->said;
    const auto at = [&said](const std::string& text) { return std::find(said.begin(), said.end(), text); };
    const auto start = at("Bubbles. Press any key to begin.");
    const auto over = at("Game over.");
    const auto enter = at("Press Enter to continue.");
    const auto score = at("Your score: 0.");
    ASSERT_NE(start, said.end());
    ASSERT_NE(score, said.end());
    EXPECT_TRUE(start < over && over < enter && enter < score);
    const auto characters =
        std::count_if(start + 1, over, [](const std::string& s) { return s.size() == 1; });
    EXPECT_GE(characters, 6);
    EXPECT_EQ(characters, over - start - 1) << "only characters are said while the bubbles rise";
}

TEST_F(SpokenGameTest, WithoutAScreenReaderNothingIsSpoken)
{
    EXPECT_EQ(TMain::Main(), 0);
    EXPECT_TRUE(platform.speech->said.empty());
}

} // namespace
