#pragma once
#include "event.h"

#include <QPointer>

class TTimer;

// An event with a clock. The clock counts the time the event has been running, leaves out the time
// spent paused, and shows minutes and seconds on the event console; with a time limit it counts down
// and ends the event when the limit is reached.
//
// Clock seconds are day fractions times 100000 (0.864 s each); the games time their rules in the
// same unit.
class TTimedEvent : public TEvent {
  public:
    using TEvent::TEvent;
    ~TTimedEvent() override;

    void Load() override;
    void Unload() override;
    void ButtonClick(QObject* Sender) override;
    void QueryClose(bool& Cancel) override;
    std::int32_t Run() override;

    // Called right after the event stopped because a count-down reached 0.
    virtual void TimeUp();
    // Pauses the clock (State 2).
    virtual void Pause();
    // Ends the event (State 3): end sound, clock off, message panel shown.
    virtual void Stop();
    // Starts or resumes the clock (State 1).
    virtual void Start();

    // Recomputes the clock and rewrites its text when the shown value changed.
    void UpdateClock();
    // Shows or hides the clock's controls together.
    void ShowClock(bool Visible);

    // Clock seconds; 0 counts up without end.
    std::int32_t TimeLimit = 0;
    bool ClockVisible = false;
    // When the clock started, moved forward by every pause; 0 = not started.
    double ClockStart = 0;
    // When the clock was paused; 0 = not paused.
    double PauseTime = 0;
    // The value last written to the clock; -1 = nothing shown yet.
    std::int32_t ShownSeconds = -1;
    // Fires every 100 ms while the clock runs. Created by Run with the main window as its owner and
    // freed with the event.
    QPointer<TTimer> ClockTimer;
};

// The clock text of a number of clock seconds: minutes and seconds, two digits each at least.
std::string ClockText(std::int32_t Seconds);
