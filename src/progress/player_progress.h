#pragma once
#include "difficult_keys.h"
#include "game_record.h"
#include "progress_data.h"
#include "progress_store.h"

#include <deque>
#include <string>

// The player's progress for one run of the program: at start the statistics take the stored
// totals, every finished game is folded into the store, and the menu asks it for its notice, the
// practice key set and the progress view's figures. Each of these waits at most once for another
// copy that holds the store; a finished game that cannot be stored then waits in memory and is
// folded at the next chance: the next game's end, the progress view, or the end of the run.
class TPlayerProgress {
  public:
    // folder: the player's state folder, UserStateFolder() in the program. waitMs: how long an
    // action waits for another copy (tests shorten it).
    explicit TPlayerProgress(const std::string& folder, int waitMs = TProgressStore::kBusyTimeoutMs);
    // Folds the games still waiting.
    ~TPlayerProgress();
    TPlayerProgress(const TPlayerProgress&) = delete;
    TPlayerProgress& operator=(const TPlayerProgress&) = delete;

    // Opens the store and starts keys from its totals; without a store keys stay as they are. A
    // store another copy holds is tried again later.
    void Start(TDifficultKeys& keys);
    // False when progress cannot be kept in this run (Problem() says why); a store that another copy
    // holds for now is still kept.
    bool Kept() const;
    // Why the store cannot be reached now; None when it can.
    TStoreProblem Problem() const;
    // Finished games not yet in the store.
    std::size_t Waiting() const { return waiting_.size(); }

    // Folds a finished game into the store and adds its history row, then gives the statistics the
    // stored totals, which hold the games of other copies of the program too.
    void Record(const TGameRecord& record);

    // The menu's notice: the summary, why the progress cannot be reached, or empty.
    std::string Notice();
    TProgressData Collect();
    // The key set of "my difficult keys".
    std::string PracticeKeys() const;

    TProgressStore& Store() { return store_; }

  private:
    struct TWaitingGame {
        TGameRecord Record;
        std::string PlayedAt;
    };
    // Opens the store when it is not open and folds the waiting games, inside the caller's action.
    void CatchUp();

    TProgressStore store_;
    int waitMs_;
    TDifficultKeys* keys_ = nullptr;
    std::deque<TWaitingGame> waiting_;
};
