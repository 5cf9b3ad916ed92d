#pragma once
#include "difficult_keys.h"
#include "game_record.h"
#include "key_ranking.h"
#include "keyboard_map.h"
#include "store_problem.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

class TProgressStore;

// How many scores each game's chart shows, and how many days the accuracy and speed charts.
inline constexpr int kChartGames = 20;
inline constexpr int kChartDays = 30;

// Everything the progress view and the menu's notice show, read in one go.
struct TProgressData {
    TDifficultKeys Keys;               // the statistics' totals; recent counts unused
    TKeyDays KeyDays;                  // the key record of the last kChartDays days
    int Today = 0;                     // the day of the platform clock
    std::vector<TKeyStanding> Ranking; // the keys typed, hardest first
    // Whether Ranking comes from the key record; without one the statistics' totals stand in for it.
    bool RankedFromRecord = false;
    std::array<std::vector<std::int32_t>, 3> Scores;    // the last games' scores, oldest first
    std::array<std::vector<std::string>, 3> ScoreDays;  // their days, "YYYY-MM-DD"
    std::array<std::int32_t, 3> WeekBest{{-1, -1, -1}}; // best of the last seven days; -1 none
    std::vector<TKeyCap> Keyboard = UsKeyboard();       // the keyboard drawn, of the X layout
    TStoreProblem Problem = TStoreProblem::None;        // why the scores could not be read
    // The name a damaged progress file was set aside under, for the notice to tell once.
    std::string SetAsideName;
    bool HasGames() const
    {
        return !KeyDays.empty() || !Ranking.empty() || !Scores[0].empty() || !Scores[1].empty() ||
               !Scores[2].empty();
    }
};

// Reads the player's progress: totals from keys, the key record from days (ranked; without any days
// the statistics' totals stand in for it), scores from store (none without one). now is a date-time
// of the platform clock. The scores stop at the first that cannot be read, and Problem says why.
TProgressData CollectProgress(TProgressStore* store, const TDifficultKeys& keys, const TKeyDays& days,
                              double now);

// The menu's notice: the three keys of the key record that stand out as hard ("comma", "full stop"
// by name) and the best scores of the week, and how to open the progress view; for a player with no
// key record and no scores yet, that Alt+Y shows the progress; first of all, once, a damaged file set
// aside. Keys the statistics alone know of are never named: they may never have been due. Windows-1252.
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
