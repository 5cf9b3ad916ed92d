#include "bench_support.h"

#include "book_form.h"
#include "controls.h"
#include "custom_game_event.h"
#include "events_stg.h"
#include "form_view.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QWindow>

#include <cstdio>
#include <cstdlib>

void Fail(const std::string& what)
{
    std::fprintf(stderr, "kv-micro-bench: %s\n", what.c_str());
    std::fflush(stderr);
    std::abort();
}

void Require(bool ok, const std::string& what)
{
    if (!ok)
        Fail(what);
}

void CloseGame(TFormView& game)
{
    bool cancel = false;
    game.Close(cancel);
    Require(!cancel, "a game refused to close");
}

void EnterPlay(TCustomGameEvent& game)
{
    // The game's own Start would run the loop; the clock's start and the card's hiding are what it
    // does before.
    game.TTimedEvent::Start();
    EventsStg->InstructionCard->hide();
    QCoreApplication::processEvents();
    Require(game.State == TEvent::kRunning && game.PlayField && game.PlayField->isVisible(),
            "a game is not running on a shown play field");
}

void ShowMainWindow()
{
    BookForm->show();
    // A window paints only once it is exposed; until then a repaint does nothing and the steps would
    // be timed without showing their field.
    QElapsedTimer waited;
    waited.start();
    while (!(BookForm->windowHandle() && BookForm->windowHandle()->isExposed()) && waited.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    Require(BookForm->windowHandle() && BookForm->windowHandle()->isExposed(),
            "the main window is not exposed");
}
