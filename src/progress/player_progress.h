#pragma once
#include "difficult_keys.h"
#include "game_record.h"
#include "progress_data.h"
#include "progress_store.h"

#include <string>
#include <vector>

// The player's progress for one run of the program: at start the statistics take the stored
// totals, every finished game is folded into the store, and the menu asks it for its notice, the
// practice key set and the progress view's figures.
class TPlayerProgress {
  public:
    // folder: the player's state folder, UserStateFolder() in the program.
    explicit TPlayerProgress(const std::string& folder);

    // Opens the store and starts keys from its totals; without a store keys stay as they are and
    // Kept() is false.
    void Start(TDifficultKeys& keys);
    bool Kept() const { return store_.IsOpen(); }

    // Folds a finished game into the store and adds its history row, then gives the statistics the
    // stored totals, which hold the games of other copies of the program too.
    void Record(const TGameRecord& record);

    // The menu's notice: the summary, kProgressNotKept when nothing can be kept, or empty.
    std::string Notice();
    TProgressData Collect();
    // The key set of "my difficult keys".
    std::string PracticeKeys() const;
    // The words of "my difficult words", drawn from the vocabularies of the program's folder.
    std::vector<std::string> PracticeWords() const;

    // The player's key record by day, as far as this run knows it.
    const TKeyDays& KeyDays() const { return keyDays_; }
    TProgressStore& Store() { return store_; }

    // Days of the key record read from the store: older days weigh less than 1/10000 of today's.
    static constexpr int kKeyDaysKept = 190;

  private:
    void LoadKeyDays();

    TProgressStore store_;
    TDifficultKeys* keys_ = nullptr;
    TKeyDays keyDays_;
    std::string toldSetAside_;
};
