#pragma once
#include "book_form.h"
#include "custom_game_event.h"
#include "events_stg.h"
#include "missed_lcd.h"
#include "system.h"

#include <QPainter>
#include <functional>
#include <string>

// A small game on the game frame: it shows a letter, a key press of that letter scores a point and
// brings the next one, a wrong key or a letter left for ten steps is a miss, and six misses end it.
class CountingGame : public TCustomGameEvent {
  public:
    static constexpr int kStepsToMiss = 10;
    static constexpr int kMissesToEnd = 6;

    explicit CountingGame(const std::string& description) : TCustomGameEvent(description)
    {
        on_.fill(Qt::red);
        off_.fill(Qt::darkGray);
    }
    ~CountingGame() override
    {
        CloseBeforeDestruction();
        if (onEnd)
            onEnd(ResultCode, Score);
    }

    void Load() override
    {
        TCustomGameEvent::Load();
        Missed = 0;
        Target = 'a';
        Age = 0;
        Lamps = new TMissedLcd();
        Lamps->SetLitCount(0);
        Lamps->SetSlotCount(kMissesToEnd);
        Lamps->OffPicture = &off_;
        Lamps->OnPicture = &on_;
        Lamps->move(EventsStg->MissLcd->x() + 8, EventsStg->MissLcd->y() + 7);
        BorrowControl(Lamps, BookForm->WidePage);
        Lamps->show();
        EventsStg->MissLcd->show();
        EventsStg->MissedTitle->show();
        EventsStg->InstrLbl1->SetCaption("Type the letter on the field");
    }

    void Unload() override
    {
        TCustomGameEvent::Unload();
        delete Lamps;
        EventsStg->MissLcd->hide();
        EventsStg->MissedTitle->hide();
    }

    void KeyPressed(QObject* sender, char& key) override
    {
        TCustomGameEvent::KeyPressed(sender, key);
        if (State == kReady) {
            Start();
        } else if (State == kRunning) {
            if (key == Target) {
                SetScore(Score + 1);
                NextTarget();
            } else {
                Miss();
            }
        }
    }

    void GameStep() override
    {
        TCustomGameEvent::GameStep();
        ++Steps;
        if (onStep)
            onStep(*this);
        if (State == kRunning && ++Age >= kStepsToMiss) {
            Miss();
            NextTarget();
        }
        FieldBitmap.fill(Qt::white);
        QPainter p(&FieldBitmap);
        p.drawText(20, 40, QString(QChar(Target)));
        p.end();
        ShowField();
    }

    void Stop() override
    {
        StoppedAt = TickCount();
        TCustomGameEvent::Stop();
    }

    char Target = 'a';
    int Age = 0;
    int Missed = 0;
    int Steps = 0;
    std::uint32_t StoppedAt = 0;
    TMissedLcd* Lamps = nullptr;
    std::function<void(CountingGame&)> onStep;
    std::function<void(std::int32_t result, std::int32_t score)> onEnd;

  private:
    void NextTarget()
    {
        Target = Target == 'z' ? 'a' : static_cast<char>(Target + 1);
        Age = 0;
    }
    void Miss()
    {
        ++Missed;
        Lamps->SetLitCount(Missed);
        if (Missed == kMissesToEnd)
            Stop();
    }

    QImage on_{21, 20, QImage::Format_RGB32};
    QImage off_{21, 20, QImage::Format_RGB32};
};
