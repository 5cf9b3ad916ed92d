#pragma once
#include "difficult_keys.h"

#include <string>
#include <vector>

// A rated character with its standing in the statistics.
struct TKeyRating {
    unsigned char Ch = 0;
    float Rating = 0;
    std::int32_t Hits = 0;   // faded keystroke total
    std::int32_t Errors = 0; // faded error total
};

// The rated characters (letters, comma, full stop) with a rating above 0, hardest first; equal
// ratings go by more errors, then by character code.
std::vector<TKeyRating> HardestKeys(const TDifficultKeys& keys);

// The key set of the "my difficult keys" practice: the hardest rated characters, at most 12; fewer
// than 6 are filled up with the home-row letters, so a new player practises the home row.
std::string PracticeKeySet(const TDifficultKeys& keys);

inline constexpr int kPracticeMin = 6;
inline constexpr int kPracticeMax = 12;
