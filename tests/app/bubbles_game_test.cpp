#include "book_form.h"
#include "bubbles.h"
#include "chapter_view.h"
#include "event_view_stg.h"
#include "events_stg.h"
#include "games_stg.h"
#include "missed_lcd.h"
#include "scratch_dir.h"
#include "test_platform.h"
#include "tmain.h"
#include "top_ten_view.h"

#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

namespace {

constexpr int kRecordSize = 514;

// Runs an action on the next pass of whichever loop is running. A key that starts the game runs the
// game loop inside its handler, so the player must never press it from within its own turn.
void Later(std::function<void()> action)
{
    QMetaObject::invokeMethod(qApp, std::move(action), Qt::QueuedConnection);
}

std::string StoredName(const std::string& bytes, int rank)
{
    const std::size_t at = static_cast<std::size_t>(rank - 1) * kRecordSize;
    return bytes.substr(at + 1, static_cast<unsigned char>(bytes[at]));
}

int StoredScore(const std::string& bytes, int rank)
{
    const std::size_t at = static_cast<std::size_t>(rank - 1) * kRecordSize + 256;
    return static_cast<std::int16_t>(static_cast<unsigned char>(bytes[at]) |
                                     (static_cast<unsigned char>(bytes[at + 1]) << 8));
}

// What the player saw along the way.
struct Seen {
    std::string keySet;
    std::string title;
    int pops = 0;
    int wrongKeys = 0;
    std::int32_t finalScore = -1;
    std::int32_t litLamps = 0;
    std::string gameOver;
    bool tableOnLeftPage = false;
    bool nameBoxOverNewRow = false;
    std::string nameInBox;
};

// The program from start-up: the player picks "a-z, A-Z" and starts Bubbles, pops bubbles once they
// have risen a little until the score passes 450 (with one slip of the finger on the way), then
// lets six escape, presses Enter on "Game over.", types a name over the one offered in the top ten,
// presses Enter and closes the window.
class BubblesGameTest : public testing::Test {
  protected:
    BubblesGameTest()
    {
        for (const char* name : {"Click.wav", "Theend.wav", "Error.wav"})
            folder.Write(name, "RIFF");
        TMain::ProgramFolder = folder.Path();
        CreateForms();
        // The top-ten panel's form, until start-up creates it with the others.
        if (!EventViewStg)
            ownViewStg = new TEventViewStg();
    }
    ~BubblesGameTest() override
    {
        platform.pump->driver = nullptr;
        delete ownViewStg;
        FreeForms();
        TMain::ProgramFolder.clear();
    }

    void Player()
    {
        if (pending)
            return;
        if (CurrentView == ChapterView && ChapterView->Active) {
            if (!chosen)
                ChooseBubbles();
            else if (!leftMenu)
                LookAtTheTopTen();
            return;
        }
        auto* game = dynamic_cast<TBubbles*>(CurrentView);
        if (!game)
            return;
        if (game->State == TEvent::kReady && !started && EventsStg->MsgLabel1->Caption() == "Press any key") {
            started = true;
            seen.keySet = game->KeySet;
            seen.title = BookForm->Title->Caption();
            Press('x');
        } else if (game->State == TEvent::kRunning && game->Score < kTarget) {
            Aim(*game);
        } else if (game->State == TEvent::kFinished && !ended &&
                   EventsStg->MsgLabel2->Caption() == "Press Enter to continue.") {
            ended = true;
            seen.finalScore = game->Score;
            seen.litLamps = game->MissedLcdCtl->LitCount;
            seen.gameOver = EventsStg->MsgLabel1->Caption();
            Act([] { QTest::keyClick(BookForm, Qt::Key_Return); });
        }
    }

    void ChooseBubbles()
    {
        chosen = true;
        TComboBox* keys = GamesStg->BubblesKeys;
        keys->setCurrentIndex(1);
        emit keys->activated(1);
        Act([] { QTest::mouseClick(GamesStg->BubblesBtn, Qt::LeftButton, Qt::NoModifier, QPoint(4, 4)); });
    }

