#include "timed_event.h"

#include "book_form.h"
#include "events_stg.h"
#include "sounds.h"
#include "system.h"
#include "timer.h"

#include <cmath>
#include <cstdio>

namespace {

// One clock second is a hundred-thousandth of a day.
constexpr double kClockSecondsPerDay = 100000.0;
constexpr int kClockTick = 100;

} // namespace

std::string ClockText(std::int32_t Seconds)
{
    char text[32];
    std::snprintf(text, sizeof text, "%2.2d:%2.2d", Seconds / 60, Seconds % 60);
    return text;
}

TTimedEvent::~TTimedEvent()
{
    CloseBeforeDestruction();
    delete ClockTimer.data();
}

void TTimedEvent::TimeUp() {}

void TTimedEvent::UpdateClock()
{
    const bool countUp = TimeLimit == 0;
    // Rounded to the nearest clock second, halves to even.
    const std::int32_t elapsed =
        ClockStart == 0
            ? 0
            : static_cast<std::int32_t>(std::nearbyint((Now() - ClockStart) * kClockSecondsPerDay));
    std::int32_t shown;
    if (countUp) {
        EventsStg->TimeGraph->SetProgress(0);
        shown = elapsed;
    } else {
        EventsStg->TimeGraph->SetProgress(elapsed);
        // A tick that comes after the limit has passed shows the end of the count-down.
        shown = std::max(0, TimeLimit - elapsed);
    }
    if (shown == ShownSeconds)
        return;
    ShownSeconds = shown;
    EventsStg->TimeLabel->SetCaption(ClockText(shown));
    if (!countUp && elapsed >= TimeLimit) {
        Stop();
        State = kFinished;
        TimeUp();
    }
}

void TTimedEvent::ShowClock(bool Visible)
{
    if (Visible == ClockVisible)
        return;
    ClockVisible = Visible;
    TEventsStg* stg = EventsStg;
    for (QWidget* w : {static_cast<QWidget*>(stg->TimeLbl), static_cast<QWidget*>(stg->Screen2),
                       static_cast<QWidget*>(stg->TimeGraph), static_cast<QWidget*>(stg->TimeLabel)})
        w->setVisible(Visible);
}

void TTimedEvent::Start()
{
    const double now = Now();
    if (ClockStart == 0)
        ClockStart = now;
    if (PauseTime != 0) {
        // Moving the start forward by the length of the pause leaves the paused time out.
        ClockStart = now - PauseTime + ClockStart;
        PauseTime = 0;
    }
    if (ClockTimer)
        ClockTimer->SetEnabled(true);
    EventsStg->EventMsg->hide();
    EventsStg->TimeGraph->MinValue = 0;
    EventsStg->TimeGraph->MaxValue = TimeLimit;
    State = kRunning;
}

void TTimedEvent::Pause()
{
    PauseTime = Now();
    if (ClockTimer)
        ClockTimer->SetEnabled(false);
    State = kPaused;
}

void TTimedEvent::Stop()
{
    PlaySoundSlot(kSoundTheEnd);
    if (ClockTimer)
        ClockTimer->SetEnabled(false);
    State = kFinished;
    EventsStg->EventMsg->raise();
    EventsStg->EventMsg->show();
}

std::int32_t TTimedEvent::Run()
{
    ClockStart = 0;
    PauseTime = 0;
    ShownSeconds = -1;
    State = kReady;
    UpdateClock();
    // Each run has its own timer; one left from an earlier run goes first.
    delete ClockTimer.data();
    ClockTimer = new TTimer(BookForm);
    ClockTimer->SetInterval(kClockTick);
    ClockTimer->OnTimer = [this] { UpdateClock(); };
    return TEvent::Run();
}

void TTimedEvent::Load()
{
    TEvent::Load();
    TEventsStg* stg = EventsStg;
    BookForm->TitleConsole->hide();
    BorrowControl(stg->RightConsole, BookForm->WidePage);
    BorrowChildren(stg->EventConsole, BookForm->WidePage);
    BorrowControl(stg->EventMsg, BookForm->WidePage);
    ShowClock(true);
    BookForm->SetConsoleStyle(1);
}

void TTimedEvent::Unload()
{
    if (ClockTimer)
        ClockTimer->SetEnabled(false);
    EventsStg->EventMsg->hide();
    BookForm->TitleConsole->show();
    BookForm->SetConsoleStyle(0);
    TEvent::Unload();
}

void TTimedEvent::ButtonClick(QObject* Sender)
{
    TEvent::ButtonClick(Sender);
    if (Sender && Sender->objectName() == QLatin1String("Pause"))
        Pause();
}

void TTimedEvent::QueryClose(bool& Cancel)
{
    // The clock stands still while the question is shown.
    if (State == kRunning)
        Pause();
    TEvent::QueryClose(Cancel);
    if (Cancel && State == kPaused)
        Start();
}
