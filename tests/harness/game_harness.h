#pragma once
#include "games_menu.h"
#include "scratch_dir.h"
#include "test_platform.h"

#include <QWidget>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class TCustomGameEvent;
class TEvent;
class TGamesView;

// Whole-program tests: the program's forms over the platform doubles (virtual clock, scripted dialogs,
// recording sound device), the games loop started as the program starts it, and a player that acts
// from the pump's driver on every pass of whichever loop is running.

// Keys and clicks as the player makes them, through the main window's key preview.
// Send*: handled before the call returns (from a test body, outside any loop).
// Queue*: handled by the next pass of the running loop. A driver must queue: a key that starts a
// game runs the game loop inside its handler, and the driver is only called again from that loop.
void SendKey(int qtKey, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
void SendChar(char ch);
void QueueKey(int qtKey, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
void QueueChar(char ch);
// A left click on a control (a console picture button or a push button).
void QueueClick(QWidget* control);
// The player's request to close the main window (its close box).
void QueueCloseWindow();

// A player who takes one action at a time: Act queues it for the next pass of the running loop and
// Waiting() is true until it has been taken. Starting a game runs the game loop inside the key
// handler, so an action is never taken from the player's own turn.
class PacedActions {
  public:
    void Act(std::function<void()> action);
    bool Waiting() const { return pending_; }

  private:
    bool pending_ = false;
};

class TBubbles;
struct Tbubble;
// The bubble a Bubbles player aims at: the lowest active column bubble above the aiming line.
const Tbubble* BubbleToPop(const TBubbles& game);

// A player following a script: each step waits until its condition holds, then acts once. Between
// steps, EveryPass (when set) plays along on every pass, for example typing what the game shows.
class ScriptedPlayer {
  public:
    ScriptedPlayer& Then(std::string name, std::function<bool()> when, std::function<void()> act);
    // Runs on every pass of the pump.
    void operator()();
    bool Finished() const { return next_ >= steps_.size(); }
    // Names of the steps done, in order.
    std::vector<std::string> done;
    std::function<void()> EveryPass;

  private:
    struct Step {
        std::string name;
        std::function<bool()> when;
        std::function<void()> act;
    };
    std::vector<Step> steps_;
    std::size_t next_ = 0;
};

// A games loop that records the menu choices. They create the games a test gives it through
// makeGame, or the program's own games when makeGame is not set.
class TestGamesMenu : public TGamesMenu {
  public:
    std::unique_ptr<TEvent> CreateGame(std::int32_t Code, const TGamesView& Choices) override;
    std::function<std::unique_ptr<TEvent>(std::int32_t code, const std::string& description)> makeGame;
    // The menu choices, in order.
    std::vector<std::int32_t> choices;
};

// The program's forms with the platform doubles in a scratch program folder holding the three sound
// files. The main window is shown (offscreen under the tests).
class GameWorld {
  public:
    GameWorld();
    ~GameWorld();
    GameWorld(const GameWorld&) = delete;
    GameWorld& operator=(const GameWorld&) = delete;

    // Start-up as the program makes it (two pages, close handler, sounds), then the games loop until it
    // ends; the sounds are freed afterwards, as at the program's end.
    void RunGamesLoop(TGamesMenu& menu);
    void SetDriver(std::function<void()> driver);

    // The state of the running program.
    TEvent* Event() const;          // the open event, or none
    TCustomGameEvent* Game() const; // the open game, or none
    bool MenuShown() const;         // the games menu is the open view
    std::string Message1() const;   // the message panel's lines
    std::string Message2() const;
    bool MessageShown() const;
    std::vector<std::string> SoundsPlayed() const { return platform.sound->played; }

    TestPlatform platform;
    ScratchDir dir;
};
