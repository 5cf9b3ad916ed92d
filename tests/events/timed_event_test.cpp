#include "book_form.h"
#include "events_stg.h"
#include "game_harness.h"
#include "sounds.h"
#include "timed_event.h"
#include "timer.h"

#include <gtest/gtest.h>

namespace {

// Real milliseconds of a number of clock seconds (a clock second is 0.864 s).
constexpr int ClockMs(int seconds)
{
    return seconds * 864;
}

class CountDown : public TTimedEvent {
  public:
    using TTimedEvent::TTimedEvent;
    void TimeUp() override { ++timeUps; }
    int timeUps = 0;
};

class TimedEventTest : public testing::Test {
  protected:
    TimedEventTest() { RegisterSound(2, "Theend.wav"); }
    std::string ClockShown() const { return EventsStg->TimeLabel->Caption(); }
    void Advance(int ms) { world.platform.clock->Advance(ms); }
    GameWorld world;
};

TEST_F(TimedEventTest, ClockShowsRunningClockSecondsAsMinutesAndSeconds)
{
    struct Row {
        int ms;
        const char* shown;
    };
    const Row rows[] = {
        {0, "00:00"},
        {431, "00:00"},
        {433, "00:01"},
        {ClockMs(59), "00:59"},
        {ClockMs(60), "01:00"},
        {ClockMs(3600), "60:00"},
        {ClockMs(6000), "100:00"},
    };
    for (const Row& row : rows) {
        TTimedEvent ev("Event=Test;0");
        ASSERT_FALSE(ev.Open());
        ev.Start();
        Advance(row.ms);
        ev.UpdateClock();
        EXPECT_EQ(ClockShown(), row.shown) << row.ms << " ms";
        EXPECT_EQ(EventsStg->TimeGraph->Progress(), 0);
        ev.State = TEvent::kFinished;
        bool cancel = false;
        ev.Close(cancel);
    }
}

TEST_F(TimedEventTest, PausedTimeIsLeftOutOfTheClock)
{
    TTimedEvent ev("Event=Test;0");
    ASSERT_FALSE(ev.Open());
    ev.Start();
    Advance(ClockMs(10));
    ev.Pause();
    EXPECT_EQ(ev.State, TEvent::kPaused);
    Advance(ClockMs(5));
    ev.Start();
    EXPECT_EQ(ev.State, TEvent::kRunning);
    Advance(ClockMs(10));
    ev.UpdateClock();
    EXPECT_EQ(ClockShown(), "00:20");
    ev.Stop();
    bool cancel = false;
    ev.Close(cancel);
    EXPECT_FALSE(ev.Active);
}

TEST_F(TimedEventTest, DeclinedCloseQuestionResumesTheClockWithoutTheQuestionTime)
{
    TTimedEvent ev("Event=Test;0");
    ASSERT_FALSE(ev.Open());
    ev.Start();
    Advance(ClockMs(10));
    world.platform.dialogs->answers = {false};
    world.platform.dialogs->onShow = [&] { Advance(ClockMs(30)); };
    ev.ButtonClick(BookForm->Cancel);
    EXPECT_TRUE(ev.Active);
    EXPECT_EQ(ev.ResultCode, 0);
    EXPECT_EQ(ev.State, TEvent::kRunning);
    Advance(ClockMs(10));
    ev.UpdateClock();
    EXPECT_EQ(ClockShown(), "00:20");
    // Answered Yes, the paused event closes as cancelled.
    world.platform.dialogs->onShow = nullptr;
    ev.ButtonClick(BookForm->Cancel);
    EXPECT_FALSE(ev.Active);
    EXPECT_EQ(ev.ResultCode, 2);
}

// The 100 ms timer keeps the clock current from the message processing of the event's loop.
TEST_F(TimedEventTest, TimerKeepsTheClockCurrentAndIsFreedWithTheEvent)
{
    auto ev = std::make_unique<TTimedEvent>("Event=Test;0");
    QPointer<TTimer> timer;
    std::string seenAtTen;
    world.SetDriver([&] {
        if (!timer) {
            timer = ev->ClockTimer;
            EXPECT_FALSE(timer->Enabled());
            ev->Start();
        }
        Advance(10);
        if (seenAtTen.empty() && world.platform.clock->elapsedMs >= ClockMs(10) + 100) {
            seenAtTen = ClockShown();
            QueueKey(Qt::Key_Escape);
        }
    });
    EXPECT_EQ(ev->Run(), 2); // the question is answered Yes
    EXPECT_EQ(seenAtTen, "00:10");
    ASSERT_TRUE(timer);
    EXPECT_FALSE(timer->Enabled());
    ev.reset();
    EXPECT_TRUE(timer.isNull());
}

TEST_F(TimedEventTest, CountDownStopsTheEventOnceWhenItsLimitRunsOut)
{
    CountDown ev("Event=Test;0");
    ev.TimeLimit = 90;
    ev.NextAllowed = false;
    std::string before;
    std::uint32_t stoppedAt = 0;
    world.SetDriver([&] {
        if (ev.State == TEvent::kReady) {
            before = ClockShown();
            ev.Start();
        } else if (ev.State == TEvent::kRunning) {
            Advance(50);
        } else if (stoppedAt == 0) {
            stoppedAt = world.platform.clock->tick;
            Advance(ClockMs(20)); // ticks after the limit change nothing
            ev.UpdateClock();
            QueueKey(Qt::Key_Return);
        }
    });
    EXPECT_EQ(ev.Run(), 4);
    EXPECT_EQ(before, "01:30");
    EXPECT_EQ(ev.timeUps, 1);
    EXPECT_EQ(ClockShown(), "00:00");
    EXPECT_EQ(world.SoundsPlayed(), std::vector<std::string>{"Theend.wav"});
    // Stopped at the first tick that shows 0, which comes once 89.5 clock seconds have passed.
    const std::uint32_t limitTick = 1000 + ClockMs(90);
    EXPECT_GE(stoppedAt, limitTick - ClockMs(1) / 2);
    EXPECT_LE(stoppedAt, limitTick + 150);
}

} // namespace
