#pragma once

// The games loop: shows the two-page games menu, runs the game the player chose, and again, until
// the menu or a game ends with result 0 (the window was closed).
class TGamesMenu {
public:
    void GamesLoop();
};
