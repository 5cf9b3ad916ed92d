#pragma once
#include "difficult_keys.h"

#include <cstdint>
#include <functional>
#include <string>

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
};

class TCustomGameEvent;

// The record of game at its top-ten step: its score, its playing time by the game's clock, the
// statistics' recent counts. Made before the statistics are evaluated, which clears those counts.
TGameRecord MakeGameRecord(const TCustomGameEvent& game, const std::string& name, const std::string& choice,
                           float level);

// The name a Bubbles key set goes into the history under: the menu's caption of the set, or
// "my difficult keys: " and the characters.
std::string BubblesKeySetName(const std::string& keySet);

// The vocabulary name of a game's vocabulary file: "Animals.vcb" goes into the history as "Animals".
std::string VocabularyTitle(const std::string& file);

// Fills the keystroke fields of record from the statistics' recent counts. Called before the
// statistics are evaluated, which clears those counts.
void TakeRecentKeys(const TDifficultKeys& keys, TGameRecord& record);

// Where finished games go; the program installs its progress store here at start-up. Without one a
// finished game is simply not kept.
using TGameRecordSink = std::function<void(const TGameRecord&)>;
void SetGameRecordSink(TGameRecordSink sink);
void RecordFinishedGame(const TGameRecord& record);
