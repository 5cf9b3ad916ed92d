#pragma once
#include "difficult_keys.h"
#include "store_problem.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

class TProgressStore;

// The games as the history names them, in the menu's order.
inline constexpr const char* kHistoryGames[3] = {"Bubbles", "WordTris", "Clouds"};
// How many scores each game's chart shows.
inline constexpr int kChartGames = 20;

// Everything the progress view and the menu's notice show, read in one go.
struct TProgressData {
    TDifficultKeys Keys;                                // the totals; recent counts unused
    std::array<std::vector<std::int32_t>, 3> Scores;    // the last games' scores, oldest first
    std::array<std::int32_t, 3> WeekBest{{-1, -1, -1}}; // best of the last seven days; -1 none
    std::string Layout = "us";                          // keyboard drawn: "us", "de" or "fr"
    TStoreProblem Problem = TStoreProblem::None;        // why the scores could not be read
};

// Reads the player's progress: totals from keys, scores from store (none without one). now is a
// date-time of the platform clock. The scores stop at the first that cannot be read, and Problem
// says why.
TProgressData CollectProgress(TProgressStore* store, const TDifficultKeys& keys, double now);

// The menu's notice: the three hardest keys and the best scores of the week, and how to open the
// progress view. Empty when there is nothing to show yet. Windows-1252.
std::string ProgressNotice(const TProgressData& data);

// The notice when the state folder cannot be written.
inline constexpr const char* kProgressNotKept =
    "Your progress is not being kept: the folder for it cannot be written. The games run as usual.";

// Why the progress could not be reached, as the player reads it: "another copy of the program holds
// it"; empty for None.
std::string ProblemReason(TStoreProblem problem);
// The menu's notice for a problem: progress not kept for a lasting one; for a store held by another
// copy, that the games wait to be stored. Windows-1252.
std::string ProblemNotice(TStoreProblem problem);
