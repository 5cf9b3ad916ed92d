#pragma once
#include "difficult_keys.h"
#include "key_record.h"

#include <cstdint>
#include <functional>
#include <string>

// The games as the history names them, in the menu's order. The charts and the notice find a game's
// rows by these names.
inline constexpr const char* kGameBubbles = "Bubbles";
inline constexpr const char* kGameWordTris = "WordTris";
inline constexpr const char* kGameClouds = "Clouds";
inline constexpr const char* kHistoryGames[3] = {kGameBubbles, kGameWordTris, kGameClouds};

// What a game hands on when it reaches its top-ten step, finished or ended early: the row of the
// player's history and the keystrokes it recorded in the difficult-keys statistics.
struct TGameRecord {
    std::string Game;   // "Bubbles", "WordTris" or "Clouds"
    std::string Choice; // the key set or the vocabulary name chosen on the menu
    std::int32_t Score = 0;
    double Seconds = 0;          // playing time, pauses left out
    std::int32_t Keystrokes = 0; // keystrokes recorded in the statistics by this game
    std::int32_t Errors = 0;     // of those, the ones recorded as errors
    float Level = 0;             // the game's level at the end
    TDifficultKeys::TCharCounts Hits;
    TDifficultKeys::TCharCounts KeyErrors;
    // The player's key record of the game: every keystroke against the character that was due.
    TKeyRecord KeyRecord;
};

class TCustomGameEvent;

// The record of game at its top-ten step: its score, its playing time by the game's clock, the
// statistics' recent counts and the game's key record. Made before the statistics are evaluated,
// which clears those counts.
TGameRecord MakeGameRecord(const TCustomGameEvent& game, const std::string& name, const std::string& choice,
                           float level, const TKeyRecord& keys);

// The name a Bubbles key set goes into the history under: the menu's caption of the set, or
// "my difficult keys: " and its characters.
std::string BubblesKeySetName(const std::string& keySet);

// The vocabulary name of a game's vocabulary file: "Animals.vcb" goes into the history as "Animals".
std::string VocabularyTitle(const std::string& file);
// The vocabulary name of game's words: its file's, or "my difficult words" when it plays the
// player's practice words.
std::string VocabularyTitle(const TCustomGameEvent& game);

// Fills the keystroke fields of record from the statistics' recent counts. Called before the
// statistics are evaluated, which clears those counts.
void TakeRecentKeys(const TDifficultKeys& keys, TGameRecord& record);

// Where finished games go; the program installs its progress store here at start-up. Without one a
// finished game is simply not kept.
using TGameRecordSink = std::function<void(const TGameRecord&)>;
void SetGameRecordSink(TGameRecordSink sink);
void RecordFinishedGame(const TGameRecord& record);
