#pragma once
#include "key_ranking.h"
#include "pupil_copy.h"

#include <cstdint>
#include <string>
#include <vector>

// Accuracy and speed of some games: right keystrokes of all keystrokes, and right keystrokes per
// minute of playing time.
struct TPlayFigures {
    int Games = 0;
    double Seconds = 0;
    std::int64_t Keystrokes = 0;
    std::int64_t Errors = 0;
    void Add(const TPupilGame& game);
    bool HasKeys() const { return Keystrokes > 0; }
    double Accuracy() const; // percent; 0 without keystrokes
    double Speed() const;    // characters a minute; 0 without playing time
};

// What was typed instead of a due character, and how often.
struct TConfusionCount {
    unsigned char Due = 0;
    unsigned char Typed = 0;
    std::int64_t Times = 0;
    int Pupils = 0; // in the class's list: how many pupils made it
};

struct TPupilFigures {
    TPupilRecord Record;
    TPlayFigures Period, Before;
    // Days of the period with games: day, and that day's figures; oldest first.
    std::vector<std::pair<int, TPlayFigures>> ByDay;
    std::vector<TKeyStanding> Ranking; // the keys typed in the period, hardest first
    TConfusionCount Confusion;         // the most frequent one; Times 0 when none
};

// One key of the class's hardest: its error rate over every pupil's keystrokes of it in the period,
// and how many pupils it stands out as hard for.
struct TClassKey {
    unsigned char Ch = 0;
    std::int64_t Keystrokes = 0;
    std::int64_t Errors = 0;
    double ErrorRate = 0; // percent
    int Pupils = 0;
};

struct TClassFigures {
    int Today = 0; // the day of the platform clock the report was made on
    int Days = 0;  // the period: the last Days days up to Today
    std::vector<TPupilFigures> Pupils;
    std::vector<TClassKey> HardKeys;                 // at most kClassKeys, hardest first
    std::vector<TConfusionCount> Confusions;         // at most kClassConfusions, most frequent first
    std::vector<std::pair<int, TPlayFigures>> ByDay; // the class's days with games, oldest first
    TKeyRecord Keys;                                 // every pupil's key record of the period, summed
    // The files left out, each "NAME: why", in the teacher's language.
    std::vector<std::string> LeftOut;
    // False when the folder of copies could not be listed: the user may not read it.
    bool Listed = true;
};

inline constexpr std::size_t kClassKeys = 10;
inline constexpr std::size_t kClassConfusions = 5;

// The figures of every pupil's copy in folder (the system's bytes) over the last days days up to
// today. A copy whose owner is not the user of its name (a classmate's file under another's name)
// is left out too unless checkOwners is false.
TClassFigures ReadClass(const std::string& folder, int days, int today, bool checkOwners = true);

// The figures of records, as ReadClass makes them from the files.
void Figure(TClassFigures& figures, std::vector<TPupilRecord> records);
