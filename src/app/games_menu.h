#pragma once
#include <QtGlobal>
#include <cstdint>
#include <memory>
#include <string>

class TEvent;
class TGamesView;
class TPlayerProgress;

// The menu's line for a named score folder that cannot be used.
inline constexpr const char* kScoreFolderNotice =
    QT_TRANSLATE_NOOP("TMain", "The shared score folder cannot be used (see Errors.log).");
// The menu's line when the player's progress goes to the class's teacher.
inline constexpr const char* kClassNotice = QT_TRANSLATE_NOOP(
    "TMain", "Your teacher sees your progress: a copy goes to the class's folder after each game.");

// The games loop: shows the two-page games menu, runs the game the player chose, and again, until
// the menu or a game ends with result 0 (the window was closed).
class TGamesMenu {
  public:
    virtual ~TGamesMenu() = default;

    void GamesLoop();

    // The player's progress, when it is kept: the menu's notice, the fourth key set and the progress
    // view come from it. Without it the menu shows none of them.
    TPlayerProgress* Progress = nullptr;
    // A line that goes before the menu's notice (the score folder that cannot be used); empty: none.
    std::string ScoreNotice;
    // A line told once, in the first notice of the run (that the class's teacher sees the player's
    // progress); empty: none.
    std::string ClassNotice;

    // The game for a menu choice (1 Bubbles, 2 WordTris, 3 Clouds), built from its description and
    // the options chosen on the games page; none for any other code.
    virtual std::unique_ptr<TEvent> CreateGame(std::int32_t Code, const TGamesView& Choices);

    // The event description of a menu choice, as the games are created from it; empty for any
    // other code.
    static std::string GameDescription(std::int32_t Code, const TGamesView& Choices);
    // The book's title while the game of a menu choice runs.
    static std::string GameTitle(std::int32_t Code);
};
