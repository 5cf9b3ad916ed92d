#pragma once
#include "key_record.h"

#include <cstdint>
#include <string>
#include <vector>

// The player's key record of one day. Day counts days of the platform clock (days since 1899-12-30).
struct TKeyDay {
    int Day = 0;
    TKeyRecord Keys;
};
// Days oldest first, each at most once.
using TKeyDays = std::vector<TKeyDay>;

// Adds a game's key record to the day it was played on.
void AddToDay(TKeyDays& days, int day, const TKeyRecord& keys);

// One rated character's standing in the player's key record. Counts are weighted by age: a day
// counts half as much for every kHalfLifeDays it lies back.
struct TKeyStanding {
    unsigned char Ch = 0;
    double Keystrokes = 0;      // weighted
    double Errors = 0;          // weighted
    double ErrorRate = 0;       // Errors / Keystrokes
    double ErrorBound = 0;      // the lower confidence bound of the error rate (0..1)
    double MsPerKey = 0;        // weighted mean time of a timed correct keystroke; 0 when none was timed
    double Slowness = 0;        // 0..1: how much slower than the player's median key
    double Difficulty = 0;      // 100 x ErrorBound + kSlownessWeight x Slowness
    unsigned char Confused = 0; // the character typed instead most often; 0 when none
    std::int32_t ConfusedCount = 0;
};

inline constexpr double kHalfLifeDays = 14;
// A key twice as slow as the player's median key weighs as much as 10 percentage points of errors.
inline constexpr double kSlownessWeight = 10;
// Pseudo-keystrokes at the player's own error rate added to every key, so that a few keystrokes
// cannot make a key look hard or easy on their own.
inline constexpr double kPriorKeystrokes = 10;
// Timed keystrokes a key needs before its speed counts.
inline constexpr double kTimedNeeded = 10;

// The rated characters typed in days, hardest first; equal difficulties go by character code.
std::vector<TKeyStanding> RankKeys(const TKeyDays& days, int today);

// The keys that stand out as hard: at least kHardFloor and at least twice the median difficulty of
// the keys typed (when three or more were), hardest first, at most max.
inline constexpr double kHardFloor = 5;
std::vector<TKeyStanding> HardKeys(const std::vector<TKeyStanding>& ranking, std::size_t max);

// The Wilson score interval's lower bound of errors in n keystrokes at z = 1.96.
double WilsonLowerBound(double errors, double n);

// A character as the player reads it: "comma", "full stop", "space", or the character itself.
// Windows-1252. In the player's language unless translated is false (the tool's tables, which read the
// same in every language).
std::string KeyName(unsigned char ch, bool translated = true);
