#include "book_form.h"
#include "bubbles.h"
#include "chapter_view.h"
#include "event_view_stg.h"
#include "events_stg.h"
#include "game_harness.h"
#include "games_stg.h"
#include "missed_lcd.h"
#include "scratch_dir.h"
#include "test_platform.h"
#include "tmain.h"
#include "top_ten_view.h"

#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// The score of a row of a score file: 514-byte records, the score after a 256-byte name field.
int StoredScore(const std::string& bytes, int rank)
{
    const std::size_t at = static_cast<std::size_t>(rank - 1) * 514 + 256;
    return static_cast<std::int16_t>(static_cast<unsigned char>(bytes[at]) |
                                     (static_cast<unsigned char>(bytes[at + 1]) << 8));
}

// The program from start-up, with a player who picks "a-z, A-Z", starts Bubbles, pops bubbles once
// they have risen a little until the score passes 450 (slipping once on the way), lets six escape,
// presses Enter on "Game over.", types a name in the top ten, presses Enter and closes the window.
class BubblesGameTest : public testing::Test {
  protected:
    BubblesGameTest()
    {
        for (const char* name : {"Click.wav", "Theend.wav", "Error.wav"})
            folder.Write(name, "RIFF");
        TMain::ProgramFolder = folder.Path();
        CreateForms();
        platform.pump->driver = [this] { Player(); };
    }
    ~BubblesGameTest() override
    {
        platform.pump->driver = nullptr;
        FreeForms();
        TMain::ProgramFolder.clear();
    }

    void Player()
    {
        if (actions.Waiting() || leftMenu)
            return;
        auto* game = dynamic_cast<TBubbles*>(CurrentView);
        if (CurrentView == ChapterView && ChapterView->Active && finalScore < 0) {
            GamesStg->BubblesKeys->setCurrentIndex(1);
            emit GamesStg->BubblesKeys->activated(1);
            actions.Act([] { QTest::mouseClick(GamesStg->BubblesBtn, Qt::LeftButton, {}, QPoint(4, 4)); });
        } else if (CurrentView == ChapterView && ChapterView->Active) {
            leftMenu = true;
            nameBox = EventViewStg->NameBox->isHidden() ? "(hidden)" : EventViewStg->NameBox->Text();
            tableOnLeftPage = ChapterView->LeftView == TopTenView &&
                              EventViewStg->TopTenTitle->parentWidget() == BookForm->LeftPage;
            actions.Act([] {
                EventViewStg->NameBox->clear();
                QTest::keyClicks(EventViewStg->NameBox, "Pat");
                QTest::keyClick(BookForm, Qt::Key_Return);
                BookForm->close();
            });
        } else if (game && game->State == TEvent::kReady) {
            keySet = game->KeySet;
            actions.Act([] { QTest::keyClick(BookForm, 'x'); });
        } else if (game && game->State == TEvent::kRunning && game->Score < 450) {
            const Tbubble* target = BubbleToPop(*game);
            const char key = ++pops == 20 ? '7' : target ? static_cast<char>(target->Char) : 0;
            if (key)
                actions.Act([key] { QTest::keyClick(BookForm, key); });
            else
                --pops;
        } else if (game && game->State == TEvent::kFinished &&
                   EventsStg->MsgLabel2->Caption() == "Press Enter to continue.") {
            finalScore = game->Score;
            litLamps = game->MissedLcdCtl->LitCount;
            actions.Act([] { QTest::keyClick(BookForm, Qt::Key_Return); });
        }
    }

    TestPlatform platform;
    ScratchDir folder;
    PacedActions actions;
    bool leftMenu = false, tableOnLeftPage = false;
    int pops = 0, litLamps = 0;
    std::int32_t finalScore = -1;
    std::string keySet, nameBox;
};

TEST_F(BubblesGameTest, APlayedGameEndsInTheBubblesTopTen)
{
    EXPECT_EQ(TMain::Main(), 0);
    EXPECT_FALSE(platform.pump->hitPassLimit);
    EXPECT_EQ(keySet, "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ");
    EXPECT_EQ(BookForm->Title->Caption(), "Bubbles");
    EXPECT_GE(pops, 40);
    EXPECT_GE(finalScore, 450);
    EXPECT_EQ(litLamps, 6);
    const auto& played = platform.sound->played;
    EXPECT_EQ(std::count(played.begin(), played.end(), "Error.wav"), 1);
    EXPECT_EQ(std::count(played.begin(), played.end(), "Theend.wav"), 1);
    EXPECT_TRUE(tableOnLeftPage);
    EXPECT_EQ(nameBox, "Keyvane");

    // The new row ranks below the default scores (930 down to 300 in steps of 70) it does not beat.
    const std::string bytes = folder.Read("bubbles.kvt");
    ASSERT_EQ(bytes.size(), 10u * 514);
    int rank = 1;
    while (rank < 10 && 930 - 70 * (rank - 1) >= finalScore)
        ++rank;
    EXPECT_EQ(bytes.substr(static_cast<std::size_t>(rank - 1) * 514, 4), std::string("\3Pat"));
    EXPECT_EQ(StoredScore(bytes, rank), finalScore);
    EXPECT_EQ(StoredScore(bytes, rank + 1), 930 - 70 * (rank - 1));
}

} // namespace
