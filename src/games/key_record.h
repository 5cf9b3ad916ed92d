#pragma once
#include <array>
#include <cstdint>
#include <vector>

// What the player's keystrokes of one character came to, counted against the character that was
// due: how often it was due, how often something else was typed, what was typed instead, and how
// long the correct keystrokes took.
struct TKeyTally {
    std::int32_t Keystrokes = 0;
    std::int32_t Errors = 0;
    // Correct keystrokes timed from the previous keystroke of the same word, and their sum.
    std::int32_t TimedStrokes = 0;
    std::int64_t TimedMs = 0;
    // The characters typed instead, with how often; a short list, most keys are confused with few.
    struct TConfusion {
        unsigned char Typed = 0;
        std::int32_t Count = 0;
    };
    std::vector<TConfusion> Confusions;

    void Confuse(unsigned char typed, std::int32_t count);
    // Adds other's counts, times and confusions to this tally.
    void Add(const TKeyTally& other);
    // The character typed instead most often (the lower code on a tie); Count 0 when none.
    TConfusion MostConfused() const;
};

// The player's key record: a tally for every character code 33..255 that can be due. It lives beside
// the difficult-keys statistics and does not change them: those keep their own recording rules.
class TKeyRecord {
  public:
    static constexpr int kFirst = 33;
    static constexpr int kSize = 256 - kFirst;

    // The characters the key record rates: every character of the code page a vocabulary or key set
    // can hold and a key can type (letters with and without accents, digits, punctuation). Not rated:
    // the five bytes the code page leaves undefined, the no-break space and the soft hyphen.
    static bool Rated(unsigned char ch);

    // A keystroke of due that was right; ms is the time since the previous keystroke of the same
    // word, or below 0 when there is none to count.
    void Correct(unsigned char due, std::int32_t ms);
    // A keystroke where due was wanted and typed came; typed equal to due names no confusion.
    void Error(unsigned char due, unsigned char typed);
    // Adds every tally of other.
    void Add(const TKeyRecord& other);
    bool Empty() const;
    std::int32_t Keystrokes() const;
    std::int32_t Errors() const;

    TKeyTally& operator[](unsigned char ch) { return tallies_[Index(ch)]; }
    const TKeyTally& operator[](unsigned char ch) const { return tallies_[Index(ch)]; }

  private:
    static std::size_t Index(unsigned char ch) { return ch < kFirst ? 0 : std::size_t(ch - kFirst); }
    std::array<TKeyTally, kSize> tallies_{};
};

// Feeds a game's key record keystroke by keystroke and times the correct ones within a word.
class TKeyRecorder {
  public:
    // Pauses longer than this say nothing of the player's speed and are not counted.
    static constexpr std::uint32_t kLongestPauseMs = 2000;

    // A keystroke of the word being typed at tick (ms): due was wanted, typed was pressed, and the
    // game took it as right or not (a game may take a capital for its small letter).
    void Key(unsigned char due, unsigned char typed, bool right, std::uint32_t tick);
    // A keystroke that belongs to no word (Bubbles): ch right or wrong, never timed.
    void Single(unsigned char ch, bool right);
    // The next keystroke starts a new word and has no time.
    void NewWord() { timing_ = false; }

    TKeyRecord Record;

  private:
    bool timing_ = false;
    std::uint32_t lastTick_ = 0;
};
