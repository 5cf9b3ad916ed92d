#pragma once
#include <array>
#include <cstdint>

// Per-character typing statistics fed by every game: how often each character was typed and how
// often wrongly. Each game's counts are folded into long-term totals when the game ends; the old
// totals of a key fade in proportion to how much the new game used that key. The object keeps them
// in memory; the player's progress loads them at start-up and stores each finished game's fold.
class TDifficultKeys {
  public:
    // A count for each character code 33..255; codes below 33 (controls and the space) have none.
    class TCharCounts {
      public:
        static constexpr int kFirst = 33;
        static constexpr int kSize = 256 - kFirst;

        std::int32_t& operator[](unsigned char ch) { return counts_[ch - kFirst]; }
        std::int32_t operator[](unsigned char ch) const { return counts_[ch - kFirst]; }

      private:
        std::array<std::int32_t, kSize> counts_{};
    };

    // Counts one keystroke of ch; an error counts as a keystroke too.
    void RecordKey(unsigned char ch, bool isError);
    // Folds the counts since the last evaluation into the totals and clears them.
    void Evaluate();
    // How difficult ch is for the player: the error percentage scaled so that 25 % rates 100,
    // damped for keys seen fewer than 15 times. Only letters, "," and "." are rated; others give 0.
    float KeyDifficulty(unsigned char ch) const;
    // The characters that are rated: the letters A-Z and a-z, the comma and the full stop. Others
    // are counted but rate 0.
    static bool Rated(unsigned char ch);
    // Takes the long-term totals (hits, errors, exposure) of other; the recent counts stay.
    void TakeTotals(const TDifficultKeys& other);

    TCharCounts RecentHits;
    TCharCounts RecentErrors;
    TCharCounts TotalHits;
    TCharCounts TotalErrors;
    TCharCounts Exposure;
};

// The one statistics object of the program, fed by all three games.
extern TDifficultKeys* DifficultKeys;
TDifficultKeys* EnsureDifficultKeys();
