#include "book_form.h"
#include "bubbles.h"
#include "chapter_view.h"
#include "event_view_stg.h"
#include "events_stg.h"
#include "game_harness.h"
#include "games_stg.h"
#include "scratch_dir.h"
#include "signals.h"
#include "test_platform.h"
#include "tmain.h"
#include "top_ten_view.h"

#include <QApplication>
#include <QCloseEvent>
#include <QTest>
#include <csignal>
#include <gtest/gtest.h>

namespace {

// A window that counts the requests to close it and refuses them, so it can be asked again.
class CountingWindow : public QWidget {
  public:
    int closeRequests = 0;

  protected:
    void closeEvent(QCloseEvent* e) override
    {
        ++closeRequests;
        e->ignore();
    }
};

void ProcessFor(int ms)
{
    QTest::qWait(ms);
}

// The tests may run under nohup or as a background job, which start them with signals ignored.
void DefaultActions()
{
    for (int sig : {SIGTERM, SIGINT, SIGHUP})
        std::signal(sig, SIG_DFL);
}

TEST(EndingSignals, EachEndingSignalAsksTheWindowToCloseOnce)
{
    DefaultActions();
    CountingWindow window;
    for (int sig : {SIGTERM, SIGINT, SIGHUP}) {
        window.closeRequests = 0;
        ASSERT_TRUE(Signals::CloseOnSignals(&window));
        std::raise(sig);
        EXPECT_EQ(window.closeRequests, 0) << "the handler itself must not close anything";
        ProcessFor(50);
        EXPECT_EQ(window.closeRequests, 1) << "signal " << sig;
    }
    Signals::RestoreDefaults();
}

TEST(EndingSignalsDeathTest, ASecondSignalEndsTheProgramAtOnce)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            DefaultActions();
            CountingWindow window;
            Signals::CloseOnSignals(&window);
            std::raise(SIGTERM);
            // The first one is waiting to be handled, as in a program stuck in a long step.
            std::raise(SIGINT);
            ProcessFor(200);
            std::exit(0);
        },
        testing::KilledBySignal(SIGINT), "");
}

TEST(EndingSignalsDeathTest, ASignalIgnoredWhenTheProgramStartedStaysIgnored)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            DefaultActions();
            std::signal(SIGHUP, SIG_IGN); // as nohup starts a program
            CountingWindow window;
            Signals::CloseOnSignals(&window);
            std::raise(SIGHUP);
            std::raise(SIGHUP);
            ProcessFor(50);
            const bool ignored = window.closeRequests == 0;
            std::raise(SIGTERM);
            ProcessFor(50);
            std::exit(ignored && window.closeRequests == 1 ? 0 : 1);
        },
        testing::ExitedWithCode(0), "");
}

// The program with Bubbles played to a score that ranks; while the player types a name into the
// top-ten box, SIGTERM arrives. The program ends through its normal close, and the name is stored.
class EndingSignalWhileTypingAName : public testing::Test {
  protected:
    EndingSignalWhileTypingAName()
    {
        for (const char* name : {"Click.wav", "Theend.wav", "Error.wav"})
            folder.Write(name, "RIFF");
        TMain::ProgramFolder = folder.Path();
        CreateForms();
        DefaultActions();
        Signals::CloseOnSignals(BookForm);
        platform.pump->driver = [this] { Player(); };
    }
    ~EndingSignalWhileTypingAName() override
    {
        platform.pump->driver = nullptr;
        Signals::RestoreDefaults();
        FreeForms();
        TMain::ProgramFolder.clear();
    }

    void Player()
    {
        if (actions.Waiting() || signalled)
            return;
        auto* game = dynamic_cast<TBubbles*>(CurrentView);
        if (CurrentView == ChapterView && ChapterView->Active && score < 0) {
            actions.Act([] { QTest::mouseClick(GamesStg->BubblesBtn, Qt::LeftButton, {}, QPoint(4, 4)); });
        } else if (CurrentView == ChapterView && ChapterView->Active) {
            nameBoxShown = !EventViewStg->NameBox->isHidden();
            signalled = true;
            actions.Act([] {
                EventViewStg->NameBox->clear();
                QTest::keyClicks(EventViewStg->NameBox, "Sam");
                std::raise(SIGTERM);
            });
        } else if (game && game->State == TEvent::kReady) {
            actions.Act([] { QTest::keyClick(BookForm, 'x'); });
        } else if (game && game->State == TEvent::kRunning && game->Score < 450) {
            const Tbubble* target = BubbleToPop(*game);
            if (target) {
                const char key = static_cast<char>(target->Char);
                actions.Act([key] { QTest::keyClick(BookForm, key); });
            }
        } else if (game && game->State == TEvent::kFinished &&
                   EventsStg->MsgLabel2->Caption() == "Press Enter to continue.") {
            score = game->Score;
            actions.Act([] { QTest::keyClick(BookForm, Qt::Key_Return); });
        }
    }

    TestPlatform platform;
    ScratchDir folder;
    PacedActions actions;
    bool signalled = false, nameBoxShown = false;
    int score = -1;
};

TEST_F(EndingSignalWhileTypingAName, TheNameIsStoredAndTheProgramEndsNormally)
{
    EXPECT_EQ(TMain::Main(), 0);
    EXPECT_FALSE(platform.pump->hitPassLimit);
    ASSERT_TRUE(signalled);
    ASSERT_TRUE(nameBoxShown);
    ASSERT_GE(score, 450);
    const std::string bytes = folder.Read("bubbles.kvt");
    ASSERT_EQ(bytes.size(), 10u * 514);
    bool stored = false;
    for (std::size_t at = 0; at < bytes.size(); at += 514)
        stored = stored || bytes.substr(at, 4) == "\3Sam";
    EXPECT_TRUE(stored) << "the typed name was lost";
}

} // namespace