    // Pops the lowest bubble that has risen past the aiming line.
    void Aim(const TBubbles& game)
    {
        const Tbubble* target = nullptr;
        for (const Tbubble& b : game.Columns)
            if (b.Active && b.Y < kAimLine && (!target || b.Y > target->Y))
                target = &b;
        if (!target)
            return;
        if (seen.pops == 20 && seen.wrongKeys == 0) {
            // A character no bubble carries: the key set has no digits.
            ++seen.wrongKeys;
            Press('7');
            return;
        }
        ++seen.pops;
        Press(static_cast<char>(target->Char));
    }

    void LookAtTheTopTen()
    {
        leftMenu = true;
        TEventViewStg* stg = EventViewStg;
        const int rank = TopTenView->NewRank;
        seen.tableOnLeftPage = ChapterView->LeftView == TopTenView &&
                               stg->TopTenTitle->parentWidget() == BookForm->LeftPage &&
                               !stg->Congratulations->isHidden();
        if (rank >= 1 && rank <= 10) {
            const TLabel* name = TopTenView->NameLabels[static_cast<std::size_t>(rank - 1)];
            seen.nameBoxOverNewRow = !stg->NameBox->isHidden() && stg->NameBox->y() == name->y() - 4;
        }
        seen.nameInBox = stg->NameBox->Text();
        Act([stg] {
            stg->NameBox->clear();
            QTest::keyClicks(stg->NameBox, "Pat");
            QTest::keyClick(BookForm, Qt::Key_Return);
        });
        Later([] { BookForm->close(); });
    }

    void Press(char ch)
    {
        Act([ch] { QTest::keyClick(BookForm, ch); });
    }
    // The player waits for each action to be taken before the next.
    void Act(std::function<void()> action)
    {
        pending = true;
        Later([this, action = std::move(action)] {
            pending = false;
            action();
        });
    }

    static constexpr std::int32_t kTarget = 450;
    static constexpr int kAimLine = 260;

    TestPlatform platform;
    ScratchDir folder;
    TEventViewStg* ownViewStg = nullptr;
    Seen seen;
    bool pending = false, chosen = false, started = false, ended = false, leftMenu = false;
};

TEST_F(BubblesGameTest, APlayedGameEndsInTheBubblesTopTen)
{
    platform.pump->driver = [this] { Player(); };
    EXPECT_EQ(TMain::Main(), 0);
    EXPECT_FALSE(platform.pump->hitPassLimit);

    EXPECT_EQ(seen.keySet, "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ");
    EXPECT_EQ(seen.title, "Bubbles");
    EXPECT_GE(seen.pops, 40);
    EXPECT_GE(seen.finalScore, kTarget);
    EXPECT_EQ(seen.litLamps, 6);
    EXPECT_EQ(seen.gameOver, "Game over.");
    const auto& played = platform.sound->played;
    EXPECT_EQ(std::count(played.begin(), played.end(), "Error.wav"), 1);
    EXPECT_EQ(std::count(played.begin(), played.end(), "Theend.wav"), 1);

    // Back on the menu, the table stands on the left page with the name box over the new row.
    EXPECT_TRUE(seen.tableOnLeftPage);
    EXPECT_TRUE(seen.nameBoxOverNewRow);
    EXPECT_EQ(seen.nameInBox, "Keyvane");

    // Ten rows, the new one ranked below the default scores (930 down to 300 in steps of 70) it
    // does not beat.
    const std::string bytes = folder.Read("bubbles.kvt");
    ASSERT_EQ(bytes.size(), 10u * kRecordSize);
    int rank = 1;
    while (rank <= 10 && 930 - 70 * (rank - 1) >= seen.finalScore)
        ++rank;
    ASSERT_LE(rank, 10);
    EXPECT_EQ(StoredName(bytes, rank), "Pat");
    EXPECT_EQ(StoredScore(bytes, rank), seen.finalScore);
    EXPECT_EQ(StoredName(bytes, rank + 1), "Keyvane");
    EXPECT_EQ(StoredScore(bytes, rank + 1), 930 - 70 * (rank - 1));
    EXPECT_TRUE(platform.dialogs->shown.empty());
}

} // namespace
