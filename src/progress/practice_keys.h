#pragma once
#include "difficult_keys.h"
#include "key_ranking.h"

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

// The key set of "my difficult keys" from the player's key record: the keys that stand out as hard
// (at most 12), each twice so that they bring more bubbles, then home-row letters once each until six
// different keys are in the set. A player with no key record yet (the statistics kept by an earlier
// version of the program) gets the set of the statistics' hardest keys.
std::string PracticeKeySet(const std::vector<TKeyStanding>& ranking, const TDifficultKeys& keys);

// About count words for "my difficult words", taken from candidates (lower-cased, each once): the
// words densest in the player's hard keys, with a bonus for holding both a key and the character
// typed for it most often. Without hard keys the practice key set's keys count. When no candidate
// holds any of them, the first candidates.
inline constexpr int kPracticeWords = 50;
std::vector<std::string> PracticeWords(const std::vector<TKeyStanding>& ranking, const TDifficultKeys& keys,
                                       const std::vector<std::string>& candidates,
                                       int count = kPracticeWords);
