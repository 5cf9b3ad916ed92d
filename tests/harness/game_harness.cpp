#include "game_harness.h"

#include "book_form.h"
#include "bubbles.h"
#include "chapter_view.h"
#include "custom_game_event.h"
#include "event.h"
#include "events_stg.h"
#include "sounds.h"
#include "tmain.h"

#include <QApplication>
#include <QPointer>
#include <QTest>

namespace {

// Generous for a whole game: every pass of a loop advances the virtual clock by at least 1 ms.
constexpr long kMaxPasses = 400'000;

void Later(std::function<void()> action)
{
    QMetaObject::invokeMethod(qApp, std::move(action), Qt::QueuedConnection);
}

} // namespace

void PacedActions::Act(std::function<void()> action)
{
    pending_ = true;
    Later([this, action = std::move(action)] {
        pending_ = false;
        action();
    });
}

const Tbubble* BubbleToPop(const TBubbles& game)
{
    constexpr int kAimingLine = 260;
    const Tbubble* target = nullptr;
    for (const Tbubble& b : game.Columns)
        if (b.Active && b.Y < kAimingLine && (!target || b.Y > target->Y))
            target = &b;
    return target;
}

void SendKey(int qtKey, Qt::KeyboardModifiers modifiers)
{
    if (BookForm)
        QTest::keyClick(BookForm, static_cast<Qt::Key>(qtKey), modifiers);
}

void SendChar(char ch)
{
    if (BookForm)
        QTest::keyClick(BookForm, ch);
}

void QueueKey(int qtKey, Qt::KeyboardModifiers modifiers)
{
    Later([qtKey, modifiers] { SendKey(qtKey, modifiers); });
}

void QueueChar(char ch)
{
    Later([ch] { SendChar(ch); });
}

void QueueClick(QWidget* control)
{
    QPointer<QWidget> target(control);
    Later([target] {
        if (target)
            QTest::mouseClick(target, Qt::LeftButton, Qt::NoModifier, QPoint(2, 2));
    });
}

void QueueCloseWindow()
{
    Later([] {
        if (BookForm)
            BookForm->close();
    });
}

ScriptedPlayer& ScriptedPlayer::Then(std::string name, std::function<bool()> when, std::function<void()> act)
{
    steps_.push_back({std::move(name), std::move(when), std::move(act)});
    return *this;
}

void ScriptedPlayer::operator()()
{
    if (!Finished() && steps_[next_].when()) {
        Step& step = steps_[next_++];
        done.push_back(step.name);
        step.act();
        return;
    }
    if (EveryPass)
        EveryPass();
}

std::unique_ptr<TEvent> TestGamesMenu::CreateGame(std::int32_t Code, const TGamesView& Choices)
{
    choices.push_back(Code);
    if (!makeGame)
        return TGamesMenu::CreateGame(Code, Choices);
    const std::string description = GameDescription(Code, Choices);
    if (description.empty())
        return nullptr;
    return makeGame(Code, description);
}

GameWorld::GameWorld()
{
    platform.pump->maxPasses = kMaxPasses;
    for (const char* name : {"Click.wav", "Theend.wav", "Error.wav"})
        dir.Write(name, "RIFF");
    CreateForms();
    BookForm->show();
}

GameWorld::~GameWorld()
{
    platform.pump->driver = nullptr;
    for (int slot = 1; slot <= 4; ++slot)
        FreeSound(slot);
    // A test that failed half-way may leave a view open; nothing may point at freed views.
    CurrentView = nullptr;
    EnsureChapterView()->LeftView = nullptr;
    EnsureChapterView()->RightView = nullptr;
    FreeForms();
}

void GameWorld::RunGamesLoop(TGamesMenu& menu)
{
    BookForm->OnClose = &TMain::BookFormClose;
    RegisterSound(1, "Click.wav");
    RegisterSound(2, "Theend.wav");
    RegisterSound(3, "Error.wav");
    BookForm->SetLayout(2);
    menu.GamesLoop();
    TMain::Shutdown();
}

void GameWorld::SetDriver(std::function<void()> driver)
{
    platform.pump->driver = std::move(driver);
}

TEvent* GameWorld::Event() const
{
    return dynamic_cast<TEvent*>(CurrentView);
}

TCustomGameEvent* GameWorld::Game() const
{
    return dynamic_cast<TCustomGameEvent*>(CurrentView);
}

bool GameWorld::MenuShown() const
{
    return CurrentView != nullptr && CurrentView == ChapterView;
}

std::string GameWorld::Message1() const
{
    return EventsStg->MsgLabel1->Caption();
}

std::string GameWorld::Message2() const
{
    return EventsStg->MsgLabel2->Caption();
}

bool GameWorld::MessageShown() const
{
    return !EventsStg->EventMsg->isHidden();
}
